// The stage script: waves from the schedule, boss groups, messages, shops and the fly-by scene.
#pragma once

#include <vector>

namespace qel {

struct Game;
struct Stage;

// How many enemies the schedule code calls (positions 0 .. size - 1); 0 for no wave. Codes
// whose enemies have no catalogue entry call none.
int WaveSize(int code);
// Boss groups are numbered 1..9; the escorts some groups bring depend on the stage's content.
constexpr int kBossGroups = 9;
// How many enemies group n creates with this MAPSET; 0 for no such group.
int BossGroupSize(int group, int mapSet);
// Creates group n (1..9), making room in the enemy table first if it could not hold it.
void RunBossGroup(Game &g, int group);

// While a timed boss of the warp (stage 5) fights, its phase is in PSTAT(20) and the clock runs
// round a loop of its own: past `above` it goes back to `back`.
struct ClockLoop {
  int phase, above, back;
};
const std::vector<ClockLoop> &WarpClockLoops();
void LoopWarpClock(Stage &st, double phase);

// When the script holds a stage's clock for a boss: as the clock arrives at `from` it is set to
// `at` and stands there until the boss has gone (the warp's loops count as a clock that stands
// at their start: no rule of the scenery changes within them).
struct ClockHold {
  int from, at;
};
struct StageClock {
  std::vector<ClockHold> holds;  // in the order the clock meets them
  int flyOutAbove = -1;          // the ship is sent out of the stage once the clock passes this
};
// From the stage's script; stages without one have no holds.
StageClock StageClockOf(int stage);

// What the script of a stage calls, as the schedule's checks need it: each boss call with the
// most enemies it can create (the harder version's groups; for the rush, its largest group),
// and when the boss warning sounds.
struct ScriptedBoss {
  int time, size;
};
std::vector<ScriptedBoss> ScriptedBossesOf(int stage);
int WarningTimeOf(int stage);  // -1: the stage has no warning

}  // namespace qel
