// The checks a map must pass before it is written: everything the stages show is drawn,
// neighbouring tiles meet (across rows, across columns, and wherever a wrap or jump of the
// scroll rules puts one row above another), and ground-enemy markers sit where they spawn.
#pragma once

#include "maps/map_source.h"
#include "maps/scroll_sim.h"

namespace qel::maps {

// The cells the harder version of a stage overwrites with markers: (row, column, code).
struct PatchCell {
  int row, col, code;
};
const std::vector<PatchCell> &HardPatch(const std::string &mapName);

void CheckMap(const MapSource &map, const Usage &usage, Diagnostics &diag);

}  // namespace qel::maps
