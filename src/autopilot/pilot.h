// The autopilot's mind: it looks at what a player sees and chooses the keys to hold.
#pragma once

#include <cstdint>
#include <deque>

namespace qel {

struct Game;

// The eight game keys the pilot can hold, as bits.
enum PilotKey : unsigned {
  kPilotLeft = 1u << 0,
  kPilotRight = 1u << 1,
  kPilotUp = 1u << 2,
  kPilotDown = 1u << 3,
  kPilotShot = 1u << 4,
  kPilotChange = 1u << 5,
  kPilotBomb = 1u << 6,
  kPilotPause = 1u << 7,
};

constexpr int kPilotSkillMax = 3;

class Pilot {
 public:
  // skill 0..kPilotSkillMax: less skill looks fewer frames ahead and reacts later.
  explicit Pilot(int skill = kPilotSkillMax);

  // Called at the start of every pass, modal waits included (the shop's loop reads its input
  // there). Reads the game only as a player sees it and returns the keys to hold this pass.
  unsigned Decide(const Game &g);

  int skill() const { return skill_; }

 private:
  int skill_;
  std::uint64_t passes_ = 0;
  std::deque<unsigned> delayed_;  // the reaction delay: decisions wait here before they act
};

}  // namespace qel
