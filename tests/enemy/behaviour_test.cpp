#include <gtest/gtest.h>

#include <algorithm>

#include "enemy_test_support.h"

namespace qel {
namespace {

using Behaviour = test::EnemyTest;

// Puts enemy i right on the ship.
void OnShip(Enemy &e, const Player &p) { e.X = p.PX, e.Y = p.PY, e.CNT[8] = 0; }

TEST_F(Behaviour, RammingCostsBothFivePointsAndEarnsNothing) {
  int s = Spawn(31, 0);
  OnShip(E(s), p());
  E(s).DX = E(s).DY = 0;
  Update(s);
  EXPECT_EQ(E(s).HP, 12);
  EXPECT_EQ(p().SHIELD, 45);
  p().INVUL = 0;
  E(s).HP = 5;
  Update(s);
  EXPECT_EQ(E(s).FLAG, 0);
  EXPECT_EQ(p().SCORE, 0);
}

TEST_F(Behaviour, NoContactWithoutRamOrCollisionOrWhileTheShipIsSafe) {
  int ground = Spawn(22, 0);  // NORAM
  int waiting = Spawn(1, 0);  // NOHIT during its delay
  int plain = Spawn(31, 0);
  for (int s : {ground, waiting, plain}) OnShip(E(s), p()), E(s).DX = E(s).DY = 0;
  E(waiting).CNT[8] = 5;
  p().INVUL = -1;
  for (int s : {ground, waiting, plain}) Update(s);
  EXPECT_EQ(E(ground).HP, 7);
  EXPECT_EQ(E(waiting).HP, 1);
  EXPECT_EQ(E(plain).HP, 17);
  EXPECT_EQ(p().SHIELD, 50);
}

TEST_F(Behaviour, TheBoxesMustOverlapStrictly) {
  int s = Spawn(31, 0);
  Enemy &e = E(s);
  e.DX = e.DY = 0;
  // The ship's box starts at PX + 10; the enemy's right edge is X + 45.
  e.X = p().PX + 10 - 45, e.Y = p().PY;
  Update(s);
  EXPECT_EQ(e.HP, 17);
  e.X += 1;
  Update(s);
  EXPECT_EQ(e.HP, 12);
}

TEST_F(Behaviour, ABossCanBeRammed) {
  int s = Spawn(153);
  Enemy &b = E(s);
  b.VULN = -1, b.CNT[0] = 1;  // settled: this frame it only picks its next column
  OnShip(b, p());
  Update(s);
  EXPECT_EQ(b.HP, 695);
}

TEST_F(Behaviour, TheHomingMineBurstsAtItsTimeOutOrNearTheShip) {
  int s = Spawn(5, 0);
  E(s).CNT[7] = 1;
  Update(s);
  EXPECT_EQ(E(s).FLAG, 0);
  EXPECT_EQ(B(0).MODE, 50);
  EXPECT_TRUE(SoundPlayed(5));
  int near = Spawn(5, 1);
  E(near).X = p().PX + 20, E(near).Y = p().PY - 20, E(near).CNT[7] = 100, E(near).VAL[3] = 0;
  E(near).DX = E(near).DY = 0, E(near).CNT[5] = E(near).CNT[6] = 0;
  Update(near);
  EXPECT_EQ(E(near).FLAG, 0);
}

TEST_F(Behaviour, TheMissileBurstsOnlyOnHard) {
  int launcher = Spawn(210);
  int s = Spawn(60, launcher);
  E(s).CNT[7] = 0, E(s).X = 200, E(s).Y = 200;
  double x = E(s).X;
  Update(s);
  EXPECT_EQ(E(s).FLAG, 1);
  EXPECT_EQ(E(s).X, x + E(s).DX);
  g().settings.DIFF = 0;
  Update(s);
  EXPECT_EQ(E(s).FLAG, 0);
  EXPECT_EQ(LiveShots(), 1);
}

TEST_F(Behaviour, TheTurretTurnsItsBarrelButHasNoRightUpFrame) {
  g().stage.LSPEED[kNear] = 2;
  int s = Spawn(50, 7);
  Enemy &turret = E(s);
  turret.X = 200, turret.Y = 200;
  struct Want {
    double px, py;
    int frame;
  };
  for (Want w : {Want{200, 400, 0},
                 {0, 400, 1},
                 {0, 204, 2},
                 {0, 0, 3},
                 {200, 0, 4},
                 {400, 0, 5},
                 {400, 204, 6},
                 {400, 400, 7}}) {
    p().PX = w.px, p().PY = w.py;
    Update(s);
    EXPECT_EQ(turret.FRAME, w.frame) << w.px << "," << w.py;
    turret.Y = 200;
  }
  p().PX = 400, p().PY = 150;  // right and a little up: the barrel stays as it was
  Update(s);
  EXPECT_EQ(turret.FRAME, 7);
  EXPECT_EQ(turret.DY, 2);  // it rides the ground layer
}

TEST_F(Behaviour, TheDasherTurnsTowardsTheShipWhenLevel) {
  int s = Spawn(8, 0);
  Enemy &e = E(s);
  e.Y = p().PY - 10, e.X = 100, e.DY = 10;
  int shots = LiveShots();
  e.CNT[2] = e.CNT[1];  // its shot is due this frame
  Update(s);
  EXPECT_EQ(e.DY, 0);
  EXPECT_EQ(e.DX, 1);
  EXPECT_EQ(e.FRAME, 1);
  EXPECT_EQ(e.CNT[5], 9);
  EXPECT_EQ(LiveShots(), shots);  // no shot in the frame of the turn
  Update(s);
  EXPECT_EQ(e.X, 95 + 9);
}

TEST_F(Behaviour, WarpInEnemiesBlinkThenDashAtTheShip) {
  int s = Spawn(11, 0);
  Enemy &e = E(s);
  std::string rows;
  for (int f = 0; f < e.CNT[3] + 1; ++f) {
    EXPECT_EQ(e.NOHIT, -1);
    Update(s);
    rows += std::to_string(e.ROW);
  }
  EXPECT_EQ(rows.substr(0, 6), "100110");
  EXPECT_TRUE(SoundPlayed(19));
  EXPECT_EQ(e.CNT[0], 1);
  EXPECT_EQ(e.NOHIT, 0);
  EXPECT_EQ(e.ROW, 0);
  double dx = e.DX, dy = e.DY;
  EXPECT_GT(dx, 0);
  EXPECT_GT(dy, 0);
  Update(s);
  EXPECT_DOUBLE_EQ(e.X, 64 + dx);
  EXPECT_EQ(LiveShots(), 0);
}

TEST_F(Behaviour, TheRingShooterFiresTwelveAtItsDepth) {
  int s = Spawn(19, 0);
  Enemy &e = E(s);
  e.CNT[8] = 0, e.Y = e.CNT[6] - 1;
  Update(s);
  EXPECT_EQ(LiveShots(), 12);
  EXPECT_EQ(e.DY, -1);
  EXPECT_EQ(e.CNT[5], 15);
}

TEST_F(Behaviour, TheHoverGunnerStaysForItsBurstsThenLeaves) {
  en().RANK = 2;  // one burst of shots
  int s = Spawn(20, 0);
  Enemy &e = E(s);
  int frames = 0;
  while (e.CNT[0] < 2 && frames < 500) Update(s), ++frames;
  EXPECT_EQ(e.Y, 224);
  EXPECT_EQ(e.DY, -20);
  EXPECT_GE(LiveShots(), 7);
  while (e.FLAG != 0 && frames < 600) Update(s), ++frames;
  EXPECT_EQ(e.FLAG, 0);
}

TEST_F(Behaviour, TheWeaverLeavesOnlyAtTheBottom) {
  int s = Spawn(3, 0);
  Enemy &e = E(s);
  e.CNT[8] = 0, e.NOHIT = 0, e.X = 700, e.Y = 470, e.DY = 6;  // beyond the right edge
  Update(s);
  EXPECT_EQ(e.FLAG, 1);
  Update(s);
  EXPECT_EQ(e.FLAG, 0);
}

// The fast corner swooper and the vertical ball thrower, held still in mid-field: each keeps a
// pace like the rest of its family, slower as the rank rises, and never fills the bullet table.
TEST_F(Behaviour, TheFastSwooperAndTheBallThrowerFireAtTheirFamilysPace) {
  for (int type : {29, 37}) {
    int fired[3] = {};
    for (int rank = 0; rank <= 2; ++rank) {
      for (EnemyShot &b : en().ESHOT) b.FLAG = 0;
      en().RANK = rank;
      int s = Spawn(type, 0);
      ASSERT_GE(s, 0) << type;
      Enemy &e = E(s);
      e.CNT[kStartDelay] = 0, e.NOHIT = 0, e.X = 200, e.Y = 150, e.DX = e.DY = 0;
      int last = -1000, closest = 1000;
      for (int frame = 0; frame < 240; ++frame) {
        int before = LiveShots();
        Update(s);
        if (LiveShots() > before) closest = std::min(closest, frame - last), last = frame;
      }
      fired[rank] = LiveShots();
      EXPECT_GE(fired[rank], 1) << type << " rank " << rank;
      EXPECT_LE(fired[rank], 240 / 21 + 1) << type << " rank " << rank;
      EXPECT_GT(closest, 20) << type << " rank " << rank;
      e.FLAG = 0;
    }
    EXPECT_GT(fired[0], fired[2]) << type;
  }
}

}  // namespace
}  // namespace qel
