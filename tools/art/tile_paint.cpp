#include "art/tile_paint.h"

#include <algorithm>
#include <cmath>

namespace qel::art::tilepaint {

int Wrap32(int v) { return ((v % kTile) + kTile) % kTile; }

namespace {

double Smooth(double t) { return t * t * (3 - 2 * t); }

// Value noise on a lattice of `cell` pixels that repeats every tile.
double LatticeNoise(double x, double y, int cell, int seed) {
  const int n = kTile / cell;
  double fx = x / cell, fy = y / cell;
  int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
  double tx = Smooth(fx - ix), ty = Smooth(fy - iy);
  auto at = [&](int i, int j) { return Hash01(((i % n) + n) % n, ((j % n) + n) % n, seed * 7 + cell); };
  double top = at(ix, iy) * (1 - tx) + at(ix + 1, iy) * tx;
  double bottom = at(ix, iy + 1) * (1 - tx) + at(ix + 1, iy + 1) * tx;
  return (top * (1 - ty) + bottom * ty) * 2 - 1;
}

}  // namespace

double TileNoise(double x, double y, int seed) {
  return 0.5 * LatticeNoise(x, y, 16, seed) + 0.32 * LatticeNoise(x, y, 8, seed) +
         0.18 * LatticeNoise(x, y, 4, seed);
}

Mask TileMask() { return Mask(-kPad, -kPad, kSpan, kSpan); }

namespace {

bool CornerIn(int corners, bool right, bool bottom) {
  int bit =
      bottom ? (right ? tiles::kCornerBR : tiles::kCornerBL) : (right ? tiles::kCornerTR : tiles::kCornerTL);
  return (corners & bit) != 0;
}

// Quadrants owned by their corner; outer corners cut at 45 degrees, inner corners filled.
Mask BlockyCoverage(int corners) {
  Mask m = TileMask();
  ForPadded([&](int x, int y) {
    const bool right = x >= 16, bottom = y >= 16;
    bool in = CornerIn(corners, right, bottom);
    const bool across = CornerIn(corners, !right, bottom), above = CornerIn(corners, right, !bottom);
    const double d = std::fabs(x + 0.5 - 16) + std::fabs(y + 0.5 - 16);
    if (in && !across && !above && d < 8) in = false;
    if (!in && across && above && d < 4) in = true;
    m.put(x, y, in);
  });
  return m;
}

// 0 within kPad of the near side, 1 within kPad of the far side, smooth between: the shape
// crosses a side at right angles, so the band beyond it is known from the side's corners.
double SideWeight(double t) {
  const double lo = kPad, hi = kTile - kPad;
  return Smooth(std::clamp((t - lo) / (hi - lo), 0.0, 1.0));
}

int MaterialSeed(const char *material) {
  int s = 0;
  for (const char *p = material; *p; ++p) s = s * 31 + *p;
  return s & 0xFFFF;
}

Mask RoundCoverage(const tiles::Family &f, int corners) {
  Mask m = TileMask();
  const int seed = MaterialSeed(f.material);
  auto c = [&](int bit) { return (corners & bit) ? 1.0 : 0.0; };
  ForPadded([&](int x, int y) {
    double wx = SideWeight(x + 0.5), wy = SideWeight(y + 0.5);
    double top = c(tiles::kCornerTL) * (1 - wx) + c(tiles::kCornerTR) * wx;
    double bottom = c(tiles::kCornerBL) * (1 - wx) + c(tiles::kCornerBR) * wx;
    double f0 = top * (1 - wy) + bottom * wy;
    m.put(x, y, f0 + 0.3 * TileNoise(x + 0.5, y + 0.5, seed) >= 0.5);
  });
  return m;
}

}  // namespace

Mask FamilyCoverage(const tiles::Family &family, int corners) {
  return family.style == tiles::Style::Blocky ? BlockyCoverage(corners) : RoundCoverage(family, corners);
}

Mask LinkCoverage(int links, double hw) {
  Mask m = TileMask();
  ForPadded([&](int x, int y) {
    const double px = x + 0.5 - 16, py = y + 0.5 - 16;
    bool in = false;
    if ((links & tiles::kLinkTop) && std::fabs(px) < hw && py < hw) in = true;
    if ((links & tiles::kLinkBottom) && std::fabs(px) < hw && py > -hw) in = true;
    if ((links & tiles::kLinkLeft) && std::fabs(py) < hw && px < hw) in = true;
    if ((links & tiles::kLinkRight) && std::fabs(py) < hw && px > -hw) in = true;
    m.put(x, y, in);
  });
  return m;
}

Padded<std::uint8_t> Depth(const Mask &m, int cap) {
  Padded<std::uint8_t> d;
  ForPadded([&](int x, int y) { d.at(x, y) = m.at(x, y) ? static_cast<std::uint8_t>(cap) : 0; });
  for (int step = 1; step < cap; ++step)  // a pixel next to depth step-1 has depth at most step
    ForPadded([&](int x, int y) {
      if (d.at(x, y) <= step) return;
      const int nb[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
      for (const auto &o : nb) {
        int nx = x + o[0], ny = y + o[1];
        if (d.inside(nx, ny) && d.at(nx, ny) == step - 1) d.at(x, y) = static_cast<std::uint8_t>(step);
      }
    });
  return d;
}

double Facing(const Mask &m, int x, int y, int radius) {
  double vx = 0, vy = 0;
  for (int dy = -radius; dy <= radius; ++dy)
    for (int dx = -radius; dx <= radius; ++dx) {
      int d2 = dx * dx + dy * dy;
      if (d2 == 0 || d2 > radius * radius || !m.inside(x + dx, y + dy) || m.at(x + dx, y + dy)) continue;
      vx += dx / static_cast<double>(d2);
      vy += dy / static_cast<double>(d2);
    }
  double len = std::hypot(vx, vy);
  if (len < 1e-9) return 0;
  return -(vx + vy) / (len * std::sqrt(2.0));
}

Mask OuterRing(const Mask &m) {
  Mask r = TileMask();
  ForPadded([&](int x, int y) {
    if (m.at(x, y)) return;
    const int nb[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const auto &o : nb)
      if (m.inside(x + o[0], y + o[1]) && m.at(x + o[0], y + o[1])) r.put(x, y, true);
  });
  return r;
}

void Put(Canvas &sheet, int code, int x, int y, Argb c) {
  sheet.set((code / 10) * kTile + x, (code % 10) * kTile + y, c);
}

void Clear(Canvas &sheet, int code, int x, int y) {
  sheet.set((code / 10) * kTile + x, (code % 10) * kTile + y, kClear);
}

}  // namespace qel::art::tilepaint
