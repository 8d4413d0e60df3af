// The strength levels: how often each replaces the strategy's choice.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/headless.h"
#include "session/simulation.h"
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
        for (int s = 1; s <= 3 && replaced > 0; ++s)
            EXPECT_GT(perSlot[s], replaced / 3 - 5 * std::sqrt(replaced)) << s;
    }
}

// The full strategy against random cards, 200 games to the last trick: every decision names a card of the
// hand when the computer's pause starts, and a random opponent wins well under a quarter of the games.
TEST(Levels, LevelAWinsMostGamesAgainstRandomCards) {
    SimulationSettings settings;
    settings.seed = 9;
    settings.options[index(Option::Level)] = "Massima (Livello A)";
    settings.options[index(Option::GameEnd)] = "Fino all'ultima presa";
    settings.minDelayMs = settings.maxDelayMs = 50;
    Simulation sim(settings);
    Session& w = sim.session;
    int decisions = 0, computerWins = 0;
    for (int g = 0; g < 200; ++g) {
        sim.startNext();
        bool pausing = false;
        for (int steps = 0; !w.m.window.fraFineGioco.Visible; ++steps) {
            ASSERT_LT(steps, 200000) << "game " << g << " does not end";
            const bool now = w.t.TimerAttesaDelPCaMuovere.enabled();
            if (now && !pausing) {
                ++decisions;
                const int slot = w.m.game.lblCartaPCDaGiocare;
                ASSERT_TRUE(slot >= 1 && slot <= 3 && !w.m.cards.lblCarta[slot].empty()) << "game " << g;
            }
            pausing = now;
            ASSERT_TRUE(sim.step()) << "game " << g << " is stuck";
        }
        computerWins += w.m.game.lblUltimoVincitore == Who::PC;
    }
    EXPECT_GE(decisions, 200 * 20);  // at least one per trick
    EXPECT_GT(computerWins, 150);
}

}  // namespace
}  // namespace zelvo
