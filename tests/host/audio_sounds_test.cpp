// The sound effects the build makes: one format, a common loudness, clean ends, lengths that
// fit their use, and the same bytes on every build.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/angles.h"
#include "support/test_game.h"

namespace qel {
namespace {

const std::string kBuild = QELVANE_BUILD_DIR;
constexpr int kRate = 44100;

struct Wav {
  int format = 0, channels = 0, rate = 0, bits = 0;
  std::vector<double> samples;  // full scale +-1
  double Seconds() const { return static_cast<double>(samples.size()) / rate; }
};

std::uint32_t Le(const std::string &b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<std::uint8_t>(b[at + i]);
  return v;
}

// Reads the canonical 44-byte-header WAV the sound maker writes.
Wav ReadWav(const std::string &path) {
  const std::string b = test::ReadBytes(path);
  Wav w;
  if (b.size() < 44 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 8, "WAVEfmt ") != 0) return w;
  w.format = static_cast<int>(Le(b, 20, 2));
  w.channels = static_cast<int>(Le(b, 22, 2));
  w.rate = static_cast<int>(Le(b, 24, 4));
  w.bits = static_cast<int>(Le(b, 34, 2));
  const std::size_t n = std::min<std::size_t>(Le(b, 40, 4), b.size() - 44) / 2;
  for (std::size_t i = 0; i < n; ++i) {
    w.samples.push_back(static_cast<std::int16_t>(Le(b, 44 + 2 * i, 2)) / 32768.0);
  }
  return w;
}

std::vector<std::string> SoundNames() {
  std::vector<std::string> names;
  for (int n = 1; n <= 22; ++n) {
    if (n == 11) continue;
    char name[16];
    std::snprintf(name, sizeof name, "s%02d", n);
    names.push_back(name);
  }
  return names;
}

// Loudness as meters weigh it (a high shelf of +4 dB from about 1.5 kHz, a high-pass near
// 38 Hz): the loudest 100 ms, in dB of full scale.
double Loudness(const std::vector<double> &s) {
  struct Biquad {
    double b0, b1, b2, a1, a2, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    double Run(double x) {
      const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
      x2 = x1, x1 = x, y2 = y1, y1 = y;
      return y;
    }
  };
  double k = std::tan(kPi * 1681.97 / kRate), vh = std::pow(10.0, 4.0 / 20), q = 0.7072;
  const double vb = std::pow(vh, 0.4997);
  double a0 = 1 + k / q + k * k;
  Biquad shelf{(vh + vb * k / q + k * k) / a0, 2 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
               2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
  k = std::tan(kPi * 38.135 / kRate), q = 0.5003, a0 = 1 + k / q + k * k;
  Biquad high{1, -2, 1, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
  std::vector<double> e(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double w = high.Run(shelf.Run(s[i]));
    e[i] = w * w;
  }
  const std::size_t window = kRate / 10;
  double best = 0, sum = 0;
  for (std::size_t i = 0; i < e.size(); ++i) {
    sum += e[i] - (i >= window ? e[i - window] : 0.0);
    best = std::max(best, sum);
  }
  return 10 * std::log10(best / static_cast<double>(window) + 1e-20);
}

TEST(SoundEffectsTest, EveryEffectIsMono16BitPcmAt44100WithPeaksUnderMinusOneDb) {
  for (const std::string &name : SoundNames()) {
    const Wav w = ReadWav(kBuild + "/d/" + name + ".wav");
    EXPECT_EQ(w.format, 1) << name;
    EXPECT_EQ(w.channels, 1) << name;
    EXPECT_EQ(w.rate, kRate) << name;
    EXPECT_EQ(w.bits, 16) << name;
    ASSERT_FALSE(w.samples.empty()) << name;
    double peak = 0;
    for (double x : w.samples) peak = std::max(peak, std::fabs(x));
    EXPECT_LE(20 * std::log10(peak), -0.9) << name;
  }
}

TEST(SoundEffectsTest, TheyStartAndEndAtSilenceSoNothingClicks) {
  for (const std::string &name : SoundNames()) {
    const Wav w = ReadWav(kBuild + "/d/" + name + ".wav");
    ASSERT_GT(w.samples.size(), 100u) << name;
    EXPECT_LT(std::fabs(w.samples.front()), 0.001) << name;
    EXPECT_LT(std::fabs(w.samples.back()), 0.001) << name;
    for (int i = 1; i < 8; ++i) {  // the first and last few samples stay small
      EXPECT_LT(std::fabs(w.samples[i]), 0.1) << name;
      EXPECT_LT(std::fabs(w.samples[w.samples.size() - 1 - i]), 0.1) << name;
    }
  }
}

TEST(SoundEffectsTest, TheirLoudnessIsWithinAFewDecibelsOfEachOther) {
  std::vector<double> levels;
  for (const std::string &name : SoundNames()) {
    levels.push_back(Loudness(ReadWav(kBuild + "/d/" + name + ".wav").samples));
  }
  std::vector<double> sorted = levels;
  std::sort(sorted.begin(), sorted.end());
  const double median = sorted[sorted.size() / 2];
  for (std::size_t i = 0; i < levels.size(); ++i) {
    EXPECT_NEAR(levels[i], median, 3.0) << SoundNames()[i];
  }
  EXPECT_GT(median, -24.0);  // and clearly audible
}

TEST(SoundEffectsTest, FrequentSoundsAreShortAndTheWarningLastsItsFiveSeconds) {
  for (const char *frequent : {"s01", "s02", "s08", "s09"}) {
    EXPECT_LE(ReadWav(kBuild + "/d/" + frequent + ".wav").Seconds(), 0.3) << frequent;
  }
  const double warning = ReadWav(kBuild + "/d/s17.wav").Seconds();
  EXPECT_GT(warning, 3.0);
  EXPECT_LE(warning, 5.0);  // the lock that keeps other sounds away lasts 150 frames
  for (const std::string &name : SoundNames()) {
    if (name == "s17") continue;
    EXPECT_LE(ReadWav(kBuild + "/d/" + name + ".wav").Seconds(), 3.0) << name;
  }
}

TEST(SoundEffectsTest, TheSoundMakerWritesTheSameBytesEveryTime) {
  test::TempDir dir;
  const std::string command = "'" + kBuild + "/make_sounds' --recipes '" + QELVANE_SOURCE_DIR +
                              "/assets/sounds' --out '" + dir.path() + "' --midi '" + dir.file("test.mid") +
                              "'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  for (const std::string &name : SoundNames()) {
    EXPECT_EQ(test::ReadBytes(dir.file(name + ".wav")), test::ReadBytes(kBuild + "/d/" + name + ".wav"))
        << name;
  }
  EXPECT_EQ(test::ReadBytes(dir.file("test.mid")), test::ReadBytes(kBuild + "/test-assets/test.mid"));
}

}  // namespace
}  // namespace qel
