#include "Pass.h"

#include "Limits.h"
#include "ListingText.h"
#include "VectorState.h"

#include <algorithm>
#include <cmath>

namespace spectrum {
namespace {

std::vector<double> envelopeMagnitudes(const PacketTiming& timing, double S) {
    std::vector<double> magnitudes(kEnvelopePoints);
    for (int i = 1; i <= kEnvelopePoints; ++i) {
        const CoefPair point = envelopePoint(i, timing, S);
        magnitudes[static_cast<std::size_t>(i - 1)] = Amplitude(point.b, point.a);
    }
    return magnitudes;
}

std::vector<HarmonicLine> harmonicLines(const std::vector<CoefPair>& table, int N) {
    std::vector<HarmonicLine> lines(static_cast<std::size_t>(N) + 1);
    for (std::size_t k = 0; k < lines.size(); ++k)
        lines[k] = {Amplitude(table[k].b, table[k].a), Phase(table[k].b, table[k].a)};
    return lines;
}

// Significant harmonics always; the negligible ones only when all are shown.
std::vector<ListedHarmonic> listedHarmonics(const std::vector<HarmonicLine>& lines, bool showAll) {
    std::vector<ListedHarmonic> listed;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const bool significant = isSignificant(lines[k].amplitude);
        if (significant || showAll)
            listed.push_back({static_cast<int>(k), listedAmplitude(lines[k].amplitude),
                              listedPhase(lines[k].phase), !significant});
    }
    return listed;
}

} // namespace

PassResult computePass(const PassInput& input) {
    PassResult result;
    result.filledEnvelope = input.filledEnvelope;
    result.overlays = input.overlays;
    result.packet = input.packet;
    result.period = input.packet.period;
    result.timing = computeTiming(input.packet);
    if (!isUsablePeriod(input.packet.period) || !isUsableCount(input.harmonics))
        return result;
    result.computed = true;
    const double T = result.timing.T;
    result.f1 = fundamentalKilohertz(T);
    result.N = input.harmonics;
    result.fmax = highestFrequency(result.N, T);
    result.S = envelopeScale(result.N, T);

    clearUpperVectorState();
    if (input.envelope)
        result.envelope = envelopeMagnitudes(result.timing, result.S);
    result.table.resize(static_cast<std::size_t>(result.N) + 2);
    fillCoefficients(result.table, result.N, result.timing);
    result.harmonics = harmonicLines(result.table, result.N);
    result.boundaries = segmentBoundaries(result.timing);
    // A range end outside 0 ... N keeps only the harmonics the table holds.
    result.rangeFrom = std::max(input.rangeFrom, 0);
    result.rangeTo = std::min(input.rangeTo, result.N);
    result.waveform =
        synthesisedWaveform(result.rangeFrom, result.rangeTo, result.table, result.harmonics);
    result.listed = listedHarmonics(result.harmonics, input.showAll);
    if (input.measures || input.overlays.bandwidthShare != 0)
        if (const auto measured =
                measuresInputOf(input.packet, result.N, result.rangeFrom, result.rangeTo))
            result.measures = computeMeasures(*measured);
    return result;
}

std::optional<MeasuresInput> measuresInputOf(const PacketInput& packet, int harmonics,
                                             int rangeFrom, int rangeTo) {
    const auto whole = [](long double value) {
        return std::isfinite(value) && value >= 0 && value <= kMaxMultiplier &&
               value == std::trunc(value);
    };
    MeasuresInput input;
    long double inner = 0;
    for (std::size_t n = 0; n < packet.multipliers.size(); ++n) {
        if (!whole(packet.multipliers[n]))
            return std::nullopt;
        input.packet[n] = static_cast<int>(packet.multipliers[n]);
        inner += packet.multipliers[n];
    }
    // The last gap enters the pass only through the period.
    if (!whole(packet.unitTime) || packet.unitTime < 1 || packet.unitTime > kMaxUnitTime)
        return std::nullopt;
    const long double lastGap = packet.period / static_cast<long double>(packet.unitTime) - inner;
    if (!whole(lastGap))
        return std::nullopt;
    input.packet.back() = static_cast<int>(lastGap);
    input.unitTime = static_cast<int>(packet.unitTime);
    input.harmonics = harmonics;
    input.rangeFrom = rangeFrom;
    input.rangeTo = rangeTo;
    return input;
}

} // namespace spectrum
