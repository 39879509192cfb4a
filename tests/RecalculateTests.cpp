// The recalculation pass on the real window: fundamental frequency, lists, repeatability and the
// error path.

#include "Recalculate.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTest>

namespace {

// Puts a text into a field without its change handler, as if it had changed behind its back.
void setSilently(TEdit* field, const QString& text) {
    const QSignalBlocker block(field->lineEdit());
    field->SetText(text);
}

// A click on the free client area, delivered as the event loop delivers it.
void clickFreeArea() {
    QTest::mouseClick(Form1->widget(), Qt::LeftButton, {}, QPoint(600, 100));
}

void setCheckedSilently(TCheckBox* box, bool checked) {
    const QSignalBlocker block(box->checkBox());
    box->SetChecked(checked);
}

} // namespace

TEST_F(WindowTest, FirstPassShowsFrequencyAndTheSignificantHarmonics) {
    EXPECT_EQ(Form1->f1->GetText(), "1");
    activate();
    EXPECT_EQ(Form1->f1->GetText(), "3.33333333333333");
    const QStringList amplitudes = Form1->ListBox1->Lines();
    const QStringList phases = Form1->ListBox2->Lines();
    ASSERT_EQ(amplitudes.size(), 15);
    ASSERT_EQ(phases.size(), 15);
    EXPECT_EQ(amplitudes.mid(0, 5),
              QStringList({"0 = 333", "1 = 551", "2 = 275", "4 = 137", "5 = 110"}));
    EXPECT_EQ(phases.mid(0, 5), QStringList({"0 = 90", "1 = 30", "2 = -29", "4 = 30", "5 = -29"}));
    // Harmonics 3, 6, ..., 18 are negligible and left out; the lines pair up by harmonic.
    const int listed[] = {0, 1, 2, 4, 5, 7, 8, 10, 11, 13, 14, 16, 17, 19, 20};
    for (int line = 0; line < 15; ++line) {
        const QString prefix = QString::number(listed[line]) + " = ";
        EXPECT_TRUE(amplitudes[line].startsWith(prefix)) << amplitudes[line].toStdString();
        EXPECT_TRUE(phases[line].startsWith(prefix)) << phases[line].toStdString();
    }
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, ShowAllListsNegligibleHarmonicsWithBracketedPhases) {
    setCheckedSilently(Form1->CheckBox1, true);
    activate();
    const QStringList amplitudes = Form1->ListBox1->Lines();
    const QStringList phases = Form1->ListBox2->Lines();
    ASSERT_EQ(amplitudes.size(), 21);
    ASSERT_EQ(phases.size(), 21);
    for (int k = 0; k <= 20; ++k) {
        const QString number = QString::number(k);
        if (k % 3 == 0 && k > 0) {
            EXPECT_EQ(amplitudes[k], number + " = 0");
            EXPECT_EQ(phases[k], number + " = (-89)");
        } else {
            EXPECT_FALSE(phases[k].contains('(')) << k;
        }
    }
    // Ticking show-all changes which lines appear, never the values of the significant ones.
    EXPECT_EQ(amplitudes[1], "1 = 551");
    EXPECT_EQ(phases[2], "2 = -29");
}

TEST_F(WindowTest, FrequencyUsesTheLocaleDecimalSeparator) {
    SetDecimalSeparator(u',');
    activate();
    EXPECT_EQ(Form1->f1->GetText(), "3,33333333333333");
    SetDecimalSeparator(u'.');
}

TEST_F(WindowTest, TwoPassesOnUnchangedControlsAreIdentical) {
    activate();
    const QString frequency = Form1->f1->GetText();
    const QStringList amplitudes = Form1->ListBox1->Lines();
    const QStringList phases = Form1->ListBox2->Lines();
    const QImage picture = canvas();
    const auto passes = PassCount();
    activate();
    EXPECT_EQ(PassCount(), passes + 1);
    EXPECT_EQ(Form1->f1->GetText(), frequency);
    EXPECT_EQ(Form1->ListBox1->Lines(), amplitudes);
    EXPECT_EQ(Form1->ListBox2->Lines(), phases);
    EXPECT_EQ(canvas(), picture);
}

TEST_F(WindowTest, SingleHarmonicListsHarmonicsZeroAndOne) {
    setSilently(Form1->Edit10, "1");
    setSilently(Form1->Edit14, "1");
    activate();
    EXPECT_EQ(Form1->ListBox1->Lines(), QStringList({"0 = 333", "1 = 551"}));
    EXPECT_EQ(Form1->ListBox2->Lines(), QStringList({"0 = 90", "1 = 30"}));
}

TEST_F(WindowTest, PeriodCaptionIsUsedEvenWhenItDisagreesWithTheFields) {
    // The pass takes the period from l_period, whatever the fields say.
    Form1->l_period->SetText("600");
    activate();
    EXPECT_EQ(Form1->f1->GetText(), "1.66666666666667");
    // One pulse of a sixth of the period: a0 = 1/6, so "0 = 166".
    EXPECT_EQ(Form1->ListBox1->Line(0), "0 = 166");
}

TEST_F(WindowTest, ConversionErrorEndsThePassAndKeepsWhatWasWritten) {
    activate();
    const QStringList amplitudes = Form1->ListBox1->Lines();
    const QImage picture = canvas();

    // A count that is not a number: f1 is written (step before), nothing is erased or listed.
    Form1->f1->SetText("x");
    setSilently(Form1->Edit10, "abc");
    clickFreeArea();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.front().contains("abc"));
    EXPECT_EQ(Form1->f1->GetText(), "3.33333333333333");
    EXPECT_EQ(Form1->ListBox1->Lines(), amplitudes);
    EXPECT_EQ(canvas(), picture);

    // A range end that is not a number: everything up to the markers is drawn, the waveform not.
    setSilently(Form1->Edit10, "20");
    setSilently(Form1->Edit13, "x1");
    Form1->ListBox1->Clear();
    errors.clear();
    clickFreeArea();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(Form1->ListBox1->Lines(), amplitudes);
    EXPECT_EQ(pixel(693, 300), kMarkerPixel);
    EXPECT_NE(pixel(600, 260), kBlackPixel); // where the rebuilt pulse would stand
    for (int x = 561; x < 950; ++x) // nothing just above the time axis, left of its arrowhead
        EXPECT_NE(pixel(x, 359), kBlackPixel) << x;

    // The next usable input brings the whole picture back.
    setSilently(Form1->Edit13, "0");
    errors.clear();
    activate();
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(canvas(), picture);
}

TEST_F(WindowTest, ShownWindowRunsItsFirstPassAndClicksRunAgain) {
    const auto passes = PassCount();
    Form1->Show();
    QTest::qWait(50);
    EXPECT_GT(PassCount(), passes);
    EXPECT_EQ(Form1->ListBox1->Count(), 15);

    const auto afterShow = PassCount();
    QTest::mouseClick(Form1->widget(), Qt::LeftButton, {}, QPoint(300, 100));
    EXPECT_EQ(PassCount(), afterShow + 1);
    QTest::mouseClick(Form1->Label12->widget(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(PassCount(), afterShow + 1);
}

TEST_F(WindowTest, PictureSurvivesBeingExposedAgain) {
    Form1->Show();
    QTest::qWait(50);
    activate();
    const QImage before = Form1->widget()->grab().toImage();
    Form1->widget()->hide();
    Form1->widget()->show();
    Form1->widget()->repaint();
    const QImage after = Form1->widget()->grab().toImage();
    EXPECT_EQ(before.pixel(70, 150), after.pixel(70, 150));
    EXPECT_EQ(after.pixel(70, 150) & 0xffffffu, kAmplitudeStemPixel);
}

TEST_F(WindowTest, OneRepaintPerKeystrokeWhateverTheNestedPasses) {
    // Counts the window's paint events.
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    Form1->Show();
    QTest::qWait(50);
    Form1->widget()->installEventFilter(&counter);

    // A new count runs its own pass and the passes of the range it resets.
    const auto passes = PassCount();
    typeOver(Form1->Edit10, "7");
    QCoreApplication::processEvents();
    EXPECT_GE(PassCount() - passes, 2u);
    EXPECT_EQ(counter.paints, 1);
}
