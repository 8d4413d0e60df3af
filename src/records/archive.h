#pragma once
// The archive of saved games: a game file holds the data-panel grid; opening one
// starts its review.
#include <string>

#include "platform/scheduler.h"
#include "formats/file_formats.h"
#include "records/review.h"

namespace zelvo {

// The game file of the game the data panel holds.
formats::GameFile recordedGame(const DataPanel& d);
// The file name of a saved game, by match and game number ("007-02.txt").
std::string archiveFileName(int match, int game);

class Archive {
public:
    Archive(ReviewModel m, Timer& TimerCaricaPartita, Platform& platform, Review& review)
        : m_(m), TimerCaricaPartita_(TimerCaricaPartita), platform_(platform), review_(review) {}

    void SalvaGioco();
    void cmdLoad();
    void TimerCaricaPartita_Timer();
    // The name the save dialog proposes, below the data root ("...\Archivio\007-02.txt").
    std::string proposedName() const;

private:
    ReviewModel m_;
    Timer& TimerCaricaPartita_;
    Platform& platform_;
    Review& review_;
};

}  // namespace zelvo
