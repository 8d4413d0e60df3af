#pragma once
// One decision of the computer from a described position: the table is laid
// out in a window's model as the game would have it at that moment, the
// routines that the game calls for that deck count run, and the choice is
// read before the card would be played. Used by the decide tool, the
// benchmarks and the tests.
#include <array>
#include <string>
#include <vector>

#include "game/state.h"

namespace zelvo {

class Principale;

struct Posizione {
    char briscola = 'd';                  // lblSeme(7)
    std::array<std::string, 3> pc{};      // lblCarta(1..3), "" for an empty slot
    std::array<std::string, 3> h{};       // lblCarta(4..6)
    std::vector<std::string> giocate;     // cards carrying the played mark
    Chi guida = Chi::PC;                  // lblTurnoDiGioco
    int slotH = 0;                        // lblNumeroCartaGiocataDaH when the human has led
    int mazzo = 34;                       // lblNumeroCarteRimaste when the decision starts
    int puntiPC = 0, puntiH = 0;
    bool filtro60 = false;                // true: the filter has already fired ("Si")
};

// An empty text when the position can occur in a game, else what is wrong with it.
std::string controllaPosizione(const Posizione& p);

// Lays the position out in the model of w (a freshly built window).
void caricaPosizione(Principale& w, const Posizione& p);

// Runs the decision chain for p.mazzo up to the start of the computer's pause
// and returns the chosen slot (0 when none). The pause tick never fires.
int decidi(Principale& w);

}  // namespace zelvo
