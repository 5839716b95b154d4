// Player shots: how each one starts, flies, ends and hits.
#include <gtest/gtest.h>

#include "ship_test_support.h"

namespace qel {
namespace {

class Shots : public test::ShipTest {
 protected:
  void SetUp() override {
    test::ShipTest::SetUp();
    InPlay(200, 300);
    p().PSHOT.fill(PlayerShot{});
    g().enemies.ESHOT.fill(EnemyShot{});
    p().WSLOT = 0;
  }
  // Fires one shot with the active slot at this level; returns it.
  PlayerShot &Fire(int kind, int sub, int level = 1) {
    p().WLEVEL[0] = level;
    int n = FindFreePlayerShot(g());
    FirePlayerShot(g(), kind, sub);
    return p().PSHOT[static_cast<std::size_t>(n)];
  }
  void Update(int frames = 1) {
    for (int i = 0; i < frames; ++i) UpdatePlayerShots(g());
  }
};

struct Start {
  int kind, sub, level;
  double x, y;
  int w, h, spr;
  double dx, dy;
  int pow, box1, box2x, box2y, pierce, v5;
};

TEST_F(Shots, EachShotStartsWithItsLookPlaceSpeedPowerAndHitBox) {
  // The ship is at (200, 300).
  const Start starts[] = {
      {1, 0, 1, 208, 308, 16, 16, 10, 0, -20, 5, 0, 15, 15, 0, 0},
      {1, 1, 2, 208, 308, 16, 16, 10, -20, -20, 5, 0, 15, 15, 0, 1},
      {2, 0, 1, 213, 316, 7, 1, 11, 0, 0, 2, 0, 6, 0, -1, 0},
      {2, 3, 2, 216, 309, 1, 14, 48, 0, 0, 2, 0, 0, 13, -1, 3},
      {3, 0, 1, 212, 308, 8, 24, 15, 0, -20, 2, 0, 7, 23, 0, 1},
      {3, 1, 2, 200, 305, 8, 24, 15, -15, 0, 2, 0, 7, 23, 0, 1},
      {3, 2, 1, 224, 305, 8, 24, 15, 15, 0, 2, 0, 7, 23, 0, 1},
      {4, 10, 1, 205, 310, 8, 12, 12, 0, -20, 3, 0, 7, 11, 0, 0},
      {4, 18, 2, 219, 310, 8, 12, 12, 0, 20, 3, 0, 7, 11, 0, 0},
      {4, 12, 1, 212, 310, 8, 12, 12, 0, 20, 3, 0, 7, 11, 0, 0},
      {5, 3, 1, 211, 308, 10, 10, 13, -10, -20, 3, 0, 9, 9, 0, 0},
      {5, 6, 2, 208, 308, 16, 16, 44, 15, -20, 3, 0, 15, 15, 0, 0},
      {6, 0, 1, 200, 284, 32, 32, 55, 0, -16, 1, 7, 24, 24, -1, 15},
      {6, 0, 2, 200, 284, 32, 32, 55, -1, -16, 1, 7, 24, 24, -1, 20},
      {7, 10, 2, 208, 308, 16, 16, 44, 0, -20, 4, 0, 15, 15, 0, 0},
      {8, 6, 1, 200, 308, 32, 32, 19, -20, 20, 3, 5, 26, 26, -1, 15},
      {8, 3, 2, 200, 308, 32, 32, 19, 20, 0, 3, 5, 26, 26, -1, 30},
      {20, 0, 1, 184, 300, 64, 64, 45, 0, 0, 4, 5, 58, 58, -1, 0},
  };
  for (const Start &w : starts) {
    PlayerShot &s = Fire(w.kind, w.sub, w.level);
    SCOPED_TRACE(testing::Message() << "kind " << w.kind << " sub " << w.sub << " level " << w.level);
    EXPECT_EQ(s.FLAG, 1);
    EXPECT_EQ(s.KIND, w.kind);
    EXPECT_EQ(s.X, w.x);
    EXPECT_EQ(s.Y, w.y);
    EXPECT_EQ(s.W, w.w);
    EXPECT_EQ(s.H, w.h);
    EXPECT_EQ(s.SPR, w.spr);
    EXPECT_EQ(s.DX, w.dx);
    EXPECT_EQ(s.DY, w.dy);
    EXPECT_EQ(s.POW, w.pow);
    EXPECT_EQ(s.HX1, w.box1);
    EXPECT_EQ(s.HY1, w.box1);
    EXPECT_EQ(s.HX2, w.box2x);
    EXPECT_EQ(s.HY2, w.box2y);
    EXPECT_EQ(s.PIERCE, w.pierce);
    EXPECT_EQ(s.V[5], w.v5);
    EXPECT_EQ(s.V[9], w.kind == 20 ? 1 : 0);  // only the thunder ball hits as a bomb
  }
}

TEST_F(Shots, AFullTableTakesNoMoreShots) {
  for (PlayerShot &s : p().PSHOT) s.FLAG = 1, s.KIND = 99;
  EXPECT_LT(FindFreePlayerShot(g()), 0);
  p().WEAPON[0] = 8;
  FireVolley(g());
  for (const PlayerShot &s : p().PSHOT) EXPECT_EQ(s.KIND, 99);
  p().PSHOT[17].FLAG = 0;
  EXPECT_EQ(FindFreePlayerShot(g()), 17);
}

TEST_F(Shots, NormalSideShotsTravelAHundredPixelsSidewaysThenStraightUp) {
  PlayerShot &s = Fire(1, 2, 2);
  Update(5);
  EXPECT_EQ(s.X, 308);
  EXPECT_EQ(s.DX, 0);
  Update(1);
  EXPECT_EQ(s.X, 308);
  EXPECT_EQ(s.Y, 308 - 6 * 20);
}

TEST_F(Shots, LaserBeamsGrowOnTheShipToLength150ThenFlyOffStillFollowingItSideways) {
  PlayerShot &up = Fire(2, 0, 2), &down = Fire(2, 1, 2), &left = Fire(2, 2, 2);
  const int lengths[] = {26, 51, 76, 101, 126, 150};
  for (int length : lengths) {
    double shipY = p().PY, shipX = p().PX;
    Update();
    EXPECT_EQ(up.H, length);
    EXPECT_EQ(up.Y, shipY - (length == 150 ? 126 : length - 25));
    EXPECT_EQ(up.HY2, length - 1);
    EXPECT_EQ(down.Y, shipY + 32);
    EXPECT_EQ(left.W, length);
    EXPECT_EQ(left.X, shipX - (length == 150 ? 126 : length - 25));
    p().PX += 4;  // the ship drifts right while the beams grow
    p().PY -= 2;
  }
  EXPECT_EQ(up.DY, -25);
  EXPECT_EQ(down.DY, 25);
  EXPECT_EQ(left.DX, -25);
  double detachedY = up.Y;
  p().PX = 300;
  Update();
  EXPECT_EQ(up.Y, detachedY - 25);
  EXPECT_EQ(up.X, 300 + 16 - 7);  // detached, yet still centred on the ship
  EXPECT_EQ(left.Y, p().PY + 16 - 7);
}

TEST_F(Shots, ABlastBombShellTurnsUpAfterFiveFramesOrUnderALockOnTarget) {
  PlayerShot &free = Fire(3, 1);
  Update(4);
  EXPECT_EQ(free.V[5], 1);
  EXPECT_EQ(free.DX, -15);
  Update(1);
  EXPECT_EQ(free.V[5], 2);
  EXPECT_EQ(free.X, 200 - 5 * 15);
  EXPECT_EQ(free.DY, -20);

  PlaceEnemy(1, 250, 0).LOCK = 0;  // not a lock-on target: flown past
  PlaceEnemy(2, 242, 0);  // centre 258: within 10 of the shell's 258 on frame 2, not its 243 on frame 1
  PlayerShot &locked = Fire(3, 2);
  Update(1);
  EXPECT_EQ(locked.V[5], 1);
  Update(1);
  EXPECT_EQ(locked.V[5], 2);
  EXPECT_EQ(locked.DX, 0);
  EXPECT_EQ(locked.X, 224 + 2 * 15);
}

TEST_F(Shots, ABlastBombShellBurstsOnItsFirstHitSizedByTheActiveSlot) {
  for (int level : {1, 2}) {
    p().PSHOT.fill(PlayerShot{});
    PlayerShot &s = Fire(3, 0, level);
    PlaceEnemy(0, 200, 250);
    Update(1);  // moved to y 288: not yet touching
    EXPECT_EQ(s.KIND, 3);
    Update(1);
    EXPECT_EQ(s.KIND, 10);
    EXPECT_EQ(s.X, 212 - 13);
    EXPECT_EQ(s.Y, 268 - 16);
    EXPECT_EQ(s.W, level == 2 ? 48 : 32);
    EXPECT_EQ(s.SPR, level == 2 ? 43 : 18);
    EXPECT_EQ(s.HX2, level == 2 ? 42 : 27);
    EXPECT_EQ(s.POW, 1);
    EXPECT_EQ(s.PIERCE, -1);
    g().enemies.ENEMY[0].FLAG = 0;
    Update(8);
    EXPECT_EQ(s.FLAG, 1);
    EXPECT_EQ(s.X, 199);  // the blast stands
    Update(1);
    EXPECT_EQ(s.FLAG, 0);  // nine frames
  }
}

TEST_F(Shots, TheFlameSweepsOverTwelveVolleysAndTheMultiChangesPatternEveryTwo) {
  const int sweep[13] = {0, -1, -2, -4, -2, -1, 0, 1, 2, 4, 2, 1, 0};
  for (int dx : sweep) {
    EXPECT_EQ(Fire(6, 0).DX, dx);
    p().PSHOT.fill(PlayerShot{});
  }
  p().WEAPON[0] = 7;
  p().WLEVEL[0] = 1;  // 10 x 10, centred at x 211
  struct Side {
    double x, y, dx, dy;
  };
  const Side left[3][2] = {{{201, 308, 0, -20}, {201, 308, 0, 20}},
                           {{211, 308, -15, -20}, {211, 308, -15, 20}},
                           {{211, 316, -20, 0}, {211, 300, -20, 0}}};
  for (int volley = 0; volley < 7; ++volley) {
    p().PSHOT.fill(PlayerShot{});
    FireVolley(g());
    int phase = (volley / 2) % 3;
    EXPECT_EQ(p().PSHOT[0].DX, 0);
    EXPECT_EQ(p().PSHOT[0].DY, -20);
    for (int back = 0; back < 2; ++back) {
      const PlayerShot &s = p().PSHOT[1 + 2 * back];  // subs 11 and 13 go left
      const Side &w = left[phase][back];
      EXPECT_EQ(s.X, w.x) << volley;
      EXPECT_EQ(s.Y, w.y) << volley;
      EXPECT_EQ(s.DX, w.dx) << volley;
      EXPECT_EQ(s.DY, w.dy) << volley;
      EXPECT_EQ(p().PSHOT[2 + 2 * back].DX, -w.dx) << volley;
    }
  }
}

TEST_F(Shots, ShotsEndPastTheEdgeTheyFlyTowardsAndFireAndShadowBurnOut) {
  PlayerShot &up = Fire(4, 10);
  up.Y = -5;
  PlayerShot &back = Fire(4, 12);
  back.Y = -30;  // above the field but flying down: kept
  Update();
  EXPECT_EQ(up.FLAG, 0);
  EXPECT_EQ(up.Y, 600);
  EXPECT_EQ(back.FLAG, 1);

  PlayerShot &flame = Fire(6, 0);
  flame.Y = -200;  // the flame has no edge test, only its life
  PlayerShot &shadow = Fire(8, 0);
  Update(14);
  EXPECT_EQ(flame.FLAG, 1);
  EXPECT_EQ(shadow.FLAG, 1);
  Update(1);
  EXPECT_EQ(flame.FLAG, 0);
  EXPECT_EQ(shadow.FLAG, 0);
}

TEST_F(Shots, TheThunderBallCirclesWhileRisingAndWipesErasableBulletsInTheFirst31Slots) {
  PlayerShot &ball = Fire(20, 0);
  auto bullet = [&](int slot, double x, double y, int erase) -> EnemyShot & {
    EnemyShot &b = g().enemies.ESHOT[static_cast<std::size_t>(slot)];
    b.FLAG = 1, b.X = x, b.Y = y, b.HX2 = 8, b.HY2 = 8, b.ERASE = erase;
    return b;
  };
  // After one frame the ball stands at (159, 291), its box from (164, 296) to (217, 349).
  EnemyShot &wiped = bullet(5, 180, 310, -1), &hard = bullet(6, 180, 310, 0);
  EnemyShot &high = bullet(31, 180, 310, -1), &away = bullet(7, 150, 310, -1);
  Update();
  EXPECT_EQ(ball.X, 159);
  EXPECT_EQ(ball.Y, 291);
  EXPECT_EQ(wiped.FLAG, 0);
  EXPECT_EQ(wiped.Y, 600);
  EXPECT_EQ(hard.FLAG, 1);
  EXPECT_EQ(high.FLAG, 1);
  EXPECT_EQ(away.FLAG, 1);
  Update();
  EXPECT_EQ(ball.X, 159 - 25 - 18);
  EXPECT_EQ(ball.Y, 291 - 7 - 18 - 2);
  // A full turn every twelve frames, two pixels a frame up (and as much again from the turn's
  // speed applied twice, which cancels out over the turn).
  double x = ball.X, y = ball.Y;
  Update(12);
  EXPECT_NEAR(ball.X, x, 2);
  EXPECT_NEAR(ball.Y, y - 24, 2);
  int toggles = 0, lastAge = ball.AGE, frames = 14;
  while (ball.FLAG == 1 && frames < 500) {
    Update();
    ++frames;
    toggles += ball.AGE != lastAge ? 1 : 0;
    lastAge = ball.AGE;
  }
  EXPECT_LT(ball.Y, -100);
  EXPECT_NEAR(toggles, (frames - 14) / 3, 1);
}

TEST_F(Shots, ANonPiercingShotEndsOnItsHitWhileAPiercingOneFliesOn) {
  PlaceEnemy(0, 200, 270);
  PlayerShot &vulcan = Fire(4, 11), &shadow = Fire(8, 0);
  Update();
  EXPECT_EQ(vulcan.FLAG, 0);
  EXPECT_NE(vulcan.Y, 600);  // ended by the hit, not by the edge
  EXPECT_EQ(shadow.FLAG, 1);
  g().enemies.ENEMY[0].NOHIT = -1;
  PlayerShot &passing = Fire(4, 11);
  Update();
  EXPECT_EQ(passing.FLAG, 1);
}

TEST_F(Shots, OneShotHitsEveryOverlappingEnemyInTheSameFrame) {
  if (!EnemyDamageWorks()) GTEST_SKIP() << "enemy damage is not built yet";
  for (int slot : {3, 4, 9}) PlaceEnemy(slot, 195 + slot, 260);
  PlaceEnemy(5, 200, 260).NOHIT = -1;
  PlayerShot &s = Fire(1, 0);
  Update();
  EXPECT_EQ(s.FLAG, 0);
  for (int slot : {3, 4, 9}) EXPECT_EQ(g().enemies.ENEMY[static_cast<std::size_t>(slot)].HP, 95) << slot;
  EXPECT_EQ(g().enemies.ENEMY[5].HP, 100);

  g().enemies.ENEMY[4].FLAG = g().enemies.ENEMY[9].FLAG = 0;
  g().enemies.ENEMY[3].Y = 270;
  PlayerShot &shadow = Fire(8, 0);  // piercing: hits again every frame it overlaps
  Update(2);
  EXPECT_EQ(g().enemies.ENEMY[3].HP, 95 - 3 - 3);
  EXPECT_EQ(shadow.FLAG, 1);
}

TEST_F(Shots, ThunderBallKillsScoreNothingWhileShotKillsScore) {
  if (!EnemyDamageWorks()) GTEST_SKIP() << "enemy damage is not built yet";
  g().settings.DIFF = 1;
  p().SCORE = 0;
  Enemy &byBall = PlaceEnemy(0, 170, 300);
  byBall.HP = 4, byBall.PTS = 100, byBall.MODE = 1;
  Fire(20, 0);
  Update();
  EXPECT_EQ(byBall.FLAG, 0);
  EXPECT_EQ(p().SCORE, 0);
  Enemy &byShot = PlaceEnemy(1, 200, 260);
  byShot.HP = 4, byShot.PTS = 100, byShot.MODE = 1;
  Fire(1, 0);
  Update();
  EXPECT_EQ(byShot.FLAG, 0);
  EXPECT_EQ(p().SCORE, 100);
}

}  // namespace
}  // namespace qel
