// The input fields and options of the main window, driven as a person drives them: key by key,
// by pasting whole texts, and by clicks. Every correction rewrites a field, which runs its
// handler again inside the write; the pass counts below follow from the handlers' steps.

#include "WindowFixture.h"

#include "EventDispatch.h"
#include "Recalculate.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <cmath>
#include <functional>

namespace {

// What one user action set off: how many passes ran and how deep the handlers nested.
struct Effect {
    unsigned long long passes = 0;
    int depth = 0;
};

Effect measure(const std::function<void()>& action) {
    const unsigned long long before = PassCount();
    EventDispatch::resetMaxHandlerDepth();
    action();
    return {PassCount() - before, EventDispatch::maxHandlerDepth()};
}

// The action ran exactly `passes` passes, and its handlers came to rest after a shallow nesting.
::testing::AssertionResult ran(const Effect& effect, unsigned long long passes) {
    constexpr int kDeepestNesting = 4;
    if (effect.passes == passes && effect.depth <= kDeepestNesting)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << effect.passes << " passes at handler depth " << effect.depth << ", expected "
           << passes << " passes at depth <= " << kDeepestNesting;
}

QImage picture() {
    return Form1->GetCanvas()->image();
}

QRgb at(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xffffffu;
}

bool contains(const QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (at(image, x, y) == colour)
                return true;
    return false;
}

// Pixels of the rectangle that are not white: text, lines or fill.
int inkIn(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (at(image, x, y) != kWhitePixel)
                ++count;
    return count;
}

int blackIn(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (at(image, x, y) == kBlackPixel)
                ++count;
    return count;
}

// Black pixels of the waveform panel off the frame, the axes and their arrowheads; the waveform
// may rise above the frame, so the rows start at 240.
int waveformInk(const QImage& image) {
    int count = 0;
    for (int y = 240; y <= 430; ++y)
        for (int x = 566; x <= 950; ++x)
            if (y != 280 && y != 360 && at(image, x, y) == kBlackPixel)
                ++count;
    return count;
}

// The cells of the two scale numbers under each plot (F at x = 440, F / 2 at x = 250).
const QRect kScaleNumberCells[] = {QRect(250, 236, 40, 14), QRect(440, 236, 46, 14),
                                   QRect(250, 366, 40, 14), QRect(440, 366, 46, 14)};

// A packet that cannot be computed: both panels empty but for frames and axes, no lists, no
// fundamental frequency.
::testing::AssertionResult blankPicture() {
    if (!Form1->f1->GetText().isEmpty())
        return ::testing::AssertionFailure()
               << "f1 shows \"" << Form1->f1->GetText().toStdString() << "\"";
    if (Form1->ListBox1->Count() != 0 || Form1->ListBox2->Count() != 0)
        return ::testing::AssertionFailure() << "the lists hold " << Form1->ListBox1->Count()
                                             << " and " << Form1->ListBox2->Count() << " lines";
    const QImage image = picture();
    // Frames (the right and bottom edges one pixel inside the given corner) and axes.
    const QPoint black[] = {{10, 100},  {519, 100}, {300, 10},  {300, 499}, {540, 350},
                            {969, 350}, {700, 280}, {700, 439}, {300, 230}, {300, 360},
                            {50, 100},  {50, 400},  {700, 360}, {560, 320}};
    for (const QPoint p : black)
        if (at(image, p.x(), p.y()) != kBlackPixel)
            return ::testing::AssertionFailure()
                   << "no frame or axis pixel at (" << p.x() << ", " << p.y() << ")";
    // Rows that cross the frequency grid, the envelope and the stems of both plots, and miss the
    // level grid lines.
    for (const int y : {100, 200, 300, 400})
        if (const int ink = inkIn(image, QRect(51, y, 399, 1)); ink != 0)
            return ::testing::AssertionFailure() << ink << " pixels drawn on row " << y;
    for (const QRect& cell : kScaleNumberCells)
        if (const int ink = inkIn(image, cell); ink != 0)
            return ::testing::AssertionFailure() << ink << " pixels of a scale number at ("
                                                 << cell.x() << ", " << cell.y() << ")";
    for (const QRgb colour :
         {kEnvelopePixel, kAmplitudeStemPixel, kPhaseStemPixel, kCapPixel, kMarkerPixel})
        if (contains(image, colour))
            return ::testing::AssertionFailure() << "colour " << std::hex << colour << " drawn";
    if (const int ink = waveformInk(image); ink != 0)
        return ::testing::AssertionFailure() << ink << " waveform pixels drawn";
    return ::testing::AssertionSuccess();
}

// The counterpart: a computed pass shows all of it.
::testing::AssertionResult fullPicture() {
    if (Form1->f1->GetText().isEmpty())
        return ::testing::AssertionFailure() << "f1 is empty";
    if (Form1->ListBox1->Count() == 0 || Form1->ListBox2->Count() == 0)
        return ::testing::AssertionFailure() << "the lists are empty";
    const QImage image = picture();
    if (inkIn(image, QRect(51, 100, 399, 1)) == 0)
        return ::testing::AssertionFailure() << "no frequency grid line";
    for (const QRect& cell : kScaleNumberCells)
        if (inkIn(image, cell) == 0)
            return ::testing::AssertionFailure()
                   << "no scale number at (" << cell.x() << ", " << cell.y() << ")";
    for (const QRgb colour : {kAmplitudeStemPixel, kPhaseStemPixel, kCapPixel, kMarkerPixel})
        if (!contains(image, colour))
            return ::testing::AssertionFailure() << "colour " << std::hex << colour << " missing";
    if (waveformInk(image) == 0)
        return ::testing::AssertionFailure() << "no waveform";
    return ::testing::AssertionSuccess();
}

// Puts the text cursor of a field before its first character.
void home(TEdit* field) {
    field->lineEdit()->setCursorPosition(0);
}

// The lists of the default packet (one pulse of a third of the period) for harmonics 0 ... 2;
// harmonic 3 of such a packet is below the 2 mV limit, with pi taken as 3.14.
const QStringList kAmplitudesUpTo2 = {QStringLiteral("0 = 333"), QStringLiteral("1 = 551"),
                                      QStringLiteral("2 = 275")};
const QStringList kPhasesUpTo2 = {QStringLiteral("0 = 90"), QStringLiteral("1 = 30"),
                                  QStringLiteral("2 = -29")};

} // namespace

TEST_F(WindowTest, DigitsTypedPastTheLimitStopAt999WhollySelected) {
    activate();
    TEdit* field = Form1->Edit3;
    // The first digit replaces the selected "0"; "150" is still in range.
    EXPECT_TRUE(ran(measure([&] { typeOver(field, QStringLiteral("1")); }), 1));
    EXPECT_TRUE(ran(measure([&] { type(field, QStringLiteral("5")); }), 1));
    EXPECT_TRUE(ran(measure([&] { type(field, QStringLiteral("0")); }), 1));
    EXPECT_EQ(field->GetText(), QStringLiteral("150"));
    EXPECT_FALSE(anythingSelected(field));
    EXPECT_EQ(Form1->l_period->GetText(), QStringLiteral("15300"));

    // The fourth digit: "1500" is clamped to "999", whose write runs the handler once more.
    EXPECT_TRUE(ran(measure([&] { type(field, QStringLiteral("0")); }), 2));
    EXPECT_EQ(field->GetText(), QStringLiteral("999"));
    EXPECT_TRUE(wholeTextSelected(field));
    // (1 + 999 + 2) x 100; the mean value is (1 + 999) / 1002 of a volt.
    EXPECT_EQ(Form1->l_period->GetText(), QStringLiteral("100200"));
    ASSERT_GT(Form1->ListBox1->Count(), 0);
    EXPECT_EQ(Form1->ListBox1->Line(0), QStringLiteral("0 = 998"));

    // The next digit replaces the selected 999.
    EXPECT_TRUE(ran(measure([&] { type(field, QStringLiteral("4")); }), 1));
    EXPECT_EQ(field->GetText(), QStringLiteral("4"));
    EXPECT_EQ(Form1->l_period->GetText(), QStringLiteral("700"));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, ClearedInnerFieldShowsSelectedZeroThatTheNextDigitReplaces) {
    activate();
    TEdit* field = Form1->Edit2;
    EXPECT_TRUE(ran(measure([&] { paste(field, QStringLiteral("7")); }), 1));
    EXPECT_EQ(Form1->l_period->GetText(), QStringLiteral("1000"));

    EXPECT_TRUE(ran(measure([&] { clear(field); }), 2));
    EXPECT_EQ(field->GetText(), QStringLiteral("0"));
    EXPECT_TRUE(wholeTextSelected(field));
    EXPECT_EQ(Form1->l_period->GetText(), QStringLiteral("300"));

    EXPECT_TRUE(ran(measure([&] { type(field, QStringLiteral("5")); }), 1));
    EXPECT_EQ(field->GetText(), QStringLiteral("5"));
    EXPECT_FALSE(anythingSelected(field));
    EXPECT_EQ(Form1->l_period->GetText(), QStringLiteral("800"));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, ClearedFirstPulseLastGapAndUnitTimeBecomeOneUnselected) {
    activate();
    // The write of "0" runs the handler nested, whose write of "1" runs it once more: three
    // passes, one per run.
    EXPECT_TRUE(ran(measure([&] { paste(Form1->Edit1, QStringLiteral("4")); }), 1));
    EXPECT_TRUE(ran(measure([&] { clear(Form1->Edit1); }), 3));
    EXPECT_EQ(Form1->Edit1->GetText(), QStringLiteral("1"));
    EXPECT_FALSE(anythingSelected(Form1->Edit1));
    EXPECT_EQ(Form1->l_period->GetText(), QStringLiteral("300"));

    EXPECT_TRUE(ran(measure([&] { paste(Form1->Edit8, QStringLiteral("5")); }), 1));
    EXPECT_TRUE(ran(measure([&] { clear(Form1->Edit8); }), 3));
    EXPECT_EQ(Form1->Edit8->GetText(), QStringLiteral("1"));
    EXPECT_FALSE(anythingSelected(Form1->Edit8));
    EXPECT_EQ(Form1->l_period->GetText(), QStringLiteral("200"));

    EXPECT_TRUE(ran(measure([&] { clear(Form1->Edit9); }), 3));
    EXPECT_EQ(Form1->Edit9->GetText(), QStringLiteral("1"));
    EXPECT_FALSE(anythingSelected(Form1->Edit9));
    EXPECT_EQ(Form1->l_period->GetText(), QStringLiteral("2"));

    // A typed 0 is already canonical: only the write of "1" nests.
    EXPECT_TRUE(ran(measure([&] { paste(Form1->Edit9, QStringLiteral("100")); }), 1));
    EXPECT_TRUE(ran(measure([&] { typeOver(Form1->Edit9, QStringLiteral("0")); }), 2));
    EXPECT_EQ(Form1->Edit9->GetText(), QStringLiteral("1"));
    EXPECT_EQ(Form1->l_period->GetText(), QStringLiteral("2"));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, MalformedPacketTextsBecomeCanonical) {
    activate();
    EXPECT_TRUE(ran(measure([&] { paste(Form1->Edit5, QStringLiteral("007")); }), 2));
    EXPECT_EQ(Form1->Edit5->GetText(), QStringLiteral("7"));
    EXPECT_FALSE(anythingSelected(Form1->Edit5));
    EXPECT_EQ(Form1->l_period->GetText(), QStringLiteral("1000"));

    EXPECT_TRUE(ran(measure([&] { typeOver(Form1->Edit6, QStringLiteral("x")); }), 2));
    EXPECT_EQ(Form1->Edit6->GetText(), QStringLiteral("0"));
    EXPECT_TRUE(wholeTextSelected(Form1->Edit6));

    EXPECT_TRUE(ran(measure([&] { typeOver(Form1->Edit8, QStringLiteral("q")); }), 3));
    EXPECT_EQ(Form1->Edit8->GetText(), QStringLiteral("1"));
    EXPECT_EQ(Form1->l_period->GetText(), QStringLiteral("900"));

    // Eleven digits are no 32-bit number at all, so they count as 0, not as "above 999".
    EXPECT_TRUE(ran(measure([&] { paste(Form1->Edit4, QStringLiteral("12345678901")); }), 2));
    EXPECT_EQ(Form1->Edit4->GetText(), QStringLiteral("0"));
    EXPECT_TRUE(wholeTextSelected(Form1->Edit4));
    EXPECT_EQ(Form1->l_period->GetText(), QStringLiteral("900"));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, AllNinePacketFieldsAt999) {
    activate();
    TEdit* const fields[] = {Form1->Edit1, Form1->Edit2, Form1->Edit3, Form1->Edit4, Form1->Edit5,
                             Form1->Edit6, Form1->Edit7, Form1->Edit8, Form1->Edit9};
    for (TEdit* field : fields) {
        EXPECT_TRUE(ran(measure([&] { paste(field, QStringLiteral("999")); }), 1));
        EXPECT_TRUE(wholeTextSelected(field));
    }
    // 8 x 999 x 999, without grouping.
    EXPECT_EQ(Form1->l_period->GetText(), QStringLiteral("7984008"));
    EXPECT_TRUE(fullPicture());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, NegativeMultiplierStaysAndAZeroPeriodBlanksThePicture) {
    activate();
    EXPECT_TRUE(fullPicture());
    TEdit* field = Form1->Edit2;
    EXPECT_TRUE(ran(measure([&] { paste(field, QStringLiteral("3")); }), 1));
    home(field);
    EXPECT_TRUE(ran(measure([&] { type(field, QStringLiteral("-")); }), 1));
    EXPECT_EQ(field->GetText(), QStringLiteral("-3"));
    // 1 - 3 + 2 = 0 units.
    EXPECT_EQ(Form1->l_period->GetText(), QStringLiteral("0"));
    EXPECT_TRUE(blankPicture());

    // The next usable input brings everything back.
    EXPECT_TRUE(ran(measure([&] { typeOver(field, QStringLiteral("0")); }), 1));
    EXPECT_EQ(Form1->l_period->GetText(), QStringLiteral("300"));
    EXPECT_EQ(Form1->f1->GetText(), QStringLiteral("3.33333333333333"));
    EXPECT_EQ(Form1->ListBox1->Count(), 15);
    EXPECT_EQ(Form1->ListBox2->Count(), 15);
    EXPECT_TRUE(fullPicture());
    EXPECT_TRUE(contains(picture(), kEnvelopePixel));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, NegativeUnitTimeBlanksThePicture) {
    activate();
    TEdit* field = Form1->Edit9;
    home(field);
    EXPECT_TRUE(ran(measure([&] { type(field, QStringLiteral("-")); }), 1));
    EXPECT_EQ(field->GetText(), QStringLiteral("-100"));
    EXPECT_EQ(Form1->l_period->GetText(), QStringLiteral("-300"));
    EXPECT_TRUE(blankPicture());

    EXPECT_TRUE(ran(measure([&] { paste(field, QStringLiteral("100")); }), 1));
    EXPECT_EQ(Form1->f1->GetText(), QStringLiteral("3.33333333333333"));
    EXPECT_TRUE(fullPicture());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, PeriodOfTheMostNegativeFieldsIsTheTrueProduct) {
    activate();
    const QString mostNegative = QStringLiteral("-2147483648");
    EXPECT_TRUE(ran(measure([&] { paste(Form1->Edit2, mostNegative); }), 1));
    EXPECT_EQ(Form1->Edit2->GetText(), mostNegative);
    // (1 - 2147483648 + 2) x 100
    EXPECT_EQ(Form1->l_period->GetText(), QStringLiteral("-214748364500"));
    EXPECT_TRUE(blankPicture());

    EXPECT_TRUE(ran(measure([&] { paste(Form1->Edit3, mostNegative); }), 1));
    // (1 - 2 x 2147483648 + 2) x 100
    EXPECT_EQ(Form1->l_period->GetText(), QStringLiteral("-429496729300"));
    EXPECT_TRUE(blankPicture());

    // A negative unit time turns the period positive, but far beyond 32 bits.
    EXPECT_TRUE(ran(measure([&] { paste(Form1->Edit9, QStringLiteral("-1")); }), 1));
    EXPECT_EQ(Form1->l_period->GetText(), QStringLiteral("4294967293"));
    EXPECT_TRUE(blankPicture());

    // 1 - 2147483648 - 3 + 2 = -2^31 units of -1: a period of 2^31, one beyond the range.
    EXPECT_TRUE(ran(measure([&] { paste(Form1->Edit3, QStringLiteral("-3")); }), 1));
    EXPECT_EQ(Form1->l_period->GetText(), QStringLiteral("2147483648"));
    EXPECT_TRUE(blankPicture());

    // One unit less: 2^31 - 1 is still a 32-bit period and is computed.
    EXPECT_TRUE(ran(measure([&] { paste(Form1->Edit3, QStringLiteral("-2")); }), 1));
    EXPECT_EQ(Form1->l_period->GetText(), QStringLiteral("2147483647"));
    EXPECT_FALSE(Form1->f1->GetText().isEmpty());
    EXPECT_EQ(at(picture(), 70, 100), kGridPixel);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, ReplacingTheCountResetsTheRangeAndSelectsTheCount) {
    activate();
    EXPECT_EQ(Form1->Edit13->GetText(), QStringLiteral("0"));
    EXPECT_EQ(Form1->Edit14->GetText(), QStringLiteral("20"));
    // Count, upper end lowered to the count, then the range reset after the pass: three passes.
    EXPECT_TRUE(ran(measure([&] { typeOver(Form1->Edit10, QStringLiteral("3")); }), 3));
    EXPECT_EQ(Form1->Edit10->GetText(), QStringLiteral("3"));
    EXPECT_EQ(Form1->Edit13->GetText(), QStringLiteral("1"));
    EXPECT_EQ(Form1->Edit14->GetText(), QStringLiteral("3"));
    EXPECT_TRUE(wholeTextSelected(Form1->Edit10));
    // Harmonics 0 ... 3 are computed; harmonic 3 is negligible.
    EXPECT_EQ(Form1->ListBox1->Lines(), kAmplitudesUpTo2);
    EXPECT_EQ(Form1->ListBox2->Lines(), kPhasesUpTo2);

    // The waveform of the last pass is the sum of harmonics 1 ... 3 alone:
    // y = 360 - 100 (A1 sin(p1 + 2 pi j / 400) + A2 sin(...) + A3 sin(...)), pi = 3.14.
    const double pi = 3.14;
    const double duty = 1.0 / 3.0; // pulse length over period, centre at half of it
    const QImage image = picture();
    int checked = 0;
    for (int j = 1; j < 400; ++j) {
        double sum = 0.0;
        for (int m = 1; m <= 3; ++m) {
            const double s = 2 * std::sin(m * pi * duty);
            const double angle = 2 * m * pi * duty * 0.5;
            const double a = s * std::cos(angle) / (m * pi);
            const double b = s * std::sin(angle) / (m * pi);
            sum += std::hypot(a, b) * std::sin(std::atan2(a, b) + 2 * pi * m * j * 0.0025);
        }
        const double row = 360 - 100 * sum;
        const double fraction = row - std::floor(row);
        if (fraction < 0.02 || fraction > 0.98 || static_cast<int>(row) == 360)
            continue;
        ++checked;
        EXPECT_EQ(at(image, 560 + j, static_cast<int>(row)), kBlackPixel) << "sample " << j;
    }
    EXPECT_GT(checked, 300);
    // The mean value is left out: nothing near 1 V at the pulse, above the frame.
    EXPECT_EQ(blackIn(image, QRect(600, 240, 40, 30)), 0);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, ClearedOrZeroCountBecomesOne) {
    activate();
    // The write of "1" nests a run that lowers the upper end and resets the lower end, each with
    // a pass of its own, then passes itself; the outer run passes last.
    EXPECT_TRUE(ran(measure([&] { clear(Form1->Edit10); }), 4));
    EXPECT_EQ(Form1->Edit10->GetText(), QStringLiteral("1"));
    EXPECT_EQ(Form1->Edit13->GetText(), QStringLiteral("1"));
    EXPECT_EQ(Form1->Edit14->GetText(), QStringLiteral("1"));
    EXPECT_EQ(Form1->ListBox1->Lines(), kAmplitudesUpTo2.mid(0, 2));
    EXPECT_EQ(Form1->ListBox2->Lines(), kPhasesUpTo2.mid(0, 2));

    // Back to 20 harmonics: the range follows to 1 ... 20.
    EXPECT_TRUE(ran(measure([&] { paste(Form1->Edit10, QStringLiteral("20")); }), 2));
    EXPECT_EQ(Form1->Edit13->GetText(), QStringLiteral("1"));
    EXPECT_EQ(Form1->Edit14->GetText(), QStringLiteral("20"));
    EXPECT_EQ(Form1->ListBox1->Count(), 15);

    // A typed 0: the lower end is already 1, so one pass fewer.
    EXPECT_TRUE(ran(measure([&] { typeOver(Form1->Edit10, QStringLiteral("0")); }), 3));
    EXPECT_EQ(Form1->Edit10->GetText(), QStringLiteral("1"));
    EXPECT_EQ(Form1->Edit13->GetText(), QStringLiteral("1"));
    EXPECT_EQ(Form1->Edit14->GetText(), QStringLiteral("1"));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, PastedCountAbove200IsCapped) {
    activate();
    // The cap's write nests a full run (its pass, the upper end's, the lower end's), then the
    // outer run passes.
    EXPECT_TRUE(ran(measure([&] { paste(Form1->Edit10, QStringLiteral("250")); }), 4));
    EXPECT_EQ(Form1->Edit10->GetText(), QStringLiteral("200"));
    EXPECT_EQ(Form1->Edit13->GetText(), QStringLiteral("1"));
    EXPECT_EQ(Form1->Edit14->GetText(), QStringLiteral("200"));
    EXPECT_TRUE(fullPicture());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, SecondDigitTypedIntoTheCountReplacesTheFirst) {
    activate();
    Form1->Edit10->SelectAll();
    EXPECT_TRUE(ran(measure([&] { type(Form1->Edit10, QStringLiteral("3")); }), 3));
    EXPECT_TRUE(wholeTextSelected(Form1->Edit10));
    // The upper end moves from 3 to 5; the lower end is already 1.
    EXPECT_TRUE(ran(measure([&] { type(Form1->Edit10, QStringLiteral("5")); }), 2));
    EXPECT_EQ(Form1->Edit10->GetText(), QStringLiteral("5"));
    EXPECT_EQ(Form1->Edit13->GetText(), QStringLiteral("1"));
    EXPECT_EQ(Form1->Edit14->GetText(), QStringLiteral("5"));
    EXPECT_TRUE(wholeTextSelected(Form1->Edit10));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, UpperEndAboveTheCountFallsBackToTheCount) {
    activate();
    Form1->Edit10->lineEdit()->deselect();
    EXPECT_TRUE(ran(measure([&] { typeOver(Form1->Edit14, QStringLiteral("3")); }), 1));
    EXPECT_TRUE(wholeTextSelected(Form1->Edit10));
    Form1->Edit10->lineEdit()->deselect();
    EXPECT_TRUE(ran(measure([&] { type(Form1->Edit14, QStringLiteral("0")); }), 2));
    EXPECT_EQ(Form1->Edit14->GetText(), QStringLiteral("20"));
    EXPECT_EQ(Form1->Edit10->GetText(), QStringLiteral("20"));
    EXPECT_TRUE(wholeTextSelected(Form1->Edit10));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, LowerEndAboveTheCountFallsBackAndRaisesTheUpperEnd) {
    activate();
    EXPECT_TRUE(ran(measure([&] { paste(Form1->Edit14, QStringLiteral("10")); }), 1));
    Form1->Edit10->lineEdit()->deselect();
    EXPECT_TRUE(ran(measure([&] { typeOver(Form1->Edit13, QStringLiteral("2")); }), 1));
    EXPECT_FALSE(anythingSelected(Form1->Edit10));
    // "25" falls back to 20 (nested run), which raises the upper end after its pass (its own
    // handler passes too), and the outer run passes last.
    EXPECT_TRUE(ran(measure([&] { type(Form1->Edit13, QStringLiteral("5")); }), 3));
    EXPECT_EQ(Form1->Edit13->GetText(), QStringLiteral("20"));
    EXPECT_EQ(Form1->Edit14->GetText(), QStringLiteral("20"));
    EXPECT_EQ(Form1->Edit10->GetText(), QStringLiteral("20"));
    EXPECT_TRUE(wholeTextSelected(Form1->Edit10));

    // With the upper end already at 20 nothing is raised.
    EXPECT_TRUE(ran(measure([&] { paste(Form1->Edit13, QStringLiteral("0")); }), 1));
    EXPECT_TRUE(ran(measure([&] { typeOver(Form1->Edit13, QStringLiteral("2")); }), 1));
    EXPECT_TRUE(ran(measure([&] { type(Form1->Edit13, QStringLiteral("5")); }), 2));
    EXPECT_EQ(Form1->Edit13->GetText(), QStringLiteral("20"));
    EXPECT_EQ(Form1->Edit14->GetText(), QStringLiteral("20"));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, ClearedRangeEnds) {
    activate();
    // Upper end cleared with the lower end at 1: raised to 1 (nested), then canonical.
    EXPECT_TRUE(ran(measure([&] { paste(Form1->Edit13, QStringLiteral("1")); }), 1));
    EXPECT_TRUE(ran(measure([&] { clear(Form1->Edit14); }), 2));
    EXPECT_EQ(Form1->Edit14->GetText(), QStringLiteral("1"));

    // With the lower end at 0 the empty text becomes the lower end, "0".
    EXPECT_TRUE(ran(measure([&] { paste(Form1->Edit13, QStringLiteral("0")); }), 1));
    EXPECT_TRUE(ran(measure([&] { paste(Form1->Edit14, QStringLiteral("7")); }), 1));
    EXPECT_TRUE(ran(measure([&] { clear(Form1->Edit14); }), 2));
    EXPECT_EQ(Form1->Edit14->GetText(), QStringLiteral("0"));

    EXPECT_TRUE(ran(measure([&] { paste(Form1->Edit14, QStringLiteral("20")); }), 1));
    EXPECT_TRUE(ran(measure([&] { paste(Form1->Edit13, QStringLiteral("5")); }), 1));
    EXPECT_TRUE(ran(measure([&] { clear(Form1->Edit13); }), 2));
    EXPECT_EQ(Form1->Edit13->GetText(), QStringLiteral("0"));
    EXPECT_EQ(Form1->Edit14->GetText(), QStringLiteral("20"));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, NegativeCountBlanksThePictureUntilAUsableCount) {
    activate();
    // Both range ends drop to the count as typed, each with a pass; the count's own pass; then the
    // reset of the lower end to 1, which falls back to the count (nested) with two more passes.
    EXPECT_TRUE(ran(measure([&] { paste(Form1->Edit10, QStringLiteral("-5")); }), 5));
    EXPECT_EQ(Form1->Edit10->GetText(), QStringLiteral("-5"));
    EXPECT_EQ(Form1->Edit13->GetText(), QStringLiteral("-5"));
    EXPECT_EQ(Form1->Edit14->GetText(), QStringLiteral("-5"));
    EXPECT_TRUE(wholeTextSelected(Form1->Edit10));
    EXPECT_TRUE(blankPicture());

    EXPECT_TRUE(ran(measure([&] { type(Form1->Edit10, QStringLiteral("3")); }), 3));
    EXPECT_EQ(Form1->Edit10->GetText(), QStringLiteral("3"));
    EXPECT_EQ(Form1->Edit13->GetText(), QStringLiteral("1"));
    EXPECT_EQ(Form1->Edit14->GetText(), QStringLiteral("3"));
    EXPECT_EQ(Form1->ListBox1->Lines(), kAmplitudesUpTo2);
    EXPECT_TRUE(fullPicture());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, NegativeRangeEndsSumOnlyTheHarmonicsThatExist) {
    activate();
    EXPECT_TRUE(ran(measure([&] { paste(Form1->Edit13, QStringLiteral("-5")); }), 1));
    EXPECT_EQ(Form1->Edit13->GetText(), QStringLiteral("-5"));
    EXPECT_TRUE(fullPicture());
    const QImage fromMinus5 = picture();
    const QStringList amplitudes = Form1->ListBox1->Lines();

    EXPECT_TRUE(ran(measure([&] { paste(Form1->Edit13, QStringLiteral("0")); }), 1));
    EXPECT_TRUE(picture() == fromMinus5);
    EXPECT_EQ(Form1->ListBox1->Lines(), amplitudes);

    // No harmonic of -5 ... -3 exists: the sum is 0 all along, on the time axis.
    EXPECT_TRUE(ran(measure([&] { paste(Form1->Edit13, QStringLiteral("-5")); }), 1));
    EXPECT_TRUE(ran(measure([&] { paste(Form1->Edit14, QStringLiteral("-3")); }), 1));
    EXPECT_EQ(Form1->Edit14->GetText(), QStringLiteral("-3"));
    EXPECT_EQ(waveformInk(picture()), 0);
    EXPECT_EQ(at(picture(), 800, 360), kBlackPixel);
    EXPECT_EQ(Form1->ListBox1->Lines(), amplitudes);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, EnvelopeOptionGreysOutAndClearsTheFill) {
    activate();
    // Column 200 is harmonic 7.5 of 20, where the envelope is about 0.085 V, 17 pixels high: the
    // fill reaches down to the row above the axis.
    EXPECT_EQ(at(picture(), 200, 229), kEnvelopePixel);

    // Unticking clears the fill option (its own pass) and then passes.
    EXPECT_TRUE(
        ran(measure([&] { QTest::mouseClick(Form1->CheckBox3->checkBox(), Qt::LeftButton); }), 2));
    EXPECT_FALSE(Form1->CheckBox3->GetChecked());
    EXPECT_FALSE(Form1->CheckBox2->GetChecked());
    EXPECT_FALSE(Form1->CheckBox2->GetEnabled());
    EXPECT_FALSE(contains(picture(), kEnvelopePixel));
    EXPECT_EQ(Form1->ListBox1->Count(), 15);

    // Ticking again: the fill option is available but unticked, so the envelope is a curve.
    EXPECT_TRUE(
        ran(measure([&] { QTest::mouseClick(Form1->CheckBox3->checkBox(), Qt::LeftButton); }), 1));
    EXPECT_TRUE(Form1->CheckBox3->GetChecked());
    EXPECT_FALSE(Form1->CheckBox2->GetChecked());
    EXPECT_TRUE(Form1->CheckBox2->GetEnabled());
    // 230 - 200 x 0.08493 = 213.01: the curve passes row 213 in column 200 and leaves the rows
    // below it white.
    EXPECT_EQ(at(picture(), 200, 213), kEnvelopePixel);
    EXPECT_EQ(at(picture(), 200, 229), kWhitePixel);

    EXPECT_TRUE(
        ran(measure([&] { QTest::mouseClick(Form1->CheckBox2->checkBox(), Qt::LeftButton); }), 1));
    EXPECT_TRUE(Form1->CheckBox2->GetChecked());
    EXPECT_EQ(at(picture(), 200, 229), kEnvelopePixel);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, ClickOnTheCheckedHarmonicRangeButtonDoesNothing) {
    activate();
    const QImage before = picture();
    EXPECT_TRUE(
        ran(measure([&] { QTest::mouseClick(Form1->RadioButton2->radioButton(), Qt::LeftButton); }),
            0));
    EXPECT_TRUE(Form1->RadioButton2->GetChecked());
    EXPECT_FALSE(Form1->RadioButton1->GetChecked());
    EXPECT_TRUE(Form1->Edit13->GetEnabled());
    EXPECT_TRUE(Form1->Edit14->GetEnabled());
    EXPECT_FALSE(Form1->Edit11->GetEnabled());
    EXPECT_FALSE(Form1->Edit12->GetEnabled());
    EXPECT_TRUE(picture() == before);

    // The frequency range button is greyed out: a click on it changes nothing either.
    EXPECT_TRUE(
        ran(measure([&] { QTest::mouseClick(Form1->RadioButton1->radioButton(), Qt::LeftButton); }),
            0));
    EXPECT_FALSE(Form1->RadioButton1->GetChecked());
    EXPECT_TRUE(Form1->RadioButton2->GetChecked());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, FrequencyRangeSwapsTheEnabledRangeFields) {
    activate();
    EXPECT_TRUE(ran(measure([&] { Form1->RadioButton1->SetChecked(true); }), 0));
    EXPECT_FALSE(Form1->RadioButton2->GetChecked());
    EXPECT_TRUE(Form1->Edit11->GetEnabled());
    EXPECT_TRUE(Form1->Edit12->GetEnabled());
    EXPECT_FALSE(Form1->Edit13->GetEnabled());
    EXPECT_FALSE(Form1->Edit14->GetEnabled());

    // While the harmonic range is not in force a new count only lowers the upper end (with a
    // pass), then passes; the range is not reset to 1 ... N.
    EXPECT_TRUE(ran(measure([&] { typeOver(Form1->Edit10, QStringLiteral("3")); }), 2));
    EXPECT_EQ(Form1->Edit13->GetText(), QStringLiteral("0"));
    EXPECT_EQ(Form1->Edit14->GetText(), QStringLiteral("3"));

    EXPECT_TRUE(ran(measure([&] { Form1->RadioButton2->SetChecked(true); }), 0));
    EXPECT_FALSE(Form1->RadioButton1->GetChecked());
    EXPECT_FALSE(Form1->Edit11->GetEnabled());
    EXPECT_FALSE(Form1->Edit12->GetEnabled());
    EXPECT_TRUE(Form1->Edit13->GetEnabled());
    EXPECT_TRUE(Form1->Edit14->GetEnabled());
    EXPECT_TRUE(errors.isEmpty());
}
