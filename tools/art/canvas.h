// A picture with coverage, for the procedural art and the rendered SVG sources.
// Pixels are 0xAARRGGBB; the sheet pipeline later cuts every pixel to "picture" (alpha >= 128)
// or "background" with a hard threshold, so drawing here needs no anti-aliasing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qel::art {

using Argb = std::uint32_t;

constexpr Argb Rgb(int r, int g, int b) {
  return 0xFF000000u | (static_cast<Argb>(r & 255) << 16) | (static_cast<Argb>(g & 255) << 8) |
         static_cast<Argb>(b & 255);
}
constexpr Argb kClear = 0;

// Mixes two opaque colours, t = 0 gives a, t = 1 gives b.
Argb Mix(Argb a, Argb b, double t);
// Scales the brightness of an opaque colour (1 = unchanged), clamped to 0..255.
Argb Shade(Argb c, double factor);

struct Canvas {
  int w = 0, h = 0;
  std::vector<Argb> px;

  Canvas() = default;
  Canvas(int width, int height) : w(width), h(height), px(static_cast<std::size_t>(width) * height, kClear) {}

  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
  Argb get(int x, int y) const { return inside(x, y) ? px[static_cast<std::size_t>(y) * w + x] : kClear; }
  void set(int x, int y, Argb c) {
    if (inside(x, y)) px[static_cast<std::size_t>(y) * w + x] = c;
  }
  bool covered(int x, int y) const { return (get(x, y) >> 24) >= 128; }

  void fillRect(int x, int y, int rw, int rh, Argb c);
  // Filled ellipse centred on (cx, cy), radii rx, ry (in pixels, may be fractional).
  void fillEllipse(double cx, double cy, double rx, double ry, Argb c);
  void fillCircle(double cx, double cy, double r, Argb c) { fillEllipse(cx, cy, r, r, c); }
  // A line of the given thickness between two points.
  void line(double x1, double y1, double x2, double y2, double thickness, Argb c);
  // Filled convex or concave polygon (even-odd rule), points as x0, y0, x1, y1, ...
  void fillPolygon(const std::vector<double> &xy, Argb c);
  // Pastes another canvas (its covered pixels only) with its top-left at (x, y).
  void paste(const Canvas &src, int x, int y);
  // Adds a one-pixel outline of colour c around everything covered.
  void outline(Argb c);
};

}  // namespace qel::art
