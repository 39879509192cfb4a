#pragma once

// The window's inputs as a set-up: typed in with the same writes a person would make, so the
// fields' rules and the passes run exactly as for typing, and read back for saving and exporting.

#include "Setup.h"

struct InputFields;

// Types a set-up into the fields and ticks the options, in the order the command line applies
// them; the handlers correct and recalculate as for a person typing.
void applySetup(const InputFields& fields, const Setup& setup);

// What the fields and options hold, read leniently (text that is not a number counts as 0).
Setup currentSetup(const InputFields& fields);
