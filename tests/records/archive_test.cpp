// The archive of saved games: names, the 268-line file, loading and its failures.
#include <gtest/gtest.h>

#include "fixture.h"
#include "formats/file_formats.h"

namespace zelvo {
namespace {

using prova::Banco;
using prova::golden;
using prova::leggiFile;
using prova::scriviFile;

const char* const GOLDEN = "007-02.txt";

// A caption of its own for every cell.
std::string etichetta(int i) {
    std::string s = std::to_string(i);
    s.insert(s.begin(), 'c');
    return s;
}

TEST(Archivio, TheProposedName) {
    struct Caso {
        int totale, gioco;
        bool inCorso;
        const char* nome;
    } casi[] = {{0, 1, true, "001-01.txt"},  {6, 2, true, "007-02.txt"},   {7, 2, false, "007-02.txt"},
                {122, 12, true, "123-12.txt"}, {1233, 3, true, "1234-03.txt"}, {9, 10, true, "010-10.txt"},
                {99, 1, false, "099-01.txt"}};
    for (const auto& c : casi) {
        Banco b;
        b.w->m.records.lblTotalePartite = c.totale;
        b.w->m.game.lblNumeroGioco = c.gioco;
        b.w->m.game.lblPartitaInCorso = c.inCorso;
        EXPECT_EQ(b.w->archive.proposedName(), std::string("C:\\Programmi\\Zelvo\\Archivio\\") + c.nome);
    }
}

// Loads a game file through the open dialog.
void apri(Banco& b, const std::string& file) {
    b.dialoghi.rispondi(file);
    b.w->archive.cmdLoad();
}

TEST(Archivio, OpeningAGameFileFillsTheGridAndStartsTheReview) {
    Banco b;
    scriviFile(b.archivio(GOLDEN), golden(GOLDEN));
    apri(b, b.archivio(GOLDEN));
    TestMain& w = *b.w;
    ASSERT_EQ(b.dialoghi.richieste().size(), 1u);
    EXPECT_FALSE(b.dialoghi.richieste()[0].salva);
    EXPECT_EQ(b.dialoghi.richieste()[0].percorso, b.cartella.percorso + "/utente/Archivio");
    EXPECT_EQ(b.dialoghi.richieste()[0].filtro, "File di testo (*.txt)|*.txt");
    EXPECT_EQ(w.m.data.lblIndicazioniPannellodati1, "Partita n. 7 - Gioco n. 2");
    EXPECT_EQ(w.m.data.lblIndicazioniPannellodati2, "5/12/26 - 20:31");
    EXPECT_EQ(w.m.data.lblDati[0].Caption, "ZELVO B");
    EXPECT_EQ(w.m.data.lblDati[1].Caption, "Niccolò");
    EXPECT_EQ(w.m.window.lblH.Caption, "Niccolò");
    EXPECT_EQ(w.m.data.lblDati[8].BackColor, colour::RED);
    EXPECT_EQ(w.m.data.lblDati[3].BackColor, colour::TRUMP_YELLOW);  // Fb, of the trump suit
    EXPECT_EQ(w.m.data.lblDati[2].BackColor, colour::WHITE);
    EXPECT_TRUE(w.m.window.cmdScegliManche.focus);
    EXPECT_TRUE(w.t.TimerCaricaPartita.enabled());
    b.h.scheduler.advance(50);
    EXPECT_FALSE(w.t.TimerCaricaPartita.enabled());
    EXPECT_TRUE(w.m.window.lblIstruzionePannelloDati);
    EXPECT_EQ(w.m.records.lblContaDati, 1);
    EXPECT_EQ(w.m.game.lblManche, 1);
    EXPECT_EQ(w.m.data.marcatoreTop, 1935);
}

TEST(Archivio, SaveOpenSaveGivesTheSameBytes) {
    Banco b;
    scriviFile(b.archivio(GOLDEN), golden(GOLDEN));
    apri(b, b.archivio(GOLDEN));
    b.h.scheduler.advance(50);
    b.dialoghi.rispondi(b.archivio("copia.txt"));
    b.w->archive.SalvaGioco();
    EXPECT_EQ(leggiFile(b.archivio("copia.txt")), golden(GOLDEN));
    const auto& r = b.dialoghi.richieste().back();
    EXPECT_TRUE(r.salva);
    EXPECT_TRUE(r.conferma);
    EXPECT_EQ(r.filtro, "File di testo (*.txt)|*.txt");
}

TEST(Archivio, AGamePlayedAndSavedComesBackCellForCell) {
    Banco b;
    TestMain& w = *b.w;
    w.m.playerName = "Anna";
    w.Form_Load();
    ASSERT_NO_FATAL_FAILURE(prova::giocaFinoAllaFine(b));
    EXPECT_EQ(w.archive.proposedName(), "C:\\Programmi\\Zelvo\\Archivio\\001-01.txt");
    b.dialoghi.rispondi(b.archivio("001-01.txt"));
    w.archive.SalvaGioco();
    const std::string salvato = leggiFile(b.archivio("001-01.txt"));
    EXPECT_EQ(std::count(salvato.begin(), salvato.end(), '\n'), 268);

    Banco b2;
    apri(b2, b.archivio("001-01.txt"));
    for (int i = 0; i <= 132; ++i) {
        EXPECT_EQ(b2.w->m.data.lblDati[i].Caption, w.m.data.lblDati[i].Caption) << i;
        EXPECT_EQ(b2.w->m.data.lblDati[i].BackColor, w.m.data.lblDati[i].BackColor) << i;
    }
    EXPECT_EQ(b2.w->m.data.lblIndicazioniPannellodati1, w.m.data.lblIndicazioniPannellodati1);
    EXPECT_EQ(b2.w->m.window.lblH.Caption, "Anna");
}

TEST(Archivio, ACancelledDialogChangesNothing) {
    Banco b;
    b.w->m.data.lblDati[20].Caption = "Ad";
    b.w->archive.SalvaGioco();   // no answer queued: cancelled
    b.w->archive.cmdLoad();
    ASSERT_EQ(b.dialoghi.richieste().size(), 2u);
    // Both dialogs open in a folder that is there, even on the first run; no file is written.
    EXPECT_EQ(std::filesystem::path(b.dialoghi.richieste()[0].percorso).parent_path(),
              b.cartella.percorso + "/utente/Archivio");
    EXPECT_EQ(b.dialoghi.richieste()[1].percorso, b.cartella.percorso + "/utente/Archivio");
    for (const char* c : {"/utente/Archivio", "/utente/Dati"}) {
        EXPECT_TRUE(std::filesystem::is_directory(b.cartella.percorso + c)) << c;
        EXPECT_TRUE(b.list(b.cartella.percorso + c).empty()) << c;
    }
    EXPECT_EQ(b.w->m.data.lblDati[20].Caption, "Ad");
    EXPECT_FALSE(b.w->t.TimerCaricaPartita.enabled());
}

TEST(Archivio, ABadGameFileLeavesTheGridAsItWasAndSaysWhy) {
    const std::string buono = golden(GOLDEN);
    // Line 3 + 2 * 20 is the colour of cell 20.
    std::string coloreRotto = buono;
    {
        size_t pos = 0;
        for (int riga = 1; riga < 43; ++riga) pos = coloreRotto.find('\n', pos) + 1;
        const size_t fine = coloreRotto.find('\r', pos);
        coloreRotto = coloreRotto.substr(0, pos) + "bianco" + coloreRotto.substr(fine);
    }
    std::string corto = buono.substr(0, buono.rfind("\r\n", buono.size() - 3) + 2);
    std::string nonTesto = buono;
    nonTesto[nonTesto.find("Niccol") + 6] = '\x90';
    struct Caso {
        std::string file;
        const char* messaggio;
    } casi[] = {
        {corto, "File non valido: meno di 268 righe"},
        {"", "File non valido: meno di 268 righe"},
        {coloreRotto, "File non valido: colore errato alla riga 43"},
        {nonTesto, "File non valido: non è un testo Windows"},
    };
    for (const auto& c : casi) {
        Banco b;
        for (int i = 0; i <= 132; ++i) {
            b.w->m.data.lblDati[i].Caption = etichetta(i);
            b.w->m.data.lblDati[i].BackColor = static_cast<Colour>(i);
        }
        b.w->m.data.lblDati[14].Caption.clear();
        b.w->m.window.lblH.Caption = "Anna";
        scriviFile(b.archivio("x.txt"), c.file);
        apri(b, b.archivio("x.txt"));
        EXPECT_EQ(b.w->m.data.lblDati[14].Caption, c.messaggio);
        for (int i = 0; i <= 132; ++i) {
            if (i == 14) continue;
            EXPECT_EQ(b.w->m.data.lblDati[i].Caption, etichetta(i));
            EXPECT_EQ(b.w->m.data.lblDati[i].BackColor, static_cast<Colour>(i));
        }
        EXPECT_EQ(b.w->m.window.lblH.Caption, "Anna");
        EXPECT_FALSE(b.w->t.TimerCaricaPartita.enabled());
    }
}

TEST(Archivio, AFileThatCannotBeReadIsReportedToo) {
    Banco b;
    apri(b, b.archivio("non-esiste.txt"));
    EXPECT_EQ(b.w->m.data.lblDati[14].Caption, "Impossibile leggere il file scelto");
}

// A save from the window failed or killed at any of its steps leaves the old
// game file or the new one, whole; the next start removes what it left behind.
TEST(Archivio, ASaveFailedOrKilledAtAnyStepLeavesTheOldFileOrTheNew) {
    using Fault = TestFileSystem::Fault;
    int interruptions = 0;
    for (Fault fault : {Fault::Fail, Fault::Kill}) {
        for (int k = 1; k < 10; ++k) {
            SCOPED_TRACE(std::to_string(k) + (fault == Fault::Kill ? " killed" : " failed"));
            Banco b;
            scriviFile(b.archivio(GOLDEN), golden(GOLDEN));
            b.w->m.data.lblDati[1].Caption = "Altro";
            b.dialoghi.rispondi(b.archivio(GOLDEN));
            auto save = [&] {
                b.fs.faultAt(k, fault);
                b.w->archive.SalvaGioco();
            };
            if (fault == Fault::Kill ? prova::ranToEnd(save) : (save(), b.fs.steps() < k)) break;
            ++interruptions;
            const std::string bytes = leggiFile(b.archivio(GOLDEN));
            auto g = formats::readGame(bytes);
            ASSERT_TRUE(g);
            EXPECT_TRUE(bytes == golden(GOLDEN) || g->text[1] == "Altro");
            b.w->hallOfFame.CaricaAlbo();  // the next start
            EXPECT_EQ(b.list(b.cartella.percorso + "/utente/Archivio"), std::vector<std::string>{GOLDEN});
        }
    }
    EXPECT_EQ(interruptions, 10);  // open, write, sync, rename and the folder's sync, each way
}

// Only the first 268 lines make the file: whatever follows them is not read.
TEST(FormatoGioco, TextAfterTheLastLineIsNoPartOfTheFile) {
    const std::string buono = golden(GOLDEN);
    for (const std::string coda : {"\x81\x90\r\n", "\"altro\"\r\n\x8d", "\r\n\r\n"}) {
        formats::Error e;
        auto letto = formats::readGame(buono + coda, &e);
        ASSERT_TRUE(letto) << e.text();
        EXPECT_EQ(formats::writeGame(*letto), buono);
    }
}

TEST(FormatoGioco, SignedColoursOfTheWindowSystemSurvive) {
    formats::GameFile g;
    g.colour.fill(0);
    g.colour[13] = 0x8000000F;  // a system colour
    auto letto = formats::readGame(formats::writeGame(g));
    ASSERT_TRUE(letto);
    EXPECT_EQ(letto->colour[13], 0x8000000Fu);
    EXPECT_EQ(formats::writeGame(*letto), formats::writeGame(g));
}

}  // namespace
}  // namespace zelvo
