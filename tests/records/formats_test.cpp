// The text conventions of every file the game writes, and the formats of the record and game files.
#include <gtest/gtest.h>


#include "fixture.h"
#include "formats/file_formats.h"
#include "formats/text_file.h"

using namespace std::string_literals;

namespace zelvo {
namespace {

using namespace formats;
using namespace textfile;
using namespace test;
constexpr std::nullopt_t no = std::nullopt;

TEST(TextFile, EachKindOfValueHasItsOwnForm) {
    Writer s;
    for (const char* t : {"Caffé", "Il \"Re\"\r\nx", "", "\xEF\xBB\xBF"}) s.text(t);  // the last: nothing the code page keeps
    for (long long n : {500LL, -7LL}) s.whole(n);
    for (float x : {1095.f, 0.1f, 1095.25f, -3.f, -0.f, 16777216.f, NAN}) s.single(x);
    for (bool b : {true, false}) s.truth(b);
    EXPECT_EQ(s.bytes(), "\"Caff\xe9\"\r\n\"Il 'Re'  x\"\r\n\"\"\r\n\"?\"\r\n500\r\n-7\r\n1095\r\n0.1\r\n1095.25\r\n-3\r\n0\r\n"
                         "16777216\r\n0\r\n#TRUE#\r\n#FALSE#\r\n");
    // A character the code page lacks, or a broken sequence, becomes one "?"; the euro sign has a place.
    EXPECT_EQ(toCp1252("日本 € a\xC3(b"), "?? \x80 a?(b");
    EXPECT_EQ(asStored("Il \"Re\"\r\n日"), "Il 'Re'  ?");
    std::string all;  // every assigned byte of the code page
    for (int c = 0x20; c <= 0xFF; ++c)
        if (c != 0x7F && c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D) all += static_cast<char>(c);
    EXPECT_EQ(toCp1252(fromCp1252(all).value()), all);
}

TEST(TextFile, LinesSplitAndDecoded) {
    const std::pair<std::string, std::vector<Line>> cases[] = {
        {"a\r\nb\nc\r\n", {"a", "b", "c"}},
        {"\r\n", {""}},
        {"x\ty\r\n\x81\r\nCaff\xe9\r\nnul\0x\r\n\x7f\r\nc\rr"s, {"x\ty", no, "Caffé", no, no, no}},
        // A UTF-8 byte-order mark makes the file UTF-8, and is no part of its first value.
        {"\xEF\xBB\xBF\"Caff\xC3\xA9\"\r\n3\r\n", {"\"Caffé\"", "3"}},
        {"\xEF\xBB\xBF\"Caff\xE9\"\r\n", {no}},
        {"\xEF\xBB\xBF", {}},
        {"x\xEF\xBB\xBF", {"xï»¿"}},
    };
    for (const auto& [bytes, lines] : cases) EXPECT_EQ(splitLines(bytes), lines) << bytes;
}

TEST(TextFile, ValuesOfALineAndTheirConversions) {
    const std::tuple<const char*, const char*, bool> lines[] = {
        {"\"Molto Veloce\"", "Molto Veloce", true}, {" \t\"\" ", "", true},   {"#TRUE#", "True", false},
        {"#false#", "False", false},                {"  42\t", "42", false}, {"\"abc\" rest", "abc", true},
        {"\"no end", "no end", true},               {"", "", false},
    };
    for (const auto& [line, value, isQuoted] : lines)
        EXPECT_EQ(std::pair(valueOf(line), quoted(line)), std::pair(std::string(value), isQuoted)) << line;
    const std::tuple<const char*, std::optional<long long>, std::optional<float>, std::optional<bool>> values[] = {
        {"500", 500, 500.f, true}, {"+7", 7, 7.f, true},    {" -1 ", -1, -1.f, true},  {"0", 0, 0.f, false},
        {"", no, no, no},          {"12a", no, no, no},     {"1e3", no, 1000.f, no},   {"1.2.3", no, no, no},
        {"-", no, no, no},         {"1e99", no, no, no},    {"1e-50", no, no, no},     {"0x10", no, no, no},
        {"nan", no, no, no},       {"True", no, no, true},  {"#TRUE#", no, no, true},  {"false", no, no, false},
        {"#FALSE#", no, no, false}, {"Si", no, no, no},     {"99999999999999999999", no, 1e20f, no},
    };
    for (const auto& [v, n, x, b] : values)
        EXPECT_EQ(std::tuple(whole(v), single(v), truth(v)), std::tuple(n, x, b)) << v;
}

// Every reader reads its golden file back to the same bytes, and takes a
// UTF-8 copy with the byte-order mark, as an editor saves it, alike.
TEST(Formats, GoldenFilesRoundTripAlsoAsUtf8) {
    for (bool bom : {false, true}) {
        SCOPED_TRACE(bom);
        auto as = [&](const char* name) {
            std::string out = bom ? std::string(BOM_UTF8) : "";
            for (char c : golden(name))
                out += !bom || c == '\r' || c == '\n' ? std::string(1, c) : *fromCp1252({&c, 1});
            return out;
        };
        EXPECT_EQ(writeGame(readGame(as("007-02.txt")).value()), golden("007-02.txt"));
        EXPECT_EQ(writeRanking(readRanking(as("ZlvClass.txt")).value()), golden("ZlvClass.txt"));
        EXPECT_EQ(writeRegister(readRegisterWithoutCount(as("ZlvAlbo.txt")).value()), golden("ZlvAlbo.txt"));
        EXPECT_EQ(readCount(as("ZlvPart.txt")), 1);
        const SettingsLines s = readSettingsLines(as("ZlvImpo.txt"));
        EXPECT_EQ(std::tie(s.line[1], s.line[24], s.line[43]),
                  std::tuple("Alta (Livello B)", "Azzurro bebé", "Impaziente"));
    }
    GameFile g;  // the colours the window system marks with the top bit, as the signed numbers they are there
    g.colour[13] = 0x8000000F;
    EXPECT_EQ(readGame(writeGame(g)).value().colour[13], 0x8000000Fu);
}

TEST(Formats, AFaultyFileNamesItsLineAtFault) {
    using K = Error::Kind;
    const std::string ranking = golden("ZlvClass.txt"), game = golden("007-02.txt");
    std::string lf = ranking;
    std::erase(lf, '\r');
    // The reader: R ranking, C count, A register without count, 2 a register of two, G game.
    const std::tuple<char, std::string, int, K> cases[] = {
        {'R', lf, 0, K::None}, {'R', withLine(ranking, 2, "\"2147483647\""), 0, K::None},
        {'R', withLine(ranking, 1, "Anna"), 1, K::Value}, {'R', withLine(ranking, 3, "\"-1\""), 3, K::Value},
        {'R', withLine(ranking, 9, "\"2147483648\""), 9, K::Value}, {'R', withLine(ranking, 5, "#MAYBE#"), 5, K::Value},
        {'R', withLine(ranking, 80, "\"x\""), 80, K::Value}, {'R', withLine(ranking, 4, "\"\x90\""), 4, K::Text},
        {'R', test::firstLines(ranking, 79), 80, K::Short},
        {'C', "10000000\r\n", 0, K::None}, {'C', "10000001\r\n", 1, K::Value}, {'C', "-1\r\n", 1, K::Value},
        {'C', "", 1, K::Value}, {'A', "\"a\"\r\n", 2, K::Short},
        {'A', "\"a\"\r\n\"b\"\r\n\"\"\r\n\"later\"\r\n", 0, K::None},
        {'2', "\"a\"\r\n\"b\"\r\n\"c\"\r\n", 0, K::None},  // the newest entry, written just before its count
        {'2', "\"a\"\r\n\"\"\r\n\"\"\r\n", 2, K::Value}, {'2', "a\r\n\"b\"\r\n\"\"\r\n", 1, K::Value},
        {'G', game + "\x81\x90\r\n\"more\"\r\n", 0, K::None},  // what follows line 268 is no part of the file
        {'G', withLine(game, 43, "white"), 43, K::Value}, {'G', withLine(game, 5, "2147483648"), 5, K::Value},
        {'G', withLine(game, 6, "\"\x90\""), 6, K::Text}, {'G', test::firstLines(game, 267), 268, K::Short},
    };
    for (const auto& [reader, bytes, line, kind] : cases) {
        Error e;
        const bool read = reader == 'R' ? readRanking(bytes, &e).has_value()
                          : reader == 'C' ? readCount(bytes, &e).has_value()
                          : reader == 'A' ? readRegisterWithoutCount(bytes, &e).has_value()
                          : reader == '2' ? readRegister(bytes, 2, &e).has_value()
                                          : readGame(bytes, &e).has_value();
        EXPECT_EQ(std::tuple(read, e.line, e.kind), std::tuple(kind == K::None, line, kind)) << reader << e.text();
    }
    Error e;
    EXPECT_FALSE(readRegister("\"\"\r\n", -1, &e));
    EXPECT_EQ(e.text(), "line 2: the register ends before its -1 entries");
    EXPECT_EQ(readRegister("\"a\"\r\n\"b\"\r\n\"c\"\r\n", 2), (std::vector<std::string>{"a", "b", "c"}));
}

}  // namespace
}  // namespace zelvo
