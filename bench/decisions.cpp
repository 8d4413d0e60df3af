// The cost of the computer's thinking: one decision of each kind on fixed
// positions, the strategy of whole games replayed from recorded positions,
// and whole games through the flow (the match tool's loop).
#include <benchmark/benchmark.h>

#include <vector>

#include "session/simulation.h"
#include "platform/headless.h"
#include "strategy/decision.h"

namespace zelvo {
namespace {

strategy::Position position(char trump, std::array<const char*, 3> pc, std::array<const char*, 3> h, int stock,
                            bool computerLeads, int humanSlot, std::vector<const char*> played) {
    strategy::Position p;
    p.trump = trump;
    for (int k = 0; k < 3; ++k) {
        p.slot[1 + k] = cards::cellOf(pc[k]);
        p.slot[4 + k] = cards::cellOf(h[k]);
    }
    for (const char* c : played) p.played[cards::cellOf(c)] = true;
    p.stock = stock;
    p.computerLeads = computerLeads;
    p.humanSlot = humanSlot;
    p.pointsPC = stock > 20 ? 0 : 40;
    p.pointsH = stock > 20 ? 0 : 35;
    return p;
}

void oneDecision(benchmark::State& st, const strategy::Position& p) {
    Headless headless(1);
    ClockPick pick(headless.random, headless.clock);
    for (auto _ : st) benchmark::DoNotOptimize(strategy::decide(p, pick));
}

const std::vector<const char*> PLAYED_20 = {"2d", "4d", "5d", "Ad", "2s", "4s", "Cs", "3s", "As", "2c",
                                            "Fc", "Rc", "3c", "2b", "4b", "5b", "Ab", "6d", "7d", "Fd"};

void BM_LeadMiddle34(benchmark::State& st) {
    oneDecision(st, position('b', {"Ad", "7c", "Rb"}, {"2s", "3d", "Fb"}, 34, true, 0, {}));
}
void BM_LeadMiddle10(benchmark::State& st) {
    oneDecision(st, position('b', {"Cd", "7c", "Rb"}, {"5s", "3d", "Fb"}, 10, true, 0, PLAYED_20));
}
void BM_AnswerMiddle(benchmark::State& st) {
    oneDecision(st, position('b', {"Cd", "7c", "Rb"}, {"5s", "3d", "Fb"}, 20, false, 5,
                             {"2d", "4d", "5d", "Ad", "2s", "4s", "Cs", "3s", "As", "3d"}));
}
void BM_LeadTrick18(benchmark::State& st) {
    oneDecision(st, position('b', {"Cd", "7c", "Rb"}, {"5s", "3d", "Fb"}, 0, true, 0, {}));
}
void BM_AnswerTrick18(benchmark::State& st) {
    oneDecision(st, position('b', {"Cd", "7c", "Rb"}, {"5s", "3d", "Fb"}, -1, false, 5, {"3d"}));
}
void BM_LeadTrick19(benchmark::State& st) {
    oneDecision(st, position('b', {"Cd", "", "Rb"}, {"5s", "3d", ""}, -2, true, 0, {}));
}
void BM_AnswerTrick19(benchmark::State& st) {
    oneDecision(st, position('b', {"Cd", "", "Rb"}, {"5s", "3d", ""}, -3, false, 5, {"3d"}));
}

// The positions of the computer's decisions in `games` games at level A, taken
// from the table each time the computer's pause starts.
constexpr int GAMES = 50;
const std::vector<strategy::Position>& recordedPositions() {
    static const std::vector<strategy::Position> positions = [] {
        SimulationSettings settings;
        settings.seed = 42;
        settings.set(GameEnd::LastTrick);
        settings.minDelayMs = settings.maxDelayMs = 50;
        Simulation sim(settings);
        std::vector<strategy::Position> out;
        for (int g = 0; g < GAMES; ++g) {
            sim.startNext();
            bool waiting = false;
            while (!sim.session.m.window.fraFineGioco.Visible) {
                const bool now = sim.session.t.TimerAttesaDelPCaMuovere.enabled();
                if (now && !waiting) out.push_back(sim.session.flow.position());
                waiting = now;
                if (!sim.step()) return out;
            }
        }
        return out;
    }();
    return positions;
}

// All the computer's thinking in one game, averaged over the recorded games.
void BM_StrategyOfAGame(benchmark::State& st) {
    const auto& positions = recordedPositions();
    Headless headless(1);
    ClockPick pick(headless.random, headless.clock);
    for (auto _ : st)
        for (const strategy::Position& p : positions) benchmark::DoNotOptimize(strategy::decide(p, pick));
    st.counters["decisions_per_game"] = static_cast<double>(positions.size()) / GAMES;
    st.counters["games_per_s"] = benchmark::Counter(GAMES, benchmark::Counter::kIsIterationInvariantRate);
}

// Whole games through the flow, timers and model: the match tool's loop.
void BM_WholeGames(benchmark::State& st) {
    SimulationSettings settings;
    settings.seed = 7;
    settings.set(GameEnd::LastTrick);
    Simulation sim(settings);
    for (auto _ : st) benchmark::DoNotOptimize(sim.playGame());
    st.counters["games_per_s"] = benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
}

constexpr int REPETITIONS = 9;
BENCHMARK(BM_LeadMiddle34)->Repetitions(REPETITIONS)->ReportAggregatesOnly(true);
BENCHMARK(BM_LeadMiddle10)->Repetitions(REPETITIONS)->ReportAggregatesOnly(true);
BENCHMARK(BM_AnswerMiddle)->Repetitions(REPETITIONS)->ReportAggregatesOnly(true);
BENCHMARK(BM_LeadTrick18)->Repetitions(REPETITIONS)->ReportAggregatesOnly(true);
BENCHMARK(BM_AnswerTrick18)->Repetitions(REPETITIONS)->ReportAggregatesOnly(true);
BENCHMARK(BM_LeadTrick19)->Repetitions(REPETITIONS)->ReportAggregatesOnly(true);
BENCHMARK(BM_AnswerTrick19)->Repetitions(REPETITIONS)->ReportAggregatesOnly(true);
BENCHMARK(BM_StrategyOfAGame)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeGames)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zelvo

BENCHMARK_MAIN();
