#include <gtest/gtest.h>

#include <string>

#include "effects/effects.h"
#include "game.h"
#include "stage/stage.h"
#include "stage/stage_test_support.h"

namespace qel {
namespace {

class EffectsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteAllMaps(t);
    t.StartUp();
    SetUpNewGame(t.g(), kNewGameStory);
    t.g().stage.STAGE = 9;
    StartStage(t.g());
    p().PSTATE = 0, p().PX = 224, p().PY = 400;
  }
  Game &g() { return t.g(); }
  Player &p() { return t.g().player; }
  Effect &fx(int i) { return t.g().effects.EFFECT[static_cast<std::size_t>(i)]; }
  Enemy &enemy(int i) { return t.g().enemies.ENEMY[static_cast<std::size_t>(i)]; }
  // Spawns into the lowest free slot and returns that slot.
  int Spawn(int source, int kind) {
    int slot = 0;
    while (slot < 31 && fx(slot).FLAG != 0) ++slot;
    SpawnEffect(g(), source, kind);
    return slot;
  }
  // Updates effect i until it ends; returns the number of updates it lived.
  int Lifetime(int i, int limit = 1000) {
    int n = 0;
    while (fx(i).FLAG != 0 && n < limit) UpdateEffect(g(), i), ++n;
    return n;
  }
  int SoundsPlayed(int n) {
    char name[16];
    std::snprintf(name, sizeof name, "s%02d.wav", n);
    int count = 0;
    for (const std::string &s : t.host.sounds)
      if (s.size() >= 7 && s.compare(s.size() - 7, 7, name) == 0) ++count;
    return count;
  }
  test::TestGame t;
};

TEST_F(EffectsTest, SpawningTakesTheLowestFreeSlotAndNeverTheLast) {
  for (int i = 0; i < 30; ++i) SpawnEffect(g(), 0, 11);
  for (int i = 0; i < 30; ++i) ASSERT_EQ(fx(i).FLAG, 1) << i;
  SpawnEffect(g(), 0, 11);
  EXPECT_EQ(fx(30).FLAG, 0);  // dropped silently
  fx(7).FLAG = 0;
  fx(7).V[3] = 9, fx(7).DX = 5, fx(7).FRAME = 3;
  SpawnEffect(g(), 0, 3);
  EXPECT_EQ(fx(7).KIND, 3);
  EXPECT_EQ(fx(7).V[3], 0);
  EXPECT_EQ(fx(7).DX, 0);
  EXPECT_EQ(fx(7).FRAME, 0);
}

TEST_F(EffectsTest, ExplosionsPlayTheirFramesOnceAndEnd) {
  enemy(4).X = 100, enemy(4).Y = 50, enemy(4).W = 32, enemy(4).H = 64, enemy(4).DY = 3;
  struct Want {
    int kind, life, sheet;
  };
  for (Want w : {Want{1, 12, 3}, {2, 8, 4}, {3, 12, 8}, {10, 10, 9}, {11, 10, 9}, {12, 10, 4}}) {
    int i = Spawn(4, w.kind);
    EXPECT_EQ(fx(i).SHEET, w.sheet) << w.kind;
    EXPECT_EQ(Lifetime(i), w.life) << w.kind;
    EXPECT_EQ(fx(i).V[0], 0);
  }
  int i = Spawn(4, 2);  // centred on the enemy and drifting with it
  EXPECT_EQ(fx(i).X, 100 + 16 - 48);
  EXPECT_EQ(fx(i).Y, 50 + 32 - 48);
  UpdateEffect(g(), i);
  EXPECT_EQ(fx(i).Y, 50 + 32 - 48 + 3);
  enemy(4).CNT[5] = 101;  // a dying timed boss bursts in the small explosion picture
  EXPECT_EQ(fx(Spawn(4, 10)).SHEET, 4);
}

TEST_F(EffectsTest, ScatteredBurstsComeFiveTimesInsideTheirSquare) {
  enemy(2).X = 200.4, enemy(2).Y = 120;
  int i = Spawn(2, 4);
  int before = SoundsPlayed(2);
  int n = 0;
  while (fx(i).FLAG != 0 && n < 100) {
    UpdateEffect(g(), i), ++n;
    EXPECT_GE(fx(i).X, 200);
    EXPECT_LE(fx(i).X, 230);
    EXPECT_GE(fx(i).Y, 120);
    EXPECT_LE(fx(i).Y, 150);
  }
  EXPECT_EQ(n, 5 * 8);
  EXPECT_EQ(SoundsPlayed(2) - before, 4);  // each burst after the first
}

TEST_F(EffectsTest, TheFiguresAtTheShipDriftForTenFrames) {
  int damage = Spawn(7, 15), weapon = Spawn(3, 16);
  EXPECT_EQ(fx(damage).FRAME, 7);
  EXPECT_EQ(fx(weapon).FRAME, 2);
  EXPECT_EQ(fx(damage).Y, 400);
  EXPECT_EQ(fx(weapon).Y, 420);
  UpdateEffect(g(), damage), UpdateEffect(g(), weapon);
  EXPECT_EQ(fx(damage).Y, 397);  // rises
  EXPECT_EQ(fx(weapon).Y, 423);  // sinks
  EXPECT_EQ(Lifetime(damage), 9);
  EXPECT_EQ(Lifetime(weapon), 9);
  EXPECT_EQ(fx(Spawn(12, 15)).FRAME, 12);  // past the ten digits: drawn as nothing
}

TEST_F(EffectsTest, TheHealAuraFollowsTheShipAndGivesTwentyPoints) {
  p().SHIELDMAX = 50, p().SHIELD = 10;
  int i = Spawn(0, 40);
  int before = SoundsPlayed(8);
  p().PX = 300, p().PY = 350;
  UpdateEffect(g(), i);
  EXPECT_EQ(fx(i).X, 284);
  EXPECT_EQ(fx(i).Y, 334);
  EXPECT_EQ(Lifetime(i), 19);
  EXPECT_EQ(p().SHIELD, 30);
  EXPECT_EQ(SoundsPlayed(8) - before, 20);
  p().SHIELD = 45;
  i = Spawn(0, 40);
  EXPECT_EQ(Lifetime(i), 20);  // the aura lasts its time even when the shield is full
  EXPECT_EQ(p().SHIELD, 50);
}

TEST_F(EffectsTest, AMineFieldTurnsWithItsMineAndGoesWithIt) {
  EnemyShot &b = g().enemies.ESHOT[5];
  b.FLAG = 1, b.MODE = 14, b.X = 100, b.Y = 100;
  int push = Spawn(5, 35);
  EXPECT_EQ(fx(push).SHEET, 54);
  EXPECT_EQ(fx(push).FRAME, 2);
  EXPECT_EQ(fx(push).X, 76);
  for (int k = 0; k < 3; ++k) UpdateEffect(g(), push);
  EXPECT_EQ(fx(push).FRAME, 1);  // a pushing field turns backwards
  for (int k = 0; k < 6; ++k) UpdateEffect(g(), push);
  EXPECT_EQ(fx(push).FRAME, 2);  // wrapped below 0
  EnemyShot &c = g().enemies.ESHOT[6];
  c.FLAG = 1, c.MODE = 15;
  int pull = Spawn(6, 35);
  EXPECT_EQ(fx(pull).SHEET, 53);
  for (int k = 0; k < 9; ++k) UpdateEffect(g(), pull);
  EXPECT_EQ(fx(pull).FRAME, 0);  // forwards, wrapped after 2
  b.FLAG = 0;
  UpdateEffect(g(), push);
  EXPECT_EQ(fx(push).FLAG, 0);
  EXPECT_EQ(fx(pull).FLAG, 1);
}

TEST_F(EffectsTest, TheWarningBlinksAndSilencesEverythingElse) {
  int i = Spawn(1, 50);
  EXPECT_EQ(fx(i).TEXT, "WARNING !!");
  EXPECT_EQ(SoundsPlayed(17), 1);
  EXPECT_EQ(g().audio.SNDLOCK, 150);
  PlaySound(g(), 2);
  EXPECT_EQ(SoundsPlayed(2), 0);
  EXPECT_EQ(fx(i).V[6], 12);
  for (int k = 0; k < 6; ++k) UpdateEffect(g(), i);
  EXPECT_EQ(fx(i).V[6], 15);
  for (int k = 0; k < 6; ++k) UpdateEffect(g(), i);
  EXPECT_EQ(fx(i).V[6], 12);
  EXPECT_EQ(Lifetime(i) + 12, 101);
}

TEST_F(EffectsTest, TheOtherMessagesLastTheirTimes) {
  int clear = Spawn(1, 51);
  EXPECT_EQ(fx(clear).TEXT, "MISSION COMPLETE");
  EXPECT_EQ(fx(clear).V[6], 11);
  for (int k = 0; k < 3; ++k) UpdateEffect(g(), clear);
  EXPECT_EQ(fx(clear).V[6], 15);
  EXPECT_EQ(Lifetime(clear) + 3, 201);
  int first = Spawn(9, 52), second = Spawn(9, 53);
  EXPECT_EQ(fx(first).Y, 170);
  EXPECT_EQ(fx(second).Y, 200);
  EXPECT_EQ(fx(first).V[6], 15);
  EXPECT_EQ(Lifetime(first), 300);
  EXPECT_EQ(Lifetime(second), 200);
  EXPECT_EQ(g().audio.SNDLOCK, 0);
}

TEST_F(EffectsTest, TheFlyByShipClimbsAwayAndItsFlashFillsThePicture) {
  int i = Spawn(0, 300);
  int n = 0;
  while (fx(i).KIND == 300 && fx(i).FLAG != 0 && n < 1000) {
    UpdateEffect(g(), i), ++n;
    if (fx(i).DY == 0 && SoundsPlayed(6) == 0) ADD_FAILURE() << "stopped growing without its sound";
  }
  EXPECT_EQ(SoundsPlayed(6), 1);
  EXPECT_EQ(SoundsPlayed(3), 1);
  int flash = -1;
  for (int k = 0; k < 30; ++k)
    if (fx(k).FLAG != 0 && fx(k).KIND == 301) flash = k;
  ASSERT_GE(flash, 0);
  EXPECT_EQ(g().enemies.WORK[10], 0);
  int life = Lifetime(flash);
  EXPECT_GT(life, 15);
  EXPECT_LT(life, 100);
  EXPECT_EQ(g().enemies.WORK[10], 1);
  EXPECT_EQ(g().surf.MASTER[0].at(240, 240), 0xFFFFFFu);
}

// The shop stand-in: leaves at its third step and counts the steps.
int shopSteps = 0;
int shopTimeSeen = 0;
void ThreeStepShop(Game &game, int time) {
  shopTimeSeen = time;
  if (++shopSteps == 3) game.shell.PHASE = 99;
}

TEST_F(EffectsTest, TheShopShipOpensTheShopOnceAndOnlyInPlay) {
  shopSteps = 0;
  g().effects.shopStep = &ThreeStepShop;
  g().stage.STAGETIME = 1400;
  int i = Spawn(1, 30);
  fx(i).X = 200, fx(i).Y = 380;
  p().PX = 220, p().PY = 400;
  p().PSTATE = 1;  // still entering: nothing
  UpdateEffect(g(), i);
  EXPECT_EQ(shopSteps, 0);
  p().PSTATE = 0;
  UpdateEffect(g(), i);
  EXPECT_EQ(shopSteps, 3);
  EXPECT_EQ(shopTimeSeen, 1400);
  EXPECT_EQ(p().PSTAT[10], 30);
  EXPECT_EQ(p().INVUL, -1);
  EXPECT_EQ(fx(i).DY, 6);
  EXPECT_TRUE(t.host.menuEnabled[static_cast<int>(MenuItem::Reset)]);
  UpdateEffect(g(), i);  // still touching: a second visit does not open
  EXPECT_EQ(shopSteps, 3);
  int n = Lifetime(i);
  EXPECT_LE(n, 20);  // it leaves at the bottom
  g().effects.shopStep = nullptr;
}

TEST_F(EffectsTest, TheShopShipAppearsAtAnEdgeAndDriftsByUntouched) {
  g().stage.STAGETIME = 2800;
  int i = Spawn(1, 30);
  EXPECT_TRUE(fx(i).X == 32 || fx(i).X == 400);
  EXPECT_EQ(fx(i).Y, -50);
  EXPECT_EQ(fx(i).V[5], 2800);
  p().PX = fx(i).X == 32 ? 400 : 32;
  int frames = Lifetime(i);
  EXPECT_EQ(frames, 177);  // (480 + 50) / 3, leaving once below the field
}

}  // namespace
}  // namespace qel
