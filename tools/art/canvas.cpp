#include "art/canvas.h"

#include <algorithm>
#include <cmath>

#include "art/paint_kit.h"

namespace qel::art {

namespace {
int Channel(Argb c, int shift) { return static_cast<int>((c >> shift) & 255); }
int Clamp255(double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0))); }
}  // namespace

Argb Mix(Argb a, Argb b, double t) {
  auto mix = [&](int shift) { return Clamp255(Channel(a, shift) * (1 - t) + Channel(b, shift) * t); };
  return Rgb(mix(16), mix(8), mix(0));
}

Argb Shade(Argb c, double factor) {
  return Rgb(Clamp255(Channel(c, 16) * factor), Clamp255(Channel(c, 8) * factor),
             Clamp255(Channel(c, 0) * factor));
}

void Canvas::fillRect(int x, int y, int rw, int rh, Argb c) {
  for (int j = std::max(y, 0); j < std::min(y + rh, h); ++j)
    for (int i = std::max(x, 0); i < std::min(x + rw, w); ++i) set(i, j, c);
}

void Canvas::fillEllipse(double cx, double cy, double rx, double ry, Argb c) {
  if (rx <= 0 || ry <= 0) return;
  int y0 = static_cast<int>(std::floor(cy - ry)), y1 = static_cast<int>(std::ceil(cy + ry));
  int x0 = static_cast<int>(std::floor(cx - rx)), x1 = static_cast<int>(std::ceil(cx + rx));
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
      if (dx * dx + dy * dy <= 1.0) set(x, y, c);
    }
}

void Canvas::line(double x1, double y1, double x2, double y2, double thickness, Argb c) {
  double len = std::hypot(x2 - x1, y2 - y1);
  int steps = std::max(1, static_cast<int>(std::ceil(len * 2)));
  double r = thickness / 2;
  for (int i = 0; i <= steps; ++i) {
    double t = static_cast<double>(i) / steps;
    double x = x1 + (x2 - x1) * t, y = y1 + (y2 - y1) * t;
    if (r <= 0.5) set(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)), c);
    else fillCircle(x, y, r, c);
  }
}

void Canvas::fillPolygon(const std::vector<double> &xy, Argb c) {
  ScanPolygon(xy, 0, h, [&](int y, int x0, int x1) {
    for (int x = x0; x <= x1; ++x) set(x, y, c);
  });
}

void Canvas::paste(const Canvas &src, int x, int y) {
  for (int j = 0; j < src.h; ++j)
    for (int i = 0; i < src.w; ++i)
      if (src.covered(i, j)) set(x + i, y + j, src.get(i, j));
}

void Canvas::outline(Argb c) {
  Canvas copy = *this;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (copy.covered(x, y)) continue;
      if (copy.covered(x - 1, y) || copy.covered(x + 1, y) || copy.covered(x, y - 1) ||
          copy.covered(x, y + 1))
        set(x, y, c);
    }
}

}  // namespace qel::art
