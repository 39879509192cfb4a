// The live generator: plans handed over from the window's thread while an audio thread pulls
// samples, with no clicks and a clean start and stop.

#include "Pass.h"
#include "SoundGenerator.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <numbers>
#include <thread>

namespace {

using namespace spectrum;

// Low-pitched plans (100 and 200 Hz, harmonics 0 ... 3) whose own steps from one sample to the
// next are small, so that a click stands out.
std::vector<SoundPlan> plans() {
    const std::array<double, 7> packets[] = {{5}, {1}, {2, 3, 1}, {3, 1, 3, 1, 2}, {8}};
    std::vector<SoundPlan> result;
    for (std::size_t i = 0; i < std::size(packets); ++i)
        result.push_back(
            planSound(computePass({{i % 2 ? 10000. : 5000., 500, packets[i]}, 10, 0, 3})));
    return result;
}

// The most a plan's sound alone moves between samples: each harmonic by at most 2 A sin(w / 2),
// 1 V being half of full scale; fading gains add a few steps of 1 / 480 of the level at most.
double ownStep(const SoundPlan& plan) {
    double step = 0.005;
    for (const HeardHarmonic& h : plan.harmonics)
        step += h.amplitude * std::sin(std::numbers::pi * h.k * plan.pitch / 48000);
    return step;
}

double largestOwnStep(const std::vector<SoundPlan>& plans) {
    double step = 0.0;
    for (const SoundPlan& plan : plans)
        step = std::max(step, ownStep(plan));
    return step;
}

double largestStep(const std::vector<float>& samples) {
    double step = 0.0;
    for (std::size_t n = 1; n < samples.size(); ++n)
        step = std::max(step, double(std::abs(samples[n] - samples[n - 1])));
    return step;
}

std::vector<float> rendered(SoundGenerator& generator, std::size_t count, std::size_t piece) {
    std::vector<float> samples(count);
    for (std::size_t start = 0; start < count; start += piece)
        generator.render(std::span(samples).subspan(start, std::min(piece, count - start)));
    return samples;
}

// From silence the window plays the file's samples, however the audio device cuts them; a stop
// fades out to silence within 10 ms, and playing again is a fresh start.
TEST(SoundGenerator, StartsAsTheFileAndStopsWithinItsFade) {
    const SoundPlan plan = plans()[3];
    const std::vector<float> file = soundSamples(plan, 1.0);
    for (const std::size_t piece : {1u, 37u, 256u, 441u, 1024u}) {
        SoundGenerator generator;
        for (int start = 0; start < 2; ++start) {
            EXPECT_TRUE(generator.silent());
            generator.play(plan);
            EXPECT_FALSE(generator.silent());
            std::vector<float> played = rendered(generator, 9000, piece);
            ASSERT_TRUE(std::equal(played.begin(), played.end(), file.begin())) << piece;
            generator.stop();
            const std::vector<float> fading = rendered(generator, 480 + piece, piece);
            EXPECT_TRUE(
                std::all_of(fading.begin() + 480, fading.end(), [](float s) { return s == 0.0f; }));
            played.insert(played.end(), fading.begin(), fading.end());
            EXPECT_LT(largestStep(played), ownStep(plan));
        }
    }
}

// Plans following each other faster than they fade over still change without a jump.
TEST(SoundGenerator, ChangesFasterThanItFadesWithoutAClick) {
    const std::vector<SoundPlan> all = plans();
    SoundGenerator generator;
    std::vector<float> played;
    for (std::size_t i = 0; i < 60; ++i) {
        generator.play(all[i % all.size()]);
        const std::vector<float> more = rendered(generator, 50 + 37 * (i % 13), 64);
        played.insert(played.end(), more.begin(), more.end());
    }
    EXPECT_LT(largestStep(played), largestOwnStep(all));
}

// Plans and stops arrive from another thread, mid-fade as well as after one, while the audio
// thread renders as fast as it can.
TEST(SoundGenerator, HandsOverBetweenThreads) {
    const std::vector<SoundPlan> all = plans();
    SoundGenerator generator;
    std::atomic<bool> done{false};
    double steepest = 0.0; // the audio thread's own until it is joined; NaN or beyond 1: infinite
    std::thread audio([&] {
        std::vector<float> block(64);
        float previous = 0.0f;
        while (!done) {
            generator.render(block);
            for (const float sample : block) {
                const double step =
                    std::abs(sample) <= 1.0f ? std::abs(sample - previous) : INFINITY;
                steepest = std::max(steepest, step);
                previous = sample;
            }
        }
    });
    for (int i = 0; i < 80; ++i) {
        if (i % 7 == 6)
            generator.stop();
        else
            generator.play(all[std::size_t(i) % all.size()]);
        std::this_thread::sleep_for(std::chrono::microseconds(20 + 40 * (i % 11)));
        EXPECT_TRUE(i % 7 == 6 || !generator.silent()) << i; // a plan sounds until stopped
    }
    generator.stop();
    for (int wait = 0; wait < 300 && !generator.silent(); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_TRUE(generator.silent());
    done = true;
    audio.join();
    EXPECT_LT(steepest, largestOwnStep(all));
}

} // namespace
