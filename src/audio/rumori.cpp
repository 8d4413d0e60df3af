// The noises of the table: a card down, a card dealt or drawn, a trick swept,
// each holding the sound lock for the length of its clip.
#include "audio/rumori.h"

#include "audio/clip.h"
#include "audio/tabelle.h"
#include "ui/principale.h"

namespace zelvo {

void Noises::SuonaCarta() {
    // The callers have tested the lock and option 9.
    const suoni::Rumore r = suoni::rumoreCarta(w_.m.game.lblUltimaCartaGiocata);
    clip::suona(w_, Lettore::mmcRumori, r.file, &w_.t.TimerFineRumoreCarte, r.ms, true);
}

void Noises::SuonaDistribuzione() {
    if (w_.m.sounds.lblInterdiciSuoni) return;
    int r = w_.pick.NumeroCasuale(4);
    clip::suona(w_, Lettore::mmcRumori, suoni::rumoreDistribuzione(r), &w_.t.TimerFineRumoreCarte,
                suoni::DURATA_DISTRIBUZIONE, true);
}

void Noises::SuonaPresa() {
    // The caller has tested the lock, option 9 and that this is not the last trick.
    w_.m.sounds.lblInterdiciSuoni = true;
    int r = w_.pick.NumeroCasuale(2);
    clip::suona(w_, Lettore::mmcRumori, suoni::rumorePresa(r), &w_.t.TimerFineRumoreCarte, suoni::DURATA_PRESA,
                true);
}

void Noises::SuonaAnalisi(int contaDati) {
    Model& m = w_.m;
    int r = w_.pick.NumeroCasuale(4);
    clip::nomeFile(w_, Lettore::mmcRumori, "");
    clip::comando(w_, Lettore::mmcRumori, "Close");
    const bool bianchi = m.window.lblPC.ForeColor == colour::WHITE && m.window.lblH.ForeColor == colour::WHITE;
    const std::string file = suoni::fileAnalisi(contaDati, m.game.lblManche, r, bianchi, m.game.lblPuntiPC,
                                                w_.t.TimerFermaBrano.enabled());
    if (file.empty()) return;
    clip::nomeFile(w_, Lettore::mmcRumori, file);
    clip::apriESuona(w_, Lettore::mmcRumori);
}

void Noises::TimerFineRumoreCarte_Timer() {
    w_.t.TimerFineRumoreCarte.disable();
    w_.m.sounds.lblInterdiciSuoni = false;
}

}  // namespace zelvo
