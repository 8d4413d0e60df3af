#pragma once
// ZELVO's spoken remarks: at the deal, at each trick, when the human is slow,
// at the end of a game and at the exit.
namespace zelvo {

class Principale;

class Commento {
public:
    explicit Commento(Principale& w) : w_(w) {}

    // One step of the deal: ends a lingering end-of-game remark; then the
    // opening remark or the dealing noise.
    void DistribuzioneCarte();
    // The second card of a trick is down: a remark by personality, else the card noise.
    void CommentaPresa();
    // The human's move is awaited: start the impatience clock when the personality allows it.
    void AvviaImpazienza();
    // The impatience clock without the panel check (after the draws).
    void AvviaImpazienzaDopoPesca();
    void FermaImpazienza();
    // The end of a game: the final remark follows TimerCommentiFinali.
    void AvviaCommentiFinali();
    void FermaCommentiFinali();

    void TimerImpazienza_Timer();
    void TimerFineImpazienza_Timer();
    void TimerFinisciCommento_Timer();
    void TimerInterdiciSuoni_Timer();
    void TimerDurataCommentoFinale_Timer();
    void TimerCommentiFinali_Timer();

private:
    Principale& w_;
};

}  // namespace zelvo
