// zelvo-engine decide: one decision of the computer (level A) per input line.
// Reads JSON objects one per line, answers one JSON object per line in the
// same order; a line that cannot be read gets {"error": "..."} and the tool
// goes on.
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>

#include "commands.h"
#include "platform/headless.h"
#include "strategy/posizione.h"
#include "ui/principale.h"

namespace zelvo::engine {

namespace {

using nlohmann::json;

struct ErroreInput {
    std::string testo;
};

const json& campo(const json& j, const char* nome) {
    auto it = j.find(nome);
    if (it == j.end()) throw ErroreInput{std::string("missing \"") + nome + "\""};
    return *it;
}

int intero(const json& j, const char* nome) {
    const json& v = campo(j, nome);
    if (!v.is_number_integer()) throw ErroreInput{std::string("\"") + nome + "\" must be a whole number"};
    const long long x = v.get<long long>();
    if (x < -1000 || x > 1000) throw ErroreInput{std::string("\"") + nome + "\" is out of range"};
    return static_cast<int>(x);
}

std::string testo(const json& j, const char* nome) {
    const json& v = campo(j, nome);
    if (!v.is_string()) throw ErroreInput{std::string("\"") + nome + "\" must be a text"};
    return v.get<std::string>();
}

std::array<std::string, 3> mano(const json& j, const char* nome) {
    const json& v = campo(j, nome);
    if (!v.is_array() || v.size() != 3) throw ErroreInput{std::string("\"") + nome + "\" must list 3 slots"};
    std::array<std::string, 3> r;
    for (int k = 0; k < 3; ++k) {
        if (!v[k].is_string()) throw ErroreInput{std::string("\"") + nome + "\" slots must be texts"};
        r[k] = v[k].get<std::string>();
    }
    return r;
}

Posizione leggi(const json& j) {
    if (!j.is_object()) throw ErroreInput{"the line is not a JSON object"};
    Posizione p;
    const std::string t = testo(j, "trump");
    if (t.size() != 1) throw ErroreInput{"trump must be one of d, s, c, b"};
    p.briscola = t[0];
    p.pc = mano(j, "pc");
    p.h = mano(j, "h");
    const json& g = campo(j, "played");
    if (!g.is_array()) throw ErroreInput{"\"played\" must be a list of cards"};
    for (const json& c : g) {
        if (!c.is_string()) throw ErroreInput{"\"played\" must be a list of cards"};
        p.giocate.push_back(c.get<std::string>());
    }
    const std::string guida = testo(j, "leader");
    if (guida == "PC") p.guida = Chi::PC;
    else if (guida == "H") p.guida = Chi::H;
    else throw ErroreInput{"leader must be \"PC\" or \"H\""};
    if (p.guida == Chi::H) p.slotH = intero(j, "hslot");
    p.mazzo = intero(j, "deck");
    p.puntiPC = intero(j, "puntiPC");
    p.puntiH = intero(j, "puntiH");
    const std::string f = testo(j, "filtro60");
    if (f != "No" && f != "Si") throw ErroreInput{"filtro60 must be \"No\" or \"Si\""};
    p.filtro60 = f == "Si";
    std::string errore = controllaPosizione(p);
    if (!errore.empty()) throw ErroreInput{errore};
    return p;
}

using ojson = nlohmann::ordered_json;

ojson risposta(const Posizione& p) {
    Headless h(1);
    Principale w(h.piattaforma);
    caricaPosizione(w, p);
    const int slot = decidi(w);
    const StatoStrategia& s = w.m.strategia;
    ojson out = ojson::object();
    out["slot"] = slot;
    out["filtro60"] = s.lblFiltro60Punti ? "Si" : "No";
    if (p.mazzo >= 1) {
        ojson pot = ojson::array(), conv = ojson::array(), tot = ojson::array();
        for (int i = 1; i <= 6; ++i) pot.push_back(s.lblPotenziale[i].str());
        for (int n = 1; n <= 9; ++n) {
            conv.push_back(s.lblConvenienza[n].Caption.str());
            tot.push_back(s.lblTotaliNormali[n].testo());
        }
        out["potenziale"] = pot;
        out["convenienza"] = conv;
        out["totaliNormali"] = tot;
    } else if (p.mazzo >= -1) {
        ojson peg = ojson::array(), cand = ojson::array();
        for (int i = 1; i <= 3; ++i) {
            peg.push_back(s.LblPeggiore[i].testo());
            if (s.LblPeggiore[i].BackColor == colour::RED) cand.push_back(i);
        }
        out["peggiore"] = peg;
        out["candidates"] = cand;
    }
    return out;
}

}  // namespace

int decide(const std::vector<std::string>& args) {
    if (!args.empty()) {
        std::cerr << "zelvo-engine decide: takes no arguments; it reads one JSON position per line\n";
        return 2;
    }
    std::ios::sync_with_stdio(false);
    std::string riga;
    while (std::getline(std::cin, riga)) {
        if (!riga.empty() && riga.back() == '\r') riga.pop_back();
        ojson out;
        try {
            out = risposta(leggi(json::parse(riga)));
        } catch (const json::parse_error&) {
            out = {{"error", "the line is not valid JSON"}};
        } catch (const ErroreInput& e) {
            out = {{"error", e.testo}};
        } catch (const std::exception& e) {
            out = {{"error", std::string("cannot decide: ") + e.what()}};
        }
        std::cout << out.dump() << '\n';
        std::cout.flush();
    }
    return 0;
}

}  // namespace zelvo::engine
