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
// next are small, so that a click stands out; and the most any of them moves alone: 2 A sin(w / 2)
// a harmonic, 1 V being half of full scale, and a little for gains fading by 1 / 480 a sample.
const auto [kPlans, kOwnStep] = [] {
    const std::array<double, 7> packets[] = {{5}, {1}, {2, 3, 1}, {3, 1, 3, 1, 2}, {8}};
    std::vector<SoundPlan> plans;
    double largest = 0.0;
    for (std::size_t i = 0; i < std::size(packets); ++i) {
        const SoundPlan& plan = plans.emplace_back(
            planSound(computePass({{i % 2 ? 10000. : 5000., 500, packets[i]}, 10, 0, 3})));
        double step = 0.005;
        for (const HeardHarmonic& h : plan.harmonics)
            step += h.amplitude * std::sin(std::numbers::pi * h.k * plan.pitch / 48000);
        largest = std::max(largest, step);
    }
    return std::pair(plans, largest);
}();

// The largest step between neighbours; infinite once a sample is beyond full scale or NaN.
float largestStep(std::span<const float> s) {
    float largest = 0.0f;
    for (std::size_t n = 1; n < s.size(); ++n)
        largest = std::max(largest, std::abs(s[n]) <= 1 ? std::abs(s[n] - s[n - 1]) : INFINITY);
    return largest;
}

// From silence the window plays the file's samples, however the audio device cuts them; a stop
// fades out to silence within 10 ms, and playing again is a fresh start. Plans following each
// other faster than they fade over change without a jump.
TEST(SoundGenerator, StartsAsTheFileChangesSmoothlyAndStopsWithinItsFade) {
    const std::vector<float> file = soundSamples(kPlans[3], 1.0);
    for (const std::size_t piece : {1u, 37u, 256u, 441u, 1024u}) {
        SoundGenerator generator;
        std::vector<float> played;
        const auto render = [&](std::size_t count) { // piece by piece, as an audio device asks
            played.resize(played.size() + count);
            for (std::size_t n = played.size() - count; n < played.size(); n += piece)
                generator.render(std::span(played).subspan(n, std::min(piece, played.size() - n)));
        };
        for (int start = 0; start < 2; ++start) {
            EXPECT_TRUE(generator.silent());
            generator.play(kPlans[3]);
            EXPECT_FALSE(generator.silent());
            render(9000);
            ASSERT_TRUE(std::equal(played.end() - 9000, played.end(), file.begin())) << piece;
            generator.stop();
            render(480 + piece);
            EXPECT_EQ(std::count(played.end() - piece, played.end(), 0.0f), std::ptrdiff_t(piece));
        }
        for (std::size_t i = 0; i < 60; ++i) {
            generator.play(kPlans[i % kPlans.size()]);
            render(50 + 37 * (i % 13));
        }
        EXPECT_LT(largestStep(played), kOwnStep) << piece;
    }
}

// Plans and stops arrive from another thread, mid-fade as well as after one, while the audio
// thread renders as fast as it can.
TEST(SoundGenerator, HandsOverBetweenThreads) {
    SoundGenerator generator;
    std::atomic<bool> done{false};
    float steepest = 0.0f;  // the audio thread's own until it is joined
    std::thread audio([&] { // the last sample of one block leads the next
        for (std::vector<float> block(65); !done; block.front() = block.back()) {
            generator.render(std::span(block).subspan(1));
            steepest = std::max(steepest, largestStep(block));
        }
    });
    for (std::size_t i = 0; i < 84; ++i) { // ending on a stop
        i % 7 == 6 ? generator.stop() : generator.play(kPlans[i % kPlans.size()]);
        std::this_thread::sleep_for(std::chrono::microseconds(20 + 40 * (i % 11)));
        EXPECT_TRUE(i % 7 == 6 || !generator.silent()) << i; // a plan sounds until stopped
    }
    for (int wait = 0; wait < 300 && !generator.silent(); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_TRUE(generator.silent());
    done = true;
    audio.join();
    EXPECT_LT(steepest, kOwnStep);
}

} // namespace
