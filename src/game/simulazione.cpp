#include "game/simulazione.h"

namespace zelvo {

namespace {
// A game longer than this in virtual time is stuck: a real one lasts a few minutes.
constexpr int64_t LIMITE_GIOCO_MS = 60LL * 60 * 1000;
}  // namespace

int randomPolicy(const Model& m, std::mt19937_64& rng) {
    int slots[3], n = 0;
    for (int s = 4; s <= 6; ++s)
        if (!m.cards.lblCarta[s].empty() && m.window.ImgCarta[s].Visible) slots[n++] = s;
    if (n == 0) return 0;
    return slots[std::uniform_int_distribution<int>(0, n - 1)(rng)];
}

Simulation::Simulation(const SimulationSettings& imp)
    : headless(imp.seme), w(headless.piattaforma), imp_(imp), rng_(imp.seme ^ 0x9E3779B97F4A7C15ULL) {
    for (int i = 0; i < opz::NUMERO; ++i)
        if (!imp.opzioni[i].empty()) w.m.options.lblOpzione[i] = imp.opzioni[i];
    w.m.playerName = "Giocatore";
    w.Form_Load();
}

int Simulation::ritardo() {
    return std::uniform_int_distribution<int>(imp_.ritardoMinimoMs, imp_.ritardoMassimoMs)(rng_);
}

bool Simulation::turnoUmano() const {
    const GameAndMatch& g = w.m.game;
    if (g.lblAChiTocca != Who::H || !g.lblPuoiGiocare || !g.lblGiocoInCorso) return false;
    if (g.lblNumeroCarteRimaste <= -4 || w.t.TimerAnimazionecartePC.enabled()) return false;
    for (int s = 4; s <= 6; ++s)
        if (!w.m.cards.lblCarta[s].empty() && w.m.window.ImgCarta[s].Visible) return true;
    return false;
}

void Simulation::avviaProssimo() {
    // Enter on the end panel; while a clip that must not be cut plays, it is ignored: wait and retry.
    const int64_t inizio = headless.scheduler.nowMs();
    while (w.m.window.fraFineGioco.Visible) {
        w.tastoInvio();
        if (dopoMossa) dopoMossa();
        if (!w.m.window.fraFineGioco.Visible) break;
        headless.scheduler.advance(100);
        if (headless.scheduler.nowMs() - inizio > LIMITE_GIOCO_MS) throw StuckGame("end panel never accepts Enter");
    }
}

bool Simulation::passo() {
    VirtualScheduler& s = headless.scheduler;
    if (turnoUmano()) {
        s.advance(ritardo());
        if (turnoUmano())
            if (int slot = imp_.politica(w.m, rng_)) w.ImgCarta_Click(slot);
        if (dopoMossa) dopoMossa();
        return true;
    }
    if (w.m.window.cmdEffettuaLaPresa.Visible && !w.t.TimerAnimazionecartePC.enabled()) {
        s.advance(ritardo());
        w.tastoInvio();
        if (dopoMossa) dopoMossa();
        return true;
    }
    return s.step();
}

GameResult Simulation::giocaUnGioco() {
    if (primo_) primo_ = false;
    else avviaProssimo();
    VirtualScheduler& s = headless.scheduler;
    const int64_t inizio = s.nowMs();
    while (!w.m.window.fraFineGioco.Visible) {
        if (s.nowMs() - inizio > LIMITE_GIOCO_MS) throw StuckGame("a game did not end");
        if (!passo()) throw StuckGame("nothing is armed and no move is awaited");
    }
    GameResult r;
    r.puntiPC = w.m.game.lblPuntiPC;
    r.puntiH = w.m.game.lblPuntiH;
    r.vincitore = w.m.game.lblUltimoVincitore;
    r.prese = w.m.game.lblManche - 1;
    r.durataMs = s.nowMs() - inizio;
    return r;
}

bool optionFromWord(std::array<std::string, opz::NUMERO>& o, const std::string& chiave, const std::string& p) {
    if (chiave == "end") {
        if (p == "first60") o[opz::ConclusioneGioco] = "Appena uno supera 60 punti";
        else if (p == "last") o[opz::ConclusioneGioco] = "Fino all'ultima presa";
        else return false;
    } else if (chiave == "match") {
        if (p != "3" && p != "4" && p != "5") return false;
        o[opz::ConclusionePartita] = "Al meglio di " + p + " Giochi";
    } else if (chiave == "animation") {
        if (p == "no") o[opz::Animazione] = "No";
        else if (p == "veloce") o[opz::Animazione] = "Veloce";
        else if (p == "media") o[opz::Animazione] = "Media";
        else if (p == "lenta") o[opz::Animazione] = "Lenta";
        else return false;
    } else if (chiave == "level") {
        static const char* const L[5] = {"Massima (Livello A)", "Alta (Livello B)", "Media (Livello C)",
                                         "Bassa (Livello D)", "Minima (Livello E)"};
        if (p.size() != 1 || p[0] < 'A' || p[0] > 'E') return false;
        o[opz::Abilita] = L[p[0] - 'A'];
    } else {
        return false;
    }
    return true;
}

}  // namespace zelvo
