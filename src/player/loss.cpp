// Damage to the ship, and the loss of a ship: the falling wreck, its burst and what follows.
#include <cmath>
#include <cstdint>

#include "effects/effects.h"
#include "game.h"
#include "platform/sound.h"
#include "player/player.h"
#include "shell/transition.h"
#include "stage/render.h"
#include "stage/stage.h"

namespace qel {

namespace {

constexpr int kFallFrames = 60;
constexpr int kWreckWait = 100;

// A surviving ship cannot be hit again for a moment: a beam resting on it hurts every second
// frame, other hits every tenth; the blink system stretches both (but not the sound lock).
void AfterSurvivedHit(Game &g, int damage, int persistent) {
  Player &p = g.player;
  bool blink = p.SYSTEM == 13;
  PlaySound(g, kSoundDamage);
  if (persistent != 0) {
    p.PSTAT[kStatInvulnerable] = blink ? 6 : 2;
  } else {
    p.PSTAT[kStatInvulnerable] = blink ? 20 : 10;
    g.audio.SNDLOCK = 10;
  }
  p.INVUL = -1;
  p.PSTAT[kStatRedShield] = 5;
  double charge = p.SYSTEM == 12 ? 3 : 1.5;
  AddBombGauge(g, static_cast<int>(std::floor(damage * charge)));
}

// Spin frames of the falling wreck: level, right, level, left.
void SpinWreck(Player &p) {
  p.PSTAT[kStatSpin] += 1;
  switch (static_cast<int>(p.PSTAT[kStatSpin])) {
    case 1: p.PBANK = 1; break;
    case 2: p.PBANK = 0; break;
    case 3: p.PBANK = 2; break;
    case 4:
      p.PBANK = 0;
      p.PSTAT[kStatSpin] = 0;
      break;
    default: break;
  }
}

void BurstWreck(Game &g) {
  Player &p = g.player;
  p.PBANK = 10;  // no frame: the ship is gone
  g.audio.SNDLOCK = 0;
  PlaySound(g, kSoundBigBlast);
  g.audio.SNDLOCK = 60;
  SpawnEffect(g, 0, kEffectShipExplosion);
  p.PSTATE = kShipWrecked;
  p.PSTAT[kStatFalling] = p.PSTAT[kStatSpin] = 0;
}

// Another ship from the reserve starts the stage again, full, at the cost of half the score
// unless a keep pack is held.
void RestartWithNextShip(Game &g) {
  Player &p = g.player;
  p.CREDIT -= 1;
  p.SHIELD = p.SHIELDMAX;
  p.GAUGE = 100;
  if (p.KEEP == -1) p.KEEP = 0;
  else p.SCORE = static_cast<int>(std::floor(p.SCORE / 2.0));
  StartStageRevealed(g);
}

}  // namespace

// Several bullets may still hit in the frame the ship is lost, each with its figure and another
// stop of the music (kept: harmless, and the wreck takes over in the next frame).
void HitPlayer(Game &g, int damage, int persistent) {
  if (g.config.invincible) return;
  Player &p = g.player;
  p.SHIELD -= damage;
  SpawnEffect(g, damage, kEffectDamageFigure);
  // A hit halves the progress towards the next restored point.
  if (p.PSTAT[kStatRecoveryCount] > 0)
    p.PSTAT[kStatRecoveryCount] = std::floor(p.PSTAT[kStatRecoveryCount] / 2);
  if (p.SHIELD > 0) {
    AfterSurvivedHit(g, damage, persistent);
    return;
  }
  p.SHIELD = 0;
  PlayMusic(g, kMusicSilence);
  p.PSTATE = kShipFalling;
  p.MY = 0;
}

void RunFallingWreck(Game &g) {
  Player &p = g.player;
  p.INVUL = -1;
  p.PY += p.MY;
  // The fall speeds up on passes whose clock reading is a multiple of 5 (kept: it gives each
  // fall its own shape).
  if (p.MY < 10 && static_cast<std::uint32_t>(g.shell.FRAMESTART) % 5 == 0) p.MY += 1;
  if (p.PY > 416) p.PY = 416;
  p.PSTAT[kStatFalling] += 1;
  if (static_cast<long>(p.PSTAT[kStatFalling]) % 2 == 0) PlaySound(g, kSoundBlast);
  SpawnEffect(g, 0, kEffectShipBlast);
  SpinWreck(p);
  if (p.PSTAT[kStatFalling] > kFallFrames) BurstWreck(g);
}

void RunWreckWait(Game &g) {
  Player &p = g.player;
  p.PSTAT[kStatSpin] += 1;
  if (p.PSTAT[kStatSpin] <= kWreckWait) return;
  Transition(g, 3);
  if (p.CREDIT < 1) {
    g.shell.SCENE = kSceneGameOver;
    g.shell.PHASE = 0;
    return;
  }
  RestartWithNextShip(g);
}

}  // namespace qel
