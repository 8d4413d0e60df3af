// The fixed tables of the sounds: personality odds, clip lengths, the review noises and the music.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "audio/tabelle.h"

using namespace zelvo;
using namespace zelvo::suoni;

namespace {

std::set<int> insiemeParla(Occasione o, const std::string& p) {
    std::set<int> out;
    for (int r = 1; r <= lati(o); ++r)
        if (parla(o, p, r)) out.insert(r);
    return out;
}

std::set<int> da(std::initializer_list<std::pair<int, int>> intervalli) {
    std::set<int> out;
    for (auto [a, b] : intervalli)
        for (int r = a; r <= b; ++r) out.insert(r);
    return out;
}

}  // namespace

// ---------------------------------------------------------------- personality odds

TEST(PersonalityOdds, TrickRemarkSets) {
    EXPECT_EQ(insiemeParla(Occasione::Presa, "Riservato"), da({{3, 7}, {17, 19}, {30, 32}, {42, 46}}));
    EXPECT_EQ(insiemeParla(Occasione::Presa, "Gentleman"), da({{2, 8}, {16, 20}, {29, 33}, {41, 47}}));
    EXPECT_EQ(insiemeParla(Occasione::Presa, "Loquace"), da({{1, 9}, {15, 21}, {28, 34}, {40, 48}}));
    EXPECT_EQ(insiemeParla(Occasione::Presa, "Pettegolo"), da({{1, 48}}));
}

TEST(PersonalityOdds, DealImpatienceStayAndFarewellSets) {
    EXPECT_EQ(insiemeParla(Occasione::Apertura, "Riservato"), da({{17, 24}}));
    EXPECT_EQ(insiemeParla(Occasione::Apertura, "Gentleman"), da({{13, 24}}));
    EXPECT_EQ(insiemeParla(Occasione::Apertura, "Loquace"), da({{9, 24}}));
    EXPECT_EQ(insiemeParla(Occasione::Apertura, "Pettegolo"), da({{1, 24}}));

    EXPECT_EQ(insiemeParla(Occasione::Impazienza, "Riservato"), (std::set<int>{1, 5, 8, 11}));
    EXPECT_EQ(insiemeParla(Occasione::Impazienza, "Gentleman"), (std::set<int>{1, 2, 5, 6, 10, 11}));
    EXPECT_EQ(insiemeParla(Occasione::Impazienza, "Loquace"), (std::set<int>{1, 3, 4, 5, 7, 8, 10, 12}));
    EXPECT_EQ(insiemeParla(Occasione::Impazienza, "Pettegolo"), da({{1, 12}}));

    for (Occasione o : {Occasione::Resta, Occasione::Uscita}) {
        EXPECT_EQ(insiemeParla(o, "Riservato"), da({{5, 6}}));
        EXPECT_EQ(insiemeParla(o, "Gentleman"), da({{4, 6}}));
        EXPECT_EQ(insiemeParla(o, "Loquace"), da({{3, 6}}));
        EXPECT_EQ(insiemeParla(o, "Pettegolo"), da({{1, 6}}));
    }
}

TEST(PersonalityOdds, TaciturnoAndUnknownTextsNeverSpeak) {
    for (Occasione o : {Occasione::Presa, Occasione::Apertura, Occasione::Impazienza, Occasione::Resta,
                        Occasione::Uscita})
        for (const char* p : {"Taciturno", "", "taciturno", "pettegolo", "Chiacchierone"})
            EXPECT_TRUE(insiemeParla(o, p).empty()) << p;
}

// ---------------------------------------------------------------- clip lengths

TEST(RemarkFiles, GroupSizes) {
    const std::map<std::string, int> dimensioni = {{"1v", 30}, {"1p", 24}, {"2v", 28}, {"2p", 24},
                                                   {"Impaz", 24}, {"Inizio", 24}, {"Fine", 13}, {"Esci", 9}};
    for (auto& [g, n] : dimensioni) {
        EXPECT_EQ(fileNelGruppo(g), n) << g;
        EXPECT_EQ(durataCommento(g, n + 1), 0) << g;
        EXPECT_EQ(durataCommento(g, 0), 0) << g;
    }
    EXPECT_EQ(fileNelGruppo("3x"), 0);
}

TEST(RemarkFiles, LockTimes) {
    struct Caso {
        const char* gruppo;
        int n, ms;
    } casi[] = {
        {"1p", 1, 1969},   {"1p", 5, 880},    {"1p", 18, 3545},  {"1p", 24, 1128},  {"1v", 1, 2035},
        {"1v", 12, 838},   {"1v", 19, 3894},  {"1v", 30, 1802},  {"2p", 1, 1626},   {"2p", 19, 790},
        {"2p", 24, 3877},  {"2v", 1, 1893},   {"2v", 11, 779},   {"2v", 21, 5040},  {"2v", 28, 3577},
        {"Impaz", 1, 2694}, {"Impaz", 17, 602}, {"Impaz", 23, 590}, {"Impaz", 24, 2300},
        {"Inizio", 1, 3414}, {"Inizio", 5, 2874}, {"Inizio", 16, 5870}, {"Inizio", 24, 3971},
        {"Fine", 1, 2230}, {"Fine", 12, 3722}, {"Fine", 13, 950},  {"Esci", 6, 0},    {"Esci", 1, 0},
        {"Esci", 7, 1018}, {"Esci", 8, 938},  {"Esci", 9, 1934},
    };
    for (auto& c : casi) EXPECT_EQ(durataCommento(c.gruppo, c.n), c.ms) << c.gruppo << c.n;
    // Every remark that takes the lock has a length between the shortest and the longest clip.
    for (const char* g : {"1v", "1p", "2v", "2p", "Impaz", "Inizio", "Fine"})
        for (int n = 1; n <= fileNelGruppo(g); ++n) {
            EXPECT_GE(durataCommento(g, n), 590) << g << n;
            EXPECT_LE(durataCommento(g, n), 5870) << g << n;
        }
}

// ---------------------------------------------------------------- noises

TEST(NoiseFiles, ReviewEndSound) {
    const std::string R = "C:\\Programmi\\Zelvo\\Rumori\\";
    // The end sound: a draw sweeps, the winner's anthem only while no melody plays.
    EXPECT_EQ(fileAnalisi(4, 5, 1, false, 60, true), R + "Presa1.wav");
    EXPECT_EQ(fileAnalisi(4, 5, 1, false, 59, false), R + "Mameli.wav");
    EXPECT_EQ(fileAnalisi(4, 5, 1, false, 61, false), R + "GodSave.wav");
    EXPECT_EQ(fileAnalisi(4, 5, 1, false, 59, true), "");
    EXPECT_EQ(fileAnalisi(2, 19, 3, false, 120, true), "");
}

// ---------------------------------------------------------------- music

TEST(MusicTables, MelodiesTitlesAndIntervals) {
    EXPECT_EQ(fileBrano(1), "C:\\Programmi\\Zelvo\\Musiche\\MelPop01.mid");
    EXPECT_EQ(fileBrano(21), "C:\\Programmi\\Zelvo\\Musiche\\MelPop21.mid");
    EXPECT_STREQ(brano(1).titolo, "'La bella Gigogin' - Melodia popolare della Lombardia");
    EXPECT_STREQ(brano(3).titolo, "'Quant'\xC3\xA8 bello lu primo amor' - Melodia popolare della Basilicata");
    EXPECT_STREQ(brano(21).titolo, "'Santa Lucia' - Melodia popolare della Campania");
    const int stop[22] = {0,     52625, 38500, 43630, 51000, 53000, 60500, 41080, 48500, 30600, 32635,
                          31595, 46500, 42095, 48500, 30555, 46070, 42625, 54065, 34000, 47115, 57000};
    const std::set<int> alti = {3, 4, 6, 7, 10, 20};  // titles placed at 1440
    for (int n = 1; n <= 21; ++n) {
        EXPECT_EQ(brano(n).intervalloStop, stop[n]) << n;
        EXPECT_EQ(brano(n).posizioneTitolo, alti.count(n) ? 1440 : 1550) << n;
    }
}
