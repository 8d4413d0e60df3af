// The three record files as one unit: interrupted at any step of a save or of
// the recovery that follows, they describe one set of matches; damaged or
// strange files are put aside; a start removes the game's own leftovers.
#include <gtest/gtest.h>

#include "fixture.h"
#include "records/record_files.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;
using namespace test;
using Fault = TestFileSystem::Fault;

const DateTime NOW{2026, 12, 5, 20, 30, 15};
const std::string STAMP = ".20261205-203015.bak";
const std::vector<std::string> THREE = {"ZlvAlbo.txt", "ZlvClass.txt", "ZlvPart.txt"};

// The user's folder of a test, with faults at any step that changes the disk.
struct Unit {
    TempFolder c;
    TestFileSystem files{c.path};
    std::string data = c.path + "/utente/Dati/";
};

// The records after `n` matches, all won by Anna at level B: every file tells n.
RecordsData afterMatches(int n) {
    RecordsData d;
    for (int i = 1; i <= n; ++i) d.entries.push_back(std::to_string(i) + ")  Anna - ZELVO B    3-1   5/12/26  20:30");
    d.ranking.rows[1] = {"Anna", std::to_string(n), "0", "05/12/2026", true, true, true};
    d.ranking.losses[2] = std::to_string(n);
    return d;
}

// The number of matches the three files describe, -1 when they disagree.
int matchesDescribed(FileSystem& files) {
    const RecordFilesRead r = readRecordFiles(files, recordPaths(files));
    const RecordsData d = afterMatches(static_cast<int>(r.data.entries.size()));
    const bool agree = r.ranking.whole() && r.count.whole() && r.entries.whole() && r.data.entries == d.entries &&
                       r.data.ranking.rows == d.ranking.rows && r.data.ranking.losses == d.ranking.losses;
    return agree ? static_cast<int>(d.entries.size()) : -1;
}

// Runs `body` with a fault at step `k`: false when it went through untouched.
bool interrupted(TestFileSystem& files, Fault fault, int k, const std::function<void()>& body) {
    auto run = [&] {
        files.faultAt(k, fault);
        body();
    };
    return fault == Fault::Kill ? !test::ranToEnd(run) : (run(), files.steps() >= k);
}

// A save of the second match after the first, failed or killed at each of its
// steps in turn, and the restart failed or killed at each of its own steps.
// After each interruption every reader finds one set of matches, the old or
// the new, and once the new one shows, no later interruption brings the old
// one back; a restart leaves exactly the three files of that set.
TEST(RecordsUnit, AnInterruptionAtAnyStepLeavesTheThreeFilesInAgreement) {
    for (Fault fault : {Fault::Fail, Fault::Kill}) {
        bool newShown = false;
        int k = 1;
        for (;; ++k) {
            SCOPED_TRACE((fault == Fault::Kill ? "killed before step " : "failed at step ") + std::to_string(k));
            Unit u;
            TestFileSystem& files = u.files;
            ASSERT_TRUE(saveRecords(files, afterMatches(1)));
            bool saved = false;
            if (!interrupted(files, fault, k, [&] { saved = saveRecords(files, afterMatches(2)); })) break;
            const int seen = matchesDescribed(files);
            ASSERT_TRUE(seen == 1 || seen == 2) << seen;
            EXPECT_FALSE(newShown && seen == 1);
            newShown = newShown || seen == 2;
            EXPECT_TRUE(fault == Fault::Kill || saved == (seen == 2));
            const std::string data = u.data, copy = u.c.path + "/copy";
            fs::copy(data, copy, fs::copy_options::recursive);
            for (int j = 1; interrupted(files, fault, j, [&] { recoverRecords(files, NOW); }); ++j) {
                EXPECT_EQ(matchesDescribed(files), seen) << "the restart interrupted at its step " << j;
                fs::remove_all(data);
                fs::copy(copy, data, fs::copy_options::recursive);
            }
            files.faultAt(0, fault);
            EXPECT_EQ(std::tuple(loadRecords(files, NOW).setAside.size(), namesIn(data), matchesDescribed(files)),
                      std::tuple(0u, THREE, seen));
            EXPECT_TRUE(saveRecords(files, afterMatches(3)) && matchesDescribed(files) == 3);
        }
        // Open, write and sync of the three staged files, the folder's sync, the
        // journal's atomic write (5), the three renames, sync, removal, sync.
        EXPECT_EQ(k, 22);
        EXPECT_TRUE(newShown);
    }
}

// A save that counted but could not finish its renames (a full disk) is
// finished by the next save of the same run, even when that one fails.
TEST(RecordsUnit, ASaveThatCountedIsFinishedByTheNext) {
    Unit u;
    saveRecords(u.files, afterMatches(1));
    u.files.faultAt(17, Fault::Fail);  // the second of the three renames
    ASSERT_TRUE(saveRecords(u.files, afterMatches(2)));
    EXPECT_TRUE(fs::exists(u.data + std::string(JOURNAL_NAME)));
    EXPECT_EQ(matchesDescribed(u.files), 2);
    u.files.failWrites(TestFileSystem::FailingStep::Open);  // the next journal cannot be written
    EXPECT_TRUE(!saveRecords(u.files, afterMatches(3)) && matchesDescribed(u.files) == 2);
    ASSERT_TRUE(saveRecords(u.files, afterMatches(3)));
    EXPECT_EQ(std::pair(namesIn(u.data), matchesDescribed(u.files)), std::pair(THREE, 3));
}

// Each file of the first match's records in turn replaced: what stays, what
// starts empty and what is put aside. Nothing ever waits on a pipe.
TEST(RecordsLoad, DamagedOrStrangeFilesGoAsideAndCostOnlyTheirOwnRecords) {
    // The file, what replaces it, whether the ranking stays, the register's entries, and the
    // files moved aside (one ending in "+" is copied: it stays).
    const std::tuple<const char*, Thing, std::string, bool, size_t, std::vector<std::string>> cases[] = {
        {"ZlvClass.txt", Thing::Bytes, "\"Anna\"\r\n\"one\"\r\n", false, 1, {"ZlvClass.txt"}},
        {"ZlvClass.txt", Thing::Pipe, "", false, 1, {"ZlvClass.txt"}},
        {"ZlvClass.txt", Thing::Huge, golden("ZlvClass.txt"), false, 1, {"ZlvClass.txt"}},
        // A damaged count never hides a whole register: it is rebuilt from it.
        {"ZlvPart.txt", Thing::Bytes, "many\r\n", true, 1, {"ZlvPart.txt"}},
        {"ZlvPart.txt", Thing::Bytes, "5\r\n", true, 1, {"ZlvPart.txt", "ZlvAlbo.txt+"}},
        {"ZlvPart.txt", Thing::Bytes, "0\r\n", true, 1, {}},  // older versions: the register written, its count not yet
        {"ZlvPart.txt", Thing::Missing, "", true, 1, {}},
        {"ZlvAlbo.txt", Thing::Bytes, "\"1)  Anna\"\r\n", true, 0, {"ZlvAlbo.txt", "ZlvPart.txt"}},
        {"ZlvAlbo.txt", Thing::Folder, "", true, 0, {"ZlvAlbo.txt", "ZlvPart.txt"}},
        {"ZlvAlbo.txt", Thing::Missing, "", true, 0, {"ZlvPart.txt"}},  // the count tells of a match no register holds
    };
    for (const auto& [file, thing, bytes, rankingKept, entries, aside] : cases) {
        SCOPED_TRACE(std::string(file) + ": " + bytes.substr(0, 10));
        Unit u;
        const std::string& data = u.data;
        for (const std::string& f : THREE) writeFile(data + f, golden(f));
        test::put(data + file, thing, bytes);
        const RecordFilesLoad l = loadRecords(u.files, NOW);
        EXPECT_EQ(std::tie(l.data.ranking.rows[1].name, l.data.ranking.losses[2]),
                  std::make_tuple(rankingKept ? "Anna" : "", rankingKept ? "1" : "0"));
        EXPECT_EQ(std::pair(l.data.entries.size(), l.saveBlocked), std::pair(entries, false));
        std::vector<std::string> expected;
        for (std::string a : aside) {
            const bool copied = a.ends_with('+');
            if (copied) a.pop_back();
            expected.push_back(data + a + STAMP);
            EXPECT_EQ(fs::exists(data + a), copied) << a;
        }
        EXPECT_EQ(l.setAside, expected);
        EXPECT_TRUE(thing != Thing::Bytes || aside.empty() || readFile(data + file + STAMP) == bytes);
        EXPECT_TRUE(loadRecords(u.files, NOW).setAside.empty());  // nothing more to put aside
    }
}

// Only the game's own leftovers go: temporary files of interrupted writes in
// Dati and Archivio, and staged files of a save that never counted.
TEST(RecordsRecovery, AStartRemovesOnlyTheGamesOwnLeftovers) {
    Unit u;
    const std::string &data = u.data, archive = u.c.path + "/utente/Archivio/";
    for (const std::string& f : THREE) writeFile(data + f, golden(f));
    const std::pair<std::string, bool> leftovers[] = {  // a file, whether it stays
        {data + "ZlvImpo.txt.zelvo-tmp-Ab12Cd", false}, {data + "ZlvAlbo.txt.zelvo-staged", false},
        {archive + "001-01.txt.zelvo-tmp-q1w2e3", false}, {data + "x.zelvo-tmp-abc", true},
        {archive + "001-01.txt", true}, {archive + "001-01.txt.zelvo-staged", true},
        {archive + "folder.zelvo-tmp-abcdef/x", true}};
    for (const auto& [p, stays] : leftovers) writeFile(p, "x");
    writeFile(data + "folder.zelvo-staged/x", "x");
    recoverRecords(u.files, NOW);
    for (const auto& [p, stays] : leftovers) EXPECT_EQ(fs::exists(p), stays) << p;
    EXPECT_TRUE(fs::exists(data + "folder.zelvo-staged" + STAMP + "/x"));  // staged by no save, not a file: kept aside
    for (const std::string& f : THREE) EXPECT_EQ(readFile(data + f), golden(f));
}

// A journal the game did not write names nothing to rename: no save goes
// past it, and a start puts it aside with the staged files; the three files
// in place stand.
TEST(RecordsRecovery, AStrangeJournalGoesAsideWithTheStagedFiles) {
    for (int variant = 0; variant < 5; ++variant) {
        SCOPED_TRACE(variant);
        Unit u;
        TestFileSystem& files = u.files;
        saveRecords(files, afterMatches(1));
        ASSERT_TRUE(interrupted(files, Fault::Kill, 16, [&] { saveRecords(files, afterMatches(2)); }));
        const std::string &data = u.data, journal = data + std::string(JOURNAL_NAME);
        const std::string staged = data + "ZlvAlbo.txt" + std::string(STAGED_MARK);
        std::string text = readFile(journal);
        if (variant == 0) text.replace(text.find("ZlvClass.txt"), 12, "../../x.txt");
        if (variant == 1) text.replace(text.find("ZlvClass.txt"), 12, "ZlvAlbo.txt");  // named twice
        if (variant == 2) text.pop_back();                                          // the last line unended
        test::put(journal, variant == 3 ? Thing::Folder : Thing::Bytes, text);
        if (variant == 4) {  // a staged file changed after the journal was written, its size kept
            writeFile(staged, test::withLine(readFile(staged), 2, "\"7)  Anna - ZELVO B    3-1   5/12/26  20:30\""));
        }
        EXPECT_EQ(matchesDescribed(files), 1);
        EXPECT_TRUE(!saveRecords(files, afterMatches(3)) && matchesDescribed(files) == 1);
        recoverRecords(files, NOW);
        const std::string aside = std::string(STAGED_MARK) + STAMP;
        EXPECT_EQ(namesIn(data), (std::vector<std::string>{"ZlvAlbo.txt", "ZlvAlbo.txt" + aside, "ZlvClass.txt",
                                                           "ZlvClass.txt" + aside, "ZlvPart.txt", "ZlvPart.txt" + aside,
                                                           std::string(JOURNAL_NAME) + STAMP}));
        EXPECT_EQ(matchesDescribed(files), 1);
        EXPECT_TRUE(saveRecords(files, afterMatches(2)) && matchesDescribed(files) == 2);
    }
}

}  // namespace
}  // namespace zelvo
