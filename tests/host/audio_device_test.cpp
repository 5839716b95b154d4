// The SDL audio host on a real audio device: SDL's disk driver, which writes what a sound card
// would play into a file (44100 Hz, signed 16-bit little-endian, stereo), in real time.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "host/sdl_audio.h"
#include "support/test_game.h"

namespace qel {
namespace {

const std::string kBuild = QELVANE_BUILD_DIR;
constexpr int kRate = 44100;

std::vector<std::int16_t> ReadCapture(const std::string &path) {
  const std::string bytes = test::ReadBytes(path);
  std::vector<std::int16_t> s(bytes.size() / 2);
  for (std::size_t i = 0; i < s.size(); ++i) {
    const auto lo = static_cast<std::uint8_t>(bytes[2 * i]);
    const auto hi = static_cast<std::uint8_t>(bytes[2 * i + 1]);
    s[i] = static_cast<std::int16_t>(lo | hi << 8);
  }
  return s;
}

// The loudest 50 ms of a stretch of the capture, in dB of full scale.
double LoudestDb(const std::vector<std::int16_t> &s, std::size_t from, std::size_t to) {
  const std::size_t window = 2 * kRate / 20;
  double best = 0;
  for (std::size_t start = from; start + window <= to; start += window / 2) {
    double sum = 0;
    for (std::size_t i = start; i < start + window; ++i) sum += static_cast<double>(s[i]) * s[i];
    best = std::max(best, sum / static_cast<double>(window));
  }
  return best == 0 ? -200 : 10 * std::log10(best / (32768.0 * 32768.0));
}

// Waits for the device to catch up (generously: only a stuck device fails).
bool WaitFor(SdlAudio &audio, bool stopped, int mostMs) {
  for (int waited = 0; waited < mostMs; waited += 10) {
    if (audio.MusicStopped() == stopped) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

void Sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

TEST(AudioDeviceTest, MusicAndSoundsAreHeardAndAReplacedSoundStops) {
  test::TempDir dir;
  const std::string capture = dir.file("out.raw");
  ::setenv("SDL_AUDIODRIVER", "disk", 1);
  ::setenv("SDL_DISKAUDIOFILE", capture.c_str(), 1);
  {
    SdlAudio audio;
    ::unsetenv("SDL_AUDIODRIVER");
    ASSERT_TRUE(audio.HasOutput());
    ASSERT_EQ(audio.synth()->WaitLoaded(), FluidSynthSink::State::Ready);
    ASSERT_TRUE(audio.MusicOpen(kBuild + "/test-assets/test.mid"));
    ASSERT_TRUE(audio.MusicPlay());
    ASSERT_TRUE(WaitFor(audio, true, 10000));  // the piece lasts 1.125 s
    audio.MusicClose();
    Sleep(1200);                             // the release of the last notes
    audio.SoundPlay(kBuild + "/d/s17.wav");  // the siren would last 4.5 s
    Sleep(300);
    audio.SoundPlay(kBuild + "/d/s01.wav");  // a tick of 80 ms cuts it off
    Sleep(700);
  }
  ::unsetenv("SDL_DISKAUDIOFILE");
  const std::vector<std::int16_t> s = ReadCapture(capture);
  const std::size_t second = 2 * kRate;
  ASSERT_GT(s.size(), 3 * second);
  // The last second holds the siren, the tick and the silence after it; the music lies before.
  EXPECT_GT(LoudestDb(s, 0, s.size() - second), -30.0);
  EXPECT_GT(LoudestDb(s, s.size() - second, s.size()), -30.0);
  EXPECT_LT(LoudestDb(s, s.size() - second / 4, s.size()), -90.0);
}

}  // namespace
}  // namespace qel
