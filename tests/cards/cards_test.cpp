#include <gtest/gtest.h>

#include <set>

#include "cards/card.h"
#include "cards/deck.h"
#include "platform/headless.h"

using namespace zelvo;

TEST(CardCodes, CellNumbersFollowTheSuitBlocksAndRejectOtherTexts) {
    const std::pair<const char*, int> table[] = {{"2d", 1},  {"Ad", 10}, {"2s", 11}, {"Rs", 18},
                                                 {"As", 20}, {"2c", 21}, {"3c", 29}, {"Ab", 40}};
    for (auto [code, cell] : table) {
        EXPECT_EQ(cards::cellOf(code), cell) << code;
        EXPECT_EQ(cards::codeOf(cell), code);
    }
    std::set<int> cells;
    for (char s : cards::SUITS)
        for (char r : cards::RANKS) cells.insert(cards::cellOf(std::string{r, s}));
    EXPECT_EQ(cells, [] { std::set<int> all; for (int c = 1; c <= 40; ++c) all.insert(c); return all; }());
    for (const char* bad : {"", "A", "Ax", "1d", "ad", "Add", "Z9"}) EXPECT_EQ(cards::cellOf(bad), 0) << bad;
    EXPECT_EQ(cards::cellOfSuitValue('d', 3), 0);
    EXPECT_EQ(cards::cellOfSuitValue('x', 44), 0);
    EXPECT_EQ(cards::cellOfSuitValue('b', 44), 40);
}

TEST(CardCodes, TheDeckHoldsOneHundredAndTwentyPoints) {
    int total = 0;
    for (int c = 1; c <= 40; ++c) total += cards::pointsOf(cards::valueOf(c));
    EXPECT_EQ(total, 120);
    EXPECT_EQ(cards::pointsOf(40) + cards::pointsOf(44), 21);  // Tre and Asso
    EXPECT_EQ(cards::pointsOf(7) + cards::pointsOf(8), 2);     // 7 and Fante
}

TEST(NumeroCasuale, WorkedExamples) {
    struct Case {
        int n;
        float r;
        int minute, second, expected;
    };
    const Case cases[] = {
        {40, 0.5f, 30, 0, 1},    {40, 0.0f, 0, 59, 2},  // x = -39 wraps to 2
        {40, 0.0f, 0, 0, 1},     {40, 0.999f, 0, 0, 40},
        {40, 0.0f, 0, 7, 36},  // 40 * (-7/61) = -4.59, x = -5
        {2, 0.75f, 0, 0, 2},     {120, 0.0f, 59, 0, 119},  // x = 118
    };
    for (const Case& c : cases) EXPECT_EQ(numeroCasuale(c.n, c.r, c.minute, c.second), c.expected) << c.r;
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
    ScriptedRandom half{0.5f};
    EXPECT_EQ(ClockPick(half, h.clock).NumeroCasuale(40), 1);  // r 0.5, minute 30, second 0
    h.scheduler.advance(59'000);                                // 10:30:59
    ScriptedRandom zero{0.0f};
    EXPECT_EQ(ClockPick(zero, h.clock).NumeroCasuale(40), numeroCasuale(40, 0.0f, 30, 59));
}

TEST(Shuffle, MakesAPermutationAndLeavesTheGridsClean) {
    Headless h(7);
    ClockPick pick(h.random, h.clock);
    CardTable c;
    for (int round = 0; round < 50; ++round) {
        cmdMescolaCarte(c, pick);
        std::set<std::string> codes;
        for (int p = 1; p <= 40; ++p) codes.insert(c.lblCartaDaEstrarre[p].Caption);
        ASSERT_EQ(codes.size(), 40u);
        for (int k = 1; k <= 40; ++k) ASSERT_EQ(c.lblCarteGiocate[k].BackColor, colour::WHITE);
    }
}

TEST(Draw, FillsTheSlotAndMarksEveryPositionOnce) {
    Headless h(3);
    ClockPick pick(h.random, h.clock);
    CardTable c;
    cmdMescolaCarte(c, pick);
    std::set<std::string> drawn;
    for (int k = 0; k < 40; ++k) {
        cmdEstraiACasoUnaCarta(c, 8, pick);
        const std::string& code = c.lblCarta[8];
        int cell = cards::cellOf(code);
        ASSERT_NE(cell, 0);
        EXPECT_EQ(c.lblValore[8], cards::valueOf(cell));
        EXPECT_EQ(c.lblSeme[8], code[1]);
        drawn.insert(code);
        int marked = 0;
        for (int p = 1; p <= 40; ++p) marked += c.lblCartaDaEstrarre[p].BackColor == colour::RED;
        EXPECT_EQ(marked, k + 1);
    }
    EXPECT_EQ(drawn.size(), 40u);
}

TEST(SegnaCartaGiocata, MarksByWhoPlayedAndIgnoresTextsThatAreNoCard) {
    CardTable c;
    EXPECT_EQ(SegnaCartaGiocata(c, "Rs", false), 18);
    EXPECT_EQ(c.lblCarteGiocate[18].BackColor, colour::RED);
    EXPECT_EQ(c.lblCarteGiocate[18].ForeColor, colour::BLUE);
    EXPECT_TRUE(c.played[18]);
    EXPECT_EQ(SegnaCartaGiocata(c, "2d", true), 1);
    EXPECT_EQ(c.lblCarteGiocate[1].BackColor, colour::PINK);
    const CardTable before = c;
    EXPECT_EQ(SegnaCartaGiocata(c, "zz", true), 0);
    for (int k = 1; k <= 40; ++k) {
        EXPECT_EQ(c.lblCarteGiocate[k].BackColor, before.lblCarteGiocate[k].BackColor);
        EXPECT_EQ(c.played[k], before.played[k]);
    }
}
