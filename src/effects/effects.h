// Explosions, figures, messages and the supply ship.
#pragma once

#include <array>

namespace qel {

struct Effect {
  int FLAG = 0;
};

struct Effects {
  std::array<Effect, 31> EFFECT{};
};

}  // namespace qel
