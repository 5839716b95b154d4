// Drawing stage tiles so that neighbours meet without a seam.
//
// A tile is worked on a padded grid that reaches kPad pixels into its neighbours. Everything a
// pixel's colour depends on (coverage, outlines, bevels, dome shading) is computed from values
// that are the same whichever of the two neighbouring tiles computes them:
// - textures and noise are periodic with the tile size;
// - near a side, a family's shape depends only on the two corners of that side (the boundary
//   crosses the side at right angles), so the padded band beyond the side is known;
// - decorations stay clear of the sides.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "art/canvas.h"
#include "art/paint_kit.h"
#include "art/tile_set.h"

namespace qel::art::tilepaint {

constexpr int kTile = 32;
constexpr int kPad = 6;
constexpr int kSpan = kTile + 2 * kPad;

// A value for every pixel of a tile and its padding; x, y run from -kPad to kTile + kPad - 1.
template <typename T>
struct Padded {
  std::array<T, kSpan * kSpan> v{};
  T &at(int x, int y) { return v[static_cast<std::size_t>((y + kPad) * kSpan + x + kPad)]; }
  T at(int x, int y) const { return v[static_cast<std::size_t>((y + kPad) * kSpan + x + kPad)]; }
  static bool inside(int x, int y) {
    return x >= -kPad && y >= -kPad && x < kTile + kPad && y < kTile + kPad;
  }
};
// A mask of the paint kit over the tile and its padding.
Mask TileMask();

// Runs fn(x, y) over the padded area.
template <typename Fn>
void ForPadded(Fn fn) {
  for (int y = -kPad; y < kTile + kPad; ++y)
    for (int x = -kPad; x < kTile + kPad; ++x) fn(x, y);
}
// Runs fn(x, y) over the tile itself.
template <typename Fn>
void ForTile(Fn fn) {
  for (int y = 0; y < kTile; ++y)
    for (int x = 0; x < kTile; ++x) fn(x, y);
}

int Wrap32(int v);
// Smooth value noise in [-1, 1] that repeats every 32 pixels both ways.
double TileNoise(double x, double y, int seed);

// The shape of a family tile (1 = material) over the padded area.
Mask FamilyCoverage(const tiles::Family &family, int corners);
// A straight band of half-width hw from the named sides to the centre (connectors).
Mask LinkCoverage(int links, double hw);
// Steps (4-neighbour) to the nearest uncovered pixel, capped at `cap`; 0 outside.
Padded<std::uint8_t> Depth(const Mask &m, int cap);
// Where the outside lies, seen from a covered pixel: +1 when it lies towards the light (top
// left), -1 when away from it, 0 when nothing uncovered is within the radius.
double Facing(const Mask &m, int x, int y, int radius);

// The ring of pixels just outside a shape (4-neighbours), for drawn outlines.
Mask OuterRing(const Mask &m);

// Writes the tile's 32 x 32 pixels into the sheet cell of `code`.
void Put(Canvas &sheet, int code, int x, int y, Argb c);
void Clear(Canvas &sheet, int code, int x, int y);

// A picture several tiles large, cut into the cells of a stamp.
struct StampCanvas {
  int w, h;  // in tiles
  Canvas pic;
  StampCanvas(int tw, int th) : w(tw), h(th), pic(tw * kTile, th * kTile) {}
};

}  // namespace qel::art::tilepaint
