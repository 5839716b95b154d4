#include <gtest/gtest.h>

#include <cmath>

#include "enemy_test_support.h"
#include "platform/random.h"

namespace qel {
namespace {

class Bullets : public test::EnemyTest {
 protected:
  // A plain 32 x 32 shooter at (x, y) in slot 0 with bullet speed 10.
  Enemy &Shooter(double x = 224, double y = 100) {
    Enemy &e = E(0);
    e.FLAG = 1, e.MODE = 1, e.X = x, e.Y = y, e.W = 32, e.H = 32;
    e.CNT[10] = 10, e.CNT[11] = 0;
    return e;
  }
  // Fires from the shooter; returns the bullet's slot (the lowest free one) or -1.
  int Fire(int mode, int style = 0) {
    int k = 0;
    while (k < 30 && B(k).FLAG != 0) ++k;
    FireEnemyShot(g(), 0, mode, style);
    return k < 30 && B(k).FLAG != 0 ? k : -1;
  }
  int Frames(int k, int n) {
    for (int i = 0; i < n && B(k).FLAG != 0; ++i) UpdateShot(k), NextFrame();
    return B(k).FLAG;
  }
};

TEST_F(Bullets, ThirtyBulletsFillTheTable) {
  Shooter();
  for (int i = 0; i < 30; ++i) FireEnemyShot(g(), 0, 6, 0);
  EXPECT_EQ(LiveShots(), 30);
  FireEnemyShot(g(), 0, 6, 0);
  EXPECT_EQ(LiveShots(), 30);
  for (int k = 30; k <= 60; ++k) EXPECT_EQ(B(k).FLAG, 0);
  B(7).FLAG = 0;
  FireEnemyShot(g(), 0, 6, 0);
  EXPECT_EQ(B(7).FLAG, 1);
}

TEST_F(Bullets, ModesWithoutALookMakeNothing) {
  Shooter();
  for (auto [mode, style] : {std::pair{0, 0}, {29, 0}, {35, 0}, {51, 0}, {57, 0}, {6, 6}, {6, -1}, {17, 4}})
    FireEnemyShot(g(), 0, mode, style);
  EXPECT_EQ(LiveShots(), 0);
  FireEnemyShot(g(), 31, 6, 0);
  EXPECT_EQ(LiveShots(), 0);
}

TEST_F(Bullets, AFanIsCentredOnTheShipOrStraightDown) {
  Shooter(224, 100);
  p().PX = 224, p().PY = 400;  // straight below: the aim is 90 degrees
  int a = Fire(5), b = Fire(6), c = Fire(7);
  EXPECT_NEAR(B(b).ANG, 90, 1e-9);
  EXPECT_NEAR(B(a).ANG, 60, 1e-9);
  EXPECT_NEAR(B(c).ANG, 120, 1e-9);
  EXPECT_NEAR(std::hypot(B(a).DX, B(a).DY), 10, 1e-9);
  EXPECT_EQ(B(b).X, 224 + 16 - 5);
  EXPECT_EQ(B(b).Y, 100 + 16 - 5);
  EXPECT_EQ(B(b).HX1, 2);
  EXPECT_EQ(B(b).HX2, 7);
  p().PX = 424, p().PY = 100;  // to the right now, but the shooter fires straight down
  E(0).CNT[11] = 1;
  EXPECT_NEAR(B(Fire(6)).ANG, 90, 1e-9);
  EXPECT_NEAR(B(Fire(1)).ANG, -60, 1e-9);
  EXPECT_NEAR(B(Fire(12)).ANG, 90 + 180 - 360, 1e-9);
}

TEST_F(Bullets, SmallBulletsFlyUntilTheyLeaveAndBlink) {
  Shooter(224, 100);
  int k = Fire(6, 0);
  B(k).DX = 0, B(k).DY = -10;
  g().shell.FRAMECNT = 0;
  UpdateShot(k);
  EXPECT_EQ(B(k).Y, 101);
  EXPECT_EQ(B(k).FRAME, 1);  // FRAMECNT 0 is a multiple of 3
  EXPECT_EQ(Frames(k, 20), 0);
}

TEST_F(Bullets, DebrisFallsBackAndIsNotLostAtTheTop) {
  Shooter(224, 10);
  int k = Fire(13, 1);
  EXPECT_GE(B(k).DY, -20);
  EXPECT_LE(B(k).DY, -5);
  B(k).DX = 0, B(k).DY = -20;
  for (int i = 0; i < 13; ++i) UpdateShot(k);
  EXPECT_EQ(B(k).FLAG, 1);  // well above the field, yet alive
  EXPECT_LT(B(k).Y, -16);
  for (int i = 0; i < 5; ++i) UpdateShot(k);
  EXPECT_EQ(B(k).DY, 16);  // it speeds up by 2 while slower than 15
  EXPECT_EQ(Frames(k, 100), 0);
}

TEST_F(Bullets, TheFusedBulletIsHarmlessUntilItsBlast) {
  Shooter(224, 380);
  int k = Fire(6, 4);
  EXPECT_EQ(B(k).NOHIT, -1);
  B(k).DX = B(k).DY = 0;
  B(k).X = p().PX, B(k).Y = p().PY;
  p().INVUL = 0;
  for (int i = 0; i < 10; ++i) UpdateShot(k);
  EXPECT_EQ(B(k).MODE, 50);
  EXPECT_EQ(B(k).SHEET, 30);
  EXPECT_EQ(B(k).HX2, 27);
  EXPECT_EQ(B(k).NOHIT, -1);
  EXPECT_TRUE(SoundPlayed(5));
  UpdateShot(k);  // count 0
  EXPECT_EQ(B(k).NOHIT, -1);
  UpdateShot(k);  // count 1: it flares up
  EXPECT_EQ(B(k).NOHIT, 0);
  EXPECT_EQ(B(k).FRAME, 0);
  int hot = 1;
  while (B(k).FLAG != 0 && B(k).NOHIT == 0) UpdateShot(k), ++hot;
  EXPECT_EQ(hot, 30);  // through its count 30
  EXPECT_EQ(B(k).FRAME, 2);
  UpdateShot(k);
  EXPECT_EQ(B(k).FLAG, 0);
}

TEST_F(Bullets, MinesTravelThenPullOrPushTheShip) {
  Shooter(224, 100);
  p().PX = 224, p().PY = 300;
  int pull = Fire(15);
  EXPECT_EQ(B(pull).ERASE, 0);
  EXPECT_EQ(B(pull).NOHIT, -1);
  EXPECT_EQ(B(pull).ROW, 0);
  int travel = B(pull).CNT[1], active = B(pull).CNT[2];
  B(pull).DX = B(pull).DY = 0;
  for (int i = 0; i < travel; ++i) UpdateShot(pull);
  EXPECT_EQ(B(pull).CNT[0], 1);
  EXPECT_TRUE(SoundPlayed(22));
  double px = p().PX, py = p().PY;
  UpdateShot(pull);
  // The mine's centre is at (240, 116), right above the ship: it is dragged up by 4.
  EXPECT_EQ(p().PX, px);
  EXPECT_EQ(p().PY, py - 4);
  p().PX = 400;
  UpdateShot(pull);
  EXPECT_EQ(p().PX, 396);
  for (int i = 2; i < active; ++i) UpdateShot(pull);
  EXPECT_EQ(B(pull).FLAG, 0);

  int push = Fire(14);
  EXPECT_EQ(B(push).ROW, 1);
  B(push).CNT[1] = 1;
  UpdateShot(push);
  p().PX = 100, p().PY = 300;
  B(push).X = 200, B(push).Y = 200;
  UpdateShot(push);
  EXPECT_EQ(p().PX, 96);
  EXPECT_EQ(p().PY, 304);
}

TEST_F(Bullets, ATravellingMineBouncesOffTheWalls) {
  Shooter(224, 100);
  int k = Fire(14);
  B(k).X = 440, B(k).DX = 5, B(k).DY = 0, B(k).CNT[1] = 50;
  UpdateShot(k);
  EXPECT_EQ(B(k).DX, -5);
  for (int i = 0; i < 3; ++i) UpdateShot(k);
  EXPECT_EQ(B(k).FRAME, 1);  // its three frames advance every third update
}

TEST_F(Bullets, BouncingBallsUseUpTheirBounces) {
  Enemy &e = Shooter(224, 100);
  e.CNT[5] = 10, e.CNT[6] = 10;
  int k = Fire(17, 0);
  EXPECT_EQ(B(k).DX, -1);
  EXPECT_EQ(B(k).DY, -1);
  EXPECT_EQ(B(k).CNT[2], 4);
  int bounces = 0;
  double dx = B(k).DX, dy = B(k).DY;
  for (int i = 0; i < 300 && B(k).FLAG != 0; ++i) {
    UpdateShot(k);
    bounces += (B(k).DX != dx) + (B(k).DY != dy);
    dx = B(k).DX, dy = B(k).DY;
  }
  EXPECT_EQ(bounces, 4);
  EXPECT_EQ(B(k).FLAG, 0);
  EXPECT_EQ(B(k).Y, 600);
}

TEST_F(Bullets, NeedlesAndBeamsGoStraightAndStayAfterHitting) {
  Enemy &e = Shooter(100, 100);
  e.W = 48;
  EXPECT_EQ(B(Fire(20, 1)).X, 100);
  EXPECT_EQ(B(Fire(20, 2)).X, 100 + 48 - 5);
  EXPECT_EQ(B(Fire(30, 3)).Y, 100 + 32 - 10);
  int up = Fire(21, 0);
  EXPECT_EQ(B(up).DY, -10);
  int left = Fire(22), right = Fire(24);  // 24 moves like 23
  UpdateShot(left), UpdateShot(right);
  EXPECT_EQ(B(left).X, 100 + 24 - 16 - 10);
  EXPECT_EQ(B(right).X, 100 + 24 - 16 + 10);

  p().PX = 200, p().PY = 200, p().INVUL = 0;
  int beam = Fire(30);
  B(beam).X = 212, B(beam).Y = 190, B(beam).DY = 0;
  UpdateShot(beam);
  EXPECT_EQ(B(beam).FLAG, 1);  // persistent
  int ball = Fire(16);
  B(ball).X = 205, B(ball).Y = 195, B(ball).CNT[5] = B(ball).CNT[6] = 0;
  p().INVUL = -1;
  UpdateShot(ball);
  EXPECT_EQ(B(ball).FLAG, 1);  // no hit while the ship cannot be hit
  p().INVUL = 0;
  UpdateShot(ball);
  EXPECT_EQ(B(ball).FLAG, 0);
}

TEST_F(Bullets, TheZigzagLaserTurnsTowardsTheShip) {
  Enemy &e = Shooter(224, 0);
  e.CNT[11] = 2, e.CNT[10] = 10;
  p().PX = 400, p().PY = 200;
  int k = Fire(25);
  EXPECT_EQ(B(k).DY, 10);
  EXPECT_EQ(B(k).CNT[1], 2);
  while (B(k).CNT[0] == 0) UpdateShot(k);
  EXPECT_EQ(B(k).SHEET, 25);
  EXPECT_EQ(B(k).NOHIT, -1);
  EXPECT_NEAR(B(k).Y + 16, p().PY + 16, 15 + 10);
  for (int i = 0; i < 5; ++i) UpdateShot(k);
  EXPECT_EQ(B(k).CNT[0], 1);  // horizontal now, towards the ship on the right
  EXPECT_EQ(B(k).SHEET, 24);
  EXPECT_EQ(B(k).DX, 10);
  EXPECT_EQ(B(k).CNT[1], 1);
  while (B(k).CNT[0] == 1) UpdateShot(k);
  for (int i = 0; i < 5; ++i) UpdateShot(k);
  EXPECT_EQ(B(k).CNT[0], 0);  // down again, its last turn used
  EXPECT_EQ(B(k).CNT[1], 0);
  double y = B(k).Y;
  EXPECT_EQ(Frames(k, 100), 0);
  EXPECT_GT(y, 0);
}

TEST_F(Bullets, AHorizontalZigzagFirstTurnsToFaceTheShip) {
  Enemy &e = Shooter(224, 100);
  e.CNT[11] = 1;
  p().PX = 10;
  int k = Fire(28);
  EXPECT_EQ(B(k).CNT[0], 2);
  UpdateShot(k);
  EXPECT_EQ(B(k).CNT[0], 1);
  EXPECT_EQ(B(k).DX, -10);
  EXPECT_EQ(B(k).CNT[1], 0);
}

TEST_F(Bullets, AGrowingBeamReaches150ThenTravels) {
  Enemy &e = Shooter(100, 40);
  e.CNT[10] = 20;
  int k = Fire(55);
  EXPECT_EQ(B(k).H, 3);
  EXPECT_EQ(B(k).SYOFF, 150);
  EXPECT_EQ(B(k).Y, 72);
  EXPECT_EQ(B(k).ERASE, 0);
  UpdateShot(k);
  EXPECT_EQ(B(k).H, 23);
  EXPECT_EQ(B(k).SYOFF, 130);
  EXPECT_EQ(B(k).HY2, 21);
  for (int i = 0; i < 7; ++i) UpdateShot(k);
  EXPECT_EQ(B(k).H, 150);
  EXPECT_EQ(B(k).SYOFF, 0);
  EXPECT_EQ(B(k).HY1, 5);
  EXPECT_EQ(B(k).HY2, 144);
  EXPECT_EQ(B(k).Y, 72);
  UpdateShot(k);
  EXPECT_EQ(B(k).Y, 92);
  EXPECT_EQ(B(k).H, 150);
}

TEST_F(Bullets, TheBlastOfADyingMineHurtsAtOnce) {
  Shooter(p().PX, p().PY);
  int k = Fire(50);
  EXPECT_EQ(B(k).FRAME, 2);
  EXPECT_EQ(B(k).X, p().PX);
  UpdateShot(k);
  EXPECT_EQ(B(k).CNT[0], 1);
  EXPECT_EQ(B(k).FLAG, 1);  // persistent
  EXPECT_LT(p().SHIELD, 50);
}

}  // namespace
}  // namespace qel
