// The SDL audio host with its samples pulled directly: the real synthesizer, sequencer and
// sound channel, rendered faster than real time and the same on every run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/sdl_audio.h"
#include "support/test_game.h"

namespace qel {
namespace {

const std::string kBuild = QELVANE_BUILD_DIR;
const std::string kTestMidi = kBuild + "/test-assets/test.mid";
std::string Sound(const char *name) { return kBuild + "/d/" + name; }

constexpr int kRate = 44100;

// The level of what is rendered, in dB of full scale (-200 for digital silence).
double RmsDb(const std::vector<std::int16_t> &s) {
  double sum = 0;
  for (std::int16_t v : s) sum += static_cast<double>(v) * v;
  if (sum == 0) return -200;
  return 10 * std::log10(sum / static_cast<double>(s.size()) / (32768.0 * 32768.0));
}

std::vector<std::int16_t> Render(SdlAudio &audio, double seconds) {
  std::vector<std::int16_t> out(2 * static_cast<std::size_t>(seconds * kRate));
  audio.Render(out.data(), static_cast<int>(out.size() / 2));
  return out;
}

SdlAudioOptions Pulled(bool music = true) {
  SdlAudioOptions o;
  o.device = false;
  if (!music) o.soundfonts.clear();
  return o;
}

class AudioHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(audio.HasOutput());
    ASSERT_EQ(audio.synth()->WaitLoaded(), FluidSynthSink::State::Ready);
  }
  SdlAudio audio{Pulled()};
};

TEST_F(AudioHostTest, APieceIsHeardReportsStoppedAtItsEndAndCanBeRestarted) {
  ASSERT_TRUE(audio.MusicOpen(kTestMidi));
  ASSERT_TRUE(audio.MusicPlay());
  EXPECT_GT(RmsDb(Render(audio, 0.5)), -35.0);
  EXPECT_FALSE(audio.MusicStopped());
  // The test piece lasts 1.125 s: stopped is reported with its end, not seconds later.
  Render(audio, 0.65);
  EXPECT_TRUE(audio.MusicStopped());
  audio.MusicRewindAndPlay();
  EXPECT_FALSE(audio.MusicStopped());
  EXPECT_GT(RmsDb(Render(audio, 0.5)), -35.0);
  audio.MusicClose();
  EXPECT_FALSE(audio.MusicStopped());  // a closed device has no mode
  Render(audio, 1.5);                  // the last notes fade through their release
  EXPECT_LT(RmsDb(Render(audio, 0.1)), -80.0);
}

// No soundfont to wait for: sound effects, and pieces that never sound.
class AudioNoFontTest : public ::testing::Test {
 protected:
  SdlAudio audio{Pulled(false)};
};

TEST_F(AudioNoFontTest, AMissingOrBrokenPieceLeavesTheDeviceClosed) {
  ASSERT_TRUE(audio.MusicOpen(kTestMidi));
  EXPECT_FALSE(audio.MusicOpen(kBuild + "/test-assets/no-such-piece.mid"));
  EXPECT_FALSE(audio.MusicPlay());
  EXPECT_FALSE(audio.MusicOpen(Sound("s01.wav")));
  EXPECT_FALSE(audio.MusicPlay());
  EXPECT_FALSE(audio.MusicStopped());
  audio.MusicRewindAndPlay();
  EXPECT_EQ(RmsDb(Render(audio, 0.3)), -200);
}

TEST_F(AudioNoFontTest, ANewSoundCutsOffTheOneThatPlays) {
  audio.SoundPlay(Sound("s17.wav"));  // the warning siren lasts seconds
  EXPECT_GT(RmsDb(Render(audio, 0.5)), -30.0);
  audio.SoundPlay(Sound("s01.wav"));  // a hit tick, over in a tenth of a second
  EXPECT_GT(RmsDb(Render(audio, 0.1)), -40.0);
  EXPECT_EQ(RmsDb(Render(audio, 0.5)), -200);
}

TEST_F(AudioNoFontTest, AMissingSoundIsSilentAndLeavesThePlayingOneAlone) {
  audio.SoundPlay(Sound("s04.wav"));
  audio.SoundPlay(Sound("s11.wav"));
  const double level = RmsDb(Render(audio, 0.05));
  EXPECT_GT(level, -30.0);
  audio.SoundPlay(Sound("s17.wav"));
  audio.SoundPlay(Sound("s99.wav"));
  EXPECT_GT(RmsDb(Render(audio, 1.0)), -30.0);
}

TEST_F(AudioNoFontTest, EverySoundEffectLoadsAndIsHeard) {
  for (int n = 1; n <= 22; ++n) {
    if (n == 11) continue;
    char name[16];
    std::snprintf(name, sizeof name, "s%02d.wav", n);
    audio.SoundPlay(Sound(name));
    EXPECT_GT(RmsDb(Render(audio, 0.3)), -35.0) << name;
  }
}

TEST(AudioSoundfontTest, TheFirstGeneralMidiFontThatLoadsIsKept) {
  test::TempDir dir;
  const std::string notAFont = dir.file("not-a-font.sf2");
  test::WriteBytes(notAFont, "this is no soundfont");
  FluidSynthSink sink(kRate, {"/no/such/font.sf2", notAFont, "/usr/share/sounds/sf2/TimGM6mb.sf2"});
  ASSERT_EQ(sink.WaitLoaded(), FluidSynthSink::State::Ready);
  EXPECT_EQ(sink.fontPath(), "/usr/share/sounds/sf2/TimGM6mb.sf2");
}

// Between pieces the synthesizer stops working once nothing can be heard, and the next note
// wakes it; the pieces' instruments can be readied before the font has finished loading.
TEST(AudioSoundfontTest, TheSynthesizerRestsInSilenceAndWakesForTheNextNote) {
  FluidSynthSink sink(kRate, {"/usr/share/sounds/sf2/TimGM6mb.sf2"});
  sink.Pin({{0, 0}, {0, 48}, {128, 0}});
  ASSERT_EQ(sink.WaitLoaded(), FluidSynthSink::State::Ready);
  sink.Reset();
  std::vector<float> buffer(2 * 512);
  auto peak = [&] {
    float most = 0;
    for (float v : buffer) most = std::max(most, std::fabs(v));
    return most;
  };
  sink.Send({0, 0x90, 60, 100}, nullptr);
  sink.Render(buffer.data(), 512);
  EXPECT_GT(peak(), 0.001f);
  sink.Send({0, 0x80, 60, 0}, nullptr);
  int frames = 0;
  while (!sink.Resting() && frames < 10 * kRate) {
    sink.Render(buffer.data(), 512);
    frames += 512;
  }
  ASSERT_TRUE(sink.Resting()) << "still busy after the note's tail";
  sink.Render(buffer.data(), 512);
  EXPECT_EQ(peak(), 0.0f);
  sink.Send({0, 0xC0, 48, 0}, nullptr);  // strings, readied ahead
  sink.Send({0, 0x90, 67, 100}, nullptr);
  EXPECT_FALSE(sink.Resting());
  sink.Render(buffer.data(), 512);
  EXPECT_GT(peak(), 0.001f);
}

TEST(AudioSoundfontTest, AnOverrideComesFirstThenTheChosenFont) {
  ::setenv("QELVANE_SOUNDFONT", "/my/font.sf2", 1);
  const std::vector<std::string> fonts = SoundfontCandidates();
  ::unsetenv("QELVANE_SOUNDFONT");
  ASSERT_GE(fonts.size(), 3u);
  EXPECT_EQ(fonts[0], "/my/font.sf2");
  EXPECT_EQ(fonts[1], "/usr/share/sounds/sf2/FluidR3_GM.sf2");
  EXPECT_EQ(SoundfontCandidates()[0], "/usr/share/sounds/sf2/FluidR3_GM.sf2");
}

TEST(AudioSoundfontTest, WithoutAFontTheMusicIsSilentButKeepsItsTime) {
  SdlAudioOptions o = Pulled();
  o.soundfonts = {"/no/such/font.sf2"};
  testing::internal::CaptureStderr();
  SdlAudio audio(o);
  EXPECT_EQ(audio.synth()->WaitLoaded(), FluidSynthSink::State::Failed);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("soundfont"), std::string::npos);
  ASSERT_TRUE(audio.MusicOpen(kTestMidi));
  ASSERT_TRUE(audio.MusicPlay());
  EXPECT_EQ(RmsDb(Render(audio, 1.0)), -200);
  EXPECT_FALSE(audio.MusicStopped());
  Render(audio, 0.2);
  EXPECT_TRUE(audio.MusicStopped());
}

TEST(AudioNoDeviceTest, WithoutAnAudioDeviceTheGameGoesOnSilently) {
  ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  testing::internal::CaptureStderr();
  {
    SdlAudio audio;
    EXPECT_FALSE(audio.HasOutput());
    EXPECT_FALSE(audio.MusicOpen(kTestMidi));
    EXPECT_FALSE(audio.MusicPlay());
    EXPECT_FALSE(audio.MusicStopped());
    audio.MusicRewindAndPlay();
    audio.SoundPlay(Sound("s01.wav"));
    audio.MusicClose();
  }
  const std::string said = testing::internal::GetCapturedStderr();
  ::unsetenv("SDL_AUDIODRIVER");
  EXPECT_NE(said.find("no sound"), std::string::npos);
  EXPECT_EQ(said.find("no sound"), said.rfind("no sound"));  // said once
}

// The player's volumes scale what is heard: the square of the setting, so 50 is a quarter of the
// amplitude (about -12 dB) and 0 is silence.
TEST_F(AudioNoFontTest, TheSoundVolumeScalesTheEffects) {
  audio.SoundPlay(Sound("s17.wav"));
  const double full = RmsDb(Render(audio, 0.3));
  audio.SetVolumes(100, 50);
  audio.SoundPlay(Sound("s17.wav"));
  EXPECT_NEAR(RmsDb(Render(audio, 0.3)), full + 20 * std::log10(0.25), 0.1);
  audio.SetVolumes(100, 0);
  audio.SoundPlay(Sound("s17.wav"));
  EXPECT_EQ(RmsDb(Render(audio, 0.3)), -200);
}

TEST_F(AudioHostTest, TheMusicVolumeScalesThePieceAndNotTheEffects) {
  SdlAudio quiet{Pulled()};
  ASSERT_EQ(quiet.synth()->WaitLoaded(), FluidSynthSink::State::Ready);
  quiet.SetVolumes(50, 100);
  for (SdlAudio *a : {&audio, &quiet}) {
    ASSERT_TRUE(a->MusicOpen(kTestMidi));
    ASSERT_TRUE(a->MusicPlay());
  }
  const double full = RmsDb(Render(audio, 0.5));
  EXPECT_NEAR(RmsDb(Render(quiet, 0.5)), full + 20 * std::log10(0.25), 0.5);
  quiet.SetVolumes(0, 100);
  EXPECT_EQ(RmsDb(Render(quiet, 0.3)), -200);
}

}  // namespace
}  // namespace qel
