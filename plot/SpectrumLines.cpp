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
    const int x = HarmonicColumn(f, fmax);
    drawStem(PlotColor::kAmplitudeStem, x, kAmplitudeZero, kAmplitudeZero - 2 * h);
}

void DrawPhaseLine(int p, double f, double fmax) {
    const int x = HarmonicColumn(f, fmax);
    drawStem(PlotColor::kPhaseStem, x, kPhaseZero, kPhaseZero - p);
}

void DrawEnvelopePoint(int i, double magnitude, int previousIndex, double previousMagnitude) {
    SetPenColor(PlotColor::kEnvelope);
    const int x = kSpectrumLeft + i;
    if (Form1->CheckBox2->GetChecked())
        DrawLine(x, EnvelopeRow(magnitude), x, kAmplitudeZero);
    else
        DrawLine(x, EnvelopeRow(magnitude), kSpectrumLeft + previousIndex,
                 EnvelopeRow(previousMagnitude));
}
