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

namespace zelvo::formats {

struct Error {
    enum class Kind { None, Text, Short, Value };
    Kind kind = Kind::None;  // not Windows-1252 text, too few lines, a value of the wrong kind
    int line = 0;            // 1-based line at fault, 0 for the file as a whole
    std::string reason;      // in English, for the tools
    std::string text() const;
};

// ---- settings ("ZlvImpo.txt", 43 lines)
constexpr int SETTINGS_LINES = 43;
// The text value of each line 1..43 as read; nothing for a missing line or one
// that is not Windows-1252 text. Each line is converted to its target's type
// when it is applied.
struct SettingsLines {
    std::array<std::optional<std::string>, SETTINGS_LINES + 1> line{};
    std::optional<long long> whole(int n) const;
    std::optional<float> single(int n) const;
    std::optional<bool> truth(int n) const;
};
SettingsLines readSettingsLines(std::string_view bytes);

// ---- the optional-deck file ("ZlvOpzio.txt", 3 free values)
std::array<std::optional<std::string>, 3> readOptionalDeck(std::string_view bytes);

// ---- records
struct Ranking {
    std::array<RankingRow, 11> rows{};                               // 1..10
    std::array<std::string, 6> wins{"0", "0", "0", "0", "0", "0"};  // the computer's, by level 1..5
    std::array<std::string, 6> losses{"0", "0", "0", "0", "0", "0"};
};
constexpr int RANKING_LINES = 80;
std::string writeRanking(const Ranking& c);
std::optional<Ranking> readRanking(std::string_view bytes, Error* e = nullptr);
std::string writeCount(int n);
std::optional<int> readCount(std::string_view bytes, Error* e = nullptr);
// Entries 0..N-1 and the closing empty line.
std::string writeRegister(const std::vector<std::string>& entries);
std::optional<std::vector<std::string>> readRegister(std::string_view bytes, int n, Error* e = nullptr);
// A register whose count is missing: its entries are those before its first
// empty line (the count the game itself would have written).
std::optional<std::vector<std::string>> readRegisterWithoutCount(std::string_view bytes, Error* e = nullptr);

// ---- the game file (268 lines)
constexpr int GAME_LINES = 268;
struct GameFile {
    std::string heading1, heading2;
    std::array<std::string, 133> text{};
    std::array<Colour, 133> colour{};
};
std::string writeGame(const GameFile& g);
std::optional<GameFile> readGame(std::string_view bytes, Error* e = nullptr);

}  // namespace zelvo::formats
