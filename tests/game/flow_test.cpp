// The flow of a game and of a match, step by step on the virtual clock.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "session/simulation.h"
#include "support/table.h"

using namespace zelvo;
using test::Table;

namespace {

const char* const TO_THE_END = "Fino all'ultima presa";

// The slots that receive the cards of a deal, in the order they are dealt.
std::vector<int> dealOrder(Table& t) {
    std::vector<int> order;
    auto shown = [&] {
        std::set<int> s;
        for (int k = 1; k <= 8; ++k)
            if (t.w.m.window.ImgCarta[k].Visible) s.insert(k);
        return s;
    };
    while (order.size() < 8 && t.h.scheduler.nextDue() >= 0) {
        const std::set<int> before = shown();
        t.h.scheduler.step();
        for (int k : shown())
            if (!before.count(k)) order.push_back(k);
    }
    return order;
}

// Plays on, the human always playing its first card, until `done` holds or the game ends.
void playUntil(Table& t, const std::function<bool()>& done) {
    for (int guard = 0; guard < 100000 && !t.endShown() && !done(); ++guard) {
        if (t.humanToPlay()) t.w.ImgCarta_Click(t.firstHumanCard());
        else ASSERT_TRUE(t.h.scheduler.step());
    }
}

Simulation matchOf(uint64_t seed, std::initializer_list<std::pair<Option, const char*>> options) {
    SimulationSettings s;
    s.seed = seed;
    for (auto [o, v] : options) s.options[index(o)] = v;
    return Simulation(s);
}

}  // namespace

TEST(Deal, OrderFollowsTheStarterAndOnlyTheHumansCardsAreFaceUp) {
    Table t(5, {{index(Option::GameEnd), TO_THE_END}});
    EXPECT_EQ(dealOrder(t), (std::vector<int>{4, 1, 5, 2, 6, 3, 7, 8}));
    const Window& f = t.w.m.window;
    for (int s = 1; s <= 8; ++s) EXPECT_EQ(f.ShpCarta[s].BackColor == colour::WHITE, s >= 4 && s <= 7) << s;
    EXPECT_EQ(t.w.m.game.lblNumeroCarteRimaste, 34);
    EXPECT_FALSE(t.w.m.game.lblSbirciata);
    // The trump suit is marked in the played-cards grid.
    const int firstTrump = cards::suitBlockStart(t.w.m.cards.lblSeme[7]);
    for (int c = 1; c <= 40; ++c)
        EXPECT_EQ(t.w.m.cards.lblCarteGiocate[c].BackColor,
                  c >= firstTrump && c < firstTrump + 10 ? colour::TRUMP_YELLOW : colour::WHITE);
    // The record of the deal: cells 2..8, the trump cell marks who leads.
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(t.w.m.data.lblDati[k + 1].Caption, t.w.m.cards.lblCarta[k]);
    EXPECT_EQ(t.w.m.data.lblDati[8].BackColor, colour::PINK);
    EXPECT_TRUE(t.humanToPlay());

    // The second game: the computer leads and is dealt first; shown cards are a recorded peek.
    t.w.m.options.text(Option::ShowCards) = "Si";
    ASSERT_TRUE(t.playToTheEnd());
    ASSERT_TRUE(t.carryOn());
    EXPECT_EQ(t.w.m.game.lblGiocoIniziatoDa, Who::PC);
    EXPECT_EQ(dealOrder(t), (std::vector<int>{1, 4, 2, 5, 3, 6, 7, 8}));
    for (int s = 1; s <= 8; ++s) EXPECT_EQ(f.ShpCarta[s].BackColor == colour::WHITE, s != 8) << s;
    EXPECT_TRUE(t.w.m.game.lblSbirciata);
    EXPECT_EQ(t.w.m.data.lblDati[8].BackColor, colour::RED);
}

TEST(Deal, TheDeckAndTheComputersHandShowTheBackDesignAndItsColour) {
    Table t(3, {{index(Option::BackDesign), "Rombi"}, {index(Option::RandomGraphics), "No"}});
    ASSERT_TRUE(t.until([&] { return t.humanToPlay(); }));
    for (int s : {1, 2, 3, 8}) {
        EXPECT_EQ(t.w.m.window.ImgCarta[s].Picture, "C:\\Programmi\\Zelvo\\Grafica\\Rombi.gif") << s;
        EXPECT_EQ(t.w.m.window.ShpCarta[s].BackColor, backColour("Grigio cemento")) << s;
    }
    // A card the computer draws stays face down; one the human draws is face up.
    playUntil(t, [&] { return t.w.m.game.lblNumeroCarteRimaste == 32 && t.humanToPlay(); });
    for (int s = 1; s <= 6; ++s) EXPECT_EQ(t.w.m.window.ShpCarta[s].BackColor == colour::WHITE, s >= 4) << s;
}

TEST(Match, EndsWhenASideWinsTheGamesAskedAndTheStarterAlternatesAcrossMatches) {
    for (auto [n, option] : {std::pair{3, "Al meglio di 3 Giochi"}, {4, "Al meglio di 4 Giochi"},
                             {5, "Al meglio di 5 Giochi"}}) {
        Simulation sim = matchOf(100 + n, {{Option::MatchEnd, option}});
        const GameAndMatch& g = sim.session.m.game;
        Who starter = Who::H;
        for (int match = 0; match < 2; ++match) {
            int games = 0;
            do {
                sim.playGame();
                ++games;
                EXPECT_EQ(g.lblGiocoIniziatoDa, starter);
                starter = altro(starter);
                EXPECT_EQ(g.lblNumeroGioco, games);
                ASSERT_LT(games, 2 * n);
            } while (g.lblPartitaInCorso);
            EXPECT_EQ(std::max(g.lblPartiteH, g.lblPartitePC), n);
            EXPECT_LT(std::min(g.lblPartiteH, g.lblPartitePC), n);
            // The options locked during the match are free again.
            for (Option o : {Option::Level, Option::GameEnd, Option::MatchEnd})
                EXPECT_EQ(sim.session.m.options.lblVoceColore[index(o)], colour::LIGHT_GREEN);
        }
        // Enter, once no remark is playing, starts a match from nothing.
        sim.headless.scheduler.advance(10000);
        sim.session.tastoInvio();
        ASSERT_FALSE(sim.session.m.window.fraFineGioco.Visible);
        EXPECT_EQ(g.lblPartiteH + g.lblPartitePC, 0);
        EXPECT_EQ(g.lblNumeroGioco, 1);
        for (int k = 1; k <= 5; ++k)
            EXPECT_FALSE(sim.session.m.window.shpPuntiH[k] || sim.session.m.window.shpPuntiPC[k]);
        EXPECT_NE(sim.session.m.data.lblIndicazioniPannellodati1.find(" - Gioco n. 1"), std::string::npos);
    }
}

TEST(Game, DeckCounterRunsFrom34ToMinus6OneStepAtATime) {
    Table t(21, {{index(Option::GameEnd), TO_THE_END}});
    std::vector<int> seen{t.w.m.game.lblNumeroCarteRimaste};
    playUntil(t, [&] {
        if (t.w.m.game.lblNumeroCarteRimaste != seen.back()) seen.push_back(t.w.m.game.lblNumeroCarteRimaste);
        return false;
    });
    ASSERT_TRUE(t.endShown());
    std::vector<int> expected;
    for (int d = 34; d >= -6; --d) expected.push_back(d);
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(t.w.m.game.lblPuntiH + t.w.m.game.lblPuntiPC, 120);
}

TEST(Game, TheLastTwoCardsGoToTheWinnerFromTheDeckAndToTheLoserFromTheTrump) {
    for (uint64_t seed : {1, 2, 3, 4}) {
        Table t(seed, {{index(Option::GameEnd), TO_THE_END}});
        playUntil(t, [&] { return t.w.t.TimerPescaUltimeDue.enabled(); });
        const CardTable& c = t.w.m.cards;
        const std::string deck = c.lblCarta[8], trump = c.lblCarta[7];
        const char suit = c.lblSeme[7];
        const Who winner = t.w.m.game.lblTurnoDiGioco;
        const int slotPC = t.w.m.game.lblNumeroCartaGiocataDaPC, slotH = t.w.m.game.lblNumeroCartaGiocataDaH;
        ASSERT_TRUE(t.until([&] { return !t.w.t.TimerPescaUltimeDue.enabled(); }));
        EXPECT_EQ(c.lblCarta[winner == Who::PC ? slotPC : slotH], deck);
        EXPECT_EQ(c.lblCarta[winner == Who::PC ? slotH : slotPC], trump);
        EXPECT_EQ(t.w.m.game.lblNumeroCarteRimaste, 0);
        EXPECT_FALSE(t.w.m.window.ImgCarta[7].Visible || t.w.m.window.ImgCarta[8].Visible ||
                     t.w.m.window.lblCarteRimaste.Visible);
        EXPECT_EQ(c.lblSeme[7], suit);  // the trump suit stays readable
        // The trump card, drawn by the computer, is shown face up all the same.
        if (winner == Who::H) {
            EXPECT_EQ(t.w.m.window.ShpCarta[slotPC].BackColor, colour::WHITE);
        }
    }
}

// A trick set up by hand just before the taking: the computer's card in slot 1, the human's in slot 4,
// trumps of 'b'. What the taking does with it, by the points before and the options.
TEST(Taking, PointsGameEndAndCeremonyByThePointsBefore) {
    struct Case {
        const char *pc, *h;
        Who leader;
        int pointsPC, pointsH;
        const char *gameEnd, *ceremony;
        int wantPC, wantH;
        bool wantEnd;
        int wantVincitore;  // noted winner: 0 nobody, 1 computer, 2 human
        bool wantFlag;
    };
    const Case cases[] = {
        {"Ad", "7c", Who::H, 10, 20, "Appena uno supera 60 punti", "No", 10, 31, false, 0, false},
        {"Cd", "2d", Who::PC, 57, 0, "Appena uno supera 60 punti", "No", 60, 0, false, 0, false},  // 60 is not enough
        {"Cd", "2d", Who::PC, 58, 0, "Appena uno supera 60 punti", "No", 61, 0, true, 0, false},
        {"2d", "Ad", Who::H, 0, 55, TO_THE_END, "No", 0, 66, false, 2, false},
        {"2d", "Ad", Who::H, 0, 55, "Appena uno supera 60 punti", "Al termine di ogni Gioco", 0, 66, false, 2, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.pc) + " " + k.h + " from " + std::to_string(k.pointsPC) + "-" +
                     std::to_string(k.pointsH) + ", " + k.gameEnd + ", " + k.ceremony);
        Table t(1, {{index(Option::GameEnd), k.gameEnd}, {index(Option::Ceremony), k.ceremony}});
        ASSERT_TRUE(t.until([&] { return t.humanToPlay(); }));
        CardTable& c = t.w.m.cards;
        c.lblSeme[7] = 'b';
        for (auto [slot, code] : {std::pair{1, k.pc}, std::pair{4, k.h}}) {
            const int cell = cards::cellOf(code);
            c.lblCarta[slot] = code;
            c.lblValore[slot] = cards::valueOf(cell);
            c.lblSeme[slot] = cards::suitOf(cell);
        }
        GameAndMatch& g = t.w.m.game;
        g.lblNumeroCartaGiocataDaPC = 1;
        g.lblNumeroCartaGiocataDaH = 4;
        g.lblTurnoDiGioco = k.leader;
        g.lblAChiTocca = Who::Nobody;
        g.lblPuntiPC = k.pointsPC;
        g.lblPuntiH = k.pointsH;
        g.lblManche = 3;
        t.w.flow.TimerEffettuaLaPresa_Timer();

        EXPECT_EQ(g.lblPuntiPC, k.wantPC);
        EXPECT_EQ(g.lblPuntiH, k.wantH);
        EXPECT_EQ(t.endShown(), k.wantEnd);
        EXPECT_EQ(g.lblVincitore, k.wantVincitore);
        EXPECT_EQ(t.w.m.window.ImgBandiera[2].Visible, k.wantFlag);
        EXPECT_EQ(t.w.t.TimerPesca.enabled(), !k.wantEnd && !k.wantFlag);
        const Who taker = k.wantPC > k.pointsPC ? Who::PC : Who::H;
        if (k.wantEnd) {
            EXPECT_EQ(g.lblPartitePC, 1);
            EXPECT_EQ(g.lblUltimoVincitore, Who::PC);
            EXPECT_FALSE(g.lblGiocoInCorso);
        } else if (!k.wantFlag) {
            // The trick is recorded in its row, the taker's total marked; the taker leads the next.
            const auto& d = t.w.m.data.lblDati;
            EXPECT_EQ(d[cells::pcCard(3)].Caption, k.pc);
            EXPECT_EQ(d[cells::humanCard(3)].Caption, k.h);
            EXPECT_EQ(d[cells::pcPoints(3)].Caption, std::to_string(k.wantPC));
            EXPECT_EQ(d[cells::humanPoints(3)].Caption, std::to_string(k.wantH));
            EXPECT_EQ(d[cells::humanPoints(3)].BackColor, taker == Who::H ? colour::PINK : colour::WHITE);
            EXPECT_EQ(d[cells::pcPoints(3)].BackColor, taker == Who::PC ? colour::RED : colour::WHITE);
            EXPECT_EQ(g.lblAChiTocca, taker);
            EXPECT_EQ(g.lblManche, 4);
        }
        if (k.wantFlag) {
            // The winner's flag waves 45 times 700 ms, then the end panel shows.
            EXPECT_NE(t.w.m.window.ImgBandiera[2].Picture.find("Italia.bmp"), std::string::npos);
            const int64_t start = t.h.scheduler.nowMs();
            ASSERT_TRUE(t.until([&] { return t.endShown(); }, 60000));
            EXPECT_EQ(t.h.scheduler.nowMs() - start, 45 * 700);
            EXPECT_FALSE(t.w.m.window.ImgBandiera[2].Visible);
            EXPECT_EQ(g.lblcontatorebandiera, 0);
            EXPECT_EQ(g.lblVincitore, 0);
        }
    }
}

TEST(Taking, WithoutAutomaticTakingNothingMovesUntilTheButton) {
    Table t(6, {{index(Option::AutoTaking), "No"}});
    ASSERT_TRUE(t.until([&] { return t.humanToPlay(); }));
    t.w.ImgCarta_Click(4);
    ASSERT_TRUE(t.until([&] { return t.w.m.window.cmdEffettuaLaPresa.Visible; }));
    const int manche = t.w.m.game.lblManche;
    t.h.scheduler.advance(10 * 60 * 1000);
    EXPECT_EQ(t.w.m.game.lblManche, manche);
    t.w.tastoInvio();
    EXPECT_FALSE(t.w.m.window.cmdEffettuaLaPresa.Visible);
    t.h.scheduler.advance(10);
    EXPECT_EQ(t.w.m.game.lblManche, manche + 1);
    EXPECT_EQ(t.w.t.TimerEffettuaLaPresa.interval(), 0);  // back to the option's value
}

TEST(Taking, SwitchedToManualWhileATimedTakingWaitsTheButtonShows) {
    Table t(6, {{index(Option::AutoTaking), "Lenta"}});
    ASSERT_TRUE(t.until([&] { return t.humanToPlay(); }));
    t.w.ImgCarta_Click(4);
    ASSERT_TRUE(t.until([&] { return t.w.t.TimerEffettuaLaPresa.enabled(); }));
    const int manche = t.w.m.game.lblManche;
    t.w.m.options.text(Option::AutoTaking) = "Molto Veloce";  // one step on is "No"
    t.w.routines.lblVoce_Click(index(Option::AutoTaking));
    ASSERT_EQ(t.w.m.options.text(Option::AutoTaking), "No");
    EXPECT_TRUE(t.w.m.window.cmdEffettuaLaPresa.Visible);
    t.h.scheduler.advance(60 * 1000);
    EXPECT_EQ(t.w.m.game.lblManche, manche);
    t.w.tastoInvio();
    t.h.scheduler.advance(10);
    EXPECT_EQ(t.w.m.game.lblManche, manche + 1);
}

TEST(Game, ASixtyAllGameCountsForNobodyAndHasNoCeremony) {
    Simulation sim =
        matchOf(77, {{Option::GameEnd, TO_THE_END}, {Option::Ceremony, "Al termine di ogni Gioco"}});
    const GameAndMatch& g = sim.session.m.game;
    bool found = false;
    for (int n = 0; n < 800 && !found; ++n) {
        const int h = g.lblPartiteH, pc = g.lblPartitePC;
        const bool inMatch = g.lblPartitaInCorso || n == 0;
        GameResult r = sim.playGame();
        if (r.pointsH != 60) continue;
        found = true;
        EXPECT_EQ(r.winner, Who::Nobody);
        EXPECT_TRUE(!inMatch || (g.lblPartiteH == h && g.lblPartitePC == pc));
        EXPECT_FALSE(sim.session.t.TimerBandiera.enabled());
        EXPECT_FALSE(sim.session.m.window.ImgBandiera[1].Visible || sim.session.m.window.ImgBandiera[2].Visible);
        EXPECT_TRUE(g.lblPartitaInCorso);
    }
    EXPECT_TRUE(found) << "no 60-60 game in 800";
}

TEST(EndPanel, FreesTheGameEndOptionAndIgnoresEnterWhileASoundMustNotBeCut) {
    Table t(2);
    ASSERT_TRUE(t.playToTheEnd());
    ASSERT_TRUE(t.w.m.game.lblPartitaInCorso);
    const Window& f = t.w.m.window;
    EXPECT_TRUE(f.fraPannello[1].Visible);
    EXPECT_EQ(f.lblComandi[menu::Partita], colour::GREEN);
    EXPECT_EQ(t.w.m.options.lblVoceColore[index(Option::GameEnd)], colour::LIGHT_GREEN);
    EXPECT_EQ(t.w.m.options.lblVoceColore[index(Option::Level)], colour::PINK);
    EXPECT_EQ(t.w.m.options.lblVoceColore[index(Option::MatchEnd)], colour::PINK);
    EXPECT_TRUE(f.lblPuntiHVista.Visible && f.lblPuntiPCVista.Visible);  // whatever the points option says

    t.w.m.sounds.lblInterdiciSuoni = true;
    t.w.tastoInvio();
    EXPECT_TRUE(t.endShown());
    EXPECT_EQ(t.w.m.game.lblNumeroGioco, 1);
    t.w.m.sounds.lblInterdiciSuoni = false;
    t.w.tastoInvio();
    EXPECT_FALSE(t.endShown());
    EXPECT_EQ(t.w.m.game.lblNumeroGioco, 2);
    EXPECT_TRUE(t.w.t.TimerDistribuisciCarte.enabled());
    EXPECT_EQ(t.w.m.game.lblNumeroCarteRimaste, 34);
    EXPECT_EQ(t.w.m.game.lblPuntiH + t.w.m.game.lblPuntiPC, 0);
    for (int c = 1; c <= 40; ++c) {
        EXPECT_EQ(t.w.m.cards.lblCarteGiocate[c].ForeColor, colour::BLACK);
        EXPECT_FALSE(t.w.m.cards.played[c]);
    }
}

TEST(Clicks, OnlyTheHumansHandAndOnlyOnItsTurn) {
    Table t(4, {{index(Option::CardAnimation), "Lenta"}});
    ASSERT_TRUE(t.until([&] { return t.humanToPlay(); }));
    for (int i : {0, 1, 2, 3, 7, 8, 9, -1}) t.w.ImgCarta_Click(i);
    EXPECT_EQ(t.w.m.game.lblNumeroCartaGiocataDaH, 0);
    EXPECT_TRUE(t.w.m.game.lblPuoiGiocare);
    EXPECT_FALSE(t.w.t.TimerAnimazionecarteH.enabled());
    EXPECT_TRUE(t.w.t.TimerImpazienza.enabled());

    t.w.ImgCarta_Click(5);
    EXPECT_EQ(t.w.m.game.lblNumeroCartaGiocataDaH, 5);
    EXPECT_TRUE(t.w.t.TimerAnimazionecarteH.enabled());
    EXPECT_FALSE(t.w.t.TimerImpazienza.enabled());
    // The first card of a game locks the end-of-game option and the match options.
    EXPECT_EQ(t.w.m.options.lblVoceColore[index(Option::GameEnd)], colour::PINK);
    EXPECT_EQ(t.w.m.options.lblVoceColore[index(Option::Level)], colour::PINK);
    t.w.ImgCarta_Click(4);  // while the first card is moving
    EXPECT_EQ(t.w.m.game.lblNumeroCartaGiocataDaH, 5);
    // Six steps of 80 ms bring the card to the table.
    t.h.scheduler.advance(6 * 80);
    EXPECT_EQ(t.w.m.window.ImgCarta[5].Left, place::LEFT_HUMAN);
    EXPECT_EQ(t.w.m.window.ImgCarta[5].Top, place::TOP_TRICK);
    EXPECT_EQ(t.w.m.window.ShpCarta[5].Left, place::LEFT_HUMAN - 180);
    EXPECT_EQ(t.w.m.game.lblAChiTocca, Who::PC);
}

TEST(Pause, VerySlowIsTheBaseThenVariesWithinOneHundredFifty) {
    Table t(8, {{index(Option::GameEnd), TO_THE_END}, {index(Option::ResponseSpeed), "Molto Lenta"}});
    std::vector<int> pauses;
    bool before = false;
    playUntil(t, [&] {
        const bool now = t.w.t.TimerAttesaDelPCaMuovere.enabled();
        if (now && !before) pauses.push_back(t.w.t.TimerAttesaDelPCaMuovere.interval());
        before = now;
        return false;
    });
    ASSERT_EQ(pauses.size(), 20u);
    EXPECT_EQ(pauses[0], 1500);
    const std::set<int> seen(pauses.begin() + 1, pauses.end());
    for (int p : seen) {
        EXPECT_TRUE(p >= 1350 && p <= 1650 && p % 50 == 0) << p;
    }
    EXPECT_GT(seen.size(), 2u);
}

TEST(LastTrick, TheHumansLastCardFollowsTheComputersAfter550ms) {
    bool seen = false;
    for (uint64_t seed = 1; seed < 40 && !seen; ++seed) {
        Table t(seed, {{index(Option::GameEnd), TO_THE_END}});
        int64_t playedByPC = -1;
        playUntil(t, [&] {
            const int d = t.w.m.game.lblNumeroCarteRimaste;
            if (d == -5 && playedByPC < 0 && t.w.m.game.lblTurnoDiGioco == Who::PC) playedByPC = t.h.scheduler.nowMs();
            if (d == -6 && playedByPC >= 0) {
                EXPECT_EQ(t.h.scheduler.nowMs() - playedByPC, 550);
                seen = true;
            }
            return seen;
        });
    }
    EXPECT_TRUE(seen);
}

TEST(StartUp, RandomGraphicsUnlessOptionZeroIsNo) {
    Table fixed(4, {{index(Option::RandomGraphics), "No"}});
    EXPECT_EQ(fixed.w.m.options.text(Option::TableColour), "Rosso mattone");
    EXPECT_EQ(fixed.w.m.window.coloreTavolo, tableColour("Rosso mattone"));
    // Drawn at random: over a few start-ups the table colour changes, and the window paints what the option says.
    std::set<std::string> seen;
    for (uint64_t seed = 1; seed <= 6; ++seed) {
        Table t(seed, {{index(Option::RandomGraphics), "All'inizio della Partita"}});
        seen.insert(t.w.m.options.text(Option::TableColour));
        EXPECT_EQ(t.w.m.window.coloreTavolo, tableColour(t.w.m.options.text(Option::TableColour)));
    }
    EXPECT_GT(seen.size(), 1u);
}
