#include "enemy/debug_spawn.h"

#include <gtest/gtest.h>

#include "app/app.h"
#include "enemy_test_support.h"

namespace qel {
namespace {

TEST(SpawnList, ReadsTypesWithOptionalPositions) {
  std::vector<DebugSpawn> spawns;
  std::string error;
  ASSERT_TRUE(ParseSpawnList("3,10@7,205@1", &spawns, &error)) << error;
  ASSERT_EQ(spawns.size(), 3u);
  EXPECT_EQ(spawns[0].type, 3);
  EXPECT_EQ(spawns[0].pos, 0);
  EXPECT_EQ(spawns[1].type, 10);
  EXPECT_EQ(spawns[1].pos, 7);
  EXPECT_EQ(spawns[2].pos, 1);
}

TEST(SpawnList, RefusesWhatTheGameHasNoEnemyFor) {
  std::vector<DebugSpawn> spawns;
  std::string error;
  for (const char *bad : {"", "x", "3,", ",3", "3@", "3@x", "-3", "1@-1", "3 ", "39", "10@8", "300"}) {
    EXPECT_FALSE(ParseSpawnList(bad, &spawns, &error)) << bad;
    EXPECT_FALSE(error.empty());
    error.clear();
  }
  EXPECT_FALSE(ParseSpawnList("44", &spawns, &error));
  EXPECT_NE(error.find("44"), std::string::npos);
}

TEST(SpawnList, IsAnOptionOfTheCommandLine) {
  AppOptions opts;
  std::string error;
  ASSERT_TRUE(ParseCommandLine({"--stage", "2", "--spawn", "21@4,3"}, &opts, &error)) << error;
  ASSERT_EQ(opts.spawns.size(), 2u);
  EXPECT_EQ(opts.spawns[0].type, 21);
  EXPECT_FALSE(ParseCommandLine({"--stage", "2", "--spawn", "43"}, &opts, &error));
  EXPECT_NE(error.find("--spawn"), std::string::npos);
  AppOptions noStage;
  EXPECT_FALSE(ParseCommandLine({"--spawn", "3"}, &noStage, &error));
}

using DebugSpawnTest = test::EnemyTest;

TEST_F(DebugSpawnTest, TheEnemiesComeWhenTheClockReachesZero) {
  g().config.startStage = 2;
  g().config.spawns = {{21, 4}, {3, 1}};
  g().stage.STAGETIME = -1;
  SpawnDebugEnemies(g(), -2);
  EXPECT_EQ(LiveEnemies(), 0);
  g().stage.STAGETIME = 0;
  SpawnDebugEnemies(g(), -1);
  EXPECT_EQ(LiveEnemies(), 2);
  EXPECT_EQ(E(0).MODE, 21);
  EXPECT_EQ(E(0).CNT[8], 12);
  SpawnDebugEnemies(g(), 0);  // a clock standing at 0 calls nobody again
  EXPECT_EQ(LiveEnemies(), 2);
  g().config.startStage = 0;
  g().stage.STAGETIME = 0;
  SpawnDebugEnemies(g(), -1);
  EXPECT_EQ(LiveEnemies(), 2);
}

}  // namespace
}  // namespace qel
