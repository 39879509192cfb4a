#pragma once

#include "Canvas.h"

#include <QColor>
#include <QSize>

class QPainter;

// A canvas that draws with a QPainter on any paint device (a vector file, a printer, an image),
// one unit per window pixel. Horizontal and vertical lines, rectangles and text cells cover exactly
// the pixels the window's canvas paints; a slanted line runs from the centre of its start pixel
// to the centre of its end pixel.
class PainterCanvas : public TCanvas {
public:
    PainterCanvas(QPainter& painter, QSize size, QColor background);

    void LineTo(int x, int y) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void TextOut(int x, int y, const QString& text) override;
    void Clear() override;

private:
    QPainter& m_painter;
    QSize m_size;
    QColor m_background;
};
