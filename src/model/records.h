#pragma once
// The fields of the records (ranking, statistics by level, match register),
// the settings that other panels derived and the settings file keeps, the
// optional deck, and the review of a recorded game.
#include <array>
#include <string>
#include <vector>

namespace zelvo {

// One row of the ranking: the labels lblNomeVincitore(i), lblNumeroPartiteVinte(i),
// lblNumeroPartitePerse(i), lblDataPartitaVinta(i) and the visibility of
// lblPosizioneClassifica(i) and of the two counts.
struct RankingRow {
    std::string name;         // compared as exact, case-sensitive text; "" for an empty row
    std::string won = "0";    // decimal text
    std::string lost = "0";
    std::string date;         // the day of the row's last update, "dd/mm/yyyy"
    bool positionShown = false;
    bool wonShown = false;
    bool lostShown = false;
    bool highlighted = false;  // an opaque background: the winner of the last match
    bool operator==(const RankingRow&) const = default;
};

// The texts of lblPannelloVisualizzato.
inline constexpr const char* PANEL_NONE = "Nessuno";
inline constexpr const char* PANEL_MATCH = "Partita";
inline constexpr const char* PANEL_DATA = "Dati";

// The optional-deck file's first line when the third deck is installed.
inline constexpr const char* OPTIONAL_DECK_INSTALLED = "Carte Opzionali inserite";

struct RecordsState {
    bool lblDieciMigliori = true;  // the sub-title "dei 10 migliori Giocatori di Briscola"

    // Rows 1..10; 0 and 11 are hidden scratch rows.
    std::array<RankingRow, 12> classifica{};
    // Index 1..5 for levels A..E: the computer's matches won and lost, decimal text.
    std::array<std::string, 6> lblVittoriePCVariLivelli{"0", "0", "0", "0", "0", "0"};
    std::array<std::string, 6> lblSconfittePCVariLivelli{"0", "0", "0", "0", "0", "0"};
    // The register, oldest first; an empty entry ends it; and its count of matches.
    std::vector<std::string> LstAlbo;
    int lblTotalePartite = 0;
    std::string lblNomeVincitorePartita;

    // The games-won table of the match panel: column dividers ShpLineaV(2..4)
    // and the left edges of the markers shpPuntiPC(2..4), shpPuntiH(2..4), in twips.
    std::array<float, 5> ShpLineaVLeft{0, 0, 1095, 1335, 1575};
    std::array<bool, 5> ShpLineaVVisible{false, false, true, false, true};
    std::array<float, 5> shpPuntiPCLeft{0, 0, 975, 1455, 1935};
    std::array<float, 5> shpPuntiHLeft{0, 0, 975, 1455, 1935};
    // The panel open when the game was left: one of the three texts below.
    std::string lblPannelloVisualizzato = PANEL_NONE;
    // The rules pages' "continue" label, which names the page to come.
    std::string lblContinuaregole = "Clicca qui per continuare > 1";

    // The optional third deck.
    std::string lblCarteOpzionali = "No";
    std::string lblNomeCarteOpzionali = "Opzionali";

    // The review: the phase of the step button, 1..4.
    int lblContaDati = 1;

    // A damaged record file could not be put aside: the records of this run are
    // not written, so that the only copy survives.
    bool alboNonSalvabile = false;
};

}  // namespace zelvo
