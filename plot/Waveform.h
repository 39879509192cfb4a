#pragma once

#include "Coefficients.h"

#include <array>
#include <span>

// The waveform panel's content.

// Seven markers at the ends of segments 1 ... 7 of a period of T seconds.
void DrawSegmentMarkers(double T, const std::array<double, 7>& t);
// One period rebuilt from the harmonics of the range in Edit13 ... Edit14 that lie within the
// table (0 ... N); lines holds the amplitude and phase of each harmonic 0 ... N.
void DrawWaveform(std::span<const CoefPair> table, std::span<const HarmonicLine> lines);
