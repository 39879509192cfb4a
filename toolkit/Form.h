#pragma once

#include "Control.h"

#include <memory>
#include <vector>

class QWidget;
class TCanvas;
class FormWindow;

// A fixed-size top-level window with child controls and a drawing surface over its client area.
// The surface is kept, so the picture survives the window being covered and exposed.
class TForm : public TControl {
public:
    TForm(TObject* owner, int clientWidth, int clientHeight);
    ~TForm() override;

    QString GetText() const override;
    void SetText(const QString& caption) override;
    void Close();
    TCanvas* GetCanvas() const { return m_canvas.get(); }
    // Repaints the client area at once: the drawing surface goes back to the window background.
    void Refresh() override;
    bool IsLoading() const { return m_loading; }
    void Show();

    QWidget* clientWidget() const;

    // Raised when the window becomes the active window, and at least once after it is shown.
    TNotifyEvent OnActivate;
    // Raised by a click on the client area outside every control.
    TNotifyEvent OnClick;

protected:
    // Creates a control owned by this form.
    template <class Control> Control* Create() {
        auto control = std::make_unique<Control>(this);
        Control* raw = control.get();
        m_controls.push_back(std::move(control));
        return raw;
    }
    // Ends the building of the window: from now on controls raise their events.
    void Loaded();

private:
    FormWindow* m_window;
    std::unique_ptr<TCanvas> m_canvas;
    std::vector<std::unique_ptr<TControl>> m_controls;
    bool m_loading = true;
};
