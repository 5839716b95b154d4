// One frame of each kind of effect.
#include <algorithm>

#include "effects/effects.h"
#include "effects/effects_internal.h"
#include "game.h"
#include "platform/random.h"
#include "platform/sound.h"

namespace qel {

namespace {

// An explosion that plays its frames once: its counter grows by step each frame and the
// frame advances when the counter reaches advanceAt.
struct AnimatedKind {
  int kind;
  bool moves;
  int step, advanceAt, lastFrame;
};

constexpr AnimatedKind kAnimated[] = {
    {kEffectExplosion, true, 1, 3, 4},
    {kEffectCentredExplosion, true, 1, 2, 4},
    {kEffectShipExplosion, true, 2, 6, 4},
    // The timed bosses' and the ship's explosions use four-frame sheets for five frames, so the
    // last frame shows nothing; kept as it always was.
    {kEffectScatteredBlast, false, 2, 4, 5},
    {kEffectFieldBlast, false, 2, 4, 5},
    {kEffectShipBlast, false, 2, 4, 5},
};

constexpr TextEffectKind kTexts[] = {
    {kEffectWarning, 3, 170, 90, 12, 15, 5, 100, "WARNING !!"},
    {kEffectMissionComplete, 3, 200, 50, 11, 15, 2, 200, "MISSION COMPLETE"},
    {kEffectStoryLine1, 3, 170, 20, 15, 0, 0, 299, "１人の若者は、自ら開発した戦闘機「ZOZE」に乗り"},
    {kEffectStoryLine2, 3, 200, 20, 15, 0, 0, 199, "地球を取り戻すべく、メシアに戦いを挑んだ！！"},
};

void Move(Effect &e) {
  e.X += e.DX;
  e.Y += e.DY;
}

void UpdateAnimated(Effect &e, const AnimatedKind &k) {
  if (k.moves) Move(e);
  e.V[0] += k.step;
  if (e.V[0] >= k.advanceAt) ++e.FRAME, e.V[0] = 0;
  if (e.FRAME >= k.lastFrame) EndEffect(e);
}

// Five small bursts scattered over the square where the enemy was.
void UpdateBursts(Game &g, Effect &e) {
  Move(e);
  if (++e.V[0] >= 2) ++e.FRAME, e.V[0] = 0;
  if (e.FRAME < 4) return;
  e.V[0] = 0;
  if (--e.V[4] < 1) {
    EndEffect(e);
    return;
  }
  e.FRAME = 0;
  PlaySound(g, kSoundBlast);
  e.X = RandomRange(g, e.V[5], e.V[5] + 30);
  e.Y = RandomRange(g, e.V[7], e.V[7] + 30);
}

// The damage figure and the weapon tag drift away from the ship for ten frames.
void UpdateFigure(Effect &e) {
  e.Y -= e.DY;
  if (++e.V[0] >= 10) EndEffect(e);
}

// A mine's field turns with its mine and goes when the mine's bullet slot is free. A slot freed
// and taken again within one frame keeps the field alive over the new bullet; kept as it was.
void UpdateMineField(Game &g, Effect &e) {
  int slot = std::clamp(e.V[5], 0, 60);
  if (g.enemies.ESHOT[static_cast<std::size_t>(slot)].FLAG == 0) {
    EndEffect(e);
    return;
  }
  if (++e.V[0] < 3) return;
  e.V[0] = 0;
  if (e.V[6] == 15) e.FRAME = e.FRAME >= 2 ? 0 : e.FRAME + 1;
  else e.FRAME = e.FRAME <= 0 ? 2 : e.FRAME - 1;
}

// The heal force: an aura on the ship that gives back one shield point a frame.
void UpdateHealAura(Game &g, Effect &e) {
  Player &p = g.player;
  e.X = p.PX - 16, e.Y = p.PY - 16;
  if (++e.V[5] >= 2) e.V[5] = 0, e.FRAME = e.FRAME >= 2 ? 0 : e.FRAME + 1;
  PlaySound(g, kSoundBossFire);  // retriggered every frame: the sound is made to shimmer that way
  if (e.V[0] >= 1) {
    p.SHIELD = std::min(p.SHIELD + 1, p.SHIELDMAX);
    --e.V[0];
  }
  if (e.V[0] <= 0) EndEffect(e);
}

void UpdateText(Effect &e, const TextEffectKind &t) {
  ++e.V[0];
  if (t.altColour != 0 && ++e.V[1] > t.blinkAbove) {
    e.V[1] = 0;
    e.V[6] = e.V[6] == t.altColour ? t.colour : t.altColour;
  }
  if (e.V[0] > t.lastFrame) EndEffect(e);
}

// The ship flies away into the picture: it grows, stops growing with a roar and climbs away.
void UpdateShipFlyAway(Game &g, Effect &e) {
  ++e.V[1];
  if (e.V[1] % 2 == 0) {
    e.V[5] += 2, e.V[6] += 2;
    e.X -= 1, e.Y -= e.DY;
  }
  if (e.DY == 1 && e.V[5] > 35) {
    e.DY = 0;
    PlaySound(g, kSoundJet);
  }
  if (e.DY == 0) e.Y -= 4;
  if (e.Y < -200) {
    EndEffect(e);
    SpawnEffect(g, 0, kEffectFlash);
    PlaySound(g, kSoundBigBlast);
  }
}

// The flash where the ship vanished grows ever faster until it fills the picture.
void UpdateFlash(Game &g, Effect &e) {
  int step = e.V[9];
  e.V[5] += step, e.V[6] += step;
  e.X -= step / 2, e.Y -= step / 2;
  e.V[0] = std::min(e.V[0] + 1, 20);
  switch (e.V[0]) {
    case 6: e.V[9] = 4; break;
    case 9: e.V[9] = 8; break;
    case 12: e.V[9] = 16; break;
    case 15: e.V[9] = 32; break;
    default: break;
  }
  if (e.Y < -450) {
    EndEffect(e);
    g.enemies.WORK[10] = 1;  // the lead-in to the ending goes on
    Fill(g.surf.MASTER[0], QBColor(15));
  }
}

}  // namespace

const TextEffectKind *FindTextKind(int kind) {
  for (const TextEffectKind &t : kTexts)
    if (t.kind == kind) return &t;
  return nullptr;
}

void EndEffect(Effect &e) {
  e.FLAG = 0;
  e.V[0] = 0;
}

void UpdateEffect(Game &g, int i) {
  if (i < 0 || i > 30) return;
  Effect &e = g.effects.EFFECT[static_cast<std::size_t>(i)];
  for (const AnimatedKind &k : kAnimated)
    if (k.kind == e.KIND) return UpdateAnimated(e, k);
  if (const TextEffectKind *t = FindTextKind(e.KIND)) return UpdateText(e, *t);
  switch (e.KIND) {
    case kEffectBursts: UpdateBursts(g, e); break;
    case kEffectDamageFigure:
    case kEffectWeaponFigure:
    case kEffectEndWord: UpdateFigure(e); break;
    case kEffectSupplyShip: UpdateShopShip(g, e); break;
    case kEffectMineField:
    case kEffectMineField2: UpdateMineField(g, e); break;
    case kEffectHealAura: UpdateHealAura(g, e); break;
    case kEffectFlyAway: UpdateShipFlyAway(g, e); break;
    case kEffectFlash: UpdateFlash(g, e); break;
    default: break;
  }
}

}  // namespace qel
