// The reading panel: its pages, the caption that turns them, and the page kept between runs.
#include <gtest/gtest.h>

#include "support/table.h"
#include "records/fixture.h"
#include "ui/rules_pages.h"

using namespace zelvo;
using test::Table;

TEST(Rules, FiveClicksGoRoundThePagesAndOnlyPageFiveShowsThePortrait) {
    Table t(1);
    const Window& f = t.w.m.window;
    std::string& caption = t.w.m.records.lblContinuaregole;
    EXPECT_EQ(caption, "Clicca qui per continuare > 1");
    EXPECT_EQ(f.lblRegoleDelGioco, " REGOLE DEL GIOCO DELLA BRISCOLA");
    EXPECT_EQ(f.lblRegole, rules_pages::body(1));

    struct Passo {
        const char* caption;
        const char* titolo;
        int top, altezza;
        bool ritratto;
    } passi[] = {
        {"Clicca qui per continuare > 2", " REGOLE DEL GIOCO DELLA BRISCOLA", 810, 7710, false},
        {"Clicca qui per continuare > 3", "      PRESENTAZIONE      (A CURA DELL'AUTORE)", 810, 7710, false},
        {"Clicca qui per continuare > 4", "      PRESENTAZIONE      (A CURA DELL'AUTORE)", 810, 7710, false},
        {"Clicca qui per ritornare > 5", rules_pages::AUTHOR_TITLE, 3030, 5490, true},
        {"Clicca qui per continuare > 1", " REGOLE DEL GIOCO DELLA BRISCOLA", 810, 7710, false},
    };
    std::set<std::string> corpi;
    for (const Passo& p : passi) {
        t.w.routines.lblContinuaregole_Click();
        EXPECT_EQ(caption, p.caption);
        EXPECT_EQ(f.lblRegoleDelGioco, p.titolo) << p.caption;
        EXPECT_EQ(f.lblRegoleTop, p.top) << p.caption;
        EXPECT_EQ(f.lblRegoleHeight, p.altezza) << p.caption;
        EXPECT_EQ(f.ImgAutoreVisible, p.ritratto) << p.caption;
        corpi.insert(f.lblRegole);
    }
    EXPECT_EQ(corpi.size(), 5u);  // five different bodies
}

TEST(Rules, BodiesAreParagraphsEachStartingWithABlank) {
    const size_t paragrafi[6] = {0, 5, 4, 3, 3, 3};
    for (int n = 1; n <= 5; ++n) {
        const std::string& c = rules_pages::body(n);
        size_t righe = 1;
        ASSERT_FALSE(c.empty());
        EXPECT_EQ(c[0], ' ');
        for (size_t i = 0; i < c.size(); ++i)
            if (c[i] == '\n') {
                ++righe;
                EXPECT_EQ(c[i + 1], ' ') << "page " << n;
            }
        EXPECT_EQ(righe, paragrafi[n]) << "page " << n;
    }
    // The rules name the card points and the 60-point rule.
    EXPECT_NE(rules_pages::body(2).find("11 punti per ogni Asso"), std::string::npos);
    EXPECT_NE(rules_pages::body(2).find("60 a 60"), std::string::npos);
}

TEST(Rules, UnknownCaptionsStayAndShowNothingNew) {
    EXPECT_EQ(rules_pages::nextCaption("Clicca qui per continuare > 5"), "Clicca qui per continuare > 1");
    EXPECT_EQ(rules_pages::nextCaption("Pagina sei"), "Pagina sei");
    EXPECT_EQ(rules_pages::page("Clicca qui per continuare > 5"), 0);
    EXPECT_EQ(rules_pages::page("Pagina sei"), 0);
    // Pages 1 to 4 are known by the end of the caption alone.
    EXPECT_EQ(rules_pages::page("vai > 3"), 3);

    Table t(1);
    Window& f = t.w.m.window;
    t.w.m.records.lblContinuaregole = "Clicca qui per ritornare > 5";
    t.w.routines.MostraPaginaRegole();
    const std::string corpo5 = f.lblRegole;
    t.w.m.records.lblContinuaregole = "Pagina sei";
    t.w.routines.lblContinuaregole_Click();
    EXPECT_EQ(t.w.m.records.lblContinuaregole, "Pagina sei");
    EXPECT_EQ(f.lblRegole, corpo5);
    EXPECT_TRUE(f.ImgAutoreVisible);
}

TEST(Rules, TheWindowOpensOnThePageItWasLeftOn) {
    test::Bench b;
    b.w->Form_Load();
    for (int k = 0; k < 2; ++k) b.w->routines.lblContinuaregole_Click();
    b.w->SalvaImpostazioni();
    test::Bench dopo;
    test::writeFile(dopo.data("ZlvImpo.txt"), test::readFile(b.data("ZlvImpo.txt")));
    dopo.w->Form_Load();
    EXPECT_EQ(dopo.w->m.records.lblContinuaregole, "Clicca qui per continuare > 3");
    EXPECT_EQ(dopo.w->m.window.lblRegoleDelGioco, rules_pages::PRESENTATION_TITLE);
    EXPECT_EQ(dopo.w->m.window.lblRegole, rules_pages::body(3));

    // An older "> 5" caption opens on nothing new; the next click shows page 1.
    test::Bench vecchio;
    vecchio.w->Form_Load();
    vecchio.w->m.records.lblContinuaregole = "Clicca qui per continuare > 5";
    vecchio.w->SalvaImpostazioni();
    test::Bench ancora;
    test::writeFile(ancora.data("ZlvImpo.txt"), test::readFile(vecchio.data("ZlvImpo.txt")));
    ancora.w->Form_Load();
    EXPECT_EQ(ancora.w->m.window.lblRegole, rules_pages::body(1));
    EXPECT_FALSE(ancora.w->m.window.ImgAutoreVisible);
    ancora.w->routines.lblContinuaregole_Click();
    EXPECT_EQ(ancora.w->m.records.lblContinuaregole, "Clicca qui per continuare > 1");
}
