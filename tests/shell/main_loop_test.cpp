#include <gtest/gtest.h>

#include <filesystem>

#include "shell/transition.h"
#include "shell/window.h"
#include "support/test_game.h"

namespace qel {
namespace {

class MainLoopTest : public ::testing::Test {
 protected:
  void SetUp() override { t.StartUp(); }
  Shell &sh() { return t.g().shell; }
  bool Saved() { return std::filesystem::exists(t.data.file("data.dat")); }
  test::TestGame t;
};

TEST_F(MainLoopTest, StartUpShowsTheOpeningInAWindow) {
  EXPECT_EQ(sh().SCENE, kSceneOpening);
  EXPECT_EQ(sh().PHASE, 0);
  EXPECT_EQ(t.host.caption, "QELVANE Der1.3");
  EXPECT_FALSE(t.host.fullScreen);
  EXPECT_FALSE(t.host.menuEnabled[static_cast<int>(MenuItem::Reset)]);
  EXPECT_EQ(t.g().audio.MUSICNO, 0);
}

TEST_F(MainLoopTest, FrameCounterWrapsAt256) {
  sh().FRAMECNT = 254;
  t.RunPasses(1);
  EXPECT_EQ(sh().FRAMECNT, 255);
  t.RunPasses(1);
  EXPECT_EQ(sh().FRAMECNT, 0);
  t.RunPasses(1);
  EXPECT_EQ(sh().FRAMECNT, 1);
}

TEST_F(MainLoopTest, APassLastsItsMinimumTimePlusOne) {
  std::uint64_t start = t.host.NowMs();
  t.RunPasses(10);
  EXPECT_EQ(t.host.NowMs() - start, 10u * 31u);
  EXPECT_EQ(sh().FRAMESTART, static_cast<std::int32_t>(start + 9 * 31));
}

TEST_F(MainLoopTest, WithoutAMinimumTimeThePassNeverWaitsButStillPumps) {
  sh().WAITMS = 0;
  std::uint64_t start = t.host.NowMs(), presents = t.host.presents;
  t.host.PressKey(vk::Tab);
  t.RunPasses(5);
  EXPECT_EQ(t.host.NowMs(), start);
  EXPECT_EQ(t.host.presents - presents, 5u);
  EXPECT_EQ(t.g().settings.OPTION[8], 0);  // the Tab press was pumped and carried out
}

TEST_F(MainLoopTest, WaitMsWaitsOneMillisecondMoreThanAsked) {
  std::uint64_t start = t.host.NowMs();
  WaitMs(t.g(), 100);
  EXPECT_EQ(t.host.NowMs() - start, 101u);
  WaitMs(t.g(), 0);
  EXPECT_EQ(t.host.NowMs() - start, 102u);
}

TEST_F(MainLoopTest, F1ReturnsToTheTitleOnlyFromPlayOrPause) {
  for (int scene : {kSceneTitle, kSceneOptions, kSceneMissionSelect, kSceneGameOver, kSceneMusicRoom,
                    kScenePrologue, kSceneOpening}) {
    sh().SCENE = scene;
    sh().PHASE = 7;
    t.host.PressKey(vk::F1);
    t.RunPasses(2);
    EXPECT_EQ(sh().SCENE, scene);
    EXPECT_EQ(sh().PHASE, 7);
    t.host.ReleaseKey(vk::F1);
    t.RunPasses(1);
  }
  sh().SCENE = kScenePlay;
  sh().PHASE = 7;
  t.g().surf.DISPLAY.px.assign(t.g().surf.DISPLAY.px.size(), 0xFF0000);
  t.host.PressKey(vk::F1);
  t.RunPasses(2);
  EXPECT_EQ(sh().SCENE, kSceneTitle);
  EXPECT_EQ(sh().PHASE, 0);
  EXPECT_EQ(t.g().surf.DISPLAY.at(240, 240), 0u);  // faded to black
  EXPECT_FALSE(t.host.musicOpen);
}

TEST_F(MainLoopTest, EscSavesAndEnds) {
  t.host.PressKey(vk::Esc);
  EXPECT_EQ(t.RunPasses(3), 0);
  EXPECT_TRUE(Saved());
  EXPECT_TRUE(t.host.cursorVisible);
}

TEST_F(MainLoopTest, TheCloseBoxEndsWithoutSaving) {
  t.host.Inject({HostEvent::Kind::Close, 0, MenuItem::FullScreen});
  EXPECT_EQ(t.RunPasses(3), 0);
  EXPECT_FALSE(Saved());
}

TEST_F(MainLoopTest, F2TogglesOncePerKeyDownNotPerPass) {
  t.host.PressKey(vk::F2);
  t.RunPasses(5);
  EXPECT_TRUE(t.host.fullScreen);
  EXPECT_EQ(t.host.caption, "");
  EXPECT_EQ(t.g().settings.OPTION[7], 0);
  t.host.PressKey(vk::F2);  // an auto-repeat key-down switches again
  t.RunPasses(2);
  EXPECT_FALSE(t.host.fullScreen);
  EXPECT_EQ(t.host.caption, "QELVANE Der1.3");
  EXPECT_EQ(t.g().settings.OPTION[7], 1);
}

TEST_F(MainLoopTest, TabTogglesTheCursor) {
  EXPECT_TRUE(t.host.cursorVisible);
  t.host.PressKey(vk::Tab);
  t.RunPasses(2);
  EXPECT_FALSE(t.host.cursorVisible);
  t.host.ReleaseKey(vk::Tab);
  t.host.PressKey(vk::Tab);
  t.RunPasses(2);
  EXPECT_TRUE(t.host.cursorVisible);
}

TEST_F(MainLoopTest, ResetMenuWorksOnlyWhileEnabled) {
  sh().SCENE = kScenePlay;
  t.host.Inject({HostEvent::Kind::Menu, 0, MenuItem::Reset});
  t.RunPasses(2);
  EXPECT_EQ(sh().SCENE, kScenePlay);
  EnableResetMenu(t.g(), true);
  t.host.Inject({HostEvent::Kind::Menu, 0, MenuItem::Reset});
  t.RunPasses(2);
  EXPECT_EQ(sh().SCENE, kSceneTitle);
}

TEST_F(MainLoopTest, AMenuClickDuringAWipeIsCarriedOutAfterIt) {
  sh().SCENE = kScenePlay;
  EnableResetMenu(t.g(), true);
  t.host.Inject({HostEvent::Kind::Menu, 0, MenuItem::Reset});
  Transition(t.g(), 3);  // the wipe of a lost ship pumps the click...
  EXPECT_EQ(sh().SCENE, kScenePlay);
  sh().SCENE = kSceneGameOver;  // ...and its caller goes on to the game over
  RunCommands(t.g());
  EXPECT_EQ(sh().SCENE, kSceneTitle);  // the reset is not lost
  EXPECT_EQ(sh().PHASE, 0);
}

TEST_F(MainLoopTest, MenuFullScreenAndQuit) {
  t.host.Inject({HostEvent::Kind::Menu, 0, MenuItem::FullScreen});
  t.RunPasses(2);  // pumped at the end of one pass, carried out by the next
  EXPECT_TRUE(t.host.fullScreen);
  EXPECT_EQ(t.g().settings.OPTION[8], 0);
  t.host.Inject({HostEvent::Kind::Menu, 0, MenuItem::Quit});
  EXPECT_EQ(t.RunPasses(2), 0);
  EXPECT_TRUE(Saved());
}

TEST_F(MainLoopTest, ScenesWithoutAHandlerRunOnlyTheHousekeeping) {
  for (int scene : {5, 8, 12, 13, 14, 99}) {
    sh().SCENE = scene;
    int frame = sh().FRAMECNT;
    EXPECT_EQ(t.RunPasses(1), -1);
    EXPECT_EQ(sh().SCENE, scene);
    EXPECT_EQ(sh().FRAMECNT, (frame + 1) & 255);
  }
}

TEST_F(MainLoopTest, AMissingDataFileShowsTheMessageInAWindowAndEnds) {
  t.host.PressKey(vk::F2);
  t.RunPasses(2);
  ASSERT_TRUE(t.host.fullScreen);
  try {
    CheckDataFiles(t.g(), "st1a.map");
    FAIL() << "the program should have ended";
  } catch (const ProgramEnd &end) {
    EXPECT_EQ(end.exitCode, 1);
  }
  ASSERT_EQ(t.host.messageBoxes.size(), 1u);
  EXPECT_EQ(t.host.messageBoxes[0], "エラ－: ファイルがありません！終了します。");
  EXPECT_FALSE(t.host.fullScreen);
  EXPECT_FALSE(Saved());
  ASSERT_FALSE(t.host.sounds.empty());
  EXPECT_NE(t.host.sounds.back().find("s03.wav"), std::string::npos);
  test::WriteBytes(t.data.file("st1a.map"), "x");
  CheckDataFiles(t.g(), "st1a.map");  // present: nothing happens
  EXPECT_EQ(t.host.messageBoxes.size(), 1u);
}

TEST_F(MainLoopTest, TheMusicTimerRestartsALoopingPieceWithinASecond) {
  sh().SCENE = 8;  // a scene without a handler: nothing but the pass itself touches the music
  PlayMusic(t.g(), 1);
  t.host.musicStopped = true;
  t.RunPasses(35);  // about a second at 31 ms a pass
  EXPECT_FALSE(t.host.musicStopped);
  EXPECT_EQ(t.host.musicLog.back(), "rewind");
  PlayMusic(t.g(), 6);  // mission complete plays once
  t.host.musicStopped = true;
  t.RunPasses(70);
  EXPECT_TRUE(t.host.musicStopped);
}

class PauseTest : public MainLoopTest {
 protected:
  void SetUp() override {
    MainLoopTest::SetUp();
    sh().SCENE = kScenePause;
    sh().PHASE = 66;
    t.g().player.SCORE = 1000;
  }
  void Hold(std::initializer_list<int> keys) {
    for (int k : keys) t.host.PressKey(k);
  }
};

TEST_F(PauseTest, WeaponKeyChangesTheActiveSlotOnceAndHalvesTheScoreOnce) {
  Player &p = t.g().player;
  p.WSLOT = 1;
  p.WEAPON = {1, 2};
  p.WLEVEL = {2, 2};
  Hold({'U', 'V'});
  t.RunPasses(5);
  EXPECT_EQ(p.WEAPON[1], 4);
  EXPECT_EQ(p.WLEVEL[1], 1);
  EXPECT_EQ(p.WEAPON[0], 1);
  EXPECT_EQ(p.SCORE, 500);
  EXPECT_EQ(t.g().input.KEYS[8], 0);
  ASSERT_FALSE(t.host.sounds.empty());
  EXPECT_NE(t.host.sounds.back().find("s10.wav"), std::string::npos);
  EXPECT_EQ(sh().SCENE, kScenePause);
}

TEST_F(PauseTest, SystemAndBombKeysFireOnlyForADifferentFitting) {
  Player &p = t.g().player;
  p.SYSTEM = 10;
  Hold({'E', 'R'});
  t.RunPasses(3);
  EXPECT_EQ(p.SCORE, 1000);  // already fitted: nothing happens
  t.host.ReleaseKey('R');
  Hold({'D'});
  t.RunPasses(2);  // the key events reach KEYS at the end of a pass
  EXPECT_EQ(p.SYSTEM, 12);
  EXPECT_EQ(p.PSTAT[5], 45);
  EXPECT_EQ(p.SCORE, 500);
  t.host.ReleaseKey('E');
  t.host.ReleaseKey('D');
  p.SCORE = 7;
  p.BOMBKIND = 1;
  Hold({'A', 'G'});
  t.RunPasses(2);
  EXPECT_EQ(p.BOMBKIND, 0);
  EXPECT_EQ(p.PSTAT[12], 5);
  EXPECT_EQ(p.SCORE, 3);
  t.RunPasses(1);
  EXPECT_EQ(p.SCORE, 3);  // giga crash is fitted now
}

TEST_F(PauseTest, ThePauseButtonResumesOnlyAfterARelease) {
  t.g().input.PADOLD[kPadPause] = 1;  // still held from the press that paused
  Hold({vk::Shift});
  t.RunPasses(3);
  EXPECT_EQ(sh().SCENE, kScenePause);
  t.host.ReleaseKey(vk::Shift);
  t.RunPasses(1);
  Hold({vk::Shift});
  t.RunPasses(1);
  EXPECT_EQ(sh().SCENE, kScenePlay);
  EXPECT_EQ(sh().PHASE, 66);
}

}  // namespace
}  // namespace qel
