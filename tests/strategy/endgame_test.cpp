// The end game: the searches of the last three tricks checked against a plain
// minimax written here, the first-trick values, the line table, and the ties.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "positions.h"
#include "strategy/endgame/endgame.h"

namespace zelvo {
namespace {

using test::position;
using namespace strategy;

// ---- an independent minimax over the same cards

struct Hands {
    std::vector<int> pc, h;  // cell numbers
};

bool computerTakes(int p, int h, char trump, bool computerLeads) {
    const char sp = cards::suitOf(p), sh = cards::suitOf(h);
    const int vp = cards::valueOf(p), vh = cards::valueOf(h);
    if (sp == trump && sh == trump) return vp > vh;
    if (sp == trump) return true;
    if (sh == trump) return false;
    if (sp == sh) return vp > vh;
    return computerLeads;
}

int minimax(const Hands& m, char trump, bool computerLeads);

// The computer plays pc[a] and the human h[b]: the trick's value to the computer, then best play.
int outcome(const Hands& m, size_t a, size_t b, char trump, bool computerLeads) {
    const bool pcTakes = computerTakes(m.pc[a], m.h[b], trump, computerLeads);
    const int v = 4 * (cards::pointsOf(cards::valueOf(m.pc[a])) + cards::pointsOf(cards::valueOf(m.h[b])));
    Hands r = m;
    r.pc.erase(r.pc.begin() + a);
    r.h.erase(r.h.begin() + b);
    return (pcTakes ? v : -v) + minimax(r, trump, pcTakes);
}

// The value of the computer leading card `a`, the human answering best.
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

struct Dealer {
    std::mt19937_64 rng;
    explicit Dealer(uint64_t s) : rng(s) {}
    std::vector<int> cards(int n) {
        std::vector<int> all(40);
        for (int c = 0; c < 40; ++c) all[c] = c + 1;
        std::shuffle(all.begin(), all.end(), rng);
        all.resize(n);
        return all;
    }
    char trump() { return cards::SUITS[std::uniform_int_distribution<int>(0, 3)(rng)]; }
};

Position fromCells(char trump, const std::vector<int>& c, int stock, int humanSlot = 0) {
    Position p;
    p.trump = trump;
    for (int k = 0; k < 6; ++k) p.slot[k + 1] = c[k];
    p.stock = stock;
    p.computerLeads = humanSlot == 0;
    p.humanSlot = humanSlot;
    return p;
}

TEST(CrossCheck, TrickEighteenLeadPromisesTheMinimax) {
    Dealer dealer(7);
    for (int round = 0; round < 1500; ++round) {
        const auto c = dealer.cards(6);
        const char t = dealer.trump();
        const Hands m{{c[0], c[1], c[2]}, {c[3], c[4], c[5]}};
        test::ScriptedPick pick{1, 2, 3};
        const Decision d = decide(fromCells(t, c, 0), pick);
        const int expected = minimax(m, t, true);
        ASSERT_EQ(d.end->best, expected) << "position " << round;
        ASSERT_EQ(leadValue(m, d.slot - 1, t), expected) << "position " << round;
        for (int i = 1; i <= 3; ++i) {
            ASSERT_EQ(d.end->worst[i], leadValue(m, i - 1, t));
            ASSERT_EQ(d.end->candidate[i], leadValue(m, i - 1, t) == expected);
        }
    }
}

TEST(CrossCheck, TrickEighteenAnswerPromisesTheMinimax) {
    Dealer dealer(11);
    for (int round = 0; round < 1500; ++round) {
        const auto c = dealer.cards(6);
        const char t = dealer.trump();
        const int humanSlot = 4 + round % 3;
        const Hands m{{c[0], c[1], c[2]}, {c[3], c[4], c[5]}};
        test::ScriptedPick pick{1, 2, 3};
        const Decision d = decide(fromCells(t, c, -1, humanSlot), pick);
        int expected = -10000;
        for (size_t a = 0; a < 3; ++a) expected = std::max(expected, outcome(m, a, humanSlot - 4, t, false));
        ASSERT_EQ(d.end->best, expected) << "position " << round;
        ASSERT_EQ(outcome(m, d.slot - 1, humanSlot - 4, t, false), expected) << "position " << round;
    }
}

TEST(CrossCheck, TrickNineteenLeadAndAnswer) {
    Dealer dealer(13);
    for (int round = 0; round < 3000; ++round) {
        const auto c = dealer.cards(4);
        const char t = dealer.trump();
        // Two cards in each hand, in two of the three slots.
        const int emptyPC = round % 3, emptyH = (round / 3) % 3;
        Position p;
        p.trump = t;
        for (int k = 0, n = 0; k < 3; ++k)
            if (k != emptyPC) p.slot[1 + k] = c[n++];
        for (int k = 0, n = 2; k < 3; ++k)
            if (k != emptyH) p.slot[4 + k] = c[n++];
        const Hands m{{c[0], c[1]}, {c[2], c[3]}};
        const int firstPC = emptyPC == 0 ? 2 : 1;  // the slot of m.pc[0]
        test::ScriptedPick pick{1};
        if (round % 2 == 0) {
            p.stock = -2;
            const int slot = decide(p, pick).slot;
            ASSERT_EQ(leadValue(m, slot == firstPC ? 0 : 1, t), minimax(m, t, true)) << "position " << round;
        } else {
            const int led = round % 4 < 2 ? 0 : 1;
            std::vector<int> humanSlots;
            for (int k = 0; k < 3; ++k)
                if (k != emptyH) humanSlots.push_back(k + 4);
            p.stock = -3;
            p.computerLeads = false;
            p.humanSlot = humanSlots[led];
            const int slot = decide(p, pick).slot;
            const int expected = std::max(outcome(m, 0, led, t, false), outcome(m, 1, led, t, false));
            ASSERT_EQ(outcome(m, slot == firstPC ? 0 : 1, led, t, false), expected) << "position " << round;
        }
    }
}

TEST(FirstLevel, SignedValuesOfTheFirstTrick) {
    // Trump b. PC: 4b, 7c, Ad; human: Rb, 2b, 3d.
    test::ScriptedPick pick{1, 2, 3};
    const Decision lead = decide(position('b', {"4b", "7c", "Ad"}, {"Rb", "2b", "3d"}, 0), pick);
    const int expected[10] = {0, -16, 0, 40, -16, 0, 40, -60, -44, 84};
    for (int n = 1; n <= 9; ++n) EXPECT_EQ(lead.end->firstLevel[n], expected[n]) << n;
    // The human leads 7s: a plain card of another suit loses, even an Asso.
    const Decision answer = decide(position('b', {"Ad", "Fs", "2c"}, {"Rb", "7s", "3d"}, -1, 5), pick);
    EXPECT_EQ(answer.end->firstLevel[1], -44);
    EXPECT_EQ(answer.end->firstLevel[2], 8);
    EXPECT_EQ(answer.end->firstLevel[3], 0);
    EXPECT_FALSE(answer.end->firstLevel[4]);
}

TEST(EndGameTies, EqualWorstCasesDrawAtRandomAndThePenultimateGoesToTheLowerSlot) {
    // No points anywhere: every card is as good, the pick decides, drawing until it names a candidate.
    const Position flat = position('b', {"2d", "4d", "5s"}, {"6c", "7c", "2s"}, 0);
    for (int k = 1; k <= 3; ++k) {
        test::ScriptedPick pick{k};
        EXPECT_EQ(decide(flat, pick).slot, k);
    }
    // A draw outside the candidates is drawn again.
    const Position one = position('b', {"4c", "Ab", "2d"}, {"6c", "7c", "Ad"}, 0);
    test::ScriptedPick pick{2, 3, 1};
    EXPECT_EQ(decide(one, pick).slot, 1);
    EXPECT_EQ(pick.drawn(), 3u);
    test::ScriptedPick none{1};
    EXPECT_EQ(decide(position('b', {"", "2d", "4d"}, {"6c", "", "7c"}, -2), none).slot, 2);
    EXPECT_EQ(decide(position('b', {"2d", "", "4d"}, {"6c", "", "7c"}, -3, 4), none).slot, 1);
}

TEST(Penultimate, ADifferentPlainSuitGivesTheLeadToTheLeader) {
    // The human leads 7s; both answers lose it and the human leads the last trick:
    // 2c then Ad over 3d (+84), or Ad then 2c under 3d (-44 - 40).
    test::ScriptedPick pick{1};
    const Decision d = decide(position('b', {"2c", "Ad", ""}, {"7s", "3d", ""}, -3, 4), pick);
    EXPECT_EQ(d.end->lines[25], 84);
    EXPECT_EQ(d.end->lines[26], -84);
    EXPECT_EQ(d.slot, 1);
}

TEST(LastTrick, TheOnlyCardGoes) {
    test::ScriptedPick pick{1};
    EXPECT_EQ(decide(position('b', {"", "", "Rb"}, {"2s", "", ""}, -4), pick).slot, 3);
    EXPECT_EQ(decide(position('b', {"", "Rb", ""}, {"2s", "", ""}, -5, 4), pick).slot, 2);
}

}  // namespace
}  // namespace zelvo
