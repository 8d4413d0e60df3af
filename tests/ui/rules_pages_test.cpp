// The reading panel: the caption that names and turns the pages, and what each page shows.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "support/table.h"
#include "ui/rules_pages.h"

using namespace zelvo;
namespace pages = rules_pages;

TEST(RulesPages, CaptionsTurnRoundAndUnknownOnesStay) {
    const std::string more = "Clicca qui per continuare > ", back = "Clicca qui per ritornare > 5";
    const std::tuple<std::string, std::string, int> cases[] = {
        {more + "1", more + "2", 1}, {more + "2", more + "3", 2}, {more + "3", more + "4", 3}, {more + "4", back, 4},
        {back, more + "1", 5},
        {more + "5", more + "1", 0},  // an older settings file's: nothing new, then page 1
        {"Pagina sei", "Pagina sei", 0}, {"vai > 3", "vai > 3", 3}};  // pages 1 to 4 go by the end alone
    for (const auto& [caption, next, page] : cases)
        EXPECT_EQ(std::pair(pages::nextCaption(caption), pages::page(caption)), std::pair(next, page)) << caption;
    std::set<std::string> bodies;  // five pages of paragraphs, each starting with a blank
    for (int n = 1; n <= 5; ++n) {
        EXPECT_TRUE(pages::body(n)[0] == ' ' && !std::regex_search(pages::body(n), std::regex("\n[^ ]"))) << n;
        bodies.insert(pages::body(n));
    }
    EXPECT_EQ(bodies.size(), 5u);
    auto breaks = [](int n) { return std::count(pages::body(n).begin(), pages::body(n).end(), '\n'); };
    EXPECT_EQ(std::pair(breaks(1), breaks(2)), std::pair(4L, 3L));  // five and four paragraphs of rules
}

TEST(RulesPages, TheWindowOpensOnTheKeptPageAndFiveClicksGoRoundWithThePortraitOnPageFive) {
    Headless h;
    TestMain w(h.platform);
    w.m.records.lblContinuaregole = "Clicca qui per continuare > 4";
    w.Form_Load();
    const Window& f = w.m.window;
    EXPECT_EQ(f.lblRegole, pages::body(4));
    const std::tuple<std::string, int, int, bool> steps[] = {
        {pages::AUTHOR_TITLE, 3030, 5490, true}, {pages::RULES_TITLE, 810, 7710, false},
        {pages::RULES_TITLE, 810, 7710, false},  {pages::PRESENTATION_TITLE, 810, 7710, false},
        {pages::PRESENTATION_TITLE, 810, 7710, false}};
    for (int k = 0; k < 5; ++k) {
        w.routines.lblContinuaregole_Click();
        const int page = (k + 4) % 5 + 1;
        EXPECT_EQ(f.lblRegole, pages::body(page)) << page;
        EXPECT_EQ(std::tuple(f.lblRegoleDelGioco, f.lblRegoleTop, f.lblRegoleHeight, f.ImgAutoreVisible), steps[k])
            << page;
    }
    w.m.records.lblContinuaregole = "Pagina sei";  // a caption of no page shows nothing new
    w.routines.lblContinuaregole_Click();
    EXPECT_EQ(f.lblRegole, pages::body(4));
}
