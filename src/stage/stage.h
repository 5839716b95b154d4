// Stage state: the stage and mission numbers, the clock and the scrolling layers.
#pragma once

#include <array>

namespace qel {

struct Stage {
  int STAGE = 6;
  int STAGETIME = 0;
  int MISSION = 6;
  std::array<int, 11> MISSIONS{};  // 1..7 used
  int MAPSET = 0;
  std::array<int, 3> LROW{}, LSUB{}, LSPEED{};
  int STARSPEED = 2;
};

}  // namespace qel
