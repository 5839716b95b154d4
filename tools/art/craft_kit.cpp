#include "art/craft_kit.h"
#include "platform/angles.h"

#include <algorithm>
#include <cmath>

namespace qel::art::craft {

namespace {

// The light comes from the top left and somewhat from the front.
const double kLx = -0.55, kLy = -0.62, kLz = 0.56;

double Rad(double deg) { return deg * kPi / 180; }

std::vector<double> Flat(const Xform &t, const std::vector<Pt> &pts) {
  std::vector<double> xy;
  xy.reserve(pts.size() * 2);
  for (Pt p : pts) {
    Pt q = t.map(p);
    xy.push_back(q.x);
    xy.push_back(q.y);
  }
  return xy;
}

// Distance from each pixel of s to the nearest pixel outside it, capped at cap.
std::vector<double> EdgeDistance(const Shape &s, double cap) {
  const int w = s.w(), h = s.h(), r = static_cast<int>(std::ceil(cap)) + 1;
  std::vector<double> d(static_cast<std::size_t>(w) * h, 0.0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (!s.on(x, y)) continue;
      double best = cap;
      for (int j = -r; j <= r; ++j)
        for (int i = -r; i <= r; ++i)
          if (!s.on(x + i, y + j)) best = std::min(best, std::hypot(i, j));
      d[static_cast<std::size_t>(y) * w + x] = best;
    }
  return d;
}

double Height(const Finish &f, double d) {
  if (d <= 0) return 0;
  if (f.profile == Profile::Dome) {
    double e = std::min(d - 0.5, f.depth);
    return std::sqrt(std::max(0.0, 2 * f.depth * e - e * e)) + 0.5;
  }
  return std::min(d, f.depth);
}

// The shade of a pixel as a fractional ramp index, before rounding.
double ShadeLevel(const Finish &f, double gx, double gy, double dist) {
  if (f.profile == Profile::Flat) return 2 + f.bias;
  if (f.profile == Profile::Glow) return std::floor(f.bias + 1 + (dist - 1) * f.gain);
  double nx = -gx, ny = -gy, nz = 1, len = std::sqrt(nx * nx + ny * ny + nz * nz);
  double light = (nx * kLx + ny * kLy + nz * kLz) / len;
  if (f.gloss > 0 && light > 1 - f.gloss) return 5;
  return 2 + f.bias + (light - kLz) * f.gain;
}

int ShadeIndex(const Finish &f, double level, int x, int y) {
  if (f.profile == Profile::Glow || level >= 5) return std::clamp(static_cast<int>(level), 0, 5);
  int i =
      f.dither ? static_cast<int>(std::floor(level + Threshold(x, y))) : static_cast<int>(std::lround(level));
  return std::clamp(i, 0, 4);
}

struct Box {
  int x0, y0, x1, y1;
};

Box Bounds(const Shape &s) {
  Box b{s.w(), s.h(), -1, -1};
  for (int y = 0; y < s.h(); ++y)
    for (int x = 0; x < s.w(); ++x)
      if (s.on(x, y)) b = {std::min(b.x0, x), std::min(b.y0, y), std::max(b.x1, x), std::max(b.y1, y)};
  return b;
}

// Darkens what the part covers no longer but touches from the top left: its shadow on the
// parts below it.
void DropShadow(Canvas &c, const Canvas &before, const Shape &s) {
  for (int y = 0; y < s.h(); ++y)
    for (int x = 0; x < s.w(); ++x) {
      if (s.on(x, y) || !before.covered(x, y)) continue;
      if (s.on(x - 1, y) || s.on(x, y - 1) || s.on(x - 1, y - 1)) c.set(x, y, Shade(before.get(x, y), 0.6));
    }
}

}  // namespace

Finish Plate(double bias, double sheen, bool dither) {
  Finish f;
  f.bias = bias;
  f.sheen = sheen;
  f.dither = dither;
  return f;
}

Finish Decal(double bias) {
  Finish f;
  f.profile = Profile::Flat;
  f.bias = bias;
  f.shadow = false;
  return f;
}

Finish DomeOf(double radius, double gloss, double gain, double bias) {
  Finish f;
  f.profile = Profile::Dome;
  f.depth = radius;
  f.gloss = gloss;
  f.gain = gain;
  f.bias = bias;
  return f;
}

Finish GlowOf(double gain, double bias) {
  Finish f;
  f.profile = Profile::Glow;
  f.gain = gain;
  f.bias = bias;
  f.shadow = false;
  return f;
}

Pt Xform::map(Pt p) const {
  if (flipX) p.x = -p.x;
  if (flipY) p.y = -p.y;
  if (roll != 0) {
    double c = std::cos(Rad(roll)), s = std::sin(Rad(roll)), toViewer = z * c - p.x * s;
    p.x = p.x * c + z * s;
    if (focal > 0) {
      double k = focal / (focal - toViewer);
      p.x *= k;
      p.y *= k;
    }
  }
  double a = Rad(angle), ca = std::cos(a), sa = std::sin(a);
  return {cx + p.x * ca - p.y * sa, cy + p.x * sa + p.y * ca};
}

Xform CellXform(int w, int h) {
  Xform t;
  t.cx = w / 2.0;
  t.cy = h / 2.0;
  return t;
}

Shape &Shape::poly(const Xform &t, const std::vector<Pt> &pts) {
  m_.poly(Flat(t, pts));
  return *this;
}

Shape &Shape::sym(const Xform &t, const std::vector<Pt> &rightHalf) {
  std::vector<Pt> all = rightHalf;
  for (auto it = rightHalf.rbegin(); it != rightHalf.rend(); ++it) all.push_back({-it->x, it->y});
  return poly(t, all);
}

Shape &Shape::ellipse(const Xform &t, Pt c, double rx, double ry, double rotDeg) {
  const int n = 48;
  std::vector<Pt> pts;
  double ca = std::cos(Rad(rotDeg)), sa = std::sin(Rad(rotDeg));
  for (int i = 0; i < n; ++i) {
    double a = 2 * kPi * i / n, ex = rx * std::cos(a), ey = ry * std::sin(a);
    pts.push_back({c.x + ex * ca - ey * sa, c.y + ex * sa + ey * ca});
  }
  return poly(t, pts);
}

Shape &Shape::rect(const Xform &t, double x, double y, double w, double h) {
  return poly(t, {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}});
}

Shape &Shape::capsule(const Xform &t, Pt a, Pt b, double thick) {
  double len = std::hypot(b.x - a.x, b.y - a.y), r = thick / 2;
  if (len <= 0) return ellipse(t, a, r, r);
  double ux = (b.x - a.x) / len, uy = (b.y - a.y) / len, base = std::atan2(uy, ux);
  std::vector<Pt> pts;
  const int n = 12;
  for (int i = 0; i <= n; ++i) {
    double ang = base - kPi / 2 + kPi * i / n;
    pts.push_back({b.x + r * std::cos(ang), b.y + r * std::sin(ang)});
  }
  for (int i = 0; i <= n; ++i) {
    double ang = base + kPi / 2 + kPi * i / n;
    pts.push_back({a.x + r * std::cos(ang), a.y + r * std::sin(ang)});
  }
  return poly(t, pts);
}

Shape &Shape::line(const Xform &t, Pt a, Pt b) {
  Pt p = t.map(a), q = t.map(b);
  int x0 = static_cast<int>(std::floor(p.x)), y0 = static_cast<int>(std::floor(p.y));
  int x1 = static_cast<int>(std::floor(q.x)), y1 = static_cast<int>(std::floor(q.y));
  int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0), sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    set(x0, y0, true);
    if (x0 == x1 && y0 == y1) break;
    int e2 = 2 * err;
    if (e2 >= dy) err += dy, x0 += sx;
    if (e2 <= dx) err += dx, y0 += sy;
  }
  return *this;
}

Shape &Shape::pixel(int x, int y) {
  set(x, y, true);
  return *this;
}

Shape &Shape::add(const Shape &o) {
  m_.unite(o.m_);
  return *this;
}

Shape &Shape::cut(const Shape &o) {
  m_.subtract(o.m_);
  return *this;
}

Shape &Shape::clip(const Shape &o) {
  m_.intersect(o.m_);
  return *this;
}

Shape &Shape::grow(int n) {
  m_.grow(n);
  return *this;
}

void Paint(Canvas &c, const Shape &s, const Ramp &r, const Finish &f) {
  const Canvas before = c;
  const double cap = f.profile == Profile::Glow ? 8 : f.depth + 1;
  const std::vector<double> dist = EdgeDistance(s, cap);
  std::vector<double> hgt(dist.size());
  for (std::size_t i = 0; i < dist.size(); ++i) hgt[i] = Height(f, dist[i]);
  auto at = [&](int x, int y) { return static_cast<std::size_t>(y) * s.w() + x; };
  auto H = [&](int x, int y) { return s.on(x, y) ? hgt[at(x, y)] : 0.0; };
  const Box b = Bounds(s);
  const double span = std::max(1, (b.x1 - b.x0) + (b.y1 - b.y0));
  for (int y = 0; y < s.h(); ++y)
    for (int x = 0; x < s.w(); ++x) {
      if (!s.on(x, y)) continue;
      double gx = (H(x + 1, y) - H(x - 1, y)) / 2, gy = (H(x, y + 1) - H(x, y - 1)) / 2;
      double level = ShadeLevel(f, gx, gy, dist[at(x, y)]);
      if (level < 5) level += f.sheen * (0.5 - ((x - b.x0) + (y - b.y0)) / span);
      c.set(x, y, r[static_cast<std::size_t>(ShadeIndex(f, level, x, y))]);
    }
  if (f.shadow) DropShadow(c, before, s);
}

void Tint(Canvas &c, const Shape &s, double factor) {
  for (int y = 0; y < s.h(); ++y)
    for (int x = 0; x < s.w(); ++x)
      if (s.on(x, y) && c.covered(x, y)) c.set(x, y, Shade(c.get(x, y), factor));
}

void Fill(Canvas &c, const Shape &s, Argb colour, bool onlyCovered) {
  for (int y = 0; y < s.h(); ++y)
    for (int x = 0; x < s.w(); ++x)
      if (s.on(x, y) && (!onlyCovered || c.covered(x, y))) c.set(x, y, colour);
}

void Exhaust(Canvas &c, const Xform &t, Pt at, double half, double len) {
  Shape f(c);
  f.poly(t, {{at.x - half, at.y},
             {at.x + half, at.y},
             {at.x + half * 0.5, at.y - len * 0.7},
             {at.x, at.y - len},
             {at.x - half * 0.5, at.y - len * 0.7}});
  Paint(c, f, pal::kExhaust, GlowOf(1.5, 0.5));
}

void Lamp(Canvas &c, const Xform &t, Pt p, Argb colour, int size) {
  Pt q = t.map(p);
  int x = static_cast<int>(std::floor(q.x)), y = static_cast<int>(std::floor(q.y));
  if (size <= 1) {
    c.set(x, y, Mix(colour, Rgb(255, 255, 255), 0.45));
    return;
  }
  x -= size / 2;
  y -= size / 2;
  for (int j = 0; j < size; ++j)
    for (int i = 0; i < size; ++i) c.set(x + i, y + j, Shade(colour, (i + j >= size) ? 0.7 : 1.0));
  c.set(x, y, Mix(colour, Rgb(255, 255, 255), 0.7));
}

void DrawCell(Canvas &sheet, int cw, int ch, int col, int row, DrawCraft draw, int variant, Xform base) {
  Canvas cell(cw, ch);
  base.cx = cw / 2.0;
  base.cy = ch / 2.0;
  draw(cell, base, variant);
  Outline(cell);
  PasteCell(sheet, cell, col, row);
}

void Outline(Canvas &cell) { cell.outline(kInk); }

void PasteCell(Canvas &sheet, const Canvas &cell, int col, int row) {
  sheet.paste(cell, col * cell.w, row * cell.h);
}

}  // namespace qel::art::craft
