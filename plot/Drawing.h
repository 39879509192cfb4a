#pragma once

#include <QString>

#include "Canvas.h"

// The drawing primitives and the empty panels, all on the canvas of Form1.

// A line in the current pen colour, start pixel painted, end pixel not; the pen is black after.
void DrawLine(int x1, int y1, int x2, int y2);
// Text with its top-left corner at (x, y), in the window font on an opaque white cell.
void DrawLabel(int x, int y, const QString& text);
// Sets the pen colour for the next line.
void SetPenColor(TColor color);

// Wipes the window and draws both panels: frames, grids, axes, arrowheads, labels and the
// frequency scale for fmax hertz at x = 450. Reads the harmonic count from Edit10.
void DrawAxes(double fmax);
// Wipes the window and draws both panels with no frequency grid and no scale numbers: the
// picture of a packet that cannot be computed.
void DrawEmptyPanels();
