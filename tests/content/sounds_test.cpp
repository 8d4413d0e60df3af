// The sounds the build makes, as the game plays them: every file the game names is
// there and plays; ZELVO's remarks fit their locks, keep a natural pace, are not
// silent and have no click; the noises fit their locks and heavier cards land louder.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <cmath>
#include <cstdio>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "audio/remarks_text.h"
#include "audio/tables.h"
#include "platform/media/mixer.h"
#include "support/files.h"

using namespace zelvo;

namespace {

const char* const GROUPS[] = {"1v", "1p", "2v", "2p", "Impaz", "Inizio", "Fine", "Esci"};

// A game's clip as libsndfile reads it: only an uncompressed PCM WAV file counts.
struct Clip {
    int channels = 0, rate = 0;
    double seconds = 0, peak = 0, rms = 0;
    std::vector<double> first;  // the first channel
};
std::optional<Clip> readClip(const std::string& gamePath) {
    SF_INFO info{};
    SNDFILE* f = sf_open(media::defaultPath(gamePath).c_str(), SFM_READ, &info);
    std::vector<double> all(f ? size_t(info.frames) * info.channels : 0);
    if (f) all.resize(size_t(sf_read_double(f, all.data(), sf_count_t(all.size())))), sf_close(f);
    const int sub = info.format & SF_FORMAT_SUBMASK;
    if ((info.format & SF_FORMAT_TYPEMASK) != SF_FORMAT_WAV || sub < SF_FORMAT_PCM_S8 || sub > SF_FORMAT_PCM_U8 || all.empty())
        return std::nullopt;
    Clip c{info.channels, info.samplerate, double(info.frames) / info.samplerate, 0, 0, {}};
    for (size_t n = 0; n < all.size(); ++n) {
        c.peak = std::max(c.peak, std::fabs(all[n]));
        c.rms += all[n] * all[n] / double(all.size());
        if (n % info.channels == 0) c.first.push_back(all[n]);
    }
    c.rms = std::sqrt(c.rms);
    return c;
}

// Seconds from the first to the last sample above 2% of the peak: the words without the silence around them.
double spokenSeconds(const Clip& c) {
    const auto above = [&](double v) { return std::fabs(v) >= 0.02 * c.peak; };
    const auto a = std::find_if(c.first.begin(), c.first.end(), above);
    const auto b = std::find_if(c.first.rbegin(), c.first.rend(), above);
    return a == c.first.end() ? 0 : double(b.base() - a) / c.rate;
}

// Clicks, as samples that fail either of two measures: a jump between neighbours more than
// six times the jump only one in a thousand exceeds; or, above 9 kHz (where a voice recorded
// at 16 kHz has nothing and any other voice only its breath; a windowed-sinc high-pass),
// more than ten times that band's root mean square over the clip and above -60 dBFS.
int clicks(const Clip& c) {
    const auto& x = c.first;
    std::vector<double> jumps(x.size() - 1);
    for (size_t n = 1; n < x.size(); ++n) jumps[n - 1] = std::fabs(x[n] - x[n - 1]);
    std::vector<double> sorted = jumps;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() * 999 / 1000, sorted.end());
    const double usual = sorted[sorted.size() * 999 / 1000];
    int n = int(std::count_if(jumps.begin(), jumps.end(), [&](double s) { return s > 6 * usual; }));
    constexpr int N = 101;
    const double fc = 9000.0 / c.rate;
    std::vector<double> h(N), high(x.size());
    for (int i = 0, k = -N / 2; i < N; ++i, ++k)
        h[i] = (k == 0) - (k == 0 ? 2 * fc : std::sin(2 * M_PI * fc * k) / (M_PI * k)) *
                              (0.42 - 0.5 * std::cos(2 * M_PI * i / (N - 1)) + 0.08 * std::cos(4 * M_PI * i / (N - 1)));
    double energy = 0;
    for (size_t m = 0; m < x.size(); ++m) {
        for (int i = 0; i < N; ++i)
            if (const long j = long(m) + N / 2 - i; j >= 0 && j < long(x.size())) high[m] += h[i] * x[j];
        energy += high[m] * high[m];
    }
    const double band = std::sqrt(energy / double(x.size()));
    return n + int(std::count_if(high.begin(), high.end(), [&](double v) { return std::fabs(v) > std::max(10 * band, 0.001); }));
}

}  // namespace

// Every remark, noise, fanfare and tune the game can ask for, named through the game's own
// tables, is below the data folder and sounds through the players. The noises last no longer
// than the lock they hold (the review's fanfares hold none, and stay short enough not to
// delay the next game), no two are the same, and heavier cards land louder.
TEST(Sounds, EveryFileTheGameNamesPlaysAndTheNoisesFitTheirLocks) {
    std::vector<std::tuple<std::string, double, double>> noises;  // the file, its shortest and longest in seconds
    for (int v : {2, 8, 12, 16, 40, 44}) noises.push_back({audio::cardNoise(v).file, 0.08, audio::cardNoise(v).ms / 1000.0});
    for (int r = 1; r <= 4; ++r) noises.push_back({audio::dealNoise(r), 0.08, audio::DEAL_NOISE_MS / 1000.0});
    for (int r = 1; r <= 2; ++r) noises.push_back({audio::takingNoise(r), 0.2, audio::TAKING_NOISE_MS / 1000.0});
    for (int points : {0, 61}) noises.push_back({audio::reviewNoise(2, 20, 1, false, points, false), 1.5, 8.0});
    std::set<std::string> names{audio::ENGLISH_ANTHEM_FILE, audio::ITALIAN_ANTHEM_FILE, audio::THEME_FILE};
    for (const char* g : GROUPS)
        for (int n = 1; n <= audio::filesInGroup(g); ++n) names.insert(audio::remarkFile(g, n));
    for (int n = 1; n <= audio::SONG_COUNT; ++n) names.insert(audio::songFile(n));
    for (const auto& [file, shortest, longest] : noises) names.insert(file);
    media::Mixer m;
    for (const std::string& name : names) {  // four seconds are enough to know a tune plays and sounds
        const media::Probe p = media::probeFile(m, Player::mmcRumori, name, 4.0);
        EXPECT_TRUE(p.isOpen && p.peak > 0.01f) << name;
    }
    double lighter = 0;
    std::set<std::vector<double>> distinct;
    for (size_t k = 0; k < noises.size(); ++k) {
        const auto& [file, shortest, longest] = noises[k];
        SCOPED_TRACE(file);
        const auto c = readClip(file);
        ASSERT_TRUE(c);
        EXPECT_TRUE(c->seconds >= shortest && c->seconds <= longest && c->peak > 0.3) << c->seconds << " s, peak " << c->peak;
        EXPECT_TRUE(distinct.insert(c->first).second) << "the same as another noise";
        if (k < 6) { EXPECT_GT(c->rms, std::exchange(lighter, c->rms)) << "no louder than a lighter card"; }
    }
}

// A remark lasts 60-100% of its lock, so that the lock leaves no long silence. Inizio05 also
// follows a drawn game, with 2800 ms; the farewells (Esci01-06) hold no lock, but the program
// closes 1500 ms after one starts.
TEST(Sounds, RemarksFitTheirLocksAtANaturalPaceAndHaveNoClick) {
    std::set<std::string> texts;
    for (const std::string g : GROUPS)
        for (int n = 1; n <= audio::filesInGroup(g); ++n) {
            const std::string file = audio::remarkFile(g, n);
            const char* text = remarkText(file);
            ASSERT_NE(text, nullptr) << file;
            SCOPED_TRACE(file + ": \"" + text + "\"");
            EXPECT_TRUE(texts.insert(text).second) << "the same words as another remark";
            const auto c = readClip(file);
            ASSERT_TRUE(c);
            const double lock =
                (g == "Esci" && n <= 6 ? 1500 : g == "Inizio" && n == 5 ? 2800 : audio::remarkLockMs(g, n)) / 1000.0;
            EXPECT_TRUE(c->seconds <= lock && c->seconds >= 0.6 * lock) << c->seconds;
            // One channel of at least 16 kHz, a normalised voice all through.
            EXPECT_TRUE(c->channels == 1 && c->rate >= 16000 && c->peak > 0.5 && c->rms > 0.03)
                << c->channels << " channels, " << c->rate << " Hz, peak " << c->peak << ", rms " << c->rms;
            const double spoken = spokenSeconds(*c);
            EXPECT_LE(countSyllables(text) / spoken, 7.0) << spoken << " s";  // about seven syllables a second at most
            EXPECT_EQ(clicks(*c), 0);
        }
}

// Three games rendered as the window sounds them, and again with the music alone: no sample
// at full scale (the file is 16-bit) and the peak at most -1 dBFS; each noise stands 6 dB over
// the music under it, comparing at its loudest 50 ms (within 300 ms of its start, before the
// next clip) what the whole mix has more than the music alone with the music there.
TEST(Sounds, TheMixKeepsHeadroomAndEveryNoiseStandsOverTheMusic) {
    const test::TempFolder dir;
    std::filesystem::create_directories(dir.path + "/music");
    std::filesystem::create_directory_symlink(ZELVO_BUILD_DATA_DIR "/Musiche", dir.path + "/music/Musiche");
    nlohmann::json clips;
    auto render = [&](const std::string& name, const std::string& data) {
        const std::string wav = dir.path + "/" + name + ".wav";
        const test::Output out = test::run(std::string(ZELVO_ENGINE) + " match --games 3 --seed 5 --audio-out " + wav + data);
        if (data.empty()) clips = nlohmann::json::parse(out.text, nullptr, false)["audio"]["clips"];
        SF_INFO info{};
        SNDFILE* f = sf_open(wav.c_str(), SFM_READ, &info);
        std::vector<float> v(f ? size_t(info.frames) * 2 : 0);
        if (f) sf_read_float(f, v.data(), sf_count_t(v.size())), sf_close(f);
        EXPECT_TRUE(out.status == 0 && f && info.channels == 2 && info.samplerate == 44100) << name;
        return v;
    };
    const std::vector<float> whole = render("whole", ""), music = render("music", " --audio-data " + dir.path + "/music");
    ASSERT_TRUE(whole.size() == music.size() && clips.is_array());
    const float peak = std::fabs(*std::ranges::max_element(whole, {}, [](float x) { return std::fabs(x); }));
    EXPECT_LT(peak, 32767.0f / 32768.0f);
    EXPECT_LE(20 * std::log10(peak), -1.0);
    std::vector<std::pair<size_t, std::string>> noises;  // the first frame and the file of each clip of mmcRumori
    for (const auto& c : clips)
        if (c["player"] == "mmcRumori") noises.emplace_back(size_t(c["ms"].get<int64_t>()) * 441 / 10, c["file"]);
    constexpr size_t WINDOW = 2205;  // 50 ms
    int measured = 0;
    double least = 1e9;
    for (size_t k = 0; k < noises.size(); ++k) {
        const auto& [start, file] = noises[k];
        if (file.find("\\Rumori\\") == std::string::npos) continue;
        const size_t end = std::min({whole.size() / 2, start + 13230, k + 1 < noises.size() ? noises[k + 1].first : SIZE_MAX});
        double noise = 0, under = 0;
        for (size_t a = start; a + WINDOW <= end; a += WINDOW / 5) {
            double n = 0, m = 0;
            for (size_t i = 2 * a; i < 2 * (a + WINDOW); ++i) n += std::pow(whole[i] - music[i], 2), m += std::pow(music[i], 2);
            if (n > noise) noise = n, under = m;
        }
        if (under < 1e-8 * WINDOW) continue;  // no music under it
        ++measured;
        least = std::min(least, 10 * std::log10(noise / under));
        EXPECT_GE(10 * std::log10(noise / under), 6.0) << file << " at " << start / 44.1 << " ms";
    }
    EXPECT_GT(measured, 20);
    std::printf("3 games: peak %.2f dBFS; %d noises over the music by %.1f dB at least\n", 20 * std::log10(peak),
                measured, least);
}
