#include "player/player.h"

namespace qel {

void AdvanceVolleyTimer(Player &p) {
  if (p.volleyTimer < kVolleyTimerMax) ++p.volleyTimer;
}

}  // namespace qel
