// The stage script, run once a game frame after the clock has moved: waves read from the
// schedule, boss groups, the warning and clear messages, music, shops and the order to fly out.
#include "stage/timeline.h"

#include <algorithm>

#include "effects/effects.h"
#include "enemy/enemy.h"
#include "game.h"
#include "platform/sound.h"
#include "player/player.h"
#include "stage/stage.h"

namespace qel {

namespace {

// The last position of each wave code (-1: no wave). Codes 39 and 43..49 would call enemies
// without a catalogue entry, which appear wherever their slot's last enemy was and never leave,
// so they call nothing.
constexpr int kWaveLastPosition[50] = {
    -1, 6, 3,  6,  5,  3,  3,  3,  3,  3,   // 0..9
    7,  7, 7,  9,  6,  5,  6,  6,  6,  1,   // 10..19
    1,  5, 1,  1,  1,  1,  5,  5,  5,  5,   // 20..29
    2,  1, 3,  1,  1,  2,  1,  1,  1,  -1,  // 30..39
    6,  6, 13, -1, -1, -1, -1, -1, -1, -1,  // 40..49
};

struct GroupCall {
  int type, count;
  bool needsContent;  // only with MAPSET above 0
};

struct BossGroup {
  GroupCall calls[4];
};

// The calls of each group in their order; the boss usually comes first, its parts after it.
constexpr BossGroup kGroups[kBossGroups + 1] = {
    {},
    {{{106, 4, false}, {107, 2, true}, {153, 1, false}}},
    {{{105, 2, true}, {150, 1, false}, {200, 2, false}, {201, 2, false}}},
    {{{151, 1, false}, {202, 6, false}, {203, 2, false}}},
    {{{152, 1, false}, {204, 4, false}, {205, 2, false}}},
    {{{154, 1, false}, {206, 2, false}, {108, 6, false}}},
    {{{155, 1, false}, {207, 2, false}, {208, 2, false}}},
    {{{156, 1, false}, {209, 6, false}}},
    {{{157, 1, false}, {110, 1, false}, {210, 1, false}, {211, 2, false}}},
    {{{158, 1, false}, {109, 8, false}}},
};

enum class Ev { Shop, Warning, Music, Group, Clear, TimedBoss, Story, FirstBoss };

struct Event {
  int time;
  Ev what;
  int arg = 0, arg2 = 0;
};

struct StageScript {
  const Event *events;
  int count;
  int clearAbove;  // the fly-out is ordered once the clock passes this; -1 for none
};

constexpr Event kStage1[] = {{1400, Ev::Shop},    {2800, Ev::Shop},     {4000, Ev::Music, 0},
                             {4000, Ev::Warning}, {4005, Ev::Music, 5}, {4200, Ev::Group, 1},
                             {4250, Ev::Clear}};
constexpr Event kStage2[] = {{1400, Ev::Shop},    {2800, Ev::Shop},     {4000, Ev::Music, 0},
                             {4000, Ev::Warning}, {4005, Ev::Music, 5}, {4200, Ev::Group, 2},
                             {4250, Ev::Clear}};
constexpr Event kStage3[] = {{1400, Ev::Shop},    {2800, Ev::Shop},     {4000, Ev::Music, 0},
                             {4000, Ev::Warning}, {4005, Ev::Music, 5}, {4200, Ev::Group, 3},
                             {4250, Ev::Clear}};
constexpr Event kStage4[] = {{1400, Ev::Shop},    {2800, Ev::Shop},     {4000, Ev::Music, 0},
                             {4000, Ev::Warning}, {4005, Ev::Music, 5}, {4200, Ev::Group, 4},
                             {4250, Ev::Clear}};
// The warp: four timed bosses, each holding the clock in a loop of its own until it leaves.
constexpr Event kStage5[] = {{-99, Ev::Shop},
                             {1200, Ev::Shop},
                             {510, Ev::TimedBoss, 101, 2},
                             {1020, Ev::TimedBoss, 100, 3},
                             {1500, Ev::TimedBoss, 103, 4},
                             {2010, Ev::TimedBoss, 102, 5},
                             {3000, Ev::Warning},
                             {3005, Ev::Music, 5},
                             {3200, Ev::Group, 5},
                             {3250, Ev::Clear}};
constexpr Event kStage6[] = {{-99, Ev::Shop},      {850, Ev::Shop},      {1000, Ev::Group, 6},
                             {1005, Ev::Music, 5}, {2000, Ev::Group, 7}, {2005, Ev::Music, 8},
                             {2800, Ev::Group, 8}};
constexpr Event kStage7[] = {{-99, Ev::Shop},      {810, Ev::Shop},      {2410, Ev::Shop},
                             {200, Ev::Group, 2},  {800, Ev::Group, 3},  {1600, Ev::Group, 1},
                             {2400, Ev::Group, 4}, {3200, Ev::Group, 5}, {4000, Ev::Music, 8},
                             {4011, Ev::Group, 9}, {4100, Ev::Clear}};
constexpr Event kStage8[] = {{-99, Ev::Shop}, {205, Ev::Shop}, {405, Ev::Shop}, {800, Ev::Clear}};
constexpr Event kStage9[] = {{1400, Ev::Shop},
                             {1600, Ev::Warning},
                             {1750, Ev::FirstBoss, 160},
                             {1800, Ev::Story, 52},
                             {1900, Ev::Story, 53}};

template <std::size_t N>
constexpr StageScript Script(const Event (&events)[N], int clearAbove) {
  return {events, static_cast<int>(N), clearAbove};
}

// Only the play stages 1..9 have a script.
constexpr StageScript kScripts[10] = {
    {nullptr, 0, -1},      Script(kStage1, 4350), Script(kStage2, 4350), Script(kStage3, 4350),
    Script(kStage4, 4350), Script(kStage5, 3350), Script(kStage6, -1),   Script(kStage7, 4200),
    Script(kStage8, 900),  Script(kStage9, 2150),
};

// The boss rush calls its bosses by number in the order drawn when the stage was loaded.
constexpr int kRushGroup[8] = {0, 2, 3, 4, 1, 5, 6, 7};
constexpr int kRushFirst = 100, kRushLast = 700, kRushEvery = 100;

constexpr int kFinalBlastsFrom = 2819, kFinalBlastsTo = 3300, kFinalFlyOutAbove = 2899;

int LastEnemySlot(const Game &g) { return std::clamp(g.enemies.ENMAX, 0, 30); }

int FreeEnemySlots(const Game &g) {
  int free = 0;
  for (int k = 0; k <= LastEnemySlot(g); ++k)
    if (g.enemies.ENEMY[static_cast<std::size_t>(k)].FLAG == 0) ++free;
  return free;
}

// A boss that found no slot would leave the clock waiting for it for ever. When the table
// cannot hold what is coming, ordinary enemies burst without score, as at a core's death.
void MakeRoom(Game &g, int needed) {
  int free = FreeEnemySlots(g);
  for (int k = 0; k <= LastEnemySlot(g) && free < needed; ++k) {
    Enemy &e = g.enemies.ENEMY[static_cast<std::size_t>(k)];
    if (e.FLAG == 0 || e.MODE <= 0 || e.MODE >= 100) continue;
    e.FLAG = 0;
    SpawnEffect(g, k, 2);
    ++free;
  }
}

void SpawnWave(Game &g, int code) {
  for (int j = 0; j < WaveSize(code); ++j) SpawnEnemy(g, j, code);
}

// The schedule row of this moment, read once as the clock arrives on it. While the clock stands
// (a boss fight, the wait after the fly-out) the row is not read again.
void ReadScheduleRow(Game &g, int stage) {
  int t = g.stage.STAGETIME;
  if (t < 0 || t % 30 != 0 || g.player.PSTAT[20] == 1) return;
  int row = t / 30;
  if (row >= kGridSide) return;
  SpawnWave(g, GridAt(g.stage.ENMAP, stage, row));
}

// The clock stands one past the call while the group fights, so the call is made once.
void CallGroup(Game &g, int group, int t) {
  RunBossGroup(g, group);
  g.player.PSTAT[20] = 1;
  g.stage.STAGETIME = t + 1;
}

void ShowClearMessage(Game &g, int stage) {
  SpawnEffect(g, stage, 51);
  PlayMusic(g, 6);
}

void RunEvent(Game &g, int stage, const Event &ev) {
  switch (ev.what) {
    case Ev::Shop: SpawnEffect(g, stage, 30); break;
    case Ev::Warning: SpawnEffect(g, stage, 50); break;
    case Ev::Music: PlayMusic(g, ev.arg); break;
    case Ev::Group: CallGroup(g, ev.arg, ev.time); break;
    case Ev::Clear: ShowClearMessage(g, stage); break;
    case Ev::TimedBoss:
      MakeRoom(g, 1);
      g.player.PSTAT[20] = ev.arg2;
      SpawnEnemy(g, 0, ev.arg);
      break;
    case Ev::Story: SpawnEffect(g, stage, ev.arg); break;
    case Ev::FirstBoss:
      MakeRoom(g, 1);
      SpawnEnemy(g, 0, ev.arg);
      g.player.PSTAT[20] = 1;
      g.stage.STAGETIME = ev.time + 1;
      break;
  }
}

void CallRushBoss(Game &g, int t) {
  int &called = g.stage.LSPEED[kBossRushCount];
  called = std::clamp(called + 1, 0, 9);
  int boss = g.stage.MISSIONS[static_cast<std::size_t>(called)];
  if (boss < 1 || boss > 7) return;
  CallGroup(g, kRushGroup[boss], t);
}

// The end of the story's last stage: the fortress bursts all over while the ship turns away.
void RunFinalSequence(Game &g, int t) {
  if (t > kFinalBlastsFrom && t <= kFinalBlastsTo) {
    SpawnEffect(g, 0, 11);
    if ((g.shell.FRAMESTART & 1) == 0) PlaySound(g, 2);
  }
  if (t > kFinalFlyOutAbove && g.player.PSTATE == kShipPlay) g.player.PSTATE = kShipFinalStart;
}

}  // namespace

const std::vector<ClockLoop> &WarpClockLoops() {
  static const std::vector<ClockLoop> loops = {
      {2, 660, 540}, {3, 1170, 1050}, {4, 1650, 1530}, {5, 2160, 2040}};
  return loops;
}

void LoopWarpClock(Stage &st, double phase) {
  for (const ClockLoop &l : WarpClockLoops())
    if (phase == l.phase && st.STAGETIME > l.above) st.STAGETIME = l.back;
}

StageClock StageClockOf(int stage) {
  StageClock clock;
  if (stage < 1 || stage > 9) return clock;
  const StageScript &script = kScripts[stage];
  for (int i = 0; i < script.count; ++i) {
    const Event &ev = script.events[i];
    if (ev.what == Ev::Group || ev.what == Ev::FirstBoss) clock.holds.push_back({ev.time, ev.time + 1});
    if (ev.what != Ev::TimedBoss) continue;
    for (const ClockLoop &l : WarpClockLoops())
      if (l.phase == ev.arg2) clock.holds.push_back({l.back, l.back});
  }
  if (stage == 8)
    for (int t = kRushFirst; t <= kRushLast; t += kRushEvery) clock.holds.push_back({t, t + 1});
  std::sort(clock.holds.begin(), clock.holds.end(),
            [](const ClockHold &a, const ClockHold &b) { return a.from < b.from; });
  clock.flyOutAbove = stage == 6 ? kFinalFlyOutAbove : script.clearAbove;
  return clock;
}

std::vector<ScriptedBoss> ScriptedBossesOf(int stage) {
  std::vector<ScriptedBoss> bosses;
  if (stage < 1 || stage > 9) return bosses;
  const StageScript &script = kScripts[stage];
  for (int i = 0; i < script.count; ++i) {
    const Event &ev = script.events[i];
    if (ev.what == Ev::Group) bosses.push_back({ev.time, BossGroupSize(ev.arg, 2)});
    if (ev.what == Ev::TimedBoss || ev.what == Ev::FirstBoss) bosses.push_back({ev.time, 1});
  }
  if (stage == 8) {
    int largest = 0;
    for (int boss = 1; boss <= 7; ++boss) largest = std::max(largest, BossGroupSize(kRushGroup[boss], 2));
    for (int t = kRushFirst; t <= kRushLast; t += kRushEvery) bosses.push_back({t, largest});
  }
  std::sort(bosses.begin(), bosses.end(),
            [](const ScriptedBoss &a, const ScriptedBoss &b) { return a.time < b.time; });
  return bosses;
}

int WarningTimeOf(int stage) {
  if (stage < 1 || stage > 9) return -1;
  const StageScript &script = kScripts[stage];
  for (int i = 0; i < script.count; ++i)
    if (script.events[i].what == Ev::Warning) return script.events[i].time;
  return -1;
}

int WaveSize(int code) {
  if (code < 1 || code > 49) return 0;
  return kWaveLastPosition[code] + 1;
}

int BossGroupSize(int group, int mapSet) {
  if (group < 1 || group > kBossGroups) return 0;
  int n = 0;
  for (const GroupCall &c : kGroups[group].calls)
    if (!c.needsContent || mapSet > 0) n += c.count;
  return n;
}

void RunBossGroup(Game &g, int group) {
  if (group < 1 || group > kBossGroups) return;
  MakeRoom(g, BossGroupSize(group, g.stage.MAPSET));
  for (const GroupCall &c : kGroups[group].calls) {
    if (c.needsContent && g.stage.MAPSET <= 0) continue;
    for (int j = 0; j < c.count; ++j) SpawnEnemy(g, j, c.type);
  }
}

void RunStageTimeline(Game &g, int stage) {
  if (stage < 1 || stage > 9) return;  // backdrops and the fly-by are never played as stages
  ReadScheduleRow(g, stage);
  int t = g.stage.STAGETIME;
  const StageScript &script = kScripts[stage];
  for (int i = 0; i < script.count; ++i)
    if (script.events[i].time == t) RunEvent(g, stage, script.events[i]);
  if (stage == 8 && t >= kRushFirst && t <= kRushLast && t % kRushEvery == 0) CallRushBoss(g, t);
  if (stage == 6) RunFinalSequence(g, t);
  if (script.clearAbove >= 0 && t > script.clearAbove && g.player.PSTATE == kShipPlay)
    g.player.PSTATE = kShipFlyOutStart;
}

}  // namespace qel
