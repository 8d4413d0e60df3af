#pragma once
// The real media players: five instances that decode WAV clips (libsndfile,
// libsamplerate where the rate differs) and play MIDI files (one FluidSynth
// synthesiser with a General MIDI soundfont, shared by the instances, each on its
// own sixteen channels), mixed into one stereo stream that a sink pulls on
// demand: the audio device in the app, a WAV file for the match tool, nothing
// in tests. The clips and the music are mixed at fixed levels with headroom and
// pass a peak limiter, so the stream never clips. MIDI is timed by the samples
// rendered, so rendering is exact and can run faster than real time. A file that
// is missing or unreadable makes that clip silent; nothing is reported and
// nothing blocks.
#include <array>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/media.h"

namespace zelvo::media {

constexpr int SAMPLE_RATE = 44100;  // frames per second; every frame is two floats, left and right
extern const char* const DEFAULT_SOUNDFONT;

// The mix: every WAV clip is added at CLIP_GAIN and the synthesiser's output at
// MUSIC_GAIN, so that a card noise stands well above the music under it; the
// sum passes a limiter whose ceiling keeps every sample below -1 dBFS.
constexpr float CLIP_GAIN = 0.8f;
constexpr float MUSIC_GAIN = 0.2f;
constexpr float LIMIT_CEILING = 0.84f;  // -1.5 dBFS

// A look-ahead peak limiter for interleaved stereo: the gain falls smoothly over
// the LOOKAHEAD frames before a peak that would pass the ceiling, so that it
// reaches the ceiling exactly, and recovers within about a tenth of a second.
// Its output is DELAY frames behind its input.
class PeakLimiter {
public:
    static constexpr size_t LOOKAHEAD = 64;
    static constexpr size_t DELAY = LOOKAHEAD - 1;
    explicit PeakLimiter(float ceiling = LIMIT_CEILING);
    void process(float* stereo, size_t frames);
    // Nothing but silence is held: what comes out is silence until new sound goes in.
    bool idle() const { return heldNonZero_ == 0; }

private:
    float ceiling_;
    double release_;
    std::array<float, 2 * DELAY> delay_{};
    std::array<double, LOOKAHEAD> gains_{};  // the last LOOKAHEAD held gains, for their mean
    std::array<std::pair<float, uint64_t>, LOOKAHEAD> window_{};  // rising minimum of the needed gains
    size_t first_ = 0, count_ = 0;
    double sum_ = LOOKAHEAD;
    double gain_ = 1.0;
    uint64_t frame_ = 0;
    size_t unity_ = 0;        // frames in a row at gain 1
    size_t heldNonZero_ = 0;  // frames in the delay line that are not silence  // frames in the delay line that are not silence
};
// Maps a path of the game ("C:\Programmi\Zelvo\Commenti\1v\1v01.wav") to a real file;
// the empty text when there is none.
using PathMap = std::function<std::string(const std::string&)>;
// Below `root`: the part after "C:\Programmi\Zelvo\", backslashes as folders, every
// name looked up ignoring case. Empty when the path is outside that root or absent.
std::string pathBelow(const std::string& root, const std::string& gamePath);
// The same below the build tree's data folder.
std::string defaultPath(const std::string& gamePath);

// A whole clip decoded to interleaved stereo at SAMPLE_RATE.
struct Samples {
    std::vector<float> data;
    size_t frame() const { return data.size() / 2; }
};
// False (and `out` empty) when the file cannot be read as audio.
bool decodeAudio(const std::string& file, Samples& out);

class Instance;

class Mixer final : public MediaPlayers {
public:
    explicit Mixer(PathMap pathMap = defaultPath, std::string soundfont = DEFAULT_SOUNDFONT);
    ~Mixer() override;
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    void FileName(Player l, const std::string& path) override;
    void Command(Player l, const std::string& command) override;

    // Writes `frame` frames of the mix of every instance that plays into `out`
    // (interleaved stereo). Safe to call from an audio thread.
    void render(float* out, size_t frame);

    // Loads the soundfont for the MIDI instances now rather than at their first "Open".
    void preload();

    // For tests: whether the instance has a file open / is sounding.
    bool isOpen(Player l) const;
    bool isPlaying(Player l) const;
    // No instance sounds and everything rendered so far has left the limiter.
    bool quiet() const;
    // Called after every "Play" that starts an instance, on the thread that gave it.
    void setOnPlay(std::function<void()> f);

private:
    friend class Instance;
    struct Synth;
    bool prepareSynth();
    PathMap pathMap_;
    std::string soundfont_;
    mutable std::mutex mutex_;
    std::mutex synthMutex_;  // creating the synthesiser
    std::unique_ptr<Synth> synth_;
    std::array<std::unique_ptr<Instance>, PLAYER_COUNT> instances_;
    std::vector<float> scratch_;
    PeakLimiter limiter_;
    std::mutex onPlayMutex_;  // held while onPlay_ runs, so it is never dropped mid-call
    std::function<void()> onPlay_;
};

// The device's stream, started and stopped from the mix: it is stopped once the
// mix has been silent for `drainFrames` frames (long enough for the device to have
// played out what it holds, so nothing stale is left to sound later) and started
// again as soon as a player starts. `run` is told each change, from the thread that
// caused it (the device's or the players'), in the order they happen.
class DeviceStream {
public:
    DeviceStream(Mixer& mixer, size_t drainFrames, std::function<void(bool)> run);
    ~DeviceStream();
    DeviceStream(const DeviceStream&) = delete;
    DeviceStream& operator=(const DeviceStream&) = delete;
    // The device asks for `frames` frames.
    void pull(float* stereo, size_t frames);
    bool running() const;

private:
    void wake();
    Mixer& mixer_;
    const size_t drain_;
    std::function<void(bool)> run_;
    mutable std::mutex mutex_;
    bool running_ = true;
    size_t silent_ = 0;
};

// Where the mixed stream goes.
class Sink {
public:
    virtual ~Sink() = default;
    virtual void write(const float* stereo, size_t frame) = 0;
};

// A 16-bit stereo WAV file, written under a temporary name and renamed into
// place by close(), so a failed run leaves no half-written file.
class WavSink final : public Sink {
public:
    explicit WavSink(std::string path);
    ~WavSink() override;
    bool ok() const { return file_ != nullptr; }
    void write(const float* stereo, size_t frame) override;
    // Finishes the file; false when it could not be written.
    bool close();
    size_t framesWritten() const { return written_; }

private:
    std::string path_, temporary_;
    void* file_ = nullptr;
    size_t written_ = 0;
    bool failed_ = false;
};

// The players on a virtual clock: before every command the mixer renders into
// the sink everything up to the clock's time, so each clip sounds at its
// virtual moment.
class VirtualPlayers final : public MediaPlayers {
public:
    VirtualPlayers(Mixer& mixer, Sink& sink, std::function<int64_t()> clockMs);
    void FileName(Player l, const std::string& path) override;
    void Command(Player l, const std::string& command) override;
    // Renders up to the virtual time `ms` (nothing when already past it).
    void advanceTo(int64_t ms);
    int64_t renderedUntil() const;

private:
    Mixer& mixer_;
    Sink& sink_;
    std::function<int64_t()> clock_;
    int64_t framesRendered_ = 0;
    int64_t origin_ = -1;  // virtual ms of frame 0
    std::vector<float> block_;
};

// The players for the window: every FileName and command is handed to a worker
// thread that carries them out in order, so reading a file or loading the
// soundfont never holds up the window; the device sink pulls the mixer.
class AsyncPlayers final : public MediaPlayers {
public:
    // With `preload`, the worker loads the soundfont first.
    explicit AsyncPlayers(Mixer& mixer, bool preload = true);
    ~AsyncPlayers() override;
    AsyncPlayers(const AsyncPlayers&) = delete;
    AsyncPlayers& operator=(const AsyncPlayers&) = delete;

    void FileName(Player l, const std::string& path) override;
    void Command(Player l, const std::string& command) override;
    // Waits until everything given so far has been carried out (for tests and at exit).
    void waitIdle();

private:
    struct Order {
        Player player;
        bool command;
        std::string value;
    };
    void work(bool preload);
    Mixer& mixer_;
    std::mutex mutex_;
    std::condition_variable arrived_, drained_;
    std::deque<Order> queue_;
    bool stopping_ = false, busy_ = false;
    std::thread worker_;
};

// What a file gives when played alone through an instance: for the content checks.
struct Probe {
    bool isOpen = false;      // the instance opened it
    double seconds = 0;       // rendered until the clip ended (or the limit)
    float peak = 0;          // the largest absolute sample
};
Probe probeFile(Mixer& mixer, Player l, const std::string& gamePath, double limitSeconds);

}  // namespace zelvo::media
