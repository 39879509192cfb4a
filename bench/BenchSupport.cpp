#include "BenchSupport.h"

#include <cmath>

using namespace spectrum;
using Extended = long double;

double WaveformSum(std::span<const CoefPair> table, std::span<const HarmonicLine> lines, int first,
                   int last) {
    double sum = 0;
    for (const double sample : synthesisedWaveform(first, last, table, lines))
        sum += sample;
    return sum;
}

double LibraryCalls::replay() const {
    double sum = 0;
    for (const double x : m_sin)
        sum += std::sin(x);
    for (const double x : m_cos)
        sum += std::cos(x);
    for (const double x : m_sqrt)
        sum += std::sqrt(x);
    for (const auto& [y, x] : m_atan2)
        sum += std::atan2(y, x);
    return sum;
}

LibraryCalls RecordLibraryCalls(const PacketTiming& timing, double S, int N,
                                std::span<const HarmonicLine> lines) {
    // The same arguments as the maths forms them, rounded to the doubles the library takes.
    LibraryCalls calls;
    const auto pulses = timing.pulses();
    for (int i = 1; i <= 400; ++i) {
        for (const Pulse& pulse : pulses) {
            calls.m_sin.push_back(static_cast<double>(Extended(i) * kPi * pulse.duration / S));
            const double angle = static_cast<double>(Extended(2 * i) * kPi * pulse.centre / S);
            calls.m_cos.push_back(angle);
            calls.m_sin.push_back(angle);
        }
        const CoefPair point = envelopePoint(i, timing, S);
        calls.m_sqrt.push_back(
            static_cast<double>(Extended(point.a) * point.a + Extended(point.b) * point.b));
    }
    std::vector<CoefPair> table(static_cast<std::size_t>(N) + 2);
    fillCoefficients(table, N, timing);
    for (const Pulse& pulse : pulses) {
        for (int k = 1; k <= N; ++k) {
            calls.m_sin.push_back(
                static_cast<double>(Extended(k) * kPi * pulse.duration / timing.T));
            const double angle =
                static_cast<double>(Extended(2 * k) * kPi * pulse.centre / timing.T);
            calls.m_cos.push_back(angle);
            calls.m_sin.push_back(angle);
        }
    }
    for (int k = 0; k <= N; ++k) {
        const CoefPair& entry = table[static_cast<std::size_t>(k)];
        calls.m_sqrt.push_back(
            static_cast<double>(Extended(entry.a) * entry.a + Extended(entry.b) * entry.b));
        calls.m_atan2.emplace_back(entry.a, entry.b);
    }
    for (int j = 0; j <= 400; ++j)
        for (int m = 1; m <= N; ++m)
            calls.m_sin.push_back(static_cast<double>(lines[static_cast<std::size_t>(m)].phase +
                                                      2 * Extended(kPi) * m * j * 0.0025));
    return calls;
}
