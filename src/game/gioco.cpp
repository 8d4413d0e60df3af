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

void Gioco::mettiACasa(int slot) {
    Finestra& f = w_.m.finestra;
    f.ImgCarta[slot].Visible = false;
    f.ShpCarta[slot].Visible = false;
    f.ImgCarta[slot].Left = posto::LEFT[slot];
    f.ImgCarta[slot].Top = posto::TOP[slot];
    f.ShpCarta[slot].Left = posto::LEFT[slot] - posto::CORNICE;
    f.ShpCarta[slot].Top = posto::TOP[slot] - posto::CORNICE;
}

void Gioco::mettiSulTavolo(int slot, int left) {
    Finestra& f = w_.m.finestra;
    f.ImgCarta[slot].Left = left;
    f.ImgCarta[slot].Top = posto::TOP_TAVOLO;
    f.ShpCarta[slot].Left = left - posto::CORNICE;
    f.ShpCarta[slot].Top = posto::TOP_TAVOLO - posto::CORNICE;
}

void Gioco::applicaIntervalli() {
    const Opzioni& o = w_.m.opzioni;
    Timers& t = w_.t;
    if (int a = intervalloAnimazione(o[opz::Animazione]); a > 0) {
        t.TimerAnimazionecarteH.setInterval(a);
        t.TimerAnimazionecartePC.setInterval(a);
    }
    t.TimerEffettuaLaPresa.setInterval(intervalloPresa(o[opz::PresaAutomatica]));
    t.TimerAttesaDelPCaMuovere.setInterval(intervalloAttesaPC(o[opz::VelocitaRisposta]));
}

void Gioco::suonoCarta() {
    if (w_.m.opzioni.is(opz::Rumori, "Si") && !w_.m.suoni.lblInterdiciSuoni) w_.rumori.SuonaCarta();
}

void Gioco::commentoOSuono() {
    if (w_.m.opzioni.is(opz::Loquacita, "Taciturno")) suonoCarta();
    else w_.commento.CommentaPresa();
}

// Both cards are down: the taking follows by timer, or waits for the button.
void Gioco::presaPronta() {
    if (w_.m.opzioni.is(opz::PresaAutomatica, "No")) {
        w_.m.finestra.cmdEffettuaLaPresa.Visible = true;
        daiFuoco(w_.m.finestra, w_.m.finestra.cmdEffettuaLaPresa);
    } else {
        w_.t.TimerEffettuaLaPresa.enable();
    }
}

Chi Gioco::vincitorePresa(int p, int h) const {
    const Carte& c = w_.m.carte;
    const int pc = cards::cellOf(c.lblCarta[p]), human = cards::cellOf(c.lblCarta[h]);
    return rules::computerTakes(pc, human, w_.m.gioco.lblTurnoDiGioco == Chi::PC, c.lblSeme[7]) ? Chi::PC : Chi::H;
}

// ---------------------------------------------------------------- set-up

void Gioco::scriviIntestazione(bool nuovaPartita) {
    Model& m = w_.m;
    m.dati.lblIndicazioniPannellodati1 = "Partita n. " + std::to_string(m.gioco.lblTotalePartite + 1) +
                                         " - Gioco n. " + std::to_string(m.gioco.lblNumeroGioco);
    if (nuovaPartita) {
        DataOra d = w_.piattaforma.clock.now();
        char buf[40];
        std::snprintf(buf, sizeof buf, "%d/%d/%02d - %d:%02d", d.giorno, d.mese, d.anno % 100, d.ora, d.minuto);
        m.dati.lblIndicazioniPannellodati2 = buf;
    }
}

void Gioco::NuovoGioco() {
    Model& m = w_.m;
    StatoGioco& g = m.gioco;
    Finestra& f = m.finestra;
    PannelloDati& d = m.dati;

    // 1-2
    f.cmdContinuaOIniziaPartita.Enabled = false;
    f.cmdContinuaOIniziaPartita.focus = false;
    f.fraFineGioco.Visible = false;
    f.lblH.Caption = m.nomeGiocatore;
    d.lblDati[1].Caption = m.nomeGiocatore;

    // 3. Random graphics.
    const std::string& grafica = m.opzioni[opz::GraficaCasuale];
    if (grafica == "All'inizio di ogni Gioco" || (grafica == "All'inizio della Partita" && !g.lblPartitaInCorso))
        w_.finestra.graficaCasuale();

    // 4-5
    f.lblH.ForeColor = f.lblPC.ForeColor = colour::WHITE;
    w_.finestra.evidenzia(false, false);
    for (int i = 1; i <= 4; ++i) f.comandoAbilitato[i] = true;
    m.carte.played.fill(false);
    m.carte.trumpMarked = false;
    for (Pulsante* b : {&f.cmdSave, &f.cmdLoad, &f.cmdInizioAnalisi, &f.cmdScegliManche, &f.cmdTornaAlGioco})
        b->Visible = false;
    f.lblSpiegaPannelloDati = true;
    w_.registri.RipristinaColoriDati();

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
    w_.finestra.VisualizzaPunteggio();
    for (int c = 1; c <= 40; ++c) {
        m.carte.lblCartaDaEstrarre[c].BackColor = colour::WHITE;
        m.carte.lblCarteGiocate[c].BackColor = colour::WHITE;
        m.carte.lblCarteGiocate[c].ForeColor = colour::BLACK;
    }

    // 11. The starter alternates from game to game, across matches too.
    Chi starter = g.lblGiocoIniziatoDa == Chi::H ? Chi::PC : Chi::H;
    g.lblGiocoIniziatoDa = g.lblAChiTocca = g.lblTurnoDiGioco = starter;

    // 12-13
    g.lblPuntiPC = g.lblPuntiH = 0;
    g.lblNumeroCarteRimaste = 34;
    cmdMescolaCarte(w_.m.carte, w_.pick);
    w_.t.TimerDistribuisciCarte.enable();

    // 14-15
    if (m.opzioni.is(opz::MostraCarte, "No")) {
        for (int k = 2; k <= 18; ++k) d.lblDati[dati::pescataPC(k)].Visible = d.lblDati[dati::pescataH(k)].Visible = false;
        d.intestazioniPescateVisibili = false;
    }
    g.lblPuoiGiocare = true;
}

// ---------------------------------------------------------------- the deal

void Gioco::TimerDistribuisciCarte_Timer() {
    Model& m = w_.m;
    StatoGioco& g = m.gioco;

    // 1-2. A lingering end-of-game remark ends; the deal may be commented.
    w_.commento.DistribuzioneCarte();
    if (m.opzioni.is(opz::MostraCarte, "Si")) g.lblSbirciata = true;

    // 3-6
    int s = g.lblContatoreDistribuisciCarte;
    int slot = g.lblGiocoIniziatoDa == Chi::PC ? DEAL_PC[s] : DEAL_H[s];
    g.lblAChiTocca = g.lblGiocoIniziatoDa;
    cmdEstraiACasoUnaCarta(m.carte, slot, w_.pick);
    bool scoperte = m.opzioni.is(opz::MostraCarte, "Si");
    bool retro = slot == 8 || (!scoperte && slot <= 3);
    if (retro) w_.finestra.mostraRetro(slot);
    else w_.finestra.mostraFaccia(slot);
    m.finestra.ShpCarta[slot].Visible = true;
    m.finestra.ImgCarta[slot].Visible = true;

    // 7
    if (s < 8) {
        g.lblContatoreDistribuisciCarte = s + 1;
        return;
    }

    // End of the deal.
    w_.t.TimerDistribuisciCarte.disable();
    m.suoni.lblCommentoIniziale = false;
    if (g.lblAChiTocca == Chi::H) w_.commento.AvviaImpazienza();
    w_.musica.MusicaDistribuzione();
    m.suoni.lblMusicaInterrotta = false;
    g.lblContatoreDistribuisciCarte = 1;

    // 5. The dealt cards into the record.
    char trump = m.carte.lblSeme[7];
    for (int k = 1; k <= 7; ++k) {
        CellaDati& cella = m.dati.lblDati[k + 1];
        cella.Caption = m.carte.lblCarta[k];
        if (m.carte.lblSeme[k] == trump) cella.BackColor = colour::TRUMP_YELLOW;
    }
    m.dati.lblDati[8].BackColor = g.lblGiocoIniziatoDa == Chi::H ? colour::PINK : colour::RED;

    // 6
    if (!m.finestra.istruzioneCongedata) m.finestra.lblIstruzioneIniziale.Visible = true;
    m.finestra.lblCarteRimaste.Visible = true;
    m.finestra.lblCarteRimaste.Caption = std::to_string(g.lblNumeroCarteRimaste);

    // 7-8. The computer's first decision runs before the trump suit is marked in the grids.
    if (g.lblAChiTocca == Chi::PC) {
        w_.finestra.evidenzia(true, false);
        pensaMezzoGioco();
    } else {
        w_.finestra.evidenzia(false, true);
        g.lblPuoiGiocare = g.lblGiocoInCorso = g.lblPartitaInCorso = true;
    }

    // 9
    int primo = cards::suitBlockStart(trump);
    for (int c = primo; primo && c < primo + 10; ++c) m.carte.lblCarteGiocate[c].BackColor = colour::TRUMP_YELLOW;
    m.carte.trumpMarked = primo != 0;
}

// ---------------------------------------------------------------- the computer's thinking

strategy::Position Gioco::posizione() const {
    const Carte& c = w_.m.carte;
    const StatoGioco& g = w_.m.gioco;
    strategy::Position p;
    p.trump = c.lblSeme[7];
    for (int s = 1; s <= 6; ++s) p.slot[s] = cards::cellOf(c.lblCarta[s]);
    p.played = c.played;
    p.trumpMarked = c.trumpMarked;
    p.computerLeads = g.lblTurnoDiGioco == Chi::PC;
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
void Gioco::pensaMezzoGioco() {
    w_.t.TimerValoreAggiuntivo.enable();
    w_.m.gioco.pensiero = strategy::decide(posizione(), w_.pick);
}

void Gioco::TimerValoreAggiuntivo_Timer() {
    StatoGioco& g = w_.m.gioco;
    w_.t.TimerValoreAggiuntivo.disable();
    g.lblCartaPCDaGiocare = g.pensiero.slot;
    g.lblFiltro60Punti = g.pensiero.filter60;
    w_.t.TimerAttesaDelPCaMuovere.enable();
    g.lblGiocoInCorso = true;
    g.lblPartitaInCorso = true;
}

// From the third-to-last trick on the choice is made at once.
void Gioco::decidiOra() {
    StatoGioco& g = w_.m.gioco;
    g.pensiero = strategy::decide(posizione(), w_.pick);
    g.lblCartaPCDaGiocare = g.pensiero.slot;
}

// ---------------------------------------------------------------- the human's move

void Gioco::ImgCarta_Click(int i) {
    Model& m = w_.m;
    StatoGioco& g = m.gioco;
    Finestra& f = m.finestra;
    if (i < 4 || i > 6 || f.fraEsci.Visible || g.lblNumeroCarteRimaste <= -4) return;

    // 1-2
    if (f.lblIstruzioneIniziale.Visible) {
        f.lblIstruzioneIniziale.Visible = false;
        f.istruzioneCongedata = true;
    }
    if (g.lblGiocoInCorso) m.opzioni.lblVoceColore[opz::ConclusioneGioco] = colour::PINK;
    if (g.lblPartitaInCorso) {
        m.opzioni.lblVoceColore[opz::Abilita] = colour::PINK;
        m.opzioni.lblVoceColore[opz::ConclusionePartita] = colour::PINK;
    }

    // 3
    if (g.lblAChiTocca != Chi::H || !g.lblGiocoInCorso || !g.lblPuoiGiocare || w_.t.TimerAnimazionecartePC.enabled())
        return;
    // A click on an empty slot (a card already played in the last tricks) is no move.
    if (m.carte.lblCarta[i].empty() || !f.ImgCarta[i].Visible) return;

    // 4-7
    g.lblPuoiGiocare = false;
    f.lblH.opaca = false;
    g.lblNumeroCartaGiocataDaH = i;
    g.lblUltimaCartaGiocata = m.carte.lblValore[i];
    w_.commento.FermaImpazienza();
    if (m.opzioni.is(opz::MostraCarte, "Si")) g.lblSbirciata = true;

    giocaCartaH(i);
}

// Steps 8 to 11 of the human's play, shared with the last card that goes by itself.
void Gioco::giocaCartaH(int slot) {
    Model& m = w_.m;
    StatoGioco& g = m.gioco;
    if (g.lblNumeroCarteRimaste < 1) --g.lblNumeroCarteRimaste;
    if (!m.opzioni.is(opz::Animazione, "No")) {
        w_.t.TimerAnimazionecarteH.enable();
        segnaCartaH(slot);  // marked at the click, while the card is still moving
    } else {
        m.finestra.ImgCarta[slot].Visible = m.finestra.ShpCarta[slot].Visible = false;
        mettiSulTavolo(slot, posto::LEFT_H);
        m.finestra.ImgCarta[slot].Visible = m.finestra.ShpCarta[slot].Visible = true;
        atterraggioH();
        segnaCartaH(slot);
    }
}

void Gioco::segnaCartaH(int slot) {
    StatoGioco& g = w_.m.gioco;
    g.lblCartaGiocata = w_.m.carte.lblCarta[slot];
    SegnaCartaGiocata(w_.m.carte, g.lblCartaGiocata, true);
}

void Gioco::atterraggioH() {
    Model& m = w_.m;
    StatoGioco& g = m.gioco;
    if (g.lblTurnoDiGioco != Chi::H) {
        // The human answered: both cards are down.
        g.lblAChiTocca = Chi::Nessuno;
        commentoOSuono();
        presaPronta();
        return;
    }
    g.lblAChiTocca = Chi::PC;
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

void Gioco::TimerAnimazionecarteH_Timer() {
    Finestra& f = w_.m.finestra;
    int s = w_.m.gioco.lblNumeroCartaGiocataDaH;
    if (s < 4 || s > 6) {
        w_.t.TimerAnimazionecarteH.disable();
        return;
    }
    f.ImgCarta[s].Left += PASSO_X[s];
    f.ImgCarta[s].Top -= PASSO_Y;
    f.ShpCarta[s].Left += PASSO_X[s];
    f.ShpCarta[s].Top -= PASSO_Y;
    if (f.ImgCarta[s].Top <= posto::TOP_TAVOLO) {
        w_.t.TimerAnimazionecarteH.disable();
        atterraggioH();
    }
}

void Gioco::TimerUltimacartaH_Timer() {
    w_.t.TimerUltimacartaH.disable();
    GiocaUltimaCartaH();
}

void Gioco::GiocaUltimaCartaH() {
    Model& m = w_.m;
    int slot = 0;
    for (int s = 4; s <= 6 && !slot; ++s)
        if (m.finestra.ImgCarta[s].Visible) slot = s;
    if (!slot) return;
    m.gioco.lblPuoiGiocare = false;
    m.finestra.lblH.opaca = false;
    m.gioco.lblNumeroCartaGiocataDaH = slot;
    giocaCartaH(slot);
}

// ---------------------------------------------------------------- the computer's move

void Gioco::TimerAttesaDelPCaMuovere_Timer() {
    Model& m = w_.m;
    const int d = m.gioco.lblNumeroCarteRimaste;
    w_.t.TimerAttesaDelPCaMuovere.disable();
    w_.t.TimerAttesaDelPCaMuovere.setInterval(intervalloAttesaPC(m.opzioni[opz::VelocitaRisposta]));
    VariaAttesaPC();
    if (!m.opzioni.is(opz::Abilita, "Massima (Livello A)") && d >= 1) {
        static const char* const LIVELLI[5] = {"Massima (Livello A)", "Alta (Livello B)", "Media (Livello C)",
                                               "Bassa (Livello D)", "Minima (Livello E)"};
        int livello = 0;
        for (int k = 0; k < 5; ++k)
            if (m.opzioni.is(opz::Abilita, LIVELLI[k])) livello = k + 1;
        const strategy::LevelOutcome esito = strategy::ApplicaLivello(livello, m.gioco.lblCartaPCDaGiocare, w_.pick);
        m.gioco.lblCartaPCDaGiocare = esito.slot;
    }
    GiocaCartaPC();
}

void Gioco::VariaAttesaPC() {
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

void Gioco::GiocaCartaPC() {
    Model& m = w_.m;
    StatoGioco& g = m.gioco;
    Finestra& f = m.finestra;
    int s = g.lblCartaPCDaGiocare;
    if (s < 1 || s > 3 || m.carte.lblCarta[s].empty()) {
        // A chain that left no playable slot: the first card in hand goes.
        UnicaCartaPC();
        s = g.lblCartaPCDaGiocare;
        if (s < 1 || s > 3) return;
    }

    // 1-3
    f.lblIstruzioneIniziale.Visible = false;
    if (g.lblNumeroCarteRimaste < 1) --g.lblNumeroCarteRimaste;
    g.lblNumeroCartaGiocataDaPC = s;
    g.lblUltimaCartaGiocata = m.carte.lblValore[s];
    f.lblPC.opaca = false;

    // 4
    bool animata = !m.opzioni.is(opz::Animazione, "No");
    if (!animata) {
        f.ImgCarta[s].Visible = f.ShpCarta[s].Visible = false;
        mettiSulTavolo(s, posto::LEFT_PC);
        w_.finestra.mostraFaccia(s);
        f.ImgCarta[s].Visible = f.ShpCarta[s].Visible = true;
    } else {
        w_.t.TimerAnimazionecartePC.enable();
    }

    // 5. Hand over at once, also while the card is still moving.
    if (g.lblTurnoDiGioco == Chi::H) {
        if (animata) suonoCarta();
        else commentoOSuono();
        presaPronta();
    } else {
        g.lblAChiTocca = Chi::H;
        g.lblPuoiGiocare = true;
        w_.commento.AvviaImpazienza();
        suonoCarta();
    }

    // 6
    g.lblCartaGiocata = m.carte.lblCarta[s];
    SegnaCartaGiocata(m.carte, g.lblCartaGiocata, false);

    // 7. The computer has led the last trick: the human's last card follows by itself.
    if (g.lblNumeroCarteRimaste == -5) w_.t.TimerUltimacartaH.enable();
}

void Gioco::UnicaCartaPC() {
    for (int s = 1; s <= 3; ++s)
        if (!w_.m.carte.lblCarta[s].empty()) {
            w_.m.gioco.lblCartaPCDaGiocare = s;
            return;
        }
}

void Gioco::GiocaUltimaCartaPC() {
    UnicaCartaPC();
    w_.t.TimerAttesaDelPCaMuovere.enable();
    StatoGioco& g = w_.m.gioco;
    g.lblGiocoInCorso = g.lblPartitaInCorso = g.lblPuoiGiocare = true;
}

void Gioco::TimerAnimazionecartePC_Timer() {
    Model& m = w_.m;
    Finestra& f = m.finestra;
    int s = m.gioco.lblNumeroCartaGiocataDaPC;
    if (s < 1 || s > 3) {
        w_.t.TimerAnimazionecartePC.disable();
        return;
    }
    f.ImgCarta[s].Left += PASSO_X[s];
    f.ImgCarta[s].Top += PASSO_Y;
    f.ShpCarta[s].Left += PASSO_X[s];
    f.ShpCarta[s].Top += PASSO_Y;
    if (f.ImgCarta[s].Top < posto::TOP_TAVOLO) return;

    w_.t.TimerAnimazionecartePC.disable();
    f.ImgCarta[s].Visible = f.ShpCarta[s].Visible = false;
    mettiSulTavolo(s, posto::LEFT_PC);
    w_.finestra.mostraFaccia(s);
    f.ImgCarta[s].Visible = f.ShpCarta[s].Visible = true;
    if (m.gioco.lblTurnoDiGioco == Chi::PC) {
        suonoCarta();
    } else {
        presaPronta();
        commentoOSuono();
    }
}

// ---------------------------------------------------------------- the taking

void Gioco::cmdEffettuaLaPresa_Click() {
    if (w_.t.TimerAnimazionecartePC.enabled()) return;  // the computer's card is still moving
    w_.m.finestra.cmdEffettuaLaPresa.Visible = false;
    w_.m.finestra.cmdEffettuaLaPresa.focus = false;
    w_.t.TimerEffettuaLaPresa.setInterval(10);
    w_.t.TimerEffettuaLaPresa.enable();
}

void Gioco::TimerEffettuaLaPresa_Timer() {
    Model& m = w_.m;
    StatoGioco& g = m.gioco;
    Carte& c = m.carte;
    const int d = g.lblNumeroCarteRimaste;
    const int p = g.lblNumeroCartaGiocataDaPC, h = g.lblNumeroCartaGiocataDaH;

    // 1-2
    w_.t.TimerEffettuaLaPresa.disable();
    if (!m.suoni.lblInterdiciSuoni && m.opzioni.is(opz::Rumori, "Si") && d != -6) w_.rumori.SuonaPresa();

    // 3
    Chi vince = vincitorePresa(p, h);
    int punti = rules::trickPoints(cards::cellOf(c.lblCarta[p]), cards::cellOf(c.lblCarta[h]));
    (vince == Chi::PC ? g.lblPuntiPC : g.lblPuntiH) += punti;
    g.lblTurnoDiGioco = g.lblAChiTocca = vince;
    w_.finestra.evidenzia(vince == Chi::PC, vince == Chi::H);

    // 4
    for (int k = 1; k <= 40; ++k)
        if (c.lblCarteGiocate[k].ForeColor == colour::BLUE)
            c.lblCarteGiocate[k].ForeColor = vince == Chi::PC ? colour::WHITE : colour::BLACK;

    // 5-6
    RegistraPresa();
    // The computer's evaluation is cleared; once the stock is gone, its choice too.
    g.pensiero = {};
    if (d <= 0) g.lblCartaPCDaGiocare = 0;

    // 7. 60 is not enough.
    if (g.lblPuntiPC > 60) g.lblVincitore = 1;
    if (g.lblPuntiH > 60) g.lblVincitore = 2;

    // 8
    if (m.opzioni.is(opz::ConclusioneGioco, APPENA_60) && g.lblVincitore != 0) {
        TogliPresa();
        if (d <= 0) {
            c.svuota(h);
            c.svuota(p);
        }
        FineGioco();
    } else if (!m.opzioni.is(opz::Animazione, "No")) {
        w_.t.TimerPrendicarte.enable();
    } else {
        sgombero();
    }

    // 9. A taking started by the button does not leave 10 ms behind.
    w_.t.TimerEffettuaLaPresa.setInterval(intervalloPresa(m.opzioni[opz::PresaAutomatica]));
}

void Gioco::sgombero() {
    Model& m = w_.m;
    StatoGioco& g = m.gioco;
    const int d = g.lblNumeroCarteRimaste;
    TogliPresa();
    if (d <= 0) {
        m.carte.svuota(g.lblNumeroCartaGiocataDaH);
        m.carte.svuota(g.lblNumeroCartaGiocataDaPC);
    }
    const bool pc = g.lblTurnoDiGioco == Chi::PC;
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

void Gioco::TimerPrendicarte_Timer() {
    Model& m = w_.m;
    Finestra& f = m.finestra;
    Timer& timer = w_.t.TimerPrendicarte;
    timer.setInterval(w_.t.TimerAnimazionecartePC.interval());
    const int p = m.gioco.lblNumeroCartaGiocataDaPC, h = m.gioco.lblNumeroCartaGiocataDaH;
    const int passo = m.gioco.lblTurnoDiGioco == Chi::H ? PASSO_Y : -PASSO_Y;
    for (int s : {p, h}) {
        f.ImgCarta[s].Top += passo;
        f.ShpCarta[s].Top += passo;
    }
    const int arrivo = passo > 0 ? posto::TOP[4] : posto::TOP[1];
    if (passo > 0 ? f.ImgCarta[h].Top < arrivo : f.ImgCarta[h].Top > arrivo) return;
    timer.disable();
    sgombero();
}

void Gioco::RegistraPresa() {
    Model& m = w_.m;
    StatoGioco& g = m.gioco;
    Carte& c = m.carte;
    auto& d = m.dati.lblDati;
    const int r = g.lblManche;
    const int p = g.lblNumeroCartaGiocataDaPC, h = g.lblNumeroCartaGiocataDaH;
    const char trump = c.lblSeme[7];
    if (r >= 1 && r <= 20) {
        d[dati::cartaPC(r)].Caption = c.lblCarta[p];
        if (c.lblSeme[p] == trump) d[dati::cartaPC(r)].BackColor = colour::TRUMP_YELLOW;
        d[dati::cartaH(r)].Caption = c.lblCarta[h];
        if (c.lblSeme[h] == trump) d[dati::cartaH(r)].BackColor = colour::TRUMP_YELLOW;
        d[dati::puntiPC(r)].Caption = std::to_string(g.lblPuntiPC);
        d[dati::puntiH(r)].Caption = std::to_string(g.lblPuntiH);
        if (g.lblTurnoDiGioco == Chi::PC) d[dati::puntiPC(r)].BackColor = colour::RED;
        else d[dati::puntiH(r)].BackColor = colour::PINK;
    }
    ++g.lblManche;
    m.dati.marcatoreTop += 270;
    if (g.lblManche == 21) m.dati.marcatoreVisibile = false;
}

void Gioco::TogliPresa() {
    mettiACasa(w_.m.gioco.lblNumeroCartaGiocataDaPC);
    mettiACasa(w_.m.gioco.lblNumeroCartaGiocataDaH);
}

// ---------------------------------------------------------------- the draws

void Gioco::mostraPescata(int slot, bool pc) {
    Model& m = w_.m;
    if (pc && !m.opzioni.is(opz::MostraCarte, "Si")) {
        m.finestra.ImgCarta[slot].BorderStyle = 0;
        w_.finestra.mostraRetro(slot);
    } else {
        w_.finestra.mostraFaccia(slot);
    }
    m.finestra.ImgCarta[slot].Visible = m.finestra.ShpCarta[slot].Visible = true;
}

void Gioco::registraPescate() {
    Model& m = w_.m;
    const int r = m.gioco.lblManche - 1;
    const int p = m.gioco.lblNumeroCartaGiocataDaPC, h = m.gioco.lblNumeroCartaGiocataDaH;
    if (r < 1 || r > 17) return;
    const char trump = m.carte.lblSeme[7];
    CellaDati& cp = m.dati.lblDati[6 * r + 13];
    CellaDati& ch = m.dati.lblDati[6 * r + 14];
    cp.Caption = m.carte.lblCarta[p];
    if (m.carte.lblSeme[p] == trump) cp.BackColor = colour::TRUMP_YELLOW;
    ch.Caption = m.carte.lblCarta[h];
    if (m.carte.lblSeme[h] == trump) ch.BackColor = colour::TRUMP_YELLOW;
}

void Gioco::TimerPesca_Timer() {
    Model& m = w_.m;
    StatoGioco& g = m.gioco;
    if (!m.suoni.lblInterdiciSuoni && m.opzioni.is(opz::Rumori, "Si")) w_.rumori.SuonaDistribuzione();

    const bool pcVince = g.lblTurnoDiGioco == Chi::PC;
    const int slotVincitore = pcVince ? g.lblNumeroCartaGiocataDaPC : g.lblNumeroCartaGiocataDaH;
    const int slotPerdente = pcVince ? g.lblNumeroCartaGiocataDaH : g.lblNumeroCartaGiocataDaPC;
    if (g.lblNumeroCartaAnalizzata == 1) {
        g.lblNumeroCartaAnalizzata = 2;
        --g.lblNumeroCarteRimaste;
        cmdEstraiACasoUnaCarta(m.carte, slotVincitore, w_.pick);
        mostraPescata(slotVincitore, pcVince);
        return;
    }
    g.lblNumeroCartaAnalizzata = 1;
    --g.lblNumeroCarteRimaste;
    cmdEstraiACasoUnaCarta(m.carte, slotPerdente, w_.pick);
    mostraPescata(slotPerdente, !pcVince);
    m.finestra.lblCarteRimaste.Caption = std::to_string(g.lblNumeroCarteRimaste);

    registraPescate();
    g.lblNumeroCartaGiocataDaPC = g.lblNumeroCartaGiocataDaH = 0;
    if (g.lblTurnoDiGioco == Chi::PC) pensaMezzoGioco();
    w_.t.TimerPesca.disable();
    finePesca();
}

void Gioco::finePesca() {
    StatoGioco& g = w_.m.gioco;
    g.lblPuoiGiocare = true;
    if (g.lblAChiTocca == Chi::H) w_.commento.AvviaImpazienzaDopoPesca();
}

void Gioco::TimerPescaUltimeDue_Timer() {
    Model& m = w_.m;
    StatoGioco& g = m.gioco;
    Finestra& f = m.finestra;
    if (!m.suoni.lblInterdiciSuoni && m.opzioni.is(opz::Rumori, "Si")) w_.rumori.SuonaDistribuzione();

    const bool pcVince = g.lblTurnoDiGioco == Chi::PC;
    const int slotVincitore = pcVince ? g.lblNumeroCartaGiocataDaPC : g.lblNumeroCartaGiocataDaH;
    const int slotPerdente = pcVince ? g.lblNumeroCartaGiocataDaH : g.lblNumeroCartaGiocataDaPC;
    if (g.lblNumeroCartaAnalizzata == 1) {
        // The winner takes the last face-down card, from the deck slot.
        g.lblNumeroCartaAnalizzata = 2;
        --g.lblNumeroCarteRimaste;
        m.carte.copia(8, slotVincitore);
        f.ImgCarta[8].Visible = f.ShpCarta[8].Visible = false;
        mostraPescata(slotVincitore, pcVince);
        return;
    }
    // The loser takes the trump card, face up.
    g.lblNumeroCartaAnalizzata = 1;
    --g.lblNumeroCarteRimaste;
    m.carte.copia(7, slotPerdente);
    f.ImgCarta[7].Visible = f.ShpCarta[7].Visible = false;
    f.lblCarteRimaste.Visible = false;
    w_.finestra.mostraFaccia(slotPerdente);
    f.ImgCarta[slotPerdente].Visible = f.ShpCarta[slotPerdente].Visible = true;

    registraPescate();
    g.lblNumeroCartaGiocataDaPC = g.lblNumeroCartaGiocataDaH = 0;
    if (g.lblTurnoDiGioco == Chi::PC) {
        decidiOra();
        w_.t.TimerAttesaDelPCaMuovere.enable();
        g.lblGiocoInCorso = g.lblPartitaInCorso = true;
    }
    w_.t.TimerPescaUltimeDue.disable();
    finePesca();
}

// ---------------------------------------------------------------- the end of a game

void Gioco::FineGioco() {
    Model& m = w_.m;
    StatoGioco& g = m.gioco;
    AggiornaPartita();
    w_.commento.FermaImpazienza();

    const std::string& cerimonia = m.opzioni[opz::Cerimonia];
    bool premia = cerimonia == "Al termine di ogni Gioco" ||
                  (cerimonia == "Al termine della Partita" && !g.lblPartitaInCorso);
    if (!premia || g.lblVincitore == 0) {
        MostraFineGioco();
        return;
    }
    const int v = g.lblVincitore;
    Immagine& bandiera = m.finestra.ImgBandiera[v];
    bandiera.Picture = v == 1 ? "C:\\Programmi\\Zelvo\\Grafica\\Inghil.bmp" : "C:\\Programmi\\Zelvo\\Grafica\\Italia.bmp";
    bandiera.Visible = true;
    for (int s = 1; s <= 8; ++s) m.finestra.ImgCarta[s].Visible = m.finestra.ShpCarta[s].Visible = false;
    if (v == 1) w_.musica.InnoInglese();
    else w_.musica.InnoItaliano();
}

void Gioco::AggiornaPartita() {
    Model& m = w_.m;
    StatoGioco& g = m.gioco;
    Finestra& f = m.finestra;
    g.lblGiocoInCorso = false;
    if (g.lblVincitore == 1) {
        w_.finestra.evidenzia(true, false);
        ++g.lblPartitePC;
        for (int k = 1; k <= g.lblPartitePC && k <= 5; ++k) f.shpPuntiPC[k] = true;
        g.lblUltimoVincitore = Chi::PC;
    } else if (g.lblVincitore == 2) {
        w_.finestra.evidenzia(false, true);
        ++g.lblPartiteH;
        for (int k = 1; k <= g.lblPartiteH && k <= 5; ++k) f.shpPuntiH[k] = true;
        g.lblUltimoVincitore = Chi::H;
    } else {
        w_.finestra.evidenzia(false, false);
        g.lblUltimoVincitore = Chi::Nessuno;
    }
    g.lblFiltro60Punti = false;
    // The final score is always shown.
    f.lblPuntiHVista.Visible = f.lblPuntiPCVista.Visible = true;
    f.lblPuntiHScritta.Visible = f.lblPuntiPCScritta.Visible = true;

    const int n = giochiPerPartita(m.opzioni[opz::ConclusionePartita]);
    if (g.lblPartitePC == n || g.lblPartiteH == n) g.lblPartitaInCorso = false;

    m.opzioni.lblVoceColore[opz::ConclusioneGioco] = colour::LIGHT_GREEN;
    if (!g.lblPartitaInCorso) {
        m.opzioni.lblVoceColore[opz::Abilita] = colour::LIGHT_GREEN;
        m.opzioni.lblVoceColore[opz::ConclusionePartita] = colour::LIGHT_GREEN;
    }
}

void Gioco::MostraFineGioco() {
    Model& m = w_.m;
    StatoGioco& g = m.gioco;
    Finestra& f = m.finestra;

    w_.commento.AvviaCommentiFinali();
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
        w_.registri.AggiornaClassifica();
        w_.registri.SalvaAlbo();
        if (g.lblTotalePartite != 0) m.registri.lblDieciMigliori = false;
        f.fraPannello[3] = {true, 2925, 30};
        f.lblComandi[menu::Albo] = colour::GREEN;
    }

    // 4. The match panel replaces the options and data panels.
    f.fraPannello[2].Visible = false;
    f.lblComandi[menu::Opzioni] = colour::WHITE;
    f.fraPannello[0].Visible = false;
    f.lblComandi[menu::Dati] = colour::WHITE;
    f.fraPannello[1] = {true, 110, 30};
    f.lblComandi[menu::Partita] = colour::GREEN;

    // 5-7
    g.lblVincitore = 0;
    f.cmdContinuaOIniziaPartita.Enabled = true;
    daiFuoco(f, f.cmdContinuaOIniziaPartita);
    f.fraFineGioco = {false, 3420, 3030};
    for (int k = 2; k <= 18; ++k)
        m.dati.lblDati[dati::pescataPC(k)].Visible = m.dati.lblDati[dati::pescataH(k)].Visible = true;
    m.dati.intestazioniPescateVisibili = true;
    m.dati.marcatoreVisibile = false;
    f.fraFineGioco.Visible = true;
    w_.commento.FermaImpazienza();
}

void Gioco::TimerBandiera_Timer() {
    Model& m = w_.m;
    StatoGioco& g = m.gioco;
    const int t = ++g.lblcontatorebandiera;
    const int v = g.lblVincitore == 1 ? 1 : 2;
    Finestra& f = m.finestra;
    // The flag moves 148.5 twips a tick towards the middle of the table and back.
    const double passo = v == 1 ? 148.5 : -148.5;
    if (t >= 2 && t <= 20) f.bandieraTop[v] += passo;
    else if (t >= 25 && t <= 44) f.bandieraTop[v] -= passo;
    f.ImgBandiera[v].Top = static_cast<int>(f.bandieraTop[v] + (f.bandieraTop[v] >= 0 ? 0.5 : -0.5));
    if (t < 45) return;
    f.ImgBandiera[v].Visible = false;
    f.cmdContinuaOIniziaPartita.Enabled = true;
    MostraFineGioco();
    w_.musica.RipristinaTitolo();
    w_.t.TimerBandiera.disable();
    g.lblcontatorebandiera = 0;
}

void Gioco::cmdContinuaOIniziaPartita_Click() {
    Model& m = w_.m;
    if (!m.finestra.cmdContinuaOIniziaPartita.Enabled) return;
    if (m.suoni.lblInterdiciSuoni) return;  // a sound that must not be cut is playing
    w_.commento.FermaCommentiFinali();
    w_.musica.ChiudiInno();
    NuovoGioco();
}

}  // namespace zelvo
