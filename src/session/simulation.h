#pragma once
// Whole games played headless on the virtual clock, the human side clicking by
// a policy: for the match tool, the bench, the strength table and the tests.
#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>

#include "model/game.h"
#include "platform/headless.h"
#include "session/session.h"

namespace zelvo {

struct GameResult {
    int pointsPC = 0, pointsH = 0;
    Who winner = Who::Nobody;  // Nobody for a 60-60 draw
    int tricks = 0;
    int64_t durationMs = 0;    // virtual time from the first deal step to the end panel
};

// The human's choice: a slot 4..6 holding a card, given the model.
using HumanPolicy = std::function<int(const Model&, std::mt19937_64&)>;

// A uniformly random card of the hand.
int randomPolicy(const Model& m, std::mt19937_64& rng);

struct SimulationSettings {
    uint64_t seed = 1;
    // Option texts by option; empty keeps the game's initial value.
    std::array<std::string, OPTION_COUNT> options{};
    template <class E>
    void set(E value) {
        options[index(OptionValues<E>::option)] = textOf(value);
    }
    HumanPolicy policy = randomPolicy;
    int minDelayMs = 100, maxDelayMs = 2000;  // the human's thinking time
};

class StuckGame : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

// True while the human's move is awaited and a click on a hand card would be taken.
bool humanToPlay(const Session& s);
// The first of the human's slots (4..6) holding a card on show; 0 for none.
int firstHumanCard(const Model& m);

class Simulation {
public:
    explicit Simulation(const SimulationSettings& settings);

    // Plays the next game to its end panel (the first one from the start-up).
    GameResult playGame();

    bool humanToPlay() const { return zelvo::humanToPlay(session); }

    // One event of the game: the human's card (after the thinking time), the taking
    // button, or the next timer tick. False when nothing is armed and no move is awaited.
    bool step();
    // Enter on the end panel until the next game starts (a remark playing delays it).
    void startNext();

    Headless headless;
    Session session;
    // Called after every move of the human side (a card, Enter), for an observer of the run.
    std::function<void()> afterMove;

private:
    int delay();
    SimulationSettings settings_;
    std::mt19937_64 rng_;
    bool first_ = true;
};

// Sets an option from a short command-line word ("first60", "last", "3", "no", "B", ...);
// false when the word is not one of that option's words.
bool optionFromWord(SimulationSettings& settings, const std::string& key, const std::string& word);

}  // namespace zelvo
