// The archive of saved games: a game file holds the data-panel grid.
#include <cstdio>

#include "platform/dialogs.h"
#include "platform/files.h"
#include "records/formati.h"
#include "records/registri.h"
#include "ui/principale.h"

namespace zelvo {

namespace {

constexpr const char* CARTELLA_ARCHIVIO = "C:\\Programmi\\Zelvo\\Archivio\\";
constexpr const char* FILTRO = "File di testo (*.txt)|*.txt";

std::string cartellaDi(const std::string& p) {
    auto pos = p.find_last_of('/');
    return pos == std::string::npos ? std::string() : p.substr(0, pos);
}

}  // namespace

std::string Records::nomeProposto() const {
    const GameAndMatch& g = w_.m.game;
    int partita = g.lblPartitaInCorso ? g.lblTotalePartite + 1 : g.lblTotalePartite;
    char b[64];
    std::snprintf(b, sizeof b, "%03d-%02d.txt", partita, g.lblNumeroGioco);
    return std::string(CARTELLA_ARCHIVIO) + b;
}

void Records::SalvaGioco() {
    FileSystem* fs = w_.piattaforma.files;
    Dialogs* dlg = w_.piattaforma.dialogs;
    if (!fs || !dlg) return;
    Model& m = w_.m;
    // The dialog opens in the archive folder, which comes into being with the user's Dati.
    auto scelto = dlg->salvaFile(fs->realePerScrivere(nomeProposto()), FILTRO, true);
    if (!scelto || scelto->empty()) return;  // cancelled: nothing changes

    formati::GameFile g;
    g.intestazione1 = m.data.lblIndicazioniPannellodati1;
    g.intestazione2 = m.data.lblIndicazioniPannellodati2;
    for (int i = 0; i < cells::SAVED; ++i) {
        g.testo[i] = m.data.lblDati[i].Caption;
        g.colore[i] = m.data.lblDati[i].BackColor;
    }
    if (std::string c = cartellaDi(*scelto); !c.empty()) fs->creaCartella(c);
    fs->scrivi(*scelto, formati::scriviGioco(g));
    if (m.window.cmdScegliManche.Visible) fuoco(m.window.cmdScegliManche);
}

void Records::cmdLoad() {
    FileSystem* fs = w_.piattaforma.files;
    Dialogs* dlg = w_.piattaforma.dialogs;
    if (!fs || !dlg) return;
    Model& m = w_.m;
    auto scelto = dlg->apriFile(fs->realePerScrivere(CARTELLA_ARCHIVIO), FILTRO);
    if (!scelto || scelto->empty()) return;

    // The whole file is checked before anything of it reaches the grid.
    auto byte = fs->leggi(*scelto);
    auto& messaggio = m.data.lblDati[14].Caption;
    if (!byte) {
        messaggio = "Impossibile leggere il file scelto";
        return;
    }
    formati::Errore e;
    auto g = formati::leggiGioco(*byte, &e);
    if (!g) {
        switch (e.tipo) {
            case formati::Errore::Tipo::Testo: messaggio = "File non valido: non è un testo Windows"; break;
            case formati::Errore::Tipo::Corto: messaggio = "File non valido: meno di 268 righe"; break;
            default: messaggio = "File non valido: colore errato alla riga " + std::to_string(e.riga); break;
        }
        return;
    }

    w_.t.TimerCaricaPartita.enable();
    m.data.lblIndicazioniPannellodati1 = g->intestazione1;
    m.data.lblIndicazioniPannellodati2 = g->intestazione2;
    for (int i = 0; i < cells::SAVED; ++i) {
        m.data.lblDati[i].BackColor = g->colore[i];
        m.data.lblDati[i].Caption = g->testo[i];
    }
    m.window.lblH.Caption = m.data.lblDati[1].Caption;
    fuoco(m.window.cmdScegliManche);
}

void Records::TimerCaricaPartita_Timer() {
    Model& m = w_.m;
    w_.t.TimerCaricaPartita.disable();
    RipristinaColoriDati();
    m.data.lblDati[10].BackColor = colour::WHITE;
    m.records.lblContaDati = 1;
    m.data.lblDati[14].Caption.clear();
    m.game.lblManche = 1;
    m.data.marcatoreTop = 1935;
    m.data.marcatoreVisibile = true;
    m.window.lblIstruzionePannelloDati = true;
    cmdInizioAnalisi();
    fuoco(m.window.cmdScegliManche);
}

}  // namespace zelvo
