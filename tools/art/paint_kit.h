// The painting kit every generator draws with: the outline ink, ordered dither, colour ramps and
// gradients, coverage masks and the polygon fill that canvases and masks share. The families of
// art (craft, bosses, bullets, effects, tiles, the keeper, the ending) build their own shading on
// top of it, so that one shade, one dither pattern and one polygon rule run through the game.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

#include "art/canvas.h"

namespace qel::art {

// ---- ink -----------------------------------------------------------------------------------

// The dark line round every craft, shot, sign and figure, so that each reads on any background.
constexpr Argb kInk = Rgb(16, 16, 24);

// ---- ordered dither --------------------------------------------------------------------------

// Rank of a pixel in the 4 x 4 Bayer matrix, 0..15 (the pattern repeats every 4 pixels).
int BayerRank(int x, int y);
// Threshold of a pixel in (0, 1): a coverage above it is drawn.
double Threshold(int x, int y);
// The threshold centred on 0, in [-0.5, 0.5): added to a level before rounding, it breaks the
// band edges into the checkered seams of hand-dithered pixel art.
double Dither(int x, int y);
// The coarse 2 x 2 threshold in (0, 1), for patterns that must read at a glance.
double Threshold2(int x, int y);

// ---- noise ---------------------------------------------------------------------------------

// A repeatable value in [0, 1) for a lattice point.
double Hash01(int x, int y, int seed);
// Smooth value noise in [0, 1] on a lattice of `cell` pixels (cellX wide, cellY tall when they
// differ: long flat features such as clouds and waves); not periodic.
double ValueNoise(double x, double y, double cellX, double cellY, int seed);
// Octaves of value noise, halving the cell and the weight each time, in [0, 1].
double Fbm(double x, double y, double cellX, double cellY, int octaves, int seed);

// ---- colour ramps --------------------------------------------------------------------------

// Shades of one material or light, darkest first (on sprites shade 0 is usually the outline).
class Ramp {
 public:
  static constexpr std::size_t kMaxShades = 16;

  constexpr Ramp() = default;
  constexpr Ramp(std::initializer_list<Argb> shades) {
    for (Argb s : shades)
      if (n_ < kMaxShades) c_[n_++] = s;
  }

  constexpr std::size_t size() const { return n_; }
  constexpr Argb operator[](std::size_t i) const { return c_[i]; }
  const Argb *begin() const { return c_.data(); }
  const Argb *end() const { return c_.data() + n_; }

  // The colour at a fractional level 0..size-1, mixed between the neighbouring shades.
  Argb at(double level) const;
  // The shade for v in 0..1 across the whole ramp, rounded with the ordered dither of pixel
  // (x, y) at the given strength (0 rounds plainly).
  Argb pick(double v, int x, int y, double dither = 1.0) const;
  // Index of a colour in the ramp, or -1.
  int find(Argb c) const;

 private:
  std::array<Argb, kMaxShades> c_{};
  std::size_t n_ = 0;
};

// A colour at a position along a gradient.
struct Stop {
  double at;
  Argb colour;
};
// The colour at t of a gradient through stops given in increasing order, mixed between them and
// held beyond the ends.
Argb Gradient(const Stop *stops, int count, double t);
Argb Gradient(std::initializer_list<Stop> stops, double t);

// ---- polygon fill --------------------------------------------------------------------------

// Every run of pixels, on rows rowBegin..rowEnd-1, whose centres lie inside the polygon
// (even-odd rule; points as x0, y0, x1, y1, ...): span(y, xFirst, xLast), ends included.
void ScanPolygon(const std::vector<double> &xy, int rowBegin, int rowEnd,
                 const std::function<void(int y, int x0, int x1)> &span);

// The pixels of a one-pixel line, stepped finely enough to leave no gaps, each listed once.
std::vector<std::pair<int, int>> LinePixels(double x1, double y1, double x2, double y2);

// ---- masks ---------------------------------------------------------------------------------

// Which pixels belong to a shape. A mask covers the rectangle (x0, y0) .. (x0 + w - 1, y0 + h - 1),
// which may start left of or above the picture it is for (a tile worked with a margin reaching
// into its neighbours); reading outside it gives false and writing there does nothing.
struct Mask {
  int w = 0, h = 0;
  int x0 = 0, y0 = 0;
  std::vector<std::uint8_t> on;

  Mask() = default;
  Mask(int width, int height) : Mask(0, 0, width, height) {}
  Mask(int left, int top, int width, int height)
      : w(width), h(height), x0(left), y0(top), on(static_cast<std::size_t>(width) * height, 0) {}
  // The covered pixels of a canvas.
  static Mask Of(const Canvas &c);

  bool inside(int x, int y) const { return x >= x0 && y >= y0 && x < x0 + w && y < y0 + h; }
  bool at(int x, int y) const { return inside(x, y) && on[Index(x, y)]; }
  void put(int x, int y, bool v) {
    if (inside(x, y)) on[Index(x, y)] = v ? 1 : 0;
  }

  Mask &rect(int x, int y, int rw, int rh, bool v = true);
  Mask &ellipse(double cx, double cy, double rx, double ry, bool v = true);
  Mask &poly(const std::vector<double> &xy, bool v = true);
  Mask &line(double x1, double y1, double x2, double y2, double thickness, bool v = true);
  // Adds the mirror image about the vertical line x = axis (in pixel-edge coordinates).
  Mask &mirror(double axis);
  // Keeps only what the other mask also covers.
  Mask &intersect(const Mask &other);
  Mask &unite(const Mask &other);
  Mask &subtract(const Mask &other);
  // Grows (n > 0) or shrinks (n < 0) by n pixels, four-connected.
  Mask &grow(int n);
  bool empty() const;
  int count() const;
  // The mask mirrored left to right across its whole width.
  Mask flipped() const;

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y - y0) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x - x0);
  }
};

// Paints colour c over every pixel of the mask.
void FillMask(Canvas &c, const Mask &m, Argb colour);

}  // namespace qel::art
