#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QString>
#include <cstdint>

// A colour word of the form toolkit: 0x00BBGGRR.
using TColor = std::uint32_t;

inline QRgb colorToRgb(TColor color) {
    return qRgb(static_cast<int>(color & 0xffu), static_cast<int>((color >> 8) & 0xffu),
                static_cast<int>((color >> 16) & 0xffu));
}

// The one drawing state the plots change: the colour of a one-pixel solid pen.
class TPen {
public:
    void SetColor(TColor color) { m_color = color; }
    TColor GetColor() const { return m_color; }

private:
    TColor m_color = 0;
};

// A drawing surface with the operations of the classic form canvas. Its pixel rules:
//  - LineTo paints its start pixel and not its end pixel, one pixel per step of the major axis;
//    on an exact tie it lights the pixel with the smaller minor coordinate, in either direction;
//  - Rectangle outlines with the pen at x1, y1, x2 - 1, y2 - 1 and fills the inside white;
//  - TextOut paints an opaque white cell behind the text, in the canvas font.
// Coordinates outside the surface are allowed; only what falls inside is painted.
class TCanvas {
public:
    TCanvas() = default;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;
    virtual ~TCanvas() = default;

    TPen* GetPen() { return &m_pen; }
    void SetFont(const QFont& font) { m_font = font; }
    const QFont& GetFont() const { return m_font; }

    void MoveTo(int x, int y) { m_penPos = QPoint(x, y); }
    virtual void LineTo(int x, int y) = 0;
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void TextOut(int x, int y, const QString& text) = 0;
    // Wipes the whole surface to the window background.
    virtual void Clear() = 0;
    QPoint PenPos() const { return m_penPos; }

protected:
    void setPenPos(QPoint position) { m_penPos = position; }

private:
    TPen m_pen;
    QFont m_font;
    QPoint m_penPos;
};
