#include "stage/tiles.h"

#include "game.h"

namespace qel {

namespace {

constexpr int kTile = 32;
constexpr int kLastFarCode = 99;   // 10 x 10 tiles in the 320-pixel sheet
constexpr int kLastNearCode = 89;  // only 9 whole columns fit the 289-pixel sheet

}  // namespace

void PaintTile(Game &g, Layer layer, int code, int x, int y) {
  int sx = (code / 10) * kTile, sy = (code % 10) * kTile;
  if (layer == kFar) {
    Surface &far = g.surf.MASTER[0];
    if (code < 0 || code > kLastFarCode) FillBox(far, x, y, x + kTile - 1, y + kTile - 1, 0);
    else BitBlt(far, x, y, kTile, kTile, g.sheet(Family::HAI, 0), sx, sy, Rop::Copy);
    return;
  }
  Surface &colour = g.surf.MASTER[1], &mask = g.surf.MASTER[2];
  if (code < 0 || code > kLastNearCode) {
    FillBox(colour, x, y, x + kTile - 1, y + kTile - 1, 0x000000);
    FillBox(mask, x, y, x + kTile - 1, y + kTile - 1, 0xFFFFFF);
    return;
  }
  BitBlt(colour, x, y, kTile, kTile, g.sheet(Family::HAI, 1), sx, sy, Rop::Copy);
  BitBlt(mask, x, y, kTile, kTile, g.sheet(Family::HAI, 2), sx, sy, Rop::Copy);
}

void PaintLayer(Game &g, Layer layer, int row) {
  const Grid &grid = layer == kFar ? g.stage.MAPB : g.stage.MAPA;
  for (int k = 0; k <= 17; ++k)
    for (int c = 0; c <= 14; ++c) PaintTile(g, layer, GridAt(grid, c, row + k), kTile * c, kTile * k);
}

}  // namespace qel
