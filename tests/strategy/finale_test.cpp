// The end game: first-level entries, the line tables, the tie rules of the
// second-level analysis and of the penultimate trick, and a cross-check of
// the searches against a plain minimax.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <vector>

#include "banco.h"

namespace zelvo {
namespace {

using prova::Banco;
using prova::posizione;

// ---- an independent minimax over the same cards

struct Mano {
    std::vector<int> pc, h;  // cell numbers
};

// The trick rule: does the computer's card take the trick?
bool prendePC(int p, int h, char briscola, bool guidaPC) {
    const char sp = cards::suitOf(p), sh = cards::suitOf(h);
    const int vp = cards::valueOf(p), vh = cards::valueOf(h);
    if (sp == briscola && sh == briscola) return vp > vh;
    if (sp == briscola) return true;
    if (sh == briscola) return false;
    if (sp == sh) return vp > vh;
    return guidaPC;
}

int minimax(const Mano& m, char briscola, bool guidaPC);

// The computer plays pc[a] and the human h[b]: the trick's value to the computer, then best play.
int esito(const Mano& m, size_t a, size_t b, char briscola, bool guidaPC) {
    const bool vincePC = prendePC(m.pc[a], m.h[b], briscola, guidaPC);
    const int v = 4 * (cards::pointsOf(cards::valueOf(m.pc[a])) + cards::pointsOf(cards::valueOf(m.h[b])));
    Mano r = m;
    r.pc.erase(r.pc.begin() + a);
    r.h.erase(r.h.begin() + b);
    return (vincePC ? v : -v) + minimax(r, briscola, vincePC);
}

// The value of the computer leading card `a`, the human answering best.
int guidaMinimax(const Mano& m, size_t a, char briscola) {
    int peggio = 10000;
    for (size_t b = 0; b < m.h.size(); ++b) peggio = std::min(peggio, esito(m, a, b, briscola, true));
    return peggio;
}

int minimax(const Mano& m, char briscola, bool guidaPC) {
    if (m.pc.empty()) return 0;
    if (guidaPC) {
        int meglio = -10000;
        for (size_t a = 0; a < m.pc.size(); ++a) meglio = std::max(meglio, guidaMinimax(m, a, briscola));
        return meglio;
    }
    int peggio = 10000;
    for (size_t b = 0; b < m.h.size(); ++b) {
        int meglio = -10000;
        for (size_t a = 0; a < m.pc.size(); ++a) meglio = std::max(meglio, esito(m, a, b, briscola, false));
        peggio = std::min(peggio, meglio);
    }
    return peggio;
}

struct Mazzo {
    std::mt19937_64 rng;
    explicit Mazzo(uint64_t s) : rng(s) {}
    std::vector<int> carte(int n) {
        std::vector<int> tutte(40);
        for (int c = 0; c < 40; ++c) tutte[c] = c + 1;
        std::shuffle(tutte.begin(), tutte.end(), rng);
        tutte.resize(n);
        return tutte;
    }
    char briscola() { return cards::SUITS[std::uniform_int_distribution<int>(0, 3)(rng)]; }
};

TEST(CrossCheck, TrickEighteenLeadPromisesTheMinimax) {
    Mazzo mz(7);
    for (int prova = 0; prova < 1500; ++prova) {
        const auto c = mz.carte(6);
        const char t = mz.briscola();
        Mano m{{c[0], c[1], c[2]}, {c[3], c[4], c[5]}};
        Banco b(posizione(t, {cards::codeOf(c[0]), cards::codeOf(c[1]), cards::codeOf(c[2])},
                          {cards::codeOf(c[3]), cards::codeOf(c[4]), cards::codeOf(c[5])}, 0),
                prova + 1);
        const int slot = decidi(b.w);
        const int atteso = minimax(m, t, true);
        ASSERT_EQ(b.s().lblRisultatoMigliore.valore, atteso) << "position " << prova;
        ASSERT_GE(slot, 1);
        ASSERT_LE(slot, 3);
        ASSERT_EQ(guidaMinimax(m, slot - 1, t), atteso) << "position " << prova;
        for (int i = 1; i <= 3; ++i) {
            ASSERT_EQ(b.s().LblPeggiore[i].valore, guidaMinimax(m, i - 1, t));
            ASSERT_EQ(b.s().LblPeggiore[i].BackColor == colour::RED, guidaMinimax(m, i - 1, t) == atteso);
        }
    }
}

TEST(CrossCheck, TrickEighteenAnswerPromisesTheMinimax) {
    Mazzo mz(11);
    for (int prova = 0; prova < 1500; ++prova) {
        const auto c = mz.carte(6);
        const char t = mz.briscola();
        const int hslot = 4 + prova % 3;
        Mano m{{c[0], c[1], c[2]}, {c[3], c[4], c[5]}};
        Banco b(posizione(t, {cards::codeOf(c[0]), cards::codeOf(c[1]), cards::codeOf(c[2])},
                          {cards::codeOf(c[3]), cards::codeOf(c[4]), cards::codeOf(c[5])}, -1, Chi::H, hslot),
                prova + 1);
        const int slot = decidi(b.w);
        int atteso = -10000;
        for (size_t a = 0; a < 3; ++a) atteso = std::max(atteso, esito(m, a, hslot - 4, t, false));
        ASSERT_EQ(b.s().lblRisultatoMigliore.valore, atteso) << "position " << prova;
        ASSERT_EQ(esito(m, slot - 1, hslot - 4, t, false), atteso) << "position " << prova;
    }
}

TEST(CrossCheck, TrickNineteenLeadAndAnswer) {
    Mazzo mz(13);
    for (int prova = 0; prova < 3000; ++prova) {
        const auto c = mz.carte(4);
        const char t = mz.briscola();
        // Two cards in each hand, in two of the three slots.
        const int vuotoPC = prova % 3, vuotoH = (prova / 3) % 3;
        std::array<std::string, 3> pc, h;
        for (int k = 0, n = 0; k < 3; ++k)
            if (k != vuotoPC) pc[k] = cards::codeOf(c[n++]);
        for (int k = 0, n = 2; k < 3; ++k)
            if (k != vuotoH) h[k] = cards::codeOf(c[n++]);
        Mano m{{c[0], c[1]}, {c[2], c[3]}};
        const int primoPC = vuotoPC == 0 ? 2 : 1;  // slot of m.pc[0]

        if (prova % 2 == 0) {
            Banco b(posizione(t, pc, h, -2));
            const int slot = decidi(b.w);
            const int atteso = minimax(m, t, true);
            ASSERT_EQ(guidaMinimax(m, slot == primoPC ? 0 : 1, t), atteso) << "position " << prova;
            EXPECT_TRUE(b.g().lblPuoiGiocare);
        } else {
            const int hp = prova % 4 < 2 ? 0 : 1;
            std::vector<int> hs;
            for (int k = 0; k < 3; ++k)
                if (k != vuotoH) hs.push_back(k + 4);
            const int hslot = hs[hp];
            Banco b(posizione(t, pc, h, -3, Chi::H, hslot));
            const int slot = decidi(b.w);
            const int atteso = std::max(esito(m, 0, hp, t, false), esito(m, 1, hp, t, false));
            ASSERT_EQ(esito(m, slot == primoPC ? 0 : 1, hp, t, false), atteso) << "position " << prova;
        }
    }
}

// ---- first level

TEST(PrimoLivello, LeadEntriesValuesAndColours) {
    // Trump b. PC: 4b, 7c, Ad; human: Rb, 2b, 3d.
    Banco b(posizione('b', {"4b", "7c", "Ad"}, {"Rb", "2b", "3d"}, 0));
    b.w.strategia.cmdTerzultimaGiocataIniziaPC();
    auto& pl = b.s().lblPrimoLivello;
    struct {
        const char* testo;
        bool rosso;
    } atteso[10] = {{},          {"-16", true}, {"0", false}, {"40", false}, {"-16", true},
                    {"0", true}, {"40", false}, {"-60", true}, {"-44", true}, {"84", false}};
    for (int n = 1; n <= 9; ++n) {
        EXPECT_EQ(pl[n].testo(), atteso[n].testo) << n;
        EXPECT_EQ(pl[n].BackColor == colour::RED, atteso[n].rosso) << n;
    }
    EXPECT_EQ(b.s().lblContatorePrimoLivello, 1);
}

TEST(PrimoLivello, AnswerEntriesTheHumanLeads) {
    // The human leads 7s; a plain card of another suit loses, even an Asso.
    Banco b(posizione('b', {"Ad", "Fs", "2c"}, {"Rb", "7s", "3d"}, -1, Chi::H, 5));
    b.w.strategia.cmdTerzultimaGiocataRispondePC();
    auto& pl = b.s().lblPrimoLivello;
    EXPECT_EQ(pl[1].testo(), "-44");
    EXPECT_EQ(pl[1].BackColor, colour::RED);
    EXPECT_EQ(pl[2].testo(), "8");
    EXPECT_EQ(pl[2].BackColor, colour::WHITE);
    EXPECT_EQ(pl[3].testo(), "0");  // no points, the human takes it: only the colour says so
    EXPECT_EQ(pl[3].BackColor, colour::RED);
    EXPECT_TRUE(pl[4].vuota);
}

// ---- the line tables

struct Riga {
    int linea;
    bool pcPresePrima;
    std::array<int, 4> abcd;
};

std::array<int, 4> rigaDi(Banco& b, int linea, bool pcPresePrima, bool bis) {
    auto& s = b.s();
    const int f = (linea - 1) / 4 + 1;
    s.lblPrimoLivello[f].BackColor = pcPresePrima ? colour::WHITE : colour::RED;
    s.lblContatoreSecondoLivello = linea;
    if (bis) b.w.strategia.cmdSegueterzultimaGiocataBis();
    else b.w.strategia.cmdSegueterzultimaGiocata();
    return {s.lblA, s.lblB, s.lblC, s.lblD};
}

TEST(TabellaLinee, TellingRowsOfTheThirtySixRowTable) {
    Banco b(posizione('b', {"4b", "7c", "Ad"}, {"Rb", "2b", "3d"}, 0));
    const Riga righe[] = {{1, true, {2, 5, 3, 6}},   {1, false, {2, 5, 3, 6}}, {2, true, {2, 6, 3, 5}},
                          {2, false, {3, 5, 2, 6}},  {3, true, {3, 5, 2, 6}},  {3, false, {2, 6, 3, 5}},
                          {4, true, {3, 6, 2, 5}},   {4, false, {3, 6, 2, 5}}, {14, true, {1, 6, 3, 5}},
                          {14, false, {3, 5, 1, 6}}, {36, true, {2, 5, 1, 4}}, {36, false, {2, 5, 1, 4}}};
    for (const Riga& r : righe) EXPECT_EQ(rigaDi(b, r.linea, r.pcPresePrima, false), r.abcd) << "line " << r.linea;
}

TEST(TabellaLinee, TellingRowsOfTheTwelveRowTable) {
    Banco b(posizione('b', {"4b", "7c", "Ad"}, {"Rb", "2b", "3d"}, -1, Chi::H, 5));
    const Riga righe[] = {{1, true, {2, 4, 3, 6}}, {1, false, {2, 4, 3, 6}}, {6, true, {1, 6, 3, 4}},
                          {6, false, {3, 4, 1, 6}}, {12, true, {2, 6, 1, 4}}, {12, false, {2, 6, 1, 4}}};
    for (const Riga& r : righe) EXPECT_EQ(rigaDi(b, r.linea, r.pcPresePrima, true), r.abcd) << "line " << r.linea;
}

TEST(TabellaLinee, EveryLineSharesTheOpeningCardWithItsPair) {
    Banco b(posizione('b', {"4b", "7c", "Ad"}, {"Rb", "2b", "3d"}, 0));
    for (bool pc : {true, false})
        for (int f = 1; f <= 9; ++f) {
            const int i = (f - 1) / 3 + 1, j = (f - 1) % 3 + 4;
            std::set<std::array<int, 4>> viste;
            for (int r = 0; r < 4; ++r) {
                auto x = rigaDi(b, 4 * f - 3 + r, pc, false);
                EXPECT_EQ(std::set<int>({i, x[0], x[2]}), std::set<int>({1, 2, 3}));
                EXPECT_EQ(std::set<int>({j, x[1], x[3]}), std::set<int>({4, 5, 6}));
                viste.insert(x);
            }
            EXPECT_EQ(viste.size(), 4u);
            auto l1 = rigaDi(b, 4 * f - 3, pc, false), l2 = rigaDi(b, 4 * f - 2, pc, false);
            EXPECT_EQ(pc ? l1[0] : l1[1], pc ? l2[0] : l2[1]) << "entry " << f;
        }
    // Outside the table: unchanged.
    auto prima = rigaDi(b, 5, true, false);
    b.s().lblContatoreSecondoLivello = 37;
    b.w.strategia.cmdSegueterzultimaGiocata();
    EXPECT_EQ(prima, (std::array<int, 4>{b.s().lblA, b.s().lblB, b.s().lblC, b.s().lblD}));
}

// ---- tie rules

TEST(SecondoLivello, EqualLinesMarkTheLaterOne) {
    // No points anywhere: every line is 0.
    Banco b(posizione('b', {"2d", "4d", "5s"}, {"6c", "7c", "2s"}, 0));
    decidi(b.w);
    auto& sl = b.s().lblSecondoLivello;
    for (int f = 1; f <= 9; ++f) {
        EXPECT_EQ(sl[4 * f - 3].ForeColor, colour::BLACK) << f;
        EXPECT_EQ(sl[4 * f - 2].ForeColor, colour::BLUE) << f;
        EXPECT_EQ(sl[4 * f - 1].ForeColor, colour::BLACK) << f;
        EXPECT_EQ(sl[4 * f].ForeColor, colour::GREEN) << f;
    }
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(b.s().LblPeggiore[i].testo(), "0");
        EXPECT_EQ(b.s().LblPeggiore[i].BackColor, colour::RED);
    }
    EXPECT_EQ(b.s().lblContatorePrimoLivello, 1);
    EXPECT_EQ(b.s().lblContatoreSecondoLivello, 1);
}

TEST(SecondoLivello, EqualWorstCasesChooseAtRandom) {
    std::set<int> scelte;
    for (uint64_t seme = 1; seme <= 60; ++seme) {
        Banco b(posizione('b', {"2d", "4d", "5s"}, {"6c", "7c", "2s"}, 0), seme);
        b.h.scheduler.advance(static_cast<int64_t>(seme) * 7919);
        scelte.insert(decidi(b.w));
    }
    EXPECT_EQ(scelte, std::set<int>({1, 2, 3}));
}

TEST(Penultima, TiesGoToTheLowerSlot) {
    for (int prova = 0; prova < 10; ++prova) {
        Banco b(posizione('b', {"", "2d", "4d"}, {"6c", "", "7c"}, -2), prova + 1);
        EXPECT_EQ(decidi(b.w), 2);
        Banco r(posizione('b', {"2d", "", "4d"}, {"6c", "", "7c"}, -3, Chi::H, 4), prova + 1);
        EXPECT_EQ(decidi(r.w), 1);
    }
}

TEST(Penultima, TheLeadAnalysisFillsItsCells) {
    // Ab wins both answers (+ the last trick lost); Fd can win big or lose.
    Banco b(posizione('b', {"Fd", "Ab", ""}, {"3d", "2c", ""}, -2));
    decidi(b.w);
    auto& sl = b.s().lblSecondoLivello;
    EXPECT_EQ(sl[21].valore, 1);
    EXPECT_EQ(sl[22].valore, 2);
    EXPECT_TRUE(sl[20].vuota);
    EXPECT_TRUE(b.w.t.TimerAttesaDelPCaMuovere.enabled() || b.g().lblPuoiGiocare);
}

TEST(Penultima, ADifferentPlainSuitGivesTheLeadToTheLeader) {
    // The human leads 7s; the computer's 2c loses it and the human leads the last trick.
    Banco b(posizione('b', {"2c", "Ad", ""}, {"7s", "3d", ""}, -3, Chi::H, 4));
    b.w.strategia.cmdPenultimaGiocataRispondePC();
    auto& sl = b.s().lblSecondoLivello;
    EXPECT_EQ(sl[1].BackColor, colour::RED);   // 2c on 7s: the human
    EXPECT_EQ(sl[2].BackColor, colour::RED);   // Ad on 7s: the human too
    EXPECT_EQ(sl[13].testo(), "84");   // Ad takes 3d of its suit though the human leads
    EXPECT_EQ(sl[14].testo(), "-40");  // 2c against 3d, the human leading: the human
    EXPECT_EQ(sl[14].BackColor, colour::RED);
    // 0 + 84 against -44 - 40: the 2c goes under, the Asso waits for the Tre.
    EXPECT_EQ(sl[25].valore, 84);
    EXPECT_EQ(sl[26].valore, -84);
    EXPECT_EQ(b.g().lblCartaPCDaGiocare, 1);
}

TEST(AzzeraAnalisiFinale, BackToTheResetState) {
    Banco b(posizione('b', {"4b", "7c", "Ad"}, {"Rb", "2b", "3d"}, 0));
    decidi(b.w);
    b.w.strategia.AzzeraAnalisiFinale();
    auto& s = b.s();
    for (int i = 1; i <= 36; ++i) {
        EXPECT_TRUE(s.lblSecondoLivello[i].vuota);
        EXPECT_EQ(s.lblSecondoLivello[i].ForeColor, colour::BLACK);
        EXPECT_EQ(s.lblSecondoLivello[i].BackColor, colour::WHITE);
    }
    for (int i = 1; i <= 9; ++i) EXPECT_EQ(s.lblPrimoLivello[i].BackColor, colour::WHITE);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(s.LblPeggiore[i].testo(), "300");
    EXPECT_EQ(b.g().lblCartaPCDaGiocare, 0);
    EXPECT_TRUE(s.lblRisultatoMigliore.vuota);
}

}  // namespace
}  // namespace zelvo
