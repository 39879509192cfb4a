#pragma once

// What the window's fields hold, and so what a set-up file or the command line may give: one home
// for the least and greatest value and the default of every field, shared by the input rules, the
// keyboard stepper, the window's first texts, the set-up checks and defaults and the help text.

#include <array>

namespace spectrum {

// The least and greatest value a field holds, and what it holds when the window opens.
struct FieldRule {
    int least = 0;
    int greatest = 0;
    int initial = 0;
};

// A segment multiplier: 0 ... 999, the first pulse and the last gap at least 1.
inline constexpr int kMaxMultiplier = 999;
inline constexpr std::array<FieldRule, 8> kSegmentRules{{{1, kMaxMultiplier, 1},
                                                         {0, kMaxMultiplier, 0},
                                                         {0, kMaxMultiplier, 0},
                                                         {0, kMaxMultiplier, 0},
                                                         {0, kMaxMultiplier, 0},
                                                         {0, kMaxMultiplier, 0},
                                                         {0, kMaxMultiplier, 0},
                                                         {1, kMaxMultiplier, 2}}};

// The unit time in microseconds.
inline constexpr FieldRule kUnitTimeRule{1, 999, 100};
inline constexpr int kMaxUnitTime = kUnitTimeRule.greatest;

// The count field holds at most this many harmonics; the pass computes no more.
inline constexpr FieldRule kHarmonicsRule{1, 200, 20};
inline constexpr int kMaxHarmonics = kHarmonicsRule.greatest;

// The harmonic range: its lower end from 0, its upper end from the lower end, both up to the
// count (the greatest values here are those of the count's own limit).
inline constexpr FieldRule kRangeFromRule{0, kMaxHarmonics, 0};
inline constexpr FieldRule kRangeToRule{0, kMaxHarmonics, 20};
// A new count resets the range to this lower end ... the count.
inline constexpr int kRangeFromAfterNewCount = 1;

} // namespace spectrum
