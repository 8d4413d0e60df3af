// The review of a recorded game: the grid of the data panel is played again on
// the table, one event for each press of ">>". The phases of a trick are
//   1  the leader plays,
//   2  the follower plays (cell 10 turns yellow),
//   3  the trick is taken: the cards leave the middle, the marker moves to the
//      next row, the points and the new leader are shown,
//   4  while the stock lasts, the two drawn cards come into the hands.
// After trick 17 there is nothing to draw and phase 3 leads straight to 1.
// The noise of a step is chosen by the phase it would have in the full four-step
// cycle (2 and 3 the cards, 4 the taking, 1 the draw); once the stock has run out
// that cycle gives the cards and the taking other noises, so a card played from
// trick 18 on sounds as phase 1 (trick 18's leader keeps its "2"), and the taking
// that ends a game from trick 18 on sounds as phase 2, whose end sound that late
// the table holds.
#include "records/review.h"

#include "rules/rules.h"

namespace zelvo {

namespace {

// The middle of the table: frame and picture of each side's card.
constexpr int FRAME_PC_LEFT = 4320, FRAME_H_LEFT = 6120, FRAME_TOP = 3150;

int cellNumber(const std::string& s, int altrimenti) {
    if (s.empty() || s.size() > 4) return altrimenti;
    int n = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return altrimenti;
        n = n * 10 + (c - '0');
    }
    return n;
}

void sendHome(Window& f, int s) {
    f.ImgCarta[s].Left = place::LEFT[s];
    f.ImgCarta[s].Top = place::TOP[s];
    f.ShpCarta[s].Left = place::LEFT[s] - place::FRAME;
    f.ShpCarta[s].Top = place::TOP[s] - place::FRAME;
}

}  // namespace

void Review::PreparaAnalisi() {
    ReviewModel& m = m_;
    auto& d = m.data.lblDati;
    Window& f = m.window;

    // 1
    m.game.lblManche = 1;
    m.data.marcatoreTop = 1935;
    m.data.marcatoreVisibile = true;
    d[9].Caption.clear();
    d[10].Caption.clear();
    d[11].BackColor = d[12].BackColor = colour::WHITE;
    look_.RipristinaColoriDati();

    // 2-3. The dealt hands face up, the trump card, the deck face down.
    for (int s = 1; s <= 8; ++s) {
        f.ImgCarta[s].Visible = f.ShpCarta[s].Visible = false;
        sendHome(f, s);
    }
    for (int s = 1; s <= 7; ++s) {
        const std::string& codice = d[s + 1].Caption;
        int cella = cards::cellOf(codice);
        m.cards.clearSlot(s);
        if (!cella) continue;  // a cell that holds no card leaves its slot empty
        m.cards.lblCarta[s] = codice;
        m.cards.lblValore[s] = cards::valueOf(cella);
        m.cards.lblSeme[s] = cards::suitOf(cella);
        look_.showFace(s);
        f.ImgCarta[s].Visible = f.ShpCarta[s].Visible = true;
    }
    look_.showBack(8);
    f.ImgCarta[8].Visible = f.ShpCarta[8].Visible = true;

    // 4
    m.game.lblPuntiPC = m.game.lblPuntiH = 0;
    const bool pcInizia = d[8].BackColor == colour::RED;
    look_.highlight(pcInizia, !pcInizia);
    f.lblPC.ForeColor = f.lblH.ForeColor = colour::WHITE;

    // 5
    m.game.lblNumeroCarteRimaste = 34;
    f.lblCarteRimaste.Caption = "34";
    f.lblCarteRimaste.Visible = true;
    d[10].BackColor = colour::WHITE;
    d[14].Caption.clear();
    m.records.lblContaDati = 1;
}

void Review::cmdInizioAnalisi() {
    giveFocus(m_.window, m_.window.cmdScegliManche);
    PreparaAnalisi();
    events_.reviewStep(m_.records.lblContaDati);
}

void Review::cmdTornaAlGioco() { events_.backToGame(); }

void Review::interrupt(const char* message) {
    m_.data.lblDati[14].Caption = message;
    m_.data.marcatoreVisibile = false;
    giveFocus(m_.window, m_.window.cmdInizioAnalisi);
}

// A card of the current trick goes from its hand to the middle of the table.
void Review::playCard(bool pc) {
    ReviewModel& m = m_;
    auto& d = m.data.lblDati;
    Window& f = m.window;
    const int k = m.game.lblManche;
    DataCell& cella = d[pc ? cells::pcCard(k) : cells::humanCard(k)];
    const int primo = pc ? 1 : 4;
    int slot = 0;
    for (int s = primo; s < primo + 3 && !slot; ++s)
        if (f.ImgCarta[s].Visible && !cella.Caption.empty() && m.cards.lblCarta[s] == cella.Caption) slot = s;
    if (!slot) {
        interrupt("Analisi interrotta: carta non trovata nella mano");
        return;
    }
    const int left = pc ? FRAME_PC_LEFT : FRAME_H_LEFT;
    f.ShpCarta[slot].Left = left;
    f.ShpCarta[slot].Top = FRAME_TOP;
    f.ImgCarta[slot].Left = left + place::FRAME;
    f.ImgCarta[slot].Top = FRAME_TOP + place::FRAME;
    cella.ForeColor = colour::RED;
    d[pc ? 9 : 10].Caption = std::to_string(slot);
}

void Review::take() {
    ReviewModel& m = m_;
    auto& d = m.data.lblDati;
    Window& f = m.window;
    GameAndMatch& g = m.game;
    const int k = g.lblManche;

    // The two cards leave the middle.
    for (int c : {9, 10}) {
        int s = cellNumber(d[c].Caption, 0);
        if (s >= 1 && s <= 6) {
            f.ImgCarta[s].Visible = f.ShpCarta[s].Visible = false;
            sendHome(f, s);
        }
    }

    // Who took it: the background of the points cells; failing that, the card rule.
    const bool pcIniziava = d[11].BackColor == colour::RED;
    bool pcPrende;
    if (d[cells::pcPoints(k)].BackColor == colour::RED) pcPrende = true;
    else if (d[cells::humanPoints(k)].BackColor == colour::PINK) pcPrende = false;
    else {
        const int cp = cards::cellOf(d[cells::pcCard(k)].Caption), ch = cards::cellOf(d[cells::humanCard(k)].Caption);
        const std::string& trumpCard = d[8].Caption;
        const char trump = trumpCard.size() == 2 ? trumpCard[1] : rules::NO_TRUMP;
        pcPrende = cp && ch ? rules::computerTakes(cp, ch, pcIniziava, trump) : pcIniziava;
    }
    g.lblPuntiPC = cellNumber(d[cells::pcPoints(k)].Caption, g.lblPuntiPC);
    g.lblPuntiH = cellNumber(d[cells::humanPoints(k)].Caption, g.lblPuntiH);
    look_.highlight(pcPrende, !pcPrende);
    d[11].BackColor = pcPrende ? colour::RED : colour::WHITE;
    d[12].BackColor = pcPrende ? colour::WHITE : colour::PINK;

    // The marker moves to the next row.
    g.lblManche = k + 1;
    m.data.marcatoreTop += 270;
    if (k + 1 <= 20) {
        d[cells::pcCard(k + 1)].ForeColor = colour::BLUE;
        d[cells::humanCard(k + 1)].ForeColor = colour::BLUE;
    }

    // 5. A row without played cards: the game is over.
    if (k + 1 > 20 || d[cells::pcCard(k + 1)].Caption.empty() || d[cells::humanCard(k + 1)].Caption.empty()) {
        finish();
        return;
    }
    const bool pesca = k + 1 <= 18 && !d[cells::pcDraw(k + 1)].Caption.empty();
    if (!pesca) {
        if (g.lblNumeroCarteRimaste <= 0) f.lblCarteRimaste.Visible = false;
        d[9].Caption.clear();
        d[10].Caption.clear();
        d[10].BackColor = colour::WHITE;
    }
}

void Review::draw() {
    ReviewModel& m = m_;
    auto& d = m.data.lblDati;
    Window& f = m.window;
    GameAndMatch& g = m.game;
    const int k = g.lblManche;
    const int slotPC = cellNumber(d[9].Caption, 0), slotH = cellNumber(d[10].Caption, 0);
    if (slotPC < 1 || slotPC > 3 || slotH < 4 || slotH > 6) {
        interrupt("Analisi interrotta: dati della presa mancanti");
        return;
    }
    for (auto [cella, s] : {std::pair{cells::pcDraw(k), slotPC}, std::pair{cells::humanDraw(k), slotH}}) {
        const std::string& codice = d[cella].Caption;
        int c = cards::cellOf(codice);
        if (!c) {
            interrupt("Analisi interrotta: carta pescata non valida");
            return;
        }
        m.cards.lblCarta[s] = codice;
        m.cards.lblValore[s] = cards::valueOf(c);
        m.cards.lblSeme[s] = cards::suitOf(c);
        sendHome(f, s);
        look_.showFace(s);
        f.ImgCarta[s].Visible = f.ShpCarta[s].Visible = true;
        d[cella].ForeColor = colour::RED;
    }
    g.lblNumeroCarteRimaste -= 2;
    f.lblCarteRimaste.Caption = std::to_string(g.lblNumeroCarteRimaste);
    if (g.lblNumeroCarteRimaste <= 0) {
        // The stock is used up: the trump card and the deck have been drawn.
        f.lblCarteRimaste.Visible = false;
        for (int s : {7, 8}) f.ImgCarta[s].Visible = f.ShpCarta[s].Visible = false;
    }
    d[9].Caption.clear();
    d[10].Caption.clear();
    d[10].BackColor = colour::WHITE;
}

void Review::finish() {
    ReviewModel& m = m_;
    Window& f = m.window;
    m.data.lblDati[14].Caption = "Fine Analisi";
    m.data.marcatoreVisibile = false;
    f.lblPC.opaca = f.lblH.opaca = false;
    if (m.game.lblPuntiPC > 60) {
        f.lblPC.ForeColor = colour::YELLOW;
        f.lblPC.opaca = true;
    } else if (m.game.lblPuntiPC < 60) {
        f.lblH.ForeColor = colour::YELLOW;
        f.lblH.opaca = true;
    }
    giveFocus(f, f.cmdInizioAnalisi);
}

void Review::cmdScegliManche() {
    ReviewModel& m = m_;
    auto& d = m.data.lblDati;
    Window& f = m.window;
    int& fase = m.records.lblContaDati;

    // 1
    if (f.fraEsci.Visible || !d[14].Caption.empty()) return;

    // 2
    if (m.game.lblManche == 1 && fase == 1) {
        if (d[8].BackColor == colour::RED) d[11].BackColor = colour::RED;
        else d[12].BackColor = colour::PINK;
    }
    const bool pcInizia = d[11].BackColor == colour::RED;
    const int manche = m.game.lblManche;
    int faseSuono;

    if (d[10].BackColor == colour::WHITE) {
        // 3. The cards of the trick.
        if (fase == 1) {
            f.lblIstruzionePannelloDati = false;
            look_.highlight(false, false);
            playCard(pcInizia);
            fase = 2;
            faseSuono = manche <= 18 ? 2 : 1;
        } else {
            d[10].BackColor = colour::YELLOW;
            playCard(!pcInizia);
            fase = 3;
            faseSuono = manche < 18 ? 3 : 1;
        }
    } else if (fase == 4) {
        draw();
        fase = 1;
        faseSuono = 1;
    } else {
        // 4. The taking; a draw follows only while the stock lasts.
        take();
        fase = d[10].BackColor == colour::WHITE ? 1 : 4;
        const bool finita = !d[14].Caption.empty();
        faseSuono = finita && m.game.lblManche >= 18 ? 2 : 4;
    }
    events_.reviewStep(faseSuono);
}

}  // namespace zelvo
