// Explosions, figures, messages and the supply ship.
#pragma once

#include <array>
#include <string>

namespace qel {

struct Game;

// The kinds of effect. The stage data and the kept replays carry these numbers.
enum EffectKind : int {
  kEffectExplosion = 1,         // over an enemy, from its corner
  kEffectCentredExplosion = 2,  // on an enemy's centre
  kEffectShipExplosion = 3,
  kEffectBursts = 4,           // five small bursts over an enemy's square
  kEffectScatteredBlast = 10,  // somewhere about an enemy (the warp's bosses)
  kEffectFieldBlast = 11,      // anywhere on the field
  kEffectShipBlast = 12,       // somewhere about the ship
  kEffectDamageFigure = 15,    // rises from the ship
  kEffectWeaponFigure = 16,    // sinks from the ship
  kEffectEndWord = 17,         // never created
  kEffectSupplyShip = 30,
  kEffectMineField = 35,  // over a mine (36 is the same)
  kEffectMineField2 = 36,
  kEffectHealAura = 40,
  kEffectWarning = 50,
  kEffectMissionComplete = 51,
  kEffectStoryLine1 = 52,  // the prologue's two lines
  kEffectStoryLine2 = 53,
  kEffectFlyAway = 300,  // the ship flying into the picture
  kEffectFlash = 301,    // and its growing flash
};

struct Effect {
  double X = 0, Y = 0, DX = 0, DY = 0;
  int W = 0, H = 0, SHEET = 0;
  std::array<int, 10> V{};
  int KIND = 0, FLAG = 0, FRAME = 0;
  std::string TEXT;
};

// One step of the shop while the supply ship holds the game, given the stage time at which the
// ship appeared.
using ShopStep = void (*)(Game &g, int shopTime);

struct Effects {
  std::array<Effect, 31> EFFECT{};
  // The shop the supply ship opens; null means the game's own shop. Tests put a stand-in here.
  ShopStep shopStep = nullptr;
};

// Slots 0..29 take new effects; the last slot stays free.
constexpr int kEffectSlots = 30;

// How an effect of a kind is drawn: cut from its sheet, written as text, or stretched.
constexpr bool IsSheetEffect(int kind) { return kind >= 1 && kind <= 49; }
constexpr bool IsTextEffect(int kind) { return kind >= kEffectWarning && kind <= 60; }
constexpr bool IsStretchedEffect(int kind) { return kind >= kEffectFlyAway && kind <= 310; }

// Creates an effect of this kind. source is, by kind, an enemy slot, an enemy-bullet slot, a
// number to show, or 0. Nothing is created when every slot is taken.
void SpawnEffect(Game &g, int source, int kind);
// One frame of effect i.
void UpdateEffect(Game &g, int i);

}  // namespace qel
