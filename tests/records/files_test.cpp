// The data root on this machine and the atomic writes of the file seam.
#include <gtest/gtest.h>

#include <cstdlib>

#include "fixture.h"

namespace zelvo {
namespace {

using prova::Cartella;
using prova::leggiFile;
using prova::scriviFile;

TEST(RadiceDati, UserFilesAndContentGoToTheirOwnFolders) {
    Cartella c;
    TestFileSystem fs(c.percorso);
    const std::string u = c.percorso + "/utente", k = c.percorso + "/contenuto";
    struct Caso {
        const char* gioco;
        std::string reale;
    } casi[] = {
        {"C:\\Programmi\\Zelvo\\Dati\\ZlvImpo.txt", u + "/Dati/ZlvImpo.txt"},
        {"C:\\Programmi\\Zelvo\\Archivio\\007-02.txt", u + "/Archivio/007-02.txt"},
        {"C:\\Programmi\\Zelvo\\Archivio\\", u + "/Archivio"},
        {"C:\\Programmi\\Zelvo\\ZlvOpzio.txt", k + "/ZlvOpzio.txt"},
        {"C:\\Programmi\\Zelvo\\Piacenti\\Ad2.jpg", k + "/Piacenti/Ad2.jpg"},
        {"c:\\programmi\\zelvo\\Musiche\\ZlvSigla.mid", k + "/Musiche/ZlvSigla.mid"},
        {"/tmp/altro.txt", "/tmp/altro.txt"},
    };
    for (const auto& cs : casi) EXPECT_EQ(fs.real(cs.gioco), cs.reale) << cs.gioco;
}

TEST(RadiceDati, NamesAreFoundWithoutRegardToCase) {
    Cartella c;
    TestFileSystem fs(c.percorso);
    const std::string k = c.percorso + "/contenuto";
    scriviFile(k + "/Musiche/ZlvSigla.Mid", "x");
    scriviFile(k + "/Rumori/carta1.wav", "y");
    EXPECT_EQ(fs.real("C:\\Programmi\\Zelvo\\Musiche\\ZlvSigla.mid"), k + "/Musiche/ZlvSigla.Mid");
    EXPECT_EQ(fs.real("C:\\Programmi\\Zelvo\\MUSICHE\\zlvsigla.MID"), k + "/Musiche/ZlvSigla.Mid");
    EXPECT_EQ(fs.real("C:\\Programmi\\Zelvo\\Rumori\\Carta1.wav"), k + "/Rumori/carta1.wav");
    EXPECT_EQ(*fs.read(fs.real("C:\\Programmi\\Zelvo\\rumori\\CARTA1.WAV")), "y");
}

TEST(RadiceDati, AFileTheGameCreatesGetsExactlyItsName) {
    Cartella c;
    TestFileSystem fs(c.percorso);
    std::string p = fs.realForWriting("C:\\Programmi\\Zelvo\\Dati\\ZlvImpo.txt");
    EXPECT_EQ(p, c.percorso + "/utente/Dati/ZlvImpo.txt");
    ASSERT_TRUE(fs.write(p, "abc"));
    // Both of the user's folders exist after the first write.
    EXPECT_TRUE(std::filesystem::is_directory(c.percorso + "/utente/Dati"));
    EXPECT_TRUE(std::filesystem::is_directory(c.percorso + "/utente/Archivio"));
    // A folder of another spelling that exists already is used, not doubled.
    scriviFile(c.percorso + "/utente/archivio/vecchio.txt", "v");
    std::filesystem::remove(c.percorso + "/utente/Archivio");
    EXPECT_EQ(fs.realForWriting("C:\\Programmi\\Zelvo\\Archivio\\001-01.txt"),
              c.percorso + "/utente/archivio/001-01.txt");
}

TEST(RadiceDati, ContentComesFromTheFirstFolderThatHasIt) {
    Cartella c;
    FileSystem fs(DataRoots{{c.percorso + "/a", c.percorso + "/b"}, c.percorso + "/u"});
    scriviFile(c.percorso + "/b/Grafica/Italia.bmp", "b");
    EXPECT_EQ(fs.real("C:\\Programmi\\Zelvo\\Grafica\\Italia.bmp"), c.percorso + "/b/Grafica/Italia.bmp");
    scriviFile(c.percorso + "/a/Grafica/italia.BMP", "a");
    EXPECT_EQ(fs.real("C:\\Programmi\\Zelvo\\Grafica\\Italia.bmp"), c.percorso + "/a/Grafica/italia.BMP");
    // Found nowhere: the first folder, with the name as given.
    EXPECT_EQ(fs.real("C:\\Programmi\\Zelvo\\ZlvOpzio.txt"), c.percorso + "/a/ZlvOpzio.txt");
}

TEST(RadiceDati, APathThatWouldLeaveTheDataRootNamesNothing) {
    EXPECT_FALSE(pathParts("C:\\Programmi\\Zelvo\\Dati\\..\\..\\x"));
    EXPECT_FALSE(pathParts("D:\\Altro\\x"));
    auto p = pathParts("C:\\Programmi\\Zelvo\\Dati\\ZlvAlbo.txt");
    ASSERT_TRUE(p);
    EXPECT_EQ(*p, (std::vector<std::string>{"Dati", "ZlvAlbo.txt"}));
}

TEST(RadiceDati, TheUsersFolderFollowsXdgDataHome) {
    const char* vecchio = std::getenv("XDG_DATA_HOME");
    std::string salvato = vecchio ? vecchio : "";
    ::setenv("XDG_DATA_HOME", "/srv/dati", 1);
    EXPECT_EQ(DataRoots::ofThisMachine().user, "/srv/dati/zelvo");
    ::setenv("XDG_DATA_HOME", "relativo", 1);  // not absolute: ignored
    ::setenv("HOME", "/home/anna", 1);
    EXPECT_EQ(DataRoots::ofThisMachine().user, "/home/anna/.local/share/zelvo");
    if (vecchio) ::setenv("XDG_DATA_HOME", salvato.c_str(), 1);
    else ::unsetenv("XDG_DATA_HOME");
    auto r = DataRoots::ofThisMachine();
    EXPECT_EQ(r.content.size(), 2u);
}

TEST(ScritturaAtomica, AFailureAtAnyStepLeavesTheOldFileWholeAndNothingElse) {
    using G = TestFileSystem::Guasto;
    for (G g : {G::Apertura, G::Scrittura, G::Svuotamento, G::PrimaDelRinomina}) {
        Cartella c;
        TestFileSystem fs(c.percorso);
        std::string p = fs.realForWriting("C:\\Programmi\\Zelvo\\Dati\\ZlvClass.txt");
        ASSERT_TRUE(fs.write(p, "vecchio contenuto"));
        fs.guasta(g);
        EXPECT_FALSE(fs.write(p, std::string(100000, 'n')));
        EXPECT_EQ(leggiFile(p), "vecchio contenuto") << static_cast<int>(g);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(c.percorso + "/utente/Dati"), {}), 1);
        // The next write goes through.
        EXPECT_TRUE(fs.write(p, "nuovo"));
        EXPECT_EQ(leggiFile(p), "nuovo");
    }
}

// Only a regular file is read, within its limit; nothing else is even opened
// in a way that could wait for a writer.
TEST(Reading, OnlyARegularFileWithinItsLimitIsRead) {
    using prova::Thing;
    using S = FileSystem::ReadStatus;
    Cartella c;
    TestFileSystem fs(c.percorso);
    const std::string p = c.percorso + "/f";
    struct Case {
        Thing thing;
        std::string bytes;
        size_t limit;
        S status;
    } cases[] = {
        {Thing::Bytes, "abc", 3, S::Read},          {Thing::Bytes, "", 0, S::Read},
        {Thing::Bytes, "abcd", 3, S::TooLarge},     {Thing::Missing, "", 10, S::Missing},
        {Thing::Folder, "", 10, S::NotRegular},     {Thing::Pipe, "", 10, S::NotRegular},
    };
    for (const auto& cs : cases) {
        prova::put(p, cs.thing, cs.bytes);
        const FileSystem::ReadResult r = fs.readFile(p, cs.limit);
        EXPECT_EQ(r.status, cs.status) << static_cast<int>(cs.thing);
        EXPECT_EQ(r.bytes, cs.status == S::Read ? cs.bytes : "");
        EXPECT_EQ(fs.read(p, cs.limit).has_value(), cs.status == S::Read);
    }
    // A link to a pipe, and a device.
    prova::put(p, Thing::Pipe);
    std::filesystem::create_symlink(p, c.percorso + "/link");
    EXPECT_EQ(fs.readFile(c.percorso + "/link").status, S::NotRegular);
    EXPECT_EQ(fs.readFile("/dev/zero").status, S::NotRegular);
}

TEST(ScritturaAtomica, TheTemporaryFilesAreKnownByTheirNames) {
    struct Case {
        const char* name;
        bool temporary;
    } cases[] = {{"ZlvImpo.txt.zelvo-tmp-aB3xY9", true}, {"001-01.txt.zelvo-tmp-000000", true},
                {".zelvo-tmp-aB3xY9", false},           {"ZlvImpo.txt.zelvo-tmp-aB3xY", false},
                {"ZlvImpo.txt.zelvo-tmp-aB3x_9", false}, {"ZlvImpo.txt.tmpaB3xY9", false}};
    for (const auto& c : cases) EXPECT_EQ(isTemporaryName(c.name), c.temporary) << c.name;
}

}  // namespace
}  // namespace zelvo
