#pragma once
// The noises of the cards and of the tricks, under the shared sound lock.
namespace zelvo {

class Principale;

class Rumori {
public:
    explicit Rumori(Principale& w) : w_(w) {}

    void SuonaCarta();
    void SuonaDistribuzione();
    // The noise of a trick being taken (not after the last trick).
    void SuonaPresa();
    void TimerFineRumoreCarte_Timer();

private:
    Principale& w_;
};

}  // namespace zelvo
