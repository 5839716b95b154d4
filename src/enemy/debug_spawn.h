// The debug spawn of the command line: enemies placed at the start of a stage for looking and
// testing.
#pragma once

#include <string>
#include <vector>

#include "enemy/enemy.h"

namespace qel {

struct Game;

// Reads "TYPE[@POS][,TYPE[@POS]...]" (POS 0 when left out). Refuses a type or position the
// catalogue has no entry for, naming it in *error.
bool ParseSpawnList(const std::string &text, std::vector<DebugSpawn> *out, std::string *error);

// Creates the configured enemies when the clock of a stage started from the command line has
// just reached 0 (clockBefore is the clock before this frame's step).
void SpawnDebugEnemies(Game &g, int clockBefore);

}  // namespace qel
