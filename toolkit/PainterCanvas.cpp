#include "PainterCanvas.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

PainterCanvas::PainterCanvas(QPainter& painter, QSize size, QColor background)
    : m_painter(painter), m_size(size), m_background(background) {
    m_painter.setRenderHint(QPainter::Antialiasing, false);
}

void PainterCanvas::LineTo(int x, int y) {
    const QPoint from = PenPos();
    MoveTo(x, y);
    if (from == QPoint(x, y))
        return;
    const QColor color = QColor(colorToRgb(GetPen()->GetColor()));
    if (from.y() == y) {
        // The pixels from the start up to, not including, the end: one filled strip.
        m_painter.fillRect(QRect(std::min(from.x(), x + 1), y, std::abs(x - from.x()), 1), color);
        return;
    }
    if (from.x() == x) {
        m_painter.fillRect(QRect(x, std::min(from.y(), y + 1), 1, std::abs(y - from.y())), color);
        return;
    }
    QPen pen(color);
    pen.setWidthF(1.0);
    pen.setCapStyle(Qt::FlatCap);
    m_painter.setPen(pen);
    m_painter.drawLine(QPointF(from) + QPointF(0.5, 0.5), QPointF(x + 0.5, y + 0.5));
}

void PainterCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (x2 <= x1 || y2 <= y1)
        return;
    const QColor color = QColor(colorToRgb(GetPen()->GetColor()));
    m_painter.fillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), Qt::white);
    m_painter.fillRect(QRect(x1, y1, x2 - x1, 1), color);
    m_painter.fillRect(QRect(x1, y2 - 1, x2 - x1, 1), color);
    m_painter.fillRect(QRect(x1, y1, 1, y2 - y1), color);
    m_painter.fillRect(QRect(x2 - 1, y1, 1, y2 - y1), color);
}

void PainterCanvas::TextOut(int x, int y, const QString& text) {
    const QFontMetrics metrics(GetFont());
    m_painter.fillRect(x, y, metrics.horizontalAdvance(text), metrics.height(), Qt::white);
    m_painter.setFont(GetFont());
    m_painter.setPen(Qt::black);
    m_painter.drawText(x, y + metrics.ascent(), text);
    MoveTo(x + metrics.horizontalAdvance(text), y);
}

void PainterCanvas::Clear() {
    m_painter.fillRect(QRect(QPoint(0, 0), m_size), m_background);
}
