// The three record files as one unit: interrupted at any step of a save or of
// the recovery that follows, they describe one set of matches; damaged or
// strange files are put aside; a start removes the game's own leftovers.
#include <gtest/gtest.h>

#include "fixture.h"
#include "formats/file_formats.h"
#include "records/record_files.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;
using prova::Cartella;
using prova::golden;
using prova::leggiFile;
using prova::scriviFile;
using prova::Thing;
using prova::put;
using prova::ranToEnd;
using Fault = TestFileSystem::Fault;

const DateTime NOW{2026, 12, 5, 20, 30, 15};
const std::string STAMP = ".20261205-203015.bak";

// The records after `n` matches, all won by Anna at level B: every file tells n.
RecordsData afterMatches(int n) {
    RecordsData d;
    for (int i = 1; i <= n; ++i) d.entries.push_back(std::to_string(i) + ")  Anna - ZELVO B    3-1   5/12/26  20:3" + std::to_string(i % 10));
    d.ranking.rows[1] = {"Anna", std::to_string(n), "0", "05/12/2026", true, true, true};
    d.ranking.losses[2] = std::to_string(n);
    return d;
}

// The number of matches the three files describe, -1 when they disagree.
int matchesDescribed(FileSystem& files) {
    const RecordFilesRead r = readRecordFiles(files, recordPaths(files));
    const int n = static_cast<int>(r.data.entries.size());
    const RecordsData d = afterMatches(n);
    const bool agree = r.ranking.whole() && r.count.whole() && r.entries.whole() && r.data.entries == d.entries &&
                       r.data.ranking.rows == d.ranking.rows && r.data.ranking.losses == d.ranking.losses;
    return agree ? n : -1;
}

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> v;
    if (fs::exists(folder))
        for (const auto& e : fs::directory_iterator(folder)) v.push_back(e.path().filename());
    std::sort(v.begin(), v.end());
    return v;
}

// The steps of a whole save from one set of files to the next, by name.
std::vector<std::string> stepsOfASave() {
    Cartella c;
    TestFileSystem files(c.percorso);
    saveRecords(files, afterMatches(1));
    files.faultAt(0, Fault::Fail);
    saveRecords(files, afterMatches(2));
    std::vector<std::string> steps;
    for (const auto& s : files.trail()) steps.push_back(s.substr(0, s.find(' ') + 1) + s.substr(s.rfind('/') + 1));
    return steps;
}

// A save of the second match after the first, failed or killed at each of its
// steps in turn; when it was killed, the restart is killed at each of its own
// steps too. After each interruption every reader finds one set of matches,
// the old or the new, and once the new one shows, no later interruption brings
// the old one back; a restart leaves exactly the three files of that set.
TEST(RecordsUnit, AnInterruptionAtAnyStepLeavesTheThreeFilesInAgreement) {
    const std::vector<std::string> steps = stepsOfASave();
    ASSERT_EQ(steps.size(), 21u);
    int failed = 0, killed = 0, restarts = 0;
    for (Fault fault : {Fault::Fail, Fault::Kill}) {
        bool newShown = false;
        for (int k = 1; k <= static_cast<int>(steps.size()) + 1; ++k) {
            SCOPED_TRACE((fault == Fault::Kill ? "killed before " : "failed at ") +
                         (k <= static_cast<int>(steps.size()) ? steps[k - 1] : std::string("nothing")));
            Cartella c;
            TestFileSystem files(c.percorso);
            ASSERT_TRUE(saveRecords(files, afterMatches(1)));
            bool ended = false, saved = false;
            if (fault == Fault::Fail) {
                files.faultAt(k, Fault::Fail);
                saved = saveRecords(files, afterMatches(2));
                ended = files.steps() < k;
            } else {
                ended = ranToEnd([&] {
                    files.faultAt(k, Fault::Kill);
                    saveRecords(files, afterMatches(2));
                });
            }
            EXPECT_EQ(ended, k == static_cast<int>(steps.size()) + 1);
            if (ended) break;
            ++(fault == Fault::Fail ? failed : killed);
            const int seen = matchesDescribed(files);
            ASSERT_TRUE(seen == 1 || seen == 2) << seen;
            // Once the save counts, a later interruption never brings the old records back.
            EXPECT_FALSE(newShown && seen == 1);
            newShown = newShown || seen == 2;
            if (fault == Fault::Fail) {
                EXPECT_EQ(saved, seen == 2);
            }

            const std::string dati = c.percorso + "/utente/Dati", copy = c.percorso + "/copy";
            if (fault == Fault::Kill) {
                fs::copy(dati, copy, fs::copy_options::recursive);
                for (int j = 1;; ++j) {
                    SCOPED_TRACE("restart killed at its step " + std::to_string(j));
                    fs::remove_all(dati);
                    fs::copy(copy, dati, fs::copy_options::recursive);
                    if (ranToEnd([&] {
                            files.faultAt(j, Fault::Kill);
                            recoverRecords(files, NOW);
                        }))
                        break;
                    ++restarts;
                    EXPECT_EQ(matchesDescribed(files), seen);
                }
            }
            files.faultAt(0, Fault::Fail);
            recoverRecords(files, NOW);
            const RecordFilesLoad l = loadRecords(files, NOW);
            EXPECT_TRUE(l.setAside.empty());
            EXPECT_EQ(l.data.entries, afterMatches(seen).entries);
            EXPECT_EQ(namesIn(dati), (std::vector<std::string>{"ZlvAlbo.txt", "ZlvClass.txt", "ZlvPart.txt"}));
            EXPECT_EQ(leggiFile(dati + "/ZlvAlbo.txt"), formats::writeRegister(afterMatches(seen).entries));
            EXPECT_EQ(leggiFile(dati + "/ZlvPart.txt"), formats::writeCount(seen));
            EXPECT_EQ(leggiFile(dati + "/ZlvClass.txt"), formats::writeRanking(afterMatches(seen).ranking));
            EXPECT_TRUE(saveRecords(files, afterMatches(3)));
            EXPECT_EQ(matchesDescribed(files), 3);
        }
        EXPECT_TRUE(newShown);
    }
    std::printf("[          ] interruptions: %d failed steps and %d kills of the save, %d kills of the restart\n",
                failed, killed, restarts);
    EXPECT_EQ(failed + killed, 2 * static_cast<int>(steps.size()));
}

// A save that counted but could not finish its renames (a full disk) is
// finished by the next save of the same run, even when that one fails.
TEST(RecordsUnit, ASaveThatCountedIsFinishedByTheNext) {
    Cartella c;
    TestFileSystem files(c.percorso);
    saveRecords(files, afterMatches(1));
    files.faultAt(17, Fault::Fail);  // the second of the three renames
    ASSERT_TRUE(saveRecords(files, afterMatches(2)));
    EXPECT_TRUE(fs::exists(c.percorso + "/utente/Dati/" + std::string(JOURNAL_NAME)));
    EXPECT_EQ(matchesDescribed(files), 2);
    files.guasta(TestFileSystem::Guasto::Apertura);  // the next journal cannot be written
    EXPECT_FALSE(saveRecords(files, afterMatches(3)));
    EXPECT_EQ(matchesDescribed(files), 2);
    ASSERT_TRUE(saveRecords(files, afterMatches(3)));
    EXPECT_EQ(namesIn(c.percorso + "/utente/Dati"), (std::vector<std::string>{"ZlvAlbo.txt", "ZlvClass.txt", "ZlvPart.txt"}));
    EXPECT_EQ(matchesDescribed(files), 3);
}

// Each file of the first match's records in turn replaced: what stays, what
// starts empty and what is put aside. Nothing ever waits on a pipe.
TEST(RecordsLoad, DamagedOrStrangeFilesGoAsideAndCostOnlyTheirOwnRecords) {
    struct Case {
        const char* file;
        Thing thing;
        std::string bytes;
        bool rankingKept;
        size_t entries;
        std::vector<std::string> aside;  // moved aside; a name ending in "+" is copied (the file stays)
    } cases[] = {
        {"ZlvClass.txt", Thing::Bytes, "\"Anna\"\r\n\"uno\"\r\n", false, 1, {"ZlvClass.txt"}},
        {"ZlvClass.txt", Thing::Folder, "", false, 1, {"ZlvClass.txt"}},
        {"ZlvClass.txt", Thing::Pipe, "", false, 1, {"ZlvClass.txt"}},
        {"ZlvClass.txt", Thing::Huge, "", false, 1, {"ZlvClass.txt"}},
        // A damaged count never hides a whole register: it is rebuilt from it.
        {"ZlvPart.txt", Thing::Bytes, "", true, 1, {"ZlvPart.txt"}},
        {"ZlvPart.txt", Thing::Bytes, "molti\r\n", true, 1, {"ZlvPart.txt"}},
        {"ZlvPart.txt", Thing::Pipe, "", true, 1, {"ZlvPart.txt"}},
        {"ZlvPart.txt", Thing::Bytes, "5\r\n", true, 1, {"ZlvPart.txt", "ZlvAlbo.txt+"}},
        {"ZlvPart.txt", Thing::Bytes, "0\r\n", true, 1, {}},  // older versions: the register written, its count not yet
        {"ZlvPart.txt", Thing::Missing, "", true, 1, {}},
        {"ZlvAlbo.txt", Thing::Bytes, "\"1)  Anna\"\r\n", true, 0, {"ZlvAlbo.txt", "ZlvPart.txt"}},
        {"ZlvAlbo.txt", Thing::Bytes, "\x81\x8d\r\n\"\"\r\n", true, 0, {"ZlvAlbo.txt", "ZlvPart.txt"}},
        {"ZlvAlbo.txt", Thing::Folder, "", true, 0, {"ZlvAlbo.txt", "ZlvPart.txt"}},
        {"ZlvAlbo.txt", Thing::Missing, "", true, 0, {"ZlvPart.txt"}},  // the count tells of a match no register holds
    };
    for (const auto& cs : cases) {
        SCOPED_TRACE(std::string(cs.file) + " #" + std::to_string(&cs - cases));
        Cartella c;
        TestFileSystem files(c.percorso);
        const std::string dati = c.percorso + "/utente/Dati/";
        for (const char* f : {"ZlvClass.txt", "ZlvPart.txt", "ZlvAlbo.txt"}) scriviFile(dati + f, golden(f));
        put(dati + cs.file, cs.thing, cs.thing == Thing::Huge ? golden(cs.file) : cs.bytes);
        const RecordFilesLoad l = loadRecords(files, NOW);
        EXPECT_EQ(l.data.ranking.rows[1].name, cs.rankingKept ? "Anna" : "");
        EXPECT_EQ(l.data.ranking.losses[2], cs.rankingKept ? "1" : "0");
        EXPECT_EQ(l.data.entries.size(), cs.entries);
        EXPECT_FALSE(l.saveBlocked);
        std::vector<std::string> expected, made;
        for (std::string a : cs.aside) {
            const bool copied = a.ends_with('+');
            if (copied) a.pop_back();
            expected.push_back(dati + a + STAMP);
            EXPECT_EQ(fs::exists(dati + a), copied) << a;
        }
        EXPECT_EQ(l.setAside, expected);
        if (cs.thing == Thing::Bytes && !cs.aside.empty()) {
            EXPECT_EQ(leggiFile(dati + cs.file + STAMP), cs.bytes);
        }
        // The next start finds nothing more to put aside.
        EXPECT_TRUE(loadRecords(files, NOW).setAside.empty());
    }
}

// Only the game's own leftovers go: temporary files of interrupted writes in
// Dati and Archivio, and staged files of a save that never counted.
TEST(RecordsRecovery, AStartRemovesOnlyTheGamesOwnLeftovers) {
    Cartella c;
    TestFileSystem files(c.percorso);
    const std::string dati = c.percorso + "/utente/Dati/", archivio = c.percorso + "/utente/Archivio/";
    for (const char* f : {"ZlvClass.txt", "ZlvPart.txt", "ZlvAlbo.txt"}) scriviFile(dati + f, golden(f));
    const std::vector<std::string> gone = {dati + "ZlvImpo.txt.zelvo-tmp-Ab12Cd", dati + "ZlvAlbo.txt.zelvo-staged",
                                           dati + "records.zelvo-journal.zelvo-tmp-000000",
                                           archivio + "001-01.txt.zelvo-tmp-q1w2e3"};
    const std::vector<std::string> kept = {dati + "ZlvAlbo.txt.tmpABCDEF", dati + "note.txt", dati + "x.zelvo-tmp-abc",
                                           archivio + "001-01.txt", archivio + "001-01.txt.zelvo-staged"};
    for (const auto& p : gone) scriviFile(p, "x");
    for (const auto& p : kept) scriviFile(p, "x");
    fs::create_directories(archivio + "cartella.zelvo-tmp-abcdef");
    recoverRecords(files, NOW);
    for (const auto& p : gone) EXPECT_FALSE(fs::exists(p)) << p;
    for (const auto& p : kept) EXPECT_TRUE(fs::exists(p)) << p;
    EXPECT_TRUE(fs::is_directory(archivio + "cartella.zelvo-tmp-abcdef"));
    for (const char* f : {"ZlvClass.txt", "ZlvPart.txt", "ZlvAlbo.txt"}) EXPECT_EQ(leggiFile(dati + f), golden(f));
}

// A journal the game did not write names nothing to rename: no save goes
// past it, and a start puts it aside with the staged files; the three files
// in place stand.
TEST(RecordsRecovery, AStrangeJournalGoesAsideWithTheStagedFiles) {
    for (int variant = 0; variant < 4; ++variant) {
        SCOPED_TRACE(variant);
        Cartella c;
        TestFileSystem files(c.percorso);
        saveRecords(files, afterMatches(1));
        // A save of the second match that counted, stopped before its renames.
        ASSERT_FALSE(ranToEnd([&] {
            files.faultAt(16, Fault::Kill);
            saveRecords(files, afterMatches(2));
        }));
        const std::string dati = c.percorso + "/utente/Dati/", journal = dati + std::string(JOURNAL_NAME);
        std::string text = leggiFile(journal);
        if (variant == 0) text.replace(text.find("ZlvClass.txt"), 12, "../../x.txt");
        if (variant == 1) text.replace(text.find("ZlvClass.txt"), 12, "ZlvAlbo.txt");  // named twice
        put(journal, variant == 2 ? Thing::Folder : Thing::Bytes, text);
        if (variant == 3) {  // a staged file changed after the journal was written, its size kept
            std::string entries = leggiFile(dati + "ZlvAlbo.txt" + std::string(STAGED_MARK));
            entries[entries.find("2)")] = '7';
            scriviFile(dati + "ZlvAlbo.txt" + std::string(STAGED_MARK), entries);
        }
        EXPECT_EQ(matchesDescribed(files), 1);
        EXPECT_FALSE(saveRecords(files, afterMatches(3)));
        EXPECT_EQ(matchesDescribed(files), 1);
        recoverRecords(files, NOW);
        std::vector<std::string> expected = {"ZlvAlbo.txt", "ZlvClass.txt", "ZlvPart.txt", std::string(JOURNAL_NAME) + STAMP};
        for (const char* f : {"ZlvAlbo.txt", "ZlvClass.txt", "ZlvPart.txt"})
            expected.push_back(f + std::string(STAGED_MARK) + STAMP);
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(namesIn(dati), expected);
        EXPECT_EQ(matchesDescribed(files), 1);
        EXPECT_TRUE(saveRecords(files, afterMatches(2)));
        EXPECT_EQ(matchesDescribed(files), 2);
    }
}

}  // namespace
}  // namespace zelvo
