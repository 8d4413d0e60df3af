// Whole games by the thousand: what must hold at the end of every one, and a
// monkey that clicks anywhere at any time.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <set>

#include "session/simulation.h"
#include "support/test_main.h"

using namespace zelvo;

namespace {

int giochiDaProvare(int normale) {
    // The soak run (ZELVO_SOAK=1) plays twenty times as many.
    const char* soak = std::getenv("ZELVO_SOAK");
    return soak && *soak == '1' ? normale * 20 : normale;
}

// The record of a finished game, checked against the cards and the points.
void controllaRegistro(const Model& m, int prese, bool finoAllaFine) {
    const auto& d = m.data.lblDati;
    std::set<std::string> giocate, distribuite;
    int pcPrima = 0, hPrima = 0;
    for (int k = 1; k <= 20; ++k) {
        const std::string& pc = d[cells::pcCard(k)].Caption;
        const std::string& h = d[cells::humanCard(k)].Caption;
        if (k > prese) {
            ASSERT_TRUE(pc.empty() && h.empty()) << "row " << k << " of a game of " << prese;
            continue;
        }
        ASSERT_NE(cards::cellOf(pc), 0) << "row " << k;
        ASSERT_NE(cards::cellOf(h), 0) << "row " << k;
        giocate.insert(pc);
        giocate.insert(h);
        const int pcDopo = std::stoi(d[cells::pcPoints(k)].Caption), hDopo = std::stoi(d[cells::humanPoints(k)].Caption);
        const bool vincePC = d[cells::pcPoints(k)].BackColor == colour::RED;
        const bool vinceH = d[cells::humanPoints(k)].BackColor == colour::PINK;
        ASSERT_NE(vincePC, vinceH) << "row " << k << ": exactly one side takes a trick";
        const int valore = cards::pointsOf(cards::valueOf(cards::cellOf(pc))) + cards::pointsOf(cards::valueOf(cards::cellOf(h)));
        EXPECT_EQ(pcDopo - pcPrima, vincePC ? valore : 0) << "row " << k;
        EXPECT_EQ(hDopo - hPrima, vinceH ? valore : 0) << "row " << k;
        pcPrima = pcDopo;
        hPrima = hDopo;
    }
    EXPECT_EQ(giocate.size(), static_cast<size_t>(2 * prese));
    EXPECT_EQ(pcPrima, m.game.lblPuntiPC);
    EXPECT_EQ(hPrima, m.game.lblPuntiH);

    // Dealt and drawn cards: the deck slot's card and the trump come last, to the winner and the loser of trick 17.
    for (int c = 2; c <= 8; ++c) distribuite.insert(d[c].Caption);
    for (int k = 2; k <= 18 && k <= prese + 1; ++k) {
        const std::string& pc = d[cells::pcDraw(k)].Caption;
        const std::string& h = d[cells::humanDraw(k)].Caption;
        if (k > prese) break;
        ASSERT_NE(cards::cellOf(pc), 0) << "draw row " << k;
        ASSERT_NE(cards::cellOf(h), 0) << "draw row " << k;
        distribuite.insert(pc);
        distribuite.insert(h);
    }
    for (int k = 19; k <= 20; ++k) EXPECT_TRUE(d[cells::pcDraw(k)].Caption.empty() && d[cells::humanDraw(k)].Caption.empty());
    if (finoAllaFine) {
        EXPECT_EQ(distribuite.size(), 40u) << "every card of the deck enters the table once";
        EXPECT_EQ(giocate, distribuite);
        const std::string briscola = d[8].Caption;
        EXPECT_TRUE(d[cells::pcDraw(18)].Caption == briscola || d[cells::humanDraw(18)].Caption == briscola);
        for (int p = 1; p <= 40; ++p) EXPECT_EQ(m.cards.lblCartaDaEstrarre[p].BackColor, colour::RED);
    }
}

}  // namespace

TEST(WholeGames, PlayedToTheLastTrick) {
    SimulationSettings imp;
    imp.seed = 2026;
    imp.options[index(Option::GameEnd)] = "Fino all'ultima presa";
    Simulation sim(imp);
    const int n = giochiDaProvare(1500);
    long long totH = 0, totPC = 0;
    for (int g = 0; g < n; ++g) {
        GameResult r = sim.playGame();
        ASSERT_EQ(r.tricks, 20) << "game " << g;
        ASSERT_EQ(r.pointsH + r.pointsPC, 120) << "game " << g;
        EXPECT_EQ(sim.session.m.game.lblNumeroCarteRimaste, -6);
        EXPECT_EQ(r.winner, r.pointsPC > 60 ? Who::PC : r.pointsH > 60 ? Who::H : Who::Nobody);
        controllaRegistro(sim.session.m, r.tricks, true);
        if (HasFatalFailure()) return;
        totH += r.pointsH;
        totPC += r.pointsPC;
    }
    EXPECT_EQ(totH + totPC, 120LL * n);
}

TEST(WholeGames, EndingAsSoonAsASidePassesSixty) {
    SimulationSettings imp;
    imp.seed = 61;
    imp.options[index(Option::GameEnd)] = "Appena uno supera 60 punti";
    imp.options[index(Option::CardAnimation)] = "Veloce";
    Simulation sim(imp);
    const int n = giochiDaProvare(500);
    for (int g = 0; g < n; ++g) {
        GameResult r = sim.playGame();
        ASSERT_GE(r.tricks, 1);
        ASSERT_LE(r.tricks, 20);
        if (r.tricks < 20) {
            // It stopped early: exactly the trick that took a side past 60.
            EXPECT_TRUE(r.pointsPC > 60 || r.pointsH > 60) << "game " << g;
            const auto& d = sim.session.m.data.lblDati;
            const int prima = r.tricks == 1 ? 0 : std::max(std::stoi(d[cells::pcPoints(r.tricks - 1)].Caption),
                                                             std::stoi(d[cells::humanPoints(r.tricks - 1)].Caption));
            EXPECT_LE(prima, 60) << "game " << g;
        }
        controllaRegistro(sim.session.m, r.tricks, false);
        if (HasFatalFailure()) return;
    }
}

// Random clicks on every card picture, the taking button and Enter, at random
// virtual times, across many matches and option sets.
TEST(Monkey, RandomClicksAtRandomTimesNeverBreakAGame) {
    std::mt19937_64 rng(99);
    const int partite = giochiDaProvare(12);
    const char* const presa[] = {"No", "Molto Veloce", "Lenta"};
    const char* const anim[] = {"No", "Veloce", "Lenta"};
    const char* const fine[] = {"Appena uno supera 60 punti", "Fino all'ultima presa"};
    for (int run = 0; run < partite; ++run) {
        Headless h(rng());
        TestMain w(h.platform);
        w.m.options.text(Option::AutoTaking) = presa[run % 3];
        w.m.options.text(Option::CardAnimation) = anim[(run / 3) % 3];
        w.m.options.text(Option::GameEnd) = fine[run % 2];
        w.m.options.text(Option::MatchEnd) = "Al meglio di 3 Giochi";
        w.m.options.text(Option::Ceremony) = run % 4 == 0 ? "Al termine di ogni Gioco" : "No";
        w.Form_Load();
        int giochiFiniti = 0;
        int64_t inizioGioco = 0;
        bool eraFine = false;
        while (giochiFiniti < 8) {
            h.scheduler.advance(std::uniform_int_distribution<int>(0, 700)(rng));
            switch (std::uniform_int_distribution<int>(0, 11)(rng)) {
                case 0: w.cmdEffettuaLaPresa_Click(); break;
                case 1: case 2: w.tastoInvio(); break;
                case 3: w.cmdContinuaOIniziaPartita_Click(); break;
                default: w.ImgCarta_Click(std::uniform_int_distribution<int>(0, 9)(rng)); break;
            }
            const GameAndMatch& g = w.m.game;
            ASSERT_GE(g.lblPuntiH, 0);
            ASSERT_LE(g.lblPuntiH + g.lblPuntiPC, 120);
            ASSERT_GE(g.lblNumeroCarteRimaste, -6);
            ASSERT_LE(g.lblNumeroCarteRimaste, 34);
            const bool fine = w.m.window.fraFineGioco.Visible;
            if (fine && !eraFine) {
                ++giochiFiniti;
                if (g.lblManche == 21) {
                    ASSERT_EQ(g.lblPuntiH + g.lblPuntiPC, 120);
                }
            }
            if (!fine && eraFine) inizioGioco = h.scheduler.nowMs();
            eraFine = fine;
            // A game never hangs: a monkey at these speeds finishes one well within half an hour.
            ASSERT_LT(h.scheduler.nowMs() - inizioGioco, 30LL * 60 * 1000) << "run " << run;
        }
    }
}
