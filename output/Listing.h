#pragma once

#include "Pass.h"

#include <QStringList>

// The lines of the amplitude list ("k = V", millivolts) and of the phase list ("k = D" degrees, or
// "k = (D)" for a negligible harmonic shown because all are), one per listed harmonic.
QStringList amplitudeLines(const spectrum::PassResult& pass);
QStringList phaseLines(const spectrum::PassResult& pass);
