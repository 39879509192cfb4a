#pragma once

// The rebuilt signal as sound: which harmonics of a pass are heard and at what pitch, and the
// samples that play them. Plain C++, no window and no audio device: the live generator and the
// file export both draw on what is here, so the file holds what the window plays.
//
// Level: 1 V of the signal is half of full scale, so the rectangular pulses of 1 V and their
// rebuilt overshoot stay clear of it; a sample beyond full scale is limited, never wrapped.
// Time runs with the real pi here (the pictures keep 3.14): the pitch heard must be the f1 shown.

#include "Pass.h"

#include <cstdint>
#include <span>
#include <vector>

namespace spectrum {

inline constexpr int kSoundSampleRate = 48000;
// The audible band. A pitch outside it is moved by whole octaves into it; a harmonic at or above
// the top is left out, well below the Nyquist frequency of 24 kHz, so nothing folds back.
inline constexpr double kLowestPitch = 20.0;
inline constexpr double kHighestPitch = 20000.0;
// The signal level, in volts, of a sample at full scale (1.0 as a float, 32767 in 16 bits).
inline constexpr double kFullScaleVolts = 2.0;
// Full scale in 16-bit samples.
inline constexpr int kPcm16FullScale = 32767;
// The fades that start the sound from silence and end it again: 10 ms.
inline constexpr int kFadeSamples = kSoundSampleRate / 100;

// One harmonic as it sounds: A sin(2 pi k pitch t + phase).
struct HeardHarmonic {
    int k = 0;
    double amplitude = 0.0; // volts
    double phase = 0.0;     // radians, the pass's own
};

// What a pass sounds like. At time t seconds from the start the sound is the sum over harmonics
// of A sin(2 pi k pitch t + phase), in volts.
struct SoundPlan {
    double pitch = 0.0; // hertz: the fundamental played, f1 moved by `octaves` octaves
    int octaves = 0;    // whole octaves f1 was moved: positive up, negative down
    std::vector<HeardHarmonic> harmonics; // ascending k
    int firstHeard = 0;                   // the heard part of the waveform's range, first ...
    int lastHeard = -1;                   // ... and last; none when below the first

    bool silent() const { return harmonics.empty(); }
};

// The harmonics of the pass's waveform range that can be heard: the constant term is left out (it
// only clicks), and so is every harmonic at kHighestPitch or above. A pass computing nothing, or
// holding values that are not finite, sounds like nothing.
SoundPlan planSound(const PassResult& pass);

// Plays a plan from phase 0 on, sample after sample. Everything it needs is allocated when it is
// made, so rendering allocates nothing and may run on an audio thread. The samples do not depend
// on how the output is cut into calls.
class SoundOscillator {
public:
    SoundOscillator() = default;
    explicit SoundOscillator(const SoundPlan& plan);

    // The next samples, in units of full scale, limited to -1 ... 1.
    void render(std::span<double> out);

    // Samples rendered in one go. Each block restarts every harmonic from the exact phase, so
    // rounding cannot build up from one block to the next.
    static constexpr int kBlock = 512;

private:
    void fillBlock();

    std::vector<double> m_amplitude; // harmonic by harmonic, padded to a multiple of kLanes
    std::vector<double> m_k;
    std::vector<double> m_phase;
    std::vector<double> m_cosStep; // cos and sin of one sample's turn of the harmonic
    std::vector<double> m_sinStep;
    std::vector<double> m_block;
    std::size_t m_next = 0;  // first unused sample of m_block
    double m_step = 0.0;     // periods of the fundamental per sample
    double m_position = 0.0; // periods at the start of the next block, 0 ... 1
};

// The most samples soundSamples() gives, 2^31 - 1: over 12 hours.
inline constexpr double kLongestSoundSamples = 2147483647.0;

// Samples of `seconds` of the plan from phase 0, as the file export writes them: the samples the
// live generator plays from a fresh start, with a fade out over the last kFadeSamples.
// round(seconds * kSoundSampleRate) samples; none for a length that is not positive, not finite
// or beyond kLongestSoundSamples.
std::vector<float> soundSamples(const SoundPlan& plan, double seconds);

// A sample in units of full scale as 16 bits: limited to -1 ... 1 first, then 32767 to full
// scale and rounded (a NaN gives 0).
std::int16_t toPcm16(float sample);

} // namespace spectrum
