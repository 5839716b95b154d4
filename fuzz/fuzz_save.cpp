// The save file: any bytes load, and every setting the game then holds is one it can use.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "fuzz_game.h"
#include "save/save.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  static qel::fuzz::FuzzGame game{{}};
  qel::Game &g = *game.game;
  g.config.useSaveBytes = true;
  g.config.saveBytes.assign(data, data + size);
  qel::InitTables(g);
  std::array<int, 16> checked = g.settings.OPTION;
  qel::ValidateOptions(checked);
  if (checked != g.settings.OPTION) std::abort();
  if (g.shell.WAITMS < 0 || g.shell.WAITMS > 60) std::abort();
  return 0;
}
