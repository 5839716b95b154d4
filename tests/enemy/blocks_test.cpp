#include "enemy/blocks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "enemy_test_support.h"
#include "platform/random.h"

namespace qel {
namespace {

using Blocks = test::EnemyTest;

TEST(AngleTo, IsExactOnAVerticalLineAndUsesTheGamesPi) {
  EXPECT_EQ(AngleTo(10, 10, 10, 50), 90);
  EXPECT_EQ(AngleTo(10, 50, 10, 10), -90);
  EXPECT_EQ(AngleTo(10, 10, 10, 10), -90);  // coinciding points count as up
  EXPECT_EQ(AngleTo(50, 10, 10, 10), 180);
  EXPECT_EQ(AngleTo(10, 10, 50, 10), 0);
  EXPECT_DOUBLE_EQ(AngleTo(0, 0, 1, 1), std::atan(1.0) * 180 / 3.1416);
  EXPECT_LT(AngleTo(0, 0, 1, 1), 45);
  double upLeft = AngleTo(0, 0, -1, -1);
  EXPECT_GT(upLeft, -180);
  EXPECT_NEAR(upLeft, -135, 0.01);
  EXPECT_NEAR(AngleTo(0, 0, -1, 1), 135, 0.01);
}

TEST_F(Blocks, RandomRangeGivesEveryValueOfItsRangeAndNoOther) {
  std::set<int> seen;
  for (int i = 0; i < 2000; ++i) {
    int v = RandomRange(g(), 5, 10);
    ASSERT_GE(v, 5);
    ASSERT_LE(v, 10);
    seen.insert(v);
  }
  EXPECT_EQ(seen.size(), 6u);
  EXPECT_EQ(RandomRange(g(), 3, 3), 3);
  // Reversed bounds are not swapped: lo + Int(r x (hi - lo + 1)) reaches below lo.
  std::set<int> reversed;
  for (int i = 0; i < 200; ++i) reversed.insert(RandomRange(g(), 5, 3));
  EXPECT_EQ(reversed, (std::set<int>{4}));
}

TEST(Steering, TheDifferenceIsRoundedAsAWholeThenTakenAroundTheCircle) {
  EXPECT_EQ(SteerDifference(190.5, 10), 180);   // 900.5 rounds to 900
  EXPECT_EQ(SteerDifference(191.5, 10), -178);  // 901.5 rounds to 902
  EXPECT_EQ(SteerDifference(10, 10), 0);
  EXPECT_EQ(SteerDifference(-170, 170), 20);
  // A heading wound up past several turns still turns the short way.
  EXPECT_EQ(SteerDifference(0, 1000), 80);
  EXPECT_EQ(SteerDifference(0, -1000), -80);
  EXPECT_EQ(SteerDifference(90, 1e9), SteerDifference(90, std::fmod(1e9, 360)));
}

TEST_F(Blocks, SteeringTurnsByItsRateOrSnapsOntoTheTarget) {
  Enemy &e = E(0);
  e.X = 0, e.Y = 0;
  p().PX = 100, p().PY = 0;  // straight to the right: 0 degrees
  e.VAL[2] = 90, e.VAL[3] = 15;
  Steer(g(), e, 7, 7);
  EXPECT_EQ(e.VAL[2], 75);
  EXPECT_EQ(e.DX, std::round(7 * std::cos(75 * kBehaviourRadians)));
  EXPECT_EQ(e.DY, 7);  // 6.76 as a whole number
  e.VAL[2] = 10;
  Steer(g(), e, 7, 7);
  EXPECT_EQ(e.VAL[2], 0);
  EXPECT_EQ(e.DX, 7);
  EXPECT_EQ(e.DY, 0);
}

TEST_F(Blocks, WeavingFollowsASineCurve) {
  Enemy &e = E(0);
  e.VAL[1] = 0, e.VAL[2] = 0.1;
  double x = 0;
  for (int i = 0; i < 40; ++i) {
    Weave(e, 30);
    x += e.DX;
    EXPECT_NEAR(x, 30 * std::sin(e.VAL[1]), 0.5 * (i + 1));  // each step rounds by at most a half
    EXPECT_EQ(e.DX, std::nearbyint(e.DX));
  }
}

TEST_F(Blocks, AStartDelayFreezesTheEnemyUntilItTurnsSolid) {
  int s = Spawn(1, 2);
  Enemy &e = E(s);
  e.CNT[8] = 2;
  double y = e.Y;
  Update(s);
  EXPECT_EQ(e.Y, y);
  EXPECT_EQ(e.NOHIT, -1);
  Update(s);
  EXPECT_EQ(e.Y, y);  // solid now, but still in place this frame
  EXPECT_EQ(e.NOHIT, 0);
  Update(s);
  EXPECT_EQ(e.Y, y + e.DY);
}

TEST_F(Blocks, TheShotTimerFiresEveryIntervalPlusOneFrames) {
  int s = Spawn(22, 0);
  E(s).CNT[1] = 3, E(s).CNT[2] = 0;
  int shots = 0;
  for (int f = 0; f < 12; ++f) {
    Update(s);
    shots = LiveShots();
    if (f == 2) {
      EXPECT_EQ(shots, 0);
    }
    if (f == 3) {
      EXPECT_EQ(shots, 1);
    }
  }
  EXPECT_EQ(shots, 3);
}

TEST_F(Blocks, AHeldShotComesInTheFirstFrameItIsAllowed) {
  int s = Spawn(1, 3);
  Enemy &e = E(s);
  e.CNT[8] = 0, e.NOHIT = 0, e.X = 32, e.Y = 420, e.DY = 0, e.CNT[1] = 2,
  e.CNT[2] = 0;  // below the ship
  for (int f = 0; f < 10; ++f) Update(s);
  EXPECT_EQ(LiveShots(), 0);
  EXPECT_EQ(e.CNT[2], 10);
  e.Y = 100;
  Update(s);
  EXPECT_EQ(LiveShots(), 1);
  EXPECT_EQ(e.CNT[2], 0);
}

TEST_F(Blocks, TheShotTimerStopsAtTheTopOfItsRange) {
  Enemy &e = E(0);
  e.CNT[1] = 40000, e.CNT[2] = 32766;
  for (int i = 0; i < 5; ++i) CountShotTimer(e);
  EXPECT_EQ(e.CNT[2], 32767);
}

TEST_F(Blocks, AnEnemyLeavesOnlyWhileMovingOutwards) {
  Enemy &e = E(0);
  e.FLAG = 1, e.W = 32, e.H = 32;
  e.X = 500, e.DX = 0;
  Leave(e);
  EXPECT_EQ(e.FLAG, 1);
  e.DX = -3;  // coming back in
  Leave(e);
  EXPECT_EQ(e.FLAG, 1);
  e.DX = 1;
  Leave(e);
  EXPECT_EQ(e.FLAG, 0);
  e.FLAG = 1, e.X = 10, e.DX = 0, e.Y = -33, e.DY = -1;
  Leave(e);
  EXPECT_EQ(e.FLAG, 0);
  e.FLAG = 1, e.Y = -32;  // still touching the field
  Leave(e);
  EXPECT_EQ(e.FLAG, 1);
}

TEST_F(Blocks, AnimationStepsOnlyOnEvenFrameCounts) {
  Enemy &e = E(0);
  std::string frames;
  for (int f = 0; f < 8; ++f) {
    g().shell.FRAMECNT = f;
    AnimateTwoFrames(g(), e);
    frames += std::to_string(e.FRAME);
  }
  EXPECT_EQ(frames, "11001100");
  frames.clear();
  e.FRAME = 0;
  for (int f = 0; f < 10; f += 2) {
    g().shell.FRAMECNT = f;
    AnimateFourFrames(g(), e);
    frames += std::to_string(e.FRAME);
  }
  EXPECT_EQ(frames, "12301");
}

}  // namespace
}  // namespace qel
