// The real media players with no audio device: paths, decoding, the mixer, the
// limiter, the device's stream, the WAV sink, the virtual and the window's players;
// and zelvo-engine match --audio-out, a whole game rendered into one WAV file.
#include <gtest/gtest.h>
#include <sndfile.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "audio/tables.h"
#include "platform/media/mixer.h"
#include "support/files.h"

using namespace zelvo;
using namespace zelvo::media;
namespace fs = std::filesystem;

namespace {

const std::string ROOT = "C:\\Programmi\\Zelvo\\";
constexpr Player R = Player::mmcRumori;
constexpr float G = CLIP_GAIN;            // a clip's sample comes out at this gain,
constexpr size_t D = PeakLimiter::DELAY;  // this many frames later

// A WAV file whose every sample is `level`, or a 441 Hz square wave of that level at 22050 Hz,
// or a ramp rising to it in the last frame.
enum Shape { FLAT, SQUARE, RAMP };
void writeWav(const std::string& file, int channels, int rate, size_t frames, float level, Shape shape = FLAT) {
    fs::create_directories(fs::path(file).parent_path());
    SF_INFO info{0, rate, channels, SF_FORMAT_WAV | SF_FORMAT_FLOAT, 0, 0};
    SNDFILE* sf = sf_open(file.c_str(), SFM_WRITE, &info);
    std::vector<float> data(frames * channels);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = shape == RAMP ? level * float(i / channels + 1) / float(frames) : shape == FLAT || (i / 25) % 2 ? level : -level;
    sf_writef_float(sf, data.data(), static_cast<sf_count_t>(frames));
    sf_close(sf);
}

// A one-track MIDI file of `notes` legato quarter notes at 120 beats a minute (0.5 s each).
void writeMidi(const std::string& file, int notes) {
    fs::create_directories(fs::path(file).parent_path());
    std::string ev{0x00, char(0xC0), 0x00, 0x00, char(0x90), 60, 90};
    for (int i = 1; i <= notes; ++i) {  // a beat later the note ends and the next begins
        ev += {char(0x83), 0x60, char(0x80), char(60 + (i - 1) % 12), 0, 0x00};
        ev += i < notes ? std::string{char(0x90), char(60 + i % 12), 90} : std::string{char(0xFF), 0x2F, 0x00};
    }
    auto be32 = [](uint32_t v) { return std::string{char(v >> 24), char(v >> 16), char(v >> 8), char(v)}; };
    std::ofstream(file, std::ios::binary) << "MThd" << be32(6) << std::string("\x00\x00\x00\x01\x01\xE0", 6) << "MTrk"
                                          << be32(ev.size()) << ev;
}

// The next `frames` frames of the mix, asked for `block` frames at a time; nothing past them is written.
std::vector<float> render(Mixer& m, size_t frames, size_t block = 0) {
    std::vector<float> out(frames * 2 + 1, 9.0f);
    for (size_t k = 0, n = block ? block : frames; k < frames; k += n) m.render(&out[2 * k], std::min(frames - k, n));
    EXPECT_EQ(out.back(), 9.0f) << "written past the frames asked for";
    out.pop_back();
    return out;
}

float peak(const std::vector<float>& v) { return std::fabs(*std::ranges::max_element(v, {}, [](float x) { return std::fabs(x); })); }

void start(MediaPlayers& m, Player l, const std::string& file) {
    m.FileName(l, file);
    for (const char* cmd : {"Open", "Prev", "Play"}) m.Command(l, cmd);
}

// A test's own scratch folder of sample files, removed at the end, and a mixer that plays from it.
struct Media : testing::Test {
    fs::path dir = fs::temp_directory_path() / ("zelvo-media-" + std::to_string(::getpid()) + "-" +
                                                testing::UnitTest::GetInstance()->current_test_info()->name());
    PathMap below = [d = dir.string()](const std::string& p) { return pathBelow(d, p); };
    Mixer m{below};
    Media() { fs::remove_all(dir), fs::create_directories(dir); }
    ~Media() override { fs::remove_all(dir); }
    std::string at(const std::string& name) const { return (dir / name).string(); }
};

}  // namespace

TEST_F(Media, GamePathsMapBelowTheDataFolderIgnoringCase) {
    writeWav(at("Commenti/1v/1V01.WAV"), 1, 44100, 10, 0.1f);
    writeWav(at("rumori/Presa1.wav"), 1, 44100, 10, 0.1f);
    const std::pair<std::string, std::string> rows[] = {
        {ROOT + "Commenti\\1v\\1v01.wav", at("Commenti/1v/1V01.WAV")},
        {"c:\\programmi\\zelvo\\RUMORI\\presa1.WAV", at("rumori/Presa1.wav")},
        {ROOT + "RUMORI\\\\.\\Presa1.wav", at("rumori/Presa1.wav")},  // empty and "." names are skipped
        {ROOT + "Rumori\\Presa2.wav", ""}, {ROOT + "Other\\rumori\\Presa1.wav", ""}, {ROOT + "Rumori", ""},
        {ROOT, ""}, {"D:\\Zelvo\\Rumori\\Presa1.wav", ""}, {ROOT + "..\\..\\etc\\passwd", ""}, {"", ""}};
    for (const auto& [game, real] : rows) EXPECT_EQ(pathBelow(dir.string(), game), real) << game;
}

TEST_F(Media, DecodingTurnsAnyLayoutIntoStereoAt44100AndRefusesDamagedFilesCalmly) {
    // Channels, rate, frames in the file, frames decoded; the longest is ten seconds long.
    const size_t rows[][4] = {{1, 44100, 1000, 1000}, {2, 44100, 1000, 1000}, {1, 22050, 22050, 44100},
                              {2, 11025, 110250, 441000}, {6, 44100, 500, 500}, {1, 48000, 48000, 44100}};
    for (const auto& [channels, rate, frames, decoded] : rows) {
        SCOPED_TRACE(testing::Message() << channels << " ch " << rate << " Hz");
        writeWav(at("t.wav"), int(channels), int(rate), frames, 0.25f);
        Samples s;
        ASSERT_TRUE(decodeAudio(at("t.wav"), s));
        EXPECT_NEAR(double(s.frame()), double(decoded), 2.0);
        const size_t mid = 2 * (s.frame() / 2);  // the middle keeps its level on both channels
        EXPECT_NEAR(s.data[mid], 0.25f, 0.01f);
        EXPECT_NEAR(s.data[mid + 1], 0.25f, 0.01f);
    }
    // Missing or damaged files are refused, so the player stays closed and silent; so does a tune
    // without a soundfont.
    std::ofstream(at("empty.wav")).close();
    std::ofstream(at("text.wav")) << "this is not a sound at all, just some text in a file";
    std::ofstream(at("cut.wav"), std::ios::binary) << std::string("RIFF\x24\x00\x00\x00WAVEfmt ", 16);
    writeWav(at("one.wav"), 1, 22050, 1, 0.5f);
    writeMidi(at("tune.mid"), 2);
    Mixer noFont(below, at("no.sf2"));
    Samples one;
    const bool decoded = decodeAudio(at("one.wav"), one);
    EXPECT_EQ(decoded, !one.data.empty());  // decoded only with something to play
    for (const std::string name : {"empty.wav", "text.wav", "cut.wav", "absent.wav", "tune.mid", ""}) {
        Samples s{{1.0f}};
        EXPECT_TRUE(!decodeAudio(at(name), s) && s.data.empty()) << name;
        start(noFont, R, name.empty() ? name : ROOT + name);
        noFont.Command(R, "Eject");
        EXPECT_FALSE(noFont.isOpen(R) || noFont.isPlaying(R)) << name;
        EXPECT_EQ(peak(render(noFont, 64)), 0.0f) << name;
    }
}

TEST_F(Media, AClipPlaysFromTheStartToItsEndAndACloseFadesItOut) {
    writeWav(at("Rumori/liscio.wav"), 2, 44100, 1000, 0.25f, RAMP);
    writeWav(at("flat.wav"), 2, 44100, 1000, 0.25f);
    writeWav(at("b.wav"), 1, 44100, 500, 0.125f);
    m.FileName(R, ROOT + "Rumori\\liscio.wav");
    m.Command(R, "Open");
    EXPECT_TRUE(m.isOpen(R) && !m.isPlaying(R) && m.quiet());
    EXPECT_EQ(peak(render(m, 100)), 0.0f);  // open, not playing: silence
    for (int round = 0; round < 2; ++round) {  // "Prev" and "Play" start it again from the beginning
        m.Command(R, "Prev");
        m.Command(R, "Play");
        EXPECT_TRUE(m.isPlaying(R) && !m.quiet());
        const auto a = render(m, 1200);
        for (size_t k = 0; k < 1200; ++k)
            ASSERT_FLOAT_EQ(a[2 * k + k % 2], k < D || k >= 1000 + D ? 0.0f : G * (0.25f * float(k - D + 1) / 1000.0f)) << k;
        EXPECT_TRUE(!m.isPlaying(R) && m.quiet());
    }
    // Cut short by "Close" early or near its end, it fades to silence within 256 frames, without a click.
    for (auto [played, block, fade] : {std::tuple{100, 100, 256}, {900, 500, 100}}) {
        start(m, R, ROOT + "flat.wav");
        render(m, played);
        m.Command(R, "Close");
        m.Command(R, "Close");
        const auto e = render(m, 500, block);
        for (size_t k = 1; k < 500; ++k)
            EXPECT_TRUE(std::fabs(e[2 * k] - e[2 * k - 2]) <= 0.01f && std::fabs(e[2 * k]) <= std::fabs(e[2 * k - 2]) &&
                        (k < fade + D || e[2 * k] + e[2 * k + 1] == 0.0f)) << played << " " << k << " " << e[2 * k];
        EXPECT_TRUE(!m.isOpen(R) && m.quiet());
    }
    // Two instances sound together; closing one leaves the other.
    start(m, R, ROOT + "flat.wav");
    start(m, Player::mmcUscita, ROOT + "b.wav");
    EXPECT_FLOAT_EQ(render(m, 100)[2 * D], G * 0.375f);
    m.Command(R, "Close");
    EXPECT_FLOAT_EQ(render(m, 350)[2 * 349], G * 0.125f);
    EXPECT_TRUE(m.isPlaying(Player::mmcUscita));
}

TEST_F(Media, MidiPlaysThroughTheSynthesiserEachInstanceOnItsOwnChannels) {
    if (!fs::exists(DEFAULT_SOUNDFONT)) GTEST_SKIP() << "no General MIDI soundfont installed";
    writeMidi(at("Musiche/MelPop01.mid"), 4);  // 2 s
    writeMidi(at("long.mid"), 12);             // 6 s
    const Probe p = probeFile(m, Player::mmcBrano, ROOT + "Musiche\\MelPop01.mid", 10.0);
    EXPECT_TRUE(p.isOpen && p.peak > 0.01f && std::fabs(p.seconds - 2.0) < 0.2) << p.peak << " " << p.seconds;
    // Two instances share the synthesiser: one closed, the other goes on alone, softer.
    start(m, Player::mmcBrano, ROOT + "long.mid");
    start(m, Player::mmcSigla, ROOT + "long.mid");
    const float together = peak(render(m, SAMPLE_RATE));
    m.Command(Player::mmcBrano, "Close");
    EXPECT_TRUE(m.isPlaying(Player::mmcSigla));
    const float alone = peak(render(m, SAMPLE_RATE / 2));
    EXPECT_TRUE(alone > 0.01f && alone < 0.8f * together) << alone << " " << together;
    m.Command(Player::mmcSigla, "Close");
    render(m, 1024);
    EXPECT_TRUE(peak(render(m, 1024)) == 0.0f && m.quiet());
}

TEST(MediaLimiter, NoSampleEverPassesTheCeilingAndQuietSoundPassesUntouched) {
    constexpr size_t N = 60000, SPIKE = 3000, NEVER = N;
    // The signal, and from when on the output is the input, DELAY frames later.
    const std::tuple<const char*, std::function<float(size_t)>, size_t> cases[] = {
        {"soft sine", [](size_t i) { return 0.6f * std::sin(0.05f * i); }, 0},
        {"loud sine", [](size_t i) { return 3.0f * std::sin(0.05f * i); }, NEVER},
        {"full-scale square", [](size_t i) { return (i / 50) % 2 ? 1.0f : -1.0f; }, NEVER},
        // The gain is back within a second of the last peak.
        {"a spike on a steady level", [](size_t i) { return i == SPIKE ? 5.0f : 0.5f; }, SPIKE + SAMPLE_RATE},
        {"a burst, then soft", [](size_t i) { return (i < 2000 ? 2.0f : 0.3f) * std::sin(0.02f * i); }, 2000 + SAMPLE_RATE},
    };
    for (const auto& [name, signal, whole] : cases) {
        SCOPED_TRACE(name);
        PeakLimiter limiter;
        std::vector<float> in(2 * N);
        for (size_t i = 0; i < N; ++i) in[2 * i] = in[2 * i + 1] = signal(i);
        std::vector<float> out = in;
        for (size_t a = 0; a < N; a += 512) limiter.process(out.data() + 2 * a, std::min<size_t>(512, N - a));
        // The loudest sample reaches the ceiling exactly when the input passes it.
        EXPECT_TRUE(peak(out) <= LIMIT_CEILING * 1.00001f && peak(out) >= std::min(peak(in), LIMIT_CEILING) - 1e-3f) << peak(out);
        for (size_t i = D + 1; i < N; ++i) {
            const float now = in[2 * (i - D)], before = in[2 * (i - D) - 2];
            EXPECT_TRUE(i < whole + D || std::fabs(out[2 * i] - now) < 1e-5f) << i;
            // The gain slides down before a peak and back up after it, never jumping: no click.
            EXPECT_TRUE(std::fabs(now) < 0.1f || std::fabs(before) < 0.1f ||
                        std::fabs(out[2 * i] / now - out[2 * i - 2] / before) <= 0.02f) << i;
        }
    }
    PeakLimiter limiter;
    // Idle once the last sound, here on one channel, has left the look-ahead.
    std::vector<float> y(2 * 100, 0.0f);
    y[2 * 90] = 0.5f;
    for (bool idle : {false, true}) {
        limiter.process(y.data(), 100);
        EXPECT_EQ(limiter.idle(), idle);
        std::fill(y.begin(), y.end(), 0.0f);
    }
}

TEST_F(Media, TheDeviceStreamStopsWhileNothingSoundsAndStartsWhenAPlayerStarts) {
    writeWav(at("Rumori/carta1.wav"), 1, 44100, 2000, 0.25f);
    using Orders = std::vector<bool>;
    Orders orders;
    DeviceStream stream(m, 4096, [&](bool on) { orders.push_back(on); });
    std::vector<float> block(2 * 1024);
    auto after = [&](int pulls) {
        while (pulls-- > 0) stream.pull(block.data(), 1024);
        return orders;
    };
    EXPECT_EQ(after(3), Orders{});  // 3072 frames of silence: not yet long enough
    EXPECT_EQ(after(1), Orders{false});
    EXPECT_FALSE(stream.running());
    EXPECT_EQ(after(2), Orders{false});  // a device that still asks changes nothing
    // A player starts: the stream starts at once and the clip is the very next thing pulled.
    start(m, R, ROOT + "Rumori\\carta1.wav");
    EXPECT_EQ(after(1), (Orders{false, true}));
    EXPECT_FLOAT_EQ(block[2 * D], G * 0.25f);
    // It runs while the clip sounds and stops once the silence after it is long enough.
    EXPECT_EQ(after(1), (Orders{false, true}));
    EXPECT_EQ(after(5), (Orders{false, true, false}));
    m.Command(Player::mmcBrano, "Play");  // nothing open: wakes nothing
    EXPECT_EQ(after(0), (Orders{false, true, false}));
}

// The virtual players render into a WAV file, which appears only when finished.
TEST_F(Media, VirtualTimeSoundsEachClipAtItsMomentFromTheClocksStart) {
    writeWav(at("Rumori/re.wav"), 1, 44100, 441, 0.5f);  // 10 ms
    WavSink sink(at("game.wav")), nowhere(at("no/such/folder.wav"));
    int64_t now = 2000;  // the virtual clock does not start at 0
    VirtualPlayers v(m, sink, [&] { return now; });
    for (int64_t t : {3000, 3500}) now = t, start(v, R, ROOT + "Rumori\\re.wav");
    v.advanceTo(now = 4000);
    v.advanceTo(1000);  // the past: nothing more
    EXPECT_EQ(v.renderedUntil(), 4000);
    WavSink(at("abandoned.wav")).write(std::vector<float>(200, 0.5f).data(), 100);  // never finished
    EXPECT_FALSE(fs::exists(at("game.wav")) || fs::exists(at("abandoned.wav")) || fs::exists(at("abandoned.wav.part")));
    EXPECT_TRUE(sink.close() && sink.framesWritten() == 2u * SAMPLE_RATE && !fs::exists(at("game.wav.part")));
    EXPECT_FALSE(nowhere.ok() || nowhere.close());
    Samples s;
    ASSERT_TRUE(decodeAudio(at("game.wav"), s) && s.frame() == 2u * SAMPLE_RATE);
    // Seconds after the first rendered moment, and the level there: the clip at 1 s and again at 1.5 s.
    const std::pair<double, float> rows[] = {{0.999, 0.0f},  {1.0, 0.5f}, {1.0099, 0.5f}, {1.0101, 0.0f},
                                             {1.4999, 0.0f}, {1.5, 0.5f}, {1.9, 0.0f}};
    for (auto [seconds, level] : rows) EXPECT_NEAR(s.data[2 * (size_t(seconds * SAMPLE_RATE) + D)], G * level, 1e-4) << seconds;
}

TEST_F(Media, TheWindowsPlayersCarryOutOrdersInTurn) {
    writeWav(at("Rumori/tre.wav"), 1, 44100, 1000, 0.25f);
    writeWav(at("Rumori/asso.wav"), 1, 44100, 1000, 0.5f);
    writeWav(at("long.wav"), 1, 11025, 11025 * 10, 0.5f);  // ten seconds to resample
    AsyncPlayers a(m, false);
    for (const char* f : {"tre.wav", "asso.wav"}) start(a, R, ROOT + "Rumori\\" + f);
    a.waitIdle();
    // The second clip closed the first before it sounded: only its own level sounds.
    EXPECT_FLOAT_EQ(render(m, D + 10)[2 * D], G * 0.5f);
    // Waiting waits for the order in hand too, here one still opening when the wait begins.
    a.FileName(Player::mmcBrano, ROOT + "long.wav");
    a.Command(Player::mmcBrano, "Open");
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    a.waitIdle();
    EXPECT_TRUE(m.isOpen(Player::mmcBrano));
    for (int i = 0; i < 200; ++i) a.Command(Player::mmcBrano, "Close");  // dropped without harm at the end
}

// A whole game with the test's own clips (square waves of known levels, a little longer than
// their locks) and melodies: the file's loudness right after each moment the game asked for a
// clip. A file that cannot be written is refused calmly.
TEST_F(Media, AWholeGameFromTheMatchToolSoundsEachClipAtItsMoment) {
    EXPECT_EQ(zelvo::test::run(ZELVO_ENGINE " match --games 1 --audio-out /nonexistent-folder/x.wav 2>&1").status, 1);
    auto real = [&](std::string game) {
        std::replace(game.begin(), game.end(), '\\', '/');
        return at("data/" + game.substr(ROOT.size()));
    };
    for (const char* g : {"1v", "1p", "2v", "2p", "Impaz", "Inizio", "Fine", "Esci"})
        for (int n = 1; n <= audio::filesInGroup(g); ++n) writeWav(real(audio::remarkFile(g, n)), 1, 22050, 13230, 0.3f, SQUARE);
    std::vector<std::string> noises{audio::takingNoise(1), audio::takingNoise(2)};
    for (int v : {2, 8, 12, 16, 40, 44}) noises.push_back(audio::cardNoise(v).file);
    for (int r = 1; r <= 4; ++r) noises.push_back(audio::dealNoise(r));
    for (const std::string& n : noises) writeWav(real(n), 1, 22050, 5512, 0.2f, SQUARE);
    for (int n = 1; n <= audio::SONG_COUNT; ++n) writeMidi(real(audio::songFile(n)), 24);  // 12 s

    const std::string cmd = std::string(ZELVO_ENGINE) + " match --games 1 --seed 5 --audio-out " + at("game.wav") +
                            " --audio-data " + at("data") + " > " + at("game.json");
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    const auto out = nlohmann::json::parse(std::ifstream(at("game.json")), nullptr, false);
    Samples a;
    ASSERT_TRUE(!out.is_discarded() && out.contains("audio") && decodeAudio(at("game.wav"), a));
    const double seconds = double(a.frame()) / SAMPLE_RATE;
    EXPECT_NEAR(seconds, out["audio"]["seconds"].get<double>(), 0.01);
    auto rms = [&](double fromMs, double toMs) {
        const size_t i0 = size_t(fromMs * SAMPLE_RATE / 1000), i1 = std::min(a.frame(), size_t(toMs * SAMPLE_RATE / 1000));
        double s = 0;
        for (size_t i = 2 * i0; i < 2 * i1; ++i) s += a.data[i] * a.data[i];
        return i1 > i0 ? std::sqrt(s / (2.0 * (i1 - i0))) : 0.0;
    };
    EXPECT_EQ(rms(0, 440), 0.0);  // nothing before the first step of the deal
    int remarks = 0, others = 0;
    int64_t melody = -1, last = 0;
    for (const auto& clip : out["audio"]["clips"]) {
        const int64_t ms = clip["ms"];
        const std::string file = clip["file"];
        last = std::max(last, ms);
        if (clip["player"] == "mmcBrano") {
            if (melody < 0) melody = ms;
        } else {  // every clip at the same gain over the melody well below it, the remarks' tones louder
            const bool remark = file.find("\\Commenti\\") != std::string::npos;
            EXPECT_NEAR(rms(ms + 2.0, ms + 150.0), (remark ? 0.3 : 0.2) * G, 0.1 * G) << file << " at " << ms;
            ++(remark ? remarks : others);
        }
    }
    EXPECT_TRUE(remarks > 5 && others > 20 && seconds * 1000 >= last + 5000.0) << remarks << " " << others << " " << seconds;
    // The melody starts at the end of the deal and goes on under the noises and remarks.
    EXPECT_EQ(melody, 8 * 450);
    for (int64_t t = melody + 100; fs::exists(DEFAULT_SOUNDFONT) && t < melody + 11000; t += 250)
        EXPECT_GT(rms(double(t), t + 250.0), 0.001) << "melody silent at " << t;
}
