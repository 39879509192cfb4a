// The packet's measures against the pass they sit beside: on the window's packet, and on the
// dearest packet, the narrowest pulse in the longest period, whose bandwidth for 99 % runs to
// tens of thousands of harmonics.

#include "Measures.h"
#include "Pass.h"

#include <benchmark/benchmark.h>

namespace {

// The pass alone, as the window computes it at N = 200 with the range 1 ... 200.
void BM_ComputePass200(benchmark::State& state) {
    spectrum::PassInput input;
    input.packet = {300, 100, {1, 0, 0, 0, 0, 0, 0}};
    input.harmonics = 200;
    input.rangeFrom = 1;
    input.rangeTo = 200;
    input.envelope = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(spectrum::computePass(input));
}
BENCHMARK(BM_ComputePass200)->Unit(benchmark::kMicrosecond);

void BM_MeasuresWindowPacket(benchmark::State& state) {
    const spectrum::MeasuresInput input{{1, 0, 0, 0, 0, 0, 0, 2}, 100, 200, 1, 200};
    for (auto _ : state)
        benchmark::DoNotOptimize(spectrum::computeMeasures(input));
}
BENCHMARK(BM_MeasuresWindowPacket)->Unit(benchmark::kMicrosecond);

void BM_MeasuresNarrowestPulse(benchmark::State& state) {
    const spectrum::MeasuresInput input{{1, 999, 0, 999, 0, 999, 0, 999}, 999, 200, 0, 200};
    for (auto _ : state)
        benchmark::DoNotOptimize(spectrum::computeMeasures(input));
    state.counters["k99"] =
        static_cast<double>(spectrum::computeMeasures(input).bandwidths.back().k);
}
BENCHMARK(BM_MeasuresNarrowestPulse)->Unit(benchmark::kMicrosecond);

} // namespace
