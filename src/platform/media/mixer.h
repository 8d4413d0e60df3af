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

constexpr int FREQUENZA = 44100;  // frames per second; every frame is two floats, left and right
extern const char* const SOUNDFONT_PREDEFINITO;

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
    std::array<std::pair<float, uint64_t>, LOOKAHEAD> window_{};  // rising minima of the needed gains
    size_t first_ = 0, count_ = 0;
    double sum_ = LOOKAHEAD;
    double gain_ = 1.0;
    uint64_t frame_ = 0;
    size_t unity_ = 0;        // frames in a row at gain 1
    size_t heldNonZero_ = 0;  // frames in the delay line that are not silence  // frames in the delay line that are not silence
};
// Maps a path of the game ("C:\Programmi\Zelvo\Commenti\1v\1v01.wav") to a real file;
// the empty text when there is none.
using MappaPercorsi = std::function<std::string(const std::string&)>;
// Below `radice`: the part after "C:\Programmi\Zelvo\", backslashes as folders, every
// name looked up ignoring case. Empty when the path is outside that root or absent.
std::string percorsoSotto(const std::string& radice, const std::string& percorsoGioco);
// The same below the build tree's data folder.
std::string percorsoPredefinito(const std::string& percorsoGioco);

// A whole clip decoded to interleaved stereo at FREQUENZA.
struct Campioni {
    std::vector<float> dati;
    size_t frame() const { return dati.size() / 2; }
};
// False (and `out` empty) when the file cannot be read as audio.
bool decodificaAudio(const std::string& file, Campioni& out);

class Istanza;

class Mixer final : public MediaPlayers {
public:
    explicit Mixer(MappaPercorsi mappa = percorsoPredefinito, std::string soundfont = SOUNDFONT_PREDEFINITO);
    ~Mixer() override;
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    void FileName(Player l, const std::string& percorso) override;
    void Command(Player l, const std::string& comando) override;

    // Writes `frame` frames of the mix of every instance that plays into `out`
    // (interleaved stereo). Safe to call from an audio thread.
    void render(float* out, size_t frame);

    // Loads the soundfont for the MIDI instances now rather than at their first "Open".
    void precarica();

    // For tests: whether the instance has a file open / is sounding.
    bool aperto(Player l) const;
    bool inRiproduzione(Player l) const;
    // No instance sounds and everything rendered so far has left the limiter.
    bool quiet() const;
    // Called after every "Play" that starts an instance, on the thread that gave it.
    void setOnPlay(std::function<void()> f);

private:
    friend class Istanza;
    struct Synth;
    bool prepareSynth();
    MappaPercorsi mappa_;
    std::string soundfont_;
    mutable std::mutex mutex_;
    std::mutex synthMutex_;  // creating the synthesiser
    std::unique_ptr<Synth> synth_;
    std::array<std::unique_ptr<Istanza>, PLAYER_COUNT> istanze_;
    std::vector<float> appoggio_;
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
    virtual void scrivi(const float* stereo, size_t frame) = 0;
};

// A 16-bit stereo WAV file, written under a temporary name and renamed into
// place by chiudi(), so a failed run leaves no half-written file.
class SinkWav final : public Sink {
public:
    explicit SinkWav(std::string percorso);
    ~SinkWav() override;
    bool ok() const { return file_ != nullptr; }
    void scrivi(const float* stereo, size_t frame) override;
    // Finishes the file; false when it could not be written.
    bool chiudi();
    size_t frameScritti() const { return scritti_; }

private:
    std::string percorso_, temporaneo_;
    void* file_ = nullptr;
    size_t scritti_ = 0;
    bool errore_ = false;
};

// The players on a virtual clock: before every command the mixer renders into
// the sink everything up to the clock's time, so each clip sounds at its
// virtual moment.
class LettoreVirtuale final : public MediaPlayers {
public:
    LettoreVirtuale(Mixer& mixer, Sink& sink, std::function<int64_t()> orologioMs);
    void FileName(Player l, const std::string& percorso) override;
    void Command(Player l, const std::string& comando) override;
    // Renders up to the virtual time `ms` (nothing when already past it).
    void avanzaA(int64_t ms);
    int64_t resoFinoA() const;

private:
    Mixer& mixer_;
    Sink& sink_;
    std::function<int64_t()> orologio_;
    int64_t frameResi_ = 0;
    int64_t origine_ = -1;  // virtual ms of frame 0
    std::vector<float> blocco_;
};

// The players for the window: every FileName and command is handed to a worker
// thread that carries them out in order, so reading a file or loading the
// soundfont never holds up the window; the device sink pulls the mixer.
class LettoreAsincrono final : public MediaPlayers {
public:
    // With `precarica`, the worker loads the soundfont first.
    explicit LettoreAsincrono(Mixer& mixer, bool precarica = true);
    ~LettoreAsincrono() override;
    LettoreAsincrono(const LettoreAsincrono&) = delete;
    LettoreAsincrono& operator=(const LettoreAsincrono&) = delete;

    void FileName(Player l, const std::string& percorso) override;
    void Command(Player l, const std::string& comando) override;
    // Waits until everything given so far has been carried out (for tests and at exit).
    void attendi();

private:
    struct Ordine {
        Player lettore;
        bool comando;
        std::string valore;
    };
    void lavora(bool precarica);
    Mixer& mixer_;
    std::mutex mutex_;
    std::condition_variable nuovo_, vuoto_;
    std::deque<Ordine> coda_;
    bool fine_ = false, occupato_ = false;
    std::thread worker_;
};

// What a file gives when played alone through an instance: for the content checks.
struct Prova {
    bool aperto = false;      // the instance opened it
    double secondi = 0;       // rendered until the clip ended (or the limit)
    float picco = 0;          // the largest absolute sample
};
Prova provaFile(Mixer& mixer, Player l, const std::string& percorsoGioco, double limiteSecondi);

}  // namespace zelvo::media
