#pragma once
// The clip sequence every sound routine uses on one player, and the commands
// to the players, which are silence when the platform has none.
#include <string>

#include "platform/media.h"

namespace zelvo {

class Principale;
class Timer;

namespace clip {

// Empty FileName and "Close"; take the lock when asked; FileName = the file and
// the end timer's interval = the lock time; "Open", "Prev", "Play"; enable the
// end timer. Without an end timer nothing is timed.
void suona(Principale& w, Lettore l, const std::string& file, Timer* fine, int ms, bool prendiBlocco);

void nomeFile(Principale& w, Lettore l, const std::string& file);
void comando(Principale& w, Lettore l, const char* cmd);
// "Open", "Prev", "Play" on a player whose FileName is set.
void apriESuona(Principale& w, Lettore l);

}  // namespace clip
}  // namespace zelvo
