#pragma once
// A table for the flow and window tests: the main window over the headless platform,
// with helpers to run the virtual clock until something happens.
#include <functional>

#include "platform/headless.h"
#include "session/simulation.h"
#include "support/test_main.h"

namespace zelvo::test {

struct Table {
    explicit Table(uint64_t seed = 1, std::initializer_list<std::pair<int, const char*>> options = {})
        : h(seed), w(h.platform) {
        for (auto [i, v] : options) w.m.options.lblOpzione[i] = v;
        w.m.playerName = "Anna";
        w.Form_Load();
    }

    // Runs ticks until `done` holds (checked before each tick); false if nothing is armed or the limit passes.
    bool until(const std::function<bool()>& done, int64_t limitMs = 10 * 60 * 1000) {
        const int64_t deadline = h.scheduler.nowMs() + limitMs;
        while (!done()) {
            int64_t due = h.scheduler.nextDue();
            if (due < 0 || due > deadline) return false;
            h.scheduler.step();
        }
        return true;
    }

    bool humanToPlay() const { return zelvo::humanToPlay(w); }
    int firstHumanCard() const { return zelvo::firstHumanCard(w.m); }

    // Plays the current game to its end panel, the human always playing its first card.
    bool playToTheEnd() {
        for (int guard = 0; guard < 10000; ++guard) {
            if (w.m.window.fraFineGioco.Visible) return true;
            if (humanToPlay()) {
                w.ImgCarta_Click(firstHumanCard());
                continue;
            }
            if (w.m.window.cmdEffettuaLaPresa.Visible && !w.t.TimerAnimazionecartePC.enabled()) {
                w.tastoInvio();
                continue;
            }
            if (!h.scheduler.step()) return false;
        }
        return false;
    }

    bool endShown() const { return w.m.window.fraFineGioco.Visible; }

    // Enter on the end panel, as often as needed: while a remark that must not be cut plays, it is ignored.
    bool carryOn() {
        for (int i = 0; i < 600 && endShown(); ++i) {
            w.tastoInvio();
            if (endShown()) h.scheduler.advance(100);
        }
        return !endShown();
    }

    Headless h;
    TestMain w;
};

}  // namespace zelvo::test
