#pragma once

// The recalculation pass: reads every input of Form1 afresh, computes the spectrum and redraws
// the whole picture and both lists.
void Recalculate();

// How many passes have started since the program began (for tests and measurements).
unsigned long long PassCount();
