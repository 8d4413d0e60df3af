// The middle-game evaluation: the potential of every hand card from its virtual
// tricks against every unseen card, and the value of every pairing of the coming trick.
#include <bit>
#include <cstdint>

#include "rules/rules.h"
#include "strategy/middle/middle.h"

namespace zelvo::strategy::middle {

namespace {

// A card of trump suit is worth more than its points: the lower the trump,
// the more it multiplies the potential.
float trumpFactor(int value) {
    switch (value) {
        case 44: return std::bit_cast<float>(0x3FA70A3Du);  // 1.305
        case 40: return std::bit_cast<float>(0x3FADD2F2u);  // 1.358
        case 16: return std::bit_cast<float>(0x3FE22D0Eu);  // 1.767
        case 12: return std::bit_cast<float>(0x3FFE76C9u);  // 1.988
        case 8: return std::bit_cast<float>(0x4014AC08u);   // 2.323
        default: return 1.0f;
    }
}

int pointsOfCard(int card) { return card ? cards::pointsOf(cards::valueOf(card)) : 0; }

}  // namespace

float trumpWorth(int value, bool computerAnswering) {
    switch (value) {
        case 44: return std::bit_cast<float>(0x415CB7CCu);  // 538/39
        case 40: return std::bit_cast<float>(0x413BE5BFu);  // 458/39
        case 16: return std::bit_cast<float>(0x40AF96F8u);  // 214/39
        case 12: return std::bit_cast<float>(0x40883483u);  // 166/39
        case 8: return std::bit_cast<float>(0x404B7CB7u);   // 124/39
        default: return computerAnswering ? std::bit_cast<float>(0x3F000000u)   // 0.5
                                          : std::bit_cast<float>(0x3FC4EC53u);  // 60/39
    }
}

namespace {

int ruleVirtualTrick(int x, int y, char trump, bool trumpMarked) {
    if (x == y) return 0;
    const int points = rules::trickPoints(x, y);
    // Before the trump suit is marked no unseen card counts as a trump, and a
    // trump leading takes them all.
    if (!trumpMarked && cards::suitOf(x) == trump) return points;
    return rules::answerTakes(x, y, trumpMarked ? trump : rules::NO_TRUMP) ? -points : points;
}

// Every virtual trick of every pair of cards, for each trump suit, marked or not: the
// potential asks 240 of them a decision, so they are worked out from the rule once.
struct VirtualTricks {
    int8_t value[2][4][41][41];
    VirtualTricks() {
        for (int marked = 0; marked < 2; ++marked)
            for (int t = 0; t < 4; ++t)
                for (int x = 1; x <= 40; ++x)
                    for (int y = 1; y <= 40; ++y)
                        value[marked][t][x][y] = static_cast<int8_t>(ruleVirtualTrick(x, y, cards::SUITS[t], marked));
    }
};

const VirtualTricks& virtualTricks() {
    static const VirtualTricks table;
    return table;
}

}  // namespace

int virtualTrick(int x, int y, char trump, bool trumpMarked) {
    const int t = cards::suitIndex(trump);
    if (t < 0 || x < 1 || x > 40 || y < 1 || y > 40) return ruleVirtualTrick(x, y, trump, trumpMarked);
    return virtualTricks().value[trumpMarked][t][x][y];
}

MiddleReasoning evaluate(const Position& p) {
    MiddleReasoning r;
    std::array<bool, 41> handPC{}, handH{};
    for (int s = 1; s <= 6; ++s)
        if (p.slot[s]) (s <= 3 ? handPC : handH)[p.slot[s]] = true;

    for (int k = 1; k <= 6; ++k) {
        const int x = p.slot[k];
        if (!x) continue;
        const auto& ownHand = k <= 3 ? handPC : handH;
        const int t = cards::suitIndex(p.trump);
        const int8_t* row = t >= 0 ? virtualTricks().value[p.trumpMarked][t][x] : nullptr;
        float sum = 0.0f;
        for (int c = 1; c <= 40; ++c)
            if (!p.played[c] && !ownHand[c])
                sum += static_cast<float>(row ? row[c] : virtualTrick(x, c, p.trump, p.trumpMarked));
        r.potential[k] = Single::of(sum / static_cast<float>(p.stock + 3));
        if (cards::suitOf(x) == p.trump && cards::valueOf(x) > 7)
            r.potential[k] = Single::of(r.potential[k].value() * trumpFactor(cards::valueOf(x)));
    }

    // Pairing n of computer slot i and human slot j.
    auto pairing = [&](int n, int i, int j, bool answering) {
        const int pc = p.slot[i], h = p.slot[j];
        const bool pcTrump = cards::suitOf(pc) == p.trump, hTrump = cards::suitOf(h) == p.trump;
        const bool pcTakes = rules::computerTakes(pc, h, p.computerLeads, p.trump);
        const int points = rules::trickPoints(pc, h);
        r.totals[n] = (pcTakes ? p.pointsPC : p.pointsH) + points;
        r.humanTakes[n] = !pcTakes;
        r.trickPoints[n] = Single::of(static_cast<float>(pointsOfCard(pc) + pointsOfCard(h)));
        const float tp = r.trickPoints[n].value();
        float conv;
        if (pcTakes) {
            const float taken = hTrump ? trumpWorth(cards::valueOf(h), false) : static_cast<float>(pointsOfCard(h));
            conv = tp - r.potential[i].value();
            conv = conv + taken;
        } else {
            const float lost = pcTrump ? trumpWorth(cards::valueOf(pc), answering) : static_cast<float>(pointsOfCard(pc));
            conv = tp - r.potential[j].value();
            conv = conv + lost;
            conv = -conv;
        }
        r.convenience[n] = Single::of(conv);
    };
    if (p.computerLeads) {
        for (int i = 1; i <= 3; ++i)
            for (int j = 4; j <= 6; ++j) pairing(3 * (i - 1) + (j - 3), i, j, false);
    } else if (p.humanSlot >= 4 && p.humanSlot <= 6) {
        for (int i = 1; i <= 3; ++i) pairing(i, i, p.humanSlot, true);
    }
    return r;
}

}  // namespace zelvo::strategy::middle
