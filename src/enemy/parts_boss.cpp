// The boss parts 200..211: fixed to the boss's body, firing under their own conditions.
#include "enemy/boss_behaviour.h"
#include "enemy/types.h"
#include "game.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "stage/stage.h"

namespace qel {

namespace {

// Where a fixed part sits on its boss and what it fires.
struct PartPlace {
  int dy;
  int count;  // positions with a dx; others keep their X
  int dx[6];
  SoundEffect sound;
  int mode, style;
};

constexpr PartPlace kPlaces[10] = {
    {10, 2, {-40, 46}, kSoundNeedle, 30, 3},                          // 200
    {-39, 2, {-40, 46}, kSoundNone, 6, 4},                            // 201
    {50, 6, {-28, 28, -59, 59, -90, 90}, kSoundNeedle, 30, 3},        // 202
    {30, 2, {-121, 121}, kSoundThunder, 56, 1},                       // 203
    {20, 4, {-58, 38, -115, 95}, kSoundCannon, 18, 0},                // 204
    {-20, 2, {-190, 150}, kSoundNone, 0, 0},                          // 205
    {-10, 2, {-20, 84}, kSoundThunder, 56, 0},                        // 206
    {5, 2, {-48, 50}, kSoundZigZag, 25, 11},                          // 207
    {-20, 2, {-112, 98}, kSoundThunder, 55, 10},                      // 208
    {-10, 6, {-64, 50, -120, 106, -176, 161}, kSoundThunder, 55, 0},  // 209
};

// The boss all parts follow, or nullptr when WORK(0) names no slot.
const Enemy *Boss(const Game &g) {
  int b = g.enemies.WORK[0];
  if (b < 0 || b >= kEnemySlots) return nullptr;
  return &g.enemies.ENEMY[b];
}

// Sits on the boss and tells whether it may fire.
bool FiresNow(const Game &g, const Enemy &e, const Enemy &b) {
  bool active = b.CNT[kPhase] > 0;
  switch (e.MODE) {
    case 200:
    case 206: return active && e.FRAME == 0;
    case 201:
    case 202: return active && e.FRAME < 2;
    case 203: return active && e.FRAME < 2 && g.stage.MAPSET > 0;
    case 207: return b.CNT[kPhase] != 0 && e.FRAME == 0;
    case 208:
    case 209: return b.CNT[kPhase] != 0 && e.FRAME <= 1;
    default: return false;
  }
}

void Place(Enemy &e, const Enemy &b, const PartPlace &p) {
  e.Y = b.Y + p.dy;
  if (e.CNT[kPartPlace] >= 0 && e.CNT[kPartPlace] < p.count) e.X = b.X + p.dx[e.CNT[kPartPlace]];
}

// Shows that it is about to fire; its shots leave at a random speed.
void Type201Shot(Game &g, int i, Enemy &e) {
  CountShotTimer(e);
  if (e.CNT[kShotInterval] - 3 < e.CNT[kShotCount]) e.FRAME = 1;
  if (!TakeShot(e)) return;
  e.FRAME = 0;
  e.CNT[kShotSpeed] = RandomRange(g, 10, 30);
  Fire(g, i, 6, 4);
}

// Both ride down with the fortress picture until it stops. Returns true while riding.
bool RidePicture(const Game &g, Enemy &e) {
  if (e.CNT[kPhase] != 0) return false;
  e.Y += 2;
  if (g.stage.LSPEED[kPicture] == 0) e.CNT[kPhase] = 1;
  return true;
}

}  // namespace

namespace behave {

// Types 200..209.
void FixedPart(Game &g, int i) {
  Enemy &e = g.enemies.ENEMY[i];
  const Enemy *b = Boss(g);
  if (b == nullptr) return;
  const PartPlace &p = kPlaces[e.MODE - 200];
  Place(e, *b, p);
  if (e.MODE == 204) {
    // Its timer runs even when wrecked (the count stops at its top), so it fires at once if
    // the wreck ever came back.
    CountShotTimer(e);
    if (TakeShot(e, e.FRAME != 2)) Fire(g, i, p.mode, p.style, p.sound);
    return;
  }
  if (e.MODE == 205) {
    // Without a map variant the launchers are idle: no counting at all.
    if (g.stage.MAPSET > 0 && ShotTimer(e)) SpawnEnemy(g, i, 55 + e.CNT[kPartPlace]);
    return;
  }
  if (!FiresNow(g, e, *b)) return;
  if (e.MODE == 201) return Type201Shot(g, i, e);
  if (ShotTimer(e)) Fire(g, i, p.mode, p.style, p.sound);
}

// The missile launcher: opens, launches a homing missile, closes; faster once the core is hurt.
void Type210(Game &g, int i) {
  Enemy &e = g.enemies.ENEMY[i];
  if (RidePicture(g, e)) return;
  const Enemy *b = Boss(g);
  if (b != nullptr && b->CNT[kDamaged] == 1 && e.CNT[kShotInterval] == 20) e.CNT[kShotInterval] = 15;
  ++e.CNT[kShotCount];
  int left = e.CNT[kShotInterval] - e.CNT[kShotCount];
  if (left == 7) e.FRAME = 1;
  if (left == 5) e.FRAME = 2;
  if (left == 3) SpawnEnemy(g, i, 60);
  if (left == 2) e.FRAME = 1;
  if (left < 0) e.CNT[kShotCount] = 0, e.FRAME = 0;
}

// A tracking gun: follows the ship inside its window; once the core is hurt it fires
// streams of eleven aimed shots.
void Type211(Game &g, int i) {
  Enemy &e = g.enemies.ENEMY[i];
  double gap = (e.X + 12) - (g.player.PX + 16);
  e.X -= (gap > 0) - (gap < 0);
  double lo = e.CNT[kPartPlace] != 0 ? 280 : 180;
  if (e.X < lo) e.X = lo;
  if (e.X > lo + 20) e.X = lo + 20;
  if (RidePicture(g, e)) return;
  if (e.CNT[kPhase] == 1) {
    const Enemy *b = Boss(g);
    if (b == nullptr || b->CNT[kDamaged] != 1) return;
    if (++e.CNT[kShotCount] > e.CNT[kShotInterval]) e.CNT[kShotCount] = 0, e.FRAME = 1, e.CNT[kPhase] = 2;
    return;
  }
  Fire(g, i, 6, 2, kSoundBossFire);
  if (++e.CNT[kShotCount] > 10) e.CNT[kShotCount] = 0, e.FRAME = 0, e.CNT[kPhase] = 1;
}

}  // namespace behave

}  // namespace qel
