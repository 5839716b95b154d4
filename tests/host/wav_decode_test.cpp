#include <gtest/gtest.h>

#include <string>

#include "host/sdl_audio.h"
#include "support/test_game.h"

namespace qel {
namespace {

std::unique_ptr<SoundClip> Decode(const std::string &bytes) {
  return DecodeWav(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size(), 44100);
}

std::string Le32(std::uint32_t v) {
  return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
          static_cast<char>((v >> 16) & 0xFF), static_cast<char>(v >> 24)};
}

// A mono 16-bit file at this rate with these samples, its data chunk claiming dataLength bytes.
std::string Wav(std::uint32_t rate, const std::string &samples, std::uint32_t dataLength) {
  const std::string fmt =
      std::string("\x01\x00\x01\x00", 4) + Le32(rate) + Le32(rate * 2) + std::string("\x02\x00\x10\x00", 4);
  const std::string body =
      "WAVE" + std::string("fmt ") + Le32(16) + fmt + "data" + Le32(dataLength) + samples;
  return "RIFF" + Le32(static_cast<std::uint32_t>(body.size())) + body;
}

TEST(DecodeWav, ReadsAWholeFileAndEveryShippedSound) {
  const std::string samples(2000, '\x10');
  auto clip = Decode(Wav(22050, samples, 2000));
  ASSERT_TRUE(clip);
  EXPECT_NEAR(static_cast<double>(clip->samples.size()), 2000.0, 8.0);  // 1000 frames, twice the rate
  const auto shipped = Decode(test::ReadBytes(std::string(QELVANE_BUILD_DIR) + "/d/s01.wav"));
  ASSERT_TRUE(shipped);
  EXPECT_GT(shipped->samples.size(), 1000u);
}

// Headers that lie would have the reader ask for gigabytes: a damaged sound is silence instead.
TEST(DecodeWav, RefusesHeadersThatClaimWhatTheFileDoesNotHold) {
  const std::string samples(2000, '\x10');
  EXPECT_FALSE(Decode(Wav(22050, samples, 0x95001b8c)));  // a data chunk of 2.5 GB in 2 KB
  EXPECT_FALSE(Decode(Wav(50'000'000, samples, 2000)));   // 50 MHz
  EXPECT_FALSE(Decode(Wav(1, samples, 2000)));            // 1 Hz: a thousand-fold larger when converted
  EXPECT_FALSE(Decode(Wav(22050, samples, 2000).substr(0, 30)));
  EXPECT_FALSE(Decode(""));
  EXPECT_FALSE(Decode("RIFF\x04\x00\x00\x00WAVE"));
  EXPECT_FALSE(
      Decode(test::ReadBytes(std::string(QELVANE_SOURCE_DIR) + "/fuzz/corpus/wav/oom-claims-2.5-gb")));
}

}  // namespace
}  // namespace qel
