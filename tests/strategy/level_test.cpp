// The strength levels: which draws replace the strategy's choice, and the full
// strategy's strength against random cards.
#include <gtest/gtest.h>

#include "positions.h"
#include "session/simulation.h"

namespace zelvo {
namespace {

TEST(Levels, EachLevelReplacesTheChoiceForItsShareOfTheHighestDraws) {
    const std::pair<int, int> chances[] = {{1, 0}, {2, 20}, {3, 24}, {4, 30}, {5, 40}, {0, 0}, {6, 0}};  // in 120
    for (auto [level, chance] : chances) {
        for (int r = 1; r <= 120; ++r) {
            test::ScriptedPick pick{r, 3};  // the draw out of 120, then the random card
            const strategy::LevelOutcome o = strategy::ApplicaLivello(level, 2, pick);
            EXPECT_EQ(o.slot, o.random ? 3 : 2) << "level " << level << " draw " << r;
            EXPECT_EQ(o.random, r > 120 - chance) << "level " << level << " draw " << r;
        }
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
