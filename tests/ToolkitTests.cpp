// The toolkit as tables: the events raised and how they nest, where errors go; and what no picture
// shows: where the controls stand and the order Tab walks them in.

#include "WindowFixture.h"

#include "EventDispatch.h"

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

// Form1 with handlers that log "what@depth" in place of its own. Edit13 drops one leading zero per
// run, so each rewrite runs it again deeper; Edit14 writes Edit13 and flips CheckBox1.
class Handlers : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        TEdit* edit = Form1->Edit13;
        edit->OnChange = [this, edit](TObject*) {
            log(edit->GetText());
            if (edit->GetText().startsWith(u'0'))
                edit->SetText(edit->GetText().mid(1));
        };
        Form1->Edit14->OnChange = [this, edit](TObject*) {
            log(QStringLiteral("Edit14"));
            edit->SetText(QStringLiteral("07"));
            Form1->CheckBox1->SetChecked(!Form1->CheckBox1->GetChecked());
            log(QStringLiteral("Edit14 done"));
        };
        Form1->CheckBox1->OnClick = [this](TObject*) {
            log(Form1->CheckBox1->GetChecked() ? u"on"_s : u"off"_s);
        };
        Form1->RadioButton1->OnClick = [this](TObject*) { log(QStringLiteral("RadioButton1")); };
        Form1->RadioButton2->OnClick = [this](TObject*) { log(QStringLiteral("RadioButton2")); };
        Form1->OnClick = [this](TObject*) { log(QStringLiteral("click")); };
    }
    void log(const QString& what) {
        events << what + u'@' + QString::number(EventDispatch::handlerDepth());
    }

    QStringList events;
};

class Events : public Handlers, public ::testing::WithParamInterface<StepRow> {};

const StepRow kEvents[] = {
    {"", "Edit13!1.5 Edit13!1.5", "1.5@1"},   // the text a field holds raises nothing
    {"", "Edit13!0042", "0042@1 042@2 42@3"}, // each rewrite runs the handler inside the write
    {"", "Edit13:4 Edit13+2", "4@1 42@1"},    // typed text, once per change
    {"", "Edit14!x", "Edit14@1 07@2 7@3 on@2 Edit14 done@1"}, // the writer goes on after them
    {"", "CheckBox1=0 CheckBox1=1 CheckBox1=1", "on@1"},      // only a change of state raises
    {"", "CheckBox1 CheckBox1", "on@1 off@1"},
    {"", "RadioButton2 RadioButton1=1 RadioButton2", "RadioButton1@1 RadioButton2@1"},
    {"", "click", "click@1"},
};

} // namespace

TEST_P(Events, RaisedAtOnceNestedInsideTheWrites) {
    play(QString::fromUtf8(GetParam().action));
    EXPECT_EQ(events.join(u' ').toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, Events, ::testing::ValuesIn(kEvents));

TEST_F(Handlers, ErrorsStopTheHandlersTheyPassAndReachTheDisplayOnce) {
    Form1->Edit13->OnChange = [](TObject*) { throw EConvertError(QStringLiteral("bad")); };
    Form1->CheckBox1->OnClick = Form1->Edit13->OnChange;
    play(QStringLiteral("Edit14+x CheckBox1"));
    EXPECT_EQ(events.join(u' ').toStdString(), "Edit14@1");    // stopped at the failing write
    EXPECT_EQ(Form1->Edit13->GetText(), QStringLiteral("07")); // what was written stays
    EXPECT_TRUE(Form1->CheckBox1->GetChecked());
    EXPECT_EQ(errors, QStringList({u"bad"_s, u"bad"_s}));

    // At start-up: no half-built form stays, and anything thrown is shown as an error.
    struct FailingForm : TForm {
        explicit FailingForm(TObject* owner) : TForm(owner, 10, 10) {
            throw Exception(QStringLiteral("no"));
        }
    };
    FailingForm* failed = nullptr;
    EXPECT_THROW(Application->CreateForm(failed), Exception);
    EXPECT_EQ(failed, nullptr);
    Application->HandleException(std::make_exception_ptr(42));
    Application->HandleException(std::make_exception_ptr(std::runtime_error("library")));
    EXPECT_EQ(errors, QStringList({u"bad"_s, u"bad"_s, QString(), u"library"_s}));
    errors.clear();
}

// Every control stands on the window, and Tab leads from each one that takes focus to the next in
// the order the designer placed them (their order among the window's children), greyed or not.
TEST_F(WindowTest, TabFollowsTheOrderTheControlsWerePlacedIn) {
    QWidget* window = Form1->widget();
    QList<QWidget*> placed;
    for (QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(control->isVisibleTo(window) && window->rect().contains(control->geometry()));
        if (control->focusPolicy() & Qt::TabFocus)
            placed << control;
    }
    QList<QWidget*> chain = {placed.front()};
    for (QWidget* next = chain.front()->nextInFocusChain(); next != chain.front();
         next = next->nextInFocusChain())
        if ((next->focusPolicy() & Qt::TabFocus) && next->parentWidget() == window)
            chain << next;
    EXPECT_EQ(chain, placed);
}
