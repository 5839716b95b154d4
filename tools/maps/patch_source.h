// The text form of the harder version's cells (assets/maps/mapset2.patch; its header says how
// it reads), compiled into the game's stage/hard_patches.h format.
#pragma once

#include <string>
#include <vector>

#include "maps/map_source.h"
#include "stage/hard_patches.h"

namespace qel::maps {

struct PatchSource {
  std::string path;
  std::vector<PatchCell> cells;  // in the source's order
  std::vector<int> lines;        // the source line of each cell
};

// Reads the patch source; false (with messages) for anything the game could not apply as meant.
bool ParsePatchSource(const std::string &path, const std::string &text, PatchSource &out, Diagnostics &diag);

}  // namespace qel::maps
