#pragma once
// The end game: from the third-to-last trick on, every card is known and the
// last tricks are played out line by line.
#include "strategy/decision.h"

namespace zelvo::strategy::endgame {

// The slots of the second and last trick of line `line` (1..36), which continues
// the first trick of computer slot i and human slot j; `computerLeadsSecond`: the
// computer won the first trick and leads the second. {A, B, C, D}: the computer's
// and the human's card of the second trick, then of the last.
std::array<int, 4> lineSlots(int line, int i, int j, bool computerLeadsSecond);

// The third-to-last trick, the computer leading (all nine first tricks) or
// answering the human's card; `pick` chooses among equally good cards.
int thirdLast(const Position& p, EndReasoning& r, RandomPick& pick);
// The penultimate trick: both lines of each card to the end.
int secondLast(const Position& p, EndReasoning& r);

}  // namespace zelvo::strategy::endgame
