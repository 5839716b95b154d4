// The music and sound rules on the headless host, which records every device call.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sound.h"
#include "support/test_game.h"

namespace qel {
namespace {

class SoundRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t.StartUp();
    t.host.musicLog.clear();
    t.host.sounds.clear();
  }
  // Pretends the open piece has played to its end, then runs the one-second timer's work.
  void EndPieceAndTick() {
    t.host.musicStopped = true;
    t.host.musicLog.clear();
    LoopMusic(t.g());
  }
  std::vector<std::string> Log() const { return t.host.musicLog; }
  test::TestGame t;
};

TEST_F(SoundRulesTest, PlayMusicClosesOpensAndPlaysInThatOrder) {
  PlayMusic(t.g(), 4);
  EXPECT_EQ(Log(), (std::vector<std::string>{"close", "close", "open " + t.data.file("b01.mid"), "play"}));
  const char *files[] = {"b04.mid", "b03.mid", "b02.mid", "b01.mid", "b05.mid",
                         "b06.mid", "b07.mid", "b08.mid", "b09.mid"};
  for (int n = 1; n <= 9; ++n) {
    t.host.musicLog.clear();
    PlayMusic(t.g(), n);
    EXPECT_EQ(Log()[2], "open " + t.data.file(files[n - 1])) << n;
  }
}

TEST_F(SoundRulesTest, TheTimerRestartsOnlyALoopingPieceThatHasStopped) {
  for (int n : {1, 2, 3, 4, 5, 7, 8}) {
    PlayMusic(t.g(), n);
    t.host.musicLog.clear();
    LoopMusic(t.g());  // still playing: left alone
    EXPECT_TRUE(Log().empty()) << n;
    EndPieceAndTick();
    EXPECT_EQ(Log(), std::vector<std::string>{"rewind"}) << n;
  }
  for (int once : {6, 9}) {
    PlayMusic(t.g(), once);
    EndPieceAndTick();
    EXPECT_TRUE(Log().empty()) << once;
    EXPECT_EQ(t.g().audio.MUSICLOOP, 0);
  }
}

TEST_F(SoundRulesTest, AClosedDeviceIsLeftAloneByTheTimer) {
  PlayMusic(t.g(), 1);
  CloseMidi(t.g());
  EXPECT_EQ(t.g().audio.MUSICNO, 0);
  EndPieceAndTick();
  EXPECT_TRUE(Log().empty());
  PlayMusic(t.g(), 15);  // no such piece: nothing opens, yet the number is kept
  EXPECT_EQ(t.g().audio.MUSICNO, 15);
  EXPECT_EQ(t.g().audio.MUSICLOOP, -1);
  EndPieceAndTick();
  EXPECT_TRUE(Log().empty());
}

TEST_F(SoundRulesTest, AnyNonZeroMusicOptionSwitchesMusicOff) {
  for (int off : {1, 2, -1}) {
    PlayMusic(t.g(), 1);
    t.g().settings.OPTION[2] = off;
    t.host.musicLog.clear();
    PlayMusic(t.g(), 3);
    EXPECT_EQ(Log(), std::vector<std::string>{"close"}) << off;
    EXPECT_EQ(t.g().audio.MUSICNO, 0);
    EndPieceAndTick();
    EXPECT_TRUE(Log().empty());
    t.g().settings.OPTION[2] = 0;
  }
}

TEST_F(SoundRulesTest, SoundsPlayByNumberThroughTheOneChannel) {
  for (int n = 1; n <= 22; ++n) PlaySound(t.g(), n);
  ASSERT_EQ(t.host.sounds.size(), 21u);  // every number but 11
  EXPECT_EQ(t.host.sounds[9], t.data.file("s10.wav"));
  EXPECT_EQ(t.host.sounds[10], t.data.file("s12.wav"));
  EXPECT_EQ(t.host.sounds[20], t.data.file("s22.wav"));
  for (int none : {0, 11, -3, 23, 100}) PlaySound(t.g(), none);
  EXPECT_EQ(t.host.sounds.size(), 21u);
}

TEST_F(SoundRulesTest, TheLockBlocksEverySoundUntilItIsZero) {
  for (int lock : {150, 1, -1}) {
    t.g().audio.SNDLOCK = lock;
    PlaySound(t.g(), 17);
    PlaySound(t.g(), 3);
  }
  EXPECT_TRUE(t.host.sounds.empty());
  t.g().audio.SNDLOCK = 0;
  PlaySound(t.g(), 13);
  EXPECT_EQ(t.host.sounds.size(), 1u);
}

TEST_F(SoundRulesTest, OnlyTheValueOneSwitchesSoundsOff) {
  t.g().settings.OPTION[3] = 1;
  PlaySound(t.g(), 15);
  EXPECT_TRUE(t.host.sounds.empty());
  t.g().settings.OPTION[3] = 2;  // not "off": the rule asks for exactly 1
  PlaySound(t.g(), 15);
  EXPECT_EQ(t.host.sounds.size(), 1u);
}

}  // namespace
}  // namespace qel
