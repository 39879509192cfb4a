#include "Waveform.h"

#include "Colors.h"
#include "Drawing.h"
#include "PixelMath.h"
#include "Tovenal_unit.h"

#include <algorithm>
#include <cmath>

using namespace PlotGeometry;
using Extended = long double;

void DrawSegmentMarkers(double T, const std::array<double, 7>& t) {
    Extended boundary = 0;
    for (const double duration : t) {
        boundary += duration;
        if (const Pixel x = MarkerColumn(boundary, T)) {
            SetPenColor(PlotColor::kMarker);
            DrawLine(*x, 290, *x, 430);
        }
    }
}

namespace {

// The partial Fourier sum at sample j of 400, over harmonics first ... last.
double waveformSample(int j, int first, int last, std::span<const CoefPair> table,
                      std::span<const HarmonicLine> lines) {
    double sum = 0.0;
    for (int m = first; m <= last; ++m) {
        const auto index = static_cast<std::size_t>(m);
        if (m == 0) {
            sum = table[0].a;
            continue;
        }
        const double angle =
            static_cast<double>(lines[index].phase + 2 * Extended(kPi) * m * j * 0.0025);
        sum = static_cast<double>(sum + Extended(lines[index].amplitude) * std::sin(angle));
    }
    return sum;
}

} // namespace

void DrawWaveform(std::span<const CoefPair> table, std::span<const HarmonicLine> lines) {
    const int lower = StrToInt(Form1->Edit13->GetText());
    const int upper = StrToInt(Form1->Edit14->GetText());
    // A range end outside 0 ... N keeps only the harmonics the table holds.
    const int highest = static_cast<int>(lines.size()) - 1;
    const int first = std::max(lower, 0);
    const int last = std::min(upper, highest);

    int previousX = kWaveLeft;
    Pixel previousY;
    for (int j = 0; j <= kWaveWidth; ++j) {
        const Pixel y = WaveformRow(waveformSample(j, first, last, table, lines));
        if (j == 0)
            previousY = y;
        if (previousY && y)
            DrawLine(previousX, *previousY, kWaveLeft + j, *y);
        previousX = kWaveLeft + j;
        previousY = y;
    }
}
