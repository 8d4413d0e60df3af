// The hall of fame: ranking moves, statistics, register entries, the three files.
#include <gtest/gtest.h>

#include "fixture.h"
#include "formats/file_formats.h"

namespace zelvo {
namespace {

using prova::Banco;
using prova::golden;
using prova::leggiFile;
using prova::scriviFile;

// The end of a match as the game leaves it for the records.
void fineMatch(TestMain& w, const std::string& nome, bool vinceH, int gH, int gPC,
               const char* livello = "Alta (Livello B)", bool sbirciata = false) {
    w.m.window.lblH.Caption = nome;
    w.m.window.lblH.opaca = vinceH;
    w.m.window.lblPC.opaca = !vinceH;
    w.m.game.lblPartiteH = gH;
    w.m.game.lblPartitePC = gPC;
    w.m.options.lblOpzione[index(Option::Level)] = livello;
    w.m.game.lblSbirciata = sbirciata;
    w.hallOfFame.AggiornaClassifica();
}

struct R {
    std::string nome;
    int won, lost;
};

void metti(RecordsState& s, const std::vector<R>& righe) {
    for (int i = 1; i <= 10; ++i) s.classifica[i] = {};
    for (size_t i = 0; i < righe.size(); ++i) {
        auto& r = s.classifica[i + 1];
        r.name = righe[i].nome;
        r.won = std::to_string(righe[i].won);
        r.lost = std::to_string(righe[i].lost);
        r.date = "01/01/2026";
        r.positionShown = r.wonShown = r.lostShown = true;
    }
}

std::vector<R> leggi(const RecordsState& s) {
    std::vector<R> v;
    for (int i = 1; i <= 10; ++i)
        if (!s.classifica[i].name.empty())
            v.push_back({s.classifica[i].name, std::stoi(s.classifica[i].won), std::stoi(s.classifica[i].lost)});
    return v;
}

std::string testoDi(const std::vector<R>& v) {
    std::string s;
    for (const auto& r : v) s += r.nome + " " + std::to_string(r.won) + "-" + std::to_string(r.lost) + "; ";
    return s;
}

TEST(Ranking, FirstMatchEverAnnaBeatsZelvoAtLevelB) {
    Banco b;
    TestMain& w = *b.w;
    fineMatch(w, "Anna", true, 3, 1);
    EXPECT_EQ(testoDi(leggi(w.m.records)), "Anna 1-0; ZELVO 0-1; ");
    EXPECT_TRUE(w.m.records.classifica[1].highlighted);
    EXPECT_FALSE(w.m.records.classifica[2].highlighted);
    EXPECT_EQ(w.m.records.lblSconfittePCVariLivelli[2], "1");
    EXPECT_EQ(w.m.records.lblNomeVincitorePartita, "Anna");
    ASSERT_EQ(w.m.records.LstAlbo.size(), 1u);
    EXPECT_EQ(w.m.records.LstAlbo[0].substr(0, 22), "1)  Anna - ZELVO B    ");

    w.hallOfFame.SalvaAlbo();
    EXPECT_EQ(w.m.records.lblTotalePartite, 1);
    for (const char* f : {"ZlvClass.txt", "ZlvPart.txt", "ZlvAlbo.txt"})
        EXPECT_EQ(leggiFile(b.dati(f)), golden(f)) << f;
}

TEST(Ranking, LoadThenSaveGivesTheSameThreeFiles) {
    Banco b;
    for (const char* f : {"ZlvClass.txt", "ZlvPart.txt", "ZlvAlbo.txt"}) scriviFile(b.dati(f), golden(f));
    b.w->hallOfFame.CaricaAlbo();
    EXPECT_EQ(b.w->m.records.lblTotalePartite, 1);
    EXPECT_EQ(b.w->m.records.classifica[1].name, "Anna");
    EXPECT_EQ(b.w->m.records.lblSconfittePCVariLivelli[2], "1");
    for (const char* f : {"ZlvClass.txt", "ZlvPart.txt", "ZlvAlbo.txt"}) std::filesystem::remove(b.dati(f));
    b.w->lblPuntiPC_Click();  // a click on the computer's point total writes them again
    for (const char* f : {"ZlvClass.txt", "ZlvPart.txt", "ZlvAlbo.txt"})
        EXPECT_EQ(leggiFile(b.dati(f)), golden(f)) << f;
}

TEST(Ranking, RankingMoves) {
    struct Caso {
        const char* descrizione;
        std::vector<R> prima;
        const char* nome;
        bool vinceH;
        std::vector<R> dopo;
        int evidenziata;
    } casi[] = {
        {"a loser with the same wins as the row below and more losses swaps below it",
         {{"Bea", 3, 1}, {"Carlo", 3, 1}, {"ZELVO", 2, 5}},
         "Bea", false,
         {{"Carlo", 3, 1}, {"Bea", 3, 2}, {"ZELVO", 3, 5}},
         3},
        {"with equal losses no row moves",
         {{"ZELVO", 4, 0}, {"Bea", 3, 1}, {"Carlo", 3, 2}},
         "Bea", false,
         {{"ZELVO", 5, 0}, {"Bea", 3, 2}, {"Carlo", 3, 2}},
         1},
        {"a loser moves past every row with the same wins and fewer losses",
         {{"Bea", 2, 0}, {"Carlo", 2, 0}, {"Dino", 2, 0}, {"Ezio", 1, 0}, {"ZELVO", 1, 1}},
         "Bea", false,
         {{"Carlo", 2, 0}, {"Dino", 2, 0}, {"ZELVO", 2, 1}, {"Bea", 2, 1}, {"Ezio", 1, 0}},
         3},
        {"a winner goes above every player with the same record",
         {{"Bea", 3, 2}, {"Carlo", 2, 1}, {"Dino", 2, 4}, {"ZELVO", 0, 3}},
         "Dino", true,
         {{"Bea", 3, 2}, {"Dino", 3, 4}, {"Carlo", 2, 1}, {"ZELVO", 0, 4}},
         2},
        {"a winner with the same wins and fewer losses passes the row above",
         {{"Bea", 3, 5}, {"Carlo", 2, 0}, {"ZELVO", 1, 1}},
         "Carlo", true,
         {{"Carlo", 3, 0}, {"Bea", 3, 5}, {"ZELVO", 1, 2}},
         1},
        {"a newcomer who loses enters at the first row without wins",
         {{"Bea", 3, 0}, {"Carlo", 0, 2}},
         "Dino", false,
         {{"Bea", 3, 0}, {"ZELVO", 1, 0}, {"Dino", 0, 1}, {"Carlo", 0, 2}},
         2},
        {"a newcomer who wins enters at the first row with fewer than 2 wins",
         {{"Bea", 3, 0}, {"Carlo", 2, 0}, {"Dino", 1, 7}, {"ZELVO", 1, 0}},
         "Ezio", true,
         {{"Bea", 3, 0}, {"Carlo", 2, 0}, {"Ezio", 1, 0}, {"Dino", 1, 7}, {"ZELVO", 1, 1}},
         3},
    };
    for (const auto& c : casi) {
        Banco b;
        metti(b.w->m.records, c.prima);
        fineMatch(*b.w, c.nome, c.vinceH, c.vinceH ? 3 : 0, c.vinceH ? 0 : 3);
        EXPECT_EQ(testoDi(leggi(b.w->m.records)), testoDi(c.dopo)) << c.descrizione;
        for (int i = 1; i <= 10; ++i)
            EXPECT_EQ(b.w->m.records.classifica[i].highlighted, i == c.evidenziata) << c.descrizione << " row " << i;
    }
}

TEST(Ranking, AFullTableKeepsNewcomersOut) {
    std::vector<R> piena;
    for (int i = 0; i < 10; ++i) piena.push_back({"P" + std::to_string(i), 12 - i, 1});
    {
        // Every row has at least 2 wins: a winning newcomer stays out, and so does ZELVO losing.
        Banco b;
        metti(b.w->m.records, piena);
        fineMatch(*b.w, "Nuovo", true, 3, 0);
        EXPECT_EQ(testoDi(leggi(b.w->m.records)), testoDi(piena));
        for (int i = 1; i <= 10; ++i) EXPECT_FALSE(b.w->m.records.classifica[i].highlighted);
        EXPECT_EQ(b.w->m.records.LstAlbo.size(), 1u);
    }
    {
        // Every row has at least 1 win: a losing newcomer stays out; the winner ZELVO enters.
        std::vector<R> righe = piena;
        for (auto& r : righe) r.won = 1;
        Banco b;
        metti(b.w->m.records, righe);
        fineMatch(*b.w, "Nuovo", false, 0, 3);
        auto dopo = leggi(b.w->m.records);
        ASSERT_EQ(dopo.size(), 10u);
        EXPECT_EQ(dopo[0].nome, "ZELVO");
        EXPECT_EQ(dopo[9].nome, "P8");  // the last row dropped out
        for (const auto& r : dopo) EXPECT_NE(r.nome, "Nuovo");
    }
}

TEST(Ranking, NamesAreComparedExactly) {
    Banco b;
    metti(b.w->m.records, {{"anna", 2, 0}});
    fineMatch(*b.w, "Anna", true, 3, 0);
    auto dopo = leggi(b.w->m.records);
    ASSERT_EQ(dopo.size(), 3u);
    EXPECT_EQ(dopo[0].nome, "anna");
    EXPECT_EQ(dopo[1].nome, "Anna");
}

TEST(Statistiche, EachLevelCountsTheComputersMatches) {
    Banco b;
    struct Caso {
        const char* livello;
        bool vinceH;
    } casi[] = {{"Massima (Livello A)", false}, {"Massima (Livello A)", true}, {"Minima (Livello E)", true},
                {"Media (Livello C)", false},   {"Sconosciuto", false}};
    for (const auto& c : casi) fineMatch(*b.w, "Anna", c.vinceH, 3, 3, c.livello);
    const RecordsState& r = b.w->m.records;
    EXPECT_EQ(r.lblVittoriePCVariLivelli, (std::array<std::string, 6>{"0", "1", "0", "1", "0", "0"}));
    EXPECT_EQ(r.lblSconfittePCVariLivelli, (std::array<std::string, 6>{"0", "1", "0", "0", "0", "1"}));
}

TEST(Albo, TheFourFormsOfAnEntry) {
    DateTime d{2026, 3, 9, 7, 5, 0};
    struct Caso {
        bool vinceH, sbirciata;
        int livello;
        const char* atteso;
    } casi[] = {
        {true, false, 2, "12)  Anna - ZELVO B    3-1   9/3/26  7:05"},
        {true, true, 2, "12)  Anna * - ZELVO B    3-1   9/3/26  7:05"},
        {false, false, 1, "12)  ZELVO A - Anna    1-3   9/3/26  7:05"},
        {false, true, 5, "12)  ZELVO E - Anna *    1-3   9/3/26  7:05"},
        {true, false, 0, "12)  Anna - ZELVO    3-1   9/3/26  7:05"},
    };
    for (const auto& c : casi)
        EXPECT_EQ(registerEntry(12, c.vinceH, c.sbirciata, "Anna", c.livello, c.vinceH ? 3 : 3, 1, d), c.atteso);
}

TEST(Albo, MinutesUnderTenHaveTwoDigitsInTheEntryAndTheHeading) {
    for (int minuto = 0; minuto <= 9; ++minuto) {
        Banco b(1, {2026, 12, 5, 21, minuto, 0});
        fineMatch(*b.w, "Anna", true, 3, 0);
        std::string mm = "0" + std::to_string(minuto);
        EXPECT_EQ(b.w->m.records.LstAlbo.back(), "1)  Anna - ZELVO B    3-0   5/12/26  21:" + mm);
        EXPECT_EQ(b.w->m.data.lblIndicazioniPannellodati2, "5/12/26 - 21:" + mm);
    }
}

TEST(Albo, EntriesAreNumberedAfterTheLastOne) {
    Banco b;
    for (int i = 0; i < 3; ++i) fineMatch(*b.w, "Anna", i % 2 == 0, 3, 2);
    auto& l = b.w->m.records.LstAlbo;
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[0].substr(0, 3), "1) ");
    EXPECT_EQ(l[1].substr(0, 14), "2)  ZELVO B - ");
    EXPECT_EQ(l[2].substr(0, 3), "3) ");
    b.w->hallOfFame.SalvaAlbo();
    EXPECT_EQ(leggiFile(b.dati("ZlvPart.txt")), "3\r\n");
    EXPECT_EQ(b.w->m.records.lblTotalePartite, 3);
}

TEST(AlboAffidabile, MissingFilesStartEmpty) {
    Banco b;
    b.w->hallOfFame.CaricaAlbo();
    EXPECT_EQ(b.w->m.records.lblTotalePartite, 0);
    EXPECT_TRUE(b.w->m.records.LstAlbo.empty());
    EXPECT_EQ(b.list(b.cartella.percorso + "/utente/Dati").size(), 0u);
}

// The adapters between the window and the record files: a damaged file that
// cannot be put aside blocks every record write of the run, so that the only
// copy survives. (What is put aside and why: record_files_test.)
TEST(AlboAffidabile, WhenTheDamagedFileCannotBePutAsideNothingIsWritten) {
    Banco b;
    scriviFile(b.dati("ZlvClass.txt"), "rotto\r\n");
    b.fs.faultAt(1, TestFileSystem::Fault::Fail);  // the rename that puts it aside
    b.w->hallOfFame.CaricaAlbo();
    EXPECT_TRUE(b.w->m.records.alboNonSalvabile);
    fineMatch(*b.w, "Anna", true, 3, 1);
    b.w->hallOfFame.SalvaAlbo();
    EXPECT_EQ(leggiFile(b.dati("ZlvClass.txt")), "rotto\r\n");
    EXPECT_FALSE(std::filesystem::exists(b.dati("ZlvAlbo.txt")));
    EXPECT_EQ(b.w->m.records.lblTotalePartite, 1);
}

TEST(AlboAvvio, StartUpReadsTheRecordsBeforeTheHeadingOfTheNewMatch) {
    Banco b;
    for (const char* f : {"ZlvClass.txt", "ZlvPart.txt", "ZlvAlbo.txt"}) scriviFile(b.dati(f), golden(f));
    scriviFile(b.content("ZlvOpzio.txt"), "\"Carte Opzionali inserite\"\r\n0\r\n\"Toscane\"\r\n");
    b.w->Form_Load();
    EXPECT_EQ(b.w->m.data.lblIndicazioniPannellodati1, "Partita n. 2 - Gioco n. 1");
    EXPECT_EQ(b.w->m.records.classifica[1].name, "Anna");
    EXPECT_FALSE(b.w->m.records.classifica[1].highlighted);
    EXPECT_EQ(b.w->m.records.lblNomeCarteOpzionali, "Toscane");
}

TEST(FormatoAlbo, TheLineAtFaultIsNamed) {
    const std::string buona = golden("ZlvClass.txt");
    auto sostituisci = [&](int riga, const std::string& con) {
        std::string s = buona;
        size_t pos = 0;
        for (int r = 1; r < riga; ++r) pos = s.find('\n', pos) + 1;
        s.replace(pos, s.find('\r', pos) - pos, con);
        return s;
    };
    struct Caso {
        std::string file;
        int line;
        formats::Error::Kind kind;
    } casi[] = {
        {sostituisci(1, "Anna"), 1, formats::Error::Kind::Value},          // a name without quotes
        {sostituisci(2, "\"uno\""), 2, formats::Error::Kind::Value},       // a count that is no number
        {sostituisci(3, "\"-1\""), 3, formats::Error::Kind::Value},        // a negative count
        {sostituisci(5, "#FORSE#"), 5, formats::Error::Kind::Value},
        {sostituisci(80, "\"x\""), 80, formats::Error::Kind::Value},
        {sostituisci(4, "\"\x90\""), 4, formats::Error::Kind::Text},
        {buona.substr(0, buona.size() - 5), 80, formats::Error::Kind::Short},  // the last line missing
        {"", 1, formats::Error::Kind::Short},
    };
    for (const auto& c : casi) {
        formats::Error e;
        EXPECT_FALSE(formats::readRanking(c.file, &e)) << c.line;
        EXPECT_EQ(e.line, c.line) << e.text();
        EXPECT_EQ(e.kind, c.kind) << e.text();
    }
    EXPECT_TRUE(formats::readRanking(buona));
    // Files with LF line ends only are read too.
    std::string lf = buona;
    std::erase(lf, '\r');
    EXPECT_TRUE(formats::readRanking(lf));
}

TEST(FormatoAlbo, TheCountAndTheRegister) {
    EXPECT_EQ(formats::readCount("0\r\n"), 0);
    EXPECT_EQ(formats::readCount("32767\r\n"), 32767);
    EXPECT_FALSE(formats::readCount("-1\r\n"));
    EXPECT_FALSE(formats::readCount(""));
    EXPECT_FALSE(formats::readCount("\"due\"\r\n"));
    EXPECT_EQ(formats::readRegister("\"\"\r\n", 0), std::vector<std::string>{});
    EXPECT_EQ(formats::readRegister("\"a\"\r\n\"b\"\r\n\"\"\r\n", 2), (std::vector<std::string>{"a", "b"}));
    EXPECT_FALSE(formats::readRegister("\"a\"\r\n", 1));           // no closing line
    EXPECT_FALSE(formats::readRegister("\"a\"\r\n\"\"\r\n\"\"\r\n", 2));  // an empty entry inside
    EXPECT_FALSE(formats::readRegister("a\r\n\"\"\r\n", 1));       // an entry without quotes
    EXPECT_EQ(formats::writeRegister({}), "\"\"\r\n");
}

}  // namespace
}  // namespace zelvo
