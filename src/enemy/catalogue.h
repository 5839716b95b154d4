// The enemy catalogue: what SpawnEnemy gives each type after the common initialisation.
#pragma once

namespace qel {

struct Game;
struct Enemy;

// Whether the catalogue can place an enemy of this type at this position. Types without an
// entry, and positions outside an entry's placement table, are refused: such an enemy would
// keep the picture, size and place of whatever used its slot before.
bool HasCatalogueEntry(int type, int pos);

// Applies the entry of type to slot (the common initialisation has run); the hit-box far
// edges, the stage-boss values and the draw order are left to SpawnEnemy.
void ApplyCatalogueEntry(Game &g, int slot, int pos, int type);

// The start of an entry: position, speeds, counters and whatever else depends on pos, RANK or
// chance. Returns nullptr for a type without start values.
using EntryStart = void (*)(Game &g, Enemy &e, int pos);
EntryStart OrdinaryStart(int type);  // types 1..60
EntryStart BossStart(int type);      // types 100..211

// The formation cell (column, row) of the warp-in types 10..12 and the ring of type 109, or
// false when the position has no cell.
bool FormationCell(int type, int pos, int *col, int *row);

}  // namespace qel
