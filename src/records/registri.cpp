#include "records/registri.h"

#include "ui/principale.h"

namespace zelvo {

void Records::AggiornaNomeLivello() {
    static const char* const LIVELLI[5][2] = {{"Massima (Livello A)", "ZELVO A"},
                                              {"Alta (Livello B)", "ZELVO B"},
                                              {"Media (Livello C)", "ZELVO C"},
                                              {"Bassa (Livello D)", "ZELVO D"},
                                              {"Minima (Livello E)", "ZELVO E"}};
    for (const auto& l : LIVELLI)
        if (w_.m.options.is(12, l[0])) w_.m.data.lblDati[0].Caption = l[1];
}

void Records::RipristinaColoriDati() {
    auto& d = w_.m.data.lblDati;
    for (int k = 1; k <= 20; ++k) {
        d[cells::pcCard(k)].ForeColor = colour::BLUE;
        d[cells::humanCard(k)].ForeColor = colour::BLUE;
    }
    for (int k = 2; k <= 18; ++k) {
        d[cells::pcDraw(k)].ForeColor = colour::BLACK;
        d[cells::humanDraw(k)].ForeColor = colour::BLACK;
    }
}

// One button of the window has the keyboard focus.
void Records::fuoco(Button& p) { giveFocus(w_.m.window, p); }

}  // namespace zelvo
