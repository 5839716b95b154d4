#include "art/boss_kit.h"

#include <algorithm>
#include <cmath>

namespace qel::art::kit {

namespace {

constexpr Argb Hex(std::uint32_t v) { return 0xFF000000u | v; }

int Channel(Argb c, int shift) { return static_cast<int>((c >> shift) & 255); }

double Luma(Argb c) { return (0.30 * Channel(c, 16) + 0.55 * Channel(c, 8) + 0.15 * Channel(c, 0)) / 255.0; }

double Saturation(Argb c) {
  int r = Channel(c, 16), g = Channel(c, 8), b = Channel(c, 0);
  int hi = std::max({r, g, b}), lo = std::min({r, g, b});
  return hi == 0 ? 0.0 : static_cast<double>(hi - lo) / hi;
}

int Floor(double v) { return static_cast<int>(std::floor(v)); }

struct Box {
  int x0, y0, x1, y1;  // inclusive
};

Box Bounds(const Mask &m) {
  Box b{m.w, m.h, -1, -1};
  for (int y = 0; y < m.h; ++y)
    for (int x = 0; x < m.w; ++x)
      if (m.at(x, y)) {
        b.x0 = std::min(b.x0, x);
        b.y0 = std::min(b.y0, y);
        b.x1 = std::max(b.x1, x);
        b.y1 = std::max(b.y1, y);
      }
  return b;
}

// Brightness profile across a cylinder, s in 0..1 from its left (lit) side: bright a third of
// the way in, dark at the far side.
double CylinderProfile(double s) {
  const double peak = 0.33;
  if (s < peak) return 1.0 - 0.45 * std::pow((peak - s) / peak, 2.0);
  return 1.0 - std::pow((s - peak) / (1.0 - peak), 1.6);
}

// Extent of the run of mask pixels containing (x, y) along a row or a column.
void Run(const Mask &m, int x, int y, bool horizontal, int *lo, int *hi) {
  int a = horizontal ? x : y, b = a;
  auto in = [&](int k) { return horizontal ? m.at(k, y) : m.at(x, k); };
  while (in(a - 1)) --a;
  while (in(b + 1)) ++b;
  *lo = a;
  *hi = b;
}

double LightLevel(const Mask &m, const Box &b, const Paint &p, int x, int y) {
  double k = p.strength;
  switch (p.light) {
    case Light::Flat: return p.base;
    case Light::Vertical: {
      double v = (y - b.y0 + 0.5) / (b.y1 - b.y0 + 1);
      return p.base + k * (0.5 - v);
    }
    case Light::CylinderV:
    case Light::CylinderH: {
      bool across = p.light == Light::CylinderV;  // a vertical cylinder is shaded across a row
      int lo, hi;
      Run(m, x, y, across, &lo, &hi);
      double s = ((across ? x : y) - lo + 0.5) / (hi - lo + 1);
      return p.base + k * (CylinderProfile(s) - 0.55);
    }
    case Light::Sphere: {
      double cx = (b.x0 + b.x1 + 1) / 2.0, cy = (b.y0 + b.y1 + 1) / 2.0;
      double rx = (b.x1 - b.x0 + 1) / 2.0, ry = (b.y1 - b.y0 + 1) / 2.0;
      double dx = (x + 0.5 - (cx - 0.35 * rx)) / rx, dy = (y + 0.5 - (cy - 0.35 * ry)) / ry;
      double d = std::sqrt(dx * dx + dy * dy);
      return p.base + k * (0.6 - d);
    }
  }
  return p.base;
}

// Lit (+) or shadowed (-) edge of the shape at (x, y), at distance 1 and 2.
double EdgeLevel(const Mask &m, int x, int y, double bevel) {
  double e = 0;
  if (!m.at(x - 1, y) || !m.at(x, y - 1)) e += bevel;
  if (!m.at(x + 1, y) || !m.at(x, y + 1)) e -= bevel;
  if (e == 0 && m.at(x - 1, y) && m.at(x, y - 1) && m.at(x + 1, y) && m.at(x, y + 1)) {
    if (!m.at(x - 2, y) || !m.at(x, y - 2)) e += 0.4 * bevel;
    if (!m.at(x + 2, y) || !m.at(x, y + 2)) e -= 0.4 * bevel;
  }
  return e;
}

void ShadePixel(Canvas &c, int x, int y, double f) {
  if (c.covered(x, y)) c.set(x, y, Shade(c.get(x, y), f));
}

}  // namespace

const Ramp kPurple{Hex(0x1c1826), Hex(0x342c46), Hex(0x4e4464), Hex(0x6c6286), Hex(0x968cac), Hex(0xcac2da)};
const Ramp kOlive{Hex(0x1a1e0e), Hex(0x323a1a), Hex(0x4c5828), Hex(0x6a783a), Hex(0x909e58), Hex(0xc6ce92)};
const Ramp kRust{Hex(0x2a1008), Hex(0x4e2010), Hex(0x74361a), Hex(0x9a5226), Hex(0xc2763a), Hex(0xeab274)};
const Ramp kSteel{Hex(0x181a22), Hex(0x2e3240), Hex(0x4a5060), Hex(0x6a7282), Hex(0x949cac), Hex(0xd0d6e0)};
const Ramp kDark{Hex(0x121218), Hex(0x20202a), Hex(0x30303c), Hex(0x444452), Hex(0x5e5e6e), Hex(0x8c8c9c)};
const Ramp kEarth{Hex(0x1e160e), Hex(0x342818), Hex(0x4c3c24), Hex(0x665234), Hex(0x88704a), Hex(0xb49c70)};
const Ramp kBrass{Hex(0x2a1c06), Hex(0x4c3410), Hex(0x74521c), Hex(0x9c7430), Hex(0xc89c4c), Hex(0xf0d490)};
const Ramp kPlum{Hex(0x220e1c), Hex(0x3c1a32), Hex(0x5a2a4a), Hex(0x7c3e66), Hex(0xa4608a), Hex(0xd49ab8)};
const Ramp kRedGlow{Hex(0x3c0606), Hex(0x7a0e0a), Hex(0xc41c12), Hex(0xf44a20), Hex(0xff9a60), Hex(0xfff0d8)};
const Ramp kAmberGlow{Hex(0x3c1c02), Hex(0x804000), Hex(0xc87400),
                      Hex(0xf4a818), Hex(0xffd860), Hex(0xfffae0)};
const Ramp kMagentaGlow{Hex(0x30062a), Hex(0x6a0c58), Hex(0xb01c90),
                        Hex(0xe84ac4), Hex(0xff96e4), Hex(0xfff0fc)};
const Ramp kGlass{Hex(0x06120e), Hex(0x0c2a24), Hex(0x14463c), Hex(0x24705c), Hex(0x56aa8a), Hex(0xd6f6e4)};

void Fill(Canvas &c, const Mask &m, const Ramp &r, const Paint &p) {
  Box b = Bounds(m);
  if (b.x1 < 0) return;
  if (p.castShadow) {
    for (int y = b.y0; y <= b.y1 + 1; ++y)
      for (int x = b.x0; x <= b.x1 + 1; ++x)
        if (!m.at(x, y) && m.at(x - 1, y - 1)) ShadePixel(c, x, y, 0.62);
  }
  Canvas before = c;
  for (int y = b.y0; y <= b.y1; ++y)
    for (int x = b.x0; x <= b.x1; ++x) {
      if (!m.at(x, y)) continue;
      double level = LightLevel(m, b, p, x, y) + EdgeLevel(m, x, y, p.bevel);
      bool seam =
          (!m.at(x + 1, y) && before.covered(x + 1, y)) || (!m.at(x, y + 1) && before.covered(x, y + 1));
      if (p.seams && seam) level = 0.5;
      double q = p.dither ? std::floor(level * 2 + Threshold2(x, y)) / 2 : std::round(level * 2) / 2;
      c.set(x, y, r.at(std::clamp(q, 0.5, 5.0)));
    }
}

void Groove(Canvas &c, double x1, double y1, double x2, double y2, double dark) {
  auto px = LinePixels(x1, y1, x2, y2);
  bool flat = std::fabs(x2 - x1) >= std::fabs(y2 - y1);
  auto onLine = [&](int x, int y) {
    return std::find(px.begin(), px.end(), std::make_pair(x, y)) != px.end();
  };
  for (auto [x, y] : px) {
    int lx = flat ? x : x + 1, ly = flat ? y + 1 : y;
    if (!onLine(lx, ly)) ShadePixel(c, lx, ly, 1.22);
  }
  for (auto [x, y] : px) ShadePixel(c, x, y, dark);
}

void Ridge(Canvas &c, double x1, double y1, double x2, double y2) {
  auto px = LinePixels(x1, y1, x2, y2);
  bool flat = std::fabs(x2 - x1) >= std::fabs(y2 - y1);
  for (auto [x, y] : px) ShadePixel(c, flat ? x : x + 1, flat ? y + 1 : y, 0.6);
  for (auto [x, y] : px) ShadePixel(c, x, y, 1.3);
}

void Rivet(Canvas &c, int x, int y) {
  ShadePixel(c, x + 1, y + 1, 0.55);
  ShadePixel(c, x, y, 1.45);
}

void Vents(Canvas &c, int x, int y, int n, int sx, int sy, int len, bool horizontal) {
  for (int i = 0; i < n; ++i) {
    int ax = x + i * sx, ay = y + i * sy;
    if (horizontal) Groove(c, ax, ay, ax + len - 1, ay, 0.45);
    else Groove(c, ax, ay, ax, ay + len - 1, 0.45);
  }
}

void Glow(Canvas &c, double cx, double cy, double r, const Ramp &g) {
  c.fillCircle(cx, cy, r + 1, g[0]);
  c.fillCircle(cx, cy, r, g[2]);
  c.fillCircle(cx + 0.15 * r, cy + 0.15 * r, r * 0.72, g[3]);
  c.fillCircle(cx - 0.1 * r, cy - 0.1 * r, r * 0.45, g[4]);
  c.fillCircle(cx - 0.25 * r, cy - 0.25 * r, std::max(0.7, r * 0.2), g[5]);
}

void Canopy(Canvas &c, const Mask &m) {
  Fill(c, m, kGlass, {Light::Vertical, 2.2, 2.4, 0.7, true, false});
  Box b = Bounds(m);
  int rows = std::max(1, std::min(4, (b.y1 - b.y0) / 2));
  for (int y = b.y0 + 1; y <= b.y0 + rows; ++y) {
    int x = b.x0;
    while (x <= b.x1 && !m.at(x, y)) ++x;
    if (m.at(x + 1, y) && m.at(x + 2, y)) c.set(x + 1, y, y == b.y0 + 1 ? kGlass[5] : kGlass[4]);
  }
}

void Slit(Canvas &c, int x, int y, int w, int h, const Ramp &g) {
  c.fillRect(x - 1, y - 1, w + 2, h + 2, g[0]);
  c.fillRect(x, y, w, h, g[2]);
  if (w >= h) c.fillRect(x + 1, y + h / 2, std::max(1, w - 2), std::max(1, h / 3), g[4]);
  else c.fillRect(x + w / 2, y + 1, std::max(1, w / 3), std::max(1, h - 2), g[4]);
  c.set(x, y, g[5]);
}

void Lamp(Canvas &c, int x, int y, const Ramp &g, bool big) {
  if (big) {
    c.fillRect(x - 1, y - 1, 4, 4, g[1]);
    c.fillRect(x, y, 2, 2, g[3]);
    c.set(x, y, g[5]);
  } else {
    c.set(x, y, g[4]);
    c.set(x + 1, y, g[2]);
    c.set(x, y + 1, g[2]);
  }
}

void Hole(Canvas &c, int x, int y, int w, int h) {
  c.fillRect(x, y, w, h, Rgb(12, 10, 16));
  for (int i = 0; i < w; ++i) ShadePixel(c, x + i, y + h, 1.3);
  for (int j = 0; j < h; ++j) ShadePixel(c, x + w, y + j, 1.2);
}

void Nozzle(Canvas &c, double cx, double y, double rx, double ry, const Ramp &metal, const Ramp &flame,
            int flameLen) {
  if (flameLen > 0) {
    Mask f(c.w, c.h);
    f.poly({cx - rx * 0.8, y + ry, cx, y + ry - flameLen - ry, cx + rx * 0.8, y + ry});
    for (int j = 0; j < c.h; ++j)
      for (int i = 0; i < c.w; ++i)
        if (f.at(i, j) && !c.covered(i, j)) c.set(i, j, flame[2]);
    Mask in(c.w, c.h);
    in.poly({cx - rx * 0.45, y + ry, cx, y + ry - flameLen * 0.7 - ry, cx + rx * 0.45, y + ry});
    for (int j = 0; j < c.h; ++j)
      for (int i = 0; i < c.w; ++i)
        if (in.at(i, j) && !f.at(i, j - 1)) c.set(i, j, flame[3]);
        else if (in.at(i, j)) c.set(i, j, flame[4]);
  }
  Mask ring(c.w, c.h);
  ring.ellipse(cx, y + ry, rx, ry);
  Fill(c, ring, metal, {Light::Sphere, 3.0, 1.6, 0.9, false, false, false});
  c.fillEllipse(cx + 0.3, y + ry + 0.3, rx * 0.68, ry * 0.62, flame[1]);
  c.fillEllipse(cx + 0.3, y + ry + 0.3, rx * 0.45, ry * 0.4, flame[3]);
  c.fillEllipse(cx + 0.3, y + ry + 0.3, rx * 0.22, ry * 0.2, flame[5]);
}

void Place(Canvas &sheet, const Canvas &frame, int col, int row) {
  Canvas f = frame;
  f.outline(kInk);
  sheet.paste(f, col * frame.w, row * frame.h);
}

namespace {

// Smooth value noise in 0..1 with a cell of `cell` pixels.
double Noise(std::uint32_t seed, double x, double y, double cell) {
  auto hash = [&](int i, int j) {
    std::uint32_t v =
        seed ^ (static_cast<std::uint32_t>(i) * 73856093u) ^ (static_cast<std::uint32_t>(j) * 19349663u);
    v ^= v >> 13;
    v *= 0x5bd1e995u;
    v ^= v >> 15;
    return (v & 0xFFFF) / 65535.0;
  };
  double fx = x / cell, fy = y / cell;
  int i = Floor(fx), j = Floor(fy);
  double tx = fx - i, ty = fy - j;
  tx = tx * tx * (3 - 2 * tx);
  ty = ty * ty * (3 - 2 * ty);
  double a = hash(i, j) * (1 - tx) + hash(i + 1, j) * tx;
  double b = hash(i, j + 1) * (1 - tx) + hash(i + 1, j + 1) * tx;
  return a * (1 - ty) + b * ty;
}

const Ramp kChar{Hex(0x0c0a0a), Hex(0x1c1816), Hex(0x2e2622), Hex(0x42372e), Hex(0x5a4b3e), Hex(0x786756)};

// Charred colour of a working pixel: glows go out, metal darkens towards soot.
Argb Char(Argb px, double scorch) {
  double l = Luma(px), s = Saturation(px);
  bool glowing = s > 0.55 && l > 0.35;
  if (glowing) return scorch > 0.6 ? Hex(0x4a1a0c) : Hex(0x2a1410);
  Argb soot = kChar.at(std::clamp(l * 6.2 * (0.55 + 0.45 * scorch), 0.3, 5.0));
  return Mix(Shade(px, 0.55), soot, 0.72);
}

bool EdgePixel(const Canvas &c, int x, int y) {
  return c.covered(x, y) &&
         (!c.covered(x - 1, y) || !c.covered(x + 1, y) || !c.covered(x, y - 1) || !c.covered(x, y + 1));
}

// Bites a ragged chunk out of the silhouette around (x, y).
void Bite(Canvas &c, Rng &rng, int x, int y, double r) {
  for (int j = Floor(y - r - 2); j <= y + r + 2; ++j)
    for (int i = Floor(x - r - 2); i <= x + r + 2; ++i) {
      double d = std::hypot(i - x, j - y) + (rng.unit() - 0.5) * 2.2;
      if (d < r) c.set(i, j, kClear);
    }
}

// A smouldering crack wandering from (x, y).
void Crack(Canvas &c, Rng &rng, double x, double y, int len) {
  double a = rng.unit() * 6.283;
  for (int k = 0; k < len; ++k) {
    int ix = Floor(x), iy = Floor(y);
    if (!c.covered(ix, iy)) return;
    bool ember = rng.unit() < 0.22;
    c.set(ix, iy, ember ? (rng.unit() < 0.5 ? Hex(0xd04a10) : Hex(0xff9a30)) : Hex(0x0a0808));
    a += (rng.unit() - 0.5) * 1.3;
    x += std::cos(a);
    y += std::sin(a);
  }
}

}  // namespace

Canvas Wreck(const Canvas &working, std::uint32_t seed, double damage) {
  Canvas c = working;
  Rng rng(seed);
  int area = 0;
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) {
      if (!c.covered(x, y)) continue;
      ++area;
      double scorch = Noise(seed, x, y, 7) * 0.7 + Noise(seed + 7, x, y, 3) * 0.3;
      Argb px = Char(c.get(x, y), scorch);
      if (scorch < 0.38) px = Shade(px, 0.6);
      c.set(x, y, px);
    }
  std::vector<std::pair<int, int>> edges;
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x)
      if (EdgePixel(c, x, y)) edges.emplace_back(x, y);
  int bites = std::max(2, static_cast<int>(damage * area / 500.0));
  for (int k = 0; k < bites && !edges.empty(); ++k) {
    auto [x, y] = edges[rng.next() % edges.size()];
    Bite(c, rng, x, y, 1.5 + rng.unit() * (2.0 + std::sqrt(area) / 14.0));
  }
  int cracks = std::max(3, static_cast<int>(damage * area / 260.0));
  for (int k = 0; k < cracks; ++k) {
    int x = rng.range(0, c.w - 1), y = rng.range(0, c.h - 1);
    if (c.covered(x, y)) Crack(c, rng, x, y, rng.range(4, 10 + c.h / 10));
  }
  // Loose pixels left by the bites would flicker as specks: drop them.
  Canvas copy = c;
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) {
      int n =
          copy.covered(x - 1, y) + copy.covered(x + 1, y) + copy.covered(x, y - 1) + copy.covered(x, y + 1);
      if (copy.covered(x, y) && n <= 1) c.set(x, y, kClear);
    }
  return c;
}

}  // namespace qel::art::kit
