#pragma once

#include "Canvas.h"

#include <QColor>
#include <QImage>
#include <functional>

// A canvas over an image of the window's client area, kept so that the window can show it again
// whenever it is exposed, and so that the picture can be saved or compared pixel for pixel.
class ImageCanvas : public TCanvas {
public:
    ImageCanvas(int width, int height, QColor background);

    void LineTo(int x, int y) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void TextOut(int x, int y, const QString& text) override;
    void Clear() override;

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
    std::function<void()> m_onChanged;
    bool m_presentedClean = true;
};
