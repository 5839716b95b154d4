#include <gtest/gtest.h>

#include <algorithm>

#include "enemy_test_support.h"

namespace qel {
namespace {

class BossFight : public test::EnemyTest {
 protected:
  // Runs the boss until it has taken its place; returns the frames that took.
  int Settle(int s) {
    int n = 0;
    while (E(s).CNT[0] == 0 && n < 1000) Update(s), ++n;
    return n;
  }
  // Frames until the damaged phase starts, at most limit.
  int FramesToDamaged(int s, int limit) {
    int n = 0;
    while (E(s).CNT[13] == 0 && n < limit) Update(s), NextFrame(), ++n;
    return n;
  }
  void ClearShots() {
    for (EnemyShot &b : en().ESHOT) b.FLAG = 0;
  }
};

TEST_F(BossFight, TheTimeOutStartsTheDamagedPhaseCountedFromTheArrival) {
  for (int type : {150, 151, 153, 156}) {
    int s = Spawn(type);
    ASSERT_GE(s, 0);
    Settle(s);
    EXPECT_EQ(FramesToDamaged(s, 5000), type == 150 ? 2500 : 2000) << type;
    E(s).FLAG = 0;
  }
}

TEST_F(BossFight, TheFirstBossChangesOnlyByDamage) {
  int s = Spawn(160);
  Settle(s);
  EXPECT_EQ(FramesToDamaged(s, 6000), 6000);
  DamageEnemy(g(), s, E(s).HP - E(s).CNT[12] + 1, 0);
  EXPECT_EQ(E(s).CNT[13], 1);
}

TEST_F(BossFight, NoDamageWhileEnteringThenOnePhaseChangeThatStays) {
  int s = Spawn(153);
  int hp = E(s).HP;
  DamageEnemy(g(), s, 50, 0);
  EXPECT_EQ(E(s).HP, hp);
  Settle(s);
  EXPECT_EQ(E(s).VULN, -1);
  DamageEnemy(g(), s, hp - E(s).CNT[12] + 1, 0);
  ASSERT_EQ(E(s).CNT[13], 1);
  int timeout = E(s).CNT[18];
  for (int k = 0; k < 300; ++k) Update(s), NextFrame();
  EXPECT_EQ(E(s).CNT[13], 1);
  EXPECT_EQ(E(s).CNT[18], timeout);  // the count has stopped
}

TEST_F(BossFight, DyingTakesAHundredAndOneFramesThenReleasesTheClock) {
  p().PSTAT[20] = 1;
  int s = Spawn(150);
  int part = Spawn(200, 0);
  Settle(s);
  E(s).HP = 1;
  DamageEnemy(g(), s, 5, 0);
  ASSERT_EQ(E(s).MODE, 300);
  EXPECT_EQ(E(part).MODE, 302);
  for (int k = 0; k < 100; ++k) Update(s), Update(part);
  EXPECT_EQ(E(s).FLAG, 1);
  EXPECT_EQ(p().PSTAT[20], 1);
  Update(s), Update(part);
  EXPECT_EQ(E(s).FLAG, 0);
  EXPECT_EQ(E(part).FLAG, 0);
  EXPECT_EQ(p().PSTAT[20], 0);
  EXPECT_TRUE(SoundPlayed(20));
}

TEST_F(BossFight, APartDyingAloneDoesNotReleaseTheClock) {
  p().PSTAT[20] = 1;
  Spawn(150);
  int part = Spawn(204, 3);
  E(part).MODE = 302;
  for (int k = 0; k < 101; ++k) Update(part);
  EXPECT_EQ(E(part).FLAG, 0);
  EXPECT_EQ(p().PSTAT[20], 1);
  EXPECT_EQ(LiveShots(), 0);
}

TEST_F(BossFight, ATimedBossClimbsOutWhenItsLifeEnds) {
  p().PSTAT[20] = 2;
  int s = Spawn(101);
  Settle(s);
  E(s).CNT[7] = 1;
  Update(s);
  EXPECT_EQ(E(s).DY, -10);
  int n = 0;
  while (E(s).FLAG != 0 && n < 100) Update(s), ++n;
  EXPECT_LT(E(s).Y, -100);
  EXPECT_EQ(p().PSTAT[20], 0);
}

TEST_F(BossFight, TheTeleporterReappearsOnItsGrid) {
  int s = Spawn(103);
  for (int k = 0; k < 2000; ++k) {
    Update(s), ++g().shell.FRAMESTART;
    if (E(s).CNT[0] == 0 && E(s).CNT[3] == 0) {
      for (double v : {E(s).X, E(s).Y}) {
        EXPECT_EQ(static_cast<int>(v) % 32, 0);
        EXPECT_GE(v, 64);
        EXPECT_LE(v, 256);
      }
    }
    ClearShots();
  }
}

TEST_F(BossFight, TheDamagedRingHasFifteenShotsAndStartsAgain) {
  int s = Spawn(152);
  Settle(s);
  E(s).CNT[13] = 1;
  E(s).CNT[9] = 14, E(s).CNT[2] = E(s).CNT[1] + 1;
  Update(s);
  EXPECT_EQ(E(s).CNT[11], 0);
  EXPECT_EQ(E(s).CNT[9], 15);
  Update(s);
  EXPECT_EQ(E(s).CNT[9], 1);
  EXPECT_EQ(E(s).CNT[2], 0);
  EXPECT_EQ(LiveShots(), 2);
}

TEST_F(BossFight, TheDamaged154OnlyFiresFaster) {
  int s = Spawn(154);
  Settle(s);
  E(s).CNT[13] = 1;
  Update(s);
  EXPECT_EQ(E(s).CNT[1], 20);
  EXPECT_EQ(E(s).CNT[3], 2);
}

TEST_F(BossFight, TheMotherComputerWaitsForItsEscorts) {
  int boss = Spawn(158);
  int escorts[8];
  for (int k = 0; k < 8; ++k) escorts[k] = Spawn(109, k);
  EXPECT_EQ(en().WORK[5], 8);
  EXPECT_EQ(en().WORK[8], 0);
  int timeout = E(boss).CNT[18];
  for (int k = 0; k < 50; ++k) Update(boss);
  DamageEnemy(g(), boss, 50, 0);
  EXPECT_EQ(E(boss).HP, 300);
  EXPECT_EQ(E(boss).CNT[18], timeout);
  for (int k = 0; k < 7; ++k) E(escorts[k]).VULN = -1, DamageEnemy(g(), escorts[k], 1000, 0);
  EXPECT_EQ(en().WORK[5], 1);
  Update(boss);
  EXPECT_EQ(E(boss).VULN, 0);
  E(escorts[7]).VULN = -1;
  DamageEnemy(g(), escorts[7], 1000, 0);
  Update(boss);
  EXPECT_EQ(E(boss).VULN, -1);
  EXPECT_EQ(E(boss).ROW, 1);
  EXPECT_EQ(en().WORK[8], 1);
  EXPECT_EQ(E(boss).CNT[18], timeout - 1);
}

TEST_F(BossFight, TheMotherComputersBurstHasFourteenShots) {
  int boss = Spawn(158);
  E(boss).CNT[2] = 0, E(boss).CNT[3] = -1000;  // no slow shots in this cycle
  for (int k = 0; k < 61; ++k) Update(boss);
  EXPECT_EQ(LiveShots(), 14);
  EXPECT_EQ(E(boss).CNT[2], 0);
}

// The circler (100) and the wide ellipse (155) hang their curve below the line where they arrive:
// over whole laps they come no higher than that line and are always in sight.
TEST_F(BossFight, TheEllipseBossesCircleBelowWhereTheyArrive) {
  for (int type : {100, 155}) {
    int s = Spawn(type);
    ASSERT_GE(s, 0) << type;
    Settle(s);
    const Enemy &e = E(s);
    double arrival = e.Y, top = 1e9, lowest = -1e9;
    for (int frame = 0; frame < 240; ++frame) {  // two laps
      Update(s), NextFrame(), ClearShots();
      top = std::min(top, e.Y), lowest = std::max(lowest, e.Y);
      bool inSight = e.X + e.W > 0 && e.X < 480 && e.Y + e.H > 0 && e.Y < 480;
      EXPECT_TRUE(inSight) << type << " frame " << frame << " at " << e.X << "," << e.Y;
    }
    EXPECT_GE(top, arrival - 2) << type;
    EXPECT_GE(lowest, arrival + 130) << type;  // twice the smaller radius, less a step
    E(s).FLAG = 0;
  }
}

}  // namespace
}  // namespace qel
