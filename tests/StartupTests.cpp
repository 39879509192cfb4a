// What the entry relies on when start-up fails: the error reaches the error display, no half-built
// form is left behind, and any thrown object is shown as an error with an empty message.

#include "Application.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

class FailingForm : public TForm {
public:
    explicit FailingForm(TObject* owner) : TForm(owner, 100, 100) {
        throw Exception(QStringLiteral("no window"));
    }
};

} // namespace

TEST(Startup, FailuresReachTheErrorDisplayAndLeaveNoForm) {
    QStringList shown;
    const auto previousDisplay = Application->OnException;
    Application->OnException = [&shown](const Exception& error) { shown << error.Message; };

    FailingForm* form = nullptr;
    try {
        Application->CreateForm(form);
        ADD_FAILURE() << "the constructor's exception did not come through";
    } catch (const Exception& error) {
        Application->ShowException(error);
    }
    EXPECT_EQ(form, nullptr);
    EXPECT_EQ(Application->MainForm(), nullptr);

    Application->HandleException(std::make_exception_ptr(42));
    Application->HandleException(std::make_exception_ptr(std::runtime_error("library")));
    EXPECT_EQ(shown, QStringList({"no window", "", "library"}));
    Application->OnException = previousDisplay;
}
