#pragma once
// The end game: from the third-to-last trick on, every card is known and the
// last tricks are played out line by line.
#include "strategy/decision.h"

namespace zelvo::strategy::endgame {

// The third-to-last trick, the computer leading (all nine first tricks) or
// answering the human's card; `pick` chooses among equally good cards.
int thirdLast(const Position& p, EndReasoning& r, RandomPick& pick);
// The penultimate trick: both lines of each card to the end.
int secondLast(const Position& p, EndReasoning& r);

}  // namespace zelvo::strategy::endgame
