#pragma once

// The packet's measures as the measures window lists them: Russian lines with units, numbers in
// the given locale.

#include "Pass.h"

#include <QLocale>
#include <QStringList>

// One line per measure; a single line saying why when the pass has no measures.
QStringList measuresLines(const spectrum::PassResult& pass, const QLocale& locale = QLocale());
