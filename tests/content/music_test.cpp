// The tunes in Musiche: each is a standard MIDI file, arranged for more than
// one instrument, and plays for as long as the game lets it play: a folk
// melody is stopped at the second tick of its stop timer, the title window
// restarts the theme every 81.4 s, and an anthem fills the award ceremony.
#include <gtest/gtest.h>
#include <smf.h>

#include "audio/tables.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// What the tests need to know about a MIDI file.
struct Midi {
  double seconds = 0;               // from the tempo map to the last event
  int notes = 0;                    // note-ons with a velocity
  std::set<int> channelsWithNotes;  // 0..15
  std::map<int, int> programOf;     // channel -> last program change
};

// Reads a whole standard MIDI file with libsmf; nullopt for anything it refuses.
std::optional<Midi> readMidi(const std::filesystem::path& file) {
  std::unique_ptr<smf_t, void (*)(smf_t*)> smf(smf_load(file.c_str()), smf_delete);
  if (!smf) return std::nullopt;
  Midi m;
  m.seconds = smf_get_length_seconds(smf.get());
  while (smf_event_t* e = smf_get_next_event(smf.get())) {
    if (smf_event_is_metadata(e) || e->midi_buffer_length < 2) continue;
    const int status = e->midi_buffer[0] & 0xF0, channel = e->midi_buffer[0] & 0x0F;
    if (status == 0x90 && e->midi_buffer_length >= 3 && e->midi_buffer[2] > 0) {
      ++m.notes;
      m.channelsWithNotes.insert(channel);
    }
    if (status == 0xC0) m.programOf[channel] = e->midi_buffer[1];
  }
  return m;
}

// ---- The files the build makes ----

const std::filesystem::path kMusiche = std::filesystem::path(ZELVO_BUILD_DATA_DIR) / "Musiche";

std::optional<Bytes> readFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  if (!in) return std::nullopt;
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Tune {
  std::string file;
  double minSeconds, maxSeconds;
};

// A folk melody plays for two ticks of its stop timer; the files may run ten
// per cent either side of that.
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

TEST(Musiche, EveryTuneIsAMidiFileOfTheRightLength) {
  for (const auto& t : tunes()) {
    SCOPED_TRACE(t.file);
    auto bytes = readFile(kMusiche / t.file);
    ASSERT_TRUE(bytes.has_value()) << "missing " << (kMusiche / t.file);
    ASSERT_GE(bytes->size(), 4u);
    EXPECT_TRUE(std::equal(bytes->begin(), bytes->begin() + 4, "MThd"));
    auto m = readMidi(kMusiche / t.file);
    ASSERT_TRUE(m.has_value()) << "not a readable MIDI file";
    EXPECT_GE(m->seconds, t.minSeconds);
    EXPECT_LE(m->seconds, t.maxSeconds);
  }
}

TEST(Musiche, EveryTuneIsArrangedForMelodyBassAndChords) {
  for (const auto& t : tunes()) {
    SCOPED_TRACE(t.file);
    auto m = readMidi(kMusiche / t.file);
    ASSERT_TRUE(m.has_value());
    // A tune a second at the very least, on three channels at least.
    EXPECT_GE(m->notes, static_cast<int>(m->seconds));
    EXPECT_GE(m->channelsWithNotes.size(), 3u);
    // Every melodic channel that sounds has chosen its instrument.
    for (int ch : m->channelsWithNotes) {
      if (ch == 9) continue;  // percussion
      EXPECT_TRUE(m->programOf.count(ch)) << "channel " << ch << " plays without an instrument";
    }
  }
}

TEST(Musiche, NoTwoTunesAreTheSameFile) {
  std::set<std::string> seen;
  for (const auto& t : tunes()) {
    auto bytes = readFile(kMusiche / t.file);
    ASSERT_TRUE(bytes.has_value()) << t.file;
    EXPECT_TRUE(seen.insert(std::string(bytes->begin(), bytes->end())).second)
        << t.file << " repeats another file";
  }
}

}  // namespace
