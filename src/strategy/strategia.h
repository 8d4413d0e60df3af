#pragma once
// The computer's choice of card: the middle-game evaluation while the deck
// lasts, the exact analysis of the last three tricks, and the strength levels.
namespace zelvo {

class Principale;

class Strategia {
public:
    explicit Strategia(Principale& w) : w_(w) {}

    // Middle game: evaluation (middle/potenziale.cpp).
    void CalcolaPuntiCarte();
    void cmdCalcolaPotenzialeCarte();
    void CalcolaTotaliIniziaPC();
    void CalcolaTotaliRispondePC();

    // Middle game: the choice (middle/scelta.cpp).
    void TimerValoreAggiuntivo_Timer();
    void cmdValoreAggiuntivo();
    void cmdValoreAggiuntivoIniziaPC();
    void Filtro60PuntiRispondePC();
    void Filtro60PuntiIniziaPC();
    void AzzeraValutazione();

    // Strength levels (middle/livelli.cpp).
    void ApplicaLivello();
    void ScegliCartaACaso();

    // End game: the last three tricks (endgame/terzultima.cpp).
    void cmdTerzultimaGiocataIniziaPC();
    void cmdTerzultimaGiocataRispondePC();
    void cmdSegueterzultimaGiocata();
    void cmdSegueterzultimaGiocataBis();
    void cmdAnalisiSecondoLivello();
    void cmdAnalisiSecondoLivelloBis();
    void cmdScegliUnaDelleTre();
    void AzzeraAnalisiFinale();

    // End game: the last two tricks (endgame/penultima.cpp).
    void cmdPenultimaGiocataIniziaPC();
    void cmdPenultimaGiocataRispondePC();

private:
    // Fills the virtual tricks of slot k into `out` (1..40); used by the potential.
    void preseVirtuali(int k, int out[41]) const;
    // The pairing of computer slot i and human slot j into entry n.
    void valutaAbbinamento(int n, int i, int j, bool risposta);
    // Both evaluation routines of the end game: line values and the minimax.
    void analisiSecondoLivello(bool bis);
    void fineScelta(bool iniziaPC);
    Principale& w_;
};

}  // namespace zelvo
