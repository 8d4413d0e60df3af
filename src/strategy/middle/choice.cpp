// The middle-game choice: the answer of highest convenience with its tie
// chain, the lead whose worst reply is best, and the 60-point filters.
#include "cards/card.h"
#include "strategy/middle/middle.h"

namespace zelvo::strategy::middle {

namespace {
constexpr int SIXTY = 60;
int valueOfSlot(const Position& p, int s) { return p.slot[s] ? cards::valueOf(p.slot[s]) : 0; }
char suitOfSlot(const Position& p, int s) { return p.slot[s] ? cards::suitOf(p.slot[s]) : 0; }
}  // namespace

int chooseAnswer(const Position& p, MiddleReasoning& r) {
    const auto& conv = r.convenience;
    int choice = 0;

    // The highest convenience and how many answers share it (the same text).
    float highest = conv[1].value();
    Single best = conv[1];
    int tied = 1;
    for (int i = 2; i <= 3; ++i) {
        if (conv[i].value() > highest) {
            highest = conv[i].value();
            best = conv[i];
            tied = 1;
        } else if (conv[i] == best) {
            ++tied;
        }
    }
    std::array<bool, 4> isBest{}, isTrump{};
    int bestTrumps = 0;
    for (int i = 1; i <= 3; ++i) isBest[i] = conv[i] == best;
    for (int i = 1; i <= 3; ++i)
        if (suitOfSlot(p, i) == p.trump) {
            isTrump[i] = true;
            if (isBest[i]) ++bestTrumps;
        }
    auto bestPlain = [&](int i) { return isBest[i] && !isTrump[i]; };
    auto weakestOf = [&](auto&& allowed) {
        int limit = 50;
        for (int i = 1; i <= 3; ++i)
            if (allowed(i) && valueOfSlot(p, i) < limit) {
                limit = valueOfSlot(p, i);
                choice = i;
            }
    };

    if (tied == 1) {
        for (int i = 1; i <= 3; ++i)
            if (isBest[i]) choice = i;
    } else if (tied == bestTrumps) {
        // Only trumps tie: spend the weakest.
        weakestOf([&](int i) { return isBest[i]; });
    } else if (tied - bestTrumps == 1) {
        // One tied answer is not a trump: play it.
        for (int i = 1; i <= 3; ++i)
            if (bestPlain(i)) choice = i;
    } else {
        // Several tied plain answers: each weighed by the human's other cards of its
        // suit, positive (green) when the answer beats the card, negative (red) when not.
        enum class Mark { None, Beats, Loses };
        std::array<Mark, 4> mark{};
        for (int i = 1; i <= 3; ++i) {
            if (!bestPlain(i)) continue;
            int least = 100;
            for (int h = 4; h <= 6; ++h) {
                if (h == p.humanSlot || !p.slot[h] || suitOfSlot(p, h) != suitOfSlot(p, i)) continue;
                const bool beats = valueOfSlot(p, i) >= valueOfSlot(p, h);
                const int sum = beats ? valueOfSlot(p, h) + valueOfSlot(p, i) : -(valueOfSlot(p, h) + valueOfSlot(p, i));
                if (sum < least) {
                    least = sum;
                    r.additional[i] = sum;
                }
                mark[i] = beats ? Mark::Beats : Mark::Loses;
            }
        }
        int weighed = 0, losing = 0, beating = 0;
        for (int i = 1; i <= 3; ++i) {
            weighed += r.additional[i].has_value();
            losing += mark[i] == Mark::Loses;
            beating += mark[i] == Mark::Beats;
        }
        auto leastWeighed = [&](Mark m) {
            int limit = 100;
            for (int i = 1; i <= 3; ++i)
                if (bestPlain(i) && mark[i] == m && r.additional[i].value_or(0) < limit) {
                    limit = r.additional[i].value_or(0);
                    choice = i;
                }
        };
        if (weighed == 0) {
            weakestOf(bestPlain);
        } else if (losing > 0) {
            leastWeighed(Mark::Loses);
        } else if (tied != beating) {
            for (int i = 1; i <= 3; ++i)
                if (bestPlain(i) && mark[i] == Mark::None) choice = i;
            // Tied trumps beside tied plain answers that all beat a card of the human:
            // play the weakest of the best answers.
            if (choice == 0) weakestOf([&](int i) { return isBest[i]; });
        } else {
            leastWeighed(Mark::Beats);
        }
    }
    return choice;
}

int chooseLead(const Position& p, const MiddleReasoning& r) {
    const auto& conv = r.convenience;
    int choice = p.standingChoice;
    auto group = [](int n) { return (n - 1) / 3 + 1; };
    auto first = [](int n) { return (n - 1) / 3 * 3 + 1; };

    // The human's best reply to each card (the lowest convenience) and the second best.
    enum class Reply { Other, Best, Second };
    std::array<Reply, 10> reply{};
    for (int g = 0; g < 3; ++g) {
        float least = 100.0f;
        for (int n = 3 * g + 1; n <= 3 * g + 3; ++n)
            if (reply[n] == Reply::Other && conv[n].value() < least) {
                least = conv[n].value();
                for (int e = 3 * g + 1; e <= 3 * g + 3; ++e) reply[e] = Reply::Other;
                reply[n] = Reply::Best;
            }
    }
    for (int g = 0; g < 3; ++g) {
        float least = 100.0f;
        for (int n = 3 * g + 1; n <= 3 * g + 3; ++n)
            if (reply[n] == Reply::Other && conv[n].value() < least) {
                least = conv[n].value();
                for (int e = 3 * g + 1; e <= 3 * g + 3; ++e)
                    if (reply[e] != Reply::Best) reply[e] = Reply::Other;
                reply[n] = Reply::Second;
            }
    }

    // The best of the worst replies.
    std::array<bool, 10> tiedBest{};
    Single best;
    int tied = 1;
    float highest = -100.0f;
    for (int n = 1; n <= 9; ++n) {
        if (reply[n] != Reply::Best) continue;
        if (conv[n].value() > highest) {
            highest = conv[n].value();
            best = conv[n];
        } else if (conv[n] == best) {
            ++tied;
        }
    }
    for (int n = 1; n <= 9; ++n)
        if (reply[n] == Reply::Best && conv[n] == best) tiedBest[n] = true;

    if (tied == 1) {
        for (int n = 1; n <= 9; ++n)
            if (reply[n] == Reply::Best && conv[n] == best) choice = group(n);
        return choice;
    }
    // Between equal worst replies, the better second-worst.
    tied = 1;
    highest = -100.0f;
    for (int n = 1; n <= 9; ++n) {
        if (reply[n] != Reply::Best || !tiedBest[n]) continue;
        for (int e = first(n); e < first(n) + 3; ++e) {
            if (reply[e] != Reply::Second) continue;
            if (conv[e].value() > highest) {
                highest = conv[e].value();
                best = conv[e];
                choice = group(n);
                tied = 1;
            } else if (conv[e] == best) {
                ++tied;
            }
        }
    }
    for (int n = 1; n <= 9; ++n)
        if (reply[n] == Reply::Second && conv[n] == best) tiedBest[n] = true;
    // Still equal: the better best reply, then the weakest card.
    if (tied > 1) {
        highest = -100.0f;
        bool stillTied = false;
        for (int n = 1; n <= 9; ++n) {
            if (reply[n] != Reply::Second || !tiedBest[n]) continue;
            for (int e = first(n); e < first(n) + 3; ++e) {
                if (reply[e] != Reply::Other) continue;
                if (conv[e].value() > highest) {
                    highest = conv[e].value();
                    best = conv[e];
                    choice = group(n);
                } else if (conv[e] == best) {
                    stillTied = true;
                }
            }
        }
        if (stillTied) {
            int limit = 50;
            for (int n = 1; n <= 9; ++n)
                if (reply[n] == Reply::Other && conv[n] == best && valueOfSlot(p, group(n)) < limit) {
                    limit = valueOfSlot(p, group(n));
                    choice = group(n);
                }
        }
    }
    return choice;
}

void Filtro60PuntiRispondePC(MiddleReasoning& r, int& choice, bool& filter60) {
    const int k = choice;
    auto total = [&](int i) { return r.totals[i].value_or(0); };
    // A trick that wins the game at once.
    if (k >= 1 && k <= 3 && total(k) <= SIXTY) {
        for (int i = 1; i <= 3; ++i)
            if (r.totals[i] && !r.humanTakes[i] && total(i) > SIXTY) {
                choice = i;
                filter60 = true;
                break;
            }
    } else if (k >= 1 && k <= 3) {
        filter60 = true;
    }
    // Answers that let the human pass 60.
    int forbidden = 0;
    for (int i = 1; i <= 3; ++i)
        if (r.humanTakes[i] && total(i) > SIXTY) {
            r.letsHumanPass60[i] = true;
            ++forbidden;
        }
    if (forbidden == 3) {
        filter60 = true;
    } else if (choice >= 1 && choice <= 3 && r.letsHumanPass60[choice]) {
        for (int i = 1; i <= 3; ++i)
            if (!r.letsHumanPass60[i]) choice = i;
    }
}

void Filtro60PuntiIniziaPC(MiddleReasoning& r, int& choice, bool& filter60) {
    auto total = [&](int n) { return r.totals[n].value_or(0); };
    r.beforeFilter = choice;
    // A card that some reply of the human turns into a win for the human.
    for (int n = 1; n <= 9; ++n)
        if (r.humanTakes[n] && total(n) > SIXTY) r.letsHumanPass60[(n - 1) / 3 + 1] = true;
    if (r.letsHumanPass60[1] && r.letsHumanPass60[2] && r.letsHumanPass60[3]) {
        filter60 = true;
        return;
    }
    // A card that wins the game whatever the reply.
    for (int g = 0; g < 3; ++g) {
        bool sure = true;
        for (int n = 3 * g + 1; n <= 3 * g + 3; ++n)
            if (!r.totals[n] || r.humanTakes[n] || total(n) <= SIXTY) sure = false;
        if (sure) {
            choice = g + 1;
            filter60 = true;
        }
    }
    if (choice >= 1 && choice <= 3 && r.letsHumanPass60[choice]) {
        for (int i = 1; i <= 3; ++i)
            if (!r.letsHumanPass60[i]) {
                choice = i;
                break;
            }
    }
}

}  // namespace zelvo::strategy::middle
