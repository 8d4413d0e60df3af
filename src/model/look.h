#pragma once
// How the table shows what the options choose: a card's face or back, the
// backs' colour and design, the table colour, the points displays, the name
// labels' highlight and the grid's text colours. Used by the game, the review
// and the options panel alike.
#include <string>

#include "cards/random_pick.h"
#include "cards/table.h"
#include "model/data_panel.h"
#include "model/options.h"
#include "model/window.h"

namespace zelvo {

// The file of a card face in a deck style ("C:\Programmi\Zelvo\Piacenti\Ad2.jpg"): any
// style but the two regional decks is the optional deck.
std::string faceFile(const std::string& code, CardStyle style);
// The file of a back design, empty for "Nessuno" and unknown designs.
std::string backFile(const std::string& design);

class Look {
public:
    Look(Window& window, const CardTable& cards, Options& options, DataPanel& data)
        : window_(window), cards_(cards), options_(options), data_(data) {}

    // Draws a slot's face, unless the slot is empty or its frame says it is covered.
    void cmdVisualizzaCarte(int slot);
    // Draws the back over a slot that is to be covered.
    void cmdMotivoRetro(int slot);
    // Face up: the frame takes the face-up mark, then the face is drawn.
    void showFace(int slot);
    void showBack(int slot);

    void VisualizzaPunteggio();
    void ApplicaColoreTavolo();
    void ApplicaColoreRetro();
    void ColoreTavoloCasuale(RandomPick& pick);
    void MotivoRetroCasuale(RandomPick& pick);
    // The random graphics at the start of a match or game.
    void randomGraphics(RandomPick& pick);
    // The name labels: the highlight of whose move it is.
    void highlight(bool pc, bool h);
    // The normal text colours of the played-card and drawn-card cells of the grid.
    void RipristinaColoriDati();
    // The computer's name over the data panel, "ZELVO A".."ZELVO E" by its level.
    void AggiornaNomeLivello();

private:
    Window& window_;
    const CardTable& cards_;
    Options& options_;
    DataPanel& data_;
};

}  // namespace zelvo
