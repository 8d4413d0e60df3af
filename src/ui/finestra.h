#pragma once
// Routines of the main window that the game calls to show things: card faces
// and backs of a slot, the points displays, the random table graphics.
#include <functional>
#include <string>

namespace zelvo {

class Principale;

class WindowRoutines {
public:
    explicit WindowRoutines(Principale& w) : w_(w) {}

    // Draw a slot: its face, or a back.
    void cmdVisualizzaCarte(int slot);
    void cmdMotivoRetro(int slot);
    // Face up: the frame takes the face-up mark, then the face is drawn.
    void mostraFaccia(int slot);
    void mostraRetro(int slot);

    void VisualizzaPunteggio();
    void ApplicaColoreTavolo();
    void ApplicaColoreRetro();
    void ColoreTavoloCasuale();
    void MotivoRetroCasuale();
    // The random graphics at the start of a match or game.
    void graficaCasuale();
    // A click on command-menu entry i (1..5): the match and data panels open and close here.
    void lblComandi_Click(int i);
    // A click on the caption of option i (0..20): the next value, and at once what depends on it.
    void lblVoce_Click(int i);
    // The mouse moves onto the caption of option i, onto any value, or onto the panel's background.
    void lblVoce_MouseMove(int i);
    void lblOpzione_MouseMove();
    void fraOpzioni_MouseMove();

    // A click on the match register hands the focus to the hidden button; Enter presses it.
    void LstAlbo_Click();
    void cmdSetFocusAlbo_Click();

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
    // What closes the window when the farewell is over (the application sets it).
    std::function<void()> uscita;

    // Turn of the name labels: the highlight of whose move it is.
    void evidenzia(bool pc, bool h);

private:
    // What the three end-of-game choices do first: the music may stay off, the anthem stops.
    void sceltaFineGioco();
    // The impatience clock starts again when a right-hand panel closes, if the human is to play.
    void riprendiImpazienza();
    void layoutGiochiVinti();
    Principale& w_;
};

// The file of a card face in a deck style ("C:\Programmi\Zelvo\Piacenti\Ad2.jpg").
std::string fileFaccia(const std::string& codice, const std::string& stile);
// The file of a back design, empty for "Nessuno" and unknown designs.
std::string fileRetro(const std::string& motivo);

}  // namespace zelvo
