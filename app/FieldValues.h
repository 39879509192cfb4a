#pragma once

// How the handlers read a field's number. The lenient read takes text that is not a number as 0,
// as the input rules do while they correct a field; the strict read raises the toolkit's
// conversion error, and is used only on fields the rules keep canonical.

#include "Vcl.h"

inline int valueOf(const TEdit* field) {
    return StrToIntDef(field->GetText(), 0);
}

inline int strictValueOf(const TEdit* field) {
    return StrToInt(field->GetText());
}
