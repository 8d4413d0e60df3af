// The folk melodies in a random order without repeats, the pause between them,
// and the anthems of the award ceremony. Music has its own players and never
// takes the sound lock: a melody plays under the noises and remarks.
#include "audio/musica.h"

#include "audio/clip.h"
#include "audio/tabelle.h"
#include "ui/principale.h"

namespace zelvo {

void Music::cmdSCegliBrano() {
    SoundState& s = w_.m.sounds;
    // A generator stuck on heard melodies would spin for ever: give up quietly.
    for (int tentativi = 0; tentativi < 10000; ++tentativi) {
        int r = w_.pick.NumeroCasuale(suoni::NUMERO_BRANI);
        if (s.lblNumeroBraniAscoltati == suoni::NUMERO_BRANI) {
            // Every melody heard: a new cycle of 21.
            s.branoAscoltato.fill(false);
            s.lblNumeroBraniAscoltati = 0;
            continue;
        }
        if (s.branoAscoltato[r]) continue;
        // Right after a new cycle the melody just heard may come up again: draw
        // again rather than fall silent or repeat it.
        if (r == s.lblBranoInCorso) continue;

        s.branoAscoltato[r] = true;
        clip::comando(w_, Lettore::mmcBrano, "Close");
        w_.t.TimerFermaBrano.disable();
        s.lblBranoInCorso = r;
        s.lblContatoreBrano = 0;
        s.lblNumeroBraniAscoltati = s.lblNumeroBraniAscoltati == -1 ? 1 : s.lblNumeroBraniAscoltati + 1;
        const suoni::Brano& b = suoni::brano(r);
        w_.t.TimerFermaBrano.setInterval(b.intervalloStop);
        clip::nomeFile(w_, Lettore::mmcBrano, suoni::fileBrano(r));
        s.lblTitolo.Top = b.posizioneTitolo;
        s.lblTitolo.Caption = b.titolo;
        s.lblTitoloInMemoria = b.titolo;
        clip::apriESuona(w_, Lettore::mmcBrano);
        s.lblBranoTerminato = false;
        w_.t.TimerFermaBrano.enable();
        if (w_.m.options.is(opz::Titoli, "Si")) s.lblTitolo.Visible = true;
        return;
    }
}

void Music::ripetiBrano() {
    SoundState& s = w_.m.sounds;
    s.lblContatoreBrano = 0;
    clip::comando(w_, Lettore::mmcBrano, "Close");
    clip::apriESuona(w_, Lettore::mmcBrano);
    if (w_.m.options.is(opz::Titoli, "Si")) s.lblTitolo.Visible = true;
    s.lblTitolo.Caption = s.lblTitoloInMemoria;
    s.lblBranoTerminato = false;
    w_.t.TimerFermaBrano.enable();  // its interval is still the melody's
}

void Music::TimerFermaBrano_Timer() {
    SoundState& s = w_.m.sounds;
    if (++s.lblContatoreBrano < 2) return;
    s.lblContatoreBrano = 0;
    s.lblBranoTerminato = true;
    w_.t.TimerFermaBrano.disable();
    clip::comando(w_, Lettore::mmcBrano, "Close");
    s.lblTitolo.Visible = false;
    s.lblTitolo.Caption.clear();
    if (int pausa = suoni::pausaMusica(w_.m.options[opz::FrequenzaMusica]); pausa > 0) {
        w_.t.TimerFrequenzaMusica.setInterval(pausa);
        w_.t.TimerFrequenzaMusica.enable();
    }
}

void Music::TimerFrequenzaMusica_Timer() {
    Model& m = w_.m;
    w_.t.TimerFrequenzaMusica.disable();
    clip::comando(w_, Lettore::mmcBandiera, "Close");
    if (m.sounds.lblMusicaInterrotta || m.options.is(opz::FrequenzaMusica, "Mai")) return;
    if (m.options.is(opz::CambioBrano, "Dopo il brano precedente")) {
        cmdSCegliBrano();
    } else if (m.sounds.lblConfrontaGiocoPerIlCambioDelBrano == m.game.lblNumeroGioco) {
        ripetiBrano();
    } else {
        m.sounds.lblConfrontaGiocoPerIlCambioDelBrano = m.game.lblNumeroGioco;
        cmdSCegliBrano();
    }
}

void Music::CambioFrequenza() {
    Model& m = w_.m;
    SoundState& s = m.sounds;
    if (m.options.is(opz::FrequenzaMusica, "Mai")) {
        clip::comando(w_, Lettore::mmcBrano, "Close");
        s.lblContatoreBrano = 0;
        w_.t.TimerFermaBrano.disable();
        w_.t.TimerFrequenzaMusica.disable();
    } else if (m.options.is(opz::FrequenzaMusica, "Sempre")) {
        if (s.lblNumeroBraniAscoltati != -1) ripetiBrano();
        else if (s.lblEtichettaAperturaGioco) cmdSCegliBrano();
    }
}

void Music::MusicaDistribuzione() {
    Model& m = w_.m;
    SoundState& s = m.sounds;
    const bool mai = m.options.is(opz::FrequenzaMusica, "Mai");
    if (!s.lblEtichettaAperturaGioco) {
        s.lblEtichettaAperturaGioco = true;
        if (!mai) cmdSCegliBrano();
        return;
    }
    if (mai || !s.lblMusicaInterrotta) return;
    if (m.options.is(opz::CambioBrano, "Dopo un nuovo Gioco") || s.lblBranoTerminato) cmdSCegliBrano();
    else ripetiBrano();
}

void Music::inno(const char* file, const char* titolo) {
    Model& m = w_.m;
    SoundState& s = m.sounds;
    clip::comando(w_, Lettore::mmcBrano, "Close");
    const int v = m.game.lblVincitore;
    if (v == 1 || v == 2) m.window.ImgBandiera[v].Visible = true;
    s.lblMusicaInterrotta = true;
    w_.t.TimerBandiera.enable();
    s.lblContatoreBrano = 0;
    w_.t.TimerFermaBrano.disable();
    w_.t.TimerFrequenzaMusica.disable();
    s.lblTitoloInMemoria = s.lblTitolo.Caption;
    s.lblPosizioneTitolo = s.lblTitolo.Top;
    s.lblTitolo.Top = 1550;
    s.lblTitolo.Caption = titolo;
    if (m.options.is(opz::Titoli, "Si")) s.lblTitolo.Visible = true;
    clip::nomeFile(w_, Lettore::mmcBandiera, file);
    w_.t.TimerIniziaInno.setInterval(10);
    w_.t.TimerIniziaInno.enable();
}

void Music::InnoInglese() { inno(suoni::FILE_INNO_INGLESE, suoni::TITOLO_INNO_INGLESE); }
void Music::InnoItaliano() { inno(suoni::FILE_INNO_ITALIANO, suoni::TITOLO_INNO_ITALIANO); }

void Music::TimerIniziaInno_Timer() {
    w_.t.TimerIniziaInno.disable();
    clip::apriESuona(w_, Lettore::mmcBandiera);
}

void Music::RipristinaTitolo() {
    // The anthem's title leaves the table; the melody's title and place come back
    // for when the music resumes at the next deal.
    SoundState& s = w_.m.sounds;
    s.lblTitolo.Visible = false;
    s.lblTitolo.Caption = s.lblTitoloInMemoria;
    s.lblTitolo.Top = s.lblPosizioneTitolo;
}

void Music::ChiudiInno() {
    clip::comando(w_, Lettore::mmcBandiera, "Close");
    clip::nomeFile(w_, Lettore::mmcBandiera, "");
}

void Music::FermaBrano() {
    clip::comando(w_, Lettore::mmcBrano, "Close");
    w_.m.sounds.lblContatoreBrano = 0;
    w_.t.TimerFermaBrano.disable();
    w_.m.sounds.lblTitolo.Visible = false;
}

}  // namespace zelvo
