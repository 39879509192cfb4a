#include "RandomDriver.h"

#include <gtest/gtest.h>

namespace {

std::string report(std::uint64_t seed, const DriverResult& result) {
    std::string text = "seed " + std::to_string(seed) + ": " + result.failure +
                       "\nshortest failing prefix (" + std::to_string(result.prefix.size()) +
                       " actions):\n";
    for (const DriverAction& action : result.prefix)
        text += "  " + action.describe() + "\n";
    return text;
}

} // namespace

TEST(RandomDriver, InvariantsHoldOverSeededSessions) {
    for (const std::uint64_t seed : {1u, 2u, 3u}) {
        const DriverResult result = PlayRandomSession(seed, 700);
        EXPECT_TRUE(result.failure.empty()) << report(seed, result);
        EXPECT_EQ(result.actionsPlayed, 700u);
        EXPECT_GE(result.deepestNesting, 3) << "nested runs never happened";
    }
}
