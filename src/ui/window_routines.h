#pragma once
// The main window's own routines, over a session: the command menu and the
// panels it opens, the options panel, the match register's focus, the reading
// panel, the end-of-game choices that open the review, and the exit sequence.
#include <functional>

#include "session/session.h"

namespace zelvo {

class WindowRoutines {
public:
    explicit WindowRoutines(Session& s);

    // The load step: the session's, and the rules page kept from the last run.
    void Form_Load();

    // A click on command-menu entry i (1..5): the match and data panels open and close here.
    void lblComandi_Click(int i);
    // A click on the caption (or the value) of an option: its next value, and at once what depends on it.
    void lblVoce_Click(int i);
    // The mouse moves onto the caption of option i, onto any value, or onto the panel's background.
    void lblVoce_MouseMove(int i);
    void lblOpzione_MouseMove();
    void fraOpzioni_MouseMove();

    // A click on the match register hands the focus to the hidden button; Enter presses it.
    void LstAlbo_Click();
    void cmdSetFocusAlbo_Click();
    // The Enter key presses the button that has the focus.
    void tastoInvio();
    // The keyboard: keys 1..3 play the human's cards from the left, as a
    // click on them would; Esc is "Esci" (or "- Non ancora..." while the exit frame shows);
    // Tab moves the focus along the buttons that show.
    void cardKey(int k);
    void escapeKey();
    void moveFocus(bool forward);
    // A click on review button i (0 cmdInizioAnalisi, 1 cmdScegliManche, 2 cmdTornaAlGioco,
    // 3 cmdLoad, 4 cmdSave): as on a desktop, a pressed button keeps the focus, and after a
    // file dialog the focus is back on ">>".
    void pressReviewButton(int i);

    // The reading panel: the caption under the text moves to the next page, and the page it names is shown.
    void lblContinuaregole_Click();
    void MostraPaginaRegole();

    // The review of the game the data panel holds: the data panel with its buttons, the table laid out.
    void ApriAnalisi();
    // The three choices of the end-of-game frame.
    void lblApri_Click();
    void lblRivedi_Click();
    void lblSalva_Click();

    // The exit frame: "- Si, purtroppo!" starts the farewell, "- Non ancora..." closes the frame.
    void lblSi_Click();
    void lblNo_Click();
    void TimerEsci_Timer();
    // The window is asked to close (its close button, the end of the session, a signal):
    // the farewell of "- Si, purtroppo!" runs, and a second request closes at once.
    void closeRequested();
    // What closes the window when the farewell is over (the application sets it).
    std::function<void()> uscita;

private:
    // What the three end-of-game choices do first: the music may stay off, the anthem stops.
    void endChoice();
    // The impatience clock starts again when a right-hand panel closes, if the human is to play.
    void resumeImpatience();
    void layoutGamesWon();
    // The archive's two dialogs from the review; the focus returns to ">>" afterwards.
    void openGame();
    void saveGame();
    Session& s_;
};

}  // namespace zelvo
