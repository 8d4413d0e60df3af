// zelvo-engine match --audio-out: a whole game rendered into one WAV file on the
// virtual clock, checked by the loudness of the file at the moments the game
// asked for its clips (with its own clips: tones of known levels), and the mix of
// the real content: headroom everywhere and every noise above the music under it.
#include <gtest/gtest.h>
#include <sndfile.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "audio/tables.h"
#include "platform/media/mixer.h"

namespace fs = std::filesystem;
using namespace zelvo;

namespace {

// A square wave of the given level and length, mono at 22050 Hz (so the player resamples it).
void tono(const fs::path& file, double seconds, float level) {
    fs::create_directories(file.parent_path());
    SF_INFO info{};
    info.samplerate = 22050;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* sf = sf_open(file.c_str(), SFM_WRITE, &info);
    ASSERT_NE(sf, nullptr) << file;
    std::vector<float> d(static_cast<size_t>(seconds * 22050));
    for (size_t i = 0; i < d.size(); ++i) d[i] = (i / 25) % 2 ? level : -level;  // 441 Hz
    sf_writef_float(sf, d.data(), static_cast<sf_count_t>(d.size()));
    sf_close(sf);
}

// `note` overlapping quarter notes (each held for two beats), so the melody never falls silent.
void melodia(const fs::path& file, int note) {
    fs::create_directories(file.parent_path());
    std::string ev;
    auto byte = [&ev](std::initializer_list<int> v) {
        for (int x : v) ev.push_back(static_cast<char>(x));
    };
    byte({0x00, 0xC0, 0x00, 0x00, 0x90, 60, 90});
    for (int i = 1; i < note; ++i) {
        byte({0x83, 0x60, 0x90, 60 + i % 12, 90});      // after a beat, the next note
        byte({0x00, 0x80, 60 + (i - 1) % 12, 0});       // and the one before ends
    }
    byte({0x83, 0x60, 0x80, 60 + (note - 1) % 12, 0, 0x00, 0xFF, 0x2F, 0x00});
    auto be32 = [](uint32_t v) { return std::string{char(v >> 24), char(v >> 16), char(v >> 8), char(v)}; };
    std::ofstream f(file, std::ios::binary);
    f << "MThd" << be32(6) << std::string("\x00\x00\x00\x01\x01\xE0", 6) << "MTrk" << be32(ev.size()) << ev;
}

fs::path real(const fs::path& root, const std::string& gioco) {
    std::string rest = gioco.substr(19);
    for (char& c : rest)
        if (c == '\\') c = '/';
    return root / rest;
}

struct Ascolto {
    std::vector<float> data;  // interleaved stereo
    int frequenza = 0;
    bool read(const fs::path& wav) {
        SF_INFO info{};
        SNDFILE* sf = sf_open(wav.c_str(), SFM_READ, &info);
        if (!sf || info.channels != 2) {
            if (sf) sf_close(sf);
            return false;
        }
        frequenza = info.samplerate;
        data.resize(static_cast<size_t>(info.frames) * 2);
        data.resize(static_cast<size_t>(std::max<sf_count_t>(sf_readf_float(sf, data.data(), info.frames), 0)) * 2);
        sf_close(sf);
        return true;
    }
    double rms(double daMs, double aMs) const {
        const size_t n = data.size() / 2;
        size_t i0 = static_cast<size_t>(std::max(0.0, daMs) * frequenza / 1000);
        size_t i1 = std::min(n, static_cast<size_t>(aMs * frequenza / 1000));
        if (i1 <= i0) return 0;
        double s = 0;
        for (size_t i = i0; i < i1; ++i) s += data[2 * i] * data[2 * i] + data[2 * i + 1] * data[2 * i + 1];
        return std::sqrt(s / (2.0 * (i1 - i0)));
    }
};

}  // namespace

TEST(AudioOut, AWholeGameSoundsEachClipAtItsMoment) {
    const fs::path dir = fs::temp_directory_path() / ("zelvo-audio-out-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    const fs::path data = dir / "dati";
    // Remarks at 0.3, noises at 0.2, each a little longer than its lock time.
    for (const char* g : {"1v", "1p", "2v", "2p", "Impaz", "Inizio", "Fine", "Esci"})
        for (int n = 1; n <= audio::filesInGroup(g); ++n) tono(real(data, audio::remarkFile(g, n)), 0.6, 0.3f);
    for (int v : {2, 8, 12, 16, 40, 44}) tono(real(data, audio::cardNoise(v).file), 0.25, 0.2f);
    for (int r = 1; r <= 4; ++r) tono(real(data, audio::dealNoise(r)), 0.25, 0.2f);
    for (int r = 1; r <= 2; ++r) tono(real(data, audio::takingNoise(r)), 0.25, 0.2f);
    for (int n = 1; n <= audio::SONG_COUNT; ++n) melodia(real(data, audio::songFile(n)), 24);  // 12 s

    const fs::path wav = dir / "partita.wav", json = dir / "partita.json";
    const std::string cmd = std::string(ZELVO_ENGINE) + " match --games 1 --seed 5 --audio-out " + wav.string() +
                            " --audio-data " + data.string() + " > " + json.string();
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    ASSERT_FALSE(fs::exists(wav.string() + ".part"));

    std::ifstream in(json);
    const auto out = nlohmann::json::parse(in, nullptr, false);
    ASSERT_FALSE(out.is_discarded());
    ASSERT_TRUE(out.contains("audio"));
    const auto& clips = out["audio"]["clips"];

    Ascolto a;
    ASSERT_TRUE(a.read(wav));
    const double seconds = static_cast<double>(a.data.size() / 2) / a.frequenza;
    EXPECT_NEAR(seconds, out["audio"]["seconds"].get<double>(), 0.01);

    // Nothing sounds before the first step of the deal.
    EXPECT_EQ(a.rms(0, 440), 0.0);

    int remarks = 0, rumori = 0;
    int64_t inizioMelodia = -1, ultimo = 0;
    for (const auto& c : clips) {
        const int64_t ms = c["ms"].get<int64_t>();
        const std::string file = c["file"], player = c["player"];
        ultimo = std::max(ultimo, ms);
        if (player == "mmcBrano") {
            if (inizioMelodia < 0) inizioMelodia = ms;
            continue;
        }
        // Right after each clip was asked for, its level is in the file; just before a
        // remark, only the melody (well below a clip) may sound.
        // Every clip is mixed at the same gain, the remarks' tones louder than the noises'.
        const bool remark = file.find("\\Commenti\\") != std::string::npos;
        const double dopo = a.rms(ms + 2, ms + 150);
        EXPECT_NEAR(dopo, (remark ? 0.3 : 0.2) * media::CLIP_GAIN, 0.1 * media::CLIP_GAIN) << file << " at " << ms;
        (remark ? remarks : rumori)++;
    }
    EXPECT_GT(remarks, 5);
    EXPECT_GT(rumori, 20);
    EXPECT_GE(seconds * 1000, ultimo + 5000.0);

    // The melody starts at the end of the deal and goes on under the noises and remarks.
    ASSERT_GT(inizioMelodia, 0);
    EXPECT_EQ(inizioMelodia, 8 * 450);
    if (fs::exists(media::DEFAULT_SOUNDFONT)) {
        for (int64_t t = inizioMelodia + 100; t < inizioMelodia + 11000; t += 250)
            EXPECT_GT(a.rms(static_cast<double>(t), t + 250.0), 0.001) << "melody silent at " << t;
    }
    fs::remove_all(dir);
}

// The real content as a player hears it: whole games, and the same games with only their
// music (the clips' folders left out, so the melodies sound at the same moments and
// nothing else). ZELVO_RENDER_GAMES sets how many games (one by default).
TEST(AudioOut, TheMixKeepsHeadroomAndEveryNoiseStandsOverTheMusic) {
    const fs::path content = ZELVO_BUILD_DATA_DIR;
    if (!fs::is_directory(content / "Rumori") || !fs::is_directory(content / "Musiche") ||
        !fs::exists(media::DEFAULT_SOUNDFONT))
        GTEST_SKIP() << "no content or no soundfont";
    const char* games = std::getenv("ZELVO_RENDER_GAMES");
    const std::string n = games && std::atoi(games) > 0 ? games : "1";
    const fs::path dir = fs::temp_directory_path() / ("zelvo-mix-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "music");
    fs::create_directory_symlink(content / "Musiche", dir / "music" / "Musiche");
    auto render = [&](const std::string& name, const std::string& data) {
        const std::string cmd = std::string(ZELVO_ENGINE) + " match --games " + n + " --seed 5 --audio-out " +
                                (dir / (name + ".wav")).string() + data + " > " + (dir / (name + ".json")).string();
        return std::system(cmd.c_str()) == 0;
    };
    ASSERT_TRUE(render("whole", ""));
    ASSERT_TRUE(render("music", " --audio-data " + (dir / "music").string()));
    Ascolto whole, music;
    ASSERT_TRUE(whole.read(dir / "whole.wav"));
    ASSERT_TRUE(music.read(dir / "music.wav"));
    ASSERT_EQ(whole.data.size(), music.data.size());
    std::ifstream in(dir / "whole.json");
    const auto out = nlohmann::json::parse(in, nullptr, false);
    ASSERT_FALSE(out.is_discarded());

    // Headroom: no sample at full scale (the file is 16-bit), the peak at most -1 dBFS.
    float peak = 0;
    size_t full = 0;
    for (float v : whole.data) {
        peak = std::max(peak, std::fabs(v));
        full += std::fabs(v) >= 32767.0f / 32768.0f;
    }
    EXPECT_EQ(full, 0u);
    EXPECT_LE(20 * std::log10(peak), -1.0);

    // Each noise over the music under it: at the noise's loudest 50 ms (within 300 ms of its
    // start, before the next clip), the energy of the noise (what the whole mix has more
    // than the music alone) against the music's in the same 50 ms.
    std::vector<std::pair<size_t, std::string>> noises;
    for (const auto& c : out["audio"]["clips"]) {
        const std::string file = c["file"];
        if (c["player"] == "mmcRumori")
            noises.emplace_back(static_cast<size_t>(c["ms"].get<int64_t>()) * whole.frequenza / 1000, file);
    }
    const size_t window = whole.frequenza / 20, frames = whole.data.size() / 2;
    std::vector<double> margins;
    for (size_t k = 0; k < noises.size(); ++k) {
        const auto& [start, file] = noises[k];
        if (file.find("\\Rumori\\") == std::string::npos) continue;
        size_t end = std::min(frames, start + static_cast<size_t>(whole.frequenza * 3 / 10));
        if (k + 1 < noises.size()) end = std::min(end, noises[k + 1].first);
        double noise = 0, under = 0;
        for (size_t a = start; a + window <= end; a += window / 5) {
            double r = 0, m = 0;
            for (size_t i = 2 * a; i < 2 * (a + window); ++i) {
                r += (whole.data[i] - music.data[i]) * (whole.data[i] - music.data[i]);
                m += music.data[i] * music.data[i];
            }
            if (r > noise) noise = r, under = m;
        }
        if (under < 1e-8 * window) continue;  // no music under it
        margins.push_back(10 * std::log10(noise / under));
        EXPECT_GE(margins.back(), 6.0) << file << " at " << start * 1000 / whole.frequenza << " ms";
    }
    ASSERT_GT(margins.size(), 20u);
    std::sort(margins.begin(), margins.end());
    std::printf("mix of %s games: peak %.2f dBFS, %zu samples at full scale; %zu noises over the music by %.1f dB "
                "at least, %.1f dB median\n",
                n.c_str(), 20 * std::log10(peak), full, margins.size(), margins.front(),
                margins[margins.size() / 2]);
    fs::remove_all(dir);
}

TEST(AudioOut, AnUnwritableFileIsRefusedCalmly) {
    const std::string cmd =
        std::string(ZELVO_ENGINE) + " match --games 1 --audio-out /nonexistent-folder/x.wav > /dev/null 2>&1";
    const int rc = std::system(cmd.c_str());
    EXPECT_TRUE(WIFEXITED(rc));
    EXPECT_EQ(WEXITSTATUS(rc), 1);
    EXPECT_FALSE(fs::exists("/nonexistent-folder/x.wav.part"));
}
