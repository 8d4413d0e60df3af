// The two read-only views of zelvo-engine: a saved game and the hall of fame as JSON.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "fixture.h"

namespace zelvo {
namespace {

using nlohmann::json;
using namespace test;

// Runs zelvo-engine: its exit status and the one line of JSON it prints, errors included.
std::pair<int, json> engine(const std::string& args) {
    const Output out = run(std::string(ZELVO_ENGINE) + " " + args + " 2>&1");
    EXPECT_EQ(std::count(out.text.begin(), out.text.end(), '\n'), 1) << out.text;
    return {out.status, json::parse(out.text, nullptr, false)};
}

// The golden files as JSON (every card of the game once, each trick taken by the
// rule, the points adding up); a damaged file is reported, naming it and the
// line at fault, with exit status 2, and is left as it is.
TEST(Engine, AGameFileAndTheRecordsAsJson) {
    test::TempFolder c;
    for (const char* f : {"ZlvClass.txt", "ZlvPart.txt", "007-02.txt"}) test::writeFile(c.path + "/" + f, golden(f));
    test::writeFile(c.path + "/zlvalbo.TXT", golden("ZlvAlbo.txt"));
    auto [status, j] = engine("game " + c.path + "/007-02.txt");
    EXPECT_EQ(std::pair(status, j), std::pair(0, json::parse(golden("007-02.json"))));
    std::tie(status, j) = engine("records " + c.path);
    EXPECT_EQ(std::pair(status, j), std::pair(0, json::parse(golden("ZlvRecords.json"))));
    const std::string damaged = test::withLine(golden("007-02.txt"), 43, "white");
    test::writeFile(c.path + "/007-02.txt", damaged);
    test::writeFile(c.path + "/ZlvPart.txt", "2\r\n");
    for (const char* args : {"game ", "records "}) {
        const auto before = std::filesystem::last_write_time(c.path);
        std::tie(status, j) = engine(args + c.path + (*args == 'g' ? "/007-02.txt" : ""));
        EXPECT_EQ(std::make_tuple(status, j.value("file", ""), j.value("line", 0)),
                  std::make_tuple(2, c.path + (*args == 'g' ? "/007-02.txt" : "/ZlvPart.txt"), *args == 'g' ? 43 : 1));
        EXPECT_EQ(j.value("error", ""),
                  *args == 'g' ? "expected a colour number" : "counts 2 matches, the register holds 1");
        EXPECT_EQ(std::filesystem::last_write_time(c.path), before);
    }
    EXPECT_EQ(std::pair(test::readFile(c.path + "/007-02.txt"), test::readFile(c.path + "/ZlvPart.txt")),
              std::pair(damaged, std::string("2\r\n")));
}

}  // namespace
}  // namespace zelvo
