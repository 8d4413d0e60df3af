// The third-to-last trick: every line of the last three tricks is played out
// and valued, then each side picks what is best for it, trick by trick.
#include "rules/rules.h"
#include "strategy/endgame/endgame.h"

namespace zelvo::strategy::endgame {

namespace {

// The slots of the second and last trick of line `line` (1..36), which continues
// the first trick of computer slot i and human slot j; `computerLeadsSecond`: the
// computer won the first trick and leads the second. {A, B, C, D}: the computer's
// and the human's card of the second trick, then of the last.
constexpr std::array<int, 4> lineSlots(int line, int i, int j, bool computerLeadsSecond) {
    const int r = (line - 1) % 4;
    int pc[2] = {}, h[2] = {}, np = 0, nh = 0;
    for (int k = 1; k <= 3; ++k)
        if (k != i) pc[np++] = k;
    for (int k = 4; k <= 6; ++k)
        if (k != j) h[nh++] = k;
    // The four lines of an entry pair up on the card that opens the second trick.
    constexpr int PC_LEADS[4][2] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}};
    constexpr int H_LEADS[4][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    const int(&t)[2] = computerLeadsSecond ? PC_LEADS[r] : H_LEADS[r];
    return {pc[t[0]], h[t[1]], pc[1 - t[0]], h[1 - t[1]]};
}

// lineSlots for every computer slot, human slot, line of the entry and opener of
// the second trick, worked out once when the program is built.
using LineTable = std::array<std::array<std::array<std::array<std::array<int, 4>, 2>, 4>, 3>, 3>;
constexpr LineTable LINES = [] {
    LineTable t{};
    for (int i = 1; i <= 3; ++i)
        for (int j = 4; j <= 6; ++j)
            for (int r = 0; r < 4; ++r)
                for (int lead = 0; lead < 2; ++lead) t[i - 1][j - 4][r][lead] = lineSlots(r + 1, i, j, lead);
    return t;
}();

}  // namespace

int thirdLast(const Position& p, EndReasoning& r, RandomPick& pick) {
    const bool answering = !p.computerLeads;
    if (answering && (p.humanSlot < 4 || p.humanSlot > 6)) return p.standingChoice;
    // Every trick the lines can hold is one of the nine pairings, led by either
    // side: each is valued once, not once a line.
    struct Trick {
        int value;
        bool humanTakes;
    };
    Trick tricks[4][7][2] = {};
    for (int i = 1; i <= 3; ++i)
        for (int j = 4; j <= 6; ++j)
            for (int lead = 0; lead < 2; ++lead)
                tricks[i][j][lead] = {rules::signedTrickValue(p.slot[i], p.slot[j], lead, p.trump),
                                      !rules::computerTakes(p.slot[i], p.slot[j], lead, p.trump)};
    auto value = [&](int pcSlot, int hSlot, bool computerLeads, bool& humanTakes) {
        const Trick& t = tricks[pcSlot][hSlot][computerLeads];
        humanTakes = t.humanTakes;
        return t.value;
    };

    // The first trick: every pairing (or every answer to the human's card).
    std::array<bool, 10> firstToHuman{};
    const int entries = answering ? 3 : 9;
    for (int f = 1; f <= entries; ++f) {
        const int i = answering ? f : (f - 1) / 3 + 1, j = answering ? p.humanSlot : (f - 1) % 3 + 4;
        r.firstLevel[f] = value(i, j, !answering, firstToHuman[f]);
    }

    // 1. Every line played out: first trick + second + last.
    const int lines = 4 * entries;
    std::array<int, 37> line{};
    for (int m = 1; m <= lines; ++m) {
        const int f = (m - 1) / 4 + 1;
        const int i = answering ? f : (f - 1) / 3 + 1, j = answering ? p.humanSlot : (f - 1) % 3 + 4;
        const auto [a, b, c, d] = LINES[i - 1][j - 4][(m - 1) % 4][!firstToHuman[f]];
        bool secondToHuman, lastToHuman;
        const int second = value(a, b, !firstToHuman[f], secondToHuman);
        const int last = value(c, d, !secondToHuman, lastToHuman);
        line[m] = *r.firstLevel[f] + last + second;
        r.lines[m] = line[m];
    }

    // 2. The answer in the second trick: the answering side picks its better line
    //    (on equal lines, the later one).
    enum class Mark { None, Answer, Lead };
    std::array<Mark, 37> mark{};
    for (int k = 1; k < lines; k += 2) {
        const int f = (k - 1) / 4 + 1;
        const int x = line[k], y = line[k + 1];
        const int chosen = !firstToHuman[f] ? (x >= y ? k + 1 : k)   // the human answers
                                            : (x <= y ? k + 1 : k);  // the computer answers
        mark[chosen] = Mark::Answer;
    }
    // 3. The lead in the second trick, between the two answered leads.
    for (int f = 1; f <= lines / 4; ++f) {
        int b1 = 0, chosen = 0;
        for (int m = 4 * f - 3; m <= 4 * f; ++m) {
            if (mark[m] != Mark::Answer) continue;
            if (!b1) {
                b1 = m;
                continue;
            }
            const int b2 = m;
            if (!firstToHuman[f]) chosen = line[b2] < line[b1] ? b1 : b2;
            else chosen = line[b2] > line[b1] ? b1 : b2;
            mark[chosen] = Mark::Lead;
            break;
        }
        if (answering && chosen) r.worst[f] = line[chosen];
    }
    // 4. The human's answer in the first trick: the least the computer is sure of.
    if (!answering) {
        for (int i = 1; i <= 3; ++i)
            for (int m = 12 * (i - 1) + 1; m <= 12 * i; ++m)
                if (mark[m] == Mark::Lead && line[m] < r.worst[i]) r.worst[i] = line[m];
    }

    // 5-7. The best of the three worst cases, and one of the cards that reach it at random.
    const auto& w = r.worst;
    int best = w[1] < w[2] ? w[2] : w[1];
    if (w[3] >= best) best = w[3];
    r.best = best;
    bool any = false;
    for (int i = 1; i <= 3; ++i) any |= r.candidate[i] = w[i] == best;
    if (!any) return p.standingChoice;
    for (;;) {
        const int k = pick.NumeroCasuale(3);
        if (k >= 1 && k <= 3 && r.candidate[k]) return k;
    }
}

}  // namespace zelvo::strategy::endgame
