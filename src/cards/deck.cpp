#include "cards/deck.h"

#include <cmath>
#include <cstdint>

#include "platform/clock.h"

namespace zelvo {

int numeroCasuale(int N, float r, int minute, int second) {
    // In double precision, as the program has always done: the second is
    // divided by 61, so the mixed value may fall below zero.
    double x = std::floor(N * (static_cast<double>(r) + minute / 60.0 - second / 61.0));
    double n = x - std::floor(x / N) * N + 1;
    return static_cast<int16_t>(n);
}

int ClockPick::NumeroCasuale(int N) {
    float r = random_.rnd();
    int minute = 0, second = 0;
    clock_.minuteSecond(minute, second);
    return numeroCasuale(N, r, minute, second);
}

void cmdMescolaCarte(CardTable& c, RandomPick& pick) {
    for (int position = 1; position <= 40;) {
        int n = pick.NumeroCasuale(40);
        if (c.lblCarteGiocate[n].BackColor != colour::WHITE) continue;  // already placed: pick again
        c.lblCarteGiocate[n].BackColor = colour::SHUFFLE_LILAC;
        c.lblCartaDaEstrarre[position++].Caption = cards::codeOf(n);
    }
    for (int k = 1; k <= 40; ++k) c.lblCarteGiocate[k].BackColor = colour::WHITE;
}

void cmdEstraiACasoUnaCarta(CardTable& c, int slot, RandomPick& pick) {
    for (;;) {
        int n = pick.NumeroCasuale(40);
        if (c.lblCartaDaEstrarre[n].BackColor == colour::RED) continue;  // drawn already: pick again
        const std::string& code = c.lblCartaDaEstrarre[n].Caption;
        int cell = cards::cellOf(code);
        c.lblCarta[slot] = code;
        c.lblValore[slot] = cell ? cards::valueOf(cell) : 0;
        c.lblSeme[slot] = cell ? cards::suitOf(cell) : 0;
        c.lblCartaDaEstrarre[n].BackColor = colour::RED;
        return;
    }
}

int SegnaCartaGiocata(CardTable& c, const std::string& card, bool byHuman) {
    int cell = cards::cellOf(card);
    if (cell == 0) return 0;  // not one of the 40 codes: nothing to mark
    c.played[cell] = true;
    c.lblCarteGiocate[cell].BackColor = byHuman ? colour::PINK : colour::RED;
    c.lblCarteGiocate[cell].ForeColor = colour::BLUE;
    return cell;
}

}  // namespace zelvo
