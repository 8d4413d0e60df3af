// zelvo-engine bench: a fixed set of whole games through the real flow on the
// virtual clock, and one line that sums up what happened in them: the games,
// the timer ticks, the computer's cards, and a hash over every card the
// computer played, every write to the data-panel grid and every point total.
// A change that alters any of these altered the game's behaviour. The time
// taken goes to standard error, so the line itself never changes by speed.
#include <array>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <iostream>
#include <string>

#include "commands.h"
#include "game/simulazione.h"

namespace zelvo::engine {

namespace {

// FNV-1a, 64 bits.
class Hash {
public:
    void bytes(const void* p, size_t n) {
        const auto* b = static_cast<const unsigned char*>(p);
        for (size_t i = 0; i < n; ++i) h_ = (h_ ^ b[i]) * 0x100000001B3ULL;
    }
    void number(int64_t v) { bytes(&v, sizeof v); }
    void text(const std::string& s) {
        number(static_cast<int64_t>(s.size()));
        bytes(s.data(), s.size());
    }
    uint64_t value() const { return h_; }

private:
    uint64_t h_ = 0xCBF29CE484222325ULL;
};

struct BenchRun {
    uint64_t seed;
    const char* level;       // "Abilità di Zelvo:"
    const char* end;         // "Conclusione del Flow:"
    const char* animation;   // "Animazione CardTable:"
    const char* taking;      // "Presa automatica:"
    const char* match;       // "Conclusione della Partita:"
    const char* ceremony;    // "Cerimonia di Premiazione:"
    const char* talk;        // "Loquacità di Zelvo:"
    const char* showCards;   // "Mostra carte di Zelvo:"
    int games;
};

constexpr BenchRun RUNS[] = {
    {1, "Massima (Livello A)", "Fino all'ultima presa", "No", "Molto Veloce", "Al meglio di 3 Giochi", "No",
     "Pettegolo", "No", 50},
    {2, "Alta (Livello B)", "Appena uno supera 60 punti", "Veloce", "No", "Al meglio di 5 Giochi",
     "Al termine di ogni Gioco", "Pettegolo", "No", 50},
    {3, "Media (Livello C)", "Fino all'ultima presa", "Media", "Media", "Al meglio di 4 Giochi",
     "Al termine della Partita", "Loquace", "Si", 50},
    {4, "Bassa (Livello D)", "Appena uno supera 60 punti", "No", "No", "Al meglio di 3 Giochi", "No",
     "Taciturno", "No", 50},
    {5, "Minima (Livello E)", "Fino all'ultima presa", "Lenta", "Veloce", "Al meglio di 5 Giochi",
     "Al termine di ogni Gioco", "Gentleman", "No", 50},
    {6, "Massima (Livello A)", "Appena uno supera 60 punti", "Veloce", "Molto Lenta", "Al meglio di 5 Giochi",
     "Al termine della Partita", "Riservato", "Si", 50},
    {7, "Alta (Livello B)", "Fino all'ultima presa", "No", "No", "Al meglio di 4 Giochi", "No", "Pettegolo",
     "Si", 50},
    {8, "Media (Livello C)", "Appena uno supera 60 punti", "Lenta", "Lenta", "Al meglio di 3 Giochi",
     "Al termine di ogni Gioco", "Pettegolo", "No", 50},
    {9, "Bassa (Livello D)", "Fino all'ultima presa", "Media", "Molto Veloce", "Al meglio di 5 Giochi",
     "Al termine della Partita", "Loquace", "No", 50},
    {10, "Minima (Livello E)", "Appena uno supera 60 punti", "No", "Media", "Al meglio di 4 Giochi", "No",
     "Riservato", "Si", 50},
};

// Watches the model after every tick and every move of the human: what changed is hashed.
class Observer {
public:
    explicit Observer(const Model& m) : m_(m) { remember(); }

    void look() {
        const auto& grid = m_.data.lblDati;
        for (int c = 0; c < cells::COUNT; ++c) {
            const DataCell& now = grid[c];
            const DataCell& was = grid_[c];
            if (now.Caption == was.Caption && now.BackColor == was.BackColor && now.ForeColor == was.ForeColor &&
                now.Visible == was.Visible)
                continue;
            hash.number(1);
            hash.number(c);
            hash.text(now.Caption);
            hash.number(now.BackColor);
            hash.number(now.ForeColor);
            hash.number(now.Visible);
            grid_[c] = now;
        }
        // A card the computer has just played turns red in the played-cards grid.
        for (int c = 1; c <= 40; ++c) {
            const bool red = m_.cards.lblCarteGiocate[c].BackColor == colour::RED;
            if (red && !playedRed_[c]) {
                ++decisions;
                hash.number(2);
                hash.number(c);
                hash.number(m_.game.lblNumeroCartaGiocataDaPC);
            }
            playedRed_[c] = red;
        }
        const int pc = m_.game.lblPuntiPC, h = m_.game.lblPuntiH;
        if (pc != pointsPC_ || h != pointsH_) {
            hash.number(3);
            hash.number(pc);
            hash.number(h);
            pointsPC_ = pc;
            pointsH_ = h;
        }
    }

    Hash hash;
    uint64_t decisions = 0;

private:
    void remember() {
        grid_ = m_.data.lblDati;
        for (int c = 1; c <= 40; ++c) playedRed_[c] = m_.cards.lblCarteGiocate[c].BackColor == colour::RED;
        pointsPC_ = m_.game.lblPuntiPC;
        pointsH_ = m_.game.lblPuntiH;
    }
    const Model& m_;
    std::array<DataCell, cells::COUNT> grid_{};
    std::array<bool, 41> playedRed_{};
    int pointsPC_ = 0, pointsH_ = 0;
};

}  // namespace

int bench(const std::vector<std::string>& args) {
    if (!args.empty()) {
        std::cerr << "zelvo-engine bench: takes no arguments\n";
        return 2;
    }
    Hash total;
    uint64_t games = 0, ticks = 0, decisions = 0;
    const auto start = std::chrono::steady_clock::now();
    try {
        for (const BenchRun& run : RUNS) {
            SimulationSettings imp;
            imp.seme = run.seed;
            imp.opzioni[opz::Abilita] = run.level;
            imp.opzioni[opz::ConclusioneGioco] = run.end;
            imp.opzioni[opz::Animazione] = run.animation;
            imp.opzioni[opz::PresaAutomatica] = run.taking;
            imp.opzioni[opz::ConclusionePartita] = run.match;
            imp.opzioni[opz::Cerimonia] = run.ceremony;
            imp.opzioni[opz::Loquacita] = run.talk;
            imp.opzioni[opz::MostraCarte] = run.showCards;
            Simulation sim(imp);
            Observer watch(sim.w.m);
            sim.headless.scheduler.afterTick = [&watch] { watch.look(); };
            sim.dopoMossa = [&watch] { watch.look(); };
            for (int g = 0; g < run.games; ++g) {
                const GameResult r = sim.giocaUnGioco();
                watch.hash.number(4);
                watch.hash.number(r.puntiPC);
                watch.hash.number(r.puntiH);
                watch.hash.number(r.durataMs);
                ++games;
            }
            ticks += sim.headless.scheduler.ticks();
            decisions += watch.decisions;
            total.number(static_cast<int64_t>(watch.hash.value()));
        }
    } catch (const StuckGame& e) {
        std::cerr << "zelvo-engine bench: " << e.what() << "\n";
        return 1;
    }
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("games %" PRIu64 " ticks %" PRIu64 " decisions %" PRIu64 " hash %016" PRIx64 "\n", games, ticks,
                decisions, total.value());
    std::fprintf(stderr, "%.3f s, %.0f games/s\n", secs, secs > 0 ? games / secs : 0.0);
    return 0;
}

}  // namespace zelvo::engine
