#include "enemy/blocks.h"

#include <cmath>

#include "effects/effects.h"
#include "game.h"
#include "platform/random.h"
#include "platform/rounding.h"
#include "platform/sound.h"

namespace qel {

namespace {

// A counter that keeps counting while its shot waits stops at the top of a 16-bit count.
constexpr int kCounterMax = 32767;

bool EvenFrame(const Game &g) { return g.shell.FRAMECNT % 2 == 0; }

}  // namespace

bool StartDelay(Enemy &e) {
  if (e.CNT[kStartDelay] <= 0) return false;
  if (--e.CNT[kStartDelay] < 1) e.CNT[kStartDelay] = 0, e.NOHIT = 0;
  return true;
}

void CountShotTimer(Enemy &e) {
  if (e.CNT[kShotCount] < kCounterMax) ++e.CNT[kShotCount];
}

bool TakeShot(Enemy &e, bool allowed) {
  if (!allowed || !(e.CNT[kShotInterval] < e.CNT[kShotCount])) return false;
  e.CNT[kShotCount] = 0;
  return true;
}

bool ShotTimer(Enemy &e, bool allowed) {
  CountShotTimer(e);
  return TakeShot(e, allowed);
}

void AnimateTwoFrames(const Game &g, Enemy &e) {
  if (EvenFrame(g)) e.FRAME = 1 - e.FRAME;
}

void AnimateFourFrames(const Game &g, Enemy &e) {
  if (EvenFrame(g)) e.FRAME = e.FRAME >= 3 ? 0 : e.FRAME + 1;
}

void Leave(Enemy &e) {
  if ((e.X < -e.W && e.DX < 0) || (e.X > 480 && e.DX > 0) || (e.Y < -e.H && e.DY < 0) ||
      (e.Y > 480 && e.DY > 0))
    e.FLAG = 0;
}

void Bounce(Enemy &e, double lo, double hi) {
  if ((e.X < lo && e.DX < 0) || (e.X > hi && e.DX > 0)) e.DX = -e.DX;
}

double Aim(const Game &g, const Enemy &e) {
  double a = AngleTo(e.X + 16, e.Y + 16, g.player.PX + 16, g.player.PY + 16);
  if (a < -180) a += 360;
  if (a > 180) a -= 360;
  return a;
}

// The remainder is taken the Euclidean way, so that a heading wound up over many turns still
// turns the short way round. Taking whole turns off first changes nothing in the rounding
// (360 is even) and keeps any heading in range.
int SteerDifference(double target, double heading) {
  int whole = RoundHalfEven(std::fmod(target - heading + 720, 360));
  int d = ((whole % 360) + 360) % 360;
  return d > 180 ? d - 360 : d;
}

void Steer(Game &g, Enemy &e, double fx, double fy) {
  double a = AngleTo(e.X + 16, e.Y + 16, g.player.PX + 16, g.player.PY + 16);
  double &heading = e.VAL[kHeading];
  double turn = e.VAL[kTurnRate];
  int d = SteerDifference(a, heading);
  if (d > turn) heading += turn;
  else if (d < -turn) heading -= turn;
  else heading = a;
  e.DX = RoundHalfEven(fx * std::cos(heading * kBehaviourRadians));
  e.DY = RoundHalfEven(fy * std::sin(heading * kBehaviourRadians));
}

void Weave(Enemy &e, double amplitude) {
  double phase = e.VAL[kCurvePhase], step = e.VAL[kWeaveStep];
  e.DX = RoundHalfEven(amplitude * (std::sin(phase + step) - std::sin(phase)));
  e.VAL[kCurvePhase] = phase + step;
}

void Fire(Game &g, int i, int mode, int style, SoundEffect sound) {
  if (sound != kSoundNone) PlaySound(g, sound);
  FireEnemyShot(g, i, mode, style);
}

void Burst(Game &g, int i) {
  PlaySound(g, kSoundPop);
  SpawnEffect(g, i, kEffectCentredExplosion);
  FireEnemyShot(g, i, 50, 0);
  g.enemies.ENEMY[i].FLAG = 0;
}

}  // namespace qel
