#pragma once
// The shuffle, the random draw of a card into a slot, and the played mark.
#include <string>

#include "cards/random_pick.h"
#include "cards/table.h"

namespace zelvo {

// A random order of the 40 codes into the shuffled deck lblCartaDaEstrarre.
void cmdMescolaCarte(CardTable& c, RandomPick& pick);
// A random undrawn card of the shuffled deck into `slot`.
void cmdEstraiACasoUnaCarta(CardTable& c, int slot, RandomPick& pick);
// Marks a card as played by the human or the computer in the grids; returns its
// cell (0 when the text is none of the 40 codes, and nothing is marked).
int SegnaCartaGiocata(CardTable& c, const std::string& card, bool byHuman);

}  // namespace zelvo
