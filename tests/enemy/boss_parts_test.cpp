#include <gtest/gtest.h>

#include "enemy_test_support.h"

namespace qel {
namespace {

class BossParts : public test::EnemyTest {
 protected:
  int SettledBoss(int type) {
    int s = Spawn(type);
    E(s).CNT[0] = 1, E(s).Y = 80, E(s).VULN = -1;
    return s;
  }
};

TEST_F(BossParts, PartsSitOnTheBossWhereverItGoes) {
  int boss = SettledBoss(150);
  int left = Spawn(200, 0), right = Spawn(201, 1);
  E(boss).X = 100, E(boss).Y = 123;
  Update(left), Update(right);
  EXPECT_EQ(E(left).X, 60);
  EXPECT_EQ(E(left).Y, 133);
  EXPECT_EQ(E(right).X, 146);
  EXPECT_EQ(E(right).Y, 84);
}

TEST_F(BossParts, PartsFireOnlyOnceTheBossHasArrived) {
  int boss = Spawn(150);
  int gun = Spawn(200, 0);
  E(gun).CNT[2] = E(gun).CNT[1] + 1;
  Update(gun);
  EXPECT_EQ(LiveShots(), 0);
  E(boss).CNT[0] = 1;
  Update(gun);
  EXPECT_EQ(LiveShots(), 1);
}

TEST_F(BossParts, AWreckFollowsTheBossButNeverFiresAgain) {
  SettledBoss(150);
  int s = Spawn(201, 0);
  E(s).HP = 1, E(s).VULN = -1;
  DamageEnemy(g(), s, 5, 0);
  ASSERT_EQ(E(s).FRAME, 2);
  int timer = E(s).CNT[2];
  for (int k = 0; k < 300; ++k) Update(s);
  EXPECT_EQ(LiveShots(), 0);
  EXPECT_EQ(E(s).FRAME, 2);
  EXPECT_EQ(E(s).CNT[2], timer);
}

TEST_F(BossParts, TheWarningFrameComesThreeFramesBeforeTheShot) {
  SettledBoss(150);
  int s = Spawn(201, 0);
  E(s).CNT[2] = 0;
  int n = 0;
  while (E(s).FRAME == 0 && n < 200) Update(s), ++n;
  EXPECT_EQ(LiveShots(), 0);
  int warned = 0;
  while (LiveShots() == 0 && warned < 10) Update(s), ++warned;
  EXPECT_EQ(warned, 3);
  EXPECT_EQ(E(s).FRAME, 0);
}

TEST_F(BossParts, AWreckedGunTimerKeepsCountingWithoutOverflow) {
  SettledBoss(152);
  int s = Spawn(204, 0);
  E(s).FRAME = 2;
  E(s).CNT[2] = 32760;
  for (int k = 0; k < 50; ++k) Update(s);
  EXPECT_EQ(E(s).CNT[2], 32767);
  EXPECT_EQ(LiveShots(), 0);
}

TEST_F(BossParts, LaunchersAreIdleWithoutAMapVariant) {
  SettledBoss(152);
  int s = Spawn(205, 1);
  g().stage.MAPSET = 0;
  for (int k = 0; k < 500; ++k) Update(s);
  EXPECT_EQ(E(s).CNT[2], 0);
  EXPECT_EQ(LiveEnemies(), 2);
  g().stage.MAPSET = 1;
  for (int k = 0; k <= E(s).CNT[1]; ++k) Update(s);
  EXPECT_EQ(LiveEnemies(), 3);
  EXPECT_EQ(E(s + 1).MODE, 56);
}

TEST_F(BossParts, TheTrackingGunsStayInTheirWindows) {
  SettledBoss(157);
  int left = Spawn(211, 0), right = Spawn(211, 1);
  for (double px : {0.0, 448.0}) {
    p().PX = px;
    for (int k = 0; k < 200; ++k) {
      Update(left), Update(right);
      EXPECT_GE(E(left).X, 180);
      EXPECT_LE(E(left).X, 200);
      EXPECT_GE(E(right).X, 280);
      EXPECT_LE(E(right).X, 300);
    }
  }
  EXPECT_EQ(LiveShots(), 0);  // the core is not hurt: they only track
}

TEST_F(BossParts, TheFortressGunsReactToTheDamagedCore) {
  int core = SettledBoss(157);
  int launcher = Spawn(210), gun = Spawn(211, 0);
  Update(launcher), Update(gun);  // the picture layer stands: both in place
  E(core).CNT[13] = 1;
  Update(launcher);
  EXPECT_EQ(E(launcher).CNT[1], 15);
  int n = 0;
  while (LiveEnemies() == 3 && n < 40) Update(launcher), ++n;
  EXPECT_EQ(E(launcher + 2).MODE, 60);
  E(gun).CNT[2] = E(gun).CNT[1];
  Update(gun);
  ASSERT_EQ(E(gun).CNT[0], 2);
  for (int k = 0; k < 11; ++k) Update(gun);
  EXPECT_EQ(LiveShots(), 11);
  EXPECT_EQ(E(gun).CNT[0], 1);
}

TEST_F(BossParts, TheHatchOpensTheCoreForSixtyOneFramesAndRebuilds) {
  int core = Spawn(157);
  int hatch = Spawn(110);
  Update(core), Update(hatch);
  ASSERT_EQ(E(hatch).VULN, -1);
  EXPECT_EQ(E(core).NOHIT, -1);  // behind the closed hatch
  DamageEnemy(g(), hatch, 1000, 0);
  ASSERT_EQ(E(hatch).FLAG, 1);
  EXPECT_EQ(E(core).NOHIT, 0);
  for (int k = 0; k < 60; ++k) Update(core), Update(hatch);
  EXPECT_EQ(E(core).NOHIT, 0);
  Update(core), Update(hatch);
  EXPECT_EQ(E(core).NOHIT, -1);
  Update(hatch);
  EXPECT_EQ(E(hatch).CNT[0], 3);
  EXPECT_EQ(E(hatch).HP, 25);
  int n = 0;
  while (E(hatch).CNT[0] == 3 && n < 100) Update(hatch), ++n;
  EXPECT_EQ(n, 18);
  EXPECT_EQ(E(hatch).NOHIT, 0);
}

TEST_F(BossParts, TheLastEscortHuntsAndBursts) {
  Spawn(158);
  int a = Spawn(109, 0), b = Spawn(109, 1);
  for (int s : {a, b}) E(s).CNT[0] = 2;
  en().WORK[5] = 2;
  Update(a);
  EXPECT_EQ(E(a).CNT[1], 30);
  E(b).VULN = -1;
  DamageEnemy(g(), b, 1000, 0);
  E(a).CNT[8] = 3;
  double x = E(a).X, y = E(a).Y;
  Update(a);
  EXPECT_NE(E(a).X == x && E(a).Y == y, true);
  for (int k = 0; k < 3; ++k) Update(a);
  EXPECT_EQ(E(a).FLAG, 0);
  EXPECT_EQ(en().WORK[5], 0);
  bool blast = false;
  for (const EnemyShot &s : en().ESHOT) blast |= s.FLAG != 0 && s.MODE == 50;
  EXPECT_TRUE(blast);
}

}  // namespace
}  // namespace qel
