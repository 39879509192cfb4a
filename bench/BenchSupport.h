#pragma once

#include "Coefficients.h"

#include <span>
#include <utility>
#include <vector>

// The waveform of the pass: samples 0 ... 400 over harmonics first ... last, summed.
double WaveformSum(std::span<const spectrum::CoefPair> table,
                   std::span<const spectrum::HarmonicLine> lines, int first, int last);

// The library calls one pass's maths makes, with their arguments, replayed with nothing else: the
// floor that the maths cannot go below.
class LibraryCalls {
public:
    double replay() const;
    std::size_t count() const {
        return m_sin.size() + m_cos.size() + m_sqrt.size() + m_atan2.size();
    }

private:
    friend LibraryCalls RecordLibraryCalls(const spectrum::PacketTiming& timing, double S, int N,
                                           std::span<const spectrum::HarmonicLine> lines);
    std::vector<double> m_sin;
    std::vector<double> m_cos;
    std::vector<double> m_sqrt;
    std::vector<std::pair<double, double>> m_atan2;
};

// Records the calls of the envelope (400 points), the table fill and its amplitudes and phases
// (harmonics 0 ... N), and the waveform over harmonics 1 ... N.
LibraryCalls RecordLibraryCalls(const spectrum::PacketTiming& timing, double S, int N,
                                std::span<const spectrum::HarmonicLine> lines);
