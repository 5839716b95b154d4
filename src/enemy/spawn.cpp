#include "enemy/enemy.h"
#include "game.h"

namespace qel {

// The enemy catalogue is not built yet: no enemy appears, acts or fires.
int FindFreeEnemy(Game &) { return -10; }
void SpawnEnemy(Game &, int, int) {}
void SortEnemies(Game &) {}
void DamageEnemy(Game &, int, int, int) {}
void FireEnemyShot(Game &, int, int, int) {}
void UpdateEnemy(Game &, int, int) {}
void UpdateEnemyShot(Game &, int) {}

}  // namespace qel
