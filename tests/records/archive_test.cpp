// The archive of saved games (saving, opening and its failures) and the review of a
// recorded game: every press of ">>" shows one more event of the grid.
#include <gtest/gtest.h>

#include "fixture.h"
#include "session/simulation.h"

namespace zelvo {
namespace {

using namespace test;

const char* const GOLDEN = "007-02.txt";
const char* const FILTER = "File di testo (*.txt)|*.txt";

void open(Bench& b, const std::optional<std::string>& file) {
    b.dialogs.answer(file);
    b.w->archive.cmdLoad();
}

// A cancelled dialog, or a file that is no game, leaves the grid as it was; the
// message cell says why. The dialogs open in folders that are there, even on
// the first run, and nothing is written.
TEST(Archive, ACancelledDialogOrAFileThatIsNoGameLeavesTheGridAsItWas) {
    const std::string good = golden(GOLDEN);
    using Text = std::optional<std::string>;
    const std::tuple<Text, Text, const char*> cases[] = {  // the answer of the dialog, the file, the message
        {std::nullopt, std::nullopt, ""},
        {"", std::nullopt, ""},
        {"x.txt", std::nullopt, "Impossibile leggere il file scelto"},
        {"x.txt", test::firstLines(good, 267), "File non valido: meno di 268 righe"},
        {"x.txt", test::withLine(good, 43, "white"), "File non valido: colore errato alla riga 43"},
        {"x.txt", test::withLine(good, 6, "\"Niccol\x90\""), "File non valido: non è un testo Windows"},
    };
    for (const auto& [answer, file, message] : cases) {
        Bench b;
        auto& cells = b.w->m.data.lblDati;
        for (int i = 0; i <= 132; ++i) cells[i] = {i == 14 ? "" : std::to_string(i), Colour(i)};
        b.w->archive.SalvaGioco();  // no answer queued: cancelled
        if (file) writeFile(b.archive("x.txt"), *file);
        open(b, answer && !answer->empty() ? b.archive(*answer) : answer);
        const auto &saving = b.dialogs.requests().at(0), &opening = b.dialogs.requests().at(1);
        EXPECT_EQ(std::tie(saving.save, saving.path, saving.filter, saving.confirm),
                  std::make_tuple(true, b.archive("000-01.txt"), FILTER, true));
        EXPECT_EQ(std::tie(opening.save, opening.path, opening.filter, opening.confirm),
                  std::make_tuple(false, b.folder.path + "/utente/Archivio", FILTER, false));
        for (int i = 0; i <= 132; ++i)
            EXPECT_EQ(std::pair(cells[i].Caption, cells[i].BackColor),
                      std::pair(i == 14 ? std::string(message) : std::to_string(i), Colour(i)));
        EXPECT_TRUE(b.w->m.window.lblH.Caption.empty() && !b.w->t.TimerCaricaPartita.enabled());
        EXPECT_EQ(test::namesIn(b.archive()).size() + test::namesIn(b.data()).size(), file ? 1u : 0u);
    }
}

// The cards of one side lying at home (a hand) or in the middle of the table, sorted.
std::string cards(const TestMain& w, bool pc, bool middle) {
    std::vector<std::string> v;
    for (int s = pc ? 1 : 4; s < (pc ? 4 : 7); ++s)
        if (w.m.window.ImgCarta[s].Visible && w.m.window.ImgCarta[s].Top == (middle ? place::TOP_TRICK : place::TOP[s]))
            v.push_back(w.m.cards.lblCarta[s]);
    std::sort(v.begin(), v.end());
    std::string t;
    for (const auto& c : v) t += (t.empty() ? "" : " ") + c;
    return t;
}

// The whole review, press by press, checked against the grid it replays; the
// noises heard ("card", "sweep" or the end sound), a line a trick.
std::string reviewAll(Bench& b, int tricks) {
    TestMain& w = *b.w;
    const auto& d = w.m.data.lblDati;
    std::string heard;
    auto press = [&] {
        const size_t before = b.media.played(Player::mmcRumori).size();
        w.review.cmdScegliManche();
        const auto after = b.media.played(Player::mmcRumori);
        const std::string noise = after.size() == before + 1 ? after.back() : "silence";
        heard += noise.find("Carta") != std::string::npos   ? " card"
                 : noise.find("Presa") != std::string::npos ? " sweep"
                                                            : " " + noise.substr(noise.find_last_of('\\') + 1);
    };
    bool pcLeads = d[8].BackColor == colour::RED;
    for (int k = 1; k <= tricks; ++k) {
        SCOPED_TRACE("trick " + std::to_string(k));
        heard += std::to_string(k) + ":";
        const std::string &pcCard = d[cells::pcCard(k)].Caption, &hCard = d[cells::humanCard(k)].Caption;
        press();  // the leader: the winner's name no longer marked
        EXPECT_FALSE(w.m.window.lblPC.opaca || w.m.window.lblH.opaca);
        EXPECT_EQ(cards(w, true, true) + "|" + cards(w, false, true), pcLeads ? pcCard + "|" : "|" + hCard);
        EXPECT_EQ(d[pcLeads ? cells::pcCard(k) : cells::humanCard(k)].ForeColor, colour::RED);
        press();  // the follower
        EXPECT_EQ(cards(w, true, true) + "|" + cards(w, false, true) + "|" + std::to_string(d[10].BackColor),
                  pcCard + "|" + hCard + "|" + std::to_string(colour::YELLOW));
        press();  // the taking
        EXPECT_EQ(cards(w, true, true) + cards(w, false, true), "");
        EXPECT_EQ(std::pair(w.m.game.lblPuntiPC, w.m.game.lblPuntiH),
                  std::pair(std::stoi(d[cells::pcPoints(k)].Caption), std::stoi(d[cells::humanPoints(k)].Caption)));
        pcLeads = d[cells::pcPoints(k)].BackColor == colour::RED;
        for (int row = 1; row <= std::min(k + 1, 20); ++row)  // the played rows in red, the next one's cards wait in blue
            EXPECT_EQ(std::pair(d[cells::pcCard(row)].ForeColor, d[cells::humanCard(row)].ForeColor),
                      row > k ? std::pair(colour::BLUE, colour::BLUE) : std::pair(colour::RED, colour::RED)) << row;
        if (k < tricks) {
            const Window& f = w.m.window;
            EXPECT_EQ(std::tuple(f.lblPC.opaca, f.lblH.opaca, w.m.data.marcatoreTop, w.m.game.lblManche),
                      std::tuple(pcLeads, !pcLeads, 1935 + 270 * k, k + 1));
            if (k + 1 <= 18) {  // the draw, while the stock lasts
                const int stock = w.m.game.lblNumeroCarteRimaste;
                press();
                EXPECT_TRUE(cards(w, true, false).find(d[cells::pcDraw(k + 1)].Caption) != std::string::npos &&
                            cards(w, false, false).find(d[cells::humanDraw(k + 1)].Caption) != std::string::npos);
                EXPECT_EQ(std::pair(w.m.game.lblNumeroCarteRimaste, w.m.window.lblCarteRimaste.Visible),
                          std::pair(stock - 2, stock > 2));
            }
            EXPECT_EQ(std::tie(w.m.records.lblContaDati, d[14].Caption), std::make_tuple(1, ""));
            const size_t inHands = (cards(w, true, false) + " " + cards(w, false, false)).size() + 1;  // 3 a card
            EXPECT_EQ(inHands, 3u * (k + 1 <= 18 ? 6 : 40 - 2 * k));
        }
        heard += "\n";
    }
    EXPECT_EQ(std::tie(d[14].Caption, w.m.data.marcatoreVisibile, w.m.window.cmdInizioAnalisi.focus),
              std::make_tuple("Fine Analisi", false, true));
    return heard;
}

// The golden game file opens into the grid and starts its review; saved again
// it gives the same bytes. The review plays it to its end, then presses do
// nothing until it starts again.
TEST(Review, TheGoldenGameOpensSavesBackTheSameAndIsReviewedToItsEnd) {
    Bench b;
    TestMain& w = *b.w;
    writeFile(b.archive(GOLDEN), golden(GOLDEN));
    open(b, b.archive(GOLDEN));
    const DataPanel& d = w.m.data;
    EXPECT_EQ(std::tie(d.lblIndicazioniPannellodati1, d.lblIndicazioniPannellodati2, w.m.window.lblH.Caption),
              std::make_tuple("Partita n. 7 - Gioco n. 2", "5/12/26 - 20:31", "Niccolò"));
    EXPECT_TRUE(w.m.window.cmdScegliManche.focus && w.t.TimerCaricaPartita.enabled());
    b.h.scheduler.advance(50);
    EXPECT_EQ(std::tie(w.m.records.lblContaDati, w.m.data.marcatoreTop, w.m.window.lblIstruzionePannelloDati),
              std::make_tuple(1, 1935, true));
    EXPECT_EQ(w.m.data.lblDati[3].BackColor, colour::TRUMP_YELLOW);  // Fb, of the trump suit
    b.dialogs.answer(b.archive("copy.txt"));
    w.archive.SalvaGioco();
    EXPECT_EQ(readFile(b.archive("copy.txt")), golden(GOLDEN));
    const Window& f = w.m.window;
    EXPECT_EQ(cards(w, true, false) + "|" + cards(w, false, false), "5s Fb Fd|2s As Fs");  // the deal face up
    EXPECT_EQ(std::tie(w.m.cards.lblCarta[7], f.lblCarteRimaste.Caption), std::make_tuple("2b", "34"));
    EXPECT_TRUE(f.ImgCarta[8].Visible && f.lblPC.opaca && !f.lblH.opaca);  // cell 8 red: the computer leads
    reviewAll(b, 20);
    const auto before = f.ImgCarta;
    for (int i = 0; i < 3; ++i) w.review.cmdScegliManche();
    for (int s = 1; s <= 8; ++s) EXPECT_EQ(f.ImgCarta[s].Visible, before[s].Visible);
    w.m.data.lblDati[8].BackColor = colour::PINK;  // had the human led, the first card played is the human's
    w.review.cmdInizioAnalisi();
    w.review.cmdScegliManche();
    EXPECT_EQ(std::tuple(f.cmdScegliManche.focus, w.m.data.lblDati[12].BackColor, cards(w, false, true)),
              std::tuple(true, colour::PINK, std::string("As")));
}

// Games just played, saved from the window and opened in another: the grid comes
// back cell for cell and its review shows the game trick by trick.
TEST(Review, AGameJustPlayedIsSavedOpenedAndReviewedCardForCard) {
    for (uint64_t seed : {3u, 8u, 21u}) {
        Bench b;
        Simulation sim(SimulationSettings{.seed = seed});
        sim.headless.platform.files = &b.fs;
        sim.headless.platform.dialogs = &b.dialogs;
        const int tricks = sim.playGame().tricks;
        b.dialogs.answer(b.archive("sub/001-01.txt"));  // a folder that is not there yet
        sim.session.archive.SalvaGioco();
        open(b, b.archive("sub/001-01.txt"));
        EXPECT_EQ(formats::writeGame(recordedGame(b.w->m.data)), formats::writeGame(recordedGame(sim.session.m.data)));
        EXPECT_EQ(b.w->m.window.lblH.Caption, "Giocatore");
        b.h.scheduler.advance(50);
        reviewAll(b, tricks);
    }
}

// The golden game opened, its review ready, with the noises of the game.
void load(Bench& b) {
    writeFile(b.archive(GOLDEN), golden(GOLDEN));
    open(b, b.archive(GOLDEN));
    b.h.scheduler.advance(50);
    b.w->m.options.lblOpzione[index(Option::GameNoises)] = "Si";
    b.w->m.options.lblOpzione[index(Option::ReviewAudio)] = "Come nel Gioco";
}

// A damaged grid stops the review with a message, and the next press does nothing.
TEST(Review, ADamagedGridStopsTheReviewWithAMessage) {
    const std::tuple<int, int, const char*, const char*> cases[] = {  // presses, cell, caption, message
        {0, cells::pcCard(1), "Xx", "Analisi interrotta: carta non trovata nella mano"},
        {0, cells::humanCard(1), "", "Analisi interrotta: carta non trovata nella mano"},
        {3, 9, "", "Analisi interrotta: dati della presa mancanti"},
        {3, 9, "4", "Analisi interrotta: dati della presa mancanti"},
        {3, 10, "7", "Analisi interrotta: dati della presa mancanti"},
        {3, cells::humanDraw(2), "Zz", "Analisi interrotta: carta pescata non valida"}};
    for (const auto& [presses, cell, caption, message] : cases) {
        Bench b;
        load(b);
        for (int i = 0; i < presses; ++i) b.w->review.cmdScegliManche();
        b.w->m.data.lblDati[cell].Caption = caption;
        for (int i = 0; i < 3; ++i) b.w->review.cmdScegliManche();
        EXPECT_EQ(std::tie(b.w->m.data.lblDati[14].Caption, b.w->m.data.marcatoreVisibile),
                  std::make_tuple(message, false));
        EXPECT_EQ(cards(*b.w, false, true), "");
    }
}

// Every press makes one noise: a card for each card played or drawn, a sweep for
// each trick taken, and the end sound (or a sweep at 60 to 60) for the last one;
// the name of the winner is marked.
TEST(Review, EveryPressMakesTheNoiseOfItsEvent) {
    const std::tuple<int, int, const char*, bool, bool> cases[] = {  // tricks, the computer's points, end, marked
        {20, 64, "GodSave.wav", true, false}, {20, 60, "sweep", false, false}, {14, 40, "Mameli.wav", false, true},
        {17, 40, "Mameli.wav", false, true},  {18, 40, "Mameli.wav", false, true}};
    for (const auto& [tricks, pointsPC, end, pcMarked, hMarked] : cases) {
        Bench b;
        load(b);
        auto& d = b.w->m.data.lblDati;
        for (int k = tricks + 1; k <= 20; ++k)
            for (int cell : {cells::pcCard(k), cells::humanCard(k), cells::pcDraw(k), cells::humanDraw(k)})
                d[cell].Caption.clear();
        d[cells::pcPoints(tricks)].Caption = std::to_string(pointsPC);
        d[cells::humanPoints(tricks)].Caption = std::to_string(120 - pointsPC);
        std::string expected;
        for (int k = 1; k <= tricks; ++k)
            expected += std::to_string(k) + ": card card " + (k == tricks ? end : "sweep") +
                        (k < std::min(tricks, 18) ? " card\n" : "\n");  // a draw while the stock lasts
        EXPECT_EQ(reviewAll(b, tricks), expected);
        const Window& f = b.w->m.window;
        for (auto [label, marked] : {std::pair{&f.lblPC, pcMarked}, {&f.lblH, hMarked}})
            EXPECT_EQ(std::pair(label->opaca, label->ForeColor), std::pair(marked, marked ? colour::YELLOW : colour::WHITE));
    }
}

}  // namespace
}  // namespace zelvo
