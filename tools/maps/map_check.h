// The checks a map must pass before it is written: everything the stages show is drawn,
// neighbouring tiles meet (across rows, across columns, and wherever a wrap or jump of the
// scroll rules puts one row above another), and ground-enemy markers sit where they spawn.
#pragma once

#include "maps/map_source.h"
#include "maps/scroll_watch.h"
#include "stage/hard_patches.h"

namespace qel::maps {

// Checks the map as the stages show it, then once more for each stage that overwrites cells of
// it in the harder version (`hard`: the near cells of the patch source).
void CheckMap(const MapSource &map, const Usage &usage, const std::vector<PatchCell> &hard,
              Diagnostics &diag);

}  // namespace qel::maps
