// The flow of a game and of a match, step by step on the virtual clock.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "session/simulation.h"
#include "tavolo.h"

using namespace zelvo;
using test::Tavolo;

namespace {

const char* const FINO_ALLA_FINE = "Fino all'ultima presa";

// The slots that receive the cards of a deal, in the order they are dealt.
std::vector<int> ordineDistribuzione(Tavolo& t) {
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

}  // namespace

TEST(Deal, OrderFollowsTheStarterAndShowsTheRightFaces) {
    Tavolo t(5, {{index(Option::GameEnd), FINO_ALLA_FINE}});
    // Ticks of the deal run every 450 ms; other timers may tick in between, so watch the deal timer itself.
    EXPECT_EQ(ordineDistribuzione(t), (std::vector<int>{4, 1, 5, 2, 6, 3, 7, 8}));

    const Window& f = t.w.m.window;
    for (int s = 1; s <= 8; ++s) EXPECT_TRUE(f.ImgCarta[s].Visible) << s;
    for (int s : {1, 2, 3, 8}) EXPECT_NE(f.ShpCarta[s].BackColor, colour::WHITE) << "back on slot " << s;
    for (int s : {4, 5, 6, 7}) {
        EXPECT_EQ(f.ShpCarta[s].BackColor, colour::WHITE);
        EXPECT_NE(f.ImgCarta[s].Picture.find(t.w.m.cards.lblCarta[s] + "2.jpg"), std::string::npos);
    }
    EXPECT_EQ(t.w.m.game.lblNumeroCarteRimaste, 34);
    EXPECT_FALSE(t.w.m.game.lblSbirciata);
    // The trump suit is marked in the played-cards grid and in the computer's own marks.
    EXPECT_TRUE(t.w.m.cards.trumpMarked);
    int primoTrump = cards::suitBlockStart(t.w.m.cards.lblSeme[7]);
    for (int c = 1; c <= 40; ++c) {
        bool trump = c >= primoTrump && c < primoTrump + 10;
        EXPECT_EQ(t.w.m.cards.lblCarteGiocate[c].BackColor, trump ? colour::TRUMP_YELLOW : colour::WHITE);
    }
    // The record of the deal: cells 2..8, the trump cell marks who leads.
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(t.w.m.data.lblDati[k + 1].Caption, t.w.m.cards.lblCarta[k]);
    EXPECT_EQ(t.w.m.data.lblDati[8].BackColor, colour::PINK);
    EXPECT_TRUE(t.humanToPlay());
}

TEST(Deal, TheComputerLeadsTheSecondGameAndItsHandGetsTheOddCards) {
    Tavolo t(9, {{index(Option::GameEnd), FINO_ALLA_FINE}, {index(Option::ShowCards), "Si"}});
    ASSERT_TRUE(t.giocaFinoAllaFine());
    ASSERT_TRUE(t.continua());
    EXPECT_EQ(t.w.m.game.lblGiocoIniziatoDa, Who::PC);
    EXPECT_EQ(ordineDistribuzione(t), (std::vector<int>{1, 4, 2, 5, 3, 6, 7, 8}));
    // Shown face up with option 18, and the peek is recorded.
    for (int s = 1; s <= 3; ++s) EXPECT_EQ(t.w.m.window.ShpCarta[s].BackColor, colour::WHITE);
    EXPECT_NE(t.w.m.window.ShpCarta[8].BackColor, colour::WHITE);
    EXPECT_TRUE(t.w.m.game.lblSbirciata);
    EXPECT_EQ(t.w.m.data.lblDati[8].BackColor, colour::RED);
}

TEST(Match, StarterAlternatesAcrossGamesAndMatches) {
    SimulationSettings imp;
    imp.seed = 11;
    imp.options[index(Option::MatchEnd)] = "Al meglio di 3 Giochi";
    Simulation sim(imp);
    Who atteso = Who::H;
    int partiteFinite = 0;
    for (int g = 0; g < 14; ++g) {
        sim.playGame();
        EXPECT_EQ(sim.session.m.game.lblGiocoIniziatoDa, atteso) << "game " << g;
        atteso = altro(atteso);
        partiteFinite += !sim.session.m.game.lblPartitaInCorso;
    }
    EXPECT_GE(partiteFinite, 2);  // the alternation crossed match boundaries
}

TEST(Match, EndsWhenASideWinsTheGamesTheOptionAsks) {
    for (int n : {3, 4, 5}) {
        SimulationSettings imp;
        imp.seed = 100 + n;
        imp.options[index(Option::MatchEnd)] = "Al meglio di " + std::to_string(n) + " Giochi";
        Simulation sim(imp);
        for (int partita = 0; partita < 3; ++partita) {
            int giochi = 0;
            do {
                sim.playGame();
                ++giochi;
                const GameAndMatch& g = sim.session.m.game;
                EXPECT_EQ(g.lblNumeroGioco, giochi);
                EXPECT_LE(std::max(g.lblPartiteH, g.lblPartitePC), n);
                ASSERT_LT(giochi, 40);
            } while (sim.session.m.game.lblPartitaInCorso);
            const GameAndMatch& g = sim.session.m.game;
            EXPECT_EQ(std::max(g.lblPartiteH, g.lblPartitePC), n);
            EXPECT_LT(std::min(g.lblPartiteH, g.lblPartitePC), n);
            EXPECT_EQ(sim.session.m.window.lblFineGioco1,
                      "Se vuoi iniziare subito una nuova Partita premi il tasto INVIO, altrimenti clicca su una delle "
                      "seguenti opzioni:");
            // The options locked during the match are free again.
            for (int i : {index(Option::Level), index(Option::GameEnd), index(Option::MatchEnd)})
                EXPECT_EQ(sim.session.m.options.lblVoceColore[i], colour::LIGHT_GREEN);
        }
    }
}

TEST(Match, ANewMatchStartsFromNothing) {
    SimulationSettings imp;
    imp.seed = 3;
    imp.options[index(Option::MatchEnd)] = "Al meglio di 3 Giochi";
    Simulation sim(imp);
    do sim.playGame();
    while (sim.session.m.game.lblPartitaInCorso);
    // Enter is taken once no remark is playing.
    sim.headless.scheduler.advance(10000);
    sim.session.tastoInvio();
    ASSERT_FALSE(sim.session.m.window.fraFineGioco.Visible);
    const GameAndMatch& g = sim.session.m.game;
    EXPECT_EQ(g.lblPartiteH, 0);
    EXPECT_EQ(g.lblPartitePC, 0);
    EXPECT_EQ(g.lblNumeroGioco, 1);
    for (int k = 1; k <= 5; ++k) EXPECT_FALSE(sim.session.m.window.shpPuntiH[k] || sim.session.m.window.shpPuntiPC[k]);
    EXPECT_NE(sim.session.m.data.lblIndicazioniPannellodati1.find(" - Gioco n. 1"), std::string::npos);
}

TEST(Game, DeckCounterRunsFrom34ToMinus6OneStepAtATime) {
    Tavolo t(21, {{index(Option::GameEnd), FINO_ALLA_FINE}});
    std::vector<int> valori{t.w.m.game.lblNumeroCarteRimaste};
    for (int guard = 0; guard < 100000 && !t.fineVisibile(); ++guard) {
        if (t.humanToPlay()) t.w.ImgCarta_Click(t.primaCartaUmana());
        else ASSERT_TRUE(t.h.scheduler.step());
        if (t.w.m.game.lblNumeroCarteRimaste != valori.back()) valori.push_back(t.w.m.game.lblNumeroCarteRimaste);
    }
    ASSERT_TRUE(t.fineVisibile());
    std::vector<int> atteso;
    for (int d = 34; d >= -6; --d) atteso.push_back(d);
    EXPECT_EQ(valori, atteso);
    EXPECT_EQ(t.w.m.game.lblPuntiH + t.w.m.game.lblPuntiPC, 120);
}

TEST(Game, TheLastTwoCardsGoToTheWinnerFromTheDeckAndToTheLoserFromTheTrump) {
    for (uint64_t seed : {1, 2, 3, 4}) {
        Tavolo t(seed, {{index(Option::GameEnd), FINO_ALLA_FINE}});
        ASSERT_TRUE(t.finche([&] {
            if (t.humanToPlay()) t.w.ImgCarta_Click(t.primaCartaUmana());
            return t.w.t.TimerPescaUltimeDue.enabled();
        }));
        const CardTable& c = t.w.m.cards;
        const std::string mazzo = c.lblCarta[8], briscola = c.lblCarta[7];
        const char seme = c.lblSeme[7];
        const Who vincitore = t.w.m.game.lblTurnoDiGioco;
        const int slotPC = t.w.m.game.lblNumeroCartaGiocataDaPC, slotH = t.w.m.game.lblNumeroCartaGiocataDaH;
        ASSERT_TRUE(t.finche([&] { return !t.w.t.TimerPescaUltimeDue.enabled(); }));
        EXPECT_EQ(c.lblCarta[vincitore == Who::PC ? slotPC : slotH], mazzo);
        EXPECT_EQ(c.lblCarta[vincitore == Who::PC ? slotH : slotPC], briscola);
        EXPECT_EQ(t.w.m.game.lblNumeroCarteRimaste, 0);
        EXPECT_FALSE(t.w.m.window.ImgCarta[7].Visible);
        EXPECT_FALSE(t.w.m.window.ImgCarta[8].Visible);
        EXPECT_FALSE(t.w.m.window.lblCarteRimaste.Visible);
        EXPECT_EQ(c.lblSeme[7], seme);  // the trump suit stays readable
        // The trump card, drawn by the computer, is shown face up all the same.
        if (vincitore == Who::H) {
            EXPECT_EQ(t.w.m.window.ShpCarta[slotPC].BackColor, colour::WHITE);
        }
    }
}

namespace {

// A trick set up by hand just before the taking: the computer's card in slot 1, the human's in slot 4.
void preparaPresa(Tavolo& t, const char* pc, const char* h, Who leader, int puntiPC, int puntiH) {
    CardTable& c = t.w.m.cards;
    for (auto [slot, code] : {std::pair{1, pc}, std::pair{4, h}}) {
        int cell = cards::cellOf(code);
        c.lblCarta[slot] = code;
        c.lblValore[slot] = cards::valueOf(cell);
        c.lblSeme[slot] = cards::suitOf(cell);
    }
    GameAndMatch& g = t.w.m.game;
    g.lblNumeroCartaGiocataDaPC = 1;
    g.lblNumeroCartaGiocataDaH = 4;
    g.lblTurnoDiGioco = leader;
    g.lblAChiTocca = Who::Nobody;
    g.lblPuntiPC = puntiPC;
    g.lblPuntiH = puntiH;
}

}  // namespace

TEST(Taking, PointsGoToTheWinnerAndTheTrickIsRecorded) {
    Tavolo t(1);
    ASSERT_TRUE(t.finche([&] { return t.humanToPlay(); }));
    t.w.m.cards.lblSeme[7] = 'b';
    preparaPresa(t, "Ad", "7c", Who::H, 10, 20);
    t.w.m.game.lblManche = 3;
    t.w.flow.TimerEffettuaLaPresa_Timer();
    EXPECT_EQ(t.w.m.game.lblPuntiH, 31);
    EXPECT_EQ(t.w.m.game.lblPuntiPC, 10);
    EXPECT_EQ(t.w.m.game.lblTurnoDiGioco, Who::H);
    EXPECT_EQ(t.w.m.game.lblAChiTocca, Who::H);
    const auto& d = t.w.m.data.lblDati;
    EXPECT_EQ(d[27].Caption, "Ad");
    EXPECT_EQ(d[28].Caption, "7c");
    EXPECT_EQ(d[29].Caption, "10");
    EXPECT_EQ(d[30].Caption, "31");
    EXPECT_EQ(d[30].BackColor, colour::PINK);
    EXPECT_EQ(d[29].BackColor, colour::WHITE);
    EXPECT_EQ(t.w.m.game.lblManche, 4);
    EXPECT_TRUE(t.w.t.TimerPesca.enabled());
}

TEST(Taking, AGameEndsAtSixtyOnePointsNotAtSixty) {
    for (int prima : {57, 58}) {  // + 3 points of a Cavallo
        Tavolo t(1);
        ASSERT_TRUE(t.finche([&] { return t.humanToPlay(); }));
        t.w.m.cards.lblSeme[7] = 'b';
        preparaPresa(t, "Cd", "2d", Who::PC, prima, 0);
        t.w.flow.TimerEffettuaLaPresa_Timer();
        EXPECT_EQ(t.w.m.game.lblPuntiPC, prima + 3);
        if (prima + 3 > 60) {
            EXPECT_TRUE(t.fineVisibile());
            EXPECT_EQ(t.w.m.game.lblPartitePC, 1);
            EXPECT_EQ(t.w.m.game.lblUltimoVincitore, Who::PC);
            EXPECT_FALSE(t.w.m.game.lblGiocoInCorso);
        } else {
            EXPECT_FALSE(t.fineVisibile());
            EXPECT_EQ(t.w.m.game.lblVincitore, 0);
            EXPECT_TRUE(t.w.t.TimerPesca.enabled());
        }
    }
}

TEST(Taking, PlayedToTheLastTrickTheWinnerIsNotedWhenHePassesSixty) {
    Tavolo t(1, {{index(Option::GameEnd), FINO_ALLA_FINE}});
    ASSERT_TRUE(t.finche([&] { return t.humanToPlay(); }));
    t.w.m.cards.lblSeme[7] = 'b';
    preparaPresa(t, "2d", "Ad", Who::H, 0, 55);
    t.w.flow.TimerEffettuaLaPresa_Timer();
    EXPECT_EQ(t.w.m.game.lblVincitore, 2);
    EXPECT_FALSE(t.fineVisibile());
    EXPECT_TRUE(t.w.t.TimerPesca.enabled());
}

TEST(Game, ASixtyAllGameCountsForNobodyAndHasNoCeremony) {
    SimulationSettings imp;
    imp.seed = 77;
    imp.options[index(Option::GameEnd)] = FINO_ALLA_FINE;
    imp.options[index(Option::Ceremony)] = "Al termine di ogni Gioco";
    Simulation sim(imp);
    bool trovato = false;
    for (int g = 0; g < 800 && !trovato; ++g) {
        const int h = sim.session.m.game.lblPartiteH, pc = sim.session.m.game.lblPartitePC;
        const bool inCorso = sim.session.m.game.lblPartitaInCorso || g == 0;
        GameResult r = sim.playGame();
        if (r.pointsH != 60) continue;
        trovato = true;
        EXPECT_EQ(r.pointsPC, 60);
        EXPECT_EQ(r.winner, Who::Nobody);
        if (inCorso) {
            EXPECT_EQ(sim.session.m.game.lblPartiteH, h);
            EXPECT_EQ(sim.session.m.game.lblPartitePC, pc);
        }
        EXPECT_FALSE(sim.session.t.TimerBandiera.enabled());
        EXPECT_FALSE(sim.session.m.window.ImgBandiera[1].Visible || sim.session.m.window.ImgBandiera[2].Visible);
        EXPECT_TRUE(sim.session.m.game.lblPartitaInCorso);
    }
    EXPECT_TRUE(trovato) << "no 60-60 game in 800";
}

TEST(Game, TheCeremonyShowsTheWinnersFlagThenTheEndPanel) {
    Tavolo t(1, {{index(Option::Ceremony), "Al termine di ogni Gioco"}});
    ASSERT_TRUE(t.finche([&] { return t.humanToPlay(); }));
    t.w.m.cards.lblSeme[7] = 'b';
    preparaPresa(t, "2d", "Ad", Who::H, 0, 55);
    t.w.flow.TimerEffettuaLaPresa_Timer();
    EXPECT_FALSE(t.fineVisibile());
    EXPECT_TRUE(t.w.m.window.ImgBandiera[2].Visible);
    EXPECT_NE(t.w.m.window.ImgBandiera[2].Picture.find("Italia.bmp"), std::string::npos);
    EXPECT_TRUE(t.w.t.TimerBandiera.enabled());
    const int64_t inizio = t.h.scheduler.nowMs();
    ASSERT_TRUE(t.finche([&] { return t.fineVisibile(); }, 60000));
    EXPECT_EQ(t.h.scheduler.nowMs() - inizio, 45 * 700);
    EXPECT_FALSE(t.w.m.window.ImgBandiera[2].Visible);
    EXPECT_EQ(t.w.m.game.lblcontatorebandiera, 0);
    EXPECT_EQ(t.w.m.game.lblVincitore, 0);
}

TEST(EndPanel, TextsWhileTheMatchGoesOn) {
    Tavolo t(2);
    ASSERT_TRUE(t.giocaFinoAllaFine());
    const Window& f = t.w.m.window;
    ASSERT_TRUE(t.w.m.game.lblPartitaInCorso);
    EXPECT_EQ(f.lblFineGioco1,
              "Se vuoi continuare subito la Partita con un nuovo Gioco premi il tasto INVIO, altrimenti clicca su una "
              "delle seguenti opzioni:");
    EXPECT_EQ(f.lblFineGioco2,
              "Ricordati che prima di continuare la Partita puoi ora modificare, se vuoi, anche l'opzione di "
              "'Conclusione del Gioco' nell'apposito 'Pannello Opzioni'.");
    EXPECT_EQ(f.fraFineGioco.Left, 3420);
    EXPECT_EQ(f.fraFineGioco.Top, 3030);
    EXPECT_TRUE(f.fraPannello[1].Visible);
    EXPECT_EQ(f.lblComandi[menu::Partita], colour::GREEN);
    // The end of a game frees the option of its end, but not those of the match.
    EXPECT_EQ(t.w.m.options.lblVoceColore[index(Option::GameEnd)], colour::LIGHT_GREEN);
    EXPECT_EQ(t.w.m.options.lblVoceColore[index(Option::Level)], colour::PINK);
    EXPECT_EQ(t.w.m.options.lblVoceColore[index(Option::MatchEnd)], colour::PINK);
    // The final score is shown whatever the points option says.
    EXPECT_TRUE(f.lblPuntiHVista.Visible && f.lblPuntiPCVista.Visible);
}

TEST(EndPanel, EnterIsIgnoredWhileASoundMustNotBeCut) {
    Tavolo t(2);
    ASSERT_TRUE(t.giocaFinoAllaFine());
    t.w.m.sounds.lblInterdiciSuoni = true;
    t.w.tastoInvio();
    EXPECT_TRUE(t.fineVisibile());
    EXPECT_EQ(t.w.m.game.lblNumeroGioco, 1);
    t.w.m.sounds.lblInterdiciSuoni = false;
    t.w.tastoInvio();
    EXPECT_FALSE(t.fineVisibile());
    EXPECT_EQ(t.w.m.game.lblNumeroGioco, 2);
    EXPECT_TRUE(t.w.t.TimerDistribuisciCarte.enabled());
    EXPECT_EQ(t.w.m.game.lblNumeroCarteRimaste, 34);
    EXPECT_EQ(t.w.m.game.lblPuntiH + t.w.m.game.lblPuntiPC, 0);
    for (int c = 1; c <= 40; ++c) {
        EXPECT_EQ(t.w.m.cards.lblCarteGiocate[c].BackColor, colour::WHITE);
        EXPECT_EQ(t.w.m.cards.lblCarteGiocate[c].ForeColor, colour::BLACK);
        EXPECT_FALSE(t.w.m.cards.played[c]);
    }
}

TEST(Clicks, OnlyTheHumansHandAndOnlyOnItsTurn) {
    Tavolo t(4, {{index(Option::CardAnimation), "Lenta"}});
    ASSERT_TRUE(t.finche([&] { return t.humanToPlay(); }));
    const Model prima = t.w.m;
    for (int i : {0, 1, 2, 3, 7, 8, 9, -1}) t.w.ImgCarta_Click(i);
    EXPECT_EQ(t.w.m.game.lblNumeroCartaGiocataDaH, 0);
    EXPECT_TRUE(t.w.m.game.lblPuoiGiocare);
    EXPECT_FALSE(t.w.t.TimerAnimazionecarteH.enabled());

    t.w.ImgCarta_Click(5);
    EXPECT_EQ(t.w.m.game.lblNumeroCartaGiocataDaH, 5);
    EXPECT_TRUE(t.w.t.TimerAnimazionecarteH.enabled());
    // The first card of a game locks the end-of-game option; the match options too.
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
    Tavolo t(8, {{index(Option::GameEnd), FINO_ALLA_FINE}, {index(Option::ResponseSpeed), "Molto Lenta"}});
    std::vector<int> pause;
    bool prima = false;
    for (int guard = 0; guard < 100000 && !t.fineVisibile(); ++guard) {
        bool ora = t.w.t.TimerAttesaDelPCaMuovere.enabled();
        if (ora && !prima) pause.push_back(t.w.t.TimerAttesaDelPCaMuovere.interval());
        prima = ora;
        if (t.humanToPlay()) t.w.ImgCarta_Click(t.primaCartaUmana());
        else ASSERT_TRUE(t.h.scheduler.step());
    }
    ASSERT_EQ(pause.size(), 20u);
    EXPECT_EQ(pause[0], 1500);
    std::set<int> visti(pause.begin() + 1, pause.end());
    for (int p : visti) {
        EXPECT_GE(p, 1350);
        EXPECT_LE(p, 1650);
        EXPECT_EQ(p % 50, 0);
    }
    EXPECT_GT(visti.size(), 2u);
}

TEST(LastTrick, TheHumansLastCardFollowsTheComputersAfter550ms) {
    bool visto = false;
    for (uint64_t seed = 1; seed < 40 && !visto; ++seed) {
        Tavolo t(seed, {{index(Option::GameEnd), FINO_ALLA_FINE}});
        int64_t giocataPC = -1;
        for (int guard = 0; guard < 100000 && !t.fineVisibile(); ++guard) {
            if (t.humanToPlay()) t.w.ImgCarta_Click(t.primaCartaUmana());
            else ASSERT_TRUE(t.h.scheduler.step());
            const int d = t.w.m.game.lblNumeroCarteRimaste;
            if (d == -5 && giocataPC < 0 && t.w.m.game.lblTurnoDiGioco == Who::PC) giocataPC = t.h.scheduler.nowMs();
            if (d == -6 && giocataPC >= 0) {
                EXPECT_EQ(t.h.scheduler.nowMs() - giocataPC, 550);
                visto = true;
                break;
            }
        }
    }
    EXPECT_TRUE(visto);
}

TEST(Taking, WithoutAutomaticTakingNothingMovesUntilTheButton) {
    Tavolo t(6, {{index(Option::AutoTaking), "No"}});
    ASSERT_TRUE(t.finche([&] { return t.humanToPlay(); }));
    EXPECT_EQ(t.w.t.TimerEffettuaLaPresa.interval(), 0);
    t.w.ImgCarta_Click(4);
    ASSERT_TRUE(t.finche([&] { return t.w.m.window.cmdEffettuaLaPresa.Visible; }));
    EXPECT_EQ(t.w.m.window.cmdEffettuaLaPresa.Caption,
              "Per effettuare la Presa delle due carte clicca qui o premi INVIO");
    const int manche = t.w.m.game.lblManche;
    t.h.scheduler.advance(10 * 60 * 1000);
    EXPECT_EQ(t.w.m.game.lblManche, manche);
    t.w.tastoInvio();
    EXPECT_FALSE(t.w.m.window.cmdEffettuaLaPresa.Visible);
    t.h.scheduler.advance(10);
    EXPECT_EQ(t.w.m.game.lblManche, manche + 1);
    EXPECT_EQ(t.w.t.TimerEffettuaLaPresa.interval(), 0);  // back to the option's value
}

TEST(Deal, TheDeckAndTheComputersHandShowTheBackDesign) {
    Tavolo t(3, {{index(Option::BackDesign), "Rombi"}, {index(Option::RandomGraphics), "No"}});
    ASSERT_TRUE(t.finche([&] { return t.humanToPlay(); }));
    for (int s : {1, 2, 3, 8}) {
        EXPECT_EQ(t.w.m.window.ImgCarta[s].Picture, "C:\\Programmi\\Zelvo\\Grafica\\Rombi.gif") << s;
        EXPECT_EQ(t.w.m.window.ShpCarta[s].BackColor, backColour("Grigio cemento")) << s;
    }
}

TEST(StartUp, RandomGraphicsUnlessOptionZeroIsNo) {
    Tavolo fisso(4, {{index(Option::RandomGraphics), "No"}});
    EXPECT_EQ(fisso.w.m.options.text(Option::TableColour), "Rosso mattone");
    EXPECT_EQ(fisso.w.m.window.coloreTavolo, tableColour("Rosso mattone"));
    // Drawn at random: over a few start-ups the table colour changes, and the window paints what the option says.
    std::set<std::string> visti;
    for (uint64_t seed = 1; seed <= 6; ++seed) {
        Tavolo t(seed, {{index(Option::RandomGraphics), "All'inizio della Partita"}});
        visti.insert(t.w.m.options.text(Option::TableColour));
        EXPECT_EQ(t.w.m.window.coloreTavolo, tableColour(t.w.m.options.text(Option::TableColour)));
    }
    EXPECT_GT(visti.size(), 1u);
}
