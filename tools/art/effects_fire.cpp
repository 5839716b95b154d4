// Explosions, blasts and energy effects. They are procedural: a noise-broken heat field cut into
// a few flat colour bands, so every frame is crisp pixel art with no soft edges. Frames of one
// animation share their centre; a seed per frame keeps the shapes deterministic.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "art/paint_kit.h"
#include "art/registry.h"

namespace qel::art {
namespace {

constexpr double kPi = 3.14159265358979;

// ---- deterministic noise -----------------------------------------------------------------

std::uint32_t Hash(int x, int y, std::uint32_t seed) {
  std::uint32_t h = seed * 0x9E3779B1u;
  h ^= static_cast<std::uint32_t>(x) * 0x85EBCA77u;
  h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return h;
}

double Lattice(int x, int y, std::uint32_t seed) { return (Hash(x, y, seed) & 0xFFFFu) / 65535.0; }

double Smooth(double t) { return t * t * (3 - 2 * t); }

double ValueNoise(double x, double y, std::uint32_t seed) {
  int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
  double fx = Smooth(x - ix), fy = Smooth(y - iy);
  double a = Lattice(ix, iy, seed), b = Lattice(ix + 1, iy, seed);
  double c = Lattice(ix, iy + 1, seed), d = Lattice(ix + 1, iy + 1, seed);
  return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}

// Two octaves, 0..1; `scale` is the size of the coarse features in pixels.
double Fbm(double x, double y, double scale, std::uint32_t seed) {
  double n = ValueNoise(x / scale, y / scale, seed) * 0.67;
  n += ValueNoise(x * 2 / scale, y * 2 / scale, seed + 101) * 0.33;
  return n;
}

// A tiny seeded generator for placing blobs, sparks and arcs.
struct Rng {
  std::uint32_t s;
  double next() {
    s = s * 1664525u + 1013904223u;
    return ((s >> 8) & 0xFFFFu) / 65535.0;
  }
  double range(double a, double b) { return a + (b - a) * next(); }
};

// ---- palettes ------------------------------------------------------------------------------

// Fire ramps, darkest first: the outline (0), then the heat bands from the coolest fire (1) to
// the white-hot core (6).
const Ramp kFire = {Rgb(52, 10, 6),    Rgb(128, 26, 14),   Rgb(214, 54, 16),  Rgb(250, 124, 22),
                    Rgb(255, 196, 48), Rgb(255, 240, 130), Rgb(255, 255, 236)};
const Ramp kPlasma = {Rgb(10, 12, 56),   Rgb(30, 36, 140),   Rgb(36, 84, 220),  Rgb(40, 160, 255),
                      Rgb(96, 230, 255), Rgb(200, 255, 255), Rgb(255, 255, 255)};
const Ramp kHeal = {Rgb(6, 36, 40),     Rgb(16, 96, 96),    Rgb(30, 160, 130), Rgb(60, 220, 150),
                    Rgb(130, 255, 170), Rgb(210, 255, 220), Rgb(255, 255, 255)};

// The colour of heat band b, 0 the white-hot core .. 5 the coolest fire.
Argb Hot(const Ramp &r, std::size_t band) { return r[6 - band]; }

const Argb kSmokeLight = Rgb(120, 108, 104), kSmokeMid = Rgb(84, 72, 72), kSmokeDark = Rgb(56, 46, 48);

// Band for a temperature 0..1 (1 = white hot); -1 for "not fire".
int BandOf(double t) {
  static const double kEdges[6] = {0.86, 0.72, 0.58, 0.44, 0.30, 0.12};
  for (int i = 0; i < 6; ++i)
    if (t > kEdges[i]) return i;
  return -1;
}

// ---- explosions ----------------------------------------------------------------------------

struct Blob {
  double x, y, r;
};

// How far an explosion is in its life: 0 = the first flash, 1 = nearly gone.
struct Stage {
  double age;      // cools the colours and turns the rim to smoke
  double hollow;   // how much the centre has burnt out
  double breakup;  // how much of the cloud is torn into fragments
  std::uint32_t seed;
};

// Heat of one pixel: the strongest blob, its edge broken by noise, the centre hollowed later.
double HeatAt(double x, double y, const std::vector<Blob> &blobs, const Stage &s) {
  double best = -1;
  for (const Blob &b : blobs) {
    double d = std::hypot(x - b.x, y - b.y) / b.r;
    double wobble = (Fbm(x, y, 7.0, s.seed) - 0.5) * 0.55;
    double h = 1 - d + wobble;
    h -= s.hollow * std::max(0.0, 1 - d * 1.6) * 0.9;
    best = std::max(best, h);
  }
  return best;
}

// Each blob is brightest towards its upper left, so the cloud reads as a cluster of lit balls.
double BlobLight(double x, double y, const std::vector<Blob> &blobs, const Stage &s) {
  double best = 0;
  for (const Blob &b : blobs) {
    double cx = b.x - b.r * 0.25, cy = b.y - b.r * 0.25;
    double d = std::hypot(x - cx, y - cy) / (b.r * 0.95);
    best = std::max(best, 1 - d - s.hollow * std::max(0.0, 0.5 - d) * 0.4);
  }
  return best;
}

// The heat of every pixel of a cell, computed once so neighbours are cheap to read.
struct HeatMap {
  int w, h;
  std::vector<double> v;
  double at(int x, int y) const {
    x = std::clamp(x, 0, w - 1);
    y = std::clamp(y, 0, h - 1);
    return v[static_cast<std::size_t>(y * w + x)];
  }
};

HeatMap MakeHeat(int w, int h, const std::vector<Blob> &blobs, const Stage &s) {
  HeatMap m{w, h, std::vector<double>(static_cast<std::size_t>(w * h))};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) m.v[static_cast<std::size_t>(y * w + x)] = HeatAt(x + 0.5, y + 0.5, blobs, s);
  return m;
}

// Smoke lit from the top left: lighter where the cloud thickens towards the bottom right.
Argb SmokeColour(const HeatMap &m, int x, int y) {
  double slope = m.at(x + 2, y + 2) - m.at(x - 2, y - 2);
  if (slope > 0.06) return kSmokeLight;
  if (slope < -0.06) return kSmokeDark;
  return kSmokeMid;
}

// Drops lone pixels and fills pinholes, so the noise never leaves single-pixel dust.
void Despeckle(Canvas &cell) {
  for (int pass = 0; pass < 2; ++pass) {
    Canvas copy = cell;
    for (int y = 0; y < cell.h; ++y)
      for (int x = 0; x < cell.w; ++x) {
        int n =
            copy.covered(x - 1, y) + copy.covered(x + 1, y) + copy.covered(x, y - 1) + copy.covered(x, y + 1);
        if (copy.covered(x, y) && n <= 1) cell.set(x, y, kClear);
        if (!copy.covered(x, y) && n >= 3) {
          Argb fill = copy.covered(x - 1, y) ? copy.get(x - 1, y) : copy.get(x + 1, y);
          if (!copy.covered(x - 1, y) && !copy.covered(x + 1, y)) fill = copy.get(x, y - 1);
          cell.set(x, y, fill);
        }
      }
  }
}

// Paints a fire (or plasma) cloud over `cell`. The colour mixes the cloud's heat with the light
// of each ball, so the white cores sit towards the upper left and the far side stays darker.
// Fire that has cooled turns to smoke when `smoke` is set, else it keeps the ramp's dark band.
void PaintCloud(Canvas &cell, const std::vector<Blob> &blobs, const Stage &s, const Ramp &ramp, bool smoke) {
  HeatMap heat = MakeHeat(cell.w, cell.h, blobs, s);
  for (int y = 2; y < cell.h - 2; ++y)
    for (int x = 2; x < cell.w - 2; ++x) {
      double h = heat.at(x, y);
      if (h <= 0) continue;
      double tear = Fbm(x + 0.5, y + 0.5, 6.0, s.seed + 31);
      if (tear < s.breakup * (1.1 - h)) continue;
      double lit = 0.45 * h + 0.55 * BlobLight(x + 0.5, y + 0.5, blobs, s);
      double t = lit * 1.25 * (1 - 0.75 * s.age) + (Fbm(x + 0.5, y + 0.5, 5.0, s.seed + 3) - 0.5) * 0.1;
      int band = BandOf(t);
      bool cooled = band < 0 || (s.age > 0.3 && band >= 5 && h < 0.35 * s.age + 0.1);
      if (cooled && smoke && s.age > 0.3) cell.set(x, y, SmokeColour(heat, x, y));
      else if (cooled) cell.set(x, y, Hot(ramp, 5));
      else cell.set(x, y, Hot(ramp, static_cast<std::size_t>(band)));
    }
}

// Cleans a finished cell, outlines it in the ramp's darkest shade and puts it on the sheet.
void Finish(Canvas &c, Canvas &cell, int ox, int oy, const Ramp &ramp) {
  Despeckle(cell);
  cell.outline(ramp[0]);
  c.paste(cell, ox, oy);
}

// A star of `points` spikes (a flash), outer radius rOut, inner rIn, turned by `turn` radians.
void Star(Canvas &cell, double cx, double cy, int points, double rOut, double rIn, double turn, Argb col) {
  std::vector<double> xy;
  for (int i = 0; i < points * 2; ++i) {
    double a = turn + kPi * i / points - kPi / 2, r = (i % 2) ? rIn : rOut;
    xy.push_back(cx + std::cos(a) * r);
    xy.push_back(cy + std::sin(a) * r);
  }
  cell.fillPolygon(xy, col);
}

// A shock ring of radius r and thickness `thick`, torn into arcs where the noise is low.
void Ring(Canvas &cell, double cx, double cy, double r, double thick, double torn, std::uint32_t seed,
          Argb outer, Argb inner) {
  for (int y = 0; y < cell.h; ++y)
    for (int x = 0; x < cell.w; ++x) {
      double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
      if (std::fabs(d - r) > thick / 2) continue;
      double a = std::atan2(y + 0.5 - cy, x + 0.5 - cx);
      if (ValueNoise(std::cos(a) * 3 + 9, std::sin(a) * 3 + 9, seed) < torn) continue;
      cell.set(x, y, d < r ? inner : outer);
    }
}

// Embers flung out from the centre: a bright head with a darker tail pointing back.
void Embers(Canvas &cell, double cx, double cy, int count, double radius, std::uint32_t seed,
            const Ramp &ramp) {
  Rng rng{seed};
  for (int i = 0; i < count; ++i) {
    double a = rng.range(0, 2 * kPi), r = radius * rng.range(0.8, 1.05);
    double x = cx + std::cos(a) * r, y = cy + std::sin(a) * r;
    if (x < 4 || y < 4 || x > cell.w - 5 || y > cell.h - 5) continue;
    cell.line(cx + std::cos(a) * (r - 5), cy + std::sin(a) * (r - 5), x, y, 1, Hot(ramp, 3));
    cell.fillRect(static_cast<int>(x), static_cast<int>(y), 2, 2, Hot(ramp, 1));
  }
}

// Bits of hull thrown out by the player's ship: small silver wedges.
void Shards(Canvas &cell, double cx, double cy, int count, double radius, std::uint32_t seed) {
  Rng rng{seed};
  for (int i = 0; i < count; ++i) {
    double a = rng.range(0, 2 * kPi), r = radius * rng.range(0.85, 1.05), turn = rng.range(0, kPi);
    double x = cx + std::cos(a) * r, y = cy + std::sin(a) * r;
    if (x < 5 || y < 5 || x > cell.w - 6 || y > cell.h - 6) continue;
    double ux = std::cos(turn) * 3, uy = std::sin(turn) * 3;
    cell.fillPolygon({x - ux, y - uy, x + ux, y + uy, x + uy * 0.6, y - ux * 0.6}, Rgb(200, 208, 224));
    cell.set(static_cast<int>(x - ux * 0.5), static_cast<int>(y - uy * 0.5), Rgb(255, 255, 255));
  }
}

std::vector<Blob> RingOfBlobs(double cx, double cy, int n, double dist, double r, std::uint32_t seed) {
  std::vector<Blob> blobs{{cx, cy, r * 1.1}};
  Rng rng{seed};
  for (int i = 0; i < n; ++i) {
    double a = 2 * kPi * i / n + rng.range(-0.4, 0.4), d = dist * rng.range(0.7, 1.1);
    blobs.push_back({cx + std::cos(a) * d, cy + std::sin(a) * d, r * rng.range(0.6, 0.9)});
  }
  return blobs;
}

// One key frame of an explosion: the cloud's layout and how far it has burnt.
struct Key {
  int blobs;
  double dist, r, age, hollow, breakup;
  int embers;
};

std::uint32_t Seed(std::uint32_t base, int frame, std::uint32_t salt) {
  return base + salt * static_cast<std::uint32_t>(frame + 1);
}

Canvas KeyCloud(const Key &k, double scale, std::uint32_t seed, int f) {
  Canvas cell(96, 96);
  auto blobs = RingOfBlobs(48, 48, k.blobs, k.dist * scale, k.r * scale, Seed(seed, f, 17));
  PaintCloud(cell, blobs, {k.age, k.hollow, k.breakup, Seed(seed, f, 5)}, kFire, true);
  if (k.embers) Embers(cell, 48, 48, k.embers, (k.dist + k.r) * scale * 1.05, Seed(seed, f, 91), kFire);
  return cell;
}

// The ordinary explosion: a flash, a fireball, a burning cloud going to smoke, torn smoke.
const Key kStandard[4] = {{3, 6, 17, 0.0, 0.0, 0.0, 0},
                          {5, 12, 24, 0.12, 0.0, 0.0, 6},
                          {6, 18, 28, 0.45, 0.45, 0.25, 10},
                          {7, 24, 27, 0.8, 0.9, 0.6, 8}};

void StandardExplosion(Canvas &c, std::uint32_t seed) {
  for (int f = 0; f < 4; ++f) {
    Canvas cell(96, 96);
    if (f == 0) Star(cell, 48, 48, 4, 28, 6, 0.3, Hot(kFire, 1));
    cell.paste(KeyCloud(kStandard[f], 1.0, seed, f), 0, 0);
    Finish(c, cell, f * 96, 0, kFire);
  }
}

// The alternative explosion rides on a shock ring that outruns the fire.
void RingExplosion(Canvas &c, std::uint32_t seed) {
  const double ringR[4] = {0, 30, 38, 43}, ringT[4] = {0, 4, 3, 2}, torn[4] = {0, 0.1, 0.35, 0.6};
  for (int f = 0; f < 4; ++f) {
    Canvas cell(96, 96);
    if (f == 0) Star(cell, 48, 48, 8, 26, 8, 0.2, Hot(kFire, 1));
    if (f > 0)
      Ring(cell, 48, 48, ringR[f], ringT[f], torn[f], Seed(seed, f, 13), Hot(kFire, f + 1), Hot(kFire, f));
    cell.paste(KeyCloud(kStandard[f], 0.8, seed, f), 0, 0);
    Finish(c, cell, f * 96, 0, kFire);
  }
}

// The player's ship: a white flash, a cyan shock ring from its engine, and hull shards.
void PlayerExplosion(Canvas &c, std::uint32_t seed) {
  const Key keys[4] = {{4, 8, 22, 0.0, 0.0, 0.0, 0},
                       {6, 14, 27, 0.08, 0.0, 0.0, 8},
                       {7, 19, 28, 0.42, 0.45, 0.2, 12},
                       {8, 25, 26, 0.8, 0.9, 0.6, 10}};
  const double ringR[4] = {0, 36, 42, 44}, torn[4] = {0, 0.0, 0.3, 0.62};
  for (int f = 0; f < 4; ++f) {
    Canvas cell(96, 96);
    if (f == 0) Star(cell, 48, 48, 8, 44, 10, 0.0, Hot(kPlasma, 1));
    if (f > 0)
      Ring(cell, 48, 48, ringR[f], f == 1 ? 4 : 3, torn[f], Seed(seed, f, 13), Hot(kPlasma, 3),
           Hot(kPlasma, 1));
    cell.paste(KeyCloud(keys[f], 1.0, seed, f), 0, 0);
    if (f >= 2) Shards(cell, 48, 48, 7, f == 2 ? 34 : 41, Seed(seed, f, 29));
    Finish(c, cell, f * 96, 0, kFire);
  }
}

// A boss blowing apart: an uneven cluster of fireballs over five frames.
void BossExplosion(Canvas &c, std::uint32_t seed) {
  const Key keys[5] = {{2, 6, 16, 0.0, 0.0, 0.0, 0},
                       {5, 12, 21, 0.04, 0.0, 0.0, 6},
                       {7, 18, 24, 0.25, 0.2, 0.0, 10},
                       {8, 23, 24, 0.55, 0.55, 0.3, 10},
                       {8, 27, 22, 0.85, 0.9, 0.65, 6}};
  for (int f = 0; f < 5; ++f) {
    Canvas cell(96, 96);
    if (f == 0) Star(cell, 48, 48, 6, 30, 7, 0.5, Hot(kFire, 1));
    cell.paste(KeyCloud(keys[f], 1.0, seed, f), 0, 0);
    Finish(c, cell, f * 96, 0, kFire);
  }
}

// The player's blast bomb goes off as a spiked ball of blue plasma; the two frames alternate,
// the second turned by half a spike so that the burst seems to spin.
void PlasmaBlast(Canvas &c, int size, std::uint32_t seed) {
  const double m = size / 2.0, r = size * 0.36;
  for (int f = 0; f < 2; ++f) {
    Canvas cell(size, size);
    double turn = f * kPi / 8;
    Star(cell, m, m, 8, size * 0.46, r * 0.6, turn, Hot(kPlasma, 3));
    Star(cell, m, m, 8, size * 0.38, r * 0.5, turn, Hot(kPlasma, 2));
    auto blobs = RingOfBlobs(m, m, 5, r * 0.45, r * (f ? 0.78 : 0.72), Seed(seed, f, 7));
    PaintCloud(cell, blobs, {0.0, 0.0, 0.0, Seed(seed, f, 3)}, kPlasma, false);
    if (f == 1) Ring(cell, m, m, size * 0.41, 2, 0.35, seed, Hot(kPlasma, 3), Hot(kPlasma, 1));
    Finish(c, cell, f * size, 0, kPlasma);
  }
}

// The fire weapon's puff: a blue flame, round below and licking upwards in three tongues.
void FlamePuff(Canvas &c) {
  Canvas shape(32, 32);
  shape.fillEllipse(16, 20, 8.5, 7.5, Hot(kPlasma, 0));
  shape.fillPolygon({9.5, 19, 22.5, 19, 17.5, 3, 15, 6}, Hot(kPlasma, 0));
  shape.fillPolygon({7.5, 21, 14, 15, 8, 8}, Hot(kPlasma, 0));
  shape.fillPolygon({18, 15, 24.5, 21, 24.5, 9}, Hot(kPlasma, 0));
  Canvas cell(32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      if (!shape.covered(x, y)) continue;
      double dx = x + 0.5 - 15.5, dy = y + 0.5 - 20.5;
      double d = std::hypot(dx * 1.1, dy < 0 ? dy * 0.55 : dy * 1.2) / 9.5;
      double t = 1.05 - d + (Fbm(x, y, 3.0, 55) - 0.5) * 0.16;
      int band = BandOf(t);
      cell.set(x, y, Hot(kPlasma, static_cast<std::size_t>(band < 0 ? 5 : std::min(band, 5))));
    }
  Finish(c, cell, 0, 0, kPlasma);
}

// A jagged bolt from radius r0 to r1 along angle a: a cyan glow round a white thread.
void Bolt(Canvas &cell, double cx, double cy, double a, double r0, double r1, Rng &rng) {
  const int steps = 5;
  std::vector<double> pts;
  for (int i = 0; i <= steps; ++i) {
    double r = r0 + (r1 - r0) * i / steps, side = (i == 0 || i == steps) ? 0 : rng.range(-3.5, 3.5);
    pts.push_back(cx + std::cos(a) * r - std::sin(a) * side);
    pts.push_back(cy + std::sin(a) * r + std::cos(a) * side);
  }
  for (int pass = 0; pass < 2; ++pass)
    for (int i = 0; i < steps; ++i) {
      std::size_t k = static_cast<std::size_t>(2 * i);
      cell.line(pts[k], pts[k + 1], pts[k + 2], pts[k + 3], pass ? 1 : 3, Hot(kPlasma, pass ? 0 : 2));
    }
}

// The thunder ball: a white-hot core in a crackling shell, bolts jumping out to its rim.
void ThunderBall(Canvas &c, std::uint32_t seed) {
  for (int f = 0; f < 2; ++f) {
    Canvas cell(64, 64);
    Rng rng{Seed(seed, f, 77)};
    Ring(cell, 32, 32, 22, 3, 0.45, Seed(seed, f, 5), Hot(kPlasma, 4), Hot(kPlasma, 3));
    const int bolts = 7;
    for (int i = 0; i < bolts; ++i)
      Bolt(cell, 32, 32, 2 * kPi * (i + rng.range(0.0, 0.6) + f * 0.5) / bolts, 10, rng.range(24, 28), rng);
    auto blobs = RingOfBlobs(32, 32, 4, 4, 12.5, Seed(seed, f, 9));
    PaintCloud(cell, blobs, {0.0, 0.0, 0.0, Seed(seed, f, 3)}, kPlasma, false);
    Finish(c, cell, f * 64, 0, kPlasma);
  }
}

// A small "+" of the healing aura.
void Cross(Canvas &cell, int x, int y) {
  cell.fillRect(x - 1, y - 3, 3, 7, Hot(kHeal, 3));
  cell.fillRect(x - 3, y - 1, 7, 3, Hot(kHeal, 3));
  cell.fillRect(x, y - 2, 1, 5, Hot(kHeal, 0));
  cell.fillRect(x - 2, y, 5, 1, Hot(kHeal, 0));
}

// The healing aura circles the ship (which stays visible in the middle). Bright arcs turn by a
// third of their spacing per frame and the crosses by a third of theirs, so the loop is seamless.
void HealAura(Canvas &c) {
  for (int f = 0; f < 3; ++f) {
    Canvas cell(64, 64);
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) {
        double dx = x + 0.5 - 32, dy = y + 0.5 - 32, d = std::hypot(dx, dy);
        double a = std::atan2(dy, dx) - f * kPi / 9;
        double wave = std::cos(a * 6);
        if (d < 25.5 || d > 28.5 + wave) continue;
        Argb col = wave > 0.6 ? Hot(kHeal, 1) : wave > -0.2 ? Hot(kHeal, 3) : Hot(kHeal, 4);
        cell.set(x, y, d < 26.5 ? Hot(kHeal, 5) : col);
      }
    for (int i = 0; i < 3; ++i) {
      double a = 2 * kPi * i / 3 + f * 2 * kPi / 9 - kPi / 2;
      Cross(cell, static_cast<int>(32 + std::cos(a) * 22), static_cast<int>(32 + std::sin(a) * 22));
      double b = a + kPi / 3;
      cell.fillRect(static_cast<int>(32 + std::cos(b) * 21), static_cast<int>(32 + std::sin(b) * 21), 2, 2,
                    Hot(kHeal, 1));
    }
    Finish(c, cell, f * 64, 0, kHeal);
  }
}

// Two sheets the game never shows; a spark and a puff keep them from being placeholders.
void Spark(Canvas &c) {
  Canvas cell(c.w, c.h);
  double cx = c.w / 2.0, cy = c.h / 2.0;
  Star(cell, cx, cy, 4, std::min(cx, cy) - 3, 2.5, 0, Hot(kPlasma, 2));
  cell.fillCircle(cx, cy, 3, Hot(kPlasma, 0));
  Finish(c, cell, 0, 0, kPlasma);
}

void Puff(Canvas &c) {
  Canvas cell(c.w, c.h);
  std::vector<Blob> blobs = {{24, 21, 11}, {15, 24, 7}, {33, 24, 7}};
  PaintCloud(cell, blobs, {0.7, 0.6, 0.0, 46}, kFire, true);
  Finish(c, cell, 0, 0, kFire);
}

}  // namespace

ART_SHEET(TOKU4) { StandardExplosion(c, 40); }
ART_SHEET(TOKU3) { RingExplosion(c, 300); }  // never spawned; drawn so no placeholder remains
ART_SHEET(TOKU8) { PlayerExplosion(c, 800); }
ART_SHEET(TOKU9) { BossExplosion(c, 900); }

ART_SHEET(TOKU18) { PlasmaBlast(c, 32, 180); }
ART_SHEET(TOKU43) { PlasmaBlast(c, 48, 430); }
ART_SHEET(TOKU55) { FlamePuff(c); }  // only the first cell is shown
ART_SHEET(TOKU45) { ThunderBall(c, 450); }
ART_SHEET(TOKU49) { HealAura(c); }
ART_SHEET(TOKU16) { Spark(c); }
ART_SHEET(TOKU46) { Puff(c); }

}  // namespace qel::art
