// The penultimate trick: both lines of each card are played to the end and
// the card with the best sure result is played; ties go to the lower slot.
#include <algorithm>

#include "strategy/endgame/presa.h"
#include "strategy/strategia.h"
#include "ui/principale.h"

namespace zelvo {

using finale::valoreConSegno;

namespace {

// The two slots still holding a card among first, first+1, first+2.
void dueSlot(const Carte& c, int primo, int& s1, int& s2) {
    if (c.lblCarta[primo].empty()) {
        s1 = primo + 1;
        s2 = primo + 2;
    } else {
        s1 = primo;
        s2 = c.lblCarta[primo + 1].empty() ? primo + 2 : primo + 1;
    }
}

}  // namespace

void Strategia::cmdPenultimaGiocataIniziaPC() {
    Model& m = w_.m;
    const Carte& c = m.carte;
    StatoStrategia& s = m.strategia;
    auto& sl = s.lblSecondoLivello;
    int a1, a2, h1, h2;
    dueSlot(c, 1, a1, a2);
    dueSlot(c, 4, h1, h2);
    sl[21].scrivi(a1);
    sl[22].scrivi(a2);
    sl[23].scrivi(h1);
    sl[24].scrivi(h2);

    // 1-3. The penultimate trick (computer leading), then, over the exchanged
    // entries, the last trick of the same line, led by its winner.
    auto passo = [&](int n) {
        for (int pa = 21; pa <= 22; ++pa)
            for (int ph = 23; ph <= 24; ++ph) {
                const bool guidaPC = n < 13 || sl[std::max(n - 12, 1)].BackColor != colour::RED;
                bool prendeH;
                sl[n].scrivi(valoreConSegno(c, sl[pa].valore, sl[ph].valore, guidaPC, prendeH));
                if (prendeH) sl[n].BackColor = colour::RED;
                ++n;
            }
    };
    auto scambia = [&] {
        sl[20] = sl[21];
        sl[21] = sl[22];
        sl[22] = sl[20];
        sl[20] = sl[23];
        sl[23] = sl[24];
        sl[24] = sl[20];
    };
    passo(1);
    scambia();
    passo(13);
    // 4
    scambia();
    sl[20].svuota();
    // 5
    for (int q = 1; q <= 4; ++q) sl[24 + q].scrivi(sl[q].valore + sl[12 + q].valore);
    // 6. The human's answer to each card: the smaller total.
    for (int e = 25; e <= 27; e += 2) sl[sl[e].valore > sl[e + 1].valore ? e + 1 : e].ForeColor = colour::BLUE;
    // 7. The card whose worst case is better; equal: the lower slot.
    int primo = 0, secondo = 0;
    for (int e = 25; e <= 28; ++e)
        if (sl[e].ForeColor == colour::BLUE) (primo ? secondo : primo) = e;
    m.gioco.lblCartaPCDaGiocare = sl[primo].valore < sl[secondo].valore ? sl[22].valore : sl[21].valore;
    // 8
    w_.t.TimerAttesaDelPCaMuovere.enable();
    m.gioco.lblGiocoInCorso = m.gioco.lblPartitaInCorso = m.gioco.lblPuoiGiocare = true;
}

void Strategia::cmdPenultimaGiocataRispondePC() {
    Model& m = w_.m;
    const Carte& c = m.carte;
    StatoStrategia& s = m.strategia;
    auto& sl = s.lblSecondoLivello;
    int h1, h2, a1, a2;
    dueSlot(c, 4, h1, h2);
    dueSlot(c, 1, a1, a2);
    sl[21].scrivi(h1);
    sl[22].scrivi(h2);
    sl[23].scrivi(a1);
    sl[24].scrivi(a2);

    // 1
    const int hp = m.gioco.lblNumeroCartaGiocataDaH;
    if (hp != h1 && hp != h2) return;  // the led card is not in the human's hand
    const int hl = sl[21].valore != hp ? sl[21].valore : sl[22].valore;
    bool prendeH;
    // 2. The penultimate trick, the human leading.
    sl[1].scrivi(valoreConSegno(c, a1, hp, false, prendeH));
    if (prendeH) sl[1].BackColor = colour::RED;
    sl[2].scrivi(valoreConSegno(c, a2, hp, false, prendeH));
    if (prendeH) sl[2].BackColor = colour::RED;
    // 3. The last trick, led by the winner of the penultimate.
    sl[13].scrivi(valoreConSegno(c, a2, hl, sl[1].BackColor != colour::RED, prendeH));
    if (prendeH) sl[13].BackColor = colour::RED;
    sl[14].scrivi(valoreConSegno(c, a1, hl, sl[2].BackColor != colour::RED, prendeH));
    if (prendeH) sl[14].BackColor = colour::RED;
    // 4-5
    sl[25].scrivi(sl[1].valore + sl[13].valore);
    sl[26].scrivi(sl[2].valore + sl[14].valore);
    m.gioco.lblCartaPCDaGiocare = sl[25].valore < sl[26].valore ? sl[24].valore : sl[23].valore;
}

}  // namespace zelvo
