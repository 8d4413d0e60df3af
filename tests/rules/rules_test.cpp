// The rules of the game: the trick rule, the points, the draws, the end of a
// game and of a match, and thousands of random games through the state machine.
#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <set>
#include <tuple>

#include "rules/game_state.h"

namespace zelvo::rules {
namespace {

int card(const char* code) { return cards::cellOf(code); }

TEST(TrickRule, TheAnswerTakesOnlyByFollowingHigherOrByTrumping) {
    // The lead, the answer, trumps of 'b': whether the answer takes.
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"2d", "4d", true},  {"4d", "2d", false},  // the led suit: the stronger card
        {"Rd", "3d", true},  {"3d", "Ad", true},   {"Ad", "3d", false},
        {"Ad", "2b", true},  {"2b", "Ad", false},  // a trump over a plain card, whoever leads
        {"2b", "4b", true},  {"Ab", "3b", false},  // between trumps, the stronger
        {"Ad", "2s", false}, {"2s", "Ad", false},  // another plain suit: the lead
    };
    for (auto [lead, answer, takes] : cases) {
        // Seen from the computer, leading or answering, it is the same rule.
        EXPECT_EQ(std::tuple(answerTakes(card(lead), card(answer), 'b'), computerTakes(card(lead), card(answer), true, 'b'),
                             computerTakes(card(answer), card(lead), false, 'b')),
                  std::tuple(takes, !takes, takes)) << lead << " " << answer;
    }
    // Without a trump suit a card of another suit never takes.
    EXPECT_FALSE(answerTakes(card("Ad"), card("2b"), NO_TRUMP));
}

TEST(TrickRule, PointsTheEndGamesValueTheDrawsAndTheEndOfAGameAndAMatch) {
    EXPECT_EQ(std::tuple(trickPoints(card("Ad"), card("3s")), trickPoints(card("Fd"), card("7s")), trickPoints(card("2d"), card("7s"))),
              std::tuple(21, 2, 0));
    // Strength values from 8 up, signed for the computer.
    EXPECT_EQ(std::tuple(signedTrickValue(card("Ad"), card("Fd"), true, 'b'), signedTrickValue(card("Ad"), card("2b"), true, 'b'),
                         signedTrickValue(card("7d"), card("4s"), false, 'b')),
              std::tuple(52, -44, 0));
    for (auto [stock, draw] : {std::pair{STOCK_AFTER_DEAL, Draw::TwoFromStock}, {4, Draw::TwoFromStock},
                               {3, Draw::TwoFromStock}, {2, Draw::StockAndTrump}, {0, Draw::None}, {-3, Draw::None}})
        EXPECT_EQ(drawAfterTrick(stock), draw) << stock;
    EXPECT_EQ(std::tuple(passesSixty(60), passesSixty(61), gameWinner(61, 59), gameWinner(59, 61), gameWinner(60, 60)),
              std::tuple(false, true, Winner::Computer, Winner::Human, Winner::Nobody));
    EXPECT_TRUE(matchOver(3, 1, 3) && matchOver(2, 4, 4));
    EXPECT_FALSE(matchOver(4, 4, 5) || matchOver(2, 2, 3));
}

// The 40 cards in cell order (2d 4d 5d ... Ab), shuffled when a generator is given.
std::array<int, 40> deck(std::mt19937_64* rng = nullptr) {
    std::array<int, 40> order;
    std::iota(order.begin(), order.end(), 1);
    if (rng) std::shuffle(order.begin(), order.end(), *rng);
    return order;
}

TEST(GameState, TheDealTheDrawsAndRandomGamesToTheEnd) {
    GameState inOrder(deck(), Side::Human);
    // The leader gets the first card; the seventh is the trump.
    EXPECT_EQ(std::tuple(inOrder.hand(Side::Human), inOrder.hand(Side::Computer), inOrder.trumpCard(), inOrder.trump(), inOrder.stock()),
              std::tuple(std::vector<int>{1, 3, 5}, std::vector<int>{2, 4, 6}, 7, 'd', STOCK_AFTER_DEAL));
    EXPECT_THROW(inOrder.apply(2), std::invalid_argument);  // not the human's card
    inOrder.apply(5);                                       // 6d
    EXPECT_EQ(std::pair(inOrder.toMove(), inOrder.ledCard()), std::pair(Side::Computer, 5));
    inOrder.apply(2);  // 4d: lower, the human takes it and draws first
    EXPECT_EQ(std::tuple(inOrder.toMove(), inOrder.hand(Side::Human), inOrder.hand(Side::Computer), inOrder.points(Side::Human)),
              std::tuple(Side::Human, std::vector<int>{1, 3, 8}, std::vector<int>{4, 6, 9}, 0));

    // Random games play every card once and share 120 points.
    std::mt19937_64 rng(2026);
    for (int game = 0; game < 5000; ++game) {
        const bool endAtSixty = game % 3 == 0;
        GameState g(deck(&rng), game % 2 ? Side::Computer : Side::Human, endAtSixty);
        std::set<int> played;
        while (!g.isTerminal()) {
            const std::vector<int> moves = g.legalMoves();
            ASSERT_TRUE(!moves.empty() && moves == g.hand(g.toMove()));
            const int c = moves[std::uniform_int_distribution<size_t>(0, moves.size() - 1)(rng)];
            ASSERT_TRUE(played.insert(c).second) << "card played twice";
            g.apply(c);
            const int inHands = static_cast<int>(g.hand(Side::Computer).size() + g.hand(Side::Human).size());
            ASSERT_EQ(inHands + g.stock() + static_cast<int>(played.size()), 40);
            // A game that ends at sixty stops at the trick that takes a side past it.
            ASSERT_TRUE(!endAtSixty || g.isTerminal() || (g.points(Side::Computer) <= 60 && g.points(Side::Human) <= 60));
        }
        // Over: no more moves; ended early only with a winner.
        const bool early = endAtSixty && g.tricksPlayed() < TRICKS_IN_GAME;
        EXPECT_TRUE(g.legalMoves().empty() && (!early || g.winner() != Winner::Nobody));
        if (early) continue;
        ASSERT_EQ(std::tuple(g.tricksPlayed(), played.size(), g.points(Side::Computer) + g.points(Side::Human), g.stock()),
                  std::tuple(TRICKS_IN_GAME, 40u, TOTAL_POINTS, 0));
    }
}

}  // namespace
}  // namespace zelvo::rules
