#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/random.h"
#include "game.h"
#include "shell/window.h"
#include "stage/stage.h"
#include "stage/tiles.h"

namespace qel {

namespace {

// Reads a whole map file. One of any other size than 65,536 bytes is as good as missing: it
// would leave parts of the previous stage's grid in place.
void ReadGrid(Game &g, const std::string &name, Grid &grid) {
  CheckDataFiles(g, name);
  std::string path = g.config.dataDir + "/" + name;
  std::ifstream f(path, std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(f)), {});
  if (bytes.size() != grid.size()) {
    std::fprintf(stderr, "qelvane: %s has %zu bytes instead of %d\n", path.c_str(), bytes.size(),
                 kMapFileSize);
    EndForDataFile(g);
  }
  std::copy(bytes.begin(), bytes.end(), grid.begin());
}

void LoadLayer(Game &g, Layer layer, const std::string &name, int row, int speed) {
  Stage &st = g.stage;
  ReadGrid(g, name, layer == kFar ? st.MAPB : st.MAPA);
  st.LROW[layer] = row;
  st.LSPEED[layer] = speed;
  PaintLayer(g, layer, row);
}

void ResetStars(Game &g, int speed) {
  g.stage.STARSPEED = speed;
  InitStars(g);
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
  switch (stage) {
    case 1: LoadLayer(g, kFar, "st1b.map", 118, 1); LoadLayer(g, kNear, "st1a.map", 237, 0); ResetStars(g, 0); break;
    case 2: ResetStars(g, 0); LoadLayer(g, kFar, "st2b.map", 0, 0); LoadLayer(g, kNear, "st2a.map", 15, 1); break;
    case 3:
      ResetStars(g, 0);
      LoadLayer(g, kNear, "st3a.map", 3, -1);
      st.LROW[kNear] = 17;
      st.LROW[kPicture] = -150;
      break;
    case 4: LoadLayer(g, kFar, "st4b.map", 75, 1); LoadLayer(g, kNear, "st4a.map", 225, 0); ResetStars(g, 0); break;
    case 5:
      LoadLayer(g, kFar, "st5b.map", 15, 0);
      LoadLayer(g, kNear, "st5a.map", 15, 0);
      ResetStars(g, 5);
      st.LROW[kPicture] = -300;
      st.LSPEED[kPicture] = 0;
      break;
    case 6:
      LoadLayer(g, kFar, "st6b.map", 165, 1);
      LoadLayer(g, kNear, "st6a.map", 118, 2);
      st.LROW[kPicture] = -300;
      st.LSPEED[kPicture] = 0;
      break;
    case 7: LoadLayer(g, kFar, "st7b.map", 15, 0); LoadLayer(g, kNear, "st7a.map", 142, 0); ResetStars(g, 5); break;
    case 8:
      LoadLayer(g, kFar, "st4b.map", 31, 1);
      LoadLayer(g, kNear, "st2a.map", 100, 2);
      st.LSPEED[kBossRushCount] = 0;
      ResetStars(g, 0);
      DrawBossOrder(g);
      break;
    case 9: ResetStars(g, 5); break;
    case 10: PaintEndingBackdrop(g); break;
    case 11: ResetStars(g, 0); break;
    case 15: ResetStars(g, 0); st.LSPEED[kPicture] = 100; break;
    case 16: st.LROW[kNear] = 480; ResetStars(g, 5); st.LSPEED[kPicture] = 100; break;
    default: break;
  }
}

struct Patch {
  int stage;
  bool nearGrid;  // MAPA; otherwise ENMAP
  int col;
  std::vector<std::pair<int, int>> cells;  // row, code
};

std::vector<std::pair<int, int>> Rows(std::initializer_list<int> rows, int code) {
  std::vector<std::pair<int, int>> v;
  for (int r : rows) v.emplace_back(r, code);
  return v;
}

// The harder version of the stages (MAPSET 2): more waves, more turrets and vehicles.
const std::vector<Patch> &HardPatches() {
  static const std::vector<Patch> patches = {
      {1, false, 1, {{18, 29}, {20, 17}, {23, 31}, {25, 32}, {28, 29}, {31, 30}, {33, 17}, {35, 30}, {37, 31},
                     {39, 32}, {41, 30}, {49, 29}, {51, 31}, {53, 31}, {55, 32}, {57, 17}, {60, 17}, {66, 17},
                     {70, 29}, {72, 6},  {74, 30}, {76, 6},  {78, 29}, {81, 30}, {83, 30}, {86, 17}, {96, 29},
                     {98, 29}, {100, 17}, {103, 17}, {105, 32}, {108, 17}, {110, 30}, {112, 32}, {116, 32}}},
      {1, true, 1, Rows({22, 46, 70, 82, 100, 109, 127, 154}, 101)},
      {1, true, 4, Rows({31}, 101)},
      {1, true, 7, Rows({97, 142}, 101)},
      {1, true, 10, Rows({37}, 101)},
      {1, true, 13, Rows({22, 46, 64, 82, 94, 115, 127, 154}, 101)},
      {2, false, 2, {{21, 42}, {25, 2},  {27, 41}, {29, 2},  {32, 34}, {35, 42}, {38, 2},  {42, 2},
                     {50, 34}, {53, 2},  {56, 2},  {58, 42}, {60, 34}, {62, 42}, {65, 2},  {67, 34},
                     {71, 2},  {73, 12}, {75, 2},  {79, 42}, {83, 2},  {85, 34}, {88, 34}, {95, 34},
                     {101, 34}, {104, 13}, {106, 34}, {110, 2}, {112, 2}, {114, 2}}},
      {3, false, 3, {{20, 5},  {33, 5},  {38, 10}, {41, 10}, {50, 20}, {53, 5},  {56, 5},  {60, 10}, {63, 10},
                     {68, 5},  {73, 12}, {85, 5},  {89, 5},  {100, 20}, {105, 20}, {110, 5}, {113, 20}, {116, 12}}},
      {4, false, 4, {{27, 36}, {34, 26}, {40, 36}, {43, 16}, {50, 26}, {53, 16}, {56, 16}, {60, 36}, {64, 26}, {68, 36},
                     {72, 26}, {75, 21}, {86, 21}, {100, 36}, {103, 36}, {108, 24}, {109, 22}, {112, 22}, {113, 24}}},
      {4, true, 1, Rows({143, 172}, 104)},
      {4, true, 13, Rows({143, 172}, 104)},
      {4, true, 3, Rows({66, 97, 105}, 104)},
      {4, true, 11, Rows({66, 97, 105}, 104)},
      {4, true, 6, Rows({97, 105, 127, 157}, 104)},
      {4, true, 8, Rows({97, 105, 127, 157}, 104)},
      {4, true, 7, Rows({45, 48, 52, 56, 59, 66, 78, 86, 180, 188}, 104)},
  };
  return patches;
}

void ApplyHardPatches(Game &g, int stage) {
  for (const Patch &p : HardPatches()) {
    if (p.stage != stage) continue;
    Grid &grid = p.nearGrid ? g.stage.MAPA : g.stage.ENMAP;
    for (auto [row, code] : p.cells) grid[static_cast<std::size_t>(row) * kGridSide + p.col] = static_cast<std::uint8_t>(code);
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
