// The strength levels: how often each replaces the strategy's choice.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/headless.h"
#include "strategy/decision.h"

namespace zelvo {
namespace {

TEST(Levels, ReplacementFrequencyWithinStatisticalBounds) {
    const std::pair<int, double> levels[] = {{1, 0.0}, {2, 20.0 / 120}, {3, 24.0 / 120}, {4, 30.0 / 120},
                                             {5, 40.0 / 120}, {0, 0.0}};
    for (auto [level, chance] : levels) {
        Headless h(12345);
        ClockPick pick(h.random, h.clock);
        const int N = 30000;
        int replaced = 0, perSlot[4] = {};
        for (int k = 0; k < N; ++k) {
            h.scheduler.advance(700 + k % 1300);  // the clock moves between moves, as in a game
            const strategy::LevelOutcome o = strategy::ApplicaLivello(level, 2, pick);
            ASSERT_GE(o.slot, 1);
            ASSERT_LE(o.slot, 3);
            if (o.random) ++replaced, ++perSlot[o.slot];
            else ASSERT_EQ(o.slot, 2);
        }
        const double expected = N * chance, sigma = std::sqrt(N * chance * (1 - chance));
        EXPECT_LE(std::fabs(replaced - expected), 5 * sigma + 1e-9) << "level " << level << ": " << replaced;
        if (replaced > 0)
            for (int s = 1; s <= 3; ++s) EXPECT_GT(perSlot[s], replaced / 3 - 5 * std::sqrt(replaced)) << s;
    }
}

}  // namespace
}  // namespace zelvo
