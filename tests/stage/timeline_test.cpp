#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "effects/effects.h"
#include "game.h"
#include "stage/stage.h"
#include "stage/timeline.h"
#include "stage_test_support.h"

namespace qel {
namespace {

class TimelineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteAllMaps(t);
    t.StartUp();
    SetUpNewGame(t.g(), kNewGameStory);
  }
  void Start(int stage, int mission = 1) {
    st().STAGE = stage;
    st().MISSION = mission;
    StartStage(t.g());
    p().PSTATE = 0;
  }
  // Runs the script at clock value time, as the game frame does after its clock step.
  void RunAt(int time) {
    st().STAGETIME = time;
    RunStageTimeline(t.g(), st().STAGE);
  }
  void SetWave(int stage, int row, int code) {
    st().ENMAP[static_cast<std::size_t>(row) * kGridSide + static_cast<std::size_t>(stage)] =
        static_cast<std::uint8_t>(code);
  }
  int Alive(int mode) {
    return static_cast<int>(std::count_if(t.g().enemies.ENEMY.begin(), t.g().enemies.ENEMY.end(),
                                          [&](const Enemy &e) { return e.FLAG != 0 && e.MODE == mode; }));
  }
  int AliveAny() {
    return static_cast<int>(std::count_if(t.g().enemies.ENEMY.begin(), t.g().enemies.ENEMY.end(),
                                          [](const Enemy &e) { return e.FLAG != 0; }));
  }
  int Effects(int kind) {
    return static_cast<int>(std::count_if(t.g().effects.EFFECT.begin(), t.g().effects.EFFECT.end(),
                                          [&](const Effect &e) { return e.FLAG != 0 && e.KIND == kind; }));
  }
  void ClearEnemies() {
    for (Enemy &e : t.g().enemies.ENEMY) e.FLAG = 0;
  }
  Stage &st() { return t.g().stage; }
  Player &p() { return t.g().player; }
  test::TestGame t;
};

TEST_F(TimelineTest, EachWaveCodeCallsItsFormation) {
  // Code: enemies called.
  const std::pair<int, int> kWaves[] = {
      {1, 7},  {2, 4},   {3, 7},  {4, 6},  {5, 4},  {6, 4},  {7, 4},  {8, 4},  {9, 4},  {10, 8}, {11, 8},
      {12, 8}, {13, 10}, {14, 7}, {15, 6}, {16, 7}, {17, 7}, {18, 7}, {19, 2}, {20, 2}, {21, 6}, {22, 2},
      {23, 2}, {24, 2},  {25, 2}, {26, 6}, {27, 6}, {28, 6}, {29, 6}, {30, 3}, {31, 2}, {32, 4}, {33, 2},
      {34, 2}, {35, 3},  {36, 2}, {37, 2}, {38, 2}, {40, 7}, {41, 7}, {42, 14}};
  Start(9);
  for (auto [code, count] : kWaves) {
    ClearEnemies();
    SetWave(9, 3, code);
    RunAt(90);
    EXPECT_EQ(Alive(code), count) << "code " << code;
    EXPECT_EQ(WaveSize(code), count) << "code " << code;
  }
  // Codes whose enemies have no catalogue entry, and codes above the waves, call nobody.
  for (int code : {39, 43, 44, 45, 46, 47, 48, 49, 50, 120, 255}) {
    ClearEnemies();
    SetWave(9, 3, code);
    RunAt(90);
    EXPECT_EQ(AliveAny(), 0) << "code " << code;
  }
}

TEST_F(TimelineTest, ARowIsReadOnceAsTheClockArrivesAndAgainWhenItJumpsBack) {
  Start(9);
  SetWave(9, 2, 1);
  RunAt(59);
  EXPECT_EQ(Alive(1), 0);
  RunAt(60);
  EXPECT_EQ(Alive(1), 7);
  p().PSTAT[20] = 1;  // the clock stands on the row: it is not read again
  RunAt(60);
  EXPECT_EQ(Alive(1), 7);
  p().PSTAT[20] = 2;  // the warp's loop brings the clock back onto the row
  RunAt(60);
  EXPECT_EQ(Alive(1), 14);
  p().PSTAT[20] = 0;
  SetWave(9, 0, 1);
  RunAt(-30);  // the lead-in reads nothing
  EXPECT_EQ(Alive(1), 14);
}

TEST_F(TimelineTest, ABossGroupIsCalledOnceAndHoldsTheClockUntilReleased) {
  Start(1, 1);  // the first mission: no escorts of the harder content
  st().STAGETIME = 4199;
  GameFrame(t.g());
  EXPECT_EQ(Alive(153), 1);
  EXPECT_EQ(Alive(106), 4);
  EXPECT_EQ(Alive(107), 0);
  EXPECT_EQ(p().PSTAT[20], 1);
  EXPECT_EQ(st().STAGETIME, 4201);
  for (int k = 0; k < 5; ++k) GameFrame(t.g());
  EXPECT_EQ(st().STAGETIME, 4201);
  EXPECT_EQ(Alive(153), 1);
  p().PSTAT[20] = 0;  // what the boss does when it has fallen
  GameFrame(t.g());
  EXPECT_EQ(st().STAGETIME, 4202);
  EXPECT_EQ(Alive(153), 1);
  Start(1, 2);  // a later mission brings the two shuttles
  RunAt(4200);
  EXPECT_EQ(Alive(107), 2);
  EXPECT_EQ(Alive(153), 1);
}

TEST_F(TimelineTest, TheClearMessageComesWithItsMusicAndTheFlyOutOnlyInPlay) {
  Start(2);
  RunAt(4250);
  EXPECT_EQ(Effects(51), 1);
  EXPECT_EQ(t.g().audio.MUSICNO, 6);
  RunAt(4350);
  EXPECT_EQ(p().PSTATE, 0);
  p().PSTATE = 3;  // the ship is falling: it is not made to fly out
  RunAt(4351);
  EXPECT_EQ(p().PSTATE, 3);
  p().PSTATE = 0;
  RunAt(4351);
  EXPECT_EQ(p().PSTATE, 10);
}

TEST_F(TimelineTest, AFullTableMakesRoomForTheBossWithoutScore) {
  Start(3, 1);
  Enemies &en = t.g().enemies;
  for (int k = 0; k < 31; ++k) {
    Enemy &e = en.ENEMY[static_cast<std::size_t>(k)];
    e.FLAG = 1, e.MODE = 1 + k % 30, e.X = 10.0 * k, e.Y = 100, e.W = 32, e.H = 32, e.PTS = 10;
  }
  en.ENEMY[0].MODE = 120, en.ENEMY[1].MODE = 201;  // not ordinary: they stay
  int score = p().SCORE;
  RunAt(4200);
  EXPECT_EQ(Alive(151), 1);
  EXPECT_EQ(Alive(202), 6);
  EXPECT_EQ(Alive(203), 2);
  EXPECT_EQ(en.ENEMY[0].MODE, 120);
  EXPECT_EQ(en.ENEMY[1].MODE, 201);
  EXPECT_EQ(AliveAny(), 31);
  EXPECT_EQ(Effects(2), 9);  // each freed enemy bursts
  EXPECT_EQ(p().SCORE, score);
  EXPECT_EQ(p().PSTAT[20], 1);
}

TEST_F(TimelineTest, ATableWithRoomLosesNobody) {
  Start(4, 1);
  for (int k = 0; k < 24; ++k) {
    Enemy &e = t.g().enemies.ENEMY[static_cast<std::size_t>(k)];
    e.FLAG = 1, e.MODE = 3, e.W = 32, e.H = 32;
  }
  RunAt(4200);
  EXPECT_EQ(Alive(3), 24);
  EXPECT_EQ(Alive(152), 1);
  EXPECT_EQ(Effects(2), 0);
  // A timed boss of the warp also finds its slot.
  Start(5);
  for (Enemy &e : t.g().enemies.ENEMY) e.FLAG = 1, e.MODE = 8, e.W = 32, e.H = 32;
  RunAt(510);
  EXPECT_EQ(Alive(101), 1);
  EXPECT_EQ(Alive(8), 30);
}

TEST_F(TimelineTest, TheWarpsGuardiansComeOnTheirOwnClock) {
  Start(5);
  struct Want {
    int time, type, phase;
  };
  for (Want w : {Want{510, 101, 2}, {1020, 100, 3}, {1500, 103, 4}, {2010, 102, 5}}) {
    p().PSTAT[20] = 0;
    RunAt(w.time);
    EXPECT_EQ(Alive(w.type), 1) << w.time;
    EXPECT_EQ(p().PSTAT[20], w.phase) << w.time;
    EXPECT_EQ(st().STAGETIME, w.time) << "a timed boss leaves the clock running";
  }
  // While 101 fights, its loop rows are read on every pass of the loop.
  ClearEnemies();
  p().PSTAT[20] = 2;
  SetWave(5, 18, 8);
  for (int time = 540; time <= 660; ++time) RunAt(time);
  RunAt(540);
  EXPECT_EQ(Alive(8), 8);
  p().PSTAT[20] = 0;
  RunAt(3200);
  EXPECT_EQ(Alive(154), 1);
  EXPECT_EQ(Alive(108), 6);
}

TEST_F(TimelineTest, TheBossRushDrawsItsFirstFourAndEndsWithFiveSixSeven) {
  std::set<std::array<int, 4>> orders;
  for (int draw = 0; draw < 12; ++draw) {
    Start(8);
    const auto &m = st().MISSIONS;
    std::array<int, 4> first{m[1], m[2], m[3], m[4]};
    std::array<int, 4> sorted = first;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::array<int, 4>{1, 2, 3, 4}));
    EXPECT_EQ(m[5], 5);
    EXPECT_EQ(m[6], 6);
    EXPECT_EQ(m[7], 7);
    orders.insert(first);
  }
  EXPECT_GT(orders.size(), 1u);
  // Boss number n is the boss of group 2, 3, 4, 1, 5, 6, 7.
  const int kBossOf[8] = {0, 150, 151, 152, 153, 154, 155, 156};
  Start(8);
  for (int k = 1; k <= 7; ++k) {
    ClearEnemies();
    p().PSTAT[20] = 0;
    RunAt(100 * k);
    EXPECT_EQ(st().LSPEED[kBossRushCount], k);
    EXPECT_EQ(Alive(kBossOf[st().MISSIONS[static_cast<std::size_t>(k)]]), 1) << k;
    EXPECT_EQ(p().PSTAT[20], 1);
    EXPECT_EQ(st().STAGETIME, 100 * k + 1);
  }
  RunAt(800);
  EXPECT_EQ(Effects(51), 1);
}

TEST_F(TimelineTest, ShopsAndTheWarningComeOnTime) {
  Start(1);
  RunAt(1400);
  EXPECT_EQ(Effects(30), 1);
  RunAt(4000);
  EXPECT_EQ(t.g().audio.MUSICNO, 0);
  EXPECT_EQ(Effects(50), 1);
  EXPECT_EQ(t.g().audio.SNDLOCK, 150);
  RunAt(4005);
  EXPECT_EQ(t.g().audio.MUSICNO, 5);
  Start(7);
  RunAt(-99);  // the free shop at the start of the extra mission
  EXPECT_EQ(Effects(30), 1);
}

// The map compiler plays each stage's scenery through the holds StageClockOf names; every moment
// the script really holds the clock must be among them, and the fly-out must come when it says.
TEST_F(TimelineTest, TheClockOfEveryStageHoldsWhereTheMapCompilerThinks) {
  for (int stage = 1; stage <= 9; ++stage) {
    Start(stage, 4);
    const StageClock clock = StageClockOf(stage);
    std::vector<std::pair<int, int>> found, listed;
    for (const ClockHold &h : clock.holds) listed.push_back({h.from, h.at});
    int flyOut = -1;
    for (int time = -100; time <= 5000; ++time) {
      ClearEnemies();
      p().PSTAT[20] = 0;
      p().PSTATE = kShipPlay;
      RunAt(time);
      const double held = p().PSTAT[20];
      if (held == 1) found.push_back({time, st().STAGETIME});
      for (const ClockLoop &l : WarpClockLoops())
        if (held == l.phase) {
          // The warp's clock then runs round its loop: past its end it is back at the start.
          st().STAGETIME = l.above + 1;
          LoopWarpClock(st(), held);
          found.push_back({st().STAGETIME, st().STAGETIME});
        }
      if (flyOut < 0 && p().PSTATE != kShipPlay) flyOut = time - 1;
    }
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, listed) << "stage " << stage;
    EXPECT_EQ(flyOut, clock.flyOutAbove) << "stage " << stage;
  }
  EXPECT_TRUE(StageClockOf(10).holds.empty());
  EXPECT_EQ(StageClockOf(10).flyOutAbove, -1);
}

TEST_F(TimelineTest, TheFirstStageTellsItsStory) {
  Start(9, 0);
  RunAt(1600);
  EXPECT_EQ(Effects(50), 1);
  RunAt(1750);
  EXPECT_EQ(Alive(160), 1);
  EXPECT_EQ(p().PSTAT[20], 1);
  EXPECT_EQ(st().STAGETIME, 1751);
  p().PSTAT[20] = 0;
  RunAt(1800);
  RunAt(1900);
  EXPECT_EQ(Effects(52), 1);
  EXPECT_EQ(Effects(53), 1);
  EXPECT_EQ(Effects(51), 0);  // no clear message in the first stage
  RunAt(2151);
  EXPECT_EQ(p().PSTATE, 10);
}

TEST_F(TimelineTest, TheLastStageEndsInFlamesAndTheFinalFlyOut) {
  Start(6);
  RunAt(2819);
  EXPECT_EQ(Effects(11), 0);
  RunAt(2820);
  EXPECT_EQ(Effects(11), 1);
  RunAt(2899);
  EXPECT_EQ(p().PSTATE, 0);
  RunAt(2900);
  EXPECT_EQ(p().PSTATE, 12);
  int before = Effects(11);
  RunAt(3301);
  EXPECT_EQ(Effects(11), before);
  EXPECT_EQ(Effects(51), 0);
}

TEST_F(TimelineTest, BackdropsAndTheFlyByAreNeverPlayedAsStages) {
  Start(1);
  for (int stage : {0, 10, 11, 15}) {
    SetWave(stage, 0, 1);
    st().STAGETIME = 0;
    RunStageTimeline(t.g(), stage);
  }
  EXPECT_EQ(AliveAny(), 0);  // stage 11's old group at clock 0 included
}

TEST_F(TimelineTest, TheFlyByLeadsIntoTheEnding) {
  Start(6);
  p().PSHOT[45].FLAG = 1;
  t.g().enemies.ENEMY[3].FLAG = 1;
  t.g().enemies.WORK[4] = 7;
  t.g().shell.SCENE = kSceneEndingIntro;
  t.g().shell.PHASE = 0;
  t.RunPasses(1);
  EXPECT_EQ(st().STAGE, 10);
  EXPECT_EQ(p().PY, 500);
  EXPECT_EQ(p().PSHOT[45].FLAG, 0);
  EXPECT_EQ(t.g().enemies.ENEMY[3].FLAG, 0);
  EXPECT_EQ(Effects(300), 1);
  EXPECT_FALSE(t.host.menuEnabled[static_cast<int>(MenuItem::Reset)]);
  int passes = 0;
  while (t.g().shell.SCENE == kSceneEndingIntro && passes < 400) t.RunPasses(1), ++passes;
  EXPECT_EQ(t.g().shell.SCENE, kSceneEnding);
  EXPECT_EQ(t.g().shell.PHASE, 0);
  EXPECT_EQ(t.g().enemies.WORK[10], 0);
  EXPECT_GT(passes, 100);  // the flight takes its time
}

// The boss calls the schedule is checked against are the script's own: each comes when the
// clock is held for it, and the rush calls one boss a hold.
TEST(ScriptedBosses, AreTheCallsTheClockIsHeldFor) {
  for (int stage = 1; stage <= 9; ++stage) {
    const std::vector<ScriptedBoss> bosses = ScriptedBossesOf(stage);
    const StageClock clock = StageClockOf(stage);
    int held = 0;
    for (const ScriptedBoss &b : bosses) {
      EXPECT_GE(b.size, 1) << "stage " << stage << " at " << b.time;
      for (const ClockHold &h : clock.holds) held += h.from == b.time;
    }
    // The warp's timed bosses hold the clock in loops of their own, not at their call.
    const int timed = stage == 5 ? 4 : 0;
    EXPECT_EQ(held + timed, static_cast<int>(bosses.size())) << "stage " << stage;
  }
  EXPECT_EQ(ScriptedBossesOf(8).size(), 7u);
  EXPECT_EQ(ScriptedBossesOf(9).front().time, 1750);
  EXPECT_TRUE(ScriptedBossesOf(0).empty());
  EXPECT_EQ(WarningTimeOf(6), -1);
  EXPECT_LT(WarningTimeOf(1), ScriptedBossesOf(1).back().time);
}

// The schedule compiler, run as the build runs it.
class ScheduleTest : public ::testing::Test {
 protected:
  int Compile(const std::string &source) {
    test::WriteBytes(dir.file("enemy.txt"), source);
    std::string cmd = std::string(QELVANE_BUILD_DIR) + "/make_schedule --src " + dir.file("enemy.txt") +
                      " --out " + dir.file("enemy.map") + " >/dev/null 2>&1";
    return std::system(cmd.c_str());
  }
  bool Written() { return std::filesystem::exists(dir.file("enemy.map")); }
  test::TempDir dir;
};

TEST_F(ScheduleTest, TheShippedScheduleCompilesIntoOneColumnPerStage) {
  std::string source = test::ReadBytes(std::string(QELVANE_SOURCE_DIR) + "/assets/maps/schedule/enemy.txt");
  ASSERT_FALSE(source.empty());
  ASSERT_EQ(Compile(source), 0);
  std::string grid = test::ReadBytes(dir.file("enemy.map"));
  ASSERT_EQ(grid.size(), static_cast<std::size_t>(kMapFileSize));
  for (int col = 0; col < kGridSide; ++col) {
    int waves = 0;
    for (int row = 0; row < kGridSide; ++row)
      waves += grid[static_cast<std::size_t>(row * kGridSide + col)] != 0;
    if (col >= 1 && col <= 9) EXPECT_GT(waves, 0) << "stage " << col;
    else EXPECT_EQ(waves, 0) << "column " << col;
  }
}

TEST_F(ScheduleTest, RowsAndTimesNameTheSameCell) {
  ASSERT_EQ(Compile("stage 3\n  4: 12   # a ring\nstage 9\nt60: 7\n"), 0);
  std::string grid = test::ReadBytes(dir.file("enemy.map"));
  EXPECT_EQ(grid[4 * kGridSide + 3], 12);
  EXPECT_EQ(grid[2 * kGridSide + 9], 7);
}

TEST_F(ScheduleTest, WavesThatCannotPlayAreRefused) {
  for (const char *bad : {
           "stage 1\n10: 39\n",                   // no catalogue entry
           "stage 1\n10: 45\n",                   // no catalogue entry
           "stage 1\n10: 50\n",                   // not a wave
           "stage 9\n55: 1\n",                    // between the warning and the boss
           "stage 1\n136: 1\n",                   // between the warning and the boss
           "stage 5\n103: 1\n",                   // between the warning and the boss
           "stage 1\n143: 1\n",                   // after the boss
           "stage 1\n200: 1\n",                   // never read
           "stage 9\n10: 22\n",                   // vehicles in open space
           "stage 8\n20: 7\n",                    // read together with a boss group
           "stage 7\n101: 13\n103: 1\n105: 3\n",  // no room left for the boss at 3200
           "stage 5\n18: 3\n20: 3\n",             // a warp loop that piles up
           "stage 5\n19: 30\n",                   // a lingering wall in a warp loop
           "stage 12\n1: 1\n",                    // no such stage
           "stage 1\nt100: 1\n",                  // between two rows
           "stage 1\n5: 1\n5: 2\n",               // one row, two waves
       }) {
    EXPECT_NE(Compile(bad), 0) << bad;
    EXPECT_FALSE(Written()) << bad;
  }
}

}  // namespace
}  // namespace qel
