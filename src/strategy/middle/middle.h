#pragma once
// The middle game, while the stock lasts: the evaluation of every card and
// pairing, the choice with its tie chains, and the 60-point filters.
#include "strategy/decision.h"

namespace zelvo::strategy::middle {

// What taking a trump card of strength value `value` is worth; a plain trump is
// worth 60/39, or 0.5 when it is the computer's card and the computer answers.
float trumpWorth(int value, bool computerAnswering);

// The net points of a virtual trick: card x leads, card y answers; negative
// when y takes it.
int virtualTrick(int x, int y, char trump, bool trumpMarked);

// The potential of every hand card and the value of every pairing of the coming trick.
MiddleReasoning evaluate(const Position& p);

// The answer of highest convenience, through the tie chain (cmdValoreAggiuntivo).
int chooseAnswer(const Position& p, MiddleReasoning& r);
// The lead whose worst reply is best (cmdValoreAggiuntivoIniziaPC).
int chooseLead(const Position& p, const MiddleReasoning& r);

// The filters against the 60-point threshold: they may change the choice and
// fire the game's filter flag.
void Filtro60PuntiRispondePC(MiddleReasoning& r, int& choice, bool& filter60);
void Filtro60PuntiIniziaPC(MiddleReasoning& r, int& choice, bool& filter60);

}  // namespace zelvo::strategy::middle
