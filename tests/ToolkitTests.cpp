// Events of the form toolkit: when handlers run, how they nest, where their errors go.

#include "Recalculate.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

// A small form whose constructor puts texts and states in place, as the main window's does; its
// handlers log the names of the controls that raised them.
struct ProbeForm : TForm {
    ProbeForm() : TForm(nullptr, 300, 200) {
        field = Create<TEdit>();
        box = Create<TCheckBox>();
        first = Create<TRadioButton>();
        second = Create<TRadioButton>();
        first->SetBounds(10, 70, 120, 17);
        second->SetBounds(10, 90, 120, 17);
        field->OnChange = log("field");
        box->OnClick = log("box");
        first->OnClick = log("first");
        second->OnClick = log("second");
        field->SetText(QStringLiteral("first"));
        box->SetChecked(true);
        first->SetChecked(true);
        second->SetChecked(true);
        Loaded();
    }
    TNotifyEvent log(const char* name) {
        return [this, name](TObject*) { events << QString::fromUtf8(name); };
    }

    TEdit* field;
    TCheckBox* box;
    TRadioButton* first;
    TRadioButton* second;
    QStringList events;
};

void click(QWidget* widget, QPoint at = QPoint(8, 8)) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

} // namespace

TEST_F(WindowTest, SetTextRaisesChangeAtOnceNestedInsideTheWrite) {
    TEdit* inner = Form1->Edit11;
    TEdit* outer = Form1->Edit12;
    QStringList runs; // the text each run of the handler saw, and the depth it ran at
    inner->OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, inner);
        const QString text = inner->GetText();
        runs << text + u'@' + QString::number(EventDispatch::handlerDepth());
        // Drops one leading zero per run: each rewrite runs the handler again, one level deeper.
        if (text.size() > 1 && text.startsWith(u'0'))
            inner->SetText(text.mid(1));
    };

    // The handler has run, with the new text in place, by the time the write returns; the text
    // the field already holds raises nothing.
    inner->SetText(QStringLiteral("1.5"));
    inner->SetText(QStringLiteral("1.5"));
    EXPECT_EQ(runs.join(' ').toStdString(), "1.5@1");

    // A write inside a handler runs the other field's handler one level deeper, before the
    // outer handler's next statement.
    outer->OnChange = [&](TObject*) {
        inner->SetText(QStringLiteral("2.5"));
        EXPECT_EQ(runs.size(), 2);
    };
    outer->SetText(QStringLiteral("7"));

    // Typed text raises the same event, once per change; a handler that rewrites its own field
    // runs again inside each rewrite until the text comes to rest.
    inner->SetEnabled(true);
    typeOver(inner, QStringLiteral("9"));
    type(inner, QStringLiteral("1"));
    inner->SetText(QStringLiteral("00042"));
    EXPECT_EQ(inner->GetText(), QStringLiteral("42"));
    EXPECT_EQ(runs.join(' ').toStdString(), "1.5@1 2.5@2 9@1 91@1 00042@1 0042@2 042@3 42@4");
    EXPECT_EQ(EventDispatch::handlerDepth(), 0);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, CheckBoxClickFollowsEveryChangeOfState) {
    TCheckBox* box = Form1->CheckBox1; // unchecked
    QStringList runs; // the state each run of the handler saw, and the depth it ran at
    box->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, box);
        runs << QString(box->GetChecked() ? "on@" : "off@") +
                    QString::number(EventDispatch::handlerDepth());
    };

    // The state it already has raises nothing; the other state runs the handler at once.
    box->SetChecked(false);
    box->SetChecked(true);
    box->SetChecked(true);
    box->SetChecked(false);
    EXPECT_EQ(runs.join(' ').toStdString(), "on@1 off@1");

    // From inside another handler: one level deeper and before that handler goes on.
    Form1->Edit11->OnChange = [&](TObject*) {
        box->SetChecked(true);
        EXPECT_EQ(runs.size(), 3);
    };
    Form1->Edit11->SetText(QStringLiteral("1"));

    // The user's click toggles it and raises the same event.
    click(box->checkBox());
    EXPECT_FALSE(box->GetChecked());
    EXPECT_EQ(runs.join(' ').toStdString(), "on@1 off@1 on@2 off@1");
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, NoHandlerRunsWhileAFormIsBuiltAndRadioButtonsExcludeEachOther) {
    ProbeForm probe;
    EXPECT_TRUE(probe.events.isEmpty());
    EXPECT_EQ(probe.field->GetText(), QStringLiteral("first"));
    EXPECT_TRUE(probe.box->GetChecked());
    EXPECT_TRUE(probe.second->GetChecked());
    EXPECT_FALSE(probe.first->GetChecked());
    // Once built, the same writes raise their events.
    probe.field->SetText(QStringLiteral("second"));
    probe.box->SetChecked(false);
    // By the user's clicks: the clicked radio button is checked, the other one not, and a click
    // on the checked one raises nothing. The buttons of another form are another group.
    click(probe.first->radioButton());
    click(probe.first->radioButton());
    EXPECT_TRUE(probe.first->GetChecked());
    EXPECT_FALSE(probe.second->GetChecked());
    click(probe.second->radioButton());
    EXPECT_FALSE(probe.first->GetChecked());
    EXPECT_EQ(probe.events.join(' ').toStdString(), "field box first second");
    EXPECT_TRUE(Form1->RadioButton2->GetChecked());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, ErrorStopsTheHandlersItPassesAndReachesTheDisplayOnce) {
    TEdit* inner = Form1->Edit11;
    TEdit* outer = Form1->Edit12;
    const QString message = QStringLiteral("'x' is not a valid integer value");
    inner->OnChange = [&](TObject*) { throw EConvertError(message); };

    // Nested in a write: the error comes out of the write, so the handler that wrote stops there;
    // what was written before the error stays.
    int written = 0;
    int finished = 0;
    outer->OnChange = [&](TObject*) {
        inner->SetText(IntToStr(++written));
        ++finished;
    };
    EXPECT_THROW(outer->SetText(QStringLiteral("a")), EConvertError);
    EXPECT_EQ(finished, 0);
    EXPECT_EQ(inner->GetText(), QStringLiteral("1"));
    EXPECT_TRUE(errors.isEmpty());

    // At the top of the user's keystroke the error goes to the display, once, and the next
    // keystroke is handled as usual.
    outer->SetEnabled(true);
    type(outer, QStringLiteral("b"));
    EXPECT_EQ(errors, QStringList{message});
    type(outer, QStringLiteral("c"));
    EXPECT_EQ(errors, QStringList({message, message}));
    EXPECT_EQ(finished, 0);
    EXPECT_EQ(inner->GetText(), QStringLiteral("3"));
    EXPECT_EQ(outer->GetText(), QStringLiteral("abc"));
    EXPECT_EQ(EventDispatch::handlerDepth(), 0);

    // A check box clicked by the user, whose handler fails at once: shown once, the tick stays.
    errors.clear();
    Form1->CheckBox1->OnClick = [&](TObject*) { throw EConvertError(QStringLiteral("boom")); };
    click(Form1->CheckBox1->checkBox());
    EXPECT_EQ(errors, QStringList{QStringLiteral("boom")});
    EXPECT_TRUE(Form1->CheckBox1->GetChecked());
}

TEST_F(WindowTest, FormClickCountsOnlyOnTheFreeClientArea) {
    int clicks = 0;
    Form1->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, static_cast<TObject*>(Form1));
        ++clicks;
    };
    // The free client area counts; a field and the right button do not.
    click(Form1->widget(), QPoint(600, 100));
    click(Form1->Edit1->widget(), QPoint(5, 5));
    QTest::mouseClick(Form1->widget(), Qt::RightButton, {}, QPoint(600, 100));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, ExitButtonClosesTheWindowAndEndsTheEventLoop) {
    const auto passes = PassCount();
    bool shown = false;
    bool timedOut = false;
    const QObject scope; // cancels the timers when the test ends
    QTimer::singleShot(200, &scope, [&] {
        shown = Form1->widget()->isVisible();
        click(Form1->Button2->pushButton(), QPoint(50, 16));
    });
    QTimer::singleShot(10000, &scope, [&] {
        timedOut = true;
        QCoreApplication::quit();
    });
    Application->Run();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(timedOut);
    // The window's first activation ran the first pass; the forms are gone afterwards.
    EXPECT_GE(PassCount(), passes + 1);
    EXPECT_EQ(Form1, nullptr);
    EXPECT_TRUE(errors.isEmpty());
}
