#pragma once
// Whole games played headless on the virtual clock, the human side clicking by
// a policy: for the match tool, the strength table and the whole-game tests.
#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>

#include "model/game.h"
#include "platform/headless.h"
#include "ui/principale.h"

namespace zelvo {

struct GameResult {
    int puntiPC = 0, puntiH = 0;
    Who vincitore = Who::Nobody;  // the game's winner; Nessuno for a 60-60 draw
    int prese = 0;                 // tricks played
    int64_t durataMs = 0;          // virtual time from the first deal step to the end panel
};

// The human's choice: a slot 4..6 holding a card, given the model.
using HumanPolicy = std::function<int(const Model&, std::mt19937_64&)>;

// A uniformly random card of the hand.
int randomPolicy(const Model& m, std::mt19937_64& rng);

struct SimulationSettings {
    uint64_t seme = 1;
    // Option values by index; empty keeps the game's initial value.
    std::array<std::string, opz::NUMERO> opzioni{};
    HumanPolicy politica = randomPolicy;
    int ritardoMinimoMs = 100, ritardoMassimoMs = 2000;  // the human's thinking time
};

class StuckGame : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Simulation {
public:
    explicit Simulation(const SimulationSettings& imp);

    // Plays the next game to its end panel (the first one from the start-up).
    GameResult giocaUnGioco();

    // True while the human's move is awaited and a click on a hand card would be taken.
    bool turnoUmano() const;

    // One event of the game: the human's card (after the thinking time), the taking
    // button, or the next timer tick. False when nothing is armed and no move is awaited.
    bool passo();
    // Enter on the end panel until the next game starts (a remark playing delays it).
    void avviaProssimo();

    Headless headless;
    Principale w;
    // Called after every move of the human side (a card, Enter), for an observer of the run.
    std::function<void()> dopoMossa;

private:
    int ritardo();
    SimulationSettings imp_;
    std::mt19937_64 rng_;
    bool primo_ = true;
};

// Sets option i from a short command-line word ("first60", "last", "3", "no", "B", ...);
// false when the word is not one of that option's words.
bool optionFromWord(std::array<std::string, opz::NUMERO>& opzioni, const std::string& chiave,
                     const std::string& parola);

}  // namespace zelvo
