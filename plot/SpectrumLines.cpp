#include "SpectrumLines.h"

#include "Colors.h"
#include "Drawing.h"
#include "PixelMath.h"
#include "Tovenal_unit.h"

using namespace PlotGeometry;

namespace {

// Stem from two pixels below the zero line to the top, then the five-pixel red cap.
void drawStem(TColor color, int x, int zeroRow, int top) {
    SetPenColor(color);
    DrawLine(x, zeroRow + 2, x, top);
    SetPenColor(PlotColor::kCap);
    DrawLine(x - 2, top, x + 3, top);
}

} // namespace

void DrawAmplitudeLine(int h, double f, double fmax) {
    if (const Pixel x = HarmonicColumn(f, fmax))
        drawStem(PlotColor::kAmplitudeStem, *x, kAmplitudeZero, AmplitudeTop(h));
}

void DrawPhaseLine(int p, double f, double fmax) {
    if (const Pixel x = HarmonicColumn(f, fmax))
        drawStem(PlotColor::kPhaseStem, *x, kPhaseZero, PhaseTop(p));
}

void DrawEnvelopePoint(int i, double magnitude, int previousIndex, double previousMagnitude) {
    const int x = kSpectrumLeft + i;
    const bool filled = Form1->CheckBox2->GetChecked();
    const int otherX = filled ? x : kSpectrumLeft + previousIndex;
    const Pixel otherRow = filled ? Pixel(kAmplitudeZero) : EnvelopeRow(previousMagnitude);
    const Pixel row = EnvelopeRow(magnitude);
    if (!row || !otherRow)
        return;
    SetPenColor(PlotColor::kEnvelope);
    DrawLine(x, *row, otherX, *otherRow);
}
