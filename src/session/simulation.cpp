#include "session/simulation.h"

namespace zelvo {

namespace {
// A game longer than this in virtual time is stuck: a real one lasts a few minutes.
constexpr int64_t GAME_LIMIT_MS = 60LL * 60 * 1000;
}  // namespace

int randomPolicy(const Model& m, std::mt19937_64& rng) {
    int slots[3], n = 0;
    for (int s = 4; s <= 6; ++s)
        if (!m.cards.lblCarta[s].empty() && m.window.ImgCarta[s].Visible) slots[n++] = s;
    if (n == 0) return 0;
    return slots[std::uniform_int_distribution<int>(0, n - 1)(rng)];
}

Simulation::Simulation(const SimulationSettings& settings)
    : headless(settings.seed), session(headless.platform), settings_(settings),
      rng_(settings.seed ^ 0x9E3779B97F4A7C15ULL) {
    for (int i = 0; i < OPTION_COUNT; ++i)
        if (!settings.options[i].empty()) session.m.options.lblOpzione[i] = settings.options[i];
    session.m.playerName = "Giocatore";
    session.Form_Load();
}

int Simulation::delay() { return std::uniform_int_distribution<int>(settings_.minDelayMs, settings_.maxDelayMs)(rng_); }

bool humanToPlay(const Session& s) {
    const GameAndMatch& g = s.m.game;
    if (g.lblAChiTocca != Who::H || !g.lblPuoiGiocare || !g.lblGiocoInCorso) return false;
    if (g.lblNumeroCarteRimaste <= -4 || s.t.TimerAnimazionecartePC.enabled()) return false;
    return firstHumanCard(s.m) != 0;
}

int firstHumanCard(const Model& m) {
    for (int s = 4; s <= 6; ++s)
        if (!m.cards.lblCarta[s].empty() && m.window.ImgCarta[s].Visible) return s;
    return 0;
}

void Simulation::startNext() {
    // Enter on the end panel; while a clip that must not be cut plays, it is ignored: wait and retry.
    const int64_t start = headless.scheduler.nowMs();
    while (session.m.window.fraFineGioco.Visible) {
        session.tastoInvio();
        if (afterMove) afterMove();
        if (!session.m.window.fraFineGioco.Visible) break;
        headless.scheduler.advance(100);
        if (headless.scheduler.nowMs() - start > GAME_LIMIT_MS) throw StuckGame("end panel never accepts Enter");
    }
}

bool Simulation::step() {
    VirtualScheduler& s = headless.scheduler;
    if (humanToPlay()) {
        s.advance(delay());
        if (humanToPlay())
            if (int slot = settings_.policy(session.m, rng_)) session.ImgCarta_Click(slot);
        if (afterMove) afterMove();
        return true;
    }
    if (session.m.window.cmdEffettuaLaPresa.Visible && !session.t.TimerAnimazionecartePC.enabled()) {
        s.advance(delay());
        session.tastoInvio();
        if (afterMove) afterMove();
        return true;
    }
    return s.step();
}

GameResult Simulation::playGame() {
    if (first_) first_ = false;
    else startNext();
    VirtualScheduler& s = headless.scheduler;
    const int64_t start = s.nowMs();
    while (!session.m.window.fraFineGioco.Visible) {
        if (s.nowMs() - start > GAME_LIMIT_MS) throw StuckGame("a game did not end");
        if (!step()) throw StuckGame("nothing is armed and no move is awaited");
    }
    GameResult r;
    r.pointsPC = session.m.game.lblPuntiPC;
    r.pointsH = session.m.game.lblPuntiH;
    r.winner = session.m.game.lblUltimoVincitore;
    r.tricks = session.m.game.lblManche - 1;
    r.durationMs = s.nowMs() - start;
    return r;
}

bool optionFromWord(SimulationSettings& settings, const std::string& key, const std::string& word) {
    if (key == "end") {
        if (word == "first60") settings.set(GameEnd::FirstPastSixty);
        else if (word == "last") settings.set(GameEnd::LastTrick);
        else return false;
    } else if (key == "match") {
        if (word == "3") settings.set(MatchEnd::BestOf3);
        else if (word == "4") settings.set(MatchEnd::BestOf4);
        else if (word == "5") settings.set(MatchEnd::BestOf5);
        else return false;
    } else if (key == "animation") {
        if (word == "no") settings.set(CardAnimation::No);
        else if (word == "veloce") settings.set(CardAnimation::Fast);
        else if (word == "media") settings.set(CardAnimation::Medium);
        else if (word == "lenta") settings.set(CardAnimation::Slow);
        else return false;
    } else if (key == "level") {
        if (word.size() != 1 || word[0] < 'A' || word[0] > 'E') return false;
        settings.set(static_cast<Level>(word[0] - 'A'));
    } else {
        return false;
    }
    return true;
}

}  // namespace zelvo
