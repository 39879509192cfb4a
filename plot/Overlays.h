#pragma once

// What the picture adds when asked: the packet itself under the rebuilt period, and the line of
// the practical bandwidth on the amplitude spectrum. Each draws nothing unless the pass asks for
// it.

#include "Canvas.h"
#include "Pass.h"

#include <QString>

// The level of 1 V over each pulse and 0 V over each gap, at the waveform's scale, less the mean
// value while the range leaves out the constant term; the steps stand in the markers' columns.
void DrawIdealSignal(TCanvas& canvas, const spectrum::PassResult& pass);
// A line at harmonic K's stem column from the amplitude axis up to its arrow, with the share
// beside its top; nothing when K lies beyond the N harmonics drawn.
void DrawBandwidthLine(TCanvas& canvas, const spectrum::PassResult& pass);
// "90 %": the label of the line, and of the menu item that draws it.
QString bandwidthLabel(int share);
