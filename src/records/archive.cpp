// The archive of saved games: a game file holds the data-panel grid.
#include <cstdio>

#include "records/archive.h"

#include "platform/dialogs.h"
#include "platform/files.h"
#include "formats/file_formats.h"

namespace zelvo {

namespace {

constexpr const char* ARCHIVE_FOLDER = "C:\\Programmi\\Zelvo\\Archivio\\";
constexpr const char* FILTER = "File di testo (*.txt)|*.txt";

std::string folderOf(const std::string& p) {
    auto pos = p.find_last_of('/');
    return pos == std::string::npos ? std::string() : p.substr(0, pos);
}

}  // namespace

formats::GameFile recordedGame(const DataPanel& d) {
    formats::GameFile g;
    g.heading1 = d.lblIndicazioniPannellodati1;
    g.heading2 = d.lblIndicazioniPannellodati2;
    for (int i = 0; i < cells::SAVED; ++i) {
        g.text[i] = d.lblDati[i].Caption;
        g.colour[i] = d.lblDati[i].BackColor;
    }
    return g;
}

std::string archiveFileName(int match, int game) {
    char b[64];
    std::snprintf(b, sizeof b, "%03d-%02d.txt", match, game);
    return b;
}

std::string Archive::proposedName() const {
    const int match = m_.game.lblPartitaInCorso ? m_.records.lblTotalePartite + 1 : m_.records.lblTotalePartite;
    return std::string(ARCHIVE_FOLDER) + archiveFileName(match, m_.game.lblNumeroGioco);
}

void Archive::SalvaGioco() {
    FileSystem* fs = platform_.files;
    Dialogs* dlg = platform_.dialogs;
    if (!fs || !dlg) return;
    ReviewModel& m = m_;
    // The dialog opens in the archive folder, which comes into being with the user's Dati.
    auto scelto = dlg->saveFile(fs->realForWriting(proposedName()), FILTER, true);
    if (!scelto || scelto->empty()) return;  // cancelled: nothing changes

    const formats::GameFile g = recordedGame(m.data);
    if (std::string c = folderOf(*scelto); !c.empty()) fs->makeFolder(c);
    fs->write(*scelto, formats::writeGame(g));
    if (m.window.cmdScegliManche.Visible) giveFocus(m.window, m.window.cmdScegliManche);
}

void Archive::cmdLoad() {
    FileSystem* fs = platform_.files;
    Dialogs* dlg = platform_.dialogs;
    if (!fs || !dlg) return;
    ReviewModel& m = m_;
    auto scelto = dlg->openFile(fs->realForWriting(ARCHIVE_FOLDER), FILTER);
    if (!scelto || scelto->empty()) return;

    // The whole file is checked before anything of it reaches the grid.
    auto byte = fs->read(*scelto);
    auto& messaggio = m.data.lblDati[14].Caption;
    if (!byte) {
        messaggio = "Impossibile leggere il file scelto";
        return;
    }
    formats::Error e;
    auto g = formats::readGame(*byte, &e);
    if (!g) {
        switch (e.kind) {
            case formats::Error::Kind::Text: messaggio = "File non valido: non è un testo Windows"; break;
            case formats::Error::Kind::Short: messaggio = "File non valido: meno di 268 righe"; break;
            default: messaggio = "File non valido: colore errato alla riga " + std::to_string(e.line); break;
        }
        return;
    }

    TimerCaricaPartita_.enable();
    m.data.lblIndicazioniPannellodati1 = g->heading1;
    m.data.lblIndicazioniPannellodati2 = g->heading2;
    for (int i = 0; i < cells::SAVED; ++i) {
        m.data.lblDati[i].BackColor = g->colour[i];
        m.data.lblDati[i].Caption = g->text[i];
    }
    m.window.lblH.Caption = m.data.lblDati[1].Caption;
    giveFocus(m.window, m.window.cmdScegliManche);
}

void Archive::TimerCaricaPartita_Timer() {
    ReviewModel& m = m_;
    TimerCaricaPartita_.disable();
    Look(m.window, m.cards, m.options, m.data).RipristinaColoriDati();
    m.data.lblDati[10].BackColor = colour::WHITE;
    m.records.lblContaDati = 1;
    m.data.lblDati[14].Caption.clear();
    m.game.lblManche = 1;
    m.data.marcatoreTop = 1935;
    m.data.marcatoreVisibile = true;
    m.window.lblIstruzionePannelloDati = true;
    review_.cmdInizioAnalisi();
    giveFocus(m.window, m.window.cmdScegliManche);
}

}  // namespace zelvo
