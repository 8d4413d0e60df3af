// The review of a recorded game: every press of ">>" shows one more event of the grid.
#include <gtest/gtest.h>

#include "fixture.h"

namespace zelvo {
namespace {

using prova::Banco;
using prova::golden;
using prova::scriviFile;

// The card lying in the middle of the table on a side, "" when none.
std::string alCentro(const TestMain& w, bool pc) {
    const int primo = pc ? 1 : 4;
    for (int s = primo; s < primo + 3; ++s)
        if (w.m.window.ImgCarta[s].Visible && w.m.window.ImgCarta[s].Top == place::TOP_TRICK)
            return w.m.cards.lblCarta[s];
    return "";
}

std::vector<std::string> mano(const TestMain& w, bool pc) {
    std::vector<std::string> v;
    const int primo = pc ? 1 : 4;
    for (int s = primo; s < primo + 3; ++s)
        if (w.m.window.ImgCarta[s].Visible && w.m.window.ImgCarta[s].Top != place::TOP_TRICK)
            v.push_back(w.m.cards.lblCarta[s]);
    std::sort(v.begin(), v.end());
    return v;
}

// The whole review, press by press, checked against the grid it replays.
void rivediTutto(Banco& b, int presePreviste) {
    TestMain& w = *b.w;
    const auto& d = w.m.data.lblDati;
    bool pcInizia = d[8].BackColor == colour::RED;
    int pressioni = 0;
    for (int k = 1; k <= presePreviste; ++k) {
        SCOPED_TRACE("trick " + std::to_string(k));
        const std::string cartaPC = d[cells::pcCard(k)].Caption, cartaH = d[cells::humanCard(k)].Caption;
        ASSERT_EQ(w.m.game.lblManche, k);
        // The leader, then the follower.
        w.review.cmdScegliManche();
        ++pressioni;
        EXPECT_EQ(alCentro(w, pcInizia), pcInizia ? cartaPC : cartaH);
        EXPECT_EQ(alCentro(w, !pcInizia), "");
        EXPECT_EQ(d[pcInizia ? cells::pcCard(k) : cells::humanCard(k)].ForeColor, colour::RED);
        EXPECT_EQ(d[10].BackColor, colour::WHITE);
        w.review.cmdScegliManche();
        ++pressioni;
        EXPECT_EQ(alCentro(w, !pcInizia), pcInizia ? cartaH : cartaPC);
        EXPECT_EQ(d[10].BackColor, colour::YELLOW);
        // The taking.
        w.review.cmdScegliManche();
        ++pressioni;
        EXPECT_EQ(alCentro(w, true), "");
        EXPECT_EQ(alCentro(w, false), "");
        EXPECT_EQ(w.m.game.lblPuntiPC, std::stoi(d[cells::pcPoints(k)].Caption));
        EXPECT_EQ(w.m.game.lblPuntiH, std::stoi(d[cells::humanPoints(k)].Caption));
        const bool pcPrende = d[cells::pcPoints(k)].BackColor == colour::RED;
        if (k < presePreviste) {
            EXPECT_EQ(w.m.window.lblPC.opaca, pcPrende);
            EXPECT_EQ(w.m.window.lblH.opaca, !pcPrende);
            EXPECT_EQ(w.m.data.marcatoreTop, 1935 + 270 * k);
        }
        pcInizia = pcPrende;
        // The draw, while the stock lasts.
        if (k + 1 <= 18 && k < presePreviste) {
            EXPECT_EQ(w.m.records.lblContaDati, 4);
            const int prima = w.m.game.lblNumeroCarteRimaste;
            w.review.cmdScegliManche();
            ++pressioni;
            auto hPC = mano(w, true), hH = mano(w, false);
            EXPECT_NE(std::find(hPC.begin(), hPC.end(), d[cells::pcDraw(k + 1)].Caption), hPC.end());
            EXPECT_NE(std::find(hH.begin(), hH.end(), d[cells::humanDraw(k + 1)].Caption), hH.end());
            EXPECT_EQ(w.m.game.lblNumeroCarteRimaste, prima - 2);
            EXPECT_EQ(w.m.window.lblCarteRimaste.Visible, prima - 2 > 0);
        }
        if (k < presePreviste) {
            EXPECT_EQ(w.m.records.lblContaDati, 1);
            EXPECT_TRUE(d[14].Caption.empty());
            EXPECT_EQ(mano(w, true).size(), static_cast<size_t>(k + 1 <= 18 ? 3 : 20 - k));
        }
    }
    EXPECT_EQ(d[14].Caption, "Fine Analisi");
    EXPECT_FALSE(w.m.data.marcatoreVisibile);
    EXPECT_TRUE(w.m.window.cmdInizioAnalisi.focus);
    if (presePreviste == 20) {
        EXPECT_EQ(pressioni, 20 * 3 + 17);
    }
}

void carica(Banco& b) {
    scriviFile(b.archivio("007-02.txt"), golden("007-02.txt"));
    b.dialoghi.rispondi(b.archivio("007-02.txt"));
    b.w->archive.cmdLoad();
    b.h.scheduler.advance(50);
}

TEST(Analisi, TheSetUpLaysOutTheDealFaceUp) {
    Banco b;
    carica(b);
    const TestMain& w = *b.w;
    const Window& f = w.m.window;
    const int left[] = {0, 3600, 5400, 7200, 3600, 5400, 7200};
    for (int s = 1; s <= 6; ++s) {
        EXPECT_EQ(f.ImgCarta[s].Left, left[s]);
        EXPECT_EQ(f.ImgCarta[s].Top, s <= 3 ? 360 : 6300);
        EXPECT_EQ(f.ShpCarta[s].Left, left[s] - 180);
        EXPECT_EQ(f.ShpCarta[s].BackColor, colour::WHITE);
        EXPECT_FALSE(f.ImgCarta[s].Picture.empty());
    }
    EXPECT_EQ(w.m.cards.lblCarta[7], "2b");
    EXPECT_TRUE(f.ImgCarta[8].Visible);
    EXPECT_EQ(w.m.game.lblPuntiPC, 0);
    EXPECT_TRUE(f.lblPC.opaca);   // cell 8 red: the computer leads
    EXPECT_FALSE(f.lblH.opaca);
    EXPECT_EQ(f.lblPC.ForeColor, colour::WHITE);
    EXPECT_EQ(f.lblCarteRimaste.Caption, "34");
    EXPECT_TRUE(f.lblCarteRimaste.Visible);
}

TEST(Analisi, AGameFilePlaysToFineAnalisiThenPressesDoNothingUntilItStartsAgain) {
    Banco b;
    carica(b);
    rivediTutto(b, 20);
    // 64 to 56: the computer's name is marked.
    EXPECT_TRUE(b.w->m.window.lblPC.opaca);
    EXPECT_EQ(b.w->m.window.lblPC.ForeColor, colour::YELLOW);
    EXPECT_FALSE(b.w->m.window.lblH.opaca);
    const auto prima = b.w->m.window.ImgCarta;
    const int punti = b.w->m.game.lblPuntiPC;
    for (int i = 0; i < 5; ++i) b.w->review.cmdScegliManche();
    EXPECT_EQ(b.w->m.game.lblPuntiPC, punti);
    for (int s = 1; s <= 8; ++s) EXPECT_EQ(b.w->m.window.ImgCarta[s].Visible, prima[s].Visible);
    b.w->review.cmdInizioAnalisi();
    EXPECT_TRUE(b.w->m.window.cmdScegliManche.focus);
    EXPECT_TRUE(b.w->m.data.lblDati[14].Caption.empty());
    rivediTutto(b, 20);
}

TEST(Analisi, WhenTheComputerLedTheFirstPressMovesOneOfItsCards) {
    Banco b;
    carica(b);
    b.w->review.cmdScegliManche();
    EXPECT_EQ(alCentro(*b.w, true), "Fd");
    EXPECT_EQ(b.w->m.data.lblDati[11].BackColor, colour::RED);
    EXPECT_EQ(b.w->m.data.lblDati[9].Caption, "1");
    EXPECT_EQ(b.w->m.window.ShpCarta[1].Left, 4320);
    EXPECT_EQ(b.w->m.window.ShpCarta[1].Top, 3150);
    EXPECT_FALSE(b.w->m.window.lblIstruzionePannelloDati);
}

TEST(Analisi, WhenTheHumanLedTheFirstPressMovesOneOfTheHumansCards) {
    Banco b;
    carica(b);
    b.w->m.data.lblDati[8].BackColor = colour::PINK;
    b.w->review.cmdInizioAnalisi();
    b.w->review.cmdScegliManche();
    EXPECT_EQ(b.w->m.data.lblDati[12].BackColor, colour::PINK);
    EXPECT_EQ(alCentro(*b.w, false), "As");
    EXPECT_EQ(b.w->m.data.lblDati[10].Caption, "4");
    EXPECT_EQ(b.w->m.window.ShpCarta[4].Left, 6120);
}

TEST(Analisi, AGameThatEndsSixtyToSixtyMarksNeitherName) {
    Banco b;
    carica(b);
    b.w->m.data.lblDati[cells::pcPoints(20)].Caption = "60";
    b.w->m.data.lblDati[cells::humanPoints(20)].Caption = "60";
    rivediTutto(b, 20);
    EXPECT_FALSE(b.w->m.window.lblPC.opaca);
    EXPECT_FALSE(b.w->m.window.lblH.opaca);
    EXPECT_EQ(b.w->m.window.lblPC.ForeColor, colour::WHITE);
    EXPECT_EQ(b.w->m.window.lblH.ForeColor, colour::WHITE);
}

TEST(Analisi, AGameThatEndedEarlyEndsItsReviewEarly) {
    Banco b;
    carica(b);
    auto& d = b.w->m.data.lblDati;
    for (int c = cells::pcDraw(15); c <= 132; ++c) d[c].Caption.clear();
    rivediTutto(b, 14);
}

TEST(Analisi, TheGameJustPlayedIsReviewedCardForCard) {
    for (uint64_t seme : {3u, 8u, 21u}) {
        Banco b(seme);
        TestMain& w = *b.w;
        w.Form_Load();
        ASSERT_NO_FATAL_FAILURE(prova::giocaFinoAllaFine(b, true));
        int prese = 0;
        while (prese < 20 && !w.m.data.lblDati[cells::pcCard(prese + 1)].Caption.empty()) ++prese;
        w.review.cmdInizioAnalisi();
        rivediTutto(b, prese);
    }
}

TEST(Analisi, ADamagedGridStopsTheReviewWithAMessage) {
    Banco b;
    carica(b);
    b.w->m.data.lblDati[cells::pcCard(1)].Caption = "Xx";
    b.w->review.cmdScegliManche();
    EXPECT_EQ(b.w->m.data.lblDati[14].Caption, "Analisi interrotta: carta non trovata nella mano");
    b.w->review.cmdScegliManche();
    EXPECT_EQ(alCentro(*b.w, false), "");
}

// The kind of a review noise: "carta", "presa", or the file of the end sound.
std::string genere(const std::string& file) {
    for (const char* n : {"Mameli.wav", "GodSave.wav"})
        if (file.ends_with(n)) return n;
    if (file.find("Carta") != std::string::npos) return "carta";
    if (file.find("Presa") != std::string::npos) return "presa";
    return file;
}

// Every press makes one noise: a card for each card played or drawn, a sweep for
// each trick taken, and the end sound (or a sweep at 60 to 60) for the last one.
TEST(Analisi, EveryPressMakesTheNoiseOfItsEvent) {
    struct Caso {
        const char* nome;
        int tricks;
        const char* fine;
    } casi[] = {
        {"the computer wins 64 to 56", 20, "GodSave.wav"},
        {"60 to 60", 20, "presa"},
        {"ended early at trick 14", 14, "Mameli.wav"},
        {"ended early at trick 17", 17, "Mameli.wav"},
        {"ended early at trick 18", 18, "Mameli.wav"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        Banco b;
        carica(b);
        TestMain& w = *b.w;
        auto& d = w.m.data.lblDati;
        if (c.tricks == 20 && std::string(c.fine) == "presa")
            d[cells::pcPoints(20)].Caption = d[cells::humanPoints(20)].Caption = "60";
        if (c.tricks < 20) {
            for (int k = c.tricks + 1; k <= 20; ++k)
                for (int cella : {cells::pcCard(k), cells::humanCard(k), cells::pcPoints(k), cells::humanPoints(k)})
                    d[cella].Caption.clear();
            for (int k = c.tricks + 1; k <= 18; ++k) d[cells::pcDraw(k)].Caption = d[cells::humanDraw(k)].Caption = "";
            d[cells::pcPoints(c.tricks)].Caption = "40";
            d[cells::humanPoints(c.tricks)].Caption = "61";
        }
        w.m.options.lblOpzione[index(Option::GameNoises)] = "Si";
        w.m.options.lblOpzione[index(Option::ReviewAudio)] = "Come nel Gioco";
        // One line per trick: its presses' noises.
        std::string atteso, suonati;
        for (int k = 1; k <= c.tricks; ++k) {
            atteso += std::to_string(k) + ": carta carta " + (k == c.tricks ? c.fine : "presa");
            if (k + 1 <= 18 && k < c.tricks) atteso += " carta";
            atteso += "\n";
        }
        for (int k = 1; k <= c.tricks; ++k) {
            suonati += std::to_string(k) + ":";
            const int pressioni = k + 1 <= 18 && k < c.tricks ? 4 : 3;
            for (int i = 0; i < pressioni; ++i) {
                const size_t prima = b.media.played(Player::mmcRumori).size();
                w.review.cmdScegliManche();
                const auto dopo = b.media.played(Player::mmcRumori);
                suonati += " " + (dopo.size() == prima + 1 ? genere(dopo.back()) : std::string("silence"));
            }
            suonati += "\n";
        }
        EXPECT_EQ(suonati, atteso);
        EXPECT_EQ(d[14].Caption, "Fine Analisi");
    }
}

TEST(Analisi, LeavingTheReviewStartsTheNextGame) {
    Banco b;
    carica(b);
    b.w->m.sounds.lblInterdiciSuoni = true;
    b.w->review.cmdTornaAlGioco();
    EXPECT_FALSE(b.w->m.sounds.lblInterdiciSuoni);
    EXPECT_TRUE(b.w->t.TimerDistribuisciCarte.enabled());
    EXPECT_TRUE(b.w->m.data.lblDati[cells::pcCard(1)].Caption.empty());
}

}  // namespace
}  // namespace zelvo
