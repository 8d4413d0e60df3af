// ZELVO's remarks through the routines: which file plays, for how long the lock
// is held, and when nothing may play.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "audio/tabelle.h"
#include "banco.h"
#include "game/simulazione.h"

using namespace zelvo;
using namespace zelvo::test;

namespace {

void liberaSuoni(Banco& b) {
    for (Timer* t : {&b.w.t.TimerFinisciCommento, &b.w.t.TimerInterdiciSuoni, &b.w.t.TimerFineRumoreCarte,
                     &b.w.t.TimerDurataCommentoFinale, &b.w.t.TimerFineImpazienza})
        t->disable();
    b.m().suoni.lblInterdiciSuoni = false;
}

}  // namespace

// ---------------------------------------------------------------- the choice of the trick remark

TEST(TrickRemark, ChoiceByWinnerLeaderTrumpAndPoints) {
    struct Caso {
        const char* pc;
        const char* h;
        Chi inizia;
        int r, lati;       // the routine's draw, 1..lati
        std::string file;  // what it plays
    } casi[] = {
        // The computer led and took: by the human's card.
        {"Ad", "2d", Chi::PC, 13, 24, commento("1v", 25)},
        {"Ad", "Fd", Chi::PC, 19, 24, commento("1v", 19)},
        {"Ad", "3d", Chi::PC, 1, 24, commento("1v", 13)},
        // The computer led and lost: a Tre taken by the Asso sums 84.
        {"3d", "Ad", Chi::PC, 1, 18, commento("1p", 19)},
        {"2d", "4s", Chi::PC, 18, 18, commento("1p", 6)},
        // The human led and the computer answered with a trump: 11 points is light, 12 heavy.
        {"2s", "Ad", Chi::H, 1, 10, commento("2v", 17)},
        {"Fs", "3d", Chi::H, 1, 12, commento("2v", 11)},
        {"2s", "Fd", Chi::H, 5, 10, commento("2v", 21)},
        {"2s", "Fb", Chi::H, 6, 10, commento("2v", 27)},
        // The computer took by the suit: below 8 points, or 8 and more.
        {"Rd", "Cd", Chi::H, 10, 10, commento("2v", 7)},
        {"Rc", "5c", Chi::H, 5, 10, commento("2v", 23)},
        {"3d", "Rd", Chi::H, 12, 12, commento("2v", 6)},
        // The human led and took.
        {"2c", "Ad", Chi::H, 13, 24, commento("2p", 19)},
        {"Rc", "Ad", Chi::H, 1, 24, commento("2p", 7)},
        {"3c", "Ad", Chi::H, 24, 24, commento("2p", 18)},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::string(c.pc) + " " + c.h);
        Banco b;
        b.opzione(opz::Loquacita, "Pettegolo");
        b.presa(c.pc, c.h, "4s", c.inizia);
        b.estrai(1, 48);  // CommentaPresa's draw: Pettegolo always speaks
        b.estrai(c.r, c.lati);
        b.w.commento.CommentaPresa();
        EXPECT_EQ(b.ultimo(), c.file);
        EXPECT_TRUE(b.m().suoni.lblInterdiciSuoni);
        EXPECT_TRUE(b.w.t.TimerFinisciCommento.enabled());
        const int n = std::stoi(c.file.substr(c.file.size() - 6, 2));
        const std::string gruppo = c.file.substr(c.file.rfind('\\') + 1, 2);
        EXPECT_EQ(b.w.t.TimerFinisciCommento.interval(), suoni::durataCommento(gruppo, n));
    }
}

// Every r of every routine reaches the file of its table, with that file's lock time.
TEST(TrickRemark, EveryDrawOfEveryRoutinePlaysItsFile) {
    struct Routine {
        const char* nome;
        const char* pc;
        const char* h;
        Chi inizia;
        const char* gruppo;
        int N;
        std::function<void(Commento&)> chiama;
        std::function<int(int)> file;
    } routine[] = {
        {"VinceDiMano", "Ad", "Rd", Chi::PC, "1v", 24, [](Commento& c) { c.CommentoVinceDiMano(); },
         [](int r) { return suoni::sceltaVinceDiMano(16, r); }},
        {"PerdeDiMano", "Cd", "Ad", Chi::PC, "1p", 18, [](Commento& c) { c.CommentoPerdeDiMano(); },
         [](int r) { return suoni::sceltaPerdeDiMano(56, r); }},
        {"PerdeRispondendo", "2c", "Ad", Chi::H, "2p", 24, [](Commento& c) { c.CommentoPerdeRispondendo(); },
         [](int r) { return suoni::sceltaPerdeRispondendo(2, r); }},
        {"VinceRispondendo", "3d", "Rd", Chi::H, "2v", 12, [](Commento& c) { c.CommentoVinceRispondendo(); },
         [](int r) { return suoni::sceltaVinceRispondendo(r); }},
        {"BriscolaPesante", "Fs", "3d", Chi::H, "2v", 12, [](Commento& c) { c.CommentoBriscolaPesante(); },
         [](int r) { return suoni::sceltaBriscolaPesante(r); }},
        {"VinceRispondendoPoco", "Rc", "5c", Chi::H, "2v", 10,
         [](Commento& c) { c.CommentoVinceRispondendoPoco(); }, [](int r) { return suoni::sceltaVinceRispondendoPoco('c', r); }},
        {"BriscolaLeggera", "2s", "Fb", Chi::H, "2v", 10, [](Commento& c) { c.CommentoBriscolaLeggera(); },
         [](int r) { return suoni::sceltaBriscolaLeggera('b', r); }},
    };
    for (auto& ro : routine) {
        Banco b;
        b.presa(ro.pc, ro.h, "4s", ro.inizia);
        for (int r = 1; r <= ro.N; ++r) {
            SCOPED_TRACE(testing::Message() << ro.nome << " r " << r);
            liberaSuoni(b);
            b.estrai(r, ro.N);
            ro.chiama(b.w.commento);
            const int n = ro.file(r);
            EXPECT_EQ(b.ultimo(), commento(ro.gruppo, n));
            EXPECT_EQ(b.w.t.TimerFinisciCommento.interval(), suoni::durataCommento(ro.gruppo, n));
        }
    }
}

TEST(TrickRemark, FollowsTheClipSequence) {
    Banco b;
    b.opzione(opz::Loquacita, "Pettegolo");
    b.presa("Ad", "2d", "4s", Chi::PC);
    b.estrai(1, 48);
    b.estrai(1, 24);
    b.w.commento.CommentaPresa();
    using V = RegistroMedia::Voce;
    const Lettore R = Lettore::mmcRumori;
    EXPECT_EQ(b.media.voci(), (std::vector<V>{{0, R, false, ""},
                                               {0, R, true, "Close"},
                                               {0, R, false, commento("1v", 1)},
                                               {0, R, true, "Open"},
                                               {0, R, true, "Prev"},
                                               {0, R, true, "Play"}}));
}

TEST(TrickRemark, PersonalityDecidesBetweenRemarkAndCardNoise) {
    struct Caso {
        const char* personalita;
        int r;
        bool parla;
    } casi[] = {{"Riservato", 3, true},  {"Riservato", 2, false}, {"Riservato", 46, true},
                {"Gentleman", 2, true},  {"Gentleman", 9, false}, {"Loquace", 1, true},
                {"Loquace", 10, false},  {"Loquace", 48, true},   {"Pettegolo", 12, true}};
    for (auto& c : casi) {
        SCOPED_TRACE(testing::Message() << c.personalita << " r " << c.r);
        Banco b;
        b.opzione(opz::Loquacita, c.personalita);
        b.opzione(opz::Rumori, "Si");
        b.presa("Ad", "2d", "4s", Chi::PC);
        b.m().gioco.lblUltimaCartaGiocata = 12;
        b.estrai(c.r, 48);
        if (c.parla) b.estrai(1, 24);
        b.w.commento.CommentaPresa();
        EXPECT_EQ(b.ultimo(), c.parla ? commento("1v", 1) : rumore("cavallo.wav"));
        EXPECT_TRUE(b.casuale.coda.empty());
    }
}

TEST(TrickRemark, NoNoiseWithGameNoisesOffAndNothingForUnknownPersonality) {
    for (const char* p : {"Riservato", "Chiacchierone"}) {
        Banco b;
        b.opzione(opz::Loquacita, p);
        b.opzione(opz::Rumori, std::string(p) == "Riservato" ? "No" : "Si");
        b.presa("Ad", "2d", "4s", Chi::PC);
        b.estrai(1, 48);  // not in any set of "Riservato"
        b.w.commento.CommentaPresa();
        EXPECT_TRUE(b.media.voci().empty()) << p;
        EXPECT_FALSE(b.m().suoni.lblInterdiciSuoni);
    }
}

TEST(TrickRemark, ATrickEndingWhileARemarkPlaysGetsNeitherRemarkNorNoise) {
    for (const char* p : {"Riservato", "Gentleman", "Loquace", "Pettegolo"}) {
        for (int r = 1; r <= 48; ++r) {
            Banco b;
            b.opzione(opz::Loquacita, p);
            b.opzione(opz::Rumori, "Si");
            b.presa("Ad", "2d", "4s", Chi::PC);
            b.m().suoni.lblInterdiciSuoni = true;
            b.estrai(r, 48);
            b.w.commento.CommentaPresa();
            EXPECT_TRUE(b.media.voci().empty()) << p << " r " << r;
            EXPECT_TRUE(b.casuale.coda.empty());
        }
    }
}

TEST(TrickRemark, TheLastTrickIsNeverCommented) {
    for (int d : {-5, -6}) {
        Banco b;
        b.opzione(opz::Loquacita, "Pettegolo");
        b.presa("Ad", "2d", "4s", Chi::PC);
        b.m().gioco.lblNumeroCarteRimaste = d;
        b.estrai(1, 48);
        b.w.commento.CommentaPresa();
        EXPECT_TRUE(b.media.voci().empty()) << d;
    }
    Banco b;  // the trick before the last one is commented
    b.opzione(opz::Loquacita, "Pettegolo");
    b.presa("Ad", "2d", "4s", Chi::PC);
    b.m().gioco.lblNumeroCarteRimaste = -4;
    b.estrai(1, 48);
    b.estrai(1, 24);
    b.w.commento.CommentaPresa();
    EXPECT_EQ(b.ultimo(), commento("1v", 1));
}

// ---------------------------------------------------------------- the lock

TEST(SoundLock, ReleasedExactlyAfterTheClipLength) {
    struct Caso {
        std::function<void(Banco&)> prepara;
        int ms;
    } casi[] = {
        {[](Banco& b) {  // a trick remark, 1v19: 3894 ms
             b.presa("Ad", "Fd", "4s", Chi::PC);
             b.estrai(19, 24);
             b.w.commento.CommentoVinceDiMano();
         },
         3894},
        {[](Banco& b) {  // the deal remark for a drawn previous game: Inizio05 cut to 2800 ms
             b.m().suoni.lblEtichettaAperturaGioco = true;
             b.m().gioco.lblUltimoVincitore = Chi::Nessuno;
             b.estrai(7, 24);
             b.w.commento.CommentoApertura();
         },
         2800},
        {[](Banco& b) {  // a card noise: the Re, 376 ms
             b.m().gioco.lblUltimaCartaGiocata = 16;
             b.w.rumori.SuonaCarta();
         },
         376},
        {[](Banco& b) {  // a trick noise, 568 ms
             b.estrai(2, 2);
             b.w.rumori.SuonaPresa();
         },
         568},
        {[](Banco& b) {  // a dealing noise, 270 ms
             b.estrai(4, 4);
             b.w.rumori.SuonaDistribuzione();
         },
         270},
        {[](Banco& b) {  // the end-of-game remark, Fine12: 3722 ms
             b.m().gioco.lblUltimoVincitore = Chi::H;
             b.estrai(6, 18);
             b.w.commento.AvviaCommentiFinali();
             b.s.advance(900);
         },
         3722},
    };
    for (size_t i = 0; i < std::size(casi); ++i) {
        SCOPED_TRACE(i);
        Banco b;
        b.s.advance(1000);
        b.opzione(opz::Loquacita, "Gentleman");
        casi[i].prepara(b);
        const int64_t inizio = b.media.suonatiConTempo(Lettore::mmcRumori).back().first;
        ASSERT_TRUE(b.m().suoni.lblInterdiciSuoni);
        b.s.advance(inizio + casi[i].ms - 1 - b.s.nowMs());
        EXPECT_TRUE(b.m().suoni.lblInterdiciSuoni);
        b.s.advance(1);
        EXPECT_FALSE(b.m().suoni.lblInterdiciSuoni);
    }
}

// ---------------------------------------------------------------- the deal

TEST(DealRemark, FirstStepSpeaksOrMakesTheDealingNoise) {
    struct Caso {
        const char* personalita;
        int r;        // the deal's draw
        bool parla;
    } casi[] = {{"Riservato", 16, false}, {"Riservato", 17, true}, {"Gentleman", 12, false},
                {"Gentleman", 13, true},  {"Loquace", 8, false},   {"Loquace", 9, true},
                {"Pettegolo", 1, true}};
    for (auto& c : casi) {
        SCOPED_TRACE(testing::Message() << c.personalita << " r " << c.r);
        Banco b;
        b.opzione(opz::Loquacita, c.personalita);
        b.opzione(opz::Rumori, "Si");
        b.estrai(c.r, 24);
        b.estrai(3, c.parla ? 24 : 4);
        b.w.commento.DistribuzioneCarte();
        // The first deal since the start: r 3 is Inizio02.
        EXPECT_EQ(b.ultimo(), c.parla ? commento("Inizio", 2) : rumore("carta3.wav"));
        EXPECT_EQ(b.m().suoni.lblCommentoIniziale, c.parla);
        EXPECT_EQ(b.w.t.TimerInterdiciSuoni.enabled(), c.parla);
        EXPECT_EQ(b.w.t.TimerFineRumoreCarte.enabled(), !c.parla);
    }
}

TEST(DealRemark, LaterStepsAndTaciturnoOnlyMakeTheDealingNoise) {
    for (const char* p : {"Taciturno", "Pettegolo"}) {
        Banco b;
        b.opzione(opz::Loquacita, p);
        b.opzione(opz::Rumori, "Si");
        b.m().gioco.lblContatoreDistribuisciCarte = std::string(p) == "Taciturno" ? 1 : 4;
        b.estrai(1, 4);
        b.w.commento.DistribuzioneCarte();
        EXPECT_EQ(b.ultimo(), rumore("carta1.wav")) << p;
    }
    Banco b;  // no noise without game noises, and nothing while the lock is held
    b.opzione(opz::Loquacita, "Taciturno");
    b.opzione(opz::Rumori, "No");
    b.w.commento.DistribuzioneCarte();
    b.opzione(opz::Rumori, "Si");
    b.m().suoni.lblInterdiciSuoni = true;
    b.w.commento.DistribuzioneCarte();
    EXPECT_TRUE(b.media.voci().empty());
}

TEST(DealRemark, ByThePreviousWinnerAfterTheFirstGame) {
    struct Caso {
        Chi ultimo;
        int r;
        int file, ms;
    } casi[] = {{Chi::PC, 1, 13, 3478}, {Chi::PC, 24, 18, 4999}, {Chi::H, 5, 20, 4314},
                {Chi::H, 21, 24, 3971}, {Chi::Nessuno, 9, 5, 2800}};
    for (auto& c : casi) {
        Banco b;
        b.m().suoni.lblEtichettaAperturaGioco = true;
        b.m().gioco.lblUltimoVincitore = c.ultimo;
        b.estrai(c.r, 24);
        b.w.commento.CommentoApertura();
        EXPECT_EQ(b.ultimo(), commento("Inizio", c.file));
        EXPECT_EQ(b.w.t.TimerInterdiciSuoni.interval(), c.ms);
    }
}

TEST(DealRemark, StopsALingeringEndOfGameTimer) {
    Banco b;
    b.opzione(opz::Loquacita, "Taciturno");
    b.opzione(opz::Rumori, "No");
    b.w.commento.AvviaCommentiFinali();
    b.w.commento.DistribuzioneCarte();
    EXPECT_FALSE(b.w.t.TimerCommentiFinali.enabled());
}

// ---------------------------------------------------------------- impatience

TEST(Impatience, FirstRemarkAfterTwelveTicksAtThePersonalityOdds) {
    // "Assai nervoso" ticks every 250 ms: the first chance comes 3 s after the turn began.
    for (int r = 1; r <= 12; ++r) {
        SCOPED_TRACE(r);
        Banco b;
        b.opzione(opz::Loquacita, "Loquace");
        b.opzione(opz::Carattere, "Assai nervoso");
        b.m().gioco.lblAChiTocca = Chi::H;
        b.w.commento.AvviaImpazienza();
        EXPECT_EQ(b.w.t.TimerImpazienza.interval(), 250);
        b.s.advance(2999);
        EXPECT_EQ(b.m().suoni.lblContaImpaz, 11);
        const bool parla = r == 1 || r == 3 || r == 4 || r == 5 || r == 7 || r == 8 || r == 10 || r == 12;
        b.estrai(r, 12);
        if (parla) b.estrai(30, 48);  // Impaz19
        b.s.advance(1);
        EXPECT_EQ(b.m().suoni.lblContaImpaz, 0);
        if (parla) {
            EXPECT_EQ(b.ultimo(), commento("Impaz", 19));
            EXPECT_FALSE(b.w.t.TimerImpazienza.enabled());
            EXPECT_TRUE(b.m().suoni.lblInterdiciSuoni);
            EXPECT_EQ(b.w.t.TimerFineImpazienza.interval(), 876);
        } else {
            EXPECT_TRUE(b.media.voci().empty());
            EXPECT_TRUE(b.w.t.TimerImpazienza.enabled());
            EXPECT_FALSE(b.m().suoni.lblInterdiciSuoni);
            // The next chance comes 3 s later.
            b.estrai(2, 12);
            b.s.advance(2999);
            EXPECT_EQ(b.m().suoni.lblContaImpaz, 11);
            b.s.advance(1);
            EXPECT_EQ(b.m().suoni.lblContaImpaz, 0);
        }
        EXPECT_TRUE(b.casuale.coda.empty());
    }
}

TEST(Impatience, ReArmedAfterTheRemarkOnlyWhileTheHumanIsToPlayAndNoPanelIsOpen) {
    struct Caso {
        Chi tocca;
        int pannello;  // -1 none
        bool riarma;
    } casi[] = {{Chi::H, -1, true}, {Chi::PC, -1, false}, {Chi::H, 2, false}, {Chi::H, 3, false}, {Chi::H, 1, true}};
    for (auto& c : casi) {
        Banco b;
        b.opzione(opz::Loquacita, "Pettegolo");
        b.opzione(opz::Carattere, "Impaziente");
        b.m().gioco.lblAChiTocca = Chi::H;
        b.w.commento.AvviaImpazienza();
        b.estrai(1, 12);
        b.estrai(17, 48);  // Impaz17: 602 ms
        b.s.advance(6000);
        ASSERT_EQ(b.ultimo(), commento("Impaz", 17));
        b.m().gioco.lblAChiTocca = c.tocca;
        if (c.pannello >= 0) b.m().finestra.fraPannello[c.pannello].Visible = true;
        b.m().suoni.lblContaImpaz = 5;
        b.s.advance(601);
        EXPECT_TRUE(b.m().suoni.lblInterdiciSuoni);
        b.s.advance(1);
        EXPECT_FALSE(b.m().suoni.lblInterdiciSuoni);
        EXPECT_EQ(b.m().suoni.lblContaImpaz, 0);
        EXPECT_FALSE(b.w.t.TimerFineImpazienza.enabled());
        EXPECT_EQ(b.w.t.TimerImpazienza.enabled(), c.riarma);
    }
}

TEST(Impatience, WhileALockIsHeldTheClockRunsOn) {
    Banco b;
    b.opzione(opz::Loquacita, "Pettegolo");
    b.opzione(opz::Carattere, "Nervosetto");
    b.w.commento.AvviaImpazienza();
    b.m().suoni.lblInterdiciSuoni = true;
    b.s.advance(12 * 334);
    EXPECT_EQ(b.m().suoni.lblContaImpaz, 0);
    EXPECT_TRUE(b.w.t.TimerImpazienza.enabled());
    EXPECT_TRUE(b.media.voci().empty());
}

TEST(Impatience, NotStartedForPacificoTaciturnoOrAnOpenPanel) {
    struct Caso {
        const char* carattere;
        const char* loquacita;
        int pannello;
        bool dopoPesca;
        bool parte;
    } casi[] = {{"Pacifico", "Pettegolo", -1, false, false},   {"Impaziente", "Taciturno", -1, false, false},
                {"Impaziente", "Pettegolo", 2, false, false},  {"Impaziente", "Pettegolo", 3, false, false},
                {"Impaziente", "Pettegolo", 2, true, true},    {"Pacifico", "Pettegolo", -1, true, false},
                {"Abbastanza tollerante", "Riservato", -1, false, true}};
    for (auto& c : casi) {
        Banco b;
        b.opzione(opz::Carattere, c.carattere);
        b.opzione(opz::Loquacita, c.loquacita);
        if (c.pannello >= 0) b.m().finestra.fraPannello[c.pannello].Visible = true;
        b.m().suoni.lblContaImpaz = 7;
        if (c.dopoPesca) b.w.commento.AvviaImpazienzaDopoPesca();
        else b.w.commento.AvviaImpazienza();
        EXPECT_EQ(b.w.t.TimerImpazienza.enabled(), c.parte) << c.carattere << " " << c.loquacita;
        if (c.parte) {
            EXPECT_EQ(b.m().suoni.lblContaImpaz, 0);
        }
    }
}

// ---------------------------------------------------------------- end of a game

TEST(EndOfGame, FinalRemarkByTheWinner) {
    struct Caso {
        Chi vincitore;
        int r, file, ms;
    } casi[] = {{Chi::PC, 1, 1, 2230}, {Chi::PC, 13, 6, 2345}, {Chi::H, 12, 7, 2102}, {Chi::H, 9, 10, 2485},
                {Chi::Nessuno, 4, 13, 950}};
    for (auto& c : casi) {
        Banco b;
        b.opzione(opz::Loquacita, "Riservato");
        b.m().gioco.lblUltimoVincitore = c.vincitore;
        b.w.commento.AvviaCommentiFinali();
        b.s.advance(899);
        EXPECT_TRUE(b.media.voci().empty());
        b.estrai(c.r, 18);
        b.s.advance(1);
        EXPECT_EQ(b.ultimo(), commento("Fine", c.file));
        EXPECT_EQ(b.w.t.TimerDurataCommentoFinale.interval(), c.ms);
        EXPECT_FALSE(b.w.t.TimerCommentiFinali.enabled());
    }
}

TEST(EndOfGame, ACardNoiseIsCutButATrickRemarkIsNot) {
    {
        Banco b;  // a noise holds the lock: the end timer frees it and speaks
        b.opzione(opz::Loquacita, "Gentleman");
        b.m().gioco.lblUltimoVincitore = Chi::PC;
        b.m().suoni.lblInterdiciSuoni = true;
        b.w.t.TimerFineRumoreCarte.setInterval(5000);
        b.w.t.TimerFineRumoreCarte.enable();
        b.w.commento.AvviaCommentiFinali();
        b.estrai(2, 18);
        b.s.advance(900);
        EXPECT_EQ(b.ultimo(), commento("Fine", 2));
    }
    {
        Banco b;  // a trick remark still plays: no final remark, the lock stays
        b.opzione(opz::Loquacita, "Gentleman");
        b.m().suoni.lblInterdiciSuoni = true;
        b.w.t.TimerFinisciCommento.setInterval(5000);
        b.w.t.TimerFinisciCommento.enable();
        b.w.commento.AvviaCommentiFinali();
        b.s.advance(900);
        EXPECT_TRUE(b.media.voci().empty());
        EXPECT_TRUE(b.m().suoni.lblInterdiciSuoni);
        EXPECT_FALSE(b.w.t.TimerCommentiFinali.enabled());
    }
    {
        Banco b;  // Taciturno: the lock is freed, nothing is said
        b.opzione(opz::Loquacita, "Taciturno");
        b.m().suoni.lblInterdiciSuoni = true;
        b.w.commento.AvviaCommentiFinali();
        b.s.advance(900);
        EXPECT_TRUE(b.media.voci().empty());
        EXPECT_FALSE(b.m().suoni.lblInterdiciSuoni);
    }
}

// ---------------------------------------------------------------- leaving

TEST(Leaving, StayRemarkAtThePersonalityOdds) {
    struct Caso {
        const char* p;
        int r;
        bool parla;
    } casi[] = {{"Riservato", 4, false}, {"Riservato", 5, true}, {"Gentleman", 4, true}, {"Loquace", 2, false},
                {"Loquace", 3, true},    {"Pettegolo", 1, true}};
    for (auto& c : casi) {
        Banco b;
        b.opzione(opz::Loquacita, c.p);
        b.estrai(c.r, 6);
        if (c.parla) b.estrai(5, 6);  // Esci08
        b.w.commento.RestaInGioco();
        EXPECT_EQ(b.ultimo(), c.parla ? commento("Esci", 8) : "") << c.p << c.r;
        if (c.parla) {
            EXPECT_EQ(b.w.t.TimerInterdiciSuoni.interval(), 938);
        }
    }
    Banco b;  // Taciturno draws nothing and says nothing; a held lock keeps the others quiet
    b.opzione(opz::Loquacita, "Taciturno");
    b.w.commento.RestaInGioco();
    b.opzione(opz::Loquacita, "Pettegolo");
    b.m().suoni.lblInterdiciSuoni = true;
    b.estrai(1, 6);
    b.w.commento.RestaInGioco();
    EXPECT_TRUE(b.media.voci().empty());
}

TEST(Leaving, FarewellRemarkOrTheTheme) {
    struct Caso {
        const char* p;
        int r;
        std::string file;
    } casi[] = {{"Riservato", 4, "C:\\Programmi\\Zelvo\\Musiche\\ZlvSigla.mid"},
                {"Riservato", 5, commento("Esci", 5)},
                {"Gentleman", 6, commento("Esci", 6)},
                {"Loquace", 3, commento("Esci", 3)},
                {"Pettegolo", 1, commento("Esci", 1)},
                {"Taciturno", 6, "C:\\Programmi\\Zelvo\\Musiche\\ZlvSigla.mid"}};
    for (auto& c : casi) {
        Banco b;
        b.opzione(opz::Loquacita, c.p);
        const bool commentato = b.w.commento.PreparaUscita(c.r);
        const auto& v = b.media.voci();
        ASSERT_EQ(v.size(), 1u);
        EXPECT_EQ(v[0].lettore, Lettore::mmcUscita);
        EXPECT_EQ(v[0].valore, c.file);
        EXPECT_EQ(commentato, c.file.find("Esci") != std::string::npos);
        EXPECT_EQ(b.w.t.TimerEsci.interval(), commentato ? 1500 : 2200);
        EXPECT_FALSE(b.m().suoni.lblInterdiciSuoni);
    }
}

// ---------------------------------------------------------------- whole games

TEST(WholeGames, TaciturnoNeverSpeaksButTheCardsStillSound) {
    Impostazioni imp;
    imp.seme = 11;
    imp.opzioni[opz::Loquacita] = "Taciturno";
    imp.opzioni[opz::Carattere] = "Assai nervoso";
    imp.opzioni[opz::Rumori] = "Si";
    imp.opzioni[opz::ConclusioneGioco] = "Fino all'ultima presa";
    imp.ritardoMassimoMs = 9000;  // slow enough for the impatience clock
    Simulazione sim(imp);
    RegistroMedia reg([&] { return sim.headless.scheduler.nowMs(); });
    sim.headless.piattaforma.media = &reg;
    for (int g = 0; g < 6; ++g) sim.giocaUnGioco();
    sim.headless.scheduler.advance(5000);
    int rumori = 0;
    for (const std::string& f : reg.suonati(Lettore::mmcRumori)) {
        EXPECT_EQ(f.find("\\Commenti\\"), std::string::npos) << f;
        ++rumori;
    }
    EXPECT_GT(rumori, 6 * 20);
    EXPECT_FALSE(sim.w.t.TimerImpazienza.enabled());
}

TEST(WholeGames, PettegoloSpeaksAndClipsNeverOverlap) {
    Impostazioni imp;
    imp.seme = 3;
    imp.opzioni[opz::Loquacita] = "Pettegolo";
    imp.opzioni[opz::Carattere] = "Impaziente";
    imp.opzioni[opz::Rumori] = "Si";
    imp.opzioni[opz::ConclusioneGioco] = "Fino all'ultima presa";
    imp.ritardoMassimoMs = 8000;
    Simulazione sim(imp);
    RegistroMedia reg([&] { return sim.headless.scheduler.nowMs(); });
    sim.headless.piattaforma.media = &reg;
    for (int g = 0; g < 4; ++g) sim.giocaUnGioco();
    // The simulated player presses Enter at once, before any final remark; after the last game
    // one may come, unless a trick remark was still playing.
    sim.headless.scheduler.advance(5000);
    // Each clip started on the noise player keeps the lock for its length: the
    // next one starts no earlier than that, except the final remark, which may cut a noise.
    auto clip = reg.suonatiConTempo(Lettore::mmcRumori);
    int trick = 0, impaz = 0, fine = 0;
    for (size_t i = 0; i < clip.size(); ++i) {
        const std::string& f = clip[i].second;
        const std::string nome = f.substr(f.rfind('\\') + 1);
        int durata = 0;
        if (f.find("\\Commenti\\") != std::string::npos) {
            const std::string gruppo = nome.substr(0, nome.size() - 6);
            durata = suoni::durataCommento(gruppo, std::stoi(nome.substr(nome.size() - 6, 2)));
            if (gruppo.size() == 2) ++trick;
            if (gruppo == "Impaz") ++impaz;
            if (gruppo == "Fine") ++fine;
        } else if (nome.rfind("carta", 0) == 0) durata = 270;
        else if (nome.rfind("Presa", 0) == 0) durata = 568;
        else durata = 262;  // the shortest card noise
        if (i + 1 == clip.size()) break;
        const std::string& dopo = clip[i + 1].second;
        if (dopo.find("\\Fine\\") != std::string::npos) continue;  // the final remark frees the lock itself
        EXPECT_GE(clip[i + 1].first - clip[i].first, durata) << nome << " then " << dopo;
    }
    EXPECT_GT(trick, 20);
    EXPECT_GT(impaz, 0);
    EXPECT_LE(fine, 1);
}
