#include "game/flow.h"

#include <cstdio>
#include <string>

#include "cards/deck.h"
#include "rules/rules.h"

namespace zelvo {

namespace {

// Slots of the deal, step 1..8, when the human leads and when the computer leads.
constexpr int DEAL_H[9] = {0, 4, 1, 5, 2, 6, 3, 7, 8};
constexpr int DEAL_PC[9] = {0, 1, 4, 2, 5, 3, 6, 7, 8};

// The step of a card travelling to the table, per slot, in twips per tick.
constexpr int STEP_X[7] = {0, 150, -150, -450, 450, 150, -150};
constexpr int STEP_Y = 495;

}  // namespace

// ---------------------------------------------------------------- helpers

void Flow::sendHome(int slot) {
    Window& f = m_.window;
    f.ImgCarta[slot].Visible = false;
    f.ShpCarta[slot].Visible = false;
    f.ImgCarta[slot].Left = place::LEFT[slot];
    f.ImgCarta[slot].Top = place::TOP[slot];
    f.ShpCarta[slot].Left = place::LEFT[slot] - place::FRAME;
    f.ShpCarta[slot].Top = place::TOP[slot] - place::FRAME;
}

void Flow::putOnTable(int slot, int left) {
    Window& f = m_.window;
    f.ImgCarta[slot].Left = left;
    f.ImgCarta[slot].Top = place::TOP_TRICK;
    f.ShpCarta[slot].Left = left - place::FRAME;
    f.ShpCarta[slot].Top = place::TOP_TRICK - place::FRAME;
}

void Flow::applyIntervals() {
    if (const int a = animationInterval(m_.options.get<CardAnimation>()); a > 0) {
        t_.TimerAnimazionecarteH.setInterval(a);
        t_.TimerAnimazionecartePC.setInterval(a);
    }
    t_.TimerEffettuaLaPresa.setInterval(takingInterval(m_.options.get<AutoTaking>()));
    t_.TimerAttesaDelPCaMuovere.setInterval(computerPause(m_.options.get<ResponseSpeed>()));
}

void Flow::takingOptionChanged() {
    applyIntervals();
    if (m_.options.get<AutoTaking>() != AutoTaking::No || !t_.TimerEffettuaLaPresa.enabled()) return;
    t_.TimerEffettuaLaPresa.disable();
    m_.window.cmdEffettuaLaPresa.Visible = true;
    giveFocus(m_.window, m_.window.cmdEffettuaLaPresa);
}

// Both cards are down: the taking follows by timer, or waits for the button.
void Flow::bothCardsDown() {
    if (m_.options.get<AutoTaking>() == AutoTaking::No) {
        m_.window.cmdEffettuaLaPresa.Visible = true;
        giveFocus(m_.window, m_.window.cmdEffettuaLaPresa);
    } else {
        t_.TimerEffettuaLaPresa.enable();
    }
}

// ---------------------------------------------------------------- set-up

void Flow::writeHeadings(bool newMatch) {
    m_.data.lblIndicazioniPannellodati1 = "Partita n. " + std::to_string(m_.records.lblTotalePartite + 1) +
                                          " - Gioco n. " + std::to_string(m_.game.lblNumeroGioco);
    if (newMatch) {
        const DateTime d = clock_.now();
        char buf[40];
        std::snprintf(buf, sizeof buf, "%d/%d/%02d - %d:%02d", d.day, d.month, d.year % 100, d.hour, d.minute);
        m_.data.lblIndicazioniPannellodati2 = buf;
    }
}

void Flow::NuovoGioco() {
    GameAndMatch& g = m_.game;
    Window& f = m_.window;
    DataPanel& d = m_.data;

    f.cmdContinuaOIniziaPartita.Enabled = false;
    f.cmdContinuaOIniziaPartita.focus = false;
    f.fraFineGioco.Visible = false;
    f.lblH.Caption = m_.playerName;
    d.lblDati[1].Caption = m_.playerName;

    const RandomGraphics graphics = m_.options.get<RandomGraphics>();
    if (graphics == RandomGraphics::AtEveryGame || (graphics == RandomGraphics::AtMatchStart && !g.lblPartitaInCorso))
        look_.randomGraphics(pick_);

    f.lblH.ForeColor = f.lblPC.ForeColor = colour::WHITE;
    look_.highlight(false, false);
    for (int i = 1; i <= 4; ++i) f.comandoAbilitato[i] = true;
    m_.cards.played.fill(false);
    m_.cards.trumpMarked = false;
    for (Button* b : {&f.cmdSave, &f.cmdLoad, &f.cmdInizioAnalisi, &f.cmdScegliManche, &f.cmdTornaAlGioco})
        b->Visible = false;
    f.lblSpiegaPannelloDati = true;
    look_.RipristinaColoriDati();

    for (int s = 1; s <= 8; ++s) sendHome(s);
    f.lblIstruzionePannelloDati = false;
    f.lblCarteRimaste.Visible = false;

    if (!g.lblPartitaInCorso) {
        for (int k = 1; k <= 5; ++k) f.shpPuntiH[k] = f.shpPuntiPC[k] = false;
        g.lblPartiteH = g.lblPartitePC = 0;
        g.lblSbirciata = false;
        g.lblNumeroGioco = 1;
        writeHeadings(true);
    } else {
        ++g.lblNumeroGioco;
        writeHeadings(false);
    }

    // The card rows of the record.
    for (int c = 2; c <= 12; ++c) d.lblDati[c].BackColor = colour::WHITE;
    for (int c = 2; c <= 10; ++c) d.lblDati[c].Caption.clear();
    for (int c = 15; c <= 132; ++c) {
        d.lblDati[c].Caption.clear();
        d.lblDati[c].BackColor = colour::WHITE;
    }
    g.lblManche = 1;
    d.marcatoreTop = 1935;
    d.marcatoreVisibile = true;

    look_.VisualizzaPunteggio();
    for (int c = 1; c <= 40; ++c) {
        m_.cards.lblCartaDaEstrarre[c].BackColor = colour::WHITE;
        m_.cards.lblCarteGiocate[c].BackColor = colour::WHITE;
        m_.cards.lblCarteGiocate[c].ForeColor = colour::BLACK;
    }

    // The starter alternates from game to game, across matches too.
    const Who starter = g.lblGiocoIniziatoDa == Who::H ? Who::PC : Who::H;
    g.lblGiocoIniziatoDa = g.lblAChiTocca = g.lblTurnoDiGioco = starter;

    g.lblPuntiPC = g.lblPuntiH = 0;
    g.lblNumeroCarteRimaste = rules::STOCK_AFTER_DEAL;
    cmdMescolaCarte(m_.cards, pick_);
    t_.TimerDistribuisciCarte.enable();

    if (m_.options.get<ShowCards>() == ShowCards::No) {
        for (int k = 2; k <= 18; ++k) d.lblDati[cells::pcDraw(k)].Visible = d.lblDati[cells::humanDraw(k)].Visible = false;
        d.intestazioniPescateVisibili = false;
    }
    g.lblPuoiGiocare = true;
}

// ---------------------------------------------------------------- the deal

void Flow::TimerDistribuisciCarte_Timer() {
    GameAndMatch& g = m_.game;

    // A lingering end-of-game remark ends; the deal may be commented.
    events_.dealStep();
    const bool faceUp = m_.options.get<ShowCards>() == ShowCards::Yes;
    if (faceUp) g.lblSbirciata = true;

    const int step = g.lblContatoreDistribuisciCarte;
    const int slot = g.lblGiocoIniziatoDa == Who::PC ? DEAL_PC[step] : DEAL_H[step];
    g.lblAChiTocca = g.lblGiocoIniziatoDa;
    cmdEstraiACasoUnaCarta(m_.cards, slot, pick_);
    if (slot == 8 || (!faceUp && slot <= 3)) look_.showBack(slot);
    else look_.showFace(slot);
    m_.window.ShpCarta[slot].Visible = true;
    m_.window.ImgCarta[slot].Visible = true;

    if (step < 8) {
        g.lblContatoreDistribuisciCarte = step + 1;
        return;
    }

    // The end of the deal.
    t_.TimerDistribuisciCarte.disable();
    events_.dealEnded(g.lblAChiTocca == Who::H);
    g.lblContatoreDistribuisciCarte = 1;

    // The dealt cards into the record.
    const char trump = m_.cards.lblSeme[7];
    for (int k = 1; k <= 7; ++k) {
        DataCell& cell = m_.data.lblDati[k + 1];
        cell.Caption = m_.cards.lblCarta[k];
        if (m_.cards.lblSeme[k] == trump) cell.BackColor = colour::TRUMP_YELLOW;
    }
    m_.data.lblDati[8].BackColor = g.lblGiocoIniziatoDa == Who::H ? colour::PINK : colour::RED;

    if (!m_.window.istruzioneCongedata) m_.window.lblIstruzioneIniziale.Visible = true;
    m_.window.lblCarteRimaste.Visible = true;
    m_.window.lblCarteRimaste.Caption = std::to_string(g.lblNumeroCarteRimaste);

    // The computer's first decision comes before the trump suit is marked in the grids.
    if (g.lblAChiTocca == Who::PC) {
        look_.highlight(true, false);
        weighCards();
    } else {
        look_.highlight(false, true);
        g.lblPuoiGiocare = g.lblGiocoInCorso = g.lblPartitaInCorso = true;
    }

    const int first = cards::suitBlockStart(trump);
    for (int c = first; first && c < first + 10; ++c) m_.cards.lblCarteGiocate[c].BackColor = colour::TRUMP_YELLOW;
    m_.cards.trumpMarked = first != 0;
}

// ---------------------------------------------------------------- the computer's thinking

strategy::Position Flow::position() const {
    const CardTable& c = m_.cards;
    const GameAndMatch& g = m_.game;
    strategy::Position p;
    p.trump = c.lblSeme[7];
    for (int s = 1; s <= 6; ++s) p.slot[s] = cards::cellOf(c.lblCarta[s]);
    p.played = c.played;
    p.trumpMarked = c.trumpMarked;
    p.computerLeads = g.lblTurnoDiGioco == Who::PC;
    p.humanSlot = g.lblNumeroCartaGiocataDaH;
    p.stock = g.lblNumeroCarteRimaste;
    p.pointsPC = g.lblPuntiPC;
    p.pointsH = g.lblPuntiH;
    p.filter60 = g.lblFiltro60Punti;
    p.standingChoice = g.lblCartaPCDaGiocare;
    return p;
}

void Flow::weighCards() {
    t_.TimerValoreAggiuntivo.enable();
    lastDecision_ = strategy::decide(position(), pick_);
}

void Flow::TimerValoreAggiuntivo_Timer() {
    GameAndMatch& g = m_.game;
    t_.TimerValoreAggiuntivo.disable();
    g.lblCartaPCDaGiocare = lastDecision_.slot;
    g.lblFiltro60Punti = lastDecision_.filter60;
    t_.TimerAttesaDelPCaMuovere.enable();
    g.lblGiocoInCorso = true;
    g.lblPartitaInCorso = true;
}

void Flow::decideNow() {
    GameAndMatch& g = m_.game;
    lastDecision_ = strategy::decide(position(), pick_);
    g.lblCartaPCDaGiocare = lastDecision_.slot;
}

// ---------------------------------------------------------------- the human's move

void Flow::ImgCarta_Click(int i) {
    GameAndMatch& g = m_.game;
    Window& f = m_.window;
    if (i < 4 || i > 6 || f.fraEsci.Visible || g.lblNumeroCarteRimaste <= -4) return;

    if (f.lblIstruzioneIniziale.Visible) {
        f.lblIstruzioneIniziale.Visible = false;
        f.istruzioneCongedata = true;
    }
    // Once played, a game fixes how it ends, and a match its level and length.
    if (g.lblGiocoInCorso) m_.options.lock(Option::GameEnd);
    if (g.lblPartitaInCorso) {
        m_.options.lock(Option::Level);
        m_.options.lock(Option::MatchEnd);
    }

    if (g.lblAChiTocca != Who::H || !g.lblGiocoInCorso || !g.lblPuoiGiocare || t_.TimerAnimazionecartePC.enabled())
        return;
    // A click on an empty slot (a card already played in the last tricks) is no move.
    if (m_.cards.lblCarta[i].empty() || !f.ImgCarta[i].Visible) return;

    g.lblPuoiGiocare = false;
    f.lblH.opaca = false;
    g.lblNumeroCartaGiocataDaH = i;
    g.lblUltimaCartaGiocata = m_.cards.lblValore[i];
    events_.noMoveAwaited();
    if (m_.options.get<ShowCards>() == ShowCards::Yes) g.lblSbirciata = true;

    playHumanCard(i);
}

// The human's card goes to the table; shared with the last card that goes by itself.
void Flow::playHumanCard(int slot) {
    GameAndMatch& g = m_.game;
    if (g.lblNumeroCarteRimaste < 1) --g.lblNumeroCarteRimaste;
    if (m_.options.get<CardAnimation>() != CardAnimation::No) {
        t_.TimerAnimazionecarteH.enable();
        markHumanCard(slot);  // marked at the click, while the card is still moving
    } else {
        m_.window.ImgCarta[slot].Visible = m_.window.ShpCarta[slot].Visible = false;
        putOnTable(slot, place::LEFT_HUMAN);
        m_.window.ImgCarta[slot].Visible = m_.window.ShpCarta[slot].Visible = true;
        humanCardLanded();
        markHumanCard(slot);
    }
}

void Flow::markHumanCard(int slot) {
    m_.game.lblCartaGiocata = m_.cards.lblCarta[slot];
    SegnaCartaGiocata(m_.cards, m_.game.lblCartaGiocata, true);
}

void Flow::humanCardLanded() {
    GameAndMatch& g = m_.game;
    if (g.lblTurnoDiGioco != Who::H) {
        // The human answered: both cards are down.
        g.lblAChiTocca = Who::Nobody;
        events_.trickComplete();
        bothCardsDown();
        return;
    }
    g.lblAChiTocca = Who::PC;
    events_.cardDown();
    const int d = g.lblNumeroCarteRimaste;
    if (d >= 0) {
        weighCards();
    } else if (d == -1 || d == -3) {
        decideNow();
        t_.TimerAttesaDelPCaMuovere.enable();
    } else if (d == -5) {
        UnicaCartaPC();
        t_.TimerAttesaDelPCaMuovere.enable();
    }
}

void Flow::TimerAnimazionecarteH_Timer() {
    Window& f = m_.window;
    const int s = m_.game.lblNumeroCartaGiocataDaH;
    if (s < 4 || s > 6) {
        t_.TimerAnimazionecarteH.disable();
        return;
    }
    f.ImgCarta[s].Left += STEP_X[s];
    f.ImgCarta[s].Top -= STEP_Y;
    f.ShpCarta[s].Left += STEP_X[s];
    f.ShpCarta[s].Top -= STEP_Y;
    if (f.ImgCarta[s].Top <= place::TOP_TRICK) {
        t_.TimerAnimazionecarteH.disable();
        humanCardLanded();
    }
}

void Flow::TimerUltimacartaH_Timer() {
    t_.TimerUltimacartaH.disable();
    GiocaUltimaCartaH();
}

void Flow::GiocaUltimaCartaH() {
    int slot = 0;
    for (int s = 4; s <= 6 && !slot; ++s)
        if (m_.window.ImgCarta[s].Visible) slot = s;
    if (!slot) return;
    m_.game.lblPuoiGiocare = false;
    m_.window.lblH.opaca = false;
    m_.game.lblNumeroCartaGiocataDaH = slot;
    playHumanCard(slot);
}

// ---------------------------------------------------------------- the computer's move

void Flow::TimerAttesaDelPCaMuovere_Timer() {
    const int d = m_.game.lblNumeroCarteRimaste;
    t_.TimerAttesaDelPCaMuovere.disable();
    t_.TimerAttesaDelPCaMuovere.setInterval(computerPause(m_.options.get<ResponseSpeed>()));
    VariaAttesaPC();
    const Level level = m_.options.get<Level>();
    if (level != Level::A && d >= 1)
        m_.game.lblCartaPCDaGiocare = strategy::ApplicaLivello(levelNumber(level), m_.game.lblCartaPCDaGiocare, pick_).slot;
    GiocaCartaPC();
}

void Flow::VariaAttesaPC() {
    const int k = pick_.NumeroCasuale(22);
    int delta = 0;
    if (k == 1) delta = 150;
    else if (k <= 3) delta = 100;
    else if (k <= 7) delta = 50;
    else if (k <= 11) delta = -50;
    else if (k <= 13) delta = -100;
    else if (k == 14) delta = -150;
    Timer& t = t_.TimerAttesaDelPCaMuovere;
    if (delta) t.setInterval(t.interval() + delta);
}

void Flow::GiocaCartaPC() {
    GameAndMatch& g = m_.game;
    Window& f = m_.window;
    int s = g.lblCartaPCDaGiocare;
    if (s < 1 || s > 3 || m_.cards.lblCarta[s].empty()) {
        // A chain that left no playable slot: the first card in hand goes.
        UnicaCartaPC();
        s = g.lblCartaPCDaGiocare;
        if (s < 1 || s > 3) return;
    }

    f.lblIstruzioneIniziale.Visible = false;
    if (g.lblNumeroCarteRimaste < 1) --g.lblNumeroCarteRimaste;
    g.lblNumeroCartaGiocataDaPC = s;
    g.lblUltimaCartaGiocata = m_.cards.lblValore[s];
    f.lblPC.opaca = false;

    const bool animated = m_.options.get<CardAnimation>() != CardAnimation::No;
    if (!animated) {
        f.ImgCarta[s].Visible = f.ShpCarta[s].Visible = false;
        putOnTable(s, place::LEFT_PC);
        look_.showFace(s);
        f.ImgCarta[s].Visible = f.ShpCarta[s].Visible = true;
    } else {
        t_.TimerAnimazionecartePC.enable();
    }

    // The move passes at once, also while the card is still moving.
    if (g.lblTurnoDiGioco == Who::H) {
        if (animated) events_.cardDown();
        else events_.trickComplete();
        bothCardsDown();
    } else {
        g.lblAChiTocca = Who::H;
        g.lblPuoiGiocare = true;
        events_.humanToPlay();
        events_.cardDown();
    }

    g.lblCartaGiocata = m_.cards.lblCarta[s];
    SegnaCartaGiocata(m_.cards, g.lblCartaGiocata, false);

    // The computer has led the last trick: the human's last card follows by itself.
    if (g.lblNumeroCarteRimaste == -5) t_.TimerUltimacartaH.enable();
}

void Flow::UnicaCartaPC() {
    for (int s = 1; s <= 3; ++s)
        if (!m_.cards.lblCarta[s].empty()) {
            m_.game.lblCartaPCDaGiocare = s;
            return;
        }
}

void Flow::GiocaUltimaCartaPC() {
    UnicaCartaPC();
    t_.TimerAttesaDelPCaMuovere.enable();
    GameAndMatch& g = m_.game;
    g.lblGiocoInCorso = g.lblPartitaInCorso = g.lblPuoiGiocare = true;
}

void Flow::TimerAnimazionecartePC_Timer() {
    Window& f = m_.window;
    const int s = m_.game.lblNumeroCartaGiocataDaPC;
    if (s < 1 || s > 3) {
        t_.TimerAnimazionecartePC.disable();
        return;
    }
    f.ImgCarta[s].Left += STEP_X[s];
    f.ImgCarta[s].Top += STEP_Y;
    f.ShpCarta[s].Left += STEP_X[s];
    f.ShpCarta[s].Top += STEP_Y;
    if (f.ImgCarta[s].Top < place::TOP_TRICK) return;

    t_.TimerAnimazionecartePC.disable();
    f.ImgCarta[s].Visible = f.ShpCarta[s].Visible = false;
    putOnTable(s, place::LEFT_PC);
    look_.showFace(s);
    f.ImgCarta[s].Visible = f.ShpCarta[s].Visible = true;
    if (m_.game.lblTurnoDiGioco == Who::PC) {
        events_.cardDown();
    } else {
        bothCardsDown();
        events_.trickComplete();
    }
}

// ---------------------------------------------------------------- the taking

void Flow::cmdEffettuaLaPresa_Click() {
    if (t_.TimerAnimazionecartePC.enabled()) return;  // the computer's card is still moving
    m_.window.cmdEffettuaLaPresa.Visible = false;
    m_.window.cmdEffettuaLaPresa.focus = false;
    t_.TimerEffettuaLaPresa.setInterval(10);
    t_.TimerEffettuaLaPresa.enable();
}

void Flow::TimerEffettuaLaPresa_Timer() {
    GameAndMatch& g = m_.game;
    CardTable& c = m_.cards;
    const int d = g.lblNumeroCarteRimaste;
    const int p = g.lblNumeroCartaGiocataDaPC, h = g.lblNumeroCartaGiocataDaH;

    t_.TimerEffettuaLaPresa.disable();
    events_.trickTaken(d);

    const int pcCard = cards::cellOf(c.lblCarta[p]), humanCard = cards::cellOf(c.lblCarta[h]);
    const Who winner =
        rules::computerTakes(pcCard, humanCard, g.lblTurnoDiGioco == Who::PC, c.lblSeme[7]) ? Who::PC : Who::H;
    (winner == Who::PC ? g.lblPuntiPC : g.lblPuntiH) += rules::trickPoints(pcCard, humanCard);
    g.lblTurnoDiGioco = g.lblAChiTocca = winner;
    look_.highlight(winner == Who::PC, winner == Who::H);

    // The cards of the trick turn from blue to the winner's colour in the played-cards grid.
    for (int k = 1; k <= 40; ++k)
        if (c.lblCarteGiocate[k].ForeColor == colour::BLUE)
            c.lblCarteGiocate[k].ForeColor = winner == Who::PC ? colour::WHITE : colour::BLACK;

    RegistraPresa();
    // The computer's evaluation is cleared; once the stock is gone, its choice too.
    lastDecision_ = {};
    if (d <= 0) g.lblCartaPCDaGiocare = 0;

    if (rules::passesSixty(g.lblPuntiPC)) g.lblVincitore = 1;
    if (rules::passesSixty(g.lblPuntiH)) g.lblVincitore = 2;

    if (m_.options.get<GameEnd>() == GameEnd::FirstPastSixty && g.lblVincitore != 0) {
        TogliPresa();
        if (d <= 0) {
            c.clearSlot(h);
            c.clearSlot(p);
        }
        FineGioco();
    } else if (m_.options.get<CardAnimation>() != CardAnimation::No) {
        t_.TimerPrendicarte.enable();
    } else {
        clearTrick();
    }

    // A taking started by the button does not leave 10 ms behind.
    t_.TimerEffettuaLaPresa.setInterval(takingInterval(m_.options.get<AutoTaking>()));
}

void Flow::clearTrick() {
    GameAndMatch& g = m_.game;
    const int d = g.lblNumeroCarteRimaste;
    TogliPresa();
    if (d <= 0) {
        m_.cards.clearSlot(g.lblNumeroCartaGiocataDaH);
        m_.cards.clearSlot(g.lblNumeroCartaGiocataDaPC);
    }
    const bool pc = g.lblTurnoDiGioco == Who::PC;
    switch (rules::drawAfterTrick(d)) {
        case rules::Draw::TwoFromStock: t_.TimerPesca.enable(); return;
        case rules::Draw::StockAndTrump: t_.TimerPescaUltimeDue.enable(); return;
        case rules::Draw::None: break;
    }
    if (d == -2) {
        if (pc) {
            decideNow();
            t_.TimerAttesaDelPCaMuovere.enable();
        }
        g.lblGiocoInCorso = g.lblPartitaInCorso = g.lblPuoiGiocare = true;
    } else if (d == -4) {
        if (pc) {
            GiocaUltimaCartaPC();
        } else {
            g.lblGiocoInCorso = g.lblPartitaInCorso = g.lblPuoiGiocare = true;
            t_.TimerUltimacartaH.enable();
        }
    } else if (d == -6) {
        FineGioco();
    }
}

void Flow::TimerPrendicarte_Timer() {
    Window& f = m_.window;
    Timer& timer = t_.TimerPrendicarte;
    timer.setInterval(t_.TimerAnimazionecartePC.interval());
    const int p = m_.game.lblNumeroCartaGiocataDaPC, h = m_.game.lblNumeroCartaGiocataDaH;
    const int step = m_.game.lblTurnoDiGioco == Who::H ? STEP_Y : -STEP_Y;
    for (int s : {p, h}) {
        f.ImgCarta[s].Top += step;
        f.ShpCarta[s].Top += step;
    }
    const int arrival = step > 0 ? place::TOP[4] : place::TOP[1];
    if (step > 0 ? f.ImgCarta[h].Top < arrival : f.ImgCarta[h].Top > arrival) return;
    timer.disable();
    clearTrick();
}

void Flow::RegistraPresa() {
    GameAndMatch& g = m_.game;
    const CardTable& c = m_.cards;
    auto& d = m_.data.lblDati;
    const int r = g.lblManche;
    const int p = g.lblNumeroCartaGiocataDaPC, h = g.lblNumeroCartaGiocataDaH;
    const char trump = c.lblSeme[7];
    if (r >= 1 && r <= rules::TRICKS_IN_GAME) {
        d[cells::pcCard(r)].Caption = c.lblCarta[p];
        if (c.lblSeme[p] == trump) d[cells::pcCard(r)].BackColor = colour::TRUMP_YELLOW;
        d[cells::humanCard(r)].Caption = c.lblCarta[h];
        if (c.lblSeme[h] == trump) d[cells::humanCard(r)].BackColor = colour::TRUMP_YELLOW;
        d[cells::pcPoints(r)].Caption = std::to_string(g.lblPuntiPC);
        d[cells::humanPoints(r)].Caption = std::to_string(g.lblPuntiH);
        if (g.lblTurnoDiGioco == Who::PC) d[cells::pcPoints(r)].BackColor = colour::RED;
        else d[cells::humanPoints(r)].BackColor = colour::PINK;
    }
    ++g.lblManche;
    m_.data.marcatoreTop += 270;
    if (g.lblManche == rules::TRICKS_IN_GAME + 1) m_.data.marcatoreVisibile = false;
}

void Flow::TogliPresa() {
    sendHome(m_.game.lblNumeroCartaGiocataDaPC);
    sendHome(m_.game.lblNumeroCartaGiocataDaH);
}

// ---------------------------------------------------------------- the draws

void Flow::showDrawn(int slot, bool computers) {
    if (computers && m_.options.get<ShowCards>() != ShowCards::Yes) {
        m_.window.ImgCarta[slot].BorderStyle = 0;
        look_.showBack(slot);
    } else {
        look_.showFace(slot);
    }
    m_.window.ImgCarta[slot].Visible = m_.window.ShpCarta[slot].Visible = true;
}

void Flow::recordDraws() {
    const int r = m_.game.lblManche - 1;
    const int p = m_.game.lblNumeroCartaGiocataDaPC, h = m_.game.lblNumeroCartaGiocataDaH;
    if (r < 1 || r > 17) return;
    const char trump = m_.cards.lblSeme[7];
    DataCell& cp = m_.data.lblDati[cells::pcDraw(r + 1)];
    DataCell& ch = m_.data.lblDati[cells::humanDraw(r + 1)];
    cp.Caption = m_.cards.lblCarta[p];
    if (m_.cards.lblSeme[p] == trump) cp.BackColor = colour::TRUMP_YELLOW;
    ch.Caption = m_.cards.lblCarta[h];
    if (m_.cards.lblSeme[h] == trump) ch.BackColor = colour::TRUMP_YELLOW;
}

namespace {

// After a trick: whether the computer took it, and the slots the winner and the loser played from.
struct TakenSlots {
    bool pcWon;
    int winner, loser;
};

TakenSlots takenSlots(const GameAndMatch& g) {
    const bool pcWon = g.lblTurnoDiGioco == Who::PC;
    const int pc = g.lblNumeroCartaGiocataDaPC, h = g.lblNumeroCartaGiocataDaH;
    return {pcWon, pcWon ? pc : h, pcWon ? h : pc};
}

}  // namespace

void Flow::TimerPesca_Timer() {
    GameAndMatch& g = m_.game;
    events_.cardDrawn();

    const auto [pcWon, winnerSlot, loserSlot] = takenSlots(g);
    if (g.lblNumeroCartaAnalizzata == 1) {
        // The winner draws first.
        g.lblNumeroCartaAnalizzata = 2;
        --g.lblNumeroCarteRimaste;
        cmdEstraiACasoUnaCarta(m_.cards, winnerSlot, pick_);
        showDrawn(winnerSlot, pcWon);
        return;
    }
    g.lblNumeroCartaAnalizzata = 1;
    --g.lblNumeroCarteRimaste;
    cmdEstraiACasoUnaCarta(m_.cards, loserSlot, pick_);
    showDrawn(loserSlot, !pcWon);
    m_.window.lblCarteRimaste.Caption = std::to_string(g.lblNumeroCarteRimaste);

    recordDraws();
    g.lblNumeroCartaGiocataDaPC = g.lblNumeroCartaGiocataDaH = 0;
    if (g.lblTurnoDiGioco == Who::PC) weighCards();
    t_.TimerPesca.disable();
    drawsDone();
}

void Flow::drawsDone() {
    m_.game.lblPuoiGiocare = true;
    if (m_.game.lblAChiTocca == Who::H) events_.humanToPlayAfterDraw();
}

void Flow::TimerPescaUltimeDue_Timer() {
    GameAndMatch& g = m_.game;
    Window& f = m_.window;
    events_.cardDrawn();

    const auto [pcWon, winnerSlot, loserSlot] = takenSlots(g);
    if (g.lblNumeroCartaAnalizzata == 1) {
        // The winner takes the last face-down card, from the deck slot.
        g.lblNumeroCartaAnalizzata = 2;
        --g.lblNumeroCarteRimaste;
        m_.cards.copy(8, winnerSlot);
        f.ImgCarta[8].Visible = f.ShpCarta[8].Visible = false;
        showDrawn(winnerSlot, pcWon);
        return;
    }
    // The loser takes the trump card, face up.
    g.lblNumeroCartaAnalizzata = 1;
    --g.lblNumeroCarteRimaste;
    m_.cards.copy(7, loserSlot);
    f.ImgCarta[7].Visible = f.ShpCarta[7].Visible = false;
    f.lblCarteRimaste.Visible = false;
    look_.showFace(loserSlot);
    f.ImgCarta[loserSlot].Visible = f.ShpCarta[loserSlot].Visible = true;

    recordDraws();
    g.lblNumeroCartaGiocataDaPC = g.lblNumeroCartaGiocataDaH = 0;
    if (g.lblTurnoDiGioco == Who::PC) {
        decideNow();
        t_.TimerAttesaDelPCaMuovere.enable();
        g.lblGiocoInCorso = g.lblPartitaInCorso = true;
    }
    t_.TimerPescaUltimeDue.disable();
    drawsDone();
}

// ---------------------------------------------------------------- the end of a game

void Flow::FineGioco() {
    GameAndMatch& g = m_.game;
    AggiornaPartita();
    events_.noMoveAwaited();

    const Ceremony ceremony = m_.options.get<Ceremony>();
    const bool award =
        ceremony == Ceremony::EveryGame || (ceremony == Ceremony::EndOfMatch && !g.lblPartitaInCorso);
    if (!award || g.lblVincitore == 0) {
        MostraFineGioco();
        return;
    }
    const int v = g.lblVincitore;
    Picture& flag = m_.window.ImgBandiera[v];
    flag.Picture = v == 1 ? "C:\\Programmi\\Zelvo\\Grafica\\Inghil.bmp" : "C:\\Programmi\\Zelvo\\Grafica\\Italia.bmp";
    flag.Visible = true;
    for (int s = 1; s <= 8; ++s) m_.window.ImgCarta[s].Visible = m_.window.ShpCarta[s].Visible = false;
    t_.TimerBandiera.enable();
    events_.anthem(v == 1 ? Who::PC : Who::H);
}

void Flow::AggiornaPartita() {
    GameAndMatch& g = m_.game;
    Window& f = m_.window;
    g.lblGiocoInCorso = false;
    if (g.lblVincitore == 1) {
        look_.highlight(true, false);
        ++g.lblPartitePC;
        for (int k = 1; k <= g.lblPartitePC && k <= 5; ++k) f.shpPuntiPC[k] = true;
        g.lblUltimoVincitore = Who::PC;
    } else if (g.lblVincitore == 2) {
        look_.highlight(false, true);
        ++g.lblPartiteH;
        for (int k = 1; k <= g.lblPartiteH && k <= 5; ++k) f.shpPuntiH[k] = true;
        g.lblUltimoVincitore = Who::H;
    } else {
        look_.highlight(false, false);
        g.lblUltimoVincitore = Who::Nobody;
    }
    g.lblFiltro60Punti = false;
    // The final score is always shown.
    f.lblPuntiHVista.Visible = f.lblPuntiPCVista.Visible = true;
    f.lblPuntiHScritta.Visible = f.lblPuntiPCScritta.Visible = true;

    if (rules::matchOver(g.lblPartitePC, g.lblPartiteH, gamesToWin(m_.options.get<MatchEnd>())))
        g.lblPartitaInCorso = false;

    m_.options.free(Option::GameEnd);
    if (!g.lblPartitaInCorso) {
        m_.options.free(Option::Level);
        m_.options.free(Option::MatchEnd);
    }
}

void Flow::MostraFineGioco() {
    GameAndMatch& g = m_.game;
    Window& f = m_.window;

    events_.endPanelShown();
    if (g.lblPartitaInCorso) {
        f.lblFineGioco1 =
            "Se vuoi continuare subito la Partita con un nuovo Gioco premi il tasto INVIO, altrimenti clicca su una "
            "delle seguenti opzioni:";
        f.lblFineGioco2 =
            "Ricordati che prima di continuare la Partita puoi ora modificare, se vuoi, anche l'opzione di "
            "'Conclusione del Gioco' nell'apposito 'Pannello Opzioni'.";
    } else {
        f.lblFineGioco1 =
            "Se vuoi iniziare subito una nuova Partita premi il tasto INVIO, altrimenti clicca su una delle seguenti "
            "opzioni:";
        f.lblFineGioco2 =
            "Ricordati che prima di iniziare una nuova Partita puoi ora modificare, se vuoi, tutte le opzioni presenti "
            "nell'apposito 'Pannello Opzioni'.";
        events_.matchOver();
        f.fraPannello[3] = {true, 2925, 30};
        f.lblComandi[menu::Albo] = colour::GREEN;
    }

    // The match panel replaces the options and data panels.
    f.fraPannello[2].Visible = false;
    f.lblComandi[menu::Options] = colour::WHITE;
    f.fraPannello[0].Visible = false;
    f.lblComandi[menu::Dati] = colour::WHITE;
    f.fraPannello[1] = {true, 110, 30};
    f.lblComandi[menu::Partita] = colour::GREEN;

    g.lblVincitore = 0;
    f.cmdContinuaOIniziaPartita.Enabled = true;
    giveFocus(f, f.cmdContinuaOIniziaPartita);
    f.fraFineGioco = {false, 3420, 3030};
    for (int k = 2; k <= 18; ++k)
        m_.data.lblDati[cells::pcDraw(k)].Visible = m_.data.lblDati[cells::humanDraw(k)].Visible = true;
    m_.data.intestazioniPescateVisibili = true;
    m_.data.marcatoreVisibile = false;
    f.fraFineGioco.Visible = true;
    events_.noMoveAwaited();
}

void Flow::TimerBandiera_Timer() {
    GameAndMatch& g = m_.game;
    const int t = ++g.lblcontatorebandiera;
    const int v = g.lblVincitore == 1 ? 1 : 2;
    Window& f = m_.window;
    // The flag moves 148.5 twips a tick towards the middle of the table and back.
    const double step = v == 1 ? 148.5 : -148.5;
    if (t >= 2 && t <= 20) f.bandieraTop[v] += step;
    else if (t >= 25 && t <= 44) f.bandieraTop[v] -= step;
    f.ImgBandiera[v].Top = static_cast<int>(f.bandieraTop[v] + (f.bandieraTop[v] >= 0 ? 0.5 : -0.5));
    if (t < 45) return;
    f.ImgBandiera[v].Visible = false;
    f.cmdContinuaOIniziaPartita.Enabled = true;
    MostraFineGioco();
    events_.flagGone();
    t_.TimerBandiera.disable();
    g.lblcontatorebandiera = 0;
}

void Flow::cmdContinuaOIniziaPartita_Click() {
    if (!m_.window.cmdContinuaOIniziaPartita.Enabled) return;
    if (m_.sounds.lblInterdiciSuoni) return;  // a sound that must not be cut is playing
    events_.nextGame();
    NuovoGioco();
}

}  // namespace zelvo
