#include "game/gioco.h"

#include <cstdio>
#include <string>

#include "platform/clock.h"
#include "rules/rules.h"
#include "strategy/decision.h"
#include "ui/principale.h"

namespace zelvo {

namespace {

// Slots of the deal, step 1..8, when the human leads and when the computer leads.
constexpr int DEAL_H[9] = {0, 4, 1, 5, 2, 6, 3, 7, 8};
constexpr int DEAL_PC[9] = {0, 1, 4, 2, 5, 3, 6, 7, 8};

// The step of a card travelling to the table, per slot, in twips per tick.
constexpr int PASSO_X[7] = {0, 150, -150, -450, 450, 150, -150};
constexpr int PASSO_Y = 495;

const char* const APPENA_60 = "Appena uno supera 60 punti";

}  // namespace

// ---------------------------------------------------------------- helpers

void Flow::mettiACasa(int slot) {
    Window& f = w_.m.window;
    f.ImgCarta[slot].Visible = false;
    f.ShpCarta[slot].Visible = false;
    f.ImgCarta[slot].Left = place::LEFT[slot];
    f.ImgCarta[slot].Top = place::TOP[slot];
    f.ShpCarta[slot].Left = place::LEFT[slot] - place::FRAME;
    f.ShpCarta[slot].Top = place::TOP[slot] - place::FRAME;
}

void Flow::mettiSulTavolo(int slot, int left) {
    Window& f = w_.m.window;
    f.ImgCarta[slot].Left = left;
    f.ImgCarta[slot].Top = place::TOP_TRICK;
    f.ShpCarta[slot].Left = left - place::FRAME;
    f.ShpCarta[slot].Top = place::TOP_TRICK - place::FRAME;
}

void Flow::applicaIntervalli() {
    const Options& o = w_.m.options;
    Timers& t = w_.t;
    if (int a = intervalloAnimazione(o[opz::Animazione]); a > 0) {
        t.TimerAnimazionecarteH.setInterval(a);
        t.TimerAnimazionecartePC.setInterval(a);
    }
    t.TimerEffettuaLaPresa.setInterval(intervalloPresa(o[opz::PresaAutomatica]));
    t.TimerAttesaDelPCaMuovere.setInterval(intervalloAttesaPC(o[opz::VelocitaRisposta]));
}

void Flow::suonoCarta() {
    if (w_.m.options.is(opz::Noises, "Si") && !w_.m.sounds.lblInterdiciSuoni) w_.noises.SuonaCarta();
}

void Flow::commentoOSuono() {
    if (w_.m.options.is(opz::Loquacita, "Taciturno")) suonoCarta();
    else w_.commentary.CommentaPresa();
}

// Both cards are down: the taking follows by timer, or waits for the button.
void Flow::presaPronta() {
    if (w_.m.options.is(opz::PresaAutomatica, "No")) {
        w_.m.window.cmdEffettuaLaPresa.Visible = true;
        giveFocus(w_.m.window, w_.m.window.cmdEffettuaLaPresa);
    } else {
        w_.t.TimerEffettuaLaPresa.enable();
    }
}

Who Flow::vincitorePresa(int p, int h) const {
    const CardTable& c = w_.m.cards;
    const int pc = cards::cellOf(c.lblCarta[p]), human = cards::cellOf(c.lblCarta[h]);
    return rules::computerTakes(pc, human, w_.m.game.lblTurnoDiGioco == Who::PC, c.lblSeme[7]) ? Who::PC : Who::H;
}

// ---------------------------------------------------------------- set-up

void Flow::scriviIntestazione(bool nuovaPartita) {
    Model& m = w_.m;
    m.data.lblIndicazioniPannellodati1 = "Partita n. " + std::to_string(m.game.lblTotalePartite + 1) +
                                         " - Gioco n. " + std::to_string(m.game.lblNumeroGioco);
    if (nuovaPartita) {
        DataOra d = w_.piattaforma.clock.now();
        char buf[40];
        std::snprintf(buf, sizeof buf, "%d/%d/%02d - %d:%02d", d.giorno, d.mese, d.anno % 100, d.ora, d.minuto);
        m.data.lblIndicazioniPannellodati2 = buf;
    }
}

void Flow::NuovoGioco() {
    Model& m = w_.m;
    GameAndMatch& g = m.game;
    Window& f = m.window;
    DataPanel& d = m.data;

    // 1-2
    f.cmdContinuaOIniziaPartita.Enabled = false;
    f.cmdContinuaOIniziaPartita.focus = false;
    f.fraFineGioco.Visible = false;
    f.lblH.Caption = m.playerName;
    d.lblDati[1].Caption = m.playerName;

    // 3. Random graphics.
    const std::string& grafica = m.options[opz::GraficaCasuale];
    if (grafica == "All'inizio di ogni Gioco" || (grafica == "All'inizio della Partita" && !g.lblPartitaInCorso))
        w_.routines.graficaCasuale();

    // 4-5
    f.lblH.ForeColor = f.lblPC.ForeColor = colour::WHITE;
    w_.routines.evidenzia(false, false);
    for (int i = 1; i <= 4; ++i) f.comandoAbilitato[i] = true;
    m.cards.played.fill(false);
    m.cards.trumpMarked = false;
    for (Button* b : {&f.cmdSave, &f.cmdLoad, &f.cmdInizioAnalisi, &f.cmdScegliManche, &f.cmdTornaAlGioco})
        b->Visible = false;
    f.lblSpiegaPannelloDati = true;
    w_.records.RipristinaColoriDati();

    // 6
    for (int s = 1; s <= 8; ++s) mettiACasa(s);
    f.lblIstruzionePannelloDati = false;
    f.lblCarteRimaste.Visible = false;

    // 7
    if (!g.lblPartitaInCorso) {
        for (int k = 1; k <= 5; ++k) f.shpPuntiH[k] = f.shpPuntiPC[k] = false;
        g.lblPartiteH = g.lblPartitePC = 0;
        g.lblSbirciata = false;
        g.lblNumeroGioco = 1;
        scriviIntestazione(true);
    } else {
        ++g.lblNumeroGioco;
        scriviIntestazione(false);
    }

    // 8. The card rows of the record.
    for (int c = 2; c <= 12; ++c) d.lblDati[c].BackColor = colour::WHITE;
    for (int c = 2; c <= 10; ++c) d.lblDati[c].Caption.clear();
    for (int c = 15; c <= 132; ++c) {
        d.lblDati[c].Caption.clear();
        d.lblDati[c].BackColor = colour::WHITE;
    }
    g.lblManche = 1;
    d.marcatoreTop = 1935;
    d.marcatoreVisibile = true;

    // 9-10
    w_.routines.VisualizzaPunteggio();
    for (int c = 1; c <= 40; ++c) {
        m.cards.lblCartaDaEstrarre[c].BackColor = colour::WHITE;
        m.cards.lblCarteGiocate[c].BackColor = colour::WHITE;
        m.cards.lblCarteGiocate[c].ForeColor = colour::BLACK;
    }

    // 11. The starter alternates from game to game, across matches too.
    Who starter = g.lblGiocoIniziatoDa == Who::H ? Who::PC : Who::H;
    g.lblGiocoIniziatoDa = g.lblAChiTocca = g.lblTurnoDiGioco = starter;

    // 12-13
    g.lblPuntiPC = g.lblPuntiH = 0;
    g.lblNumeroCarteRimaste = 34;
    cmdMescolaCarte(w_.m.cards, w_.pick);
    w_.t.TimerDistribuisciCarte.enable();

    // 14-15
    if (m.options.is(opz::MostraCarte, "No")) {
        for (int k = 2; k <= 18; ++k) d.lblDati[cells::pcDraw(k)].Visible = d.lblDati[cells::humanDraw(k)].Visible = false;
        d.intestazioniPescateVisibili = false;
    }
    g.lblPuoiGiocare = true;
}

// ---------------------------------------------------------------- the deal

void Flow::TimerDistribuisciCarte_Timer() {
    Model& m = w_.m;
    GameAndMatch& g = m.game;

    // 1-2. A lingering end-of-game remark ends; the deal may be commented.
    w_.commentary.DistribuzioneCarte();
    if (m.options.is(opz::MostraCarte, "Si")) g.lblSbirciata = true;

    // 3-6
    int s = g.lblContatoreDistribuisciCarte;
    int slot = g.lblGiocoIniziatoDa == Who::PC ? DEAL_PC[s] : DEAL_H[s];
    g.lblAChiTocca = g.lblGiocoIniziatoDa;
    cmdEstraiACasoUnaCarta(m.cards, slot, w_.pick);
    bool scoperte = m.options.is(opz::MostraCarte, "Si");
    bool retro = slot == 8 || (!scoperte && slot <= 3);
    if (retro) w_.routines.mostraRetro(slot);
    else w_.routines.mostraFaccia(slot);
    m.window.ShpCarta[slot].Visible = true;
    m.window.ImgCarta[slot].Visible = true;

    // 7
    if (s < 8) {
        g.lblContatoreDistribuisciCarte = s + 1;
        return;
    }

    // End of the deal.
    w_.t.TimerDistribuisciCarte.disable();
    m.sounds.lblCommentoIniziale = false;
    if (g.lblAChiTocca == Who::H) w_.commentary.AvviaImpazienza();
    w_.music.MusicaDistribuzione();
    m.sounds.lblMusicaInterrotta = false;
    g.lblContatoreDistribuisciCarte = 1;

    // 5. The dealt cards into the record.
    char trump = m.cards.lblSeme[7];
    for (int k = 1; k <= 7; ++k) {
        DataCell& cella = m.data.lblDati[k + 1];
        cella.Caption = m.cards.lblCarta[k];
        if (m.cards.lblSeme[k] == trump) cella.BackColor = colour::TRUMP_YELLOW;
    }
    m.data.lblDati[8].BackColor = g.lblGiocoIniziatoDa == Who::H ? colour::PINK : colour::RED;

    // 6
    if (!m.window.istruzioneCongedata) m.window.lblIstruzioneIniziale.Visible = true;
    m.window.lblCarteRimaste.Visible = true;
    m.window.lblCarteRimaste.Caption = std::to_string(g.lblNumeroCarteRimaste);

    // 7-8. The computer's first decision runs before the trump suit is marked in the grids.
    if (g.lblAChiTocca == Who::PC) {
        w_.routines.evidenzia(true, false);
        pensaMezzoGioco();
    } else {
        w_.routines.evidenzia(false, true);
        g.lblPuoiGiocare = g.lblGiocoInCorso = g.lblPartitaInCorso = true;
    }

    // 9
    int primo = cards::suitBlockStart(trump);
    for (int c = primo; primo && c < primo + 10; ++c) m.cards.lblCarteGiocate[c].BackColor = colour::TRUMP_YELLOW;
    m.cards.trumpMarked = primo != 0;
}

// ---------------------------------------------------------------- the computer's thinking

strategy::Position Flow::posizione() const {
    const CardTable& c = w_.m.cards;
    const GameAndMatch& g = w_.m.game;
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

// While the stock lasts the computer weighs its cards now, and chooses on the
// tick of TimerValoreAggiuntivo.
void Flow::pensaMezzoGioco() {
    w_.t.TimerValoreAggiuntivo.enable();
    w_.m.game.pensiero = strategy::decide(posizione(), w_.pick);
}

void Flow::TimerValoreAggiuntivo_Timer() {
    GameAndMatch& g = w_.m.game;
    w_.t.TimerValoreAggiuntivo.disable();
    g.lblCartaPCDaGiocare = g.pensiero.slot;
    g.lblFiltro60Punti = g.pensiero.filter60;
    w_.t.TimerAttesaDelPCaMuovere.enable();
    g.lblGiocoInCorso = true;
    g.lblPartitaInCorso = true;
}

// From the third-to-last trick on the choice is made at once.
void Flow::decidiOra() {
    GameAndMatch& g = w_.m.game;
    g.pensiero = strategy::decide(posizione(), w_.pick);
    g.lblCartaPCDaGiocare = g.pensiero.slot;
}

// ---------------------------------------------------------------- the human's move

void Flow::ImgCarta_Click(int i) {
    Model& m = w_.m;
    GameAndMatch& g = m.game;
    Window& f = m.window;
    if (i < 4 || i > 6 || f.fraEsci.Visible || g.lblNumeroCarteRimaste <= -4) return;

    // 1-2
    if (f.lblIstruzioneIniziale.Visible) {
        f.lblIstruzioneIniziale.Visible = false;
        f.istruzioneCongedata = true;
    }
    if (g.lblGiocoInCorso) m.options.lblVoceColore[opz::ConclusioneGioco] = colour::PINK;
    if (g.lblPartitaInCorso) {
        m.options.lblVoceColore[opz::Abilita] = colour::PINK;
        m.options.lblVoceColore[opz::ConclusionePartita] = colour::PINK;
    }

    // 3
    if (g.lblAChiTocca != Who::H || !g.lblGiocoInCorso || !g.lblPuoiGiocare || w_.t.TimerAnimazionecartePC.enabled())
        return;
    // A click on an empty slot (a card already played in the last tricks) is no move.
    if (m.cards.lblCarta[i].empty() || !f.ImgCarta[i].Visible) return;

    // 4-7
    g.lblPuoiGiocare = false;
    f.lblH.opaca = false;
    g.lblNumeroCartaGiocataDaH = i;
    g.lblUltimaCartaGiocata = m.cards.lblValore[i];
    w_.commentary.FermaImpazienza();
    if (m.options.is(opz::MostraCarte, "Si")) g.lblSbirciata = true;

    giocaCartaH(i);
}

// Steps 8 to 11 of the human's play, shared with the last card that goes by itself.
void Flow::giocaCartaH(int slot) {
    Model& m = w_.m;
    GameAndMatch& g = m.game;
    if (g.lblNumeroCarteRimaste < 1) --g.lblNumeroCarteRimaste;
    if (!m.options.is(opz::Animazione, "No")) {
        w_.t.TimerAnimazionecarteH.enable();
        segnaCartaH(slot);  // marked at the click, while the card is still moving
    } else {
        m.window.ImgCarta[slot].Visible = m.window.ShpCarta[slot].Visible = false;
        mettiSulTavolo(slot, place::LEFT_HUMAN);
        m.window.ImgCarta[slot].Visible = m.window.ShpCarta[slot].Visible = true;
        atterraggioH();
        segnaCartaH(slot);
    }
}

void Flow::segnaCartaH(int slot) {
    GameAndMatch& g = w_.m.game;
    g.lblCartaGiocata = w_.m.cards.lblCarta[slot];
    SegnaCartaGiocata(w_.m.cards, g.lblCartaGiocata, true);
}

void Flow::atterraggioH() {
    Model& m = w_.m;
    GameAndMatch& g = m.game;
    if (g.lblTurnoDiGioco != Who::H) {
        // The human answered: both cards are down.
        g.lblAChiTocca = Who::Nobody;
        commentoOSuono();
        presaPronta();
        return;
    }
    g.lblAChiTocca = Who::PC;
    suonoCarta();
    const int d = g.lblNumeroCarteRimaste;
    if (d >= 0) {
        pensaMezzoGioco();
    } else if (d == -1 || d == -3) {
        decidiOra();
        w_.t.TimerAttesaDelPCaMuovere.enable();
    } else if (d == -5) {
        UnicaCartaPC();
        w_.t.TimerAttesaDelPCaMuovere.enable();
    }
}

void Flow::TimerAnimazionecarteH_Timer() {
    Window& f = w_.m.window;
    int s = w_.m.game.lblNumeroCartaGiocataDaH;
    if (s < 4 || s > 6) {
        w_.t.TimerAnimazionecarteH.disable();
        return;
    }
    f.ImgCarta[s].Left += PASSO_X[s];
    f.ImgCarta[s].Top -= PASSO_Y;
    f.ShpCarta[s].Left += PASSO_X[s];
    f.ShpCarta[s].Top -= PASSO_Y;
    if (f.ImgCarta[s].Top <= place::TOP_TRICK) {
        w_.t.TimerAnimazionecarteH.disable();
        atterraggioH();
    }
}

void Flow::TimerUltimacartaH_Timer() {
    w_.t.TimerUltimacartaH.disable();
    GiocaUltimaCartaH();
}

void Flow::GiocaUltimaCartaH() {
    Model& m = w_.m;
    int slot = 0;
    for (int s = 4; s <= 6 && !slot; ++s)
        if (m.window.ImgCarta[s].Visible) slot = s;
    if (!slot) return;
    m.game.lblPuoiGiocare = false;
    m.window.lblH.opaca = false;
    m.game.lblNumeroCartaGiocataDaH = slot;
    giocaCartaH(slot);
}

// ---------------------------------------------------------------- the computer's move

void Flow::TimerAttesaDelPCaMuovere_Timer() {
    Model& m = w_.m;
    const int d = m.game.lblNumeroCarteRimaste;
    w_.t.TimerAttesaDelPCaMuovere.disable();
    w_.t.TimerAttesaDelPCaMuovere.setInterval(intervalloAttesaPC(m.options[opz::VelocitaRisposta]));
    VariaAttesaPC();
    if (!m.options.is(opz::Abilita, "Massima (Livello A)") && d >= 1) {
        static const char* const LIVELLI[5] = {"Massima (Livello A)", "Alta (Livello B)", "Media (Livello C)",
                                               "Bassa (Livello D)", "Minima (Livello E)"};
        int livello = 0;
        for (int k = 0; k < 5; ++k)
            if (m.options.is(opz::Abilita, LIVELLI[k])) livello = k + 1;
        const strategy::LevelOutcome esito = strategy::ApplicaLivello(livello, m.game.lblCartaPCDaGiocare, w_.pick);
        m.game.lblCartaPCDaGiocare = esito.slot;
    }
    GiocaCartaPC();
}

void Flow::VariaAttesaPC() {
    int k = w_.pick.NumeroCasuale(22);
    int delta = 0;
    if (k == 1) delta = 150;
    else if (k <= 3) delta = 100;
    else if (k <= 7) delta = 50;
    else if (k <= 11) delta = -50;
    else if (k <= 13) delta = -100;
    else if (k == 14) delta = -150;
    Timer& t = w_.t.TimerAttesaDelPCaMuovere;
    if (delta) t.setInterval(t.interval() + delta);
}

void Flow::GiocaCartaPC() {
    Model& m = w_.m;
    GameAndMatch& g = m.game;
    Window& f = m.window;
    int s = g.lblCartaPCDaGiocare;
    if (s < 1 || s > 3 || m.cards.lblCarta[s].empty()) {
        // A chain that left no playable slot: the first card in hand goes.
        UnicaCartaPC();
        s = g.lblCartaPCDaGiocare;
        if (s < 1 || s > 3) return;
    }

    // 1-3
    f.lblIstruzioneIniziale.Visible = false;
    if (g.lblNumeroCarteRimaste < 1) --g.lblNumeroCarteRimaste;
    g.lblNumeroCartaGiocataDaPC = s;
    g.lblUltimaCartaGiocata = m.cards.lblValore[s];
    f.lblPC.opaca = false;

    // 4
    bool animata = !m.options.is(opz::Animazione, "No");
    if (!animata) {
        f.ImgCarta[s].Visible = f.ShpCarta[s].Visible = false;
        mettiSulTavolo(s, place::LEFT_PC);
        w_.routines.mostraFaccia(s);
        f.ImgCarta[s].Visible = f.ShpCarta[s].Visible = true;
    } else {
        w_.t.TimerAnimazionecartePC.enable();
    }

    // 5. Hand over at once, also while the card is still moving.
    if (g.lblTurnoDiGioco == Who::H) {
        if (animata) suonoCarta();
        else commentoOSuono();
        presaPronta();
    } else {
        g.lblAChiTocca = Who::H;
        g.lblPuoiGiocare = true;
        w_.commentary.AvviaImpazienza();
        suonoCarta();
    }

    // 6
    g.lblCartaGiocata = m.cards.lblCarta[s];
    SegnaCartaGiocata(m.cards, g.lblCartaGiocata, false);

    // 7. The computer has led the last trick: the human's last card follows by itself.
    if (g.lblNumeroCarteRimaste == -5) w_.t.TimerUltimacartaH.enable();
}

void Flow::UnicaCartaPC() {
    for (int s = 1; s <= 3; ++s)
        if (!w_.m.cards.lblCarta[s].empty()) {
            w_.m.game.lblCartaPCDaGiocare = s;
            return;
        }
}

void Flow::GiocaUltimaCartaPC() {
    UnicaCartaPC();
    w_.t.TimerAttesaDelPCaMuovere.enable();
    GameAndMatch& g = w_.m.game;
    g.lblGiocoInCorso = g.lblPartitaInCorso = g.lblPuoiGiocare = true;
}

void Flow::TimerAnimazionecartePC_Timer() {
    Model& m = w_.m;
    Window& f = m.window;
    int s = m.game.lblNumeroCartaGiocataDaPC;
    if (s < 1 || s > 3) {
        w_.t.TimerAnimazionecartePC.disable();
        return;
    }
    f.ImgCarta[s].Left += PASSO_X[s];
    f.ImgCarta[s].Top += PASSO_Y;
    f.ShpCarta[s].Left += PASSO_X[s];
    f.ShpCarta[s].Top += PASSO_Y;
    if (f.ImgCarta[s].Top < place::TOP_TRICK) return;

    w_.t.TimerAnimazionecartePC.disable();
    f.ImgCarta[s].Visible = f.ShpCarta[s].Visible = false;
    mettiSulTavolo(s, place::LEFT_PC);
    w_.routines.mostraFaccia(s);
    f.ImgCarta[s].Visible = f.ShpCarta[s].Visible = true;
    if (m.game.lblTurnoDiGioco == Who::PC) {
        suonoCarta();
    } else {
        presaPronta();
        commentoOSuono();
    }
}

// ---------------------------------------------------------------- the taking

void Flow::cmdEffettuaLaPresa_Click() {
    if (w_.t.TimerAnimazionecartePC.enabled()) return;  // the computer's card is still moving
    w_.m.window.cmdEffettuaLaPresa.Visible = false;
    w_.m.window.cmdEffettuaLaPresa.focus = false;
    w_.t.TimerEffettuaLaPresa.setInterval(10);
    w_.t.TimerEffettuaLaPresa.enable();
}

void Flow::TimerEffettuaLaPresa_Timer() {
    Model& m = w_.m;
    GameAndMatch& g = m.game;
    CardTable& c = m.cards;
    const int d = g.lblNumeroCarteRimaste;
    const int p = g.lblNumeroCartaGiocataDaPC, h = g.lblNumeroCartaGiocataDaH;

    // 1-2
    w_.t.TimerEffettuaLaPresa.disable();
    if (!m.sounds.lblInterdiciSuoni && m.options.is(opz::Noises, "Si") && d != -6) w_.noises.SuonaPresa();

    // 3
    Who vince = vincitorePresa(p, h);
    int punti = rules::trickPoints(cards::cellOf(c.lblCarta[p]), cards::cellOf(c.lblCarta[h]));
    (vince == Who::PC ? g.lblPuntiPC : g.lblPuntiH) += punti;
    g.lblTurnoDiGioco = g.lblAChiTocca = vince;
    w_.routines.evidenzia(vince == Who::PC, vince == Who::H);

    // 4
    for (int k = 1; k <= 40; ++k)
        if (c.lblCarteGiocate[k].ForeColor == colour::BLUE)
            c.lblCarteGiocate[k].ForeColor = vince == Who::PC ? colour::WHITE : colour::BLACK;

    // 5-6
    RegistraPresa();
    // The computer's evaluation is cleared; once the stock is gone, its choice too.
    g.pensiero = {};
    if (d <= 0) g.lblCartaPCDaGiocare = 0;

    // 7. 60 is not enough.
    if (g.lblPuntiPC > 60) g.lblVincitore = 1;
    if (g.lblPuntiH > 60) g.lblVincitore = 2;

    // 8
    if (m.options.is(opz::ConclusioneGioco, APPENA_60) && g.lblVincitore != 0) {
        TogliPresa();
        if (d <= 0) {
            c.svuota(h);
            c.svuota(p);
        }
        FineGioco();
    } else if (!m.options.is(opz::Animazione, "No")) {
        w_.t.TimerPrendicarte.enable();
    } else {
        sgombero();
    }

    // 9. A taking started by the button does not leave 10 ms behind.
    w_.t.TimerEffettuaLaPresa.setInterval(intervalloPresa(m.options[opz::PresaAutomatica]));
}

void Flow::sgombero() {
    Model& m = w_.m;
    GameAndMatch& g = m.game;
    const int d = g.lblNumeroCarteRimaste;
    TogliPresa();
    if (d <= 0) {
        m.cards.svuota(g.lblNumeroCartaGiocataDaH);
        m.cards.svuota(g.lblNumeroCartaGiocataDaPC);
    }
    const bool pc = g.lblTurnoDiGioco == Who::PC;
    if (d > 2) {
        w_.t.TimerPesca.enable();
    } else if (d == 2) {
        w_.t.TimerPescaUltimeDue.enable();
    } else if (d == -2) {
        if (pc) {
            decidiOra();
            w_.t.TimerAttesaDelPCaMuovere.enable();
            g.lblGiocoInCorso = g.lblPartitaInCorso = g.lblPuoiGiocare = true;
        } else g.lblGiocoInCorso = g.lblPartitaInCorso = g.lblPuoiGiocare = true;
    } else if (d == -4) {
        if (pc) {
            GiocaUltimaCartaPC();
        } else {
            g.lblGiocoInCorso = g.lblPartitaInCorso = g.lblPuoiGiocare = true;
            w_.t.TimerUltimacartaH.enable();
        }
    } else if (d == -6) {
        FineGioco();
    }
}

void Flow::TimerPrendicarte_Timer() {
    Model& m = w_.m;
    Window& f = m.window;
    Timer& timer = w_.t.TimerPrendicarte;
    timer.setInterval(w_.t.TimerAnimazionecartePC.interval());
    const int p = m.game.lblNumeroCartaGiocataDaPC, h = m.game.lblNumeroCartaGiocataDaH;
    const int passo = m.game.lblTurnoDiGioco == Who::H ? PASSO_Y : -PASSO_Y;
    for (int s : {p, h}) {
        f.ImgCarta[s].Top += passo;
        f.ShpCarta[s].Top += passo;
    }
    const int arrivo = passo > 0 ? place::TOP[4] : place::TOP[1];
    if (passo > 0 ? f.ImgCarta[h].Top < arrivo : f.ImgCarta[h].Top > arrivo) return;
    timer.disable();
    sgombero();
}

void Flow::RegistraPresa() {
    Model& m = w_.m;
    GameAndMatch& g = m.game;
    CardTable& c = m.cards;
    auto& d = m.data.lblDati;
    const int r = g.lblManche;
    const int p = g.lblNumeroCartaGiocataDaPC, h = g.lblNumeroCartaGiocataDaH;
    const char trump = c.lblSeme[7];
    if (r >= 1 && r <= 20) {
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
    m.data.marcatoreTop += 270;
    if (g.lblManche == 21) m.data.marcatoreVisibile = false;
}

void Flow::TogliPresa() {
    mettiACasa(w_.m.game.lblNumeroCartaGiocataDaPC);
    mettiACasa(w_.m.game.lblNumeroCartaGiocataDaH);
}

// ---------------------------------------------------------------- the draws

void Flow::mostraPescata(int slot, bool pc) {
    Model& m = w_.m;
    if (pc && !m.options.is(opz::MostraCarte, "Si")) {
        m.window.ImgCarta[slot].BorderStyle = 0;
        w_.routines.mostraRetro(slot);
    } else {
        w_.routines.mostraFaccia(slot);
    }
    m.window.ImgCarta[slot].Visible = m.window.ShpCarta[slot].Visible = true;
}

void Flow::registraPescate() {
    Model& m = w_.m;
    const int r = m.game.lblManche - 1;
    const int p = m.game.lblNumeroCartaGiocataDaPC, h = m.game.lblNumeroCartaGiocataDaH;
    if (r < 1 || r > 17) return;
    const char trump = m.cards.lblSeme[7];
    DataCell& cp = m.data.lblDati[6 * r + 13];
    DataCell& ch = m.data.lblDati[6 * r + 14];
    cp.Caption = m.cards.lblCarta[p];
    if (m.cards.lblSeme[p] == trump) cp.BackColor = colour::TRUMP_YELLOW;
    ch.Caption = m.cards.lblCarta[h];
    if (m.cards.lblSeme[h] == trump) ch.BackColor = colour::TRUMP_YELLOW;
}

void Flow::TimerPesca_Timer() {
    Model& m = w_.m;
    GameAndMatch& g = m.game;
    if (!m.sounds.lblInterdiciSuoni && m.options.is(opz::Noises, "Si")) w_.noises.SuonaDistribuzione();

    const bool pcVince = g.lblTurnoDiGioco == Who::PC;
    const int slotVincitore = pcVince ? g.lblNumeroCartaGiocataDaPC : g.lblNumeroCartaGiocataDaH;
    const int slotPerdente = pcVince ? g.lblNumeroCartaGiocataDaH : g.lblNumeroCartaGiocataDaPC;
    if (g.lblNumeroCartaAnalizzata == 1) {
        g.lblNumeroCartaAnalizzata = 2;
        --g.lblNumeroCarteRimaste;
        cmdEstraiACasoUnaCarta(m.cards, slotVincitore, w_.pick);
        mostraPescata(slotVincitore, pcVince);
        return;
    }
    g.lblNumeroCartaAnalizzata = 1;
    --g.lblNumeroCarteRimaste;
    cmdEstraiACasoUnaCarta(m.cards, slotPerdente, w_.pick);
    mostraPescata(slotPerdente, !pcVince);
    m.window.lblCarteRimaste.Caption = std::to_string(g.lblNumeroCarteRimaste);

    registraPescate();
    g.lblNumeroCartaGiocataDaPC = g.lblNumeroCartaGiocataDaH = 0;
    if (g.lblTurnoDiGioco == Who::PC) pensaMezzoGioco();
    w_.t.TimerPesca.disable();
    finePesca();
}

void Flow::finePesca() {
    GameAndMatch& g = w_.m.game;
    g.lblPuoiGiocare = true;
    if (g.lblAChiTocca == Who::H) w_.commentary.AvviaImpazienzaDopoPesca();
}

void Flow::TimerPescaUltimeDue_Timer() {
    Model& m = w_.m;
    GameAndMatch& g = m.game;
    Window& f = m.window;
    if (!m.sounds.lblInterdiciSuoni && m.options.is(opz::Noises, "Si")) w_.noises.SuonaDistribuzione();

    const bool pcVince = g.lblTurnoDiGioco == Who::PC;
    const int slotVincitore = pcVince ? g.lblNumeroCartaGiocataDaPC : g.lblNumeroCartaGiocataDaH;
    const int slotPerdente = pcVince ? g.lblNumeroCartaGiocataDaH : g.lblNumeroCartaGiocataDaPC;
    if (g.lblNumeroCartaAnalizzata == 1) {
        // The winner takes the last face-down card, from the deck slot.
        g.lblNumeroCartaAnalizzata = 2;
        --g.lblNumeroCarteRimaste;
        m.cards.copia(8, slotVincitore);
        f.ImgCarta[8].Visible = f.ShpCarta[8].Visible = false;
        mostraPescata(slotVincitore, pcVince);
        return;
    }
    // The loser takes the trump card, face up.
    g.lblNumeroCartaAnalizzata = 1;
    --g.lblNumeroCarteRimaste;
    m.cards.copia(7, slotPerdente);
    f.ImgCarta[7].Visible = f.ShpCarta[7].Visible = false;
    f.lblCarteRimaste.Visible = false;
    w_.routines.mostraFaccia(slotPerdente);
    f.ImgCarta[slotPerdente].Visible = f.ShpCarta[slotPerdente].Visible = true;

    registraPescate();
    g.lblNumeroCartaGiocataDaPC = g.lblNumeroCartaGiocataDaH = 0;
    if (g.lblTurnoDiGioco == Who::PC) {
        decidiOra();
        w_.t.TimerAttesaDelPCaMuovere.enable();
        g.lblGiocoInCorso = g.lblPartitaInCorso = true;
    }
    w_.t.TimerPescaUltimeDue.disable();
    finePesca();
}

// ---------------------------------------------------------------- the end of a game

void Flow::FineGioco() {
    Model& m = w_.m;
    GameAndMatch& g = m.game;
    AggiornaPartita();
    w_.commentary.FermaImpazienza();

    const std::string& cerimonia = m.options[opz::Cerimonia];
    bool premia = cerimonia == "Al termine di ogni Gioco" ||
                  (cerimonia == "Al termine della Partita" && !g.lblPartitaInCorso);
    if (!premia || g.lblVincitore == 0) {
        MostraFineGioco();
        return;
    }
    const int v = g.lblVincitore;
    Picture& bandiera = m.window.ImgBandiera[v];
    bandiera.Picture = v == 1 ? "C:\\Programmi\\Zelvo\\Grafica\\Inghil.bmp" : "C:\\Programmi\\Zelvo\\Grafica\\Italia.bmp";
    bandiera.Visible = true;
    for (int s = 1; s <= 8; ++s) m.window.ImgCarta[s].Visible = m.window.ShpCarta[s].Visible = false;
    if (v == 1) w_.music.InnoInglese();
    else w_.music.InnoItaliano();
}

void Flow::AggiornaPartita() {
    Model& m = w_.m;
    GameAndMatch& g = m.game;
    Window& f = m.window;
    g.lblGiocoInCorso = false;
    if (g.lblVincitore == 1) {
        w_.routines.evidenzia(true, false);
        ++g.lblPartitePC;
        for (int k = 1; k <= g.lblPartitePC && k <= 5; ++k) f.shpPuntiPC[k] = true;
        g.lblUltimoVincitore = Who::PC;
    } else if (g.lblVincitore == 2) {
        w_.routines.evidenzia(false, true);
        ++g.lblPartiteH;
        for (int k = 1; k <= g.lblPartiteH && k <= 5; ++k) f.shpPuntiH[k] = true;
        g.lblUltimoVincitore = Who::H;
    } else {
        w_.routines.evidenzia(false, false);
        g.lblUltimoVincitore = Who::Nobody;
    }
    g.lblFiltro60Punti = false;
    // The final score is always shown.
    f.lblPuntiHVista.Visible = f.lblPuntiPCVista.Visible = true;
    f.lblPuntiHScritta.Visible = f.lblPuntiPCScritta.Visible = true;

    const int n = giochiPerPartita(m.options[opz::ConclusionePartita]);
    if (g.lblPartitePC == n || g.lblPartiteH == n) g.lblPartitaInCorso = false;

    m.options.lblVoceColore[opz::ConclusioneGioco] = colour::LIGHT_GREEN;
    if (!g.lblPartitaInCorso) {
        m.options.lblVoceColore[opz::Abilita] = colour::LIGHT_GREEN;
        m.options.lblVoceColore[opz::ConclusionePartita] = colour::LIGHT_GREEN;
    }
}

void Flow::MostraFineGioco() {
    Model& m = w_.m;
    GameAndMatch& g = m.game;
    Window& f = m.window;

    w_.commentary.AvviaCommentiFinali();
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
        w_.records.AggiornaClassifica();
        w_.records.SalvaAlbo();
        if (g.lblTotalePartite != 0) m.records.lblDieciMigliori = false;
        f.fraPannello[3] = {true, 2925, 30};
        f.lblComandi[menu::Albo] = colour::GREEN;
    }

    // 4. The match panel replaces the options and data panels.
    f.fraPannello[2].Visible = false;
    f.lblComandi[menu::Options] = colour::WHITE;
    f.fraPannello[0].Visible = false;
    f.lblComandi[menu::Dati] = colour::WHITE;
    f.fraPannello[1] = {true, 110, 30};
    f.lblComandi[menu::Partita] = colour::GREEN;

    // 5-7
    g.lblVincitore = 0;
    f.cmdContinuaOIniziaPartita.Enabled = true;
    giveFocus(f, f.cmdContinuaOIniziaPartita);
    f.fraFineGioco = {false, 3420, 3030};
    for (int k = 2; k <= 18; ++k)
        m.data.lblDati[cells::pcDraw(k)].Visible = m.data.lblDati[cells::humanDraw(k)].Visible = true;
    m.data.intestazioniPescateVisibili = true;
    m.data.marcatoreVisibile = false;
    f.fraFineGioco.Visible = true;
    w_.commentary.FermaImpazienza();
}

void Flow::TimerBandiera_Timer() {
    Model& m = w_.m;
    GameAndMatch& g = m.game;
    const int t = ++g.lblcontatorebandiera;
    const int v = g.lblVincitore == 1 ? 1 : 2;
    Window& f = m.window;
    // The flag moves 148.5 twips a tick towards the middle of the table and back.
    const double passo = v == 1 ? 148.5 : -148.5;
    if (t >= 2 && t <= 20) f.bandieraTop[v] += passo;
    else if (t >= 25 && t <= 44) f.bandieraTop[v] -= passo;
    f.ImgBandiera[v].Top = static_cast<int>(f.bandieraTop[v] + (f.bandieraTop[v] >= 0 ? 0.5 : -0.5));
    if (t < 45) return;
    f.ImgBandiera[v].Visible = false;
    f.cmdContinuaOIniziaPartita.Enabled = true;
    MostraFineGioco();
    w_.music.RipristinaTitolo();
    w_.t.TimerBandiera.disable();
    g.lblcontatorebandiera = 0;
}

void Flow::cmdContinuaOIniziaPartita_Click() {
    Model& m = w_.m;
    if (!m.window.cmdContinuaOIniziaPartita.Enabled) return;
    if (m.sounds.lblInterdiciSuoni) return;  // a sound that must not be cut is playing
    w_.commentary.FermaCommentiFinali();
    w_.music.ChiudiInno();
    NuovoGioco();
}

}  // namespace zelvo
