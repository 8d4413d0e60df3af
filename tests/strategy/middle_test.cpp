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
    const char sx = cards::suitOf(x), sy = cards::suitOf(y);
    const bool yTakes = (sy == trump && sx != trump) || (sy == sx && cards::valueOf(y) > cards::valueOf(x));
    const int p = x == y ? 0 : cards::pointsOf(cards::valueOf(x)) + cards::pointsOf(cards::valueOf(y));
    return yTakes ? -p : p;
}

TEST(VirtualTricks, FollowTheTrickRuleAndIgnoreTheTrumpUntilItIsMarked) {
    for (char trump : cards::SUITS)
        for (int x = 1; x <= 40; ++x)
            for (int y = 1; y <= 40; ++y)
                ASSERT_EQ(middle::virtualTrick(x, y, trump, true), byTheRule(x, y, trump))
                    << cards::codeOf(x) << " against " << cards::codeOf(y) << " trump " << trump;
    // Unmarked (trump b): a trump leading takes even a stronger trump, a plain card beats a trump.
    const std::tuple<const char*, const char*, int> unmarked[] = {
        {"Ab", "3b", 21}, {"2b", "Ab", 11}, {"Ad", "2b", 11}, {"Fd", "Rd", -6}, {"Fd", "As", 13}};
    for (auto [x, y, expected] : unmarked)
        EXPECT_EQ(middle::virtualTrick(cards::cellOf(x), cards::cellOf(y), 'b', false), expected) << x << y;
}

// The average of the virtual tricks against the unplayed cards outside the card's own hand.
float average(const Position& p, int k) {
    float sum = 0;
    for (int c = 1; c <= 40; ++c) {
        bool ownHand = false;
        for (int t = k <= 3 ? 1 : 4, end = t + 3; t < end; ++t) ownHand |= p.slot[t] == c;
        if (!ownHand && !p.played[c]) sum += static_cast<float>(byTheRule(p.slot[k], c, p.trump));
    }
    return Single::of(sum / static_cast<float>(p.stock + 3)).value();
}

TEST(Potential, AverageOverUnseenCardsAndTheLowerTheTrumpTheLargerItsFactor) {
    for (int stock : {0, 10, 34}) {
        const Position p = position('b', {"Ad", "7c", "Rs"}, {"2s", "3d", "Fc"}, stock, 0, {"As", "3s", "Cd", "2b"});
        for (int k = 1; k <= 6; ++k) EXPECT_EQ(middle::evaluate(p).potential[k].value(), average(p, k)) << stock << k;
    }
    // From Asso down to Fante each trump multiplies its average by more; the 7 and the 2 by nothing.
    float factor = 1.0f;
    for (const char* card : {"Ab", "3b", "Rb", "Cb", "Fb", "7b", "2b"}) {
        const Position p = position('b', {"7c", card, "Rs"}, {"2s", "3d", "Fc"}, 16);
        const float ratio = middle::evaluate(p).potential[2].value() / average(p, 2);
        if (card[0] == '7' || card[0] == '2') EXPECT_EQ(ratio, 1.0f) << card;
        else EXPECT_GT(ratio, factor) << card;
        factor = ratio;
    }
}

TEST(Pairings, WinnerTotalsAndConvenienceWhenLeadingAndAnswering) {
    Position p = position('b', {"Ad", "7c", "Rb"}, {"2s", "3d", "Fb"}, 20);
    p.pointsPC = 30, p.pointsH = 40;
    const MiddleReasoning r = middle::evaluate(p);
    // Pairing 3(i-1) + (j-3): Ad, 7c, Rb against 2s, 3d, Fb; another plain suit goes to the leader.
    const int totals[10] = {0, 41, 51, -53, 30, 40, -42, 34, 44, 36};  // negative: the human takes it
    for (int n = 1; n <= 9; ++n) {
        EXPECT_EQ(r.humanTakes[n], totals[n] < 0) << n;
        EXPECT_EQ(r.totals[n], std::abs(totals[n])) << n;
    }
    auto pot = [&](const MiddleReasoning& x, int k) { return x.potential[k].value(); };
    EXPECT_EQ(r.convenience[2], Single::of(21.0f - pot(r, 1) + 10.0f));        // Ad takes 3d
    EXPECT_EQ(r.convenience[3], Single::of(-(13.0f - pot(r, 6) + 11.0f)));     // Fb (trump) takes Ad
    EXPECT_EQ(r.convenience[9], Single::of(6.0f - pot(r, 3) + middle::trumpWorth(8, false)));  // Rb takes Fb
    // A taken trump is worth the average of its virtual tricks against the 39 other cards.
    for (int x = cards::cellOf("2b"); x <= cards::cellOf("Ab"); ++x) {
        int sum = 0;
        for (int c = 1; c <= 40; ++c) sum += byTheRule(x, c, 'b');
        EXPECT_EQ(singleText(middle::trumpWorth(cards::valueOf(x), false)), singleText(sum / 39.0f)) << cards::codeOf(x);
    }
    // Answering the human's 3d: the same suit, a trump, another suit (lost: the human led).
    p.computerLeads = false, p.humanSlot = 5;
    p.slot[2] = cards::cellOf("7b"), p.slot[3] = cards::cellOf("Rs");
    const MiddleReasoning a = middle::evaluate(p);
    const int answers[4] = {0, 51, 40, -54};
    for (int n = 1; n <= 3; ++n) EXPECT_TRUE(a.totals[n] == std::abs(answers[n]) && a.humanTakes[n] == (answers[n] < 0)) << n;
    for (int n = 4; n <= 9; ++n) EXPECT_TRUE(a.convenience[n].empty() && !a.totals[n]) << n;
    // The computer's plain trump lost to a higher trump counts half a point.
    p.humanSlot = 6, p.slot[6] = cards::cellOf("Ab");
    const MiddleReasoning b = middle::evaluate(p);
    EXPECT_EQ(b.convenience[2], Single::of(-(11.0f - pot(b, 6) + 0.5f)));
}

MiddleReasoning withConveniences(const std::vector<float>& values) {
    MiddleReasoning r;
    for (size_t n = 0; n < values.size(); ++n) r.convenience[n + 1] = Single::of(values[n]);
    return r;
}

TEST(AnswerChain, ChoosesTheSlot) {
    struct Case {
        const char* name;
        std::array<const char*, 3> pc, h;  // the human led slot 4; trump b
        std::vector<float> conv;
        int expected;
    };
    const Case cases[] = {
        {"one best", {"2d", "7b", "4c"}, {"5s", "6s", "3d"}, {1, 5, 2}, 2},
        {"best equal by text only", {"2d", "7b", "4c"}, {"5s", "6s", "3d"}, {1.0f / 3.0f, 0.33333334f, 0.2f}, 1},
        {"one trump one plain tie: the plain", {"2d", "7b", "4c"}, {"5s", "6s", "3d"}, {2.5f, 4, 4}, 3},
        {"two trumps tie, later weaker", {"Fb", "2d", "4b"}, {"5s", "6s", "3d"}, {4, 1, 4}, 3},
        {"plain tie: a stronger human card of the suit", {"5c", "6s", "2d"}, {"7d", "Rc", "4s"}, {3, 3, 1}, 1},
        {"plain tie: nothing to weigh, the weakest", {"Fs", "5c", "2d"}, {"7d", "Rb", "4b"}, {3, 3, 1}, 2},
        {"plain tie: nothing to weigh, equal strength, the first", {"5c", "5s", "2d"}, {"7d", "Rb", "4b"}, {3, 3, 1}, 1},
        {"plain tie: all beat a card, the smallest", {"Fs", "Cc", "2d"}, {"7d", "4s", "5c"}, {3, 3, 1}, 1},
        {"plain tie of three: the last with nothing to weigh", {"5s", "Fc", "Rd"}, {"7b", "4s", "2b"}, {3, 3, 3}, 3},
        {"the mark from the last card, the value the smallest", {"Fs", "Cc", "2d"}, {"7d", "3s", "4s"}, {3, 3, 1}, 2},
        {"the smallest losing value", {"Fs", "Cc", "2d"}, {"7d", "4s", "3s"}, {3, 3, 1}, 1},
        {"two losing: the most negative", {"5c", "6s", "2d"}, {"7d", "Rc", "Fs"}, {3, 3, 1}, 1},
        {"a trump beside two beating plains: the weakest best", {"Fs", "Cc", "2b"}, {"7d", "4s", "5c"}, {3, 3, 3}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MiddleReasoning r = withConveniences(c.conv);
        EXPECT_EQ(middle::chooseAnswer(position('b', c.pc, c.h, 20, 4), r), c.expected);
    }
}

TEST(LeadChain, ChoosesTheCardWhoseWorstReplyIsBest) {
    struct Case {
        const char* name;
        std::array<const char*, 3> pc;
        std::vector<float> conv;
        int expected;
    };
    const Case cases[] = {
        {"best worst reply", {"Ad", "4c", "Rs"}, {5, 2, 8, 3, 4, 9, 7, 7, 6}, 3},
        {"equal worst, better second-worst", {"Ad", "4c", "Rs"}, {2, 9, 3, 2, 4, 8, 0, 8, 8}, 2},
        {"equal worst and second, better best", {"Ad", "4c", "Rs"}, {2, 3, 9, 2, 3, 7, -1, 9, 9}, 1},
        {"equal worst and second: only the tied cards' best replies", {"Ad", "4c", "Rs"}, {2, 3, 5, 2, 3, 4, 9, 0, 1}, 1},
        {"equal worst and second, the best reply of the last", {"Ad", "Rs", "4c"}, {2, 3, 9, 2, 3, 9, 2, 10, 3}, 3},
        {"all equal, weakest last", {"Ad", "Rs", "4c"}, {2, 3, 9, 2, 3, 9, 2, 3, 9}, 3},
        {"all equal, equal strength: the first", {"Rs", "4d", "4c"}, {2, 3, 9, 2, 3, 9, 2, 3, 9}, 2},
        {"a second-worst reply is read from its own card only", {"Ad", "4c", "Rs"}, {2, 6, 9, 2, 4, 9, 7, -5, 9}, 1},
        {"an early tie then a better worst", {"Ad", "4c", "Rs"}, {2, 6, 6, 2, 7, 7, 5, 5, 9}, 3},
        {"ties inside a group keep the first", {"Ad", "4c", "Rs"}, {2, 2, 9, 2, 2, 8, 0, 1, 1}, 1},
        {"negative conveniences", {"Ad", "4c", "Rs"}, {-3, -1, -2, -5, 0, 1, -4, -4, 2}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(middle::chooseLead(position('b', c.pc, {"5s", "6s", "3d"}, 20), withConveniences(c.conv)),
                  c.expected);
    }
}

TEST(Filter60, TakesTheWinningTrickAndAvoidsTheHumansWin) {
    struct Case {
        const char* name;
        bool leading;
        int choice;
        std::vector<int> totals;  // the winner's score, negative when the human takes the trick
        int expected;
        bool fires;
    };
    const Case cases[] = {
        {"take the first winning trick", false, 1, {40, 62, 61}, 2, true},
        {"take the winning trick, the last", false, 1, {40, 41, 62}, 3, true},
        {"the choice wins already", false, 3, {40, 62, 61}, 3, true},
        {"exactly 60 is not a win", false, 1, {40, 60, -30}, 1, false},
        // Over 60 whoever takes it: the filter fires, and the losing answer is still replaced.
        {"avoid the human's win: the last free slot", false, 1, {-65, 40, 30}, 3, true},
        {"avoid it, only the middle free", false, 3, {-65, 40, -61}, 2, true},
        {"a safe choice beside a danger", false, 2, {-65, 40, 30}, 2, false},
        {"all three lose: give up", false, 2, {-61, -62, -70}, 2, true},
        {"the human at 60 exactly is no danger", false, 1, {-60, 40, 30}, 1, false},
        {"lead: nothing near 60", true, 2, {40, 41, -30, 40, 41, 42, 30, 30, 30}, 2, false},
        {"lead: forbidden, the first free card", true, 2, {40, 41, 42, 40, -61, 42, 30, 30, 30}, 1, false},
        {"lead: the first two forbidden", true, 1, {-70, 41, 42, 40, -61, 42, 30, 30, 30}, 3, false},
        {"lead: the last forbidden, the first free card", true, 3, {40, 41, 42, 40, 41, 42, 30, -61, 30}, 1, false},
        {"lead: all forbidden, the choice stays", true, 2, {-70, 41, 42, 40, -61, 42, -61, 30, 30}, 2, true},
        {"lead: a sure win", true, 1, {40, 41, 42, 61, 62, 63, 30, 30, 30}, 2, true},
        {"lead: two sure wins, the later", true, 1, {40, 41, 42, 61, 62, 63, 64, 65, 66}, 3, true},
        {"lead: not sure when one reply loses", true, 1, {40, 41, 42, 61, -62, 63, 30, 30, 30}, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MiddleReasoning r;
        for (size_t n = 0; n < c.totals.size(); ++n) {
            r.totals[n + 1] = std::abs(c.totals[n]);
            r.humanTakes[n + 1] = c.totals[n] < 0;
        }
        int choice = c.choice;
        bool fired = false;
        if (c.leading) middle::Filtro60PuntiIniziaPC(r, choice, fired);
        else middle::Filtro60PuntiRispondePC(r, choice, fired);
        EXPECT_EQ(choice, c.expected);
        EXPECT_EQ(fired, c.fires);
        EXPECT_EQ(r.beforeFilter, c.leading ? c.choice : 0);
    }
}

TEST(Filter60, OnceFiredItNoLongerRuns) {
    // Every answer lets the human pass 60: the filter fires; with the flag already up it is not asked.
    Position p = position('b', {"2d", "4c", "5s"}, {"Ad", "6s", "7c"}, 10, 4);
    p.pointsH = 55;
    test::ScriptedPick pick{1};
    const Decision fresh = decide(p, pick);
    p.filter60 = true;
    const Decision fired = decide(p, pick);
    EXPECT_TRUE(fresh.filter60 && fired.filter60 && fresh.middle->letsHumanPass60[2]);
    EXPECT_FALSE(fired.middle->letsHumanPass60[2]);
}

}  // namespace
}  // namespace zelvo
