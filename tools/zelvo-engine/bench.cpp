// zelvo-engine bench: a fixed set of whole games through the real flow on the
// virtual clock, and two lines that sum up what happened in them. The first:
// the games, the timer ticks, the computer's cards, and a hash over every card
// the computer played, every write to the data-panel grid and every point
// total. The second: a hash over everything the table shows (the card
// pictures and frames, the flags, the end panel, the option colours, the
// subtitles) each time it changed, and the orders given to the media players.
// A change that alters any of these altered the game's behaviour. The time
// taken goes to standard error, so the lines never change by speed.
#include <array>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <iostream>
#include <string>

#include "commands.h"
#include "platform/media.h"
#include "session/simulation.h"

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
    Level level;
    GameEnd end;
    CardAnimation animation;
    AutoTaking taking;
    MatchEnd match;
    Ceremony ceremony;
    Talkativeness talk;
    ShowCards showCards;
    int games;
};

constexpr BenchRun RUNS[] = {
    {1, Level::A, GameEnd::LastTrick, CardAnimation::No, AutoTaking::VeryFast, MatchEnd::BestOf3, Ceremony::No,
     Talkativeness::Gossip, ShowCards::No, 50},
    {2, Level::B, GameEnd::FirstPastSixty, CardAnimation::Fast, AutoTaking::No, MatchEnd::BestOf5, Ceremony::EveryGame,
     Talkativeness::Gossip, ShowCards::No, 50},
    {3, Level::C, GameEnd::LastTrick, CardAnimation::Medium, AutoTaking::Medium, MatchEnd::BestOf4,
     Ceremony::EndOfMatch, Talkativeness::Talkative, ShowCards::Yes, 50},
    {4, Level::D, GameEnd::FirstPastSixty, CardAnimation::No, AutoTaking::No, MatchEnd::BestOf3, Ceremony::No,
     Talkativeness::Taciturn, ShowCards::No, 50},
    {5, Level::E, GameEnd::LastTrick, CardAnimation::Slow, AutoTaking::Fast, MatchEnd::BestOf5, Ceremony::EveryGame,
     Talkativeness::Gentleman, ShowCards::No, 50},
    {6, Level::A, GameEnd::FirstPastSixty, CardAnimation::Fast, AutoTaking::VerySlow, MatchEnd::BestOf5,
     Ceremony::EndOfMatch, Talkativeness::Reserved, ShowCards::Yes, 50},
    {7, Level::B, GameEnd::LastTrick, CardAnimation::No, AutoTaking::No, MatchEnd::BestOf4, Ceremony::No,
     Talkativeness::Gossip, ShowCards::Yes, 50},
    {8, Level::C, GameEnd::FirstPastSixty, CardAnimation::Slow, AutoTaking::Slow, MatchEnd::BestOf3,
     Ceremony::EveryGame, Talkativeness::Gossip, ShowCards::No, 50},
    {9, Level::D, GameEnd::LastTrick, CardAnimation::Medium, AutoTaking::VeryFast, MatchEnd::BestOf5,
     Ceremony::EndOfMatch, Talkativeness::Talkative, ShowCards::No, 50},
    {10, Level::E, GameEnd::FirstPastSixty, CardAnimation::No, AutoTaking::Medium, MatchEnd::BestOf4, Ceremony::No,
     Talkativeness::Reserved, ShowCards::Yes, 50},
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

// What the table shows, hashed as a whole: the table's hash takes it whenever it changes.
uint64_t shown(const Model& m) {
    Hash h;
    auto add = [&h](auto... values) { (h.number(static_cast<int64_t>(values)), ...); };
    const Window& f = m.window;
    for (int k = 1; k <= 8; ++k) {
        const Picture& p = f.ImgCarta[k];
        const Frame& r = f.ShpCarta[k];
        add(p.Visible, p.Left, p.Top, p.BorderStyle, r.Visible, r.Left, r.Top, r.BackColor);
        h.text(p.Picture);
    }
    for (int k = 1; k <= 2; ++k) add(f.ImgBandiera[k].Visible, f.ImgBandiera[k].Top);
    add(f.fraFineGioco.Visible, f.cmdEffettuaLaPresa.Visible, f.lblCarteRimaste.Visible, f.lblPuntiHVista.Visible,
        f.lblPuntiPCVista.Visible, f.lblH.opaca, f.lblPC.opaca, f.lblIstruzioneIniziale.Visible);
    for (int k = 1; k <= 5; ++k) add(f.shpPuntiH[k], f.shpPuntiPC[k], f.lblComandi[k]);
    for (Colour c : m.options.lblVoceColore) add(c);
    for (const std::string* t : {&f.lblFineGioco1, &f.lblPuntiHVista.Caption, &f.lblPuntiPCVista.Caption,
                                 &m.sounds.sottotitolo, &m.sounds.lblTitolo.Caption})
        h.text(*t);
    add(m.sounds.lblTitolo.Visible, m.sounds.lblInterdiciSuoni);
    return h.value();
}

}  // namespace

int bench(const std::vector<std::string>& args) {
    if (!args.empty()) {
        std::cerr << "zelvo-engine bench: takes no arguments\n";
        return 2;
    }
    Hash total, table, media;
    uint64_t games = 0, ticks = 0, decisions = 0, orders = 0;
    const auto start = std::chrono::steady_clock::now();
    try {
        for (const BenchRun& run : RUNS) {
            SimulationSettings settings;
            settings.seed = run.seed;
            settings.set(run.level);
            settings.set(run.end);
            settings.set(run.animation);
            settings.set(run.taking);
            settings.set(run.match);
            settings.set(run.ceremony);
            settings.set(run.talk);
            settings.set(run.showCards);
            Simulation sim(settings);
            MediaLog players([&sim] { return sim.headless.scheduler.nowMs(); });
            sim.headless.platform.media = &players;
            Observer watch(sim.session.m);
            uint64_t before = 0;
            auto look = [&] {
                watch.look();
                const uint64_t now = shown(sim.session.m);
                if (now != before) table.number(static_cast<int64_t>(before = now));
            };
            sim.headless.scheduler.afterTick = look;
            sim.afterMove = look;
            for (int g = 0; g < run.games; ++g) {
                const GameResult r = sim.playGame();
                watch.hash.number(4);
                watch.hash.number(r.pointsPC);
                watch.hash.number(r.pointsH);
                watch.hash.number(r.durationMs);
                ++games;
            }
            for (const MediaLog::Entry& e : players.entries()) {
                media.number(e.ms);
                media.number(static_cast<int>(e.player));
                media.number(e.command);
                media.text(e.value);
                ++orders;
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
    std::printf("table %016" PRIx64 " media %" PRIu64 " hash %016" PRIx64 "\n", table.value(), orders, media.value());
    std::fprintf(stderr, "%.3f s, %.0f games/s\n", secs, secs > 0 ? games / secs : 0.0);
    return 0;
}

}  // namespace zelvo::engine
