#include <gtest/gtest.h>

#include <set>

#include "cards/card.h"
#include "cards/deck.h"
#include "platform/headless.h"
#include "ui/model.h"

using namespace zelvo;

TEST(CardCodes, CellNumbersFollowTheSuitBlocks) {
    const std::pair<const char*, int> table[] = {{"2d", 1},  {"Ad", 10}, {"2s", 11}, {"Rs", 18},
                                                 {"As", 20}, {"2c", 21}, {"3c", 29}, {"Ab", 40}};
    for (auto [code, cell] : table) {
        EXPECT_EQ(cards::cellOf(code), cell) << code;
        EXPECT_EQ(cards::codeOf(cell), code);
    }
    std::set<int> cells;
    for (char s : cards::SUITS)
        for (char r : cards::RANKS) cells.insert(cards::cellOf(std::string{r, s}));
    EXPECT_EQ(cells.size(), 40u);
    EXPECT_EQ(*cells.begin(), 1);
    EXPECT_EQ(*cells.rbegin(), 40);
}

TEST(CardCodes, TextsThatAreNoCardHaveNoCell) {
    for (const char* bad : {"", "A", "Ax", "1d", "ad", "Add", "Z9"}) EXPECT_EQ(cards::cellOf(bad), 0) << bad;
    EXPECT_EQ(cards::cellOfSuitValue('d', 3), 0);
    EXPECT_EQ(cards::cellOfSuitValue('x', 44), 0);
    EXPECT_EQ(cards::cellOfSuitValue('b', 44), 40);
}

TEST(CardCodes, ValuesAndPoints) {
    const int valori[] = {2, 4, 5, 6, 7, 8, 12, 16, 40, 44};
    const int punti[] = {0, 0, 0, 0, 0, 2, 3, 4, 10, 11};
    int totale = 0;
    for (int r = 0; r < 10; ++r) {
        EXPECT_EQ(cards::valueOf(r + 1), valori[r]);
        EXPECT_EQ(cards::pointsOf(valori[r]), punti[r]);
    }
    for (int c = 1; c <= 40; ++c) totale += cards::pointsOf(cards::valueOf(c));
    EXPECT_EQ(totale, 120);
    EXPECT_EQ(cards::pointsOf(40) + cards::pointsOf(44), 21);  // Tre and Asso
    EXPECT_EQ(cards::pointsOf(7) + cards::pointsOf(8), 2);     // 7 and Fante
}

TEST(NumeroCasuale, WorkedExamples) {
    // r, minute, second -> NumeroCasuale(40)
    EXPECT_EQ(numeroCasuale(40, 0.5f, 30, 0), 1);
    EXPECT_EQ(numeroCasuale(40, 0.0f, 0, 59), 2);   // x = -39 wraps to 2
    EXPECT_EQ(numeroCasuale(40, 0.0f, 0, 0), 1);
    EXPECT_EQ(numeroCasuale(40, 0.999f, 0, 0), 40);
    EXPECT_EQ(numeroCasuale(40, 0.0f, 0, 7), 36);   // 40 * (-7/61) = -4.59, x = -5
    EXPECT_EQ(numeroCasuale(2, 0.75f, 0, 0), 2);
    EXPECT_EQ(numeroCasuale(120, 0.0f, 59, 0), 119); // x = 118
    for (int m = 0; m < 60; ++m)
        for (int s = 0; s < 60; ++s)
            for (float r : {0.0f, 0.3f, 0.7f, 0.99999f}) {
                int n = numeroCasuale(40, r, m, s);
                ASSERT_GE(n, 1);
                ASSERT_LE(n, 40);
            }
}

TEST(NumeroCasuale, ReadsTheInjectedGeneratorAndClock) {
    Headless h(1, {2026, 1, 1, 10, 30, 0});
    ScriptedRandom r{0.5f};
    Model m;
    Mazzo mazzo(m, r, h.clock);
    EXPECT_EQ(mazzo.NumeroCasuale(40), 1);  // r 0.5, minute 30, second 0
    h.scheduler.advance(59'000);            // 10:30:59
    ScriptedRandom zero{0.0f};
    Mazzo mazzo2(m, zero, h.clock);
    EXPECT_EQ(mazzo2.NumeroCasuale(40), numeroCasuale(40, 0.0f, 30, 59));
}

TEST(Shuffle, MakesAPermutationAndLeavesTheGridsClean) {
    Headless h(7);
    Model m;
    Mazzo mazzo(m, h.random, h.clock);
    for (int round = 0; round < 50; ++round) {
        mazzo.cmdMescolaCarte();
        std::set<std::string> codes;
        for (int p = 1; p <= 40; ++p) codes.insert(m.carte.lblCartaDaEstrarre[p].Caption);
        ASSERT_EQ(codes.size(), 40u);
        EXPECT_EQ(m.gioco.lblNumeroCartaAnalizzata, 1);
        for (int c = 1; c <= 40; ++c) ASSERT_EQ(m.carte.lblCarteGiocate[c].BackColor, colour::WHITE);
    }
}

TEST(Draw, FillsTheSlotAndMarksEveryPositionOnce) {
    Headless h(3);
    Model m;
    Mazzo mazzo(m, h.random, h.clock);
    mazzo.cmdMescolaCarte();
    std::set<std::string> drawn;
    for (int k = 0; k < 40; ++k) {
        m.gioco.lblContatoreCarteEstratte = 8;
        mazzo.cmdEstraiACasoUnaCarta();
        const std::string& code = m.carte.lblCarta[8];
        int cell = cards::cellOf(code);
        ASSERT_NE(cell, 0);
        EXPECT_EQ(m.carte.lblValore[8], cards::valueOf(cell));
        EXPECT_EQ(m.carte.lblSeme[8], code[1]);
        drawn.insert(code);
        int marked = 0;
        for (int p = 1; p <= 40; ++p) marked += m.carte.lblCartaDaEstrarre[p].BackColor == colour::RED;
        EXPECT_EQ(marked, k + 1);
    }
    EXPECT_EQ(drawn.size(), 40u);
}

TEST(SegnaCartaGiocata, MarksByWhoPlayed) {
    Headless h;
    Model m;
    Mazzo mazzo(m, h.random, h.clock);
    m.gioco.lblCartaGiocata = "Rs";
    m.gioco.lblCartaGiocataBack = colour::RED;
    mazzo.SegnaCartaGiocata();
    EXPECT_EQ(m.gioco.lblNumerocasella, 18);
    EXPECT_EQ(m.carte.lblCarteGiocate[18].BackColor, colour::RED);
    EXPECT_EQ(m.carte.lblCarteGiocate[18].ForeColor, colour::BLUE);
    EXPECT_EQ(m.carte.lblPreseVirtuali[18].ForeColor, colour::GREEN);

    m.gioco.lblCartaGiocata = "2d";
    m.gioco.lblCartaGiocataBack = colour::PINK;
    mazzo.SegnaCartaGiocata();
    EXPECT_EQ(m.carte.lblCarteGiocate[1].BackColor, colour::PINK);
    EXPECT_EQ(m.carte.lblCarteGiocate[1].ForeColor, colour::BLUE);

    // A text that is no card marks nothing.
    Model prima = m;
    m.gioco.lblCartaGiocata = "zz";
    mazzo.SegnaCartaGiocata();
    for (int c = 1; c <= 40; ++c) EXPECT_EQ(m.carte.lblCarteGiocate[c].BackColor, prima.carte.lblCarteGiocate[c].BackColor);
}
