#include <gtest/gtest.h>

#include "game.h"
#include "stage/stage.h"
#include "stage_test_support.h"

namespace qel {
namespace {

class ScrollTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteAllMaps(t);
    t.StartUp();
  }
  void Load(int stage) {
    st().STAGE = stage;
    LoadStageMap(t.g(), stage);
  }
  // Runs the scroll step at clock value time.
  void StepAt(int time) {
    st().STAGETIME = time;
    ScrollBackground(t.g(), st().STAGE);
  }
  // Puts the layer one pixel before its next row and steps at the given time.
  int RowAfterStep(Layer layer, int row, int time, int speed = 1) {
    st().LROW[layer] = row;
    st().LSPEED[layer] = speed;
    st().LSUB[layer] = 1;
    StepAt(time);
    return st().LROW[layer];
  }
  Stage &st() { return t.g().stage; }
  test::TestGame t;
};

TEST_F(ScrollTest, SpeedOneMovesARowEvery32FramesAndShiftsTheSurface) {
  Load(2);  // near layer at speed 1, far layer at half speed
  Pixel marker = 0xABCDEF;
  SetPixelV(t.g().surf.MASTER[1], 5, 0, marker);
  for (int i = 0; i < 31; ++i) StepAt(0);
  EXPECT_EQ(st().LROW[kNear], 15);
  EXPECT_EQ(st().LSUB[kNear], 1);
  StepAt(0);
  EXPECT_EQ(st().LROW[kNear], 14);
  EXPECT_EQ(st().LSUB[kNear], 32);
  EXPECT_EQ(t.g().surf.MASTER[1].at(5, 32), marker);  // moved down one tile row
}

TEST_F(ScrollTest, FastLayersPaintARowEveryFrameOrEverySecond) {
  Load(5);
  StepAt(0);  // far layer to 16
  int far = st().LROW[kFar];
  StepAt(1);
  StepAt(2);
  EXPECT_EQ(st().LROW[kFar], far - 1);
  StepAt(50);  // near layer to 32
  int nearRow = st().LROW[kNear];
  StepAt(51);
  StepAt(52);
  EXPECT_EQ(st().LROW[kNear], nearRow - 2);
}

TEST_F(ScrollTest, NegativeSpeedPaintsAtTheBottomAndCountsUp) {
  Load(3);
  Fill(t.g().surf.MASTER[1], 0x010203);
  StepAt(0);  // starting at phase 32, the first step already completes a row
  EXPECT_EQ(st().LROW[kNear], 18);
  EXPECT_EQ(st().LSUB[kNear], 0);
  EXPECT_NE(t.g().surf.MASTER[1].at(0, 480), 0x010203u);  // row 18 painted at y 480
  for (int i = 0; i < 31; ++i) StepAt(0);
  EXPECT_EQ(st().LROW[kNear], 18);
  StepAt(0);
  EXPECT_EQ(st().LROW[kNear], 19);
}

TEST_F(ScrollTest, StageTwoLoopsBothLayersAndStageOneStopsAtTheTop) {
  Load(2);
  st().LROW[kNear] = 0;
  st().LSUB[kNear] = 1;
  StepAt(0);
  EXPECT_EQ(st().LROW[kNear], 14);
  Load(1);
  st().LSPEED[kNear] = 2;
  st().LROW[kNear] = 0;
  st().LSUB[kNear] = 2;
  StepAt(500);
  EXPECT_EQ(st().LROW[kNear], 14);
  EXPECT_EQ(st().LSPEED[kNear], 0);
  EXPECT_EQ(st().LSPEED[kFar], 0);
}

TEST_F(ScrollTest, StageFourFarLoopsChangeWithTheClock) {
  Load(4);
  EXPECT_EQ(RowAfterStep(kFar, 46, 599), 45);  // before 600 only 0 -> 14 applies
  EXPECT_EQ(RowAfterStep(kFar, 46, 600), 60);
  EXPECT_EQ(RowAfterStep(kFar, 46, 2249), 60);
  EXPECT_EQ(RowAfterStep(kFar, 31, 2250), 45);
  EXPECT_EQ(RowAfterStep(kFar, 31, 2999), 45);
  EXPECT_EQ(RowAfterStep(kFar, 0, 3000), 14);
}

TEST_F(ScrollTest, StageSixClampsThenLoops) {
  Load(6);
  EXPECT_EQ(RowAfterStep(kFar, 152, 1004), 166);
  EXPECT_EQ(RowAfterStep(kFar, 160, 1005), 150);  // clamped to at most 150
  EXPECT_EQ(RowAfterStep(kFar, 124, 2001), 125);
  EXPECT_EQ(RowAfterStep(kFar, 75, 2002), 89);
  EXPECT_EQ(RowAfterStep(kNear, 113, 89), 115);
  EXPECT_EQ(RowAfterStep(kNear, 92, 90), 104);
  EXPECT_EQ(RowAfterStep(kNear, 80, 2004), 81);
  EXPECT_EQ(RowAfterStep(kNear, 70, 2005), 65);
  EXPECT_EQ(RowAfterStep(kNear, 45, 2499), 59);
  EXPECT_EQ(RowAfterStep(kNear, 0, 2500), 0);
}

TEST_F(ScrollTest, StageSevenHasNoNearRuleAtExactly1550) {
  Load(7);
  EXPECT_EQ(RowAfterStep(kNear, 106, 1549), 119);
  EXPECT_EQ(RowAfterStep(kNear, 106, 1550), 105);
  EXPECT_EQ(RowAfterStep(kNear, 91, 1551), 104);
  EXPECT_EQ(RowAfterStep(kNear, 0, 4013), 13);
  // The far layer wraps to 57 and, the first time, stops the tile layers.
  st().LSPEED[kPicture] = 0;
  EXPECT_EQ(RowAfterStep(kFar, 0, 4020), 57);
  EXPECT_EQ(st().LSPEED[kFar], 0);
  EXPECT_EQ(st().LSPEED[kPicture], 1);
}

TEST_F(ScrollTest, StageFiveWarpLoopsAndTheEarthDescends) {
  Load(5);
  EXPECT_EQ(RowAfterStep(kFar, 0, 2849, 16), 14);
  EXPECT_EQ(RowAfterStep(kFar, 20, 2850, 16), 30);
  EXPECT_EQ(RowAfterStep(kNear, 20, 2800, 32), 30);
  st().LROW[kPicture] = -300;
  st().LSPEED[kPicture] = 0;
  for (int i = 0; i < 8; ++i) StepAt(2900);
  EXPECT_EQ(st().LROW[kPicture], -298);  // one pixel every fourth frame
  EXPECT_EQ(st().STARSPEED, 4);
  StepAt(3000);
  EXPECT_EQ(st().LSPEED[kFar], 0);
  EXPECT_EQ(st().LSPEED[kNear], 0);
}

TEST_F(ScrollTest, JupiterSinksEveryEleventhFrameAndItsCounterCannotRunAway) {
  Load(3);
  for (int i = 0; i < 22; ++i) StepAt(10);
  EXPECT_EQ(st().LROW[kPicture], -148);
  st().LROW[kPicture] = 350;
  st().LSPEED[kPicture] = 32760;
  for (int i = 0; i < 20; ++i) StepAt(10);
  EXPECT_EQ(st().LSPEED[kPicture], 32767);
  EXPECT_EQ(st().LROW[kPicture], 350);
}

TEST_F(ScrollTest, AMarkerIsPaintedAsItsReplacementTileOnlyOnItsStage) {
  test::WriteMap(t, "st1a.map", [](int c, int r) { return (r == 236 && c == 4) ? 101 : 0; });
  Load(1);
  st().LSPEED[kNear] = 2;
  st().LSUB[kNear] = 2;
  StepAt(300);
  EXPECT_EQ(st().LROW[kNear], 236);
  const Surface &tiles = t.g().sheet(Family::HAI, 1);
  EXPECT_EQ(t.g().surf.MASTER[1].at(4 * 32 + 10, 10), tiles.at(6 * 32 + 10, 9 * 32 + 10));  // tile 69
}

TEST_F(ScrollTest, StarsFallAndComeBackAtTheTop) {
  Load(9);
  for (int i = 0; i < kStarCount; ++i) {
    const Star &s = st().STAR[i];
    EXPECT_GE(s.SX, 1);
    EXPECT_LE(s.SX, 479);
    EXPECT_GE(s.SV, 15);  // STARSPEED 5
    EXPECT_LE(s.SV, 20);
    EXPECT_TRUE(s.SC == 15 || s.SC == 14 || s.SC == 11);
  }
  Star &s = st().STAR[0];
  s.SX = 100, s.SY = 470, s.SV = 15, s.SC = 14;
  st().STARSPEED = 0;
  Cls(t.g().surf.DISPLAY);
  DrawStars(t.g());
  EXPECT_EQ(t.g().surf.DISPLAY.at(101, 471), QBColor(14));
  EXPECT_EQ(s.SY, 0);
  EXPECT_LE(s.SV, 3);
}

}  // namespace
}  // namespace qel
