#include "Waveform.h"

#include "Colors.h"
#include "Drawing.h"
#include "PixelMath.h"

using namespace plot;

void DrawSegmentMarkers(TCanvas& canvas, double T, const std::array<long double, 7>& boundaries) {
    for (const long double boundary : boundaries)
        if (const Pixel x = markerColumn(boundary, T))
            DrawLine(canvas, *x, kWaveTop, *x, kWaveBottom, PlotColor::kMarker);
}

void DrawWaveform(TCanvas& canvas, std::span<const double> samples) {
    // The first sample is joined to itself and paints nothing.
    int previousX = kWaveLeft;
    Pixel previousY;
    for (std::size_t j = 0; j < samples.size(); ++j) {
        const Pixel y = waveformRow(samples[j]);
        if (j == 0)
            previousY = y;
        const int x = kWaveLeft + static_cast<int>(j);
        if (previousY && y)
            DrawLine(canvas, previousX, *previousY, x, *y);
        previousX = x;
        previousY = y;
    }
}
