#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "cards/card.h"
#include "cards/deck.h"
#include "platform/headless.h"

using namespace zelvo;

TEST(CardCodes, CellNumbersFollowTheSuitBlocksAndRejectOtherTexts) {
    const std::pair<const char*, int> table[] = {{"2d", 1},  {"Ad", 10}, {"2s", 11}, {"Rs", 18},
                                                 {"As", 20}, {"2c", 21}, {"3c", 29}, {"Ab", 40}};
    for (auto [code, cell] : table) EXPECT_EQ(std::pair(cards::cellOf(code), cards::codeOf(cell)), std::pair(cell, std::string(code)));
    std::set<int> cells;
    for (char s : cards::SUITS)
        for (char r : cards::RANKS) cells.insert(cards::cellOf(std::string{r, s}));
    EXPECT_EQ(std::tuple(cells.size(), *cells.begin(), *cells.rbegin()), std::tuple(40u, 1, 40));  // one to one onto 1..40
    for (const char* bad : {"", "A", "Ax", "2x", "1d", "1s", "ad", "Add", "Z9"}) EXPECT_EQ(cards::cellOf(bad), 0) << bad;
    EXPECT_EQ(std::tuple(cards::cellOfSuitValue('d', 3), cards::cellOfSuitValue('x', 44), cards::cellOfSuitValue('b', 44)),
              std::tuple(0, 0, 40));
    // The deck holds 120 points; a Tre and an Asso make 21, a 7 and a Fante 2.
    int total = 0;
    for (int c = 1; c <= 40; ++c) total += cards::pointsOf(cards::valueOf(c));
    EXPECT_EQ(std::tuple(total, cards::pointsOf(40) + cards::pointsOf(44), cards::pointsOf(7) + cards::pointsOf(8)),
              std::tuple(120, 21, 2));
}

TEST(NumeroCasuale, WorkedExamplesAndTheInjectedGeneratorAndClock) {
    // N, r, minute, second: the number.
    const std::tuple<int, float, int, int, int> cases[] = {
        {40, 0.5f, 30, 0, 1},    {40, 0.0f, 0, 59, 2},  // x = -39 wraps to 2
        {40, 0.0f, 0, 0, 1},     {40, 0.999f, 0, 0, 40},
        {40, 0.0f, 0, 7, 36},  // 40 * (-7/61) = -4.59, x = -5
        {2, 0.75f, 0, 0, 2},     {120, 0.0f, 59, 0, 119},  // x = 118
    };
    for (auto [n, r, minute, second, expected] : cases) EXPECT_EQ(numeroCasuale(n, r, minute, second), expected) << r;
    for (int m = 0; m < 60; ++m)
        for (int s = 0; s < 60; ++s)
            for (float r : {0.0f, 0.3f, 0.7f, 0.99999f}) {
                const int n = numeroCasuale(40, r, m, s);
                ASSERT_TRUE(n >= 1 && n <= 40) << r << " " << m << ":" << s;
            }
    // The game's pick reads the injected generator and clock.
    Headless h(1, {2026, 1, 1, 10, 30, 0});
    ScriptedRandom half{0.5f}, zero{0.0f};
    EXPECT_EQ(ClockPick(half, h.clock).NumeroCasuale(40), 1);  // r 0.5, minute 30, second 0
    h.scheduler.advance(59'000);                                // 10:30:59
    EXPECT_EQ(ClockPick(zero, h.clock).NumeroCasuale(40), numeroCasuale(40, 0.0f, 30, 59));
}

// Each game shuffles, then draws every position of the shuffled deck once; a played card is
// marked by who played it, and a text that is no card marks nothing.
TEST(Deck, ShuffleFortyDrawsAndThePlayedMark) {
    Headless h(3);
    ClockPick pick(h.random, h.clock);
    CardTable c;
    for (int game = 0; game < 3; ++game) {
        for (int p = 1; p <= 40; ++p) c.lblCartaDaEstrarre[p].BackColor = colour::WHITE;
        cmdMescolaCarte(c, pick);
        std::set<std::string> shuffled, drawn;
        for (int p = 1; p <= 40; ++p) shuffled.insert(c.lblCartaDaEstrarre[p].Caption);
        ASSERT_EQ(shuffled.size(), 40u);
        for (int k = 1; k <= 40; ++k) ASSERT_EQ(c.lblCarteGiocate[k].BackColor, colour::WHITE);
        for (int k = 1; k <= 40; ++k) {
            cmdEstraiACasoUnaCarta(c, 8, pick);
            const int cell = cards::cellOf(c.lblCarta[8]);
            ASSERT_NE(cell, 0);
            EXPECT_EQ(std::pair(c.lblValore[8], c.lblSeme[8]), std::pair(cards::valueOf(cell), c.lblCarta[8][1]));
            drawn.insert(c.lblCarta[8]);
            EXPECT_EQ(std::count_if(c.lblCartaDaEstrarre.begin() + 1, c.lblCartaDaEstrarre.end(),
                                    [](const DeckCell& p) { return p.BackColor == colour::RED; }), k);
        }
        EXPECT_EQ(drawn.size(), 40u);
    }
    EXPECT_EQ(std::pair(SegnaCartaGiocata(c, "Rs", false), SegnaCartaGiocata(c, "2d", true)), std::pair(18, 1));
    const auto& grid = c.lblCarteGiocate;
    EXPECT_EQ(std::tuple(grid[18].BackColor, grid[18].ForeColor, c.played[18], grid[1].BackColor, grid[1].ForeColor, c.played[1]),
              std::tuple(colour::RED, colour::BLUE, true, colour::PINK, colour::BLUE, true));
    const CardTable before = c;
    EXPECT_EQ(SegnaCartaGiocata(c, "zz", true), 0);
    for (int k = 1; k <= 40; ++k)
        EXPECT_TRUE(grid[k].BackColor == before.lblCarteGiocate[k].BackColor && c.played[k] == before.played[k]) << k;
}
