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

#include "session/simulation.h"

namespace zelvo {
namespace {

int pointsOfValue(int value) { return cards::pointsOf(value); }

// The greedy human: takes a trick when it can do so cheaply, otherwise throws
// away its least valuable card.
//  - Leading: the card that costs least: a non-trump before a trump, then
//    fewer points, then the lower strength value.
//  - Answering: if a card of the led suit beats the computer's card, the
//    weakest such card; else, when the trick holds 10 points or more (an
//    Asso or a Tre on the table) and the led card is not a trump, the
//    weakest trump; otherwise the card that costs least, as when leading.
int greedyPolicy(const Model& m, std::mt19937_64&) {
    const CardTable& c = m.cards;
    const char t = c.lblSeme[7];
    int hand[3], n = 0;
    for (int s = 4; s <= 6; ++s)
        if (!c.lblCarta[s].empty() && m.window.ImgCarta[s].Visible) hand[n++] = s;
    if (n == 0) return 0;
    auto cost = [&](int s) { return (c.lblSeme[s] == t ? 1000 : 0) + pointsOfValue(c.lblValore[s]) * 50 + c.lblValore[s]; };
    auto cheapest = [&] {
        int best = hand[0];
        for (int k = 1; k < n; ++k)
            if (cost(hand[k]) < cost(best)) best = hand[k];
        return best;
    };
    const int p = m.game.lblNumeroCartaGiocataDaPC;
    const bool answering = m.game.lblTurnoDiGioco == Who::PC && p >= 1 && p <= 3 && !c.lblCarta[p].empty();
    if (!answering) return cheapest();
    const char sp = c.lblSeme[p];
    const int vp = c.lblValore[p];
    int winning = 0;
    for (int k = 0; k < n; ++k) {
        const int s = hand[k];
        if (c.lblSeme[s] == sp && c.lblValore[s] > vp && (!winning || c.lblValore[s] < c.lblValore[winning]))
            winning = s;
    }
    if (winning) return winning;
    if (sp != t && pointsOfValue(vp) >= 10) {
        int trump = 0;
        for (int k = 0; k < n; ++k) {
            const int s = hand[k];
            if (c.lblSeme[s] == t && (!trump || c.lblValore[s] < c.lblValore[trump])) trump = s;
        }
        if (trump) return trump;
    }
    return cheapest();
}

int usage(const char* msg) {
    std::cerr << "zelvo-strength: " << msg
              << "\nusage: zelvo-strength --level A..E --human random|greedy --games N [--seed S] [--json]\n";
    return 2;
}

}  // namespace
}  // namespace zelvo

int main(int argc, char** argv) {
    using namespace zelvo;
    SimulationSettings settings;
    settings.set(GameEnd::LastTrick);
    std::string level = "A", human = "random";
    long long games = 1000;
    bool json = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--json") {
            json = true;
            continue;
        }
        if (i + 1 >= argc) return usage(("missing value after " + a).c_str());
        const std::string v = argv[++i];
        try {
            if (a == "--games") {
                games = std::stoll(v);
                if (games < 1) return usage("--games needs a positive number");
            } else if (a == "--seed") {
                settings.seed = std::stoull(v);
            } else if (a == "--level") {
                level = v;
                if (!optionFromWord(settings, "level", v)) return usage("--level takes A, B, C, D or E");
            } else if (a == "--human") {
                human = v;
                if (v == "greedy") settings.policy = greedyPolicy;
                else if (v != "random") return usage("--human takes random or greedy");
            } else {
                return usage(("unknown option " + a).c_str());
            }
        } catch (const std::exception&) {
            return usage(("bad number for " + a).c_str());
        }
    }

    long long pcWins = 0, hWins = 0, draws = 0, sumPC = 0, sumH = 0;
    const auto start = std::chrono::steady_clock::now();
    try {
        Simulation sim(settings);
        for (long long g = 0; g < games; ++g) {
            const GameResult r = sim.playGame();
            if (r.winner == Who::PC) ++pcWins;
            else if (r.winner == Who::H) ++hWins;
            else ++draws;
            sumPC += r.pointsPC;
            sumH += r.pointsH;
        }
    } catch (const std::exception& e) {
        std::cerr << "zelvo-strength: " << e.what() << "\n";
        return 1;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // Wilson score interval at 95%.
    const double n = static_cast<double>(games), p = pcWins / n, z = 1.959964;
    const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n);
    if (json) {
        nlohmann::ordered_json o;
        o["level"] = level;
        o["human"] = human;
        o["games"] = games;
        o["pcWins"] = pcWins;
        o["hWins"] = hWins;
        o["draws"] = draws;
        o["winRate"] = p;
        o["ci95"] = {centre - half, centre + half};
        o["meanPointsPC"] = sumPC / n;
        o["meanPointsH"] = sumH / n;
        o["seconds"] = seconds;
        std::cout << o.dump() << "\n";
    } else {
        std::printf("| %s | %s | %lld | %.1f%% | %.1f%% – %.1f%% | %lld | %.2f | %.2f |\n", level.c_str(),
                    human.c_str(), games, 100 * p, 100 * (centre - half), 100 * (centre + half), draws,
                    sumPC / n, sumH / n);
    }
    return 0;
}
