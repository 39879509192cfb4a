// Events of the form toolkit: when handlers run, how they nest, where their errors go.

#include "Recalculate.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <vector>

namespace {

// A small form whose constructor puts texts and states in place, as the main window's does.
class ProbeForm : public TForm {
public:
    ProbeForm() : TForm(nullptr, 300, 200) {
        field = Create<TEdit>();
        field->SetBounds(10, 10, 60, 21);
        field->OnChange = [this](TObject*) { ++changes; };
        field->SetText(QStringLiteral("first"));
        field->SetText(QStringLiteral("second"));

        box = Create<TCheckBox>();
        box->SetBounds(10, 40, 120, 17);
        box->SetText(QStringLiteral("Огибающая"));
        box->OnClick = [this](TObject*) { ++boxClicks; };
        box->SetChecked(true);

        first = Create<TRadioButton>();
        first->SetBounds(10, 70, 120, 17);
        first->SetText(QStringLiteral("первая"));
        first->OnClick = [this](TObject*) { ++firstClicks; };
        second = Create<TRadioButton>();
        second->SetBounds(10, 90, 120, 17);
        second->SetText(QStringLiteral("вторая"));
        second->OnClick = [this](TObject*) { ++secondClicks; };
        first->SetChecked(true);
        second->SetChecked(true);

        Loaded();
    }

    TEdit* field = nullptr;
    TCheckBox* box = nullptr;
    TRadioButton* first = nullptr;
    TRadioButton* second = nullptr;
    int changes = 0;
    int boxClicks = 0;
    int firstClicks = 0;
    int secondClicks = 0;
};

void click(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

} // namespace

TEST_F(WindowTest, SetTextRaisesChangeAtOnceNestedInsideTheWrite) {
    TEdit* inner = Form1->Edit11;
    TEdit* outer = Form1->Edit12;
    QStringList seen;
    std::vector<int> depths;
    inner->OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, inner);
        seen << inner->GetText();
        depths.push_back(EventDispatch::handlerDepth());
    };
    EventDispatch::resetMaxHandlerDepth();
    EXPECT_EQ(EventDispatch::handlerDepth(), 0);

    // The handler has run, with the new text in place, by the time the write returns.
    inner->SetText(QStringLiteral("1.5"));
    EXPECT_EQ(seen, QStringList{QStringLiteral("1.5")});
    EXPECT_EQ(depths, std::vector<int>{1});
    EXPECT_EQ(EventDispatch::handlerDepth(), 0);

    // The text it already holds: nothing happens.
    inner->SetText(QStringLiteral("1.5"));
    EXPECT_EQ(seen.size(), 1);

    // A write inside a handler runs the other field's handler one level deeper, before the
    // outer handler's next statement.
    QStringList outerLog;
    outer->OnChange = [&](TObject*) {
        outerLog << QStringLiteral("depth %1").arg(EventDispatch::handlerDepth());
        inner->SetText(QStringLiteral("2.5"));
        outerLog << QStringLiteral("after write, inner saw %1 at depth %2")
                        .arg(seen.last())
                        .arg(depths.back());
        inner->SetText(QStringLiteral("2.5"));
        outerLog << QStringLiteral("inner ran %1 times").arg(seen.size());
    };
    outer->SetText(QStringLiteral("7"));
    EXPECT_EQ(outerLog, QStringList({QStringLiteral("depth 1"),
                                     QStringLiteral("after write, inner saw 2.5 at depth 2"),
                                     QStringLiteral("inner ran 2 times")}));
    EXPECT_EQ(EventDispatch::maxHandlerDepth(), 2);
    EXPECT_EQ(EventDispatch::handlerDepth(), 0);

    // Typed text raises the same event, once per change.
    inner->SetEnabled(true);
    typeOver(inner, QStringLiteral("9"));
    EXPECT_EQ(seen.last(), QStringLiteral("9"));
    EXPECT_EQ(seen.size(), 3);
    EXPECT_EQ(depths.back(), 1);
    type(inner, QStringLiteral("1"));
    EXPECT_EQ(seen.last(), QStringLiteral("91"));
    EXPECT_EQ(seen.size(), 4);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, HandlerRewritingItsOwnFieldComesToRest) {
    TEdit* field = Form1->Edit11;
    QStringList seen;
    std::vector<int> depths;

    // Drops one leading zero per run: every rewrite runs the handler again, one level deeper.
    field->OnChange = [&](TObject*) {
        const QString text = field->GetText();
        seen << text;
        depths.push_back(EventDispatch::handlerDepth());
        if (text.size() > 1 && text.startsWith(u'0'))
            field->SetText(text.mid(1));
    };
    EventDispatch::resetMaxHandlerDepth();
    field->SetText(QStringLiteral("000042"));
    EXPECT_EQ(field->GetText(), QStringLiteral("42"));
    EXPECT_EQ(seen, QStringList({"000042", "00042", "0042", "042", "42"}));
    EXPECT_EQ(depths, std::vector<int>({1, 2, 3, 4, 5}));
    EXPECT_EQ(EventDispatch::maxHandlerDepth(), 5);
    EXPECT_EQ(EventDispatch::handlerDepth(), 0);

    // Canonical form in one rewrite: the nested run finds the text canonical, writes the same
    // text and so raises nothing more.
    seen.clear();
    depths.clear();
    field->OnChange = [&](TObject*) {
        seen << field->GetText();
        depths.push_back(EventDispatch::handlerDepth());
        field->SetText(IntToStr(StrToIntDef(field->GetText(), 0)));
    };
    EventDispatch::resetMaxHandlerDepth();
    field->SetText(QStringLiteral("007"));
    EXPECT_EQ(field->GetText(), QStringLiteral("7"));
    EXPECT_EQ(seen, QStringList({"007", "7"}));
    EXPECT_EQ(depths, std::vector<int>({1, 2}));
    field->SetText(QStringLiteral("abc"));
    EXPECT_EQ(field->GetText(), QStringLiteral("0"));
    EXPECT_EQ(seen, QStringList({"007", "7", "abc", "0"}));
    EXPECT_EQ(EventDispatch::maxHandlerDepth(), 2);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, CheckBoxClickFollowsEveryChangeOfState) {
    TCheckBox* box = Form1->CheckBox1;
    ASSERT_FALSE(box->GetChecked());
    std::vector<bool> states;
    std::vector<int> depths;
    box->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, box);
        states.push_back(box->GetChecked());
        depths.push_back(EventDispatch::handlerDepth());
    };

    // The state it already has: nothing.
    box->SetChecked(false);
    EXPECT_TRUE(states.empty());
    // The other state: the click handler runs at once, seeing the new state.
    box->SetChecked(true);
    EXPECT_EQ(states, std::vector<bool>({true}));
    box->SetChecked(true);
    EXPECT_EQ(states.size(), 1u);
    box->SetChecked(false);
    EXPECT_EQ(states, std::vector<bool>({true, false}));
    EXPECT_EQ(depths, std::vector<int>({1, 1}));

    // From inside another handler, one level deeper and before that handler goes on.
    bool sawClick = false;
    Form1->Edit11->OnChange = [&](TObject*) {
        box->SetChecked(true);
        sawClick = states.size() == 3;
    };
    Form1->Edit11->SetText(QStringLiteral("1"));
    EXPECT_TRUE(sawClick);
    EXPECT_EQ(depths.back(), 2);

    // The user's click toggles it and raises the same event.
    click(box->checkBox(), QPoint(8, 8));
    EXPECT_FALSE(box->GetChecked());
    EXPECT_EQ(states, std::vector<bool>({true, false, true, false}));
    click(box->checkBox(), QPoint(8, 8));
    EXPECT_TRUE(box->GetChecked());
    EXPECT_EQ(states.size(), 5u);
    EXPECT_EQ(depths.back(), 1);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, NoHandlerRunsWhileTheWindowIsBuilt) {
    {
        ProbeForm probe;
        EXPECT_EQ(probe.changes, 0);
        EXPECT_EQ(probe.boxClicks, 0);
        EXPECT_EQ(probe.firstClicks, 0);
        EXPECT_EQ(probe.secondClicks, 0);
        EXPECT_EQ(probe.field->GetText(), QStringLiteral("second"));
        EXPECT_TRUE(probe.box->GetChecked());
        EXPECT_TRUE(probe.second->GetChecked());
        // Once built, the same writes raise their events.
        probe.field->SetText(QStringLiteral("third"));
        EXPECT_EQ(probe.changes, 1);
        probe.box->SetChecked(false);
        EXPECT_EQ(probe.boxClicks, 1);
    }

    // The main window built again: no pass, and every field keeps its design text (the count's
    // handler would have reset the range to start at 1).
    Application->ReleaseForms();
    ASSERT_EQ(Form1, nullptr);
    const auto passes = PassCount();
    Application->CreateForm(Form1);
    ASSERT_NE(Form1, nullptr);
    EXPECT_EQ(Application->MainForm(), Form1);
    EXPECT_EQ(PassCount(), passes);
    EXPECT_EQ(Form1->l_period->GetText(), QStringLiteral("300"));
    EXPECT_EQ(Form1->f1->GetText(), QStringLiteral("1"));
    EXPECT_EQ(Form1->Edit10->GetText(), QStringLiteral("20"));
    EXPECT_EQ(Form1->Edit13->GetText(), QStringLiteral("0"));
    EXPECT_EQ(Form1->Edit14->GetText(), QStringLiteral("20"));
    EXPECT_EQ(Form1->ListBox1->Count(), 0);
    EXPECT_EQ(Form1->ListBox2->Count(), 0);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, RadioButtonsOfOneFormExcludeEachOther) {
    TRadioButton* frequencies = Form1->RadioButton1;
    TRadioButton* harmonics = Form1->RadioButton2;
    frequencies->OnClick = nullptr;
    harmonics->OnClick = nullptr;
    ASSERT_TRUE(harmonics->GetChecked());
    ASSERT_FALSE(frequencies->GetChecked());
    frequencies->SetChecked(true);
    EXPECT_TRUE(frequencies->GetChecked());
    EXPECT_FALSE(harmonics->GetChecked());
    harmonics->SetChecked(true);
    EXPECT_TRUE(harmonics->GetChecked());
    EXPECT_FALSE(frequencies->GetChecked());

    // By the user's clicks: the clicked one is checked, the other one not, and a click on the
    // checked one changes nothing.
    ProbeForm probe;
    ASSERT_TRUE(probe.second->GetChecked());
    ASSERT_FALSE(probe.first->GetChecked());
    click(probe.first->radioButton(), QPoint(8, 8));
    EXPECT_TRUE(probe.first->GetChecked());
    EXPECT_FALSE(probe.second->GetChecked());
    EXPECT_EQ(probe.firstClicks, 1);
    click(probe.first->radioButton(), QPoint(8, 8));
    EXPECT_TRUE(probe.first->GetChecked());
    EXPECT_EQ(probe.firstClicks, 1);
    click(probe.second->radioButton(), QPoint(8, 8));
    EXPECT_FALSE(probe.first->GetChecked());
    EXPECT_TRUE(probe.second->GetChecked());
    EXPECT_EQ(probe.secondClicks, 1);
    // The buttons of another form are another group.
    EXPECT_TRUE(harmonics->GetChecked());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, ErrorStopsTheHandlersItPassesAndReachesTheDisplayOnce) {
    TEdit* inner = Form1->Edit11;
    TEdit* outer = Form1->Edit12;
    const QString message = QStringLiteral("'x' is not a valid integer value");
    inner->OnChange = [&](TObject*) { throw EConvertError(message); };

    // Nested in a write: the error comes out of the write, so the handler that wrote stops there.
    int written = 0;
    int finished = 0;
    QString caught;
    outer->OnChange = [&](TObject*) {
        try {
            inner->SetText(IntToStr(++written));
        } catch (const EConvertError& error) {
            caught = error.Message;
            throw;
        }
        ++finished;
    };
    EXPECT_THROW(outer->SetText(QStringLiteral("a")), EConvertError);
    EXPECT_EQ(caught, message);
    EXPECT_EQ(finished, 0);
    // What was written before the error stays.
    EXPECT_EQ(inner->GetText(), QStringLiteral("1"));
    EXPECT_EQ(outer->GetText(), QStringLiteral("a"));
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(EventDispatch::handlerDepth(), 0);

    // At the top of the user's keystroke the error goes to the display, once, and the next
    // keystroke is handled as usual.
    outer->SetEnabled(true);
    type(outer, QStringLiteral("b"));
    EXPECT_EQ(errors, QStringList{message});
    EXPECT_EQ(finished, 0);
    EXPECT_EQ(inner->GetText(), QStringLiteral("2"));
    type(outer, QStringLiteral("c"));
    EXPECT_EQ(errors, QStringList({message, message}));
    EXPECT_EQ(outer->GetText(), QStringLiteral("abc"));
    EXPECT_EQ(EventDispatch::handlerDepth(), 0);

    // A check box clicked by the user, whose handler fails at once: shown once, the tick stays.
    errors.clear();
    TCheckBox* box = Form1->CheckBox1;
    box->OnClick = [&](TObject*) { throw EConvertError(QStringLiteral("boom")); };
    click(box->checkBox(), QPoint(8, 8));
    EXPECT_EQ(errors, QStringList{QStringLiteral("boom")});
    EXPECT_TRUE(box->GetChecked());

    // A nested handler whose error its writer catches: nothing reaches the display.
    errors.clear();
    outer->OnChange = [&](TObject*) {
        try {
            inner->SetText(IntToStr(++written));
        } catch (const Exception&) {
            ++finished;
        }
    };
    type(outer, QStringLiteral("d"));
    EXPECT_EQ(finished, 1);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, FormClickCountsOnlyOnTheFreeClientArea) {
    const auto passes = PassCount();
    // Free client area, and a point inside the spectrum panel: each runs a pass.
    click(Form1->widget(), QPoint(600, 100));
    EXPECT_EQ(PassCount(), passes + 1);
    click(Form1->widget(), QPoint(100, 100));
    EXPECT_EQ(PassCount(), passes + 2);

    // A label is not free client area, though it passes the mouse on to the window.
    click(Form1->Label12->widget(), QPoint(3, 2));
    EXPECT_EQ(PassCount(), passes + 2);
    click(Form1->widget(), QPoint(715, 10));
    EXPECT_EQ(PassCount(), passes + 2);
    // Nor is a field, nor the right button.
    click(Form1->Edit1->widget(), QPoint(5, 5));
    QTest::mouseClick(Form1->widget(), Qt::RightButton, {}, QPoint(600, 100));
    EXPECT_EQ(PassCount(), passes + 2);

    // The form's own click event, with the form as sender.
    int clicks = 0;
    Form1->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, static_cast<TObject*>(Form1));
        ++clicks;
    };
    click(Form1->widget(), QPoint(970, 590));
    click(Form1->Label13->widget(), QPoint(2, 2));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, CloseClosesTheWindow) {
    Form1->Show();
    ASSERT_TRUE(Form1->widget()->isVisible());
    Form1->Close();
    EXPECT_FALSE(Form1->widget()->isVisible());

    // The exit button closes it too.
    Form1->Show();
    ASSERT_TRUE(Form1->widget()->isVisible());
    click(Form1->Button2->pushButton(), QPoint(50, 16));
    EXPECT_FALSE(Form1->widget()->isVisible());
}

TEST_F(WindowTest, ClosingTheMainWindowEndsTheEventLoop) {
    const auto passes = PassCount();
    bool closed = false;
    bool timedOut = false;
    QTimer closer;
    closer.setSingleShot(true);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        closed = Form1 != nullptr && Form1->widget()->isVisible();
        if (Form1 != nullptr)
            Form1->Close();
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        timedOut = true;
        QCoreApplication::quit();
    });
    closer.start(200);
    watchdog.start(10000);
    Application->Run();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(timedOut);
    // The window's first activation ran the first pass; the forms are gone afterwards.
    EXPECT_GE(PassCount(), passes + 1);
    EXPECT_EQ(Form1, nullptr);
    EXPECT_TRUE(errors.isEmpty());
}
