#include "records/registri.h"

#include "ui/principale.h"

namespace zelvo {

void Registri::AggiornaNomeLivello() {
    static const char* const LIVELLI[5][2] = {{"Massima (Livello A)", "ZELVO A"},
                                              {"Alta (Livello B)", "ZELVO B"},
                                              {"Media (Livello C)", "ZELVO C"},
                                              {"Bassa (Livello D)", "ZELVO D"},
                                              {"Minima (Livello E)", "ZELVO E"}};
    for (const auto& l : LIVELLI)
        if (w_.m.opzioni.is(12, l[0])) w_.m.dati.lblDati[0].Caption = l[1];
}

void Registri::RipristinaColoriDati() {
    auto& d = w_.m.dati.lblDati;
    for (int k = 1; k <= 20; ++k) {
        d[dati::cartaPC(k)].ForeColor = colour::BLUE;
        d[dati::cartaH(k)].ForeColor = colour::BLUE;
    }
    for (int k = 2; k <= 18; ++k) {
        d[dati::pescataPC(k)].ForeColor = colour::BLACK;
        d[dati::pescataH(k)].ForeColor = colour::BLACK;
    }
}

// One button of the window has the keyboard focus.
void Registri::fuoco(Pulsante& p) { daiFuoco(w_.m.finestra, p); }

}  // namespace zelvo
