#include "Readouts.h"

#include "ListingText.h"
#include "PixelMath.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <optional>
#include <vector>

using namespace spectrum;

namespace {

struct Readouts {
    Q_DECLARE_TR_FUNCTIONS(Readouts)
};

// How far from a stem or from the waveform the pointer may rest for its readout, in pixels.
constexpr int kReach = 3;

// Two decimals, or three significant digits for smaller numbers (at most six decimals), without
// trailing zeros: 16,67; 0,98; 0,000125.
QString number(double value, const QLocale& locale) {
    const double magnitude = std::fabs(value);
    int decimals = 2;
    if (magnitude > 0 && magnitude < 0.1)
        decimals = std::min(6, 2 - static_cast<int>(std::floor(std::log10(magnitude))));
    const double scale = std::pow(10.0, decimals);
    // Adding 0 turns a rounded -0 into 0.
    return locale.toString(std::round(value * scale) / scale + 0.0, 'f',
                           QLocale::FloatingPointShortest);
}

double kilohertz(double hertz) {
    return hertz / 1000;
}

double microseconds(double seconds) {
    return seconds * 1e6;
}

// Ascending harmonic numbers, runs of three or more written as "3–7": "0, 3–7, 9".
QString harmonicList(const std::vector<int>& harmonics, const QLocale& locale) {
    QStringList parts;
    for (std::size_t n = 0; n < harmonics.size();) {
        std::size_t end = n;
        while (end + 1 < harmonics.size() && harmonics[end + 1] == harmonics[end] + 1)
            ++end;
        if (end - n >= 2) {
            parts << locale.toString(harmonics[n]) + u'–' + locale.toString(harmonics[end]);
        } else {
            for (std::size_t m = n; m <= end; ++m)
                parts << locale.toString(harmonics[m]);
        }
        n = end + 1;
    }
    return parts.join(QStringLiteral(", "));
}

// "у гармоники 5" or "у гармоник 1, 4".
QString ofHarmonics(const std::vector<int>& harmonics, const QLocale& locale) {
    //: Before the numbers of the harmonics that have a phase: "-29° у гармоник 2, 5, 8"
    return (harmonics.size() == 1 ? Readouts::tr("у гармоники ") : Readouts::tr("у гармоник ")) +
           harmonicList(harmonics, locale);
}

QString notComputed() {
    return Readouts::tr("Нет расчёта: период посылки или число гармоник вне допустимых пределов.");
}

QString countText(const PassResult& pass, const QLocale& locale) {
    return Readouts::tr("Число гармоник %1").arg(locale.toString(pass.N));
}

// The y-range of a drawn stroke from row a to row b, widened by the reach.
bool near(int y, int a, int b) {
    return y >= std::min(a, b) - kReach && y <= std::max(a, b) + kReach;
}

// The harmonic whose amplitude or phase stem lies nearest to the point, within the reach.
std::optional<int> stemNear(const PassResult& pass, QPoint at) {
    std::optional<int> nearest;
    int nearestDistance = kReach + 1;
    for (int k = 0; k <= pass.N; ++k) {
        const auto x = plot::harmonicColumn(harmonicFrequency(k, pass.timing.T), pass.fmax);
        if (!x || std::abs(at.x() - *x) >= nearestDistance)
            continue;
        const HarmonicLine& line = pass.harmonics[static_cast<std::size_t>(k)];
        const auto h = plot::amplitudeSteps(line.amplitude);
        const auto p = plot::phasePixels(line.phase);
        if ((h && near(at.y(), plot::kAmplitudeZero, plot::amplitudeTop(*h))) ||
            (p && near(at.y(), plot::kPhaseZero, plot::phaseTop(*p)))) {
            nearest = k;
            nearestDistance = std::abs(at.x() - *x);
        }
    }
    return nearest;
}

// The waveform's sample in the point's column, when the strokes into and out of that column pass
// within the reach.
std::optional<int> sampleNear(const PassResult& pass, QPoint at) {
    const int j = at.x() - plot::kWaveLeft;
    if (j < 0 || j >= kWaveformSamples)
        return std::nullopt;
    int top = INT_MAX;
    int bottom = INT_MIN;
    for (int n = std::max(j - 1, 0); n <= std::min(j + 1, kWaveformSamples - 1); ++n) {
        if (const auto y = plot::waveformRow(pass.waveform[static_cast<std::size_t>(n)])) {
            top = std::min(top, *y);
            bottom = std::max(bottom, *y);
        }
    }
    if (top > bottom || !near(at.y(), top, bottom))
        return std::nullopt;
    return j;
}

// The bandwidth's line, when it is drawn: " Линия ширины спектра 90 % у гармоники 2."
QString bandwidthText(const PassResult& pass, const QLocale& locale) {
    const int share = pass.overlays.bandwidthShare;
    const auto at = std::ranges::find(kBandwidthShares, share);
    if (!pass.measures || at == kBandwidthShares.end())
        return {};
    const int k =
        pass.measures->bandwidths[static_cast<std::size_t>(at - kBandwidthShares.begin())].k;
    if (k > pass.N)
        return Readouts::tr(" Ширина спектра %1 %: K = %2, больше показанных.")
            .arg(locale.toString(share), locale.toString(k));
    return Readouts::tr(" Линия ширины спектра %1 % у гармоники %2.")
        .arg(locale.toString(share), locale.toString(k));
}

// The ideal signal under the rebuilt one, when it is drawn.
QString idealText(const PassResult& pass, const QLocale& locale) {
    if (!pass.overlays.idealSignal)
        return {};
    if (pass.rangeFrom == 0)
        return Readouts::tr(" Под ним идеальный сигнал: 1 В над импульсами, 0 В над паузами.");
    const spectrum::PacketInput& packet = pass.packet;
    const double mean = (packet.multipliers[0] + packet.multipliers[2] + packet.multipliers[4] +
                         packet.multipliers[6]) *
                        packet.unitTime / packet.period;
    return Readouts::tr(" Под ним идеальный сигнал без постоянной составляющей: %1 В над "
                        "импульсами, %2 В над паузами.")
        .arg(number(1 - mean, locale), number(-mean, locale));
}

} // namespace

QString amplitudeSummary(const PassResult& pass, bool filledEnvelope, const QLocale& locale) {
    if (!pass.computed)
        return notComputed();
    std::size_t largest = 0;
    std::vector<int> negligible;
    for (std::size_t k = 0; k < pass.harmonics.size(); ++k) {
        if (pass.harmonics[k].amplitude > pass.harmonics[largest].amplitude)
            largest = k;
        if (!isSignificant(pass.harmonics[k].amplitude))
            negligible.push_back(static_cast<int>(k));
    }
    QString text = countText(pass, locale) +
                   Readouts::tr(", f1 = %1 кГц, наибольшая частота %2 кГц. ")
                       .arg(number(pass.f1, locale), number(kilohertz(pass.fmax), locale)) +
                   Readouts::tr("Наибольшая амплитуда %1 мВ у гармоники %2. ")
                       .arg(locale.toString(listedAmplitude(pass.harmonics[largest].amplitude)),
                            locale.toString(static_cast<int>(largest)));
    if (negligible.empty())
        text += Readouts::tr("Пренебрежимо малых гармоник нет. ");
    else if (negligible.size() == 1)
        text += Readouts::tr("Пренебрежимо мала гармоника %1. ").arg(negligible.front());
    else
        text +=
            Readouts::tr("Пренебрежимо малы гармоники %1. ").arg(harmonicList(negligible, locale));
    if (pass.envelope.empty())
        text += Readouts::tr("Огибающая не показана.");
    else
        text += filledEnvelope ? Readouts::tr("Огибающая показана залитой.")
                               : Readouts::tr("Огибающая показана линией.");
    return text + bandwidthText(pass, locale);
}

QString phaseSummary(const PassResult& pass, const QLocale& locale) {
    if (!pass.computed)
        return notComputed();
    if (pass.listed.empty())
        return countText(pass, locale) + Readouts::tr(". Список фаз пуст.");
    std::map<int, std::vector<int>, std::greater<>> byPhase;
    for (const ListedHarmonic& listed : pass.listed)
        byPhase[listed.degrees].push_back(listed.k);
    QStringList groups;
    for (const auto& [degrees, harmonics] : byPhase)
        groups << locale.toString(degrees) + QStringLiteral("° ") + ofHarmonics(harmonics, locale);
    return countText(pass, locale) + Readouts::tr(". Фазы по списку: ") +
           groups.join(QStringLiteral("; ")) + u'.';
}

QString signalSummary(const PassResult& pass, const QLocale& locale) {
    if (!pass.computed)
        return notComputed();
    const auto [lowest, highest] = std::minmax_element(pass.waveform.begin(), pass.waveform.end());
    return Readouts::tr("Гармоники с %1 по %2, период %3 мкс. ")
               .arg(locale.toString(pass.rangeFrom), locale.toString(pass.rangeTo),
                    number(microseconds(pass.timing.T), locale)) +
           Readouts::tr("Наибольшее значение %1 В, наименьшее %2 В.")
               .arg(number(*highest, locale), number(*lowest, locale)) +
           idealText(pass, locale);
}

QString harmonicReadout(const PassResult& pass, int k, const QLocale& locale) {
    if (!pass.computed || k < 0 || k > pass.N)
        return {};
    const HarmonicLine& line = pass.harmonics[static_cast<std::size_t>(k)];
    return Readouts::tr("k = %1; f = %2 кГц; A = %3 мВ; φ = %4°")
        .arg(locale.toString(k), number(kilohertz(harmonicFrequency(k, pass.timing.T)), locale),
             locale.toString(listedAmplitude(line.amplitude)),
             locale.toString(listedPhase(line.phase)));
}

QString pointReadout(const PassResult& pass, QPoint at, const QLocale& locale) {
    if (!pass.computed)
        return {};
    if (const auto k = stemNear(pass, at))
        return harmonicReadout(pass, *k, locale);
    if (const auto j = sampleNear(pass, at)) {
        const double t = microseconds(pass.timing.T) * *j / (kWaveformSamples - 1);
        return Readouts::tr("t = %1 мкс; u = %2 В")
            .arg(number(t, locale), number(pass.waveform[static_cast<std::size_t>(*j)], locale));
    }
    return {};
}
