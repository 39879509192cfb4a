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
#include <optional>

namespace {

// Runs one user action, which must run exactly `passes` passes, its handlers coming to rest after
// a shallow nesting.
::testing::AssertionResult ran(unsigned long long passes, const std::function<void()>& action) {
    const unsigned long long before = PassCount();
    EventDispatch::resetMaxHandlerDepth();
    action();
    const unsigned long long count = PassCount() - before;
    if (count == passes && EventDispatch::maxHandlerDepth() <= 4)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << count << " passes at handler depth " << EventDispatch::maxHandlerDepth()
           << ", expected " << passes << " at depth <= 4";
}

QImage picture() {
    return Form1->GetCanvas()->image();
}

QRgb at(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xffffffu;
}

// Pixels of the rectangle in the given colour, or (by default) not white.
int inkIn(const QImage& image, const QRect& area, std::optional<QRgb> colour = std::nullopt) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += colour ? at(image, x, y) == *colour : at(image, x, y) != kWhitePixel;
    return count;
}

// Black pixels of the waveform panel off the frame, the axes and their arrowheads; the waveform
// may rise above the frame, so the rows start at 240.
int waveformInk(const QImage& image) {
    return inkIn(image, QRect(566, 240, 385, 40), kBlackPixel) +
           inkIn(image, QRect(566, 281, 385, 79), kBlackPixel) +
           inkIn(image, QRect(566, 361, 385, 70), kBlackPixel);
}

// What the window shows besides the frames and axes of both panels, which every pass draws.
std::string shown() {
    QStringList parts;
    const QImage image = picture();
    // Frames, and axes where no stem or marker can stand.
    for (const QPoint p :
         {QPoint(10, 100), QPoint(519, 100), QPoint(300, 10), QPoint(300, 499), QPoint(540, 350),
          QPoint(969, 350), QPoint(470, 230), QPoint(470, 360), QPoint(900, 360), QPoint(560, 320)})
        if (at(image, p.x(), p.y()) != kBlackPixel)
            parts << QStringLiteral("no frame or axis at %1, %2").arg(p.x()).arg(p.y());
    if (!Form1->f1->GetText().isEmpty())
        parts << "f1";
    if (Form1->ListBox1->Count() + Form1->ListBox2->Count() > 0)
        parts << "lists";
    // Row 100 crosses the frequency grid and misses the level grid lines.
    if (inkIn(image, QRect(51, 100, 399, 1)) > 0)
        parts << "grid";
    // The cells of the two scale numbers under each plot (F at x = 440, F / 2 at x = 250).
    int numbers = 0;
    for (const QRect& cell : {QRect(250, 236, 40, 14), QRect(440, 236, 46, 14),
                              QRect(250, 366, 40, 14), QRect(440, 366, 46, 14)})
        numbers += inkIn(image, cell) > 0;
    if (numbers > 0)
        parts << QStringLiteral("%1 scale numbers").arg(numbers);
    const QRgb colours[] = {kEnvelopePixel, kAmplitudeStemPixel, kPhaseStemPixel, kCapPixel,
                            kMarkerPixel};
    const char* const names[] = {"envelope", "amplitude stems", "phase stems", "caps", "markers"};
    for (std::size_t i = 0; i < std::size(colours); ++i)
        if (inkIn(image, image.rect(), colours[i]) > 0)
            parts << names[i];
    if (waveformInk(image) > 0)
        parts << "waveform";
    return parts.join(", ").toStdString();
}

// The count and the harmonic range.
std::string countAndRange() {
    return QStringLiteral("%1: %2 ... %3")
        .arg(Form1->Edit10->GetText(), Form1->Edit13->GetText(), Form1->Edit14->GetText())
        .toStdString();
}

constexpr const char* kEverything =
    "f1, lists, grid, 4 scale numbers, envelope, amplitude stems, phase stems, caps, markers, "
    "waveform";

// The amplitudes of the default packet (one pulse of a third of the period) for harmonics 0 ... 2;
// harmonic 3 of such a packet is below the 2 mV limit, with pi taken as 3.14.
const QStringList kAmplitudesUpTo2 = {"0 = 333", "1 = 551", "2 = 275"};

} // namespace

TEST_F(WindowTest, PacketFieldsStopAt999WhollySelected) {
    activate();
    TEdit* field = Form1->Edit3;
    // The first digit replaces the selected "0"; "150" is still in range.
    EXPECT_TRUE(ran(1, [&] { typeOver(field, "1"); }));
    EXPECT_TRUE(ran(2, [&] { type(field, "50"); }));
    EXPECT_FALSE(anythingSelected(field));
    EXPECT_EQ(Form1->l_period->GetText(), "15300");

    // The fourth digit: "1500" is clamped to "999", whose write runs the handler once more.
    EXPECT_TRUE(ran(2, [&] { type(field, "0"); }));
    EXPECT_EQ(field->GetText(), "999");
    EXPECT_TRUE(wholeTextSelected(field));
    // (1 + 999 + 2) x 100; the mean value is (1 + 999) / 1002 of a volt.
    EXPECT_EQ(Form1->l_period->GetText(), "100200");
    ASSERT_GT(Form1->ListBox1->Count(), 0);
    EXPECT_EQ(Form1->ListBox1->Line(0), "0 = 998");

    // The other eight fields at 999 as well, each selected.
    for (TEdit* other : {Form1->Edit1, Form1->Edit2, Form1->Edit4, Form1->Edit5, Form1->Edit6,
                         Form1->Edit7, Form1->Edit8, Form1->Edit9}) {
        EXPECT_TRUE(ran(1, [&] { paste(other, "999"); }));
        EXPECT_TRUE(wholeTextSelected(other));
    }
    // 8 x 999 x 999, without grouping.
    EXPECT_EQ(Form1->l_period->GetText(), "7984008");
    EXPECT_EQ(shown(), kEverything);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, ClearedAndMalformedPacketTextsBecomeCanonical) {
    activate();
    // An inner field cleared shows a selected "0", which the next digit replaces.
    paste(Form1->Edit2, "7");
    EXPECT_TRUE(ran(2, [&] { clear(Form1->Edit2); }));
    EXPECT_EQ(Form1->Edit2->GetText(), "0");
    EXPECT_TRUE(wholeTextSelected(Form1->Edit2));
    EXPECT_TRUE(ran(1, [&] { type(Form1->Edit2, "5"); }));
    EXPECT_EQ(Form1->Edit2->GetText(), "5");
    EXPECT_FALSE(anythingSelected(Form1->Edit2));

    // The first pulse, the last gap and the unit time become "1", unselected: the write of "0"
    // runs the handler nested, whose write of "1" runs it once more, one pass per run.
    const std::pair<TEdit*, const char*> nonZero[] = {
        {Form1->Edit1, "800"}, {Form1->Edit8, "700"}, {Form1->Edit9, "7"}};
    for (const auto& [field, period] : nonZero) {
        EXPECT_TRUE(ran(3, [&] { clear(field); }));
        EXPECT_EQ(field->GetText(), "1");
        EXPECT_FALSE(anythingSelected(field));
        EXPECT_EQ(Form1->l_period->GetText(), period);
    }
    // A typed 0 is already canonical: only the write of "1" nests.
    EXPECT_TRUE(ran(2, [&] { typeOver(Form1->Edit9, "0"); }));
    EXPECT_EQ(Form1->Edit9->GetText(), "1");

    EXPECT_TRUE(ran(2, [&] { paste(Form1->Edit5, "007"); }));
    EXPECT_EQ(Form1->Edit5->GetText(), "7");
    EXPECT_TRUE(ran(2, [&] { typeOver(Form1->Edit6, "x"); }));
    EXPECT_EQ(Form1->Edit6->GetText(), "0");
    EXPECT_TRUE(wholeTextSelected(Form1->Edit6));
    EXPECT_TRUE(ran(3, [&] { typeOver(Form1->Edit8, "q"); }));
    EXPECT_EQ(Form1->Edit8->GetText(), "1");
    // Eleven digits are no 32-bit number at all, so they count as 0, not as "above 999".
    EXPECT_TRUE(ran(2, [&] { paste(Form1->Edit4, "12345678901"); }));
    EXPECT_EQ(Form1->Edit4->GetText(), "0");
    EXPECT_TRUE(wholeTextSelected(Form1->Edit4));
    EXPECT_EQ(Form1->l_period->GetText(), "14"); // (1 + 5 + 7 + 1) x 1
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, NegativePacketsKeepTheirSignAndAPeriodOutOfRangeDrawsOnlyFramesAndAxes) {
    activate();
    EXPECT_EQ(shown(), kEverything);
    // A minus typed before the 3: 1 - 3 + 2 = 0 units.
    paste(Form1->Edit2, "3");
    Form1->Edit2->lineEdit()->setCursorPosition(0);
    EXPECT_TRUE(ran(1, [&] { type(Form1->Edit2, "-"); }));
    EXPECT_EQ(Form1->Edit2->GetText(), "-3");
    EXPECT_EQ(Form1->l_period->GetText(), "0");
    EXPECT_EQ(shown(), "");

    // The next usable input brings everything back.
    EXPECT_TRUE(ran(1, [&] { typeOver(Form1->Edit2, "0"); }));
    EXPECT_EQ(shown(), kEverything);

    // The period is the true product, beyond 32 bits; one outside the 32-bit range is not
    // computed either.
    paste(Form1->Edit2, "-2147483648");
    EXPECT_EQ(Form1->Edit2->GetText(), "-2147483648");
    EXPECT_EQ(Form1->l_period->GetText(), "-214748364500"); // (1 - 2147483648 + 2) x 100
    paste(Form1->Edit3, "-2147483648");
    EXPECT_EQ(Form1->l_period->GetText(), "-429496729300"); // (1 - 2 x 2147483648 + 2) x 100
    EXPECT_EQ(shown(), "");
    paste(Form1->Edit9, "-1");
    EXPECT_EQ(Form1->l_period->GetText(), "4294967293");
    EXPECT_EQ(shown(), "");
    // 1 - 2147483648 - 3 + 2 = -2^31 units of -1: a period of 2^31, one beyond the range.
    paste(Form1->Edit3, "-3");
    EXPECT_EQ(Form1->l_period->GetText(), "2147483648");
    EXPECT_EQ(shown(), "");
    // One unit less: 2^31 - 1 is still a 32-bit period and is computed.
    EXPECT_TRUE(ran(1, [&] { paste(Form1->Edit3, "-2"); }));
    EXPECT_EQ(Form1->l_period->GetText(), "2147483647");
    EXPECT_FALSE(Form1->f1->GetText().isEmpty());
    EXPECT_EQ(at(picture(), 70, 100), kGridPixel);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, ReplacingTheCountResetsTheRangeAndSelectsTheCount) {
    activate();
    // Count, upper end lowered to the count, then the lower end reset after the pass: three passes.
    EXPECT_TRUE(ran(3, [&] { typeOver(Form1->Edit10, "3"); }));
    EXPECT_EQ(countAndRange(), "3: 1 ... 3");
    EXPECT_TRUE(wholeTextSelected(Form1->Edit10));
    // Harmonics 0 ... 3 are computed; harmonic 3 is negligible.
    EXPECT_EQ(Form1->ListBox1->Lines(), kAmplitudesUpTo2);
    EXPECT_EQ(Form1->ListBox2->Lines(), QStringList({"0 = 90", "1 = 30", "2 = -29"}));

    // The waveform of the last pass is the sum of harmonics 1 ... 3 alone, with pi = 3.14, of
    // the pulse from 0 to a third of the period: a_m = sin(2 pi m / 3) / (pi m),
    // b_m = (1 - cos(2 pi m / 3)) / (pi m), drawn at y = 360 - 100 sum.
    const double pi = 3.14;
    const QImage image = picture();
    int checked = 0;
    for (int j = 1; j < 400; ++j) {
        double sum = 0.0;
        for (int m = 1; m <= 3; ++m) {
            const double x = 2 * pi * m * j / 400;
            const double w = 2 * pi * m / 3;
            sum += (std::sin(w) * std::cos(x) + (1 - std::cos(w)) * std::sin(x)) / (pi * m);
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
    EXPECT_EQ(inkIn(image, QRect(600, 240, 40, 30), kBlackPixel), 0);

    // The first digit moved the upper end, so the count is selected again and 5 replaces the 3
    // (the upper end moves, the lower end is already 1).
    EXPECT_TRUE(ran(2, [&] { type(Form1->Edit10, "5"); }));
    EXPECT_EQ(countAndRange(), "5: 1 ... 5");
    EXPECT_TRUE(wholeTextSelected(Form1->Edit10));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, ClearedZeroOrTooLargeCountIsCorrected) {
    activate();
    // The write of "1" nests a run that lowers the upper end and resets the lower end, each with
    // a pass of its own, then passes itself; the outer run passes last.
    EXPECT_TRUE(ran(4, [&] { clear(Form1->Edit10); }));
    EXPECT_EQ(countAndRange(), "1: 1 ... 1");
    EXPECT_EQ(Form1->ListBox1->Lines(), kAmplitudesUpTo2.mid(0, 2));

    // Back to 20 harmonics: the range follows to 1 ... 20. A typed 0 then: the lower end is
    // already 1, so one pass fewer than above.
    EXPECT_TRUE(ran(2, [&] { paste(Form1->Edit10, "20"); }));
    EXPECT_EQ(countAndRange(), "20: 1 ... 20");
    EXPECT_TRUE(ran(3, [&] { typeOver(Form1->Edit10, "0"); }));
    EXPECT_EQ(countAndRange(), "1: 1 ... 1");

    // 250 is capped; the cap's write nests a run that passes and raises the upper end (its pass);
    // the outer run passes last.
    EXPECT_TRUE(ran(3, [&] { paste(Form1->Edit10, "250"); }));
    EXPECT_EQ(countAndRange(), "200: 1 ... 200");
    EXPECT_EQ(shown(), kEverything);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, RangeEndsStayWithinTheCountAndInOrder) {
    activate();
    // An upper end above the count falls back to the count; every run selects the count.
    Form1->Edit10->lineEdit()->deselect();
    EXPECT_TRUE(ran(1, [&] { typeOver(Form1->Edit14, "3"); }));
    EXPECT_TRUE(wholeTextSelected(Form1->Edit10));
    Form1->Edit10->lineEdit()->deselect();
    EXPECT_TRUE(ran(2, [&] { type(Form1->Edit14, "0"); }));
    EXPECT_EQ(countAndRange(), "20: 0 ... 20");
    EXPECT_TRUE(wholeTextSelected(Form1->Edit10));

    // "25" in the lower end falls back to 20 (nested run) and selects the count; after the pass
    // it raises the upper end (its own pass); the outer run passes last.
    paste(Form1->Edit14, "10");
    Form1->Edit10->lineEdit()->deselect();
    EXPECT_TRUE(ran(1, [&] { typeOver(Form1->Edit13, "2"); }));
    EXPECT_FALSE(anythingSelected(Form1->Edit10));
    EXPECT_TRUE(ran(3, [&] { type(Form1->Edit13, "5"); }));
    EXPECT_EQ(countAndRange(), "20: 20 ... 20");
    EXPECT_TRUE(wholeTextSelected(Form1->Edit10));

    // A cleared upper end becomes the lower end (nested run, then canonical); a cleared lower end
    // becomes "0".
    paste(Form1->Edit13, "1");
    EXPECT_TRUE(ran(2, [&] { clear(Form1->Edit14); }));
    EXPECT_EQ(countAndRange(), "20: 1 ... 1");
    paste(Form1->Edit13, "0");
    EXPECT_TRUE(ran(2, [&] { clear(Form1->Edit14); }));
    EXPECT_EQ(countAndRange(), "20: 0 ... 0");
    paste(Form1->Edit13, "5");
    EXPECT_TRUE(ran(2, [&] { clear(Form1->Edit13); }));
    EXPECT_EQ(countAndRange(), "20: 0 ... 5");
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, NegativeCountAndRangeEndsNeverReachTheTable) {
    activate();
    // Both range ends drop to the count as typed, each with a pass; the count's own pass; then the
    // reset of the lower end to 1, which falls back to the count (nested) with two more passes.
    EXPECT_TRUE(ran(5, [&] { paste(Form1->Edit10, "-5"); }));
    EXPECT_EQ(countAndRange(), "-5: -5 ... -5");
    EXPECT_TRUE(wholeTextSelected(Form1->Edit10));
    EXPECT_EQ(shown(), "");

    EXPECT_TRUE(ran(3, [&] { type(Form1->Edit10, "3"); }));
    EXPECT_EQ(countAndRange(), "3: 1 ... 3");
    EXPECT_EQ(shown(), kEverything);

    // The waveform sums only the harmonics that exist: -5 ... 3 draws what 0 ... 3 draws, and
    // -5 ... -3 none at all, a flat line on the time axis.
    paste(Form1->Edit13, "0");
    const QImage fromZero = picture();
    EXPECT_TRUE(ran(1, [&] { paste(Form1->Edit13, "-5"); }));
    EXPECT_TRUE(picture() == fromZero);
    EXPECT_TRUE(ran(1, [&] { paste(Form1->Edit14, "-3"); }));
    EXPECT_EQ(countAndRange(), "3: -5 ... -3");
    EXPECT_EQ(waveformInk(picture()), 0);
    EXPECT_EQ(at(picture(), 800, 360), kBlackPixel);
    EXPECT_EQ(Form1->ListBox1->Lines(), kAmplitudesUpTo2);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, EnvelopeOptionGreysOutAndClearsTheFill) {
    activate();
    const auto clickEnvelope = [] {
        QTest::mouseClick(Form1->CheckBox3->checkBox(), Qt::LeftButton);
    };
    // Unticking clears the fill option (its own pass) and then passes.
    EXPECT_TRUE(ran(2, clickEnvelope));
    EXPECT_FALSE(Form1->CheckBox3->GetChecked());
    EXPECT_FALSE(Form1->CheckBox2->GetChecked());
    EXPECT_FALSE(Form1->CheckBox2->GetEnabled());
    EXPECT_EQ(inkIn(picture(), picture().rect(), kEnvelopePixel), 0);

    // Ticking again: the fill option is available but unticked, so the envelope is a curve:
    // 230 - 200 x 0.08493 = 213.01, so it passes row 213 in column 200 and leaves the rows below
    // it white.
    EXPECT_TRUE(ran(1, clickEnvelope));
    EXPECT_FALSE(Form1->CheckBox2->GetChecked());
    EXPECT_TRUE(Form1->CheckBox2->GetEnabled());
    EXPECT_EQ(at(picture(), 200, 213), kEnvelopePixel);
    EXPECT_EQ(at(picture(), 200, 229), kWhitePixel);

    // Filled: column 200 is harmonic 7.5 of 20, where the envelope is about 0.085 V, 17 pixels
    // high, and the fill reaches down to the row above the axis.
    EXPECT_TRUE(ran(1, [] { QTest::mouseClick(Form1->CheckBox2->checkBox(), Qt::LeftButton); }));
    EXPECT_EQ(at(picture(), 200, 229), kEnvelopePixel);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, RangeButtonsOnlySwapTheEnabledRangeFields) {
    activate();
    const QImage before = picture();
    const auto enabled = [] {
        return QList<bool>{Form1->Edit11->GetEnabled(), Form1->Edit12->GetEnabled(),
                           Form1->Edit13->GetEnabled(), Form1->Edit14->GetEnabled()};
    };
    // A click on the checked harmonic range button, or on the greyed frequency range button,
    // changes nothing and runs no pass.
    for (TRadioButton* button : {Form1->RadioButton2, Form1->RadioButton1})
        EXPECT_TRUE(ran(0, [&] { QTest::mouseClick(button->radioButton(), Qt::LeftButton); }));
    EXPECT_TRUE(Form1->RadioButton2->GetChecked());
    EXPECT_FALSE(Form1->RadioButton1->GetChecked());
    EXPECT_EQ(enabled(), QList<bool>({false, false, true, true}));
    EXPECT_TRUE(picture() == before);

    EXPECT_TRUE(ran(0, [] { Form1->RadioButton1->SetChecked(true); }));
    EXPECT_FALSE(Form1->RadioButton2->GetChecked());
    EXPECT_EQ(enabled(), QList<bool>({true, true, false, false}));
    // While the harmonic range is not in force a new count only lowers the upper end (with a
    // pass), then passes; the range is not reset to 1 ... N.
    EXPECT_TRUE(ran(2, [&] { typeOver(Form1->Edit10, "3"); }));
    EXPECT_EQ(countAndRange(), "3: 0 ... 3");

    EXPECT_TRUE(ran(0, [] { Form1->RadioButton2->SetChecked(true); }));
    EXPECT_FALSE(Form1->RadioButton1->GetChecked());
    EXPECT_EQ(enabled(), QList<bool>({false, false, true, true}));
    EXPECT_TRUE(errors.isEmpty());
}
