#pragma once

// How the packet itself measures up: its power, how that power spreads over the harmonics, how
// many harmonics carry most of it, and how far the rebuilt period strays from the pulses.
//
// These describe the signal, not the window's picture of it: the coefficients are the exact ones,
// with the true pi and long double intermediates, where the pass keeps its own rules (3.14,
// truncation). Plain C++, no window: the command line reports them and a test can check them.

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace spectrum {

// The fields the measures read, as the window holds them: the eight segment multipliers (pulse,
// gap, pulse, ... gap), the unit time in microseconds, the count N and the range L ... U (none
// when L > U). A value outside what the fields hold is brought to the nearest one they do.
struct MeasuresInput {
    std::array<int, 8> packet{};
    int unitTime = 0;
    int harmonics = 0;
    int rangeFrom = 0;
    int rangeTo = 0;
};

// The shares of the power, per cent, that the bandwidths are measured for, ascending, in the
// report's order.
inline constexpr std::array<int, 3> kBandwidthShares{90, 95, 99};

// A harmonic whose exact amplitude stays below this many volts counts as absent.
inline constexpr double kZeroAmplitudeVolts = 1e-9;

// The fewest harmonics 1 ... k that, with the constant term, carry a share of the power.
struct Bandwidth {
    int k = 0;
    double khz = 0.0; // k f1
};

struct Measures {
    double periodUs = 0.0;
    double f1Khz = 0.0;
    double pulseFill = 0.0; // the pulses' part of the period
    double powerV2 = 0.0;   // mean power into 1 ohm, volts squared
    double rmsV = 0.0;
    double dcSharePct = 0.0;        // the constant term's share of the power
    double harmonicsSharePct = 0.0; // harmonics 1 ... N
    double rangeSharePct = 0.0;     // the range: what the rebuilt period carries
    double rmsErrorMv = 0.0;        // what the rebuilt period leaves out, as an RMS voltage ...
    double errorSharePct = 0.0;     // ... and as a share of the power
    std::array<Bandwidth, kBandwidthShares.size()> bandwidths{}; // one per kBandwidthShares entry
    double peakV = 0.0; // the highest and lowest value of the rebuilt period
    double troughV = 0.0;
    // How far the rebuilt period rises above the pulses' top (1 V, less the constant term when
    // the range starts at 1), per cent of the 1 V jump; only for a range from 0 or 1 holding a
    // harmonic.
    std::optional<double> overshootPct;
    std::vector<int> zeroHarmonics; // ascending, among 1 ... N
};

Measures computeMeasures(const MeasuresInput& input);

// The command line's report: a heading, then one "key = value" line each, "." as the decimal
// point whatever the locale.
std::string measuresReport(const Measures& measures);

} // namespace spectrum
