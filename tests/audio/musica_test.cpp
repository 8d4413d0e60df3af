// The melodies, their cycle of 21, the pause between them and the anthems.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "audio/tables.h"
#include "banco.h"

using namespace zelvo;
using namespace zelvo::test;

namespace {

std::string melodia(int n) { return audio::songFile(n); }

}  // namespace

TEST(Melodies, StartingAMelody) {
    Banco b;
    b.opzione(index(Option::SongTitles), "Si");
    b.estrai(6, 21);
    b.w.music.cmdSCegliBrano();
    const SoundState& s = b.m().sounds;
    EXPECT_EQ(b.media.commands(Player::mmcBrano), (std::vector<std::string>{"Close", "Open", "Prev", "Play"}));
    EXPECT_EQ(b.ultimo(Player::mmcBrano), melodia(6));
    EXPECT_EQ(s.lblBranoInCorso, 6);
    EXPECT_EQ(s.lblNumeroBraniAscoltati, 1);
    EXPECT_EQ(s.lblContatoreBrano, 0);
    EXPECT_FALSE(s.lblBranoTerminato);
    EXPECT_TRUE(s.branoAscoltato[6]);
    EXPECT_EQ(s.lblTitolo.Caption, "'La domenica andando alla Messa' - Melodia popolare del Trentino");
    EXPECT_EQ(s.lblTitolo.Top, 1440);
    EXPECT_TRUE(s.lblTitolo.Visible);
    EXPECT_EQ(s.lblTitoloInMemoria, s.lblTitolo.Caption);
    EXPECT_TRUE(b.w.t.TimerFermaBrano.enabled());
    EXPECT_EQ(b.w.t.TimerFermaBrano.interval(), 60500);
    EXPECT_FALSE(b.m().sounds.lblInterdiciSuoni);  // music never takes the lock

    Banco senza;  // without option 13 the title stays hidden
    senza.opzione(index(Option::SongTitles), "No");
    senza.estrai(1, 21);
    senza.w.music.cmdSCegliBrano();
    EXPECT_FALSE(senza.m().sounds.lblTitolo.Visible);
    EXPECT_EQ(senza.m().sounds.lblTitolo.Top, 1550);
}

TEST(Melodies, MelodySixStopsAfterTwiceItsIntervalAndTheNextFollowsByTheFrequency) {
    struct Caso {
        const char* frequenza;
        int pausa;  // 0: never
    } casi[] = {{"Sempre", 10}, {"Spesso", 16000}, {"Ogni tanto", 32000}, {"Raramente", 64000}, {"Mai", 0}};
    for (auto& c : casi) {
        SCOPED_TRACE(c.frequenza);
        Banco b;
        b.opzione(index(Option::MusicFrequency), c.frequenza);
        b.opzione(index(Option::SongChange), "Dopo il brano precedente");
        b.opzione(index(Option::SongTitles), "Si");
        b.estrai(6, 21);
        b.w.music.cmdSCegliBrano();
        b.s.advance(121000 - 1);
        EXPECT_EQ(b.media.commands(Player::mmcBrano).size(), 4u);
        EXPECT_EQ(b.m().sounds.lblContatoreBrano, 1);
        b.s.advance(1);  // 121 s: stopped
        EXPECT_EQ(b.media.commands(Player::mmcBrano).back(), "Close");
        EXPECT_TRUE(b.m().sounds.lblBranoTerminato);
        EXPECT_FALSE(b.m().sounds.lblTitolo.Visible);
        EXPECT_EQ(b.m().sounds.lblTitolo.Caption, "");
        EXPECT_EQ(b.w.t.TimerFrequenzaMusica.enabled(), c.pausa > 0);
        if (c.pausa == 0) {
            b.s.advance(200000);
            EXPECT_EQ(b.media.played(Player::mmcBrano).size(), 1u);
            continue;
        }
        b.estrai(9, 21);
        b.s.advance(c.pausa - 1);
        EXPECT_EQ(b.media.played(Player::mmcBrano).size(), 1u);
        b.s.advance(1);
        EXPECT_EQ(b.ultimo(Player::mmcBrano), melodia(9));
        EXPECT_EQ(b.media.commands(Player::mmcBandiera), (std::vector<std::string>{"Close"}));
    }
}

TEST(Melodies, ACycleOfTwentyOneWithoutRepeatsThenANewCycle) {
    Banco b;
    b.casuale.libere = true;  // a seeded generator decides
    std::vector<int> ordine;
    for (int k = 0; k < 21; ++k) {
        b.w.music.cmdSCegliBrano();
        ordine.push_back(b.m().sounds.lblBranoInCorso);
        EXPECT_EQ(b.m().sounds.lblNumeroBraniAscoltati, k + 1);
    }
    EXPECT_EQ(std::set<int>(ordine.begin(), ordine.end()).size(), 21u);
    EXPECT_EQ(b.media.played(Player::mmcBrano).size(), 21u);
    for (int n = 1; n <= 21; ++n) EXPECT_TRUE(b.m().sounds.branoAscoltato[n]);

    // The 22nd: the marks are cleared and a new cycle starts, never with the melody just heard.
    b.w.music.cmdSCegliBrano();
    const int primo = b.m().sounds.lblBranoInCorso;
    EXPECT_NE(primo, ordine.back());
    EXPECT_EQ(b.m().sounds.lblNumeroBraniAscoltati, 1);
    int marcati = 0;
    for (int n = 1; n <= 21; ++n) marcati += b.m().sounds.branoAscoltato[n];
    EXPECT_EQ(marcati, 1);
}

TEST(Melodies, TheDrawAfterANewCycleSkipsTheMelodyJustHeard) {
    Banco b;
    auto& s = b.m().sounds;
    s.branoAscoltato.fill(true);
    s.lblNumeroBraniAscoltati = 21;
    s.lblBranoInCorso = 4;
    b.estrai(17, 21);  // wasted: the cycle is over
    b.estrai(4, 21);   // the melody just heard: drawn again
    b.estrai(11, 21);
    b.w.music.cmdSCegliBrano();
    EXPECT_EQ(b.media.played(Player::mmcBrano), (std::vector<std::string>{melodia(11)}));
    EXPECT_EQ(s.lblNumeroBraniAscoltati, 1);
    EXPECT_TRUE(b.casuale.coda.empty());
}

TEST(Melodies, HeardMelodiesAreDrawnAgain) {
    Banco b;
    auto& s = b.m().sounds;
    s.branoAscoltato[3] = s.branoAscoltato[8] = true;
    s.lblNumeroBraniAscoltati = 2;
    s.lblBranoInCorso = 8;
    b.estrai(3, 21);
    b.estrai(8, 21);
    b.estrai(20, 21);
    b.w.music.cmdSCegliBrano();
    EXPECT_EQ(b.ultimo(Player::mmcBrano), melodia(20));
    EXPECT_EQ(s.lblNumeroBraniAscoltati, 3);
}

TEST(Melodies, DopoUnNuovoGiocoRepeatsTheSameMelodyUntilANewGame) {
    Banco b;
    b.opzione(index(Option::MusicFrequency), "Sempre");
    b.opzione(index(Option::SongChange), "Dopo un nuovo Gioco");
    b.opzione(index(Option::SongTitles), "Si");
    b.m().game.lblNumeroGioco = 1;
    b.estrai(9, 21);  // 'Maddalena', stop interval 30600
    b.w.music.cmdSCegliBrano();
    b.estrai(14, 21);  // the first pause: the game number differs from the mark, so a new melody
    b.s.advance(2 * 30600 + 10);
    EXPECT_EQ(b.ultimo(Player::mmcBrano), melodia(14));
    EXPECT_EQ(b.m().sounds.lblConfrontaGiocoPerIlCambioDelBrano, 1);
    // Same game: melody 14 again and again, with no draw.
    const int intervallo = audio::song(14).stopInterval;
    for (int volta = 0; volta < 3; ++volta) {
        b.s.advance(2 * intervallo + 10);
        EXPECT_EQ(b.ultimo(Player::mmcBrano), melodia(14));
        EXPECT_EQ(b.m().sounds.lblTitolo.Caption, audio::song(14).title);
        EXPECT_TRUE(b.m().sounds.lblTitolo.Visible);
        EXPECT_FALSE(b.m().sounds.lblBranoTerminato);
    }
    const auto cmd = b.media.commands(Player::mmcBrano);
    EXPECT_EQ(std::vector<std::string>(cmd.end() - 5, cmd.end()),
              (std::vector<std::string>{"Close", "Close", "Open", "Prev", "Play"}));
    EXPECT_EQ(b.media.played(Player::mmcBrano).size(), 5u);
    // A new game: the next pause changes the melody.
    b.m().game.lblNumeroGioco = 2;
    b.estrai(2, 21);
    b.s.advance(2 * intervallo + 10);
    EXPECT_EQ(b.ultimo(Player::mmcBrano), melodia(2));
    EXPECT_TRUE(b.casuale.coda.empty());
}

TEST(Melodies, InterruptedMusicWaitsForTheNextDeal) {
    Banco b;
    b.opzione(index(Option::MusicFrequency), "Sempre");
    b.m().sounds.lblMusicaInterrotta = true;
    b.w.t.TimerFrequenzaMusica.setInterval(10);
    b.w.t.TimerFrequenzaMusica.enable();
    b.s.advance(10);
    EXPECT_TRUE(b.media.played(Player::mmcBrano).empty());
    EXPECT_EQ(b.media.commands(Player::mmcBandiera), (std::vector<std::string>{"Close"}));
}

// ---------------------------------------------------------------- at the deal

TEST(MusicAtTheDeal, FirstDealStartsTheMusicUnlessMai) {
    for (const char* f : {"Spesso", "Mai"}) {
        Banco b;
        b.opzione(index(Option::MusicFrequency), f);
        if (std::string(f) != "Mai") b.estrai(5, 21);
        b.w.music.MusicaDistribuzione();
        EXPECT_TRUE(b.m().sounds.lblEtichettaAperturaGioco);
        EXPECT_EQ(b.media.played(Player::mmcBrano).size(), std::string(f) == "Mai" ? 0u : 1u) << f;
    }
}

TEST(MusicAtTheDeal, LaterDealsResumeOrChangeOnlyAfterAnInterruption) {
    struct Caso {
        const char* cambio;
        bool interrotta, terminato;
        const char* atteso;  // "nuovo", "ripreso", "niente"
    } casi[] = {{"Dopo un nuovo Gioco", true, false, "nuovo"},
                {"Dopo un nuovo Gioco", true, true, "nuovo"},
                {"Dopo il brano precedente", true, false, "ripreso"},
                {"Dopo il brano precedente", true, true, "nuovo"},
                {"Dopo il brano precedente", false, false, "niente"},
                {"Dopo un nuovo Gioco", false, true, "niente"}};
    for (auto& c : casi) {
        SCOPED_TRACE(testing::Message() << c.cambio << " " << c.interrotta << " " << c.terminato);
        Banco b;
        b.opzione(index(Option::MusicFrequency), "Spesso");
        b.opzione(index(Option::SongChange), c.cambio);
        b.opzione(index(Option::SongTitles), "Si");
        auto& s = b.m().sounds;
        s.lblEtichettaAperturaGioco = true;
        s.lblMusicaInterrotta = c.interrotta;
        s.lblBranoTerminato = c.terminato;
        s.lblBranoInCorso = 12;
        s.branoAscoltato[12] = true;
        s.lblNumeroBraniAscoltati = 1;
        s.lblTitoloInMemoria = audio::song(12).title;
        b.w.t.TimerFermaBrano.setInterval(audio::song(12).stopInterval);
        const std::string atteso = c.atteso;
        if (atteso == "nuovo") b.estrai(7, 21);
        b.w.music.MusicaDistribuzione();
        if (atteso == "niente") {
            EXPECT_TRUE(b.media.entries().empty());
        } else if (atteso == "nuovo") {
            EXPECT_EQ(b.ultimo(Player::mmcBrano), melodia(7));
        } else {
            EXPECT_EQ(b.media.commands(Player::mmcBrano), (std::vector<std::string>{"Close", "Open", "Prev", "Play"}));
            EXPECT_EQ(s.lblTitolo.Caption, audio::song(12).title);
            EXPECT_TRUE(s.lblTitolo.Visible);
            EXPECT_TRUE(b.w.t.TimerFermaBrano.enabled());
            EXPECT_EQ(b.w.t.TimerFermaBrano.interval(), 46500);
            EXPECT_FALSE(s.lblBranoTerminato);
        }
        EXPECT_TRUE(b.casuale.coda.empty());
    }
}

// ---------------------------------------------------------------- anthems

TEST(Anthems, AnAnthemStoresTheMelodyTitleAndPlaysTenMsLater) {
    struct Caso {
        bool inglese;
        const char* file;
        const char* title;
    } casi[] = {{true, "C:\\Programmi\\Zelvo\\Musiche\\GodSave.mid", "'God save the Queen' - Inno nazionale inglese"},
                {false, "C:\\Programmi\\Zelvo\\Musiche\\Mameli.mid", "'Fratelli d'Italia' - Inno nazionale italiano"}};
    for (auto& c : casi) {
        Banco b;
        b.opzione(index(Option::SongTitles), "Si");
        b.opzione(index(Option::MusicFrequency), "Sempre");
        b.estrai(10, 21);  // title at 1440
        b.w.music.cmdSCegliBrano();
        b.s.advance(5000);
        if (c.inglese) b.w.music.InnoInglese();
        else b.w.music.InnoItaliano();
        const SoundState& s = b.m().sounds;
        EXPECT_EQ(s.lblTitoloInMemoria, audio::song(10).title);
        EXPECT_EQ(s.lblPosizioneTitolo, 1440);
        EXPECT_EQ(s.lblTitolo.Caption, c.title);
        EXPECT_EQ(s.lblTitolo.Top, 1550);
        EXPECT_TRUE(s.lblTitolo.Visible);
        EXPECT_TRUE(s.lblMusicaInterrotta);
        EXPECT_EQ(s.lblContatoreBrano, 0);
        EXPECT_EQ(b.media.commands(Player::mmcBrano).back(), "Close");
        EXPECT_FALSE(b.w.t.TimerFermaBrano.enabled());
        EXPECT_FALSE(b.w.t.TimerFrequenzaMusica.enabled());
        EXPECT_TRUE(b.media.commands(Player::mmcBandiera).empty());
        b.s.advance(9);
        EXPECT_TRUE(b.media.commands(Player::mmcBandiera).empty());
        b.s.advance(1);
        EXPECT_EQ(b.media.playedWithTime(Player::mmcBandiera),
                  (std::vector<std::pair<int64_t, std::string>>{{5010, c.file}}));
        EXPECT_EQ(b.media.commands(Player::mmcBandiera), (std::vector<std::string>{"Open", "Prev", "Play"}));
        EXPECT_FALSE(b.w.t.TimerIniziaInno.enabled());

        // The flag animation ends: the melody's title and place come back, hidden.
        b.w.music.RipristinaTitolo();
        EXPECT_EQ(s.lblTitolo.Caption, audio::song(10).title);
        EXPECT_EQ(s.lblTitolo.Top, 1440);
        EXPECT_FALSE(s.lblTitolo.Visible);
        // Leaving the end panel closes the anthem.
        b.w.music.ChiudiInno();
        EXPECT_EQ(b.media.commands(Player::mmcBandiera).back(), "Close");
    }
}

TEST(Anthems, StoppingTheMelodyForTheReview) {
    Banco b;
    b.opzione(index(Option::SongTitles), "Si");
    b.estrai(2, 21);
    b.w.music.cmdSCegliBrano();
    b.s.advance(40000);
    EXPECT_EQ(b.m().sounds.lblContatoreBrano, 1);
    b.w.music.FermaBrano();
    EXPECT_EQ(b.media.commands(Player::mmcBrano).back(), "Close");
    EXPECT_EQ(b.m().sounds.lblContatoreBrano, 0);
    EXPECT_FALSE(b.w.t.TimerFermaBrano.enabled());
    EXPECT_FALSE(b.m().sounds.lblTitolo.Visible);
}

// ---------------------------------------------------------------- noises

TEST(Noises, CardDealAndTrickNoisesThroughTheRoutines) {
    Banco b;
    struct Caso {
        int v;
        const char* file;
        int ms;
    } casi[] = {{2, "liscio.wav", 338}, {4, "liscio.wav", 338}, {7, "liscio.wav", 338}, {8, "fante.wav", 338},
                {12, "cavallo.wav", 360}, {16, "re.wav", 376}, {40, "tre.wav", 262}, {44, "asso.wav", 356}};
    for (auto& c : casi) {
        b.m().sounds.lblInterdiciSuoni = false;
        b.m().game.lblUltimaCartaGiocata = c.v;
        b.w.noises.SuonaCarta();
        EXPECT_EQ(b.ultimo(), rumore(c.file));
        EXPECT_EQ(b.w.t.TimerFineRumoreCarte.interval(), c.ms);
        EXPECT_TRUE(b.m().sounds.lblInterdiciSuoni);
    }
    b.m().sounds.lblInterdiciSuoni = false;
    for (int r = 1; r <= 4; ++r) {
        b.m().sounds.lblInterdiciSuoni = false;
        b.estrai(r, 4);
        b.w.noises.SuonaDistribuzione();
        EXPECT_EQ(b.ultimo(), rumore("carta" + std::to_string(r) + ".wav"));
    }
    // A second card dealt while the lock is held stays silent.
    const size_t prima = b.media.entries().size();
    b.w.noises.SuonaDistribuzione();
    EXPECT_EQ(b.media.entries().size(), prima);
    for (int r = 1; r <= 2; ++r) {
        b.m().sounds.lblInterdiciSuoni = false;
        b.estrai(r, 2);
        b.w.noises.SuonaPresa();
        EXPECT_EQ(b.ultimo(), rumore("Presa" + std::to_string(r) + ".wav"));
        EXPECT_EQ(b.w.t.TimerFineRumoreCarte.interval(), 568);
    }
}

TEST(Noises, ReviewNoiseTakesNoLock) {
    Banco b;
    b.m().window.lblPC.ForeColor = b.m().window.lblH.ForeColor = colour::WHITE;
    b.m().game.lblManche = 5;
    b.estrai(3, 4);
    b.w.noises.SuonaAnalisi(1);
    EXPECT_EQ(b.ultimo(), rumore("Carta3.wav"));
    EXPECT_FALSE(b.m().sounds.lblInterdiciSuoni);
    EXPECT_FALSE(b.w.t.TimerFineRumoreCarte.enabled());
    // Phase 3 after trick 18: the player is closed and nothing plays.
    b.m().game.lblManche = 19;
    b.estrai(1, 4);
    b.w.noises.SuonaAnalisi(3);
    EXPECT_EQ(b.media.played(Player::mmcRumori).size(), 1u);
    EXPECT_EQ(b.media.commands(Player::mmcRumori).back(), "Close");
    // The end sound with the names marked and the computer above 60.
    b.m().window.lblPC.ForeColor = colour::RED;
    b.m().game.lblManche = 10;
    b.m().game.lblPuntiPC = 75;
    b.estrai(2, 4);
    b.w.noises.SuonaAnalisi(4);
    EXPECT_EQ(b.ultimo(), rumore("GodSave.wav"));
}
