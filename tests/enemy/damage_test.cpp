#include <gtest/gtest.h>

#include "enemy_test_support.h"

namespace qel {
namespace {

using Damage = test::EnemyTest;

TEST_F(Damage, ASurvivingEnemyFlashesAndSounds) {
  int s = Spawn(21, 0);
  DamageEnemy(g(), s, 3, 0);
  EXPECT_EQ(E(s).HP, 4);
  EXPECT_EQ(E(s).CNT[15], 2);
  EXPECT_TRUE(SoundPlayed(1));
  EXPECT_EQ(p().SCORE, 0);
  E(s).CNT[15] = 1;  // a running flash is not restarted
  DamageEnemy(g(), s, 1, 0);
  EXPECT_EQ(E(s).CNT[15], 1);
}

TEST_F(Damage, AnInvulnerableEnemyIgnoresHitsUnlessItIsAlreadyDown) {
  int s = Spawn(107, 0);
  DamageEnemy(g(), s, 50, 0);
  EXPECT_EQ(E(s).HP, 150);
  EXPECT_EQ(E(s).CNT[15], 0);
  EXPECT_FALSE(SoundPlayed(1));
  E(s).HP = 0;
  DamageEnemy(g(), s, 50, 0);
  EXPECT_EQ(E(s).FLAG, 0);
}

TEST_F(Damage, OnlyShotsEarnPointsAndTheScoreStopsAt30000) {
  int a = Spawn(30, 0), b = Spawn(30, 1);
  DamageEnemy(g(), a, 30, 1);  // a bomb or a ram
  EXPECT_EQ(E(a).FLAG, 0);
  EXPECT_EQ(E(a).Y, 500);
  EXPECT_EQ(p().SCORE, 0);
  EXPECT_TRUE(SoundPlayed(2));
  p().SCORE = 29990;
  DamageEnemy(g(), b, 30, 0);
  EXPECT_EQ(p().SCORE, 30000);
}

TEST_F(Damage, OnHardEveryOrdinaryEnemyFiresOnceMoreAsItDies) {
  g().settings.DIFF = 0;
  int s = Spawn(1, 2);
  E(s).X = 100, E(s).Y = 100;
  DamageEnemy(g(), s, 1, 1);  // killed by a ram: still a revenge shot
  ASSERT_EQ(LiveShots(), 1);
  const EnemyShot &b = B(0);
  EXPECT_EQ(b.MODE, 6);
  EXPECT_EQ(b.SHEET, 2);
  EXPECT_EQ(b.X, 100 + 16 - 5);
  double speed = std::hypot(b.DX, b.DY);
  EXPECT_GE(speed, 4.999);
  EXPECT_LE(speed, 10.001);
  g().settings.DIFF = 1;
  DamageEnemy(g(), Spawn(1, 2), 1, 0);
  EXPECT_EQ(LiveShots(), 1);
}

TEST_F(Damage, ThePartsOfABossBecomeWrecksInPlace) {
  Spawn(150);
  struct Want {
    int type, pos, frame;
  };
  for (Want w : {Want{200, 0, 1}, {201, 1, 2}, {204, 3, 2}, {203, 1, 3}, {209, 4, 2}}) {
    int s = Spawn(w.type, w.pos);
    E(s).Y = 123;
    DamageEnemy(g(), s, 5000, 0);
    EXPECT_EQ(E(s).FLAG, 1) << w.type;
    EXPECT_EQ(E(s).FRAME, w.frame) << w.type;
    EXPECT_EQ(E(s).HP, 10);
    EXPECT_EQ(E(s).VULN, 0);
    EXPECT_EQ(E(s).LOCK, 0);
    EXPECT_EQ(E(s).Y, 123);
    DamageEnemy(g(), s, 5000, 0);  // a wreck takes no more damage
    EXPECT_EQ(E(s).HP, 10);
  }
  g().settings.DIFF = 0;
  int s = Spawn(206, 0);
  DamageEnemy(g(), s, 5000, 0);
  EXPECT_EQ(LiveShots(), 0);  // parts fire no revenge shot
}

TEST_F(Damage, TheDamagedPhaseStartsOnceBelowHalf) {
  int s = Spawn(160);
  Enemy &b = E(s);
  DamageEnemy(g(), s, 250, 0);
  EXPECT_EQ(b.CNT[13], 0);  // 250 is not below 250
  DamageEnemy(g(), s, 1, 0);
  EXPECT_EQ(b.CNT[13], 1);
  b.CNT[13] = 5;
  DamageEnemy(g(), s, 1, 0);
  EXPECT_EQ(b.CNT[13], 5);
}

TEST_F(Damage, ACoresDeathClearsTheField) {
  p().PSTAT[7] = 4;
  int rock = Spawn(40, 0);
  int boss = Spawn(152);
  int part = Spawn(204, 0);
  int escort = Spawn(108, 0);
  FireEnemyShot(g(), rock, 6, 0);
  FireEnemyShot(g(), boss, 20, 0);
  E(boss).VULN = -1;
  g().stage.STAGE = 4;
  g().audio.MUSICNO = 5;
  DamageEnemy(g(), boss, 800, 0);
  const Enemy &b = E(boss);
  EXPECT_EQ(b.FLAG, 1);
  EXPECT_EQ(b.MODE, 300);
  EXPECT_EQ(b.CNT[5], 152);
  EXPECT_EQ(b.CNT[7], 20);
  EXPECT_EQ(b.NOHIT, -1);
  EXPECT_EQ(en().WORK[8], 0);
  EXPECT_EQ(p().SCORE, 300);
  EXPECT_EQ(p().PSTAT[7], 0);
  EXPECT_EQ(E(rock).FLAG, 0);
  EXPECT_EQ(E(escort).FLAG, 0);
  EXPECT_EQ(E(part).FLAG, 1);
  EXPECT_EQ(E(part).MODE, 302);
  EXPECT_EQ(E(part).NORAM, -1);
  EXPECT_EQ(LiveShots(), 0);
  EXPECT_EQ(g().audio.MUSICNO, 0);
}

TEST_F(Damage, TheMusicPlaysOnAfterABossOfTheLaterStages) {
  g().stage.STAGE = 7;
  g().audio.MUSICNO = 8;
  int boss = Spawn(150);
  E(boss).VULN = -1;
  DamageEnemy(g(), boss, 500, 0);
  EXPECT_EQ(g().audio.MUSICNO, 8);
  EXPECT_EQ(E(boss).CNT[7], 20);
  int mother = Spawn(158);
  E(mother).VULN = -1;
  DamageEnemy(g(), mother, 300, 0);
  EXPECT_EQ(g().audio.MUSICNO, 0);
}

TEST_F(Damage, ATimedBossDiesWithoutClearingTheField) {
  int rock = Spawn(40, 0);
  int boss = Spawn(101);
  FireEnemyShot(g(), rock, 6, 0);
  DamageEnemy(g(), boss, 500, 0);
  EXPECT_EQ(E(boss).MODE, 300);
  EXPECT_EQ(E(boss).CNT[7], 2);
  EXPECT_EQ(E(rock).FLAG, 1);
  EXPECT_EQ(LiveShots(), 1);
}

TEST_F(Damage, TheShieldIsKnockedOutOnlyWhileItsCoreLives) {
  g().settings.DIFF = 0;
  int core = Spawn(157);
  int shield = Spawn(110);
  E(shield).VULN = -1;
  DamageEnemy(g(), shield, 20, 0);
  EXPECT_EQ(E(shield).FLAG, 1);
  EXPECT_EQ(E(shield).CNT[0], 2);
  EXPECT_EQ(E(shield).ROW, 1);
  EXPECT_EQ(E(shield).NOHIT, -1);
  EXPECT_EQ(E(core).CNT[0], 2);
  EXPECT_EQ(E(core).NOHIT, 0);
  EXPECT_EQ(LiveShots(), 0);  // no revenge shot
  E(core).HP = 0;
  E(shield).HP = 20;
  DamageEnemy(g(), shield, 20, 0);
  EXPECT_EQ(E(shield).FLAG, 0);
}

TEST_F(Damage, EachDestroyedEscortOfTheMotherComputerIsCounted) {
  Spawn(158);
  int a = Spawn(109, 0);
  Spawn(109, 1);
  ASSERT_EQ(en().WORK[5], 2);
  DamageEnemy(g(), a, 300, 0);
  EXPECT_EQ(en().WORK[5], 1);
}

TEST_F(Damage, BadSlotsAreIgnored) {
  DamageEnemy(g(), -1, 5, 0);
  DamageEnemy(g(), 31, 5, 0);
  en().WORK[0] = 99;  // a shield whose core slot is out of range is simply destroyed
  int shield = Spawn(110);
  E(shield).VULN = -1;
  en().WORK[0] = 99;
  DamageEnemy(g(), shield, 20, 0);
  EXPECT_EQ(E(shield).FLAG, 0);
}

}  // namespace
}  // namespace qel
