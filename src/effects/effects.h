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

struct Effects {
  std::array<Effect, 31> EFFECT{};
};

void SpawnEffect(Game &g, int pos, int kind);
void UpdateEffect(Game &g, int i);

}  // namespace qel
