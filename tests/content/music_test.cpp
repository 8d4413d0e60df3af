// The tunes in Musiche: each is a standard MIDI file, arranged for more than
// one instrument, and plays for as long as the game lets it play: a folk
// melody is stopped at the second tick of its stop timer, the title window
// restarts the theme every 81.4 s, and an anthem fills the award ceremony.
#include <gtest/gtest.h>

#include "audio/tables.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// What the tests need to know about a MIDI file.
struct Midi {
  int format = 0;
  int tracks = 0;
  double seconds = 0;                // from the tempo map to the last event
  int notes = 0;                     // note-ons with a velocity
  std::set<int> channelsWithNotes;   // 0..15
  std::map<int, int> programOf;      // channel -> last program change
};

class Reader {
 public:
  Reader(const Bytes& b, std::size_t from, std::size_t to) : b_(b), i_(from), end_(to) {}
  bool done() const { return i_ >= end_; }
  std::size_t pos() const { return i_; }
  bool byte(std::uint8_t& v) {
    if (i_ >= end_) return false;
    v = b_[i_++];
    return true;
  }
  bool peek(std::uint8_t& v) const {
    if (i_ >= end_) return false;
    v = b_[i_];
    return true;
  }
  bool skip(std::uint32_t n) {
    if (n > end_ - i_) return false;
    i_ += n;
    return true;
  }
  // Variable-length quantity: at most four bytes.
  bool vlq(std::uint32_t& v) {
    v = 0;
    for (int k = 0; k < 4; ++k) {
      std::uint8_t c;
      if (!byte(c)) return false;
      v = (v << 7) | (c & 0x7F);
      if (!(c & 0x80)) return true;
    }
    return false;
  }

 private:
  const Bytes& b_;
  std::size_t i_, end_;
};

std::uint32_t be(const Bytes& b, std::size_t at, int n) {
  std::uint32_t v = 0;
  for (int k = 0; k < n; ++k) v = (v << 8) | b[at + k];
  return v;
}

// Reads a whole standard MIDI file; nullopt for anything damaged.
std::optional<Midi> parseMidi(const Bytes& b) {
  if (b.size() < 14 || !std::equal(b.begin(), b.begin() + 4, "MThd")) return std::nullopt;
  const std::uint32_t headerLen = be(b, 4, 4);
  if (headerLen < 6 || headerLen > b.size() - 8) return std::nullopt;
  Midi m;
  m.format = static_cast<int>(be(b, 8, 2));
  m.tracks = static_cast<int>(be(b, 10, 2));
  const std::uint32_t division = be(b, 12, 2);
  if (division == 0) return std::nullopt;

  std::vector<std::pair<std::uint64_t, std::uint32_t>> tempi;  // tick, microseconds a quarter
  std::uint64_t lastTick = 0;
  std::size_t at = 8 + headerLen;
  for (int t = 0; t < m.tracks; ++t) {
    if (b.size() - at < 8 || !std::equal(b.begin() + at, b.begin() + at + 4, "MTrk")) return std::nullopt;
    const std::uint32_t len = be(b, at + 4, 4);
    if (len > b.size() - at - 8) return std::nullopt;
    Reader r(b, at + 8, at + 8 + len);
    std::uint64_t tick = 0;
    std::uint8_t status = 0;
    bool ended = false;
    while (!r.done() && !ended) {
      std::uint32_t delta;
      std::uint8_t c;
      if (!r.vlq(delta) || !r.peek(c)) return std::nullopt;
      tick += delta;
      lastTick = std::max(lastTick, tick);
      if (c == 0xFF) {
        std::uint8_t type;
        std::uint32_t n;
        r.byte(c);
        if (!r.byte(type) || !r.vlq(n)) return std::nullopt;
        const std::size_t data = r.pos();
        if (!r.skip(n)) return std::nullopt;
        if (type == 0x51) {
          if (n != 3) return std::nullopt;
          tempi.emplace_back(tick, be(b, data, 3));
        }
        if (type == 0x2F) ended = true;
      } else if (c > 0xF0 && c != 0xF7) {
        return std::nullopt;  // real-time and common messages have no place in a file
      } else if (c == 0xF0 || c == 0xF7) {
        std::uint32_t n;
        r.byte(c);
        if (!r.vlq(n) || !r.skip(n)) return std::nullopt;
        status = 0;
      } else {
        if (c & 0x80) {
          r.byte(c);
          status = c;
        }
        if (status == 0) return std::nullopt;  // data byte without a running status
        const int kind = status & 0xF0, channel = status & 0x0F;
        std::uint8_t d1 = 0, d2 = 0;
        if (!r.byte(d1)) return std::nullopt;
        if (kind != 0xC0 && kind != 0xD0 && !r.byte(d2)) return std::nullopt;
        if ((d1 | d2) & 0x80) return std::nullopt;
        if (kind == 0x90 && d2 > 0) {
          ++m.notes;
          m.channelsWithNotes.insert(channel);
        }
        if (kind == 0xC0) m.programOf[channel] = d1;
      }
    }
    if (!ended) return std::nullopt;
    at += 8 + len;
  }

  if (division & 0x8000) {  // SMPTE: frames a second and ticks a frame
    const int fps = 256 - static_cast<int>(division >> 8);
    const int perFrame = static_cast<int>(division & 0xFF);
    if (fps <= 0 || perFrame == 0) return std::nullopt;
    m.seconds = static_cast<double>(lastTick) / (fps * perFrame);
    return m;
  }
  std::stable_sort(tempi.begin(), tempi.end(),
                   [](const auto& x, const auto& y) { return x.first < y.first; });
  double us = 0;
  std::uint64_t from = 0;
  std::uint32_t perQuarter = 500000;  // 120 beats a minute until told otherwise
  for (const auto& [tick, tempo] : tempi) {
    if (tick >= lastTick) break;
    us += static_cast<double>(tick - from) * perQuarter / division;
    from = tick;
    perQuarter = tempo;
  }
  us += static_cast<double>(lastTick - from) * perQuarter / division;
  m.seconds = us / 1e6;
  return m;
}

// ---- A small MIDI writer for the parser's own tests ----
void putVlq(Bytes& o, std::uint32_t v) {
  std::uint8_t buf[5];
  int n = 0;
  buf[n++] = v & 0x7F;
  while (v >>= 7) buf[n++] = 0x80 | (v & 0x7F);
  while (n) o.push_back(buf[--n]);
}
void put(Bytes& o, std::uint32_t v, int n) {
  for (int k = n - 1; k >= 0; --k) o.push_back((v >> (8 * k)) & 0xFF);
}
Bytes header(int format, int tracks, int division) {
  Bytes o{'M', 'T', 'h', 'd'};
  put(o, 6, 4);
  put(o, format, 2);
  put(o, tracks, 2);
  put(o, division, 2);
  return o;
}
void addTrack(Bytes& file, const Bytes& events) {
  Bytes body = events;
  body.insert(body.end(), {0x00, 0xFF, 0x2F, 0x00});
  file.insert(file.end(), {'M', 'T', 'r', 'k'});
  put(file, static_cast<std::uint32_t>(body.size()), 4);
  file.insert(file.end(), body.begin(), body.end());
}
Bytes tempo(std::uint32_t delta, std::uint32_t usPerQuarter) {
  Bytes o;
  putVlq(o, delta);
  o.insert(o.end(), {0xFF, 0x51, 0x03});
  put(o, usPerQuarter, 3);
  return o;
}
Bytes note(std::uint32_t delta, int channel, int key, std::uint32_t length) {
  Bytes o;
  putVlq(o, delta);
  o.insert(o.end(), {static_cast<std::uint8_t>(0x90 | channel), static_cast<std::uint8_t>(key), 100});
  putVlq(o, length);
  o.insert(o.end(), {static_cast<std::uint8_t>(0x80 | channel), static_cast<std::uint8_t>(key), 0});
  return o;
}
Bytes cat(std::initializer_list<Bytes> parts) {
  Bytes o;
  for (const auto& p : parts) o.insert(o.end(), p.begin(), p.end());
  return o;
}

// ---- The parser on files made here ----

struct LengthCase {
  const char* what;
  Bytes file;
  double seconds;
};

std::vector<LengthCase> lengthCases() {
  std::vector<LengthCase> cases;
  {
    Bytes f = header(0, 1, 480);
    addTrack(f, note(0, 0, 60, 960));  // two quarters at the default 120
    cases.push_back({"default tempo", f, 1.0});
  }
  {
    Bytes f = header(0, 1, 480);
    addTrack(f, cat({tempo(0, 1000000), note(0, 0, 60, 480), tempo(0, 250000), note(0, 0, 62, 960)}));
    cases.push_back({"tempo change halfway", f, 1.0 + 0.5});
  }
  {
    Bytes f = header(1, 2, 96);
    addTrack(f, cat({tempo(0, 600000), tempo(192, 300000)}));  // tempo map alone in the first track
    addTrack(f, note(0, 3, 67, 384));
    cases.push_back({"tempo map in its own track", f, 2 * 0.6 + 2 * 0.3});
  }
  {
    Bytes f = header(1, 2, 480);
    addTrack(f, tempo(0, 500000));
    addTrack(f, cat({note(480, 0, 60, 480), note(0, 9, 38, 240)}));  // a rest before the first note
    cases.push_back({"leading rest and later end", f, 1.0 + 0.25});
  }
  {
    Bytes f = header(0, 1, 480);
    // Running status: one status byte for two notes, each ended by a zero velocity.
    Bytes ev = {0x00, 0x90, 60, 100, 0x83, 0x60, 60, 0, 0x00, 64, 100, 0x83, 0x60, 64, 0};
    addTrack(f, ev);
    cases.push_back({"running status", f, 1.0});
  }
  {
    Bytes f = header(0, 1, 480);
    addTrack(f, cat({note(0, 0, 60, 480), tempo(1920, 250000)}));  // a tempo change after the music
    cases.push_back({"late tempo change still counts as an event", f, 0.5 + 2.0});
  }
  {
    Bytes f = header(0, 1, 0xE728);  // 25 frames a second, 40 ticks a frame
    addTrack(f, note(0, 0, 60, 2000));
    cases.push_back({"SMPTE timing", f, 2.0});
  }
  return cases;
}

TEST(MidiReader, MeasuresThePlayingLength) {
  for (const auto& c : lengthCases()) {
    SCOPED_TRACE(c.what);
    auto m = parseMidi(c.file);
    ASSERT_TRUE(m.has_value());
    EXPECT_NEAR(m->seconds, c.seconds, 1e-9);
  }
}

TEST(MidiReader, CountsNotesChannelsAndPrograms) {
  Bytes f = header(1, 2, 480);
  addTrack(f, Bytes{0x00, 0xC0, 21, 0x00, 0xC1, 32});
  addTrack(f, cat({note(0, 0, 72, 240), note(0, 1, 36, 240), note(0, 0, 74, 240)}));
  auto m = parseMidi(f);
  ASSERT_TRUE(m.has_value());
  EXPECT_EQ(m->format, 1);
  EXPECT_EQ(m->tracks, 2);
  EXPECT_EQ(m->notes, 3);
  EXPECT_EQ(m->channelsWithNotes, (std::set<int>{0, 1}));
  EXPECT_EQ(m->programOf, (std::map<int, int>{{0, 21}, {1, 32}}));
}

TEST(MidiReader, RefusesDamagedFiles) {
  Bytes good = header(0, 1, 480);
  addTrack(good, note(0, 0, 60, 480));
  ASSERT_TRUE(parseMidi(good).has_value());

  struct Damage {
    const char* what;
    Bytes file;
  };
  std::vector<Damage> cases;
  cases.push_back({"empty", {}});
  cases.push_back({"wrong signature", [&] { Bytes b = good; b[0] = 'R'; return b; }()});
  cases.push_back({"cut in the header", Bytes(good.begin(), good.begin() + 10)});
  cases.push_back({"cut in the track", Bytes(good.begin(), good.end() - 3)});
  cases.push_back({"track length past the end", [&] { Bytes b = good; b[21] = 0x7F; return b; }()});
  cases.push_back({"more tracks than present", [&] { Bytes b = good; b[11] = 2; return b; }()});
  cases.push_back({"zero division", [&] { Bytes b = good; b[12] = 0; b[13] = 0; return b; }()});
  {
    Bytes f = header(0, 1, 480);
    addTrack(f, Bytes{0x00, 60, 100});  // data bytes before any status
    cases.push_back({"no running status", f});
  }
  {
    Bytes f = header(0, 1, 480);
    addTrack(f, Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x90, 60, 100});  // endless delta time
    cases.push_back({"overlong delta time", f});
  }
  {
    Bytes f = header(0, 1, 480);
    addTrack(f, Bytes{0x00, 0xFF, 0x51, 0x02, 0x07, 0xA1});  // a tempo two bytes long
    cases.push_back({"short tempo", f});
  }
  {
    Bytes f = header(0, 1, 480);
    Bytes ev = note(0, 0, 60, 480);
    f.insert(f.end(), {'M', 'T', 'r', 'k'});
    put(f, static_cast<std::uint32_t>(ev.size()), 4);
    f.insert(f.end(), ev.begin(), ev.end());
    cases.push_back({"track without its end", f});
  }
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_FALSE(parseMidi(c.file).has_value());
  }
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
    auto m = parseMidi(*bytes);
    ASSERT_TRUE(m.has_value()) << "not a readable MIDI file";
    EXPECT_GE(m->seconds, t.minSeconds);
    EXPECT_LE(m->seconds, t.maxSeconds);
  }
}

TEST(Musiche, EveryTuneIsArrangedForMelodyBassAndChords) {
  for (const auto& t : tunes()) {
    SCOPED_TRACE(t.file);
    auto bytes = readFile(kMusiche / t.file);
    ASSERT_TRUE(bytes.has_value());
    auto m = parseMidi(*bytes);
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
