// The sound of a pass as the exported file holds it, measured back from the file's bytes: pitch,
// level and phase of every harmonic, what is left out, the noise and the fades.

#include "Pass.h"
#include "Sound.h"
#include "WavFile.h"

#include <QtEndian>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <numeric>

namespace {

using namespace spectrum;

constexpr double kTwoPi = 2 * std::numbers::pi;

struct SoundCase {
    const char* name;
    PassInput input;
    double pitch;                       // hertz, worked out from the period
    int octaves, firstHeard, lastHeard; // none heard: 0 and -1
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

// Measured over 0.8 s between the fades: every pitch here is a multiple of 1.25 Hz, so the span
// holds whole periods.
constexpr std::size_t kStart = 4800, kCount = 38400;

// One DFT bin over the span as A e^(i phase) for A sin(2 pi f n / rate + phase), with n counted
// from the start of the file.
std::complex<double> measure(const std::vector<std::int16_t>& x, double f) {
    std::complex<double> sum;
    for (std::size_t n = kStart; n < kStart + kCount; ++n)
        sum += double(x[n]) * std::polar(1.0, -kTwoPi * f * double(n) / 48000);
    return std::complex<double>(0, 2) * sum / double(kCount);
}

// The samples of a one-second WAV file, when its header is the one worked out by hand from the
// format: "RIFF" and the 96036 bytes after it, "WAVE", "fmt " of 16 bytes (PCM, one channel,
// 48000 Hz, 96000 bytes a second, 2 a frame, 16 bits), "data" of 96000 bytes; else nothing.
std::vector<std::int16_t> readWav(const QByteArray& bytes) {
    const QByteArray header = QByteArray::fromHex("524946462477010057415645666d74201000000001000100"
                                                  "80bb000000770100020010006461746100770100");
    std::vector<std::int16_t> samples(48000);
    if (bytes.size() != header.size() + 96000 || !bytes.startsWith(header))
        return {};
    qFromLittleEndian<qint16>(bytes.constData() + header.size(), 48000, samples.data());
    return samples;
}

class SoundOfPass : public testing::TestWithParam<SoundCase> {};

TEST_P(SoundOfPass, FileHoldsTheHeardHarmonics) {
    const SoundCase& row = GetParam();
    const PassResult pass = computePass(row.input);
    ASSERT_TRUE(pass.computed);
    const SoundPlan plan = planSound(pass);
    EXPECT_NEAR(plan.pitch, row.pitch, row.pitch * 1e-12);
    EXPECT_EQ(std::tuple(plan.octaves, plan.firstHeard, plan.lastHeard),
              std::tuple(row.octaves, row.firstHeard, row.lastHeard));

    const std::vector<float> samples = soundSamples(plan, 1.0);
    const std::vector<std::int16_t> x = readWav(wavOf(samples));
    ASSERT_EQ(x.size(), 48000u);

    // Each harmonic's share, in steps of which 1 V makes half of full scale, and its phase. Only
    // phases relative to the fundamental count, phase_k - k phase_1 (without the fundamental, two
    // neighbours give its share), and only well above the half step rounding puts into a bin.
    const auto shift = [&](int k) {
        return std::arg(measure(x, k * row.pitch)) - pass.harmonics[k].phase;
    };
    const int first = std::max(row.firstHeard, 1);
    const double turn = first == 1 ? shift(1) : shift(first + 1) - shift(first);
    double heardPower = 0.0;
    for (int k = 0; k <= pass.N && k * row.pitch < 24000; ++k) {
        const bool heard = k >= row.firstHeard && k <= row.lastHeard;
        const double expected = heard ? pass.harmonics[k].amplitude * 32767 / 2 : 0.0;
        const std::complex<double> measured = measure(x, k * row.pitch);
        heardPower += heard ? std::norm(measured) / 2 : 0.0;
        const double tolerance = std::max(expected * (std::pow(10, 0.1 / 20) - 1), 0.5);
        EXPECT_NEAR(std::abs(measured), expected, tolerance) << "harmonic " << k;
        const double phase = std::arg(measured) - pass.harmonics[k].phase - k * turn;
        EXPECT_TRUE(expected < 50 || std::abs(std::remainder(phase, kTwoPi)) < kTwoPi / 360) << k;
    }
    const auto span = x.begin() + kStart;
    const double power = std::inner_product(span, span + kCount, span, 0.0) / kCount;
    EXPECT_LE(power - heardPower, power * 1e-6); // the rest is noise, 60 dB down
    EXPECT_TRUE(!plan.silent() || std::count(x.begin(), x.end(), 0) == 48000);
    // The sound repeats every 0.8 s, faded over 10 ms from and to silence at the ends: each of
    // the first 0.2 s against its repeat, within the rounding of both.
    const auto gain = [](std::size_t n) { return std::min(std::min(n, 47999 - n) / 480.0, 1.0); };
    for (std::size_t n = 0, m = kCount; m < x.size(); ++n, ++m)
        ASSERT_LE(std::abs(gain(m) * x[n] - gain(n) * x[m]), (gain(n) + gain(m)) / 2 + 1e-3) << n;
}

INSTANTIATE_TEST_SUITE_P(Sound, SoundOfPass, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SoundLevel, BeyondFullScaleIsLimitedNotWrapped) {
    const std::pair<float, std::int16_t> cases[] = {
        {0.5f, 16384}, {-0.25f, -8192}, {1.0f, 32767},       {-1.0f, -32767}, {1.0001f, 32767},
        {1.5f, 32767}, {-3.0f, -32767}, {-INFINITY, -32767}, {NAN, 0}};
    for (const auto& [sample, pcm] : cases)
        EXPECT_EQ(toPcm16(sample), pcm) << sample;

    // 3 V is beyond the 2 V of full scale: its crests are cut flat.
    const std::vector<float> samples = soundSamples({1000, 0, {{1, 3.0, 0.0}}, 1, 1}, 0.1);
    for (std::size_t n = 480; n + 480 < samples.size(); ++n)
        EXPECT_NEAR(samples[n], std::clamp(1.5 * std::sin(kTwoPi * n / 48.0), -1.0, 1.0), 1e-6);
    // Far beyond, the sum overflows; still nothing leaves full scale.
    for (const float sample : soundSamples({1000, 0, {{1, 1e308, 1.0}}, 1, 1}, 0.05))
        ASSERT_TRUE(std::abs(sample) <= 1.0f) << sample;
}

} // namespace
