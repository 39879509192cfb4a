#pragma once

// Everything a window unit needs from the form toolkit.
#include "AccessibleRegion.h"
#include "Application.h"
#include "Button.h"
#include "CheckBox.h"
#include "Conversions.h"
#include "Edit.h"
#include "EventDispatch.h"
#include "Exception.h"
#include "Form.h"
#include "Label.h"
#include "ListBox.h"
#include "RadioButton.h"
