// The noises of the table: a card down, a card dealt or drawn, a trick swept,
// each holding the sound lock for the length of its clip.
#include "audio/noises.h"

#include "audio/clip.h"
#include "audio/tables.h"

namespace zelvo {

bool Noises::allowed() const {
    return !m_.sounds.lblInterdiciSuoni && m_.options.get<GameNoises>() == GameNoises::Yes;
}

void Noises::cardDown() {
    if (allowed()) SuonaCarta();
}

void Noises::cardDrawn() {
    if (allowed()) SuonaDistribuzione();
}

void Noises::trickTaken(int stock) {
    if (allowed() && stock != -6) SuonaPresa();
}

void Noises::reviewStep(int phase) {
    const ReviewAudio a = m_.options.get<ReviewAudio>();
    if (m_.options.get<GameNoises>() == GameNoises::Yes && (a == ReviewAudio::AsInGame || a == ReviewAudio::StopMusic))
        SuonaAnalisi(phase);
}

void Noises::SuonaCarta() {
    const audio::Noise n = audio::cardNoise(m_.game.lblUltimaCartaGiocata);
    clip::play(platform_, m_.sounds, Player::mmcRumori, n.file, &t_.TimerFineRumoreCarte, n.ms, true);
}

void Noises::SuonaDistribuzione() {
    if (m_.sounds.lblInterdiciSuoni) return;
    const int r = pick_.NumeroCasuale(4);
    clip::play(platform_, m_.sounds, Player::mmcRumori, audio::dealNoise(r), &t_.TimerFineRumoreCarte,
               audio::DEAL_NOISE_MS, true);
}

void Noises::SuonaPresa() {
    m_.sounds.lblInterdiciSuoni = true;
    const int r = pick_.NumeroCasuale(2);
    clip::play(platform_, m_.sounds, Player::mmcRumori, audio::takingNoise(r), &t_.TimerFineRumoreCarte,
               audio::TAKING_NOISE_MS, true);
}

void Noises::SuonaAnalisi(int phase) {
    const int r = pick_.NumeroCasuale(4);
    clip::setFile(platform_, Player::mmcRumori, "");
    clip::command(platform_, Player::mmcRumori, "Close");
    const Window& w = m_.window;
    const bool namesWhite = w.lblPC.ForeColor == colour::WHITE && w.lblH.ForeColor == colour::WHITE;
    const std::string file = audio::reviewNoise(phase, m_.game.lblManche, r, namesWhite, m_.game.lblPuntiPC,
                                                t_.TimerFermaBrano.enabled());
    if (file.empty()) return;
    clip::setFile(platform_, Player::mmcRumori, file);
    clip::openAndPlay(platform_, Player::mmcRumori);
}

void Noises::TimerFineRumoreCarte_Timer() {
    t_.TimerFineRumoreCarte.disable();
    m_.sounds.lblInterdiciSuoni = false;
}

}  // namespace zelvo
