#include "strategy/strategia.h"

#include "ui/principale.h"

namespace zelvo {

void Strategia::primaCartaTemporanea() {
    for (int s = 1; s <= 3; ++s)
        if (!w_.m.carte.lblCarta[s].empty()) {
            w_.m.gioco.lblCartaPCDaGiocare = s;
            return;
        }
}

void Strategia::CalcolaPuntiCarte() {}
void Strategia::CalcolaTotaliIniziaPC() { w_.t.TimerValoreAggiuntivo.enable(); }
void Strategia::CalcolaTotaliRispondePC() { w_.t.TimerValoreAggiuntivo.enable(); }

void Strategia::TimerValoreAggiuntivo_Timer() {
    w_.t.TimerValoreAggiuntivo.disable();
    if (w_.m.gioco.lblTurnoDiGioco == Chi::H) cmdValoreAggiuntivo();
    else cmdValoreAggiuntivoIniziaPC();
}

void Strategia::cmdValoreAggiuntivo() {
    primaCartaTemporanea();
    w_.t.TimerAttesaDelPCaMuovere.enable();
    w_.m.gioco.lblGiocoInCorso = true;
    w_.m.gioco.lblPartitaInCorso = true;
}

void Strategia::cmdValoreAggiuntivoIniziaPC() { cmdValoreAggiuntivo(); }
void Strategia::AzzeraValutazione() { w_.m.gioco.lblNumeroCartaAnalizzata = 1; }
void Strategia::ApplicaLivello() {}
void Strategia::ScegliCartaACaso() {}
void Strategia::cmdTerzultimaGiocataIniziaPC() { primaCartaTemporanea(); }
void Strategia::cmdTerzultimaGiocataRispondePC() { primaCartaTemporanea(); }
void Strategia::cmdAnalisiSecondoLivello() {}
void Strategia::cmdAnalisiSecondoLivelloBis() {}
void Strategia::cmdPenultimaGiocataIniziaPC() {
    primaCartaTemporanea();
    w_.t.TimerAttesaDelPCaMuovere.enable();
}
void Strategia::cmdPenultimaGiocataRispondePC() { primaCartaTemporanea(); }
void Strategia::AzzeraAnalisiFinale() {}

}  // namespace zelvo
