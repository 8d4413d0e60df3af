// The strength levels: how often each replaces the strategy's choice.
#include <gtest/gtest.h>

#include <cmath>

#include "banco.h"

namespace zelvo {
namespace {

using prova::Banco;
using prova::posizione;

struct CasoLivello {
    const char* livello;
    double sostituzione;  // chance that a random card is drawn
};

class Livelli : public ::testing::TestWithParam<CasoLivello> {};

TEST_P(Livelli, ReplacementFrequencyWithinStatisticalBounds) {
    const CasoLivello& c = GetParam();
    Banco b(posizione('b', {"Ad", "7c", "Rb"}, {"2s", "3d", "Fb"}, 20), 12345);
    b.w.m.opzioni.lblOpzione[opz::Abilita] = c.livello;
    const int N = 30000;
    int sostituite = 0, diverse = 0, perSlot[4] = {};
    for (int k = 0; k < N; ++k) {
        // Let the clock move between moves, as it does in a game.
        b.h.scheduler.advance(700 + k % 1300);
        b.g().lblCartaPCDaGiocare = 2;
        b.g().lblCartaPCDaGiocare2 = 0;
        b.g().lblCartaPCDaGiocareFore = colour::BLACK;
        b.w.strategia.ApplicaLivello();
        const int s = b.g().lblCartaPCDaGiocare;
        ASSERT_GE(s, 1);
        ASSERT_LE(s, 3);
        if (b.g().lblCartaPCDaGiocareFore == colour::GREEN) {
            ++sostituite;
            ++perSlot[s];
            ASSERT_EQ(b.g().lblCartaPCDaGiocare2, 2);  // the strategy's choice stays visible
        } else {
            ASSERT_EQ(s, 2);
        }
        if (s != 2) ++diverse;
    }
    auto dentro = [&](int conteggio, double p) {
        const double atteso = N * p, sigma = std::sqrt(N * p * (1 - p));
        return std::fabs(conteggio - atteso) <= 5 * sigma + 1e-9;
    };
    EXPECT_TRUE(dentro(sostituite, c.sostituzione)) << sostituite;
    EXPECT_TRUE(dentro(diverse, c.sostituzione * 2 / 3)) << diverse;
    if (sostituite > 0)
        for (int s = 1; s <= 3; ++s) EXPECT_GT(perSlot[s], sostituite / 3 - 5 * std::sqrt(sostituite)) << s;
}

INSTANTIATE_TEST_SUITE_P(Abilita, Livelli,
                         ::testing::Values(CasoLivello{"Alta (Livello B)", 20.0 / 120},
                                           CasoLivello{"Media (Livello C)", 24.0 / 120},
                                           CasoLivello{"Bassa (Livello D)", 30.0 / 120},
                                           CasoLivello{"Minima (Livello E)", 40.0 / 120},
                                           CasoLivello{"Massima (Livello A)", 0.0},
                                           CasoLivello{"a level nobody knows", 0.0}));

}  // namespace
}  // namespace zelvo
