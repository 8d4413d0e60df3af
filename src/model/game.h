#pragma once
// The state of the game and of the match in progress.
#include <string>

#include "cards/card.h"

namespace zelvo {

// Who: "H", "PC", or nobody (an empty move, a drawn game: "Nessuno").
enum class Who { Nobody, H, PC };

inline const char* whoText(Who c) { return c == Who::H ? "H" : c == Who::PC ? "PC" : ""; }
inline Who altro(Who c) { return c == Who::H ? Who::PC : c == Who::PC ? Who::H : Who::Nobody; }

struct GameAndMatch {
    // Who and whose turn.
    Who lblGiocoIniziatoDa = Who::H;
    Who lblTurnoDiGioco = Who::H;
    Who lblAChiTocca = Who::H;
    bool lblPuoiGiocare = false;
    bool lblGiocoInCorso = false;
    bool lblPartitaInCorso = false;

    // The current game.
    int lblPuntiH = 0;
    int lblPuntiPC = 0;
    int lblNumeroCarteRimaste = 34;
    int lblManche = 1;
    int lblVincitore = 0;                 // 0 none, 1 PC, 2 H
    int lblNumeroCartaGiocataDaH = 0;     // 0 empty, 4..6
    int lblNumeroCartaGiocataDaPC = 0;    // 0 empty, 1..3
    int lblCartaPCDaGiocare = 0;          // 0 empty, 1..3
    // "Si" from the first time a 60-point filter fires until the game is booked.
    bool lblFiltro60Punti = false;
    std::string lblCartaGiocata;          // the card just played
    int lblUltimaCartaGiocata = 0;        // strength value of the card just played
    int lblContatoreDistribuisciCarte = 1;
    int lblNumeroCartaAnalizzata = 1;

    // The match.
    int lblPartiteH = 0;
    int lblPartitePC = 0;
    int lblNumeroGioco = 1;
    Who lblUltimoVincitore = Who::Nobody;
    bool lblSbirciata = false;

    int lblcontatorebandiera = 0;
};

}  // namespace zelvo
