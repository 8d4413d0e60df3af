// Which analysis decides, by the stock and who leads: the middle game while
// cards remain to be drawn, the search of the last three tricks, the last two,
// and the only card left.
#include "strategy/decision.h"
#include "strategy/endgame/endgame.h"
#include "strategy/middle/middle.h"

namespace zelvo::strategy {

namespace {

// The first card in the computer's hand (UnicaCartaPC).
int onlyCard(const Position& p) {
    for (int s = 1; s <= 3; ++s)
        if (p.slot[s]) return s;
    return p.standingChoice;
}

}  // namespace

Decision decide(const Position& p, RandomPick& pick) {
    Decision d;
    d.filter60 = p.filter60;
    if (p.stock >= 1) {
        MiddleReasoning& r = d.middle.emplace(middle::evaluate(p));
        d.slot = p.computerLeads ? middle::chooseLead(p, r) : middle::chooseAnswer(p, r);
        if (!d.filter60) {
            if (p.computerLeads) middle::Filtro60PuntiIniziaPC(r, d.slot, d.filter60);
            else middle::Filtro60PuntiRispondePC(r, d.slot, d.filter60);
        }
    } else if (p.stock >= -1) {
        d.slot = endgame::thirdLast(p, d.end.emplace(), pick);
    } else if (p.stock >= -3) {
        d.slot = endgame::secondLast(p, d.end.emplace());
    } else {
        d.slot = onlyCard(p);
    }
    return d;
}

LevelOutcome ApplicaLivello(int level, int choice, RandomPick& pick) {
    // Out of 120 draws, how many from this threshold up replace the choice.
    static constexpr int THRESHOLD[6] = {0, 0, 101, 97, 91, 81};
    const int r = pick.NumeroCasuale(120);
    const int threshold = level >= 0 && level <= 5 ? THRESHOLD[level] : 0;
    if (threshold && r >= threshold && r <= 120) return {pick.NumeroCasuale(3), true};  // ScegliCartaACaso
    return {choice, false};
}

}  // namespace zelvo::strategy
