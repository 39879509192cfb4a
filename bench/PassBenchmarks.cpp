// Timings of one pass, of its maths against the floor of its library calls, and of a keystroke.

#include "BenchSupport.h"
#include "Coefficients.h"
#include "EventDispatch.h"
#include "Export.h"
#include "Limits.h"
#include "PassPublisher.h"
#include "Tovenal_unit.h"
#include "VectorState.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTest>
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

using namespace spectrum;

namespace {

enum class Envelope { Filled, Curve, Off };

void setSilently(TEdit* field, const QString& text) {
    const QSignalBlocker block(field->lineEdit());
    field->SetText(text);
}

// The window as after start-up, with N harmonics, range 1 ... N and the given envelope.
void prepareWindow(int N, Envelope envelope) {
    Application->ReleaseForms();
    Application->CreateForm(Form1);
    setSilently(Form1->Edit10, QString::number(N));
    setSilently(Form1->Edit13, QStringLiteral("1"));
    setSilently(Form1->Edit14, QString::number(N));
    const QSignalBlocker blockFill(Form1->CheckBox2->checkBox());
    const QSignalBlocker blockEnvelope(Form1->CheckBox3->checkBox());
    Form1->CheckBox2->SetChecked(envelope == Envelope::Filled);
    Form1->CheckBox3->SetChecked(envelope != Envelope::Off);
    Form1->Recalculate();
}

void BM_Pass(benchmark::State& state) {
    prepareWindow(static_cast<int>(state.range(0)), static_cast<Envelope>(state.range(1)));
    for (auto _ : state)
        Form1->Recalculate();
    state.SetLabel(state.range(1) == 0   ? "envelope filled"
                   : state.range(1) == 1 ? "envelope curve"
                                         : "envelope off");
}
BENCHMARK(BM_Pass)
    ->ArgsProduct({{kHarmonicsRule.initial, kMaxHarmonics}, {0, 1, 2}})
    ->ArgNames({"N", "envelope"})
    ->Unit(benchmark::kMicrosecond);

// The packet of the window's start, at N = 200 with the range 1 ... 200.
struct MathsInput {
    int N = kMaxHarmonics;
    PacketTiming timing = computeTiming(passInputOf(::Setup{}).packet);
    double S = envelopeScale(N, timing.T);
};

// Everything the pass computes with sin, cos, atan2 and sqrt: table, amplitudes and phases,
// 400 envelope points, 401 waveform samples over harmonics 1 ... N.
double passMaths(const MathsInput& input, std::vector<CoefPair>& table,
                 std::vector<HarmonicLine>& lines) {
    double sink = 0;
    for (int i = 1; i <= 400; ++i) {
        const CoefPair point = envelopePoint(i, input.timing, input.S);
        sink += Amplitude(point.b, point.a);
    }
    fillCoefficients(table, input.N, input.timing);
    for (int k = 0; k <= input.N; ++k)
        lines[static_cast<std::size_t>(k)] = {Amplitude(table[k].b, table[k].a),
                                              Phase(table[k].b, table[k].a)};
    sink += WaveformSum(table, lines, 1, input.N);
    return sink;
}

void BM_PassMaths(benchmark::State& state) {
    const MathsInput input;
    std::vector<CoefPair> table(input.N + 2);
    std::vector<HarmonicLine> lines(input.N + 1);
    clearUpperVectorState();
    for (auto _ : state)
        benchmark::DoNotOptimize(passMaths(input, table, lines));
}
BENCHMARK(BM_PassMaths)->Unit(benchmark::kMicrosecond);

void BM_PassMathsFloor(benchmark::State& state) {
    const MathsInput input;
    std::vector<CoefPair> table(input.N + 2);
    std::vector<HarmonicLine> lines(input.N + 1);
    passMaths(input, table, lines);
    const LibraryCalls calls = RecordLibraryCalls(input.timing, input.S, input.N, lines);
    clearUpperVectorState();
    for (auto _ : state)
        benchmark::DoNotOptimize(calls.replay());
    state.counters["calls"] = static_cast<double>(calls.count());
}
BENCHMARK(BM_PassMathsFloor)->Unit(benchmark::kMicrosecond);

// A keystroke that makes the count 200 ("20" and then "0"), with every nested pass it runs.
void BM_KeystrokeToCount200(benchmark::State& state) {
    prepareWindow(20, Envelope::Filled);
    setSilently(Form1->Edit14, QStringLiteral("20"));
    Form1->Show();
    QLineEdit* count = Form1->Edit10->lineEdit();
    unsigned long long passes = 0;
    for (auto _ : state) {
        const auto before = Form1->passes().count();
        QTest::keyClick(count, Qt::Key_0);
        QCoreApplication::processEvents();
        passes = Form1->passes().count() - before;
        state.PauseTiming();
        count->setCursorPosition(3);
        QTest::keyClick(count, Qt::Key_Backspace);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["passes"] = static_cast<double>(passes);
}
BENCHMARK(BM_KeystrokeToCount200)->Unit(benchmark::kMicrosecond);

} // namespace
