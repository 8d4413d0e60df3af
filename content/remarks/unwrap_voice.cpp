// Repairs the voice's recordings: Festival's diphone voice writes its 16-bit samples
// without clamping them, so a loud vowel that overshoots full scale wraps round to the
// other end of the range and is heard as a click. Such a wrap is a jump of more than
// half the range between neighbouring samples, which a voice sampled at 16 kHz never
// makes by itself; undoing it (adding or taking away one whole range from there on)
// gives back the waveform the voice meant, which is then scaled to fit full scale.
// Usage: zelvo-unwrap-voice IN.wav OUT.wav   (OUT is written as 32-bit float)
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: zelvo-unwrap-voice IN.wav OUT.wav\n");
        return 2;
    }
    SF_INFO info{};
    SNDFILE* in = sf_open(argv[1], SFM_READ, &info);
    if (!in || info.channels != 1 || info.frames <= 0) {
        std::fprintf(stderr, "zelvo-unwrap-voice: %s is not a mono recording\n", argv[1]);
        if (in) sf_close(in);
        return 1;
    }
    std::vector<short> raw(static_cast<size_t>(info.frames));
    const sf_count_t read = sf_read_short(in, raw.data(), info.frames);
    sf_close(in);
    raw.resize(static_cast<size_t>(std::max<sf_count_t>(read, 0)));

    std::vector<float> voice(raw.size());
    long turns = 0;  // whole ranges to add back from here on
    float peak = 0;
    for (size_t i = 0; i < raw.size(); ++i) {
        if (i > 0) {
            const int jump = raw[i] - raw[i - 1];
            if (jump < -32768) ++turns;
            else if (jump > 32768) --turns;
        }
        voice[i] = static_cast<float>((raw[i] + turns * 65536.0) / 32768.0);
        peak = std::max(peak, std::fabs(voice[i]));
    }
    if (peak > 1) {
        for (float& v : voice) v /= peak;
    }

    SF_INFO outInfo{};
    outInfo.samplerate = info.samplerate;
    outInfo.channels = 1;
    outInfo.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SNDFILE* out = sf_open(argv[2], SFM_WRITE, &outInfo);
    if (!out) {
        std::fprintf(stderr, "zelvo-unwrap-voice: cannot write %s\n", argv[2]);
        return 1;
    }
    const bool ok = sf_writef_float(out, voice.data(), static_cast<sf_count_t>(voice.size())) ==
                    static_cast<sf_count_t>(voice.size());
    return sf_close(out) == 0 && ok ? 0 : 1;
}
