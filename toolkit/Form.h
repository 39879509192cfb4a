#pragma once

#include "Control.h"

#include <QPoint>

#include <functional>
#include <memory>
#include <vector>

class QKeySequence;
class QWidget;
class ImageCanvas;
class FormWindow;

// The text of the tooltip at a point of the client area outside every control, in client pixels;
// an empty text shows none. A tooltip lies over the window and never changes its picture.
using THintEvent = std::function<QString(TObject* sender, QPoint at)>;

// A fixed-size top-level window with child controls and a drawing surface over its client area.
// The surface is kept, so the picture survives the window being covered and exposed. Neither the
// form nor its controls raise events until the form is loaded.
class TForm : public TControl {
public:
    TForm(TObject* owner, int clientWidth, int clientHeight);
    ~TForm() override;

    QString GetText() const override;
    void SetText(const QString& caption) override;
    void Close();
    ImageCanvas* GetCanvas() const { return m_canvas.get(); }
    // Repaints the client area at once: the drawing surface goes back to the window background.
    void Refresh() override;
    bool IsLoading() const { return !eventsEnabled(); }
    void Show();

    QWidget* clientWidget() const;
    // Runs the handler whenever the keys are pressed while the window is active.
    void AddShortCut(const QKeySequence& keys, TNotifyEvent handler);

    // Raised when the window becomes the active window, and at least once after it is shown.
    TNotifyEvent OnActivate;
    // Raised by a click on the client area outside every control.
    TNotifyEvent OnClick;
    // Raised by a right click (or the menu key) on the client area outside every control, with
    // the point in client coordinates. A right click raises no OnClick.
    std::function<void(QPoint)> OnContextPopup;
    // Files dragged over the window: AcceptsFile says which it takes; OnDropFile gets the one
    // dropped.
    std::function<bool(const QString& path)> AcceptsFile;
    std::function<void(const QString& path)> OnDropFile;
    // Asked when the mouse rests over the client area outside every control.
    THintEvent OnHint;

    // Creates a control owned by this form: a designed control, or one a feature of the window
    // adds over its client area (an accessible region, say).
    template <class Control> Control* Create() {
        auto control = std::make_unique<Control>(clientWidget());
        Control* raw = control.get();
        watchShortcuts(raw->widget());
        if (!IsLoading())
            raw->enableEvents();
        m_controls.push_back(std::move(control));
        return raw;
    }

protected:
    // Ends the building of the window: from now on the form and its controls raise their events.
    void Loaded();

private:
    void raise(const TNotifyEvent& event);
    void watchShortcuts(QWidget* control);
    QString hintAt(QPoint at);

    FormWindow* m_window;
    std::unique_ptr<ImageCanvas> m_canvas;
    std::vector<std::unique_ptr<TControl>> m_controls;
};
