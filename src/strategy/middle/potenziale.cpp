// The middle-game evaluation: card points, the potential of every hand card
// from its virtual tricks, and the value of every pairing of the coming trick.
#include <bit>

#include "strategy/middle/valori.h"
#include "strategy/strategia.h"
#include "ui/principale.h"

namespace zelvo {

namespace {

// A card of trump suit is worth more than its points: the lower the trump,
// the more it multiplies the potential.
float fattoreBriscola(int valore) {
    switch (valore) {
        case 44: return std::bit_cast<float>(0x3FA70A3Du);  // 1.305
        case 40: return std::bit_cast<float>(0x3FADD2F2u);  // 1.358
        case 16: return std::bit_cast<float>(0x3FE22D0Eu);  // 1.767
        case 12: return std::bit_cast<float>(0x3FFE76C9u);  // 1.988
        case 8: return std::bit_cast<float>(0x4014AC08u);   // 2.323
        default: return 1.0f;
    }
}

}  // namespace

float valoreBriscola(int valore, bool cartinaMezzoPunto) {
    switch (valore) {
        case 44: return std::bit_cast<float>(0x415CB7CCu);  // 538/39
        case 40: return std::bit_cast<float>(0x413BE5BFu);  // 458/39
        case 16: return std::bit_cast<float>(0x40AF96F8u);  // 214/39
        case 12: return std::bit_cast<float>(0x40883483u);  // 166/39
        case 8: return std::bit_cast<float>(0x404B7CB7u);   // 124/39
        default: return cartinaMezzoPunto ? std::bit_cast<float>(0x3F000000u)    // 0.5
                                          : std::bit_cast<float>(0x3FC4EC53u);  // 60/39
    }
}

void Strategia::CalcolaPuntiCarte() {
    const Carte& c = w_.m.carte;
    StatoStrategia& s = w_.m.strategia;
    for (int i = 1; i <= 6; ++i)
        if (cards::valueOffset(c.lblValore[i]) != 0) s.lblPuntiPotenziali[i] = cards::pointsOf(c.lblValore[i]);
}

// The caption of every cell for the card of slot k leading and the cell's card
// answering: the points the leader nets, negative when the answer takes it.
void Strategia::preseVirtuali(int k, int out[41]) const {
    const Carte& c = w_.m.carte;
    const char semeX = c.lblSeme[k];
    const int valX = c.lblValore[k];
    const int px = cards::pointsOf(valX);
    const int cellaX = cards::cellOfSuitValue(semeX, valX);
    const int bloccoX = cards::suitIndex(semeX);
    const bool briscolaX = semeX != 0 && semeX == c.lblSeme[7];

    for (int b = 0; b < 4; ++b) {
        const bool bloccoBriscola = c.lblPreseVirtuali[b * 10 + 1].BackColor == colour::YELLOW;
        for (int o = 1; o <= 10; ++o) {
            const int cella = b * 10 + o;
            const int vy = cards::VALUES[o - 1];
            const int py = cards::pointsOf(vy);
            int v;
            if (!briscolaX) {
                v = px + py;
                if (bloccoBriscola) v = -v;
            } else if (o <= 5) {
                v = px;
            } else if (!bloccoBriscola) {
                v = px + py;
            } else {
                v = vy < valX ? px + py : vy == valX ? 0 : -(px + py);
            }
            out[cella] = v;
        }
    }
    if (!briscolaX && bloccoX >= 0) {
        // In the leader's own suit a stronger card with points takes the trick.
        for (int o = 6; o <= 10; ++o) {
            const int cella = bloccoX * 10 + o;
            const int vy = cards::VALUES[o - 1];
            if (vy > valX) out[cella] = -(px + cards::pointsOf(vy));
        }
    }
    if (cellaX) out[cellaX] = 0;
}

void Strategia::cmdCalcolaPotenzialeCarte() {
    Model& m = w_.m;
    Carte& c = m.carte;
    StatoStrategia& s = m.strategia;
    const int d = m.gioco.lblNumeroCarteRimaste;

    // The cells of each hand (marked red while a card of that hand is analysed).
    bool manoPC[41] = {}, manoH[41] = {};
    for (int t = 1; t <= 6; ++t) {
        int cella = cards::cellOfSuitValue(c.lblSeme[t], c.lblValore[t]);
        if (cella) (t <= 3 ? manoPC : manoH)[cella] = true;
    }
    bool giocata[41];
    for (int cella = 1; cella <= 40; ++cella) giocata[cella] = c.lblPreseVirtuali[cella].ForeColor == colour::GREEN;

    int prese[41];
    for (int k = 1; k <= 6; ++k) {
        const bool* mano = k < 4 ? manoPC : manoH;
        preseVirtuali(k, prese);
        float somma = 0.0f;
        for (int cella = 1; cella <= 40; ++cella)
            if (!giocata[cella] && !mano[cella]) somma += static_cast<float>(prese[cella]);

        s.lblMediaValori = Singola::da(somma);
        s.lblNumeroPrese = d + 3;
        s.lblPotenziale[k] = Singola::da(somma / static_cast<float>(d + 3));
        if (c.lblSeme[k] == c.lblSeme[7] && c.lblValore[k] > 7)
            s.lblPotenziale[k] = Singola::da(s.lblPotenziale[k].valore() * fattoreBriscola(c.lblValore[k]));
    }

    // The grid as the last analysis (slot 6) leaves it: its captions, its hand in red.
    for (int cella = 1; cella <= 40; ++cella) {
        CellaVirtuale& v = c.lblPreseVirtuali[cella];
        v.Caption = std::to_string(prese[cella]);
        if (!giocata[cella]) v.ForeColor = manoH[cella] ? colour::RED : colour::BLACK;
    }
    m.gioco.lblNumeroCartaAnalizzata = 6;
    w_.t.TimerValoreAggiuntivo.enable();
}

void Strategia::valutaAbbinamento(int n, int i, int j, bool risposta) {
    Model& m = w_.m;
    const Carte& c = m.carte;
    StatoStrategia& s = m.strategia;
    const char briscola = c.lblSeme[7];
    const bool pB = c.lblSeme[i] == briscola, hB = c.lblSeme[j] == briscola;
    const int vP = c.lblValore[i], vH = c.lblValore[j];

    bool vincePC;
    if (pB != hB) vincePC = pB;
    else if (pB || c.lblSeme[i] == c.lblSeme[j]) vincePC = vP > vH;
    else vincePC = m.gioco.lblTurnoDiGioco == Chi::PC;

    const int pts = cards::pointsOf(vP) + cards::pointsOf(vH);  // the trick's points
    EtichettaIntera& tn = s.lblTotaliNormali[n];
    if (vincePC) {
        tn.scrivi(m.gioco.lblPuntiPC + pts);
    } else {
        tn.scrivi(m.gioco.lblPuntiH + pts);
        tn.BackColor = colour::RED;
    }

    s.lblTotaliPotenziali[n].Caption =
        Singola::da(static_cast<float>(s.lblPuntiPotenziali[i] + s.lblPuntiPotenziali[j]));
    const float tp = s.lblTotaliPotenziali[n].Caption.valore();
    float conv;
    if (vincePC) {
        const float valH = hB ? valoreBriscola(vH, false) : static_cast<float>(s.lblPuntiPotenziali[j]);
        conv = tp - s.lblPotenziale[i].valore();
        conv = conv + valH;
    } else {
        const float valP = pB ? valoreBriscola(vP, risposta) : static_cast<float>(s.lblPuntiPotenziali[i]);
        conv = tp - s.lblPotenziale[j].valore();
        conv = conv + valP;
        conv = -conv;
    }
    s.lblConvenienza[n].Caption = Singola::da(conv);
}

void Strategia::CalcolaTotaliIniziaPC() {
    cmdCalcolaPotenzialeCarte();
    for (int i = 1; i <= 3; ++i)
        for (int j = 4; j <= 6; ++j) {
            const int n = 3 * (i - 1) + (j - 3);
            valutaAbbinamento(n, i, j, false);
            w_.m.strategia.lblContatoreCaselle = n + 1;
        }
}

void Strategia::CalcolaTotaliRispondePC() {
    cmdCalcolaPotenzialeCarte();
    const int h = w_.m.gioco.lblNumeroCartaGiocataDaH;
    if (h < 4 || h > 6) return;
    for (int i = 1; i <= 3; ++i) valutaAbbinamento(i, i, h, true);
}

}  // namespace zelvo
