#pragma once
// ZELVO's spoken remarks: at the deal, at each trick, when the human is slow,
// at the end of a game and at the exit.
#include <string>

namespace zelvo {

class Principale;

class Commentary {
public:
    explicit Commentary(Principale& w) : w_(w) {}

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
    // mmcUscita when the personality speaks, else the theme with TimerEsci at 2200 ms.
    // The exit sequence then opens and plays mmcUscita. True when a remark was loaded.
    bool PreparaUscita(int r);
    void CommentoUscita(int r);
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
    void suonaCommento(const char* gruppo, int n, class Timer& fine, int ms = 0);
    // The words of a remark file go on the table for about the clip's time.
    void sottotitola(const std::string& file, int ms);
    bool pannelliChiusi() const;
    Principale& w_;
};

}  // namespace zelvo
