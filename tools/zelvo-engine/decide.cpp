// zelvo-engine decide: one decision of the computer (level A) per input line.
// Reads JSON objects one per line, answers one JSON object per line in the
// same order; a line that cannot be read gets {"error": "..."} and the tool
// goes on.
#include <iostream>
#include <nlohmann/json.hpp>
#include <set>
#include <string>

#include "cards/card.h"
#include "commands.h"
#include "platform/headless.h"
#include "strategy/decision.h"

namespace zelvo::engine {

namespace {

using nlohmann::json;
using ojson = nlohmann::ordered_json;

struct InputError {
    std::string text;
};

const json& field(const json& j, const char* name) {
    auto it = j.find(name);
    if (it == j.end()) throw InputError{std::string("missing \"") + name + "\""};
    return *it;
}

int whole(const json& j, const char* name) {
    const json& v = field(j, name);
    if (!v.is_number_integer()) throw InputError{std::string("\"") + name + "\" must be a whole number"};
    const long long x = v.get<long long>();
    if (x < -1000 || x > 1000) throw InputError{std::string("\"") + name + "\" is out of range"};
    return static_cast<int>(x);
}

std::string text(const json& j, const char* name) {
    const json& v = field(j, name);
    if (!v.is_string()) throw InputError{std::string("\"") + name + "\" must be a text"};
    return v.get<std::string>();
}

// The cards of one hand by slot, 0 for an empty slot.
std::array<int, 3> hand(const json& j, const char* name, std::set<int>& seen) {
    const json& v = field(j, name);
    if (!v.is_array() || v.size() != 3) throw InputError{std::string("\"") + name + "\" must list 3 slots"};
    std::array<int, 3> cells{};
    for (int k = 0; k < 3; ++k) {
        if (!v[k].is_string()) throw InputError{std::string("\"") + name + "\" slots must be texts"};
        const std::string code = v[k].get<std::string>();
        if (code.empty()) continue;
        cells[k] = cards::cellOf(code);
        if (!cells[k]) throw InputError{"'" + code + "' is not a card"};
        if (!seen.insert(cells[k]).second) throw InputError{"'" + code + "' appears twice"};
    }
    return cells;
}

// Cards in each hand for a stock count: three while cards remain to draw, then fewer.
int cardsInHand(int stock) { return stock >= -1 ? 3 : stock >= -3 ? 2 : 1; }

strategy::Position read(const json& j) {
    if (!j.is_object()) throw InputError{"the line is not a JSON object"};
    strategy::Position p;
    const std::string t = text(j, "trump");
    if (t.size() != 1 || cards::suitIndex(t[0]) < 0) throw InputError{"trump must be one of d, s, c, b"};
    p.trump = t[0];
    std::set<int> inHands;
    const auto pc = hand(j, "pc", inHands), h = hand(j, "h", inHands);
    for (int k = 0; k < 3; ++k) {
        p.slot[1 + k] = pc[k];
        p.slot[4 + k] = h[k];
    }
    const json& played = field(j, "played");
    if (!played.is_array()) throw InputError{"\"played\" must be a list of cards"};
    std::vector<int> playedCells;
    for (const json& c : played) {
        if (!c.is_string()) throw InputError{"\"played\" must be a list of cards"};
        const std::string code = c.get<std::string>();
        const int cell = cards::cellOf(code);
        if (!cell) throw InputError{"played: '" + code + "' is not a card"};
        if (p.played[cell]) throw InputError{"played: '" + code + "' appears twice"};
        p.played[cell] = true;
        playedCells.push_back(cell);
    }
    const std::string leader = text(j, "leader");
    if (leader != "PC" && leader != "H") throw InputError{"leader must be \"PC\" or \"H\""};
    p.computerLeads = leader == "PC";
    if (!p.computerLeads) p.humanSlot = whole(j, "hslot");
    p.stock = whole(j, "deck");
    p.pointsPC = whole(j, "puntiPC");
    p.pointsH = whole(j, "puntiH");
    const std::string f = text(j, "filtro60");
    if (f != "No" && f != "Si") throw InputError{"filtro60 must be \"No\" or \"Si\""};
    p.filter60 = f == "Si";

    const bool middle = p.stock >= 2 && p.stock <= 34;
    if (!middle && (p.stock < -5 || p.stock > 0)) throw InputError{"deck must be 2..34 or 0, -1, -2, -3, -4, -5"};
    if (!middle) {
        const bool computerLeads = p.stock % 2 == 0;  // 0, -2, -4: the computer leads; -1, -3, -5: it answers
        if (computerLeads != p.computerLeads)
            throw InputError{"deck " + std::to_string(p.stock) + " needs leader " + (computerLeads ? "PC" : "H")};
    }
    int nPC = 0, nH = 0;
    for (int k = 0; k < 3; ++k) {
        nPC += pc[k] != 0;
        nH += h[k] != 0;
    }
    const int n = cardsInHand(p.stock);
    if (nPC != n || nH != n)
        throw InputError{"with deck " + std::to_string(p.stock) + " each hand holds " + std::to_string(n) + " card(s)"};
    if (!p.computerLeads) {
        if (p.humanSlot < 4 || p.humanSlot > 6) throw InputError{"hslot must be 4, 5 or 6 when the human leads"};
        if (!p.slot[p.humanSlot]) throw InputError{"hslot names an empty slot"};
        // The card the human has led lies on the table: it is played, though its slot still holds it.
        p.played[p.slot[p.humanSlot]] = true;
    }
    std::set<int> all = inHands;
    for (int cell : playedCells) {
        const bool led = !p.computerLeads && cell == p.slot[p.humanSlot];
        if (inHands.count(cell) && !led) {
            const bool computers = cell == pc[0] || cell == pc[1] || cell == pc[2];
            throw InputError{"played: '" + cards::codeOf(cell) + "' is in the " +
                             (computers ? "computer's" : "human's") + " hand"};
        }
        all.insert(cell);
    }
    if (all.size() > 40) throw InputError{"more cards than the deck holds"};
    if (p.pointsPC < 0 || p.pointsH < 0 || p.pointsPC + p.pointsH > 120)
        throw InputError{"points must be 0..120 in all"};
    return p;
}

ojson answer(const strategy::Position& p) {
    // The end game's draw among equal cards: the game's own pick, from a fixed seed and moment.
    Headless headless(1);
    ClockPick pick(headless.random, headless.clock);
    const strategy::Decision d = strategy::decide(p, pick);
    ojson out = ojson::object();
    out["slot"] = d.slot;
    out["filtro60"] = d.filter60 ? "Si" : "No";
    if (d.middle) {
        ojson potential = ojson::array(), convenience = ojson::array(), totals = ojson::array();
        for (int i = 1; i <= 6; ++i) potential.push_back(d.middle->potential[i].str());
        for (int n = 1; n <= 9; ++n) {
            convenience.push_back(d.middle->convenience[n].str());
            totals.push_back(d.middle->totals[n] ? std::to_string(*d.middle->totals[n]) : "");
        }
        out["potenziale"] = potential;
        out["convenienza"] = convenience;
        out["totaliNormali"] = totals;
    } else if (d.end && p.stock >= -1) {
        ojson worst = ojson::array(), candidates = ojson::array();
        for (int i = 1; i <= 3; ++i) {
            worst.push_back(std::to_string(d.end->worst[i]));
            if (d.end->candidate[i]) candidates.push_back(i);
        }
        out["peggiore"] = worst;
        out["candidates"] = candidates;
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
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        ojson out;
        try {
            out = answer(read(json::parse(line)));
        } catch (const json::parse_error&) {
            out = {{"error", "the line is not valid JSON"}};
        } catch (const InputError& e) {
            out = {{"error", e.text}};
        } catch (const std::exception& e) {
            out = {{"error", std::string("cannot decide: ") + e.what()}};
        }
        std::cout << out.dump() << '\n';
        std::cout.flush();
    }
    return 0;
}

}  // namespace zelvo::engine
