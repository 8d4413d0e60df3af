// The flow of a game and of a match, step by step on the virtual clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include "session/simulation.h"
#include "support/table.h"

using namespace zelvo;
using test::Table;

namespace {

const char* const TO_THE_END = "Fino all'ultima presa";
const char* const PAST_SIXTY = "Appena uno supera 60 punti";

// The slots that receive the cards of a deal, in the order they are dealt.
std::vector<int> dealOrder(Table& t) {
    std::vector<int> order;
    while (order.size() < 8 && t.h.scheduler.step())
        for (int k = 1; k <= 8; ++k)
            if (t.w.m.window.ImgCarta[k].Visible && std::find(order.begin(), order.end(), k) == order.end()) order.push_back(k);
    return order;
}

}  // namespace

TEST(Deal, OrderFollowsTheStarterAndOnlyTheHumansCardsAreFaceUp) {
    Table t(5, {{index(Option::GameEnd), TO_THE_END}, {index(Option::BackDesign), "Rombi"}, {index(Option::RandomGraphics), "No"}});
    const Window& f = t.w.m.window;
    EXPECT_TRUE(f.lblIstruzioneIniziale.Visible && f.lblIstruzioneIniziale.Caption.ends_with("clicca su una delle tue carte."));
    EXPECT_EQ(dealOrder(t), (std::vector<int>{4, 1, 5, 2, 6, 3, 7, 8}));
    for (int s = 1; s <= 8; ++s) {
        const bool face = s >= 4 && s <= 7;
        // Each card at its home place, framed in white for a face and in the back colour for a back.
        EXPECT_EQ(std::tuple(f.ShpCarta[s].BackColor, f.ShpCarta[s].Visible, f.ImgCarta[s].Left, f.ImgCarta[s].Top),
                  std::tuple(face ? colour::WHITE : backColour("Grigio cemento"), true, place::LEFT[s], place::TOP[s])) << s;
        EXPECT_TRUE(face || f.ImgCarta[s].Picture == "C:\\Programmi\\Zelvo\\Grafica\\Rombi.gif") << s;
    }
    // The trump suit is marked in the played-cards grid.
    const int first = cards::suitBlockStart(t.w.m.cards.lblSeme[7]);
    for (int c = 1; c <= 40; ++c)
        EXPECT_EQ(t.w.m.cards.lblCarteGiocate[c].BackColor, c >= first && c < first + 10 ? colour::TRUMP_YELLOW : colour::WHITE) << c;
    // The trump card's cell of the record marks who leads; no peek at the computer's cards.
    EXPECT_EQ(std::tuple(t.w.m.data.lblDati[8].BackColor, t.w.m.game.lblSbirciata, t.humanToPlay()), std::tuple(colour::PINK, false, true));

    // The second game: the computer leads and is dealt first; shown cards are a recorded peek.
    ASSERT_TRUE(t.playToTheEnd());
    t.w.m.options.text(Option::ShowCards) = "Si";
    ASSERT_TRUE(t.carryOn());
    EXPECT_EQ(dealOrder(t), (std::vector<int>{1, 4, 2, 5, 3, 6, 7, 8}));
    for (int s = 1; s <= 8; ++s) EXPECT_EQ(f.ShpCarta[s].BackColor == colour::WHITE, s != 8) << s;
    EXPECT_EQ(std::tuple(t.w.m.data.lblDati[8].BackColor, t.w.m.game.lblSbirciata, t.w.m.game.lblGiocoIniziatoDa),
              std::tuple(colour::RED, true, Who::PC));
}

// Whole games watched before every tick: the draws, the trick going to its winner, the last
// two cards, the deck counter, the computer's pauses and the human's last card.
TEST(Game, DrawsSweepsLastCardsAndPausesWatchedTickByTick) {
    bool computerLedTheLastTrick = false;
    std::set<Who> swept;
    std::set<int> pauses;
    for (uint64_t seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        Table t(seed, {{index(Option::GameEnd), TO_THE_END}, {index(Option::ResponseSpeed), "Molto Lenta"},
                       {index(Option::CardAnimation), "Veloce"}});
        const GameAndMatch& g = t.w.m.game;
        const Window& f = t.w.m.window;
        const CardTable& c = t.w.m.cards;
        std::vector<int> pausesOfGame;
        int counter = g.lblNumeroCarteRimaste, pcSlot = 0, hSlot = 0;
        int64_t computersLastCard = -1;
        std::string deckCard, trumpCard;
        bool pausing = false;
        // The human always plays its first card; everything is watched before every tick.
        for (int guard = 0; guard < 100000 && !t.endShown(); ++guard) {
            const int d = g.lblNumeroCarteRimaste;
            const bool pcWon = g.lblTurnoDiGioco == Who::PC;
            if (d == 2) std::tie(deckCard, trumpCard) = std::pair(c.lblCarta[8], c.lblCarta[7]);
            if (d != counter && d >= 0) {
                // A draw: the winner's card first, then the loser's; the computer's face down but for the trump.
                const int drawn = (d % 2 == 1) == pcWon ? pcSlot : hSlot;
                EXPECT_TRUE(f.ImgCarta[drawn].Visible) << d;
                EXPECT_FALSE(d % 2 == 1 && f.ImgCarta[drawn == pcSlot ? hSlot : pcSlot].Visible) << d;
                EXPECT_EQ(f.ShpCarta[drawn].BackColor == colour::WHITE, drawn >= 4 || d == 0) << d;
                EXPECT_TRUE(d > 1 || c.lblCarta[drawn] == (d == 1 ? deckCard : trumpCard)) << d;
            }
            EXPECT_TRUE(d == counter || d == counter - 1) << d;  // one card at a time
            counter = d;
            if (g.lblNumeroCartaGiocataDaPC) std::tie(pcSlot, hSlot) = std::pair(g.lblNumeroCartaGiocataDaPC, g.lblNumeroCartaGiocataDaH);
            // The swept trick moves towards its winner's hand, both cards together.
            if (t.w.t.TimerPrendicarte.enabled() && f.ImgCarta[hSlot].Top != place::TOP_TRICK) {
                EXPECT_EQ(f.ImgCarta[hSlot].Top > place::TOP_TRICK, !pcWon);
                EXPECT_TRUE(f.ImgCarta[pcSlot].Top == f.ImgCarta[hSlot].Top && f.ImgCarta[hSlot].Top > place::TOP[1] &&
                            f.ImgCarta[hSlot].Top < place::TOP[4]) << f.ImgCarta[hSlot].Top;  // six steps, the last one home
                swept.insert(g.lblTurnoDiGioco);
            }
            const bool wasPausing = std::exchange(pausing, t.w.t.TimerAttesaDelPCaMuovere.enabled());
            if (pausing && !wasPausing) pausesOfGame.push_back(t.w.t.TimerAttesaDelPCaMuovere.interval());
            // The computer leads the last trick: the human's last card follows after 550 ms, with no click.
            if (d == -5 && pcWon && computersLastCard < 0) computersLastCard = t.h.scheduler.nowMs();
            if (d == -6 && computersLastCard >= 0) {
                EXPECT_EQ(t.h.scheduler.nowMs() - computersLastCard, 550);
                computerLedTheLastTrick = true;
                computersLastCard = -1;
            }
            if (t.humanToPlay()) t.w.ImgCarta_Click(t.firstHumanCard());
            else ASSERT_TRUE(t.h.scheduler.step());
        }
        ASSERT_TRUE(t.endShown());
        EXPECT_EQ(std::pair(counter, g.lblPuntiH + g.lblPuntiPC), std::pair(-6, 120));
        // The deck and the trump card are gone and the counter hidden; the trump suit stays readable.
        EXPECT_TRUE(!f.ImgCarta[7].Visible && !f.ImgCarta[8].Visible && !f.lblCarteRimaste.Visible && c.lblSeme[7]);
        // "Molto Lenta": 1500 ms first, then within 150 ms of it in steps of 50.
        ASSERT_EQ(pausesOfGame.size(), 20u);
        EXPECT_EQ(pausesOfGame[0], 1500);
        pauses.insert(pausesOfGame.begin() + 1, pausesOfGame.end());
    }
    EXPECT_EQ(std::pair(computerLedTheLastTrick, swept.size()), std::pair(true, size_t{2}));  // both sides swept a trick
    for (int p : pauses) EXPECT_TRUE(p >= 1350 && p <= 1650 && p % 50 == 0) << p;
    EXPECT_GT(pauses.size(), 3u);
}

// Two matches of 3, 4 and 5 games won. Each end panel shows the final score, whatever the points
// option says, and the computer's drawn cards, and frees the options the game fixed (and the
// match's at its end); Enter waits while a sound must not be cut; each game and match starts afresh.
TEST(Match, EndsWhenASideWinsTheGamesAskedAndTheStarterAlternatesAcrossMatches) {
    for (auto [n, option] : {std::pair{3, "Al meglio di 3 Giochi"}, {4, "Al meglio di 4 Giochi"}, {5, "Al meglio di 5 Giochi"}}) {
        SCOPED_TRACE(option);
        SimulationSettings s;
        s.seed = 100 + n;
        s.options[index(Option::MatchEnd)] = option;
        s.options[index(Option::ScoreDisplay)] = "Nessuno dei due Giocatori";
        Simulation sim(s);
        const GameAndMatch& g = sim.session.m.game;
        const Window& f = sim.session.m.window;
        const DataPanel& data = sim.session.m.data;
        const auto& colours = sim.session.m.options.lblVoceColore;
        Who starter = Who::H;
        for (int match = 0; match < 2; ++match)
            for (int game = 1; game == 1 || g.lblPartitaInCorso; ++game) {
                if (match + game > 1) {
                    sim.session.m.sounds.lblInterdiciSuoni = true;
                    sim.session.tastoInvio();
                    ASSERT_TRUE(f.fraFineGioco.Visible);
                    sim.session.m.sounds.lblInterdiciSuoni = false;
                    sim.startNext();
                    for (int c = 1; c <= 40; ++c) EXPECT_FALSE(sim.session.m.cards.lblCarteGiocate[c].ForeColor || sim.session.m.cards.played[c]);
                }
                EXPECT_EQ(std::tuple(g.lblNumeroGioco, g.lblNumeroCarteRimaste, g.lblPuntiH + g.lblPuntiPC, g.lblPartiteH + g.lblPartitePC < game,
                                     f.lblPuntiHVista.Visible, data.lblDati[cells::pcDraw(2)].Visible || data.intestazioniPescateVisibili,
                                     data.lblIndicazioniPannellodati1.ends_with(" - Gioco n. " + std::to_string(game)),
                                     data.marcatoreVisibile, data.marcatoreTop),  // the trick marker back at trick 1
                          std::tuple(game, 34, 0, true, false, false, true, true, 1935));
                sim.playGame();
                EXPECT_EQ(g.lblGiocoIniziatoDa, std::exchange(starter, altro(starter)));
                ASSERT_LT(game, 2 * n);
                EXPECT_TRUE(f.fraPannello[1].Visible && f.lblComandi[menu::Partita] == colour::GREEN && f.lblPuntiHVista.Visible &&
                            f.lblPuntiPCVista.Visible && data.lblDati[cells::pcDraw(2)].Visible && data.intestazioniPescateVisibili);
                const auto markers = [](const std::array<bool, 6>& shown) { return std::count(shown.begin() + 1, shown.end(), true); };
                EXPECT_EQ(std::pair(markers(f.shpPuntiPC), markers(f.shpPuntiH)), std::pair(std::ptrdiff_t{g.lblPartitePC}, std::ptrdiff_t{g.lblPartiteH}));
                const Colour matchOptions = g.lblPartitaInCorso ? colour::PINK : colour::LIGHT_GREEN;
                EXPECT_EQ(std::tuple(colours[index(Option::GameEnd)], colours[index(Option::Level)], colours[index(Option::MatchEnd)]),
                          std::tuple(colour::LIGHT_GREEN, matchOptions, matchOptions));
                // A match ends at its games won; the records then count it, and drop the "ten best" sub-title.
                const int most = std::max(g.lblPartiteH, g.lblPartitePC);
                EXPECT_TRUE(g.lblPartitaInCorso ? most < n : most == n && !sim.session.m.records.lblDieciMigliori) << most;
            }
    }
}

// A trick set up by hand just before the taking: the computer's card in slot 1, the human's in
// slot 4, trumps of 'b', the human three games up in a match of four. What the taking does, by
// the points and the stock before it and the options; the take noise is not played on the last trick.
TEST(Taking, ByThePointsTheStockAndTheOptions) {
    enum Next { Draws, LastTwo, HumanLeads, HumansLastCard, ComputerPlays, GameOver, Flag };
    const char *EVERY = "Al termine di ogni Gioco", *MATCH = "Al termine della Partita";
    // The cards, the leader, the points and the stock before, the options; the taker, the points after, what follows.
    const std::tuple<const char*, const char*, Who, int, int, int, const char*, const char*, Who, int, int, Next> rows[] = {
        {"Ad", "7c", Who::H, 10, 20, 34, PAST_SIXTY, "No", Who::H, 10, 31, Draws},  // another suit: the lead
        {"2b", "Ad", Who::PC, 0, 0, 34, PAST_SIXTY, "No", Who::PC, 11, 0, Draws},   // a trump
        {"Cd", "2d", Who::PC, 58, 0, 34, PAST_SIXTY, "No", Who::PC, 61, 0, GameOver},
        {"Cd", "2d", Who::PC, 58, 0, 34, PAST_SIXTY, EVERY, Who::PC, 61, 0, Flag},
        {"Cd", "2d", Who::PC, 58, 0, 34, PAST_SIXTY, MATCH, Who::PC, 61, 0, GameOver},  // the match goes on
        {"2d", "Ad", Who::H, 0, 55, 34, PAST_SIXTY, MATCH, Who::H, 0, 66, Flag},       // the match is won
        {"2d", "Ad", Who::H, 0, 55, 34, TO_THE_END, EVERY, Who::H, 0, 66, Draws},
        {"Ad", "3d", Who::PC, 0, 0, 2, TO_THE_END, "No", Who::PC, 21, 0, LastTwo},
        {"2d", "4d", Who::H, 50, 50, -2, TO_THE_END, "No", Who::H, 50, 50, HumanLeads},
        {"4d", "2d", Who::H, 50, 50, -2, TO_THE_END, "No", Who::PC, 50, 50, ComputerPlays},
        {"2d", "4d", Who::H, 50, 50, -4, TO_THE_END, "No", Who::H, 50, 50, HumansLastCard},
        {"4d", "2d", Who::H, 50, 50, -4, TO_THE_END, "No", Who::PC, 50, 50, ComputerPlays},
        {"2d", "4d", Who::PC, 60, 60, -6, TO_THE_END, EVERY, Who::H, 60, 60, GameOver},  // 60-60: nobody's
    };
    for (const auto& [pc, h, leader, pointsPC, pointsH, stock, gameEnd, ceremony, taker, wantPC, wantH, next] : rows) {
        SCOPED_TRACE(testing::Message() << pc << h << " from " << pointsPC << "-" << pointsH << " stock " << stock << ", " << ceremony);
        Table t(1, {{index(Option::GameEnd), gameEnd}, {index(Option::Ceremony), ceremony}});
        ASSERT_TRUE(t.until([&] { return t.humanToPlay(); }));
        CardTable& c = t.w.m.cards;
        c.lblSeme[7] = 'b';
        for (auto [slot, code] : {std::pair{1, pc}, std::pair{4, h}})
            std::tie(c.lblCarta[slot], c.lblValore[slot], c.lblSeme[slot]) = std::tuple(code, cards::valueOf(cards::cellOf(code)), code[1]);
        GameAndMatch& g = t.w.m.game;
        std::tie(g.lblNumeroCartaGiocataDaPC, g.lblNumeroCartaGiocataDaH, g.lblTurnoDiGioco, g.lblAChiTocca) =
            std::tuple(1, 4, leader, Who::Nobody);
        std::tie(g.lblPuntiPC, g.lblPuntiH, g.lblNumeroCarteRimaste, g.lblManche, g.lblPartiteH, g.lblPuoiGiocare) =
            std::tuple(pointsPC, pointsH, stock, 3, 3, false);
        t.w.m.sounds.lblInterdiciSuoni = false;
        t.w.flow.TimerEffettuaLaPresa_Timer();

        EXPECT_EQ(std::tuple(g.lblPuntiPC, g.lblPuntiH, g.lblTurnoDiGioco, g.lblManche), std::tuple(wantPC, wantH, taker, 4));
        EXPECT_TRUE(next == Flag || t.w.m.sounds.lblInterdiciSuoni == (stock != -6));
        const int flag = wantPC > 60 ? 1 : wantH > 60 ? 2 : 0;  // and the winner noted
        EXPECT_EQ(std::tuple(t.w.t.TimerPesca.enabled(), t.w.t.TimerPescaUltimeDue.enabled(), t.w.t.TimerUltimacartaH.enabled(),
                             t.w.t.TimerAttesaDelPCaMuovere.enabled(), t.endShown(), flag && t.w.m.window.ImgBandiera[flag].Visible),
                  std::tuple(next == Draws, next == LastTwo, next == HumansLastCard, next == ComputerPlays,
                             next == GameOver, next == Flag));
        EXPECT_TRUE(next != HumanLeads || (g.lblPuoiGiocare && g.lblGiocoInCorso));
        // The trick is recorded in its row, the taker's total marked.
        const auto& d = t.w.m.data.lblDati;
        EXPECT_EQ(std::tuple(d[cells::pcCard(3)].Caption, d[cells::humanCard(3)].Caption, d[cells::pcPoints(3)].Caption,
                             d[cells::humanPoints(3)].Caption, d[cells::pcPoints(3)].BackColor, d[cells::humanPoints(3)].BackColor),
                  std::tuple(pc, h, std::to_string(wantPC), std::to_string(wantH),
                             taker == Who::PC ? colour::RED : colour::WHITE, taker == Who::H ? colour::PINK : colour::WHITE));
        if (next != GameOver && next != Flag) {
            EXPECT_EQ(std::pair(g.lblVincitore, g.lblAChiTocca), std::pair(flag, taker));
            continue;
        }
        const Who winner = std::array{Who::Nobody, Who::PC, Who::H}[flag];
        EXPECT_EQ(std::tuple(g.lblUltimoVincitore, g.lblPartitePC, g.lblPartiteH, g.lblPartitaInCorso, g.lblGiocoInCorso),
                  std::tuple(winner, winner == Who::PC ? 1 : 0, winner == Who::H ? 4 : 3, winner != Who::H, false));
        if (next == Flag) {
            // The winner's flag waves 45 times 700 ms, then the end panel shows.
            EXPECT_EQ(std::pair(t.w.m.window.ImgBandiera[flag].Picture.ends_with(flag == 1 ? "Inghil.bmp" : "Italia.bmp"), t.w.m.sounds.lblTitolo.Caption),
                      std::pair(true, std::string(flag == 1 ? "'God save the Queen' - Inno nazionale inglese"
                                                            : "'Fratelli d'Italia' - Inno nazionale italiano")));
            const int64_t start = t.h.scheduler.nowMs();
            ASSERT_TRUE(t.until([&] { return t.endShown(); }, 60000));
            EXPECT_EQ(t.h.scheduler.nowMs() - start, 45 * 700);
            EXPECT_FALSE(t.w.m.window.ImgBandiera[flag].Visible || g.lblcontatorebandiera);
            // It went 19 steps of 148.5 twips towards the middle and 20 back: one step beyond its place.
            EXPECT_EQ(t.w.m.window.ImgBandiera[flag].Top, std::lround(flag == 1 ? 180 - 148.5 : 6120 + 148.5));
        }
        EXPECT_EQ(g.lblVincitore, 0);
    }
}

// The human's turn, played with the taking by the button: with "Presa automatica:" "No", or
// switched to it while a timed taking waits. Only a card of the human's hand plays, only on its
// turn and not while one is moving; the click stops the impatience clock and locks the
// end-of-game option and the match options.
TEST(Clicks, OnlyTheHumansHandOnItsTurnThenTheTakingWaitsForTheButton) {
    for (const char* option : {"No", "Lenta"}) {
        SCOPED_TRACE(option);
        Table t(4, {{index(Option::AutoTaking), option}, {index(Option::CardAnimation), "Lenta"}});
        ASSERT_TRUE(t.until([&] { return t.humanToPlay(); }));
        const GameAndMatch& g = t.w.m.game;
        const Timers& tm = t.w.t;
        // No card of the hand, then a card of the hand and another while the first is moving.
        for (auto [clicks, played] : {std::pair{std::vector{0, 1, 2, 3, 7, 8, 9, -1}, 0}, {std::vector{5, 4}, 5}}) {
            for (int i : clicks) t.w.ImgCarta_Click(i);
            EXPECT_EQ(std::tuple(g.lblNumeroCartaGiocataDaH, g.lblPuoiGiocare, tm.TimerAnimazionecarteH.enabled(), tm.TimerImpazienza.enabled()),
                      std::tuple(played, !played, played != 0, !played));
        }
        EXPECT_TRUE(t.w.m.options.lblVoceColore[index(Option::GameEnd)] == colour::PINK && t.w.m.options.lblVoceColore[index(Option::Level)] == colour::PINK);
        // Six steps of 80 ms bring the card to the table.
        t.h.scheduler.advance(6 * 80);
        Window& f = t.w.m.window;
        EXPECT_EQ(std::tuple(f.ImgCarta[5].Left, f.ImgCarta[5].Top, f.ShpCarta[5].Left, g.lblAChiTocca),
                  std::tuple(place::LEFT_HUMAN, place::TOP_TRICK, place::LEFT_HUMAN - 180, Who::PC));

        ASSERT_TRUE(t.until([&] { return f.cmdEffettuaLaPresa.Visible || tm.TimerEffettuaLaPresa.enabled(); }));
        if (!f.cmdEffettuaLaPresa.Visible) {
            t.w.m.options.text(Option::AutoTaking) = "Molto Veloce";  // one step on is "No"
            t.w.routines.lblVoce_Click(index(Option::AutoTaking));
        }
        const int manche = g.lblManche, pc = g.lblNumeroCartaGiocataDaPC;
        t.h.scheduler.advance(10 * 60 * 1000);
        EXPECT_EQ(std::tuple(g.lblManche, f.cmdEffettuaLaPresa.Visible, f.ShpCarta[pc].Left, f.ShpCarta[pc].Top),
                  std::tuple(manche, true, place::LEFT_PC - 180, place::TOP_TRICK - 180));
        t.w.tastoInvio();
        EXPECT_FALSE(f.cmdEffettuaLaPresa.Visible);
        t.h.scheduler.advance(10);
        EXPECT_EQ(std::pair(g.lblManche, tm.TimerEffettuaLaPresa.interval()), std::pair(manche + 1, 0));  // not the button's 10 ms
    }
}

// The tools' words for the options, and words they refuse.
TEST(Simulation, OptionWordsOfTheTools) {
    SimulationSettings s;
    for (auto [key, word] : {std::pair{"end", "last"}, {"match", "5"}, {"animation", "lenta"}, {"level", "B"}})
        EXPECT_TRUE(optionFromWord(s, key, word)) << key << " " << word;
    EXPECT_EQ(s.options[index(Option::MatchEnd)] + ", " + s.options[index(Option::Level)] + ", " + s.options[index(Option::CardAnimation)],
              std::string("Al meglio di 5 Giochi, ") + textOf(Level::B) + ", Lenta");
    for (auto [key, word] : {std::pair{"level", "AB"}, {"level", "F"}, {"match", "6"}, {"end", "first"}, {"seed", "3"}})
        EXPECT_FALSE(optionFromWord(s, key, word)) << key << " " << word;
}
