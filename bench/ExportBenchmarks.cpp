// The sound and the build-up: preparing and playing the sound of a pass, and writing the GIF of a
// whole build-up against the passes it draws.
#include "BuildUp.h"
#include "BuildUpGif.h"
#include "Export.h"
#include "Limits.h"
#include "Sound.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// The dearest sound: a narrow pulse at f1 = 50 Hz (the longest unit time), all 200 harmonics
// below 20 kHz.
Setup lowestPitch() {
    Setup setup;
    setup.packet = {1, 0, 0, 0, 0, 0, 0, 19};
    setup.unitTime = spectrum::kMaxUnitTime;
    setup.harmonics = spectrum::kMaxHarmonics;
    setup.rangeFrom = 0;
    setup.rangeTo = spectrum::kMaxHarmonics;
    return setup;
}

void BM_SoundSynth(benchmark::State& state) {
    const spectrum::PassResult pass = spectrum::computePass(passInputOf(lowestPitch()));
    for (auto _ : state) {
        spectrum::SoundOscillator oscillator(spectrum::planSound(pass));
        benchmark::DoNotOptimize(oscillator);
    }
}
BENCHMARK(BM_SoundSynth)->Unit(benchmark::kMicrosecond);

// One second of sound, rendered in the device's pieces.
void BM_SoundSecond(benchmark::State& state) {
    const spectrum::PassResult pass = spectrum::computePass(passInputOf(lowestPitch()));
    spectrum::SoundOscillator oscillator(spectrum::planSound(pass));
    std::vector<double> piece(480);
    state.counters["harmonics"] = static_cast<double>(spectrum::planSound(pass).harmonics.size());
    for (auto _ : state)
        for (int n = 0; n < spectrum::kSoundSampleRate / 480; ++n)
            oscillator.render(piece);
}
BENCHMARK(BM_SoundSecond)->Unit(benchmark::kMillisecond);

Setup buildUp200() {
    Setup setup;
    setup.harmonics = spectrum::kMaxHarmonics;
    setup.rangeFrom = 0;
    setup.rangeTo = spectrum::kMaxHarmonics;
    return setup;
}

void BM_ExportGif(benchmark::State& state) {
    for (auto _ : state) {
        const auto bytes =
            buildUpGif(buildUp200(), {}, spectrum::kBuildUpStepMilliseconds, nullptr);
        state.counters["bytes"] = bytes ? static_cast<double>(bytes->size()) : 0;
    }
}
BENCHMARK(BM_ExportGif)->Unit(benchmark::kMillisecond)->Iterations(3);

// The 201 pictures alone, as 201 passes draw them.
void BM_BuildUpPasses(benchmark::State& state) {
    const spectrum::PassInput input = passInputOf(buildUp200());
    for (auto _ : state)
        for (int k = 0; k <= spectrum::kMaxHarmonics; ++k)
            benchmark::DoNotOptimize(
                pictureOf(spectrum::computePass(spectrum::buildUpFrame(input, k)), true));
}
BENCHMARK(BM_BuildUpPasses)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
