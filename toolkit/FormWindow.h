#pragma once

#include <QWidget>
#include <functional>

class ImageCanvas;
class QHelpEvent;

// The Qt window behind a form: shows the form's drawing surface, reports window activation and
// clicks on the free client area, and shows the tooltips asked for there.
class FormWindow : public QWidget {
public:
    explicit FormWindow(ImageCanvas* canvas);

    std::function<void()> onActivated;
    std::function<void()> onClicked;
    std::function<QString(QPoint at)> hintAt;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void activated();
    void showHint(const QHelpEvent* event);

    ImageCanvas* m_canvas;
    bool m_pressedOnClient = false;
    bool m_activatedSinceShow = false;
};
