#pragma once

#include "Canvas.h"
#include "Colors.h"

#include <QString>

// The drawing primitives and the empty panels, on any canvas.

// A line from (x1, y1) to (x2, y2) in the given colour, start pixel painted, end pixel not. The
// pen keeps the colour it had before.
void DrawLine(TCanvas& canvas, int x1, int y1, int x2, int y2, TColor color = PlotColor::kBlack);
// Text with its top-left corner at (x, y), in the canvas font on an opaque white cell.
void DrawLabel(TCanvas& canvas, int x, int y, const QString& text);

// Wipes the canvas and draws both panels: frames, grids, axes, arrowheads, labels and the
// frequency scale of N harmonics with fmax hertz at x = 450.
void DrawAxes(TCanvas& canvas, int N, double fmax);
// Wipes the canvas and draws both panels with no frequency grid and no scale numbers: the picture
// of a packet that cannot be computed.
void DrawEmptyPanels(TCanvas& canvas);
