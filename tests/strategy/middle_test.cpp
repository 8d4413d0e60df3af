// The middle game: virtual tricks, the potential, the pairings, the choice
// chains of the answer and of the lead, and the 60-point filters.
#include <gtest/gtest.h>

#include <vector>

#include "positions.h"
#include "strategy/middle/middle.h"

namespace zelvo {
namespace {

using test::position;
using namespace strategy;

// The virtual trick by the plain trick rule, written here independently: x leads, y answers.
int byTheRule(int x, int y, char trump) {
    if (x == y) return 0;
    const char sx = cards::suitOf(x), sy = cards::suitOf(y);
    const bool yTakes = (sy == trump && sx != trump) || (sy == sx && cards::valueOf(y) > cards::valueOf(x));
    const int p = cards::pointsOf(cards::valueOf(x)) + cards::pointsOf(cards::valueOf(y));
    return yTakes ? -p : p;
}

TEST(VirtualTricks, FollowTheTrickRuleOnceTheTrumpIsMarked) {
    for (char trump : {'d', 's', 'c', 'b'})
        for (int x = 1; x <= 40; ++x)
            for (int y = 1; y <= 40; ++y)
                ASSERT_EQ(middle::virtualTrick(x, y, trump, true), byTheRule(x, y, trump))
                    << cards::codeOf(x) << " against " << cards::codeOf(y) << " trump " << trump;
}

TEST(VirtualTricks, BeforeTheTrumpIsMarkedNoUnseenCardIsTrumpAndATrumpLeaderTakesAll) {
    struct Case {
        const char *x, *y;
        int expected;
    };
    const Case cases[] = {{"Ab", "3b", 21},   // a trump leading beats even a stronger trump
                          {"2b", "Ab", 11},   {"Ad", "2b", 11},   // a plain card beats an unmarked trump
                          {"Fd", "Rd", -6},   // the led suit still counts
                          {"Fd", "As", 13}};
    for (const Case& c : cases)
        EXPECT_EQ(middle::virtualTrick(cards::cellOf(c.x), cards::cellOf(c.y), 'b', false), c.expected)
            << c.x << " " << c.y;
}

// The potential recomputed here: unplayed cells outside the card's own hand, divided by stock + 3.
float expectedPotential(const Position& p, int k) {
    float sum = 0;
    for (int c = 1; c <= 40; ++c) {
        bool ownHand = false;
        for (int t = k <= 3 ? 1 : 4, end = t + 3; t < end; ++t) ownHand |= p.slot[t] == c;
        if (!ownHand && !p.played[c]) sum += static_cast<float>(byTheRule(p.slot[k], c, p.trump));
    }
    return Single::of(sum / static_cast<float>(p.stock + 3)).value();
}

TEST(Potential, AverageOverUnseenCardsTimesTheTrumpFactor) {
    for (int stock : {2, 10, 34}) {
        const Position p = position('b', {"Ad", "7c", "Rs"}, {"2s", "3d", "Fc"}, stock, 0, {"As", "3s", "Cd", "2b"});
        const MiddleReasoning r = middle::evaluate(p);
        for (int k = 1; k <= 6; ++k) EXPECT_EQ(r.potential[k].value(), expectedPotential(p, k)) << k;
    }
    // The five strongest trumps weigh more than their plain average; the 7 and the 2 do not.
    for (const char* card : {"Ab", "3b", "Rb", "Cb", "Fb", "7b", "2b"}) {
        const Position p = position('b', {card, "7c", "Rs"}, {"2s", "3d", "Fc"}, 16);
        const float plain = expectedPotential(p, 1), got = middle::evaluate(p).potential[1].value();
        if (card[0] == '7' || card[0] == '2') EXPECT_EQ(got, plain) << card;
        else EXPECT_GT(got, plain) << card;
    }
}

TEST(Pairings, LeadCaseWinnersTotalsAndConvenience) {
    Position p = position('b', {"Ad", "7c", "Rb"}, {"2s", "3d", "Fb"}, 20);
    p.pointsPC = 30;
    p.pointsH = 40;
    const MiddleReasoning r = middle::evaluate(p);
    // n = 3(i-1) + (j-3): Ad against 2s, 3d, Fb; 7c against them; Rb against them.
    const bool humanTakes[10] = {false, false, false, true, false, false, true, false, false, false};
    const int totals[10] = {0, 41, 51, 53, 30, 40, 42, 34, 44, 36};
    for (int n = 1; n <= 9; ++n) {
        EXPECT_EQ(r.humanTakes[n], humanTakes[n]) << n;
        EXPECT_EQ(r.totals[n], totals[n]) << n;
    }
    auto pot = [&](int k) { return r.potential[k].value(); };
    auto tp = [&](int n) { return r.trickPoints[n].value(); };
    EXPECT_EQ(r.convenience[1], Single::of(tp(1) - pot(1) + 0.0f));        // Ad takes 2s
    EXPECT_EQ(r.convenience[3], Single::of(-(tp(3) - pot(6) + 11.0f)));    // Fb (trump) takes Ad
    EXPECT_EQ(r.convenience[9], Single::of(tp(9) - pot(3) + middle::trumpWorth(8, false)));  // Rb takes Fb
    EXPECT_EQ(r.trickPoints[9].text(), "6");
    // Different plain suits go to the leader.
    const MiddleReasoning low = middle::evaluate(position('b', {"2d", "4d", "5d"}, {"As", "Ac", "3s"}, 20));
    for (int n = 1; n <= 9; ++n) EXPECT_FALSE(low.humanTakes[n]) << n;
}

TEST(Pairings, AnswerCaseUsesTheLedCardAndHalfAPointForAPlainTrump) {
    Position p = position('b', {"Ad", "7b", "Rs"}, {"2s", "3d", "Fb"}, 20, 5);
    p.pointsPC = 30;
    p.pointsH = 40;
    const MiddleReasoning r = middle::evaluate(p);
    EXPECT_EQ(r.totals[1], 51);  // Ad takes 3d: same suit
    EXPECT_EQ(r.totals[2], 40);  // 7b takes it: trump
    EXPECT_EQ(r.totals[3], 54);  // Rs loses: another suit, the human led
    EXPECT_TRUE(r.humanTakes[3]);
    EXPECT_EQ(r.convenience[3], Single::of(-(14.0f - r.potential[5].value() + 4.0f)));
    for (int n = 4; n <= 9; ++n) EXPECT_TRUE(r.convenience[n].empty() && !r.totals[n]) << n;
    // The computer's plain trump taken by a higher trump counts 0.5.
    const MiddleReasoning r2 = middle::evaluate(position('b', {"Ad", "7b", "Rs"}, {"2s", "3d", "Ab"}, 20, 6));
    EXPECT_EQ(r2.convenience[2], Single::of(-(11.0f - r2.potential[6].value() + 0.5f)));
}

MiddleReasoning withConveniences(const std::vector<float>& values) {
    MiddleReasoning r;
    for (size_t n = 0; n < values.size(); ++n) r.convenience[n + 1] = Single::of(values[n]);
    return r;
}

TEST(AnswerChain, ChoosesTheSlot) {
    struct Case {
        const char* name;
        std::array<const char*, 3> pc, h;  // the human led slot 4
        std::vector<float> conv;
        int expected;
    };
    const Case cases[] = {
        {"one best", {"2d", "7b", "4c"}, {"5s", "6s", "3d"}, {1, 5, 2}, 2},
        {"best equal by text only", {"2d", "7b", "4c"}, {"5s", "6s", "3d"}, {1.0f / 3.0f, 0.33333334f, 0.2f}, 1},
        {"one trump one plain tie: the plain", {"2d", "7b", "4c"}, {"5s", "6s", "3d"}, {2.5f, 4, 4}, 3},
        {"two trumps tie: the weaker", {"Cb", "7b", "2d"}, {"5s", "6s", "3d"}, {4, 4, 1}, 2},
        {"two trumps tie, later weaker", {"Fb", "2d", "4b"}, {"5s", "6s", "3d"}, {4, 1, 4}, 3},
        {"plain tie: a stronger human card of the suit", {"5c", "6s", "2d"}, {"7d", "Rc", "4s"}, {3, 3, 1}, 1},
        {"plain tie: nothing to weigh, the weakest", {"Fs", "5c", "2d"}, {"7d", "Rb", "4b"}, {3, 3, 1}, 2},
        {"plain tie: all beat a card, the smallest", {"Fs", "Cc", "2d"}, {"7d", "4s", "5c"}, {3, 3, 1}, 1},
        {"plain tie of three: the last with nothing to weigh", {"Fs", "Cc", "2d"}, {"7b", "4s", "5c"}, {3, 3, 3}, 3},
        {"the mark from the last card, the value the smallest", {"Fs", "Cc", "2d"}, {"7d", "3s", "4s"}, {3, 3, 1}, 2},
        {"the smallest losing value", {"Fs", "Cc", "2d"}, {"7d", "4s", "3s"}, {3, 3, 1}, 1},
        {"two losing: the most negative", {"5c", "6s", "2d"}, {"7d", "Rc", "Fs"}, {3, 3, 1}, 1},
        {"a trump beside two beating plains: the weakest best", {"Fs", "Cc", "2b"}, {"7d", "4s", "5c"}, {3, 3, 3}, 3},
    };
    for (const Case& c : cases) {
        MiddleReasoning r = withConveniences(c.conv);
        EXPECT_EQ(middle::chooseAnswer(position('b', c.pc, c.h, 20, 4), r), c.expected) << c.name;
    }
    // The weights of tied plain answers: negative where a stronger card of the human waits.
    MiddleReasoning r = withConveniences({3, 3, 3});
    EXPECT_EQ(middle::chooseAnswer(position('b', {"5c", "6s", "7b"}, {"7d", "Rc", "4s"}, 20, 4), r), 1);
    EXPECT_EQ(r.additional[1], -21);
    EXPECT_EQ(r.additional[2], 10);
    EXPECT_FALSE(r.additional[3]);
}

TEST(LeadChain, ChoosesTheCardWhoseWorstReplyIsBest) {
    struct Case {
        const char* name;
        std::array<const char*, 3> pc;
        std::vector<float> conv;
        int expected;
    };
    const Case cases[] = {
        {"best worst reply", {"Ad", "4c", "Rs"}, {5, 2, 8, 3, 4, 9, 1, 7, 7}, 2},
        {"equal worst, better second-worst", {"Ad", "4c", "Rs"}, {2, 3, 9, 2, 5, 4, 0, 8, 8}, 2},
        {"equal worst and second, better best", {"Ad", "4c", "Rs"}, {2, 3, 9, 2, 3, 7, -1, 8, 8}, 1},
        {"all equal: the weakest card", {"Ad", "4c", "Rs"}, {2, 3, 9, 9, 2, 3, 3, 9, 2}, 2},
        {"all equal, weakest last", {"Ad", "Rs", "4c"}, {2, 3, 9, 2, 3, 9, 2, 3, 9}, 3},
        {"an early tie then a better worst", {"Ad", "4c", "Rs"}, {2, 6, 6, 2, 7, 7, 5, 5, 9}, 3},
        {"ties inside a group keep the first", {"Ad", "4c", "Rs"}, {2, 2, 9, 2, 2, 8, 0, 1, 1}, 1},
        {"negative conveniences", {"Ad", "4c", "Rs"}, {-3, -1, -2, -5, 0, 1, -4, -4, 2}, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(middle::chooseLead(position('b', c.pc, {"5s", "6s", "3d"}, 20), withConveniences(c.conv)),
                  c.expected)
            << c.name;
}

// Totals of the pairings: negative when the human takes the trick with that score.
MiddleReasoning withTotals(const std::vector<int>& totals) {
    MiddleReasoning r;
    for (size_t n = 0; n < totals.size(); ++n) {
        r.totals[n + 1] = totals[n] < 0 ? -totals[n] : totals[n];
        r.humanTakes[n + 1] = totals[n] < 0;
    }
    return r;
}

struct FilterCase {
    const char* name;
    int choice;
    std::vector<int> totals;
    int expected;
    bool fires;
};

TEST(Filter60, WhenAnswering) {
    const FilterCase cases[] = {
        {"nothing near 60", 2, {40, 41, -30}, 2, false},
        {"take the winning trick", 1, {40, 62, 61}, 2, true},
        {"the choice wins already", 3, {40, 62, 61}, 3, true},
        {"exactly 60 is not a win", 1, {40, 60, -30}, 1, false},
        // The chosen answer's total is over 60, whoever takes it: the filter fires, and the
        // losing answer is still replaced.
        {"avoid the human's win: the last free slot", 1, {-65, 40, 30}, 3, true},
        {"avoid it, only the middle free", 3, {-65, 40, -61}, 2, true},
        {"a safe choice beside a danger", 2, {-65, 40, 30}, 2, false},
        {"all three lose: give up", 2, {-61, -62, -70}, 2, true},
        {"the human at 60 exactly is no danger", 1, {-60, 40, 30}, 1, false},
    };
    for (const FilterCase& c : cases) {
        MiddleReasoning r = withTotals(c.totals);
        int choice = c.choice;
        bool fired = false;
        middle::Filtro60PuntiRispondePC(r, choice, fired);
        EXPECT_EQ(choice, c.expected) << c.name;
        EXPECT_EQ(fired, c.fires) << c.name;
    }
}

TEST(Filter60, WhenLeading) {
    const FilterCase cases[] = {
        {"nothing near 60", 2, {40, 41, -30, 40, 41, 42, 30, 30, 30}, 2, false},
        {"forbidden: the first free card", 2, {40, 41, 42, 40, -61, 42, 30, 30, 30}, 1, false},
        {"the first two forbidden", 1, {-70, 41, 42, 40, -61, 42, 30, 30, 30}, 3, false},
        {"all forbidden: the choice stays", 2, {-70, 41, 42, 40, -61, 42, -61, 30, 30}, 2, true},
        {"a sure win", 1, {40, 41, 42, 61, 62, 63, 30, 30, 30}, 2, true},
        {"two sure wins: the later", 1, {40, 41, 42, 61, 62, 63, 64, 65, 66}, 3, true},
        {"not sure when one reply loses", 1, {40, 41, 42, 61, -62, 63, 30, 30, 30}, 1, false},
    };
    for (const FilterCase& c : cases) {
        MiddleReasoning r = withTotals(c.totals);
        int choice = c.choice;
        bool fired = false;
        middle::Filtro60PuntiIniziaPC(r, choice, fired);
        EXPECT_EQ(choice, c.expected) << c.name;
        EXPECT_EQ(fired, c.fires) << c.name;
        EXPECT_EQ(r.beforeFilter, c.choice) << c.name;
    }
}

TEST(Filter60, OnceFiredItNoLongerRuns) {
    // A position whose answer lets the human pass 60: with the flag already up the choice stands.
    Position p = position('b', {"2d", "4c", "5s"}, {"Ad", "6s", "7c"}, 10, 4);
    p.pointsH = 55;
    test::ScriptedPick pick{1};
    const Decision fresh = decide(p, pick);
    p.filter60 = true;
    const Decision fired = decide(p, pick);
    EXPECT_TRUE(fresh.filter60);
    EXPECT_TRUE(fired.filter60);
    EXPECT_FALSE(fired.middle->letsHumanPass60[1] || fired.middle->letsHumanPass60[2]);
    EXPECT_TRUE(fresh.middle->letsHumanPass60[1] && fresh.middle->letsHumanPass60[2] &&
                fresh.middle->letsHumanPass60[3]);
}

}  // namespace
}  // namespace zelvo
