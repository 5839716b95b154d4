// The enemy table and the enemy bullets.
#pragma once

#include <array>

#include "platform/hit_box.h"
#include "platform/rounding.h"

namespace qel {

struct Game;

// One enemy, boss, escort or boss part. Yes/no fields hold -1 for yes and 0 for no.
struct Enemy {
  double X = 0, Y = 0, DX = 0, DY = 0;
  int W = 0, H = 0;
  double HX1 = 0, HY1 = 0;
  int HX2 = 0, HY2 = 0;
  int ROW = 0, SHEET = 0, FLAG = 0, HP = 0, PTS = 0, MODE = 0, FRAME = 0;
  std::array<int, 21> CNT{};     // work counters; 13 is 1 in a boss's damaged phase, 15 the hit flash
  std::array<double, 21> VAL{};  // work values
  int NOHIT = 0, PRIO = 0, NORAM = 0, CORE = 0, LOCK = 0, VULN = 0, BOSS = 0;
};

// One enemy bullet.
struct EnemyShot {
  double X = 0, Y = 0;
  int W = 0, H = 0;
  double DX = 0, DY = 0, HX1 = 0, HY1 = 0;
  int HX2 = 0, HY2 = 0, ROW = 0, SYOFF = 0, SHEET = 0, FLAG = 0, MODE = 0, PERSIST = 0, DMG = 0;
  double ANG = 0;
  std::array<int, 21> CNT{};
  int FRAME = 0, NOHIT = 0, ERASE = 0;
};

constexpr int kEnemySlots = 31;
// Bullets are only ever made in the first 30 slots of ESHOT.
constexpr int kEnemyShotsMade = 30;

struct Enemies {
  std::array<Enemy, 31> ENEMY{};
  std::array<int, 31> ENORDER{};
  int ENMAX = 30;
  int RANK = 1;
  std::array<int, 11> WORK{};
  std::array<EnemyShot, 61> ESHOT{};
};

// The box an enemy is hit by player shots and rams the ship with: its edges rounded to whole
// pixels.
inline HitBox EnemyHitBox(const Enemy &e) {
  HitBox box;
  box.left = RoundHalfEven(e.X + e.HX1), box.top = RoundHalfEven(e.Y + e.HY1);
  box.right = RoundHalfEven(e.X + e.HX2), box.bottom = RoundHalfEven(e.Y + e.HY2);
  return box;
}
// The box an enemy bullet hits the ship with.
inline HitBox EnemyShotHitBox(const EnemyShot &b) {
  return {b.X + b.HX1, b.Y + b.HY1, b.X + b.HX2, b.Y + b.HY2};
}

// One enemy of the debug spawn (--spawn), created through SpawnEnemy when the clock reaches 0.
struct DebugSpawn {
  int type = 0;
  int pos = 0;
};

// The lowest free slot up to ENMAX, or -10 when every one is taken.
int FindFreeEnemy(Game &g);
// Creates the enemy of this type at this formation position in the lowest free slot. A type or
// position the catalogue has no entry for creates nothing.
void SpawnEnemy(Game &g, int pos, int type);
// Puts ENORDER in drawing order.
void SortEnemies(Game &g);
// Damage to enemy index; kind 0 is an ordinary player shot, anything else earns no points.
void DamageEnemy(Game &g, int index, int damage, int kind);
// A bullet of this mode and style from enemy source.
void FireEnemyShot(Game &g, int source, int mode, int style);
// One frame of enemy i, by its behaviour mode.
void UpdateEnemy(Game &g, int i, int mode);
// One frame of bullet i.
void UpdateEnemyShot(Game &g, int i);

}  // namespace qel
