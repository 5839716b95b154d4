// Damage, recovery, the loss of a ship, the flights and the clear marks.
#include <gtest/gtest.h>

#include "app/app.h"
#include "ship_test_support.h"

namespace qel {
namespace {

using Ship = test::ShipTest;

// Frames of the player update until the ship can be hit again.
int FramesUntilVulnerable(Game &g) {
  int n = 0;
  while (g.player.INVUL == -1 && n < 100) UpdatePlayer(g), ++n;
  return n;
}

TEST_F(Ship, AHitMakesTheShipUntouchableForAWhileLongerWithTheBlinkSystem) {
  struct Case {
    int system, persistent, frames, sndlock;
  };
  for (Case c : {Case{10, 0, 10, 10}, {10, 1, 2, 0}, {13, 0, 20, 10}, {13, 1, 6, 0}}) {
    InPlay();
    p().SYSTEM = c.system;
    g().audio.SNDLOCK = 0;
    HitPlayer(g(), 3, c.persistent);
    SCOPED_TRACE(testing::Message() << "system " << c.system << " persistent " << c.persistent);
    EXPECT_EQ(p().SHIELD, 47);
    EXPECT_EQ(p().PSTAT[4], 5);  // the display shows the shield in red
    EXPECT_EQ(g().audio.SNDLOCK, c.sndlock);
    EXPECT_EQ(FramesUntilVulnerable(g()), c.frames);
    p().SHIELD = 50;
  }
}

TEST_F(Ship, DamageFillsTheBombGaugeTwiceAsFastWithTheDamageChargeSystem) {
  InPlay();
  for (int system : {10, 11, 12, 13}) {
    p().SYSTEM = system;
    p().GAUGE = 0;
    HitPlayer(g(), 5, 0);
    EXPECT_EQ(p().GAUGE, system == 12 ? 15 : 7) << system;
  }
  p().GAUGE = 95;
  HitPlayer(g(), 5, 0);
  EXPECT_EQ(p().GAUGE, 100);
  AddBombGauge(g(), 3);
  EXPECT_EQ(p().GAUGE, 100);
}

TEST_F(Ship, TheShieldComesBackOnePointPerIntervalAndAHitHalvesTheProgress) {
  InPlay();
  p().SHIELD = 40;
  p().PSTAT[5] = 40;  // one point every 41 frames
  p().PSTAT[6] = 0;
  for (int i = 0; i < 40; ++i) UpdatePlayer(g());
  EXPECT_EQ(p().SHIELD, 40);
  UpdatePlayer(g());
  EXPECT_EQ(p().SHIELD, 41);
  for (int i = 0; i < 21; ++i) UpdatePlayer(g());
  HitPlayer(g(), 1, 1);
  EXPECT_EQ(p().PSTAT[6], 10);  // 21 halved, rounded down
  p().SHIELD = 50;
  p().PSTAT[6] = 0;
  UpdatePlayer(g());
  EXPECT_EQ(p().PSTAT[6], 0);  // nothing to recover
  p().PSTATE = kShipFlyingOut;
  p().SHIELD = 10;
  UpdatePlayer(g());
  EXPECT_EQ(p().PSTAT[6], 0);  // only in play
}

TEST_F(Ship, TheGaugeChargesOnlyInPlay) {
  InPlay();
  p().GAUGE = 0;
  p().PSTAT[12] = 5;
  for (int i = 0; i < 12; ++i) UpdatePlayer(g());
  EXPECT_EQ(p().GAUGE, 2);
  p().PSTATE = kShipEntering;
  p().PY = 480;
  for (int i = 0; i < 5; ++i) UpdatePlayer(g());
  EXPECT_EQ(p().GAUGE, 2);
}

TEST_F(Ship, EntersFromBelowAndIsOpenToHitsForItsLastFourFrames) {
  int vulnerable = 0;
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(p().PSTATE, kShipEntering);
    UpdatePlayer(g());
    vulnerable += p().PSTATE == kShipEntering && p().INVUL == 0 ? 1 : 0;
  }
  EXPECT_EQ(p().PSTATE, kShipPlay);
  EXPECT_EQ(p().PY, 400);
  EXPECT_EQ(vulnerable, 4);
}

class ShipLoss : public test::ShipTest {
 protected:
  // A fatal hit, then passes until the wreck has burst and the wait is over.
  void LoseShip() {
    InPlay();
    HitPlayer(g(), 99, 0);
    EXPECT_EQ(p().SHIELD, 0);
    EXPECT_EQ(p().PSTATE, kShipFalling);
    EXPECT_EQ(g().audio.MUSICNO, 0);
    Passes(61);
    EXPECT_EQ(p().PSTATE, kShipWrecked);
    EXPECT_EQ(p().PBANK, 10);
    EXPECT_LE(p().PY, 416);
    Passes(101);
  }
};

TEST_F(ShipLoss, WithCreditsTheStageRestartsFullAtHalfTheScore) {
  p().CREDIT = 1;
  p().SCORE = 7;
  g().stage.STAGETIME = 500;
  LoseShip();
  EXPECT_EQ(g().shell.SCENE, kScenePlay);
  EXPECT_EQ(p().CREDIT, 0);
  EXPECT_EQ(p().SCORE, 3);
  EXPECT_EQ(p().SHIELD, p().SHIELDMAX);
  EXPECT_EQ(p().GAUGE, 100);
  EXPECT_EQ(p().PSTATE, kShipEntering);
  EXPECT_EQ(g().stage.STAGETIME, -99);  // the rest of that frame still ran
}

TEST_F(ShipLoss, AKeepPackSavesTheScoreOnce) {
  p().CREDIT = 2;
  p().SCORE = 1000;
  p().KEEP = -1;
  LoseShip();
  EXPECT_EQ(p().SCORE, 1000);
  EXPECT_EQ(p().KEEP, 0);
  LoseShip();
  EXPECT_EQ(p().SCORE, 500);
}

TEST_F(ShipLoss, WithoutCreditsTheGameIsOver) {
  p().CREDIT = 0;
  LoseShip();
  EXPECT_EQ(g().shell.SCENE, kSceneGameOver);
  EXPECT_EQ(g().shell.PHASE, 0);
}

TEST_F(Ship, TheInvincibleSwitchLeavesTheShipUnhurt) {
  AppOptions o;
  std::string error;
  ASSERT_TRUE(ParseCommandLine({"--invincible", "--stage", "9"}, &o, &error));
  EXPECT_TRUE(o.invincible);
  g().config.invincible = true;
  InPlay();
  HitPlayer(g(), 999, 0);
  EXPECT_EQ(p().SHIELD, 50);
  EXPECT_EQ(p().PSTATE, kShipPlay);
}

TEST_F(Ship, AfterAClearedStageTheShipFliesOutAndTheStoryMovesOn) {
  InPlay(224, 400);
  p().PSTATE = kShipFlyOutStart;
  g().stage.MISSION = 2;
  int frames = 0;
  double lowest = p().PY;
  while (p().PSTATE != kShipGone && frames < 200)
    UpdatePlayer(g()), ++frames, lowest = std::max(lowest, p().PY);
  EXPECT_EQ(SoundsPlayed(6), 1);
  EXPECT_EQ(lowest, 455);  // it dips 10 + 9 + ... + 1 first
  EXPECT_EQ(p().PY, -100);
  EXPECT_EQ(p().PSTAT[20], 1);
  for (int i = 0; i < 100; ++i) UpdatePlayer(g());
  EXPECT_EQ(g().shell.SCENE, kScenePlay);
  UpdatePlayer(g());
  EXPECT_EQ(g().shell.SCENE, kSceneMissionSelect);
  EXPECT_EQ(g().stage.MISSION, 3);
}

TEST_F(Ship, ClearingExtraOrBossModeMarksItAndGoesToTheTitle) {
  for (int stage : {7, 8}) {
    InPlay();
    g().shell.SCENE = kScenePlay;
    g().stage.STAGE = stage;
    g().settings.DIFF = 0;
    g().settings.OPTION[5] = g().settings.OPTION[6] = 0;
    p().PSTATE = kShipGone;
    g().enemies.WORK[10] = 100;
    UpdatePlayer(g());
    EXPECT_EQ(g().shell.SCENE, kSceneTitle);
    EXPECT_EQ(g().settings.OPTION[stage == 7 ? 5 : 6], 2);
  }
}

TEST_F(Ship, TheLastFlightTurnsTowardsTheViewerAndLeadsToTheEnding) {
  InPlay(224, 400);
  p().PSTATE = kShipFinalStart;
  g().settings.DIFF = 1;
  g().settings.OPTION[4] = 2;
  int turnedAt = 0;
  for (int frame = 1; frame < 300 && g().shell.SCENE == kScenePlay; ++frame) {
    UpdatePlayer(g());
    if (turnedAt != 0 || p().PBANK != 3) continue;
    turnedAt = frame;
    EXPECT_GT(p().MY, 0);
  }
  EXPECT_GT(turnedAt, 0);
  EXPECT_EQ(SoundsPlayed(6), 1);
  EXPECT_EQ(g().shell.SCENE, kSceneEndingIntro);
  EXPECT_GT(p().PY, 1500);
  EXPECT_EQ(g().settings.OPTION[4], 3);
}

TEST_F(Ship, ClearMarksRecordEachDifficulty) {
  struct Case {
    int before, level, after;
  };
  for (Case c : {Case{0, 0, 2},
                 {0, 1, 1},
                 {0, 2, 1},
                 {1, 0, 3},
                 {1, 1, 1},
                 {1, 2, 1},
                 {2, 0, 2},
                 {2, 1, 3},
                 {2, 2, 2},
                 {3, 0, 3},
                 {3, 1, 3},
                 {3, 2, 3}}) {
    for (int k : {4, 5, 6}) {
      g().settings.OPTION[k] = c.before;
      MarkClear(g(), k, c.level);
      EXPECT_EQ(g().settings.OPTION[k], c.after) << "mark " << c.before << " level " << c.level;
    }
  }
}

}  // namespace
}  // namespace qel
