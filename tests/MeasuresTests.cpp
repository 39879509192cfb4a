// The measures of a packet against sums worked by hand from the pulses' closed forms: a pulse of
// fill g has A_k^2 / 2 = 2 sin^2(pi k g) / (pi k)^2, a square wave A_k = 2 / (pi k) for odd k,
// and its partial sum up to harmonic 2n - 1 peaks at the n-th part of a half period (Gibbs).

#include "Measures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

using namespace spectrum;

struct Basics {
    double periodUs, f1Khz, fill;
    double harmonicsShare, rangeShare; // per cent
};

struct Extremes {
    double peak;
    std::optional<double> trough, overshoot; // a trough without a closed form is left out
};

struct Row {
    const char* name;
    MeasuresInput input;
    Basics basics;
    std::array<int, 3> k; // bandwidths 90, 95, 99 %
    Extremes extremes;
    bool (*zero)(int k); // which of 1 ... N vanish
};

// Which harmonics vanish: sin(pi k g) = 0 for a pulse of fill g, or D_k = 0 for the ones.
constexpr auto even = [](int k) { return k % 2 == 0; };
constexpr auto offQuarter = [](int k) { return k % 8 != 4; };
constexpr auto tenth = [](int k) { return k % 10 == 0; };
constexpr auto third = [](int k) { return k % 3 == 0; };
constexpr auto none = [](int) { return false; };

const Row kRows[] = {
    // Square wave, 100 odd harmonics: 50 + (400 / pi^2) sum_{odd k <= 199} 1 / k^2 = 99.8986797.
    // 50 + 40.53 reaches 90; + 4.50 (k = 3) reaches 95; 99 needs sum_{odd > K} 1 / k^2 <= pi^2 /
    // 400, first at K = 21 (not capped at N). Peak 1/2 + (2 / pi) sum_{m <= 100} sin((2m - 1) pi
    // / 200) / (2m - 1) = 1.08949404, trough 1 - peak by symmetry.
    {"SquareGibbs",
     {{1, 0, 0, 0, 0, 0, 0, 1}, 100, 200, 0, 200},
     {200, 5, 0.5, 49.8986797, 99.8986797},
     {1, 3, 21},
     {1.08949404, -0.08949404, 8.949404},
     even},
    // A square wave at 4 f1: harmonics 4, 12, 20 hold 2 / pi, 2 / 3pi, 2 / 5pi, so 90 % at k = 4,
    // 95 % at 12 and 99 % at 4 * 21. Share (400 / pi^2)(1 + 1/9 + 1/25) = 46.6527761 with no
    // constant term in the range; peak (2 / pi)(1/2 + 1/3 + 1/10) at a sixth of its half period,
    // over a top of 1 - 0.5.
    {"OnesQuarterPeriod",
     {{1, 1, 1, 1, 1, 1, 1, 1}, 1, 20, 1, 20},
     {8, 125, 0.5, 46.6527761, 46.6527761},
     {4, 12, 84},
     {0.594178454, -0.594178454, 9.4178454},
     offQuarter},
    // Harmonic 3 alone: (2 / 3pi) sin(6 pi t) swings +-0.21220659 V, holding (2 / 9pi^2) / 0.5 =
    // 4.5031637 % with no constant term and no overshoot; harmonics 1 and 3 hold 45.0316372 %.
    {"SquareThirdAlone",
     {{1, 0, 0, 0, 0, 0, 0, 1}, 100, 3, 3, 3},
     {200, 5, 0.5, 45.0316372, 4.5031637},
     {1, 3, 21},
     {0.21220659, -0.21220659, std::nullopt},
     even},
    // Fill 9/10 meets 90 % with its constant term alone. Adding 2 sin^2(0.9 pi k) / (pi k)^2:
    // 90 + 2.15 + 1.94 + 1.64 = 95.73 at k = 3, 99.08 at k = 13; harmonics 1 ... 10 hold
    // 8.9202965 %, sin(0.9 pi 10) = 0. The empty range rebuilds nothing: 0 V, no overshoot.
    {"NineTenthsEmptyRange",
     {{9, 0, 0, 0, 0, 0, 0, 1}, 10, 10, 5, 3},
     {100, 10, 0.9, 8.9202965, 0},
     {0, 3, 13},
     {0, 0.0, std::nullopt},
     tenth},
    // Fill 1/3, the constant term alone: 100 / 3 % of the power, a flat 1/3 V, no overshoot.
    // Harmonics 1 ... 20 hold 65.2208527 %; 90.33 % at k = 2, 95.93 at 7, 99.03 at 31.
    {"ThirdConstantOnly",
     {{1, 0, 0, 0, 0, 0, 0, 2}, 100, 20, 0, 0},
     {300, 10.0 / 3, 1.0 / 3, 65.2208527, 100.0 / 3},
     {2, 7, 31},
     {1.0 / 3, 1.0 / 3, std::nullopt},
     third},
    // The narrowest pulse in the longest period, g = 1/3997: about 100 / (pi^2 g) harmonics for
    // 99 %, the sum giving 3392, 8286 and 41112. Every term peaks at the pulse's centre: g +
    // sum_{k <= 200} 2 sin(pi k g) / (pi k) = 0.100186928, far below the top.
    {"NarrowestPulse",
     {{1, 999, 0, 999, 0, 999, 0, 999}, 999, 200, 0, 200},
     {3993003, 1000.0 / 3993003, 1.0 / 3997, 9.97987679, 10.0048956},
     {3392, 8286, 41112},
     {0.100186928, std::nullopt, 100 * (0.100186928 - 1)},
     none},
};

class MeasuresTable : public testing::TestWithParam<Row> {};

TEST_P(MeasuresTable, AgreesWithClosedForms) {
    const Row& row = GetParam();
    const Basics& b = row.basics;
    const Extremes& e = row.extremes;
    const Measures m = computeMeasures(row.input);
    EXPECT_DOUBLE_EQ(m.periodUs, b.periodUs);
    EXPECT_NEAR(m.f1Khz, b.f1Khz, 1e-12 * b.f1Khz);
    EXPECT_NEAR(m.pulseFill, b.fill, 1e-15);
    // 1 V pulses: power is the fill, the constant term (the fill) holds fill^2 of it.
    EXPECT_NEAR(m.powerV2, b.fill, 1e-15);
    EXPECT_NEAR(m.rmsV, std::sqrt(b.fill), 1e-15);
    EXPECT_NEAR(m.dcSharePct, 100 * b.fill, 1e-12);
    EXPECT_NEAR(m.harmonicsSharePct, b.harmonicsShare, 1e-6);
    EXPECT_NEAR(m.rangeSharePct, b.rangeShare, 1e-6);
    EXPECT_NEAR(m.errorSharePct, 100 - b.rangeShare, 1e-6);
    EXPECT_NEAR(m.rmsErrorMv, 1000 * std::sqrt(b.fill * (100 - b.rangeShare) / 100), 1e-4);
    for (std::size_t i = 0; i < row.k.size(); ++i) {
        EXPECT_EQ(m.bandwidths[i].k, row.k[i]) << kBandwidthShares[i] << " %";
        EXPECT_NEAR(m.bandwidths[i].khz, row.k[i] * b.f1Khz, 1e-9 * row.k[i] * b.f1Khz);
    }
    EXPECT_NEAR(m.peakV, e.peak, 1e-8);
    if (e.trough) {
        EXPECT_NEAR(m.troughV, *e.trough, 1e-8);
    }
    EXPECT_TRUE(std::isfinite(m.troughV) && m.troughV <= m.peakV);
    ASSERT_EQ(m.overshootPct.has_value(), e.overshoot.has_value());
    if (e.overshoot) {
        EXPECT_NEAR(*m.overshootPct, *e.overshoot, 1e-6);
    }
    std::vector<int> zeros;
    for (int k = 1; k <= row.input.harmonics; ++k)
        if (row.zero(k))
            zeros.push_back(k);
    EXPECT_EQ(m.zeroHarmonics, zeros);
}

INSTANTIATE_TEST_SUITE_P(Packets, MeasuresTable, testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Square wave, 10 odd harmonics: sum_{odd k <= 19} 2 / (pi k)^2 = 0.244938148 of 0.5 V^2, so the
// range holds 98.9876296 %, leaving sqrt(0.25 - 0.244938148) = 71.1466944 mV. Gibbs at n = 10:
// 1/2 + (2 / pi) sum_{m <= 10} sin((2m - 1) pi / 20) / (2m - 1) = 1.08990701.
TEST(MeasuresReport, SquareWaveReadsAsWorkedByHand) {
    const Measures m = computeMeasures({{1, 0, 0, 0, 0, 0, 0, 1}, 100, 20, 0, 20});
    EXPECT_EQ(measuresReport(m), "# Tovenal measures\n"
                                 "period_us = 200\n"
                                 "f1_khz = 5\n"
                                 "pulse_fill = 0.5\n"
                                 "power_v2 = 0.5\n"
                                 "rms_v = 0.707106781\n"
                                 "dc_share_pct = 50\n"
                                 "harmonics_share_pct = 48.9876296\n"
                                 "range_share_pct = 98.9876296\n"
                                 "rms_error_mv = 71.1466944\n"
                                 "error_share_pct = 1.01237043\n"
                                 "bandwidth90_k = 1\n"
                                 "bandwidth90_khz = 5\n"
                                 "bandwidth95_k = 3\n"
                                 "bandwidth95_khz = 15\n"
                                 "bandwidth99_k = 21\n"
                                 "bandwidth99_khz = 105\n"
                                 "peak_v = 1.08990701\n"
                                 "trough_v = -0.0899070098\n"
                                 "overshoot_pct = 8.99070098\n"
                                 "zero_harmonics = 2,4,6,8,10,12,14,16,18,20\n");
}

} // namespace
