// The title window: the name entry, the name file, the sex, the blinking prompt,
// the suit symbols and the theme tune.
#include <gtest/gtest.h>

#include <set>

#include "platform/virtual_scheduler.h"
#include "records/fixture.h"
#include "ui/title_window.h"

using namespace zelvo;
using test::TempFolder;

namespace {

const char* const TEMA = "C:\\Programmi\\Zelvo\\Musiche\\ZlvSigla.Mid";

// A title window over the headless platform with its own files, as at 20:30:00.
struct Titolo {
    explicit Titolo(std::initializer_list<float> rnd = {}) : clock(scheduler, {2026, 12, 5, 20, 30, 0}), fs(cartella.path) {
        if (rnd.size() == 0) random = std::make_unique<SeededRandom>(7);
        else random = std::make_unique<ScriptedRandom>(rnd);
        platform = std::make_unique<Platform>(Platform{scheduler, clock, *random});
        platform->files = &fs;
        platform->media = &media;
        apri();
    }
    void apri() {
        w = std::make_unique<TitleWindow>(*platform, [this](const std::string& n, const std::string& s) {
            nome = n;
            sesso = s;
            ++consegne;
        });
        w->Form_Load();
    }
    std::string fileNome() const { return cartella.path + "/utente/Dati/ZlvNome.txt"; }
    void write(const std::string& t) {
        w->m.txtNome = t;
        w->txtNome_KeyPress();
    }

    TempFolder cartella;
    VirtualScheduler scheduler;
    VirtualClock clock;
    std::unique_ptr<Random> random;
    TestFileSystem fs;
    MediaLog media{[this] { return scheduler.nowMs(); }};
    std::unique_ptr<Platform> platform;
    std::unique_ptr<TitleWindow> w;
    std::string nome, sesso;
    int consegne = 0;
};

}  // namespace

TEST(TitleName, EmptyBlankAndShortNamesAreRefusedWithTheirPrompts) {
    Titolo t;
    struct Caso {
        const char* testo;
        const char* prompt;
    } casi[] = {{"", TitleModel::ANONYMOUS}, {"Al", TitleModel::INITIALS},
                // Two letters, three bytes: characters are counted, not bytes.
                {"Zé", TitleModel::INITIALS}};
    for (const Caso& c : casi) {
        t.w->m.lblInserisci = TitleModel::ENTER_NAME;
        t.write(c.testo);
        t.w->cmdOk_Click();
        EXPECT_EQ(t.w->m.lblInserisci, c.prompt) << c.testo;
        EXPECT_EQ(t.w->m.lblInserisciColore, colour::BLACK);
        EXPECT_EQ(t.consegne, 0);
    }
    // A name cannot begin with a blank: the field is emptied.
    t.write(" Ugo");
    EXPECT_EQ(t.w->m.txtNome, "");
    // The single blank is anonymous too, should it ever reach the button.
    t.w->m.txtNome = " ";
    t.w->cmdOk_Click();
    EXPECT_EQ(t.w->m.lblInserisci, TitleModel::ANONYMOUS);
    EXPECT_FALSE(std::filesystem::exists(t.fileNome()));
    // Enter is the OK button; other keys are not.
    t.write("Ugo");
    t.w->Form_KeyPress(65);
    EXPECT_EQ(t.consegne, 0);
    t.w->Form_KeyPress(13);
    EXPECT_EQ(t.consegne, 1);
    EXPECT_EQ(t.nome, "Ugo");
    EXPECT_EQ(t.sesso, "M");
    // Once handed over, the window takes no second name.
    t.write("Ada");
    t.w->cmdOk_Click();
    EXPECT_EQ(t.consegne, 1);
}

TEST(TitleName, TheNameIsStoredTrimmedAndFillsTheEntryNextTime) {
    Titolo t;
    EXPECT_EQ(t.w->m.txtNome, "");  // no name file yet
    t.write("Mario Rossi  ");
    t.w->cmdOk_Click();
    EXPECT_EQ(t.nome, "Mario Rossi");
    EXPECT_EQ(test::readFile(t.fileNome()), "\"Mario Rossi\"\r\n");
    t.apri();
    EXPECT_EQ(t.w->m.txtNome, "Mario Rossi");
    // The sex is decided on the trimmed name.
    t.write("Maria ");
    t.w->cmdOk_Click();
    EXPECT_EQ(t.sesso, "F");
    t.apri();

    // A name with characters the files cannot hold is handed over as it will be read back,
    // so the hall of fame finds the same player after a restart.
    t.write("Łukasz \"Re\" Nowak");
    t.w->cmdOk_Click();
    const std::string consegnato = t.nome;
    EXPECT_EQ(consegnato.find('"'), std::string::npos);
    t.apri();
    EXPECT_EQ(t.w->m.txtNome, consegnato);
}

TEST(TitleName, ADamagedOrUnwritableNameFileLosesNothingElse) {
    Titolo t;
    test::writeFile(t.fileNome(), std::string("\x81\x8d\r\n", 4));  // not Windows-1252 text
    t.apri();
    EXPECT_EQ(t.w->m.txtNome, "");
    // The disk refuses the write: the old file stays whole and the game still starts.
    t.fs.guasta(TestFileSystem::Guasto::PrimaDelRinomina);
    t.write("Gianna");
    t.w->cmdOk_Click();
    EXPECT_EQ(t.consegne, 1);
    EXPECT_EQ(t.nome, "Gianna");
    EXPECT_EQ(test::readFile(t.fileNome()), std::string("\x81\x8d\r\n", 4));
}

TEST(TitleName, SexFromTheName) {
    struct Caso {
        const char* nome;
        const char* sesso;
    } casi[] = {{"Andrea", "M"}, {"Maria", "F"},   {"Mario", "M"},     {"ANNA", "F"},    {"Gian Luca", "M"},
                {"LUCA", "M"},   {"Nemesis", "F"}, {"Beatrice", "F"},  {"Leonida", "M"}, {"Paola Maria", "F"},
                {"Noè", "M"}};
    for (const Caso& c : casi) EXPECT_EQ(sexFromName(c.nome), c.sesso) << c.nome;
    // Neither rule applies: the sex already held stays.
    EXPECT_EQ(sexFromName("Kim", "F"), "F");
}

TEST(TitleWindow, ThePromptShowsThreeTicksInFour) {
    Titolo t;
    std::string visto;
    for (int k = 0; k < 8; ++k) {
        visto += t.w->m.lblInserisciVisible ? 'V' : '-';
        EXPECT_EQ(t.w->m.lblInserisciVisible, t.w->m.lblScritta2Visible);
        t.scheduler.advance(450);
    }
    EXPECT_EQ(visto, "VVV-VVV-");
}

TEST(TitleWindow, TheSymbolsFillInAFixedOrderThenChangeOneAtATime) {
    Titolo t;
    std::array<int, 5> prima = t.w->m.lblNumeroImmagine;
    std::vector<int> cambiate;
    int ultima = 0;
    for (int k = 0; k < 200; ++k) {
        t.scheduler.advance(450);
        const auto& ora = t.w->m.lblNumeroImmagine;
        int cambiata = 0;
        for (int p = 1; p <= 4; ++p)
            if (ora[p] != prima[p]) {
                EXPECT_EQ(cambiata, 0) << "two symbols changed on one tick";
                cambiata = p;
                EXPECT_EQ(t.w->m.ImgSimbolo[p], symbolFile(ora[p]));
                EXPECT_EQ(t.w->m.symbolWidth[p], ora[p] % 2 ? 1680 : 2325);
            }
        ASSERT_NE(cambiata, 0) << "every tick changes a picture, tick " << k;
        if (k < 4) cambiate.push_back(cambiata);
        else EXPECT_NE(cambiata, ultima) << "the same position twice running";
        ultima = cambiata;
        prima = ora;
    }
    EXPECT_EQ(cambiate, (std::vector<int>{1, 3, 2, 4}));
    EXPECT_EQ(t.w->m.lblImmaginiIniziali, 5);
}

TEST(TitleWindow, TheClockMixedDrawRedrawsARepeat) {
    // At 20:30:00 the draw is Int(N × (r + 0.5)) mod N + 1: r = 0.1 gives 3 of 4 and 5 of 8.
    Titolo t({0.1f, 0.1f, 0.3f, 0.4f});
    t.w->m.lblImmaginiIniziali = 5;
    t.w->m.lblNumeroImage = 3;
    t.w->cmdScegliImage();  // 3 again is refused; 0.3 gives position 4
    EXPECT_EQ(t.w->m.lblNumeroImage, 4);
    EXPECT_EQ(t.w->m.lblNumeroImmagine[4], 8);  // r = 0.4
    EXPECT_EQ(t.w->m.ImgSimbolo[4], "C:\\Programmi\\Zelvo\\Grafica\\CopPia.gif");
    // A picture equal to the one shown is drawn again.
    Titolo u({0.1f, 0.1f, 0.2f});
    u.w->m.lblNumeroImmagine[2] = 5;
    u.w->cmdScegliSeme(2);
    EXPECT_EQ(u.w->m.lblNumeroImmagine[2], 6);
}

TEST(TitleWindow, TheThemeRestartsEveryTwoTicksAndStopsAtTheTable) {
    Titolo t;
    EXPECT_EQ(t.media.played(Player::mmcSigla), std::vector<std::string>{TEMA});
    t.scheduler.advance(40700);
    EXPECT_EQ(t.media.played(Player::mmcSigla).size(), 1u);
    t.scheduler.advance(40700);
    EXPECT_EQ(t.media.played(Player::mmcSigla), (std::vector<std::string>{TEMA, TEMA}));
    EXPECT_EQ(t.media.commands(Player::mmcSigla),
              (std::vector<std::string>{"Close", "Open", "Prev", "Play", "Close", "Open", "Prev", "Play"}));
    EXPECT_EQ(t.media.entries()[0], (MediaLog::Entry{0, Player::mmcSigla, false, ""}));
    t.write("Ugo");
    t.w->cmdOk_Click();
    EXPECT_EQ(t.media.commands(Player::mmcSigla).back(), "Close");
    EXPECT_FALSE(t.w->TimerSigla.enabled() || t.w->TimerInserisci.enabled());
    const auto n = t.media.entries().size();
    t.scheduler.advance(100000);
    EXPECT_EQ(t.media.entries().size(), n);
}
