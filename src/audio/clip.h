#pragma once
// The clip sequence every sound routine uses on one player, and the commands
// to the players, which are silence when the platform has none.
#include <string>

#include "model/sounds.h"
#include "platform/media.h"
#include "platform/platform.h"
#include "platform/scheduler.h"

namespace zelvo::clip {

void setFile(Platform& p, Player l, const std::string& file);
void command(Platform& p, Player l, const char* cmd);
// "Open", "Prev", "Play" on a player whose FileName is set.
void openAndPlay(Platform& p, Player l);
// Empty FileName and "Close"; take the lock when asked; FileName = the file and the
// end timer's interval = the lock time; "Open", "Prev", "Play"; enable the end timer.
// Without an end timer nothing is timed.
void play(Platform& p, SoundState& s, Player l, const std::string& file, Timer* end, int ms, bool takeLock);

}  // namespace zelvo::clip
