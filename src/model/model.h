#pragma once
// The model of the main window: every field the game reads and writes, grouped
// by the subsystem that owns it. The view repaints from it; tests inspect it.
#include <string>

#include "model/sounds.h"
#include "cards/table.h"
#include "model/game.h"
#include "model/data_panel.h"
#include "model/records.h"
#include "model/options.h"
#include "model/window.h"

namespace zelvo {

struct Model {
    CardTable cards;
    GameAndMatch game;
    Options options;
    Window window;
    DataPanel data;
    SoundState sounds;
    RecordsState records;

    // The human's name and sex ("M", "F") from the title window; a new game puts the
    // name back on the table after a review has shown another player's.
    std::string playerName = "Giocatore";
    std::string lblSessoGiocatore = "M";
};

}  // namespace zelvo
