#pragma once
// The data-panel grid lblDati(0..136): the record of the game being played,
// trick by trick, that a game file stores and the review replays.
#include <array>
#include <string>

#include "cards/card.h"

namespace zelvo {

struct CellaDati {
    std::string Caption;
    Colour BackColor = colour::WHITE;
    Colour ForeColor = colour::BLACK;
    bool Visible = true;
};

namespace dati {
constexpr int CELLE = 137;        // 0..136
constexpr int CELLE_SALVATE = 133;  // 0..132 go into a game file
// Cells of trick row k (1..20).
constexpr int cartaPC(int k) { return 6 * k + 9; }
constexpr int cartaH(int k) { return 6 * k + 10; }
constexpr int puntiPC(int k) { return 6 * k + 11; }
constexpr int puntiH(int k) { return 6 * k + 12; }
// Cards drawn before trick k (2..18), the computer's then the human's.
constexpr int pescataPC(int k) { return 6 * k + 7; }
constexpr int pescataH(int k) { return 6 * k + 8; }
}  // namespace dati

struct PannelloDati {
    std::array<CellaDati, dati::CELLE> lblDati{};
    std::string lblIndicazioniPannellodati1;  // "Partita n. 1 - Gioco n. 1"
    std::string lblIndicazioniPannellodati2;  // "5/12/26 - 20:31"
    // The trick marker: caption, top in twips, visibility.
    int marcatoreTop = 1935;
    bool marcatoreVisibile = true;
    bool intestazioniPescateVisibili = true;  // the two "P" headers
};

}  // namespace zelvo
