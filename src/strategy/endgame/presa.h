#pragma once
// The trick of the end game, always asked from the computer's card.
#include "cards/card.h"
#include "cards/table.h"

namespace zelvo::finale {

// True when the human takes the trick of computer slot a against human slot b.
inline bool vinceH(const Carte& c, int a, int b, bool guidaPC) {
    const char t = c.lblSeme[7];
    const bool aB = c.lblSeme[a] == t, bB = c.lblSeme[b] == t;
    if (aB) return bB && c.lblValore[a] <= c.lblValore[b];
    if (bB) return true;
    if (c.lblSeme[a] == c.lblSeme[b]) return c.lblValore[a] <= c.lblValore[b];
    return !guidaPC;
}

// Four times the trick's points: each strength value below 8 counts 0.
inline int valorePresa(const Carte& c, int a, int b) {
    auto conta = [](int v) { return v < 8 ? 0 : v; };
    return conta(c.lblValore[a]) + conta(c.lblValore[b]);
}

// The signed trick value: positive when the computer takes it.
inline int valoreConSegno(const Carte& c, int a, int b, bool guidaPC, bool& prendeH) {
    prendeH = vinceH(c, a, b, guidaPC);
    const int v = valorePresa(c, a, b);
    return prendeH ? -v : v;
}

}  // namespace zelvo::finale
