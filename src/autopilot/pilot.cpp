#include "autopilot/pilot.h"

#include <algorithm>

#include "game.h"

namespace qel {

Pilot::Pilot(int skill) : skill_(std::clamp(skill, 0, kPilotSkillMax)) {}

unsigned Pilot::Decide(const Game &g) {
  (void)g;
  ++passes_;
  return 0;
}

}  // namespace qel
