#pragma once
// The timers of the main window, with their design intervals in ms.
#include "platform/scheduler.h"

namespace zelvo {

struct Timers {
    explicit Timers(Scheduler& s)
        : TimerDistribuisciCarte(s, "TimerDistribuisciCarte", 450),
          TimerAttesaDelPCaMuovere(s, "TimerAttesaDelPCaMuovere", 500),
          TimerAnimazionecarteH(s, "TimerAnimazionecarteH", 40),
          TimerAnimazionecartePC(s, "TimerAnimazionecartePC", 40),
          TimerPrendicarte(s, "TimerPrendicarte", 40),
          TimerUltimacartaH(s, "TimerUltimacartaH", 550),
          TimerEffettuaLaPresa(s, "TimerEffettuaLaPresa", 750),
          TimerPesca(s, "TimerPesca", 530),
          TimerPescaUltimeDue(s, "TimerPescaUltimeDue", 500),
          TimerValoreAggiuntivo(s, "TimerValoreAggiuntivo", 10),
          TimerBandiera(s, "TimerBandiera", 700),
          TimerCaricaPartita(s, "TimerCaricaPartita", 50),
          TimerImpazienza(s, "TimerImpazienza", 250),
          TimerFineImpazienza(s, "TimerFineImpazienza", 0),
          TimerFinisciCommento(s, "TimerFinisciCommento", 0),
          TimerInterdiciSuoni(s, "TimerInterdiciSuoni", 0),
          TimerDurataCommentoFinale(s, "TimerDurataCommentoFinale", 0),
          TimerCommentiFinali(s, "TimerCommentiFinali", 900),
          TimerFineRumoreCarte(s, "TimerFineRumoreCarte", 0),
          TimerFermaBrano(s, "TimerFermaBrano", 0),
          TimerFrequenzaMusica(s, "TimerFrequenzaMusica", 10),
          TimerIniziaInno(s, "TimerIniziaInno", 10),
          TimerEsci(s, "TimerEsci", 1500) {}

    Timer TimerDistribuisciCarte;
    Timer TimerAttesaDelPCaMuovere;
    Timer TimerAnimazionecarteH;
    Timer TimerAnimazionecartePC;
    Timer TimerPrendicarte;
    Timer TimerUltimacartaH;
    Timer TimerEffettuaLaPresa;
    Timer TimerPesca;
    Timer TimerPescaUltimeDue;
    Timer TimerValoreAggiuntivo;
    Timer TimerBandiera;
    Timer TimerCaricaPartita;
    Timer TimerImpazienza;
    Timer TimerFineImpazienza;
    Timer TimerFinisciCommento;
    Timer TimerInterdiciSuoni;
    Timer TimerDurataCommentoFinale;
    Timer TimerCommentiFinali;
    Timer TimerFineRumoreCarte;
    Timer TimerFermaBrano;
    Timer TimerFrequenzaMusica;
    Timer TimerIniziaInno;
    Timer TimerEsci;
};

}  // namespace zelvo
