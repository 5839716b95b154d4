#include <cstdio>
#include <vector>

#include "game.h"
#include "platform/file_io.h"
#include "platform/random.h"
#include "shell/window.h"
#include "stage/hard_patches.h"
#include "stage/stage.h"
#include "stage/stage_rules.h"
#include "stage/tiles.h"

namespace qel {

namespace {

// A map of any size up to this is read to say how far off it is; a larger one is refused unread.
constexpr std::size_t kMaxMapFileBytes = std::size_t{16} << 20;

// Reads a whole map file. One of any other size than 65,536 bytes is as good as missing: it
// would leave parts of the previous stage's grid in place.
void ReadGrid(Game &g, const std::string &name, Grid &grid) {
  CheckDataFiles(g, name);
  std::string path = g.config.dataDir + "/" + name;
  std::string bytes, error;
  if (ReadWholeFile(path, &bytes, &error, kMaxMapFileBytes) != ReadResult::Ok) {
    std::fprintf(stderr, "qelvane: %s\n", error.c_str());
    EndForDataFile(g);
  }
  if (bytes.size() != grid.size()) {
    std::fprintf(stderr, "qelvane: %s has %zu bytes instead of %d\n", path.c_str(), bytes.size(),
                 kMapFileSize);
    EndForDataFile(g);
  }
  std::copy(bytes.begin(), bytes.end(), grid.begin());
}

void LoadLayer(Game &g, Layer layer, const LayerStart &start) {
  if (!start.file) return;
  Stage &st = g.stage;
  ReadGrid(g, start.file, layer == kFar ? st.MAPB : st.MAPA);
  st.LROW[layer] = start.row;
  st.LSPEED[layer] = start.speed;
  PaintLayer(g, layer, start.row);
}

// The fly-by backdrop: tile 1 everywhere, the sight in the middle.
void PaintEndingBackdrop(Game &g) {
  for (int r = 0; r < 16; ++r)
    for (int c = 0; c < 16; ++c) PaintTile(g, kFar, 1, 32 * c, 32 * r);
  BitBlt(g.surf.MASTER[0], 95, 142, 290, 260, g.sheet(Family::HAI, 14), 0, 0, Rop::Copy);
}

// The boss rush: the first four bosses in a random order, the last three always as 5, 6, 7.
void DrawBossOrder(Game &g) {
  auto &m = g.stage.MISSIONS;
  for (int i = 0; i <= 7; ++i) m[i] = 0;
  m[5] = 5, m[6] = 6, m[7] = 7;
  for (int n = 1; n <= 4; ++n) {
    int k;
    do k = RandomRange(g, 1, 4);
    while (m[k] != 0);
    m[k] = n;
  }
}

void LoadStageLayers(Game &g, int stage) {
  Stage &st = g.stage;
  const StageRules &rules = RulesOfStage(stage);
  LoadLayer(g, kFar, rules.far);
  LoadLayer(g, kNear, rules.near);
  if (rules.nearCounter != kKeep) st.LROW[kNear] = rules.nearCounter;
  st.LROW[kPicture] = rules.pictureRow;
  st.LSPEED[kPicture] = rules.pictureSpeed;
  if (rules.bossRush) st.LSPEED[kBossRushCount] = 0;
  if (rules.starSpeed != kKeep) {
    st.STARSPEED = rules.starSpeed;
    InitStars(g);
  }
  if (rules.bossRush) DrawBossOrder(g);
  if (rules.endingBackdrop) PaintEndingBackdrop(g);
}

// The harder version's cells for this stage, written in the file's order. They only add to
// the stage, so without a readable file it plays as the easier version does, and says so.
void ApplyHardPatches(Game &g, int stage) {
  const std::string path = g.config.dataDir + "/" + kHardPatchFile;
  std::vector<PatchCell> cells;
  std::string bytes, why;
  if (ReadWholeFile(path, &bytes, &why) != ReadResult::Ok) {
    std::fprintf(stderr, "qelvane: %s; stage %d plays without the harder version's cells\n", why.c_str(),
                 stage);
    return;
  }
  if (!DecodePatches(bytes, &cells, &why)) {
    std::fprintf(stderr, "qelvane: %s %s; stage %d plays without the harder version's cells\n", path.c_str(),
                 why.c_str(), stage);
    return;
  }
  for (const PatchCell &c : cells) {
    if (c.stage != stage) continue;
    Grid &grid = c.grid == PatchGrid::Near ? g.stage.MAPA : g.stage.ENMAP;
    const std::size_t at = static_cast<std::size_t>(c.row) * kGridSide + static_cast<std::size_t>(c.col);
    grid[at] = static_cast<std::uint8_t>(c.code);
  }
}

}  // namespace

int GridAt(const Grid &grid, int col, int row) {
  if (col < 0 || col >= kGridSide || row < 0 || row >= kGridSide) return 0;
  return grid[static_cast<std::size_t>(row) * kGridSide + col];
}

void LoadStageMap(Game &g, int stage) {
  Stage &st = g.stage;
  for (Surface &m : g.surf.MASTER) Cls(m);
  st.LSUB[kFar] = st.LSUB[kNear] = 32;
  for (int layer = 0; layer <= 2; ++layer) st.LSPEED[layer] = 0, st.LROW[layer] = 0;
  LoadStageLayers(g, stage);
  // The schedule is read again at every load, so the patches below never pile up.
  ReadGrid(g, "enemy.map", st.ENMAP);
  if (st.MAPSET == 2) ApplyHardPatches(g, stage);
}

}  // namespace qel
