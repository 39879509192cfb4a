#pragma once

#include "Canvas.h"

#include <array>
#include <span>

// The waveform panel's content.

// Seven markers at the ends of segments 1 ... 7 (seconds into a period of T seconds).
void DrawSegmentMarkers(TCanvas& canvas, double T, const std::array<long double, 7>& boundaries);
// The rebuilt period as a polyline, one sample (volts) per pixel column from x = 560.
void DrawWaveform(TCanvas& canvas, std::span<const double> samples);
