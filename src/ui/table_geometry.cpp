#include "ui/table_geometry.h"

namespace zelvo::geometry {

Rect endFrame(const Panel& f) { return {double(f.Left), double(f.Top), 5400, 2500}; }
Rect continueButton(const Panel& f) { return {double(f.Left), double(f.Top), 5400, 1450}; }
Rect endChoice(const Panel& f, int i) { return {f.Left + 250.0, f.Top + 1500.0 + i * 300, 4900, 280}; }
Rect exitFrame(const Panel& f) { return {double(f.Left), double(f.Top), 4200, 1500}; }
Rect exitAnswer(const Panel& f, int i) { return {f.Left + 400.0, f.Top + 650.0 + i * 350, 3400, 330}; }

Rect reviewButton(int i) {
    constexpr double x = LEFT_PANEL.left + 85, full = LEFT_PANEL.width - 170, row = 260, height = 240;
    constexpr double top = DATA_BOTTOM + 20, firstWidth = 1100, gap = 40;
    switch (i) {
        case 0: return {x, top, firstWidth, height};
        case 2: return {x + firstWidth + gap, top, full - firstWidth - gap, height};
        case 1: return {x, top + row, full, height};
        default: return {x, top + (i - 1) * row, full, height};
    }
}

Rect card(const Picture& p) { return {double(p.Left), double(p.Top), CARD_W, CARD_H}; }

bool rulesUncovered(const Window& w) { return !w.fraPannello[0].Visible && !w.fraPannello[1].Visible; }
bool rightPanelOpen(const Window& w) { return w.fraPannello[2].Visible || w.fraPannello[3].Visible; }

std::vector<HitZone> hitZones(const Model& m) {
    const Window& w = m.window;
    std::vector<HitZone> z;
    // The exit frame waits for an answer: only its two answers and the menu entry that closes it.
    if (w.fraEsci.Visible) {
        for (int i = 0; i < 2; ++i) z.push_back({Zone::ExitAnswer, i, exitAnswer(w.fraEsci, i)});
        z.push_back({Zone::MenuEntry, menu::Esci, menuEntry(menu::Esci)});
        z.push_back({Zone::Blocked, 0, {0, 0, WIDTH, HEIGHT}});
        return z;
    }
    if (w.fraPannello[2].Visible)
        for (int i = 0; i < OPTION_COUNT; ++i) {
            z.push_back({Zone::OptionCaption, i, optionCaption(i)});
            z.push_back({Zone::OptionValue, i, optionValue(i)});
        }
    if (w.fraPannello[3].Visible) z.push_back({Zone::RegisterList, 0, REGISTER_LIST});
    // A right-hand panel lies over the table: what is under it cannot be clicked.
    if (rightPanelOpen(w)) z.push_back({Zone::Blocked, 0, RIGHT_PANEL});
    if (w.lblPuntiPCVista.Visible) z.push_back({Zone::PointsPC, 0, POINTS_PC});
    if (w.fraFineGioco.Visible)
        for (int i = 0; i < 3; ++i) z.push_back({Zone::EndChoice, i, endChoice(w.fraFineGioco, i)});
    if (w.fraPannello[0].Visible && w.cmdScegliManche.Visible)
        for (int i = 0; i < 5; ++i) z.push_back({Zone::ReviewButton, i, reviewButton(i)});
    if (rulesUncovered(w)) z.push_back({Zone::RulesCaption, 0, RULES_CAPTION});
    if (w.cmdEffettuaLaPresa.Visible) z.push_back({Zone::TakingButton, 0, TAKING_BUTTON});
    if (w.fraFineGioco.Visible) z.push_back({Zone::ContinueButton, 0, continueButton(w.fraFineGioco)});
    for (int i = 1; i <= 5; ++i) z.push_back({Zone::MenuEntry, i, menuEntry(i)});
    // The top-most picture first: slots are drawn in order.
    for (int s = 8; s >= 1; --s)
        if (w.ImgCarta[s].Visible) z.push_back({Zone::Card, s, card(w.ImgCarta[s])});
    return z;
}

bool clickable(const HitZone& z, const Model& m) {
    const GameAndMatch& g = m.game;
    switch (z.zone) {
        case Zone::Blocked:
        case Zone::PointsPC:
        case Zone::RegisterList: return false;
        case Zone::OptionCaption:
        case Zone::OptionValue: return m.options.isFree(static_cast<Option>(z.index));
        case Zone::MenuEntry:
            return m.window.comandoAbilitato[z.index] && !(z.index == menu::Esci && m.window.uscitaInCorso);
        case Zone::ContinueButton: return m.window.cmdContinuaOIniziaPartita.Enabled;
        case Zone::Card:
            return z.index >= 4 && z.index <= 6 && g.lblAChiTocca == Who::H && g.lblGiocoInCorso && g.lblPuoiGiocare;
        default: return true;
    }
}

std::optional<HitZone> zoneAt(const std::vector<HitZone>& zones, double x, double y) {
    for (const HitZone& h : zones)
        if (h.rect.contains(x, y)) return h;
    return std::nullopt;
}

}  // namespace zelvo::geometry
