// Stage maps and the enemy schedule: a stage is played for a while on grids made of the input.
// The first byte picks the stage, the second the mission; the rest, repeated to fill 64 KB, is
// every grid the stage loads. Whatever the grids hold, the stage plays or ends with its message.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_game.h"
#include "shell/shell.h"
#include "stage/hard_patches.h"
#include "stage/stage.h"
#include "stage/stage_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size < 3) return 0;
  const int stage = 1 + data[0] % 9;
  const int mission = data[1] % 8;
  std::string grid(static_cast<std::size_t>(qel::kMapFileSize), '\0');
  for (std::size_t i = 0; i < grid.size(); ++i) grid[i] = static_cast<char>(data[2 + i % (size - 2)]);
  const qel::StageRules &rules = qel::RulesOfStage(stage);
  for (const qel::LayerStart *layer : {&rules.far, &rules.near})
    if (layer->file) qel::fuzz::WriteData(layer->file, grid);
  qel::fuzz::WriteData("enemy.map", grid);
  qel::fuzz::WriteData(qel::kHardPatchFile, "QPT1");  // the harder version, with no cells of its own
  qel::GameConfig config;
  config.startStage = stage;
  config.startMission = mission;
  config.invincible = (data[1] & 8) != 0;
  qel::fuzz::FuzzGame game(config);
  game.game->shell.maxPasses = 150;
  qel::Main(*game.game);
  return 0;
}
