#pragma once
// The hall of fame: the ranking of the ten best players, the statistics by
// level and the register of matches, updated and saved at the end of a match.
#include <string>

#include "model/data_panel.h"
#include "model/game.h"
#include "model/options.h"
#include "model/records.h"
#include "model/window.h"
#include "platform/clock.h"
#include "platform/platform.h"

namespace zelvo {

struct HallOfFameModel {
    RecordsState& records;
    DataPanel& data;            // the date heading of the match
    const Window& window;       // who won: the opaque name label, and the human's name
    const GameAndMatch& game;
    const Options& options;
};

// The register entry of a match: number, winner first, games, date and time.
std::string registerEntry(int n, bool humanWon, bool peeked, const std::string& name, int level, int gamesH,
                          int gamesPC, const DateTime& when);

class HallOfFame {
public:
    HallOfFame(HallOfFameModel m, Platform& platform) : m_(m), platform_(platform) {}

    void AggiornaClassifica();
    void SalvaAlbo();
    // At start-up: an interrupted save is finished or undone, then the records are read.
    void CaricaAlbo();

private:
    HallOfFameModel m_;
    Platform& platform_;
};

}  // namespace zelvo
