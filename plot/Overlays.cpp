#include "Overlays.h"

#include "Colors.h"
#include "Drawing.h"
#include "PixelMath.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

using namespace plot;

namespace {

// Where the label of the bandwidth's line starts, from the line's top.
constexpr int kBandwidthLabelDx = 4;
constexpr int kBandwidthLabelY = 24;

// The level of each segment in volts, worked in extended precision from the whole multipliers, so
// that a level of a whole number of hundredths lands on its own row.
std::array<long double, 8> idealLevels(const spectrum::PassResult& pass) {
    const spectrum::PacketInput& packet = pass.packet;
    long double pulses = 0;
    for (std::size_t n = 0; n < packet.multipliers.size(); n += 2)
        pulses += packet.multipliers[n];
    const long double mean = pulses * packet.unitTime / packet.period;
    const long double offset = pass.rangeFrom >= 1 ? mean : 0;
    std::array<long double, 8> levels{};
    for (std::size_t n = 0; n < levels.size(); ++n)
        levels[n] = (n % 2 == 0 ? 1 : 0) - offset;
    return levels;
}

Pixel idealRow(long double volts) {
    return toPixel(kWaveZero - 100 * volts);
}

} // namespace

void DrawIdealSignal(TCanvas& canvas, const spectrum::PassResult& pass) {
    if (!pass.computed || !pass.overlays.idealSignal)
        return;
    const auto levels = idealLevels(pass);
    // Segment n runs from the marker before it to the marker after it; the period's ends close it.
    std::array<Pixel, 9> columns{};
    columns.front() = kWaveLeft;
    columns.back() = kWaveRight;
    for (std::size_t n = 0; n < pass.boundaries.size(); ++n)
        columns[n + 1] = markerColumn(pass.boundaries[n], pass.timing.T);
    if (std::ranges::any_of(columns, [](Pixel x) { return !x; }))
        return;
    TPen& pen = *canvas.GetPen();
    const TColor previous = pen.GetColor();
    pen.SetColor(PlotColor::kIdealSignal);
    Pixel row = idealRow(levels[0]);
    if (!row)
        return;
    canvas.MoveTo(kWaveLeft, *row);
    for (std::size_t n = 0; n < levels.size(); ++n) {
        const Pixel next = idealRow(levels[n]);
        if (!next)
            break;
        if (n > 0)
            canvas.LineTo(*columns[n], *next); // the step in the marker's column
        canvas.LineTo(*columns[n + 1], *next);
    }
    pen.SetColor(previous);
}

void DrawBandwidthLine(TCanvas& canvas, const spectrum::PassResult& pass) {
    const int share = pass.overlays.bandwidthShare;
    const auto& shares = spectrum::kBandwidthShares;
    const auto at = std::ranges::find(shares, share);
    if (!pass.computed || !pass.measures || at == shares.end())
        return;
    const int K =
        pass.measures->bandwidths[static_cast<std::size_t>(std::distance(shares.begin(), at))].k;
    if (K > pass.N)
        return;
    const Pixel x = harmonicColumn(spectrum::harmonicFrequency(K, pass.timing.T), pass.fmax);
    if (!x)
        return;
    DrawLine(canvas, *x, kAmplitudeZero - 1, *x, kAmplitudeTop - 1, PlotColor::kBandwidth);
    DrawLabel(canvas, *x + kBandwidthLabelDx, kBandwidthLabelY, bandwidthLabel(share));
}

QString bandwidthLabel(int share) {
    //: A share of the power, "90 %"
    return QCoreApplication::translate("Overlays", "%1 %").arg(share);
}
