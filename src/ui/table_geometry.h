#pragma once
// Where things lie on the main window's table, in twips: the one table that
// the drawing paints from and that a click is looked up in.
#include <optional>
#include <vector>

#include "model/model.h"

namespace zelvo::geometry {

struct Rect {
    double left = 0, top = 0, width = 0, height = 0;
    constexpr bool contains(double x, double y) const {
        return x >= left && x < left + width && y >= top && y < top + height;
    }
};

// The table's design size.
constexpr double WIDTH = 12100, HEIGHT = 9100;
constexpr double CARD_W = 1185, CARD_H = 2415;

// The command menu, entries 1..5.
constexpr Rect menuEntry(int i) { return {10755, 3510 + 405.0 * (i - 1), 1185, 330}; }
// The taking button stands left of the trick, clear of the cards and of the left-hand panels.
constexpr Rect TAKING_BUTTON{2990, 3700, 1260, 1650};
// The left-hand panels (data, match) end before the right-hand ones (options, hall of fame) begin.
constexpr Rect LEFT_PANEL{110, 30, 2780, 8900};
constexpr Rect RIGHT_PANEL{2925, 30, 7700, 8900};
// The caption under the reading panel that turns its pages.
constexpr Rect RULES_CAPTION{200, 8500, 2600, 330};
// The names and the computer's points on the table.
constexpr Rect NAME_PC{8600, 360, 2000, 360}, NAME_H{8600, 8300, 2000, 360};
constexpr Rect POINTS_PC{8600, 760, 2000, 300}, POINTS_H{8600, 7950, 2000, 300};
// The options panel: one row an option, its caption and its value.
constexpr double OPTIONS_TOP = 560, OPTION_ROW = 385;
constexpr Rect optionCaption(int i) { return {RIGHT_PANEL.left + 200, OPTIONS_TOP + i * OPTION_ROW, 3300, OPTION_ROW}; }
constexpr Rect optionValue(int i) { return {RIGHT_PANEL.left + 3600, OPTIONS_TOP + i * OPTION_ROW, 3950, OPTION_ROW}; }
// The match register's list in the hall of fame, and its lines; below it, at the end of a
// game, the reminder of what Enter does (the panel covers the end-of-game frame).
constexpr Rect REGISTER_LIST{RIGHT_PANEL.left + 250, 5480, RIGHT_PANEL.width - 500, 3000};
constexpr double REGISTER_ROW = 290;
constexpr int REGISTER_ROWS = 10;
constexpr Rect HALL_REMINDER{RIGHT_PANEL.left + 250, 8540, RIGHT_PANEL.width - 500, 360};
// The end-of-game frame: its continue button with the two texts, and the three choices.
Rect endFrame(const Panel& frame);
Rect continueButton(const Panel& frame);
Rect endChoice(const Panel& frame, int i);
// The exit frame and its two answers (0 "- Si, purtroppo!", 1 "- Non ancora...").
Rect exitFrame(const Panel& frame);
Rect exitAnswer(const Panel& frame, int i);
// The review buttons of the data panel: 0 cmdInizioAnalisi, 1 cmdScegliManche, 2 cmdTornaAlGioco,
// 3 cmdLoad, 4 cmdSave. Four rows below the grid: " Inizia l'Analisi" beside "Riprendi a
// giocare", then ">>" across the panel, then the two archive buttons each on its own row, so
// that every caption stands on one line.
constexpr double DATA_BOTTOM = 7880;  // below the grid: the hint, or the review's buttons
Rect reviewButton(int i);
// Where the review's instructions lie until the first step: the middle of the table, where the
// trick is played and nothing lies yet.
constexpr Rect REVIEW_INSTRUCTIONS{3500, 3350, 5000, 2300};
// A card slot's picture.
Rect card(const Picture& p);

// What a click can hit, in the order it is looked for: the first zone that
// contains the point takes the click. A Blocked zone takes it and does nothing.
enum class Zone {
    Blocked, ExitAnswer, OptionCaption, OptionValue, RegisterList, PointsPC, EndChoice, ReviewButton,
    RulesCaption, TakingButton, ContinueButton, MenuEntry, Card,
};
struct HitZone {
    Zone zone;
    int index;  // which answer, option, choice, button, menu entry or slot
    Rect rect;
};
std::vector<HitZone> hitZones(const Model& m);
// A zone where a click does something now: the pointer shows a hand there.
bool clickable(const HitZone& z, const Model& m);
// The zone under a point, if any (a copy: the zones may be a temporary).
std::optional<HitZone> zoneAt(const std::vector<HitZone>& zones, double x, double y);

// The reading panel lies under the two left-hand panels, uncovered when both are closed.
bool rulesUncovered(const Window& w);
// A right-hand panel is open (and covers what lies under it).
bool rightPanelOpen(const Window& w);

}  // namespace zelvo::geometry
