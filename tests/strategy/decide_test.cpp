// zelvo-engine decide: one answer per line, in order, for every situation of
// the dispatch, and calm errors for lines it cannot use.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "support/files.h"

namespace {

using nlohmann::json;

std::vector<json> decide(const std::vector<std::string>& lines, int& exitCode) {
    zelvo::test::TempFolder dir;
    std::string input;
    for (const auto& l : lines) input += l + "\n";
    zelvo::test::writeFile(dir.path + "/in", input);
    const zelvo::test::Output out = zelvo::test::run(std::string(ZELVO_ENGINE) + " decide < " + dir.path + "/in");
    exitCode = out.status;
    std::vector<json> answers;
    std::istringstream text(out.text);
    for (std::string line; std::getline(text, line);) answers.push_back(json::parse(line));
    return answers;
}

// The computer about to lead early in a game, with the given fields replaced.
std::string with(const char* fields) {
    json j = json::parse(
        R"({"trump":"b","pc":["Ad","7c","Rb"],"h":["2s","3d","Fb"],"played":[],"leader":"PC","deck":34,"puntiPC":30,"puntiH":50,"filtro60":"No"})");
    j.merge_patch(json::parse(fields));
    return j.dump();
}

TEST(Decide, EverySituationOfTheDispatchAndTheFilter) {
    int rc = -1;
    const auto r = decide({with("{}"), with(R"({"played":["3d"],"leader":"H","hslot":5,"deck":20})"),
                           with(R"({"deck":0})"), with(R"({"played":["3d"],"leader":"H","hslot":5,"deck":-1})"),
                           with(R"({"pc":["Ad","","Rb"],"h":["2s","","Fb"],"deck":-2})"),
                           with(R"({"pc":["","Ad","Rb"],"h":["2s","","Fb"],"played":["Fb"],"leader":"H","hslot":6,"deck":-3})"),
                           with(R"({"pc":["","","Rb"],"h":["2s","",""],"deck":-4})"),
                           with(R"({"pc":["","Rb",""],"h":["2s","",""],"played":["2s"],"leader":"H","hslot":4,"deck":-5})"),
                           // 55 points and an answer that takes 21: the filter takes the winning trick.
                           with(R"({"pc":["7c","Ad","Rs"],"played":["3d"],"leader":"H","hslot":5,"deck":20,"puntiPC":55})"),
                           with(R"({"pc":["7c","Ad","Rs"],"played":["3d"],"leader":"H","hslot":5,"deck":20,"puntiPC":55,"filtro60":"Si"})")},
                          rc);
    EXPECT_EQ(rc, 0);
    ASSERT_EQ(r.size(), 10u);
    // The middle game reports its evaluation, the end game its worst cases.
    EXPECT_EQ(r[0]["potenziale"].size(), 6u);
    EXPECT_EQ(r[0]["totaliNormali"][1], "51");  // Ad takes 3d: 21 points
    EXPECT_EQ(r[1]["slot"], 1);
    EXPECT_EQ(r[3]["peggiore"][0], "92");  // Ad takes 3d, then the rest under best play
    EXPECT_EQ(r[3]["candidates"], json::array({1}));
    // Every answer names a card of the hand; the lead of trick 18 is drawn among equals (0: not pinned).
    const int slots[] = {0, 1, 0, 1, 1, 3, 3, 2, 2, 2};
    for (size_t k = 0; k < r.size(); ++k)
        if (slots[k]) EXPECT_EQ(r[k]["slot"], slots[k]) << k;
    for (size_t k = 2; k < 8; ++k) EXPECT_EQ(r[k].contains("potenziale"), false) << k;
    for (size_t k = 0; k < 10; ++k) EXPECT_EQ(r[k]["filtro60"], k < 8 ? "No" : "Si") << k;
}

TEST(Decide, BadLinesGetAnErrorAndTheToolGoesOn) {
    const std::vector<std::string> bad = {
        "not json", "[1,2,3]", R"({"trump":"b"})", "",
        with(R"({"trump":"x"})"), with(R"({"pc":["Ad","Ad","Rb"]})"), with(R"({"pc":["Zz","7c","Rb"]})"),
        with(R"({"played":["Ad"]})"), with(R"({"leader":"H"})"), with(R"({"deck":-1})"), with(R"({"deck":35})"),
        with(R"({"pc":["Ad","7c",""],"deck":10})"), with(R"({"deck":10,"puntiPC":100,"puntiH":50})"),
        with(R"({"deck":10,"filtro60":"Maybe"})"), with(R"({"deck":"10"})")};
    std::vector<std::string> lines = bad;
    lines.push_back(with("{}"));
    int rc = -1;
    const auto r = decide(lines, rc);
    EXPECT_EQ(rc, 0);
    ASSERT_EQ(r.size(), bad.size() + 1);
    for (size_t k = 0; k < bad.size(); ++k)
        EXPECT_TRUE(r[k].contains("error") && !r[k].contains("slot")) << bad[k];
    EXPECT_TRUE(r.back().contains("slot"));
}

}  // namespace
