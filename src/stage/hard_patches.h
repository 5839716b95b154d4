// The harder version of the stages (MAPSET 2) overwrites cells of the near grid and of the enemy
// schedule each time a stage loads: more waves, more turrets and vehicles. make_maps compiles the
// cells from assets/maps/mapset2.patch into this file of the data folder:
//
//   bytes 0..3   "QPT1"
//   then 5 bytes a cell: stage, grid (0 the enemy schedule, 1 the near grid), column, row, code
//
// The cells are written in the source's order, and a load writes them in that order.
#pragma once

#include <string>
#include <vector>

namespace qel {

constexpr const char *kHardPatchFile = "mapset2.map";

enum class PatchGrid : int { Schedule = 0, Near = 1 };

struct PatchCell {
  int stage = 0;
  PatchGrid grid = PatchGrid::Schedule;
  int col = 0, row = 0, code = 0;  // each 0..255
};

// The file's bytes; false (with the reason) for a value that does not fit its byte.
bool EncodePatches(const std::vector<PatchCell> &cells, std::string *bytes, std::string *error);
// Reads the file's bytes; false (with the reason) for anything that is not such a file.
bool DecodePatches(const std::string &bytes, std::vector<PatchCell> *cells, std::string *error);

}  // namespace qel
