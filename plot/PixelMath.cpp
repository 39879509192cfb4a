#include "PixelMath.h"

#include <cmath>

namespace PlotGeometry {

using Extended = long double;

Pixel ToPixel(Extended value) {
    if (std::isnan(value))
        return std::nullopt;
    if (value >= kFarPixel)
        return kFarPixel;
    if (value <= -kFarPixel)
        return -kFarPixel;
    return static_cast<int>(value);
}

int GridDivisions(int N) {
    std::int64_t n = N;
    if (n >= 150)
        n = n * 2 / 15;
    if (n >= 100)
        n = n / 5;
    if (n >= 50)
        n = n * 2 / 5;
    return static_cast<int>(n);
}

int GridColumn(int k, int n) {
    return kSpectrumLeft + static_cast<int>(std::int64_t{kSpectrumWidth} * k / n);
}

Pixel HarmonicColumn(double f, double fmax) {
    const Extended offset = Extended(kSpectrumWidth) * f / fmax;
    // f and fmax are k / T and N / T rounded to doubles, so their quotient may fall a few units in
    // the last place below the whole column 400 k / N; the nearest whole column is then the
    // harmonic's own. A quotient that is not whole lies at least 1 / N >= 0.005 from one.
    const Extended nearest = std::round(offset);
    const Extended snapped =
        std::fabs(offset - nearest) <= 1e-9L * std::fabs(nearest) ? nearest : offset;
    return ToPixel(snapped + kSpectrumLeft);
}

Pixel AmplitudeSteps(double amplitude) {
    return ToPixel(Extended(amplitude) * 100);
}

Pixel PhasePixels(double phase) {
    return ToPixel(Extended(phase) * 32);
}

int AmplitudeTop(int h) {
    return *ToPixel(kAmplitudeZero - 2 * Extended(h));
}

int PhaseTop(int p) {
    return *ToPixel(kPhaseZero - Extended(p));
}

Pixel EnvelopeRow(double magnitude) {
    return ToPixel(kAmplitudeZero - 200 * Extended(magnitude));
}

Pixel MarkerColumn(Extended boundary, double T) {
    return ToPixel(kWaveWidth * boundary / T + kWaveLeft);
}

Pixel WaveformRow(double volts) {
    return ToPixel(kWaveZero - 100 * Extended(volts));
}

} // namespace PlotGeometry
