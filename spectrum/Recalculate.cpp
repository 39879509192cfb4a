#include "Recalculate.h"

#include "Coefficients.h"
#include "Drawing.h"
#include "Listing.h"
#include "PixelMath.h"
#include "SpectrumLines.h"
#include "Tovenal_unit.h"
#include "VectorState.h"
#include "Waveform.h"

#include <vector>

namespace {

unsigned long long passesStarted = 0;

using Extended = long double;

double fieldNumber(const TEdit* field) {
    return StrToFloat(field->GetText());
}

// The inputs in the order the pass reads them: period, unit time, pulses, then gaps.
PacketInput readPacket() {
    PacketInput input;
    input.period = StrToFloat(Form1->l_period->GetText());
    input.unitTime = fieldNumber(Form1->Edit9);
    const TEdit* const fields[] = {Form1->Edit1, Form1->Edit2, Form1->Edit3, Form1->Edit4,
                                   Form1->Edit5, Form1->Edit6, Form1->Edit7};
    for (const int n : {0, 2, 4, 6, 1, 3, 5})
        input.multipliers[static_cast<std::size_t>(n)] = fieldNumber(fields[n]);
    return input;
}

// A packet with no positive period, or a count outside 1 ... 200, cannot be computed: the window
// shows the empty panels and empty lists until the next usable input.
void showNothing() {
    DrawEmptyPanels();
    ClearLists();
    Form1->f1->SetText(QString());
}

void drawEnvelope(const PacketTiming& timing, double S) {
    int previousIndex = 1;
    double previousMagnitude = 0.0;
    for (int i = 1; i <= 400; ++i) {
        const CoefPair point = EnvelopePoint(i, timing, S);
        const double magnitude = Amplitude(point.b, point.a);
        if (i == 1)
            previousMagnitude = magnitude;
        DrawEnvelopePoint(i, magnitude, previousIndex, previousMagnitude);
        previousIndex = i;
        previousMagnitude = magnitude;
    }
}

double harmonicFrequency(int k, double T) {
    return static_cast<double>(Extended(k) / T);
}

} // namespace

unsigned long long PassCount() {
    return passesStarted;
}

void Recalculate() {
    ++passesStarted;
    const PacketInput input = readPacket();
    const PacketTiming timing = ComputeTiming(input);
    const bool periodUsable = IsUsablePeriod(input.period);
    if (periodUsable)
        Form1->f1->SetText(FloatToStr(FundamentalKilohertz(timing.T)));

    const int N = StrToInt(Form1->Edit10->GetText());
    if (!periodUsable || !IsUsableCount(N)) {
        showNothing();
        return;
    }
    const double fmax = HighestFrequency(N, timing.T);
    const double S = EnvelopeScale(N, timing.T);
    std::vector<CoefPair> table(static_cast<std::size_t>(N) + 2);

    DrawAxes(fmax);
    ClearLists();
    ClearUpperVectorState();
    if (Form1->CheckBox3->GetChecked())
        drawEnvelope(timing, S);

    FillCoefficients(table, N, timing);
    std::vector<HarmonicLine> lines(static_cast<std::size_t>(N) + 1);
    for (int k = 0; k <= N; ++k) {
        const CoefPair& entry = table[static_cast<std::size_t>(k)];
        HarmonicLine& line = lines[static_cast<std::size_t>(k)];
        line = {Amplitude(entry.b, entry.a), Phase(entry.b, entry.a)};
        const double f = harmonicFrequency(k, timing.T);
        if (const auto h = PlotGeometry::AmplitudeSteps(line.amplitude))
            DrawAmplitudeLine(*h, f, fmax);
        if (const auto p = PlotGeometry::PhasePixels(line.phase))
            DrawPhaseLine(*p, f, fmax);
        ListHarmonic(k, line.amplitude, line.phase);
    }

    DrawSegmentMarkers(timing.T, timing.t);
    ClearUpperVectorState(); // the listing has run Qt code since
    DrawWaveform(std::span(table).first(static_cast<std::size_t>(N) + 1), lines);
}
