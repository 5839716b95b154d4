#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "enemy_test_support.h"

namespace qel {
namespace {

using EnemyTable = test::EnemyTest;

void FillTable(Enemies &en) {
  for (Enemy &e : en.ENEMY) e.FLAG = 1;
}

TEST_F(EnemyTable, FreeSlotsAreTakenLowestFirstUpToEnmax) {
  EXPECT_EQ(FindFreeEnemy(g()), 0);
  E(0).FLAG = 1, E(1).FLAG = 1, E(3).FLAG = 1;
  EXPECT_EQ(FindFreeEnemy(g()), 2);
  FillTable(en());
  EXPECT_EQ(FindFreeEnemy(g()), -10);
  E(30).FLAG = 0;
  en().ENMAX = 29;  // the scan stops at ENMAX
  EXPECT_EQ(FindFreeEnemy(g()), -10);
}

TEST_F(EnemyTable, AFullTableSpawnsNothingAndDoesNotSort) {
  FillTable(en());
  for (int i = 0; i < kEnemySlots; ++i) en().ENORDER[i] = 30 - i, E(i).PRIO = i;
  Enemy before = E(0);
  SpawnEnemy(g(), 0, 1);
  EXPECT_EQ(E(0).MODE, before.MODE);
  EXPECT_EQ(en().ENORDER[0], 30);  // unsorted, as it was
}

TEST_F(EnemyTable, AReusedSlotStartsFromTheCommonValues) {
  Enemy &e = E(0);
  e.FLAG = 0, e.X = 77, e.Y = 500, e.W = 162, e.H = 34, e.SHEET = 11, e.PRIO = 30, e.HP = -4;
  e.CNT.fill(9), e.VAL.fill(9), e.CORE = -1, e.BOSS = 1, e.VULN = 0, e.LOCK = 0;
  ASSERT_EQ(Spawn(27, 1), 0);
  EXPECT_EQ(e.SHEET, 1);
  EXPECT_EQ(e.W, 32);
  EXPECT_EQ(e.X, 480);
  EXPECT_EQ(e.Y, 288);
  EXPECT_EQ(e.HX2, 26);  // from the new size, not the old 162
  EXPECT_EQ(e.HY2, 26);
  EXPECT_EQ(e.HP, 1);
  EXPECT_EQ(e.PRIO, 10);
  EXPECT_EQ(e.CORE, 0);
  EXPECT_EQ(e.BOSS, 0);
  EXPECT_EQ(e.VULN, -1);
  EXPECT_EQ(e.LOCK, -1);
  EXPECT_EQ(e.VAL[7], 0);
  EXPECT_EQ(e.CNT[14], 0);
}

TEST_F(EnemyTable, TheSortExchangesOnlyStrictlySmallerKeys) {
  // An exchange sort is not stable: the two keys of 10 at slots 0 and 2 change their order.
  en().ENMAX = 4;
  static constexpr int kPrio[5] = {10, 1, 10, 1, 10};
  for (int i = 0; i < 5; ++i) E(i).PRIO = kPrio[i];
  SortEnemies(g());
  std::vector<int> order(en().ENORDER.begin(), en().ENORDER.begin() + 5);
  EXPECT_EQ(order, (std::vector<int>{1, 3, 2, 0, 4}));
}

TEST_F(EnemyTable, AGroundEnemyIsDrawnBeforeTheOthers) {
  for (Enemy &e : en().ENEMY) e.PRIO = 10;  // free slots keep the key of their last enemy
  for (int i = 0; i < 4; ++i) Spawn(1, i);
  int turret = Spawn(50, 3);
  ASSERT_EQ(turret, 4);
  EXPECT_EQ(en().ENORDER[0], 4);
  int barrier = Spawn(30, 0);  // drawn over everything
  EXPECT_EQ(en().ENORDER[30], barrier);
}

TEST_F(EnemyTable, TypesWithoutAnEntryAreNeverCreated) {
  Enemy &stale = E(0);
  stale.X = 100, stale.Y = 200, stale.W = 60, stale.SHEET = 21;
  for (int type : {0, 39, 43, 44, 49, 57, 59, 61, 99, 104, 111, 159, 161, 199, 212, 300, 302}) {
    SpawnEnemy(g(), 0, type);
    EXPECT_EQ(LiveEnemies(), 0) << type;
  }
  EXPECT_EQ(stale.X, 100);
}

TEST_F(EnemyTable, PositionsOutsideAPlacementTableAreRefused) {
  for (auto [type, pos] : std::vector<std::pair<int, int>>{{5, 4},
                                                           {11, 8},
                                                           {12, -1},
                                                           {19, 2},
                                                           {22, 2},
                                                           {32, 4},
                                                           {35, 3},
                                                           {108, 6},
                                                           {109, 8},
                                                           {209, 6},
                                                           {60, 31}}) {
    SpawnEnemy(g(), pos, type);
    EXPECT_EQ(LiveEnemies(), 0) << type << "@" << pos;
  }
}

TEST_F(EnemyTable, TheWarpInFormationsStandOnTheirCells) {
  int last = Spawn(10, 7);  // the eighth member of a code-10 wave mirrors (2, 12)
  ASSERT_GE(last, 0);
  EXPECT_EQ(E(last).X, 384);
  EXPECT_EQ(E(last).Y, 384);
  int ring = Spawn(12, 2);
  EXPECT_EQ(E(ring).X, 32);
  EXPECT_EQ(E(ring).Y, 224);
  EXPECT_EQ(E(ring).ROW, 1);
  EXPECT_EQ(E(ring).NORAM, -1);
  EXPECT_EQ(E(ring).CNT[8], 0);
  en().RANK = 2;
  int random = Spawn(13, 9);
  EXPECT_EQ(E(random).CNT[3], 35);
  EXPECT_EQ(E(random).CNT[5], 4);
  EXPECT_EQ(E(random).CNT[8] % 5, 0);
}

TEST_F(EnemyTable, ALaneEnemyStartsInItsLaneAboveTheField) {
  for (int i = 0; i < 20; ++i) {
    int s = Spawn(1, 3);
    EXPECT_TRUE(E(s).X == 192 || E(s).X == 224) << E(s).X;
    EXPECT_EQ(E(s).Y, -32);
    EXPECT_GE(E(s).DY, 7);
    EXPECT_LE(E(s).DY, 15);
    EXPECT_EQ(E(s).NOHIT, -1);
    E(s).FLAG = 0;
  }
}

TEST_F(EnemyTable, ShotIntervalsAndSpeedsFollowTheRank) {
  struct Want {
    int type, rank, cnt, value;
  };
  for (Want w : {Want{1, 0, 1, 20},
                 {1, 2, 1, 40},
                 {105, 0, 1, 40},
                 {105, 1, 1, 60},
                 {105, 2, 1, 80},
                 {17, 1, 5, 10},
                 {17, 0, 5, 15},
                 {17, 2, 5, 10},
                 {21, 2, 6, 5},
                 {202, 2, 11, 0}}) {
    en().RANK = w.rank;
    int s = Spawn(w.type);
    ASSERT_GE(s, 0) << w.type;
    EXPECT_EQ(E(s).CNT[w.cnt], w.value) << "type " << w.type << " rank " << w.rank;
    E(s).FLAG = 0;
  }
}

TEST_F(EnemyTable, HardGivesTheEscortsAndPartsTheirSecondHitPoints) {
  EXPECT_EQ(E(Spawn(105, 1)).HP, 200);
  EXPECT_EQ(E(Spawn(209, 5)).HP, 1600);
  g().settings.DIFF = 0;
  EXPECT_EQ(E(Spawn(105, 0)).HP, 400);
  EXPECT_EQ(E(Spawn(209, 4)).HP, 3000);
  EXPECT_EQ(E(Spawn(1)).HP, 1);  // ordinary enemies are as tough on every level
}

TEST_F(EnemyTable, TheHitBoxFollowsTheInsetsUnlessAnEdgeIsGiven) {
  Enemy &barrier = E(Spawn(30, 1));
  EXPECT_EQ(barrier.HX1, 1);
  EXPECT_EQ(barrier.HX2, 160);
  EXPECT_EQ(barrier.HY2, 28);
  Enemy &launcher = E(Spawn(205, 1));
  EXPECT_EQ(launcher.HX2, 74);
  EXPECT_EQ(launcher.HY2, 120);
  Enemy &pylon = E(Spawn(208, 0));
  EXPECT_EQ(pylon.HX2, 60);
  EXPECT_EQ(pylon.HY2, 145);
}

TEST_F(EnemyTable, AStageBossRecordsItselfForItsGaugeAndParts) {
  Spawn(1), Spawn(1), Spawn(1);
  int boss = Spawn(150);
  ASSERT_EQ(boss, 3);
  const Enemy &b = E(boss);
  EXPECT_EQ(b.HP, 500);
  EXPECT_EQ(b.CNT[12], 250);
  EXPECT_EQ(b.CORE, -1);
  EXPECT_EQ(b.BOSS, 1);
  EXPECT_EQ(b.VULN, 0);
  EXPECT_EQ(b.X, 240 - 23);
  EXPECT_EQ(en().WORK[0], 3);
  EXPECT_EQ(en().WORK[8], 1);
  EXPECT_EQ(en().WORK[9], 500);
  int part = Spawn(201, 1);
  EXPECT_EQ(E(part).CNT[5], 1);
  EXPECT_EQ(E(part).X, b.X);  // on its boss until it places itself
}

TEST_F(EnemyTable, TheFirstStagesBossRecordsItsSlotToo) {
  Spawn(1), Spawn(1);
  int boss = Spawn(160);
  EXPECT_EQ(en().WORK[0], boss);
  EXPECT_EQ(en().WORK[9], 500);
  EXPECT_EQ(E(boss).CNT[12], 250);
}

TEST_F(EnemyTable, TheCoreAndTheMotherComputerShowNoGaugeAtFirst) {
  Spawn(157);
  EXPECT_EQ(en().WORK[8], 0);
  Spawn(158);
  EXPECT_EQ(en().WORK[8], 0);
  EXPECT_EQ(en().WORK[9], 300);
}

TEST_F(EnemyTable, TheMotherComputerCountsTheEscortsReallyCreated) {
  en().WORK[5] = 5;
  Spawn(158);
  EXPECT_EQ(en().WORK[5], 0);
  for (int j = 0; j < 8; ++j) Spawn(109, j);
  EXPECT_EQ(en().WORK[5], 8);
  for (int j = 0; j < 8; ++j) E(1 + j).FLAG = 0;
  for (int i = 4; i < kEnemySlots; ++i) E(i).FLAG = 1;  // room for three only
  Spawn(158);
  for (int j = 0; j < 8; ++j) SpawnEnemy(g(), j, 109);
  EXPECT_EQ(en().WORK[5], 2);  // 158 took one of the three free slots
}

TEST_F(EnemyTable, TheBossRushPaysMoreForItsFirstFourBosses) {
  g().stage.STAGE = 8;
  EXPECT_EQ(E(Spawn(151)).PTS, 1000);
  EXPECT_EQ(E(Spawn(153)).PTS, 1000);
  EXPECT_EQ(E(Spawn(154)).PTS, 500);
  g().stage.STAGE = 7;
  EXPECT_EQ(E(Spawn(150)).PTS, 300);
}

TEST_F(EnemyTable, GroundEnemiesAndLaunchedEnemiesStartWhereTheyBelong) {
  g().stage.LSPEED[kNear] = 2;
  Enemy &turret = E(Spawn(50, 5));
  EXPECT_EQ(turret.X, 160);
  EXPECT_EQ(turret.Y, -34);
  EXPECT_EQ(turret.CNT[5], 2);
  EXPECT_EQ(turret.NORAM, -1);
  EXPECT_EQ(turret.PRIO, 1);
  Enemy &launcher = E(Spawn(205, 1));
  launcher.X = 100, launcher.Y = 50;
  int launcherSlot = 1;
  Enemy &vehicle = E(Spawn(56, launcherSlot));
  EXPECT_EQ(vehicle.X, 416);
  EXPECT_EQ(vehicle.Y, 120);
  EXPECT_EQ(vehicle.DY, 3);  // the ship is lower
  Enemy &missile = E(Spawn(60, launcherSlot));
  EXPECT_EQ(missile.X, 140);
  EXPECT_EQ(missile.Y, 70);
  EXPECT_EQ(missile.CNT[7], 200);
  EXPECT_GE(missile.VAL[3], 3);
  EXPECT_LE(missile.VAL[3], 10);
}

TEST_F(EnemyTable, TheTwinGunshipsWeaveInMirrorImage) {
  Enemy &a = E(Spawn(36, 0));
  Enemy &b = E(Spawn(36, 1));
  EXPECT_DOUBLE_EQ(a.VAL[2], 3 * 6.28318530717958 / 250);
  bool apart = false;
  for (int f = 0; f < 30; ++f) {
    Update(0), Update(1);
    EXPECT_NEAR(a.X - 208, -(b.X - 208), 1.0);
    apart |= std::fabs(a.X - b.X) > 250;
  }
  EXPECT_TRUE(apart);
}

}  // namespace
}  // namespace qel
