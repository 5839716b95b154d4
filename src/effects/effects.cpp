#include "effects/effects.h"
#include "game.h"

namespace qel {

// The effects are not built yet: nothing is spawned.
void SpawnEffect(Game &, int, int) {}
void UpdateEffect(Game &, int) {}

}  // namespace qel
