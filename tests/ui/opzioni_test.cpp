// The options panel: the cycle of each option and what a change does at once.
#include <gtest/gtest.h>

#include "support/table.h"

using namespace zelvo;
using test::Table;

TEST(OptionCycle, NextValues) {
    struct Caso {
        int i;
        const char *da, *a;
        const char* terzo = "";
    } casi[] = {
        {index(Option::Level), "Massima (Livello A)", "Alta (Livello B)"},
        {index(Option::Level), "Minima (Livello E)", "Massima (Livello A)"},
        {index(Option::ResponseSpeed), "Molto Veloce", "Molto Lenta"},
        {index(Option::AutoTaking), "Molto Veloce", "No"},
        {index(Option::CardStyle), "Piacentine", "Napoletane"},
        {index(Option::CardStyle), "Piacentine", "Alto Contrasto", "Alto Contrasto"},
        {index(Option::CardStyle), "Alto Contrasto", "Napoletane", "Alto Contrasto"},
        {index(Option::CardStyle), "Napoletane", "Piacentine", "Alto Contrasto"},
        {index(Option::TableColour), "Salvia", "Verde Veronese"},
        // Values the game does not know.
        {index(Option::CardStyle), "Vecchio mazzo", "Napoletane"},
        {index(Option::GameEnd), "???", "Appena uno supera 60 punti"},
        {index(Option::ShowCards), "forse", "Si"},
        {index(Option::GameNoises), "Boh", "Si"},
        {index(Option::SongTitles), "", "Si"},
        {index(Option::Level), "Livello Z", "Livello Z"},
        {index(Option::BackColour), "Fucsia", "Fucsia"},
    };
    for (const Caso& c : casi) EXPECT_EQ(nextValue(static_cast<Option>(c.i), c.da, c.terzo), c.a) << c.i << " " << c.da;
}

TEST(OptionsPanel, FiveClicksOnTheLevelGoRoundAndTheHeadingFollows) {
    Table t(1);
    const char* const attesi[] = {"ZELVO B", "ZELVO C", "ZELVO D", "ZELVO E", "ZELVO A"};
    for (const char* atteso : attesi) {
        t.w.routines.lblVoce_Click(index(Option::Level));
        EXPECT_EQ(t.w.m.data.lblDati[0].Caption, atteso);
    }
    EXPECT_EQ(t.w.m.options.lblOpzione[index(Option::Level)], "Massima (Livello A)");
}

TEST(OptionsPanel, ALockedCaptionChangesNothing) {
    Table t(1);
    ASSERT_TRUE(t.until([&] { return t.humanToPlay(); }));
    t.w.ImgCarta_Click(4);  // the first card locks the level
    ASSERT_EQ(t.w.m.options.lblVoceColore[index(Option::Level)], colour::PINK);
    t.w.routines.lblVoce_Click(index(Option::Level));
    EXPECT_EQ(t.w.m.options.lblOpzione[index(Option::Level)], "Massima (Livello A)");
    for (int i : {-1, 21, 99}) t.w.routines.lblVoce_Click(i);  // no such option
}

TEST(OptionsPanel, IntervalsFollowTheirOptions) {
    Table t(1);
    t.w.routines.lblVoce_Click(index(Option::AutoTaking));  // "Molto Veloce" -> "No"
    EXPECT_EQ(t.w.t.TimerEffettuaLaPresa.interval(), 0);
    t.w.routines.lblVoce_Click(index(Option::ResponseSpeed));  // -> "Molto Lenta"
    EXPECT_EQ(t.w.t.TimerAttesaDelPCaMuovere.interval(), 1500);
    t.w.routines.lblVoce_Click(index(Option::CardAnimation));  // "No" -> "Veloce"
    EXPECT_EQ(t.w.t.TimerAnimazionecarteH.interval(), 30);
    EXPECT_EQ(t.w.t.TimerAnimazionecartePC.interval(), 30);
}

TEST(OptionsPanel, ShowingTheComputersCardsTurnsThemAndRecordsThePeek) {
    Table t(2);
    ASSERT_TRUE(t.until([&] { return t.humanToPlay(); }));
    Model& m = t.w.m;
    for (int s = 1; s <= 3; ++s) ASSERT_NE(m.window.ShpCarta[s].BackColor, colour::WHITE);
    t.w.routines.lblVoce_Click(index(Option::ShowCards));  // -> "Si"
    EXPECT_TRUE(m.game.lblSbirciata);
    for (int s = 1; s <= 3; ++s) {
        EXPECT_EQ(m.window.ShpCarta[s].BackColor, colour::WHITE);
        EXPECT_NE(m.window.ImgCarta[s].Picture.find(m.cards.lblCarta[s]), std::string::npos);
    }
    EXPECT_TRUE(m.data.lblDati[cells::pcDraw(2)].Visible);
    t.w.routines.lblVoce_Click(index(Option::ShowCards));  // -> "No"
    for (int s = 1; s <= 3; ++s) EXPECT_EQ(m.window.ShpCarta[s].BackColor, m.window.coloreRetro);
    EXPECT_FALSE(m.data.lblDati[cells::pcDraw(2)].Visible);
}

TEST(OptionsPanel, MatchLengthLaysOutTheGamesWonTable) {
    Table t(1);
    RecordsState& r = t.w.m.records;
    t.w.routines.lblVoce_Click(index(Option::MatchEnd));  // "Al meglio di 4" -> 5
    EXPECT_EQ(r.ShpLineaVVisible, (std::array<bool, 5>{false, false, true, true, true}));
    EXPECT_EQ(r.ShpLineaVLeft[2], 975);
    EXPECT_EQ(r.ShpLineaVLeft[4], 1695);
    EXPECT_EQ(r.shpPuntiPCLeft[2], 855);
    t.w.routines.lblVoce_Click(index(Option::MatchEnd));  // -> 3
    EXPECT_EQ(r.ShpLineaVVisible, (std::array<bool, 5>{false, false, false, true, false}));
    EXPECT_EQ(r.shpPuntiHLeft[2], 1215);
    EXPECT_EQ(r.shpPuntiHLeft[3], 1935);
}

TEST(Menu, OptionsAndHallOfFameSwapAndTheImpatienceClockFollows) {
    Table t(1, {{index(Option::Temper), "Impaziente"}});
    ASSERT_TRUE(t.until([&] { return t.humanToPlay(); }));
    Window& f = t.w.m.window;
    ASSERT_TRUE(t.w.t.TimerImpazienza.enabled());
    t.w.routines.lblComandi_Click(menu::Options);
    EXPECT_TRUE(f.fraPannello[2].Visible);
    EXPECT_FALSE(t.w.t.TimerImpazienza.enabled());
    t.w.routines.lblComandi_Click(menu::Albo);
    EXPECT_TRUE(f.fraPannello[3].Visible);
    EXPECT_FALSE(f.fraPannello[2].Visible);
    EXPECT_EQ(f.lblComandi[menu::Options], colour::WHITE);
    t.w.routines.lblComandi_Click(menu::Albo);  // closed while the human is to play: the clock again
    EXPECT_FALSE(f.fraPannello[3].Visible);
    EXPECT_TRUE(t.w.t.TimerImpazienza.enabled());
}

TEST(OptionsPanel, HoverHighlightsTheValueOfAFreeOptionOnly) {
    Table t(1);
    Options& o = t.w.m.options;
    auto evidenziate = [&o] {
        std::vector<int> v;
        for (int i = 0; i < OPTION_COUNT; ++i)
            if (o.lblOpzioneEvidenziata[i]) v.push_back(i);
        return v;
    };
    t.w.routines.lblComandi_Click(menu::Options);
    t.w.routines.lblVoce_MouseMove(index(Option::Level));
    EXPECT_EQ(evidenziate(), std::vector<int>{index(Option::Level)});
    EXPECT_EQ(o.lblOpzioneMouse, index(Option::Level));
    // The background forgets the option under the mouse but keeps the highlight.
    t.w.routines.fraOpzioni_MouseMove();
    EXPECT_EQ(o.lblOpzioneMouse, Options::NONE);
    EXPECT_EQ(evidenziate(), std::vector<int>{index(Option::Level)});
    // A locked option takes the mouse but no highlight.
    o.lblVoceColore[index(Option::MatchEnd)] = colour::PINK;
    t.w.routines.lblVoce_MouseMove(index(Option::MatchEnd));
    EXPECT_TRUE(evidenziate().empty());
    EXPECT_EQ(o.lblOpzioneMouse, index(Option::MatchEnd));
    t.w.routines.lblVoce_MouseMove(index(Option::GameNoises));
    t.w.routines.lblOpzione_MouseMove();  // onto a value: all off
    EXPECT_TRUE(evidenziate().empty());
    EXPECT_EQ(o.lblOpzioneMouse, Options::NONE);
    // Closing the panel, or opening the hall of fame over it, takes the highlight away.
    t.w.routines.lblVoce_MouseMove(index(Option::SongTitles));
    t.w.routines.lblComandi_Click(menu::Albo);
    EXPECT_TRUE(evidenziate().empty());
    t.w.routines.lblComandi_Click(menu::Options);
    t.w.routines.lblVoce_MouseMove(index(Option::Ceremony));
    t.w.routines.lblComandi_Click(menu::Options);
    EXPECT_TRUE(evidenziate().empty());
    EXPECT_EQ(o.lblOpzioneMouse, Options::NONE);
}

TEST(OptionsPanel, EveryValueHasItsOwnToolTip) {
    std::set<std::string> visti;
    for (int i = 0; i < OPTION_COUNT; ++i) visti.insert(toolTipOf(static_cast<Option>(i)));
    EXPECT_EQ(visti.size(), static_cast<size_t>(OPTION_COUNT));
    EXPECT_EQ(std::string(toolTipOf(Option::Level)),
              "Puoi scegliere fra 5 livelli di abilità di Zelvo: da A (il migliore) a E (il peggiore)");
}
