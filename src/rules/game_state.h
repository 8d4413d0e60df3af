#pragma once
// A whole game of two-player Briscola as a small state machine, for tools and
// tests: the deal from a given order of the 40 cards, the legal plays of the
// side to move, the trick, the draws, the points and the end.
#include <array>
#include <vector>

#include "rules/rules.h"

namespace zelvo::rules {

enum class Side { Computer, Human };
constexpr Side other(Side s) { return s == Side::Computer ? Side::Human : Side::Computer; }

class GameState {
public:
    // `order` holds the 40 cards as they come off the deck: the first six are
    // dealt one at a time, the leader first; the seventh is turned up as trump
    // and lies under the stock, whose other cards are drawn from the eighth on.
    // `endAtSixty`: the game ends as soon as a side has more than 60 points.
    GameState(const std::array<int, 40>& order, Side leader, bool endAtSixty = false);

    Side toMove() const { return toMove_; }
    // Any card of the mover's hand may be played; none once the game is over.
    std::vector<int> legalMoves() const;
    // Plays a card of the mover's hand; throws std::invalid_argument otherwise.
    void apply(int card);

    bool isTerminal() const;
    int points(Side s) const { return points_[index(s)]; }
    Winner winner() const { return gameWinner(points(Side::Computer), points(Side::Human)); }

    int tricksPlayed() const { return tricks_; }
    char trump() const { return cards::suitOf(trumpCard_); }
    int trumpCard() const { return trumpCard_; }
    // Cards left to draw, the turned-up trump card included.
    int stock() const { return static_cast<int>(stock_.size()); }
    const std::vector<int>& hand(Side s) const { return hands_[index(s)]; }
    // The card led in the trick under way, 0 when none is.
    int ledCard() const { return led_; }

private:
    static int index(Side s) { return s == Side::Computer ? 0 : 1; }
    void draw(Side s);
    std::array<std::vector<int>, 2> hands_;
    std::vector<int> stock_;  // drawn from the back; the trump card is the front
    std::array<int, 2> points_{};
    int trumpCard_ = 0;
    int led_ = 0;
    Side toMove_;
    Side leader_;
    int tricks_ = 0;
    bool endAtSixty_;
};

}  // namespace zelvo::rules
