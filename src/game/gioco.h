#pragma once
// The flow of a game: the deal, the two moves of a trick, the taking, the
// draws and the end of a game and of a match, each a timer step or a click.
#include "strategy/decision.h"

namespace zelvo {

class Principale;
enum class Who;

class Flow {
public:
    explicit Flow(Principale& w) : w_(w) {}

    // Set-up of every game after the first.
    void NuovoGioco();

    // The deal.
    void TimerDistribuisciCarte_Timer();

    // The human's move.
    void ImgCarta_Click(int i);
    void TimerAnimazionecarteH_Timer();
    void TimerUltimacartaH_Timer();
    void GiocaUltimaCartaH();

    // The computer's move.
    void TimerAttesaDelPCaMuovere_Timer();
    void VariaAttesaPC();
    void GiocaCartaPC();
    void UnicaCartaPC();
    void GiocaUltimaCartaPC();
    void TimerAnimazionecartePC_Timer();

    // The taking.
    void cmdEffettuaLaPresa_Click();
    void TimerEffettuaLaPresa_Timer();
    void TimerPrendicarte_Timer();
    void RegistraPresa();
    void TogliPresa();

    // The draws.
    void TimerPesca_Timer();
    void TimerPescaUltimeDue_Timer();

    // The end of a game and of a match.
    void FineGioco();
    void AggiornaPartita();
    void MostraFineGioco();
    void TimerBandiera_Timer();
    void cmdContinuaOIniziaPartita_Click();

    // The headings of the data panel: match and game number, and for a new match the date and time.
    void scriviIntestazione(bool nuovaPartita);

    // The option-driven intervals of the flow's timers.
    void applicaIntervalli();

    // The computer's thinking: the position it sees, the middle game's evaluation
    // and choice, and the end game's immediate choice.
    strategy::Position posizione() const;
    void pensaMezzoGioco();
    void TimerValoreAggiuntivo_Timer();
    void decidiOra();

    // Who takes a trick of the computer's card in slot p and the human's in slot h.
    Who vincitorePresa(int p, int h) const;

private:
    void atterraggioH();
    void segnaCartaH(int slot);
    void giocaCartaH(int slot);
    void suonoCarta();
    void commentoOSuono();
    void presaPronta();
    void sgombero();
    void mostraPescata(int slot, bool pc);
    void registraPescate();
    void finePesca();
    void mettiACasa(int slot);
    void mettiSulTavolo(int slot, int left);
    Principale& w_;
};

}  // namespace zelvo
