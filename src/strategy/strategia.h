#pragma once
// The computer's choice of card: the middle-game evaluation while the deck
// lasts, the exact analysis of the last three tricks, and the strength levels.
namespace zelvo {

class Principale;

class Strategia {
public:
    explicit Strategia(Principale& w) : w_(w) {}

    // Middle game.
    void CalcolaPuntiCarte();
    void CalcolaTotaliIniziaPC();
    void CalcolaTotaliRispondePC();
    void TimerValoreAggiuntivo_Timer();
    void cmdValoreAggiuntivo();
    void cmdValoreAggiuntivoIniziaPC();
    void AzzeraValutazione();
    void ApplicaLivello();
    void ScegliCartaACaso();

    // End game.
    void cmdTerzultimaGiocataIniziaPC();
    void cmdTerzultimaGiocataRispondePC();
    void cmdAnalisiSecondoLivello();
    void cmdAnalisiSecondoLivelloBis();
    void cmdPenultimaGiocataIniziaPC();
    void cmdPenultimaGiocataRispondePC();
    void AzzeraAnalisiFinale();

private:
    // TEMPORARY chooser until the real strategy lands: the first card in hand.
    void primaCartaTemporanea();
    Principale& w_;
};

}  // namespace zelvo
