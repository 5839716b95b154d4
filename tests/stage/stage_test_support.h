// Map files for stage tests, written into the test game's data folder.
#pragma once

#include <functional>
#include <string>

#include "stage/hard_patches.h"
#include "stage/stage.h"
#include "support/test_game.h"

namespace qel::test {

using CodeAt = std::function<int(int col, int row)>;

inline void WriteMap(TestGame &t, const std::string &name, const CodeAt &code) {
  std::string bytes(kMapFileSize, '\0');
  for (int r = 0; r < kGridSide; ++r)
    for (int c = 0; c < kGridSide; ++c)
      bytes[static_cast<std::size_t>(r) * kGridSide + c] = static_cast<char>(code(c, r));
  WriteBytes(t.data.file(name), bytes);
}

// The harder version's cells as the build compiled them from assets/maps/mapset2.patch.
inline std::string BuiltHardPatches() {
  return ReadBytes(std::string(QELVANE_BUILD_DIR) + "/d/" + kHardPatchFile);
}

// Every map file of every stage, with each cell's code telling its row (row mod 90), an empty
// schedule and the harder version's cells.
inline void WriteAllMaps(
    TestGame &t, const CodeAt &code = [](int, int r) { return r % 90; }) {
  for (const char *n : {"st1a", "st1b", "st2a", "st2b", "st3a", "st4a", "st4b", "st5a", "st5b", "st6a",
                        "st6b", "st7a", "st7b"})
    WriteMap(t, std::string(n) + ".map", code);
  WriteMap(t, "enemy.map", [](int, int) { return 0; });
  WriteBytes(t.data.file(kHardPatchFile), BuiltHardPatches());
}

}  // namespace qel::test
