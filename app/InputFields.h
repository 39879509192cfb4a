#pragma once

// The window's inputs as the features see them: the fields and options a person types and ticks,
// without the rest of the window.

#include "Vcl.h"

#include <array>

struct InputFields {
    std::array<TEdit*, 8> segments; // Edit1 ... Edit8, in the order of the packet
    TEdit* unitTime;                // Edit9
    TEdit* harmonics;               // Edit10
    TEdit* rangeFrom;               // Edit13
    TEdit* rangeTo;                 // Edit14
    TCheckBox* showAll;             // "Показывать все"
    TCheckBox* fill;                // "залить"
    TCheckBox* envelope;            // "Огибающая"
};
