// zelvo-engine decide: one answer per line, in order, for every situation of
// the dispatch, and calm errors for lines it cannot use.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using nlohmann::json;

std::vector<json> decide(const std::vector<std::string>& lines, int* exitCode = nullptr) {
    char path[] = "/tmp/zelvo-decide-XXXXXX";
    int fd = mkstemp(path);
    EXPECT_GE(fd, 0);
    {
        std::ofstream f(path);
        for (const auto& r : lines) f << r << "\n";
    }
    close(fd);
    const std::string cmd = std::string(ZELVO_ENGINE) + " decide < " + path;
    FILE* p = popen(cmd.c_str(), "r");
    std::string out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    const int rc = pclose(p);
    if (exitCode) *exitCode = rc;
    std::remove(path);
    std::vector<json> r;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line)) r.push_back(json::parse(line));
    return r;
}

const char* MIDDLE_LEAD =
    R"({"trump":"b","pc":["Ad","7c","Rb"],"h":["2s","3d","Fb"],"played":[],"leader":"PC","deck":34,"puntiPC":0,"puntiH":0,"filtro60":"No"})";
const char* MIDDLE_ANSWER =
    R"({"trump":"b","pc":["Ad","7c","Rb"],"h":["2s","3d","Fb"],"played":["3d"],"leader":"H","hslot":5,"deck":20,"puntiPC":30,"puntiH":50,"filtro60":"No"})";

TEST(Decide, EverySituationOfTheDispatch) {
    int rc = -1;
    auto r = decide(
        {MIDDLE_LEAD, MIDDLE_ANSWER,
         R"({"trump":"b","pc":["Ad","7c","Rb"],"h":["2s","3d","Fb"],"played":[],"leader":"PC","deck":0,"puntiPC":30,"puntiH":50,"filtro60":"No"})",
         R"({"trump":"b","pc":["Ad","7c","Rb"],"h":["2s","3d","Fb"],"played":["3d"],"leader":"H","hslot":5,"deck":-1,"puntiPC":30,"puntiH":50,"filtro60":"No"})",
         R"({"trump":"b","pc":["Ad","","Rb"],"h":["2s","","Fb"],"played":[],"leader":"PC","deck":-2,"puntiPC":30,"puntiH":50,"filtro60":"No"})",
         R"({"trump":"b","pc":["","Ad","Rb"],"h":["2s","","Fb"],"played":["Fb"],"leader":"H","hslot":6,"deck":-3,"puntiPC":30,"puntiH":50,"filtro60":"No"})",
         R"({"trump":"b","pc":["","","Rb"],"h":["2s","",""],"played":[],"leader":"PC","deck":-4,"puntiPC":30,"puntiH":50,"filtro60":"No"})",
         R"({"trump":"b","pc":["","Rb",""],"h":["2s","",""],"played":["2s"],"leader":"H","hslot":4,"deck":-5,"puntiPC":30,"puntiH":50,"filtro60":"No"})"},
        &rc);
    EXPECT_EQ(rc, 0);
    ASSERT_EQ(r.size(), 8u);
    // Middle game: the evaluation is reported.
    EXPECT_EQ(r[0]["potenziale"].size(), 6u);
    EXPECT_EQ(r[0]["convenienza"].size(), 9u);
    EXPECT_EQ(r[0]["totaliNormali"][1], "21");  // Ad takes 3d: 21 points
    EXPECT_EQ(r[1]["convenienza"][3], "");
    EXPECT_EQ(r[1]["totaliNormali"][0], "51");
    EXPECT_EQ(r[1]["slot"], 1);
    EXPECT_FALSE(r[0].contains("peggiore"));
    // Trick 18.
    EXPECT_EQ(r[2]["peggiore"].size(), 3u);
    EXPECT_TRUE(r[2]["candidates"].size() >= 1u);
    EXPECT_EQ(r[3]["peggiore"][0], "92");  // Ad takes 3d, then the rest under best play
    EXPECT_EQ(r[3]["candidates"], json::array({1}));
    EXPECT_EQ(r[3]["slot"], 1);
    // Tricks 19 and 20: a slot that holds a card.
    for (int k = 4; k < 8; ++k) EXPECT_FALSE(r[k].contains("potenziale")) << k;
    EXPECT_TRUE(r[4]["slot"] == 1 || r[4]["slot"] == 3);
    EXPECT_TRUE(r[5]["slot"] == 2 || r[5]["slot"] == 3);
    EXPECT_EQ(r[6]["slot"], 3);
    EXPECT_EQ(r[7]["slot"], 2);
    for (const auto& x : r) EXPECT_EQ(x["filtro60"], "No");
}

TEST(Decide, FilterFiresAndIsReported) {
    // 55 points and an answer that takes 21: the filter takes the winning trick.
    auto r = decide(
        {R"({"trump":"b","pc":["7c","Ad","Rs"],"h":["2s","3d","Fb"],"played":["3d"],"leader":"H","hslot":5,"deck":20,"puntiPC":55,"puntiH":30,"filtro60":"No"})",
         R"({"trump":"b","pc":["7c","Ad","Rs"],"h":["2s","3d","Fb"],"played":["3d"],"leader":"H","hslot":5,"deck":20,"puntiPC":55,"puntiH":30,"filtro60":"Si"})"});
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0]["slot"], 2);
    EXPECT_EQ(r[0]["filtro60"], "Si");
    EXPECT_EQ(r[1]["filtro60"], "Si");
}

TEST(Decide, BadLinesGetAnErrorAndTheToolGoesOn) {
    int rc = -1;
    // The lead position with the given fields replaced.
    auto with = [](const char* fields) {
        json j = json::parse(MIDDLE_LEAD);
        j.merge_patch(json::parse(fields));
        return j.dump();
    };
    const std::vector<std::string> bad = {
        "not json", "[1,2,3]", R"({"trump":"b"})", "",
        with(R"({"trump":"x"})"), with(R"({"pc":["Ad","Ad","Rb"]})"), with(R"({"pc":["Zz","7c","Rb"]})"),
        with(R"({"played":["Ad"]})"), with(R"({"leader":"H"})"), with(R"({"deck":-1})"), with(R"({"deck":35})"),
        with(R"({"pc":["Ad","7c",""],"deck":10})"), with(R"({"deck":10,"puntiPC":100,"puntiH":50})"),
        with(R"({"deck":10,"filtro60":"Maybe"})"), with(R"({"deck":"10"})")};
    std::vector<std::string> lines = bad;
    lines.push_back(MIDDLE_LEAD);
    auto r = decide(lines, &rc);
    EXPECT_EQ(rc, 0);
    ASSERT_EQ(r.size(), bad.size() + 1);
    for (size_t k = 0; k < bad.size(); ++k) {
        EXPECT_TRUE(r[k].contains("error")) << bad[k];
        EXPECT_FALSE(r[k].contains("slot")) << bad[k];
    }
    EXPECT_TRUE(r.back().contains("slot"));
}

}  // namespace
