#pragma once

// Where the plots put things: the conversions of computed values to client pixels. Plain
// functions, no window. Every conversion truncates toward zero, after clamping to a range far
// beyond the window so that any finite value gives a defined pixel; an undefined value (NaN)
// gives no pixel at all, and whatever would have touched it is not drawn.

#include <cstdint>
#include <optional>

namespace PlotGeometry {

using Pixel = std::optional<int>;

// Far outside the 988 x 606 client area, yet far from the limits of an int.
inline constexpr int kFarPixel = 1'000'000;

// Truncation toward zero of a coordinate, clamped to +-kFarPixel; nothing for NaN.
Pixel ToPixel(long double value);

// Spectrum panel: 0 Hz at x = 50, the highest harmonic at x = 450; zero lines y = 230 and 360.
inline constexpr int kSpectrumLeft = 50;
inline constexpr int kSpectrumWidth = 400;
inline constexpr int kAmplitudeZero = 230;
inline constexpr int kPhaseZero = 360;
// Waveform panel: one period from x = 560 to 960, 0 V at y = 360, 100 pixels per volt.
inline constexpr int kWaveLeft = 560;
inline constexpr int kWaveWidth = 400;
inline constexpr int kWaveZero = 360;

// Grid division count n of the frequency scale for N harmonics.
int GridDivisions(int N);
// Column of frequency grid line k of n.
int GridColumn(int k, int n);
// Column of a harmonic of frequency f when x = 450 stands for fmax. A harmonic whose place is a
// whole column stands on it (the grid line of that frequency), not one pixel to its left.
Pixel HarmonicColumn(double f, double fmax);
// Stem height of an amplitude in hundredths of a volt, and of a phase in pixels (32 per radian).
Pixel AmplitudeSteps(double amplitude);
Pixel PhasePixels(double phase);
// Top rows of an amplitude stem of h hundredths of a volt and of a phase stem of p pixels.
int AmplitudeTop(int h);
int PhaseTop(int p);
// Row of the envelope at magnitude E volts (200 pixels per volt above y = 230).
Pixel EnvelopeRow(double magnitude);
// Column of a segment boundary at time B seconds into a period of T seconds.
Pixel MarkerColumn(long double boundary, double T);
// Row of the waveform at v volts.
Pixel WaveformRow(double volts);

} // namespace PlotGeometry
