#pragma once
// The cards of a game: the eight table slots (1..3 the computer's hand, 4..6 the
// human's, 7 the trump card, 8 the deck card) and the three 40-cell grids.
#include <array>
#include <string>

#include "cards/card.h"

namespace zelvo {

struct GridCell {
    Colour BackColor = colour::WHITE;
    Colour ForeColor = colour::BLACK;
};

struct DeckCell {
    std::string Caption;  // the code in this shuffled position
    Colour BackColor = colour::WHITE;
};

struct CardTable {
    // Index 1..8; element 0 unused. Empty text / 0 / '\0' for an empty slot.
    std::array<std::string, 9> lblCarta{};
    std::array<int, 9> lblValore{};
    std::array<char, 9> lblSeme{};

    // Index 1..40 by cell number; element 0 unused. The captions of the
    // played-cards grid are the 40 codes in cell order and never change.
    std::array<GridCell, 41> lblCarteGiocate{};
    std::array<DeckCell, 41> lblCartaDaEstrarre{};
    // The computer's own marks: the cards played in this game, and whether it has
    // marked the trump suit yet (it does so when the deal ends).
    std::array<bool, 41> played{};
    bool trumpMarked = false;

    CardTable() {
        for (int c = 1; c <= 40; ++c) lblCartaDaEstrarre[c].Caption = cards::codeOf(c);
    }

    void clearSlot(int slot) {
        lblCarta[slot].clear();
        lblValore[slot] = 0;
        lblSeme[slot] = 0;
    }
    void copy(int from, int to) {
        lblCarta[to] = lblCarta[from];
        lblValore[to] = lblValore[from];
        lblSeme[to] = lblSeme[from];
    }
};

}  // namespace zelvo
