#include "audio/clip.h"

namespace zelvo::clip {

void setFile(Platform& p, Player l, const std::string& file) {
    if (p.media) p.media->FileName(l, file);
}

void command(Platform& p, Player l, const char* cmd) {
    if (p.media) p.media->Command(l, cmd);
}

void openAndPlay(Platform& p, Player l) {
    command(p, l, "Open");
    command(p, l, "Prev");
    command(p, l, "Play");
}

void play(Platform& p, SoundState& s, Player l, const std::string& file, Timer* end, int ms, bool takeLock) {
    setFile(p, l, "");
    command(p, l, "Close");
    if (takeLock) s.lblInterdiciSuoni = true;
    setFile(p, l, file);
    if (end) end->setInterval(ms);
    openAndPlay(p, l);
    if (end) end->enable();
}

}  // namespace zelvo::clip
