// The enemy catalogue: one entry for every enemy type, with its look, its start and its
// behaviour. A type is an enemy only with all three; every other number creates nothing.
#pragma once

#include "enemy/blocks.h"

namespace qel {

struct Game;
struct Enemy;

// The start of a type, after its look: position, speeds, counters and whatever else depends on
// pos, RANK or chance.
using EntryStart = void (*)(Game &g, Enemy &e, int pos);

// What SpawnEnemy gives a type after the common initialisation: picture, hit box, toughness,
// worth and birth flags (catalogue.cpp names them).
struct Look {
  int sheet, w, h;
  int hx1, hy1, hx2, hy2;  // hit-box insets and far edges; a far edge of -1 is derived
  int hp, hardHp;          // hardHp 0: the same on HARD
  int pts;
  unsigned flags;
  int prio, frame, row;
  int maxPos;  // the highest position the entry places
};

struct EnemyType {
  int type;
  Look look;
  EntryStart start;
  Behaviour behaviour;
};

// The entry of a type (a MODE an enemy is created with), or nullptr.
const EnemyType *FindEnemyType(int type);

// Every entry, in the order of the types.
struct EnemyTypeList {
  const EnemyType *from, *to;  // to: one past the last entry
  const EnemyType *begin() const { return from; }
  const EnemyType *end() const { return to; }
};
EnemyTypeList AllEnemyTypes();

// Whether the catalogue can place an enemy of this type at this position. Types without an
// entry, and positions outside an entry's placement table, are refused: such an enemy would
// keep the picture, size and place of whatever used its slot before.
bool HasCatalogueEntry(int type, int pos);

// Applies the entry of type to slot once the common initialisation has run; the draw order is
// left to SpawnEnemy.
void ApplyCatalogueEntry(Game &g, int slot, int pos, int type);

// The formation cell (column, row) of the warp-in types 10..12 and the ring of type 109, or
// false when the position has no cell.
bool FormationCell(int type, int pos, int *col, int *row);

}  // namespace qel
