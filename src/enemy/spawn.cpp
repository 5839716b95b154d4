#include "enemy/enemy.h"
#include "game.h"

namespace qel {

// The enemy catalogue is not built yet: no enemy appears and none acts.
void SpawnEnemy(Game &, int, int) {}
void UpdateEnemy(Game &, int, int) {}
void UpdateEnemyShot(Game &, int) {}

}  // namespace qel
