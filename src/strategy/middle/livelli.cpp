// The five playing strengths: a weaker level sometimes plays a random card of
// the hand instead of the strategy's choice.
#include "strategy/strategia.h"
#include "ui/principale.h"

namespace zelvo {

void Strategia::ApplicaLivello() {
    const int r = w_.mazzo.NumeroCasuale(120);
    const Opzioni& o = w_.m.opzioni;
    int soglia = 0;
    if (o.is(opz::Abilita, "Alta (Livello B)")) soglia = 101;
    else if (o.is(opz::Abilita, "Media (Livello C)")) soglia = 97;
    else if (o.is(opz::Abilita, "Bassa (Livello D)")) soglia = 91;
    else if (o.is(opz::Abilita, "Minima (Livello E)")) soglia = 81;
    if (soglia && r >= soglia && r <= 120) ScegliCartaACaso();
}

void Strategia::ScegliCartaACaso() {
    const int r = w_.mazzo.NumeroCasuale(3);
    StatoGioco& g = w_.m.gioco;
    g.lblCartaPCDaGiocare2 = g.lblCartaPCDaGiocare;
    g.lblCartaPCDaGiocare = r;
    g.lblCartaPCDaGiocareFore = colour::GREEN;
}

}  // namespace zelvo
