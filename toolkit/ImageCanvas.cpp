#include "ImageCanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace {

constexpr QRgb kWhite = 0xffffffffu;

std::int64_t floorDiv(std::int64_t a, std::int64_t b) // b > 0
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Nearest whole number to q / d (d > 0), an exact half going to the smaller one.
std::int64_t nearestTiesDown(std::int64_t q, std::int64_t d) {
    // ceil((2q - d) / 2d)
    return -floorDiv(d - 2 * q, 2 * d);
}

// Steps n in [0, count) whose major coordinate start + n * dir lies in [0, limit).
std::pair<std::int64_t, std::int64_t> visibleSteps(std::int64_t start, int dir, std::int64_t count,
                                                   std::int64_t limit) {
    std::int64_t first = 0;
    std::int64_t last = count - 1;
    if (dir > 0) {
        first = std::max(first, -start);
        last = std::min(last, limit - 1 - start);
    } else {
        first = std::max(first, start - (limit - 1));
        last = std::min(last, start);
    }
    return {first, last};
}

} // namespace

ImageCanvas::ImageCanvas(int width, int height, QColor background)
    : m_image(width, height, QImage::Format_RGB32), m_background(background) {
    m_image.fill(m_background);
}

void ImageCanvas::LineTo(int x, int y) {
    const std::int64_t x0 = PenPos().x();
    const std::int64_t y0 = PenPos().y();
    const std::int64_t dx = std::int64_t{x} - x0;
    const std::int64_t dy = std::int64_t{y} - y0;
    setPenPos(QPoint(x, y));
    if (dx == 0 && dy == 0)
        return;

    const QRgb rgb = colorToRgb(GetPen()->GetColor());
    m_pixels = reinterpret_cast<QRgb*>(m_image.bits());
    m_stride = m_image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    const std::int64_t adx = std::llabs(dx);
    const std::int64_t ady = std::llabs(dy);
    // Every pixel follows from its step number alone, so only the steps that can land inside
    // the image are walked, however far outside the line's ends lie.
    if (adx >= ady) {
        const int sx = dx > 0 ? 1 : -1;
        const auto [first, last] = visibleSteps(x0, sx, adx, m_image.width());
        for (std::int64_t n = first; n <= last; ++n)
            plot(x0 + n * sx, y0 + nearestTiesDown(n * dy, adx), rgb);
    } else {
        const int sy = dy > 0 ? 1 : -1;
        const auto [first, last] = visibleSteps(y0, sy, ady, m_image.height());
        for (std::int64_t n = first; n <= last; ++n)
            plot(x0 + nearestTiesDown(n * dx, ady), y0 + n * sy, rgb);
    }
    changed();
}

void ImageCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (x2 <= x1 || y2 <= y1)
        return;
    m_pixels = reinterpret_cast<QRgb*>(m_image.bits());
    m_stride = m_image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    fillRect(x1, y1, x2, y2, kWhite);
    const QRgb rgb = colorToRgb(GetPen()->GetColor());
    fillRect(x1, y1, x2, y1 + 1, rgb);
    fillRect(x1, y2 - 1, x2, y2, rgb);
    fillRect(x1, y1, x1 + 1, y2, rgb);
    fillRect(x2 - 1, y1, x2, y2, rgb);
    changed();
}

void ImageCanvas::TextOut(int x, int y, const QString& text) {
    const QFontMetrics metrics(GetFont());
    QPainter painter(&m_image);
    painter.setFont(GetFont());
    painter.fillRect(x, y, metrics.horizontalAdvance(text), metrics.height(), QColor(kWhite));
    painter.setPen(Qt::black);
    painter.drawText(x, y + metrics.ascent(), text);
    setPenPos(QPoint(x + metrics.horizontalAdvance(text), y));
    changed();
}

void ImageCanvas::Clear() {
    m_image.fill(m_background);
    changed();
}

void ImageCanvas::changed() {
    m_pixels = nullptr;
    if (m_presentedClean && m_onChanged) {
        m_presentedClean = false;
        m_onChanged();
    }
}

void ImageCanvas::plot(std::int64_t x, std::int64_t y, QRgb rgb) {
    if (x >= 0 && y >= 0 && x < m_image.width() && y < m_image.height())
        m_pixels[y * m_stride + x] = rgb;
}

void ImageCanvas::fillRect(int x1, int y1, int x2, int y2, QRgb rgb) {
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, m_image.width());
    y2 = std::min(y2, m_image.height());
    for (int y = y1; y < y2; ++y)
        std::fill(m_pixels + y * m_stride + x1, m_pixels + y * m_stride + std::max(x1, x2), rgb);
}
