// The sound of a pass as the exported file holds it, measured back from the file's bytes: pitch,
// level and phase of every harmonic, what is left out, the noise and the fades.

#include "Pass.h"
#include "Sound.h"
#include "WavFile.h"

#include <QTemporaryFile>
#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <complex>
#include <limits>
#include <numbers>

namespace {

using namespace spectrum;

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kRate = 48000;
constexpr double kStepsPerVolt = 32767 / 2.0; // 1 V is half of full scale
// Rounding to whole steps puts at most half a step's worth into any one bin, far less in practice.
constexpr double kStepSlack = 0.5;

struct SoundCase {
    const char* name;
    PassInput input;
    double pitch; // hertz, worked out from the period
    int octaves;
    int firstHeard; // none: 0 and -1
    int lastHeard;
};

const SoundCase kCases[] = {
    // 5 kHz: harmonic 4 lands on 20 kHz exactly and is left out, as is the constant term.
    {"Square", {{200, 100, {1}}, 10, 0, 10}, 5000, 0, 1, 3},
    // 100 Hz, though a hair below it in doubles: harmonic 200 is on 20 kHz and left out.
    {"NarrowPulse", {{10000, 500, {1}}, 200, 1, 200}, 100, 0, 1, 199},
    // 125 kHz, three octaves down; its harmonic 2 would be 31.25 kHz.
    {"AboveBand", {{8, 1, {1}}, 5, 1, 5}, 15625, -3, 1, 1},
    // 10 Hz, one octave up onto the lower edge: all 200 harmonics are heard.
    {"BelowBand", {{100000, 1000, {10, 20, 30}}, 200, 1, 200}, 20, 1, 1, 200},
    {"NoFundamental", {{1000, 100, {2, 1, 1}}, 20, 2, 9}, 1000, 0, 2, 9},
    {"ConstantOnly", {{200, 100, {1}}, 10, 0, 0}, 5000, 0, 0, -1},
};

// One DFT bin over samples start ... start + count - 1, a whole number of periods of f, as
// A e^(i phase) for A sin(2 pi f n / rate + phase) with n counted from the start of the file.
std::complex<double> measure(const std::vector<std::int16_t>& x, std::size_t start,
                             std::size_t count, double f) {
    std::complex<double> sum;
    std::complex<double> turn = std::polar(1.0, -kTwoPi * f * double(start) / kRate);
    const std::complex<double> step = std::polar(1.0, -kTwoPi * f / kRate);
    for (std::size_t n = start; n < start + count; ++n, turn *= step)
        sum += double(x[n]) * turn;
    return std::complex<double>(0, 2) * sum / double(count);
}

// The samples of a WAV file as libsndfile reads it: 16-bit PCM, 48 kHz, one channel, or nothing.
std::vector<std::int16_t> readWav(const QByteArray& bytes) {
    QTemporaryFile file;
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush())
        return {};
    SF_INFO info{};
    SNDFILE* sound = sf_open(file.fileName().toLocal8Bit().constData(), SFM_READ, &info);
    std::vector<std::int16_t> samples(sound ? static_cast<std::size_t>(info.frames) : 0);
    const bool wanted = info.format == (SF_FORMAT_WAV | SF_FORMAT_PCM_16) &&
                        info.samplerate == 48000 && info.channels == 1;
    if (sound && (!wanted || sf_read_short(sound, samples.data(), info.frames) != info.frames))
        samples.clear();
    sf_close(sound);
    return samples;
}

class SoundOfPass : public testing::TestWithParam<SoundCase> {};

TEST_P(SoundOfPass, FileHoldsTheHeardHarmonics) {
    const SoundCase& row = GetParam();
    const PassResult pass = computePass(row.input);
    const SoundPlan plan = planSound(pass);
    EXPECT_NEAR(plan.pitch, row.pitch, row.pitch * 1e-12);
    EXPECT_EQ(plan.octaves, row.octaves);
    EXPECT_EQ(std::pair(plan.firstHeard, plan.lastHeard), std::pair(row.firstHeard, row.lastHeard));
    EXPECT_EQ(plan.harmonics.size(), std::size_t(row.lastHeard - row.firstHeard + 1));
    const auto heard = [&](int k) { return k >= row.firstHeard && k <= row.lastHeard; };

    const std::vector<float> samples = soundSamples(plan, 1.0);
    const std::vector<std::int16_t> x = readWav(wavOf(samples));
    ASSERT_EQ(x.size(), 48000u);
    for (std::size_t n = 0; n < x.size(); ++n)
        ASSERT_EQ(x[n], toPcm16(samples[n])) << n;

    // Measured in the middle, over whole periods, well away from the fades.
    std::size_t period = 1;
    while (std::abs(std::remainder(double(period) * row.pitch / kRate, 1.0)) > 1e-9)
        ++period;
    const std::size_t start = 12000;
    const std::size_t count = 24000 / period * period;
    std::vector<std::complex<double>> measured(std::size_t(pass.N) + 1);
    for (int k = 0; k <= pass.N && k * row.pitch < kRate / 2; ++k) {
        const double expected = heard(k) ? kStepsPerVolt * pass.harmonics[k].amplitude : 0.0;
        measured[k] = measure(x, start, count, k * row.pitch);
        const double tolerance = std::max(expected * (std::pow(10, 0.1 / 20) - 1), kStepSlack);
        EXPECT_NEAR(std::abs(measured[k]), expected, tolerance) << "harmonic " << k;
    }
    // Only the phases relative to the fundamental count, phase_k - k phase_1; without the
    // fundamental, two neighbours give its share.
    const auto shift = [&](int k) { return std::arg(measured[k]) - pass.harmonics[k].phase; };
    const int first = std::max(row.firstHeard, 1);
    const double turn = first == 1 ? shift(1) : shift(first + 1) - shift(first);
    for (int k = first; k <= row.lastHeard; ++k) {
        // A phase is defined to 1 degree only well above the rounding.
        if (std::abs(measured[k]) > 50) {
            EXPECT_NEAR(std::remainder(shift(k) - k * turn, kTwoPi), 0.0, kTwoPi / 360) << k;
        }
    }

    // The file rebuilt from the measured harmonics, fading over 10 ms at both ends: what remains
    // is noise. Silence stays silence.
    std::vector<double> rebuilt(x.size());
    for (int k = row.firstHeard; k <= row.lastHeard; ++k) {
        std::complex<double> phasor = measured[k];
        const std::complex<double> step = std::polar(1.0, kTwoPi * k * row.pitch / kRate);
        for (std::size_t n = 0; n < x.size(); ++n, phasor *= step)
            rebuilt[n] += phasor.imag();
    }
    double signal = 0.0;
    double noise = 0.0;
    double worst = 0.0;
    for (std::size_t n = 0; n < x.size(); ++n) {
        const double gain = std::min(double(std::min(n, x.size() - 1 - n)) / 480, 1.0);
        worst = std::max(worst, std::abs(x[n] - gain * rebuilt[n]));
        if (n >= start && n < start + count) {
            signal += double(x[n]) * x[n];
            noise += std::pow(x[n] - rebuilt[n], 2);
        }
    }
    EXPECT_LE(noise, signal * 1e-6);             // 60 dB below
    EXPECT_LT(worst, plan.silent() ? 0.5 : 1.5); // the rounding's half step, the measuring's own
    EXPECT_EQ(x.front(), 0);
    EXPECT_EQ(x.back(), 0);
}

INSTANTIATE_TEST_SUITE_P(Sound, SoundOfPass, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SoundLevel, BeyondFullScaleIsLimitedNotWrapped) {
    const std::pair<float, std::int16_t> cases[] = {
        {0.5f, 16384},   {-0.25f, -8192},     {1.0f, 32767},
        {-1.0f, -32767}, {1.0001f, 32767},    {1.5f, 32767},
        {-3.0f, -32767}, {-INFINITY, -32767}, {std::numeric_limits<float>::quiet_NaN(), 0},
    };
    for (const auto& [sample, pcm] : cases)
        EXPECT_EQ(toPcm16(sample), pcm) << sample;

    // 3 V is beyond the 2 V of full scale: its crests are cut flat.
    const SoundPlan loud{1000, 0, {{1, 3.0, 0.0}}, 1, 1};
    const std::vector<float> samples = soundSamples(loud, 0.1);
    for (std::size_t n = 480; n + 480 < samples.size(); ++n) {
        const double volts = 3.0 * std::sin(kTwoPi * 1000 * double(n) / kRate);
        const double expected = std::abs(volts) > 2 ? std::copysign(1.0, volts) : volts / 2;
        EXPECT_NEAR(samples[n], expected, 1e-6) << n;
    }
}

// Whatever a pass holds, the sound is finite and within full scale, at a pitch in the band.
TEST(SoundLevel, AnyPassGivesBoundedSound) {
    const PassResult base = computePass({{1000, 100, {3}}, 20, 0, 20});
    using Change = void (*)(PassResult&);
    const Change changes[] = {
        [](PassResult& p) { p.computed = false; },
        [](PassResult& p) { p.f1 = std::nan(""); },
        [](PassResult& p) { p.f1 = 1e308; },
        [](PassResult& p) { p.f1 = 1e-310; },
        [](PassResult& p) { p.harmonics[3].phase = INFINITY; },
        [](PassResult& p) { p.harmonics[2].amplitude = 1e308; },
        [](PassResult& p) { p.harmonics.resize(4); },
    };
    for (const Change change : changes) {
        PassResult pass = base;
        change(pass);
        const SoundPlan plan = planSound(pass);
        EXPECT_TRUE(plan.silent() ||
                    (plan.pitch >= 20 * (1 - 1e-9) && plan.pitch <= 20000 * (1 + 1e-9) &&
                     plan.lastHeard < int(pass.harmonics.size())));
        for (const float sample : soundSamples(plan, 0.05))
            ASSERT_TRUE(std::abs(sample) <= 1.0f) << sample;
    }
}

} // namespace
