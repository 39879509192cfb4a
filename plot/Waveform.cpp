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

void DrawWaveform(std::span<const CoefPair> table, std::span<const HarmonicLine> lines) {
    const int lower = StrToInt(Form1->Edit13->GetText());
    const int upper = StrToInt(Form1->Edit14->GetText());
    // A range end outside 0 ... N keeps only the harmonics the table holds.
    const int highest = static_cast<int>(lines.size()) - 1;
    const int first = std::max(lower, 0);
    const int last = std::min(upper, highest);

    const auto samples = SynthesisedWaveform(first, last, table, lines);
    int previousX = kWaveLeft;
    Pixel previousY;
    for (int j = 0; j <= kWaveWidth; ++j) {
        const Pixel y = WaveformRow(samples[static_cast<std::size_t>(j)]);
        if (j == 0)
            previousY = y;
        if (previousY && y)
            DrawLine(previousX, *previousY, kWaveLeft + j, *y);
        previousX = kWaveLeft + j;
        previousY = y;
    }
}
