#include "Sound.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace spectrum {
namespace {
using Extended = long double;

constexpr Extended kTwoPi = 2 * std::numbers::pi_v<long double>;
// Harmonics rendered side by side: independent recurrences keep the processor's pipelines full
// where one alone would wait on each of its own results.
constexpr std::size_t kLanes = 4;

// f1 reaches us as 1 / (T 1000) in doubles, so a period typed to land on an edge of the band
// (50 us, 100 ms) may miss it by the last bit. The edges get this much slack so that the value
// typed decides, not the rounding.
constexpr double kEdgeSlack = 1e-9;

bool belowBand(double f) {
    return f < kLowestPitch * (1 - kEdgeSlack);
}

bool aboveBand(double f) {
    return f > kHighestPitch * (1 + kEdgeSlack);
}

bool audible(Extended f) {
    return f < kHighestPitch * (1 - kEdgeSlack);
}

// The fewest whole octaves that bring a positive, finite f into the band. The band spans more
// than an octave, so there always is such a count; scaling by powers of two is exact.
int octavesIntoBand(double f) {
    int n = 0;
    if (belowBand(f)) {
        // The exponents put n within one octave of the answer; the loops settle it.
        n = std::ilogb(kLowestPitch) - std::ilogb(f);
        while (n > 0 && !belowBand(std::ldexp(f, n - 1)))
            --n;
        while (belowBand(std::ldexp(f, n)))
            ++n;
    } else if (aboveBand(f)) {
        n = std::ilogb(kHighestPitch) - std::ilogb(f);
        while (n < 0 && !aboveBand(std::ldexp(f, n + 1)))
            ++n;
        while (aboveBand(std::ldexp(f, n)))
            --n;
    }
    return n;
}

double limited(double sample) {
    if (std::isnan(sample))
        return 0.0;
    return std::clamp(sample, -1.0, 1.0);
}

// One sample on: sin((n + 1) w) = 2 cos(w) sin(n w) - sin((n - 1) w), two operations where a
// sine would take dozens.
void advance(double& now, double& before, double twoCos) {
    const double next = twoCos * now - before;
    before = now;
    now = next;
}

double fraction(Extended periods) {
    return static_cast<double>(periods - std::floor(periods));
}

} // namespace

SoundPlan planSound(const PassResult& pass) {
    if (!pass.computed)
        return {};
    const double f = static_cast<double>(Extended(pass.f1) * 1000);
    if (!std::isfinite(f) || !(f > 0))
        return {};
    SoundPlan plan;
    plan.octaves = octavesIntoBand(f);
    plan.pitch = std::ldexp(f, plan.octaves);
    const auto lines =
        std::min<std::size_t>(pass.harmonics.size(), std::numeric_limits<int>::max());
    const int last = std::min({pass.rangeTo, pass.N, static_cast<int>(lines) - 1});
    // The constant term is left out: it cannot be heard and would only click at the start.
    for (int k = std::max(pass.rangeFrom, 1); k <= last && audible(Extended(k) * plan.pitch); ++k) {
        const HarmonicLine& line = pass.harmonics[static_cast<std::size_t>(k)];
        if (!std::isfinite(line.amplitude) || !std::isfinite(line.phase))
            return {};
        plan.harmonics.push_back({k, line.amplitude, line.phase});
    }
    if (!plan.harmonics.empty()) {
        plan.firstHeard = plan.harmonics.front().k;
        plan.lastHeard = plan.harmonics.back().k;
    }
    return plan;
}

SoundOscillator::SoundOscillator(const SoundPlan& plan) {
    if (!std::isfinite(plan.pitch) || !(plan.pitch > 0) || plan.harmonics.empty())
        return;
    m_step = static_cast<double>(Extended(plan.pitch) / kSoundSampleRate);
    const std::size_t count = (plan.harmonics.size() + kLanes - 1) / kLanes * kLanes;
    // The padding lanes have no amplitude and stay silent.
    for (auto* values : {&m_amplitude, &m_k, &m_phase, &m_cosStep, &m_sinStep})
        values->assign(count, 0.0);
    for (std::size_t i = 0; i < plan.harmonics.size(); ++i) {
        const HeardHarmonic& harmonic = plan.harmonics[i];
        if (!std::isfinite(harmonic.amplitude) || !std::isfinite(harmonic.phase))
            continue;
        m_amplitude[i] = harmonic.amplitude;
        m_k[i] = harmonic.k;
        m_phase[i] = harmonic.phase;
        const double turn = static_cast<double>(kTwoPi * fraction(Extended(harmonic.k) * m_step));
        m_cosStep[i] = std::cos(turn);
        m_sinStep[i] = std::sin(turn);
    }
    m_block.assign(kBlock, 0.0);
    m_next = m_block.size();
}

void SoundOscillator::fillBlock() {
    std::fill(m_block.begin(), m_block.end(), 0.0);
    double* const block = m_block.data();
    for (std::size_t first = 0; first < m_amplitude.size(); first += kLanes) {
        std::array<double, kLanes> now{};
        std::array<double, kLanes> before{};
        std::array<double, kLanes> twoCos{};
        for (std::size_t lane = 0; lane < kLanes; ++lane) {
            const std::size_t i = first + lane;
            // Only the fraction of the harmonic's turns counts, so the angle stays small and the
            // block starts on the exact phase whatever the time played.
            const Extended angle = kTwoPi * fraction(Extended(m_k[i]) * m_position) + m_phase[i];
            const double s = std::sin(static_cast<double>(angle));
            const double c = std::cos(static_cast<double>(angle));
            now[lane] = m_amplitude[i] * s;
            before[lane] = m_amplitude[i] * (s * m_cosStep[i] - c * m_sinStep[i]);
            twoCos[lane] = 2 * m_cosStep[i];
        }
        // Written out lane by lane so that the four recurrences stay in registers.
        static_assert(kLanes == 4);
        for (int n = 0; n < kBlock; ++n) {
            block[n] += (now[0] + now[1]) + (now[2] + now[3]);
            advance(now[0], before[0], twoCos[0]);
            advance(now[1], before[1], twoCos[1]);
            advance(now[2], before[2], twoCos[2]);
            advance(now[3], before[3], twoCos[3]);
        }
    }
    for (double& sample : m_block)
        sample = limited(sample / kFullScaleVolts);
    m_position = fraction(Extended(m_position) + Extended(kBlock) * m_step);
}

void SoundOscillator::render(std::span<double> out) {
    if (m_block.empty()) {
        std::fill(out.begin(), out.end(), 0.0);
        return;
    }
    while (!out.empty()) {
        if (m_next == m_block.size()) {
            fillBlock();
            m_next = 0;
        }
        const std::size_t count = std::min(out.size(), m_block.size() - m_next);
        std::copy_n(m_block.begin() + static_cast<std::ptrdiff_t>(m_next), count, out.begin());
        m_next += count;
        out = out.subspan(count);
    }
}

std::vector<float> soundSamples(const SoundPlan& plan, double seconds) {
    const double length = std::round(seconds * kSoundSampleRate);
    if (!(length >= 1) || length > kLongestSoundSamples)
        return {};
    const auto count = static_cast<std::size_t>(length);
    std::vector<float> samples(count);
    SoundOscillator oscillator(plan);
    std::array<double, SoundOscillator::kBlock> chunk{};
    for (std::size_t start = 0; start < count; start += chunk.size()) {
        const std::size_t size = std::min(chunk.size(), count - start);
        oscillator.render(std::span(chunk).first(size));
        for (std::size_t j = 0; j < size; ++j) {
            const std::size_t i = start + j;
            // The same gains as the live generator's fade in, so both give the same samples.
            const std::size_t fade = std::min(i, count - 1 - i);
            const double gain =
                fade < std::size_t{kFadeSamples} ? double(fade) / kFadeSamples : 1.0;
            samples[i] = static_cast<float>(gain * chunk[j]);
        }
    }
    return samples;
}

std::int16_t toPcm16(float sample) {
    if (std::isnan(sample))
        return 0;
    const double level = std::clamp(static_cast<double>(sample), -1.0, 1.0);
    return static_cast<std::int16_t>(std::lround(level * kPcm16FullScale));
}

} // namespace spectrum
