#include "Coefficients.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace spectrum {
namespace {
using Extended = long double;

// Rounds an extended intermediate to the double that a library function takes.
double toDouble(Extended value) {
    return static_cast<double>(value);
}

double periodSeconds(double periodMicroseconds) {
    return toDouble(Extended(periodMicroseconds) * 0.000001);
}

double unitTimeSeconds(double unitTimeMicroseconds) {
    return toDouble(Extended(unitTimeMicroseconds) * 0.000001);
}

double segmentDuration(double multiplier, double unitTimeMicroseconds) {
    return toDouble(Extended(multiplier) * unitTimeMicroseconds * 0.000001);
}

std::array<double, 4> pulseCentres(const std::array<double, 7>& t, const std::array<double, 7>& m,
                                   double tau) {
    const Extended gap2 = Extended(m[1]) * tau;
    const Extended gap4 = Extended(m[3]) * tau;
    const Extended gap6 = Extended(m[5]) * tau;
    return {
        toDouble(Extended(t[0]) * 0.5),
        toDouble(gap2 + t[0] + Extended(t[2]) * 0.5),
        toDouble(gap2 + t[0] + t[2] + gap4 + Extended(t[4]) * 0.5),
        toDouble(gap2 + t[0] + t[2] + gap4 + t[4] + gap6 + Extended(t[6]) * 0.5),
    };
}

} // namespace

double Amplitude(double b, double a) {
    return std::sqrt(toDouble(Extended(a) * a + Extended(b) * b));
}

double Phase(double b, double a) {
    return std::atan2(a, b);
}

double fundamentalKilohertz(double T) {
    return toDouble(1 / (Extended(T) * 1000));
}

PacketTiming computeTiming(const PacketInput& input) {
    PacketTiming timing;
    timing.T = periodSeconds(input.period);
    timing.tau = unitTimeSeconds(input.unitTime);
    for (const int n : {0, 2, 4, 6, 1, 3, 5})
        timing.t[n] = segmentDuration(input.multipliers[n], input.unitTime);
    timing.c = pulseCentres(timing.t, input.multipliers, timing.tau);
    return timing;
}

bool isUsablePeriod(double periodMicroseconds) {
    return periodMicroseconds > 0 && periodMicroseconds <= std::numeric_limits<std::int32_t>::max();
}

bool isUsableCount(int N) {
    return N >= 1 && N <= kMaxHarmonics;
}

int truncateToInt(long double value) {
    if (std::isnan(value))
        return 0;
    if (value >= std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value <= std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

double highestFrequency(int N, double T) {
    return toDouble(Extended(N) / T);
}

double envelopeScale(int N, double T) {
    return toDouble(400 * Extended(T) / N);
}

double harmonicFrequency(int k, double T) {
    return toDouble(Extended(k) / T);
}

void fillCoefficients(std::span<CoefPair> table, int N, const PacketTiming& timing) {
    const double T = timing.T;
    const double pi = kPi;
    bool first = true;
    for (const Pulse& pulse : timing.pulses()) {
        const double duration = pulse.duration;
        const double centre = pulse.centre;
        if (first)
            table[0] = {0.0, toDouble(Extended(duration) / T)};
        else
            table[0].a = toDouble(table[0].a + Extended(duration) / T);
        for (int k = 1; k <= N; ++k) {
            const double s =
                toDouble(2 * Extended{std::sin(toDouble(Extended(k) * pi * duration / T))});
            const double angle = toDouble(Extended(2 * k) * pi * centre / T);
            const Extended weight = Extended(k) * pi;
            const Extended a = Extended(s) * std::cos(angle) / weight;
            const Extended b = Extended(s) * std::sin(angle) / weight;
            CoefPair& entry = table[static_cast<std::size_t>(k)];
            if (first)
                entry = {toDouble(b), toDouble(a)};
            else
                entry = {toDouble(entry.b + b), toDouble(entry.a + a)};
        }
        first = false;
    }
}

std::array<long double, 7> segmentBoundaries(const PacketTiming& timing) {
    std::array<Extended, 7> boundaries{};
    Extended boundary = 0;
    for (std::size_t k = 0; k < timing.t.size(); ++k)
        boundaries[k] = boundary += timing.t[k];
    return boundaries;
}

CoefPair envelopePoint(int i, const PacketTiming& timing, double S) {
    const double pi = kPi;
    double cosineSum = 0.0;
    double sineSum = 0.0;
    for (const Pulse& pulse : timing.pulses()) {
        const double s = std::sin(toDouble(Extended(i) * pi * pulse.duration / S));
        const double angle = toDouble(Extended(2 * i) * pi * pulse.centre / S);
        cosineSum = toDouble(cosineSum + Extended(s) * std::cos(angle));
        sineSum = toDouble(sineSum + Extended(s) * std::sin(angle));
    }
    const Extended scale = Extended(i) * pi * timing.T;
    return {toDouble(Extended(sineSum) * (2 * Extended(S)) / scale),
            toDouble(Extended(cosineSum) * (2 * Extended(S)) / scale)};
}

std::array<double, kWaveformSamples> synthesisedWaveform(int first, int last,
                                                         std::span<const CoefPair> table,
                                                         std::span<const HarmonicLine> lines) {
    // Harmonic by harmonic over all samples: every sample still adds its terms in increasing m,
    // but the 401 sums no longer wait for one another, and the extended arithmetic runs in loops
    // of its own, between the library calls rather than across them.
    std::array<double, kWaveformSamples> samples{};
    std::array<double, kWaveformSamples> terms{};
    for (int m = first; m <= last; ++m) {
        if (m == 0) {
            samples.fill(table[0].a);
            continue;
        }
        const HarmonicLine& line = lines[static_cast<std::size_t>(m)];
        const Extended turn = 2 * Extended(kPi) * m;
        for (int j = 0; j < kWaveformSamples; ++j)
            terms[static_cast<std::size_t>(j)] = toDouble(line.phase + turn * j * 0.0025);
        for (double& term : terms)
            term = std::sin(term);
        const Extended amplitude = line.amplitude;
        for (std::size_t j = 0; j < samples.size(); ++j)
            samples[j] = toDouble(samples[j] + amplitude * terms[j]);
    }
    return samples;
}

} // namespace spectrum
