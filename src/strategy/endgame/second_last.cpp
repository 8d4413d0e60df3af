// The penultimate trick: both lines of each card are played to the end and the
// card with the better sure result is played; equal results go to the lower slot.
#include "rules/rules.h"
#include "strategy/endgame/endgame.h"

namespace zelvo::strategy::endgame {

namespace {

// The two slots still holding a card among first, first+1, first+2.
std::array<int, 2> twoSlots(const Position& p, int first) {
    if (!p.slot[first]) return {first + 1, first + 2};
    return {first, p.slot[first + 1] ? first + 1 : first + 2};
}

}  // namespace

int secondLast(const Position& p, EndReasoning& r) {
    const auto [a1, a2] = twoSlots(p, 1);
    const auto [h1, h2] = twoSlots(p, 4);
    // The value of a trick for the computer, and who takes it.
    auto trick = [&](int pcSlot, int hSlot, bool computerLeads, bool& humanTakes) {
        humanTakes = !rules::computerTakes(p.slot[pcSlot], p.slot[hSlot], computerLeads, p.trump);
        return rules::signedTrickValue(p.slot[pcSlot], p.slot[hSlot], computerLeads, p.trump);
    };
    bool toHuman[2], last;

    if (p.computerLeads) {
        // Each card against each answer, then the last trick led by the winner.
        const int pcs[2] = {a1, a2}, hs[2] = {h1, h2};
        int total[2][2];
        for (int x = 0; x < 2; ++x)
            for (int y = 0; y < 2; ++y) {
                bool humanTakes;
                const int first = trick(pcs[x], hs[y], true, humanTakes);
                const int second = trick(pcs[1 - x], hs[1 - y], !humanTakes, last);
                total[x][y] = first + second;
                r.lines[1 + 2 * x + y] = first;
                r.lines[13 + 2 * x + y] = second;
            }
        // The human answers each card with the reply that leaves the computer less
        // (on equal replies, the first); the card whose worst case is better goes,
        // on equal worst cases the lower slot.
        const int worst1 = total[0][0] > total[0][1] ? total[0][1] : total[0][0];
        const int worst2 = total[1][0] > total[1][1] ? total[1][1] : total[1][0];
        return worst1 < worst2 ? a2 : a1;
    }

    const int led = p.humanSlot;
    if (led != h1 && led != h2) return p.standingChoice;  // the led card is not in the human's hand
    const int kept = h1 != led ? h1 : h2;
    const int first1 = trick(a1, led, false, toHuman[0]);
    const int first2 = trick(a2, led, false, toHuman[1]);
    const int total1 = first1 + trick(a2, kept, !toHuman[0], last);
    const int total2 = first2 + trick(a1, kept, !toHuman[1], last);
    r.lines[25] = total1;
    r.lines[26] = total2;
    return total1 < total2 ? a2 : a1;
}

}  // namespace zelvo::strategy::endgame
