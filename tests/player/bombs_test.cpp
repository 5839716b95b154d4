// The three bombs.
#include <gtest/gtest.h>

#include "ship_test_support.h"

namespace qel {
namespace {

class Bombs : public test::ShipTest {
 protected:
  void SetUp() override {
    test::ShipTest::SetUp();
    InPlay();
    p().GAUGE = 100;
    g().input.PAD[kPadBomb] = 1;  // the player update reads the pad as the frame left it
  }
  void Bomb(int kind) {
    p().BOMBKIND = kind;
    UpdatePlayer(g());
  }
};

TEST_F(Bombs, GigaCrashFlashesLocksTheSoundAndClearsTheBullets) {
  auto &bullets = g().enemies.ESHOT;
  for (EnemyShot &b : bullets) b.FLAG = 1;
  Bomb(0);
  EXPECT_EQ(p().GAUGE, 0);
  EXPECT_EQ(SoundsPlayed(12), 1);
  EXPECT_EQ(g().audio.SNDLOCK, 20);
  EXPECT_EQ(p().PSTAT[7], 3);
  for (int k = 0; k <= 30; ++k) EXPECT_EQ(bullets[static_cast<std::size_t>(k)].FLAG, 0) << k;
  EXPECT_EQ(bullets[31].FLAG, 1);  // enemy bullets never use the slots above 30
}

TEST_F(Bombs, GigaCrashHurtsEveryEnemyThatCanBeHurtForNoPoints) {
  if (!EnemyDamageWorks()) GTEST_SKIP() << "enemy damage is not built yet";
  PlaceEnemy(0, 0, 100);
  PlaceEnemy(7, 400, 300);
  PlaceEnemy(8, 200, 200).NOHIT = -1;
  Enemy &dies = PlaceEnemy(9, 100, 100);
  dies.HP = 5, dies.PTS = 300, dies.MODE = 1;
  g().settings.DIFF = 1;
  p().SCORE = 0;
  Bomb(0);
  EXPECT_EQ(g().enemies.ENEMY[0].HP, 95);
  EXPECT_EQ(g().enemies.ENEMY[7].HP, 95);
  EXPECT_EQ(g().enemies.ENEMY[8].HP, 100);
  EXPECT_EQ(dies.FLAG, 0);
  EXPECT_EQ(p().SCORE, 0);
}

TEST_F(Bombs, HealForceCallsUpTheAuraAndAnUnknownBombJustEmptiesTheGauge) {
  if (EffectsWork()) {
    Bomb(1);
    int auras = 0;
    for (const Effect &e : g().effects.EFFECT) auras += e.FLAG != 0 && e.KIND == 40 ? 1 : 0;
    EXPECT_EQ(auras, 1);
  }
  p().GAUGE = 100;
  Bomb(5);
  EXPECT_EQ(p().GAUGE, 0);
  EXPECT_EQ(p().PSHOT[0].FLAG, 0);
}

}  // namespace
}  // namespace qel
