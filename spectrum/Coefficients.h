#pragma once

// The mathematics of one recalculation: timing of the pulse packet, the Fourier coefficients of
// harmonics 0 ... N, amplitudes, phases and the envelope. Plain functions, no window.
//
// Precision: every quantity is stored as a double; every formula is evaluated with long double
// (x87 extended) intermediates and rounded to double where its result is stored. Library
// functions (sin, cos, sqrt, atan2) take and give doubles. Pi is 3.14 throughout.

#include "Limits.h"

#include <array>
#include <span>

namespace spectrum {

inline constexpr double kPi = 3.14;
// The envelope is sampled once per pixel column of the frequency scale.
inline constexpr int kEnvelopePoints = 400;
// The waveform is rebuilt at 401 samples, j / 400 of the period apart.
inline constexpr int kWaveformSamples = 401;

// One harmonic's coefficients in volts: sine coefficient first, then cosine coefficient.
struct CoefPair {
    double b = 0.0;
    double a = 0.0;
};

// Amplitude and phase of one harmonic, computed once a pass for the stems, the listing and the
// waveform.
struct HarmonicLine {
    double amplitude = 0.0;
    double phase = 0.0;
};

// sqrt(a * a + b * b)
double Amplitude(double b, double a);
// atan2(a, b): the phase of the sine form, b = A cos(phase), a = A sin(phase).
double Phase(double b, double a);

// The packet as the pass reads it: period P and unit time u in microseconds, multipliers m1 ... m7.
struct PacketInput {
    double period = 0.0;
    double unitTime = 0.0;
    std::array<double, 7> multipliers{};
};

// One rectangular pulse of 1 V: its duration and the time of its centre, seconds.
struct Pulse {
    double duration = 0.0;
    double centre = 0.0;
};

// The timing quantities of a pass, in seconds.
struct PacketTiming {
    double T = 0.0;
    double tau = 0.0;
    std::array<double, 7> t{}; // t[n - 1] is the duration of segment n
    std::array<double, 4> c{}; // centres of pulses 1 ... 4

    std::array<Pulse, 4> pulses() const {
        return {{{t[0], c[0]}, {t[2], c[1]}, {t[4], c[2]}, {t[6], c[3]}}};
    }
};

// T, tau, t1 ... t7 and c1 ... c4, in the order the pass computes them (no division: defined for
// any period).
PacketTiming computeTiming(const PacketInput& input);
// f1 = 1 / (T 1000) in kilohertz; only for a usable period.
double fundamentalKilohertz(double T);

// The pass computes only for a period above 0 and at most 2^31 - 1 microseconds, and for
// 1 ... kMaxHarmonics harmonics.
bool isUsablePeriod(double periodMicroseconds);
bool isUsableCount(int N);

// Truncation toward zero to a 32-bit integer, clamped to its range (NaN gives 0).
int truncateToInt(long double value);

// Frequency of harmonic N (hertz) and the envelope scale S = 400 T / N (seconds).
double highestFrequency(int N, double T);
double envelopeScale(int N, double T);
// Frequency of harmonic k (hertz).
double harmonicFrequency(int k, double T);

// Fills entries 0 ... N of a table of at least N + 1 entries, pulse by pulse.
void fillCoefficients(std::span<CoefPair> table, int N, const PacketTiming& timing);

// The envelope's sine and cosine parts at point i (1 ... 400): the coefficient formula at the
// fractional harmonic number i N / 400.
CoefPair envelopePoint(int i, const PacketTiming& timing, double S);

// The ends of segments 1 ... 7, seconds from the start of the period, summed in extended
// precision: a quotient of them by T that falls a hair below a whole number must stay below it.
std::array<long double, 7> segmentBoundaries(const PacketTiming& timing);

// One period rebuilt from harmonics first ... last at 401 samples: sample j lies at the fraction
// j / 400 of the period and is the mean value for harmonic 0 plus A sin(phase + 2 pi m j / 400)
// for each other harmonic m, added in increasing m. lines holds the amplitude and phase of each
// harmonic, table its coefficients; first and last must lie within both.
std::array<double, kWaveformSamples> synthesisedWaveform(int first, int last,
                                                         std::span<const CoefPair> table,
                                                         std::span<const HarmonicLine> lines);

} // namespace spectrum
