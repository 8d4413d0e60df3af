#pragma once
// The flow of a game: the deal, the two moves of a trick, the taking, the
// draws and the end of a game and of a match, each a timer step or a click.
// The flow moves the cards on the table, asks the rules who takes a trick and
// the strategy which card the computer plays, and tells the rest of the game
// what happens through its events.
#include <string>

#include "cards/random_pick.h"
#include "cards/table.h"
#include "model/data_panel.h"
#include "model/game.h"
#include "model/look.h"
#include "model/options.h"
#include "model/records.h"
#include "model/sounds.h"
#include "model/window.h"
#include "platform/clock.h"
#include "platform/scheduler.h"
#include "strategy/decision.h"

namespace zelvo {

struct FlowModel {
    CardTable& cards;
    GameAndMatch& game;
    Window& window;
    DataPanel& data;
    Options& options;             // read; a game in progress locks the options it fixes
    const SoundState& sounds;     // the sound lock
    const RecordsState& records;  // the number of matches, for the headings
    const std::string& playerName;
};

struct FlowTimers {
    Timer& TimerDistribuisciCarte;
    Timer& TimerAttesaDelPCaMuovere;
    Timer& TimerAnimazionecarteH;
    Timer& TimerAnimazionecartePC;
    Timer& TimerPrendicarte;
    Timer& TimerUltimacartaH;
    Timer& TimerEffettuaLaPresa;
    Timer& TimerPesca;
    Timer& TimerPescaUltimeDue;
    Timer& TimerValoreAggiuntivo;
    Timer& TimerBandiera;
};

// What the flow tells the rest of the game, at the moments it happens.
class FlowEvents {
public:
    virtual ~FlowEvents() = default;
    virtual void dealStep() = 0;                   // before each card of the deal
    virtual void dealEnded(bool humanLeads) = 0;   // the eighth card is down
    virtual void humanToPlay() = 0;                // the computer has led
    virtual void humanToPlayAfterDraw() = 0;       // the draws are over and the human leads
    virtual void cardDown() = 0;                   // a card that leads a trick
    virtual void trickComplete() = 0;              // the second card of a trick
    virtual void trickTaken(int stock) = 0;        // before the taking
    virtual void cardDrawn() = 0;                  // a draw after a trick
    virtual void noMoveAwaited() = 0;              // the human played, or the game is over
    virtual void anthem(Who winner) = 0;           // the award ceremony's anthem starts
    virtual void endPanelShown() = 0;              // before the end-of-game frame comes up
    virtual void matchOver() = 0;                  // a match has ended: the records
    virtual void flagGone() = 0;                   // the ceremony's flag has gone
    virtual void nextGame() = 0;                   // Enter on the end-of-game frame
};

class Flow {
public:
    Flow(FlowModel m, FlowTimers t, RandomPick& pick, const Clock& clock, FlowEvents& events)
        : m_(m), t_(t), pick_(pick), clock_(clock), events_(events), look_(m.window, m.cards, m.options, m.data) {}

    // Set-up of every game after the first.
    void NuovoGioco();

    // The deal.
    void TimerDistribuisciCarte_Timer();

    // The human's move.
    void ImgCarta_Click(int i);
    void TimerAnimazionecarteH_Timer();
    void TimerUltimacartaH_Timer();
    void GiocaUltimaCartaH();

    // The computer's move: its thinking, its pause, its card.
    strategy::Position position() const;
    // What the computer last thought, until the trick is taken (the hidden strategy panel).
    const strategy::Decision& lastDecision() const { return lastDecision_; }
    void TimerValoreAggiuntivo_Timer();
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
    void writeHeadings(bool newMatch);
    // The option-driven intervals of the flow's timers.
    void applyIntervals();
    // "Presa automatica:" has changed: a trick already waiting for the timed taking, now
    // set to "No", gets the taking button instead of a timer that would never fire.
    void takingOptionChanged();

private:
    // While the stock lasts the computer weighs its cards at once and chooses on the
    // tick of TimerValoreAggiuntivo; from the third-to-last trick on it chooses at once.
    void weighCards();
    void decideNow();
    void humanCardLanded();
    void markHumanCard(int slot);
    void playHumanCard(int slot);
    void bothCardsDown();
    void clearTrick();
    void showDrawn(int slot, bool computers);
    void recordDraws();
    void drawsDone();
    void sendHome(int slot);
    void putOnTable(int slot, int left);
    FlowModel m_;
    FlowTimers t_;
    RandomPick& pick_;
    const Clock& clock_;
    FlowEvents& events_;
    Look look_;
    strategy::Decision lastDecision_;
};

}  // namespace zelvo
