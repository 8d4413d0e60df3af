// Whole games with the real strategy: every decision chain leaves a card of
// the hand in lblCartaPCDaGiocare when the computer's pause starts.
#include <gtest/gtest.h>

#include "session/simulation.h"

namespace zelvo {
namespace {

struct Conteggio {
    int decisioni = 0, partite = 0, vintePC = 0;
};

// Plays `giochi` games stepping the clock one tick at a time, checking the
// choice each time the pause timer has just been started.
Conteggio gioca(const char* livello, const char* fine, int giochi, uint64_t seme) {
    SimulationSettings imp;
    imp.seed = seme;
    imp.options[index(Option::Level)] = livello;
    imp.options[index(Option::GameEnd)] = fine;
    imp.minDelayMs = imp.maxDelayMs = 50;
    Simulation sim(imp);
    Session& w = sim.session;
    Conteggio n;
    for (int g = 0; g < giochi; ++g) {
        sim.startNext();
        bool attesa = false;
        for (int passi = 0; !w.m.window.fraFineGioco.Visible; ++passi) {
            if (passi > 200000) {
                ADD_FAILURE() << "game " << g << " does not end";
                return n;
            }
            const bool ora = w.t.TimerAttesaDelPCaMuovere.enabled();
            if (ora && !attesa) {
                ++n.decisioni;
                const int slot = w.m.game.lblCartaPCDaGiocare;
                EXPECT_TRUE(slot >= 1 && slot <= 3 && !w.m.cards.lblCarta[slot].empty())
                    << "game " << g << " deck " << w.m.game.lblNumeroCarteRimaste << " slot " << slot;
            }
            attesa = ora;
            if (!sim.step()) {
                ADD_FAILURE() << "game " << g << " is stuck";
                return n;
            }
        }
        ++n.partite;
        if (w.m.game.lblUltimoVincitore == Who::PC) ++n.vintePC;
    }
    return n;
}

// Every decision is checked inside gioca(); level E also draws random cards and ends early.
TEST(Partite, LevelEEveryDecisionNamesACardInHand) {
    const Conteggio e = gioca("Minima (Livello E)", "Appena uno supera 60 punti", 60, 4);
    EXPECT_EQ(e.partite, 60);
}

TEST(Partite, LevelAWinsMostGamesAgainstRandomCards) {
    const Conteggio a = gioca("Massima (Livello A)", "Fino all'ultima presa", 200, 9);
    EXPECT_EQ(a.partite, 200);
    EXPECT_GE(a.decisioni, 200 * 20);  // at least one per trick
    // A random opponent wins well under a quarter of the games against the full strategy.
    EXPECT_GT(a.vintePC, 150);
}

}  // namespace
}  // namespace zelvo
