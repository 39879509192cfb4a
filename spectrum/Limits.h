#pragma once

// What the window's fields hold, and so what a set-up file or the command line may give: one home
// for the limits that the input rules, the maths, the set-up files and the help text share.

namespace spectrum {

// A segment multiplier: 0 ... 999 (the first pulse and the last gap at least 1).
inline constexpr int kMaxMultiplier = 999;
// The unit time in microseconds: 1 ... 999.
inline constexpr int kMaxUnitTime = 999;
// The count field holds at most this many harmonics; the pass computes no more.
inline constexpr int kMaxHarmonics = 200;

} // namespace spectrum
