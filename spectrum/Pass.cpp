#include "Pass.h"

#include "ListingText.h"
#include "VectorState.h"

#include <algorithm>

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
    return result;
}

} // namespace spectrum
