#include "audio/clip.h"

#include "ui/principale.h"

namespace zelvo::clip {

void nomeFile(Principale& w, Lettore l, const std::string& file) {
    if (w.piattaforma.media) w.piattaforma.media->FileName(l, file);
}

void comando(Principale& w, Lettore l, const char* cmd) {
    if (w.piattaforma.media) w.piattaforma.media->Command(l, cmd);
}

void apriESuona(Principale& w, Lettore l) {
    comando(w, l, "Open");
    comando(w, l, "Prev");
    comando(w, l, "Play");
}

void suona(Principale& w, Lettore l, const std::string& file, Timer* fine, int ms, bool prendiBlocco) {
    nomeFile(w, l, "");
    comando(w, l, "Close");
    if (prendiBlocco) w.m.sounds.lblInterdiciSuoni = true;
    nomeFile(w, l, file);
    if (fine) fine->setInterval(ms);
    apriESuona(w, l);
    if (fine) fine->enable();
}

}  // namespace zelvo::clip
