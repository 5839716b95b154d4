// The balance report: what a run did, stage by stage, for tuning the waves.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "host/host_decorator.h"

namespace qel {

struct Game;

// One boss met in a stage.
struct BossReport {
  int type = 0;                // its enemy type
  int attempt = 1;             // which attempt at the stage met it (1 = the first)
  long long appear = 0;        // main-loop passes from the start of that attempt to the boss's arrival
  long long killedAfter = -1;  // passes from its arrival to its destruction; -1 when it was not destroyed
  bool left = false;           // it went away by itself (the warp's timed guardians)
};

// The figures of one stage played. A lost ship restarts the stage in the same entry (the
// attempts count them); a visit to the shop is part of the stage.
struct StageReport {
  int stage = 0;
  int mission = 0;
  int difficulty = 0;  // 0 HARD, 1 NORMAL
  bool cleared = false;
  long long passes = 0;  // main-loop passes from the stage's start to its clear (or to the end)
  int attempts = 1;
  int shipsLost = 0;
  long long shieldDamage = 0;  // shield points lost
  int bombsUsed = 0;
  int enemiesSpawned = 0;
  int enemiesKilled = 0;
  int scoreAtEnd = 0;
  int peakBullets = 0;
  // The longest time the field had no enemy, in passes, leaving out the lull before a boss
  // (it ends when the boss arrives) and the stage's fly-out; and the stage clock at its start.
  long long longestEmpty = 0;
  int longestEmptyFrom = 0;
  // The longest time every bullet the enemies can have was in flight, in passes.
  long long longestFullBullets = 0;
  std::vector<BossReport> bosses;
};

class BalanceReport {
 public:
  // Called at the start of every main-loop pass with the game as it stands.
  void Observe(const Game &g);
  const std::vector<StageReport> &stages() const { return stages_; }
  std::string Json() const;
  // Whether the first stage played has ended: cleared, or the game is over.
  bool firstStageEnded() const { return !stages_.empty() && (stages_.size() > 1 || !open_); }
  // Whether the game that was played has ended: its game over, its ending or the title came
  // after a stage.
  bool gameEnded() const { return gameEnded_; }

 private:
  // What the last observation saw, to find what changed since.
  struct SeenEnemy {
    bool live = false;
    int mode = 0, hp = 0, vuln = 0, boss = 0, core = 0;
    double x = 0, y = 0;
  };
  struct Seen {
    bool valid = false;
    int scene = -1, stage = 0, mission = 0, stageTime = 0;
    int pstate = 0, shield = 0, gauge = 0;
    std::array<SeenEnemy, 31> enemy{};
  };
  void StartEntry(const Game &g);
  void Track(const Game &g);
  void Remember(const Game &g);
  StageReport *current() { return open_ && !stages_.empty() ? &stages_.back() : nullptr; }

  std::vector<StageReport> stages_;
  Seen seen_;
  bool open_ = false;
  bool gameEnded_ = false;
  bool shipLost_ = false;            // a ship was lost and the stage has not restarted yet
  long long attemptPasses_ = 0;      // passes since the current attempt began
  long long emptyRun_ = 0;           // passes the field has been empty of enemies so far
  int emptyFrom_ = 0;                // the stage clock when it emptied
  long long fullRun_ = 0;            // passes the bullet table has been full so far
  std::array<int, 31> bossEntry_{};  // the boss record of each slot's boss, -1 none
};

// Watches the passes for the report. With stopWhenStageEnds the run ends as soon as the first
// stage played is cleared or lost, so a balance run does not go on into the next stage; with
// stopWhenGameEnds, as soon as the game is over or its ending begins.
class ReportHost : public HostDecorator {
 public:
  explicit ReportHost(Host &inner) : HostDecorator(inner) {}
  void BeginPass(std::uint64_t pass, PassKind kind) override;
  BalanceReport report;
  bool stopWhenStageEnds = false;
  bool stopWhenGameEnds = false;
};

}  // namespace qel
