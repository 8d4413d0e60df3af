// The end game, checked against a plain minimax written here: from the
// third-to-last trick to the last, the card played, what each card is sure of,
// the first-trick values, and how ties are broken.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "positions.h"

namespace zelvo {
namespace {

using namespace strategy;

// The hands as card cells, in slot order.
struct Hands {
    std::vector<int> pc, h;
};

bool computerTakes(int p, int h, char trump, bool computerLeads) {
    const char sp = cards::suitOf(p), sh = cards::suitOf(h);
    return sp == sh ? cards::valueOf(p) > cards::valueOf(h) : sp == trump || (sh != trump && computerLeads);
}

// The trick of computer card p and human card h, worth four times its points, signed for the computer.
int trick(int p, int h, char trump, bool computerLeads) {
    const int v = 4 * (cards::pointsOf(cards::valueOf(p)) + cards::pointsOf(cards::valueOf(h)));
    return computerTakes(p, h, trump, computerLeads) ? v : -v;
}

int minimax(const Hands& m, char trump, bool computerLeads);

// The computer plays pc[a] and the human h[b], then both play their best.
int outcome(const Hands& m, size_t a, size_t b, char trump, bool computerLeads) {
    Hands rest = m;
    rest.pc.erase(rest.pc.begin() + a);
    rest.h.erase(rest.h.begin() + b);
    return trick(m.pc[a], m.h[b], trump, computerLeads) +
           minimax(rest, trump, computerTakes(m.pc[a], m.h[b], trump, computerLeads));
}

// The computer leading card a, the human answering best.
int leadValue(const Hands& m, size_t a, char trump) {
    int worst = 10000;
    for (size_t b = 0; b < m.h.size(); ++b) worst = std::min(worst, outcome(m, a, b, trump, true));
    return worst;
}

int minimax(const Hands& m, char trump, bool computerLeads) {
    if (m.pc.empty()) return 0;
    if (computerLeads) {
        int best = -10000;
        for (size_t a = 0; a < m.pc.size(); ++a) best = std::max(best, leadValue(m, a, trump));
        return best;
    }
    int worst = 10000;
    for (size_t b = 0; b < m.h.size(); ++b) {
        int best = -10000;
        for (size_t a = 0; a < m.pc.size(); ++a) best = std::max(best, outcome(m, a, b, trump, false));
        worst = std::min(worst, best);
    }
    return worst;
}

TEST(EndGame, EveryStagePlaysTheMinimaxCardAndBreaksTiesAsDesigned) {
    std::mt19937_64 rng(7);
    // Stock counts from trick 18 (computer leading, then answering) to trick 20.
    const int stocks[] = {0, -1, -2, -3, -4, -5};
    for (int round = 0; round < 6000; ++round) {
        SCOPED_TRACE(testing::Message() << "position " << round);
        const int stock = stocks[round % 6], n = stock >= -1 ? 3 : stock >= -3 ? 2 : 1;
        const bool leads = stock % 2 == 0;
        std::vector<int> deck(40), pcSlots{1, 2, 3}, hSlots{4, 5, 6};
        for (int c = 0; c < 40; ++c) deck[c] = c + 1;
        std::shuffle(deck.begin(), deck.end(), rng);
        std::shuffle(pcSlots.begin(), pcSlots.end(), rng);
        std::shuffle(hSlots.begin(), hSlots.end(), rng);
        pcSlots.resize(n);
        hSlots.resize(n);
        std::sort(pcSlots.begin(), pcSlots.end());
        std::sort(hSlots.begin(), hSlots.end());
        Position p;
        p.trump = cards::SUITS[round / 6 % 4];
        p.stock = stock;
        p.computerLeads = leads;
        Hands m;
        for (int k = 0; k < n; ++k) {
            m.pc.push_back(p.slot[pcSlots[k]] = deck[k]);
            m.h.push_back(p.slot[hSlots[k]] = deck[n + k]);
        }
        const size_t led = leads ? 0 : rng() % n;
        if (!leads) p.humanSlot = hSlots[led];
        std::vector<int> value(n);
        for (int a = 0; a < n; ++a) value[a] = leads ? leadValue(m, a, p.trump) : outcome(m, a, led, p.trump, false);
        const int best = *std::max_element(value.begin(), value.end());
        // Equal cards: at trick 18 the first drawn of the best; later always the lowest slot.
        const int first = round % 3 + 1;
        test::ScriptedPick pick{first, first % 3 + 1, (first + 1) % 3 + 1};
        const Decision d = decide(p, pick);
        int expected = 0;
        if (n == 3) {
            for (int k : {first, first % 3 + 1, (first + 1) % 3 + 1})
                if (!expected && value[k - 1] == best) expected = k;
        } else {
            for (int a = 0; a < n; ++a)
                if (!expected && value[a] == best) expected = pcSlots[a];
        }
        ASSERT_EQ(d.slot, expected);
        if (n < 3) continue;
        ASSERT_EQ(d.end->best, best);
        for (int i = 1; i <= 3; ++i) {
            ASSERT_EQ(d.end->worst[i], value[i - 1]) << i;
            ASSERT_EQ(d.end->candidate[i], value[i - 1] == best) << i;
        }
        for (int f = 1; f <= 9; ++f) {
            const int i = leads ? (f - 1) / 3 : f - 1, j = leads ? (f - 1) % 3 : static_cast<int>(led);
            if (leads || f <= 3) ASSERT_EQ(d.end->firstLevel[f], trick(m.pc[i], m.h[j], p.trump, leads)) << f;
            else ASSERT_FALSE(d.end->firstLevel[f]) << f;
        }
    }
}

}  // namespace
}  // namespace zelvo
