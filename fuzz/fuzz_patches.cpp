// The harder version's cells (mapset2.map): anything is decoded or refused, and every decoded
// cell lies inside its grid.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "stage/hard_patches.h"
#include "stage/stage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  std::vector<qel::PatchCell> cells;
  std::string error;
  if (!qel::DecodePatches(std::string(reinterpret_cast<const char *>(data), size), &cells, &error)) {
    if (error.empty()) std::abort();
    return 0;
  }
  for (const qel::PatchCell &c : cells)
    if (c.row < 0 || c.row >= qel::kGridSide || c.col < 0 || c.col >= qel::kGridSide || c.code < 0 ||
        c.code > 255)
      std::abort();
  return 0;
}
