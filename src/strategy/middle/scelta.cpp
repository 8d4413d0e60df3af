// The middle-game choice: the answer of highest convenience with its tie
// chain, the lead whose worst reply is best, and the 60-point filters.
#include "strategy/strategia.h"
#include "ui/principale.h"

namespace zelvo {

void Strategia::TimerValoreAggiuntivo_Timer() {
    w_.t.TimerValoreAggiuntivo.disable();
    if (w_.m.gioco.lblTurnoDiGioco == Chi::H) cmdValoreAggiuntivo();
    else cmdValoreAggiuntivoIniziaPC();
}

// Both choices end alike: the filter while it is active, then the pause.
void Strategia::fineScelta(bool iniziaPC) {
    Model& m = w_.m;
    if (!m.strategia.lblFiltro60Punti) {
        if (iniziaPC) Filtro60PuntiIniziaPC();
        else Filtro60PuntiRispondePC();
    }
    w_.t.TimerAttesaDelPCaMuovere.enable();
    m.gioco.lblGiocoInCorso = true;
    m.gioco.lblPartitaInCorso = true;
}

void Strategia::cmdValoreAggiuntivo() {
    Model& m = w_.m;
    const Carte& c = m.carte;
    StatoStrategia& s = m.strategia;
    auto& conv = s.lblConvenienza;
    int& scelta = m.gioco.lblCartaPCDaGiocare;

    // 1-2. The highest convenience and how many share it.
    scelta = 0;
    float migliore = conv[1].Caption.valore();
    s.lblValorePiuAlto = conv[1].Caption;
    for (int i = 2; i <= 3; ++i) {
        if (conv[i].Caption.valore() > migliore) {
            migliore = conv[i].Caption.valore();
            s.lblValorePiuAlto = conv[i].Caption;
            s.lblContatoreRisposteMultiple = 1;
        } else if (conv[i].Caption == s.lblValorePiuAlto) {
            ++s.lblContatoreRisposteMultiple;
        }
    }
    // 3-4. Yellow: a best answer; blue: a trump.
    for (int i = 1; i <= 3; ++i)
        if (conv[i].Caption == s.lblValorePiuAlto) conv[i].BackColor = colour::YELLOW;
    for (int i = 1; i <= 3; ++i)
        if (c.lblSeme[i] == c.lblSeme[7]) {
            conv[i].ForeColor = colour::BLUE;
            if (conv[i].BackColor == colour::YELLOW) ++s.lblNumeroBriscole;
        }
    auto gialla = [&](int i) { return conv[i].BackColor == colour::YELLOW; };
    auto giallaNormale = [&](int i) { return gialla(i) && conv[i].ForeColor == colour::BLACK; };
    auto piuDebole = [&](auto&& ammessa) {
        int limite = 50;
        for (int i = 1; i <= 3; ++i)
            if (ammessa(i) && c.lblValore[i] < limite) {
                limite = c.lblValore[i];
                scelta = i;
            }
    };

    if (s.lblContatoreRisposteMultiple == 1) {
        // 5. One best answer.
        for (int i = 1; i <= 3; ++i)
            if (gialla(i)) scelta = i;
    } else if (s.lblContatoreRisposteMultiple == s.lblNumeroBriscole) {
        // 6. Only trumps tie: spend the weakest.
        piuDebole(gialla);
    } else if (s.lblContatoreRisposteMultiple - s.lblNumeroBriscole == 1) {
        // 7. One tied answer is not a trump: play it.
        for (int i = 1; i <= 3; ++i)
            if (giallaNormale(i)) scelta = i;
    } else {
        // 8. Several tied non-trumps: the additional value of each, from the
        // human's other cards of its suit.
        const int giocataH = m.gioco.lblNumeroCartaGiocataDaH;
        for (int i = 1; i <= 3; ++i) {
            if (!giallaNormale(i)) continue;
            int minimo = 100;
            for (int h = 4; h <= 6; ++h) {
                if (h == giocataH || c.lblCarta[h].empty() || c.lblSeme[h] != c.lblSeme[i]) continue;
                const bool positivo = c.lblValore[i] >= c.lblValore[h];
                const int somma = positivo ? c.lblValore[h] + c.lblValore[i] : -(c.lblValore[h] + c.lblValore[i]);
                if (somma < minimo) {
                    minimo = somma;
                    s.lblValAgg[i].scrivi(somma);
                }
                s.lblValAgg[i].BackColor = positivo ? colour::GREEN : colour::RED;
            }
        }
        // 9
        s.lblTotaliValoriAggiuntivi = 0;
        for (int i = 1; i <= 3; ++i)
            if (!s.lblValAgg[i].vuota) ++s.lblTotaliValoriAggiuntivi;
        auto minimoAggiuntivo = [&](Colour colore) {
            int limite = 100;
            for (int i = 1; i <= 3; ++i)
                if (giallaNormale(i) && s.lblValAgg[i].BackColor == colore && s.lblValAgg[i].valore < limite) {
                    limite = s.lblValAgg[i].valore;
                    scelta = i;
                }
        };
        if (s.lblTotaliValoriAggiuntivi == 0) {
            piuDebole(giallaNormale);
        } else {
            // 10
            s.lblTotaliRossi = 0;
            for (int i = 1; i <= 3; ++i)
                if (s.lblValAgg[i].BackColor == colour::RED) ++s.lblTotaliRossi;
            if (s.lblTotaliRossi > 0) {
                minimoAggiuntivo(colour::RED);
            } else {
                // 11
                s.lblTotaliVerdi = 0;
                for (int i = 1; i <= 3; ++i)
                    if (s.lblValAgg[i].BackColor == colour::GREEN) ++s.lblTotaliVerdi;
                if (s.lblContatoreRisposteMultiple != s.lblTotaliVerdi) {
                    for (int i = 1; i <= 3; ++i)
                        if (giallaNormale(i) && s.lblValAgg[i].BackColor == colour::WHITE) scelta = i;
                    // Tied trumps beside tied non-trumps that all have a green value:
                    // play the weakest of the best answers.
                    if (scelta == 0) piuDebole(gialla);
                } else {
                    minimoAggiuntivo(colour::GREEN);
                }
            }
        }
    }
    fineScelta(false);
}

void Strategia::cmdValoreAggiuntivoIniziaPC() {
    Model& m = w_.m;
    const Carte& c = m.carte;
    StatoStrategia& s = m.strategia;
    auto& conv = s.lblConvenienza;
    int& scelta = m.gioco.lblCartaPCDaGiocare;
    auto gruppo = [](int n) { return (n - 1) / 3 + 1; };
    auto primo = [](int n) { return (n - 1) / 3 * 3 + 1; };
    constexpr Colour ROSA = colour::PINK;

    // 1. The human's best reply to each card: red.
    for (int g = 0; g < 3; ++g) {
        float minimo = 100.0f;
        for (int n = 3 * g + 1; n <= 3 * g + 3; ++n)
            if (conv[n].BackColor == colour::WHITE && conv[n].Caption.valore() < minimo) {
                minimo = conv[n].Caption.valore();
                for (int e = 3 * g + 1; e <= 3 * g + 3; ++e) conv[e].BackColor = colour::WHITE;
                conv[n].BackColor = colour::RED;
            }
    }
    // 2. The second-best reply: pink.
    for (int g = 0; g < 3; ++g) {
        float minimo = 100.0f;
        for (int n = 3 * g + 1; n <= 3 * g + 3; ++n)
            if (conv[n].BackColor == colour::WHITE && conv[n].Caption.valore() < minimo) {
                minimo = conv[n].Caption.valore();
                for (int e = 3 * g + 1; e <= 3 * g + 3; ++e)
                    if (conv[e].BackColor != colour::RED) conv[e].BackColor = colour::WHITE;
                conv[n].BackColor = ROSA;
            }
    }
    // 3. The best of the worst replies.
    s.lblContatoreRisposteMultiple = 1;
    float migliore = -100.0f;
    for (int n = 1; n <= 9; ++n) {
        if (conv[n].BackColor != colour::RED) continue;
        if (conv[n].Caption.valore() > migliore) {
            migliore = conv[n].Caption.valore();
            s.lblValorePiuAlto = conv[n].Caption;
        } else if (conv[n].Caption == s.lblValorePiuAlto) {
            ++s.lblContatoreRisposteMultiple;
        }
    }
    // 4
    for (int n = 1; n <= 9; ++n)
        if (conv[n].BackColor == colour::RED && conv[n].Caption == s.lblValorePiuAlto) conv[n].ForeColor = colour::BLUE;

    if (s.lblContatoreRisposteMultiple == 1) {
        // 5
        for (int n = 1; n <= 9; ++n)
            if (conv[n].BackColor == colour::RED && conv[n].Caption == s.lblValorePiuAlto) scelta = gruppo(n);
    } else {
        // 6. Between equal worst replies, the better second-worst.
        s.lblContatoreRisposteMultiple = 1;
        migliore = -100.0f;
        for (int n = 1; n <= 9; ++n) {
            if (conv[n].BackColor != colour::RED || conv[n].ForeColor != colour::BLUE) continue;
            for (int e = primo(n); e < primo(n) + 3; ++e) {
                if (conv[e].BackColor != ROSA) continue;
                if (conv[e].Caption.valore() > migliore) {
                    migliore = conv[e].Caption.valore();
                    s.lblValorePiuAlto = conv[e].Caption;
                    scelta = gruppo(n);
                    s.lblContatoreRisposteMultiple = 1;
                } else if (conv[e].Caption == s.lblValorePiuAlto) {
                    ++s.lblContatoreRisposteMultiple;
                }
            }
        }
        // 7
        for (int n = 1; n <= 9; ++n)
            if (conv[n].BackColor == ROSA && conv[n].Caption == s.lblValorePiuAlto) conv[n].ForeColor = colour::BLUE;
        // 8. Still equal: the better best reply, then the weakest card.
        if (s.lblContatoreRisposteMultiple > 1) {
            s.lblContatoreRisposteMultiple = 1;
            migliore = -100.0f;
            for (int n = 1; n <= 9; ++n) {
                if (conv[n].BackColor != ROSA || conv[n].ForeColor != colour::BLUE) continue;
                for (int e = primo(n); e < primo(n) + 3; ++e) {
                    if (conv[e].BackColor != colour::WHITE) continue;
                    if (conv[e].Caption.valore() > migliore) {
                        migliore = conv[e].Caption.valore();
                        s.lblValorePiuAlto = conv[e].Caption;
                        scelta = gruppo(n);
                    } else if (conv[e].Caption == s.lblValorePiuAlto) {
                        ++s.lblContatoreRisposteMultiple;
                        m.gioco.lblCartaPCDaGiocareBack = ROSA;
                    }
                }
            }
            if (m.gioco.lblCartaPCDaGiocareBack == ROSA) {
                int limite = 50;
                for (int n = 1; n <= 9; ++n)
                    if (conv[n].BackColor == colour::WHITE && conv[n].Caption == s.lblValorePiuAlto &&
                        c.lblValore[gruppo(n)] < limite) {
                        limite = c.lblValore[gruppo(n)];
                        scelta = gruppo(n);
                    }
            }
        }
        // 9
        s.lblContatoreRisposteMultiple = 1;
    }
    // 10
    fineScelta(true);
    m.gioco.lblCartaPCDaGiocareBack = colour::WHITE;
}

void Strategia::Filtro60PuntiRispondePC() {
    Model& m = w_.m;
    StatoStrategia& s = m.strategia;
    int& scelta = m.gioco.lblCartaPCDaGiocare;
    const int k = scelta;
    auto& tn = s.lblTotaliNormali;

    // 1. A trick that wins the game at once.
    if (k >= 1 && k <= 3 && tn[k].valore < 61) {
        for (int i = 1; i <= 3; ++i)
            if (!tn[i].vuota && tn[i].BackColor == colour::WHITE && tn[i].valore > 60) {
                scelta = i;
                s.lblFiltro60Punti = true;
                break;
            }
    } else if (k >= 1 && k <= 3) {
        s.lblFiltro60Punti = true;
    }
    // 2. Answers that let the human pass 60.
    int vietate = 0;
    for (int i = 1; i <= 3; ++i)
        if (tn[i].BackColor == colour::RED && tn[i].valore > 60) {
            s.lblTotaliPotenziali[i].BackColor = colour::MAGENTA;
            ++vietate;
        }
    // 3
    if (vietate == 3) {
        s.lblFiltro60Punti = true;
    } else if (scelta >= 1 && scelta <= 3 && s.lblTotaliPotenziali[scelta].BackColor == colour::MAGENTA) {
        for (int i = 1; i <= 3; ++i)
            if (s.lblTotaliPotenziali[i].BackColor == colour::WHITE) scelta = i;
    }
}

void Strategia::Filtro60PuntiIniziaPC() {
    Model& m = w_.m;
    StatoStrategia& s = m.strategia;
    int& scelta = m.gioco.lblCartaPCDaGiocare;
    auto& tn = s.lblTotaliNormali;
    auto& tp = s.lblTotaliPotenziali;

    // 1
    m.gioco.lblCartaPCDaGiocare2 = scelta;
    // 2. A card that some reply of the human turns into a win for the human.
    for (int n = 1; n <= 9; ++n)
        if (tn[n].BackColor == colour::RED && tn[n].valore > 60) tp[(n - 1) / 3 + 1].BackColor = colour::MAGENTA;
    // 3
    if (tp[1].BackColor == colour::MAGENTA && tp[2].BackColor == colour::MAGENTA &&
        tp[3].BackColor == colour::MAGENTA) {
        s.lblFiltro60Punti = true;
        return;
    }
    // 4. A card that wins the game whatever the reply.
    for (int g = 0; g < 3; ++g) {
        bool sicura = true;
        for (int n = 3 * g + 1; n <= 3 * g + 3; ++n)
            if (tn[n].vuota || tn[n].BackColor != colour::WHITE || tn[n].valore <= 60) sicura = false;
        if (sicura) {
            scelta = g + 1;
            s.lblFiltro60Punti = true;
        }
    }
    // 5
    if (scelta >= 1 && scelta <= 3 && tp[scelta].BackColor == colour::MAGENTA) {
        for (int i = 1; i <= 3; ++i)
            if (tp[i].BackColor == colour::WHITE) {
                scelta = i;
                break;
            }
    }
}

void Strategia::AzzeraValutazione() {
    Model& m = w_.m;
    StatoStrategia& s = m.strategia;
    m.gioco.lblNumeroCartaAnalizzata = 1;
    s.lblContatoreRisposteMultiple = 1;
    s.lblNumeroBriscole = 0;
    s.lblTotaliValoriAggiuntivi = 0;
    s.lblTotaliRossi = 0;
    s.lblTotaliVerdi = 0;
    s.lblValorePiuAlto = Singola();
    for (int c = 1; c <= 40; ++c) {
        CellaVirtuale& v = m.carte.lblPreseVirtuali[c];
        v.Caption.clear();
        if (v.ForeColor != colour::GREEN) v.ForeColor = colour::BLACK;
    }
    for (int n = 1; n <= 9; ++n) {
        s.lblTotaliNormali[n].svuota();
        s.lblTotaliNormali[n].BackColor = colour::WHITE;
        s.lblTotaliPotenziali[n].Caption = Singola();
        s.lblTotaliPotenziali[n].BackColor = colour::WHITE;
        s.lblConvenienza[n].Caption = Singola();
        s.lblConvenienza[n].BackColor = colour::WHITE;
        s.lblConvenienza[n].ForeColor = colour::BLACK;
        if (n <= 3) {
            s.lblValAgg[n].svuota();
            s.lblValAgg[n].BackColor = colour::WHITE;
        }
    }
}

}  // namespace zelvo
