#pragma once

// The live sound: the window hands over a plan after every pass, an audio thread pulls samples.
// Plain C++, no Qt and no audio device, so it can be driven and checked without either.
//
// The audio thread never waits for the window: it takes a new plan only when the lock is free at
// once, and it neither allocates nor frees. Every plan is prepared, kept and freed on the window's
// thread. A change never clicks: a new plan fades in while the sounding ones fade out.

#include "Sound.h"

#include <array>
#include <atomic>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

namespace spectrum {

// One plan's sound fading over into the next: 20 ms.
inline constexpr int kCrossfadeSamples = kSoundSampleRate / 50;

class SoundGenerator {
public:
    SoundGenerator() = default;
    SoundGenerator(const SoundGenerator&) = delete;
    SoundGenerator& operator=(const SoundGenerator&) = delete;
    // The audio thread must no longer call render().
    ~SoundGenerator() = default;

    // Window thread. The plan sounds from phase 0 once the audio thread takes it: from silence it
    // fades in over kFadeSamples, exactly as soundSamples() starts, otherwise it crossfades over
    // kCrossfadeSamples. A plan with nothing to hear fades out like stop().
    void play(const SoundPlan& plan);
    // Window thread. Everything sounding fades out over kFadeSamples.
    void stop();
    // True once nothing sounds and nothing waits to: before the first play, and after a stop or a
    // silent plan has faded out.
    bool silent() const;

    // Audio thread: the next samples, full scale 1.0.
    void render(std::span<float> out);

private:
    // Plans sound together only while they fade; a plan arriving while every voice is busy waits
    // until one has faded out, at most one crossfade.
    static constexpr std::size_t kVoices = 3;

    struct Voice {
        SoundOscillator* oscillator = nullptr;
        double from = 0.0; // gain ramps from `from` to `to` over `length` samples
        double to = 0.0;
        int position = 0;
        int length = 0;

        double gain() const;
    };

    void request(std::unique_ptr<SoundOscillator> oscillator);
    // Audio thread, lock held.
    void takeRequest();
    void publishVoices();

    // Shared between the threads, under m_mutex.
    mutable std::mutex m_mutex;
    std::vector<std::unique_ptr<SoundOscillator>> m_owned; // every oscillator not yet freed
    SoundOscillator* m_pending = nullptr;                  // the plan asked for; none: silence
    bool m_requested = false;
    std::array<const SoundOscillator*, kVoices> m_inUse{}; // as the audio thread last told
    std::atomic<bool> m_silent{true};

    // The audio thread's own.
    std::array<Voice, kVoices> m_voices{};
    std::array<double, SoundOscillator::kBlock> m_voiceSamples{};
    std::array<double, SoundOscillator::kBlock> m_mix{};
};

} // namespace spectrum
