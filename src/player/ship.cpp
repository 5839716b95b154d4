#include "game.h"
#include "player/player.h"

namespace qel {

// The ship's states, bombs, shield and flights are not built yet: until then the ship stays
// as the stage start placed it.
void UpdatePlayer(Game &) {}

// Shots come with the weapons.
void UpdatePlayerShots(Game &) {}

}  // namespace qel
