#pragma once
// The real media players: five instances that decode WAV clips (libsndfile,
// libsamplerate where the rate differs) and play MIDI files (FluidSynth with a
// General MIDI soundfont), mixed into one stereo stream that a sink pulls on
// demand: the audio device in the app, a WAV file for the match tool, nothing
// in tests. MIDI is timed by the samples rendered, so rendering is exact and
// can run faster than real time. A file that is missing or unreadable makes
// that clip silent; nothing is reported and nothing blocks.
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

    // Adds `frame` frames of every instance that plays into `out` (interleaved
    // stereo, written over). Safe to call from an audio thread.
    void render(float* out, size_t frame);

    // Loads the soundfont for the MIDI instances now rather than at their first "Open".
    void precarica();

    // For tests: whether the instance has a file open / is sounding.
    bool aperto(Player l) const;
    bool inRiproduzione(Player l) const;

private:
    friend class Istanza;
    MappaPercorsi mappa_;
    std::string soundfont_;
    mutable std::mutex mutex_;
    std::array<std::unique_ptr<Istanza>, PLAYER_COUNT> istanze_;
    std::vector<float> appoggio_;
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
