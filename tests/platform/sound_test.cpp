#include "platform/sound.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/test_game.h"

namespace qel {
namespace {

class SoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t.StartUp();
    t.host.musicLog.clear();
  }
  test::TestGame t;
};

TEST_F(SoundTest, MusicNumbersOpenTheirFilesAndOnlySomeLoop) {
  PlayMusic(t.g(), 1);
  EXPECT_EQ(t.g().audio.MUSICNO, 1);
  EXPECT_EQ(t.g().audio.MUSICLOOP, -1);
  EXPECT_EQ(t.host.musicLog[0], "close");
  EXPECT_EQ(t.host.musicLog[2], "open " + t.data.file("b04.mid"));
  for (int once : {6, 9}) {
    PlayMusic(t.g(), once);
    EXPECT_EQ(t.g().audio.MUSICLOOP, 0);
  }
  PlayMusic(t.g(), 0);
  EXPECT_EQ(t.g().audio.MUSICNO, 0);
  EXPECT_FALSE(t.host.musicOpen);
  PlayMusic(t.g(), 12);  // no file: silent, but the number stays
  EXPECT_EQ(t.g().audio.MUSICNO, 12);
  EXPECT_FALSE(t.host.musicOpen);
}

// The host hears of every piece at the start, so that their instruments are ready in time.
TEST_F(SoundTest, EveryPieceIsToldToTheHostBeforeAnyPlays) {
  ASSERT_EQ(t.host.preparedMusic.size(), 9u);
  for (int n = 1; n <= 9; ++n)
    EXPECT_NE(std::find(t.host.preparedMusic.begin(), t.host.preparedMusic.end(), t.data.file(MusicFile(n))),
              t.host.preparedMusic.end())
        << n;
}

TEST_F(SoundTest, WithMusicOffPlayMusicOnlyStops) {
  PlayMusic(t.g(), 1);
  t.g().settings.OPTION[2] = 1;
  PlayMusic(t.g(), 5);
  EXPECT_EQ(t.g().audio.MUSICNO, 0);
  EXPECT_FALSE(t.host.musicOpen);
}

TEST_F(SoundTest, SoundsByNumberRespectTheLockAndTheSwitch) {
  PlaySound(t.g(), 11);
  PlaySound(t.g(), 0);
  PlaySound(t.g(), 23);
  EXPECT_TRUE(t.host.sounds.empty());
  PlaySound(t.g(), 9);
  ASSERT_EQ(t.host.sounds.size(), 1u);
  EXPECT_EQ(t.host.sounds[0], t.data.file("s09.wav"));
  t.g().audio.SNDLOCK = 150;
  PlaySound(t.g(), 2);
  EXPECT_EQ(t.host.sounds.size(), 1u);
  t.g().audio.SNDLOCK = 0;
  t.g().settings.OPTION[3] = 1;
  PlaySound(t.g(), 3);  // even the error sound is silent
  EXPECT_EQ(t.host.sounds.size(), 1u);
  EXPECT_EQ(SoundFile(22), "s22.wav");
  EXPECT_EQ(SoundFile(11), "");
}

}  // namespace
}  // namespace qel
