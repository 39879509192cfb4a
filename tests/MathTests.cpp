// The maths of a pass and the pixel conversions, without a window.

#include "Coefficients.h"
#include "ListingText.h"
#include "PeriodText.h"
#include "PixelMath.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace {

// The packet as the window starts: multipliers 1, 0, 0, 0, 0, 0, 0 (and 2 for the last gap),
// unit time 100 us, period 300 us.
PacketTiming defaultTiming() {
    return ComputeTiming({300, 100, {1, 0, 0, 0, 0, 0, 0}});
}

std::vector<CoefPair> table(int N, const PacketTiming& timing) {
    std::vector<CoefPair> entries(static_cast<std::size_t>(N) + 2, CoefPair{-7.0, -7.0});
    FillCoefficients(entries, N, timing);
    return entries;
}

double amplitude(const CoefPair& entry) {
    return Amplitude(entry.b, entry.a);
}
double phase(const CoefPair& entry) {
    return Phase(entry.b, entry.a);
}

} // namespace

TEST(Timing, DefaultPacket) {
    const PacketTiming timing = defaultTiming();
    EXPECT_DOUBLE_EQ(timing.T, 0.0003);
    EXPECT_DOUBLE_EQ(timing.tau, 0.0001);
    EXPECT_DOUBLE_EQ(timing.t[0], 0.0001);
    EXPECT_DOUBLE_EQ(timing.c[0], 0.00005);
    EXPECT_EQ(FundamentalKilohertz(timing.T), 3.3333333333333335);
    EXPECT_DOUBLE_EQ(HighestFrequency(20, timing.T), 20 / 0.0003);
    EXPECT_DOUBLE_EQ(EnvelopeScale(20, timing.T), 400 * 0.0003 / 20);
}

TEST(Timing, CentresAreSumsOfPrecedingSegmentsPlusHalfThePulse) {
    // Pulses 1, 3, 5, 7 units; gaps 2, 4, 6 units; unit 10 us.
    const PacketTiming timing = ComputeTiming({400, 10, {1, 2, 3, 4, 5, 6, 7}});
    EXPECT_DOUBLE_EQ(timing.c[0], 0.5e-5);
    EXPECT_DOUBLE_EQ(timing.c[1], (1 + 2 + 1.5) * 1e-5);
    EXPECT_DOUBLE_EQ(timing.c[2], (1 + 2 + 3 + 4 + 2.5) * 1e-5);
    EXPECT_DOUBLE_EQ(timing.c[3], (1 + 2 + 3 + 4 + 5 + 6 + 3.5) * 1e-5);
    EXPECT_DOUBLE_EQ(timing.t[5], 6e-5);
}

TEST(Coefficients, DefaultTableListsTheWorkedAmplitudesAndPhases) {
    const auto entries = table(20, defaultTiming());
    struct Expected {
        double millivolts;
        int listedMillivolts;
        int listedDegrees;
        bool significant;
    };
    const Expected expected[] = {{333.333, 333, 90, true},  {551.439, 551, 30, true},
                                 {275.973, 275, -29, true}, {0.338, 0, -89, false},
                                 {137.733, 137, 30, true},  {110.490, 110, -29, true},
                                 {0.338, 0, -89, false}};
    for (std::size_t k = 0; k < std::size(expected); ++k) {
        SCOPED_TRACE(k);
        const double A = amplitude(entries[k]);
        EXPECT_NEAR(A * 1000, expected[k].millivolts, 0.0006);
        EXPECT_EQ(ListedAmplitude(A), expected[k].listedMillivolts);
        EXPECT_EQ(ListedPhase(phase(entries[k])), expected[k].listedDegrees);
        EXPECT_EQ(IsSignificant(A), expected[k].significant);
    }
    // Entry 0 is the mean value: sine part 0, cosine part 1/3.
    EXPECT_EQ(entries[0].b, 0.0);
    EXPECT_NEAR(entries[0].a, 1.0 / 3, 1e-15);
    // Every third harmonic keeps about 0.34 mV because pi is 3.14, and is negligible.
    for (int k = 3; k <= 18; k += 3)
        EXPECT_FALSE(IsSignificant(amplitude(entries[static_cast<std::size_t>(k)]))) << k;
    // The spare entry after N is never written.
    EXPECT_EQ(entries[21].b, -7.0);
    EXPECT_EQ(entries[21].a, -7.0);
}

TEST(Coefficients, SingleHarmonicFillsOnlyEntriesZeroAndOne) {
    const auto entries = table(1, defaultTiming());
    EXPECT_NEAR(amplitude(entries[1]) * 1000, 551.439, 0.0006);
    EXPECT_EQ(entries[2].b, -7.0);
    EXPECT_EQ(entries[2].a, -7.0);
}

TEST(Coefficients, PulseOfZeroLengthContributesExactlyNothing) {
    // Pulses 2 and 4 of zero length behind gaps that move their centres: bit for bit the table of
    // the single pulse.
    const auto single = table(40, defaultTiming());
    const auto withEmptyPulses = table(40, ComputeTiming({300, 100, {1, 0, 0, 1, 0, 0, 0}}));
    for (std::size_t k = 0; k <= 40; ++k) {
        EXPECT_EQ(single[k].a, withEmptyPulses[k].a) << k;
        EXPECT_EQ(single[k].b, withEmptyPulses[k].b) << k;
    }
}

TEST(Coefficients, MeanValueIsTheShareOfPulsesInThePeriod) {
    const auto entries = table(5, ComputeTiming({1000, 10, {10, 20, 5, 20, 15, 10, 20}}));
    EXPECT_NEAR(entries[0].a, (10 + 5 + 15 + 20) / 100.0, 1e-15);
}

TEST(Envelope, WorkedPointsAndAgreementWithTheHarmonics) {
    const PacketTiming timing = defaultTiming();
    const double S = EnvelopeScale(20, timing.T);
    const auto magnitude = [&](int i) {
        const CoefPair point = EnvelopePoint(i, timing, S);
        return Amplitude(point.b, point.a);
    };
    EXPECT_NEAR(magnitude(1), 0.666, 0.0005);
    EXPECT_NEAR(magnitude(10), 0.637, 0.0005);
    EXPECT_NEAR(magnitude(20), 0.551, 0.0005);
    // Point 20k falls on harmonic k for N = 20.
    const auto entries = table(20, timing);
    for (int k = 1; k <= 20; ++k) {
        const CoefPair point = EnvelopePoint(20 * k, timing, S);
        const CoefPair& harmonic = entries[static_cast<std::size_t>(k)];
        EXPECT_NEAR(point.a, harmonic.a, 1e-12) << k;
        EXPECT_NEAR(point.b, harmonic.b, 1e-12) << k;
    }
}

TEST(Listing, TruncationSignificanceAndTexts) {
    // Phases: pi is listed as 180 (180.09...), -29.95 degrees as -29, never -30.
    EXPECT_EQ(ListedPhase(kPi), 180);
    EXPECT_EQ(ListedPhase(-kPi), -180);
    EXPECT_EQ(ListedPhase(-29.95 * 2 * kPi / 360), -29);
    EXPECT_EQ(ListedPhase(kPi / 2), 90);
    // Significance is strictly above 2 mV, tested before truncation.
    EXPECT_FALSE(IsSignificant(std::nextafter(0.002, 0.0)));
    EXPECT_FALSE(IsSignificant(0.0009));
    EXPECT_TRUE(IsSignificant(0.0025));
    EXPECT_EQ(ListedAmplitude(0.0025), 2);
    EXPECT_EQ(ListedAmplitude(0.0009), 0);
    EXPECT_FALSE(IsSignificant(std::numeric_limits<double>::quiet_NaN()));

    EXPECT_EQ(AmplitudeLineText(0, 333), "0 = 333");
    EXPECT_EQ(PhaseLineText(2, -29), "2 = -29");
    EXPECT_EQ(BracketedPhaseLineText(3, -89), "3 = (-89)");
}

TEST(Period, ProductOfTheSumAndTheUnitTimeNeverOverflows) {
    EXPECT_EQ(PeriodText({1, 0, 0, 0, 0, 0, 0, 2}, 100), "300");
    EXPECT_EQ(PeriodText({999, 999, 999, 999, 999, 999, 999, 999}, 999), "7984008");
    EXPECT_EQ(PeriodText({1, -3, 0, 0, 0, 0, 0, 2}, 100), "0");
    EXPECT_EQ(PeriodText({1, 0, 0, 0, 0, 0, 0, 2}, -100), "-300");
    constexpr int kMin = std::numeric_limits<int>::min();
    EXPECT_EQ(PeriodText({1, kMin, kMin, 0, 0, 0, 0, 2}, 100), "-429496729300");
    // 8 x -2^31 x -2^31 = 2^65.
    EXPECT_EQ(PeriodText({kMin, kMin, kMin, kMin, kMin, kMin, kMin, kMin}, kMin),
              "36893488147419103232");
}

TEST(Period, OnlyPositivePeriodsWithinThirtyTwoBitsAndCountsUpTo200AreComputed) {
    EXPECT_FALSE(IsUsablePeriod(0));
    EXPECT_FALSE(IsUsablePeriod(-300));
    EXPECT_TRUE(IsUsablePeriod(1));
    EXPECT_TRUE(IsUsablePeriod(2147483647.0));
    EXPECT_FALSE(IsUsablePeriod(2147483648.0));
    EXPECT_FALSE(IsUsablePeriod(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(IsUsableCount(0));
    EXPECT_FALSE(IsUsableCount(-5));
    EXPECT_TRUE(IsUsableCount(1));
    EXPECT_TRUE(IsUsableCount(200));
    EXPECT_FALSE(IsUsableCount(201));
}

TEST(Pixels, ConversionsTruncateTowardZeroAndStayDefined) {
    using namespace PlotGeometry;
    EXPECT_EQ(ToPixel(2.7L), 2);
    EXPECT_EQ(ToPixel(-2.7L), -2);
    EXPECT_EQ(ToPixel(1e300L), kFarPixel);
    EXPECT_EQ(ToPixel(-1e300L), -kFarPixel);
    EXPECT_EQ(ToPixel(std::numeric_limits<long double>::infinity()), kFarPixel);
    EXPECT_EQ(ToPixel(std::numeric_limits<long double>::quiet_NaN()), std::nullopt);
    EXPECT_EQ(WaveformRow(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
    EXPECT_EQ(AmplitudeTop(-1'000'000), kFarPixel);
    EXPECT_EQ(PhaseTop(std::numeric_limits<int>::max()), -kFarPixel);
    EXPECT_EQ(PhaseTop(std::numeric_limits<int>::min()), kFarPixel);
    EXPECT_EQ(TruncateToInt(-29.95L), -29);
    EXPECT_EQ(TruncateToInt(1e12L), std::numeric_limits<int>::max());
    EXPECT_EQ(TruncateToInt(-1e12L), std::numeric_limits<int>::min());
    EXPECT_EQ(TruncateToInt(std::numeric_limits<long double>::quiet_NaN()), 0);
    // Envelope and waveform rows truncate the whole expression: 230 - 133.2 = 96.8 gives 96.
    EXPECT_EQ(EnvelopeRow(0.666), 96);
    EXPECT_EQ(WaveformRow(1.0 / 3), 326);
    EXPECT_EQ(WaveformRow(-0.004), 360);
}

TEST(Pixels, GridDivisionsAndColumns) {
    using namespace PlotGeometry;
    const std::pair<int, int> counts[] = {{1, 1},    {3, 3},    {20, 20},  {49, 49},
                                          {50, 20},  {99, 39},  {100, 20}, {149, 29},
                                          {150, 20}, {200, 26}, {0, 0},    {-5, -5}};
    for (const auto& [N, n] : counts)
        EXPECT_EQ(GridDivisions(N), n) << N;
    EXPECT_EQ(GridColumn(0, 3), 50);
    EXPECT_EQ(GridColumn(1, 3), 183);
    EXPECT_EQ(GridColumn(2, 3), 316);
    EXPECT_EQ(GridColumn(3, 3), 450);
}

TEST(Pixels, HarmonicsStandOnTheirWholeColumns) {
    using namespace PlotGeometry;
    // For every count and every harmonic whose column 400 k / N is whole, with the frequencies
    // rounded to doubles as the pass forms them, for several periods.
    for (const double T : {0.0003, 0.000001, 0.00037440, 0.001997, 7.984008}) {
        for (int N = 1; N <= 200; ++N) {
            const double fmax = static_cast<double>(static_cast<long double>(N) / T);
            for (int k = 0; k <= N; ++k) {
                const double f = static_cast<double>(static_cast<long double>(k) / T);
                const long double exact = 400.0L * k / N;
                const int expected = 50 + static_cast<int>(exact);
                ASSERT_EQ(HarmonicColumn(f, fmax), expected)
                    << "T " << T << " N " << N << " k " << k;
            }
        }
    }
}

TEST(Pixels, MarkersUseExtendedPrecision) {
    using namespace PlotGeometry;
    // Packet 2, 9, 12, 12, 1, 4, 1 (and 7) with unit time 780 us: 48 units, 37440 us.
    const PacketTiming timing = ComputeTiming({37440, 780, {2, 9, 12, 12, 1, 4, 1}});
    const int expected[] = {576, 651, 751, 851, 859, 893, 901};
    long double boundary = 0;
    double doubleBoundary = 0;
    for (std::size_t k = 0; k < 7; ++k) {
        boundary += timing.t[k];
        doubleBoundary += timing.t[k];
        EXPECT_EQ(MarkerColumn(boundary, timing.T), expected[k]) << k + 1;
    }
    // The fifth boundary is 36 of 48 units: in double precision the quotient would round up to
    // exactly 300 and the marker would land on 860.
    double fifth = 0;
    for (std::size_t k = 0; k < 5; ++k)
        fifth += timing.t[k];
    volatile double quotient = 400 * fifth;
    quotient = quotient / timing.T;
    EXPECT_EQ(static_cast<int>(quotient + 560), 860);
}
