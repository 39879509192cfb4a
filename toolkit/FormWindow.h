#pragma once

#include <QWidget>
#include <functional>

class ImageCanvas;

// The Qt window behind a form: shows the form's drawing surface and reports window activation and
// clicks on the free client area.
class FormWindow : public QWidget {
public:
    explicit FormWindow(ImageCanvas* canvas);

    std::function<void()> onActivated;
    std::function<void()> onClicked;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void activated();

    ImageCanvas* m_canvas;
    bool m_pressedOnClient = false;
    bool m_activatedSinceShow = false;
};
