// The input rules as a table: from a starting state, one step gives the field texts, selection,
// l_period, count, range and options; and seeded random sessions play what the table does not.

#include "WindowFixture.h"

#include "EventDispatch.h"

#include <QTest>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// After the first activation: the start, one step, and the summary it leaves.
const StepRow kRules[] = {
    // Packet fields: at most 999, canonical, 0 and 999 selected where a digit should replace them.
    {"", "Edit3:1500", "1 0 999* 0 0 0 0 2 100 | 100200 | 20: 0..20 | o x x"},
    {"Edit2=7", "Edit2:", "1 0* 0 0 0 0 0 2 100 | 300 | 20: 0..20 | o x x"},
    {"Edit2=7 Edit2:", "Edit2+5", "1 5 0 0 0 0 0 2 100 | 800 | 20: 0..20 | o x x"},
    {"Edit1=8", "Edit1:", "1 0 0 0 0 0 0 2 100 | 300 | 20: 0..20 | o x x"},
    {"Edit8=7", "Edit8:q", "1 0 0 0 0 0 0 1 100 | 200 | 20: 0..20 | o x x"},
    {"", "Edit9:0", "1 0 0 0 0 0 0 2 1 | 3 | 20: 0..20 | o x x"},
    {"Edit6:x", "Edit5= 007", "1 0 0 0 7 0* 0 2 100 | 1000 | 20: 0..20 | o x x"},
    {"Edit4=12345678901", "Edit5=2147483648", "1 0 0 0* 0* 0 0 2 100 | 300 | 20: 0..20 | o x x"},
    {"Edit2=-2147483648", "Edit3=-2147483648",
     "1 -2147483648 -2147483648 0 0 0 0 2 100 | -429496729300 | 20: 0..20 | o x x"},
    // The count: 0 and text become 1, at most 200, and a new count resets the range to 1 ... N.
    {"", "Edit10:3", "1 0 0 0 0 0 0 2 100 | 300 | 3*: 1..3 | o x x"},
    {"", "Edit10:35", "1 0 0 0 0 0 0 2 100 | 300 | 5*: 1..5 | o x x"},
    {"", "Edit10:", "1 0 0 0 0 0 0 2 100 | 300 | 1*: 1..1 | o x x"},
    {"Edit10=20", "Edit10:0", "1 0 0 0 0 0 0 2 100 | 300 | 1*: 1..1 | o x x"},
    {"", "Edit10=250", "1 0 0 0 0 0 0 2 100 | 300 | 200*: 1..200 | o x x"},
    {"", "Edit10=-5", "1 0 0 0 0 0 0 2 100 | 300 | -5*: -5..-5 | o x x"},
    // The range: within the count and in order; every run of the upper end selects the count.
    {"", "Edit14:30", "1 0 0 0 0 0 0 2 100 | 300 | 20*: 0..20 | o x x"},
    {"Edit14=10", "Edit13:25", "1 0 0 0 0 0 0 2 100 | 300 | 20*: 20..20 | o x x"},
    {"Edit13=1", "Edit14:", "1 0 0 0 0 0 0 2 100 | 300 | 20*: 1..1 | o x x"},
    {"Edit13=-3", "Edit14:", "1 0 0 0 0 0 0 2 100 | 300 | 20*: -3..-3 | o x x"},
    {"Edit14=5 Edit10@0", "Edit13:", "1 0 0 0 0 0 0 2 100 | 300 | 20: 0..5 | o x x"},
    // While the frequency range is in force a new count only lowers the harmonic range.
    {"RadioButton1=1 Edit10=3", "Edit10=5", "1 0 0 0 0 0 0 2 100 | 300 | 5: (0..3) | o x x"},
    {"RadioButton1=1", "RadioButton2=1", "1 0 0 0 0 0 0 2 100 | 300 | 20: 0..20 | o x x"},
    // "Огибающая" clears "залить" and greys it while the envelope is off.
    {"", "CheckBox3", "1 0 0 0 0 0 0 2 100 | 300 | 20: 0..20 | o (o) o"},
    {"CheckBox3", "CheckBox3", "1 0 0 0 0 0 0 2 100 | 300 | 20: 0..20 | o o x"},
    {"", "RadioButton1", "1 0 0 0 0 0 0 2 100 | 300 | 20: 0..20 | o x x"},
};

class InputRules : public WindowTest, public ::testing::WithParamInterface<StepRow> {};

} // namespace

TEST_P(InputRules, CorrectTheFieldsInPlace) {
    play(QStringLiteral("activate ") + QString::fromUtf8(GetParam().start));
    EventDispatch::resetMaxHandlerDepth();
    perform(QString::fromUtf8(GetParam().action));
    EXPECT_EQ(summary().toStdString(), GetParam().expected);
    EXPECT_LE(EventDispatch::maxHandlerDepth(), kMaxHandlerNesting);
}

INSTANTIATE_TEST_SUITE_P(Table, InputRules, ::testing::ValuesIn(kRules));

TEST_F(WindowTest, OneRepaintPerEventWhateverTheNestedPasses) {
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
    perform(QStringLiteral("Edit10:7")); // its own pass, and the passes of the range it resets
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);
}

// Three short sessions, or one of TOVENAL_DRIVER_ACTIONS steps from TOVENAL_DRIVER_SEED.
TEST(RandomDriver, InvariantsHoldOverSeededSessions) {
    const int actions = qEnvironmentVariableIntValue("TOVENAL_DRIVER_ACTIONS");
    std::vector<std::uint64_t> seeds = {1, 2, 3};
    if (actions > 0)
        seeds = {qEnvironmentVariable("TOVENAL_DRIVER_SEED", u"20261206"_s).toULongLong()};
    for (const std::uint64_t seed : seeds) {
        const DriverResult result = playRandomSession(seed, actions > 0 ? actions : 700);
        EXPECT_TRUE(result.failure.empty())
            << "seed " << seed << ": " << result.failure << " after\n"
            << result.prefix.join(u'\n').toStdString();
        EXPECT_GE(result.deepestNesting, 3) << "nested runs never happened";
    }
}
