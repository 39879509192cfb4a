#pragma once

// One recalculation as a value: the inputs of the window in, everything the window shows out.
// Plain C++, no window: the window, an export or a test can compute a pass alike.

#include "Coefficients.h"
#include "Measures.h"

#include <array>
#include <optional>
#include <vector>

namespace spectrum {

// What the picture adds when asked, over what it always draws; off, the picture is the window's
// design alone.
struct PictureOverlays {
    bool idealSignal = false; // the packet itself under the rebuilt period
    int bandwidthShare = 0; // the practical bandwidth's line at this per cent of the power; 0: none
    // The share the bandwidth is told for where only one is shown (the presentation).
    int chosenShare = kBandwidthShares.front();
    bool operator==(const PictureOverlays&) const = default;
};

// What the pass reads from the window's inputs.
struct PassInput {
    PacketInput packet;    // period and unit time in microseconds, multipliers m1 ... m7
    int harmonics = 0;     // N
    int rangeFrom = 0;     // the waveform's harmonics, first ...
    int rangeTo = 0;       // ... and last
    bool envelope = false; // "Огибающая": the envelope is computed and drawn
    bool showAll = false;  // "Показывать все": the negligible harmonics are listed too
    bool filledEnvelope = false; // "залить": the envelope's area is filled where it is drawn
    PictureOverlays overlays{};
    bool measures = false; // the packet's measures too, for whoever shows them
};

// One line of each list: harmonic k with its listed millivolts and degrees; a negligible harmonic
// listed only because all are shown carries its phase in brackets.
struct ListedHarmonic {
    int k = 0;
    int millivolts = 0;
    int degrees = 0;
    bool negligible = false;
};

// Everything a pass computes. A packet with no usable period, or a count outside
// 1 ... kMaxHarmonics, computes nothing: `computed` is false, the window shows the empty panels,
// empty lists and no f1.
struct PassResult {
    bool computed = false;
    bool filledEnvelope = false; // as asked, so that whoever draws the pass draws it alike
    PictureOverlays overlays;    // likewise
    PacketInput packet;          // as read
    double period = 0.0;         // microseconds, as the period label shows it
    PacketTiming timing;         // T, tau, t1 ... t7, c1 ... c4
    double f1 = 0.0;             // kilohertz
    int N = 0;
    double fmax = 0.0;                       // hertz, harmonic N
    double S = 0.0;                          // envelope scale, seconds
    std::vector<CoefPair> table;             // N + 2 entries; entry N + 1 is a spare, never read
    std::vector<HarmonicLine> harmonics;     // amplitude and phase of harmonics 0 ... N
    std::vector<double> envelope;            // magnitudes at points 1 ... 400; empty when off
    std::array<long double, 7> boundaries{}; // ends of segments 1 ... 7, seconds
    int rangeFrom = 0;                       // the harmonics the waveform sums, first ...
    int rangeTo = 0;                         // ... and last (none when below the first)
    std::array<double, kWaveformSamples> waveform{}; // the rebuilt period, volts
    std::vector<ListedHarmonic> listed;              // the lists' lines, ascending k
    // The packet's measures, when asked for or needed by the bandwidth's line, and the packet
    // is one the fields can hold (whole, non-negative multipliers).
    std::optional<Measures> measures;
};

// The measures' view of a pass's packet, count and range: none for multipliers that are not
// whole numbers from 0 up.
std::optional<MeasuresInput> measuresInputOf(const PacketInput& packet, int harmonics,
                                             int rangeFrom, int rangeTo);

PassResult computePass(const PassInput& input);

} // namespace spectrum
