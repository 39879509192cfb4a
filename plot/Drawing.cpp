#include "Drawing.h"

#include "Coefficients.h"
#include "PixelMath.h"

#include <QCoreApplication>

#include <optional>

using namespace plot;

namespace {

void drawFrames(TCanvas& canvas) {
    for (const Frame& frame : {kSpectrumFrame, kWaveFrame})
        canvas.Rectangle(frame.left, frame.top, frame.right, frame.bottom);
}

// The arrowhead at (x, y) of an axis that points up.
void arrowUp(TCanvas& canvas, int x, int y) {
    DrawLine(canvas, x, y, x + kArrow, y + kArrow);
    DrawLine(canvas, x, y, x - kArrow, y + kArrow);
}

void drawWaveformGridAndAxes(TCanvas& canvas) {
    for (const int y : kWaveLevelRows)
        DrawLine(canvas, kWaveLeft, y, kWaveRight, y, PlotColor::kGrid);
    for (int x = kWaveLeft + kWaveGridStep; x <= kWaveRight; x += kWaveGridStep)
        DrawLine(canvas, x, kWaveTop, x, kWaveBottom, PlotColor::kGrid);
    DrawLine(canvas, kWaveLeft, kWaveZero, kWaveRight, kWaveZero);
    DrawLine(canvas, kWaveLeft, kWaveTop, kWaveLeft, kWaveBottom);
    arrowUp(canvas, kWaveLeft, kWaveTop);
    DrawLine(canvas, kWaveRight, kWaveZero, kWaveRight - kArrow, kWaveZero + kArrow);
    DrawLine(canvas, kWaveRight, kWaveZero, kWaveRight - kArrow, kWaveZero - kArrow);
}

void drawFrequencyGrid(TCanvas& canvas, int n) {
    for (int k = 0; n >= 1 && k <= n; ++k) {
        const int x = gridColumn(k, n);
        DrawLine(canvas, x, kAmplitudeTop, x, kPhaseBottom, PlotColor::kGrid);
    }
}

void drawSpectrumLevelsAndAxes(TCanvas& canvas) {
    for (const int y : kLevelRows)
        DrawLine(canvas, kSpectrumLeft, y, kSpectrumRight, y, PlotColor::kGrid);
    DrawLine(canvas, kSpectrumLeft, kAmplitudeTop, kSpectrumLeft, kAmplitudeZero);
    DrawLine(canvas, kSpectrumLeft, kAmplitudeZero, kSpectrumAxisEnd, kAmplitudeZero);
    DrawLine(canvas, kSpectrumLeft, kPhaseTop, kSpectrumLeft, kPhaseBottom);
    DrawLine(canvas, kSpectrumLeft, kPhaseZero, kSpectrumAxisEnd, kPhaseZero);
    arrowUp(canvas, kSpectrumLeft, kAmplitudeTop);
    arrowUp(canvas, kSpectrumLeft, kPhaseTop);
    for (const int y : {kAmplitudeZero, kPhaseZero}) {
        DrawLine(canvas, kSpectrumAxisEnd, y, kSpectrumAxisEnd - kArrow, y - kArrow);
        DrawLine(canvas, kSpectrumAxisEnd, y, kSpectrumAxisEnd - kArrow, y + kArrow);
    }
}

void drawLabel(TCanvas& canvas, LabelPlace place, const QString& text) {
    DrawLabel(canvas, place.x, place.y, text);
}

// The axes' names in the language loaded now: the window's, or the command line's for an export.
void drawFixedLabels(TCanvas& canvas) {
    //: The amplitude spectrum's axis
    drawLabel(canvas, kAmplitudeAxisLabel, QCoreApplication::translate("Drawing", "A(f)"));
    //: The phase spectrum's axis
    drawLabel(canvas, kPhaseAxisLabel, QCoreApplication::translate("Drawing", "Ф(f)"));
    drawLabel(canvas, kAmplitudeZeroLabel, QStringLiteral("0"));
    drawLabel(canvas, kPhaseZeroLabel, QStringLiteral("0"));
    //: The frequency axis, in hertz; the scale's numbers stand left of it
    const QString frequency = QCoreApplication::translate("Drawing", "f,гц");
    for (const int y : {kAmplitudeScaleRow, kPhaseScaleRow})
        DrawLabel(canvas, kFrequencyLabelColumn, y, frequency);
}

// The highest frequency and half of it, under the phase plot and then under the amplitude plot.
void drawScaleNumbers(TCanvas& canvas, int highest) {
    const QString full = QString::number(highest);
    const QString half = QString::number(highest / 2);
    for (const int y : {kPhaseScaleRow, kAmplitudeScaleRow}) {
        DrawLabel(canvas, kHighestFrequencyColumn, y, full);
        DrawLabel(canvas, kHalfFrequencyColumn, y, half);
    }
}

// Everything of the empty panels, in the order that decides what lies over what.
void drawPanels(TCanvas& canvas, int gridDivisions, std::optional<int> highestFrequency) {
    canvas.Clear();
    drawFrames(canvas);
    drawWaveformGridAndAxes(canvas);
    drawFrequencyGrid(canvas, gridDivisions);
    drawSpectrumLevelsAndAxes(canvas);
    drawFixedLabels(canvas);
    if (highestFrequency)
        drawScaleNumbers(canvas, *highestFrequency);
}

} // namespace

void DrawLine(TCanvas& canvas, int x1, int y1, int x2, int y2, TColor color) {
    TPen& pen = *canvas.GetPen();
    const TColor previous = pen.GetColor();
    pen.SetColor(color);
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
    pen.SetColor(previous);
}

void DrawLabel(TCanvas& canvas, int x, int y, const QString& text) {
    canvas.TextOut(x, y, text);
}

void DrawAxes(TCanvas& canvas, int N, double fmax) {
    drawPanels(canvas, gridDivisions(N), spectrum::truncateToInt(fmax));
}

void DrawEmptyPanels(TCanvas& canvas) {
    drawPanels(canvas, 0, std::nullopt);
}
