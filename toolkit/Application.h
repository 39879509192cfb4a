#pragma once

#include "Exception.h"
#include "Form.h"

#include <exception>
#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

class QApplication;

// The program's application object: sets up Qt, owns the forms, runs the event loop and shows
// the errors that escape event handlers.
class TApplication : public TObject {
public:
    TApplication();
    ~TApplication() override;

    // Once, before anything else. Creates the Qt application unless one exists, and fixes the
    // style, palette and window font so that the window looks the same on every screen.
    void Initialize(int& argc, char** argv);

    // Creates a form, stores it in the reference and owns it. The first form is the main window.
    template <class FormClass> void CreateForm(FormClass*& reference);

    // Shows the main window and delivers events until it is closed; then releases the forms.
    void Run();
    // Shows the message of an exception in a modal message box (or hands it to OnException).
    void ShowException(const Exception& error);
    // The error display of the event loop: any thrown object becomes an Exception.
    void HandleException(std::exception_ptr error);
    // Destroys every form and clears the references CreateForm filled.
    void ReleaseForms();
    // Destroys the forms and the Qt application; the entry calls it last, while Qt is still whole.
    void Shutdown();

    TForm* MainForm() const { return m_forms.empty() ? nullptr : m_forms.front().form.get(); }

    // Replaces the message box, for example in tests that must never block.
    std::function<void(const Exception&)> OnException;

private:
    struct OwnedForm {
        std::unique_ptr<TForm> form;
        std::function<void()> clearReference;
    };

    std::unique_ptr<QApplication> m_qtApplication;
    std::vector<OwnedForm> m_forms;
};

extern TApplication* Application;

// Shows a text in a modal message box over the main window; returns when the user dismisses it.
void ShowMessage(const QString& text);

template <class FormClass> void TApplication::CreateForm(FormClass*& reference) {
    static_assert(std::is_base_of_v<TForm, FormClass>);
    auto form = std::make_unique<FormClass>(this);
    reference = form.get();
    m_forms.push_back({std::move(form), [&reference] { reference = nullptr; }});
}
