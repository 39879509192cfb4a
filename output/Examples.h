#pragma once

#include "Setup.h"

#include <QString>
#include <vector>

// Classic packets built into the program, for the "Примеры" menu.
struct Example {
    QString name;
    Setup setup;
};

const std::vector<Example>& examples();
