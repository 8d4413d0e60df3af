#pragma once
// The model of the main window: every field the game reads and writes, grouped
// by the subsystem that owns it. The view repaints from it; tests inspect it.
#include <string>

#include "audio/state.h"
#include "cards/table.h"
#include "game/state.h"
#include "records/data_panel.h"
#include "records/state.h"
#include "ui/options.h"
#include "ui/window.h"

namespace zelvo {

struct Model {
    Carte carte;
    StatoGioco gioco;
    Opzioni opzioni;
    Finestra finestra;
    PannelloDati dati;
    StatoSuoni suoni;
    StatoRegistri registri;

    // The human's name and sex ("M", "F") from the title window; a new game puts the
    // name back on the table after a review has shown another player's.
    std::string nomeGiocatore = "Giocatore";
    std::string lblSessoGiocatore = "M";
};

}  // namespace zelvo
