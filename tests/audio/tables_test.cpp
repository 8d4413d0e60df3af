// The fixed tables of the sounds: how often each personality speaks, the
// groups of remark files, the review's end sound and the melodies.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "audio/tables.h"

namespace zelvo {
namespace {

using audio::Occasion;

// How many of the draws 1..sides make the personality speak, and the first and last of them.
struct Odds {
    int count, first, last;
    bool operator==(const Odds&) const = default;
};
Odds odds(Occasion o, Talkativeness t) {
    Odds d{0, 0, 0};
    for (int r = 1; r <= audio::drawSides(o); ++r)
        if (audio::speaks(o, t, r)) {
            if (!d.count) d.first = r;
            ++d.count;
            d.last = r;
        }
    return d;
}

TEST(PersonalityOdds, EachTalkerSpeaksMoreOftenThanTheOneBefore) {
    struct Case {
        Occasion o;
        Odds reserved, gentleman, talkative;
    };
    const Case cases[] = {
        {Occasion::Trick, {16, 3, 46}, {24, 2, 47}, {32, 1, 48}},
        {Occasion::Opening, {8, 17, 24}, {12, 13, 24}, {16, 9, 24}},
        {Occasion::Impatience, {4, 1, 11}, {6, 1, 11}, {8, 1, 12}},
        {Occasion::Stay, {2, 5, 6}, {3, 4, 6}, {4, 3, 6}},
        {Occasion::Exit, {2, 5, 6}, {3, 4, 6}, {4, 3, 6}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(odds(c.o, Talkativeness::Reserved), c.reserved);
        EXPECT_EQ(odds(c.o, Talkativeness::Gentleman), c.gentleman);
        EXPECT_EQ(odds(c.o, Talkativeness::Talkative), c.talkative);
        EXPECT_EQ(odds(c.o, Talkativeness::Gossip), (Odds{audio::drawSides(c.o), 1, audio::drawSides(c.o)}));
        EXPECT_EQ(odds(c.o, Talkativeness::Taciturn).count, 0);
        EXPECT_EQ(odds(c.o, Talkativeness::Unknown).count, 0);
    }
}

TEST(RemarkFiles, EveryChoiceNamesAFileOfItsGroupWithALock) {
    auto inGroup = [](const char* group, int n) {
        return n >= 1 && n <= audio::filesInGroup(group) && audio::remarkLockMs(group, n) > 0;
    };
    for (int r = 1; r <= 24; ++r)
        for (int v : {2, 8, 12, 16, 40, 44}) {
            EXPECT_TRUE(inGroup("1v", audio::remarkLeadWon(v, r))) << v << " " << r;
            EXPECT_TRUE(inGroup("2p", audio::remarkAnswerLost(v, r))) << v << " " << r;
        }
    for (int r = 1; r <= 18; ++r)
        for (int sum : {4, 16, 17, 44, 45, 56, 57, 88}) EXPECT_TRUE(inGroup("1p", audio::remarkLeadLost(sum, r)));
    for (int r = 1; r <= 12; ++r) {
        EXPECT_TRUE(inGroup("2v", audio::remarkAnswerWon(r)));
        EXPECT_TRUE(inGroup("2v", audio::remarkHeavyTrump(r)));
    }
    for (int r = 1; r <= 10; ++r)
        for (char suit : {'d', 's', 'c', 'b'}) {
            EXPECT_TRUE(inGroup("2v", audio::remarkAnswerWonLittle(suit, r)));
            EXPECT_TRUE(inGroup("2v", audio::remarkLightTrump(suit, r)));
        }
    for (int r = 1; r <= 24; ++r)
        for (Who w : {Who::PC, Who::H, Who::Nobody}) EXPECT_TRUE(inGroup("Inizio", audio::remarkOpening(false, w, r)));
    for (int r = 1; r <= 48; ++r) EXPECT_TRUE(inGroup("Impaz", audio::remarkImpatience(r)));
    for (int r = 1; r <= 6; ++r) EXPECT_TRUE(inGroup("Esci", audio::remarkStay(r)));
    // The farewells have no lock: the window closes after them.
    for (int r = 1; r <= 6; ++r) EXPECT_EQ(audio::remarkLockMs("Esci", audio::remarkExit(r)), 0);
    EXPECT_EQ(audio::filesInGroup("3x"), 0);
    EXPECT_EQ(audio::remarkLockMs("1v", 0), 0);
    EXPECT_EQ(audio::remarkLockMs("1v", audio::filesInGroup("1v") + 1), 0);
}

TEST(ReviewNoises, TheEndSoundIsASweepAtSixtyAndTheWinnersAnthemOnlyWithoutMusic) {
    const std::string R = "C:\\Programmi\\Zelvo\\Rumori\\";
    EXPECT_EQ(audio::reviewNoise(4, 5, 1, false, 60, true), R + "Presa1.wav");
    EXPECT_EQ(audio::reviewNoise(4, 5, 1, false, 59, false), R + "Mameli.wav");
    EXPECT_EQ(audio::reviewNoise(4, 5, 1, false, 61, false), R + "GodSave.wav");
    EXPECT_EQ(audio::reviewNoise(4, 5, 1, false, 59, true), "");
    EXPECT_EQ(audio::reviewNoise(2, 19, 3, false, 120, true), "");
}

TEST(Melodies, TwentyOneTitlesEachWithItsStopClockAndPlace) {
    std::set<std::string> titles, files;
    for (int n = 1; n <= audio::SONG_COUNT; ++n) {
        titles.insert(audio::song(n).title);
        files.insert(audio::songFile(n));
        EXPECT_GT(audio::song(n).stopInterval, 20000) << n;
        EXPECT_TRUE(audio::song(n).titleTop == 1440 || audio::song(n).titleTop == 1550) << n;
    }
    EXPECT_EQ(titles.size(), 21u);
    EXPECT_EQ(files.size(), 21u);
    EXPECT_EQ(audio::songFile(7), "C:\\Programmi\\Zelvo\\Musiche\\MelPop07.mid");
}

}  // namespace
}  // namespace zelvo
