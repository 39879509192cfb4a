// The canvas and the toolkit as tables: the pixels a line lights, the events raised and how they
// nest, where errors go; and what no picture shows: every control, its name and the tab chain.

#include "WindowFixture.h"

#include "EventDispatch.h"
#include "ImageCanvas.h"

#include <QAccessible>
#include <QTest>
#include <algorithm>
#include <stdexcept>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

// The ends of a line "x1,y1 x2,y2", pixels it must light, and how many it lights in all.
const std::tuple<const char*, const char*, int> kLines[] = {
    // One pixel per step from the start; the end pixel is not painted, in every direction.
    {"98,100 102,100", "98,100 99,100 100,100 101,100", 4},
    {"100,102 100,98", "100,102 100,101 100,100 100,99", 4},
    {"102,98 98,102", "102,98 101,99 100,100 99,101", 4},
    {"5,5 4,6", "5,5", 1},
    {"5,5 5,5", "", 0},
    // On an exact half, the smaller minor coordinate, whichever way the line runs.
    {"0,0 4,1", "0,0 1,0 2,0 3,1", 4},
    {"4,1 0,0", "4,1 3,1 2,0 1,0", 4},
    {"4,0 0,1", "4,0 3,0 2,0 1,1", 4},
    {"1,4 0,0", "1,4 1,3 0,2 0,1", 4},
    {"0,0 10,3", "0,0 1,0 2,1 3,1 4,1 5,1 6,2 7,2 8,2 9,3", 10},
    // At the edges of the image, and far outside it (products beyond 32 bits).
    {"987,605 987,602", "987,605 987,604 987,603", 3},
    {"-1000000,303 1000000,303", "0,303 987,303", 988},
    {"-1000000,0 1000000,1", "0,0 1,1 987,1", 988},
    {"1000000,605 -1000000,604", "0,604 1,605 987,605", 988},
    {"301,2000000 300,-2000000", "300,0 301,1 301,605", 606},
    {"100,100 1000100,500100", "100,100 101,100 102,101 987,543", 888},
};

QPoint point(const QString& text) {
    return {text.section(u',', 0, 0).toInt(), text.section(u',', 1).toInt()};
}

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

TEST(Canvas, LinesLightTheirStartAndNotTheirEnd) {
    for (const auto& [ends, lit, count] : kLines) {
        SCOPED_TRACE(ends);
        const QStringList end = QString::fromUtf8(ends).split(u' ');
        ImageCanvas canvas(kWindowWidth, kWindowHeight, Qt::white);
        canvas.MoveTo(point(end[0]).x(), point(end[0]).y());
        canvas.LineTo(point(end[1]).x(), point(end[1]).y());
        const auto* pixels = reinterpret_cast<const QRgb*>(canvas.image().constBits());
        EXPECT_EQ(std::count(pixels, pixels + kWindowWidth * kWindowHeight, 0xff000000u), count);
        for (const QString& pixel : QString::fromUtf8(lit).split(u' ', Qt::SkipEmptyParts))
            EXPECT_EQ(at(canvas.image(), point(pixel).x(), point(pixel).y()), 0u)
                << qPrintable(pixel);
    }
}

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

TEST_F(WindowTest, EveryControlStandsOnTheWindowNamedOnceInTheTabChain) {
    QWidget* window = Form1->widget();
    const QList<QWidget*> controls = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    EXPECT_EQ(controls.size(),
              37 + 3); // the designed controls and the three plots for screen readers
    for (const QWidget* control : controls)
        EXPECT_TRUE(control->isVisibleTo(window) && window->rect().contains(control->geometry()));
    QList<const TControl*> order = {Form1->Button2};
    for (int number = 1; number <= 10; ++number)
        order << field(number);
    order << Form1->ListBox1 << Form1->ListBox2 << Form1->CheckBox1 << Form1->CheckBox2
          << Form1->CheckBox3 << Form1->RadioButton1 << Form1->RadioButton2;
    for (int number = 11; number <= 14; ++number)
        order << field(number);
    QStringList names;
    QWidget* stop = order[0]->widget();
    for (const TControl* control : order) {
        while ((stop->focusPolicy() & Qt::TabFocus) == 0 || stop->isWindow())
            stop = stop->nextInFocusChain();
        EXPECT_EQ(stop, control->widget()) << "tab stop " << names.size();
        names << QAccessible::queryAccessibleInterface(stop)->text(QAccessible::Name);
        stop = stop->nextInFocusChain();
    }
    names.removeDuplicates();
    names.removeAll(QString());
    EXPECT_EQ(names.size(), 22) << "names missing or repeated";
}
