// What the window keeps between runs: the settings file, the optional-deck file, and the hall of
// fame (ranking moves, statistics, register entries, the three record files at the window).
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "fixture.h"

namespace zelvo {
namespace {

using namespace test;

const char* const RECORD_FILES[] = {"ZlvClass.txt", "ZlvPart.txt", "ZlvAlbo.txt"};
const char* const SETTINGS = "ZlvImpo.txt";

// The end of a match as the game leaves it for the records. `winner`: 'H' or
// 'P' for the opaque name label, '-' for neither (the games decide).
void endMatch(TestMain& w, const std::string& name, char winner, int gamesH = 3, int gamesPC = 1,
              const char* level = "Alta (Livello B)") {
    w.m.window.lblH.Caption = name;
    w.m.window.lblH.opaca = winner == 'H';
    w.m.window.lblPC.opaca = winner == 'P';
    w.m.game.lblPartiteH = gamesH;
    w.m.game.lblPartitePC = gamesPC;
    w.m.options.lblOpzione[index(Option::Level)] = level;
    w.hallOfFame.AggiornaClassifica();
}

// A ranking written as "Bea 2-0, *Carlo 1-1": rows 1.. in turn, "*" by the highlighted one.
std::string rankingText(const std::array<RankingRow, 12>& c) {
    std::string t;
    for (int i = 1; i <= 10; ++i)
        if (!c[i].name.empty() || c[i].highlighted)
            t += (t.empty() ? "" : ", ") + std::string(c[i].highlighted ? "*" : "") + c[i].name + " " + c[i].won + "-" +
                 c[i].lost;
    return t;
}
std::array<RankingRow, 12> ranking(const std::string& text) {
    std::array<RankingRow, 12> c{};
    const std::regex row(R"((\*?)(\w+) (\d+)-(\d+))");
    int i = 0;
    for (std::sregex_iterator m(text.begin(), text.end(), row), end; m != end; ++m)
        c[++i] = {(*m)[2], (*m)[3], (*m)[4], "01/01/2026", false, false, false, (*m)[1].length() > 0};
    return c;
}

// The first match ever writes the golden files; the next start reads them.
TEST(HallOfFame, TheFirstMatchEverWritesTheGoldenFilesAndTheNextStartReadsThem) {
    Bench b;
    b.w->hallOfFame.CaricaAlbo();  // no files: nothing read, nothing written
    EXPECT_TRUE(b.w->m.records.LstAlbo.empty() && test::namesIn(b.data()).empty() && !b.w->m.records.alboNonSalvabile);
    endMatch(*b.w, "Anna", 'H');
    EXPECT_EQ(rankingText(b.w->m.records.classifica), "*Anna 1-0, ZELVO 0-1");
    EXPECT_EQ(b.w->m.records.lblNomeVincitorePartita, "Anna");
    b.w->hallOfFame.SalvaAlbo();
    for (const char* f : RECORD_FILES) EXPECT_EQ(readFile(b.data(f)), golden(f)) << f;

    Bench next;
    for (const char* f : RECORD_FILES) writeFile(next.data(f), golden(f));
    next.w->Form_Load();
    EXPECT_EQ(next.w->m.data.lblIndicazioniPannellodati1, "Partita n. 2 - Gioco n. 1");
    EXPECT_EQ(rankingText(next.w->m.records.classifica), "Anna 1-0, ZELVO 0-1");
    EXPECT_EQ(next.w->m.records.lblSconfittePCVariLivelli[2], "1");
    for (const char* f : RECORD_FILES) std::filesystem::remove(next.data(f));
    next.w->lblPuntiPC_Click();  // a click on the computer's point total writes them again
    for (const char* f : RECORD_FILES) EXPECT_EQ(readFile(next.data(f)), golden(f)) << f;
    // A damaged file that cannot be put aside blocks every record write of the run: the only copy survives.
    writeFile(next.data("ZlvClass.txt"), "broken\r\n");
    next.fs.faultAt(1, TestFileSystem::Fault::Fail);  // the rename that puts it aside
    next.w->hallOfFame.CaricaAlbo();
    EXPECT_TRUE(next.w->m.records.alboNonSalvabile);
    endMatch(*next.w, "Anna", 'H');
    next.w->hallOfFame.SalvaAlbo();
    EXPECT_EQ(std::pair(readFile(next.data("ZlvClass.txt")), readFile(next.data("ZlvPart.txt"))),
              std::pair(std::string("broken\r\n"), golden("ZlvPart.txt")));
    EXPECT_EQ(next.w->m.records.lblTotalePartite, 2);
}

TEST(HallOfFame, RankingMoves) {
    std::string tenToOne, allOne;
    for (int i = 0; i < 10; ++i) {
        tenToOne += "P" + std::to_string(i) + " " + std::to_string(10 - i) + "-1, ";
        allOne += "P" + std::to_string(i) + " 1-1, ";
    }
    const std::tuple<std::string, const char*, char, std::string> cases[] = {  // before, who, the winner, after
        // A loser moves below the rows with the same wins and fewer losses, never past the empty rows.
        {"Bea 2-0, Carlo 2-0, Dino 2-0, Ezio 1-0, ZELVO 1-1", "Bea", 'P',
         "Carlo 2-0, Dino 2-0, *ZELVO 2-1, Bea 2-1, Ezio 1-0"},
        {"ZELVO 4-0, Bea 3-1, Carlo 3-2", "Bea", 'P', "*ZELVO 5-0, Bea 3-2, Carlo 3-2"},
        {"Anna 1-0, ZELVO 0-1", "Anna", 'H', "*Anna 2-0, ZELVO 0-2"},
        // A winner goes above every row with the same record, and below one with the same wins and fewer losses.
        {"Bea 3-4, Carlo 2-1, Dino 2-4, ZELVO 0-3", "Dino", 'H', "*Dino 3-4, Bea 3-4, Carlo 2-1, ZELVO 0-4"},
        {"Bea 3-2, Dino 2-4", "Dino", 'H', "Bea 3-2, *Dino 3-4, ZELVO 0-1"},
        // A newcomer enters at the first row without wins when he loses, with fewer than 2 when he wins.
        {"Bea 3-0, Carlo 0-2", "Dino", 'P', "Bea 3-0, *ZELVO 1-0, Dino 0-1, Carlo 0-2"},
        {"Bea 3-0, Carlo 2-0, Dino 1-7, ZELVO 1-0", "Ezio", 'H',
         "Bea 3-0, Carlo 2-0, *Ezio 1-0, Dino 1-7, ZELVO 1-1"},
        {"anna 2-0", "Anna", 'H', "anna 2-0, *Anna 1-0, ZELVO 0-1"},  // names are compared exactly
        {tenToOne, "New", 'H', tenToOne.substr(0, tenToOne.find("P9")) + "*New 1-0"},
        {allOne, "New", 'P', "*ZELVO 1-0, " + allOne.substr(0, allOne.find("P9") - 2)},
    };
    for (const auto& [before, name, winner, after] : cases) {
        Bench b;
        b.w->m.records.classifica = ranking(before);
        endMatch(*b.w, name, winner);
        EXPECT_EQ(rankingText(b.w->m.records.classifica), after) << before;
        for (const RankingRow& r : b.w->m.records.classifica) EXPECT_TRUE(!r.highlighted || r.date == "05/12/2026");
    }
}

// The statistics by level, and the register entries: numbered after the last
// one, winner first, an asterisk by a player who peeked.
TEST(HallOfFame, StatisticsAndRegisterEntries) {
    Bench b(1, {2026, 12, 5, 21, 7, 0});
    RecordsState& r = b.w->m.records;
    r.LstAlbo = {"1)  x", "", "junk"};  // an empty entry ends the register
    b.w->m.game.lblSbirciata = true;
    const std::tuple<const char*, char, int, int> matches[] = {
        {"Massima (Livello A)", 'P', 3, 1}, {"Massima (Livello A)", 'H', 1, 3}, {"Minima (Livello E)", '-', 3, 2},
        {"Media (Livello C)", '-', 2, 2},   {"Unknown", 'P', 3, 3}};
    for (const auto& [level, winner, gamesH, gamesPC] : matches) endMatch(*b.w, "Anna", winner, gamesH, gamesPC, level);
    EXPECT_EQ(r.lblVittoriePCVariLivelli, (std::array<std::string, 6>{"0", "1", "0", "1", "0", "0"}));
    EXPECT_EQ(r.lblSconfittePCVariLivelli, (std::array<std::string, 6>{"0", "1", "0", "0", "0", "1"}));
    EXPECT_EQ(r.LstAlbo, (std::vector<std::string>{"1)  x", "2)  ZELVO A - Anna *    1-3   5/12/26  21:07",
                                                   "3)  Anna * - ZELVO A    1-3   5/12/26  21:07",
                                                   "4)  Anna * - ZELVO E    3-2   5/12/26  21:07",
                                                   "5)  ZELVO C - Anna *    2-2   5/12/26  21:07",
                                                   "6)  ZELVO - Anna *    3-3   5/12/26  21:07"}));
    EXPECT_EQ(b.w->m.data.lblIndicazioniPannellodati2, "5/12/26 - 21:07");
    b.w->hallOfFame.SalvaAlbo();
    EXPECT_EQ(std::pair(readFile(b.data("ZlvPart.txt")), r.lblTotalePartite), std::pair(std::string("6\r\n"), 6));
    EXPECT_EQ(registerEntry(12, false, false, "Anna", 2, 1, 3, {2005, 3, 9, 7, 5, 0}),
              "12)  ZELVO B - Anna    3-1   9/3/05  7:05");
}

// Every field the settings file keeps, one a line, as "ZlvImpo-fields.txt" lists them.
std::string settingsFields(const TestMain& w) {
    std::ostringstream o;
    for (int i = 0; i < OPTION_COUNT; ++i) o << "option " << i << ": " << w.m.options.lblOpzione[i] << "\n";
    o << "intervals: " << w.t.TimerAttesaDelPCaMuovere.interval() << " " << w.t.TimerEffettuaLaPresa.interval() << " "
      << w.t.TimerAnimazionecartePC.interval() << " " << w.t.TimerAnimazionecarteH.interval() << "\n";
    const RecordsState& r = w.m.records;
    for (int k = 2; k <= 4; ++k)
        o << "divider " << k << ": " << r.ShpLineaVLeft[k] << (r.ShpLineaVVisible[k] ? " shown" : " hidden")
          << ", markers " << r.shpPuntiPCLeft[k] << " " << r.shpPuntiHLeft[k] << "\n";
    const Window& f = w.m.window;
    o << "points shown: " << f.lblPuntiPCVista.Visible << f.lblPuntiPCScritta.Visible << f.lblPuntiHVista.Visible
      << f.lblPuntiHScritta.Visible << "\npeek: " << w.m.game.lblSbirciata << "\npanel: " << r.lblPannelloVisualizzato
      << "\nrules: " << r.lblContinuaregole << "\n";
    return o.str();
}

// The golden file read into every field, then written back byte for byte; the
// initial values make a file of their own. Lines that are not of their field's
// kind, or missing, leave the field as it was. And the three values of the
// optional-deck file.
TEST(Settings, AGoldenFileLoadsIntoEveryFieldAndSavesBackTheSame) {
    Bench b;
    b.w->SalvaImpostazioni();
    EXPECT_EQ(readFile(b.data(SETTINGS)), golden("ZlvImpo-initial.txt"));
    writeFile(b.data(SETTINGS), golden(SETTINGS));
    b.w->CaricaImpostazioni();
    EXPECT_EQ(settingsFields(*b.w), golden("ZlvImpo-fields.txt"));
    std::filesystem::remove(b.data(SETTINGS));
    b.w->SalvaImpostazioni();
    EXPECT_EQ(readFile(b.data(SETTINGS)), golden(SETTINGS));
    writeFile(b.folder.path + "/contenuto/ZlvOpzio.txt", "\"Si\"\r\n-0.5\r\n");  // the optional deck, framed
    b.w->Form_Load();  // the panel that was open when the game was left
    const RecordsState& r = b.w->m.records;
    EXPECT_TRUE(b.w->m.window.fraPannello[0].Visible && !b.w->m.window.fraPannello[1].Visible);
    EXPECT_EQ(std::tie(r.lblCarteOpzionali, b.w->m.window.lblBordoCarteOpzionali, r.lblNomeCarteOpzionali),
              std::make_tuple("Si", 1, "Opzionali"));

    std::string file = golden(SETTINGS);
    for (auto [n, with] : {std::pair{3, "mille"}, {7, "70000"}, {10, "x"}, {12, "maybe"}, {23, "\"\x81\""}, {28, "-1"}})
        file = test::withLine(file, n, with);
    Bench damaged;
    writeFile(damaged.data(SETTINGS), test::firstLines(file, 33));
    damaged.w->CaricaImpostazioni();
    EXPECT_EQ(settingsFields(*damaged.w), golden("ZlvImpo-damaged-fields.txt"));
    writeFile(damaged.folder.path + "/contenuto/ZlvOpzio.txt", "\"Si\"\r\n\"one\"\r\n\"Toscane\"\r\n");
    damaged.w->CaricaCarteOpzionali();
    EXPECT_EQ(std::pair(damaged.w->m.window.lblBordoCarteOpzionali, damaged.w->m.records.lblNomeCarteOpzionali),
              std::pair(0, std::string("Toscane")));
}

}  // namespace
}  // namespace zelvo
