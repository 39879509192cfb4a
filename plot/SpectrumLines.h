#pragma once

// The spectrum panel's content: harmonic stems with their caps, and the envelope.

// Amplitude stem of h hundredths of a volt for the harmonic of frequency f (hertz).
void DrawAmplitudeLine(int h, double f, double fmax);
// Phase stem of p pixels (32 per radian) for the harmonic of frequency f (hertz).
void DrawPhaseLine(int p, double f, double fmax);
// Envelope point i (1 ... 400) of magnitude E volts. Filled while "залить" is ticked (read at
// every point): a column down to the axis; otherwise a curve segment back to the previous point.
void DrawEnvelopePoint(int i, double magnitude, int previousIndex, double previousMagnitude);
