// The enemy table: free slots, creation and drawing order.
#include <algorithm>
#include <climits>

#include "enemy/catalogue.h"
#include "enemy/enemy.h"
#include "game.h"

namespace qel {

namespace {

int LastSlot(const Enemies &en) { return std::min(en.ENMAX, kEnemySlots - 1); }

// What every new enemy starts with before its catalogue entry. Position, size and picture are
// left for the entry, which always sets them.
void CommonInit(Enemy &e, int type) {
  e.MODE = type;
  e.FLAG = 1;
  e.HP = 1;
  e.PTS = 0;
  e.FRAME = 0;
  e.NOHIT = 0;
  e.NORAM = 0;
  e.CORE = 0;
  e.HX1 = 0, e.HY1 = 0, e.HX2 = e.W, e.HY2 = e.H;
  e.LOCK = -1;
  e.VULN = -1;
  e.BOSS = 0;
  e.DX = 0, e.DY = 0;
  e.ROW = 0;
  e.PRIO = 10;
  e.CNT.fill(0);
  e.VAL.fill(0);
}

int PrioOfSlot(const Enemies &en, int slot) {
  return slot >= 0 && slot < kEnemySlots ? en.ENEMY[slot].PRIO : INT_MAX;
}

}  // namespace

int FindFreeEnemy(Game &g) {
  const Enemies &en = g.enemies;
  for (int i = 0; i <= LastSlot(en); ++i)
    if (en.ENEMY[i].FLAG == 0) return i;
  return -10;
}

void SpawnEnemy(Game &g, int pos, int type) {
  if (!HasCatalogueEntry(type, pos)) return;
  int i = FindFreeEnemy(g);
  if (i < 0) return;
  CommonInit(g.enemies.ENEMY[i], type);
  ApplyCatalogueEntry(g, i, pos, type);
  SortEnemies(g);
}

// Kept as the game has always sorted, an exchange sort over every slot, free ones included
// with whatever PRIO they last had: enemies with equal keys keep exactly the old drawing order.
void SortEnemies(Game &g) {
  Enemies &en = g.enemies;
  int last = LastSlot(en);
  for (int i = 0; i <= last; ++i)
    for (int j = i + 1; j <= last; ++j)
      if (PrioOfSlot(en, en.ENORDER[j]) < PrioOfSlot(en, en.ENORDER[i]))
        std::swap(en.ENORDER[i], en.ENORDER[j]);
}

}  // namespace qel
