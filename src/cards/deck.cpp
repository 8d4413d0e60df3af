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
        if (c.lblCarteGiocate[n].BackColor != colore::BIANCO) continue;  // already placed: pick again
        c.lblCarteGiocate[n].BackColor = colore::LILLA_MESCOLA;
        c.lblCartaDaEstrarre[p].Caption = carte::codice(n);
        if (p < 40) {
            ++p;
            continue;
        }
        p = 1;
        for (int k = 1; k <= 40; ++k) c.lblCarteGiocate[k].BackColor = colore::BIANCO;
        return;
    }
}

void Mazzo::cmdEstraiACasoUnaCarta() {
    Carte& c = m_.carte;
    for (;;) {
        int n = NumeroCasuale(40);
        if (c.lblCartaDaEstrarre[n].BackColor == colore::ROSSO) continue;  // drawn already: pick again
        int k = m_.gioco.lblContatoreCarteEstratte;
        const std::string& code = c.lblCartaDaEstrarre[n].Caption;
        int cell = carte::casella(code);
        c.lblCarta[k] = code;
        c.lblValore[k] = cell ? carte::valoreDi(cell) : 0;
        c.lblSeme[k] = cell ? carte::semeDi(cell) : 0;
        c.lblCartaDaEstrarre[n].BackColor = colore::ROSSO;
        return;
    }
}

void Mazzo::SegnaCartaGiocata() {
    Carte& c = m_.carte;
    StatoGioco& g = m_.gioco;
    int cell = carte::casella(g.lblCartaGiocata);
    g.lblNumerocasella = cell;
    if (cell == 0) return;  // not one of the 40 codes: nothing to mark
    c.lblPreseVirtuali[cell].ForeColor = colore::VERDE;
    c.lblCarteGiocate[cell].BackColor = g.lblCartaGiocataBack == colore::ROSA_H ? colore::ROSA_H : colore::ROSSO;
    c.lblCarteGiocate[cell].ForeColor = colore::BLU;
}

}  // namespace zelvo
