// Plays a long random session against the real window:
//   tovenal_driver [--actions N] [--seed S]
#include "Application.h"
#include "Conversions.h"
#include "RandomDriver.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::size_t actions = 20000;
    std::uint64_t seed = 20261206;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--actions") == 0)
            actions = std::stoull(argv[i + 1]);
        else if (std::strcmp(argv[i], "--seed") == 0)
            seed = std::stoull(argv[i + 1]);
    }
    Application->Initialize(argc, argv);
    SetDecimalSeparator(u'.');

    const auto start = std::chrono::steady_clock::now();
    const DriverResult result = PlayRandomSession(seed, actions);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!result.failure.empty()) {
        std::printf("seed %llu failed after %zu actions: %s\n",
                    static_cast<unsigned long long>(seed), result.actionsPlayed,
                    result.failure.c_str());
        for (const DriverAction& action : result.prefix)
            std::printf("  %s\n", action.describe().c_str());
        Application->Shutdown();
        return 1;
    }
    std::printf("seed %llu: %zu actions, every invariant held, deepest nesting %d, %.1f s\n",
                static_cast<unsigned long long>(seed), result.actionsPlayed, result.deepestNesting,
                seconds);
    Application->Shutdown();
    return 0;
}
