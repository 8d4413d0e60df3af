#include "platform/media/mixer.h"

#include <fluidsynth.h>
#include <samplerate.h>
#include <sndfile.h>
#include <strings.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

namespace zelvo::media {

const char* const SOUNDFONT_PREDEFINITO = "/usr/share/sounds/sf2/TimGM6mb.sf2";

namespace fs = std::filesystem;

namespace {

// A clip longer than this is not one of ours: it is left silent rather than filling memory.
constexpr sf_count_t MASSIMO_FRAME = static_cast<sf_count_t>(FREQUENZA) * 60 * 20;
// After a MIDI file ends, its last notes ring out this long before the instance falls quiet.
constexpr size_t CODA_MIDI = FREQUENZA * 2;
// A WAV clip cut short by a new command fades out over this many frames instead of
// stopping on a sample that is not zero.
constexpr size_t FADE_FRAMES = 256;
// Each instance plays its MIDI files on its own block of channels of the one synthesiser.
constexpr int CHANNELS_PER_PLAYER = 16;

const char* const RADICE_GIOCO = "C:\\Programmi\\Zelvo\\";

void zittisciFluidSynth() {
    static std::once_flag una;
    std::call_once(una, [] {
        for (int livello : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(livello, nullptr, nullptr);
    });
}

}  // namespace

// ---------------------------------------------------------------- paths

std::string percorsoSotto(const std::string& radice, const std::string& percorsoGioco) {
    const size_t n = std::char_traits<char>::length(RADICE_GIOCO);
    if (percorsoGioco.size() <= n || strncasecmp(percorsoGioco.c_str(), RADICE_GIOCO, n) != 0) return "";
    fs::path corrente = radice;
    std::string resto = percorsoGioco.substr(n);
    size_t inizio = 0;
    while (inizio <= resto.size()) {
        size_t fine = resto.find('\\', inizio);
        if (fine == std::string::npos) fine = resto.size();
        const std::string nome = resto.substr(inizio, fine - inizio);
        inizio = fine + 1;
        if (nome.empty() || nome == "." || nome == "..") {
            if (fine == resto.size()) break;
            continue;
        }
        std::error_code ec;
        fs::path esatto = corrente / nome;
        if (fs::exists(esatto, ec)) {
            corrente = esatto;
        } else {
            bool trovato = false;
            for (fs::directory_iterator it(corrente, ec), end; !ec && it != end; it.increment(ec)) {
                const std::string candidato = it->path().filename().string();
                if (strcasecmp(candidato.c_str(), nome.c_str()) == 0) {
                    corrente = it->path();
                    trovato = true;
                    break;
                }
            }
            if (!trovato) return "";
        }
        if (fine == resto.size()) break;
    }
    std::error_code ec;
    return fs::is_regular_file(corrente, ec) ? corrente.string() : "";
}

std::string percorsoPredefinito(const std::string& percorsoGioco) {
    return percorsoSotto(ZELVO_BUILD_DATA_DIR, percorsoGioco);
}

// ---------------------------------------------------------------- decoding

bool decodificaAudio(const std::string& file, Campioni& out) {
    out.dati.clear();
    SF_INFO info{};
    SNDFILE* sf = sf_open(file.c_str(), SFM_READ, &info);
    if (!sf) return false;
    bool ok = info.channels > 0 && info.samplerate > 0 && info.frames > 0 && info.frames <= MASSIMO_FRAME;
    std::vector<float> grezzi;
    if (ok) {
        grezzi.resize(static_cast<size_t>(info.frames) * info.channels);
        sf_count_t letti = sf_readf_float(sf, grezzi.data(), info.frames);
        ok = letti > 0;
        grezzi.resize(static_cast<size_t>(std::max<sf_count_t>(letti, 0)) * info.channels);
    }
    sf_close(sf);
    if (!ok) return false;

    const size_t frame = grezzi.size() / info.channels;
    std::vector<float> stereo(frame * 2);
    for (size_t i = 0; i < frame; ++i) {
        const float* f = &grezzi[i * info.channels];
        stereo[2 * i] = f[0];
        stereo[2 * i + 1] = info.channels > 1 ? f[1] : f[0];
    }
    if (info.samplerate == FREQUENZA) {
        out.dati = std::move(stereo);
        return true;
    }
    const double rapporto = static_cast<double>(FREQUENZA) / info.samplerate;
    std::vector<float> convertiti(static_cast<size_t>(std::ceil(frame * rapporto)) * 2 + 2);
    SRC_DATA d{};
    d.data_in = stereo.data();
    d.input_frames = static_cast<long>(frame);
    d.data_out = convertiti.data();
    d.output_frames = static_cast<long>(convertiti.size() / 2);
    d.src_ratio = rapporto;
    if (src_simple(&d, SRC_SINC_MEDIUM_QUALITY, 2) != 0 || d.output_frames_gen <= 0) return false;
    convertiti.resize(static_cast<size_t>(d.output_frames_gen) * 2);
    out.dati = std::move(convertiti);
    return true;
}

// ---------------------------------------------------------------- the synthesiser

struct Mixer::Synth {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    int font = FLUID_FAILED;
    ~Synth() {
        if (synth) delete_fluid_synth(synth);
        if (settings) delete_fluid_settings(settings);
    }
};

bool Mixer::prepareSynth() {
    std::lock_guard<std::mutex> making(synthMutex_);
    {
        std::lock_guard<std::mutex> g(mutex_);
        if (synth_) return synth_->font != FLUID_FAILED;
    }
    zittisciFluidSynth();
    auto s = std::make_unique<Synth>();
    s->settings = new_fluid_settings();
    fluid_settings_setnum(s->settings, "synth.sample-rate", FREQUENZA);
    fluid_settings_setnum(s->settings, "synth.gain", MUSIC_GAIN);
    fluid_settings_setstr(s->settings, "player.timing-source", "sample");
    fluid_settings_setint(s->settings, "synth.cpu-cores", 1);
    fluid_settings_setint(s->settings, "synth.midi-channels", CHANNELS_PER_PLAYER * PLAYER_COUNT);
    fluid_settings_setint(s->settings, "synth.lock-memory", 0);
    fluid_settings_setint(s->settings, "synth.polyphony", 128);  // plenty for a band of five
    s->synth = new_fluid_synth(s->settings);
    if (s->synth) {
        // The General MIDI percussion channel of every instance's block.
        for (int k = 0; k < PLAYER_COUNT; ++k)
            fluid_synth_set_channel_type(s->synth, k * CHANNELS_PER_PLAYER + 9, CHANNEL_TYPE_DRUM);
        s->font = fluid_synth_sfload(s->synth, soundfont_.c_str(), 1);
    }
    const bool ok = s->font != FLUID_FAILED;
    std::lock_guard<std::mutex> g(mutex_);
    synth_ = std::move(s);
    return ok;
}

// ---------------------------------------------------------------- one instance

class Istanza {
public:
    Istanza(Mixer& m, int numero) : mixer_(m), base_(numero * CHANNELS_PER_PLAYER) {}
    ~Istanza() { chiudi(); }

    std::string nomeFile;

    // Everything below runs under the mixer's lock.
    void chiudi() {
        if (player_) {
            fluid_player_stop(player_);
            delete_fluid_player(player_);
            player_ = nullptr;
            // Its channels fall silent and go back to their first state; the other
            // instances' channels are not touched.
            fluid_synth_t* s = mixer_.synth_->synth;
            for (int c = base_; c < base_ + CHANNELS_PER_PLAYER; ++c) {
                fluid_synth_all_sounds_off(s, c);
                fluid_synth_cc(s, c, 121, 0);  // reset all controllers
                fluid_synth_cc(s, c, 0, 0);    // bank 0
                fluid_synth_program_change(s, c, 0);
            }
        }
        if (tipo_ == Tipo::Wav && suona_ && pos_ > 0 && pos_ < wav_.frame()) {
            // The rest of a clip cut short while it sounds fades out under whatever follows.
            const size_t n = std::min(FADE_FRAMES, wav_.frame() - pos_);
            for (size_t k = 0; k < n; ++k) {
                const float f = static_cast<float>(n - k) / static_cast<float>(n + 1);
                fade_[2 * k] = wav_.dati[2 * (pos_ + k)] * f;
                fade_[2 * k + 1] = wav_.dati[2 * (pos_ + k) + 1] * f;
            }
            fadePos_ = 0;
            fadeLen_ = n;
        }
        wav_.dati.clear();
        wav_.dati.shrink_to_fit();
        pos_ = 0;
        tipo_ = Tipo::Nessuno;
        suona_ = false;
        avviato_ = false;
        coda_ = 0;
    }

    void apriWav(Campioni&& c) {
        chiudi();
        wav_ = std::move(c);
        tipo_ = Tipo::Wav;
    }

    void apriMidi(const std::string& file) {
        chiudi();
        if (!mixer_.synth_ || mixer_.synth_->font == FLUID_FAILED) return;
        fileMidi_ = file;
        player_ = new_fluid_player(mixer_.synth_->synth);
        if (!player_ || fluid_player_add(player_, file.c_str()) != FLUID_OK) {
            if (player_) delete_fluid_player(player_);
            player_ = nullptr;
            return;
        }
        fluid_player_set_playback_callback(player_, &Istanza::forward, this);
        tipo_ = Tipo::Midi;
    }

    void riavvolgi() {
        if (tipo_ == Tipo::Wav) {
            pos_ = 0;
        } else if (tipo_ == Tipo::Midi && avviato_) {
            // A fresh player starts the file from its first event.
            std::string f = fileMidi_;
            apriMidi(f);
        }
    }

    void suona() {
        if (tipo_ == Tipo::Wav) {
            suona_ = true;
        } else if (tipo_ == Tipo::Midi && player_) {
            fluid_player_play(player_);
            suona_ = true;
            avviato_ = true;
            coda_ = 0;
        }
    }

    bool aperto() const { return tipo_ != Tipo::Nessuno; }
    bool inRiproduzione() const {
        if (!suona_) return false;
        if (tipo_ == Tipo::Midi) return player_ && !midiFinito();
        return true;
    }
    // The instance needs the synthesiser rendered.
    bool needsSynth() const { return suona_ && tipo_ == Tipo::Midi && player_; }
    // Something of this instance is still to be heard.
    bool audible() const { return suona_ || fadePos_ < fadeLen_; }

    // Adds the instance's WAV samples to `out`.
    void addWav(float* out, size_t frame) {
        if (fadePos_ < fadeLen_) {
            const size_t n = std::min(frame, fadeLen_ - fadePos_);
            for (size_t i = 0; i < n * 2; ++i) out[i] += CLIP_GAIN * fade_[2 * fadePos_ + i];
            fadePos_ += n;
        }
        if (!suona_ || tipo_ != Tipo::Wav) return;
        const size_t resto = wav_.frame() - std::min(pos_, wav_.frame());
        const size_t n = std::min(resto, frame);
        const float* src = wav_.dati.data() + pos_ * 2;
        for (size_t i = 0; i < n * 2; ++i) out[i] += CLIP_GAIN * src[i];
        pos_ += n;
        if (pos_ >= wav_.frame()) suona_ = false;
    }

    // After the synthesiser rendered `frame` frames: the file's end and the ringing after it.
    void afterSynth(size_t frame) {
        if (!needsSynth() || !midiFinito()) return;
        coda_ += frame;
        if (coda_ >= CODA_MIDI) suona_ = false;
    }

private:
    // The file's events go to this instance's own channels; system messages (a
    // reset in a file) would reach every instance and are left out.
    static int forward(void* data, fluid_midi_event_t* event) {
        auto* i = static_cast<Istanza*>(data);
        if (fluid_midi_event_get_type(event) >= 0xF0) return FLUID_OK;
        const int channel = fluid_midi_event_get_channel(event);
        fluid_midi_event_set_channel(event, i->base_ + (channel & 15));
        const int result = fluid_synth_handle_midi_event(i->mixer_.synth_->synth, event);
        fluid_midi_event_set_channel(event, channel);
        return result;
    }
    // The player may go on reporting "playing" after the last event: the end is
    // when its position passes the length of the file.
    bool midiFinito() const {
        if (fluid_player_get_status(player_) == FLUID_PLAYER_DONE) return true;
        const int totale = fluid_player_get_total_ticks(player_);
        return totale > 0 && fluid_player_get_current_tick(player_) >= totale;
    }
    enum class Tipo { Nessuno, Wav, Midi };
    Mixer& mixer_;
    const int base_;
    Tipo tipo_ = Tipo::Nessuno;
    Campioni wav_;
    size_t pos_ = 0;
    std::array<float, 2 * FADE_FRAMES> fade_{};
    size_t fadePos_ = 0, fadeLen_ = 0;
    fluid_player_t* player_ = nullptr;
    std::string fileMidi_;
    bool suona_ = false, avviato_ = false;
    size_t coda_ = 0;
};

// ---------------------------------------------------------------- the mixer

Mixer::Mixer(MappaPercorsi mappa, std::string soundfont) : mappa_(std::move(mappa)), soundfont_(std::move(soundfont)) {
    for (int k = 0; k < PLAYER_COUNT; ++k) istanze_[k] = std::make_unique<Istanza>(*this, k);
}

Mixer::~Mixer() {
    // The players go before the synthesiser they play on.
    for (auto& i : istanze_) i.reset();
    synth_.reset();
}

void Mixer::FileName(Player l, const std::string& percorso) {
    std::lock_guard<std::mutex> g(mutex_);
    istanze_[static_cast<int>(l)]->nomeFile = percorso;
}

void Mixer::Command(Player l, const std::string& comando) {
    Istanza& i = *istanze_[static_cast<int>(l)];
    if (comando == "Open") {
        // Reading and decoding happen before the lock, so the audio thread never waits on a disk.
        std::string nome;
        {
            std::lock_guard<std::mutex> g(mutex_);
            nome = i.nomeFile;
        }
        const std::string reale = nome.empty() || !mappa_ ? std::string() : mappa_(nome);
        if (!reale.empty() && fluid_is_midifile(reale.c_str())) {
            prepareSynth();
            std::lock_guard<std::mutex> g(mutex_);
            i.apriMidi(reale);
            return;
        }
        Campioni c;
        const bool ok = !reale.empty() && decodificaAudio(reale, c);
        std::lock_guard<std::mutex> g(mutex_);
        if (ok) i.apriWav(std::move(c));
        else i.chiudi();
        return;
    }
    bool started = false;
    {
        std::lock_guard<std::mutex> g(mutex_);
        if (comando == "Close") i.chiudi();
        else if (comando == "Prev") i.riavvolgi();
        else if (comando == "Play") {
            i.suona();
            started = i.inRiproduzione();
        }
    }
    if (started) {
        std::lock_guard<std::mutex> g(onPlayMutex_);
        if (onPlay_) onPlay_();
    }
}

void Mixer::render(float* out, size_t frame) {
    std::fill(out, out + frame * 2, 0.0f);
    std::lock_guard<std::mutex> g(mutex_);
    bool synth = false;
    for (auto& i : istanze_) {
        i->addWav(out, frame);
        synth = synth || i->needsSynth();
    }
    if (synth) {
        appoggio_.resize(frame * 2);
        fluid_synth_write_float(synth_->synth, static_cast<int>(frame), appoggio_.data(), 0, 2, appoggio_.data(), 1,
                                2);
        for (size_t k = 0; k < frame * 2; ++k) out[k] += appoggio_[k];
        for (auto& i : istanze_) i->afterSynth(frame);
    }
    limiter_.process(out, frame);
}

void Mixer::precarica() { prepareSynth(); }

bool Mixer::quiet() const {
    std::lock_guard<std::mutex> g(mutex_);
    for (const auto& i : istanze_)
        if (i->audible()) return false;
    return limiter_.idle();
}

void Mixer::setOnPlay(std::function<void()> f) {
    std::lock_guard<std::mutex> g(onPlayMutex_);
    onPlay_ = std::move(f);
}

// ---------------------------------------------------------------- the limiter

PeakLimiter::PeakLimiter(float ceiling)
    : ceiling_(ceiling), release_(1.0 - std::exp(-1.0 / (0.08 * FREQUENZA))) {
    gains_.fill(1.0);
}

void PeakLimiter::process(float* stereo, size_t frames) {
    for (size_t n = 0; n < frames; ++n, ++frame_) {
        float* x = stereo + 2 * n;
        const float peak = std::max(std::fabs(x[0]), std::fabs(x[1]));
        const float needed = peak > ceiling_ ? ceiling_ / peak : 1.0f;
        // The least gain needed over the look-ahead: a queue of rising minima.
        if (count_ > 0 && window_[first_].second + LOOKAHEAD <= frame_) {
            first_ = (first_ + 1) % LOOKAHEAD;
            --count_;
        }
        while (count_ > 0 && window_[(first_ + count_ - 1) % LOOKAHEAD].first >= needed) --count_;
        window_[(first_ + count_) % LOOKAHEAD] = {needed, frame_};
        ++count_;
        const float least = window_[first_].first;
        // Held down at once, recovering slowly; then averaged over the look-ahead, so
        // the gain slides down to what the peak needs by the time the peak comes out.
        gain_ = std::min<double>(least, gain_ + (1.0 - gain_) * release_);
        if (gain_ > 0.99999 && least == 1.0f) gain_ = 1.0;
        unity_ = gain_ == 1.0 ? unity_ + 1 : 0;
        const size_t g = frame_ % LOOKAHEAD;
        sum_ += gain_ - gains_[g];
        gains_[g] = gain_;
        if (unity_ >= LOOKAHEAD) sum_ = LOOKAHEAD;  // no drift once at rest
        const float mean = static_cast<float>(sum_ / LOOKAHEAD);

        const size_t d = 2 * (frame_ % DELAY);
        const float l = delay_[d], r = delay_[d + 1];
        if (l != 0.0f || r != 0.0f) --heldNonZero_;
        if (x[0] != 0.0f || x[1] != 0.0f) ++heldNonZero_;
        delay_[d] = x[0];
        delay_[d + 1] = x[1];
        x[0] = l * mean;
        x[1] = r * mean;
    }
}

// ---------------------------------------------------------------- the device's stream

DeviceStream::DeviceStream(Mixer& mixer, size_t drainFrames, std::function<void(bool)> run)
    : mixer_(mixer), drain_(drainFrames), run_(std::move(run)) {
    mixer_.setOnPlay([this] { wake(); });
}

DeviceStream::~DeviceStream() { mixer_.setOnPlay({}); }

void DeviceStream::pull(float* stereo, size_t frames) {
    mixer_.render(stereo, frames);
    std::lock_guard<std::mutex> g(mutex_);
    // Asked under the lock: a "Play" given meanwhile is either seen here or wakes the stream after.
    if (!mixer_.quiet()) {
        silent_ = 0;
        return;
    }
    silent_ += frames;
    if (running_ && silent_ >= drain_) {
        running_ = false;
        if (run_) run_(false);
    }
}

void DeviceStream::wake() {
    std::lock_guard<std::mutex> g(mutex_);
    silent_ = 0;
    if (running_) return;
    running_ = true;
    if (run_) run_(true);
}

bool DeviceStream::running() const {
    std::lock_guard<std::mutex> g(mutex_);
    return running_;
}

bool Mixer::aperto(Player l) const {
    std::lock_guard<std::mutex> g(mutex_);
    return istanze_[static_cast<int>(l)]->aperto();
}

bool Mixer::inRiproduzione(Player l) const {
    std::lock_guard<std::mutex> g(mutex_);
    return istanze_[static_cast<int>(l)]->inRiproduzione();
}

// ---------------------------------------------------------------- sinks

SinkWav::SinkWav(std::string percorso) : percorso_(std::move(percorso)), temporaneo_(percorso_ + ".part") {
    SF_INFO info{};
    info.samplerate = FREQUENZA;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* sf = sf_open(temporaneo_.c_str(), SFM_WRITE, &info);
    if (sf) sf_command(sf, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    file_ = sf;
}

SinkWav::~SinkWav() {
    if (file_) {
        sf_close(static_cast<SNDFILE*>(file_));
        std::remove(temporaneo_.c_str());
    }
}

void SinkWav::scrivi(const float* stereo, size_t frame) {
    if (!file_ || errore_) return;
    const sf_count_t n = sf_writef_float(static_cast<SNDFILE*>(file_), stereo, static_cast<sf_count_t>(frame));
    if (n != static_cast<sf_count_t>(frame)) errore_ = true;
    scritti_ += frame;
}

bool SinkWav::chiudi() {
    if (!file_) return false;
    const bool chiuso = sf_close(static_cast<SNDFILE*>(file_)) == 0;
    file_ = nullptr;
    if (!chiuso || errore_) {
        std::remove(temporaneo_.c_str());
        return false;
    }
    std::error_code ec;
    fs::rename(temporaneo_, percorso_, ec);
    if (ec) std::remove(temporaneo_.c_str());
    return !ec;
}

// ---------------------------------------------------------------- virtual time

LettoreVirtuale::LettoreVirtuale(Mixer& mixer, Sink& sink, std::function<int64_t()> orologioMs)
    : mixer_(mixer), sink_(sink), orologio_(std::move(orologioMs)) {
    origine_ = orologio_ ? orologio_() : 0;
}

void LettoreVirtuale::avanzaA(int64_t ms) {
    const int64_t obiettivo = (ms - origine_) * FREQUENZA / 1000;
    constexpr int64_t BLOCCO = 1024;
    while (frameResi_ < obiettivo) {
        const int64_t n = std::min(BLOCCO, obiettivo - frameResi_);
        blocco_.resize(static_cast<size_t>(n) * 2);
        mixer_.render(blocco_.data(), static_cast<size_t>(n));
        sink_.scrivi(blocco_.data(), static_cast<size_t>(n));
        frameResi_ += n;
    }
}

int64_t LettoreVirtuale::resoFinoA() const { return origine_ + frameResi_ * 1000 / FREQUENZA; }

void LettoreVirtuale::FileName(Player l, const std::string& percorso) {
    if (orologio_) avanzaA(orologio_());
    mixer_.FileName(l, percorso);
}

void LettoreVirtuale::Command(Player l, const std::string& comando) {
    if (orologio_) avanzaA(orologio_());
    mixer_.Command(l, comando);
}

// ---------------------------------------------------------------- the window's players

LettoreAsincrono::LettoreAsincrono(Mixer& mixer, bool precarica) : mixer_(mixer) {
    occupato_ = precarica;
    worker_ = std::thread([this, precarica] { lavora(precarica); });
}

LettoreAsincrono::~LettoreAsincrono() {
    {
        std::lock_guard<std::mutex> g(mutex_);
        fine_ = true;
    }
    nuovo_.notify_all();
    worker_.join();
}

void LettoreAsincrono::FileName(Player l, const std::string& percorso) {
    {
        std::lock_guard<std::mutex> g(mutex_);
        coda_.push_back({l, false, percorso});
    }
    nuovo_.notify_one();
}

void LettoreAsincrono::Command(Player l, const std::string& comando) {
    {
        std::lock_guard<std::mutex> g(mutex_);
        coda_.push_back({l, true, comando});
    }
    nuovo_.notify_one();
}

void LettoreAsincrono::attendi() {
    std::unique_lock<std::mutex> g(mutex_);
    vuoto_.wait(g, [this] { return coda_.empty() && !occupato_; });
}

void LettoreAsincrono::lavora(bool precarica) {
    if (precarica) {
        mixer_.precarica();
        std::lock_guard<std::mutex> g(mutex_);
        occupato_ = false;
        if (coda_.empty()) vuoto_.notify_all();
    }
    for (;;) {
        Ordine o;
        {
            std::unique_lock<std::mutex> g(mutex_);
            nuovo_.wait(g, [this] { return fine_ || !coda_.empty(); });
            // At the end the orders still waiting are dropped: the program is closing.
            if (fine_) {
                coda_.clear();
                occupato_ = false;
                vuoto_.notify_all();
                return;
            }
            o = std::move(coda_.front());
            coda_.pop_front();
            occupato_ = true;
        }
        if (o.comando) mixer_.Command(o.lettore, o.valore);
        else mixer_.FileName(o.lettore, o.valore);
        std::lock_guard<std::mutex> g(mutex_);
        occupato_ = false;
        if (coda_.empty()) vuoto_.notify_all();
    }
}

// ---------------------------------------------------------------- checks

Prova provaFile(Mixer& mixer, Player l, const std::string& percorsoGioco, double limiteSecondi) {
    Prova p;
    mixer.FileName(l, "");
    mixer.Command(l, "Close");
    mixer.FileName(l, percorsoGioco);
    mixer.Command(l, "Open");
    p.aperto = mixer.aperto(l);
    if (!p.aperto) return p;
    mixer.Command(l, "Prev");
    mixer.Command(l, "Play");
    std::vector<float> buf(2048 * 2);
    size_t frame = 0;
    const size_t limite = static_cast<size_t>(limiteSecondi * FREQUENZA);
    while (mixer.inRiproduzione(l) && frame < limite) {
        mixer.render(buf.data(), 2048);
        for (float v : buf) p.picco = std::max(p.picco, std::fabs(v));
        frame += 2048;
    }
    p.secondi = static_cast<double>(frame) / FREQUENZA;
    mixer.Command(l, "Close");
    return p;
}

}  // namespace zelvo::media
