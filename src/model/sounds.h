#pragma once
// The fields of the commentary, the noises and the music.
#include <array>
#include <cstdint>
#include <string>

#include "model/window.h"

namespace zelvo {

struct SoundState {
    bool lblInterdiciSuoni = false;       // the sound lock: "Si" while a clip plays
    int lblContaImpaz = 0;                // the impatience counter, 0..12
    bool lblCommentoIniziale = false;     // the opening remark of a deal is under way
    bool lblMusicaInterrotta = false;     // an anthem (or the review) has interrupted the music
    // The words of the remark last spoken, shown on the table until `sottotitoloFinoA`
    // (scheduler time in ms), so ZELVO is understood without sound too.
    std::string sottotitolo;
    int64_t sottotitoloFinoA = 0;
    bool lblEtichettaAperturaGioco = false;  // "Si" after the first deal since the program started

    // The melodies.
    int lblBranoInCorso = 0;              // the melody last started, 1..21; 0 none yet
    int lblNumeroBraniAscoltati = -1;     // melodies started since the marks were last cleared
    int lblContatoreBrano = 0;            // ticks of the stop clock since the melody started
    bool lblBranoTerminato = true;        // the last melody ended by itself
    int lblConfrontaGiocoPerIlCambioDelBrano = 0;  // the game number of the last melody change
    // The title of the music on the table; shown only with option 13 "Si".
    Label lblTitolo{"", false};
    std::string lblTitoloInMemoria;       // the melody title, kept while an anthem title is shown
    int lblPosizioneTitolo = 0;           // and its vertical position
    // Melody n already heard in this cycle (the blue text of lblCartaDaEstrarre(n)), 1..21.
    std::array<bool, 22> branoAscoltato{};
};

}  // namespace zelvo
