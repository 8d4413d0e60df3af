#pragma once
// The noises of the cards and of the tricks, under the shared sound lock.
namespace zelvo {

class Principale;

class Noises {
public:
    explicit Noises(Principale& w) : w_(w) {}

    void SuonaCarta();
    void SuonaDistribuzione();
    // The noise of a trick being taken (not after the last trick).
    void SuonaPresa();
    // The noise of one step of the review of a recorded game; `contaDati` is the
    // review's phase ("1".."4") after the step. No lock.
    void SuonaAnalisi(int contaDati);
    void TimerFineRumoreCarte_Timer();

private:
    Principale& w_;
};

}  // namespace zelvo
