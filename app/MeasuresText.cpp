#include "MeasuresText.h"

#include <QCoreApplication>
#include <cmath>

namespace {

struct MeasuresText {
    Q_DECLARE_TR_FUNCTIONS(MeasuresText)
};

// Per cent with two decimals, volts to the millivolt, millivolts and kilohertz as the lists
// show them; -0 shows as 0.
QString fixed(double value, int decimals, const QLocale& locale) {
    return locale.toString(value + 0.0, 'f', decimals);
}

QString percent(double value, const QLocale& locale) {
    return fixed(value, 2, locale) + QStringLiteral(" %");
}

QString volts(double value, const QLocale& locale) {
    //: Volts, after a number
    return fixed(value, 3, locale) + MeasuresText::tr(" В");
}

QString kilohertz(double value, const QLocale& locale) {
    //: Kilohertz, after a number
    return locale.toString(value, 'g', 6) + MeasuresText::tr(" кГц");
}

QString range(int from, int to, const QLocale& locale) {
    return locale.toString(from) + u'…' + locale.toString(to);
}

QString bandwidthLine(int share, const spectrum::Bandwidth& bandwidth, int N,
                      const QLocale& locale) {
    QString line = MeasuresText::tr("Ширина спектра %1 %: K = %2, %3")
                       .arg(locale.toString(share), locale.toString(bandwidth.k),
                            kilohertz(bandwidth.khz, locale));
    if (bandwidth.k > N)
        line += MeasuresText::tr(" — больше рассчитанных N = %1").arg(locale.toString(N));
    return line;
}

QString zeroHarmonicsLine(const std::vector<int>& harmonics, const QLocale& locale) {
    if (harmonics.empty())
        return MeasuresText::tr("Нулевых гармоник нет");
    QStringList numbers;
    for (const int k : harmonics)
        numbers << locale.toString(k);
    return MeasuresText::tr("Нулевые гармоники: ") + numbers.join(QStringLiteral(", "));
}

} // namespace

QStringList measuresLines(const spectrum::PassResult& pass, const QLocale& locale) {
    if (!pass.computed || !pass.measures)
        return {MeasuresText::tr("Нет данных: посылка не рассчитана")};
    const spectrum::Measures& m = *pass.measures;
    QStringList lines;
    lines << MeasuresText::tr("Период: %1 мкс; f1 = %2")
                 .arg(locale.toString(m.periodUs, 'g', 10), kilohertz(m.f1Khz, locale));
    lines << MeasuresText::tr("Доля импульсов: %1 (скважность %2)")
                 .arg(fixed(m.pulseFill, 4, locale), locale.toString(1 / m.pulseFill, 'g', 4));
    lines << MeasuresText::tr("Мощность на 1 Ом: %1 В²; действующее значение: %2")
                 .arg(fixed(m.powerV2, 4, locale), volts(m.rmsV, locale));
    lines << MeasuresText::tr("Постоянная составляющая: %1 мощности")
                 .arg(percent(m.dcSharePct, locale));
    lines << MeasuresText::tr("Гармоники %1: %2 мощности")
                 .arg(range(1, pass.N, locale), percent(m.harmonicsSharePct, locale));
    lines << (pass.rangeFrom > pass.rangeTo ? MeasuresText::tr("Диапазон пуст: 0 % мощности")
                                            : MeasuresText::tr("Диапазон %1: %2 мощности")
                                                  .arg(range(pass.rangeFrom, pass.rangeTo, locale),
                                                       percent(m.rangeSharePct, locale)));
    lines << MeasuresText::tr("Ошибка восстановления: %1 мВ (%2 мощности)")
                 .arg(fixed(m.rmsErrorMv, 1, locale), percent(m.errorSharePct, locale));
    for (std::size_t n = 0; n < spectrum::kBandwidthShares.size(); ++n)
        lines << bandwidthLine(spectrum::kBandwidthShares[n], m.bandwidths[n], pass.N, locale);
    lines << MeasuresText::tr("Наибольшее значение: %1; наименьшее: %2")
                 .arg(volts(m.peakV, locale), volts(m.troughV, locale));
    lines
        << (m.overshootPct
                ? MeasuresText::tr("Выброс над вершиной: %1").arg(percent(*m.overshootPct, locale))
                : MeasuresText::tr("Выброс: только для диапазона от 0 или 1"));
    lines << zeroHarmonicsLine(m.zeroHarmonics, locale);
    return lines;
}
