#pragma once

// The amplitude and phase lists of the window.

// Empties ListBox1, then ListBox2.
void ClearLists();
// Lists harmonic k: both lines when it is significant; with "Показывать все" ticked, a negligible
// one too, its phase in brackets and added first.
void ListHarmonic(int k, double amplitude, double phase);
