#pragma once
// A main window on the virtual clock whose random picks the test chooses one by
// one, with a recording media player: the bench for the sound routines.
#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/media.h"
#include "platform/platform.h"
#include "platform/virtual_scheduler.h"
#include "support/test_main.h"

namespace zelvo::test {

// Minute and second stay at 0, so NumeroCasuale(N) is floor(N * rnd) + 1.
class OrologioFermo final : public Clock {
public:
    DateTime now() const override { return {2026, 1, 1, 0, 0, 0}; }
};

// Values queued by the test come first; once the queue is empty the draws are
// either seeded (when allowed) or a failure of the test.
class Estrazioni final : public Random {
public:
    float rnd() override {
        if (!coda.empty()) {
            float v = coda.front();
            coda.pop_front();
            return v;
        }
        if (!libere) ADD_FAILURE() << "an unexpected random draw";
        return std::uniform_real_distribution<float>(0.0f, 1.0f)(gen);
    }
    std::deque<float> coda;
    bool libere = false;
    std::mt19937 gen{12345};
};

struct Banco {
    VirtualScheduler s;
    OrologioFermo orologio;
    Estrazioni casuale;
    MediaLog media{[this] { return s.nowMs(); }};
    Platform p{s, orologio, casuale, &media};
    TestMain w{p};

    // The next NumeroCasuale(N) gives k.
    void estrai(int k, int N) { casuale.coda.push_back((k - 0.5f) / N); }
    Model& m() { return w.m; }
    void opzione(int i, const std::string& v) { w.m.options.lblOpzione[i] = v; }

    // A card in a table slot.
    void carta(int slot, const std::string& codice) {
        const int c = cards::cellOf(codice);
        w.m.cards.lblCarta[slot] = codice;
        w.m.cards.lblValore[slot] = cards::valueOf(c);
        w.m.cards.lblSeme[slot] = cards::suitOf(c);
    }
    // A trick on the table: the computer's card in slot 1, the human's in slot 4, the trump card in slot 7.
    void presa(const std::string& pc, const std::string& h, const std::string& briscola, Who inizia) {
        carta(1, pc);
        carta(4, h);
        carta(7, briscola);
        w.m.game.lblNumeroCartaGiocataDaPC = 1;
        w.m.game.lblNumeroCartaGiocataDaH = 4;
        w.m.game.lblTurnoDiGioco = inizia;
        w.m.game.lblNumeroCarteRimaste = 20;
    }

    std::vector<std::string> suonati(Player l = Player::mmcRumori) const { return media.played(l); }
    std::string ultimo(Player l = Player::mmcRumori) const {
        auto v = media.played(l);
        return v.empty() ? "" : v.back();
    }
};

inline std::string commento(const std::string& gruppo, int n) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "C:\\Programmi\\Zelvo\\Commenti\\%s\\%s%02d.wav", gruppo.c_str(), gruppo.c_str(), n);
    return buf;
}

inline std::string rumore(const std::string& nome) { return "C:\\Programmi\\Zelvo\\Rumori\\" + nome; }

}  // namespace zelvo::test
