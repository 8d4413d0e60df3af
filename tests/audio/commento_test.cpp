// ZELVO's remarks through the routines: which file plays, for how long the lock
// is held, and when nothing may play.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "audio/remarks_text.h"
#include "audio/tables.h"
#include "banco.h"
#include "session/simulation.h"

using namespace zelvo;
using namespace zelvo::test;

namespace {

void liberaSuoni(Banco& b) {
    for (Timer* t : {&b.w.t.TimerFinisciCommento, &b.w.t.TimerInterdiciSuoni, &b.w.t.TimerFineRumoreCarte,
                     &b.w.t.TimerDurataCommentoFinale, &b.w.t.TimerFineImpazienza})
        t->disable();
    b.m().sounds.lblInterdiciSuoni = false;
}

// Each file of the list `volte` times in a row.
std::vector<int> ripeti(int volte, std::initializer_list<int> file) {
    std::vector<int> v;
    for (int f : file) v.insert(v.end(), volte, f);
    return v;
}

}  // namespace

// ---------------------------------------------------------------- the choice of the trick remark

TEST(TrickRemark, ChoiceByWinnerLeaderTrumpAndPoints) {
    struct Caso {
        const char* pc;
        const char* h;
        Who inizia;
        int r, lati;       // the routine's draw, 1..lati
        std::string file;  // what it plays
    } casi[] = {
        // The computer led and took: by the human's card.
        {"Ad", "2d", Who::PC, 13, 24, commento("1v", 25)},
        {"Ad", "Fd", Who::PC, 19, 24, commento("1v", 19)},
        {"Ad", "3d", Who::PC, 1, 24, commento("1v", 13)},
        // The computer led and lost: a Tre taken by the Asso sums 84.
        {"3d", "Ad", Who::PC, 1, 18, commento("1p", 19)},
        {"2d", "4s", Who::PC, 18, 18, commento("1p", 6)},
        // The human led and the computer answered with a trump: 11 points is light, 12 heavy.
        {"2s", "Ad", Who::H, 1, 10, commento("2v", 17)},
        {"Fs", "3d", Who::H, 1, 12, commento("2v", 11)},
        {"2s", "Fd", Who::H, 5, 10, commento("2v", 21)},
        {"2s", "Fb", Who::H, 6, 10, commento("2v", 27)},
        // The computer took by the suit: below 8 points, or 8 and more.
        {"Rd", "Cd", Who::H, 10, 10, commento("2v", 7)},
        {"Rc", "5c", Who::H, 5, 10, commento("2v", 23)},
        {"3d", "Rd", Who::H, 12, 12, commento("2v", 6)},
        // The human led and took.
        {"2c", "Ad", Who::H, 13, 24, commento("2p", 19)},
        {"Rc", "Ad", Who::H, 1, 24, commento("2p", 7)},
        {"3c", "Ad", Who::H, 24, 24, commento("2p", 18)},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::string(c.pc) + " " + c.h);
        Banco b;
        b.opzione(index(Option::Talkativeness), "Pettegolo");
        b.presa(c.pc, c.h, "4s", c.inizia);
        b.estrai(1, 48);  // CommentaPresa's draw: Pettegolo always speaks
        b.estrai(c.r, c.lati);
        b.w.commentary.CommentaPresa();
        EXPECT_EQ(b.ultimo(), c.file);
    }
}

// Every r of every remark routine reaches the file of its table and takes the
// lock for that file's length (the drawn-game deal remark is a 2800 ms cut).
TEST(RemarkRoutines, EveryDrawPlaysTheFileOfItsTable) {
    using Prepara = std::function<void(Banco&)>;
    auto presa = [](const char* pc, const char* h, void (Commentary::*f)()) -> Prepara {
        return [=](Banco& b) {
            b.presa(pc, h, "4s", Who::PC);
            (b.w.commentary.*f)();
        };
    };
    auto apertura = [](bool primo, Who ultimo) -> Prepara {
        return [=](Banco& b) {
            b.m().sounds.lblEtichettaAperturaGioco = !primo;
            b.m().game.lblUltimoVincitore = ultimo;
            b.w.commentary.CommentoApertura();
        };
    };
    auto finale = [](Who vincitore) -> Prepara {
        return [=](Banco& b) {
            b.m().game.lblUltimoVincitore = vincitore;
            b.w.commentary.AvviaCommentiFinali();
            b.s.advance(900);
        };
    };
    const auto alto = ripeti(4, {13, 14, 15, 16, 17, 18});
    const auto basso = ripeti(2, {1, 2, 3, 4, 5, 6, 25, 26, 27, 28, 29, 30});
    auto figura = [](int a, int b) { return ripeti(3, {7, 8, 9, 10, 11, 12, a, b}); };
    auto poco = [](int b, int r5, int r6) { return std::vector<int>{b, b + 1, b + 2, b + 3, r5, r6, b + 3, b + 2, b + 1, b}; };
    using C = Commentary;
    using T = Timers;
    struct Caso {
        Prepara prepara;
        const char* gruppo;
        std::vector<int> file;  // by r, 1..its size
        Timer T::*blocco;
        int ms = 0;  // 0: the clip's own length
    } casi[] = {
        // The computer led and took: by the human's card.
        {presa("4c", "Ad", &C::CommentoVinceDiMano), "1v", alto, &T::TimerFinisciCommento},
        {presa("4c", "3d", &C::CommentoVinceDiMano), "1v", alto, &T::TimerFinisciCommento},
        {presa("4c", "Fd", &C::CommentoVinceDiMano), "1v", figura(19, 20), &T::TimerFinisciCommento},
        {presa("4c", "Cd", &C::CommentoVinceDiMano), "1v", figura(21, 22), &T::TimerFinisciCommento},
        {presa("4c", "Rd", &C::CommentoVinceDiMano), "1v", figura(23, 24), &T::TimerFinisciCommento},
        {presa("4c", "7d", &C::CommentoVinceDiMano), "1v", basso, &T::TimerFinisciCommento},
        {presa("4c", "2d", &C::CommentoVinceDiMano), "1v", basso, &T::TimerFinisciCommento},
        // The computer led and lost: by the plain sum of both values (4, 16 | 17, 44 | 45, 56 | 60, 84).
        {presa("2d", "2c", &C::CommentoPerdeDiMano), "1p", ripeti(3, {1, 2, 3, 4, 5, 6}), &T::TimerFinisciCommento},
        {presa("Fd", "Fc", &C::CommentoPerdeDiMano), "1p", ripeti(3, {1, 2, 3, 4, 5, 6}), &T::TimerFinisciCommento},
        {presa("Cd", "5c", &C::CommentoPerdeDiMano), "1p", ripeti(3, {7, 8, 9, 10, 11, 12}), &T::TimerFinisciCommento},
        {presa("3d", "4c", &C::CommentoPerdeDiMano), "1p", ripeti(3, {7, 8, 9, 10, 11, 12}), &T::TimerFinisciCommento},
        {presa("3d", "5c", &C::CommentoPerdeDiMano), "1p", ripeti(3, {13, 14, 15, 16, 17, 18}), &T::TimerFinisciCommento},
        {presa("3d", "Rc", &C::CommentoPerdeDiMano), "1p", ripeti(3, {13, 14, 15, 16, 17, 18}), &T::TimerFinisciCommento},
        {presa("Ad", "Rc", &C::CommentoPerdeDiMano), "1p", ripeti(3, {19, 20, 21, 22, 23, 24}), &T::TimerFinisciCommento},
        {presa("3d", "Ac", &C::CommentoPerdeDiMano), "1p", ripeti(3, {19, 20, 21, 22, 23, 24}), &T::TimerFinisciCommento},
        // The human led and took: by the computer's card.
        {presa("Ad", "4c", &C::CommentoPerdeRispondendo), "2p", alto, &T::TimerFinisciCommento},
        {presa("3d", "4c", &C::CommentoPerdeRispondendo), "2p", alto, &T::TimerFinisciCommento},
        {presa("Rd", "4c", &C::CommentoPerdeRispondendo), "2p", ripeti(4, {7, 8, 9, 10, 11, 12}), &T::TimerFinisciCommento},
        {presa("Fd", "4c", &C::CommentoPerdeRispondendo), "2p", ripeti(4, {7, 8, 9, 10, 11, 12}), &T::TimerFinisciCommento},
        {presa("7d", "4c", &C::CommentoPerdeRispondendo), "2p", ripeti(2, {1, 2, 3, 4, 5, 6, 19, 20, 21, 22, 23, 24}),
         &T::TimerFinisciCommento},
        {presa("2d", "4c", &C::CommentoPerdeRispondendo), "2p", ripeti(2, {1, 2, 3, 4, 5, 6, 19, 20, 21, 22, 23, 24}),
         &T::TimerFinisciCommento},
        // The computer answered and took; r and 11 - r share a file, 5 and 6 go by the human's suit.
        {presa("Rd", "Cd", &C::CommentoVinceRispondendo), "2v", ripeti(2, {1, 2, 3, 4, 5, 6}), &T::TimerFinisciCommento},
        {presa("Fs", "3d", &C::CommentoBriscolaPesante), "2v", ripeti(2, {11, 12, 13, 14, 15, 16}), &T::TimerFinisciCommento},
        {presa("Rc", "5d", &C::CommentoVinceRispondendoPoco), "2v", poco(7, 21, 22), &T::TimerFinisciCommento},
        {presa("Rc", "5s", &C::CommentoVinceRispondendoPoco), "2v", poco(7, 25, 26), &T::TimerFinisciCommento},
        {presa("Rc", "5c", &C::CommentoVinceRispondendoPoco), "2v", poco(7, 23, 24), &T::TimerFinisciCommento},
        {presa("Rc", "5b", &C::CommentoVinceRispondendoPoco), "2v", poco(7, 28, 27), &T::TimerFinisciCommento},
        {presa("2s", "Fd", &C::CommentoBriscolaLeggera), "2v", poco(17, 21, 22), &T::TimerFinisciCommento},
        {presa("2s", "Fs", &C::CommentoBriscolaLeggera), "2v", poco(17, 25, 26), &T::TimerFinisciCommento},
        {presa("2s", "Fc", &C::CommentoBriscolaLeggera), "2v", poco(17, 23, 24), &T::TimerFinisciCommento},
        {presa("2s", "Fb", &C::CommentoBriscolaLeggera), "2v", poco(17, 28, 27), &T::TimerFinisciCommento},
        // The deal: the first of all, then by the previous winner.
        {apertura(true, Who::PC), "Inizio",
         {1, 12, 2, 11, 3, 10, 4, 9, 5, 8, 6, 7, 7, 6, 8, 5, 9, 4, 10, 3, 11, 2, 12, 1}, &T::TimerInterdiciSuoni},
        {apertura(false, Who::PC), "Inizio", alto, &T::TimerInterdiciSuoni},
        {apertura(false, Who::H), "Inizio", ripeti(4, {19, 20, 21, 22, 23, 24}), &T::TimerInterdiciSuoni},
        {apertura(false, Who::Nobody), "Inizio", ripeti(24, {5}), &T::TimerInterdiciSuoni, 2800},
        // The end of a game, by the winner.
        {finale(Who::PC), "Fine", {1, 2, 3, 4, 5, 6, 6, 5, 4, 3, 2, 1, 6, 5, 4, 3, 2, 1}, &T::TimerDurataCommentoFinale},
        {finale(Who::H), "Fine", {7, 8, 9, 10, 11, 12, 12, 11, 10, 9, 8, 7, 12, 11, 10, 9, 8, 7},
         &T::TimerDurataCommentoFinale},
        {finale(Who::Nobody), "Fine", ripeti(18, {13}), &T::TimerDurataCommentoFinale},
        // Impatience and staying in the game.
        {[](Banco& b) { b.w.commentary.CommentoImpazienza(); }, "Impaz",
         {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24,
          24, 23, 22, 21, 20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9,  8,  7,  6,  5,  4,  3,  2,  1},
         &T::TimerFineImpazienza},
        {[](Banco& b) { b.w.commentary.CommentoRestaInGioco(); }, "Esci", {7, 8, 9, 7, 8, 9}, &T::TimerInterdiciSuoni},
    };
    for (size_t i = 0; i < std::size(casi); ++i) {
        const Caso& c = casi[i];
        Banco b;
        const int N = static_cast<int>(c.file.size());
        for (int r = 1; r <= N; ++r) {
            SCOPED_TRACE(testing::Message() << "case " << i << " r " << r);
            liberaSuoni(b);
            b.estrai(r, N);
            c.prepara(b);
            const int n = c.file[r - 1];
            EXPECT_EQ(b.ultimo(), commento(c.gruppo, n));
            EXPECT_EQ((b.w.t.*c.blocco).interval(), c.ms ? c.ms : audio::remarkLockMs(c.gruppo, n));
        }
        EXPECT_TRUE(b.casuale.coda.empty());
    }
}

TEST(TrickRemark, FollowsTheClipSequence) {
    Banco b;
    b.opzione(index(Option::Talkativeness), "Pettegolo");
    b.presa("Ad", "2d", "4s", Who::PC);
    b.estrai(1, 48);
    b.estrai(1, 24);
    b.w.commentary.CommentaPresa();
    using V = MediaLog::Entry;
    const Player R = Player::mmcRumori;
    EXPECT_EQ(b.media.entries(), (std::vector<V>{{0, R, false, ""},
                                               {0, R, true, "Close"},
                                               {0, R, false, commento("1v", 1)},
                                               {0, R, true, "Open"},
                                               {0, R, true, "Prev"},
                                               {0, R, true, "Play"}}));
}

// CommentaPresa: a remark, the card noise or silence, by personality, draw,
// game noises, the lock and the trick's place in the game.
TEST(TrickRemark, RemarkNoiseOrSilence) {
    enum Esito { Parla, Rumore, Niente };
    struct Caso {
        const char* personalita;
        const char* rumori;
        int rimaste;  // lblNumeroCarteRimaste: below -4 it is the last trick
        int r;        // CommentaPresa's draw, 1..48
        Esito esito;
    } casi[] = {
        {"Riservato", "Si", 20, 3, Parla},   {"Riservato", "Si", 20, 2, Rumore}, {"Riservato", "Si", 20, 46, Parla},
        {"Gentleman", "Si", 20, 2, Parla},   {"Gentleman", "Si", 20, 9, Rumore}, {"Loquace", "Si", 20, 1, Parla},
        {"Loquace", "Si", 20, 10, Rumore},   {"Loquace", "Si", 20, 48, Parla},   {"Pettegolo", "Si", 20, 12, Parla},
        {"Riservato", "No", 20, 1, Niente},  // no card noise with game noises off
        {"Taciturno", "Si", 20, 1, Niente},  {"Chiacchierone", "Si", 20, 1, Niente},
        {"Pettegolo", "Si", -5, 1, Niente},  {"Pettegolo", "Si", -6, 1, Niente}, {"Pettegolo", "Si", -4, 1, Parla},
    };
    for (auto& c : casi) {
        SCOPED_TRACE(testing::Message() << c.personalita << " r " << c.r << " cards " << c.rimaste);
        Banco b;
        b.opzione(index(Option::Talkativeness), c.personalita);
        b.opzione(index(Option::GameNoises), c.rumori);
        b.presa("Ad", "2d", "4s", Who::PC);
        b.m().game.lblUltimaCartaGiocata = 12;
        b.m().game.lblNumeroCarteRimaste = c.rimaste;
        b.estrai(c.r, 48);
        if (c.esito == Parla) b.estrai(1, 24);
        b.w.commentary.CommentaPresa();
        EXPECT_EQ(b.ultimo(), c.esito == Parla ? commento("1v", 1) : c.esito == Rumore ? rumore("cavallo.wav") : "");
        EXPECT_EQ(b.m().sounds.lblInterdiciSuoni, c.esito != Niente);
        EXPECT_TRUE(b.casuale.coda.empty());
    }
}

TEST(TrickRemark, ATrickEndingWhileARemarkPlaysGetsNeitherRemarkNorNoise) {
    for (const char* p : {"Riservato", "Gentleman", "Loquace", "Pettegolo"}) {
        for (int r = 1; r <= 48; ++r) {
            Banco b;
            b.opzione(index(Option::Talkativeness), p);
            b.opzione(index(Option::GameNoises), "Si");
            b.presa("Ad", "2d", "4s", Who::PC);
            b.m().sounds.lblInterdiciSuoni = true;
            b.estrai(r, 48);
            b.w.commentary.CommentaPresa();
            EXPECT_TRUE(b.media.entries().empty()) << p << " r " << r;
            EXPECT_TRUE(b.casuale.coda.empty());
        }
    }
}

// ---------------------------------------------------------------- the lock

TEST(SoundLock, ReleasedExactlyAfterTheClipLength) {
    struct Caso {
        std::function<void(Banco&)> prepara;
        int ms;
    } casi[] = {
        {[](Banco& b) {  // a trick remark, 1v19: 3894 ms
             b.presa("Ad", "Fd", "4s", Who::PC);
             b.estrai(19, 24);
             b.w.commentary.CommentoVinceDiMano();
         },
         3894},
        {[](Banco& b) {  // the deal remark for a drawn previous game: Inizio05 cut to 2800 ms
             b.m().sounds.lblEtichettaAperturaGioco = true;
             b.m().game.lblUltimoVincitore = Who::Nobody;
             b.estrai(7, 24);
             b.w.commentary.CommentoApertura();
         },
         2800},
        {[](Banco& b) {  // a card noise: the Re, 376 ms
             b.m().game.lblUltimaCartaGiocata = 16;
             b.w.noises.SuonaCarta();
         },
         376},
        {[](Banco& b) {  // the end-of-game remark, Fine12: 3722 ms
             b.m().game.lblUltimoVincitore = Who::H;
             b.estrai(6, 18);
             b.w.commentary.AvviaCommentiFinali();
             b.s.advance(900);
         },
         3722},
    };
    for (size_t i = 0; i < std::size(casi); ++i) {
        SCOPED_TRACE(i);
        Banco b;
        b.s.advance(1000);
        b.opzione(index(Option::Talkativeness), "Gentleman");
        casi[i].prepara(b);
        const int64_t inizio = b.media.playedWithTime(Player::mmcRumori).back().first;
        ASSERT_TRUE(b.m().sounds.lblInterdiciSuoni);
        b.s.advance(inizio + casi[i].ms - 1 - b.s.nowMs());
        EXPECT_TRUE(b.m().sounds.lblInterdiciSuoni);
        b.s.advance(1);
        EXPECT_FALSE(b.m().sounds.lblInterdiciSuoni);
    }
}

// ---------------------------------------------------------------- the deal

// The deal: a remark at the first step, at the personality's odds; otherwise the dealing noise.
TEST(DealRemark, RemarkAtTheFirstStepOrTheDealingNoise) {
    enum Esito { Parla, Rumore, Niente };
    struct Caso {
        const char* personalita;
        const char* rumori;
        int passo;  // lblContatoreDistribuisciCarte
        bool bloccato;
        int r;  // the deal's draw, 1..24; 0 when nothing is drawn
        Esito esito;
    } casi[] = {
        {"Riservato", "Si", 1, false, 16, Rumore}, {"Riservato", "Si", 1, false, 17, Parla},
        {"Gentleman", "Si", 1, false, 12, Rumore}, {"Gentleman", "Si", 1, false, 13, Parla},
        {"Loquace", "Si", 1, false, 8, Rumore},    {"Loquace", "Si", 1, false, 9, Parla},
        {"Pettegolo", "Si", 1, false, 1, Parla},   {"Taciturno", "Si", 1, false, 0, Rumore},
        {"Pettegolo", "Si", 4, false, 0, Rumore},  {"Taciturno", "No", 1, false, 0, Niente},
        {"Pettegolo", "Si", 1, true, 0, Niente},
    };
    for (auto& c : casi) {
        SCOPED_TRACE(testing::Message() << c.personalita << " step " << c.passo << " r " << c.r);
        Banco b;
        b.opzione(index(Option::Talkativeness), c.personalita);
        b.opzione(index(Option::GameNoises), c.rumori);
        b.m().game.lblContatoreDistribuisciCarte = c.passo;
        b.m().sounds.lblInterdiciSuoni = c.bloccato;
        if (c.r) b.estrai(c.r, 24);
        if (c.esito != Niente) b.estrai(3, c.esito == Parla ? 24 : 4);
        b.w.commentary.DistribuzioneCarte();
        // The first deal since the start: r 3 is Inizio02.
        EXPECT_EQ(b.ultimo(), c.esito == Parla ? commento("Inizio", 2) : c.esito == Rumore ? rumore("carta3.wav") : "");
        EXPECT_EQ(b.m().sounds.lblCommentoIniziale, c.esito == Parla);
        EXPECT_EQ(b.w.t.TimerInterdiciSuoni.enabled(), c.esito == Parla);
        EXPECT_EQ(b.w.t.TimerFineRumoreCarte.enabled(), c.esito == Rumore);
        EXPECT_TRUE(b.casuale.coda.empty());
    }
}

TEST(DealRemark, StopsALingeringEndOfGameTimer) {
    Banco b;
    b.opzione(index(Option::Talkativeness), "Taciturno");
    b.opzione(index(Option::GameNoises), "No");
    b.w.commentary.AvviaCommentiFinali();
    b.w.commentary.DistribuzioneCarte();
    EXPECT_FALSE(b.w.t.TimerCommentiFinali.enabled());
}

// ---------------------------------------------------------------- impatience

TEST(Impatience, FirstRemarkAfterTwelveTicksAtThePersonalityOdds) {
    // "Assai nervoso" ticks every 250 ms: the first chance comes 3 s after the turn began.
    for (auto [r, parla] : {std::pair{1, true}, {2, false}}) {  // "Loquace" speaks on 1, not on 2
        SCOPED_TRACE(r);
        Banco b;
        b.opzione(index(Option::Talkativeness), "Loquace");
        b.opzione(index(Option::Temper), "Assai nervoso");
        b.m().game.lblAChiTocca = Who::H;
        b.w.commentary.AvviaImpazienza();
        b.s.advance(2999);
        EXPECT_EQ(b.m().sounds.lblContaImpaz, 11);
        b.estrai(r, 12);
        if (parla) b.estrai(30, 48);  // Impaz19
        b.s.advance(1);
        EXPECT_EQ(b.m().sounds.lblContaImpaz, 0);
        if (parla) {
            EXPECT_EQ(b.ultimo(), commento("Impaz", 19));
            EXPECT_FALSE(b.w.t.TimerImpazienza.enabled());
            EXPECT_TRUE(b.m().sounds.lblInterdiciSuoni);
            EXPECT_EQ(b.w.t.TimerFineImpazienza.interval(), 876);
        } else {
            EXPECT_TRUE(b.media.entries().empty());
            EXPECT_TRUE(b.w.t.TimerImpazienza.enabled());
            EXPECT_FALSE(b.m().sounds.lblInterdiciSuoni);
            // The next chance comes 3 s later.
            b.estrai(2, 12);
            b.s.advance(2999);
            EXPECT_EQ(b.m().sounds.lblContaImpaz, 11);
            b.s.advance(1);
            EXPECT_EQ(b.m().sounds.lblContaImpaz, 0);
        }
        EXPECT_TRUE(b.casuale.coda.empty());
    }
}

TEST(Impatience, ReArmedAfterTheRemarkOnlyWhileTheHumanIsToPlayAndNoPanelIsOpen) {
    struct Caso {
        Who tocca;
        int pannello;  // -1 none
        bool riarma;
        bool giocoFinito = false;  // the remark ends after the game did
    } casi[] = {{Who::H, -1, true},  {Who::PC, -1, false}, {Who::H, 2, false},
                {Who::H, 3, false},  {Who::H, 1, true},    {Who::H, -1, false, true}};
    for (auto& c : casi) {
        Banco b;
        b.opzione(index(Option::Talkativeness), "Pettegolo");
        b.opzione(index(Option::Temper), "Impaziente");
        b.m().game.lblAChiTocca = Who::H;
        b.w.commentary.AvviaImpazienza();
        b.estrai(1, 12);
        b.estrai(17, 48);  // Impaz17: 602 ms
        b.s.advance(6000);
        ASSERT_EQ(b.ultimo(), commento("Impaz", 17));
        b.m().game.lblAChiTocca = c.tocca;
        b.m().game.lblGiocoInCorso = !c.giocoFinito;
        b.m().game.lblPuoiGiocare = !c.giocoFinito;
        if (c.pannello >= 0) b.m().window.fraPannello[c.pannello].Visible = true;
        b.m().sounds.lblContaImpaz = 5;
        b.s.advance(601);
        EXPECT_TRUE(b.m().sounds.lblInterdiciSuoni);
        b.s.advance(1);
        EXPECT_FALSE(b.m().sounds.lblInterdiciSuoni);
        EXPECT_EQ(b.m().sounds.lblContaImpaz, 0);
        EXPECT_FALSE(b.w.t.TimerFineImpazienza.enabled());
        EXPECT_EQ(b.w.t.TimerImpazienza.enabled(), c.riarma);
    }
}

TEST(Impatience, WhileALockIsHeldTheClockRunsOn) {
    Banco b;
    b.opzione(index(Option::Talkativeness), "Pettegolo");
    b.opzione(index(Option::Temper), "Nervosetto");
    b.w.commentary.AvviaImpazienza();
    b.m().sounds.lblInterdiciSuoni = true;
    b.s.advance(12 * 334);
    EXPECT_EQ(b.m().sounds.lblContaImpaz, 0);
    EXPECT_TRUE(b.w.t.TimerImpazienza.enabled());
    EXPECT_TRUE(b.media.entries().empty());
}

TEST(Impatience, NotStartedForPacificoTaciturnoOrAnOpenPanel) {
    struct Caso {
        const char* carattere;
        const char* loquacita;
        int pannello;
        bool dopoPesca;
        int ms;  // the tick of the impatience clock; 0: not started
    } casi[] = {{"Pacifico", "Pettegolo", -1, false, 0},         {"Impaziente", "Taciturno", -1, false, 0},
                {"Impaziente", "Pettegolo", 2, false, 0},        {"Impaziente", "Pettegolo", 3, false, 0},
                {"Impaziente", "Pettegolo", 2, true, 500},       {"Pacifico", "Pettegolo", -1, true, 0},
                {"Abbastanza tollerante", "Riservato", -1, false, 667}, {"Nervosetto", "Loquace", -1, false, 334},
                {"Assai nervoso", "Gentleman", -1, false, 250}};
    for (auto& c : casi) {
        Banco b;
        b.opzione(index(Option::Temper), c.carattere);
        b.opzione(index(Option::Talkativeness), c.loquacita);
        if (c.pannello >= 0) b.m().window.fraPannello[c.pannello].Visible = true;
        b.m().sounds.lblContaImpaz = 7;
        if (c.dopoPesca) b.w.commentary.AvviaImpazienzaDopoPesca();
        else b.w.commentary.AvviaImpazienza();
        EXPECT_EQ(b.w.t.TimerImpazienza.enabled(), c.ms > 0) << c.carattere << " " << c.loquacita;
        if (c.ms > 0) {
            EXPECT_EQ(b.w.t.TimerImpazienza.interval(), c.ms);
            EXPECT_EQ(b.m().sounds.lblContaImpaz, 0);
        }
    }
}

// ---------------------------------------------------------------- end of a game

// The final remark comes 900 ms after the end: a card noise still sounding is
// cut, a trick remark still playing is not; Taciturno only frees the lock.
TEST(EndOfGame, FinalRemarkAfterNineHundredMs) {
    struct Caso {
        const char* personalita;
        Timer Timers::*suona;  // what holds the lock at the end, if anything
        std::string file;      // the remark, "" for none
        bool bloccato;         // the lock afterwards
    } casi[] = {
        {"Riservato", nullptr, commento("Fine", 10), true},
        {"Gentleman", &Timers::TimerFineRumoreCarte, commento("Fine", 10), true},
        {"Gentleman", &Timers::TimerFinisciCommento, "", true},
        {"Taciturno", &Timers::TimerFineRumoreCarte, "", false},
    };
    for (auto& c : casi) {
        SCOPED_TRACE(c.personalita);
        Banco b;
        b.opzione(index(Option::Talkativeness), c.personalita);
        b.m().game.lblUltimoVincitore = Who::H;
        if (c.suona) {
            b.m().sounds.lblInterdiciSuoni = true;
            (b.w.t.*c.suona).setInterval(5000);
            (b.w.t.*c.suona).enable();
        }
        b.w.commentary.AvviaCommentiFinali();
        b.s.advance(899);
        EXPECT_TRUE(b.media.entries().empty());
        if (!c.file.empty()) b.estrai(9, 18);
        b.s.advance(1);
        EXPECT_EQ(b.ultimo(), c.file);
        EXPECT_EQ(b.m().sounds.lblInterdiciSuoni, c.bloccato);
        EXPECT_FALSE(b.w.t.TimerCommentiFinali.enabled());
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
        b.opzione(index(Option::Talkativeness), c.p);
        b.estrai(c.r, 6);
        if (c.parla) b.estrai(5, 6);  // Esci08
        b.w.commentary.RestaInGioco();
        EXPECT_EQ(b.ultimo(), c.parla ? commento("Esci", 8) : "") << c.p << c.r;
        if (c.parla) {
            EXPECT_EQ(b.w.t.TimerInterdiciSuoni.interval(), 938);
        }
    }
    Banco b;  // Taciturno draws nothing and says nothing; a held lock keeps the others quiet
    b.opzione(index(Option::Talkativeness), "Taciturno");
    b.w.commentary.RestaInGioco();
    b.opzione(index(Option::Talkativeness), "Pettegolo");
    b.m().sounds.lblInterdiciSuoni = true;
    b.estrai(1, 6);
    b.w.commentary.RestaInGioco();
    EXPECT_TRUE(b.media.entries().empty());
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
                {"Pettegolo", 2, commento("Esci", 2)},
                {"Pettegolo", 4, commento("Esci", 4)},
                {"Taciturno", 6, "C:\\Programmi\\Zelvo\\Musiche\\ZlvSigla.mid"}};
    for (auto& c : casi) {
        Banco b;
        b.opzione(index(Option::Talkativeness), c.p);
        const bool commentato = b.w.commentary.PreparaUscita(c.r, 1500);
        const auto& v = b.media.entries();
        ASSERT_EQ(v.size(), 1u);
        EXPECT_EQ(v[0].player, Player::mmcUscita);
        EXPECT_EQ(v[0].value, c.file);
        EXPECT_EQ(commentato, c.file.find("Esci") != std::string::npos);
        EXPECT_FALSE(b.m().sounds.lblInterdiciSuoni);
    }
}

// ---------------------------------------------------------------- whole games

TEST(WholeGames, TaciturnoNeverSpeaksButTheCardsStillSound) {
    SimulationSettings imp;
    imp.seed = 11;
    imp.options[index(Option::Talkativeness)] = "Taciturno";
    imp.options[index(Option::Temper)] = "Assai nervoso";
    imp.options[index(Option::GameNoises)] = "Si";
    imp.options[index(Option::GameEnd)] = "Fino all'ultima presa";
    imp.maxDelayMs = 9000;  // slow enough for the impatience clock
    Simulation sim(imp);
    MediaLog reg([&] { return sim.headless.scheduler.nowMs(); });
    sim.headless.platform.media = &reg;
    for (int g = 0; g < 6; ++g) sim.playGame();
    sim.headless.scheduler.advance(5000);
    int rumori = 0;
    for (const std::string& f : reg.played(Player::mmcRumori)) {
        EXPECT_EQ(f.find("\\Commenti\\"), std::string::npos) << f;
        ++rumori;
    }
    EXPECT_GT(rumori, 6 * 20);
    EXPECT_FALSE(sim.session.t.TimerImpazienza.enabled());
}

TEST(WholeGames, PettegoloSpeaksAndClipsNeverOverlap) {
    SimulationSettings imp;
    imp.seed = 3;
    imp.options[index(Option::Talkativeness)] = "Pettegolo";
    imp.options[index(Option::Temper)] = "Impaziente";
    imp.options[index(Option::GameNoises)] = "Si";
    imp.options[index(Option::GameEnd)] = "Fino all'ultima presa";
    imp.maxDelayMs = 8000;
    Simulation sim(imp);
    MediaLog reg([&] { return sim.headless.scheduler.nowMs(); });
    sim.headless.platform.media = &reg;
    for (int g = 0; g < 4; ++g) sim.playGame();
    // The simulated player presses Enter at once, before any final remark; after the last game
    // one may come, unless a trick remark was still playing.
    sim.headless.scheduler.advance(5000);
    // Each clip started on the noise player keeps the lock for its length: the
    // next one starts no earlier than that, except the final remark, which may cut a noise.
    auto clip = reg.playedWithTime(Player::mmcRumori);
    int trick = 0, impaz = 0, fine = 0;
    for (size_t i = 0; i < clip.size(); ++i) {
        const std::string& f = clip[i].second;
        const std::string nome = f.substr(f.rfind('\\') + 1);
        int durata = 0;
        if (f.find("\\Commenti\\") != std::string::npos) {
            const std::string gruppo = nome.substr(0, nome.size() - 6);
            durata = audio::remarkLockMs(gruppo, std::stoi(nome.substr(nome.size() - 6, 2)));
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

// ---------------------------------------------------------------- subtitles

TEST(Subtitles, EveryRemarkLeavesItsOwnWordsOnTheTableForAtLeastTwoSeconds) {
    SimulationSettings imp;
    imp.seed = 3;
    imp.options[index(Option::Talkativeness)] = "Pettegolo";
    imp.options[index(Option::Temper)] = "Impaziente";
    imp.maxDelayMs = 8000;
    Simulation sim(imp);
    MediaLog reg([&] { return sim.headless.scheduler.nowMs(); });
    sim.headless.platform.media = &reg;
    const SoundState& s = sim.session.m.sounds;
    size_t visti = 0;
    int commenti = 0;
    for (int passi = 0; passi < 100000 && !sim.session.m.window.fraFineGioco.Visible && sim.step(); ++passi) {
        const auto clip = reg.playedWithTime(Player::mmcRumori);
        for (; visti < clip.size(); ++visti) {
            const std::string& file = clip[visti].second;
            if (file.find("\\Commenti\\") == std::string::npos) continue;
            ++commenti;
            const std::string nome = file.substr(file.rfind('\\') + 1);
            const std::string gruppo = nome.substr(0, nome.size() - 6);
            const int lock = audio::remarkLockMs(gruppo, std::stoi(nome.substr(nome.size() - 6, 2)));
            EXPECT_EQ(s.sottotitolo, testoCommento(file)) << nome;
            EXPECT_EQ(s.sottotitoloFinoA, clip[visti].first + std::max(lock, 2000)) << nome;
        }
    }
    EXPECT_GT(commenti, 5);

    // The farewell is subtitled too, for the time the window stays open.
    Banco b;
    b.opzione(index(Option::Talkativeness), "Pettegolo");
    ASSERT_TRUE(b.w.commentary.PreparaUscita(5, 1500));
    EXPECT_EQ(b.m().sounds.sottotitolo, testoCommento(commento("Esci", 5)));
    EXPECT_EQ(b.m().sounds.sottotitoloFinoA, b.s.nowMs() + 2000);
}
