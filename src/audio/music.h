#pragma once
// The folk melodies, the anthems of the award ceremony and the flag.
#include "audio/audio.h"

namespace zelvo {

class Music {
public:
    Music(AudioModel m, AudioTimers t, Platform& platform, RandomPick& pick)
        : m_(m), t_(t), platform_(platform), pick_(pick) {}

    // The end of a deal: start, resume or change the melody.
    void MusicaDistribuzione();
    // The winner's anthem (the flag that goes with it is the game's).
    void InnoItaliano();
    void InnoInglese();
    // The flag animation has ended: the title line of the music display comes back.
    void RipristinaTitolo();
    // The end panel is left: the anthem player is closed.
    void ChiudiInno();

    // Chooses and starts a melody not yet heard in this cycle of 21.
    void cmdSCegliBrano();
    // The option "Frequenza Musica:" has just changed: "Mai" silences at once,
    // "Sempre" plays the current melody again (or a new one once the first deal is over).
    void CambioFrequenza();
    // Stops the melody (the review with the music off): player closed, stop clock off, title hidden.
    void FermaBrano();

    void TimerFermaBrano_Timer();
    void TimerFrequenzaMusica_Timer();
    void TimerIniziaInno_Timer();

private:
    void anthem(const char* file, const char* title);
    // Starts again the melody last chosen, from its beginning, with its kept title.
    void repeatSong();
    AudioModel m_;
    AudioTimers t_;
    Platform& platform_;
    RandomPick& pick_;
};

}  // namespace zelvo
