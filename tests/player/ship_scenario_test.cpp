// The ship flown with keys through whole passes of the game.
#include <gtest/gtest.h>

#include <vector>

#include "ship_test_support.h"

namespace qel {
namespace {

using ShipKeys = test::ShipTest;

TEST_F(ShipKeys, MovesEightPixelsOnEachAxisAndStopsAtTheEdgesOfTheField) {
  InPlay(224, 240);
  Hold(vk::Left), Hold(vk::Up);
  Passes(1);
  EXPECT_EQ(p().PX, 216);
  EXPECT_EQ(p().PY, 232);
  EXPECT_EQ(p().PBANK, 2);
  Passes(40);
  EXPECT_EQ(p().PX, 0);
  EXPECT_EQ(p().PY, 32);  // the top rows belong to the display
  Release(vk::Left), Release(vk::Up);
  Hold(vk::Right), Hold(vk::Down);
  Passes(1);
  EXPECT_EQ(p().PX, 8);
  EXPECT_EQ(p().PY, 40);
  EXPECT_EQ(p().PBANK, 1);
  Passes(70);
  EXPECT_EQ(p().PX, 448);
  EXPECT_EQ(p().PY, 416);
  Release(vk::Right);
  Passes(1);
  EXPECT_EQ(p().PBANK, 0);
  EXPECT_EQ(p().PX, 448);
}

// Volleys fired while fire is held for 40 passes: the passes they came in and the shots the first
// one made.
struct VolleyLog {
  std::vector<int> passes;
  int firstShots = 0;
};

class HeldFire : public test::ShipTest {
 protected:
  VolleyLog HoldFire(int weapon, int level) {
    InPlay();
    p().PSHOT.fill(PlayerShot{});
    p().WSLOT = 0;
    p().WEAPON[0] = weapon;
    p().WLEVEL[0] = level;
    p().volleyTimer = 66;  // as at a stage start
    Hold('Z');
    VolleyLog log;
    for (int i = 0; i < 40; ++i) {
      Passes(1);
      if (p().volleyTimer != 0) continue;
      if (log.passes.empty()) log.firstShots = LiveShots();
      log.passes.push_back(i);
    }
    Release('Z');
    Passes(1);
    return log;
  }
};

TEST_F(HeldFire, EveryWeaponAtBothLevelsFiresOnceEveryFireWaitFrames) {
  const int waits[9] = {0, 6, 15, 10, 3, 7, 2, 5, 13};
  const int shots[9][2] = {{0, 0}, {1, 3}, {4, 4}, {3, 3}, {2, 4}, {5, 5}, {1, 1}, {5, 5}, {8, 8}};
  for (int weapon = 1; weapon <= 8; ++weapon) {
    for (int level = 1; level <= 2; ++level) {
      VolleyLog log = HoldFire(weapon, level);
      SCOPED_TRACE(testing::Message() << "weapon " << weapon << " level " << level);
      ASSERT_GE(log.passes.size(), 2u);
      EXPECT_EQ(log.passes[0], 0);  // the volley timer had run out long ago
      for (std::size_t k = 1; k < log.passes.size(); ++k)
        EXPECT_EQ(log.passes[k] - log.passes[k - 1], waits[weapon]);
      EXPECT_EQ(log.firstShots, shots[weapon][level - 1]);
    }
  }
}

TEST_F(HeldFire, LettingGoOfFireDoesNotResetTheVolleyTimer) {
  InPlay();
  p().WEAPON[0] = 3;  // ten frames between volleys
  p().WSLOT = 0;
  Hold('Z');
  Passes(1);
  EXPECT_EQ(p().volleyTimer, 0);
  Release('Z');
  Passes(3);
  Hold('Z');
  Passes(1);
  EXPECT_EQ(p().volleyTimer, 4);  // too soon
  Release('Z');
  Passes(20);
  Hold('Z');
  Passes(1);
  EXPECT_EQ(p().volleyTimer, 0);  // at once after a long pause in firing
}

TEST_F(ShipKeys, ChangeSwitchesTheSlotOncePerPressWithItsSound) {
  InPlay();
  p().WEAPON = {1, 5};
  p().WSLOT = 0;
  Hold('X');
  Passes(1);
  EXPECT_EQ(p().WSLOT, 1);
  EXPECT_EQ(SoundsPlayed(10), 1);
  Passes(5);
  EXPECT_EQ(p().WSLOT, 1);
  Release('X');
  Passes(1);
  Hold('X');
  Passes(1);
  EXPECT_EQ(p().WSLOT, 0);
  EXPECT_EQ(SoundsPlayed(10), 2);
}

TEST_F(ShipKeys, ChangeShowsTheNameTagOfTheNewWeapon) {
  if (!EffectsWork()) GTEST_SKIP() << "effects are not built yet";
  InPlay();
  p().WEAPON = {1, 5};
  p().WSLOT = 0;
  g().effects.EFFECT.fill(Effect{});
  Hold('X');
  Passes(1);
  int tags = 0;
  for (const Effect &e : g().effects.EFFECT)
    if (e.FLAG != 0 && e.KIND == 16) {
      ++tags;
      EXPECT_EQ(e.FRAME, 4);  // frame = weapon - 1
    }
  EXPECT_EQ(tags, 1);
}

TEST_F(ShipKeys, PauseComesOnANewPressAndFreezesTheShip) {
  InPlay();
  g().audio.SNDLOCK = 15;
  Hold(vk::Shift);
  Passes(1);
  EXPECT_EQ(g().shell.SCENE, kScenePause);
  EXPECT_EQ(SoundsPlayed(15), 1);  // the sound lock is lifted for it
  Hold(vk::Left);
  Passes(5);
  EXPECT_EQ(g().shell.SCENE, kScenePause);  // still held: no resume
  EXPECT_EQ(p().PX, 224);
  Release(vk::Shift);
  Passes(1);
  Hold(vk::Shift);
  Passes(1);
  EXPECT_EQ(g().shell.SCENE, kScenePlay);
  Passes(1);
  EXPECT_EQ(g().shell.SCENE, kScenePlay);  // the press that resumed does not pause again
  EXPECT_EQ(p().PX, 216);
}

TEST_F(ShipKeys, BombOnlyWithAFullGaugeAndAgainWheneverItRefillsWhileHeld) {
  InPlay();
  p().BOMBKIND = 2;
  p().GAUGE = 99;
  p().PSTAT[2] = 0;
  Hold('C');
  Passes(1);
  EXPECT_EQ(p().GAUGE, 99);
  EXPECT_EQ(LiveShots(), 0);
  p().GAUGE = 100;
  Passes(1);
  EXPECT_EQ(p().GAUGE, 0);
  EXPECT_EQ(SoundsPlayed(18), 1);
  EXPECT_EQ(p().PSHOT[0].KIND, 20);
  p().GAUGE = 100;
  Passes(1);
  EXPECT_EQ(p().GAUGE, 0);
  EXPECT_EQ(LiveShots(), 2);
}

}  // namespace
}  // namespace qel
