// The ship in play: movement, bombs, fire, the weapon switch and pause; and the counters that
// run after every state (invulnerability, shield recovery, bomb charge).
#include <algorithm>

#include "effects/effects.h"
#include "game.h"
#include "platform/sound.h"
#include "player/player.h"

namespace qel {

namespace {

constexpr double kShipSpeed = 8;
constexpr double kLeftmost = 0, kRightmost = 448;
constexpr double kTopmost = 32, kBottommost = 416;  // the top 32 rows belong to the display

int Held(const Input &in, int k) { return in.PAD[static_cast<std::size_t>(k)] >= 1 ? 1 : 0; }

// Eight pixels a frame on each axis, diagonals included, inside the field.
void Move(Game &g) {
  Player &p = g.player;
  const Input &in = g.input;
  p.MX = -Held(in, kPadLeft) + Held(in, kPadRight);
  p.MY = -Held(in, kPadUp) + Held(in, kPadDown);
  p.PBANK = p.MX > 0 ? 1 : (p.MX < 0 ? 2 : 0);
  p.PX = std::clamp(p.PX + kShipSpeed * p.MX, kLeftmost, kRightmost);
  p.PY = std::clamp(p.PY + kShipSpeed * p.MY, kTopmost, kBottommost);
}

// A held bomb button bombs again whenever the gauge is exactly full (kept: the button is read
// as held, not as pressed).
void Bomb(Game &g) {
  Player &p = g.player;
  if (g.input.PAD[kPadBomb] != 1 || p.GAUGE != 100) return;
  p.GAUGE = 0;
  ReleaseBomb(g);
}

// Holding fire gives one volley every FIREWAIT frames; letting go does not reset the count, so
// the first volley after a pause in firing comes at once (kept). The count saturates.
void Fire(Game &g) {
  Player &p = g.player;
  AdvanceVolleyTimer(p);
  if (g.input.PAD[kPadShot] != 1 || p.volleyTimer < FireWait(p, ActiveWeapon(p))) return;
  p.volleyTimer = 0;
  FireVolley(g);
}

void ChangeWeapon(Game &g) {
  Player &p = g.player;
  if (!Pressed(g.input, kPadChange)) return;
  p.WSLOT = 1 - ActiveSlot(p);
  PlaySound(g, kSoundSwitch);
  SpawnEffect(g, ActiveWeapon(p), kEffectWeaponFigure);  // the weapon's name tag at the ship
}

void Pause(Game &g) {
  if (Pressed(g.input, kPadPause)) EnterPause(g);
}

void RunPlay(Game &g) {
  Input &in = g.input;
  Move(g);
  Bomb(g);
  Fire(g);
  ChangeWeapon(g);
  Pause(g);
  in.PADOLD[kPadChange] = in.PAD[kPadChange];
  in.PADOLD[kPadPause] = in.PAD[kPadPause];
}

void RunState(Game &g) {
  switch (g.player.PSTATE) {
    case kShipPlay: RunPlay(g); break;
    case kShipEntering: RunEntryFlight(g); break;
    case kShipFalling: RunFallingWreck(g); break;
    case kShipWrecked: RunWreckWait(g); break;
    case kShipDescending: RunFinalDescent(g); break;
    case kShipFlyOutStart: StartFlyOut(g); break;
    case kShipFlyingOut: RunFlyOut(g); break;
    case kShipFinalStart: StartFinalFlyOut(g); break;
    case kShipFinalFlyOut: RunFinalFlyOut(g); break;
    case kShipGone: RunWaitAfterFlyOut(g); break;
    default: break;
  }
}

void CountDownInvulnerability(Player &p) {
  if (p.PSTAT[kStatInvulnerable] <= 0 || p.INVUL != -1) return;
  p.PSTAT[kStatInvulnerable] -= 1;
  if (p.PSTAT[kStatInvulnerable] > 0) return;
  p.PSTAT[kStatInvulnerable] = 0;
  p.INVUL = 0;
}

// One shield point every PSTAT(5) + 1 frames of play.
void RecoverShield(Player &p) {
  if (p.PSTATE != kShipPlay || p.SHIELD >= p.SHIELDMAX) return;
  p.PSTAT[kStatRecoveryCount] += 1;
  if (p.PSTAT[kStatRecoveryCount] <= p.PSTAT[kStatRecoveryInterval]) return;
  p.PSTAT[kStatRecoveryCount] = 0;
  p.SHIELD = std::min(p.SHIELD + 1, p.SHIELDMAX);
}

// One gauge point every PSTAT(12) + 1 frames of play.
void ChargeGauge(Game &g) {
  Player &p = g.player;
  if (p.PSTATE != kShipPlay || p.GAUGE >= 100) return;
  p.PSTAT[kStatChargeCount] += 1;
  if (p.PSTAT[kStatChargeCount] <= p.PSTAT[kStatChargeInterval]) return;
  p.PSTAT[kStatChargeCount] = 0;
  AddBombGauge(g, 1);
}

}  // namespace

void EnterPause(Game &g) {
  g.input.PADOLD[kPadPause] = 1;
  g.audio.SNDLOCK = 0;
  PlaySound(g, kSoundConfirm);
  g.shell.SCENE = kScenePause;
}

void UpdatePlayer(Game &g) {
  RunState(g);
  CountDownInvulnerability(g.player);
  RecoverShield(g.player);
  ChargeGauge(g);
}

}  // namespace qel
