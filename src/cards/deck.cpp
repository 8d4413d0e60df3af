#include "cards/deck.h"

#include <cmath>
#include <cstdint>

#include "platform/clock.h"
#include "ui/model.h"

namespace zelvo {

int numeroCasuale(int N, float r, int minuto, int secondo) {
    // In double precision, as the program has always done: the second is
    // divided by 61, so the mixed value may fall below zero.
    double x = std::floor(N * (static_cast<double>(r) + minuto / 60.0 - secondo / 61.0));
    double n = x - std::floor(x / N) * N + 1;
    return static_cast<int16_t>(n);
}

int Mazzo::NumeroCasuale(int N) {
    float r = random_.rnd();
    int minuto = 0, secondo = 0;
    clock_.minutoSecondo(minuto, secondo);
    return numeroCasuale(N, r, minuto, secondo);
}

void Mazzo::cmdMescolaCarte() {
    Carte& c = m_.carte;
    int& p = m_.gioco.lblNumeroCartaAnalizzata;
    for (;;) {
        int n = NumeroCasuale(40);
        if (c.lblCarteGiocate[n].BackColor != colour::WHITE) continue;  // already placed: pick again
        c.lblCarteGiocate[n].BackColor = colour::SHUFFLE_LILAC;
        c.lblCartaDaEstrarre[p].Caption = cards::codeOf(n);
        if (p < 40) {
            ++p;
            continue;
        }
        p = 1;
        for (int k = 1; k <= 40; ++k) c.lblCarteGiocate[k].BackColor = colour::WHITE;
        return;
    }
}

void Mazzo::cmdEstraiACasoUnaCarta() {
    Carte& c = m_.carte;
    for (;;) {
        int n = NumeroCasuale(40);
        if (c.lblCartaDaEstrarre[n].BackColor == colour::RED) continue;  // drawn already: pick again
        int k = m_.gioco.lblContatoreCarteEstratte;
        const std::string& code = c.lblCartaDaEstrarre[n].Caption;
        int cell = cards::cellOf(code);
        c.lblCarta[k] = code;
        c.lblValore[k] = cell ? cards::valueOf(cell) : 0;
        c.lblSeme[k] = cell ? cards::suitOf(cell) : 0;
        c.lblCartaDaEstrarre[n].BackColor = colour::RED;
        return;
    }
}

void Mazzo::SegnaCartaGiocata() {
    Carte& c = m_.carte;
    StatoGioco& g = m_.gioco;
    int cell = cards::cellOf(g.lblCartaGiocata);
    g.lblNumerocasella = cell;
    if (cell == 0) return;  // not one of the 40 codes: nothing to mark
    c.lblPreseVirtuali[cell].ForeColor = colour::GREEN;
    c.lblCarteGiocate[cell].BackColor = g.lblCartaGiocataBack == colour::PINK ? colour::PINK : colour::RED;
    c.lblCarteGiocate[cell].ForeColor = colour::BLUE;
}

}  // namespace zelvo
