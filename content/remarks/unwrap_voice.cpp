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
    std::vector<short> grezzi(static_cast<size_t>(info.frames));
    const sf_count_t letti = sf_read_short(in, grezzi.data(), info.frames);
    sf_close(in);
    grezzi.resize(static_cast<size_t>(std::max<sf_count_t>(letti, 0)));

    std::vector<float> voce(grezzi.size());
    long giri = 0;  // whole ranges to add back from here on
    float picco = 0;
    for (size_t i = 0; i < grezzi.size(); ++i) {
        if (i > 0) {
            const int salto = grezzi[i] - grezzi[i - 1];
            if (salto < -32768) ++giri;
            else if (salto > 32768) --giri;
        }
        voce[i] = static_cast<float>((grezzi[i] + giri * 65536.0) / 32768.0);
        picco = std::max(picco, std::fabs(voce[i]));
    }
    if (picco > 1) {
        for (float& v : voce) v /= picco;
    }

    SF_INFO fuori{};
    fuori.samplerate = info.samplerate;
    fuori.channels = 1;
    fuori.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SNDFILE* out = sf_open(argv[2], SFM_WRITE, &fuori);
    if (!out) {
        std::fprintf(stderr, "zelvo-unwrap-voice: cannot write %s\n", argv[2]);
        return 1;
    }
    const bool ok = sf_writef_float(out, voce.data(), static_cast<sf_count_t>(voce.size())) ==
                    static_cast<sf_count_t>(voce.size());
    return sf_close(out) == 0 && ok ? 0 : 1;
}
