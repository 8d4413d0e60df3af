#pragma once
// The review of a recorded game: the grid of the data panel is played again on
// the table, one event for each press of ">>".
#include "model/look.h"
#include "records/records.h"

namespace zelvo {

class Review {
public:
    Review(ReviewModel m, RecordsEvents& events)
        : m_(m), events_(events), look_(m.window, m.cards, m.options, m.data) {}

    // The table laid out for the first trick of the game the grid holds.
    void PreparaAnalisi();
    void cmdInizioAnalisi();
    // One step of the review.
    void cmdScegliManche();
    void cmdTornaAlGioco();

private:
    void finish();
    void playCard(bool computers);
    void take();
    void draw();
    void interrupt(const char* message);
    ReviewModel m_;
    RecordsEvents& events_;
    Look look_;
};

}  // namespace zelvo
