// The text conventions of every file the game writes: values one a line,
// Windows-1252 on disk, UTF-8 in memory.
#include <gtest/gtest.h>

#include "fixture.h"
#include "formats/file_formats.h"
#include "formats/text_file.h"

using namespace std::string_literals;

namespace zelvo::textfile {
namespace {

TEST(ScrittoreTesto, EachKindOfValueHasItsOwnForm) {
    Writer s;
    s.text("Molto Veloce");
    s.whole(500);
    s.whole(-7);
    s.single(1095.0f);
    s.truth(true);
    s.truth(false);
    s.text("");
    EXPECT_EQ(s.bytes(), "\"Molto Veloce\"\r\n500\r\n-7\r\n1095\r\n#TRUE#\r\n#FALSE#\r\n\"\"\r\n");
}

TEST(ScrittoreTesto, ShortestSinglePrecisionForms) {
    struct Caso {
        float x;
        const char* atteso;
    } casi[] = {{975.f, "975"}, {1.5f, "1.5"}, {0.1f, "0.1"}, {1095.25f, "1095.25"}, {-3.f, "-3"}, {-0.f, "0"},
                {16777216.f, "16777216"}};
    for (const auto& c : casi) EXPECT_EQ(singleText(c.x), c.atteso) << c.x;
}

TEST(ScrittoreTesto, AccentedLettersTakeOneByteAndQuotesCannotEndATextEarly) {
    Writer s;
    s.text("Caffé");
    s.text("Loquacità");
    s.text("Il \"Re\"");
    EXPECT_EQ(s.bytes(), "\"Caff\xe9\"\r\n\"Loquacit\xe0\"\r\n\"Il 'Re'\"\r\n");
}

TEST(ScrittoreTesto, CharactersOutsideTheCodePageAreReplacedNotDropped) {
    std::string b = toCp1252("Łukasz €");
    // The euro sign has a place in Windows-1252 (0x80); the Polish letter does not.
    EXPECT_EQ(b.back(), '\x80');
    EXPECT_EQ(b.size(), std::string("Lukasz \x80").size());
    EXPECT_NE(b[0], '\xc5');
}

TEST(LetturaTesto, QuotedListReading) {
    struct Caso {
        const char* riga;
        const char* valore;
    } casi[] = {
        {"\"Molto Veloce\"", "Molto Veloce"}, {"500", "500"},         {"#TRUE#", "True"},
        {"#FALSE#", "False"},                 {"\"\"", ""},           {"  42  ", "42"},
        {"\"abc\" resto", "abc"},             {"\"senza fine", "senza fine"},
        {"testo libero", "testo libero"},     {"#true#", "True"},
    };
    for (const auto& c : casi) EXPECT_EQ(valueOf(c.riga), c.valore) << c.riga;
}

TEST(LetturaTesto, LinesSplitAtLineEnds) {
    auto r = splitLines("a\r\nb\nc\r\n");
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(*r[0], "a");
    EXPECT_EQ(*r[1], "b");
    EXPECT_EQ(*r[2], "c");
    EXPECT_EQ(splitLines("").size(), 0u);
    EXPECT_EQ(splitLines("x").size(), 1u);
    EXPECT_EQ(splitLines("\r\n").size(), 1u);
}

TEST(LetturaTesto, BytesThatAreNotWindows1252TextMakeTheirLineUnreadable) {
    auto r = splitLines("ok\r\n\x81\r\nCaff\xe9\r\nnul\0x\r\n"s);
    ASSERT_EQ(r.size(), 4u);
    EXPECT_TRUE(r[0]);
    EXPECT_FALSE(r[1]);  // 0x81 is unassigned
    ASSERT_TRUE(r[2]);
    EXPECT_EQ(*r[2], "Caffé");
    EXPECT_FALSE(r[3]);  // a NUL byte: a binary file
}

// One rule for every reader: a UTF-8 byte-order mark makes the file UTF-8 and
// is no part of its first value; without it the file is Windows-1252.
TEST(LetturaTesto, AByteOrderMarkMakesTheFileUtf8AndIsNoPartOfAValue) {
    struct Case {
        std::string bytes;
        std::vector<Line> lines;
    } cases[] = {
        {"\xEF\xBB\xBF\"Caff\xC3\xA9\"\r\n3\r\n", {"\"Caffé\"", "3"}},
        {"\"Caff\xE9\"\r\n", {"\"Caffé\""}},
        {"\xEF\xBB\xBF\"Caff\xE9\"\r\n", {std::nullopt}},  // not UTF-8 after all
        {"\xEF\xBB\xBF", {}},
        {"x\xEF\xBB\xBF", {"xï»¿"}},  // a mark only at the start
    };
    for (const auto& c : cases) EXPECT_EQ(splitLines(c.bytes), c.lines) << c.bytes;
}

// A file of the game as an editor would save it in UTF-8 with the mark.
std::string asUtf8WithMark(const std::string& cp1252) {
    std::string out(BOM_UTF8);
    for (char c : cp1252) out += static_cast<unsigned char>(c) < 0x80 ? std::string(1, c) : *fromCp1252(std::string(1, c));
    return out;
}

TEST(LetturaTesto, EveryReaderTakesTheMarkAlike) {
    const std::string bom(BOM_UTF8);
    const auto g = formats::readGame(asUtf8WithMark(prova::golden("007-02.txt")));
    ASSERT_TRUE(g);
    EXPECT_EQ(formats::writeGame(*g), prova::golden("007-02.txt"));
    const auto c = formats::readRanking(bom + prova::golden("ZlvClass.txt"));
    ASSERT_TRUE(c);
    EXPECT_EQ(formats::writeRanking(*c), prova::golden("ZlvClass.txt"));
    EXPECT_EQ(formats::readCount(bom + prova::golden("ZlvPart.txt")), 1);
    EXPECT_EQ(formats::readRegisterWithoutCount(bom + prova::golden("ZlvAlbo.txt")),
              formats::readRegisterWithoutCount(prova::golden("ZlvAlbo.txt")));
    EXPECT_EQ(formats::readSettingsLines(asUtf8WithMark(prova::golden("ZlvImpo.txt"))).line,
              formats::readSettingsLines(prova::golden("ZlvImpo.txt")).line);
}

TEST(LetturaTesto, EveryAssignedByteRoundTrips) {
    std::string tutti;
    for (int c = 0x20; c <= 0xFF; ++c)
        if (c != 0x7F && c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D) tutti += static_cast<char>(c);
    auto u = fromCp1252(tutti);
    ASSERT_TRUE(u);
    EXPECT_EQ(toCp1252(*u), tutti);
}

TEST(ConversioniTesto, WholeNumbers) {
    struct Caso {
        const char* v;
        std::optional<long long> n;
    } casi[] = {{"500", 500}, {"-3", -3}, {"+7", 7}, {" 12 ", 12}, {"", std::nullopt}, {"12a", std::nullopt},
                {"1.5", std::nullopt}, {"True", std::nullopt}, {"99999999999999999999", std::nullopt}};
    for (const auto& c : casi) EXPECT_EQ(whole(c.v), c.n) << c.v;
}

TEST(ConversioniTesto, SinglePrecisionNumbers) {
    struct Caso {
        const char* v;
        std::optional<float> x;
    } casi[] = {{"1095", 1095.f}, {"0.5", 0.5f}, {".5", 0.5f}, {"-2", -2.f}, {"1e3", 1000.f},
                {"", std::nullopt}, {"abc", std::nullopt}, {"inf", std::nullopt}, {"nan", std::nullopt},
                {"1e99", std::nullopt}, {"0x10", std::nullopt}};
    for (const auto& c : casi) EXPECT_EQ(single(c.v), c.x) << c.v;
}

TEST(ConversioniTesto, TruthValues) {
    struct Caso {
        const char* v;
        std::optional<bool> b;
    } casi[] = {{"True", true}, {"False", false}, {"true", true}, {"#TRUE#", true}, {"0", false},
                {"-1", true},   {"Si", std::nullopt}, {"", std::nullopt}};
    for (const auto& c : casi) EXPECT_EQ(truth(c.v), c.b) << c.v;
}

}  // namespace
}  // namespace zelvo::textfile
