// The balance report: what a run did, stage by stage, for tuning the waves.
#pragma once

#include <string>
#include <vector>

#include "host/host_decorator.h"

namespace qel {

struct Game;

// The figures of one stage played (a stage left for the shop's stage and come back to is one entry).
struct StageReport {
  int stage = 0;
  int mission = 0;
  int difficulty = 0;  // 0 HARD, 1 NORMAL
  bool cleared = false;
  long long passes = 0;         // passes from the stage's start to its clear (or to the end)
  int shipsLost = 0;
  long long shieldDamage = 0;   // shield points lost
  int bombsUsed = 0;
  int enemiesSpawned = 0;
  int enemiesKilled = 0;
  int scoreAtEnd = 0;
  int peakBullets = 0;
  std::vector<long long> bossAppearPasses;  // passes from the stage's start to each boss
  std::vector<long long> bossKillPasses;    // passes from each boss's appearance to its death
};

class BalanceReport {
 public:
  // Called at the start of every main-loop pass with the game as it stands.
  void Observe(const Game &g);
  const std::vector<StageReport> &stages() const { return stages_; }
  std::string Json() const;

 private:
  std::vector<StageReport> stages_;
  // What the last observation saw, to find what changed since.
  struct Seen;
  std::vector<int> seen_;
};

// Watches the passes for the report.
class ReportHost : public HostDecorator {
 public:
  explicit ReportHost(Host &inner) : HostDecorator(inner) {}
  void BeginPass(std::uint64_t pass, PassKind kind) override {
    HostDecorator::BeginPass(pass, kind);
    if (game_ && kind == PassKind::Main) report.Observe(*game_);
  }
  BalanceReport report;
};

}  // namespace qel
