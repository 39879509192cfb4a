#include "SpectrumLines.h"

#include "Colors.h"
#include "Drawing.h"
#include "PixelMath.h"

using namespace plot;

namespace {

// Stem from two pixels below the zero line to the top, then the five-pixel red cap.
void drawStem(TCanvas& canvas, TColor color, int x, int zeroRow, int top) {
    DrawLine(canvas, x, zeroRow + 2, x, top, color);
    DrawLine(canvas, x - 2, top, x + 3, top, PlotColor::kCap);
}

} // namespace

void DrawAmplitudeLine(TCanvas& canvas, int h, double f, double fmax) {
    if (const Pixel x = harmonicColumn(f, fmax))
        drawStem(canvas, PlotColor::kAmplitudeStem, *x, kAmplitudeZero, amplitudeTop(h));
}

void DrawPhaseLine(TCanvas& canvas, int p, double f, double fmax) {
    if (const Pixel x = harmonicColumn(f, fmax))
        drawStem(canvas, PlotColor::kPhaseStem, *x, kPhaseZero, phaseTop(p));
}

void DrawEnvelope(TCanvas& canvas, std::span<const double> magnitudes, bool filled) {
    // Point i stands in column 50 + i; the first point of the curve is joined to itself.
    for (std::size_t n = 0; n < magnitudes.size(); ++n) {
        const std::size_t previous = n == 0 ? 0 : n - 1;
        const int x = kSpectrumLeft + static_cast<int>(n) + 1;
        const int otherX = filled ? x : kSpectrumLeft + static_cast<int>(previous) + 1;
        const Pixel otherRow = filled ? Pixel(kAmplitudeZero) : envelopeRow(magnitudes[previous]);
        const Pixel row = envelopeRow(magnitudes[n]);
        if (row && otherRow)
            DrawLine(canvas, x, *row, otherX, *otherRow, PlotColor::kEnvelope);
    }
}
