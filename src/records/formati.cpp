#include "records/formati.h"

#include <climits>
#include <cstdint>

#include "records/text_file.h"

namespace zelvo::formati {

namespace {

bool falla(Errore* e, int riga, std::string motivo) {
    if (e) {
        e->riga = riga;
        e->tipo = motivo.starts_with("not Windows") ? Errore::Tipo::Testo
                  : motivo.find("ends before") != std::string::npos ? Errore::Tipo::Corto
                                                                    : Errore::Tipo::Valore;
        e->motivo = std::move(motivo);
    }
    return false;
}

// A count of matches: a whole number from 0, held as its decimal text.
bool conteggio(const std::string& v) {
    auto n = testo::intero(v);
    return n && *n >= 0 && *n <= INT_MAX;
}

// Lines decoded; false (with the line at fault) when one is not Windows-1252 text.
// Only the first `massimo` lines are kept and checked: what follows them is no
// part of the file's format.
bool decodifica(std::string_view byte, std::vector<std::string>& out, Errore* e, size_t massimo = SIZE_MAX) {
    auto r = testo::righe(byte);
    if (r.size() > massimo) r.resize(massimo);
    out.clear();
    out.reserve(r.size());
    for (size_t i = 0; i < r.size(); ++i) {
        if (!r[i]) return falla(e, static_cast<int>(i + 1), "not Windows-1252 text");
        out.push_back(std::move(*r[i]));
    }
    return true;
}

}  // namespace

std::string Errore::testo() const {
    return riga > 0 ? "line " + std::to_string(riga) + ": " + motivo : motivo;
}

// ---------------------------------------------------------------- settings

std::optional<long long> SettingsLines::intero(int n) const {
    return riga[n] ? testo::intero(*riga[n]) : std::nullopt;
}
std::optional<float> SettingsLines::singolo(int n) const {
    return riga[n] ? testo::singolo(*riga[n]) : std::nullopt;
}
std::optional<bool> SettingsLines::verita(int n) const {
    return riga[n] ? testo::verita(*riga[n]) : std::nullopt;
}

SettingsLines leggiImpostazioni(std::string_view byte) {
    SettingsLines imp;
    auto r = testo::righe(byte);
    for (int n = 1; n <= RIGHE_IMPOSTAZIONI && n <= static_cast<int>(r.size()); ++n)
        if (r[n - 1]) imp.riga[n] = testo::valore(*r[n - 1]);
    return imp;
}

std::array<std::optional<std::string>, 3> leggiCarteOpzionali(std::string_view byte) {
    std::array<std::optional<std::string>, 3> v{};
    auto r = testo::righe(byte);
    for (size_t i = 0; i < 3 && i < r.size(); ++i)
        if (r[i]) v[i] = testo::valore(*r[i]);
    return v;
}

// ---------------------------------------------------------------- records

std::string scriviClassifica(const Classifica& c) {
    testo::Scrittore s;
    for (int i = 1; i <= 10; ++i) {
        const RankingRow& r = c.righe[i];
        s.testo(r.name);
        s.testo(r.won);
        s.testo(r.lost);
        s.testo(r.date);
        s.verita(r.positionShown);
        s.verita(r.wonShown);
        s.verita(r.lostShown);
    }
    for (int k = 1; k <= 5; ++k) {
        s.testo(c.vittorie[k]);
        s.testo(c.sconfitte[k]);
    }
    return s.byte();
}

std::optional<Classifica> leggiClassifica(std::string_view byte, Errore* e) {
    std::vector<std::string> l;
    if (!decodifica(byte, l, e)) return std::nullopt;
    if (static_cast<int>(l.size()) < RIGHE_CLASSIFICA) {
        falla(e, static_cast<int>(l.size()) + 1, "the file ends before line 80");
        return std::nullopt;
    }
    Classifica c;
    int n = 0;  // index of the line being read
    auto testoQuotato = [&](std::string& dove) {
        if (!testo::quotata(l[n])) return falla(e, n + 1, "expected a quoted text");
        dove = testo::valore(l[n++]);
        return true;
    };
    auto numero = [&](std::string& dove) {
        if (!testoQuotato(dove)) return false;
        if (!conteggio(dove)) return falla(e, n, "expected a count of matches");
        return true;
    };
    auto verita = [&](bool& dove) {
        auto b = testo::verita(testo::valore(l[n]));
        if (!b) return falla(e, n + 1, "expected #TRUE# or #FALSE#");
        dove = *b;
        ++n;
        return true;
    };
    for (int i = 1; i <= 10; ++i) {
        RankingRow& r = c.righe[i];
        if (!testoQuotato(r.name) || !numero(r.won) || !numero(r.lost) || !testoQuotato(r.date) ||
            !verita(r.positionShown) || !verita(r.wonShown) || !verita(r.lostShown))
            return std::nullopt;
    }
    for (int k = 1; k <= 5; ++k)
        if (!numero(c.vittorie[k]) || !numero(c.sconfitte[k])) return std::nullopt;
    return c;
}

std::string scriviPartite(int n) {
    testo::Scrittore s;
    s.intero(n);
    return s.byte();
}

std::optional<int> leggiPartite(std::string_view byte, Errore* e) {
    std::vector<std::string> l;
    if (!decodifica(byte, l, e)) return std::nullopt;
    if (l.empty()) {
        falla(e, 1, "the file is empty");
        return std::nullopt;
    }
    auto n = testo::intero(testo::valore(l[0]));
    if (!n || *n < 0 || *n > 10'000'000) {
        falla(e, 1, "expected the number of matches");
        return std::nullopt;
    }
    return static_cast<int>(*n);
}

std::string scriviAlbo(const std::vector<std::string>& voci) {
    testo::Scrittore s;
    for (const auto& v : voci) s.testo(v);
    s.testo("");
    return s.byte();
}

std::optional<std::vector<std::string>> leggiAlbo(std::string_view byte, int n, Errore* e) {
    std::vector<std::string> l;
    if (!decodifica(byte, l, e)) return std::nullopt;
    if (n < 0 || static_cast<int>(l.size()) < n + 1) {
        falla(e, static_cast<int>(l.size()) + 1, "the register ends before its " + std::to_string(n) + " entries");
        return std::nullopt;
    }
    std::vector<std::string> voci;
    for (int i = 0; i <= n; ++i) {
        if (!testo::quotata(l[i])) {
            falla(e, i + 1, "expected a quoted register entry");
            return std::nullopt;
        }
        std::string v = testo::valore(l[i]);
        if (v.empty() && i < n) {
            falla(e, i + 1, "an empty register entry");
            return std::nullopt;
        }
        // Line N is normally the closing empty line; an entry there is the newest
        // one, written just before the count was.
        if (!v.empty()) voci.push_back(std::move(v));
    }
    return voci;
}

std::optional<std::vector<std::string>> leggiAlboSenzaConteggio(std::string_view byte, Errore* e) {
    std::vector<std::string> l;
    if (!decodifica(byte, l, e)) return std::nullopt;
    int n = 0;
    while (n < static_cast<int>(l.size()) && testo::quotata(l[n]) && !testo::valore(l[n]).empty()) ++n;
    return leggiAlbo(byte, n, e);
}

// ---------------------------------------------------------------- game file

std::string scriviGioco(const GameFile& g) {
    testo::Scrittore s;
    s.testo(g.intestazione1);
    s.testo(g.intestazione2);
    for (int i = 0; i < 133; ++i) {
        // Colours the window system marks with the top bit are written as the signed numbers they are there.
        s.intero(static_cast<int32_t>(g.colore[i]));
        s.testo(g.testo[i]);
    }
    return s.byte();
}

std::optional<GameFile> leggiGioco(std::string_view byte, Errore* e) {
    std::vector<std::string> l;
    if (!decodifica(byte, l, e, RIGHE_GIOCO)) return std::nullopt;
    if (static_cast<int>(l.size()) < RIGHE_GIOCO) {
        falla(e, static_cast<int>(l.size()) + 1, "the file ends before line 268");
        return std::nullopt;
    }
    GameFile g;
    g.intestazione1 = testo::valore(l[0]);
    g.intestazione2 = testo::valore(l[1]);
    for (int i = 0; i < 133; ++i) {
        int rc = 2 + 2 * i;  // 0-based line of the colour
        auto c = testo::intero(testo::valore(l[rc]));
        if (!c || *c < INT32_MIN || *c > INT32_MAX) {
            falla(e, rc + 1, "expected a colour number");
            return std::nullopt;
        }
        g.colore[i] = static_cast<Colour>(static_cast<uint32_t>(*c));
        g.testo[i] = testo::valore(l[rc + 1]);
    }
    return g;
}

}  // namespace zelvo::formati
