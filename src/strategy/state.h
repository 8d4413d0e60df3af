#pragma once
// The fields of the computer's evaluation (shown in the hidden strategy panel).
// Integers stay integers; the fractional values are Singola (stored through
// their seven-digit text). Index 0 of every array is unused.
#include <array>
#include <string>

#include "cards/card.h"
#include "strategy/singola.h"

namespace zelvo {

// An integer caption that may be empty, with its colours.
struct EtichettaIntera {
    bool vuota = true;
    int valore = 0;
    Colour BackColor = colour::WHITE;
    Colour ForeColor = colour::BLACK;

    void scrivi(int v) {
        vuota = false;
        valore = v;
    }
    void svuota() {
        vuota = true;
        valore = 0;
    }
    std::string testo() const { return vuota ? std::string() : std::to_string(valore); }
};

struct StatoStrategia {
    // ---- middle game: potential and virtual tricks
    std::array<int, 7> lblPuntiPotenziali{};          // points of the card in slot 1..6
    std::array<Singola, 7> lblPotenziale{};            // potential of slot 1..6
    Singola lblMediaValori;                            // sum of the last analysed card's counted cells
    int lblNumeroPrese = 0;                            // the divisor of the potential

    // ---- middle game: pairings 1..9
    std::array<EtichettaIntera, 10> lblTotaliNormali{};   // winner's score; red: the human takes it
    std::array<EtichettaSingola, 10> lblTotaliPotenziali{};  // points of the two cards; magenta: forbidden card
    std::array<EtichettaSingola, 10> lblConvenienza{};    // convenience for the computer, with the choice's marks
    int lblContatoreCaselle = 1;

    // ---- middle game: the choice
    Singola lblValorePiuAlto;
    int lblContatoreRisposteMultiple = 1;
    int lblNumeroBriscole = 0;
    std::array<EtichettaIntera, 4> lblValAgg{};          // additional value of slot 1..3; green/red
    int lblTotaliValoriAggiuntivi = 0;
    int lblTotaliRossi = 0;
    int lblTotaliVerdi = 0;

    // "Si" from the first time a 60-point filter fires until the game is booked.
    bool lblFiltro60Punti = false;

    // ---- end game
    int lblContatorePrimoLivello = 1;
    std::array<EtichettaIntera, 10> lblPrimoLivello{};     // signed value of the first trick; red: human takes it
    int lblContatoreSecondoLivello = 1;
    std::array<EtichettaIntera, 37> lblSecondoLivello{};   // line values; also scratch of the penultimate trick
    int lblA = 0, lblB = 0, lblC = 0, lblD = 0;            // slots of the current line's later tricks
    std::array<EtichettaIntera, 4> LblPeggiore{};          // worst case of each computer card; red: candidates
    EtichettaIntera lblRisultatoMigliore;

    StatoStrategia() {
        for (int i = 1; i <= 3; ++i) LblPeggiore[i].scrivi(300);
    }
};

}  // namespace zelvo
