// The nine music pieces as the build makes them from their scores, and as the game plays them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "../../tools/music_render.h"
#include "game.h"
#include "host/headless_host.h"
#include "platform/sound.h"
#include "support/test_game.h"

namespace qel {
namespace {

const std::string kData = std::string(QELVANE_BUILD_DIR) + "/d";
const std::string kScores = std::string(QELVANE_SOURCE_DIR) + "/assets/music";

std::string PiecePath(int n) { return kData + "/" + MusicFile(n); }
bool Loops(int n) { return n != 6 && n != 9; }
double Seconds(std::int64_t micros) { return static_cast<double>(micros) / 1e6; }

struct Note {
  int channel, key;
  std::int64_t on, off;
};

// Every note of the piece with its start and end; notes never released end at -1.
std::vector<Note> Notes(const MidiSong &song) {
  std::vector<Note> notes;
  std::map<std::pair<int, int>, std::size_t> sounding;
  for (const MidiEvent &e : song.events) {
    const int kind = e.status & 0xF0, ch = e.status & 0x0F;
    if (kind == 0x90 && e.data2 > 0) {
      sounding[{ch, e.data1}] = notes.size();
      notes.push_back({ch, e.data1, e.micros, -1});
    } else if (kind == 0x80 || kind == 0x90) {
      auto it = sounding.find({ch, e.data1});
      if (it != sounding.end()) notes[it->second].off = e.micros, sounding.erase(it);
    }
  }
  return notes;
}

class MusicPieceTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(music_render::ReadSong(PiecePath(GetParam()), song))
        << PiecePath(GetParam()) << " is missing or not a standard MIDI file";
    notes = Notes(song);
  }
  MidiSong song;
  std::vector<Note> notes;
};

TEST_P(MusicPieceTest, IsAMultiTrackStandardMidiFileWithItsTempo) {
  const std::string bytes = test::ReadBytes(PiecePath(GetParam()));
  ASSERT_GE(bytes.size(), 14u);
  EXPECT_EQ(bytes.substr(0, 8), std::string("MThd\0\0\0\6", 8));
  EXPECT_EQ(bytes[9], 1) << "format 1: one track a voice";
  const int division = static_cast<std::uint8_t>(bytes[12]) << 8 | static_cast<std::uint8_t>(bytes[13]);
  EXPECT_GT(division, 0);
  EXPECT_LT(division, 0x8000) << "timed in beats, not in SMPTE frames";
  EXPECT_NE(bytes.find("\xFF\x51\x03"), std::string::npos) << "no tempo: it would play at 120";
}

TEST_P(MusicPieceTest, LastsAsLongAsItsUseWants) {
  const int n = GetParam();
  const double length = Seconds(song.endMicros);
  if (n == 6) {
    EXPECT_GE(length, 4.0);
    EXPECT_LE(length, 8.0);
  } else if (n == 9) {
    // The staff roll (about 60 s) and the END that follows it (about 30 s).
    EXPECT_GE(length, 80.0);
    EXPECT_LE(length, 100.0);
  } else {
    EXPECT_GE(length, 60.0);
    EXPECT_LE(length, 150.0);
  }
}

// Different channels playing notes; each melodic one chooses its instrument before it plays,
// since the sequencer resets every channel to the piano when a piece starts.
TEST_P(MusicPieceTest, HasItsVoicesEachOnItsOwnInstrument) {
  std::set<int> voices;
  for (const Note &note : notes) voices.insert(note.channel);
  EXPECT_GE(voices.size(), GetParam() == 6 ? 2u : 3u);
  for (int ch : voices) {
    if (ch == 9) continue;
    std::int64_t firstNote = -1, program = -1;
    for (const MidiEvent &e : song.events) {
      if ((e.status & 0x0F) != ch) continue;
      if ((e.status & 0xF0) == 0xC0 && program < 0) program = e.micros;
      if ((e.status & 0xF0) == 0x90 && e.data2 > 0 && firstNote < 0) firstNote = e.micros;
    }
    EXPECT_GE(program, 0) << "channel " << ch + 1 << " never chooses an instrument";
    EXPECT_LE(program, firstNote) << "channel " << ch + 1;
  }
}

TEST_P(MusicPieceTest, EveryNoteEndsBeforeThePieceDoes) {
  for (const Note &note : notes) {
    EXPECT_GE(note.off, 0) << "channel " << note.channel + 1 << " key " << note.key << " is never released";
    EXPECT_LE(note.off, song.endMicros);
  }
}

// A looping piece starts on its first beat and stops with its last note, so that the restart
// follows after the music timer's gap alone. A piece played once closes on held notes.
TEST_P(MusicPieceTest, StartsAtOnceAndEndsTheWayItsUseWants) {
  ASSERT_FALSE(notes.empty());
  std::int64_t first = notes.front().on, last = 0, longestFinal = 0;
  for (const Note &note : notes) {
    first = std::min(first, note.on);
    last = std::max(last, note.off);
  }
  for (const Note &note : notes) {
    if (note.off == last) longestFinal = std::max(longestFinal, note.off - note.on);
  }
  EXPECT_LT(Seconds(first), 0.05);
  EXPECT_LT(Seconds(song.endMicros - last), 0.05) << "silence before the piece stops";
  if (!Loops(GetParam())) {
    EXPECT_GE(Seconds(longestFinal), 1.0) << "the last chord is cut short";
  }
}

// The scores compile to exactly the files in the data folder: nothing stale, nothing that
// differs from one build to the next.
TEST_P(MusicPieceTest, IsWhatItsScoreCompilesTo) {
  test::TempDir dir;
  const std::string name = MusicFile(GetParam());
  const std::string score = kScores + "/" + name.substr(0, 3) + ".abc";
  const std::string again = dir.file(name);
  const std::string command =
      std::string("'") + QELVANE_ABC2MIDI + "' '" + score + "' -o '" + again + "' > /dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  EXPECT_TRUE(test::ReadBytes(again) == test::ReadBytes(PiecePath(GetParam())))
      << name << " differs from what " << score << " compiles to";
}

INSTANTIATE_TEST_SUITE_P(Pieces, MusicPieceTest, ::testing::Range(1, 10),
                         [](const testing::TestParamInfo<int> &piece) {
                           return "Music" + std::to_string(piece.param);
                         });

// Rendered the way the game plays them, the pieces sit at one loudness, under full scale and
// near the sound effects, which are levelled to -15 dB on their loudest 100 ms.
TEST(MusicLoudnessTest, ThePiecesShareOneLoudnessNearTheSoundEffects) {
  SdlAudioOptions options;
  options.device = false;
  SdlAudio audio(options);
  ASSERT_EQ(audio.synth()->WaitLoaded(), FluidSynthSink::State::Ready);
  std::map<int, double> integrated;
  for (int n = 1; n <= 9; ++n) {
    const music_render::Render r = music_render::PlayPiece(audio, PiecePath(n), 200, 3);
    ASSERT_TRUE(r.played) << MusicFile(n);
    audio_measure::Signal left, right;
    music_render::Split(r.stereo, left, right);
    const audio_measure::Signal power = audio_measure::Power(left, right, music_render::kRate);
    integrated[n] = audio_measure::IntegratedDb(power, music_render::kRate);
    const double loudest = audio_measure::LoudestDb(power, music_render::kRate);
    EXPECT_GT(loudest, -21.0) << MusicFile(n);
    EXPECT_LT(loudest, -12.0) << MusicFile(n);
    EXPECT_LT(audio_measure::ToDb(std::max(audio_measure::Peak(left), audio_measure::Peak(right))), -1.0)
        << MusicFile(n);
  }
  const auto [low, high] = std::minmax_element(
      integrated.begin(), integrated.end(), [](const auto &a, const auto &b) { return a.second < b.second; });
  EXPECT_LE(high->second - low->second, 2.0) << MusicFile(high->first) << " at " << high->second << " dB, "
                                             << MusicFile(low->first) << " at " << low->second << " dB";
}

// The game's music rules on the real audio host: a host without a window whose music goes to
// the SDL audio host, samples pulled.
class PulledMusicHost : public HeadlessHost {
 public:
  PulledMusicHost() : audio(Options()) {}
  bool MusicOpen(const std::string &path) override { return audio.MusicOpen(path); }
  bool MusicPlay() override { return audio.MusicPlay(); }
  void MusicClose() override { audio.MusicClose(); }
  bool MusicStopped() override { return audio.MusicStopped(); }
  void MusicRewindAndPlay() override { audio.MusicRewindAndPlay(); }

  // The loudest sample of the next stretch, in dB of full scale (-200 for digital silence;
  // under -60 the reverberation's last traces, inaudible).
  double Play(double seconds) {
    std::vector<std::int16_t> s(2 * static_cast<std::size_t>(seconds * music_render::kRate));
    audio.Render(s.data(), static_cast<int>(s.size() / 2));
    int peak = 0;
    for (std::int16_t v : s) peak = std::max(peak, std::abs(static_cast<int>(v)));
    return peak == 0 ? -200 : 20 * std::log10(peak / 32768.0);
  }
  // Plays on until the piece reports stopped; returns the seconds it took.
  double PlayToTheEnd(double most) {
    double t = 0;
    while (!audio.MusicStopped() && t < most) Play(0.25), t += 0.25;
    return t;
  }

  SdlAudio audio;

 private:
  static SdlAudioOptions Options() {
    SdlAudioOptions o;
    o.device = false;
    return o;
  }
};

class MusicChainTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(host.audio.synth()->WaitLoaded(), FluidSynthSink::State::Ready);
    GameConfig cfg;
    cfg.dataDir = kData;
    game = std::make_unique<Game>(host, test::SharedSheets(), test::SharedText(), cfg);
    game->settings.OPTION[2] = 0;
  }
  PulledMusicHost host;
  std::unique_ptr<Game> game;
};

TEST_F(MusicChainTest, EveryNumberPlaysItsPieceAndZeroStopsIt) {
  for (int n = 1; n <= 9; ++n) {
    PlayMusic(*game, n);
    EXPECT_GT(host.Play(1.0), -20.0) << "music " << n;
  }
  PlayMusic(*game, 0);
  host.Play(3.0);  // the release of the last notes
  EXPECT_LT(host.Play(0.5), -60.0);
}

TEST_F(MusicChainTest, TheTimerRestartsALoopingPieceAfterItsEnd) {
  PlayMusic(*game, 1);
  EXPECT_GT(host.PlayToTheEnd(200), 60.0);
  ASSERT_TRUE(host.MusicStopped());
  LoopMusic(*game);
  EXPECT_FALSE(host.MusicStopped());
  EXPECT_GT(host.Play(0.5), -20.0) << "the piece is heard again from its start";
}

TEST_F(MusicChainTest, APiecePlayedOnceStaysSilentAfterItsEnd) {
  PlayMusic(*game, 6);
  const double length = host.PlayToTheEnd(20);
  EXPECT_GE(length, 4.0);
  EXPECT_LE(length, 8.5);
  for (int second = 0; second < 4; ++second) {
    LoopMusic(*game);
    host.Play(1.0);
  }
  EXPECT_LT(host.Play(0.5), -60.0);
}

TEST_F(MusicChainTest, WithMusicOffNothingIsHeard) {
  PlayMusic(*game, 4);
  EXPECT_GT(host.Play(0.5), -20.0);
  game->settings.OPTION[2] = 1;
  for (int n = 1; n <= 9; ++n) {
    PlayMusic(*game, n);
    LoopMusic(*game);
  }
  host.Play(3.0);
  EXPECT_LT(host.Play(1.0), -60.0);
}

}  // namespace
}  // namespace qel
