// The cost of the computer's thinking: one decision of each kind on fixed
// positions, the strategy of whole games replayed from recorded positions,
// and whole games through the flow (the match tool's loop).
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

#include "game/simulazione.h"
#include "platform/headless.h"
#include "strategy/posizione.h"
#include "ui/principale.h"

namespace zelvo {
namespace {

struct Banco {
    explicit Banco(const Posizione& p) : h(1), w(h.piattaforma) { caricaPosizione(w, p); }
    Headless h;
    Principale w;
};

Posizione pos(char t, std::array<std::string, 3> pc, std::array<std::string, 3> h, int mazzo, Chi guida,
              int slotH, std::vector<std::string> giocate) {
    Posizione p;
    p.briscola = t;
    p.pc = pc;
    p.h = h;
    p.mazzo = mazzo;
    p.guida = guida;
    p.slotH = slotH;
    p.giocate = std::move(giocate);
    p.puntiPC = mazzo > 20 ? 0 : 40;
    p.puntiH = mazzo > 20 ? 0 : 35;
    return p;
}

// The evaluation fields are cleared at every taking; so between two decisions.
void azzera(Banco& b) {
    if (b.w.m.gioco.lblNumeroCarteRimaste > 0) b.w.strategia.AzzeraValutazione();
    else b.w.strategia.AzzeraAnalisiFinale();
}

void unaDecisione(benchmark::State& st, const Posizione& p) {
    Banco b(p);
    for (auto _ : st) {
        azzera(b);
        benchmark::DoNotOptimize(decidi(b.w));
    }
}

const std::vector<std::string> GIOCATE_20 = {"2d", "4d", "5d", "Ad", "2s", "4s", "Cs", "3s", "As", "2c",
                                             "Fc", "Rc", "3c", "2b", "4b", "5b", "Ab", "6d", "7d", "Fd"};

void BM_GuidaMezzo34(benchmark::State& st) {
    unaDecisione(st, pos('b', {"Ad", "7c", "Rb"}, {"2s", "3d", "Fb"}, 34, Chi::PC, 0, {}));
}
void BM_GuidaMezzo10(benchmark::State& st) {
    unaDecisione(st, pos('b', {"Cd", "7c", "Rb"}, {"5s", "3d", "Fb"}, 10, Chi::PC, 0, GIOCATE_20));
}
void BM_RispostaMezzo(benchmark::State& st) {
    unaDecisione(st, pos('b', {"Cd", "7c", "Rb"}, {"5s", "3d", "Fb"}, 20, Chi::H, 5,
                         {"2d", "4d", "5d", "Ad", "2s", "4s", "Cs", "3s", "As", "3d"}));
}
void BM_GuidaPresa18(benchmark::State& st) {
    unaDecisione(st, pos('b', {"Cd", "7c", "Rb"}, {"5s", "3d", "Fb"}, 0, Chi::PC, 0, {}));
}
void BM_RispostaPresa18(benchmark::State& st) {
    unaDecisione(st, pos('b', {"Cd", "7c", "Rb"}, {"5s", "3d", "Fb"}, -1, Chi::H, 5, {"3d"}));
}
void BM_GuidaPresa19(benchmark::State& st) {
    unaDecisione(st, pos('b', {"Cd", "", "Rb"}, {"5s", "3d", ""}, -2, Chi::PC, 0, {}));
}
void BM_RispostaPresa19(benchmark::State& st) {
    unaDecisione(st, pos('b', {"Cd", "", "Rb"}, {"5s", "3d", ""}, -3, Chi::H, 5, {"3d"}));
}

// The positions of the computer's decisions in `giochi` games at level A,
// taken from the table as each decision chain starts its pause.
std::vector<Posizione> posizioniDiPartite(int giochi) {
    Impostazioni imp;
    imp.seme = 42;
    imp.opzioni[opz::ConclusioneGioco] = "Fino all'ultima presa";
    imp.ritardoMinimoMs = imp.ritardoMassimoMs = 50;
    Simulazione sim(imp);
    Principale& w = sim.w;
    std::vector<Posizione> out;
    for (int g = 0; g < giochi; ++g) {
        sim.avviaProssimo();
        bool attesa = false;
        while (!w.m.finestra.fraFineGioco.Visible) {
            const bool ora = w.t.TimerAttesaDelPCaMuovere.enabled();
            if (ora && !attesa) {
                const Model& m = w.m;
                Posizione p;
                p.briscola = m.carte.lblSeme[7];
                for (int k = 0; k < 3; ++k) {
                    p.pc[k] = m.carte.lblCarta[k + 1];
                    p.h[k] = m.carte.lblCarta[k + 4];
                }
                for (int c = 1; c <= 40; ++c)
                    if (m.carte.lblPreseVirtuali[c].ForeColor == colour::GREEN) p.giocate.push_back(cards::codeOf(c));
                p.guida = m.gioco.lblTurnoDiGioco;
                p.slotH = p.guida == Chi::H ? m.gioco.lblNumeroCartaGiocataDaH : 0;
                p.mazzo = m.gioco.lblNumeroCarteRimaste;
                p.puntiPC = m.gioco.lblPuntiPC;
                p.puntiH = m.gioco.lblPuntiH;
                if (controllaPosizione(p).empty()) out.push_back(p);
            }
            attesa = ora;
            if (!sim.passo()) return out;
        }
    }
    return out;
}

// All the computer's thinking in one game, averaged over recorded games, on
// one window as in a match: each position is laid out, cleared and decided.
// Laying out is not thinking: BM_DisponiPosizioni measures it alone, and the
// difference of the two is the bound that the strategy puts on games per second.
constexpr int GIOCHI = 50;
const std::vector<Posizione>& posizioniRegistrate() {
    static const std::vector<Posizione> p = posizioniDiPartite(GIOCHI);
    return p;
}

void BM_StrategiaDiUnGioco(benchmark::State& st) {
    const auto& posizioni = posizioniRegistrate();
    Banco b(posizioni.front());
    for (auto _ : st) {
        for (const Posizione& p : posizioni) {
            caricaPosizione(b.w, p);
            azzera(b);
            benchmark::DoNotOptimize(decidi(b.w));
        }
    }
    st.counters["decisions_per_game"] = static_cast<double>(posizioni.size()) / GIOCHI;
    st.counters["games_per_s"] = benchmark::Counter(GIOCHI, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_DisponiPosizioni(benchmark::State& st) {
    const auto& posizioni = posizioniRegistrate();
    Banco b(posizioni.front());
    for (auto _ : st) {
        for (const Posizione& p : posizioni) {
            caricaPosizione(b.w, p);
            azzera(b);
            benchmark::DoNotOptimize(b.w.m.gioco.lblNumeroCarteRimaste);
        }
    }
    st.counters["games_per_s"] = benchmark::Counter(GIOCHI, benchmark::Counter::kIsIterationInvariantRate);
}

// Whole games through the flow, timers and model: the match tool's loop.
void BM_PartiteComplete(benchmark::State& st) {
    Impostazioni imp;
    imp.seme = 7;
    imp.opzioni[opz::ConclusioneGioco] = "Fino all'ultima presa";
    Simulazione sim(imp);
    for (auto _ : st) benchmark::DoNotOptimize(sim.giocaUnGioco());
    st.counters["games_per_s"] = benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
}

constexpr int RIPETIZIONI = 9;
BENCHMARK(BM_GuidaMezzo34)->Repetitions(RIPETIZIONI)->ReportAggregatesOnly(true);
BENCHMARK(BM_GuidaMezzo10)->Repetitions(RIPETIZIONI)->ReportAggregatesOnly(true);
BENCHMARK(BM_RispostaMezzo)->Repetitions(RIPETIZIONI)->ReportAggregatesOnly(true);
BENCHMARK(BM_GuidaPresa18)->Repetitions(RIPETIZIONI)->ReportAggregatesOnly(true);
BENCHMARK(BM_RispostaPresa18)->Repetitions(RIPETIZIONI)->ReportAggregatesOnly(true);
BENCHMARK(BM_GuidaPresa19)->Repetitions(RIPETIZIONI)->ReportAggregatesOnly(true);
BENCHMARK(BM_RispostaPresa19)->Repetitions(RIPETIZIONI)->ReportAggregatesOnly(true);
BENCHMARK(BM_StrategiaDiUnGioco)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DisponiPosizioni)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PartiteComplete)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zelvo

BENCHMARK_MAIN();
