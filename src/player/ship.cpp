#include "game.h"
#include "player/player.h"

namespace qel {

// The ship's states, bombs, shield and flights are not built yet: until then the ship stays
// as the stage start placed it and takes no damage.
void UpdatePlayer(Game &) {}
void HitPlayer(Game &, int, int) {}
void AddBombGauge(Game &, int) {}
void MarkClear(Game &, int, int) {}

// Shots come with the weapons.
int FindFreePlayerShot(Game &) { return -1; }
void FirePlayerShot(Game &, int, int) {}
void UpdatePlayerShots(Game &) {}

}  // namespace qel
