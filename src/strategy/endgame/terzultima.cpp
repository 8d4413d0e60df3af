// The third-to-last trick: every line of the last three tricks is played out
// and valued, then each side picks what is best for it, trick by trick.
#include "strategy/endgame/presa.h"
#include "strategy/strategia.h"
#include "ui/principale.h"

namespace zelvo {

using finale::valoreConSegno;

void Strategia::cmdTerzultimaGiocataIniziaPC() {
    const Carte& c = w_.m.carte;
    StatoStrategia& s = w_.m.strategia;
    for (int i = 1; i <= 3; ++i)
        for (int j = 4; j <= 6; ++j) {
            const int n = s.lblContatorePrimoLivello;
            if (n < 1 || n > 9) break;
            bool prendeH;
            s.lblPrimoLivello[n].scrivi(valoreConSegno(c, i, j, true, prendeH));
            if (prendeH) s.lblPrimoLivello[n].BackColor = colour::RED;
            s.lblContatorePrimoLivello = n + 1;
        }
    s.lblContatorePrimoLivello = 1;
}

void Strategia::cmdTerzultimaGiocataRispondePC() {
    const Carte& c = w_.m.carte;
    StatoStrategia& s = w_.m.strategia;
    const int j0 = w_.m.gioco.lblNumeroCartaGiocataDaH;
    if (j0 >= 4 && j0 <= 6) {
        for (int i = 1; i <= 3; ++i) {
            const int n = s.lblContatorePrimoLivello;
            if (n < 1 || n > 9) break;
            bool prendeH;
            s.lblPrimoLivello[n].scrivi(valoreConSegno(c, i, j0, false, prendeH));
            if (prendeH) s.lblPrimoLivello[n].BackColor = colour::RED;
            s.lblContatorePrimoLivello = n + 1;
        }
    }
    s.lblContatorePrimoLivello = 1;
}

namespace {

// The cards of the second and last trick of line c, which continues the first
// trick (i, j) whose winner leads the second one.
void riga(StatoStrategia& s, int c, int i, int j, bool guidaPC) {
    const int r = (c - 1) % 4;
    int p[2], h[2], np = 0, nh = 0;
    for (int k = 1; k <= 3; ++k)
        if (k != i) p[np++] = k;
    for (int k = 4; k <= 6; ++k)
        if (k != j) h[nh++] = k;
    // The four lines of an entry pair up on the card that opens the second trick.
    static constexpr int PC_GUIDA[4][2] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}};
    static constexpr int H_GUIDA[4][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    const int(&t)[2] = guidaPC ? PC_GUIDA[r] : H_GUIDA[r];
    s.lblA = p[t[0]];
    s.lblB = h[t[1]];
    s.lblC = p[1 - t[0]];
    s.lblD = h[1 - t[1]];
}

}  // namespace

void Strategia::cmdSegueterzultimaGiocata() {
    StatoStrategia& s = w_.m.strategia;
    const int c = s.lblContatoreSecondoLivello;
    if (c < 1 || c > 36) return;
    const int f = (c - 1) / 4 + 1;
    riga(s, c, (f - 1) / 3 + 1, (f - 1) % 3 + 4, s.lblPrimoLivello[f].BackColor == colour::WHITE);
}

void Strategia::cmdSegueterzultimaGiocataBis() {
    StatoStrategia& s = w_.m.strategia;
    const int c = s.lblContatoreSecondoLivello;
    const int j0 = w_.m.gioco.lblNumeroCartaGiocataDaH;
    if (c < 1 || c > 12 || j0 < 4 || j0 > 6) return;
    const int f = (c - 1) / 4 + 1;
    riga(s, c, f, j0, s.lblPrimoLivello[f].BackColor == colour::WHITE);
}

void Strategia::cmdAnalisiSecondoLivello() { analisiSecondoLivello(false); }
void Strategia::cmdAnalisiSecondoLivelloBis() { analisiSecondoLivello(true); }

void Strategia::analisiSecondoLivello(bool bis) {
    const Carte& c = w_.m.carte;
    StatoStrategia& s = w_.m.strategia;
    auto& pl = s.lblPrimoLivello;
    auto& sl = s.lblSecondoLivello;
    const int righe = bis ? 12 : 36;

    // 1. Every line played out: first trick + second + last.
    for (int m = 1; m <= righe; ++m) {
        s.lblContatoreSecondoLivello = m;
        if (bis) cmdSegueterzultimaGiocataBis();
        else cmdSegueterzultimaGiocata();
        const int a = s.lblA, b = s.lblB, e = s.lblC, d = s.lblD;
        const int f = s.lblContatorePrimoLivello;
        if (a < 1 || b < 4 || e < 1 || d < 4 || f < 1 || f > 9) return;  // a human slot that is not 4..6
        bool prendeH;
        sl[m].scrivi(valoreConSegno(c, a, b, pl[f].BackColor == colour::WHITE, prendeH));
        if (prendeH) sl[m].BackColor = colour::RED;
        const int w = valoreConSegno(c, e, d, sl[m].BackColor == colour::WHITE, prendeH);
        sl[m].scrivi(pl[f].valore + w + sl[m].valore);
        if (m % 4 == 0 && m < righe) s.lblContatorePrimoLivello = m / 4 + 1;
    }

    // 2. The answer in the second trick: the answering side picks its better line.
    for (int k = 1; k < righe; k += 2) {
        const int f = (k - 1) / 4 + 1;
        const int x = sl[k].valore, y = sl[k + 1].valore;
        int blu;
        if (pl[f].BackColor != colour::RED) blu = x >= y ? k + 1 : k;  // the human answers
        else blu = x <= y ? k + 1 : k;                                     // the computer answers
        sl[blu].ForeColor = colour::BLUE;
    }

    // 3. The lead in the second trick, between the two answered leads.
    for (int f = 1; f <= righe / 4; ++f) {
        int b1 = 0, verde = 0;
        for (int m = 4 * f - 3; m <= 4 * f; ++m) {
            if (sl[m].ForeColor != colour::BLUE) continue;
            if (!b1) {
                b1 = m;
                continue;
            }
            const int b2 = m;
            if (pl[f].BackColor == colour::WHITE) verde = sl[b2].valore < sl[b1].valore ? b1 : b2;
            else verde = sl[b2].valore > sl[b1].valore ? b1 : b2;
            sl[verde].ForeColor = colour::GREEN;
            break;
        }
        if (bis && verde) s.LblPeggiore[f].scrivi(sl[verde].valore);
    }

    // 4. The human's answer in the first trick: the least the computer is sure of.
    if (!bis) {
        for (int i = 1; i <= 3; ++i)
            for (int m = 12 * (i - 1) + 1; m <= 12 * i; ++m)
                if (sl[m].ForeColor == colour::GREEN && sl[m].valore < s.LblPeggiore[i].valore)
                    s.LblPeggiore[i].scrivi(sl[m].valore);
    }

    // 5. The best of the three worst cases.
    auto& p = s.LblPeggiore;
    s.lblRisultatoMigliore = p[1].valore < p[2].valore ? p[2] : p[1];
    if (p[3].valore >= s.lblRisultatoMigliore.valore) s.lblRisultatoMigliore = p[3];
    s.lblRisultatoMigliore.BackColor = colour::WHITE;
    s.lblRisultatoMigliore.ForeColor = colour::BLACK;

    // 6-7. The candidates, and one of them at random.
    for (int i = 1; i <= 3; ++i)
        if (p[i].testo() == s.lblRisultatoMigliore.testo()) p[i].BackColor = colour::RED;
    cmdScegliUnaDelleTre();

    // 8
    s.lblContatorePrimoLivello = 1;
    s.lblContatoreSecondoLivello = 1;
}

void Strategia::cmdScegliUnaDelleTre() {
    StatoStrategia& s = w_.m.strategia;
    bool qualcuna = false;
    for (int i = 1; i <= 3; ++i) qualcuna = qualcuna || s.LblPeggiore[i].BackColor == colour::RED;
    if (!qualcuna) return;  // nothing marked: the choice stays as it is
    for (;;) {
        const int r = w_.mazzo.NumeroCasuale(3);
        if (r >= 1 && r <= 3 && s.LblPeggiore[r].BackColor == colour::RED) {
            w_.m.gioco.lblCartaPCDaGiocare = r;
            return;
        }
    }
}

void Strategia::AzzeraAnalisiFinale() {
    StatoStrategia& s = w_.m.strategia;
    for (int i = 1; i <= 36; ++i) {
        s.lblSecondoLivello[i].svuota();
        s.lblSecondoLivello[i].ForeColor = colour::BLACK;
        s.lblSecondoLivello[i].BackColor = colour::WHITE;
    }
    for (int i = 1; i <= 9; ++i) {
        s.lblPrimoLivello[i].svuota();
        s.lblPrimoLivello[i].ForeColor = colour::BLACK;
        s.lblPrimoLivello[i].BackColor = colour::WHITE;
    }
    for (int i = 1; i <= 3; ++i) {
        s.LblPeggiore[i].scrivi(300);
        s.LblPeggiore[i].BackColor = colour::WHITE;
    }
    s.lblA = s.lblB = s.lblC = s.lblD = 0;
    s.lblRisultatoMigliore.svuota();
    w_.m.gioco.lblCartaPCDaGiocare = 0;
}

}  // namespace zelvo
