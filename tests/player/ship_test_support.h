// A stage in play with the ship under test control, driven by keys or by direct calls.
#pragma once

#include <algorithm>
#include <cstdio>
#include <string>

#include "effects/effects.h"
#include "enemy/enemy.h"
#include "game.h"
#include "player/player.h"
#include "screens/screens.h"
#include "stage/stage_test_support.h"
#include "support/test_game.h"

namespace qel::test {

class ShipTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteAllMaps(t);
    t.StartUp();
    SetUpNewGame(g(), kNewGameStory);
    g().stage.STAGE = 1;
    g().stage.MISSION = 1;
    StartStage(g());
  }

  Game &g() { return t.g(); }
  Player &p() { return g().player; }

  // The ship in play at (x, y), open to hits, its entry flight over.
  void InPlay(double x = 224, double y = 240) {
    p().PSTATE = kShipPlay;
    p().PX = x, p().PY = y;
    p().INVUL = 0;
    p().PSTAT[10] = 0;
  }
  void Passes(int n) { t.RunPasses(n); }
  void Hold(int vk) { t.host.PressKey(vk); }
  void Release(int vk) { t.host.ReleaseKey(vk); }

  int LiveShots() {
    return static_cast<int>(
        std::count_if(p().PSHOT.begin(), p().PSHOT.end(), [](const PlayerShot &s) { return s.FLAG != 0; }));
  }
  int SoundsPlayed(int n) {
    char name[16];
    std::snprintf(name, sizeof name, "s%02d.wav", n);
    return static_cast<int>(std::count(t.host.sounds.begin(), t.host.sounds.end(), t.data.file(name)));
  }

  // A still 32 x 32 target with 100 hit points that shots and bombs can hurt.
  Enemy &PlaceEnemy(int slot, double x, double y) {
    Enemy &e = g().enemies.ENEMY[static_cast<std::size_t>(slot)];
    e = Enemy{};
    e.X = x, e.Y = y, e.W = 32, e.H = 32;
    e.HX2 = 31, e.HY2 = 31;
    e.FLAG = 1, e.HP = 100;
    e.LOCK = -1, e.VULN = -1;
    return e;
  }

  // Whether the enemy side applies damage yet (it is built apart from the ship).
  bool EnemyDamageWorks() {
    Enemy saved = g().enemies.ENEMY[30];
    Enemy &e = PlaceEnemy(30, 0, 0);
    DamageEnemy(g(), 30, 1, 1);
    bool works = e.HP == 99;
    g().enemies.ENEMY[30] = saved;
    return works;
  }
  // Whether effects appear yet (they are built apart from the ship).
  bool EffectsWork() {
    auto saved = g().effects.EFFECT;
    SpawnEffect(g(), 0, 3);
    bool works = std::any_of(g().effects.EFFECT.begin(), g().effects.EFFECT.end(),
                             [](const Effect &e) { return e.FLAG != 0; });
    g().effects.EFFECT = saved;
    return works;
  }

  TestGame t;
};

}  // namespace qel::test
