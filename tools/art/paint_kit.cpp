#include "art/paint_kit.h"

#include <algorithm>
#include <cmath>

namespace qel::art {

namespace {
int Floor(double v) { return static_cast<int>(std::floor(v)); }
}  // namespace

// ---- ordered dither --------------------------------------------------------------------------

int BayerRank(int x, int y) {
  static const int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  return kBayer[y & 3][x & 3];
}

double Threshold(int x, int y) { return (BayerRank(x, y) + 0.5) / 16.0; }

double Dither(int x, int y) { return Threshold(x, y) - 0.5; }

double Threshold2(int x, int y) {
  static const int kBayer[2][2] = {{0, 2}, {3, 1}};
  return (kBayer[y & 1][x & 1] + 0.5) / 4.0;
}

// ---- noise ---------------------------------------------------------------------------------

double Hash01(int x, int y, int seed) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8DA6B343u ^
                    static_cast<std::uint32_t>(y) * 0xD8163841u ^
                    static_cast<std::uint32_t>(seed) * 0xCB1AB31Fu;
  h ^= h >> 13;
  h *= 0x5BD1E995u;
  h ^= h >> 15;
  return (h & 0xFFFFFFu) / 16777216.0;
}

double ValueNoise(double x, double y, double cellX, double cellY, int seed) {
  double fx = x / cellX, fy = y / cellY;
  int ix = Floor(fx), iy = Floor(fy);
  double tx = fx - ix, ty = fy - iy;
  tx = tx * tx * (3 - 2 * tx);
  ty = ty * ty * (3 - 2 * ty);
  double top = Hash01(ix, iy, seed) * (1 - tx) + Hash01(ix + 1, iy, seed) * tx;
  double bottom = Hash01(ix, iy + 1, seed) * (1 - tx) + Hash01(ix + 1, iy + 1, seed) * tx;
  return top * (1 - ty) + bottom * ty;
}

double Fbm(double x, double y, double cellX, double cellY, int octaves, int seed) {
  double total = 0, weight = 1, sum = 0;
  for (int o = 0; o < octaves; ++o, cellX /= 2, cellY /= 2, weight /= 2) {
    total += weight * ValueNoise(x, y, cellX, cellY, seed + 97 * o);
    sum += weight;
  }
  return sum > 0 ? total / sum : 0;
}

// ---- colour ramps --------------------------------------------------------------------------

Argb Ramp::at(double level) const {
  const int top = static_cast<int>(n_) - 1;
  if (top <= 0) return c_[0];
  level = std::clamp(level, 0.0, static_cast<double>(top));
  int i = std::min(top - 1, Floor(level));
  return Mix(c_[static_cast<std::size_t>(i)], c_[static_cast<std::size_t>(i + 1)], level - i);
}

Argb Ramp::pick(double v, int x, int y, double dither) const {
  const double n = static_cast<double>(n_ - 1);
  int i = Floor(v * n + 0.5 + Dither(x, y) * dither);
  return c_[static_cast<std::size_t>(std::clamp(i, 0, static_cast<int>(n)))];
}

int Ramp::find(Argb c) const {
  for (std::size_t i = 0; i < n_; ++i)
    if (c_[i] == c) return static_cast<int>(i);
  return -1;
}

Argb Gradient(const Stop *stops, int count, double t) {
  if (t <= stops[0].at) return stops[0].colour;
  for (int i = 1; i < count; ++i) {
    if (t <= stops[i].at) {
      double span = stops[i].at - stops[i - 1].at;
      return Mix(stops[i - 1].colour, stops[i].colour, (t - stops[i - 1].at) / span);
    }
  }
  return stops[count - 1].colour;
}

Argb Gradient(std::initializer_list<Stop> stops, double t) {
  return Gradient(stops.begin(), static_cast<int>(stops.size()), t);
}

// ---- polygon fill --------------------------------------------------------------------------

void ScanPolygon(const std::vector<double> &xy, int rowBegin, int rowEnd,
                 const std::function<void(int y, int x0, int x1)> &span) {
  std::size_t n = xy.size() / 2;
  if (n < 3) return;
  std::vector<double> xs;
  for (int y = rowBegin; y < rowEnd; ++y) {
    double sy = y + 0.5;
    xs.clear();
    for (std::size_t i = 0; i < n; ++i) {
      double ax = xy[2 * i], ay = xy[2 * i + 1];
      double bx = xy[2 * ((i + 1) % n)], by = xy[2 * ((i + 1) % n) + 1];
      if ((ay <= sy) != (by <= sy)) xs.push_back(ax + (sy - ay) * (bx - ax) / (by - ay));
    }
    std::sort(xs.begin(), xs.end());
    for (std::size_t k = 0; k + 1 < xs.size(); k += 2) {
      int a = static_cast<int>(std::ceil(xs[k] - 0.5)), b = Floor(xs[k + 1] - 0.5);
      if (a <= b) span(y, a, b);
    }
  }
}

std::vector<std::pair<int, int>> LinePixels(double x1, double y1, double x2, double y2) {
  std::vector<std::pair<int, int>> out;
  double len = std::max(std::fabs(x2 - x1), std::fabs(y2 - y1));
  int steps = std::max(1, static_cast<int>(std::ceil(len * 2)));
  for (int i = 0; i <= steps; ++i) {
    double t = static_cast<double>(i) / steps;
    std::pair<int, int> p{Floor(x1 + (x2 - x1) * t), Floor(y1 + (y2 - y1) * t)};
    if (out.empty() || out.back() != p) out.push_back(p);
  }
  return out;
}

// ---- masks ---------------------------------------------------------------------------------

Mask Mask::Of(const Canvas &c) {
  Mask m(c.w, c.h);
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x)
      if (c.covered(x, y)) m.put(x, y, true);
  return m;
}

Mask &Mask::rect(int x, int y, int rw, int rh, bool v) {
  for (int j = y; j < y + rh; ++j)
    for (int i = x; i < x + rw; ++i) put(i, j, v);
  return *this;
}

Mask &Mask::ellipse(double cx, double cy, double rx, double ry, bool v) {
  for (int y = Floor(cy - ry) - 1; y <= Floor(cy + ry) + 1; ++y)
    for (int x = Floor(cx - rx) - 1; x <= Floor(cx + rx) + 1; ++x) {
      double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
      if (dx * dx + dy * dy <= 1.0) put(x, y, v);
    }
  return *this;
}

Mask &Mask::poly(const std::vector<double> &xy, bool v) {
  ScanPolygon(xy, y0, y0 + h, [&](int y, int a, int b) {
    for (int x = a; x <= b; ++x) put(x, y, v);
  });
  return *this;
}

Mask &Mask::line(double x1, double y1, double x2, double y2, double thickness, bool v) {
  double r = thickness / 2;
  for (auto [x, y] : LinePixels(x1, y1, x2, y2)) {
    if (r <= 0.5) put(x, y, v);
    else ellipse(x + 0.5, y + 0.5, r, r, v);
  }
  return *this;
}

Mask &Mask::mirror(double axis) {
  Mask copy = *this;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x)
      if (copy.at(x, y)) put(static_cast<int>(std::lround(2 * axis - x - 1)), y, true);
  return *this;
}

Mask &Mask::intersect(const Mask &o) {
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x)
      if (!o.at(x, y)) put(x, y, false);
  return *this;
}

Mask &Mask::unite(const Mask &o) {
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x)
      if (o.at(x, y)) put(x, y, true);
  return *this;
}

Mask &Mask::subtract(const Mask &o) {
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x)
      if (o.at(x, y)) put(x, y, false);
  return *this;
}

Mask &Mask::grow(int n) {
  for (int k = 0; k < std::abs(n); ++k) {
    Mask before = *this;
    for (int y = y0; y < y0 + h; ++y)
      for (int x = x0; x < x0 + w; ++x) {
        int count = before.at(x - 1, y) + before.at(x + 1, y) + before.at(x, y - 1) + before.at(x, y + 1);
        if (n > 0 && count > 0) put(x, y, true);
        if (n < 0 && count < 4) put(x, y, false);
      }
  }
  return *this;
}

bool Mask::empty() const {
  return std::none_of(on.begin(), on.end(), [](std::uint8_t v) { return v != 0; });
}

int Mask::count() const {
  return static_cast<int>(std::count_if(on.begin(), on.end(), [](std::uint8_t v) { return v != 0; }));
}

Mask Mask::flipped() const {
  Mask out(x0, y0, w, h);
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) out.put(2 * x0 + w - 1 - x, y, at(x, y));
  return out;
}

void FillMask(Canvas &c, const Mask &m, Argb colour) {
  for (int y = m.y0; y < m.y0 + m.h; ++y)
    for (int x = m.x0; x < m.x0 + m.w; ++x)
      if (m.at(x, y)) c.set(x, y, colour);
}

}  // namespace qel::art
