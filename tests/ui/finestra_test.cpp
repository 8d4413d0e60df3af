// The window's routines: the command menu, the end-of-game choices and the way into a review.
#include <gtest/gtest.h>

#include "support/table.h"

using namespace zelvo;
using test::Table;

TEST(Menu, MatchAndDataPanelsShareTheLeftOfTheTable) {
    Table t(1);
    Window& f = t.w.m.window;
    t.w.routines.lblComandi_Click(menu::Partita);
    EXPECT_TRUE(f.fraPannello[1].Visible);
    EXPECT_EQ(f.lblComandi[menu::Partita], colour::GREEN);
    t.w.routines.lblComandi_Click(menu::Dati);  // the data panel replaces the match panel
    EXPECT_FALSE(f.fraPannello[1].Visible);
    EXPECT_TRUE(f.fraPannello[0].Visible);
    EXPECT_EQ(f.lblComandi[menu::Partita], colour::WHITE);
    EXPECT_EQ(f.lblComandi[menu::Dati], colour::GREEN);
    EXPECT_EQ(t.w.m.records.lblPannelloVisualizzato, "Dati");
    t.w.routines.lblComandi_Click(menu::Dati);  // green: it closes
    EXPECT_FALSE(f.fraPannello[0].Visible);
    EXPECT_EQ(t.w.m.records.lblPannelloVisualizzato, "Nessuno");
    for (int i : {0, 6, -3}) t.w.routines.lblComandi_Click(i);  // no such entry
    EXPECT_FALSE(f.fraPannello[0].Visible || f.fraPannello[1].Visible);
}

TEST(Review, TheGameJustPlayedIsReplayedToTheEndThenPlayGoesOn) {
    Table t(12, {{index(Option::ReviewAudio), "Silenzio assoluto"}});
    ASSERT_TRUE(t.playToTheEnd());
    Window& f = t.w.m.window;
    const std::string primaCarta = t.w.m.data.lblDati[cells::pcCard(1)].Caption;
    t.w.routines.lblRivedi_Click();
    EXPECT_TRUE(t.w.m.sounds.lblMusicaInterrotta);
    EXPECT_FALSE(f.fraFineGioco.Visible);
    EXPECT_FALSE(f.cmdContinuaOIniziaPartita.Enabled);
    EXPECT_TRUE(f.fraPannello[0].Visible);
    for (int i = 1; i <= 4; ++i) EXPECT_FALSE(f.comandoAbilitato[i]) << i;
    EXPECT_TRUE(f.comandoAbilitato[menu::Esci]);
    for (const Button* b : {&f.cmdSave, &f.cmdLoad, &f.cmdInizioAnalisi, &f.cmdScegliManche, &f.cmdTornaAlGioco})
        EXPECT_TRUE(b->Visible);
    EXPECT_TRUE(f.cmdScegliManche.focus);
    // The menu stays shut during the review.
    t.w.routines.lblComandi_Click(menu::Partita);
    EXPECT_FALSE(f.fraPannello[1].Visible);

    // Enter steps the review, one event a press, until the end.
    int premute = 0;
    while (t.w.m.data.lblDati[14].Caption.empty() && premute < 200) {
        t.w.tastoInvio();
        ++premute;
        if (premute == 1) EXPECT_EQ(t.w.m.data.lblDati[cells::pcCard(1)].Caption, primaCarta);
    }
    EXPECT_EQ(t.w.m.data.lblDati[14].Caption, "Fine Analisi");
    EXPECT_GT(premute, 40);
    EXPECT_TRUE(f.cmdInizioAnalisi.focus);

    // "Riprendi a giocare": the next game, with the menu open again.
    t.w.review.cmdTornaAlGioco();
    EXPECT_EQ(t.w.m.game.lblNumeroGioco, 2);
    EXPECT_TRUE(t.w.t.TimerDistribuisciCarte.enabled());
    for (int i = 1; i <= 4; ++i) EXPECT_TRUE(f.comandoAbilitato[i]) << i;
    EXPECT_FALSE(f.cmdScegliManche.Visible);
}

TEST(EndChoices, OpeningAFileThatIsNotChosenLeavesTheRecordAsItWas) {
    Table t(13);
    ASSERT_TRUE(t.playToTheEnd());
    const DataPanel prima = t.w.m.data;
    t.w.routines.lblApri_Click();  // no dialog answers: cancelled
    for (int c = 0; c < cells::SAVED; ++c) {
        EXPECT_EQ(t.w.m.data.lblDati[c].Caption, prima.lblDati[c].Caption) << c;
        EXPECT_EQ(t.w.m.data.lblDati[c].BackColor, prima.lblDati[c].BackColor) << c;
    }
    EXPECT_EQ(t.w.m.data.lblIndicazioniPannellodati1, prima.lblIndicazioniPannellodati1);
    EXPECT_TRUE(t.w.m.window.cmdLoad.Visible);
    EXPECT_FALSE(t.w.t.TimerCaricaPartita.enabled());
}

TEST(Menu, EnterAfterAClickOnTheRegisterClosesTheHallOfFameAtTheEndOfAGame) {
    Table t(4, {{index(Option::AutoTaking), "No"}});
    Window& f = t.w.m.window;
    // During play the click only takes the focus away: Enter then does nothing...
    t.w.routines.lblComandi_Click(menu::Albo);
    t.w.routines.LstAlbo_Click();
    EXPECT_TRUE(f.cmdSetFocusAlbo.focus);
    t.w.tastoInvio();
    EXPECT_TRUE(f.fraPannello[3].Visible);
    t.w.routines.lblComandi_Click(menu::Albo);
    // ...until the taking button appears and takes the focus back: Enter takes the trick.
    ASSERT_TRUE(t.until([&] { return t.humanToPlay(); }));
    t.w.ImgCarta_Click(t.firstHumanCard());
    ASSERT_TRUE(t.until([&] { return f.cmdEffettuaLaPresa.Visible && !t.w.t.TimerAnimazionecartePC.enabled(); }));
    EXPECT_FALSE(f.cmdSetFocusAlbo.focus);
    t.w.tastoInvio();
    EXPECT_FALSE(f.cmdEffettuaLaPresa.Visible);
    EXPECT_TRUE(t.until([&] { return t.w.m.game.lblManche == 2; }));

    t.w.routines.lblComandi_Click(menu::Albo);
    t.w.routines.LstAlbo_Click();  // the end of the game gives the focus to the continue button
    t.w.routines.lblComandi_Click(menu::Albo);

    ASSERT_TRUE(t.playToTheEnd());
    const int gioco = t.w.m.game.lblNumeroGioco;
    t.w.routines.lblComandi_Click(menu::Albo);
    t.w.routines.LstAlbo_Click();
    t.w.tastoInvio();
    EXPECT_FALSE(f.fraPannello[3].Visible);
    EXPECT_EQ(f.lblComandi[menu::Albo], colour::WHITE);
    EXPECT_TRUE(f.cmdContinuaOIniziaPartita.focus);
    EXPECT_EQ(t.w.m.game.lblNumeroGioco, gioco);  // the next game waits for another Enter
}
