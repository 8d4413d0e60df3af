// Whole games by the thousand: what must hold at the end of every one, and a
// monkey that clicks anywhere at any time.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <random>
#include <set>
#include <tuple>

#include "session/simulation.h"
#include "support/test_main.h"

using namespace zelvo;

namespace {

int gamesToPlay(int usual) {
    // The soak run (ZELVO_SOAK=1) plays twenty times as many.
    const char* soak = std::getenv("ZELVO_SOAK");
    return soak && *soak == '1' ? usual * 20 : usual;
}

// The record of a finished game, checked against the cards and the points.
void checkRecord(const Model& m, int tricks, bool toTheEnd) {
    const auto& d = m.data.lblDati;
    std::set<std::string> played, dealt;
    int pcBefore = 0, hBefore = 0;
    for (int k = 1; k <= 20; ++k) {
        const std::string& pc = d[cells::pcCard(k)].Caption;
        const std::string& h = d[cells::humanCard(k)].Caption;
        if (k > tricks) {
            ASSERT_TRUE(pc.empty() && h.empty()) << "row " << k << " of a game of " << tricks;
            continue;
        }
        ASSERT_TRUE(cards::cellOf(pc) && cards::cellOf(h)) << "row " << k;
        played.insert({pc, h});
        const int pcAfter = std::stoi(d[cells::pcPoints(k)].Caption), hAfter = std::stoi(d[cells::humanPoints(k)].Caption);
        const bool pcTakes = d[cells::pcPoints(k)].BackColor == colour::RED;
        ASSERT_NE(pcTakes, d[cells::humanPoints(k)].BackColor == colour::PINK) << "row " << k << ": exactly one side takes a trick";
        const int value = cards::pointsOf(cards::valueOf(cards::cellOf(pc))) + cards::pointsOf(cards::valueOf(cards::cellOf(h)));
        EXPECT_EQ(std::pair(pcAfter - pcBefore, hAfter - hBefore), std::pair(pcTakes ? value : 0, pcTakes ? 0 : value)) << "row " << k;
        std::tie(pcBefore, hBefore) = std::pair(pcAfter, hAfter);
    }
    EXPECT_EQ(played.size(), static_cast<size_t>(2 * tricks));
    EXPECT_EQ(std::pair(pcBefore, hBefore), std::pair(m.game.lblPuntiPC, m.game.lblPuntiH));

    // Dealt and drawn cards: the deck slot's card and the trump come last, to the winner and the loser of trick 17.
    for (int c = 2; c <= 8; ++c) dealt.insert(d[c].Caption);
    for (int k = 2; k <= 18 && k <= tricks; ++k) {
        const std::string& pc = d[cells::pcDraw(k)].Caption;
        const std::string& h = d[cells::humanDraw(k)].Caption;
        ASSERT_TRUE(cards::cellOf(pc) && cards::cellOf(h)) << "draw row " << k;
        dealt.insert({pc, h});
    }
    for (int k = 19; k <= 20; ++k) EXPECT_TRUE(d[cells::pcDraw(k)].Caption.empty() && d[cells::humanDraw(k)].Caption.empty());
    if (toTheEnd) {
        EXPECT_EQ(dealt.size(), 40u) << "every card of the deck enters the table once";
        EXPECT_EQ(played, dealt);
    }
}

}  // namespace

TEST(WholeGames, PlayedToTheLastTrickOrEndedAsSoonAsASidePassesSixty) {
    for (auto [seed, gameEnd, animation, usual] : {std::tuple{2026, "Fino all'ultima presa", "No", 1500},
                                                   {61, "Appena uno supera 60 punti", "Veloce", 500}}) {
        SCOPED_TRACE(gameEnd);
        SimulationSettings settings;
        settings.seed = seed;
        settings.options[index(Option::GameEnd)] = gameEnd;
        settings.options[index(Option::CardAnimation)] = animation;
        Simulation sim(settings);
        const bool toTheEnd = seed == 2026;
        const int n = gamesToPlay(usual);
        for (int g = 0; g < n; ++g) {
            const GameResult r = sim.playGame();
            ASSERT_TRUE(r.tricks >= 1 && r.tricks <= 20) << "game " << g;
            EXPECT_EQ(r.winner, r.pointsPC > 60 ? Who::PC : r.pointsH > 60 ? Who::H : Who::Nobody) << "game " << g;
            if (toTheEnd || r.tricks == 20) {
                ASSERT_EQ(std::tuple(r.tricks, r.pointsH + r.pointsPC, sim.session.m.game.lblNumeroCarteRimaste),
                          std::tuple(20, 120, -6)) << "game " << g;
            } else {
                // It stopped early: exactly the trick that took a side past 60.
                const auto& d = sim.session.m.data.lblDati;
                const int before = r.tricks == 1 ? 0 : std::max(std::stoi(d[cells::pcPoints(r.tricks - 1)].Caption),
                                                                 std::stoi(d[cells::humanPoints(r.tricks - 1)].Caption));
                EXPECT_TRUE((r.pointsPC > 60 || r.pointsH > 60) && before <= 60) << "game " << g << ", " << before;
            }
            checkRecord(sim.session.m, r.tricks, toTheEnd);
            if (HasFatalFailure()) return;
        }
    }
}

// Random clicks on every card picture, the taking button and Enter, at random
// virtual times, across many matches and option sets.
TEST(Monkey, RandomClicksAtRandomTimesNeverBreakAGame) {
    std::mt19937_64 rng(99);
    const int runs = gamesToPlay(12);
    for (int run = 0; run < runs; ++run) {
        Headless h(rng());
        TestMain w(h.platform);
        w.m.options.text(Option::AutoTaking) = std::array{"No", "Molto Veloce", "Lenta"}[run % 3];
        w.m.options.text(Option::CardAnimation) = std::array{"No", "Veloce", "Lenta"}[(run / 3) % 3];
        w.m.options.text(Option::GameEnd) = std::array{"Appena uno supera 60 punti", "Fino all'ultima presa"}[run % 2];
        w.m.options.text(Option::MatchEnd) = "Al meglio di 3 Giochi";
        w.m.options.text(Option::Ceremony) = run % 4 == 0 ? "Al termine di ogni Gioco" : "No";
        w.Form_Load();
        int gamesEnded = 0, wasEnd = false;
        int64_t gameStart = 0;
        while (gamesEnded < 8) {
            h.scheduler.advance(std::uniform_int_distribution<int>(0, 700)(rng));
            switch (std::uniform_int_distribution<int>(0, 11)(rng)) {
                case 0: w.cmdEffettuaLaPresa_Click(); break;
                case 1: case 2: w.tastoInvio(); break;
                case 3: w.cmdContinuaOIniziaPartita_Click(); break;
                default: w.ImgCarta_Click(std::uniform_int_distribution<int>(0, 9)(rng)); break;
            }
            const GameAndMatch& g = w.m.game;
            ASSERT_TRUE(g.lblPuntiH >= 0 && g.lblPuntiPC >= 0 && g.lblPuntiH + g.lblPuntiPC <= 120) << g.lblPuntiH << " " << g.lblPuntiPC;
            ASSERT_TRUE(g.lblNumeroCarteRimaste >= -6 && g.lblNumeroCarteRimaste <= 34) << g.lblNumeroCarteRimaste;
            const bool panelShown = w.m.window.fraFineGioco.Visible;
            if (panelShown && !wasEnd) {
                ++gamesEnded;
                ASSERT_TRUE(g.lblManche < 21 || g.lblPuntiH + g.lblPuntiPC == 120);
            }
            if (!panelShown && wasEnd) gameStart = h.scheduler.nowMs();
            wasEnd = panelShown;
            // A game never hangs: a monkey at these speeds finishes one well within half an hour.
            ASSERT_LT(h.scheduler.nowMs() - gameStart, 30LL * 60 * 1000) << "run " << run;
        }
    }
}
