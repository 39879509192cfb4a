#pragma once

// What a screen reader and the tooltips say about a pass: Russian texts with numbers in the given
// locale, all taken from the pass itself.

#include "Pass.h"

#include <QLocale>
#include <QPoint>
#include <QString>

// The amplitude spectrum: the count, f1 and the highest frequency shown, the largest amplitude and
// its harmonic, the negligible harmonics, and how the envelope is drawn.
QString amplitudeSummary(const spectrum::PassResult& pass, bool filledEnvelope,
                         const QLocale& locale = QLocale());
// The phase spectrum: the count and the listed phases, the harmonics grouped by phase.
QString phaseSummary(const spectrum::PassResult& pass, const QLocale& locale = QLocale());
// The rebuilt signal: its harmonic range, the period, the highest and the lowest value drawn.
QString signalSummary(const spectrum::PassResult& pass, const QLocale& locale = QLocale());
// One harmonic: "k = 5; f = 16,67 кГц; A = 110 мВ; φ = -29°"; empty for one the pass lacks.
QString harmonicReadout(const spectrum::PassResult& pass, int k, const QLocale& locale = QLocale());
// The tooltip at a client pixel: the harmonic of a stem within a few pixels, or the waveform's
// sample in that column when the curve passes within a few pixels ("t = 42 мкс; u = 0,98 В");
// empty anywhere else.
QString pointReadout(const spectrum::PassResult& pass, QPoint at,
                     const QLocale& locale = QLocale());
