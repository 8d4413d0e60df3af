// Card points, virtual tricks, the potential and the pairings of the middle game.
#include <gtest/gtest.h>

#include <bit>
#include <set>

#include "banco.h"
#include "strategy/middle/valori.h"

namespace zelvo {
namespace {

using prova::Banco;
using prova::posizione;

// The virtual trick by the trick rule: X leads, Y answers.
int virtuale(int cx, int cy, char briscola) {
    if (cx == cy) return 0;
    const char sx = cards::suitOf(cx), sy = cards::suitOf(cy);
    const int vx = cards::valueOf(cx), vy = cards::valueOf(cy);
    const bool yPrende = (sy == briscola && sx != briscola) || (sy == sx && vy > vx);
    const int p = cards::pointsOf(vx) + cards::pointsOf(vy);
    return yPrende ? -p : p;
}

TEST(CalcolaPuntiCarte, PointsOfEachSlotAndEmptySlotsKeepTheirValue) {
    Banco b(posizione('d', {"2d", "Fs", "Cc"}, {"Rb", "3d", "As"}, 20));
    b.s().lblPuntiPotenziali[5] = 99;
    b.c().svuota(5);
    b.w.strategia.CalcolaPuntiCarte();
    const int atteso[] = {0, 0, 2, 3, 4, 99, 11};
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(b.s().lblPuntiPotenziali[i], atteso[i]) << i;
}

// Every card against every trump: the grid equals the trick rule, cell by cell.
TEST(PreseVirtuali, EveryCardAgainstTheTrickRule) {
    for (char briscola : {'d', 's', 'c', 'b'})
        for (int cx = 1; cx <= 40; ++cx) {
            // Filler hands that avoid X.
            std::array<std::string, 3> pc, h;
            int k = 0;
            for (int c = 1; k < 5; ++c)
                if (c != cx) (k < 3 ? pc[k] : h[k - 3]) = cards::codeOf(c), ++k;
            h[2] = cards::codeOf(cx);
            Banco b(posizione(briscola, pc, h, 20));
            b.w.strategia.cmdCalcolaPotenzialeCarte();
            for (int cy = 1; cy <= 40; ++cy)
                ASSERT_EQ(b.c().lblPreseVirtuali[cy].Caption, std::to_string(virtuale(cx, cy, briscola)))
                    << cards::codeOf(cx) << " against " << cards::codeOf(cy) << " trump " << briscola;
        }
}

// The potential, recomputed here from the rule: black cells only, divided by deck + 3.
float potenzialeAtteso(const Banco& b, int k, int mazzo) {
    const Carte& c = b.w.m.carte;
    const int cx = cards::cellOfSuitValue(c.lblSeme[k], c.lblValore[k]);
    std::set<int> mano;
    for (int t = k < 4 ? 1 : 4, e = t + 3; t < e; ++t) mano.insert(cards::cellOfSuitValue(c.lblSeme[t], c.lblValore[t]));
    float somma = 0;
    for (int cy = 1; cy <= 40; ++cy)
        if (!mano.count(cy) && c.lblPreseVirtuali[cy].ForeColor != colour::GREEN)
            somma += static_cast<float>(virtuale(cx, cy, c.lblSeme[7]));
    return Singola::da(somma / static_cast<float>(mazzo + 3)).valore();
}

TEST(Potenziale, AverageOverUnseenCardsExcludingPlayedAndOwnHand) {
    for (int mazzo : {0, 10, 34}) {
        Posizione p = posizione('b', {"Ad", "7c", "Rs"}, {"2s", "3d", "Fc"}, mazzo);
        p.giocate = {"As", "3s", "Cd", "2b"};
        Banco b(p);
        b.w.strategia.cmdCalcolaPotenzialeCarte();
        for (int k = 1; k <= 6; ++k)
            EXPECT_EQ(b.s().lblPotenziale[k].valore(), potenzialeAtteso(b, k, mazzo)) << "slot " << k;
        EXPECT_EQ(b.s().lblNumeroPrese, mazzo + 3);
        EXPECT_EQ(b.g().lblNumeroCartaAnalizzata, 6);
        EXPECT_TRUE(b.w.t.TimerValoreAggiuntivo.enabled());
    }
}

TEST(Potenziale, GridMarksAfterAFullRun) {
    Posizione p = posizione('b', {"Ad", "7c", "Rs"}, {"2s", "3d", "Fc"}, 20);
    p.giocate = {"As", "Cd"};
    Banco b(p);
    b.w.strategia.cmdCalcolaPotenzialeCarte();
    const auto& g = b.c().lblPreseVirtuali;
    // Played cells stay green, the last analysed hand (the human's) is red, the rest black.
    EXPECT_EQ(g[cards::cellOf("As")].ForeColor, colour::GREEN);
    EXPECT_EQ(g[cards::cellOf("Cd")].ForeColor, colour::GREEN);
    for (const char* c : {"2s", "3d", "Fc"}) EXPECT_EQ(g[cards::cellOf(c)].ForeColor, colour::RED) << c;
    for (const char* c : {"Ad", "7c", "Rs", "5b"}) EXPECT_EQ(g[cards::cellOf(c)].ForeColor, colour::BLACK) << c;
    // A second run keeps the green marks.
    b.w.strategia.cmdCalcolaPotenzialeCarte();
    EXPECT_EQ(g[cards::cellOf("As")].ForeColor, colour::GREEN);
}

TEST(Potenziale, TrumpFactorsAndPlainTrumps) {
    // The same raw average times the factor of each trump rank; plain trumps keep it.
    struct Caso {
        const char* carta;
        uint32_t fattore;
    };
    const Caso casi[] = {{"Ab", 0x3FA70A3D}, {"3b", 0x3FADD2F2}, {"Rb", 0x3FE22D0E},
                         {"Cb", 0x3FFE76C9}, {"Fb", 0x4014AC08}, {"7b", 0}, {"2b", 0}};
    for (const Caso& caso : casi) {
        Banco b(posizione('b', {caso.carta, "7c", "Rs"}, {"2s", "3d", "Fc"}, 16));
        b.w.strategia.cmdCalcolaPotenzialeCarte();
        float atteso = potenzialeAtteso(b, 1, 16);
        if (caso.fattore) atteso = Singola::da(atteso * std::bit_cast<float>(caso.fattore)).valore();
        EXPECT_EQ(b.s().lblPotenziale[1].valore(), atteso) << caso.carta;
    }
}

TEST(Pairings, LeadCaseWinnersTotalsAndConvenience) {
    Posizione p = posizione('b', {"Ad", "7c", "Rb"}, {"2s", "3d", "Fb"}, 20);
    p.puntiPC = 30;
    p.puntiH = 40;
    Banco b(p);
    b.w.strategia.CalcolaPuntiCarte();
    b.w.strategia.CalcolaTotaliIniziaPC();
    auto& s = b.s();
    // n = 3(i-1) + (j-3). Who takes each: Ad-2s PC (different suits, PC leads),
    // Ad-3d PC, Ad-Fb H (trump), 7c-* PC, PC, H, Rb-* PC, PC, PC.
    const bool prendeH[10] = {false, false, false, true, false, false, true, false, false, false};
    const int totali[10] = {0, 41, 51, 53, 30, 40, 42, 34, 44, 36};
    for (int n = 1; n <= 9; ++n) {
        EXPECT_EQ(s.lblTotaliNormali[n].BackColor == colour::RED, prendeH[n]) << n;
        EXPECT_EQ(s.lblTotaliNormali[n].valore, totali[n]) << n;
    }
    // Convenience, recomputed in float from the stored values.
    auto pot = [&](int k) { return s.lblPotenziale[k].valore(); };
    auto tp = [&](int n) { return s.lblTotaliPotenziali[n].Caption.valore(); };
    // 1: Ad (PC) takes 2s: tp - pot(Ad) + 0.
    EXPECT_EQ(s.lblConvenienza[1].Caption, Singola::da(tp(1) - pot(1) + 0.0f));
    // 3: Fb (trump, H) takes Ad: -(tp - pot(Fb) + 11).
    EXPECT_EQ(s.lblConvenienza[3].Caption, Singola::da(-(tp(3) - pot(6) + 11.0f)));
    // 7: Rb (trump, PC) takes 2s.
    EXPECT_EQ(s.lblConvenienza[7].Caption, Singola::da(tp(7) - pot(3) + 0.0f));
    // 9: Rb takes Fb: worth of the trump Fante.
    EXPECT_EQ(s.lblConvenienza[9].Caption, Singola::da(tp(9) - pot(3) + valoreBriscola(8, false)));
    EXPECT_EQ(s.lblTotaliPotenziali[9].Caption.testo(), "6");
}

TEST(Pairings, AnswerCaseUsesTheLedCardAndHalfPointPlainTrump) {
    Posizione p = posizione('b', {"Ad", "7b", "Rs"}, {"2s", "3d", "Fb"}, 20, Chi::H, 5);
    p.giocate = {"3d"};
    p.puntiPC = 30;
    p.puntiH = 40;
    Banco b(p);
    b.w.strategia.CalcolaPuntiCarte();
    b.w.strategia.CalcolaTotaliRispondePC();
    auto& s = b.s();
    // Ad takes 3d (same suit), 7b takes 3d (trump), Rs loses (different suit, human led).
    EXPECT_EQ(s.lblTotaliNormali[1].valore, 51);
    EXPECT_EQ(s.lblTotaliNormali[2].valore, 40);
    EXPECT_EQ(s.lblTotaliNormali[3].valore, 54);
    EXPECT_EQ(s.lblTotaliNormali[3].BackColor, colour::RED);
    const float potH = s.lblPotenziale[5].valore();
    EXPECT_EQ(s.lblConvenienza[3].Caption, Singola::da(-(14.0f - potH + 4.0f)));
    for (int n = 4; n <= 9; ++n) {
        EXPECT_TRUE(s.lblConvenienza[n].Caption.vuota()) << n;
        EXPECT_TRUE(s.lblTotaliNormali[n].vuota) << n;
        EXPECT_EQ(s.lblTotaliNormali[n].BackColor, colour::WHITE) << n;
    }
    // A plain trump of the computer taken by the human counts 0.5: 7b loses to a higher trump.
    Posizione q = posizione('b', {"Ad", "7b", "Rs"}, {"2s", "3d", "Ab"}, 20, Chi::H, 6);
    Banco b2(q);
    b2.w.strategia.CalcolaPuntiCarte();
    b2.w.strategia.CalcolaTotaliRispondePC();
    const float potA = b2.s().lblPotenziale[6].valore();
    EXPECT_EQ(b2.s().lblConvenienza[2].Caption, Singola::da(-(11.0f - potA + 0.5f)));
}

TEST(Pairings, LeadCaseCreditsDifferentSuitsToTheLeader) {
    Banco b(posizione('b', {"2d", "4d", "5d"}, {"As", "Ac", "3s"}, 20));
    b.w.strategia.CalcolaTotaliIniziaPC();
    for (int n = 1; n <= 9; ++n) EXPECT_EQ(b.s().lblTotaliNormali[n].BackColor, colour::WHITE) << n;
}

TEST(Potenziale, TheHumansCardOnTheTableKeepsItsPlayedMark) {
    // Marked played at the click, it is also in the human's hand while the
    // computer answers: the red mark of the hand does not take the green away.
    Posizione p = posizione('b', {"Ad", "7c", "Rs"}, {"2s", "3d", "Fc"}, 20, Chi::H, 5);
    p.giocate = {"3d"};
    Banco b(p);
    b.w.strategia.CalcolaTotaliRispondePC();
    b.w.strategia.CalcolaTotaliRispondePC();
    EXPECT_EQ(b.c().lblPreseVirtuali[cards::cellOf("3d")].ForeColor, colour::GREEN);
    EXPECT_EQ(b.c().lblPreseVirtuali[cards::cellOf("2s")].ForeColor, colour::RED);
}

}  // namespace
}  // namespace zelvo
