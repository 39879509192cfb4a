#include "Examples.h"

#include "Limits.h"

#include <QCoreApplication>

namespace {

// A packet at the window's unit time and count (or the count its lesson needs), the waveform
// rebuilt from harmonics 1 ... N.
Setup packet(std::array<int, 8> multipliers, int harmonics = spectrum::kHarmonicsRule.initial) {
    Setup setup;
    setup.packet = multipliers;
    setup.harmonics = harmonics;
    setup.rangeFrom = 1;
    setup.rangeTo = harmonics;
    return setup;
}

} // namespace

const std::vector<Example>& examples() {
    static const std::vector<Example> list = {
        {QString::fromUtf8(QT_TRANSLATE_NOOP("Examples", "Меандр (импульс и пауза поровну)")),
         packet({1, 0, 0, 0, 0, 0, 0, 1})},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("Examples", "Скважность 4")),
         packet({1, 0, 0, 0, 0, 0, 0, 3})},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("Examples", "Скважность 8")),
         packet({1, 0, 0, 0, 0, 0, 0, 7}, 40)},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("Examples", "Два импульса за период")),
         packet({1, 1, 1, 0, 0, 0, 0, 3})},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("Examples", "Кодовое слово")),
         packet({2, 1, 1, 3, 1, 1, 2, 5}, 60)},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("Examples", "Короткий импульс (1/16 периода)")),
         packet({1, 0, 0, 0, 0, 0, 0, 15}, 80)},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("Examples", "Исходная установка окна")), Setup{}},
    };
    return list;
}
