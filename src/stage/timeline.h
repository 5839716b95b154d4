// The stage script: waves from the schedule, boss groups, messages, shops and the fly-by scene.
#pragma once

namespace qel {

struct Game;

// How many enemies the schedule code calls (positions 0 .. size - 1); 0 for no wave. Codes
// whose enemies have no catalogue entry call none.
int WaveSize(int code);
// Boss groups are numbered 1..9; the escorts some groups bring depend on the stage's content.
constexpr int kBossGroups = 9;
// How many enemies group n creates with this MAPSET; 0 for no such group.
int BossGroupSize(int group, int mapSet);
// Creates group n (1..9), making room in the enemy table first if it could not hold it.
void RunBossGroup(Game &g, int group);

}  // namespace qel
