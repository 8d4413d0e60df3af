#pragma once
// The data-panel grid lblDati(0..136): the record of the game being played,
// trick by trick, that a game file stores and the review replays.
#include <array>
#include <string>

#include "cards/card.h"

namespace zelvo {

struct DataCell {
    std::string Caption;
    Colour BackColor = colour::WHITE;
    Colour ForeColor = colour::BLACK;
    bool Visible = true;
};

namespace cells {
constexpr int COUNT = 137;      // 0..136
constexpr int SAVED = 133;  // 0..132 go into a game file
// Cells of trick row k (1..20).
constexpr int pcCard(int k) { return 6 * k + 9; }
constexpr int humanCard(int k) { return 6 * k + 10; }
constexpr int pcPoints(int k) { return 6 * k + 11; }
constexpr int humanPoints(int k) { return 6 * k + 12; }
// Cards drawn before trick k (2..18), the computer's then the human's.
constexpr int pcDraw(int k) { return 6 * k + 7; }
constexpr int humanDraw(int k) { return 6 * k + 8; }
}  // namespace cells

struct DataPanel {
    std::array<DataCell, cells::COUNT> lblDati{};
    std::string lblIndicazioniPannellodati1;  // "Partita n. 1 - Gioco n. 1"
    std::string lblIndicazioniPannellodati2;  // "5/12/26 - 20:31"
    // The trick marker: caption, top in twips, visibility.
    int marcatoreTop = 1935;
    bool marcatoreVisibile = true;
    bool intestazioniPescateVisibili = true;  // the two "P" headers
};

}  // namespace zelvo
