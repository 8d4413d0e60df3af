#pragma once
// A main window on the virtual clock whose random draws the test queues one by
// one, with a recording media player: the bench for the sound routines.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <tuple>

#include "platform/clock.h"
#include "platform/media.h"
#include "platform/virtual_scheduler.h"
#include "support/test_main.h"

namespace zelvo::test {

// Minute and second stay at 0, so NumeroCasuale(N) is floor(N * rnd) + 1.
struct StoppedClock final : Clock {
    DateTime now() const override { return {2026, 1, 1, 0, 0, 0}; }
};

// The queued values in turn; a draw past them fails the test.
struct QueuedRandom final : Random {
    float rnd() override {
        if (queue.empty()) ADD_FAILURE() << "an unexpected random draw";
        const float v = queue.empty() ? 0.5f : queue.front();
        if (!queue.empty()) queue.pop_front();
        return v;
    }
    std::deque<float> queue;
};

struct SoundBench {
    explicit SoundBench(std::initializer_list<std::pair<Option, const char*>> options = {}) {
        for (auto [o, text] : options) m.options.lblOpzione[index(o)] = text;
    }
    VirtualScheduler s;
    StoppedClock clock;
    QueuedRandom random;
    MediaLog media{[this] { return s.nowMs(); }};
    Platform p{s, clock, random, &media};
    TestMain w{p};
    Model& m = w.m;
    Timers& t = w.t;

    // The next NumeroCasuale(N) gives k.
    void draw(int k, int N) { random.queue.push_back((k - 0.5f) / N); }
    // A trick: the computer's card in slot pcSlot, the human's in hSlot, trumps are spades.
    void trick(const char* pc, const char* h, Who leader, int pcSlot = 1, int hSlot = 4) {
        for (auto [slot, code] : {std::pair{pcSlot, pc}, {hSlot, h}, {7, "4s"}}) {
            const int cell = cards::cellOf(code);
            std::tie(m.cards.lblCarta[slot], m.cards.lblValore[slot], m.cards.lblSeme[slot]) =
                std::tuple(code, cards::valueOf(cell), cards::suitOf(cell));
        }
        std::tie(m.game.lblNumeroCartaGiocataDaPC, m.game.lblNumeroCartaGiocataDaH, m.game.lblTurnoDiGioco) =
            std::tuple(pcSlot, hSlot, leader);
        m.game.lblNumeroCarteRimaste = 20;
    }
    // The file last started on a player, "" for none.
    std::string last(Player l = Player::mmcRumori) const { return media.played(l).empty() ? "" : media.played(l).back(); }
};

// The game's path of remark n of a group, and of a noise.
inline std::string remark(const std::string& group, int n) {
    return "C:\\Programmi\\Zelvo\\Commenti\\" + group + "\\" + group + (n < 10 ? "0" : "") + std::to_string(n) + ".wav";
}
inline std::string noise(const std::string& name) { return "C:\\Programmi\\Zelvo\\Rumori\\" + name; }

}  // namespace zelvo::test
