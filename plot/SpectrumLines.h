#pragma once

#include "Canvas.h"

#include <span>

// The spectrum panel's content: harmonic stems with their caps, and the envelope.

// Amplitude stem of h hundredths of a volt for the harmonic of frequency f (hertz).
void DrawAmplitudeLine(TCanvas& canvas, int h, double f, double fmax);
// Phase stem of p pixels (32 per radian) for the harmonic of frequency f (hertz).
void DrawPhaseLine(TCanvas& canvas, int p, double f, double fmax);
// The envelope from its magnitudes at points 1 ... 400, in volts: filled, a column from each point
// down to the axis; otherwise a curve, each point joined back to the one on its left.
void DrawEnvelope(TCanvas& canvas, std::span<const double> magnitudes, bool filled);
