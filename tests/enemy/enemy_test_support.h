// A game with an empty enemy table, the ship in the lower middle and nothing else going on.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "enemy/enemy.h"
#include "game.h"
#include "support/test_game.h"

namespace qel::test {

class EnemyTest : public ::testing::Test {
 protected:
  EnemyTest() {
    for (int i = 0; i < kEnemySlots; ++i) en().ENORDER[i] = i;
    p().PX = 224, p().PY = 400, p().INVUL = 0;
    g().settings.DIFF = 1;
    en().RANK = 1;
  }

  Game &g() { return t.g(); }
  Enemies &en() { return t.g().enemies; }
  Player &p() { return t.g().player; }
  Enemy &E(int i) { return t.g().enemies.ENEMY[i]; }
  EnemyShot &B(int k) { return t.g().enemies.ESHOT[k]; }

  // Spawns and returns the slot it went to (-1 if none).
  int Spawn(int type, int pos = 0) {
    int slot = FindFreeEnemy(g());
    SpawnEnemy(g(), pos, type);
    return slot >= 0 && E(slot).FLAG != 0 && E(slot).MODE == type ? slot : -1;
  }
  void Update(int i) { UpdateEnemy(g(), i, E(i).MODE); }
  void UpdateShot(int k) { UpdateEnemyShot(g(), k); }
  void NextFrame() { g().shell.FRAMECNT = (g().shell.FRAMECNT + 1) & 255; }

  int LiveShots() {
    int n = 0;
    for (const EnemyShot &s : en().ESHOT) n += s.FLAG != 0;
    return n;
  }
  int LiveEnemies() {
    int n = 0;
    for (const Enemy &e : en().ENEMY) n += e.FLAG != 0;
    return n;
  }
  bool SoundPlayed(int n) {
    std::string name = (n < 10 ? "s0" : "s") + std::to_string(n) + ".wav";
    for (const std::string &s : t.host.sounds)
      if (s.size() >= name.size() && s.compare(s.size() - name.size(), name.size(), name) == 0) return true;
    return false;
  }

  TestGame t;
};

}  // namespace qel::test
