#pragma once

#include "Control.h"

#include <memory>
#include <vector>

class QWidget;
class ImageCanvas;
class FormWindow;

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

    // Raised when the window becomes the active window, and at least once after it is shown.
    TNotifyEvent OnActivate;
    // Raised by a click on the client area outside every control.
    TNotifyEvent OnClick;

protected:
    // Creates a control owned by this form.
    template <class Control> Control* Create() {
        auto control = std::make_unique<Control>(clientWidget());
        Control* raw = control.get();
        if (!IsLoading())
            raw->enableEvents();
        m_controls.push_back(std::move(control));
        return raw;
    }
    // Ends the building of the window: from now on the form and its controls raise their events.
    void Loaded();

private:
    void raise(const TNotifyEvent& event);

    FormWindow* m_window;
    std::unique_ptr<ImageCanvas> m_canvas;
    std::vector<std::unique_ptr<TControl>> m_controls;
};
