// The end game, checked against a plain minimax written here: from the
// third-to-last trick to the last, the card played, what each card is sure of,
// and how ties are broken.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
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

int minimax(const Hands& m, char trump, bool computerLeads) {
    if (m.pc.empty()) return 0;
    // The leader picks its card, then the other side its best answer to it.
    int outer = computerLeads ? -10000 : 10000;
    for (size_t x = 0; x < m.pc.size(); ++x) {
        int inner = computerLeads ? 10000 : -10000;
        for (size_t y = 0; y < m.pc.size(); ++y) {
            const int v = computerLeads ? outcome(m, x, y, trump, true) : outcome(m, y, x, trump, false);
            inner = computerLeads ? std::min(inner, v) : std::max(inner, v);
        }
        outer = computerLeads ? std::max(outer, inner) : std::min(outer, inner);
    }
    return outer;
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
        std::iota(deck.begin(), deck.end(), 1);
        for (auto* v : {&deck, &pcSlots, &hSlots}) std::shuffle(v->begin(), v->end(), rng);
        pcSlots.resize(n);  // n of each hand's three slots, in order
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
        // What each card is sure of: the human answering best, or against the card led.
        std::vector<int> value(n, 10000);
        for (int a = 0; a < n; ++a)
            for (int b = 0; b < n; ++b)
                if (leads || b == static_cast<int>(led)) value[a] = std::min(value[a], outcome(m, a, b, p.trump, leads));
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
        if (n == 2) {  // the lines shown: each first trick and the last after it, or each card's total
            for (int a = 0; a < 2; ++a)
                for (int b = 0; b < 2; ++b)
                    if (leads) {
                        ASSERT_EQ(d.end->lines[1 + 2 * a + b], trick(m.pc[a], m.h[b], p.trump, true));
                        ASSERT_EQ(*d.end->lines[1 + 2 * a + b] + *d.end->lines[13 + 2 * a + b], outcome(m, a, b, p.trump, true));
                    } else if (b == int(led)) {
                        ASSERT_EQ(d.end->lines[25 + a], outcome(m, a, b, p.trump, false));
                    }
        }
        if (n < 3) continue;
        ASSERT_EQ(d.end->best, best);
        for (int i = 1; i <= 3; ++i) {
            ASSERT_EQ(d.end->worst[i], value[i - 1]) << i;
            ASSERT_EQ(d.end->candidate[i], value[i - 1] == best) << i;
        }
    }
}

}  // namespace
}  // namespace zelvo
