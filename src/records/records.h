#pragma once
// What the records work on: the settings file, the hall of fame, the archive of
// saved games and the review of a recorded game.
#include "cards/table.h"
#include "model/data_panel.h"
#include "model/game.h"
#include "model/options.h"
#include "model/records.h"
#include "model/window.h"
#include "platform/platform.h"

namespace zelvo {

// The review plays a recorded game on the table: it moves the cards and writes
// the game's points and trick number as the game would.
struct ReviewModel {
    CardTable& cards;
    GameAndMatch& game;
    Window& window;
    DataPanel& data;
    RecordsState& records;
    Options& options;
};

// What the review tells the rest of the game.
class RecordsEvents {
public:
    virtual ~RecordsEvents() = default;
    virtual void reviewStep(int phase) = 0;  // the noise of a step, by the phase it stands for
    virtual void backToGame() = 0;           // "Riprendi a giocare": the next game starts
};

}  // namespace zelvo
