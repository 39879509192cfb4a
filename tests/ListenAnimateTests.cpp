// "Слушать сигнал" and "Анимация гармоник" on the window: what the sound device is asked to do (a
// recording stand-in replaces the device) and what the menu item says, and the build-up typed step
// by step with each way of stopping it.

#include "SoundOutput.h"
#include "WindowFixture.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QTest>

namespace {

// What the window asked of the device, in order: "open", "play 1000 Hz", "stop", "close".
QStringList deviceLog;

class RecordingSound final : public SoundOutput {
public:
    explicit RecordingSound(QString unavailable) : m_unavailable(std::move(unavailable)) {
        deviceLog << QStringLiteral("open");
    }
    ~RecordingSound() override { deviceLog << QStringLiteral("close"); }
    QString unavailable() const override { return m_unavailable; }
    void play(const spectrum::SoundPlan& plan) override {
        deviceLog << QStringLiteral("play %1 Hz").arg(plan.pitch);
    }
    void stop() override { deviceLog << QStringLiteral("stop"); }

private:
    QString m_unavailable;
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
        perform(QStringLiteral("activate"));
        Form1->Show();
        Form1->widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form1->widget()));
    }
    void TearDown() override {
        WindowTest::TearDown();
        soundOutputFactory() = saved;
    }
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Form1->Edit10->lineEdit(), key, modifiers);
    }
    static QAction* item() { return Form1->listenAction(); }

    SoundOutputFactory saved;
    QString unavailable;
    SoundFailure failure;
};

struct Heard {
    const char* steps;
    const char* text;    // the menu item
    const char* toolTip; // which harmonics are heard
};

class ListenTable : public Listen, public ::testing::WithParamInterface<Heard> {};

} // namespace

// f1 as the window shows it, moved by whole octaves into 20 Hz … 20 kHz; harmonics at or above
// 20 kHz and the constant term are not heard.
TEST_P(ListenTable, ItemSaysWhatIsHeard) {
    play(QString::fromUtf8(GetParam().steps));
    EXPECT_EQ(item()->text().toStdString(), GetParam().text);
    EXPECT_EQ(item()->toolTip().toStdString(), GetParam().toolTip);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(item())->text(QAccessible::Description),
              item()->toolTip());
    EXPECT_TRUE(deviceLog.isEmpty()) << "nothing is loaded before the first use";
}

INSTANTIATE_TEST_SUITE_P(
    SetUps, ListenTable,
    ::testing::Values(
        // 300 µs: f1 = 3.333 kHz, and 6 f1 is 20 kHz, left out
        Heard{"", "Слушать сигнал", "звучат гармоники 1…5 из 20"},
        // 7 µs: 142.9 kHz, three octaves down 17.86 kHz
        Heard{"Edit9=1 Edit8=6", "Слушать сигнал (на 3 октавы ниже)", "звучит гармоника 1 из 20"},
        // 2 µs: 500 kHz, five octaves down 15.6 kHz
        Heard{"Edit9=1 Edit8=1", "Слушать сигнал (на 5 октав ниже)", "звучит гармоника 1 из 20"},
        // 99.9 ms: 10.01 Hz, one octave up 20.02 Hz, all 20 heard
        Heard{"Edit9=999 Edit8=99", "Слушать сигнал (на 1 октаву выше)",
              "звучат гармоники 1…20 из 20"},
        // 3.994 s: 0.25 Hz, seven octaves up 32.05 Hz
        Heard{"Edit9=999 Edit8=999 Edit2=999 Edit3=999 Edit4=999",
              "Слушать сигнал (на 7 октав выше)", "звучат гармоники 1…20 из 20"},
        Heard{"Edit13=3 Edit14=9", "Слушать сигнал", "звучат гармоники 3…5 из 7"},
        Heard{"Edit14=0", "Слушать сигнал", "ни одна гармоника диапазона не звучит"},
        Heard{"Edit2=-9", "Слушать сигнал", "ни одна гармоника диапазона не звучит"}));

TEST_F(Listen, PlaysEveryNewSoundUntilUncheckedAndStopsWhenTheWindowCloses) {
    press(Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(item()->isChecked());
    perform(QStringLiteral("Edit9:250")); // 6, 75 and 750 µs as the digits come
    perform(QStringLiteral("CheckBox1")); // a pass that sounds the same hands nothing over
    press(Qt::Key_L, Qt::ControlModifier);
    perform(QStringLiteral("Edit9:100")); // unchecked: nothing plays
    press(Qt::Key_L, Qt::ControlModifier);
    Application->ReleaseForms();
    EXPECT_EQ(deviceLog.join(u", ").toStdString(),
              "open, play 3333.33 Hz, play 10416.7 Hz, play 13333.3 Hz, play 1333.33 Hz, stop, "
              "play 3333.33 Hz, close");
}

TEST_F(Listen, MissingOrFailingDeviceUnchecksTheItemAndSaysWhy) {
    press(Qt::Key_L, Qt::ControlModifier);
    failure(QStringLiteral("Устройство вывода звука перестало работать"));
    EXPECT_FALSE(item()->isChecked());
    EXPECT_EQ(item()->toolTip().toStdString(), "Устройство вывода звука перестало работать");
    unavailable = QStringLiteral("Нет устройства вывода звука");
    press(Qt::Key_L, Qt::ControlModifier); // the next check tries a device afresh: none is there
    perform(QStringLiteral("Edit9:50"));   // the window works on, the item keeps its reason
    EXPECT_FALSE(item()->isChecked() || item()->isEnabled());
    EXPECT_EQ(item()->toolTip(), unavailable);
    EXPECT_EQ(deviceLog.join(u", ").toStdString(), "open, play 3333.33 Hz, close, open");
}

namespace {

class Animate : public Listen {
protected:
    // Starts the build-up and records what each step leaves: the range, f1 and both lists.
    QStringList run(int steps) {
        press(Qt::Key_F5);
        QStringList seen{state()};
        for (int n = 0; n < steps && Form1->animating(); ++n) {
            Form1->animationStep();
            seen << state();
        }
        return seen;
    }
};

struct Stop {
    const char* name;
    std::function<void()> act;
    const char* after; // the count and range once stopped
};

class StopTable : public Animate, public ::testing::WithParamInterface<Stop> {};

} // namespace

TEST_F(Animate, EachStepIsTheUpperEndTypedAndTheLastEndsIt) {
    play(QStringLiteral("Edit10:5 Edit13:2"));
    const QStringList seen = run(10);
    ASSERT_EQ(seen.size(), 4); // 2 typed by F5 at once, then 3 … 5
    EXPECT_FALSE(Form1->animating());
    for (int k = 2; k <= 5; ++k) {
        perform(QStringLiteral("Edit14:%1").arg(k));
        EXPECT_EQ(seen[k - 2].toStdString(), state().toStdString()) << k;
    }
}

TEST_F(Animate, PaceFitsAWholeBuildUpIntoTwelveSeconds) {
    const struct {
        const char* steps;
        int interval;
    } cases[] = {{"", 400},
                 {"Edit10=30", 400},
                 {"Edit10=31", 387},
                 {"Edit10=200", 60},
                 {"Edit10=200 Edit13=0", 59}}; // 21, 30, 31, 200 and 201 steps
    for (const auto& [steps, interval] : cases) {
        play(QString::fromUtf8(steps));
        press(Qt::Key_F5);
        EXPECT_EQ(Form1->animationInterval(), interval) << steps;
        Form1->stopAnimation();
    }
}

TEST_P(StopTable, StopsWhereItIsAndTheKeyOrClickCountsOnce) {
    press(Qt::Key_F5);
    Form1->animationStep();
    Form1->animationStep(); // the range is 0 … 2
    GetParam().act();
    EXPECT_FALSE(Form1->animating());
    Form1->animationStep(); // a late tick of the timer changes nothing
    EXPECT_EQ(summary().section(u'|', 2, 2).trimmed().toStdString(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, StopTable,
    ::testing::Values(
        Stop{"F5", [] { QTest::keyClick(Form1->Edit10->lineEdit(), Qt::Key_F5); }, "20*: 0..2"},
        Stop{"Esc", [] { QTest::keyClick(Form1->Edit10->lineEdit(), Qt::Key_Escape); },
             "20*: 0..2"},
        Stop{"click", [] { perform(QStringLiteral("click")); }, "20*: 0..2"},
        // Typed after the "0": once gives 2, twice would give 22, clamped to 20.
        Stop{"digit", [] { QTest::keyClick(Form1->Edit13->lineEdit(), Qt::Key_2); }, "20*: 2..2"},
        Stop{"menu", [] { Form1->toggleAnimation(); }, "20*: 0..2"}),
    [](const auto& info) { return std::string(info.param.name); });
