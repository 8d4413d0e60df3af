#pragma once
// The files of the game as bytes: the settings file, the three record files and
// the game file. Readers never trust the file: they report the first line at
// fault instead of guessing.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cards/card.h"
#include "model/records.h"

namespace zelvo::formati {

struct Errore {
    enum class Tipo { Nessuno, Testo, Corto, Valore };
    Tipo tipo = Tipo::Nessuno;  // not Windows-1252 text, too few lines, a value of the wrong kind
    int riga = 0;         // 1-based line at fault, 0 for the file as a whole
    std::string motivo;   // in English, for the tools
    std::string testo() const;
};

// ---- settings ("ZlvImpo.txt", 43 lines)
constexpr int RIGHE_IMPOSTAZIONI = 43;
// The text value of each line 1..43 as read; nothing for a missing line or one
// that is not Windows-1252 text. Each line is converted to its target's type
// when it is applied.
struct SettingsLines {
    std::array<std::optional<std::string>, RIGHE_IMPOSTAZIONI + 1> riga{};
    std::optional<long long> intero(int n) const;
    std::optional<float> singolo(int n) const;
    std::optional<bool> verita(int n) const;
};
SettingsLines leggiImpostazioni(std::string_view byte);

// ---- the optional-deck file ("ZlvOpzio.txt", 3 free values)
std::array<std::optional<std::string>, 3> leggiCarteOpzionali(std::string_view byte);

// ---- records
struct Classifica {
    std::array<RankingRow, 11> righe{};          // 1..10
    std::array<std::string, 6> vittorie{"0", "0", "0", "0", "0", "0"};  // 1..5
    std::array<std::string, 6> sconfitte{"0", "0", "0", "0", "0", "0"};
};
constexpr int RIGHE_CLASSIFICA = 80;
std::string scriviClassifica(const Classifica& c);
std::optional<Classifica> leggiClassifica(std::string_view byte, Errore* e = nullptr);
std::string scriviPartite(int n);
std::optional<int> leggiPartite(std::string_view byte, Errore* e = nullptr);
// Entries 0..N-1 and the closing empty line.
std::string scriviAlbo(const std::vector<std::string>& voci);
std::optional<std::vector<std::string>> leggiAlbo(std::string_view byte, int n, Errore* e = nullptr);
// A register whose count is missing: its entries are those before its first
// empty line (the count the game itself would have written).
std::optional<std::vector<std::string>> leggiAlboSenzaConteggio(std::string_view byte, Errore* e = nullptr);

// ---- the game file (268 lines)
constexpr int RIGHE_GIOCO = 268;
struct GameFile {
    std::string intestazione1, intestazione2;
    std::array<std::string, 133> testo{};
    std::array<Colour, 133> colore{};
};
std::string scriviGioco(const GameFile& g);
std::optional<GameFile> leggiGioco(std::string_view byte, Errore* e = nullptr);

}  // namespace zelvo::formati
