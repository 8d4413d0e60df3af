// The tunes in Musiche: each is a standard MIDI file of its own, arranged for more
// than one instrument, and plays for as long as the game lets it play: a folk
// melody is stopped at the second tick of its stop timer, the title window
// restarts the theme every 81.4 s, and an anthem fills the award ceremony.
#include <gtest/gtest.h>
#include <smf.h>

#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "audio/tables.h"
#include "support/files.h"

namespace {

struct Tune {
    std::string file;
    double minSeconds, maxSeconds;
};

// A folk melody plays for two ticks of its stop timer; the files may run ten per
// cent either side of that.
std::vector<Tune> tunes() {
    std::vector<Tune> t;
    for (int n = 1; n <= 21; ++n) {
        const double play = 2 * zelvo::audio::song(n).stopInterval / 1000.0;
        char name[16];
        std::snprintf(name, sizeof name, "MelPop%02d.mid", n);
        t.push_back({name, 0.9 * play, 1.1 * play});
    }
    t.push_back({"GodSave.mid", 60, 90});
    t.push_back({"Mameli.mid", 60, 90});
    t.push_back({"ZlvSigla.mid", 72, 81.4});  // ends before the title window starts it again
    return t;
}

TEST(Tunes, EachIsAMidiFileOfItsOwnOfTheRightLengthForMelodyBassAndChords) {
    std::set<std::string> seen;
    for (const Tune& t : tunes()) {
        SCOPED_TRACE(t.file);
        const std::string path = std::string(ZELVO_BUILD_DATA_DIR) + "/Musiche/" + t.file;
        EXPECT_TRUE(seen.insert(zelvo::test::readFile(path)).second) << "the same bytes as another tune";
        std::unique_ptr<smf_t, void (*)(smf_t*)> smf(smf_load(path.c_str()), smf_delete);
        ASSERT_TRUE(smf) << "missing or not a MIDI file";
        const double seconds = smf_get_length_seconds(smf.get());
        EXPECT_GE(seconds, t.minSeconds);
        EXPECT_LE(seconds, t.maxSeconds);
        int notes = 0;
        std::set<int> sounding;          // channels with notes
        std::map<int, int> instrument;   // channel -> program
        while (smf_event_t* e = smf_get_next_event(smf.get())) {
            if (smf_event_is_metadata(e) || e->midi_buffer_length < 2) continue;
            const int status = e->midi_buffer[0] & 0xF0, channel = e->midi_buffer[0] & 0x0F;
            if (status == 0x90 && e->midi_buffer_length >= 3 && e->midi_buffer[2] > 0) ++notes, sounding.insert(channel);
            if (status == 0xC0) instrument[channel] = e->midi_buffer[1];
        }
        // A note a second at the very least, on three channels at least, each melodic
        // channel that sounds with its instrument chosen (channel 10 is percussion).
        EXPECT_GE(notes, int(seconds));
        EXPECT_GE(sounding.size(), 3u);
        for (int ch : sounding) EXPECT_TRUE(ch == 9 || instrument.count(ch)) << "channel " << ch << " has no instrument";
    }
}

}  // namespace
