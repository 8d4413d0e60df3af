#pragma once
// The fields of the commentary, the noises and the music.
#include <string>

namespace zelvo {

struct StatoSuoni {
    bool lblInterdiciSuoni = false;       // the sound lock: "Si" while a clip plays
    int lblContaImpaz = 0;                // the impatience counter
    bool lblCommentoIniziale = false;     // the opening remark of a deal is under way
    bool lblMusicaInterrotta = false;
    bool lblEtichettaAperturaGioco = false;  // "Si" after the first deal since the program started
};

}  // namespace zelvo
