#pragma once

#include <QWidget>

class TForm;
class TCanvas;

// The Qt window behind a TForm: shows the form's drawing surface and turns window activation and
// clicks on the free client area into the form's events.
class FormWindow : public QWidget {
public:
    FormWindow(TForm* form, TCanvas* canvas);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void raiseActivate();

    TForm* m_form;
    TCanvas* m_canvas;
    bool m_pressedOnClient = false;
    bool m_activatedSinceShow = false;
};
