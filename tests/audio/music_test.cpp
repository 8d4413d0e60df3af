// The melodies, their cycle of 21, the pause between them, and the anthems.
#include <algorithm>
#include <tuple>

#include "audio/tables.h"
#include "sound_bench.h"

using namespace zelvo;
using namespace zelvo::test;
using O = Option;
using Texts = std::vector<std::string>;

// A melody starts with its title, on its own player, never under the lock. Melody 6 stops 121 s
// after it starts (twice 60500 ms); the next follows after the pause of "Frequenza Musica:",
// unless it is "Mai" or an anthem has interrupted the music. With "Dopo un nuovo Gioco" the
// same melody comes again until a new game has begun.
TEST(Melodies, AMelodyPlaysTwiceItsIntervalAndTheNextFollowsByTheFrequency) {
    const char *const previous = "Dopo il brano precedente", *const newGame = "Dopo un nuovo Gioco";
    // The frequency, its pause, the music interrupted, the change of melody, the game: the melody after the pause.
    for (auto [frequency, pause, interrupted, change, game, following] :
         {std::tuple{"Sempre", 10, false, previous, 0, 9}, {"Spesso", 16000, false, previous, 0, 9},
          {"Ogni tanto", 32000, false, previous, 0, 9}, {"Raramente", 64000, false, previous, 0, 9},
          {"Mai", 0, false, previous, 0, 0}, {"Sempre", 10, true, previous, 0, 0}, {"Sempre", 10, false, newGame, 0, 6},
          {"Sempre", 10, false, newGame, 1, 9}}) {
        SoundBench b({{O::MusicFrequency, frequency}, {O::SongChange, change}});
        const SoundState& s = b.m.sounds;
        b.m.game.lblNumeroGioco = game;
        b.draw(6, 21);
        b.w.music.cmdSCegliBrano();
        const std::string title = "'La domenica andando alla Messa' - Melodia popolare del Trentino";
        EXPECT_EQ(std::tuple(b.media.commands(Player::mmcBrano), s.lblTitolo.Caption, s.lblTitoloInMemoria, s.lblTitolo.Top),
                  std::tuple(Texts{"Close", "Open", "Prev", "Play"}, title, title, 1440));
        EXPECT_EQ(std::tuple(s.lblTitolo.Visible, s.lblBranoTerminato, s.lblInterdiciSuoni, b.t.TimerFermaBrano.interval()),
                  std::tuple(true, false, false, 60500));
        b.m.sounds.lblMusicaInterrotta = interrupted;
        b.s.advance(121000 - 1);
        EXPECT_EQ(b.media.commands(Player::mmcBrano).size(), 4u) << frequency;
        b.s.advance(1);
        EXPECT_EQ(std::tuple(b.media.commands(Player::mmcBrano).back(), s.lblBranoTerminato, s.lblTitolo.Visible,
                             s.lblTitolo.Caption, b.t.TimerFrequenzaMusica.enabled()),
                  std::tuple("Close", true, false, "", pause > 0)) << frequency;
        if (following == 9) b.draw(9, 21);
        b.s.advance(std::max(pause, 1) - 1);
        EXPECT_EQ(b.media.played(Player::mmcBrano).size(), 1u);
        b.s.advance(following ? 1 : 200000);
        EXPECT_EQ(std::tuple(b.media.played(Player::mmcBrano), s.lblTitolo.Caption, s.lblConfrontaGiocoPerIlCambioDelBrano,
                             b.media.commands(Player::mmcBandiera)),
                  std::tuple(following ? Texts{audio::songFile(6), audio::songFile(following)} : Texts{audio::songFile(6)},
                             std::string(following ? audio::song(following).title : ""), game,
                             pause ? Texts{"Close"} : Texts{}))  // the pause closes the anthem's player too
            << frequency << " " << interrupted << " " << change << " " << game;
    }
}

// The 21 melodies without repeats, a melody heard in this cycle being drawn again; then the marks
// are cleared and a new cycle begins, never with the melody just heard.
TEST(Melodies, ACycleOfTwentyOneWithoutRepeats) {
    SoundBench b;
    SoundState& s = b.m.sounds;
    Texts cycle;
    for (int k = 1; k <= 21; ++k) {  // each pick after the second draws a melody heard before its new one
        for (int r : {k - 2, k})
            if (r > 0) b.draw(r, 21);
        b.w.music.cmdSCegliBrano();
        cycle.push_back(audio::songFile(k));
    }
    for (int r : {17, 21, 5}) b.draw(r, 21);  // 17 is spent on clearing the marks, 21 was just heard
    b.w.music.cmdSCegliBrano();
    cycle.push_back(audio::songFile(5));
    EXPECT_EQ(b.media.played(Player::mmcBrano), cycle);
    EXPECT_EQ(std::pair(s.lblNumeroBraniAscoltati, std::count(s.branoAscoltato.begin(), s.branoAscoltato.end(), true)),
              std::pair(1, 1L));
    b.w.music.FermaBrano();  // the review with the music off stops the melody
    EXPECT_EQ(std::tuple(b.media.commands(Player::mmcBrano).back(), b.t.TimerFermaBrano.enabled(), s.lblTitolo.Visible),
              std::tuple("Close", false, false));
}

// The first deal starts the music unless "Mai"; later deals resume it only after an anthem:
// the same melody from its start, or a new one by "Cambio Brano:" and whether it had ended.
// A change of "Frequenza Musica:" acts at once.
TEST(Melodies, AtTheDealAndWhenTheFrequencyChanges) {
    enum Outcome { New, Again, Nothing, Stop };
    const char *const game = "Dopo un nuovo Gioco", *const song = "Dopo il brano precedente";
    // A change of frequency (else a deal), before the first deal, melody 12 started, the frequency,
    // the change of melody, the music interrupted, the melody ended: the outcome.
    const std::tuple<bool, bool, bool, const char*, const char*, bool, bool, Outcome> rows[] = {
        {false, true, false, "Spesso", game, false, true, New},    {false, true, false, "Mai", game, false, true, Nothing},
        {false, false, true, "Spesso", game, true, false, New},    {false, false, true, "Spesso", song, true, false, Again},
        {false, false, true, "Spesso", song, true, true, New},     {false, false, true, "Spesso", song, false, true, Nothing},
        {false, false, true, "Mai", game, true, true, Nothing},    {true, false, true, "Sempre", game, false, true, Again},
        {true, true, false, "Sempre", game, false, true, Nothing}, {true, false, false, "Sempre", game, false, true, New},
        {true, false, true, "Spesso", game, false, true, Nothing}, {true, false, true, "Mai", game, false, false, Stop}};
    for (const auto& [frequencyChange, firstDeal, started, frequency, change, interrupted, ended, outcome] : rows) {
        SoundBench b({{O::MusicFrequency, frequency}, {O::SongChange, change}});
        SoundState& s = b.m.sounds;
        s.lblEtichettaAperturaGioco = !firstDeal;
        if (started) {
            std::tie(s.lblMusicaInterrotta, s.lblBranoTerminato, s.lblBranoInCorso, s.lblNumeroBraniAscoltati,
                     s.lblTitoloInMemoria) = std::tuple(interrupted, ended, 12, 1, audio::song(12).title);
            b.t.TimerFermaBrano.setInterval(audio::song(12).stopInterval);
            b.t.TimerFermaBrano.setEnabled(!interrupted && !ended);
            b.t.TimerFrequenzaMusica.enable();
            b.media.FileName(Player::mmcBrano, audio::songFile(12));  // the player still holds it
        }
        if (outcome == New) b.draw(7, 21);
        frequencyChange ? b.w.music.CambioFrequenza() : b.w.music.MusicaDistribuzione();
        const int n = outcome == New ? 7 : outcome == Again ? 12 : 0;  // the melody that plays
        EXPECT_EQ(std::pair(b.media.commands(Player::mmcBrano), b.media.played(Player::mmcBrano)),
                  std::pair(n ? Texts{"Close", "Open", "Prev", "Play"} : outcome == Stop ? Texts{"Close"} : Texts{},
                            n ? Texts{audio::songFile(n)} : Texts{}));
        EXPECT_EQ(std::tuple(s.lblTitolo.Caption, s.lblTitolo.Visible, b.t.TimerFermaBrano.enabled(),
                             b.t.TimerFrequenzaMusica.enabled(), frequencyChange || s.lblEtichettaAperturaGioco,
                             b.t.TimerFermaBrano.interval()),
                  std::tuple(std::string(n ? audio::song(n).title : ""), n > 0, n > 0, started && outcome != Stop, true,
                             n || started ? audio::song(n ? n : 12).stopInterval : 0)) << n;
    }
}

// An anthem stops the melody, keeping its title and place, and plays 10 ms later; when the
// flag is done the melody's title comes back, hidden, for the music that resumes at the deal.
TEST(Anthems, AnAnthemKeepsTheMelodyTitleAndPlaysTenMsLater) {
    for (const char* titles : {"Si", "No"}) {  // the English anthem with the titles shown, the Italian without
        const bool english = titles == std::string("Si");
        SoundBench b({{O::SongTitles, titles}});
        const SoundState& s = b.m.sounds;
        b.draw(10, 21);  // title at 1440
        b.w.music.cmdSCegliBrano();
        b.s.advance(5000);
        english ? b.w.music.InnoInglese() : b.w.music.InnoItaliano();
        EXPECT_EQ(s.lblTitolo.Caption, english ? "'God save the Queen' - Inno nazionale inglese"
                                               : "'Fratelli d'Italia' - Inno nazionale italiano");
        EXPECT_EQ(std::tuple(s.lblTitoloInMemoria, s.lblPosizioneTitolo, s.lblTitolo.Top, s.lblTitolo.Visible),
                  std::tuple(std::string(audio::song(10).title), 1440, 1550, english));
        EXPECT_EQ(std::tuple(s.lblMusicaInterrotta, b.media.commands(Player::mmcBrano).back(), b.t.TimerFermaBrano.enabled(),
                             b.t.TimerFrequenzaMusica.enabled()), std::tuple(true, "Close", false, false));
        b.s.advance(10);
        const std::string anthem = std::string("C:\\Programmi\\Zelvo\\Musiche\\") + (english ? "GodSave.mid" : "Mameli.mid");
        EXPECT_EQ(b.media.playedWithTime(Player::mmcBandiera).at(0), std::pair(int64_t{5010}, anthem));
        b.w.music.RipristinaTitolo();
        EXPECT_EQ(std::tuple(s.lblTitolo.Caption, s.lblTitolo.Top, s.lblTitolo.Visible),
                  std::tuple(std::string(audio::song(10).title), 1440, false));
    }
}
