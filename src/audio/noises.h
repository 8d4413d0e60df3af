#pragma once
// The noises of the cards and of the tricks, under the shared sound lock.
#include "audio/audio.h"

namespace zelvo {

class Noises {
public:
    Noises(AudioModel m, AudioTimers t, Platform& platform, RandomPick& pick)
        : m_(m), t_(t), platform_(platform), pick_(pick) {}

    // A card's noise, by the strength of the card just played.
    void SuonaCarta();
    void SuonaDistribuzione();
    // The noise of a trick being taken.
    void SuonaPresa();
    // The noise of one step of the review of a recorded game; `phase` is the phase of
    // the review's cycle (1..4) the step stands for. No lock.
    void SuonaAnalisi(int phase);
    void TimerFineRumoreCarte_Timer();

    // What the game asks for: each noise only with "Rumori di Gioco:" on and no clip
    // holding the lock.
    void cardDown();
    void cardDrawn();
    // The taking's noise, except after the last trick (`stock` -6).
    void trickTaken(int stock);
    // A step of the review sounds as in the game unless the review's audio option says otherwise.
    void reviewStep(int phase);

private:
    bool allowed() const;
    AudioModel m_;
    AudioTimers t_;
    Platform& platform_;
    RandomPick& pick_;
};

}  // namespace zelvo
