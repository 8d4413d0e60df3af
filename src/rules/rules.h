#pragma once
// The rules of two-player Briscola as pure functions of the cards: who takes a
// trick and what it is worth, who draws what after it, when a game and a match
// are decided. This is the program's only statement of the trick rule: the game
// flow, the computer's virtual tricks, its end-game search, the commentary and
// the review all ask here.
//
// A card is its cell number 1..40 (see cards/card.h); 0 is no card.
#include "cards/card.h"

namespace zelvo::rules {

// No suit is trump: for the computer's virtual tricks before it has marked the trump suit.
constexpr char NO_TRUMP = 0;

// The trick rule. The card answering the lead takes the trick when it is of the
// led suit and stronger, or a trump over a card of another suit; otherwise the
// lead takes it. Both cards must be cards.
constexpr bool answerTakes(int lead, int answer, char trump) {
    const char leadSuit = cards::suitOf(lead), answerSuit = cards::suitOf(answer);
    if (answerSuit == leadSuit) return cards::valueOf(answer) > cards::valueOf(lead);
    return answerSuit == trump;
}

// The same rule from the computer's point of view: true when the computer's
// card takes the trick against the human's.
constexpr bool computerTakes(int pcCard, int humanCard, bool computerLeads, char trump) {
    return computerLeads ? !answerTakes(pcCard, humanCard, trump) : answerTakes(humanCard, pcCard, trump);
}

// The points of a trick: the sum of both cards' points.
constexpr int trickPoints(int a, int b) {
    return cards::pointsOf(cards::valueOf(a)) + cards::pointsOf(cards::valueOf(b));
}

// The signed value the computer's end game counts in: both strength values,
// each counted as 0 below 8, added; positive when the computer takes the trick.
constexpr int signedTrickValue(int pcCard, int humanCard, bool computerLeads, char trump) {
    auto counted = [](int card) { return cards::valueOf(card) < 8 ? 0 : cards::valueOf(card); };
    const int v = counted(pcCard) + counted(humanCard);
    return computerTakes(pcCard, humanCard, computerLeads, trump) ? v : -v;
}

// ---------------------------------------------------------------- the draws

constexpr int CARDS_IN_HAND = 3;
constexpr int TRICKS_IN_GAME = 20;
// The stock after the deal: 40 cards less two hands; the turned-up trump card is its last card.
constexpr int STOCK_AFTER_DEAL = 40 - 2 * CARDS_IN_HAND;

// What follows a trick, by the cards left in the stock: the winner draws first,
// then the loser; of the last two, the winner takes the stock's last card and the
// loser the turned-up trump card.
enum class Draw { None, TwoFromStock, StockAndTrump };
constexpr Draw drawAfterTrick(int stock) {
    return stock > 2 ? Draw::TwoFromStock : stock == 2 ? Draw::StockAndTrump : Draw::None;
}

// ---------------------------------------------------------------- game and match

constexpr int TOTAL_POINTS = 120;
// A side has won the game once it has more than half the points: 60 is not enough.
constexpr bool passesSixty(int points) { return points > TOTAL_POINTS / 2; }

enum class Winner { Nobody, Computer, Human };
// Who has won a game with these points: 60-60 is won by nobody.
constexpr Winner gameWinner(int pointsPC, int pointsH) {
    return passesSixty(pointsPC) ? Winner::Computer : passesSixty(pointsH) ? Winner::Human : Winner::Nobody;
}

// A match goes to the first side to win `gamesNeeded` games (3, 4 or 5).
constexpr bool matchOver(int gamesPC, int gamesH, int gamesNeeded) {
    return gamesPC == gamesNeeded || gamesH == gamesNeeded;
}

}  // namespace zelvo::rules
