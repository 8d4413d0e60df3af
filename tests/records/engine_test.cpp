// The two read-only views of zelvo-engine: a saved game and the hall of fame as JSON.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <set>
#include <nlohmann/json.hpp>

#include "fixture.h"

namespace zelvo {
namespace {

using prova::Cartella;
using prova::golden;
using prova::leggiFile;
using prova::scriviFile;

struct Esito {
    int codice;
    std::string uscita, errori;
};

Esito esegui(const std::string& argomenti, const std::string& ambiente = "") {
    Cartella c;
    std::string err = c.percorso + "/err";
    std::string cmd = ambiente + ZELVO_ENGINE + " " + argomenti + " 2>" + err;
    FILE* p = ::popen(cmd.c_str(), "r");
    std::string out;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    int stato = ::pclose(p);
    return {WIFEXITED(stato) ? WEXITSTATUS(stato) : -1, out, leggiFile(err)};
}

std::string golden_(const char* nome) { return std::string(ZELVO_SOURCE_DIR) + "/tests/records/golden/" + nome; }

TEST(MotoreGioco, AGameFileAsJson) {
    Esito e = esegui("game " + golden_("007-02.txt"));
    ASSERT_EQ(e.codice, 0) << e.errori;
    auto j = nlohmann::json::parse(e.uscita);
    std::vector<std::string> chiavi;
    for (auto it = j.begin(); it != j.end(); ++it) chiavi.push_back(it.key());
    std::sort(chiavi.begin(), chiavi.end());
    EXPECT_EQ(chiavi, (std::vector<std::string>{"computer", "dealt", "firstLeader", "heading1", "heading2", "player",
                                                "tricks", "trump"}));
    EXPECT_EQ(j["heading1"], "Partita n. 7 - Gioco n. 2");
    EXPECT_EQ(j["player"], "Niccolò");
    EXPECT_EQ(j["computer"], "ZELVO B");
    EXPECT_EQ(j["firstLeader"], "PC");
    EXPECT_EQ(j["trump"], "2b");
    EXPECT_EQ(j["dealt"]["pc"], nlohmann::json({"Fd", "Fb", "5s"}));
    EXPECT_EQ(j["dealt"]["h"], nlohmann::json({"As", "Fs", "2s"}));
    ASSERT_EQ(j["tricks"].size(), 20u);
    EXPECT_EQ(j["tricks"][0], nlohmann::json::parse(R"({"pc":"Fd","h":"As","taker":"PC","pointsPC":13,"pointsH":0})"));
    EXPECT_EQ(j["tricks"][1]["drawn"], nlohmann::json::parse(R"({"pc":"4c","h":"3d"})"));
    EXPECT_EQ(j["tricks"][4]["taker"], "H");
    for (int k = 1; k < 20; ++k) EXPECT_EQ(j["tricks"][k].contains("drawn"), k <= 17) << k;
    EXPECT_EQ(j["tricks"][19]["pointsPC"], 64);
    EXPECT_EQ(j["tricks"][19]["pointsH"], 56);
    // Every card of the deck appears once among the dealt, drawn and trump cards.
    std::set<std::string> viste{j["trump"].get<std::string>()};
    for (const auto& c : j["dealt"]["pc"]) viste.insert(c.get<std::string>());
    for (const auto& c : j["dealt"]["h"]) viste.insert(c.get<std::string>());
    for (const auto& t : j["tricks"])
        if (t.contains("drawn")) viste.insert({t["drawn"]["pc"].get<std::string>(), t["drawn"]["h"].get<std::string>()});
    EXPECT_EQ(viste.size(), 40u);
}

TEST(MotoreGioco, AGameThatEndedEarlyHasFewerTricks) {
    Cartella c;
    std::string file = golden("007-02.txt");
    // Clear the captions of rows 15..20 (cells 97..132): lines 4 + 2i.
    std::vector<std::string> righe;
    size_t i = 0;
    while (i < file.size()) {
        size_t j = file.find("\r\n", i);
        righe.push_back(file.substr(i, j - i));
        i = j + 2;
    }
    for (int cella = 6 * 15 + 7; cella <= 132; ++cella) righe[3 + 2 * cella] = "\"\"";
    std::string nuovo;
    for (const auto& r : righe) nuovo += r + "\r\n";
    scriviFile(c.percorso + "/g.txt", nuovo);
    Esito e = esegui("game " + c.percorso + "/g.txt");
    ASSERT_EQ(e.codice, 0) << e.errori;
    EXPECT_EQ(nlohmann::json::parse(e.uscita)["tricks"].size(), 14u);
}

// Every error is one JSON line naming the file (and the line at fault, when
// there is one), with exit status 2.
void expectError(const Esito& e, const std::string& file, const std::string& reason, int line) {
    EXPECT_EQ(e.codice, 2);
    EXPECT_EQ(e.errori, "");
    auto j = nlohmann::json::parse(e.uscita);
    EXPECT_EQ(j["file"], file);
    EXPECT_NE(j["error"].get<std::string>().find(reason), std::string::npos) << j["error"];
    EXPECT_EQ(j.value("line", 0), line);
    EXPECT_EQ(std::count(e.uscita.begin(), e.uscita.end(), '\n'), 1);
}

TEST(MotoreGioco, AFileThatIsNoGameIsReported) {
    Cartella c;
    const std::string good = golden("007-02.txt"), file = c.percorso + "/g.txt";
    struct Case {
        prova::Thing thing;
        std::string bytes;
        const char* reason;
        int line;
    } cases[] = {
        {prova::Thing::Bytes, good.substr(0, 1000), "ends before", 128},
        {prova::Thing::Bytes, std::string(good).replace(good.find("16777215"), 8, "rosso"), "colour", 3},
        {prova::Thing::Bytes, std::string(good).replace(good.find("Niccol") + 6, 1, "\x81"), "Windows-1252", 6},
        {prova::Thing::Missing, "", "missing", 0},
        {prova::Thing::Folder, "", "not a regular file", 0},
        {prova::Thing::Pipe, "", "not a regular file", 0},
        {prova::Thing::Huge, good, "too large", 0},
    };
    for (const auto& cs : cases) {
        SCOPED_TRACE(cs.reason);
        prova::put(file, cs.thing, cs.bytes);
        expectError(esegui("game " + file), file, cs.reason, cs.line);
    }
}

TEST(MotoreAlbo, TheRecordsAsJson) {
    Cartella c;
    for (const char* f : {"ZlvClass.txt", "ZlvPart.txt", "ZlvAlbo.txt"}) scriviFile(c.percorso + "/" + f, golden(f));
    Esito e = esegui("records " + c.percorso);
    ASSERT_EQ(e.codice, 0) << e.errori;
    auto j = nlohmann::json::parse(e.uscita);
    EXPECT_EQ(j, nlohmann::json::parse(R"({
        "ranking": [{"position": 1, "name": "Anna", "won": 1, "lost": 0, "date": "05/12/2026"},
                    {"position": 2, "name": "ZELVO", "won": 0, "lost": 1, "date": "05/12/2026"}],
        "statistics": {"A": {"won": 0, "lost": 0}, "B": {"won": 0, "lost": 1}, "C": {"won": 0, "lost": 0},
                       "D": {"won": 0, "lost": 0}, "E": {"won": 0, "lost": 0}},
        "register": ["1)  Anna - ZELVO B    3-1   5/12/26  20:30"],
        "matches": 1})"));
}

// The number of matches is the one the game itself takes from the same files.
TEST(MotoreAlbo, TheMatchesAreCountedAsTheGameCountsThem) {
    const std::string due = "\"1)  a\"\r\n\"2)  b\"\r\n\"\"\r\n";
    struct Caso {
        std::optional<std::string> partite, albo;
        int partiteAttese;
    } casi[] = {
        {"1\r\n", due, 2},  // a save cut between the register and its count
        {"2\r\n", due, 2},
        {std::nullopt, due, 2},  // the count missing
        {"0\r\n", std::nullopt, 0},
        {std::nullopt, std::nullopt, 0},  // an empty folder
    };
    for (const auto& cs : casi) {
        SCOPED_TRACE(cs.partiteAttese);
        prova::Banco b;
        if (cs.partite) scriviFile(b.dati("ZlvPart.txt"), *cs.partite);
        if (cs.albo) scriviFile(b.dati("ZlvAlbo.txt"), *cs.albo);
        b.w->hallOfFame.CaricaAlbo();
        ASSERT_EQ(b.w->m.records.lblTotalePartite, cs.partiteAttese);
        Esito e = esegui("records " + b.cartella.percorso + "/utente/Dati");
        ASSERT_EQ(e.codice, 0) << e.errori;
        auto j = nlohmann::json::parse(e.uscita);
        EXPECT_EQ(j["matches"], cs.partiteAttese);
        EXPECT_EQ(j["register"], nlohmann::json(b.w->m.records.LstAlbo));
        EXPECT_TRUE(j["ranking"].empty());
    }
}

// A record file that is damaged, unreadable or not a file at all is reported
// and left as it is.
TEST(MotoreAlbo, AFaultyFileIsReportedAndLeftAlone) {
    using prova::Thing;
    struct Case {
        const char* file;
        Thing thing;
        std::string bytes;
        const char* reported;
        const char* reason;
        int line;
    } cases[] = {
        {"ZlvClass.txt", Thing::Bytes, "\"Anna\"\r\n\"uno\"\r\n", "ZlvClass.txt", "ends before line 80", 3},
        {"ZlvClass.txt", Thing::Folder, "", "ZlvClass.txt", "not a regular file", 0},
        {"ZlvClass.txt", Thing::Huge, golden("ZlvClass.txt"), "ZlvClass.txt", "too large", 0},
        {"ZlvPart.txt", Thing::Bytes, "x\r\n", "ZlvPart.txt", "number of matches", 1},
        {"ZlvPart.txt", Thing::Pipe, "", "ZlvPart.txt", "not a regular file", 0},
        {"ZlvAlbo.txt", Thing::Bytes, "\"\"\r\n", "ZlvPart.txt", "counts 1 matches, the register holds 0", 1},
        {"ZlvAlbo.txt", Thing::Folder, "", "ZlvAlbo.txt", "not a regular file", 0},
        {"ZlvAlbo.txt", Thing::Missing, "", "ZlvPart.txt", "the register is missing", 1},
    };
    for (const auto& cs : cases) {
        SCOPED_TRACE(std::string(cs.file) + ": " + cs.reason);
        Cartella c;
        for (const char* f : {"ZlvClass.txt", "ZlvPart.txt", "ZlvAlbo.txt"}) scriviFile(c.percorso + "/" + f, golden(f));
        prova::put(c.percorso + "/" + cs.file, cs.thing, cs.bytes);
        const auto before = std::filesystem::last_write_time(c.percorso);
        expectError(esegui("records " + c.percorso), c.percorso + "/" + cs.reported, cs.reason, cs.line);
        EXPECT_EQ(std::filesystem::last_write_time(c.percorso), before);
        if (cs.thing == Thing::Bytes) {
            EXPECT_EQ(leggiFile(c.percorso + "/" + cs.file), cs.bytes);
        }
    }
}

TEST(MotoreAlbo, WithoutAFolderTheUsersDatiFolderIsRead) {
    Cartella c;
    scriviFile(c.percorso + "/zelvo/Dati/ZlvPart.txt", "2\r\n");
    scriviFile(c.percorso + "/zelvo/Dati/zlvalbo.TXT", "\"1)  a\"\r\n\"2)  b\"\r\n\"\"\r\n");
    Esito e = esegui("records", "XDG_DATA_HOME=" + c.percorso + " ");
    ASSERT_EQ(e.codice, 0) << e.errori;
    auto j = nlohmann::json::parse(e.uscita);
    EXPECT_EQ(j["matches"], 2);
    EXPECT_EQ(j["register"], nlohmann::json({"1)  a", "2)  b"}));
}

}  // namespace
}  // namespace zelvo
