#include <gtest/gtest.h>

#include "game.h"
#include "stage/render.h"
#include "stage/stage.h"
#include "stage_test_support.h"

namespace qel {
namespace {

class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteAllMaps(t);
    t.StartUp();
    SetUpNewGame(t.g(), kNewGameStory);
  }
  void Start(int stage, int mission = 0) {
    st().STAGE = stage;
    st().MISSION = mission;
    StartStage(t.g());
  }
  Stage &st() { return t.g().stage; }
  Player &p() { return t.g().player; }
  test::TestGame t;
};

TEST_F(FrameTest, StartStageSetsUpTheShipTheClockAndTheMusic) {
  p().PSHOT[45].FLAG = 1;  // a shot of the previous game in a high slot
  t.g().enemies.ESHOT[50].FLAG = 1;
  Start(1, 2);
  EXPECT_EQ(t.g().shell.SCENE, kScenePlay);
  EXPECT_EQ(st().STAGETIME, -100);
  EXPECT_EQ(t.g().enemies.RANK, 1);
  EXPECT_EQ(st().MAPSET, 1);
  EXPECT_EQ(p().PX, 224);
  EXPECT_EQ(p().PY, 480);
  EXPECT_EQ(p().PSTATE, 1);
  EXPECT_EQ(p().INVUL, -1);
  EXPECT_EQ(p().GAUGE, 100);
  EXPECT_EQ(p().PSTAT[5], 40);
  EXPECT_EQ(p().PSTAT[12], 5);  // a new game carries the giga crash
  EXPECT_EQ(p().PSHOT[45].FLAG, 0);
  EXPECT_EQ(t.g().enemies.ESHOT[50].FLAG, 0);
  EXPECT_TRUE(t.host.menuEnabled[static_cast<int>(MenuItem::Reset)]);
  EXPECT_EQ(t.g().audio.MUSICNO, 1);
  EXPECT_EQ(t.host.musicLog.back(), "play");
}

TEST_F(FrameTest, RankAndContentFollowTheMission) {
  struct Want {
    int stage, mission, rank, mapset;
  };
  for (Want w : {Want{9, 0, 2, 0},
                 {1, 1, 1, 0},
                 {2, 2, 1, 1},
                 {3, 3, 0, 1},
                 {4, 4, 0, 2},
                 {6, 6, 0, 2},
                 {7, 0, 0, 2},
                 {8, 3, 0, 2}}) {
    Start(w.stage, w.mission);
    EXPECT_EQ(t.g().enemies.RANK, w.rank) << w.stage;
    EXPECT_EQ(st().MAPSET, w.mapset) << w.stage;
  }
}

TEST_F(FrameTest, TheMusicOfAStageStartsOnlyInSilence) {
  Start(4);
  EXPECT_EQ(t.g().audio.MUSICNO, 2);
  Start(6);  // still playing: a restart keeps the piece
  EXPECT_EQ(t.g().audio.MUSICNO, 2);
  PlayMusic(t.g(), 0);
  Start(6);
  EXPECT_EQ(t.g().audio.MUSICNO, 7);
}

TEST_F(FrameTest, TheClockRunsUnlessAFightHoldsItAndStopsAt9999) {
  Start(2);
  t.RunPasses(3);
  EXPECT_EQ(st().STAGETIME, -97);
  p().PSTAT[20] = 1;
  t.RunPasses(3);
  EXPECT_EQ(st().STAGETIME, -97);
  p().PSTAT[20] = 0;
  st().STAGETIME = 9998;
  t.RunPasses(3);
  EXPECT_EQ(st().STAGETIME, 9999);
}

TEST_F(FrameTest, StageFiveRepeatsTheStretchOfEachTimedBoss) {
  Start(5);
  p().PSTAT[20] = 2;
  st().STAGETIME = 659;
  GameFrame(t.g());
  EXPECT_EQ(st().STAGETIME, 660);
  GameFrame(t.g());
  EXPECT_EQ(st().STAGETIME, 540);  // 661 is never seen
  for (auto [phase, from, back] : {std::tuple{3, 1170, 1050}, {4, 1650, 1530}, {5, 2160, 2040}}) {
    p().PSTAT[20] = phase;
    st().STAGETIME = from;
    GameFrame(t.g());
    EXPECT_EQ(st().STAGETIME, back) << phase;
  }
  p().PSTAT[20] = 0;
  st().STAGETIME = 660;
  GameFrame(t.g());
  EXPECT_EQ(st().STAGETIME, 661);
}

TEST_F(FrameTest, TheSoundLockCountsDown) {
  Start(2);
  t.g().audio.SNDLOCK = 2;
  t.RunPasses(3);
  EXPECT_EQ(t.g().audio.SNDLOCK, 0);
}

TEST_F(FrameTest, TheWhiteFlashCoversTheFieldButNotTheShipOrTheHud) {
  Start(9);
  p().PX = 100, p().PY = 200, p().PSTATE = 2;  // not blinking
  p().PSTAT[7] = 3;
  Enemy &e = t.g().enemies.ENEMY[0];
  e.FLAG = -1, e.MODE = 1, e.SHEET = 16, e.W = 32, e.H = 32, e.X = 300, e.Y = 200;
  RenderGame(t.g(), 0);
  const Surface &screen = t.g().surf.MSCREEN;
  EXPECT_EQ(screen.at(300 + 16, 200 + 16), 0xFFFFFFu);  // the enemy is under the flash
  const Surface &pl = t.g().sheet(Family::PL, 0);
  EXPECT_EQ(screen.at(100 + 16, 200 + 16), pl.at(16, 16) == 0xFFFFFF ? 0xFFFFFFu : pl.at(16, 16));
  EXPECT_EQ(p().PSTAT[7], 2);
  RenderGame(t.g(), 1);  // the copy flag leaves the screen black
  EXPECT_EQ(t.g().surf.MSCREEN.at(240, 240), 0u);
  EXPECT_EQ(p().PSTAT[7], 1);
}

TEST_F(FrameTest, AHitEnemyAlternatesBetweenSilhouetteAndPicture) {
  Start(9);
  p().PSTAT[7] = 0;
  Enemy &e = t.g().enemies.ENEMY[3];
  e.FLAG = -1, e.MODE = 1, e.SHEET = 16, e.W = 32, e.H = 32, e.X = 300, e.Y = 200;
  e.CNT[15] = 2;
  const Surface &mask = t.g().sheet(Family::ENM, 16);
  int mx = -1, my = -1;  // a picture pixel whose colour is not white
  for (int y = 0; y < 32 && mx < 0; ++y)
    for (int x = 0; x < 32; ++x)
      if (mask.at(x, y) == 0xFFFFFF && t.g().sheet(Family::EN, 16).at(x, y) != 0xFFFFFF) mx = x, my = y;
  ASSERT_GE(mx, 0);
  int white = 0;
  for (int frame = 0; frame < 6; ++frame) {
    t.g().shell.FRAMECNT = frame;
    RenderGame(t.g(), 0);
    white += t.g().surf.MSCREEN.at(300 + mx, 200 + my) == 0xFFFFFF;
  }
  EXPECT_EQ(white, 2);  // two even frames while the counter lasted
  EXPECT_EQ(e.CNT[15], 0);
}

}  // namespace
}  // namespace qel
