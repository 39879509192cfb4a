#pragma once

#include "Canvas.h"
#include "Pass.h"

// The whole picture of a pass on any canvas, in the order that decides what lies over what: the
// empty panels, the envelope, the bandwidth's line when asked, the stems of harmonics 0 ... N,
// the segment markers, the ideal signal when asked, the waveform.
// A pass that computed nothing gives the empty panels.
void DrawPass(TCanvas& canvas, const spectrum::PassResult& pass, bool filledEnvelope);
