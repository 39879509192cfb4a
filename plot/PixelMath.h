#pragma once

// Where the plots put things: the panel geometry and the conversions of computed values to client
// pixels. Plain functions, no window. Every conversion truncates toward zero, after clamping to a
// range far beyond the window so that any finite value gives a defined pixel; an undefined value
// (NaN) gives no pixel at all, and whatever would have touched it is not drawn.

#include <array>
#include <optional>

namespace plot {

using Pixel = std::optional<int>;

// The picture covers the window's whole client area.
inline constexpr int kPictureWidth = 988;
inline constexpr int kPictureHeight = 606;
// Far outside the picture, yet far from the limits of an int.
inline constexpr int kFarPixel = 1'000'000;

// The frames of the two panels as Rectangle takes them: the outline runs along the columns left and
// right - 1 and the rows top and bottom - 1.
struct Frame {
    int left;
    int top;
    int right;
    int bottom;
};
inline constexpr Frame kSpectrumFrame{10, 10, 520, 500};
inline constexpr Frame kWaveFrame{540, 280, 970, 440};

// Spectrum panel: one frequency scale for the amplitude plot above and the phase plot below.
// 0 Hz at x = 50, the highest harmonic at x = 450; the axes run on to their arrows at x = 500.
inline constexpr int kSpectrumLeft = 50;
inline constexpr int kSpectrumWidth = 400;
inline constexpr int kSpectrumRight = kSpectrumLeft + kSpectrumWidth;
inline constexpr int kSpectrumAxisEnd = 500;
inline constexpr int kAmplitudeTop = 30; // the amplitude axis's arrow
inline constexpr int kAmplitudeZero = 230;
inline constexpr int kPhaseTop = 260; // the phase axis's arrow
inline constexpr int kPhaseZero = 360;
inline constexpr int kPhaseBottom = 460;
inline constexpr std::array kLevelRows = {30, 80, 130, 180, 260, 310, 410, 460};
// Waveform panel: one period from x = 560 to 960, 0 V at y = 360, 100 pixels per volt.
inline constexpr int kWaveLeft = 560;
inline constexpr int kWaveWidth = 400;
inline constexpr int kWaveRight = kWaveLeft + kWaveWidth;
inline constexpr int kWaveZero = 360;
inline constexpr int kWaveTop = 290;
inline constexpr int kWaveBottom = 430;
inline constexpr std::array kWaveLevelRows = {kWaveTop, 325, 395, kWaveBottom};
inline constexpr int kWaveGridStep = 40;
// Arrowheads are two strokes of five pixels either way.
inline constexpr int kArrow = 5;

// Where the fixed labels and the scale numbers start (the top left corner of their text).
struct LabelPlace {
    int x;
    int y;
};
inline constexpr LabelPlace kAmplitudeAxisLabel{25, 20}; // "A(f)"
inline constexpr LabelPlace kPhaseAxisLabel{21, 250};    // "Ф(f)"
inline constexpr LabelPlace kAmplitudeZeroLabel{40, 224};
inline constexpr LabelPlace kPhaseZeroLabel{40, 354};
// Under each plot, on one row: the frequency axis's name at its arrow, the highest frequency near
// x = 450 and half of it at x = 250.
inline constexpr int kAmplitudeScaleRow = 235;
inline constexpr int kPhaseScaleRow = 365;
inline constexpr int kFrequencyLabelColumn = 490; // "f,гц"
inline constexpr int kHighestFrequencyColumn = 440;
inline constexpr int kHalfFrequencyColumn = 250;

// Truncation toward zero of a coordinate, clamped to +-kFarPixel; nothing for NaN.
Pixel toPixel(long double value);

// Grid division count n of the frequency scale for N harmonics.
int gridDivisions(int N);
// Column of frequency grid line k of n.
int gridColumn(int k, int n);
// Column of a harmonic of frequency f when x = 450 stands for fmax. A harmonic whose place is a
// whole column stands on it (the grid line of that frequency), not one pixel to its left.
Pixel harmonicColumn(double f, double fmax);
// Stem height of an amplitude in hundredths of a volt, and of a phase in pixels (32 per radian).
Pixel amplitudeSteps(double amplitude);
Pixel phasePixels(double phase);
// Top rows of an amplitude stem of h hundredths of a volt and of a phase stem of p pixels.
int amplitudeTop(int h);
int phaseTop(int p);
// Row of the envelope at magnitude E volts (200 pixels per volt above y = 230).
Pixel envelopeRow(double magnitude);
// Column of a segment boundary at time B seconds into a period of T seconds.
Pixel markerColumn(long double boundary, double T);
// Row of the waveform at v volts.
Pixel waveformRow(double volts);

} // namespace plot
