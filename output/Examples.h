#pragma once

#include "Setup.h"

#include <QString>
#include <vector>

// Classic packets built into the program, for the "Примеры" menu.
struct Example {
    QString name; // as written; shown translated in kExamplesContext
    Setup setup;
};

inline constexpr char kExamplesContext[] = "Examples";

const std::vector<Example>& examples();
