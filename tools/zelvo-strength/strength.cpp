// zelvo-strength: the computer at one level against a human policy over many
// games; prints one row of the strength table (markdown) or JSON.
//
//   zelvo-strength --level A..E --human random|greedy --games N [--seed S] [--json]
#include <chrono>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>

#include "game/simulazione.h"

namespace zelvo {
namespace {

int puntiDi(int valore) { return cards::pointsOf(valore); }

// The greedy human: takes a trick when it can do so cheaply, otherwise throws
// away its least valuable card.
//  - Leading: the card that costs least: a non-trump before a trump, then
//    fewer points, then the lower strength value.
//  - Answering: if a card of the led suit beats the computer's card, the
//    weakest such card; else, when the trick holds 10 points or more (an
//    Asso or a Tre on the table) and the led card is not a trump, the
//    weakest trump; otherwise the card that costs least, as when leading.
int politicaGolosa(const Model& m, std::mt19937_64&) {
    const CardTable& c = m.cards;
    const char t = c.lblSeme[7];
    int mano[3], n = 0;
    for (int s = 4; s <= 6; ++s)
        if (!c.lblCarta[s].empty() && m.window.ImgCarta[s].Visible) mano[n++] = s;
    if (n == 0) return 0;
    auto costo = [&](int s) { return (c.lblSeme[s] == t ? 1000 : 0) + puntiDi(c.lblValore[s]) * 50 + c.lblValore[s]; };
    auto piuEconomica = [&] {
        int best = mano[0];
        for (int k = 1; k < n; ++k)
            if (costo(mano[k]) < costo(best)) best = mano[k];
        return best;
    };
    const int p = m.game.lblNumeroCartaGiocataDaPC;
    const bool risponde = m.game.lblTurnoDiGioco == Who::PC && p >= 1 && p <= 3 && !c.lblCarta[p].empty();
    if (!risponde) return piuEconomica();
    const char sp = c.lblSeme[p];
    const int vp = c.lblValore[p];
    int vincente = 0;
    for (int k = 0; k < n; ++k) {
        const int s = mano[k];
        if (c.lblSeme[s] == sp && c.lblValore[s] > vp && (!vincente || c.lblValore[s] < c.lblValore[vincente]))
            vincente = s;
    }
    if (vincente) return vincente;
    if (sp != t && puntiDi(vp) >= 10) {
        int briscola = 0;
        for (int k = 0; k < n; ++k) {
            const int s = mano[k];
            if (c.lblSeme[s] == t && (!briscola || c.lblValore[s] < c.lblValore[briscola])) briscola = s;
        }
        if (briscola) return briscola;
    }
    return piuEconomica();
}

int usa(const char* msg) {
    std::cerr << "zelvo-strength: " << msg
              << "\nusage: zelvo-strength --level A..E --human random|greedy --games N [--seed S] [--json]\n";
    return 2;
}

}  // namespace
}  // namespace zelvo

int main(int argc, char** argv) {
    using namespace zelvo;
    SimulationSettings imp;
    imp.opzioni[opz::ConclusioneGioco] = "Fino all'ultima presa";
    std::string livello = "A", umano = "random";
    long long giochi = 1000;
    bool json = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--json") {
            json = true;
            continue;
        }
        if (i + 1 >= argc) return usa(("missing value after " + a).c_str());
        const std::string v = argv[++i];
        try {
            if (a == "--games") {
                giochi = std::stoll(v);
                if (giochi < 1) return usa("--games needs a positive number");
            } else if (a == "--seed") {
                imp.seme = std::stoull(v);
            } else if (a == "--level") {
                livello = v;
                if (!optionFromWord(imp.opzioni, "level", v)) return usa("--level takes A, B, C, D or E");
            } else if (a == "--human") {
                umano = v;
                if (v == "greedy") imp.politica = politicaGolosa;
                else if (v != "random") return usa("--human takes random or greedy");
            } else {
                return usa(("unknown option " + a).c_str());
            }
        } catch (const std::exception&) {
            return usa(("bad number for " + a).c_str());
        }
    }

    long long vintePC = 0, vinteH = 0, pari = 0, puntiPC = 0, puntiH = 0;
    const auto inizio = std::chrono::steady_clock::now();
    try {
        Simulation sim(imp);
        for (long long g = 0; g < giochi; ++g) {
            const GameResult r = sim.giocaUnGioco();
            if (r.vincitore == Who::PC) ++vintePC;
            else if (r.vincitore == Who::H) ++vinteH;
            else ++pari;
            puntiPC += r.puntiPC;
            puntiH += r.puntiH;
        }
    } catch (const std::exception& e) {
        std::cerr << "zelvo-strength: " << e.what() << "\n";
        return 1;
    }
    const double sec = std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
    // Wilson score interval at 95%.
    const double n = static_cast<double>(giochi), p = vintePC / n, z = 1.959964;
    const double centro = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double mezzo = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n);
    if (json) {
        nlohmann::ordered_json o;
        o["level"] = livello;
        o["human"] = umano;
        o["games"] = giochi;
        o["pcWins"] = vintePC;
        o["hWins"] = vinteH;
        o["draws"] = pari;
        o["winRate"] = p;
        o["ci95"] = {centro - mezzo, centro + mezzo};
        o["meanPointsPC"] = puntiPC / n;
        o["meanPointsH"] = puntiH / n;
        o["seconds"] = sec;
        std::cout << o.dump() << "\n";
    } else {
        std::printf("| %s | %s | %lld | %.1f%% | %.1f%% – %.1f%% | %lld | %.2f | %.2f |\n", livello.c_str(),
                    umano.c_str(), giochi, 100 * p, 100 * (centro - mezzo), 100 * (centro + mezzo), pari,
                    puntiPC / n, puntiH / n);
    }
    return 0;
}
