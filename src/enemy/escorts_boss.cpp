// The escorts that fly around a boss, types 105..110.
#include "effects/effects.h"
#include "enemy/boss_behaviour.h"
#include "enemy/types.h"
#include "game.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "stage/stage.h"

namespace qel {

namespace {

Enemy &Slot(Game &g, int i) { return g.enemies.ENEMY[i]; }

// Turns the corner of its rectangle when it gets there.
void Type106Corner(Enemy &e) {
  switch (e.CNT[kPhase]) {
    case 0:
      if (e.Y < 32) e.Y = 32, e.DX = -1, e.DY = 0, e.CNT[kPhase] = 1;
      break;
    case 1:
      if (e.X < 32) e.X = 32, e.DX = 0, e.DY = 1, e.CNT[kPhase] = 2;
      break;
    case 2:
      if (e.Y > 416) e.Y = 416, e.DX = 1, e.DY = 0, e.CNT[kPhase] = 3;
      break;
    default:
      if (e.X > 416) e.X = 416, e.DX = 0, e.DY = -1, e.CNT[kPhase] = 0;
      break;
  }
}

// The last of the eight hunts the ship and bursts when its time is up.
bool Type109Hunt(Game &g, int i, Enemy &e) {
  Steer(g, e, 5, 5);
  e.X += e.DX, e.Y += e.DY;
  if (--e.CNT[8] >= 0) return false;
  PlaySound(g, kSoundBlast);
  SpawnEffect(g, i, kEffectCentredExplosion);
  FireEnemyShot(g, i, 50, 0);
  e.FLAG = 0;
  g.enemies.WORK[5] = 0;
  return true;
}

}  // namespace

namespace behave {

// The box bouncer: moves, then stands and fires five aimed shots.
void Type105(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (e.CNT[kPhase] == 0) {
    e.X += e.CNT[5] * e.DX, e.Y += e.CNT[5] * e.DY;
    Bounce(e, 0, 448);
    if ((e.Y < 32 && e.DY < 0) || (e.Y > 96 && e.DY > 0)) e.DY = -e.DY;
    CountShotTimer(e);
    if (e.CNT[kShotInterval] < e.CNT[kShotCount]) e.CNT[4] = 0, e.CNT[kPhase] = 1;
    return;
  }
  ++e.CNT[4];
  if (e.CNT[4] % 3 == 0) Fire(g, i, 6, 1);
  if (e.CNT[4] > 15) e.CNT[kShotCount] = 0, e.CNT[kPhase] = 0;
}

// The rectangle patrol: fires straight into the rectangle at an uneven rhythm.
void Type106(Game &g, int i) {
  static constexpr int kInward[4] = {22, 20, 23, 21};
  Enemy &e = Slot(g, i);
  if (StartDelay(e)) return;
  e.X += e.CNT[5] * e.DX, e.Y += e.CNT[5] * e.DY;
  Type106Corner(e);
  CountShotTimer(e);
  if (e.CNT[kShotInterval] < e.CNT[kShotCount]) {
    e.CNT[kShotCount] = RandomRange(g, 0, 10);
    Fire(g, i, kInward[e.CNT[kPhase] & 3], 0, kSoundNeedle);
  }
  AnimateTwoFrames(g, e);
}

// The shuttle: comes down to its line, then shuttles along it.
void Type107(Game &g, int i) {
  Enemy &e = Slot(g, i);
  e.Y += e.DY;
  e.X += e.CNT[5] * e.DX;
  CountShotTimer(e);
  if (e.Y > 64 && e.DY != 0) e.Y = 64, e.DY = 0, e.DX = e.CNT[6], e.VULN = -1, e.LOCK = -1;
  Bounce(e, 0, 448);
  AnimateTwoFrames(g, e);
  if (TakeShot(e)) Fire(g, i, 16, 0, kSoundBossFire);
}

// The gun pod: stops at its height and fires.
void Type108(Game &g, int i) {
  Enemy &e = Slot(g, i);
  e.Y += e.DY;
  CountShotTimer(e);
  if (e.Y > e.CNT[5]) e.Y = e.CNT[5], e.DY = 0;
  AnimateTwoFrames(g, e);
  if (TakeShot(e)) Fire(g, i, 25, 0, kSoundZigZag);
}

// A ground escort of the mother computer: rides down, opens, and fires faster as its
// fellows fall.
void Type109(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (e.CNT[kPhase] == 0) {
    e.Y += 1;
    if (g.stage.LSPEED[kFar] == 0) e.CNT[kPhase] = 1;
    return;
  }
  if (e.CNT[kPhase] == 1) {
    if (++e.CNT[2] > 4) e.CNT[2] = 0, ++e.FRAME;
    if (e.FRAME > 3) e.CNT[2] = 0, e.FRAME = 3, e.NOHIT = 0, e.CNT[kPhase] = 2;
    return;
  }
  int left = g.enemies.WORK[5];
  if (left == 2) e.CNT[kShotInterval] = 30;
  if (left == 1) {
    e.CNT[kShotInterval] = 20;
    if (Type109Hunt(g, i, e)) return;
  }
  CountShotTimer(e);
  if (!(e.CNT[kShotInterval] < e.CNT[kShotCount])) return;
  Fire(g, i, 6, 2);
  e.CNT[kShotSpeed] = RandomRange(g, 10, 15), e.CNT[kShotCount] = RandomRange(g, 0, 10);
}

// The hatch over the core: broken, it lies open for a while, then rebuilds frame by frame.
void Type110(Game &g, int i) {
  Enemy &e = Slot(g, i);
  switch (e.CNT[kPhase]) {
    case 0:
      e.Y += 2;
      if (g.stage.LSPEED[kPicture] == 0) e.VULN = -1, e.CNT[kPhase] = 1;
      break;
    case 2:
      if (++e.CNT[2] > 61) e.HP = 25, e.ROW = 0, e.CNT[2] = 0, e.FRAME = 3, e.CNT[kPhase] = 3;
      break;
    case 3:
      if (++e.CNT[2] > 5) e.CNT[2] = 0, --e.FRAME;
      if (e.FRAME < 1) e.CNT[2] = 0, e.VULN = -1, e.NOHIT = 0, e.CNT[kPhase] = 1;
      break;
    default: break;
  }
}

}  // namespace behave

}  // namespace qel
