// The autopilot's mind: it looks at what a player sees and chooses the keys to hold.
#pragma once

#include <array>
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

// How strong a pilot of each skill is.
struct PilotSkill {
  int lookAhead;  // frames the pilot foresees (at most kPilotMaxLookAhead)
  int reaction;   // passes between a decision and the keys that carry it out
  double margin;  // pixels of room the pilot keeps around the ship's hit box
};
constexpr int kPilotMaxLookAhead = 24;
PilotSkill SkillOf(int skill);

// Where the pilot's target has been lately (its centre x, frame by frame), to wait where a
// target too fast to follow keeps coming back.
struct TargetTrail {
  std::array<double, 128> x{};
  int count = 0;
  int slot = -1, mode = 0;
  int dwellBin = -1;
};

class Pilot {
 public:
  // skill 0..kPilotSkillMax: less skill looks fewer frames ahead and reacts later.
  explicit Pilot(int skill = kPilotSkillMax);

  // Called at the start of every pass, modal waits included (the shop's loop reads its input
  // there). Reads the game only as a player sees it and returns the keys to hold this pass.
  unsigned Decide(const Game &g);

  int skill() const { return skill_; }

 private:
  // A menu key is pressed for two passes and let go for two, so that every screen, which
  // reacts to a new press, sees each press exactly once even when one pass reads no input.
  struct Tapper {
    int step = 0;      // 0..3 within the current press
    unsigned key = 0;  // the key of the current press, 0 for none
    int lastScene = -1;
  };
  // What the pilot saw of each enemy in the last frame, to judge its motion.
  struct Seen {
    double x = 0, y = 0;
    int mode = 0;
    bool live = false;
  };
  // The pilot's plan for one visit of the shop.
  struct ShopVisit {
    bool open = false;
    int item = 0;           // the item being fetched, 0 none
    int slot = -1;          // for a weapon, the slot it goes into
    int dialogueStep = -1;  // >= 0 while the weapon dialogue is open: presses given in it
    int waitPasses = 0;     // passes since the choice was confirmed
    int scoreBefore = 0, weaponBefore = 0, levelBefore = 0, shieldMaxBefore = 0, creditBefore = 0;
    int actions = 0;
    std::array<bool, 26> refused{};  // items that did nothing when chosen in this visit
    bool leaving = false;
  };

  unsigned DecideMenu(const Game &g);
  unsigned DecideShop(const Game &g);
  unsigned DecidePlay(const Game &g);
  unsigned Tap(unsigned key);
  void ForgetPlay();
  void RememberObjects(const Game &g);
  int ChooseShopItem(const Game &g, int *slot) const;

  int skill_;
  PilotSkill params_;
  std::deque<unsigned> delayed_;  // the reaction delay: decisions wait here before they act

  Tapper tap_;
  ShopVisit shop_;
  int lastFrameCount_ = -1;
  unsigned lastPlayKeys_ = 0;
  int lastMove_ = 4;
  int target_ = -1;
  TargetTrail trail_;
  int framesSinceChange_ = 1000;
  int changePressed_ = 0;
  bool inPlay_ = false;
  bool seenValid_ = false;
  std::array<Seen, 31> seenEnemy_{};
};

}  // namespace qel
