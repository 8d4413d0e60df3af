// The options panel: the cycle of each option, what a change does at once, and locks.
#include <gtest/gtest.h>

#include <functional>

#include "support/table.h"

using namespace zelvo;
using test::Table;

TEST(OptionCycle, NextValuesAndWhatBecomesOfUnknownOnes) {
    const std::string deck = "Alto Contrasto";  // a third deck, when installed, sits between the regional ones
    using O = Option;
    const std::tuple<Option, const char*, const char*, std::string> cases[] = {
        {O::Level, "Minima (Livello E)", "Massima (Livello A)", ""}, {O::AutoTaking, "Molto Veloce", "No", ""},
        {O::ResponseSpeed, "Molto Veloce", "Molto Lenta", ""},       {O::CardStyle, "Piacentine", "Napoletane", ""},
        {O::CardStyle, "Piacentine", deck.c_str(), deck},           {O::CardStyle, deck.c_str(), "Napoletane", deck},
        {O::CardStyle, "Napoletane", "Piacentine", deck},
        // Values the game does not know: some become a known one, the others stay.
        {O::CardStyle, "Vecchio mazzo", "Napoletane", ""}, {O::GameEnd, "???", "Appena uno supera 60 punti", ""},
        {O::ShowCards, "forse", "Si", ""}, {O::SongTitles, "", "Si", ""}, {O::BackColour, "Fucsia", "Fucsia", ""}};
    for (auto [o, from, to, third] : cases) EXPECT_EQ(nextValue(o, from, third), to) << index(o) << " " << from;
}

TEST(OptionsPanel, AClickStepsAFreeOptionAndAppliesItAtOnce) {
    using W = const TestMain&;
    const std::tuple<Option, const char*, std::function<bool(W)>> cases[] = {
        {Option::RandomGraphics, "All'inizio della Partita", nullptr},
        {Option::Level, "Alta (Livello B)", [](W w) { return w.m.data.lblDati[0].Caption == "ZELVO B"; }},
        {Option::AutoTaking, "No", [](W w) { return w.t.TimerEffettuaLaPresa.interval() == 0; }},
        {Option::CardAnimation, "Veloce",
         [](W w) { return w.t.TimerAnimazionecarteH.interval() == 30 && w.t.TimerAnimazionecartePC.interval() == 30; }},
        {Option::Temper, "Pacifico", [](W w) { return !w.t.TimerImpazienza.enabled(); }},
        {Option::Talkativeness, "Taciturno", [](W w) { return !w.t.TimerImpazienza.enabled(); }},
        {Option::TableColour, "Legno", [](W w) { return w.m.window.coloreTavolo == tableColour("Legno"); }},
        {Option::SongTitles, "Si", [](W w) { return w.m.sounds.lblTitolo.Visible; }},  // while a titled song plays
        {Option::CardStyle, "Napoletane", [](W w) {  // the hand and the trump card redrawn at once
             return w.m.window.ImgCarta[4].Picture.find("Napoleta") != std::string::npos &&
                    w.m.window.ImgCarta[7].Picture.find("Napoleta") != std::string::npos; }}};
    for (const auto& [o, value, applied] : cases) {
        Table t(1, {{index(Option::RandomGraphics), "No"}, {index(Option::SongTitles), "No"}});
        ASSERT_TRUE(t.until([&] { return t.humanToPlay() && t.w.t.TimerImpazienza.enabled(); }));
        t.w.m.sounds.lblTitolo.Caption = "Ciuri ciuri";
        t.w.t.TimerFermaBrano.enable();
        t.w.routines.lblVoce_Click(index(o));
        EXPECT_EQ(t.w.m.options.text(o), value);
        EXPECT_TRUE(!applied || applied(t.w)) << index(o);
    }
}

TEST(OptionsPanel, LocksHoldDuringPlayAndShowingTheComputersCardsTurnsThoseInItsHand) {
    Table t(6);
    Model& m = t.w.m;
    ASSERT_TRUE(t.until([&] { return t.humanToPlay(); }));
    t.w.ImgCarta_Click(t.firstHumanCard());  // the first card locks the level; ZELVO takes the trick
    // and leads the next: its card lies face up in the trick while the human is to play.
    ASSERT_TRUE(t.until([&] { return t.humanToPlay() && m.game.lblNumeroCartaGiocataDaPC != 0; }));
    const int led = m.game.lblNumeroCartaGiocataDaPC;
    // No click changes a locked option, nor one that does not exist.
    const auto before = m.options.lblOpzione;
    for (int i : {index(Option::Level), -1, OPTION_COUNT}) t.w.routines.lblVoce_Click(i);
    EXPECT_EQ(m.options.lblOpzione, before);
    for (const bool faceUp : {true, false}) {
        t.w.routines.lblVoce_Click(index(Option::ShowCards));
        EXPECT_EQ(m.data.lblDati[cells::pcDraw(2)].Visible + m.data.lblDati[cells::humanDraw(18)].Visible, 2 * faceUp);
        for (int s = 1; s <= 3; ++s) {
            const bool face = faceUp || s == led;
            EXPECT_EQ(m.window.ShpCarta[s].BackColor, face ? colour::WHITE : m.window.coloreRetro) << s << faceUp;
            EXPECT_EQ(m.window.ImgCarta[s].Picture.find(m.cards.lblCarta[s]) != std::string::npos, face) << s << faceUp;
        }
    }
    EXPECT_TRUE(m.game.lblSbirciata);
}

TEST(OptionsPanel, MatchLengthLaysOutTheGamesWonTable) {
    Table t(1);  // "Al meglio di 4 Giochi" -> 5 -> 3 -> 4
    const RecordsState& r = t.w.m.records;
    using Dividers = std::array<bool, 5>;
    for (auto [dividers, column2, column4] : {std::tuple{Dividers{false, false, true, true, true}, 855.f, 1575.f},
                                              {Dividers{false, false, false, true, false}, 1215.f, 1575.f},
                                              {Dividers{false, false, true, false, true}, 975.f, 1935.f}}) {
        t.w.routines.lblVoce_Click(index(Option::MatchEnd));
        EXPECT_EQ(std::tuple(r.ShpLineaVVisible, r.shpPuntiPCLeft[2], r.shpPuntiHLeft[4]),
                  std::tuple(dividers, column2, column4)) << t.w.m.options.text(Option::MatchEnd);
    }
}
