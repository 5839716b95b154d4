// The balance report, watching runs from outside the game.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "pilot_test_support.h"
#include "screens/screens_test_support.h"

namespace qel {
namespace {

using test::Maps;
using test::PilotGame;

// A run without the pilot: the test does what happens.
struct Watched : PilotGame {
  Watched(int stage = 9) : PilotGame(kPilotSkillMax, Maps::Empty, stage, 1, false) {
    StartUp();
    RunUntil([&] { return Flying(); }, 200);
  }
  const StageReport &entry(std::size_t i = 0) {
    const auto &stages = report.report.stages();
    static const StageReport none;
    return i < stages.size() ? stages[i] : none;
  }
};

TEST(BalanceReport, ShieldDamageALostShipAndTheRestartStayInOneEntry) {
  Watched t;
  ASSERT_EQ(t.report.report.stages().size(), 1u);
  HitPlayer(t.g(), 10, 0);
  t.Run(15);
  HitPlayer(t.g(), 7, 0);
  t.Run(15);
  int left = t.p().SHIELD;
  HitPlayer(t.g(), 1000, 0);  // the ship is lost, a credit is used, the stage starts again
  ASSERT_TRUE(t.RunUntil([&] { return t.Flying() && t.g().stage.STAGETIME > -80; }, 600));
  const StageReport &r = t.entry();
  EXPECT_EQ(t.report.report.stages().size(), 1u);
  EXPECT_EQ(r.stage, 9);
  EXPECT_EQ(r.difficulty, 1);
  EXPECT_EQ(r.shipsLost, 1);
  EXPECT_EQ(r.attempts, 2);
  EXPECT_EQ(r.shieldDamage, 17 + left);
  EXPECT_FALSE(r.cleared);
}

TEST(BalanceReport, ABossIsTimedFromItsArrivalToItsDeathAndKillsAreToldFromDepartures) {
  Watched t;
  t.Run(20);
  SpawnEnemy(t.g(), 0, 160);  // the first stage's boss
  int boss = -1;
  for (int i = 0; i < 31; ++i)
    if (t.g().enemies.ENEMY[static_cast<std::size_t>(i)].FLAG != 0 &&
        t.g().enemies.ENEMY[static_cast<std::size_t>(i)].MODE == 160)
      boss = i;
  ASSERT_GE(boss, 0);
  // Two lane fighters: one is shot down, the other flies off the bottom.
  SpawnEnemy(t.g(), 0, 1);
  SpawnEnemy(t.g(), 1, 1);
  t.Run(1);
  int shot = -1, fled = -1;
  for (int i = 0; i < 31; ++i) {
    const Enemy &e = t.g().enemies.ENEMY[static_cast<std::size_t>(i)];
    if (e.FLAG != 0 && e.MODE == 1) (shot < 0 ? shot : fled) = i;
  }
  ASSERT_GE(fled, 0);
  DamageEnemy(t.g(), shot, 1000, 0);
  Enemy &gone = t.g().enemies.ENEMY[static_cast<std::size_t>(fled)];
  gone.FLAG = 0, gone.Y = 490;
  t.Run(40);
  DamageEnemy(t.g(), boss, 100000, 0);
  t.Run(3);
  const StageReport &r = t.entry();
  ASSERT_EQ(r.bosses.size(), 1u);
  EXPECT_EQ(r.bosses[0].type, 160);
  EXPECT_EQ(r.bosses[0].killedAfter, 41);
  EXPECT_EQ(r.bosses[0].attempt, 1);
  EXPECT_FALSE(r.bosses[0].left);
  EXPECT_EQ(r.enemiesSpawned, 3);
  EXPECT_EQ(r.enemiesKilled, 2) << "the fighter shot down and the boss; not the one that flew off";
}

TEST(BalanceReport, BombsAndThePeakOfBulletsAreCounted) {
  Watched t;
  for (int k = 0; k < 7; ++k) {
    EnemyShot &b = t.g().enemies.ESHOT[static_cast<std::size_t>(k)];
    b = EnemyShot{};
    b.FLAG = 1, b.MODE = 6, b.SHEET = 2, b.W = b.H = 10, b.X = 40.0 * k, b.Y = 40, b.DY = 1;
  }
  t.Run(2);
  ASSERT_EQ(t.p().GAUGE, 100);
  t.host.PressKey('C');  // a giga crash: the bullets are gone
  t.Run(2);
  t.host.ReleaseKey('C');
  t.Run(2);
  EXPECT_EQ(t.entry().bombsUsed, 1);
  EXPECT_EQ(t.entry().peakBullets, 7);
}

TEST(BalanceReport, TheLongestEmptyStretchAndTheLongestFullBulletTableAreTimed) {
  Watched t;
  ASSERT_TRUE(t.RunUntil([&] { return t.g().stage.STAGETIME >= 0; }, 400));
  const int from = t.g().stage.STAGETIME;
  t.Run(100);  // the maps send nobody
  SpawnEnemy(t.g(), 0, 1);
  t.Run(1);
  EXPECT_GE(t.entry().longestEmpty, 99);
  EXPECT_LE(t.entry().longestEmpty, 101);
  EXPECT_LE(std::abs(t.entry().longestEmptyFrom - from), 1);
  // A longer lull that ends with a boss is the stage's own.
  for (Enemy &e : t.g().enemies.ENEMY) e.FLAG = 0;
  t.Run(150);
  SpawnEnemy(t.g(), 0, 160);
  t.Run(1);
  EXPECT_LE(t.entry().longestEmpty, 101);

  for (int k = 0; k < kEnemyShotsMade; ++k) {
    EnemyShot &b = t.g().enemies.ESHOT[static_cast<std::size_t>(k)];
    b = EnemyShot{};
    b.FLAG = 1, b.MODE = 6, b.SHEET = 2, b.W = b.H = 10, b.X = 15.0 * k, b.Y = 20, b.DY = 0.1;
  }
  t.Run(12);
  t.g().enemies.ESHOT[0].FLAG = 0;  // one slot free: the table is no longer full
  t.Run(3);
  EXPECT_GE(t.entry().longestFullBullets, 10);
  EXPECT_LE(t.entry().longestFullBullets, 12);
}

TEST(BalanceReport, AClearEndsTheEntryAndTheNextStageIsANewOne) {
  Watched t;
  t.Run(30);
  long long before = t.entry().passes;
  test::ClearStageNow(t.g());
  t.Run(1);
  EXPECT_TRUE(t.entry().cleared);
  EXPECT_EQ(t.entry().passes, before + 1);
  t.Run(200);
  EXPECT_EQ(t.entry().passes, before + 1) << "the fly-out and what follows are not the stage's";
  // The pilot-less game waits on the mission select: choose the first row.
  ASSERT_TRUE(
      t.RunUntil([&] { return t.g().shell.SCENE == kSceneMissionSelect && t.g().shell.PHASE == 2; }, 600));
  t.host.PressKey('Z');
  ASSERT_TRUE(t.RunUntil([&] { return t.Flying(); }, 600));
  ASSERT_EQ(t.report.report.stages().size(), 2u);
  EXPECT_EQ(t.entry(1).stage, t.g().stage.MISSIONS[1]);
  EXPECT_EQ(t.entry(1).mission, 1);
}

TEST(BalanceReport, TheGameOverEndsTheEntryUncleared) {
  Watched t;
  t.p().CREDIT = 0;
  HitPlayer(t.g(), 1000, 0);
  ASSERT_TRUE(t.RunUntil([&] { return t.g().shell.SCENE == kSceneGameOver; }, 600));
  t.Run(5);
  EXPECT_TRUE(t.report.report.firstStageEnded());
  EXPECT_FALSE(t.entry().cleared);
  EXPECT_EQ(t.entry().shipsLost, 1);
}

TEST(BalanceReport, TheJsonHoldsEveryFigure) {
  Watched t;
  SpawnEnemy(t.g(), 0, 160);
  t.Run(5);
  std::string json = t.report.report.Json();
  for (const char *key : {"\"stages\"",
                          "\"stage\": 9",
                          "\"mission\": 0",
                          "\"difficulty\": \"normal\"",
                          "\"cleared\": false",
                          "\"passes\"",
                          "\"attempts\"",
                          "\"shipsLost\"",
                          "\"shieldDamage\"",
                          "\"bombsUsed\"",
                          "\"enemiesSpawned\"",
                          "\"enemiesKilled\"",
                          "\"score\"",
                          "\"peakBullets\"",
                          "\"longestEmpty\"",
                          "\"longestEmptyFrom\"",
                          "\"longestFullBullets\"",
                          "\"bosses\"",
                          "\"type\": 160",
                          "\"appear\"",
                          "\"killedAfter\": -1",
                          "\"left\""})
    EXPECT_NE(json.find(key), std::string::npos) << key << " in " << json;
  EXPECT_EQ(BalanceReport().Json(), "{\"stages\": []}");
}

TEST(BalanceReport, WithStopWhenStageEndsTheRunEndsAtTheClear) {
  Watched t;
  t.report.stopWhenStageEnds = true;
  t.Run(10);
  test::ClearStageNow(t.g());
  std::uint64_t at = t.g().shell.passes;
  bool running = t.RunUntil([] { return false; }, 50);
  EXPECT_FALSE(running);
  EXPECT_LE(t.g().shell.passes, at + 2);
  EXPECT_TRUE(t.entry().cleared);
}

TEST(BalanceReport, WithStopWhenGameEndsTheRunGoesOnToTheNextStageAndEndsAtTheGameOver) {
  Watched t;
  t.report.stopWhenGameEnds = true;
  t.Run(10);
  test::ClearStageNow(t.g());
  ASSERT_TRUE(
      t.RunUntil([&] { return t.g().shell.SCENE == kSceneMissionSelect && t.g().shell.PHASE == 2; }, 600));
  t.host.PressKey('Z');
  ASSERT_TRUE(t.RunUntil([&] { return t.Flying(); }, 600));
  EXPECT_FALSE(t.report.report.gameEnded());
  t.p().CREDIT = 0;
  HitPlayer(t.g(), 1000, 0);
  bool running = t.RunUntil([] { return false; }, 2000);
  EXPECT_FALSE(running);
  EXPECT_TRUE(t.report.report.gameEnded());
  EXPECT_EQ(t.g().shell.SCENE, kSceneGameOver);
  ASSERT_EQ(t.report.report.stages().size(), 2u);
  EXPECT_FALSE(t.entry(1).cleared);
}

TEST(BalanceReport, TheProgramWritesItForAnAutopilotRun) {
  test::TempDir dir;
  std::string file = dir.file("report.json");
  std::string cmd = std::string(QELVANE_BUILD_DIR) +
                    "/qelvane --headless --autopilot --stage 9 --seed 3 --passes 400 --report " + file +
                    " >/dev/null 2>&1";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  std::string json = test::ReadBytes(file);
  EXPECT_NE(json.find("\"stage\": 9"), std::string::npos) << json;
  EXPECT_NE(json.find("\"passes\": 3"), std::string::npos) << json;  // about 399 main-loop passes
}

}  // namespace
}  // namespace qel
