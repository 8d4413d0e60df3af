// The data root on this machine, what is read, and the atomic writes of the file seam.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/files_headless.h"
#include "support/files.h"

namespace zelvo {
namespace {

using test::readFile;
using test::TempFolder;
using test::Thing;

TEST(DataRoot, GamePathsFindTheirRealFiles) {
    TempFolder c;
    const std::string a = c.path + "/a", b = c.path + "/b", u = c.path + "/u";
    FileSystem fs(DataRoots{{a, b}, u});
    for (const std::string& f : {b + "/Grafica/Italia.bmp", a + "/Musiche/ZlvSigla.Mid", b + "/Musiche/ZlvSigla.mid"})
        test::writeFile(f, "");
    const std::pair<const char*, std::string> cases[] = {
        {"C:\\Programmi\\Zelvo\\Dati\\ZlvImpo.txt", u + "/Dati/ZlvImpo.txt"},  // found nowhere: the name as given
        {"C:\\Programmi\\Zelvo\\Grafica\\Italia.bmp", b + "/Grafica/Italia.bmp"},
        {"c:\\programmi\\zelvo\\MUSICHE\\zlvsigla.MID", a + "/Musiche/ZlvSigla.Mid"},  // the first folder that has it
        {"C:\\Programmi\\Zelvo\\Musiche//ZlvSigla.Mid", a + "/Musiche/ZlvSigla.Mid"},
        {"C:\\Programmi\\Zelvo\\ZlvOpzio.txt", a + "/ZlvOpzio.txt"},
        {"C:\\Programmi\\Zelvo\\Dati\\..\\..\\x", "C:\\Programmi\\Zelvo\\Dati\\..\\..\\x"},  // would leave the root
        {"C:\\Programmi\\Zelvo\\.\\x", "C:\\Programmi\\Zelvo\\.\\x"},
        {"C:\\Programmi\\Zelv", "C:\\Programmi\\Zelv"},
    };
    for (const auto& [game, real] : cases) EXPECT_EQ(fs.real(game), real) << game;
    // Writing makes both of the user's folders; one of another spelling that is there is used.
    test::writeFile(u + "/archivio/x.txt", "");
    EXPECT_EQ(fs.realForWriting("C:\\Programmi\\Zelvo\\Archivio\\1.txt"), u + "/archivio/1.txt");
    EXPECT_EQ(test::namesIn(u), (std::vector<std::string>{"Dati", "archivio"}));
    EXPECT_FALSE(fs.makeFolder(u + "/archivio/x.txt/z"));  // below a file
}

TEST(DataRoot, TheUsersFolderFollowsXdgDataHome) {
    const char* old = std::getenv("XDG_DATA_HOME");
    const std::string kept = old ? old : "";
    ::setenv("XDG_DATA_HOME", "/srv/data", 1);
    EXPECT_EQ(DataRoots::ofThisMachine().user, "/srv/data/zelvo");
    ::setenv("XDG_DATA_HOME", "relative", 1);  // not absolute: ignored
    ::setenv("HOME", "/home/anna", 1);
    EXPECT_EQ(DataRoots::ofThisMachine().user, "/home/anna/.local/share/zelvo");
    old ? ::setenv("XDG_DATA_HOME", kept.c_str(), 1) : ::unsetenv("XDG_DATA_HOME");
}

// A failure at any step of a write, twice running, leaves the old file whole and nothing beside it.
TEST(AtomicWrite, AFailureAtAnyStepLeavesTheOldFileAndNothingElse) {
    using G = TestFileSystem::FailingStep;
    // Each fault, and the number of steps (open, write, sync, rename) taken up to the one that fails.
    for (auto [g, steps] :
         {std::pair{G::Open, 1}, {G::Write, 2}, {G::Sync, 3}, {G::Rename, 4}}) {
        TempFolder c;
        TestFileSystem fs(c.path);
        const std::string p = c.path + "/f.txt";
        ASSERT_TRUE(fs.write(p, "old"));
        fs.failWrites(g, 2);
        fs.faultAt(0, TestFileSystem::Fault::Fail);
        EXPECT_FALSE(fs.write(p, std::string(100000, 'n')));
        EXPECT_EQ(fs.steps(), steps);  // open, write, sync, rename: the failing one is the last taken
        EXPECT_FALSE(fs.write(p, "new"));
        EXPECT_EQ(test::namesIn(c.path), std::vector<std::string>{"f.txt"});
        EXPECT_EQ(readFile(p), "old");
        EXPECT_TRUE(fs.write(p, "new"));
        EXPECT_EQ(readFile(p), "new");
    }
}

// Only a regular file is read, within its limit; nothing else is opened in a way that could wait.
TEST(Reading, OnlyARegularFileWithinItsLimitIsRead) {
    using S = FileSystem::ReadStatus;
    TempFolder c;
    FileSystem fs(DataRoots{});
    const std::string p = c.path + "/f";
    test::writeFile(p, "abc");
    EXPECT_EQ(fs.read(p, 3), "abc");
    EXPECT_EQ(std::pair(fs.readFile(p, 2).status, fs.read(p, 2)), std::pair(S::TooLarge, std::optional<std::string>()));
    EXPECT_EQ(fs.readFile(p + "/x").status, S::Missing);
    test::put(p, Thing::Pipe);
    std::filesystem::create_symlink(p, c.path + "/link");
    for (const std::string& q : {p, c.path + "/link", std::string("/dev/zero"), c.path})
        EXPECT_EQ(fs.readFile(q).status, S::NotRegular) << q;
}

TEST(AtomicWrite, TheTemporaryFilesAreKnownByTheirNames) {
    for (const char* name : {"ZlvImpo.txt.zelvo-tmp-aB3xY9", "a.zelvo-tmp-x.zelvo-tmp-azAZ09"})
        EXPECT_TRUE(isTemporaryName(name)) << name;
    for (std::string name : {".zelvo-tmp-aB3xY9", "ZlvImpo.txt.zelvo-tmp-aB3xY", "ZlvImpo.txt.tmpaB3xY9"})
        EXPECT_FALSE(isTemporaryName(name)) << name;
    for (char c : std::string("`{@[/:_"))  // a character just outside each range of letters and digits
        EXPECT_FALSE(isTemporaryName(std::string("f.zelvo-tmp-abc12") + c)) << c;
}

}  // namespace
}  // namespace zelvo
