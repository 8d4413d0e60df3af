// ZELVO's remarks and the table's noises: which file a draw picks, on which timer
// and for how long the sound lock is held, and when nothing may play.
#include <algorithm>
#include <functional>
#include <tuple>

#include "audio/remarks_text.h"
#include "audio/tables.h"
#include "session/simulation.h"
#include "sound_bench.h"

using namespace zelvo;
using namespace zelvo::test;
using std::tuple;
using O = Option;
enum Outcome { Remark, Noise, Nothing };

// ---------------------------------------------------------------- the tables

// The file a draw picks at the edges of each band of draws, by the card, the sum of the values,
// the suit or the winner; every draw of every band names a file of its group with a lock.
TEST(RemarkTables, EachBandOfDrawsPicksItsFiles) {
    // The group, the sides of the draw, the pick by (argument, r), and {argument, r, file}.
    const tuple<const char*, int, int (*)(int, int), std::vector<std::array<int, 3>>> rows[] = {
        {"1v", 24, audio::remarkLeadWon, {{44, 1, 13}, {44, 4, 13}, {44, 5, 14}, {44, 24, 18}, {8, 18, 12}, {8, 19, 19},
                                          {8, 22, 20}, {12, 19, 21}, {12, 24, 22}, {16, 24, 24}, {7, 12, 6}, {7, 13, 25}}},
        {"1p", 18, audio::remarkLeadLost, {{16, 3, 1}, {16, 4, 2}, {17, 1, 7}, {44, 18, 12}, {56, 18, 18}, {57, 18, 24}}},
        {"2p", 24, audio::remarkAnswerLost, {{40, 4, 13}, {40, 5, 14}, {16, 5, 8}, {8, 24, 12}, {7, 12, 6}, {7, 13, 19}}},
        {"2v", 10, [](int suit, int r) { return audio::remarkAnswerWonLittle(char(suit), r); },
         {{'d', 4, 10}, {'d', 5, 21}, {'d', 6, 22}, {'s', 5, 25}, {'s', 6, 26}, {'c', 5, 23}, {'b', 6, 27}, {'b', 7, 10}}},
        {"2v", 10, [](int suit, int r) { return audio::remarkLightTrump(char(suit), r); },
         {{'b', 1, 17}, {'c', 6, 24}, {'d', 10, 17}}},
        {"2v", 12, [](int, int r) { return audio::remarkAnswerWon(r); }, {{0, 2, 1}, {0, 3, 2}, {0, 12, 6}}},
        {"2v", 12, [](int, int r) { return audio::remarkHeavyTrump(r); }, {{0, 1, 11}, {0, 12, 16}}},
        // The previous winner as a Who (0 none, 1 the human, 2 the computer); 3 for the first deal.
        {"Inizio", 24, [](int w, int r) { return audio::remarkOpening(w == 3, Who(w % 3), r); },
         {{3, 1, 1}, {3, 2, 12}, {3, 3, 2}, {3, 12, 7}, {3, 13, 7}, {3, 14, 6}, {3, 24, 1}, {2, 4, 13}, {2, 5, 14},
          {1, 1, 19}, {1, 24, 24}, {0, 1, 5}, {0, 24, 5}}},
        {"Fine", 18, [](int w, int r) { return audio::remarkFinal(Who(w), r); },
         {{2, 1, 1}, {2, 6, 6}, {2, 7, 6}, {2, 12, 1}, {2, 13, 6}, {1, 1, 7}, {1, 18, 7}, {0, 1, 13}}},
        {"Impaz", 48, [](int, int r) { return audio::remarkImpatience(r); }, {{0, 24, 24}, {0, 25, 24}, {0, 48, 1}}},
        {"Esci", 6, [](int, int r) { return audio::remarkStay(r); }, {{0, 1, 7}, {0, 3, 9}, {0, 4, 7}, {0, 6, 9}}},
    };
    for (const auto& [group, sides, pick, cases] : rows)
        for (auto [arg, r, file] : cases) {
            EXPECT_EQ(pick(arg, r), file) << group << " " << arg << " r " << r;
            for (int k = 1; k <= sides; ++k) EXPECT_GT(audio::remarkLockMs(group, pick(arg, k)), 0) << group << k;
        }
    // The farewells take no lock: the window closes after them.
    for (int r = 1; r <= 6; ++r) EXPECT_EQ(std::pair(audio::remarkExit(r), audio::remarkLockMs("Esci", r)), std::pair(r, 0));
    EXPECT_EQ(audio::remarkLockMs("3x", 1) + audio::remarkLockMs("1v", 0) + audio::remarkLockMs("1v", 31), 0);
    EXPECT_EQ(audio::filesInGroup("1v") + audio::filesInGroup("3x"), 30);
}

// How many of the draws 1..N make each personality speak, and the first and the last of them.
TEST(RemarkTables, EachTalkerSpeaksMoreOftenThanTheOneBefore) {
    auto odds = [](audio::Occasion o, Talkativeness t) {
        std::array<int, 3> d{0, 0, 0};
        for (int r = 1; r <= audio::drawSides(o); ++r)
            if (audio::speaks(o, t, r)) d = {d[0] + 1, d[0] ? d[1] : r, r};
        return d;
    };
    // For "Riservato", "Gentleman" and "Loquace" in turn.
    for (auto [o, want] : {tuple{audio::Occasion::Trick, std::array{16, 3, 46, 24, 2, 47, 32, 1, 48}},
                           {audio::Occasion::Opening, std::array{8, 17, 24, 12, 13, 24, 16, 9, 24}},
                           {audio::Occasion::Impatience, std::array{4, 1, 11, 6, 1, 11, 8, 1, 12}},
                           {audio::Occasion::Stay, std::array{2, 5, 6, 3, 4, 6, 4, 3, 6}},
                           {audio::Occasion::Exit, std::array{2, 5, 6, 3, 4, 6, 4, 3, 6}}}) {
        const int n = audio::drawSides(o);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(odds(o, Talkativeness(i + 1)), (std::array{want[3 * i], want[3 * i + 1], want[3 * i + 2]})) << n;
        EXPECT_EQ(odds(o, Talkativeness::Gossip), (std::array{n, 1, n}));
        EXPECT_EQ(odds(o, Talkativeness::Taciturn)[0] + odds(o, Talkativeness::Unknown)[0], 0);
    }
}

// The text of each remark, found as the game names its files, and spoken for its moment.
TEST(RemarkTexts, AreFoundAsTheGameNamesTheFilesAndSpeakOfTheirMoment) {
    EXPECT_STREQ(remarkText("1P01.WAV"), remarkText("Commenti/1p/1p01.wav"));
    for (const char* name : {"1p01", "carta1.wav", "1p1", "1p25", "Fine14", "Impaz", "1p01.mid", ""})  // only the first
        EXPECT_EQ(remarkText(name) == nullptr, name != std::string("1p01")) << name;
    auto says = [](const char* group, int n, const char* words) {
        const char* text = remarkText(audio::remarkFile(group, n));
        EXPECT_TRUE(text && std::string(text).find(words) != std::string::npos) << group << n << ": " << (text ? text : "");
    };
    for (auto [value, figure] : {std::pair{8, "Fante"}, {12, "Cavallo"}, {16, "Re"}})
        for (int r : {19, 22}) says("1v", audio::remarkLeadWon(value, r), figure);
    for (auto [suit, words] : {std::pair{'d', "enari"}, {'c', "opp"}, {'s', "pad"}, {'b', "aston"}})
        for (int r : {5, 6})
            for (int k : {audio::remarkAnswerWonLittle(suit, r), audio::remarkLightTrump(suit, r)}) says("2v", k, words);
    says("Fine", audio::remarkFinal(Who::H, 1), "hai vinto");
    says("Fine", audio::remarkFinal(Who::Nobody, 1), "Pari");
    // The pace above counts syllables as they are spoken.
    const std::pair<const char*, int> syllables[] = {{"Questa presa è mia, grazie!", 8}, {"briscola", 3}, {"tuoi", 1},
                                                     {"Più", 1}, {"c'era", 2}, {"aereo", 4}, {"ZELVO", 2}, {"...!?", 0}};
    for (const auto& [text, count] : syllables) EXPECT_EQ(countSyllables(text), count) << text;
}

// ---------------------------------------------------------------- tricks and deals

TEST(TrickRemark, ChosenByWinnerLeaderTrumpAndPoints) {
    // The computer's card, the human's, who led, the remark's draw r of N: the file (trumps are spades).
    const tuple<const char*, const char*, Who, int, int, std::string> rows[] = {
        // The computer led and took, by the human's card; led and lost, by the sum of both values.
        {"Ad", "Fd", Who::PC, 19, 24, remark("1v", 19)}, {"3d", "Ad", Who::PC, 1, 18, remark("1p", 19)},
        {"2d", "4s", Who::PC, 18, 18, remark("1p", 6)},
        // The human led and the computer trumped: 11 points is light, 12 heavy.
        {"2s", "Ad", Who::H, 1, 10, remark("2v", 17)},   {"Fs", "3d", Who::H, 1, 12, remark("2v", 11)},
        {"2s", "Fb", Who::H, 6, 10, remark("2v", 27)},
        // The computer took by the suit, below 8 points or from 8; the human led and took.
        {"Rd", "Cd", Who::H, 10, 10, remark("2v", 7)},   {"Rc", "5c", Who::H, 5, 10, remark("2v", 23)},
        {"3d", "Rd", Who::H, 12, 12, remark("2v", 6)},   {"2c", "Ad", Who::H, 13, 24, remark("2p", 19)},
        {"Rc", "Ad", Who::H, 1, 24, remark("2p", 7)},    {"3c", "Ad", Who::H, 24, 24, remark("2p", 18)},
    };
    for (size_t i = 0; i < std::size(rows); ++i) {
        const auto& [pc, h, leader, r, sides, file] = rows[i];
        SoundBench b({{O::Talkativeness, "Pettegolo"}});
        b.trick(pc, h, leader, i % 2 ? 3 : 1, i % 2 ? 6 : 4);  // the first or the last slot of each hand
        b.draw(1, 48);
        b.draw(r, sides);
        b.w.commentary.CommentaPresa();
        EXPECT_EQ(b.last(), file) << pc << " " << h;
    }
}

// The second card of a trick: a remark by personality and draw, else the card noise; nothing on
// the last trick. The first step of a deal: a remark by personality and draw, else the dealing
// noise, and a lingering end-of-game clock is stopped. No noise with game noises off, nothing
// while a clip holds the lock.
TEST(TrickRemark, RemarkNoiseOrSilenceAtATrickAndAtTheDeal) {
    // At the deal, the personality, game noises, the stock (at a trick) or the deal's step,
    // the draw (0 for none; of 48 at a trick, of 24 at the deal), the lock held: the outcome.
    const tuple<bool, const char*, const char*, int, int, bool, Outcome> rows[] = {
        {false, "Riservato", "Si", 20, 3, false, Remark},   {false, "Riservato", "Si", 20, 2, false, Noise},
        {false, "Gentleman", "Si", 20, 2, false, Remark},   {false, "Loquace", "Si", 20, 48, false, Remark},
        {false, "Pettegolo", "Si", -4, 12, false, Remark},
        {false, "Taciturno", "Si", 20, 0, false, Noise},    {false, "Taciturno", "No", 20, 0, false, Nothing},
        {false, "Riservato", "No", 20, 1, false, Nothing},  {false, "Chiacchierone", "Si", 20, 1, false, Nothing},
        {false, "Pettegolo", "Si", -5, 1, false, Nothing},  {false, "Pettegolo", "Si", 20, 1, true, Nothing},
        {false, "Riservato", "Si", 20, 2, true, Nothing},   {true, "Riservato", "Si", 1, 16, false, Noise},
        {true, "Riservato", "Si", 1, 17, false, Remark},    {true, "Gentleman", "Si", 1, 13, false, Remark},
        {true, "Taciturno", "Si", 1, 0, false, Noise},
        {true, "Pettegolo", "Si", 4, 0, false, Noise},      {true, "Taciturno", "No", 1, 0, false, Nothing},
        {true, "Pettegolo", "Si", 1, 0, true, Nothing},
    };
    for (const auto& [deal, personality, noises, place, r, locked, outcome] : rows) {
        SoundBench b({{O::Talkativeness, personality}, {O::GameNoises, noises}});
        b.trick("Ad", "2d", Who::PC);
        b.m.game.lblUltimaCartaGiocata = 12;
        (deal ? b.m.game.lblContatoreDistribuisciCarte : b.m.game.lblNumeroCarteRimaste) = place;
        b.m.sounds.lblInterdiciSuoni = locked;
        b.w.commentary.AvviaCommentiFinali();
        if (r) b.draw(r, deal ? 24 : 48);
        if (outcome == Remark) b.draw(deal ? 3 : 1, 24);  // the first deal since the start: r 3 is Inizio02
        if (outcome == Noise && deal) b.draw(3, 4);
        deal ? b.w.commentary.DistribuzioneCarte() : b.w.commentary.trickComplete();
        const std::string heard = outcome == Remark  ? (deal ? remark("Inizio", 2) : remark("1v", 1))
                                  : outcome == Noise ? noise(deal ? "carta3.wav" : "cavallo.wav") : "";
        const SoundState& s = b.m.sounds;
        EXPECT_EQ(std::tuple(b.last(), s.lblInterdiciSuoni, s.lblCommentoIniziale, b.t.TimerCommentiFinali.enabled()),
                  std::tuple(heard, locked || outcome != Nothing, deal && outcome == Remark, !deal))
            << deal << " " << personality << " " << noises << " " << place << " r " << r;
    }
}

// ---------------------------------------------------------------- the lock

// Every remark and noise plays by the clip sequence and holds the lock on its own timer for
// exactly its clip's length (the deal remark after a drawn game is a 2800 ms cut); a remark's
// words stay on the table for its length, and at least two seconds.
TEST(SoundLock, EachClipHoldsTheLockOnItsTimerForItsLength) {
    using T = Timers;
    const tuple<std::function<void(SoundBench&)>, std::string, Timer T::*, int> rows[] = {
        {[](SoundBench& b) { b.trick("Ad", "Fd", Who::PC); b.draw(19, 24); b.w.commentary.CommentoVinceDiMano(); },
         remark("1v", 19), &T::TimerFinisciCommento, 3894},
        {[](SoundBench& b) { b.m.sounds.lblEtichettaAperturaGioco = true; b.draw(7, 24); b.w.commentary.CommentoApertura(); },
         remark("Inizio", 5), &T::TimerInterdiciSuoni, 2800},  // the previous game was drawn
        {[](SoundBench& b) { b.m.game.lblUltimoVincitore = Who::H; b.draw(6, 18); b.w.commentary.CommentoFinale(); },
         remark("Fine", 12), &T::TimerDurataCommentoFinale, 3722},
        {[](SoundBench& b) { b.draw(17, 48); b.w.commentary.CommentoImpazienza(); }, remark("Impaz", 17),
         &T::TimerFineImpazienza, 602},
        {[](SoundBench& b) { b.draw(2, 6); b.w.commentary.CommentoRestaInGioco(); }, remark("Esci", 8),
         &T::TimerInterdiciSuoni, 938},
        {[](SoundBench& b) { b.draw(3, 4); b.w.noises.SuonaDistribuzione(); }, noise("carta3.wav"),
         &T::TimerFineRumoreCarte, 270},
        {[](SoundBench& b) { b.draw(2, 2); b.w.noises.trickTaken(-5); }, noise("Presa2.wav"), &T::TimerFineRumoreCarte, 568},
    };
    for (const auto& [start, file, end, ms] : rows) {
        SoundBench b;
        b.s.advance(1000);
        start(b);
        const auto& e = b.media.entries();
        ASSERT_EQ(e.size(), 6u) << file;
        EXPECT_EQ((std::vector<std::string>{e[0].value, e[1].value, e[2].value, e[3].value, e[4].value, e[5].value}),
                  (std::vector<std::string>{"", "Close", file, "Open", "Prev", "Play"}));
        const char* words = remarkText(file);
        EXPECT_EQ(std::tuple((b.t.*end).interval(), b.m.sounds.sottotitolo, b.m.sounds.sottotitoloFinoA),
                  std::tuple(ms, std::string(words ? words : ""), words ? e[5].ms + std::max(ms, 2000) : 0)) << file;
        b.s.advance(e[5].ms + ms - 1 - b.s.nowMs());
        EXPECT_TRUE(b.m.sounds.lblInterdiciSuoni) << file;
        b.s.advance(1);
        EXPECT_FALSE(b.m.sounds.lblInterdiciSuoni || (b.t.*end).enabled()) << file;
    }
}

// ---------------------------------------------------------------- impatience

TEST(Impatience, StartedByTemperUnlessPacificoTaciturnoOrAPanelIsOpen) {
    // The temper, the personality, the open panel (-1 none), after the draws: the clock's tick (0: not started).
    const tuple<const char*, const char*, int, bool, int> rows[] = {
        {"Pacifico", "Pettegolo", -1, false, 0},   {"Impaziente", "Taciturno", -1, false, 0},
        {"Impaziente", "Pettegolo", 2, false, 0},  {"Impaziente", "Pettegolo", 3, false, 0},
        {"Impaziente", "Pettegolo", 2, true, 500}, {"Pacifico", "Pettegolo", -1, true, 0},
        {"Abbastanza tollerante", "Riservato", -1, false, 667}, {"Nervosetto", "Loquace", -1, false, 334},
        {"Assai nervoso", "Gentleman", -1, false, 250}};
    for (const auto& [temper, personality, panel, afterDraws, ms] : rows) {
        SoundBench b({{O::Temper, temper}, {O::Talkativeness, personality}});
        b.m.window.fraPannello[std::max(panel, 0)].Visible = panel >= 0;
        b.m.sounds.lblContaImpaz = 7;
        afterDraws ? b.w.commentary.AvviaImpazienzaDopoPesca() : b.w.commentary.AvviaImpazienza();
        EXPECT_EQ(std::tuple(b.t.TimerImpazienza.enabled(), b.t.TimerImpazienza.interval(), b.m.sounds.lblContaImpaz),
                  std::tuple(ms > 0, ms ? ms : 250, ms ? 0 : 7)) << temper << " " << personality << " " << panel;
    }
}

// "Assai nervoso" ticks every 250 ms: a chance of a remark 3 s after the turn began and every 3 s
// after that; "Loquace" speaks on 1, not on 2; while a clip holds the lock the clock runs on.
// After the remark the clock starts again only while the human may play, with no panel open.
TEST(Impatience, AChanceOfARemarkEveryTwelveTicksWhileTheHumanIsToPlay) {
    // The draw, the lock held; after the remark: whose turn, the open panel (-1 none), a game in
    // course, a card may be played: the clock re-armed.
    for (auto [r, locked, toPlay, panel, inGame, canPlay, rearmed] :
         {tuple{2, false, Who::H, -1, true, true, true}, {1, true, Who::H, -1, true, true, true},
          {1, false, Who::H, -1, true, true, true}, {1, false, Who::PC, -1, true, true, false},
          {1, false, Who::H, 2, true, true, false}, {1, false, Who::H, 3, true, true, false},
          {1, false, Who::H, -1, false, true, false}, {1, false, Who::H, -1, true, false, false}}) {
        SoundBench b({{O::Talkativeness, "Loquace"}, {O::Temper, "Assai nervoso"}});
        const bool speaks = r == 1 && !locked;
        b.w.commentary.AvviaImpazienza();
        b.m.sounds.lblInterdiciSuoni = locked;
        for (int chance = 0; chance < 2 - speaks; ++chance) {
            b.s.advance(2999);
            EXPECT_EQ(b.m.sounds.lblContaImpaz, 11);
            if (!locked) b.draw(r, 12);
            if (speaks) b.draw(17, 48);  // Impaz17: 602 ms
            b.s.advance(1);
            EXPECT_EQ(std::tuple(b.last(), b.m.sounds.lblContaImpaz, b.t.TimerImpazienza.enabled(), b.m.sounds.lblInterdiciSuoni),
                      std::tuple(speaks ? remark("Impaz", 17) : "", 0, !speaks, speaks || locked)) << r << locked;
        }
        if (!speaks) continue;
        std::tie(b.m.game.lblAChiTocca, b.m.game.lblGiocoInCorso, b.m.game.lblPuoiGiocare) = tuple(toPlay, inGame, canPlay);
        b.m.window.fraPannello[std::max(panel, 0)].Visible = panel >= 0;
        b.m.sounds.lblContaImpaz = 5;
        b.s.advance(602);
        EXPECT_EQ(std::tuple(b.m.sounds.lblInterdiciSuoni, b.m.sounds.lblContaImpaz, b.t.TimerImpazienza.enabled()),
                  std::tuple(false, 0, rearmed)) << panel << inGame << canPlay;
    }
}

// ---------------------------------------------------------------- end of a game and leaving

// The final remark comes 900 ms after the end: a card noise still sounding is
// cut, a trick remark still playing is not; Taciturno only frees the lock.
TEST(EndOfGame, FinalRemarkAfterNineHundredMs) {
    // The personality, the clip's timer and whether it holds the lock at the end: the remark, the lock after.
    for (auto [personality, clip, held, file, locked] :
         {tuple{"Riservato", &Timers::TimerFineRumoreCarte, false, remark("Fine", 10), true},
          {"Gentleman", &Timers::TimerFineRumoreCarte, true, remark("Fine", 10), true},
          {"Gentleman", &Timers::TimerFinisciCommento, true, "", true},
          {"Taciturno", &Timers::TimerFineRumoreCarte, true, "", false}}) {
        SoundBench b({{O::Talkativeness, personality}});
        b.m.game.lblUltimoVincitore = Who::H;
        b.m.sounds.lblInterdiciSuoni = held;
        (b.t.*clip).setInterval(5000);
        (b.t.*clip).setEnabled(held);
        b.w.commentary.AvviaCommentiFinali();
        b.s.advance(899);
        EXPECT_TRUE(b.media.entries().empty());
        if (!file.empty()) b.draw(9, 18);
        b.s.advance(1);
        EXPECT_EQ(std::tuple(b.last(), b.m.sounds.lblInterdiciSuoni, b.t.TimerCommentiFinali.enabled()),
                  std::tuple(file, locked, false)) << personality;
    }
}

// Staying and leaving have the same odds: "Riservato" speaks from 5, "Gentleman" from 4, "Loquace"
// from 3; a held lock keeps the stay remark back. The farewell goes to the exit player, its words
// shown while the window closes.
TEST(Leaving, StayAndFarewellRemarksAtThePersonalityOdds) {
    // The personality, the draw, the lock held: a stay remark, a farewell remark (else the theme).
    for (auto [personality, r, locked, stays, farewell] :
         {tuple{"Riservato", 4, false, false, false}, {"Riservato", 5, false, true, true}, {"Gentleman", 3, false, false, false},
          {"Gentleman", 4, false, true, true}, {"Loquace", 2, false, false, false}, {"Loquace", 3, false, true, true},
          {"Pettegolo", 1, true, false, true}, {"Taciturno", 6, false, false, false},
          {"Chiacchierone", 6, false, false, false}}) {
        SoundBench stay({{O::Talkativeness, personality}}), leave({{O::Talkativeness, personality}});
        stay.m.sounds.lblInterdiciSuoni = locked;
        if (personality != std::string("Taciturno")) stay.draw(r, 6);
        if (stays) stay.draw(5, 6);  // Esci08
        stay.w.commentary.RestaInGioco();
        EXPECT_EQ(stay.last(), stays ? remark("Esci", 8) : "") << personality << " " << r;
        EXPECT_EQ(leave.w.commentary.PreparaUscita(r, 2500), farewell);
        const std::string file = farewell ? remark("Esci", r) : "C:\\Programmi\\Zelvo\\Musiche\\ZlvSigla.mid";
        EXPECT_EQ(leave.media.entries(), (std::vector<MediaLog::Entry>{{0, Player::mmcUscita, false, file}}));
        EXPECT_EQ(std::tuple(leave.m.sounds.sottotitoloFinoA, leave.m.sounds.lblInterdiciSuoni),
                  std::tuple(farewell ? 2500 : 0, false));
    }
}

// ---------------------------------------------------------------- noises

// A review step sounds without the lock, only with game noises on and the review's audio as in
// the game or without the music; the winner's anthem at its end is not played over a melody.
TEST(Noises, AReviewStepSoundsByTheOptions) {
    for (auto [reviewAudio, noises, sounds] : {tuple{"Come nel Gioco", "Si", true}, {"Interrompi la Musica", "Si", true},
                                               {"Spegni i Rumori", "Si", false}, {"Come nel Gioco", "No", false}}) {
        SoundBench b({{O::ReviewAudio, reviewAudio}, {O::GameNoises, noises}});
        if (sounds) b.draw(3, 4);
        b.w.noises.reviewStep(1);
        EXPECT_EQ(std::pair(b.last(), b.m.sounds.lblInterdiciSuoni), std::pair(sounds ? noise("Carta3.wav") : "", false));
    }
    SoundBench b;
    std::tie(b.m.game.lblManche, b.m.game.lblPuntiPC, b.m.window.lblPC.ForeColor) = tuple(10, 75, colour::RED);
    b.t.TimerFermaBrano.enable();
    b.draw(1, 4);
    b.w.noises.SuonaAnalisi(4);
    EXPECT_EQ(std::tuple(b.media.commands(Player::mmcRumori), b.last()), std::tuple(std::vector<std::string>{"Close"}, ""));
}

// ---------------------------------------------------------------- whole games

// Each clip on the noise player keeps the lock for its length: the next one starts no earlier,
// except the final remark, which frees the lock itself.
TEST(WholeGames, ClipsNeverOverlap) {
    SimulationSettings settings;  // "Pettegolo", "Assai nervoso"
    settings.set(GameEnd::LastTrick);
    settings.maxDelayMs = 8000;  // slow enough for the impatience clock
    Simulation sim(settings);
    MediaLog log([&] { return sim.headless.scheduler.nowMs(); });
    sim.headless.platform.media = &log;
    for (int game = 0; game < 4; ++game) sim.playGame();
    const auto clips = log.playedWithTime(Player::mmcRumori);
    int remarks = 0, impatient = 0;
    for (size_t i = 0; i + 1 < clips.size(); ++i) {
        const std::string& file = clips[i].second;
        const std::string name = file.substr(file.rfind('\\') + 1), group = name.substr(0, name.size() - 6);
        int lock = name.rfind("carta", 0) == 0 ? 270 : name.rfind("Presa", 0) == 0 ? 568 : 262;  // 262: the shortest card
        if (remarkText(file)) lock = audio::remarkLockMs(group, std::stoi(name.substr(name.size() - 6, 2)));
        if (remarkText(file)) ++(group == "Impaz" ? impatient : remarks);
        const std::string& next = clips[i + 1].second;  // only the final remark may cut a clip
        EXPECT_TRUE(clips[i + 1].first - clips[i].first >= lock || next.find("\\Fine\\") != std::string::npos) << file << next;
    }
    EXPECT_GT(remarks, 20);
    EXPECT_GT(impatient, 0);
}
