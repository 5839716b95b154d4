#include <gtest/gtest.h>

#include <vector>

#include "host/sound_channel.h"

namespace qel {
namespace {

SoundClip Constant(float value, int frames) {
  return SoundClip{std::vector<float>(static_cast<std::size_t>(frames), value)};
}

std::vector<float> Mix(SoundChannel &channel, int frames) {
  std::vector<float> out(2 * static_cast<std::size_t>(frames), 0.0f);
  channel.MixInto(out.data(), frames);
  return out;
}

TEST(SoundChannelTest, PlaysAClipOnceIntoBothSidesAddingToWhatIsThere) {
  SoundChannel channel;
  const SoundClip clip = Constant(0.25f, 100);
  channel.Play(&clip);
  std::vector<float> out(2 * 150, 0.5f);
  channel.MixInto(out.data(), 150);
  EXPECT_FLOAT_EQ(out[0], 0.75f);
  EXPECT_FLOAT_EQ(out[2 * 99 + 1], 0.75f);
  EXPECT_FLOAT_EQ(out[2 * 100], 0.5f);
  EXPECT_FALSE(channel.Playing());
}

TEST(SoundChannelTest, ANewSoundReplacesTheOneThatPlays) {
  SoundChannel channel;
  const SoundClip siren = Constant(0.5f, 100000);
  const SoundClip blip = Constant(0.125f, 200);
  channel.Play(&siren);
  Mix(channel, 1000);
  channel.Play(&blip);
  const std::vector<float> out = Mix(channel, 1000);
  // The siren fades out over a few milliseconds, never rising, and is gone for good.
  EXPECT_GT(out[0], 0.125f);
  for (int i = 1; i < SoundChannel::kFadeFrames; ++i) EXPECT_LE(out[2 * i], out[2 * i - 2]);
  EXPECT_FLOAT_EQ(out[2 * SoundChannel::kFadeFrames], 0.125f);
  EXPECT_FLOAT_EQ(out[2 * 199], 0.125f);
  EXPECT_FLOAT_EQ(out[2 * 200], 0.0f);
  EXPECT_FLOAT_EQ(out[2 * 999], 0.0f);
  EXPECT_FALSE(channel.Playing());
}

TEST(SoundChannelTest, RetriggeringRestartsTheSameSoundWithoutAJump) {
  SoundChannel channel;
  std::vector<float> ramp(400);
  for (std::size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<float>(i) / 1000.0f;
  const SoundClip clip{ramp};
  channel.Play(&clip);
  Mix(channel, 300);
  channel.Play(&clip);
  const std::vector<float> out = Mix(channel, 10);
  // The old voice at 0.3 fades from nearly full; the new one starts from 0.
  EXPECT_NEAR(out[0], 0.3f, 0.01f);
  EXPECT_TRUE(channel.Playing());
}

TEST(SoundChannelTest, NothingOrAnEmptyClipOnlyStops) {
  SoundChannel channel;
  const SoundClip clip = Constant(0.5f, 1000);
  const SoundClip empty;
  channel.Play(&clip);
  channel.Play(&empty);
  EXPECT_FALSE(channel.Playing());
  channel.Play(&clip);
  channel.Play(nullptr);
  const std::vector<float> out = Mix(channel, 500);
  EXPECT_FLOAT_EQ(out[2 * SoundChannel::kFadeFrames], 0.0f);
}

}  // namespace
}  // namespace qel
