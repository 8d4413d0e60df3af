// zelvo-engine match: whole games through the real flow on the virtual clock.
#include <chrono>
#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>

#include "commands.h"
#include "game/simulazione.h"

namespace zelvo::engine {

int match(const std::vector<std::string>& args) {
    Impostazioni imp;
    imp.opzioni[opz::ConclusioneGioco] = "Fino all'ultima presa";
    long long games = 1;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) != 0 || i + 1 >= args.size()) {
            std::cerr << "zelvo-engine match: unexpected argument '" << a << "'\n";
            return 2;
        }
        const std::string key = a.substr(2), value = args[++i];
        try {
            if (key == "games") {
                games = std::stoll(value);
                if (games < 1) throw std::invalid_argument("games");
                continue;
            }
            if (key == "seed") {
                imp.seme = std::stoull(value);
                continue;
            }
        } catch (const std::exception&) {
            std::cerr << "zelvo-engine match: --" << key << " needs a positive whole number, not '" << value << "'\n";
            return 2;
        }
        if (key == "human") {
            if (value != "random") {
                std::cerr << "zelvo-engine match: the only human policy is 'random'\n";
                return 2;
            }
            continue;
        }
        if (!opzioneDaParola(imp.opzioni, key, value)) {
            std::cerr << "zelvo-engine match: --" << key << " does not take '" << value << "'\n";
            return 2;
        }
    }

    long long pcWins = 0, hWins = 0, draws = 0, tricks = 0, sumPC = 0, sumH = 0;
    const auto start = std::chrono::steady_clock::now();
    try {
        Simulazione sim(imp);
        for (long long g = 0; g < games; ++g) {
            RisultatoGioco r = sim.giocaUnGioco();
            if (r.vincitore == Chi::PC) ++pcWins;
            else if (r.vincitore == Chi::H) ++hWins;
            else ++draws;
            tricks += r.prese;
            sumPC += r.puntiPC;
            sumH += r.puntiH;
        }
    } catch (const PartitaBloccata& e) {
        std::cerr << "zelvo-engine match: " << e.what() << "\n";
        return 1;
    }
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    nlohmann::ordered_json out;
    out["games"] = games;
    out["pcWins"] = pcWins;
    out["hWins"] = hWins;
    out["draws"] = draws;
    out["meanPointsPC"] = static_cast<double>(sumPC) / games;
    out["meanPointsH"] = static_cast<double>(sumH) / games;
    out["tricks"] = tricks;
    out["gamesPerSecond"] = secs > 0 ? games / secs : 0.0;
    std::cout << out.dump() << "\n";
    return 0;
}

}  // namespace zelvo::engine
