#pragma once
// The computer's choice of card as a function: a position in, the slot to play
// and the reasoning behind it out. While the stock lasts the choice comes from
// the potential of every card and the convenience of every possible trick;
// from the third-to-last trick on every card is known and the last tricks are
// searched exactly. No window, no timers: the game flow asks at the moments the
// game has always thought, and writes what it needs into the table.
#include <array>
#include <optional>

#include "cards/random_pick.h"
#include "strategy/single.h"

namespace zelvo::strategy {

struct Position {
    char trump = 'd';                 // the suit of the turned-up card
    std::array<int, 7> slot{};        // 1..3 the computer's hand, 4..6 the human's: card cells, 0 for empty
    std::array<bool, 41> played{};    // the cards already played, by cell (the human's led card among them)
    // The computer's virtual tricks know the trump suit; they do not for its first lead
    // of a game, which it weighs before the trump suit is marked in its grid.
    bool trumpMarked = true;
    bool computerLeads = true;
    int humanSlot = 0;                // the human's card on the table (4..6) when the human has led
    int stock = 34;                   // lblNumeroCarteRimaste when the decision starts
    int pointsPC = 0, pointsH = 0;
    bool filter60 = false;            // lblFiltro60Punti: the 60-point filter has fired in this game
    // lblCartaPCDaGiocare before the decision: a lead chain that finds nothing to
    // choose leaves it as it was.
    int standingChoice = 0;
};

// A whole-number entry of the reasoning, empty until written.
using Entry = std::optional<int>;

// The middle game: what the evaluation and the choice leave behind.
struct MiddleReasoning {
    std::array<Single, 7> potential{};        // lblPotenziale(1..6)
    // The nine pairings of the coming trick (three when answering): the winner's
    // score after it, whether the human is that winner, the trick's points, and the
    // convenience for the computer.
    std::array<Entry, 10> totals{};           // lblTotaliNormali(1..9)
    std::array<bool, 10> humanTakes{};
    std::array<Single, 10> trickPoints{};     // lblTotaliPotenziali(1..9)
    std::array<bool, 10> letsHumanPass60{};   // the card the 60-point filter forbids
    std::array<Single, 10> convenience{};     // lblConvenienza(1..9)
    std::array<Entry, 4> additional{};        // lblValAgg(1..3): tied answers weighed by the suit's other cards
    int beforeFilter = 0;                     // the lead's choice before the filter (lblCartaPCDaGiocare2)
};

// The end game: the values of the lines and the worst case of each card.
struct EndReasoning {
    std::array<Entry, 10> firstLevel{};       // lblPrimoLivello(1..9): the signed value of the first trick
    std::array<Entry, 37> lines{};            // lblSecondoLivello(1..36): the value of each line to the end
    std::array<int, 4> worst{0, 300, 300, 300};  // LblPeggiore(1..3): the least each card is sure of
    std::array<bool, 4> candidate{};          // the cards whose worst case is the best
    Entry best;                               // lblRisultatoMigliore
};

struct Decision {
    int slot = 0;          // 1..3, the card to play; 0 when there is none to choose
    bool filter60 = false; // lblFiltro60Punti after the choice
    std::optional<MiddleReasoning> middle;
    std::optional<EndReasoning> end;
};

// The decision for the position, as the game makes it when the computer's pause
// starts. The end game draws at random among equal cards from `pick`.
Decision decide(const Position& p, RandomPick& pick);

// The playing strength: levels 1..5 are A (strongest) to E; 0 for a level the
// game does not know, which draws like the others but never replaces the choice.
// At the end of the computer's pause a weaker level may replace the strategy's
// choice by a random card of the hand.
struct LevelOutcome {
    int slot;
    bool random;  // the choice was replaced
};
LevelOutcome ApplicaLivello(int level, int choice, RandomPick& pick);

}  // namespace zelvo::strategy
