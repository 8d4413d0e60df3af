#include "formats/file_formats.h"

#include <climits>
#include <cstdint>

#include "formats/text_file.h"

namespace zelvo::formats {

namespace {

bool fail(Error* e, int line, std::string reason) {
    if (e) {
        e->line = line;
        e->kind = reason.starts_with("not Windows") ? Error::Kind::Text
                  : reason.find("ends before") != std::string::npos ? Error::Kind::Short
                                                                    : Error::Kind::Value;
        e->reason = std::move(reason);
    }
    return false;
}

// A count of matches: a whole number from 0, held as its decimal text.
bool isCount(const std::string& v) {
    auto n = textfile::whole(v);
    return n && *n >= 0 && *n <= INT_MAX;
}

// Lines decoded; false (with the line at fault) when one is not Windows-1252 text.
// Only the first `most` lines are kept and checked: what follows them is no
// part of the file's format.
bool decode(std::string_view bytes, std::vector<std::string>& out, Error* e, size_t most = SIZE_MAX) {
    auto r = textfile::splitLines(bytes);
    if (r.size() > most) r.resize(most);
    out.clear();
    out.reserve(r.size());
    for (size_t i = 0; i < r.size(); ++i) {
        if (!r[i]) return fail(e, static_cast<int>(i + 1), "not Windows-1252 text");
        out.push_back(std::move(*r[i]));
    }
    return true;
}

}  // namespace

std::string Error::text() const {
    return line > 0 ? "line " + std::to_string(line) + ": " + reason : reason;
}

// ---------------------------------------------------------------- settings

std::optional<long long> SettingsLines::whole(int n) const {
    return line[n] ? textfile::whole(*line[n]) : std::nullopt;
}
std::optional<float> SettingsLines::single(int n) const {
    return line[n] ? textfile::single(*line[n]) : std::nullopt;
}
std::optional<bool> SettingsLines::truth(int n) const {
    return line[n] ? textfile::truth(*line[n]) : std::nullopt;
}

SettingsLines readSettingsLines(std::string_view bytes) {
    SettingsLines lines;
    auto r = textfile::splitLines(bytes);
    for (int n = 1; n <= SETTINGS_LINES && n <= static_cast<int>(r.size()); ++n)
        if (r[n - 1]) lines.line[n] = textfile::valueOf(*r[n - 1]);
    return lines;
}

std::array<std::optional<std::string>, 3> readOptionalDeck(std::string_view bytes) {
    std::array<std::optional<std::string>, 3> v{};
    auto r = textfile::splitLines(bytes);
    for (size_t i = 0; i < 3 && i < r.size(); ++i)
        if (r[i]) v[i] = textfile::valueOf(*r[i]);
    return v;
}

// ---------------------------------------------------------------- records

std::string writeRanking(const Ranking& c) {
    textfile::Writer s;
    for (int i = 1; i <= 10; ++i) {
        const RankingRow& r = c.rows[i];
        s.text(r.name);
        s.text(r.won);
        s.text(r.lost);
        s.text(r.date);
        s.truth(r.positionShown);
        s.truth(r.wonShown);
        s.truth(r.lostShown);
    }
    for (int k = 1; k <= 5; ++k) {
        s.text(c.wins[k]);
        s.text(c.losses[k]);
    }
    return s.bytes();
}

std::optional<Ranking> readRanking(std::string_view bytes, Error* e) {
    std::vector<std::string> l;
    if (!decode(bytes, l, e)) return std::nullopt;
    if (static_cast<int>(l.size()) < RANKING_LINES) {
        fail(e, static_cast<int>(l.size()) + 1, "the file ends before line 80");
        return std::nullopt;
    }
    Ranking c;
    int n = 0;  // index of the line being read
    auto quotedText = [&](std::string& into) {
        if (!textfile::quoted(l[n])) return fail(e, n + 1, "expected a quoted text");
        into = textfile::valueOf(l[n++]);
        return true;
    };
    auto count = [&](std::string& into) {
        if (!quotedText(into)) return false;
        if (!isCount(into)) return fail(e, n, "expected a count of matches");
        return true;
    };
    auto truthAt = [&](bool& into) {
        auto b = textfile::truth(textfile::valueOf(l[n]));
        if (!b) return fail(e, n + 1, "expected #TRUE# or #FALSE#");
        into = *b;
        ++n;
        return true;
    };
    for (int i = 1; i <= 10; ++i) {
        RankingRow& r = c.rows[i];
        if (!quotedText(r.name) || !count(r.won) || !count(r.lost) || !quotedText(r.date) ||
            !truthAt(r.positionShown) || !truthAt(r.wonShown) || !truthAt(r.lostShown))
            return std::nullopt;
    }
    for (int k = 1; k <= 5; ++k)
        if (!count(c.wins[k]) || !count(c.losses[k])) return std::nullopt;
    return c;
}

std::string writeCount(int n) {
    textfile::Writer s;
    s.whole(n);
    return s.bytes();
}

std::optional<int> readCount(std::string_view bytes, Error* e) {
    std::vector<std::string> l;
    if (!decode(bytes, l, e)) return std::nullopt;
    if (l.empty()) {
        fail(e, 1, "the file is empty");
        return std::nullopt;
    }
    auto n = textfile::whole(textfile::valueOf(l[0]));
    if (!n || *n < 0 || *n > 10'000'000) {
        fail(e, 1, "expected the number of matches");
        return std::nullopt;
    }
    return static_cast<int>(*n);
}

std::string writeRegister(const std::vector<std::string>& entries) {
    textfile::Writer s;
    for (const auto& v : entries) s.text(v);
    s.text("");
    return s.bytes();
}

std::optional<std::vector<std::string>> readRegister(std::string_view bytes, int n, Error* e) {
    std::vector<std::string> l;
    if (!decode(bytes, l, e)) return std::nullopt;
    if (n < 0 || static_cast<int>(l.size()) < n + 1) {
        fail(e, static_cast<int>(l.size()) + 1, "the register ends before its " + std::to_string(n) + " entries");
        return std::nullopt;
    }
    std::vector<std::string> entries;
    for (int i = 0; i <= n; ++i) {
        if (!textfile::quoted(l[i])) {
            fail(e, i + 1, "expected a quoted register entry");
            return std::nullopt;
        }
        std::string v = textfile::valueOf(l[i]);
        if (v.empty() && i < n) {
            fail(e, i + 1, "an empty register entry");
            return std::nullopt;
        }
        // Line N is normally the closing empty line; an entry there is the newest
        // one, written just before the count was.
        if (!v.empty()) entries.push_back(std::move(v));
    }
    return entries;
}

std::optional<std::vector<std::string>> readRegisterWithoutCount(std::string_view bytes, Error* e) {
    std::vector<std::string> l;
    if (!decode(bytes, l, e)) return std::nullopt;
    int n = 0;
    while (n < static_cast<int>(l.size()) && textfile::quoted(l[n]) && !textfile::valueOf(l[n]).empty()) ++n;
    return readRegister(bytes, n, e);
}

// ---------------------------------------------------------------- game file

std::string writeGame(const GameFile& g) {
    textfile::Writer s;
    s.text(g.heading1);
    s.text(g.heading2);
    for (int i = 0; i < 133; ++i) {
        // Colours the window system marks with the top bit are written as the signed numbers they are there.
        s.whole(static_cast<int32_t>(g.colour[i]));
        s.text(g.text[i]);
    }
    return s.bytes();
}

std::optional<GameFile> readGame(std::string_view bytes, Error* e) {
    std::vector<std::string> l;
    if (!decode(bytes, l, e, GAME_LINES)) return std::nullopt;
    if (static_cast<int>(l.size()) < GAME_LINES) {
        fail(e, static_cast<int>(l.size()) + 1, "the file ends before line 268");
        return std::nullopt;
    }
    GameFile g;
    g.heading1 = textfile::valueOf(l[0]);
    g.heading2 = textfile::valueOf(l[1]);
    for (int i = 0; i < 133; ++i) {
        int rc = 2 + 2 * i;  // 0-based line of the colour
        auto c = textfile::whole(textfile::valueOf(l[rc]));
        if (!c || *c < INT32_MIN || *c > INT32_MAX) {
            fail(e, rc + 1, "expected a colour number");
            return std::nullopt;
        }
        g.colour[i] = static_cast<Colour>(static_cast<uint32_t>(*c));
        g.text[i] = textfile::valueOf(l[rc + 1]);
    }
    return g;
}

}  // namespace zelvo::formats
