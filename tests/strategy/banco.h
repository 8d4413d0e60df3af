#pragma once
// A window laid out with a given position, for the strategy tests.
#include <memory>

#include "platform/headless.h"
#include "strategy/posizione.h"
#include "ui/principale.h"

namespace zelvo::prova {

struct Banco {
    explicit Banco(uint64_t seme = 1) : h(seme), w(h.piattaforma) {}
    Banco(const Posizione& p, uint64_t seme = 1) : Banco(seme) { caricaPosizione(w, p); }
    Headless h;
    Principale w;
    StatoStrategia& s() { return w.m.strategia; }
    Carte& c() { return w.m.carte; }
    StatoGioco& g() { return w.m.gioco; }
};

inline Posizione posizione(char briscola, std::array<std::string, 3> pc, std::array<std::string, 3> h,
                           int mazzo, Chi guida = Chi::PC, int slotH = 0) {
    Posizione p;
    p.briscola = briscola;
    p.pc = pc;
    p.h = h;
    p.mazzo = mazzo;
    p.guida = guida;
    p.slotH = slotH;
    return p;
}

}  // namespace zelvo::prova
