// The exit frame and the farewell.
#include <gtest/gtest.h>

#include "platform/media.h"
#include "support/table.h"

using namespace zelvo;
using test::Table;

TEST(Exit, TheFarewellEndsTheWindowAfterItsRemarkOrTheThemeOrAtASecondRequest) {
    // Without a farewell remark the theme plays, and the window waits for it a little longer.
    for (auto [talk, closeRequest, interval, played] :
         {std::tuple{"Taciturno", false, 2200, "C:\\Programmi\\Zelvo\\Musiche\\ZlvSigla.mid"},
          {"Pettegolo", true, 1500, "C:\\Programmi\\Zelvo\\Commenti\\Esci\\Esci0"}}) {
        Table t(5, {{index(Option::Talkativeness), talk}});
        MediaLog log([&t] { return t.h.scheduler.nowMs(); });
        t.h.platform.media = &log;
        int closings = 0;
        t.w.routines.uscita = [&] { ++closings; };
        const Window& f = t.w.m.window;
        t.w.routines.escapeKey();  // Esc is "Esci", and "- Non ancora..." while the frame shows
        t.w.routines.escapeKey();
        EXPECT_EQ(std::pair(f.fraEsci.Visible, f.lblComandi[menu::Esci]), std::pair(false, colour::WHITE));
        closeRequest ? t.w.routines.closeRequested() : t.w.routines.lblSi_Click();
        EXPECT_TRUE(t.w.m.sounds.lblInterdiciSuoni);
        EXPECT_FALSE(f.fraEsci.Visible || f.lblIstruzioneIniziale.Visible || f.lblIstruzionePannelloDati);
        EXPECT_FALSE(t.w.t.TimerDistribuisciCarte.enabled() || f.ImgBandiera[2].Visible);  // the farewell's flag alone
        const Picture& flag = f.ImgBandiera[1];  // Italy or England, at the toss of the exit's draw
        EXPECT_TRUE(flag.Visible && flag.Top == 3150) << flag.Top;
        EXPECT_TRUE(flag.Picture.ends_with("\\Italia.bmp") || flag.Picture.ends_with("\\Inghil.bmp")) << flag.Picture;
        EXPECT_EQ(t.w.t.TimerEsci.interval(), interval) << talk;
        ASSERT_EQ(log.played(Player::mmcUscita).size(), 1u);
        EXPECT_TRUE(log.played(Player::mmcUscita)[0].starts_with(played)) << log.played(Player::mmcUscita)[0];
        t.w.routines.lblComandi_Click(menu::Esci);  // once the farewell has started the menu ignores the exit
        EXPECT_FALSE(f.fraEsci.Visible);
        t.h.scheduler.advance(interval - 1);
        EXPECT_EQ(closings, 0);
        if (closeRequest) t.w.routines.closeRequested();
        else t.h.scheduler.advance(1);
        EXPECT_EQ(closings, 1) << talk;
    }
}
