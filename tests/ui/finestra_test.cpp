// The window's routines: the command menu, the end-of-game choices and the way into a review.
#include <gtest/gtest.h>

#include "game/tavolo.h"

using namespace zelvo;
using test::Tavolo;

TEST(Menu, MatchAndDataPanelsShareTheLeftOfTheTable) {
    Tavolo t(1);
    Finestra& f = t.w.m.finestra;
    t.w.finestra.lblComandi_Click(menu::Partita);
    EXPECT_TRUE(f.fraPannello[1].Visible);
    EXPECT_EQ(f.lblComandi[menu::Partita], colour::GREEN);
    t.w.finestra.lblComandi_Click(menu::Dati);  // the data panel replaces the match panel
    EXPECT_FALSE(f.fraPannello[1].Visible);
    EXPECT_TRUE(f.fraPannello[0].Visible);
    EXPECT_EQ(f.lblComandi[menu::Partita], colour::WHITE);
    EXPECT_EQ(f.lblComandi[menu::Dati], colour::GREEN);
    EXPECT_EQ(t.w.m.registri.lblPannelloVisualizzato, "Dati");
    t.w.finestra.lblComandi_Click(menu::Dati);  // green: it closes
    EXPECT_FALSE(f.fraPannello[0].Visible);
    EXPECT_EQ(t.w.m.registri.lblPannelloVisualizzato, "Nessuno");
    for (int i : {0, 6, -3}) t.w.finestra.lblComandi_Click(i);  // no such entry
    EXPECT_FALSE(f.fraPannello[0].Visible || f.fraPannello[1].Visible);
}

TEST(Review, TheGameJustPlayedIsReplayedToTheEndThenPlayGoesOn) {
    Tavolo t(12, {{opz::AudioAnalisi, "Silenzio assoluto"}});
    ASSERT_TRUE(t.giocaFinoAllaFine());
    Finestra& f = t.w.m.finestra;
    const std::string primaCarta = t.w.m.dati.lblDati[dati::cartaPC(1)].Caption;
    t.w.finestra.lblRivedi_Click();
    EXPECT_TRUE(t.w.m.suoni.lblMusicaInterrotta);
    EXPECT_FALSE(f.fraFineGioco.Visible);
    EXPECT_FALSE(f.cmdContinuaOIniziaPartita.Enabled);
    EXPECT_TRUE(f.fraPannello[0].Visible);
    for (int i = 1; i <= 4; ++i) EXPECT_FALSE(f.comandoAbilitato[i]) << i;
    EXPECT_TRUE(f.comandoAbilitato[menu::Esci]);
    for (const Pulsante* b : {&f.cmdSave, &f.cmdLoad, &f.cmdInizioAnalisi, &f.cmdScegliManche, &f.cmdTornaAlGioco})
        EXPECT_TRUE(b->Visible);
    EXPECT_TRUE(f.cmdScegliManche.focus);
    // The menu stays shut during the review.
    t.w.finestra.lblComandi_Click(menu::Partita);
    EXPECT_FALSE(f.fraPannello[1].Visible);

    // Enter steps the review, one event a press, until the end.
    int premute = 0;
    while (t.w.m.dati.lblDati[14].Caption.empty() && premute < 200) {
        t.w.tastoInvio();
        ++premute;
        if (premute == 1) EXPECT_EQ(t.w.m.dati.lblDati[dati::cartaPC(1)].Caption, primaCarta);
    }
    EXPECT_EQ(t.w.m.dati.lblDati[14].Caption, "Fine Analisi");
    EXPECT_GT(premute, 40);
    EXPECT_TRUE(f.cmdInizioAnalisi.focus);

    // "Riprendi a giocare": the next game, with the menu open again.
    t.w.registri.cmdTornaAlGioco();
    EXPECT_EQ(t.w.m.gioco.lblNumeroGioco, 2);
    EXPECT_TRUE(t.w.t.TimerDistribuisciCarte.enabled());
    for (int i = 1; i <= 4; ++i) EXPECT_TRUE(f.comandoAbilitato[i]) << i;
    EXPECT_FALSE(f.cmdScegliManche.Visible);
}

TEST(EndChoices, OpeningAFileThatIsNotChosenLeavesTheRecordAsItWas) {
    Tavolo t(13);
    ASSERT_TRUE(t.giocaFinoAllaFine());
    const PannelloDati prima = t.w.m.dati;
    t.w.finestra.lblApri_Click();  // no dialog answers: cancelled
    for (int c = 0; c < dati::CELLE_SALVATE; ++c) {
        EXPECT_EQ(t.w.m.dati.lblDati[c].Caption, prima.lblDati[c].Caption) << c;
        EXPECT_EQ(t.w.m.dati.lblDati[c].BackColor, prima.lblDati[c].BackColor) << c;
    }
    EXPECT_EQ(t.w.m.dati.lblIndicazioniPannellodati1, prima.lblIndicazioniPannellodati1);
    EXPECT_TRUE(t.w.m.finestra.cmdLoad.Visible);
    EXPECT_FALSE(t.w.t.TimerCaricaPartita.enabled());
}

TEST(Menu, EnterAfterAClickOnTheRegisterClosesTheHallOfFameAtTheEndOfAGame) {
    Tavolo t(4, {{opz::PresaAutomatica, "No"}});
    Finestra& f = t.w.m.finestra;
    // During play the click only takes the focus away: Enter then does nothing...
    t.w.finestra.lblComandi_Click(menu::Albo);
    t.w.finestra.LstAlbo_Click();
    EXPECT_TRUE(f.cmdSetFocusAlbo.focus);
    t.w.tastoInvio();
    EXPECT_TRUE(f.fraPannello[3].Visible);
    t.w.finestra.lblComandi_Click(menu::Albo);
    // ...until the taking button appears and takes the focus back: Enter takes the trick.
    ASSERT_TRUE(t.finche([&] { return t.turnoUmano(); }));
    t.w.ImgCarta_Click(t.primaCartaUmana());
    ASSERT_TRUE(t.finche([&] { return f.cmdEffettuaLaPresa.Visible && !t.w.t.TimerAnimazionecartePC.enabled(); }));
    EXPECT_FALSE(f.cmdSetFocusAlbo.focus);
    t.w.tastoInvio();
    EXPECT_FALSE(f.cmdEffettuaLaPresa.Visible);
    EXPECT_TRUE(t.finche([&] { return t.w.m.gioco.lblManche == 2; }));

    t.w.finestra.lblComandi_Click(menu::Albo);
    t.w.finestra.LstAlbo_Click();  // the end of the game gives the focus to the continue button
    t.w.finestra.lblComandi_Click(menu::Albo);

    ASSERT_TRUE(t.giocaFinoAllaFine());
    const int gioco = t.w.m.gioco.lblNumeroGioco;
    t.w.finestra.lblComandi_Click(menu::Albo);
    t.w.finestra.LstAlbo_Click();
    t.w.tastoInvio();
    EXPECT_FALSE(f.fraPannello[3].Visible);
    EXPECT_EQ(f.lblComandi[menu::Albo], colour::WHITE);
    EXPECT_TRUE(f.cmdContinuaOIniziaPartita.focus);
    EXPECT_EQ(t.w.m.gioco.lblNumeroGioco, gioco);  // the next game waits for another Enter
}
