#include "rules/game_state.h"

#include <algorithm>
#include <stdexcept>

namespace zelvo::rules {

GameState::GameState(const std::array<int, 40>& order, Side leader, bool endAtSixty)
    : toMove_(leader), leader_(leader), endAtSixty_(endAtSixty) {
    for (int k = 0; k < 2 * CARDS_IN_HAND; ++k) hands_[index(k % 2 == 0 ? leader : other(leader))].push_back(order[k]);
    trumpCard_ = order[2 * CARDS_IN_HAND];
    stock_.push_back(trumpCard_);
    for (int k = 39; k > 2 * CARDS_IN_HAND; --k) stock_.push_back(order[k]);
}

std::vector<int> GameState::legalMoves() const {
    if (isTerminal()) return {};
    return hands_[index(toMove_)];
}

bool GameState::isTerminal() const {
    if (tricks_ == TRICKS_IN_GAME) return true;
    return endAtSixty_ && led_ == 0 && (passesSixty(points_[0]) || passesSixty(points_[1]));
}

void GameState::draw(Side s) {
    hands_[index(s)].push_back(stock_.back());
    stock_.pop_back();
}

void GameState::apply(int card) {
    std::vector<int>& hand = hands_[index(toMove_)];
    auto it = std::find(hand.begin(), hand.end(), card);
    if (isTerminal() || it == hand.end()) throw std::invalid_argument("not a card of the hand to move");
    hand.erase(it);
    if (led_ == 0) {
        led_ = card;
        toMove_ = other(toMove_);
        return;
    }
    const Side winner = answerTakes(led_, card, trump()) ? toMove_ : leader_;
    points_[index(winner)] += trickPoints(led_, card);
    led_ = 0;
    ++tricks_;
    if (drawAfterTrick(stock()) != Draw::None) {
        draw(winner);
        draw(other(winner));
    }
    leader_ = toMove_ = winner;
}

}  // namespace zelvo::rules
