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

const char* const DEFAULT_SOUNDFONT = "/usr/share/sounds/sf2/TimGM6mb.sf2";

namespace fs = std::filesystem;

namespace {

// A clip longer than this is not one of ours: it is left silent rather than filling memory.
constexpr sf_count_t MASSIMO_FRAME = static_cast<sf_count_t>(SAMPLE_RATE) * 60 * 20;
// After a MIDI file ends, its last notes ring out this long before the instance falls quiet.
constexpr size_t CODA_MIDI = SAMPLE_RATE * 2;
// A WAV clip cut short by a new command fades out over this many frames instead of
// stopping on a sample that is not zero.
constexpr size_t FADE_FRAMES = 256;
// Each instance plays its MIDI files on its own block of channels of the one synthesiser.
constexpr int CHANNELS_PER_PLAYER = 16;

const char* const RADICE_GIOCO = "C:\\Programmi\\Zelvo\\";

void silenceFluidSynthLog() {
    static std::once_flag una;
    std::call_once(una, [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, nullptr, nullptr);
    });
}

}  // namespace

// ---------------------------------------------------------------- paths

std::string pathBelow(const std::string& root, const std::string& gamePath) {
    const size_t n = std::char_traits<char>::length(RADICE_GIOCO);
    if (gamePath.size() <= n || strncasecmp(gamePath.c_str(), RADICE_GIOCO, n) != 0) return "";
    fs::path current = root;
    std::string rest = gamePath.substr(n);
    size_t start = 0;
    while (start <= rest.size()) {
        size_t fine = rest.find('\\', start);
        if (fine == std::string::npos) fine = rest.size();
        const std::string name = rest.substr(start, fine - start);
        start = fine + 1;
        if (name.empty() || name == "." || name == "..") {
            if (fine == rest.size()) break;
            continue;
        }
        std::error_code ec;
        fs::path exact = current / name;
        if (fs::exists(exact, ec)) {
            current = exact;
        } else {
            bool found = false;
            for (fs::directory_iterator it(current, ec), end; !ec && it != end; it.increment(ec)) {
                const std::string candidate = it->path().filename().string();
                if (strcasecmp(candidate.c_str(), name.c_str()) == 0) {
                    current = it->path();
                    found = true;
                    break;
                }
            }
            if (!found) return "";
        }
        if (fine == rest.size()) break;
    }
    std::error_code ec;
    return fs::is_regular_file(current, ec) ? current.string() : "";
}

std::string defaultPath(const std::string& gamePath) {
    return pathBelow(ZELVO_BUILD_DATA_DIR, gamePath);
}

// ---------------------------------------------------------------- decoding

bool decodeAudio(const std::string& file, Samples& out) {
    out.data.clear();
    SF_INFO info{};
    SNDFILE* sf = sf_open(file.c_str(), SFM_READ, &info);
    if (!sf) return false;
    bool ok = info.channels > 0 && info.samplerate > 0 && info.frames > 0 && info.frames <= MASSIMO_FRAME;
    std::vector<float> raw;
    if (ok) {
        raw.resize(static_cast<size_t>(info.frames) * info.channels);
        sf_count_t readCount = sf_readf_float(sf, raw.data(), info.frames);
        ok = readCount > 0;
        raw.resize(static_cast<size_t>(std::max<sf_count_t>(readCount, 0)) * info.channels);
    }
    sf_close(sf);
    if (!ok) return false;

    const size_t frame = raw.size() / info.channels;
    std::vector<float> stereo(frame * 2);
    for (size_t i = 0; i < frame; ++i) {
        const float* f = &raw[i * info.channels];
        stereo[2 * i] = f[0];
        stereo[2 * i + 1] = info.channels > 1 ? f[1] : f[0];
    }
    if (info.samplerate == SAMPLE_RATE) {
        out.data = std::move(stereo);
        return true;
    }
    const double ratio = static_cast<double>(SAMPLE_RATE) / info.samplerate;
    std::vector<float> converted(static_cast<size_t>(std::ceil(frame * ratio)) * 2 + 2);
    SRC_DATA d{};
    d.data_in = stereo.data();
    d.input_frames = static_cast<long>(frame);
    d.data_out = converted.data();
    d.output_frames = static_cast<long>(converted.size() / 2);
    d.src_ratio = ratio;
    if (src_simple(&d, SRC_SINC_MEDIUM_QUALITY, 2) != 0 || d.output_frames_gen <= 0) return false;
    converted.resize(static_cast<size_t>(d.output_frames_gen) * 2);
    out.data = std::move(converted);
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
    silenceFluidSynthLog();
    auto s = std::make_unique<Synth>();
    s->settings = new_fluid_settings();
    fluid_settings_setnum(s->settings, "synth.sample-rate", SAMPLE_RATE);
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

class Instance {
public:
    Instance(Mixer& m, int number) : mixer_(m), base_(number * CHANNELS_PER_PLAYER) {}
    ~Instance() { close(); }

    std::string fileName;

    // Everything below runs under the mixer's lock.
    void close() {
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
        if (kind_ == Kind::Wav && sounding_ && pos_ > 0 && pos_ < wav_.frame()) {
            // The rest of a clip cut short while it sounds fades out under whatever follows.
            const size_t n = std::min(FADE_FRAMES, wav_.frame() - pos_);
            for (size_t k = 0; k < n; ++k) {
                const float f = static_cast<float>(n - k) / static_cast<float>(n + 1);
                fade_[2 * k] = wav_.data[2 * (pos_ + k)] * f;
                fade_[2 * k + 1] = wav_.data[2 * (pos_ + k) + 1] * f;
            }
            fadePos_ = 0;
            fadeLen_ = n;
        }
        wav_.data.clear();
        wav_.data.shrink_to_fit();
        pos_ = 0;
        kind_ = Kind::None;
        sounding_ = false;
        started_ = false;
        queue_ = 0;
    }

    void openWav(Samples&& c) {
        close();
        wav_ = std::move(c);
        kind_ = Kind::Wav;
    }

    void openMidi(const std::string& file) {
        close();
        if (!mixer_.synth_ || mixer_.synth_->font == FLUID_FAILED) return;
        midiFile_ = file;
        player_ = new_fluid_player(mixer_.synth_->synth);
        if (!player_ || fluid_player_add(player_, file.c_str()) != FLUID_OK) {
            if (player_) delete_fluid_player(player_);
            player_ = nullptr;
            return;
        }
        fluid_player_set_playback_callback(player_, &Instance::forward, this);
        kind_ = Kind::Midi;
    }

    void rewind() {
        if (kind_ == Kind::Wav) {
            pos_ = 0;
        } else if (kind_ == Kind::Midi && started_) {
            // A fresh player starts the file from its first event.
            std::string f = midiFile_;
            openMidi(f);
        }
    }

    void sound() {
        if (kind_ == Kind::Wav) {
            sounding_ = true;
        } else if (kind_ == Kind::Midi && player_) {
            fluid_player_play(player_);
            sounding_ = true;
            started_ = true;
            queue_ = 0;
        }
    }

    bool isOpen() const { return kind_ != Kind::None; }
    bool isPlaying() const {
        if (!sounding_) return false;
        if (kind_ == Kind::Midi) return player_ && !midiEnded();
        return true;
    }
    // The instance needs the synthesiser rendered.
    bool needsSynth() const { return sounding_ && kind_ == Kind::Midi && player_; }
    // Something of this instance is still to be heard.
    bool audible() const { return sounding_ || fadePos_ < fadeLen_; }

    // Adds the instance's WAV samples to `out`.
    void addWav(float* out, size_t frame) {
        if (fadePos_ < fadeLen_) {
            const size_t n = std::min(frame, fadeLen_ - fadePos_);
            for (size_t i = 0; i < n * 2; ++i) out[i] += CLIP_GAIN * fade_[2 * fadePos_ + i];
            fadePos_ += n;
        }
        if (!sounding_ || kind_ != Kind::Wav) return;
        const size_t rest = wav_.frame() - std::min(pos_, wav_.frame());
        const size_t n = std::min(rest, frame);
        const float* src = wav_.data.data() + pos_ * 2;
        for (size_t i = 0; i < n * 2; ++i) out[i] += CLIP_GAIN * src[i];
        pos_ += n;
        if (pos_ >= wav_.frame()) sounding_ = false;
    }

    // After the synthesiser rendered `frame` frames: the file's end and the ringing after it.
    void afterSynth(size_t frame) {
        if (!needsSynth() || !midiEnded()) return;
        queue_ += frame;
        if (queue_ >= CODA_MIDI) sounding_ = false;
    }

private:
    // The file's events go to this instance's own channels; system messages (a
    // reset in a file) would reach every instance and are left out.
    static int forward(void* data, fluid_midi_event_t* event) {
        auto* i = static_cast<Instance*>(data);
        if (fluid_midi_event_get_type(event) >= 0xF0) return FLUID_OK;
        const int channel = fluid_midi_event_get_channel(event);
        fluid_midi_event_set_channel(event, i->base_ + (channel & 15));
        const int result = fluid_synth_handle_midi_event(i->mixer_.synth_->synth, event);
        fluid_midi_event_set_channel(event, channel);
        return result;
    }
    // The player may go on reporting "playing" after the last event: the end is
    // when its position passes the length of the file.
    bool midiEnded() const {
        if (fluid_player_get_status(player_) == FLUID_PLAYER_DONE) return true;
        const int total = fluid_player_get_total_ticks(player_);
        return total > 0 && fluid_player_get_current_tick(player_) >= total;
    }
    enum class Kind { None, Wav, Midi };
    Mixer& mixer_;
    const int base_;
    Kind kind_ = Kind::None;
    Samples wav_;
    size_t pos_ = 0;
    std::array<float, 2 * FADE_FRAMES> fade_{};
    size_t fadePos_ = 0, fadeLen_ = 0;
    fluid_player_t* player_ = nullptr;
    std::string midiFile_;
    bool sounding_ = false, started_ = false;
    size_t queue_ = 0;
};

// ---------------------------------------------------------------- the mixer

Mixer::Mixer(PathMap pathMap, std::string soundfont) : pathMap_(std::move(pathMap)), soundfont_(std::move(soundfont)) {
    for (int k = 0; k < PLAYER_COUNT; ++k) instances_[k] = std::make_unique<Instance>(*this, k);
}

Mixer::~Mixer() {
    // The players go before the synthesiser they play on.
    for (auto& i : instances_) i.reset();
    synth_.reset();
}

void Mixer::FileName(Player l, const std::string& path) {
    std::lock_guard<std::mutex> g(mutex_);
    instances_[static_cast<int>(l)]->fileName = path;
}

void Mixer::Command(Player l, const std::string& command) {
    Instance& i = *instances_[static_cast<int>(l)];
    if (command == "Open") {
        // Reading and decoding happen before the lock, so the audio thread never waits on a disk.
        std::string name;
        {
            std::lock_guard<std::mutex> g(mutex_);
            name = i.fileName;
        }
        const std::string real = name.empty() || !pathMap_ ? std::string() : pathMap_(name);
        if (!real.empty() && fluid_is_midifile(real.c_str())) {
            prepareSynth();
            std::lock_guard<std::mutex> g(mutex_);
            i.openMidi(real);
            return;
        }
        Samples c;
        const bool ok = !real.empty() && decodeAudio(real, c);
        std::lock_guard<std::mutex> g(mutex_);
        if (ok) i.openWav(std::move(c));
        else i.close();
        return;
    }
    bool started = false;
    {
        std::lock_guard<std::mutex> g(mutex_);
        if (command == "Close") i.close();
        else if (command == "Prev") i.rewind();
        else if (command == "Play") {
            i.sound();
            started = i.isPlaying();
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
    for (auto& i : instances_) {
        i->addWav(out, frame);
        synth = synth || i->needsSynth();
    }
    if (synth) {
        scratch_.resize(frame * 2);
        fluid_synth_write_float(synth_->synth, static_cast<int>(frame), scratch_.data(), 0, 2, scratch_.data(), 1,
                                2);
        for (size_t k = 0; k < frame * 2; ++k) out[k] += scratch_[k];
        for (auto& i : instances_) i->afterSynth(frame);
    }
    limiter_.process(out, frame);
}

void Mixer::preload() { prepareSynth(); }

bool Mixer::quiet() const {
    std::lock_guard<std::mutex> g(mutex_);
    for (const auto& i : instances_)
        if (i->audible()) return false;
    return limiter_.idle();
}

void Mixer::setOnPlay(std::function<void()> f) {
    std::lock_guard<std::mutex> g(onPlayMutex_);
    onPlay_ = std::move(f);
}

// ---------------------------------------------------------------- the limiter

PeakLimiter::PeakLimiter(float ceiling)
    : ceiling_(ceiling), release_(1.0 - std::exp(-1.0 / (0.08 * SAMPLE_RATE))) {
    gains_.fill(1.0);
}

void PeakLimiter::process(float* stereo, size_t frames) {
    for (size_t n = 0; n < frames; ++n, ++frame_) {
        float* x = stereo + 2 * n;
        const float peak = std::max(std::fabs(x[0]), std::fabs(x[1]));
        const float needed = peak > ceiling_ ? ceiling_ / peak : 1.0f;
        // The least gain needed over the look-ahead: a queue of rising minimum.
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

bool Mixer::isOpen(Player l) const {
    std::lock_guard<std::mutex> g(mutex_);
    return instances_[static_cast<int>(l)]->isOpen();
}

bool Mixer::isPlaying(Player l) const {
    std::lock_guard<std::mutex> g(mutex_);
    return instances_[static_cast<int>(l)]->isPlaying();
}

// ---------------------------------------------------------------- sinks

WavSink::WavSink(std::string path) : path_(std::move(path)), temporary_(path_ + ".part") {
    SF_INFO info{};
    info.samplerate = SAMPLE_RATE;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* sf = sf_open(temporary_.c_str(), SFM_WRITE, &info);
    if (sf) sf_command(sf, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    file_ = sf;
}

WavSink::~WavSink() {
    if (file_) {
        sf_close(static_cast<SNDFILE*>(file_));
        std::remove(temporary_.c_str());
    }
}

void WavSink::write(const float* stereo, size_t frame) {
    if (!file_ || failed_) return;
    const sf_count_t n = sf_writef_float(static_cast<SNDFILE*>(file_), stereo, static_cast<sf_count_t>(frame));
    if (n != static_cast<sf_count_t>(frame)) failed_ = true;
    written_ += frame;
}

bool WavSink::close() {
    if (!file_) return false;
    const bool closed = sf_close(static_cast<SNDFILE*>(file_)) == 0;
    file_ = nullptr;
    if (!closed || failed_) {
        std::remove(temporary_.c_str());
        return false;
    }
    std::error_code ec;
    fs::rename(temporary_, path_, ec);
    if (ec) std::remove(temporary_.c_str());
    return !ec;
}

// ---------------------------------------------------------------- virtual time

VirtualPlayers::VirtualPlayers(Mixer& mixer, Sink& sink, std::function<int64_t()> clockMs)
    : mixer_(mixer), sink_(sink), clock_(std::move(clockMs)) {
    origin_ = clock_ ? clock_() : 0;
}

void VirtualPlayers::advanceTo(int64_t ms) {
    const int64_t target = (ms - origin_) * SAMPLE_RATE / 1000;
    constexpr int64_t BLOCCO = 1024;
    while (framesRendered_ < target) {
        const int64_t n = std::min(BLOCCO, target - framesRendered_);
        block_.resize(static_cast<size_t>(n) * 2);
        mixer_.render(block_.data(), static_cast<size_t>(n));
        sink_.write(block_.data(), static_cast<size_t>(n));
        framesRendered_ += n;
    }
}

int64_t VirtualPlayers::renderedUntil() const { return origin_ + framesRendered_ * 1000 / SAMPLE_RATE; }

void VirtualPlayers::FileName(Player l, const std::string& path) {
    if (clock_) advanceTo(clock_());
    mixer_.FileName(l, path);
}

void VirtualPlayers::Command(Player l, const std::string& command) {
    if (clock_) advanceTo(clock_());
    mixer_.Command(l, command);
}

// ---------------------------------------------------------------- the window's players

AsyncPlayers::AsyncPlayers(Mixer& mixer, bool preload) : mixer_(mixer) {
    busy_ = preload;
    worker_ = std::thread([this, preload] { work(preload); });
}

AsyncPlayers::~AsyncPlayers() {
    {
        std::lock_guard<std::mutex> g(mutex_);
        stopping_ = true;
    }
    arrived_.notify_all();
    worker_.join();
}

void AsyncPlayers::FileName(Player l, const std::string& path) {
    {
        std::lock_guard<std::mutex> g(mutex_);
        queue_.push_back({l, false, path});
    }
    arrived_.notify_one();
}

void AsyncPlayers::Command(Player l, const std::string& command) {
    {
        std::lock_guard<std::mutex> g(mutex_);
        queue_.push_back({l, true, command});
    }
    arrived_.notify_one();
}

void AsyncPlayers::waitIdle() {
    std::unique_lock<std::mutex> g(mutex_);
    drained_.wait(g, [this] { return queue_.empty() && !busy_; });
}

void AsyncPlayers::work(bool preload) {
    if (preload) {
        mixer_.preload();
        std::lock_guard<std::mutex> g(mutex_);
        busy_ = false;
        if (queue_.empty()) drained_.notify_all();
    }
    for (;;) {
        Order o;
        {
            std::unique_lock<std::mutex> g(mutex_);
            arrived_.wait(g, [this] { return stopping_ || !queue_.empty(); });
            // At the end the orders still waiting are dropped: the program is closing.
            if (stopping_) {
                queue_.clear();
                busy_ = false;
                drained_.notify_all();
                return;
            }
            o = std::move(queue_.front());
            queue_.pop_front();
            busy_ = true;
        }
        if (o.command) mixer_.Command(o.player, o.value);
        else mixer_.FileName(o.player, o.value);
        std::lock_guard<std::mutex> g(mutex_);
        busy_ = false;
        if (queue_.empty()) drained_.notify_all();
    }
}

// ---------------------------------------------------------------- checks

Probe probeFile(Mixer& mixer, Player l, const std::string& gamePath, double limitSeconds) {
    Probe p;
    mixer.FileName(l, "");
    mixer.Command(l, "Close");
    mixer.FileName(l, gamePath);
    mixer.Command(l, "Open");
    p.isOpen = mixer.isOpen(l);
    if (!p.isOpen) return p;
    mixer.Command(l, "Prev");
    mixer.Command(l, "Play");
    std::vector<float> buf(2048 * 2);
    size_t frame = 0;
    const size_t limit = static_cast<size_t>(limitSeconds * SAMPLE_RATE);
    while (mixer.isPlaying(l) && frame < limit) {
        mixer.render(buf.data(), 2048);
        for (float v : buf) p.peak = std::max(p.peak, std::fabs(v));
        frame += 2048;
    }
    p.seconds = static_cast<double>(frame) / SAMPLE_RATE;
    mixer.Command(l, "Close");
    return p;
}

}  // namespace zelvo::media
