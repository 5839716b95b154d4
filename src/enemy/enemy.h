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
  std::array<int, 21> CNT{};     // work counters (the shared roles: EnemyCounter)
  std::array<double, 21> VAL{};  // work values (the shared roles: EnemyValue)
  int NOHIT = 0, PRIO = 0, NORAM = 0, CORE = 0, LOCK = 0, VULN = 0, BOSS = 0;
};

// The work counters whose roles the building blocks of behaviour, the bullets, the damage rules
// and the bosses share. The numbers are those of the play state, and so of every replay; what a
// behaviour keeps in the other counters is its own.
enum EnemyCounter : int {
  kPhase = 0,          // the step of its behaviour; a boss attacks from 1 on, and a dying one
                       // counts its frames here
  kShotInterval = 1,   // a shot is due when the shot count passes this
  kShotCount = 2,      // frames counted towards the next shot
  kPartPlace = 5,      // a boss part: its place on the boss (the position it was created at)
  kFormerMode = 5,     // a dying boss: the MODE it had
  kBlastSound = 7,     // a dying boss: the sound of its blasts
  kStartDelay = 8,     // frames before it moves; it cannot be hit until they have run out
  kShotSpeed = 10,     // the speed of its bullets; its needles start this far above its bottom
  kShotDown = 11,      // 1: its aimed bullets go straight down, fanned as usual
  kZigzagTurns = 11,   // the turns of its zig-zag lasers
  kDamagedBelow = 12,  // a stage boss: the hit points below which its damaged phase begins
  kDamaged = 13,       // a boss: 1 in its damaged phase
  kHitFlash = 15,      // frames of the white flash of a hit
  kTimeOut = 18,       // a stage boss: frames until its damaged phase begins anyway
};

// The work values whose roles the building blocks share.
enum EnemyValue : int {
  kCurvePhase = 1,  // the phase of a weave, a sway, a bob or an ellipse, in radians
  kWeaveStep = 2,   // a weaving enemy: what its phase moves in a frame
  kHeading = 2,     // a homing enemy: the way it flies, in degrees
  kTurnRate = 3,    // a homing enemy: the most it turns in a frame, in degrees
};

// The modes of a destroyed boss and of its parts while they explode (set by DamageEnemy). They
// are no enemy types: nothing is created in them.
enum DyingMode : int { kDyingBoss = 300, kDyingPart = 302 };

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
