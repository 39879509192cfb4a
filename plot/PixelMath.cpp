#include "PixelMath.h"

#include <cmath>
#include <cstdint>

namespace plot {

using Extended = long double;

Pixel toPixel(Extended value) {
    if (std::isnan(value))
        return std::nullopt;
    if (value >= kFarPixel)
        return kFarPixel;
    if (value <= -kFarPixel)
        return -kFarPixel;
    return static_cast<int>(value);
}

int gridDivisions(int N) {
    std::int64_t n = N;
    if (n >= 150)
        n = n * 2 / 15;
    if (n >= 100)
        n = n / 5;
    if (n >= 50)
        n = n * 2 / 5;
    return static_cast<int>(n);
}

int gridColumn(int k, int n) {
    return kSpectrumLeft + static_cast<int>(std::int64_t{kSpectrumWidth} * k / n);
}

Pixel harmonicColumn(double f, double fmax) {
    const Extended offset = Extended(kSpectrumWidth) * f / fmax;
    // f and fmax are k / T and N / T rounded to doubles, so their quotient may fall a few units in
    // the last place below the whole column 400 k / N; the nearest whole column is then the
    // harmonic's own. A quotient that is not whole lies at least 1 / N >= 0.005 from one.
    const Extended nearest = std::round(offset);
    const Extended snapped =
        std::fabs(offset - nearest) <= 1e-9L * std::fabs(nearest) ? nearest : offset;
    return toPixel(snapped + kSpectrumLeft);
}

Pixel amplitudeSteps(double amplitude) {
    return toPixel(Extended(amplitude) * 100);
}

Pixel phasePixels(double phase) {
    return toPixel(Extended(phase) * 32);
}

int amplitudeTop(int h) {
    return *toPixel(kAmplitudeZero - 2 * Extended(h));
}

int phaseTop(int p) {
    return *toPixel(kPhaseZero - Extended(p));
}

Pixel envelopeRow(double magnitude) {
    return toPixel(kAmplitudeZero - 200 * Extended(magnitude));
}

Pixel markerColumn(Extended boundary, double T) {
    return toPixel(kWaveWidth * boundary / T + kWaveLeft);
}

Pixel waveformRow(double volts) {
    return toPixel(kWaveZero - 100 * Extended(volts));
}

} // namespace plot
