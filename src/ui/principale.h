#pragma once
// The main window of the game, without its drawing: the model, the timers and
// the routines of every subsystem, wired together. Input events (a click on a
// card, the taking button, the Enter key) come in here; the view repaints from
// `m` afterwards.
#include "audio/commento.h"
#include "audio/musica.h"
#include "audio/rumori.h"
#include "cards/deck.h"
#include "game/gioco.h"
#include "platform/platform.h"
#include "records/registri.h"
#include "ui/finestra.h"
#include "model/model.h"
#include "ui/timers.h"

namespace zelvo {

class Principale {
public:
    explicit Principale(Piattaforma& p);
    Principale(const Principale&) = delete;
    Principale& operator=(const Principale&) = delete;

    // The load step of the window: settings, records, the first shuffle and the deal.
    void Form_Load();
    // The title window hands over the accepted name and the sex it worked out ("M" or "F").
    void PassaAlTavolo(const std::string& nome, const std::string& sesso);

    // Input.
    void ImgCarta_Click(int i);
    void cmdEffettuaLaPresa_Click();
    // A click on the computer's point total writes the records again.
    void lblPuntiPC_Click();
    void cmdContinuaOIniziaPartita_Click();
    // The Enter key presses the button that has the focus.
    void tastoInvio();

    Piattaforma& piattaforma;
    Model m;
    Timers t;
    ClockPick pick;
    WindowRoutines routines;
    Flow flow;
    Commentary commentary;
    Noises noises;
    Music music;
    Records records;
};

}  // namespace zelvo
