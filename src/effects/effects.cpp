// Creating effects: where each kind appears, with which picture and which work values.
#include "effects/effects.h"

#include <cmath>

#include "effects/effects_internal.h"
#include "game.h"
#include "platform/random.h"
#include "platform/rounding.h"
#include "platform/sound.h"

namespace qel {

namespace {

// A random whole number between two bounds that may be fractional (positions): both bounds are
// rounded first.
int RandomBetween(Game &g, double lo, double hi) {
  return RandomRange(g, RoundHalfEven(lo), RoundHalfEven(hi));
}

void SetPicture(Effect &e, int sheet, int w, int h) {
  e.SHEET = sheet;
  e.W = w;
  e.H = h;
}

// The explosions, placed on an enemy, the ship or the screen.
void PlaceExplosion(Game &g, Effect &e, int source, int kind) {
  const Enemy &en = g.enemies.ENEMY[static_cast<std::size_t>(source < 0 || source > 30 ? 0 : source)];
  const Player &p = g.player;
  switch (kind) {
    case kEffectExplosion:
      SetPicture(e, 3, 96, 96);
      e.X = en.X - 40, e.Y = en.Y - 40, e.DY = en.DY;
      break;
    case kEffectCentredExplosion:
      SetPicture(e, 4, 96, 96);
      e.X = en.X + std::floor(en.W / 2.0) - 48, e.Y = en.Y + std::floor(en.H / 2.0) - 48, e.DY = en.DY;
      break;
    case kEffectShipExplosion:
      SetPicture(e, 8, 96, 96);
      e.X = p.PX + 16 - 48, e.Y = p.PY + 16 - 48;
      break;
    case kEffectBursts:
      SetPicture(e, 4, 32, 32);
      e.X = RandomBetween(g, en.X, en.X + 30), e.Y = RandomBetween(g, en.Y, en.Y + 30);
      e.V[5] = RoundHalfEven(en.X), e.V[7] = RoundHalfEven(en.Y), e.V[4] = 5;
      break;
    case kEffectScatteredBlast: {
      // The timed bosses of the warp burst in the small explosions of the ordinary enemies.
      bool timedBoss = en.CNT[5] > 99 && en.CNT[5] < 104;
      SetPicture(e, timedBoss ? 4 : 9, 96, 96);
      e.X = RandomBetween(g, en.X - 60, en.X + 60), e.Y = RandomBetween(g, en.Y - 60, en.Y + 60);
      break;
    }
    case kEffectFieldBlast:
      SetPicture(e, 9, 96, 96);
      e.X = RandomRange(g, 0, 400), e.Y = RandomRange(g, 0, 400);
      break;
    case kEffectShipBlast:
      SetPicture(e, 4, 96, 96);
      e.X = RandomBetween(g, p.PX - 48, p.PX), e.Y = RandomBetween(g, p.PY - 48, p.PY);
      break;
    default: break;
  }
}

// The figures that rise or sink at the ship.
void PlaceFigure(Game &g, Effect &e, int source, int kind) {
  const Player &p = g.player;
  switch (kind) {
    case kEffectDamageFigure:  // the damage, one digit per frame of the sheet (10 and more show nothing)
      SetPicture(e, 7, 16, 16);
      e.X = p.PX + 8, e.Y = p.PY, e.FRAME = source, e.DY = 3;
      break;
    case kEffectWeaponFigure:  // the weapon number
      SetPicture(e, 5, 20, 20);
      e.X = p.PX + 6, e.Y = p.PY + 20, e.FRAME = source - 1, e.DY = -3;
      break;
    case kEffectEndWord:
      SetPicture(e, 36, 100, 15);
      e.X = p.PX - 34, e.Y = p.PY, e.DY = 3;
      break;
    default: break;
  }
}

void PlaceShopShip(Game &g, Effect &e) {
  SetPicture(e, 1, 64, 64);
  e.X = RandomRange(g, 0, 1) == 1 ? 32 : 400;
  e.Y = -50, e.DY = 3;
  e.V[5] = g.stage.STAGETIME;
}

// The field of a mine, over bullet slot source.
void PlaceMineField(Game &g, Effect &e, int source) {
  const EnemyShot &b = g.enemies.ESHOT[static_cast<std::size_t>(source < 0 || source > 60 ? 0 : source)];
  bool pushes = b.MODE == 14;
  SetPicture(e, pushes ? 54 : 53, 96, 96);
  if (pushes) e.FRAME = 2;
  e.X = b.X + 24 - 48, e.Y = b.Y + 24 - 48;
  e.V[5] = source, e.V[6] = b.MODE;
}

void PlaceHealAura(Game &g, Effect &e) {
  SetPicture(e, 49, 64, 64);
  e.V[0] = 20;  // shield points still to give
  // Placed on the ship at once, so that the first picture is not drawn where the slot was.
  e.X = g.player.PX - 16, e.Y = g.player.PY - 16;
}

void PlaceText(Game &g, Effect &e, int kind) {
  const TextEffectKind *t = FindTextKind(kind);
  if (t == nullptr) return;
  e.X = t->x, e.Y = t->y;
  e.V[5] = t->size, e.V[6] = t->colour, e.V[7] = 1;
  e.TEXT = t->text;
  if (kind == kEffectWarning) {
    PlaySound(g, kSoundWarning);
    g.audio.SNDLOCK = 150;  // nothing else is heard while the siren sounds
  }
}

// The two pictures of the fly-by: the ship flying into the picture, then its growing flash.
void PlaceFlyBy(Effect &e, int kind) {
  SetPicture(e, kind == kEffectFlyAway ? 50 : 30, 32, 32);
  e.X = 240, e.Y = 240;
  e.V[6] = 1;
  if (kind == kEffectFlyAway) e.DY = 1;
  if (kind == kEffectFlash) e.V[9] = 2;
}

int FindFreeEffect(Game &g) {
  for (int i = 0; i < kEffectSlots; ++i)
    if (g.effects.EFFECT[static_cast<std::size_t>(i)].FLAG == 0) return i;
  return -1;
}

}  // namespace

void SpawnEffect(Game &g, int source, int kind) {
  int i = FindFreeEffect(g);
  if (i < 0) return;
  Effect &e = g.effects.EFFECT[static_cast<std::size_t>(i)];
  e.KIND = kind;
  e.DX = e.DY = 0;
  e.FLAG = 1;
  e.FRAME = 0;
  e.V.fill(0);
  if (kind <= kEffectShipBlast) PlaceExplosion(g, e, source, kind);
  else if (kind <= kEffectEndWord) PlaceFigure(g, e, source, kind);
  else if (kind == kEffectSupplyShip) PlaceShopShip(g, e);
  else if (kind == kEffectMineField || kind == kEffectMineField2) PlaceMineField(g, e, source);
  else if (kind == kEffectHealAura) PlaceHealAura(g, e);
  else if (IsTextEffect(kind)) PlaceText(g, e, kind);
  else if (IsStretchedEffect(kind)) PlaceFlyBy(e, kind);
}

}  // namespace qel
