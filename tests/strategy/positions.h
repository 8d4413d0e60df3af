#pragma once
// Positions for the strategy tests, written with card codes.
#include <algorithm>
#include <array>
#include <initializer_list>
#include <vector>

#include "cards/card.h"
#include "strategy/decision.h"

namespace zelvo::test {

inline strategy::Position position(char trump, std::array<const char*, 3> pc, std::array<const char*, 3> h,
                                   int stock, int humanSlot = 0, std::initializer_list<const char*> played = {}) {
    strategy::Position p;
    p.trump = trump;
    for (int k = 0; k < 3; ++k) {
        p.slot[1 + k] = cards::cellOf(pc[k]);
        p.slot[4 + k] = cards::cellOf(h[k]);
    }
    p.stock = stock;
    p.computerLeads = humanSlot == 0;
    p.humanSlot = humanSlot;
    for (const char* c : played) p.played[cards::cellOf(c)] = true;
    if (humanSlot) p.played[p.slot[humanSlot]] = true;  // the led card lies on the table
    return p;
}

// A pick that gives fixed values in turn, then repeats the last.
class ScriptedPick final : public RandomPick {
public:
    ScriptedPick(std::initializer_list<int> values) : values_(values) {}
    int NumeroCasuale(int) override { return values_[std::min(next_++, values_.size() - 1)]; }

private:
    std::vector<int> values_;
    size_t next_ = 0;
};

}  // namespace zelvo::test
