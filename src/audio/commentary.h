#pragma once
// ZELVO's spoken remarks: at the deal, at each trick, when the human is slow,
// at the end of a game and at the exit.
#include <string>

#include "audio/audio.h"
#include "audio/noises.h"

namespace zelvo {

class Commentary {
public:
    Commentary(AudioModel m, AudioTimers t, Platform& platform, RandomPick& pick, Noises& noises)
        : m_(m), t_(t), platform_(platform), pick_(pick), noises_(noises) {}

    // One step of the deal: ends a lingering end-of-game remark; then the
    // opening remark or the dealing noise.
    void DistribuzioneCarte();
    // The second card of a trick is down: a remark by personality, else the card noise;
    // a taciturn ZELVO only lets the card be heard.
    void trickComplete();
    void CommentaPresa();
    // The human's move is awaited: start the impatience clock when the personality allows it.
    void AvviaImpazienza();
    // The impatience clock without the panel check (after the draws).
    void AvviaImpazienzaDopoPesca();
    void FermaImpazienza();
    // The end of a game: the final remark follows TimerCommentiFinali.
    void AvviaCommentiFinali();
    void FermaCommentiFinali();

    // The remark routines of a trick, of the deal, of the slow human and of the end.
    void ScegliCommento();
    void CommentoVinceDiMano();
    void CommentoPerdeDiMano();
    void CommentoVinceRispondendo();
    void CommentoVinceRispondendoPoco();
    void CommentoBriscolaPesante();
    void CommentoBriscolaLeggera();
    void CommentoPerdeRispondendo();
    void CommentoApertura();
    void DecidiImpazienza();
    void CommentoImpazienza();
    void CommentoFinale();

    // The player stays ("- Non ancora..."): a remark at the personality's odds.
    void RestaInGioco();
    void CommentoRestaInGioco();
    // The player leaves: with the exit's draw r (1..6) load the farewell remark into
    // mmcUscita when the personality speaks, shown for `farewellMs`; otherwise the
    // theme. True when a remark was loaded (the exit waits for the theme longer).
    bool PreparaUscita(int r, int farewellMs);
    void CommentoUscita(int r, int farewellMs);
    // TimerImpazienza's interval from option 11 (the options panel calls it on a change).
    void ImpostaIntervalloImpazienza();

    void TimerImpazienza_Timer();
    void TimerFineImpazienza_Timer();
    void TimerFinisciCommento_Timer();
    void TimerInterdiciSuoni_Timer();
    void TimerDurataCommentoFinale_Timer();
    void TimerCommentiFinali_Timer();

private:
    // Plays remark n of a group on mmcRumori, its lock ended by the given timer.
    void playRemark(const char* group, int n, Timer& end, int ms = 0);
    // The words of a remark file go on the table for about the clip's time.
    void subtitle(const std::string& file, int ms);
    bool panelsClosed() const;
    AudioModel m_;
    AudioTimers t_;
    Platform& platform_;
    RandomPick& pick_;
    Noises& noises_;
};

}  // namespace zelvo
