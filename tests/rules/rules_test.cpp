// The rules of the game: the trick rule, the points, the draws, the end of a
// game and of a match, and thousands of random games through the state machine.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "rules/game_state.h"

namespace zelvo::rules {
namespace {

int card(const char* code) { return cards::cellOf(code); }

TEST(TrickRule, TheAnswerTakesOnlyByFollowingHigherOrByTrumping) {
    struct Case {
        const char *lead, *answer;
        bool answerTakes;
    };
    const Case cases[] = {
        {"2d", "4d", true},  {"4d", "2d", false},  // the led suit: the stronger card
        {"Rd", "3d", true},  {"3d", "Ad", true},   {"Ad", "3d", false},
        {"Ad", "2b", true},  {"2b", "Ad", false},  // a trump over a plain card, whoever leads
        {"2b", "4b", true},  {"Ab", "3b", false},  // between trumps, the stronger
        {"Ad", "2s", false}, {"2s", "Ad", false},  // another plain suit: the lead
    };
    for (const Case& c : cases) {
        EXPECT_EQ(answerTakes(card(c.lead), card(c.answer), 'b'), c.answerTakes) << c.lead << " " << c.answer;
        // Seen from the computer, leading or answering, it is the same rule.
        EXPECT_EQ(computerTakes(card(c.lead), card(c.answer), true, 'b'), !c.answerTakes);
        EXPECT_EQ(computerTakes(card(c.answer), card(c.lead), false, 'b'), c.answerTakes);
    }
    // Without a trump suit a card of another suit never takes.
    EXPECT_FALSE(answerTakes(card("Ad"), card("2b"), NO_TRUMP));
}

TEST(TrickRule, PointsAndTheEndGamesSignedValue) {
    EXPECT_EQ(trickPoints(card("Ad"), card("3s")), 21);
    EXPECT_EQ(trickPoints(card("Fd"), card("7s")), 2);
    EXPECT_EQ(trickPoints(card("2d"), card("7s")), 0);
    // Strength values from 8 up, signed for the computer.
    EXPECT_EQ(signedTrickValue(card("Ad"), card("Fd"), true, 'b'), 52);
    EXPECT_EQ(signedTrickValue(card("Ad"), card("2b"), true, 'b'), -44);
    EXPECT_EQ(signedTrickValue(card("7d"), card("4s"), false, 'b'), 0);
}

TEST(Draws, TwoFromTheStockThenTheLastCardAndTheTrumpThenNothing) {
    EXPECT_EQ(drawAfterTrick(STOCK_AFTER_DEAL), Draw::TwoFromStock);
    EXPECT_EQ(drawAfterTrick(4), Draw::TwoFromStock);
    EXPECT_EQ(drawAfterTrick(2), Draw::StockAndTrump);
    EXPECT_EQ(drawAfterTrick(0), Draw::None);
    EXPECT_EQ(drawAfterTrick(-3), Draw::None);
}

TEST(GameAndMatch, SixtyIsNotEnoughAndAMatchGoesToTheFirstToItsGames) {
    EXPECT_FALSE(passesSixty(60));
    EXPECT_TRUE(passesSixty(61));
    EXPECT_EQ(gameWinner(61, 59), Winner::Computer);
    EXPECT_EQ(gameWinner(59, 61), Winner::Human);
    EXPECT_EQ(gameWinner(60, 60), Winner::Nobody);
    EXPECT_TRUE(matchOver(3, 1, 3));
    EXPECT_TRUE(matchOver(2, 4, 4));
    EXPECT_FALSE(matchOver(4, 4, 5));
}

std::array<int, 40> shuffled(std::mt19937_64& rng) {
    std::array<int, 40> order;
    for (int c = 0; c < 40; ++c) order[c] = c + 1;
    std::shuffle(order.begin(), order.end(), rng);
    return order;
}

TEST(GameState, TheDealTheTrumpAndTheDraws) {
    std::array<int, 40> order;
    for (int c = 0; c < 40; ++c) order[c] = c + 1;  // 2d 4d 5d ... Ab
    GameState g(order, Side::Human);
    EXPECT_EQ(g.hand(Side::Human), (std::vector<int>{1, 3, 5}));  // the leader gets the first card
    EXPECT_EQ(g.hand(Side::Computer), (std::vector<int>{2, 4, 6}));
    EXPECT_EQ(g.trumpCard(), 7);
    EXPECT_EQ(g.trump(), 'd');
    EXPECT_EQ(g.stock(), STOCK_AFTER_DEAL);
    EXPECT_THROW(g.apply(2), std::invalid_argument);  // not the human's card
    g.apply(5);                                       // 6d
    EXPECT_EQ(g.toMove(), Side::Computer);
    EXPECT_EQ(g.ledCard(), 5);
    g.apply(2);  // 4d: lower, the human takes it and draws first
    EXPECT_EQ(g.toMove(), Side::Human);
    EXPECT_EQ(g.hand(Side::Human), (std::vector<int>{1, 3, 8}));
    EXPECT_EQ(g.hand(Side::Computer), (std::vector<int>{4, 6, 9}));
}

TEST(GameState, RandomGamesPlayEveryCardOnceAndShareOneHundredAndTwentyPoints) {
    std::mt19937_64 rng(2026);
    for (int game = 0; game < 5000; ++game) {
        const bool endAtSixty = game % 3 == 0;
        GameState g(shuffled(rng), game % 2 ? Side::Computer : Side::Human, endAtSixty);
        std::set<int> played;
        int plays = 0;
        while (!g.isTerminal()) {
            const std::vector<int> moves = g.legalMoves();
            ASSERT_FALSE(moves.empty());
            ASSERT_EQ(moves, g.hand(g.toMove()));
            const int c = moves[std::uniform_int_distribution<size_t>(0, moves.size() - 1)(rng)];
            ASSERT_TRUE(played.insert(c).second) << "card played twice";
            g.apply(c);
            ++plays;
            const int inHands = static_cast<int>(g.hand(Side::Computer).size() + g.hand(Side::Human).size());
            ASSERT_EQ(inHands + g.stock() + plays, 40);
        }
        EXPECT_TRUE(g.legalMoves().empty());
        if (endAtSixty && g.tricksPlayed() < TRICKS_IN_GAME) {
            EXPECT_NE(g.winner(), Winner::Nobody);
            continue;
        }
        ASSERT_EQ(g.tricksPlayed(), TRICKS_IN_GAME);
        ASSERT_EQ(plays, 40);
        ASSERT_EQ(g.points(Side::Computer) + g.points(Side::Human), TOTAL_POINTS);
        ASSERT_EQ(g.stock(), 0);
    }
}

}  // namespace
}  // namespace zelvo::rules
