#include "Drawing.h"

#include "Coefficients.h"
#include "Colors.h"
#include "PixelMath.h"
#include "Tovenal_unit.h"

#include <optional>

namespace {

TCanvas* canvas() {
    return Form1->GetCanvas();
}

void greyLine(int x1, int y1, int x2, int y2) {
    SetPenColor(PlotColor::kGrid);
    DrawLine(x1, y1, x2, y2);
}

void drawFrames() {
    canvas()->Rectangle(10, 10, 520, 500);
    canvas()->Rectangle(540, 280, 970, 440);
}

void drawWaveformGridAndAxes() {
    for (const int y : {290, 325, 395, 430})
        greyLine(560, y, 960, y);
    for (int k = 1; k <= 10; ++k)
        greyLine(560 + 40 * k, 290, 560 + 40 * k, 430);
    DrawLine(560, 360, 960, 360);
    DrawLine(560, 290, 560, 430);
    DrawLine(560, 290, 565, 295);
    DrawLine(560, 290, 555, 295);
    DrawLine(960, 360, 955, 365);
    DrawLine(960, 360, 955, 355);
}

void drawFrequencyGrid(int n) {
    for (int k = 0; n >= 1 && k <= n; ++k) {
        const int x = PlotGeometry::GridColumn(k, n);
        greyLine(x, 30, x, 460);
    }
}

void drawSpectrumLevelsAndAxes() {
    for (const int y : {30, 80, 130, 180, 260, 310, 410, 460})
        greyLine(50, y, 450, y);
    DrawLine(50, 30, 50, 230);
    DrawLine(50, 230, 500, 230);
    DrawLine(50, 260, 50, 460);
    DrawLine(50, 360, 500, 360);
    DrawLine(50, 30, 55, 35);
    DrawLine(50, 30, 45, 35);
    DrawLine(50, 260, 55, 265);
    DrawLine(50, 260, 45, 265);
    DrawLine(500, 230, 495, 225);
    DrawLine(500, 230, 495, 235);
    DrawLine(500, 360, 495, 355);
    DrawLine(500, 360, 495, 365);
}

void drawFixedLabels() {
    DrawLabel(25, 20, QStringLiteral("A(f)"));
    DrawLabel(21, 250, QStringLiteral("Ф(f)"));
    DrawLabel(40, 224, QStringLiteral("0"));
    DrawLabel(40, 354, QStringLiteral("0"));
    DrawLabel(490, 235, QStringLiteral("f,гц"));
    DrawLabel(490, 365, QStringLiteral("f,гц"));
}

void drawScaleNumbers(int highest) {
    const QString full = QString::number(highest);
    const QString half = QString::number(highest / 2);
    DrawLabel(440, 365, full);
    DrawLabel(250, 365, half);
    DrawLabel(440, 235, full);
    DrawLabel(250, 235, half);
}

// Everything of the empty panels, in the order that decides what lies over what.
void drawPanels(int gridDivisions, std::optional<int> highestFrequency) {
    Form1->Refresh();
    drawFrames();
    drawWaveformGridAndAxes();
    drawFrequencyGrid(gridDivisions);
    drawSpectrumLevelsAndAxes();
    drawFixedLabels();
    if (highestFrequency)
        drawScaleNumbers(*highestFrequency);
}

} // namespace

void DrawLine(int x1, int y1, int x2, int y2) {
    canvas()->MoveTo(x1, y1);
    canvas()->LineTo(x2, y2);
    SetPenColor(PlotColor::kBlack);
}

void DrawLabel(int x, int y, const QString& text) {
    canvas()->TextOut(x, y, text);
}

void SetPenColor(TColor color) {
    canvas()->GetPen()->SetColor(color);
}

void DrawAxes(double fmax) {
    const int N = StrToInt(Form1->Edit10->GetText());
    drawPanels(PlotGeometry::GridDivisions(N), TruncateToInt(fmax));
}

void DrawEmptyPanels() {
    drawPanels(0, std::nullopt);
}
