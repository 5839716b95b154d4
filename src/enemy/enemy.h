// The enemy table and the enemy bullets.
#pragma once

#include <array>

namespace qel {

struct Enemy {
  int FLAG = 0;
  int HP = 0;
  std::array<int, 20> CNT{};  // work counters; 13 is 1 in a boss's damaged phase
};

struct EnemyShot {
  int FLAG = 0;
};

struct Enemies {
  std::array<Enemy, 31> ENEMY{};
  std::array<int, 31> ENORDER{};
  int ENMAX = 30;
  int RANK = 1;
  std::array<int, 11> WORK{};
  std::array<EnemyShot, 61> ESHOT{};
};

}  // namespace qel
