// The exit frame and the farewell.
#include <gtest/gtest.h>

#include "support/table.h"
#include "platform/media.h"

using namespace zelvo;
using test::Table;

TEST(Exit, TheMenuEntryOpensAndClosesTheFrameAndNotYetKeepsPlaying) {
    Table t(1);
    Window& f = t.w.m.window;
    t.w.routines.lblComandi_Click(menu::Options);
    t.w.routines.lblComandi_Click(menu::Esci);
    EXPECT_TRUE(f.fraEsci.Visible);
    EXPECT_EQ(f.fraEsci.Left, 3420);
    EXPECT_EQ(f.fraEsci.Top, 3030);
    EXPECT_FALSE(f.fraPannello[2].Visible);  // the options panel gives way
    EXPECT_EQ(f.lblComandi[menu::Esci], colour::GREEN);
    t.w.routines.lblComandi_Click(menu::Esci);
    EXPECT_FALSE(f.fraEsci.Visible);
    t.w.routines.lblComandi_Click(menu::Esci);
    t.w.routines.lblNo_Click();
    EXPECT_FALSE(f.fraEsci.Visible);
    EXPECT_EQ(f.lblComandi[menu::Esci], colour::WHITE);
}

TEST(Exit, TheFarewellPlaysThenTheWindowCloses) {
    struct Caso {
        const char* loquacita;
        int intervallo;
        bool tema;  // the theme instead of a remark
    } casi[] = {{"Taciturno", 2200, true}, {"Pettegolo", 1500, false}};
    for (const Caso& c : casi) {
        Table t(5, {{index(Option::Talkativeness), c.loquacita}});
        MediaLog registro([&t] { return t.h.scheduler.nowMs(); });
        t.h.platform.media = &registro;
        bool chiusa = false;
        t.w.routines.uscita = [&] { chiusa = true; };
        t.w.routines.lblComandi_Click(menu::Esci);
        t.w.routines.lblSi_Click();
        const Window& f = t.w.m.window;
        EXPECT_TRUE(t.w.m.sounds.lblInterdiciSuoni);
        EXPECT_FALSE(f.fraEsci.Visible);
        EXPECT_TRUE(f.ImgBandiera[1].Visible);
        EXPECT_EQ(f.ImgBandiera[1].Top, 3150);
        EXPECT_FALSE(t.w.t.TimerDistribuisciCarte.enabled());
        EXPECT_EQ(t.w.t.TimerEsci.interval(), c.intervallo) << c.loquacita;
        const auto suonati = registro.played(Player::mmcUscita);
        ASSERT_EQ(suonati.size(), 1u);
        if (c.tema) EXPECT_EQ(suonati[0], "C:\\Programmi\\Zelvo\\Musiche\\ZlvSigla.mid");
        else EXPECT_NE(suonati[0].find("\\Commenti\\Esci\\Esci0"), std::string::npos) << suonati[0];
        // Once the farewell has started the menu ignores the exit.
        t.w.routines.lblComandi_Click(menu::Esci);
        EXPECT_FALSE(f.fraEsci.Visible);
        t.h.scheduler.advance(c.intervallo - 1);
        EXPECT_FALSE(chiusa);
        t.h.scheduler.advance(1);
        EXPECT_TRUE(chiusa);
    }
}
