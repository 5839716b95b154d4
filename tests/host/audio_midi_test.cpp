#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "host/music_midi.h"
#include "host/music_sequencer.h"

namespace qel {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Header(int format, int tracks, int division) {
  return {'M',
          'T',
          'h',
          'd',
          0,
          0,
          0,
          6,
          0,
          static_cast<std::uint8_t>(format),
          0,
          static_cast<std::uint8_t>(tracks),
          static_cast<std::uint8_t>(division >> 8),
          static_cast<std::uint8_t>(division & 0xFF)};
}

Bytes Chunk(const char *id, const Bytes &body) {
  Bytes c(id, id + 4);
  const auto n = static_cast<std::uint32_t>(body.size());
  for (int shift : {24, 16, 8, 0}) c.push_back(static_cast<std::uint8_t>(n >> shift));
  c.insert(c.end(), body.begin(), body.end());
  return c;
}

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes &p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

const Bytes kEnd = {0x00, 0xFF, 0x2F, 0x00};

MidiSong Parse(const Bytes &file) {
  MidiSong song;
  EXPECT_TRUE(ParseMidi(file.data(), file.size(), song));
  return song;
}

TEST(MidiFileTest, TicksBecomeMicrosecondsThroughEveryTempoChange) {
  // 96 ticks a quarter. Track 0: 120 bpm, then 60 bpm from tick 96. Track 1 plays a note at
  // tick 0 (running status for its release), another at tick 192, and ends at tick 288.
  Bytes conductor = {0x00, 0xFF, 0x51, 3,   0x07, 0xA1, 0x20,  // 500000 us a quarter
                     0x60, 0xFF, 0x51, 3,   0x0F, 0x42, 0x40,  // at 96: 1000000 us
                     0x00, 0xFF, 0x2F, 0x00};
  Bytes music = {0x00, 0x90, 60,   100,  // note on
                 0x60, 60,   0,          // running status: note on at zero velocity, at 96
                 0x60, 0x91, 64,   90,   // at 192
                 0x60, 0x81, 64,   0,    // at 288
                 0x00, 0xFF, 0x2F, 0x00};
  MidiSong song = Parse(Join({Header(1, 2, 96), Chunk("MTrk", conductor), Chunk("MTrk", music)}));
  ASSERT_EQ(song.events.size(), 4u);
  EXPECT_EQ(song.events[0].micros, 0);
  EXPECT_EQ(song.events[1].micros, 500000);
  EXPECT_EQ(song.events[1].status, 0x90);
  EXPECT_EQ(song.events[1].data2, 0);
  EXPECT_EQ(song.events[2].micros, 1500000);
  EXPECT_EQ(song.events[2].status, 0x91);
  EXPECT_EQ(song.events[3].micros, 2500000);
  EXPECT_EQ(song.endMicros, 2500000);
}

TEST(MidiFileTest, ThePieceEndsWithItsLongestTrackNotItsLastNote) {
  // 120 bpm by default; the note ends at one quarter, the track two quarters later.
  Bytes music = {0x00, 0xC0, 5, 0x00, 0x90, 60, 100, 0x81, 0x40, 0x80, 60, 0, 0x83, 0x00, 0xFF, 0x2F, 0x00};
  MidiSong song = Parse(Join({Header(0, 1, 192), Chunk("MTrk", music)}));
  ASSERT_EQ(song.events.size(), 3u);
  EXPECT_EQ(song.events[0].status, 0xC0);
  EXPECT_EQ(song.events[0].data1, 5);
  EXPECT_EQ(song.events[2].micros, 500000);
  EXPECT_EQ(song.endMicros, 1500000);
}

TEST(MidiFileTest, SystemExclusiveMessagesAndForeignChunksAreHandled) {
  Bytes track = {0x00, 0xF0, 5,    0x7E, 0x7F, 0x09, 0x01, 0xF7,  // General MIDI on
                 0x00, 0xFF, 0x03, 2,    'h',  'i',               // a track name
                 0x00, 0xB0, 7,    100};
  track.insert(track.end(), kEnd.begin(), kEnd.end());
  MidiSong song = Parse(Join({Header(0, 1, 96), Chunk("XFIH", {1, 2, 3}), Chunk("MTrk", track)}));
  ASSERT_EQ(song.events.size(), 2u);
  EXPECT_EQ(song.events[0].status, 0xF0);
  ASSERT_EQ(song.events[0].sysexLength, 4u);
  EXPECT_EQ(song.sysex[song.events[0].sysexOffset + 3], 0x01);
  EXPECT_EQ(song.events[1].status, 0xB0);
}

TEST(MidiFileTest, SmpteTimeIgnoresTheTempo) {
  // 25 frames of 40 ticks: a millisecond a tick.
  Bytes track = {0x00, 0xFF, 0x51, 3, 0x0F, 0x42, 0x40, 0x83, 0x60, 0x90, 60, 100};
  track.insert(track.end(), kEnd.begin(), kEnd.end());
  MidiSong song = Parse(Join({Header(0, 1, 0xE728), Chunk("MTrk", track)}));
  ASSERT_EQ(song.events.size(), 1u);
  EXPECT_EQ(song.events[0].micros, 480000);
}

TEST(MidiFileTest, BrokenFilesAreRefused) {
  const Bytes good = Join({Header(0, 1, 96), Chunk("MTrk", {0x00, 0x90, 60, 100, 0x00, 0xFF, 0x2F, 0x00})});
  MidiSong song;
  ASSERT_TRUE(ParseMidi(good.data(), good.size(), song));
  for (std::size_t cut : {4u, 13u, 20u, 25u}) {
    EXPECT_FALSE(ParseMidi(good.data(), cut, song)) << "cut at " << cut;
  }
  const Bytes noStatus = Join({Header(0, 1, 96), Chunk("MTrk", {0x00, 60, 100})});
  EXPECT_FALSE(ParseMidi(noStatus.data(), noStatus.size(), song));
  const Bytes missingTrack = Join({Header(1, 2, 96), Chunk("MTrk", kEnd)});
  EXPECT_FALSE(ParseMidi(missingTrack.data(), missingTrack.size(), song));
  const Bytes zeroDivision = Join({Header(0, 1, 0), Chunk("MTrk", kEnd)});
  EXPECT_FALSE(ParseMidi(zeroDivision.data(), zeroDivision.size(), song));
  const Bytes wave = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
  EXPECT_FALSE(ParseMidi(wave.data(), wave.size(), song));
}

// Records what reaches the synthesizer, and on which frame.
class RecordingSink : public MidiSink {
 public:
  void Send(const MidiEvent &ev, const std::uint8_t *) override {
    log.push_back("ev " + std::to_string(ev.status) + " @" + std::to_string(frame));
  }
  void ReleaseAll() override { log.push_back("release @" + std::to_string(frame)); }
  void Reset() override { log.push_back("reset @" + std::to_string(frame)); }
  void Render(float *stereo, int frames) override {
    for (int i = 0; i < 2 * frames; ++i) stereo[i] = 0.5f;
    frame += frames;
  }
  std::vector<std::string> log;
  long frame = 0;
};

TEST(MidiFileTest, TheProgrammesASongChoosesAreKnownBeforeItPlays) {
  MidiSong song;
  song.events = {{0, 0xC0, 48},        // strings on channel 1, bank 0
                 {0, 0xB1, 0, 8},      // channel 2 chooses bank 8
                 {0, 0xC1, 4},         // and a programme in it
                 {10, 0xC9, 25},       // the drum channel's kit, in bank 128
                 {20, 0x90, 60, 100},  // notes choose nothing
                 {30, 0xB0, 7, 100},   // nor do other controllers
                 {40, 0xC0, 48}};      // a programme chosen twice counts once
  const std::set<std::pair<int, int>> expected = {{0, 0}, {128, 0}, {0, 48}, {8, 4}, {128, 25}};
  EXPECT_EQ(ProgrammesChosen(song), expected);
}

// At 1000 frames a second: notes at 0 and 10 ms, the piece ends at 25 ms.
MidiSong ShortSong() {
  MidiSong song;
  song.events = {{0, 0x90, 60, 100}, {10000, 0x80, 60, 0}};
  song.endMicros = 25000;
  return song;
}

TEST(MidiSequencerTest, SendsEachMessageOnItsFrameAndStopsAtTheEnd) {
  const MidiSong song = ShortSong();
  MidiSequencer seq(1000);
  RecordingSink sink;
  std::vector<float> out(2 * 64);
  seq.Start(&song);
  seq.Render(sink, out.data(), 7);
  seq.Render(sink, out.data(), 7);  // the release falls inside this block, on frame 10
  EXPECT_TRUE(seq.Playing());
  seq.Render(sink, out.data(), 20);
  EXPECT_FALSE(seq.Playing());
  EXPECT_EQ(sink.log, (std::vector<std::string>{"reset @0", "ev 144 @0", "ev 128 @10"}));
  EXPECT_EQ(sink.frame, 34);  // the synthesizer goes on rendering the release
  EXPECT_EQ(out[2 * 19 + 1], 0.5f);
}

TEST(MidiSequencerTest, RestartsFromTheBeginningAndReleasesWhenStopped) {
  const MidiSong song = ShortSong();
  MidiSequencer seq(1000);
  RecordingSink sink;
  std::vector<float> out(2 * 64);
  seq.Start(&song);
  seq.Render(sink, out.data(), 30);
  seq.Start(&song);  // the music timer's rewind
  EXPECT_TRUE(seq.Playing());
  seq.Render(sink, out.data(), 5);
  seq.Stop();
  EXPECT_FALSE(seq.Playing());
  seq.Render(sink, out.data(), 30);
  EXPECT_EQ(sink.log, (std::vector<std::string>{"reset @0", "ev 144 @0", "ev 128 @10", "reset @30",
                                                "ev 144 @30", "release @35"}));
}

TEST(MidiSequencerTest, AnEmptyPieceStopsAtOnce) {
  MidiSong empty;
  MidiSequencer seq(44100);
  RecordingSink sink;
  std::vector<float> out(2 * 16);
  seq.Start(&empty);
  seq.Render(sink, out.data(), 16);
  EXPECT_FALSE(seq.Playing());
}

}  // namespace
}  // namespace qel
