#include <gtest/gtest.h>

#include "game/simulazione.h"

using namespace zelvo;

TEST(Smoke, OneGamePlaysToTheEnd) {
    Impostazioni imp;
    imp.opzioni[opz::ConclusioneGioco] = "Fino all'ultima presa";
    Simulazione sim(imp);
    RisultatoGioco r = sim.giocaUnGioco();
    EXPECT_EQ(r.prese, 20);
    EXPECT_EQ(r.puntiPC + r.puntiH, 120);
}
