// The title window: the name entry and its checks, the name file, the sex, the blinking
// prompt, the suit symbols and the theme tune.
#include <gtest/gtest.h>
#include <algorithm>
#include <fstream>

#include "platform/files_headless.h"
#include "platform/headless.h"
#include "platform/media.h"
#include "support/files.h"
#include "ui/title_window.h"

using namespace zelvo;

// A title window at 20:30:00 with its files below a folder of its own.
struct Title {
    Title() : files(folder.path) {
        h.platform.files = &files;
        h.platform.media = &media;
        open();
    }
    void open() {
        w = std::make_unique<TitleWindow>(h.platform, [this](auto& n, auto& sex) { handed.push_back(n + "/" + sex); });
        w->Form_Load();
    }
    void enter(const std::string& text) {
        w->m.txtNome = text;
        w->txtNome_KeyPress();
        w->Form_KeyPress(13);
    }
    std::string nameFile() const { return folder.path + "/utente/Dati/ZlvNome.txt"; }
    std::string stored() const { return test::readFile(nameFile()); }

    test::TempFolder folder;
    Headless h{7};
    TestFileSystem files;
    MediaLog media{[this] { return h.scheduler.nowMs(); }};
    std::unique_ptr<TitleWindow> w;
    std::vector<std::string> handed;  // "name/sex", as the table received them
};

TEST(TitleName, EmptyBlankAndShortNamesAreRefusedThenEnterHandsTheNameAndTheSexOver) {
    Title t;
    // A leading blank empties the field; characters count, not bytes.
    for (auto [typed, prompt] : {std::pair{"", TitleModel::ANONYMOUS}, {" Ugo", TitleModel::ANONYMOUS},
                                 {"Al", TitleModel::INITIALS}, {"Zé", TitleModel::INITIALS}}) {
        t.w->m.lblInserisciColore = colour::RED;
        t.enter(typed);
        const TitleModel& m = t.w->m;
        EXPECT_EQ(std::pair(m.lblInserisci, m.lblInserisciColore), std::pair(std::string(prompt), colour::BLACK));
    }
    t.w->m.txtNome = "Ugo";
    t.w->cmdOk_Click();
    t.enter("Ada");  // once handed over, the window takes no second name
    EXPECT_EQ(t.handed, std::vector<std::string>{"Ugo/M"});
    EXPECT_EQ(t.media.commands(Player::mmcSigla).back(), "Close");  // the tune and the animation stop
    EXPECT_FALSE(t.w->TimerSigla.enabled() || t.w->TimerInserisci.enabled());
    for (auto [name, sex] : {std::pair{"Andrea", "M"}, {"Maria", "F"}, {"Mario", "M"}, {"ANNA", "F"}, {"LUCA", "M"},
                             {"Gian Luca", "M"}, {"Nemesis", "F"}, {"Beatrice", "F"}, {"Leonida", "M"}, {"Noè", "M"}})
        EXPECT_EQ(sexFromName(name), sex) << name;
    EXPECT_EQ(sexFromName("Kim", "F"), "F");  // neither rule applies: the sex held stays
}

TEST(TitleName, TheNameFileKeepsTheTrimmedNameAndABadFileLosesNothing) {
    Title t;
    t.enter("Anna Maria  ");  // the sex too is worked out from the trimmed name
    EXPECT_EQ(t.handed.back(), "Anna Maria/F");
    EXPECT_EQ(t.stored(), "\"Anna Maria\"\r\n");
    t.open();
    EXPECT_EQ(t.w->m.txtNome, "Anna Maria");
    // A name the files cannot hold is handed over as it will be read back, so the hall of fame
    // finds the same player after a restart.
    t.enter("Łukasz \"Re\" Nowak");
    t.open();
    EXPECT_EQ(t.w->m.txtNome + "/M", t.handed.back());
    for (const char* bad : {"", "\x81\x8d\r\n"}) {  // empty, and not Windows-1252 text
        std::ofstream(t.nameFile(), std::ios::binary) << bad;
        t.open();
        EXPECT_EQ(t.w->m.txtNome, "") << bad;
    }
    // The disk refuses the write: the old file stays whole and the game still starts.
    t.files.failWrites(TestFileSystem::FailingStep::Rename);
    t.enter("Gianna");
    EXPECT_EQ(t.handed.back(), "Gianna/F");
    EXPECT_EQ(t.stored(), "\x81\x8d\r\n");
}

TEST(TitleWindow, ThePromptBlinksTheSymbolsChangeOneAtATimeAndTheThemeRestartsEveryTwoTicks) {
    Title t;
    const TitleModel& m = t.w->m;
    std::string prompt;
    std::vector<int> changed;
    for (int k = 0; k < 200; ++k) {  // 90 s
        prompt += m.lblInserisciVisible != m.lblScritta2Visible ? '?' : m.lblInserisciVisible ? 'V' : '-';
        const std::array<int, 5> before = m.lblNumeroImmagine;
        t.h.scheduler.advance(450);
        for (int p = 1; p <= 4; ++p)
            if (m.lblNumeroImmagine[p] != before[p]) {
                changed.push_back(p);
                EXPECT_EQ(m.symbolWidth[p], m.lblNumeroImmagine[p] % 2 ? 1680 : 2325);  // Napoletane are narrower
            }
        ASSERT_EQ(changed.size(), k + 1u) << "one symbol a tick, tick " << k;
        EXPECT_TRUE(k < 4 || changed[k] != changed[k - 1]) << "the same position twice running, tick " << k;
    }
    EXPECT_EQ(prompt.substr(0, 8), "VVV-VVV-");
    EXPECT_EQ(std::vector<int>(changed.begin(), changed.begin() + 4), (std::vector<int>{1, 3, 2, 4}));
    // Afterwards the position is drawn, not taken in turn.
    auto inTurn = [](int before, int now) { return now == before % 4 + 1; };
    EXPECT_NE(std::adjacent_find(changed.begin() + 4, changed.end(), std::not_fn(inTurn)), changed.end());
    EXPECT_EQ(t.media.played(Player::mmcSigla).size(), 2u);  // the theme at once, then every other 40.7 s
}
