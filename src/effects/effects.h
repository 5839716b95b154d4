// Explosions, figures, messages and the supply ship.
#pragma once

#include <array>
#include <string>

namespace qel {

struct Game;

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

// Creates an effect of this kind. source is, by kind, an enemy slot, an enemy-bullet slot, a
// number to show, or 0. Nothing is created when every slot is taken.
void SpawnEffect(Game &g, int source, int kind);
// One frame of effect i.
void UpdateEffect(Game &g, int i);

}  // namespace qel
