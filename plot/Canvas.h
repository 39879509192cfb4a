#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>
#include <cstdint>
#include <functional>

// A colour word of the form toolkit: 0x00BBGGRR.
using TColor = std::uint32_t;

QRgb colorToRgb(TColor color);

// The one drawing state the plots change: the colour of a one-pixel solid pen.
class TPen {
public:
    void SetColor(TColor color) { m_color = color; }
    TColor GetColor() const { return m_color; }

private:
    TColor m_color = 0;
};

// Drawing surface of the window's client area, kept as an image so that the window can show it
// again whenever it is exposed. Pixel rules follow the classic form canvas:
//  - LineTo paints its start pixel and not its end pixel, one pixel per step of the major axis;
//    on an exact tie it lights the pixel with the smaller minor coordinate, in either direction;
//  - Rectangle outlines with the pen at x1, y1, x2 - 1, y2 - 1 and fills the inside white;
//  - TextOut paints an opaque white cell behind the text.
// Coordinates outside the image are allowed; only the pixels inside are painted.
class TCanvas {
public:
    TCanvas(int width, int height, QColor background);

    TPen* GetPen() { return &m_pen; }
    void SetFont(const QFont& font);
    const QFont& GetFont() const { return m_font; }

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Rectangle(int x1, int y1, int x2, int y2);
    void TextOut(int x, int y, const QString& text);
    QPoint PenPos() const { return m_penPos; }

    // Wipes the whole surface to the window background.
    void Clear();

    const QImage& image() const { return m_image; }
    QColor background() const { return m_background; }
    // Called once when the surface changes after it was last presented (the window schedules
    // one repaint for any number of drawing operations).
    void setChangedHandler(std::function<void()> handler) { m_onChanged = std::move(handler); }
    void markPresented() { m_presentedClean = true; }

private:
    void changed();
    void plot(std::int64_t x, std::int64_t y, QRgb rgb);
    void fillRect(int x1, int y1, int x2, int y2, QRgb rgb);

    QImage m_image;
    QRgb* m_pixels = nullptr; // valid during one drawing operation
    qsizetype m_stride = 0;
    QColor m_background;
    QFont m_font;
    TPen m_pen;
    QPoint m_penPos;
    std::function<void()> m_onChanged;
    bool m_presentedClean = true;
};
