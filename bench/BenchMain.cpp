// Runs the benchmarks, measures start-up and memory against a bare Qt window, and ends with the
// figures a script reads.
#include "Application.h"
#include "Conversions.h"
#include "Limits.h"
#include "StartupMeasure.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

// Keeps the mean real time of every benchmark, in microseconds.
class FigureReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration)
                continue;
            microseconds[run.benchmark_name()] =
                run.GetAdjustedRealTime() * 1e6 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            for (const auto& [name, counter] : run.counters)
                counters[run.benchmark_name() + ":" + name] = counter.value;
        }
    }

    std::map<std::string, double> microseconds;
    std::map<std::string, double> counters;
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    Application->Initialize(argc, argv);
    SetDecimalSeparator(u'.');

    FigureReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    Application->Shutdown();

    const StartupFigures startup = MeasureStartup(TOVENAL_STARTUP_PROBE, TOVENAL_BARE_QT, 15);
    const double exportMs = MeasureExportMs(TOVENAL_PROGRAM, 15);
    std::printf(
        "\nstart-up to first picture on %s: %.1f ms (bare Qt window %.1f ms), median of %d\n",
        startup.platform, startup.programMs, startup.bareMs, startup.runs);
    std::printf("peak resident memory: %.1f MB (bare Qt window %.1f MB)\n", startup.programMb,
                startup.bareMb);

    const auto& us = reporter.microseconds;
    const auto at = [&us](const std::string& name) {
        const auto found = us.find(name);
        return found == us.end() ? 0.0 : found->second;
    };
    // The pass at the most harmonics the count holds, the envelope filled.
    const std::string dearestPass =
        "BM_Pass/N:" + std::to_string(spectrum::kMaxHarmonics) + "/envelope:0";
    std::printf("passes per keystroke N=200: %.0f\n",
                reporter.counters["BM_KeystrokeToCount200:passes"]);
    std::printf("maths/floor ratio: %.3f\n", at("BM_PassMaths") / at("BM_PassMathsFloor"));
    std::printf("pass N=200 ms: %.3f\n", at(dearestPass) / 1000);
    std::printf("keystroke N=200 ms: %.3f\n", at("BM_KeystrokeToCount200") / 1000);
    std::printf("startup/bare-qt ratio: %.3f\n", startup.programMs / startup.bareMs);
    std::printf("memory/bare-qt ratio: %.3f\n", startup.programMb / startup.bareMb);
    std::printf("export png ms: %.1f\n", exportMs);
    std::printf("export/bare-qt ratio: %.3f\n", exportMs / startup.bareMs);
    // Processor time per second of sound, in per cent of one core.
    std::printf("sound cpu %%: %.2f\n", at("BM_SoundSecond") / 1000 / 10);
    std::printf("sound synth ms: %.4f\n", at("BM_SoundSynth") / 1000);
    std::printf("sound synth/pass ratio: %.3f\n", at("BM_SoundSynth") / at(dearestPass));
    std::printf("export gif ms: %.0f\n", at("BM_ExportGif/iterations:3") / 1000);
    std::printf("gif/pass ratio: %.2f\n",
                at("BM_ExportGif/iterations:3") / at("BM_BuildUpPasses/iterations:3"));
    std::printf("gif bytes N=200: %.0f\n", reporter.counters["BM_ExportGif/iterations:3:bytes"]);
    std::printf("present 1080p ms: %.3f\n", at("BM_Present1080p") / 1000);
    std::printf("present/pass ratio: %.2f\n", at("BM_Present1080p") / at(dearestPass));
    std::printf("compute pass N=200 ms: %.3f\n", at("BM_ComputePass200") / 1000);
    std::printf("measures/pass ratio: %.3f\n",
                at("BM_MeasuresWindowPacket") / at("BM_ComputePass200"));
    std::printf("measures worst ms: %.3f\n", at("BM_MeasuresNarrowestPulse") / 1000);
    std::printf("measures worst k99: %.0f\n", reporter.counters["BM_MeasuresNarrowestPulse:k99"]);
    return 0;
}
