// The folk melodies in a random order without repeats, the pause between them,
// and the anthems of the award ceremony. Music has its own players and never
// takes the sound lock: a melody plays under the noises and remarks.
#include "audio/music.h"

#include "audio/clip.h"
#include "audio/tables.h"

namespace zelvo {

void Music::cmdSCegliBrano() {
    SoundState& s = m_.sounds;
    // A generator stuck on heard melodies would spin for ever: give up quietly.
    for (int attempts = 0; attempts < 10000; ++attempts) {
        const int r = pick_.NumeroCasuale(audio::SONG_COUNT);
        if (s.lblNumeroBraniAscoltati == audio::SONG_COUNT) {
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
        clip::command(platform_, Player::mmcBrano, "Close");
        t_.TimerFermaBrano.disable();
        s.lblBranoInCorso = r;
        s.lblContatoreBrano = 0;
        s.lblNumeroBraniAscoltati = s.lblNumeroBraniAscoltati == -1 ? 1 : s.lblNumeroBraniAscoltati + 1;
        const audio::Song& song = audio::song(r);
        t_.TimerFermaBrano.setInterval(song.stopInterval);
        clip::setFile(platform_, Player::mmcBrano, audio::songFile(r));
        s.lblTitolo.Top = song.titleTop;
        s.lblTitolo.Caption = song.title;
        s.lblTitoloInMemoria = song.title;
        clip::openAndPlay(platform_, Player::mmcBrano);
        s.lblBranoTerminato = false;
        t_.TimerFermaBrano.enable();
        if (m_.options.get<SongTitles>() == SongTitles::Yes) s.lblTitolo.Visible = true;
        return;
    }
}

void Music::repeatSong() {
    SoundState& s = m_.sounds;
    s.lblContatoreBrano = 0;
    clip::command(platform_, Player::mmcBrano, "Close");
    clip::openAndPlay(platform_, Player::mmcBrano);
    if (m_.options.get<SongTitles>() == SongTitles::Yes) s.lblTitolo.Visible = true;
    s.lblTitolo.Caption = s.lblTitoloInMemoria;
    s.lblBranoTerminato = false;
    t_.TimerFermaBrano.enable();  // its interval is still the melody's
}

void Music::TimerFermaBrano_Timer() {
    SoundState& s = m_.sounds;
    if (++s.lblContatoreBrano < 2) return;
    s.lblContatoreBrano = 0;
    s.lblBranoTerminato = true;
    t_.TimerFermaBrano.disable();
    clip::command(platform_, Player::mmcBrano, "Close");
    s.lblTitolo.Visible = false;
    s.lblTitolo.Caption.clear();
    if (const int pause = audio::musicPause(m_.options.get<MusicFrequency>()); pause > 0) {
        t_.TimerFrequenzaMusica.setInterval(pause);
        t_.TimerFrequenzaMusica.enable();
    }
}

void Music::TimerFrequenzaMusica_Timer() {
    t_.TimerFrequenzaMusica.disable();
    clip::command(platform_, Player::mmcBandiera, "Close");
    if (m_.sounds.lblMusicaInterrotta || m_.options.get<MusicFrequency>() == MusicFrequency::Never) return;
    if (m_.options.get<SongChange>() == SongChange::AfterPreviousSong) {
        cmdSCegliBrano();
    } else if (m_.sounds.lblConfrontaGiocoPerIlCambioDelBrano == m_.game.lblNumeroGioco) {
        repeatSong();
    } else {
        m_.sounds.lblConfrontaGiocoPerIlCambioDelBrano = m_.game.lblNumeroGioco;
        cmdSCegliBrano();
    }
}

void Music::CambioFrequenza() {
    SoundState& s = m_.sounds;
    const MusicFrequency f = m_.options.get<MusicFrequency>();
    if (f == MusicFrequency::Never) {
        clip::command(platform_, Player::mmcBrano, "Close");
        s.lblContatoreBrano = 0;
        t_.TimerFermaBrano.disable();
        t_.TimerFrequenzaMusica.disable();
    } else if (f == MusicFrequency::Always) {
        if (s.lblNumeroBraniAscoltati != -1) repeatSong();
        else if (s.lblEtichettaAperturaGioco) cmdSCegliBrano();
    }
}

void Music::MusicaDistribuzione() {
    SoundState& s = m_.sounds;
    const bool never = m_.options.get<MusicFrequency>() == MusicFrequency::Never;
    if (!s.lblEtichettaAperturaGioco) {
        s.lblEtichettaAperturaGioco = true;
        if (!never) cmdSCegliBrano();
        return;
    }
    if (never || !s.lblMusicaInterrotta) return;
    if (m_.options.get<SongChange>() == SongChange::AfterNewGame || s.lblBranoTerminato) cmdSCegliBrano();
    else repeatSong();
}

void Music::anthem(const char* file, const char* title) {
    SoundState& s = m_.sounds;
    clip::command(platform_, Player::mmcBrano, "Close");
    s.lblMusicaInterrotta = true;
    s.lblContatoreBrano = 0;
    t_.TimerFermaBrano.disable();
    t_.TimerFrequenzaMusica.disable();
    s.lblTitoloInMemoria = s.lblTitolo.Caption;
    s.lblPosizioneTitolo = s.lblTitolo.Top;
    s.lblTitolo.Top = 1550;
    s.lblTitolo.Caption = title;
    if (m_.options.get<SongTitles>() == SongTitles::Yes) s.lblTitolo.Visible = true;
    clip::setFile(platform_, Player::mmcBandiera, file);
    t_.TimerIniziaInno.setInterval(10);
    t_.TimerIniziaInno.enable();
}

void Music::InnoInglese() { anthem(audio::ENGLISH_ANTHEM_FILE, audio::ENGLISH_ANTHEM_TITLE); }
void Music::InnoItaliano() { anthem(audio::ITALIAN_ANTHEM_FILE, audio::ITALIAN_ANTHEM_TITLE); }

void Music::TimerIniziaInno_Timer() {
    t_.TimerIniziaInno.disable();
    clip::openAndPlay(platform_, Player::mmcBandiera);
}

void Music::RipristinaTitolo() {
    // The anthem's title leaves the table; the melody's title and place come back
    // for when the music resumes at the next deal.
    SoundState& s = m_.sounds;
    s.lblTitolo.Visible = false;
    s.lblTitolo.Caption = s.lblTitoloInMemoria;
    s.lblTitolo.Top = s.lblPosizioneTitolo;
}

void Music::ChiudiInno() {
    clip::command(platform_, Player::mmcBandiera, "Close");
    clip::setFile(platform_, Player::mmcBandiera, "");
}

void Music::FermaBrano() {
    clip::command(platform_, Player::mmcBrano, "Close");
    m_.sounds.lblContatoreBrano = 0;
    t_.TimerFermaBrano.disable();
    m_.sounds.lblTitolo.Visible = false;
}

}  // namespace zelvo
