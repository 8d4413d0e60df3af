// The noises in Rumori and ZELVO's remarks in Commenti: every file the game
// plays is there, is a PCM WAV file, is not silent, and lasts no longer than the
// sound lock it holds (a remark at least 60% of it, so that the lock does not
// leave a long silence); a remark has no click and is not spoken faster than
// people speak; the text table has the words of every remark.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "audio/remarks_text.h"
#include "audio/tables.h"

namespace {

const std::filesystem::path kDatiSuoni = ZELVO_BUILD_DATA_DIR;

// What the tests need to know about a sound file, as libsndfile reads it.
struct Wav {
    int canali = 0;
    int campionamento = 0;  // samples per second
    double secondi = 0;
    double picco = 0;  // largest absolute sample, 0..1
    double rms = 0;    // root mean square of the samples, 0..1
    std::vector<double> campioni;  // the first channel
};

// A RIFF/WAVE file of uncompressed PCM; nothing for anything else.
std::optional<Wav> leggiWav(const std::filesystem::path& p) {
    SF_INFO info{};
    SNDFILE* f = sf_open(p.c_str(), SFM_READ, &info);
    if (!f) return std::nullopt;
    const int tipo = info.format & SF_FORMAT_SUBMASK;
    const bool pcm = tipo == SF_FORMAT_PCM_16 || tipo == SF_FORMAT_PCM_24 || tipo == SF_FORMAT_PCM_32 ||
                     tipo == SF_FORMAT_PCM_U8;
    if ((info.format & SF_FORMAT_TYPEMASK) != SF_FORMAT_WAV || !pcm || info.frames <= 0) {
        sf_close(f);
        return std::nullopt;
    }
    Wav w;
    w.canali = info.channels;
    w.campionamento = info.samplerate;
    w.secondi = double(info.frames) / info.samplerate;
    std::vector<double> campioni(static_cast<std::size_t>(info.frames) * info.channels);
    const sf_count_t letti = sf_read_double(f, campioni.data(), static_cast<sf_count_t>(campioni.size()));
    sf_close(f);
    double somma = 0;
    for (sf_count_t n = 0; n < letti; ++n) {
        w.picco = std::max(w.picco, std::fabs(campioni[n]));
        somma += campioni[n] * campioni[n];
    }
    if (letti > 0) w.rms = std::sqrt(somma / double(letti));
    for (sf_count_t n = 0; n + info.channels <= letti; n += info.channels) w.campioni.push_back(campioni[n]);
    return w;
}

// Seconds from the first to the last sample above 2% of the peak: the words without
// the silence around them.
double spokenSeconds(const Wav& w) {
    const auto above = [&](double v) { return std::fabs(v) >= 0.02 * w.picco; };
    const auto a = std::find_if(w.campioni.begin(), w.campioni.end(), above);
    const auto b = std::find_if(w.campioni.rbegin(), w.campioni.rend(), above);
    if (a == w.campioni.end()) return 0;
    return double(std::distance(a, b.base())) / w.campionamento;
}

// Clicks: a jump between neighbouring samples larger than the clip's normal
// high-frequency content. Two measures, each counting the samples that fail it:
// - the jump itself against the clip's normal jumps: more than six times the jump
//   that only one sample in a thousand exceeds;
// - what the jump puts above 9 kHz, where a voice recorded at 16 kHz has nothing at
//   all and any other voice only its breath: the clip filtered to that band (a
//   windowed-sinc high-pass) more than ten times the band's root mean square over the
//   clip and above -60 dBFS (well over the dither of a 16-bit file).
int clicks(const Wav& w) {
    const auto& x = w.campioni;
    if (x.size() < 2) return 0;
    std::vector<double> jumps(x.size() - 1);
    for (size_t n = 1; n < x.size(); ++n) jumps[n - 1] = std::fabs(x[n] - x[n - 1]);
    std::vector<double> sorted = jumps;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() * 999 / 1000, sorted.end());
    const double usual = sorted[sorted.size() * 999 / 1000];
    int n = int(std::count_if(jumps.begin(), jumps.end(), [&](double s) { return s > 6 * usual; }));

    constexpr int N = 101;
    const double fc = 9000.0 / w.campionamento;
    std::vector<double> h(N);
    for (int i = 0; i < N; ++i) {
        const int k = i - N / 2;
        const double window = 0.42 - 0.5 * std::cos(2 * M_PI * i / (N - 1)) + 0.08 * std::cos(4 * M_PI * i / (N - 1));
        const double lowPass = k == 0 ? 2 * fc : std::sin(2 * M_PI * fc * k) / (M_PI * k);
        h[i] = (k == 0 ? 1.0 : 0.0) - lowPass * window;
    }
    std::vector<double> high(x.size());
    double energy = 0;
    for (size_t m = 0; m < x.size(); ++m) {
        double v = 0;
        for (int i = 0; i < N; ++i) {
            const long j = long(m) + N / 2 - i;
            if (j >= 0 && j < long(x.size())) v += h[i] * x[j];
        }
        high[m] = v;
        energy += v * v;
    }
    const double band = std::sqrt(energy / double(x.size()));
    n += int(std::count_if(high.begin(), high.end(), [&](double v) { return std::fabs(v) > std::max(10 * band, 0.001); }));
    return n;
}

// ------------------------------------------------------------------ the text table

struct Gruppo {
    const char* nome;
    int file;
};
void PrintTo(const Gruppo& g, std::ostream* os) { *os << g.nome; }
const Gruppo kGruppi[] = {{"1v", 30}, {"1p", 24}, {"2v", 28}, {"2p", 24},
                          {"Impaz", 24}, {"Inizio", 24}, {"Fine", 13}, {"Esci", 9}};

std::string nomeFile(const char* gruppo, int n) {
    char b[32];
    std::snprintf(b, sizeof b, "%s%02d", gruppo, n);
    return b;
}

TEST(TestiCommenti, HoldEveryRemarkOnceInFileOrder) {
    std::vector<std::string> attesi;
    for (const Gruppo& g : kGruppi)
        for (int n = 1; n <= g.file; ++n) attesi.push_back(nomeFile(g.nome, n));
    ASSERT_EQ(attesi.size(), 176u);

    const auto testi = zelvo::remarkTexts();
    ASSERT_EQ(testi.size(), attesi.size());
    std::set<std::string> parole;
    for (std::size_t k = 0; k < testi.size(); ++k) {
        EXPECT_EQ(testi[k].file, attesi[k]);
        ASSERT_NE(testi[k].words, nullptr) << attesi[k];
        const std::string t = testi[k].words;
        EXPECT_GE(t.size(), 4u) << attesi[k];
        EXPECT_TRUE(parole.insert(t).second) << attesi[k] << " repeats \"" << t << "\"";
    }
}

// The Italian voice reads Latin-1 text: every character of a remark must be
// ASCII or a two-byte UTF-8 letter of U+00A0..U+00FF, and no double quote,
// which would end the text early in the voice's script.
bool soloLatino1(const std::string& t) {
    for (std::size_t i = 0; i < t.size(); ++i) {
        const unsigned char c = t[i];
        if (c == '"' || c == '\\' || (c < 0x20)) return false;
        if (c < 0x80) continue;
        if ((c != 0xC2 && c != 0xC3) || i + 1 >= t.size()) return false;
        const unsigned char d = t[++i];
        if (d < 0x80 || d > 0xBF || (c == 0xC2 && d < 0xA0)) return false;
    }
    return true;
}

TEST(TestiCommenti, UseOnlyCharactersTheVoiceReads) {
    const struct {
        const char* words;
        bool valido;
    } casi[] = {
        {"Però è già così", true}, {"Ciao!", true}, {"l'ultima", true},
        {"l\u2019ultima", false}, {"tre\u2026", false}, {"un \"carico\"", false}, {"a\\b", false},
        {"riga\nnuova", false}, {"\xC3", false},
    };
    for (const auto& c : casi) EXPECT_EQ(soloLatino1(c.words), c.valido) << c.words;
    for (const zelvo::RemarkText& t : zelvo::remarkTexts())
        EXPECT_TRUE(soloLatino1(t.words)) << t.file << ": \"" << t.words << "\"";
}

TEST(TestiCommenti, SpeakOfWhatTheFileIsPlayedFor) {
    // The figure files name the figure, the suit files the suit of the player's
    // card, and the end-of-game files say who won.
    const struct {
        const char* file;
        const char* parola;
    } casi[] = {
        {"1v19", "Fante"}, {"1v20", "Fante"}, {"1v21", "Cavallo"}, {"1v22", "Cavallo"},
        {"1v23", "Re"}, {"1v24", "Re"},
        {"2v21", "enari"}, {"2v22", "enari"}, {"2v23", "oppe"}, {"2v24", "oppa"},
        {"2v25", "pade"}, {"2v26", "pada"}, {"2v27", "aston"}, {"2v28", "aston"},
        {"2v11", "riscola"}, {"2v17", "riscolina"}, {"2p13", "carico"}, {"1v13", "carico"},
        {"Fine01", "vinto io"}, {"Fine04", "vinto"}, {"Fine07", "hai vinto"}, {"Fine11", "hai vinto"},
        {"Fine13", "Pari"}, {"Inizio19", "Hai vinto tu"}, {"Inizio13", "Ho vinto io"},
        {"Esci01", "Ciao"}, {"Esci09", "continua"},
    };
    for (const auto& c : casi) {
        const char* t = zelvo::remarkText(c.file);
        ASSERT_NE(t, nullptr) << c.file;
        EXPECT_NE(std::string(t).find(c.parola), std::string::npos) << c.file << ": \"" << t << "\"";
    }
}

TEST(TestiCommenti, CountSyllablesAsTheyAreSpoken) {
    const struct {
        const char* text;
        int syllables;
    } cases[] = {
        {"Questa presa è mia, grazie!", 8}, {"briscola", 3}, {"tuoi", 1}, {"Più", 1}, {"c'era", 2},
        {"Quanto ci vuoi pensare ancora?", 10}, {"Guarda", 2}, {"aereo", 4}, {"ZELVO", 2}, {"", 0},
        {"...!?", 0}, {"Già", 1}, {"perché", 2},
    };
    for (const auto& c : cases) EXPECT_EQ(zelvo::countSyllables(c.text), c.syllables) << c.text;
}

TEST(TestiCommenti, AreFoundByNameByFileOrByTheGamesPath) {
    const char* t = zelvo::remarkText("1p01");
    ASSERT_NE(t, nullptr);
    const struct {
        const char* nome;
        bool trovato;
    } casi[] = {
        {"1p01", true}, {"1p01.wav", true}, {"1P01.WAV", true},
        {"C:\\Programmi\\Zelvo\\Commenti\\1p\\1p01.wav", true}, {"Commenti/1p/1p01.wav", true},
        {"1p1", false}, {"1p00", false}, {"1p25", false}, {"1v31", false}, {"Fine14", false},
        {"Esci10", false}, {"Impaz", false}, {"", false}, {".wav", false}, {"1p01.mid", false},
    };
    for (const auto& c : casi) {
        const char* r = zelvo::remarkText(c.nome);
        if (c.trovato) {
            EXPECT_STREQ(r, t) << c.nome;
        } else {
            EXPECT_EQ(r, nullptr) << c.nome;
        }
    }
    EXPECT_STREQ(zelvo::remarkText("Impaz23"), zelvo::remarkTexts()[30 + 24 + 28 + 24 + 22].words);
}

// ------------------------------------------------------------------ the remark clips

// The time a remark clip may last: its lock, as the game holds it. Inizio05 also follows a
// drawn game, with 2800 ms, so the clip must fit the shorter lock; the farewells (Esci01-06)
// hold no lock, but the program closes 1500 ms after one starts.
int durataMassima(const std::string& gruppo, int n) {
    if (gruppo == "Esci" && n <= 6) return 1500;
    if (gruppo == "Inizio" && n == 5) return 2800;
    return zelvo::audio::remarkLockMs(gruppo, n);
}

class ClipCommento : public ::testing::TestWithParam<Gruppo> {};

TEST_P(ClipCommento, IsASpokenWavLastingSixtyToHundredPercentOfItsLockAtANaturalPaceWithoutClicks) {
    const Gruppo g = GetParam();
    ASSERT_EQ(zelvo::audio::filesInGroup(g.nome), g.file);
    for (int n = 1; n <= g.file; ++n) {
        const std::string nome = nomeFile(g.nome, n);
        const auto p = kDatiSuoni / "Commenti" / g.nome / (nome + ".wav");
        const auto w = leggiWav(p);
        ASSERT_TRUE(w) << p << " is missing or not a PCM WAV file";
        const double limite = durataMassima(g.nome, n) / 1000.0;
        ASSERT_GT(limite, 0) << nome;
        EXPECT_LE(w->secondi, limite) << nome << ": \"" << zelvo::remarkText(nome) << "\"";
        EXPECT_GE(w->secondi, 0.6 * limite) << nome << ": \"" << zelvo::remarkText(nome) << "\"";
        EXPECT_EQ(w->canali, 1) << nome;
        EXPECT_GE(w->campionamento, 16000) << nome;
        // Speech, normalised: loud peaks and a voice all through, not a silent file.
        EXPECT_GT(w->picco, 0.5) << nome;
        EXPECT_GT(w->rms, 0.03) << nome;
        // No faster than about seven syllables a second.
        const double spoken = spokenSeconds(*w);
        ASSERT_GT(spoken, 0) << nome;
        EXPECT_LE(zelvo::countSyllables(zelvo::remarkText(nome)) / spoken, 7.0)
            << nome << ": \"" << zelvo::remarkText(nome) << "\" in " << spoken << " s";
        EXPECT_EQ(clicks(*w), 0) << nome;
    }
}

INSTANTIATE_TEST_SUITE_P(Gruppi, ClipCommento, ::testing::ValuesIn(kGruppi),
                         [](const auto& info) { return std::string("g") + info.param.nome; });

// ------------------------------------------------------------------ the noises

struct Rumore {
    const char* file;
    double minimo;  // seconds
    double massimo;
};
// The longest a noise may last is its lock time; the review's fanfares hold no
// lock and stay short enough not to delay the next game.
const Rumore kRumori[] = {
    {"liscio.wav", 0.08, 0.338}, {"fante.wav", 0.08, 0.338},  {"cavallo.wav", 0.08, 0.360},
    {"re.wav", 0.08, 0.376},     {"tre.wav", 0.08, 0.262},    {"asso.wav", 0.08, 0.356},
    {"carta1.wav", 0.08, 0.270}, {"carta2.wav", 0.08, 0.270}, {"carta3.wav", 0.08, 0.270},
    {"carta4.wav", 0.08, 0.270}, {"Presa1.wav", 0.2, 0.568},  {"Presa2.wav", 0.2, 0.568},
    {"Mameli.wav", 1.5, 8.0},    {"GodSave.wav", 1.5, 8.0},
};

TEST(Noises, EveryNoiseIsAnAudibleWavNoLongerThanItsLock) {
    for (const Rumore& r : kRumori) {
        const auto p = kDatiSuoni / "Rumori" / r.file;
        const auto w = leggiWav(p);
        ASSERT_TRUE(w) << p << " is missing or not a PCM WAV file";
        EXPECT_LE(w->secondi, r.massimo) << r.file;
        EXPECT_GE(w->secondi, r.minimo) << r.file;
        EXPECT_GT(w->picco, 0.3) << r.file;
    }
}

TEST(Noises, HeavierCardsLandLouder) {
    const char* perPeso[] = {"liscio.wav", "fante.wav", "cavallo.wav", "re.wav", "tre.wav", "asso.wav"};
    double prima = 0;
    for (const char* f : perPeso) {
        const auto w = leggiWav(kDatiSuoni / "Rumori" / f);
        ASSERT_TRUE(w) << f;
        EXPECT_GT(w->rms, prima) << f << " is no louder than the lighter card before it";
        prima = w->rms;
    }
}

TEST(Noises, TheDealAndTrickNoisesDiffer) {
    // Four dealing noises and two sweeps, so that a game does not repeat one sound.
    const std::vector<std::vector<const char*>> gruppi = {
        {"carta1.wav", "carta2.wav", "carta3.wav", "carta4.wav"}, {"Presa1.wav", "Presa2.wav"}};
    for (const auto& g : gruppi) {
        std::set<std::string> contenuti;
        for (const char* f : g) {
            std::ifstream in(kDatiSuoni / "Rumori" / f, std::ios::binary);
            ASSERT_TRUE(in) << f;
            contenuti.insert(std::string(std::istreambuf_iterator<char>(in), {}));
        }
        EXPECT_EQ(contenuti.size(), g.size());
    }
}

}  // namespace
