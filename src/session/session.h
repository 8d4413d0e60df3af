#pragma once
// One session of the game: the one place that owns the model of the main
// window and its timers, builds the subsystems over their slices of it, and
// passes on what each reports to the others. Its clients are the window (and
// its own routines in ui/) and the headless tools; both drive it through the
// input routines below and read the model.
#include <string>

#include "audio/commentary.h"
#include "audio/music.h"
#include "audio/noises.h"
#include "cards/random_pick.h"
#include "game/flow.h"
#include "model/model.h"
#include "platform/platform.h"
#include "records/archive.h"
#include "records/hall_of_fame.h"
#include "records/review.h"
#include "records/settings.h"
#include "session/timers.h"

namespace zelvo {

class Session : private FlowEvents, private RecordsEvents {
public:
    explicit Session(Platform& p);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The load step of the window: settings, records, the first shuffle and the deal.
    void Form_Load();
    // The title window hands over the accepted name and the sex it worked out ("M" or "F").
    void PassaAlTavolo(const std::string& name, const std::string& sex);

    // Input.
    void ImgCarta_Click(int i);
    void cmdEffettuaLaPresa_Click();
    // A click on the computer's point total writes the records again.
    void lblPuntiPC_Click();
    void cmdContinuaOIniziaPartita_Click();
    // The Enter key presses the button of the game or of the review that has the focus.
    void tastoInvio();

    // The settings file: what it keeps of the model, and the model from it.
    SavedSettings settingsToSave() const;
    void applySettings(const SavedSettings& s);
    void CaricaImpostazioni();
    void SalvaImpostazioni();
    // The optional-deck file.
    void CaricaCarteOpzionali();

    Platform& platform;
    Model m;
    Timers t;
    ClockPick pick;
    Noises noises;
    Commentary commentary;
    Music music;
    Flow flow;
    HallOfFame hallOfFame;
    Review review;
    Archive archive;

private:
    // FlowEvents
    void dealStep() override;
    void dealEnded(bool humanLeads) override;
    void humanToPlay() override;
    void humanToPlayAfterDraw() override;
    void noMoveAwaited() override;
    void cardDown() override;
    void trickComplete() override;
    void trickTaken(int stock) override;
    void cardDrawn() override;
    void anthem(Who winner) override;
    void endPanelShown() override;
    void matchOver() override;
    void flagGone() override;
    void nextGame() override;
    // RecordsEvents
    void reviewStep(int phase) override;
    void backToGame() override;
};

}  // namespace zelvo
