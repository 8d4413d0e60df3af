// The main window's routines: the command menu and its panels, the review and its buttons,
// the focus and the keys, and the table's hit zones.
#include <gtest/gtest.h>

#include <set>

#include "support/table.h"
#include "ui/table_geometry.h"

using namespace zelvo;
using test::Table;
using geometry::Zone;

// The panels that show (0 data, 1 match, 2 options, 3 hall of fame, E the exit frame), then the green entries.
static std::string shown(const Window& f) {
    std::string s;
    for (int p = 0; p < 4; ++p)
        if (f.fraPannello[p].Visible) s += char('0' + p);
    s += f.fraEsci.Visible ? "E/" : "/";
    for (int i = 1; i <= 5; ++i)
        if (f.lblComandi[i] == colour::GREEN) s += char('0' + i);
    return s;
}

TEST(Menu, EachSideOfTheTableShowsOnePanelAtATime) {
    Table t(1);
    ASSERT_TRUE(t.until([&] { return t.humanToPlay() && t.w.t.TimerImpazienza.enabled(); }));
    // After each click: the panels that show, the green entries, the left-hand panel kept for the next run,
    // and whether ZELVO's impatience waits (a right-hand panel stops it; closing one on the human's turn
    // starts it again).
    const int P = menu::Partita, D = menu::Dati, A = menu::Albo, O = menu::Options, E = menu::Esci;
    for (auto [entry, after] : {std::pair{P, "1/1 Partita"}, {D, "0/2 Dati"}, {P, "1/1 Partita"}, {P, "/ Nessuno"},
                                {O, "2/4 Nessuno waits"}, {A, "3/3 Nessuno waits"}, {O, "2/4 Nessuno waits"},
                                {E, "E/5 Nessuno waits"}, {E, "/ Nessuno waits"}, {0, "/ Nessuno waits"},
                                {6, "/ Nessuno waits"}, {A, "3/3 Nessuno waits"}, {A, "/ Nessuno"}, {D, "0/2 Dati"}}) {
        t.w.routines.lblComandi_Click(entry);
        const std::string impatience = t.w.t.TimerImpazienza.enabled() ? "" : " waits";
        EXPECT_EQ(shown(t.w.m.window) + " " + t.w.m.records.lblPannelloVisualizzato + impatience, after) << entry;
    }
    // Nor does closing a panel while the computer is to play.
    t.w.m.game.lblAChiTocca = Who::PC;
    t.w.routines.lblComandi_Click(A);
    t.w.routines.lblComandi_Click(A);
    EXPECT_FALSE(t.w.t.TimerImpazienza.enabled());
    t.w.m.game.lblAChiTocca = Who::H;
    // The hall of fame's sub-title goes once a match has been played; the options panel leaves it.
    // A "Pacifico" ZELVO is never impatient, not even after a panel.
    t.w.m.records.lblTotalePartite = 1;
    t.w.routines.lblVoce_Click(index(Option::Temper));  // "Assai nervoso" -> "Pacifico"
    t.w.routines.lblComandi_Click(O);
    EXPECT_TRUE(t.w.m.records.lblDieciMigliori);
    t.w.routines.lblComandi_Click(A);
    EXPECT_FALSE(t.w.m.records.lblDieciMigliori);
    t.w.routines.lblComandi_Click(A);
    EXPECT_FALSE(t.w.t.TimerImpazienza.enabled());
}

TEST(Window, TheRegisterTheReviewAndTheFocusAtTheEndOfAGame) {
    Table t(12);
    Window& f = t.w.m.window;
    WindowRoutines& r = t.w.routines;
    // A click on the register hands the focus to a hidden button that Enter presses: at the end of a
    // game it closes the hall of fame and gives the focus back to the continue button.
    for (bool atTheEnd : {false, true}) {
        ASSERT_TRUE(!atTheEnd || t.playToTheEnd());
        r.lblComandi_Click(menu::Albo);
        r.LstAlbo_Click();
        t.w.tastoInvio();
        EXPECT_EQ(f.fraPannello[3].Visible, !atTheEnd);
        EXPECT_EQ(f.cmdContinuaOIniziaPartita.focus, atTheEnd);
        if (!atTheEnd) r.lblComandi_Click(menu::Albo);
    }
    r.lblApri_Click();  // no dialog answers: cancelled, and the game just played is reviewed
    EXPECT_TRUE(t.w.m.sounds.lblMusicaInterrotta);  // "Silenzio assoluto"
    EXPECT_FALSE(f.fraFineGioco.Visible || f.cmdContinuaOIniziaPartita.Enabled || f.lblSpiegaPannelloDati);
    EXPECT_TRUE(f.lblIstruzionePannelloDati && f.cmdSave.Visible && f.cmdInizioAnalisi.Visible);
    EXPECT_EQ(shown(f), "0/2");
    EXPECT_EQ(f.comandoAbilitato, (std::array<bool, 6>{true, false, false, false, false, true}));
    EXPECT_TRUE(f.cmdScegliManche.focus);
    // Tab goes round the five buttons, both ways; a cancelled opening gives ">>" the focus back.
    for (const Button* b : {&f.cmdTornaAlGioco, &f.cmdLoad, &f.cmdSave, &f.cmdInizioAnalisi, &f.cmdScegliManche}) {
        r.moveFocus(true);
        EXPECT_TRUE(b->focus);
    }
    r.moveFocus(false);
    EXPECT_TRUE(f.cmdInizioAnalisi.focus);
    r.pressReviewButton(3);
    EXPECT_TRUE(f.cmdScegliManche.focus);
    const int first = t.w.m.records.lblContaDati;
    for (int press = 0; press < 4; ++press) {  // Enter or ">>" steps the review, one event a press
        const int phase = t.w.m.records.lblContaDati;
        press % 2 ? t.w.tastoInvio() : r.pressReviewButton(1);
        EXPECT_NE(t.w.m.records.lblContaDati, phase) << press;
    }
    r.moveFocus(false);  // Enter presses the button with the focus, not ">>" because it shows
    t.w.tastoInvio();
    EXPECT_EQ(t.w.m.records.lblContaDati, first);
    EXPECT_TRUE(f.cmdScegliManche.focus);
    r.moveFocus(true);  // "Riprendi a giocare": the next game, with the menu open again
    t.w.tastoInvio();
    EXPECT_EQ(t.w.m.game.lblNumeroGioco, 2);
    EXPECT_EQ(f.comandoAbilitato, (std::array<bool, 6>{true, true, true, true, true, true}));
}

TEST(Keys, OneToThreePlayTheHandFromTheLeftWhenAClickCouldReachTheCard) {
    // What lies over the table first: nothing, a menu entry's panel or frame, or the farewell (-1).
    for (auto [cover, key, played] : {std::tuple{0, 1, 4}, {0, 2, 5}, {0, 3, 6}, {0, 0, 0}, {0, 4, 0},
                                      {menu::Dati, 3, 6}, {menu::Options, 1, 0}, {menu::Esci, 2, 0}, {-1, 1, 0}}) {
        Table t(1);
        ASSERT_TRUE(t.until([&] { return t.humanToPlay(); }));
        cover < 0 ? t.w.routines.lblSi_Click() : t.w.routines.lblComandi_Click(cover);
        t.w.routines.cardKey(key);
        EXPECT_EQ(t.w.m.game.lblNumeroCartaGiocataDaH, played) << cover << " key " << key;
    }
}

TEST(HitZones, EveryPointFindsWhatLiesOnTopAndOnlyThePlayableShowsTheHand) {
    Table t(1);
    ASSERT_TRUE(t.until([&] { return t.humanToPlay(); }));
    const Model& m = t.w.m;
    auto at = [&](const geometry::Rect& r) {  // the zone at the middle of a rectangle
        const auto z = geometry::zoneAt(geometry::hitZones(m), r.left + r.width / 2, r.top + r.height / 2).value();
        return std::pair(z.zone, z.index);
    };
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(at(geometry::menuEntry(i)), std::pair(Zone::MenuEntry, i));
    for (int s = 1; s <= 7; ++s) EXPECT_EQ(at(geometry::card(m.window.ImgCarta[s])), std::pair(Zone::Card, s));
    // Only the human's cards, on its turn, show the pointing hand; the register and the points never do.
    for (auto [zone, i, clickable] : {std::tuple{Zone::Card, 4, true}, {Zone::Card, 3, false}, {Zone::Card, 7, false},
                                      {Zone::MenuEntry, 5, true}, {Zone::RegisterList, 0, false},
                                      {Zone::PointsPC, 0, false}})
        EXPECT_EQ(geometry::clickable({zone, i, {}}, m), clickable) << int(zone) << " " << i;
    t.w.routines.lblComandi_Click(menu::Esci);  // the exit frame takes every click but its own
    EXPECT_EQ(at(geometry::exitAnswer(m.window.fraEsci, 1)), std::pair(Zone::ExitAnswer, 1));
    EXPECT_EQ(at(geometry::menuEntry(menu::Esci)), std::pair(Zone::MenuEntry, menu::Esci));
    t.w.routines.lblSi_Click();
    EXPECT_FALSE(geometry::clickable({Zone::MenuEntry, menu::Esci, {}}, m));  // the farewell has begun
    // The review's buttons lie below the data panel's grid, inside the left panel, none over another,
    // row after row with no empty row between, the two of the first row ending where the rows below end.
    const auto right = [](const geometry::Rect& r) { return r.left + r.width; };
    EXPECT_EQ(right(geometry::reviewButton(2)), right(geometry::reviewButton(1)));
    std::set<double> tops;
    for (int i = 0; i < 5; ++i) tops.insert(geometry::reviewButton(i).top);
    for (auto a = tops.begin(), b = std::next(a); b != tops.end(); ++a, ++b)
        EXPECT_LT(*b - *a, 2 * geometry::reviewButton(0).height) << *a << " to " << *b;
    for (int i = 0; i < 5; ++i) {
        const geometry::Rect b = geometry::reviewButton(i), p = geometry::LEFT_PANEL;
        EXPECT_TRUE(b.top >= geometry::DATA_BOTTOM && b.left >= p.left && b.left + b.width <= p.left + p.width) << i;
        for (int j = 0; j < i; ++j) {
            const geometry::Rect o = geometry::reviewButton(j);
            EXPECT_TRUE(b.left >= o.left + o.width || o.left >= b.left + b.width || b.top >= o.top + o.height ||
                        o.top >= b.top + b.height) << i << " over " << j;
        }
    }
}
