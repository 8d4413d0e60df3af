// The settings file and the optional-deck file.
#include <gtest/gtest.h>

#include "fixture.h"

namespace zelvo {
namespace {

using prova::Banco;
using prova::golden;
using prova::leggiFile;
using prova::scriviFile;

const char* const IMPO = "ZlvImpo.txt";

TEST(SimulationSettings, AGoldenFileLoadsIntoEveryTarget) {
    Banco b;
    scriviFile(b.dati(IMPO), golden(IMPO));
    TestMain& w = *b.w;
    w.CaricaImpostazioni();
    const Options& o = w.m.options;
    struct Caso {
        int opzione;
        const char* valore;
    } casi[] = {{12, "Alta (Livello B)"}, {19, "Media"}, {18, "Si"}, {14, "Lenta"},
                {15, "Fino all'ultima presa"}, {16, "Al meglio di 5 Giochi"}, {17, "Al termine della Partita"},
                {0, "No"}, {1, "Caffé"}, {4, "Azzurro bebé"}, {5, "Greche"}, {3, "Napoletane"}, {6, "Media"},
                {7, "Solo Zelvo"}, {13, "No"}, {2, "Dopo un nuovo Gioco"}, {20, "Come nel Gioco"}, {8, "Spesso"},
                {9, "Si"}, {10, "Gentleman"}, {11, "Impaziente"}};
    for (const auto& c : casi) EXPECT_EQ(o.lblOpzione[c.opzione], c.valore) << c.opzione;
    EXPECT_EQ(w.t.TimerAttesaDelPCaMuovere.interval(), 1000);
    EXPECT_EQ(w.t.TimerEffettuaLaPresa.interval(), 1550);
    EXPECT_EQ(w.t.TimerAnimazionecartePC.interval(), 45);
    EXPECT_EQ(w.t.TimerAnimazionecarteH.interval(), 45);
    EXPECT_TRUE(w.m.game.lblSbirciata);
    const RecordsState& r = w.m.records;
    EXPECT_EQ(r.ShpLineaVLeft[2], 1095.f);
    EXPECT_EQ(r.ShpLineaVLeft[4], 1575.f);
    EXPECT_TRUE(r.ShpLineaVVisible[2]);
    EXPECT_FALSE(r.ShpLineaVVisible[3]);
    EXPECT_EQ(r.shpPuntiPCLeft[3], 1455.f);
    EXPECT_EQ(r.shpPuntiHLeft[4], 1935.f);
    EXPECT_TRUE(w.m.window.lblPuntiPCVista.Visible);
    EXPECT_FALSE(w.m.window.lblPuntiHVista.Visible);
    EXPECT_FALSE(w.m.window.lblPuntiHScritta.Visible);
    EXPECT_EQ(r.lblPannelloVisualizzato, "Dati");
    EXPECT_EQ(r.lblContinuaregole, "Clicca qui per continuare > 3");
}

TEST(SimulationSettings, LoadThenSaveGivesTheSameBytes) {
    Banco b;
    scriviFile(b.dati(IMPO), golden(IMPO));
    b.w->CaricaImpostazioni();
    std::filesystem::remove(b.dati(IMPO));
    b.w->SalvaImpostazioni();
    EXPECT_EQ(leggiFile(b.dati(IMPO)), golden(IMPO));
}

TEST(SimulationSettings, TheInitialValuesMakeTheDesignFile) {
    Banco b;
    b.w->SalvaImpostazioni();
    std::string atteso =
        "\"Massima (Livello A)\"\r\n\"Molto Veloce\"\r\n500\r\n\"No\"\r\n\"No\"\r\n\"Molto Veloce\"\r\n750\r\n"
        "\"Appena uno supera 60 punti\"\r\n\"Al meglio di 4 Giochi\"\r\n1095\r\n1575\r\n#TRUE#\r\n#FALSE#\r\n#TRUE#\r\n"
        "975\r\n975\r\n1455\r\n1455\r\n1935\r\n1935\r\n\"No\"\r\n\"All'inizio della Partita\"\r\n\"Rosso mattone\"\r\n"
        "\"Grigio cemento\"\r\n\"Nessuno\"\r\n\"Piacentine\"\r\n\"No\"\r\n40\r\n40\r\n\"Tutti e due i Giocatori\"\r\n"
        "#TRUE#\r\n#TRUE#\r\n#TRUE#\r\n#TRUE#\r\n\"Si\"\r\n\"Nessuno\"\r\n\"Clicca qui per continuare > 1\"\r\n"
        "\"Dopo il brano precedente\"\r\n\"Silenzio assoluto\"\r\n\"Ogni tanto\"\r\n\"Si\"\r\n\"Pettegolo\"\r\n"
        "\"Assai nervoso\"\r\n";
    EXPECT_EQ(leggiFile(b.dati(IMPO)), atteso);
}

TEST(SimulationSettings, AMissingFileLeavesEveryInitialValue) {
    Banco b;
    Banco riferimento;
    b.w->CaricaImpostazioni();
    EXPECT_EQ(b.w->m.options.lblOpzione, riferimento.w->m.options.lblOpzione);
    EXPECT_EQ(b.w->t.TimerEffettuaLaPresa.interval(), riferimento.w->t.TimerEffettuaLaPresa.interval());
    EXPECT_EQ(b.w->m.records.lblPannelloVisualizzato, "Nessuno");
}

TEST(SimulationSettings, LinesThatCannotBeConvertedKeepTheirInitialValue) {
    // Line 3 not a number, line 10 not a number, line 12 not a truth value, line 23
    // not Windows-1252 text, and the file ends after line 30.
    std::string righe[] = {"\"Alta (Livello B)\"", "\"Media\"", "mille", "\"No\"", "\"No\"", "\"Lenta\"", "1550",
                           "\"Fino all'ultima presa\"", "\"Al meglio di 3 Giochi\"", "abc", "1600", "forse",
                           "#TRUE#", "#FALSE#", "900", "900", "1455", "1455", "1935", "1935", "\"No\"", "\"No\"",
                           "\"Caff\x81\"", "\"Lavanda\"", "\"Rombi\"", "\"Opzionali\"", "\"Veloce\"", "30", "30",
                           "\"Solo Zelvo\""};
    std::string file;
    for (const auto& r : righe) file += r + "\r\n";
    Banco b;
    scriviFile(b.dati(IMPO), file);
    TestMain& w = *b.w;
    w.CaricaImpostazioni();
    EXPECT_EQ(w.m.options.lblOpzione[12], "Alta (Livello B)");
    EXPECT_EQ(w.t.TimerAttesaDelPCaMuovere.interval(), 500);  // "mille"
    EXPECT_EQ(w.t.TimerEffettuaLaPresa.interval(), 1550);
    EXPECT_EQ(w.m.records.ShpLineaVLeft[2], 1095.f);          // "abc"
    EXPECT_EQ(w.m.records.ShpLineaVLeft[4], 1600.f);
    EXPECT_TRUE(w.m.records.ShpLineaVVisible[2]);             // "forse"
    EXPECT_TRUE(w.m.records.ShpLineaVVisible[3]);
    EXPECT_EQ(w.m.records.shpPuntiPCLeft[2], 900.f);
    EXPECT_EQ(w.m.options.lblOpzione[1], "Rosso mattone");                 // not Windows-1252
    EXPECT_EQ(w.m.options.lblOpzione[4], "Lavanda");
    // An unknown caption is kept as it stands.
    EXPECT_EQ(w.m.options.lblOpzione[3], "Opzionali");
    EXPECT_EQ(w.t.TimerAnimazionecarteH.interval(), 30);
    EXPECT_EQ(w.m.options.lblOpzione[7], "Solo Zelvo");
    // Lines 31 to 43 are missing.
    EXPECT_EQ(w.m.options.lblOpzione[13], "Si");
    EXPECT_EQ(w.m.options.lblOpzione[11], "Assai nervoso");
    EXPECT_EQ(w.m.records.lblPannelloVisualizzato, "Nessuno");
}

TEST(SimulationSettings, ThePeekFlagStartsAsTheComputersCardsWereShown) {
    for (const char* valore : {"Si", "No"}) {
        Banco b;
        b.w->m.options.lblOpzione[index(Option::ShowCards)] = valore;
        b.w->SalvaImpostazioni();
        Banco b2;
        scriviFile(b2.dati(IMPO), leggiFile(b.dati(IMPO)));
        b2.w->CaricaImpostazioni();
        EXPECT_EQ(b2.w->m.game.lblSbirciata, std::string(valore) == "Si") << valore;
    }
}

TEST(SimulationSettings, TheOpenPanelIsRestoredAtStartUp) {
    struct Caso {
        const char* pannello;
        bool dati, partita;
    } casi[] = {{"Nessuno", false, false}, {"Dati", true, false}, {"Partita", false, true}};
    for (const auto& c : casi) {
        Banco b;
        b.w->m.records.lblPannelloVisualizzato = c.pannello;
        b.w->SalvaImpostazioni();
        Banco b2;
        scriviFile(b2.dati(IMPO), leggiFile(b.dati(IMPO)));
        b2.w->Form_Load();
        const Window& f = b2.w->m.window;
        EXPECT_EQ(f.fraPannello[0].Visible, c.dati) << c.pannello;
        EXPECT_EQ(f.fraPannello[1].Visible, c.partita) << c.pannello;
        if (c.dati) {
            EXPECT_EQ(f.lblComandi[menu::Dati], colour::GREEN);
        }
        if (c.partita) {
            EXPECT_EQ(f.fraPannello[1].Left, 110);
            EXPECT_EQ(f.lblComandi[menu::Partita], colour::GREEN);
        }
    }
}

TEST(SimulationSettings, StartUpReadsTheSettingsBeforeNamingTheLevelAndKeepsTheSavedIntervals) {
    Banco b;
    scriviFile(b.dati(IMPO), golden(IMPO));
    b.w->Form_Load();
    EXPECT_EQ(b.w->m.data.lblDati[0].Caption, "ZELVO B");
    // Saved intervals are put back as they are, not derived again from the options.
    EXPECT_EQ(b.w->t.TimerAttesaDelPCaMuovere.interval(), 1000);
    EXPECT_EQ(b.w->t.TimerEffettuaLaPresa.interval(), 1550);
    EXPECT_TRUE(b.w->t.TimerDistribuisciCarte.enabled());
}

TEST(CarteOpzionali, TheThreeValuesOfTheOptionalDeckFile) {
    struct Caso {
        std::string file;
        const char* carte;
        int bordo;
        const char* nome;
    } casi[] = {
        {"\"Carte Opzionali inserite\"\r\n1\r\n\"Siciliane\"\r\n", "Carte Opzionali inserite", 1, "Siciliane"},
        {"\"No\"\r\n0\r\n\"Opzionali\"\r\n", "No", 0, "Opzionali"},
        {"\"Carte Opzionali inserite\"\r\n", "Carte Opzionali inserite", 0, "Opzionali"},
        {"", "No", 0, "Opzionali"},
        {"\"Carte Opzionali inserite\"\r\n\"non un numero\"\r\n\"X\"\r\n", "Carte Opzionali inserite", 0, "X"},
    };
    for (const auto& c : casi) {
        Banco b;
        scriviFile(b.content("ZlvOpzio.txt"), c.file);
        b.w->CaricaCarteOpzionali();
        EXPECT_EQ(b.w->m.records.lblCarteOpzionali, c.carte) << c.file;
        EXPECT_EQ(b.w->m.window.lblBordoCarteOpzionali, c.bordo) << c.file;
        EXPECT_EQ(b.w->m.records.lblNomeCarteOpzionali, c.nome) << c.file;
    }
}

TEST(SimulationSettings, WithoutAFileSystemNothingIsReadOrWritten) {
    Headless h;
    TestMain w(h.platform);
    w.CaricaImpostazioni();
    w.SalvaImpostazioni();
    w.hallOfFame.CaricaAlbo();
    w.hallOfFame.SalvaAlbo();
    w.archive.SalvaGioco();
    w.archive.cmdLoad();
    EXPECT_EQ(w.m.options.lblOpzione[12], "Massima (Livello A)");
    EXPECT_FALSE(w.t.TimerCaricaPartita.enabled());
}

}  // namespace
}  // namespace zelvo
