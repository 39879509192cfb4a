// "Слушать сигнал" and "Анимация гармоник" on the window: what a recording stand-in for the sound
// device is asked to do, what the item says when there is none (what it says of the sound is in the
// screen reader's transcript), and the build-up typed step by step, with each way of stopping it.

#include "PresentationWindow.h"
#include "SoundOutput.h"
#include "WindowFixture.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// What the window asked of the device, in order: "open", "play 1000 Hz", "stop", "close".
QStringList deviceLog;

struct RecordingSound final : SoundOutput {
    explicit RecordingSound(QString reason) : reason(std::move(reason)) { deviceLog << u"open"_s; }
    ~RecordingSound() override { deviceLog << u"close"_s; }
    QString unavailable() const override { return reason; }
    void play(const spectrum::SoundPlan& plan) override {
        deviceLog << u"play %1 Hz"_s.arg(plan.pitch);
    }
    void stop() override { deviceLog << u"stop"_s; }
    QString reason;
};

class Listen : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        deviceLog.clear();
        saved = soundOutputFactory();
        soundOutputFactory() = [this](SoundFailure onFailure) {
            failure = std::move(onFailure);
            return std::make_unique<RecordingSound>(unavailable);
        };
        showActive();
    }
    void TearDown() override {
        WindowTest::TearDown();
        soundOutputFactory() = saved;
    }
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Form1->Edit10->lineEdit(), key, modifiers);
    }
    static QAction* item() { return listenItem(); }

    SoundOutputFactory saved;
    QString unavailable;
    SoundFailure failure;
};

} // namespace

TEST_F(Listen, PlaysEveryNewSoundUntilUncheckedAndStopsWhenTheWindowCloses) {
    EXPECT_TRUE(deviceLog.isEmpty()) << "the device is loaded before its first use";
    press(Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(item()->isChecked());
    perform(u"Edit9:250"_s); // 6, 75 and 750 µs as the digits come
    perform(u"CheckBox1"_s); // a pass that sounds the same hands nothing over
    press(Qt::Key_L, Qt::ControlModifier);
    perform(u"Edit9:100"_s); // unchecked: nothing plays
    press(Qt::Key_L, Qt::ControlModifier);
    Application->ReleaseForms();
    EXPECT_EQ(deviceLog.join(u", ").toStdString(),
              "open, play 3333.33 Hz, play 10416.7 Hz, play 13333.3 Hz, play 1333.33 Hz, stop, "
              "play 3333.33 Hz, close");
}

TEST_F(Listen, MissingOrFailingDeviceUnchecksTheItemAndSaysWhy) {
    press(Qt::Key_L, Qt::ControlModifier);
    failure(u"Устройство вывода звука перестало работать"_s);
    EXPECT_FALSE(item()->isChecked());
    EXPECT_EQ(item()->toolTip().toStdString(), "Устройство вывода звука перестало работать");
    unavailable = u"Нет устройства вывода звука"_s;
    press(Qt::Key_L, Qt::ControlModifier); // the next check tries a device afresh: none is there
    perform(u"Edit9:50"_s);                // the window works on, the item keeps its reason
    EXPECT_FALSE(item()->isChecked() || item()->isEnabled());
    EXPECT_EQ(item()->toolTip(), unavailable);
    EXPECT_EQ(deviceLog.join(u", ").toStdString(), "open, play 3333.33 Hz, close, open");
}

namespace {

class Animate : public Listen {};

struct Stop {
    const char* name;
    std::function<void()> act;
    const char* after; // the count and range once stopped
};

class StopTable : public Animate, public ::testing::WithParamInterface<Stop> {};

} // namespace

// F5 types the lower end at once, then each step the next upper end, as the user would type it:
// the range, f1 and both lists are those typing gives, and the last step ends the build-up.
TEST_F(Animate, EachStepIsTheUpperEndTypedAndTheLastEndsIt) {
    play(u"Edit10:5 Edit13:2"_s);
    press(Qt::Key_F5);
    QStringList seen{state()};
    for (int n = 0; n < 10 && buildUp().running(); ++n) {
        buildUp().step();
        seen << state();
    }
    ASSERT_EQ(seen.size(), 4);
    for (int k = 2; k <= 5; ++k) {
        perform(u"Edit14:%1"_s.arg(k));
        EXPECT_EQ(seen[k - 2].toStdString(), state().toStdString()) << k;
    }
}

TEST_F(Animate, PaceFitsAWholeBuildUpIntoTwelveSeconds) {
    const std::pair<const char*, int> cases[] = {{"", 400}, // 21, 30, 31, 200 and 201 steps
                                                 {"Edit10=30", 400},
                                                 {"Edit10=31", 387},
                                                 {"Edit10=200", 60},
                                                 {"Edit10=200 Edit13=0", 59}};
    for (const auto& [steps, interval] : cases) {
        play(QString::fromUtf8(steps));
        press(Qt::Key_F5);
        EXPECT_EQ(buildUp().interval(), interval) << steps;
        buildUp().stop();
    }
}

TEST_P(StopTable, StopsWhereItIsAndTheKeyOrClickCountsOnce) {
    press(Qt::Key_F5);
    buildUp().step();
    buildUp().step(); // the range is 0 … 2
    GetParam().act();
    EXPECT_FALSE(buildUp().running());
    buildUp().step(); // a late tick of the timer changes nothing
    EXPECT_EQ(summary().section(u'|', 2, 2).trimmed().toStdString(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, StopTable,
    ::testing::Values(
        Stop{"F5", [] { QTest::keyClick(Form1->Edit10->lineEdit(), Qt::Key_F5); }, "20*: 0..2"},
        Stop{"Esc", [] { QTest::keyClick(Form1->Edit10->lineEdit(), Qt::Key_Escape); },
             "20*: 0..2"},
        Stop{"click", [] { perform(u"click"_s); }, "20*: 0..2"},
        // Typed after the "0": once gives 2, twice would give 22, clamped to 20.
        Stop{"digit", [] { QTest::keyClick(Form1->Edit13->lineEdit(), Qt::Key_2); }, "20*: 2..2"},
        Stop{"menu", [] { buildUp().toggle(); }, "20*: 0..2"}),
    [](const auto& info) { return std::string(info.param.name); });

namespace {

// A key pressed in the presentation, and the range it leaves in the main window.
struct PresentKey {
    const char* start;
    Qt::Key key;
    const char* range;
};

class Present : public Animate, public ::testing::WithParamInterface<PresentKey> {
protected:
    static QWidget* presentation() {
        return Form1->widget()->findChild<PresentationWindow*>()->window();
    }
};

} // namespace

// As if pressed in the range's upper end: its limits (the lower end, the count) and its handler.
TEST_P(Present, KeysActOnTheMainWindowsFieldsAndEscReturns) {
    play(QString::fromUtf8(GetParam().start));
    press(Qt::Key_F11);
    ASSERT_TRUE(presentation() && presentation()->isVisible());
    EXPECT_TRUE(Form1->passes().latest().measures); // its headline measures
    QTest::keyClick(presentation(), GetParam().key);
    EXPECT_EQ(summary().section(u'|', 2, 2).trimmed().toStdString(), GetParam().range);
    // While the build-up runs, Esc only stops it; then Esc returns to the main window.
    // F5 as a plain key press, as where the window system has not made the presentation active.
    QKeyEvent f5(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier);
    QCoreApplication::sendEvent(presentation(), &f5);
    EXPECT_TRUE(buildUp().running());
    QTest::keyClick(presentation(), Qt::Key_Escape);
    EXPECT_FALSE(buildUp().running());
    EXPECT_TRUE(presentation()->isVisible());
    QTest::keyClick(presentation(), Qt::Key_Escape);
    EXPECT_FALSE(presentation()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Keys, Present,
                         ::testing::Values(PresentKey{"Edit14=10", Qt::Key_Up, "20*: 0..11"},
                                           PresentKey{"Edit14=10", Qt::Key_Down, "20*: 0..9"},
                                           PresentKey{"Edit14=10", Qt::Key_PageUp, "20*: 0..20"},
                                           PresentKey{"Edit14=3", Qt::Key_PageUp, "20*: 0..13"},
                                           PresentKey{"Edit13=5 Edit14=8", Qt::Key_PageDown,
                                                      "20*: 5..5"},
                                           PresentKey{"", Qt::Key_Up, "20: 0..20"},
                                           PresentKey{"", Qt::Key_Left, "20: 0..20"}));
