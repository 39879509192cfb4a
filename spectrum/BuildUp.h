#pragma once

// The build-up of a spectrum: the waveform rebuilt from the range's first harmonic alone, then
// with each next harmonic added, up to the last. The window plays it as an animation and the GIF
// export writes it; both step through the same frames at the same pace.

#include "Pass.h"

namespace spectrum {

// The pace of the window's animation: a step every 400 ms, faster when a whole build-up would
// otherwise take longer than 12 s.
inline constexpr int kBuildUpStepMilliseconds = 400;
inline constexpr int kLongestBuildUpMilliseconds = 12'000;
// How long an animation that stops by itself shows its last frame before it starts again.
inline constexpr int kBuildUpHoldMilliseconds = 3'000;
int buildUpStepMilliseconds(int steps);

// The upper ends the build-up steps through: from the range's lower end up to `last`. None when
// `last` lies below the lower end.
struct BuildUpSteps {
    int first = 0;
    int last = -1;
    int count() const { return last >= first ? last - first + 1 : 0; }
};
BuildUpSteps buildUpSteps(int rangeFrom, int last);

// The pass of one frame: the input with the range's upper end at k.
PassInput buildUpFrame(PassInput input, int k);

} // namespace spectrum
