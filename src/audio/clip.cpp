#include "audio/clip.h"

namespace zelvo::clip {

void setFile(Piattaforma& p, Lettore l, const std::string& file) {
    if (p.media) p.media->FileName(l, file);
}

void command(Piattaforma& p, Lettore l, const char* cmd) {
    if (p.media) p.media->Command(l, cmd);
}

void openAndPlay(Piattaforma& p, Lettore l) {
    command(p, l, "Open");
    command(p, l, "Prev");
    command(p, l, "Play");
}

void play(Piattaforma& p, SoundState& s, Lettore l, const std::string& file, Timer* end, int ms, bool takeLock) {
    setFile(p, l, "");
    command(p, l, "Close");
    if (takeLock) s.lblInterdiciSuoni = true;
    setFile(p, l, file);
    if (end) end->setInterval(ms);
    openAndPlay(p, l);
    if (end) end->enable();
}

}  // namespace zelvo::clip
