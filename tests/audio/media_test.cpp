// The real media players with no audio device: paths, decoding, mixing, the
// virtual-time rendering and the WAV file sink.
#include <gtest/gtest.h>
#include <sndfile.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/media.h"
#include "platform/media/mixer.h"
#include "audio/tables.h"

using namespace zelvo;
using namespace zelvo::media;
namespace fs = std::filesystem;

namespace {

// A scratch folder of the test's own sample files, removed at the end.
struct Cartella {
    fs::path dir;
    Cartella() {
        dir = fs::temp_directory_path() / ("zelvo-media-" + std::to_string(::getpid()) + "-" +
                                           testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~Cartella() { fs::remove_all(dir); }
    std::string operator/(const std::string& name) const { return (dir / name).string(); }
};

// A WAV file with the given channels and rate whose every sample is `value`.
void scriviWav(const std::string& file, int canali, int frequenza, size_t frame, float value) {
    fs::create_directories(fs::path(file).parent_path());
    SF_INFO info{};
    info.samplerate = frequenza;
    info.channels = canali;
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SNDFILE* sf = sf_open(file.c_str(), SFM_WRITE, &info);
    ASSERT_NE(sf, nullptr);
    std::vector<float> data(frame * canali, value);
    sf_writef_float(sf, data.data(), static_cast<sf_count_t>(frame));
    sf_close(sf);
}

// A one-track MIDI file: `note` quarter notes at 120 beats a minute (0.5 s each).
void scriviMidi(const std::string& file, int note) {
    fs::create_directories(fs::path(file).parent_path());
    std::string ev;
    auto byte = [&ev](std::initializer_list<int> v) {
        for (int x : v) ev.push_back(static_cast<char>(x));
    };
    byte({0x00, 0xC0, 0x00});
    for (int i = 0; i < note; ++i) {
        byte({0x00, 0x90, 60 + i % 12, 100});
        byte({0x83, 0x60, 0x80, 60 + i % 12, 0});  // 480 ticks later
    }
    byte({0x00, 0xFF, 0x2F, 0x00});
    auto be32 = [](uint32_t v) { return std::string{char(v >> 24), char(v >> 16), char(v >> 8), char(v)}; };
    std::ofstream f(file, std::ios::binary);
    f << "MThd" << be32(6) << std::string("\x00\x00\x00\x01\x01\xE0", 6) << "MTrk" << be32(ev.size()) << ev;
}

bool soundfont() { return fs::exists(DEFAULT_SOUNDFONT); }

std::vector<float> rendi(Mixer& m, size_t frame) {
    std::vector<float> out(frame * 2);
    m.render(out.data(), frame);
    return out;
}

class SinkMemoria final : public Sink {
public:
    void write(const float* s, size_t frame) override { data.insert(data.end(), s, s + frame * 2); }
    std::vector<float> data;
};

}  // namespace

// ---------------------------------------------------------------- paths

TEST(MediaPaths, GamePathsMapBelowTheDataFolderIgnoringCase) {
    Cartella c;
    scriviWav(c / "Commenti/1v/1V01.WAV", 1, 44100, 10, 0.1f);
    scriviWav(c / "rumori/Presa1.wav", 1, 44100, 10, 0.1f);
    const std::string root = c.dir.string();
    struct Caso {
        const char* gioco;
        std::string real;
    } casi[] = {
        {"C:\\Programmi\\Zelvo\\Commenti\\1v\\1v01.wav", c / "Commenti/1v/1V01.WAV"},
        {"c:\\programmi\\zelvo\\RUMORI\\presa1.WAV", c / "rumori/Presa1.wav"},
        {"C:\\Programmi\\Zelvo\\Rumori\\Presa2.wav", ""},          // absent
        {"C:\\Programmi\\Zelvo\\Rumori", ""},                       // a folder, not a file
        {"C:\\Programmi\\Zelvo\\", ""},
        {"D:\\Zelvo\\Rumori\\Presa1.wav", ""},                      // outside the root
        {"C:\\Programmi\\Zelvo\\..\\..\\etc\\passwd", ""},
        {"", ""},
    };
    for (auto& k : casi) EXPECT_EQ(pathBelow(root, k.gioco), k.real) << k.gioco;
}

// ---------------------------------------------------------------- decoding

TEST(MediaDecoding, ChannelsAndRatesBecomeStereoAt44100) {
    Cartella c;
    struct Caso {
        int canali, frequenza;
        size_t frame, attesi;
    } casi[] = {{1, 44100, 1000, 1000}, {2, 44100, 1000, 1000}, {1, 22050, 22050, 44100},
                {2, 11025, 11025, 44100}, {6, 44100, 500, 500}, {1, 48000, 48000, 44100}};
    for (auto& k : casi) {
        SCOPED_TRACE(testing::Message() << k.canali << " ch " << k.frequenza << " Hz");
        char name[32];
        std::snprintf(name, sizeof name, "t%d_%d.wav", k.canali, k.frequenza);
        const std::string f = c / name;
        scriviWav(f, k.canali, k.frequenza, k.frame, 0.25f);
        Samples s;
        ASSERT_TRUE(decodeAudio(f, s));
        EXPECT_NEAR(static_cast<double>(s.frame()), static_cast<double>(k.attesi), 2.0);
        // The middle of the clip keeps its level on both channels.
        const size_t mezzo = s.frame() / 2;
        EXPECT_NEAR(s.data[2 * mezzo], 0.25f, 0.01f);
        EXPECT_NEAR(s.data[2 * mezzo + 1], 0.25f, 0.01f);
    }
}

TEST(MediaDecoding, DamagedOrMissingFilesAreRefused) {
    Cartella c;
    std::ofstream(c / "vuoto.wav").close();
    std::ofstream(c / "testo.wav") << "this is not a sound at all, just some text in a file";
    std::ofstream(c / "mezzo.wav", std::ios::binary) << std::string("RIFF\x24\x00\x00\x00WAVEfmt ", 16);
    for (const char* name : {"vuoto.wav", "testo.wav", "mezzo.wav", "assente.wav"}) {
        Samples s;
        EXPECT_FALSE(decodeAudio(c / name, s)) << name;
        EXPECT_TRUE(s.data.empty());
    }
}

// ---------------------------------------------------------------- the mixer

// A clip's sample comes out at the clips' gain, D frames later (the limiter's look-ahead).
constexpr float G = CLIP_GAIN;
constexpr size_t D = PeakLimiter::DELAY;

TEST(MediaMixer, ClipPlaysFromTheStartUntilItsEnd) {
    Cartella c;
    scriviWav(c / "Rumori/liscio.wav", 2, 44100, 1000, 0.25f);
    Mixer m([&](const std::string& p) { return pathBelow(c.dir.string(), p); }, "");
    const Player R = Player::mmcRumori;
    m.FileName(R, "");
    m.Command(R, "Close");
    m.FileName(R, "C:\\Programmi\\Zelvo\\Rumori\\liscio.wav");
    m.Command(R, "Open");
    EXPECT_TRUE(m.isOpen(R));
    EXPECT_FALSE(m.isPlaying(R));
    auto prima = rendi(m, 100);  // opened, not playing: silence
    for (float v : prima) EXPECT_EQ(v, 0.0f);
    EXPECT_TRUE(m.quiet());
    m.Command(R, "Prev");
    m.Command(R, "Play");
    EXPECT_TRUE(m.isPlaying(R));
    EXPECT_FALSE(m.quiet());
    auto a = rendi(m, 600);
    for (size_t k = 0; k < 600; ++k) EXPECT_FLOAT_EQ(a[2 * k], k < D ? 0.0f : G * 0.25f) << k;
    auto b = rendi(m, 600);  // 400 frames left, then silence
    EXPECT_FLOAT_EQ(b[2 * (399 + D)], G * 0.25f);
    EXPECT_EQ(b[2 * (400 + D)], 0.0f);
    EXPECT_FALSE(m.isPlaying(R));
    EXPECT_TRUE(m.quiet());
    // "Prev" and "Play" start it again from the beginning.
    m.Command(R, "Prev");
    m.Command(R, "Play");
    auto d = rendi(m, 1000);
    EXPECT_FLOAT_EQ(d[2 * 999 + 1], G * 0.25f);
    // "Close" stops it without a click: it fades to silence in a few milliseconds; a
    // second "Close" is harmless.
    m.Command(R, "Prev");
    m.Command(R, "Play");
    rendi(m, 100);
    m.Command(R, "Close");
    m.Command(R, "Close");
    EXPECT_FALSE(m.isOpen(R));
    auto e = rendi(m, 441);
    for (size_t k = 1; k < 441; ++k) {
        EXPECT_LE(std::fabs(e[2 * k] - e[2 * k - 2]), 0.01f) << k;
        EXPECT_LE(std::fabs(e[2 * k]), std::fabs(e[2 * k - 2])) << k;
    }
    EXPECT_EQ(e[2 * 440], 0.0f);
    EXPECT_TRUE(m.quiet());
}

TEST(MediaMixer, MissingFilesAndStrangeCommandsAreSilent) {
    Cartella c;
    std::ofstream(c / "Rumori/rotto.wav") << "garbage";
    Mixer m([&](const std::string& p) { return pathBelow(c.dir.string(), p); }, "");
    for (const char* f : {"C:\\Programmi\\Zelvo\\Rumori\\assente.wav", "C:\\Programmi\\Zelvo\\Rumori\\rotto.wav", "",
                          "C:\\Programmi\\Zelvo\\Musiche\\MelPop01.mid"}) {
        m.FileName(Player::mmcRumori, f);
        m.Command(Player::mmcRumori, "Open");
        m.Command(Player::mmcRumori, "Prev");
        m.Command(Player::mmcRumori, "Play");
        m.Command(Player::mmcRumori, "Eject");
        EXPECT_FALSE(m.isOpen(Player::mmcRumori)) << f;
        for (float v : rendi(m, 64)) EXPECT_EQ(v, 0.0f);
    }
    // "Play" without "Open" does nothing either.
    m.Command(Player::mmcSigla, "Play");
    EXPECT_FALSE(m.isPlaying(Player::mmcSigla));
}

TEST(MediaMixer, InstancesSoundTogether) {
    Cartella c;
    scriviWav(c / "a.wav", 1, 44100, 500, 0.25f);
    scriviWav(c / "b.wav", 1, 44100, 500, 0.125f);
    Mixer m([&](const std::string& p) { return pathBelow(c.dir.string(), p); }, "");
    m.FileName(Player::mmcRumori, "C:\\Programmi\\Zelvo\\a.wav");
    m.FileName(Player::mmcUscita, "C:\\Programmi\\Zelvo\\b.wav");
    for (Player l : {Player::mmcRumori, Player::mmcUscita})
        for (const char* cmd : {"Open", "Prev", "Play"}) m.Command(l, cmd);
    auto a = rendi(m, 100);
    EXPECT_FLOAT_EQ(a[2 * D], G * 0.375f);
    // Closing one leaves the other playing.
    m.Command(Player::mmcRumori, "Close");
    auto b = rendi(m, 350);
    EXPECT_FLOAT_EQ(b[2 * 349], G * 0.125f);
    EXPECT_TRUE(m.isPlaying(Player::mmcUscita));
}

TEST(MediaMixer, MidiPlaysThroughTheSynthesizerForItsLength) {
    if (!soundfont()) GTEST_SKIP() << "no General MIDI soundfont installed";
    Cartella c;
    scriviMidi(c / "Musiche/MelPop01.mid", 4);  // four notes of 0.5 s
    Mixer m([&](const std::string& p) { return pathBelow(c.dir.string(), p); });
    Probe p = probeFile(m, Player::mmcBrano, "C:\\Programmi\\Zelvo\\Musiche\\MelPop01.mid", 10.0);
    EXPECT_TRUE(p.isOpen);
    EXPECT_GT(p.peak, 0.01f);
    EXPECT_GT(p.seconds, 1.8);
    EXPECT_LT(p.seconds, 2.6);
    // "Prev" after playing starts the melody again from its first note.
    m.FileName(Player::mmcBrano, "C:\\Programmi\\Zelvo\\Musiche\\MelPop01.mid");
    for (const char* cmd : {"Open", "Prev", "Play"}) m.Command(Player::mmcBrano, cmd);
    rendi(m, SAMPLE_RATE);
    m.Command(Player::mmcBrano, "Prev");
    m.Command(Player::mmcBrano, "Play");
    size_t frame = 0;
    while (m.isPlaying(Player::mmcBrano) && frame < 10u * SAMPLE_RATE) {
        rendi(m, 1024);
        frame += 1024;
    }
    EXPECT_GT(frame, 1.8 * SAMPLE_RATE);
}

TEST(MediaMixer, MidiPlayersShareTheSynthesizerWithoutTouchingEachOther) {
    if (!soundfont()) GTEST_SKIP() << "no General MIDI soundfont installed";
    Cartella c;
    scriviMidi(c / "lungo.mid", 12);  // 6 s
    Mixer m([&](const std::string& p) { return pathBelow(c.dir.string(), p); });
    for (Player l : {Player::mmcBrano, Player::mmcSigla}) {
        m.FileName(l, "C:\\Programmi\\Zelvo\\lungo.mid");
        for (const char* cmd : {"Open", "Prev", "Play"}) m.Command(l, cmd);
    }
    const auto peak = [](const std::vector<float>& v) {
        float p = 0;
        for (float x : v) p = std::max(p, std::fabs(x));
        return p;
    };
    const float together = peak(rendi(m, SAMPLE_RATE));
    // One of them closed: the other goes on, alone and softer.
    m.Command(Player::mmcBrano, "Close");
    EXPECT_TRUE(m.isPlaying(Player::mmcSigla));
    const float alone = peak(rendi(m, SAMPLE_RATE));
    EXPECT_GT(alone, 0.01f);
    EXPECT_LT(alone, 0.8f * together);
    m.Command(Player::mmcSigla, "Close");
    rendi(m, 1024);
    EXPECT_EQ(peak(rendi(m, 1024)), 0.0f);
    EXPECT_TRUE(m.quiet());
}

TEST(MediaMixer, MidiWithoutASoundfontIsSilent) {
    Cartella c;
    scriviMidi(c / "x.mid", 2);
    Mixer m([&](const std::string& p) { return pathBelow(c.dir.string(), p); }, c / "nessuno.sf2");
    Probe p = probeFile(m, Player::mmcBandiera, "C:\\Programmi\\Zelvo\\x.mid", 3.0);
    EXPECT_FALSE(p.isOpen);
    EXPECT_EQ(p.peak, 0.0f);
}

// ---------------------------------------------------------------- the limiter and the device's stream

TEST(MediaLimiter, NoSampleEverPassesTheCeilingAndQuietSoundPassesUntouched) {
    constexpr size_t N = 60000, SPIKE = 3000, NEVER = N;
    const struct {
        const char* name;
        std::function<float(size_t)> signal;
        size_t whole;  // from here on the output is the input, DELAY frames later
    } cases[] = {
        {"soft sine", [](size_t i) { return 0.6f * std::sin(0.05f * i); }, 0},
        {"loud sine", [](size_t i) { return 3.0f * std::sin(0.05f * i); }, NEVER},
        {"full-scale square", [](size_t i) { return (i / 50) % 2 ? 1.0f : -1.0f; }, NEVER},
        // The gain is back within a second of the last peak.
        {"a spike on a steady level", [](size_t i) { return i == SPIKE ? 5.0f : 0.5f; }, SPIKE + SAMPLE_RATE},
        {"a burst, then soft", [](size_t i) { return (i < 2000 ? 2.0f : 0.3f) * std::sin(0.02f * i); }, 2000 + SAMPLE_RATE},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        PeakLimiter limiter;
        std::vector<float> in(2 * N);
        for (size_t i = 0; i < N; ++i) in[2 * i] = in[2 * i + 1] = k.signal(i);
        std::vector<float> out = in;
        for (size_t a = 0; a < N; a += 512) limiter.process(out.data() + 2 * a, std::min<size_t>(512, N - a));
        float largest = 0;
        for (float v : out) largest = std::max(largest, std::fabs(v));
        EXPECT_LE(largest, LIMIT_CEILING * 1.00001f);
        for (size_t i = k.whole + PeakLimiter::DELAY; i < N; i += 7)
            EXPECT_NEAR(out[2 * i], in[2 * (i - PeakLimiter::DELAY)], 1e-5) << i;
    }
    // Around a spike the gain slides down and back up: the steady level on either side of
    // it moves by a small step from one sample to the next, never a click.
    PeakLimiter limiter;
    std::vector<float> x(2 * N, 0.5f);
    x[2 * SPIKE] = x[2 * SPIKE + 1] = 5.0f;
    limiter.process(x.data(), N);
    for (size_t i = PeakLimiter::DELAY + 1; i < N; ++i) {
        const size_t j = i - PeakLimiter::DELAY;
        if (j == SPIKE || j == SPIKE + 1) continue;
        EXPECT_LE(std::fabs(x[2 * i] - x[2 * i - 2]), 0.01f) << i;
    }
    EXPECT_NEAR(x[2 * (SPIKE + PeakLimiter::DELAY)], LIMIT_CEILING, 1e-3);
    // Silence held: idle once the last sound has left the look-ahead.
    std::vector<float> y(2 * 100, 0.0f);
    y[2 * 90] = 0.5f;
    limiter.process(y.data(), 100);
    EXPECT_FALSE(limiter.idle());
    std::fill(y.begin(), y.end(), 0.0f);
    limiter.process(y.data(), 100);
    EXPECT_TRUE(limiter.idle());
}

TEST(MediaDeviceStream, StopsWhileNothingSoundsAndStartsWhenAPlayerStarts) {
    Cartella c;
    scriviWav(c / "Rumori/carta1.wav", 1, 44100, 2000, 0.25f);
    Mixer m([&](const std::string& p) { return pathBelow(c.dir.string(), p); }, "");
    std::vector<bool> orders;
    DeviceStream stream(m, 4096, [&](bool on) { orders.push_back(on); });
    std::vector<float> block(2 * 1024);
    auto pull = [&](int times) {
        float peak = 0;
        for (int i = 0; i < times; ++i) {
            stream.pull(block.data(), 1024);
            for (float v : block) peak = std::max(peak, std::fabs(v));
        }
        return peak;
    };
    EXPECT_TRUE(stream.running());
    pull(3);  // 3072 frames of silence: not yet long enough
    EXPECT_TRUE(orders.empty());
    pull(1);
    EXPECT_EQ(orders, std::vector<bool>{false});
    EXPECT_FALSE(stream.running());
    pull(2);  // a device that still asks changes nothing
    EXPECT_EQ(orders.size(), 1u);
    // A player starts: the stream starts at once and the clip is the very next thing pulled.
    m.FileName(Player::mmcRumori, "C:\\Programmi\\Zelvo\\Rumori\\carta1.wav");
    for (const char* cmd : {"Open", "Prev", "Play"}) m.Command(Player::mmcRumori, cmd);
    EXPECT_EQ(orders, (std::vector<bool>{false, true}));
    stream.pull(block.data(), 1024);
    EXPECT_FLOAT_EQ(block[2 * D], G * 0.25f);
    // It runs while the clip sounds and stops once the silence after it is long enough.
    pull(1);
    EXPECT_EQ(orders.size(), 2u);
    pull(5);
    EXPECT_EQ(orders, (std::vector<bool>{false, true, false}));
    // "Play" on a player with nothing open wakes nothing.
    m.Command(Player::mmcBrano, "Play");
    EXPECT_EQ(orders.size(), 3u);
}

// ---------------------------------------------------------------- virtual time and sinks

TEST(MediaVirtualTime, EachClipSoundsAtItsVirtualMoment) {
    Cartella c;
    scriviWav(c / "Rumori/re.wav", 1, 44100, 441, 0.5f);  // 10 ms
    Mixer m([&](const std::string& p) { return pathBelow(c.dir.string(), p); }, "");
    SinkMemoria sink;
    int64_t ora = 2000;  // the virtual clock does not start at 0
    VirtualPlayers v(m, sink, [&] { return ora; });
    ora = 3000;
    v.FileName(Player::mmcRumori, "C:\\Programmi\\Zelvo\\Rumori\\re.wav");
    for (const char* cmd : {"Open", "Prev", "Play"}) v.Command(Player::mmcRumori, cmd);
    ora = 3500;
    v.Command(Player::mmcRumori, "Prev");
    v.Command(Player::mmcRumori, "Play");
    ora = 4000;
    v.advanceTo(ora);
    EXPECT_EQ(v.renderedUntil(), 4000);
    ASSERT_EQ(sink.data.size(), 2u * 2 * SAMPLE_RATE);
    // Seconds after the first rendered moment, and the level there: the clip at 1 s and again at 1.5 s.
    const std::pair<double, float> attesi[] = {{0.999, 0.0f}, {1.0, 0.5f},    {1.0099, 0.5f}, {1.0101, 0.0f},
                                               {1.4999, 0.0f}, {1.5, 0.5f},   {1.9, 0.0f}};
    for (auto [seconds, level] : attesi)
        EXPECT_FLOAT_EQ(sink.data[2 * (static_cast<size_t>(seconds * SAMPLE_RATE) + D)], G * level) << seconds;
    v.advanceTo(1000);  // the past: nothing more
    EXPECT_EQ(sink.data.size(), 2u * 2 * SAMPLE_RATE);
}

TEST(MediaSink, WavFileAppearsOnlyWhenFinished) {
    Cartella c;
    const std::string f = c / "partita.wav";
    {
        WavSink s(f);
        ASSERT_TRUE(s.ok());
        std::vector<float> blocco(2 * 1000, 0.5f);
        s.write(blocco.data(), 1000);
        s.write(blocco.data(), 1000);
        EXPECT_FALSE(fs::exists(f));
        EXPECT_TRUE(s.close());
        EXPECT_EQ(s.framesWritten(), 2000u);
    }
    EXPECT_FALSE(fs::exists(f + ".part"));
    SF_INFO info{};
    SNDFILE* sf = sf_open(f.c_str(), SFM_READ, &info);
    ASSERT_NE(sf, nullptr);
    EXPECT_EQ(info.frames, 2000);
    EXPECT_EQ(info.channels, 2);
    EXPECT_EQ(info.samplerate, SAMPLE_RATE);
    sf_close(sf);

    const std::string g = c / "abbandonata.wav";
    {
        WavSink s(g);  // never finished: nothing stays behind
        std::vector<float> blocco(20, 0.1f);
        s.write(blocco.data(), 10);
    }
    EXPECT_FALSE(fs::exists(g));
    EXPECT_FALSE(fs::exists(g + ".part"));

    WavSink nessuna(c / "cartella/che/non/esiste.wav");
    EXPECT_FALSE(nessuna.ok());
    EXPECT_FALSE(nessuna.close());
}

// ---------------------------------------------------------------- the installed content

TEST(InstalledContent, EveryWavAndMidiFileDecodes) {
    const fs::path root = ZELVO_BUILD_DATA_DIR;
    std::vector<fs::path> file;
    for (const char* cartella : {"Commenti", "Rumori", "Musiche"}) {
        std::error_code ec;
        if (!fs::is_directory(root / cartella, ec)) continue;
        for (fs::recursive_directory_iterator it(root / cartella, ec), end; !ec && it != end; it.increment(ec))
            if (it->is_regular_file()) file.push_back(it->path());
    }
    if (file.empty()) GTEST_SKIP() << "no content installed in " << root;
    const bool sf = soundfont();
    Mixer m([](const std::string& p) { return p; });  // the test names real files directly
    int wav = 0, midi = 0;
    for (const fs::path& p : file) {
        std::string est = p.extension().string();
        for (char& ch : est) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        if (est == ".wav") {
            Samples s;
            EXPECT_TRUE(decodeAudio(p.string(), s)) << p;
            EXPECT_GT(s.frame(), 0u) << p;
            ++wav;
        } else if (est == ".mid" && sf) {
            // A few seconds are enough to know it plays and sounds.
            Probe r = probeFile(m, Player::mmcBrano, p.string(), 3.0);
            EXPECT_TRUE(r.isOpen) << p;
            EXPECT_GT(r.peak, 0.0f) << p;
            ++midi;
        }
    }
    RecordProperty("wav", wav);
    RecordProperty("midi", midi);
    EXPECT_GT(wav + midi, 0);
}

TEST(InstalledContent, EveryFileTheGameNamesIsThere) {
    const fs::path root = ZELVO_BUILD_DATA_DIR;
    std::error_code ec;
    if (!fs::is_directory(root / "Commenti", ec) && !fs::is_directory(root / "Rumori", ec) &&
        !fs::is_directory(root / "Musiche", ec))
        GTEST_SKIP() << "no content installed in " << root;
    std::vector<std::string> nomi;
    for (const char* g : {"1v", "1p", "2v", "2p", "Impaz", "Inizio", "Fine", "Esci"})
        for (int n = 1; n <= audio::filesInGroup(g); ++n) nomi.push_back(audio::remarkFile(g, n));
    for (int v : {2, 8, 12, 16, 40, 44}) nomi.push_back(audio::cardNoise(v).file);
    for (int r = 1; r <= 4; ++r) nomi.push_back(audio::dealNoise(r));
    for (int r = 1; r <= 2; ++r) nomi.push_back(audio::takingNoise(r));
    for (const char* f : {"Carta1.wav", "Carta4.wav", "Mameli.wav", "GodSave.wav"})
        nomi.push_back(std::string("C:\\Programmi\\Zelvo\\Rumori\\") + f);
    for (int n = 1; n <= audio::SONG_COUNT; ++n) nomi.push_back(audio::songFile(n));
    for (const char* f : {audio::ENGLISH_ANTHEM_FILE, audio::ITALIAN_ANTHEM_FILE, audio::THEME_FILE,
                          "C:\\Programmi\\Zelvo\\Musiche\\ZlvSigla.Mid"})
        nomi.push_back(f);
    for (const std::string& n : nomi) {
        // Only the folders that are installed are checked, so each content part can land alone.
        const std::string cartella = n.substr(19, n.find('\\', 19) - 19);
        if (!fs::is_directory(root / cartella, ec)) continue;
        EXPECT_NE(defaultPath(n), "") << n;
    }
}

TEST(MediaWindowPlayers, OrdersAreCarriedOutInTurnByTheWorker) {
    Cartella c;
    scriviWav(c / "Rumori/tre.wav", 1, 44100, 1000, 0.25f);
    scriviWav(c / "Rumori/asso.wav", 1, 44100, 1000, 0.5f);
    Mixer m([&](const std::string& p) { return pathBelow(c.dir.string(), p); }, "");
    {
        AsyncPlayers a(m, false);
        for (const char* f : {"C:\\Programmi\\Zelvo\\Rumori\\tre.wav", "C:\\Programmi\\Zelvo\\Rumori\\asso.wav"}) {
            a.FileName(Player::mmcRumori, "");
            a.Command(Player::mmcRumori, "Close");
            a.FileName(Player::mmcRumori, f);
            for (const char* cmd : {"Open", "Prev", "Play"}) a.Command(Player::mmcRumori, cmd);
        }
        a.waitIdle();
        // The second clip closed the first before it sounded: only its own level sounds.
        EXPECT_FLOAT_EQ(rendi(m, D + 10)[2 * D], G * 0.5f);
        a.Command(Player::mmcRumori, "Close");
        a.waitIdle();
        EXPECT_FALSE(m.isOpen(Player::mmcRumori));
        // Orders still queued when the players go are dropped without harm.
        for (int i = 0; i < 200; ++i) a.Command(Player::mmcBrano, "Close");
    }
}
