// Tumbling asteroids: a lumpy, cratered rock is ray-cast in 3-D and turned a quarter turn per
// frame about a tilted axis, so the four frames loop as one tumble. Light, as everywhere, comes
// from the top left; the surface texture is fixed to the rock and turns with it. Seeded, so the
// rocks come out the same on every build.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "art/craft_kit.h"
#include "art/paint_kit.h"
#include "art/registry.h"
#include "platform/angles.h"

namespace qel::art {
namespace {

struct V3 {
  double x, y, z;
};

V3 operator+(V3 a, V3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
V3 operator*(V3 a, double k) { return {a.x * k, a.y * k, a.z * k}; }
double Dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
V3 Cross(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double Len(V3 a) { return std::sqrt(Dot(a, a)); }
V3 Unit(V3 a) { return a * (1 / Len(a)); }

// Rodrigues' rotation of v about the unit axis k.
V3 Rotate(V3 v, V3 k, double ang) {
  double c = std::cos(ang), s = std::sin(ang);
  return v * c + Cross(k, v) * s + k * (Dot(k, v) * (1 - c));
}

class Lcg {
 public:
  explicit Lcg(std::uint32_t seed) : s_(seed) {}
  double next() {
    s_ = s_ * 1664525u + 1013904223u;
    return (s_ >> 8) / 16777216.0;
  }
  double range(double a, double b) { return a + (b - a) * next(); }
  V3 direction() {
    double z = range(-1, 1), a = range(0, 2 * kPi), r = std::sqrt(1 - z * z);
    return {r * std::cos(a), r * std::sin(a), z};
  }

 private:
  std::uint32_t s_;
};

struct Feature {
  V3 dir;
  double size, amount;  // angular radius (radians) and relative height
};

struct Rock {
  double radius, limit;  // limit: the largest radius, relative, that stays inside the cell
  V3 squash;             // ellipsoid stretch per axis
  std::vector<Feature> lumps, craters;
};

Rock MakeRock(std::uint32_t seed, int cell, double radius, int lumps, int craters) {
  Lcg rng(seed);
  Rock r{radius, (cell / 2.0 - 1.5) / radius, {1.0, rng.range(0.78, 0.9), rng.range(0.72, 0.85)}, {}, {}};
  for (int i = 0; i < lumps; ++i)
    r.lumps.push_back({rng.direction(), rng.range(0.4, 0.9), rng.range(-0.22, 0.22)});
  for (int i = 0; i < craters; ++i)
    r.craters.push_back({rng.direction(), rng.range(0.18, 0.42), rng.range(0.08, 0.16)});
  return r;
}

// Cheap value noise on the rock's surface, so speckles and veins turn with it.
double Hash(int x, int y, int z) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 73856093u ^ static_cast<std::uint32_t>(y) * 19349663u ^
                    static_cast<std::uint32_t>(z) * 83492791u;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  h ^= h >> 15;
  return (h & 0xFFFF) / 65535.0;
}

double Noise(V3 p) {
  int x = static_cast<int>(std::floor(p.x)), y = static_cast<int>(std::floor(p.y)),
      z = static_cast<int>(std::floor(p.z));
  double fx = p.x - x, fy = p.y - y, fz = p.z - z, sum = 0;
  for (int k = 0; k < 8; ++k) {
    int i = k & 1, j = (k >> 1) & 1, l = k >> 2;
    sum += Hash(x + i, y + j, z + l) * (i ? fx : 1 - fx) * (j ? fy : 1 - fy) * (l ? fz : 1 - fz);
  }
  return sum;
}

// Surface radius in the direction d (a unit vector in the rock's own frame).
double SurfaceRadius(const Rock &r, V3 d) {
  double k = 1;
  for (const Feature &f : r.lumps) {
    double th = std::acos(std::clamp(Dot(d, f.dir), -1.0, 1.0));
    k += f.amount * std::exp(-(th * th) / (f.size * f.size));
  }
  for (const Feature &f : r.craters) {
    double th = std::acos(std::clamp(Dot(d, f.dir), -1.0, 1.0)), u = th / f.size;
    if (u < 1) k -= f.amount * (1 - u * u);
    double rim = (u - 1.05) / 0.3;
    k += f.amount * 0.35 * std::exp(-rim * rim);
  }
  k += 0.16 * (Noise(d * 2.5 + V3{7, 3, 5}) - 0.5) + 0.08 * (Noise(d * 5.0) - 0.5);
  return r.radius * std::min(k, r.limit);
}

// Negative inside the rock. p is in the rock's frame.
double Field(const Rock &r, V3 p) {
  V3 q{p.x / r.squash.x, p.y / r.squash.y, p.z / r.squash.z};
  double len = Len(q);
  if (len < 1e-9) return -r.radius;
  return len - SurfaceRadius(r, q * (1 / len));
}

const Ramp kStone = {Rgb(26, 20, 24),   Rgb(56, 46, 50),    Rgb(92, 78, 72),
                     Rgb(130, 112, 94), Rgb(172, 152, 122), Rgb(214, 198, 164)};

// The depth of the first hit along the view ray through (x, y), or false when it misses.
bool Hit(const Rock &r, V3 axis, double ang, double x, double y, double reach, V3 *hit) {
  double prev = reach;
  for (double z = reach; z >= -reach; z -= 0.25) {
    if (Field(r, Rotate({x, y, z}, axis, -ang)) <= 0) {
      double lo = z, hi = prev;
      for (int i = 0; i < 12; ++i) {
        double mid = (lo + hi) / 2;
        (Field(r, Rotate({x, y, mid}, axis, -ang)) <= 0 ? lo : hi) = mid;
      }
      *hit = {x, y, lo};
      return true;
    }
    prev = z;
  }
  return false;
}

// The shade of a visible point: diffuse light from the top left, a dim fill, surface speckle.
double Brightness(const Rock &r, V3 axis, double ang, V3 p) {
  const double e = 0.35;
  auto f = [&](V3 q) { return Field(r, Rotate(q, axis, -ang)); };
  V3 n = Unit({f(p + V3{e, 0, 0}) - f(p + V3{-e, 0, 0}), f(p + V3{0, e, 0}) - f(p + V3{0, -e, 0}),
               f(p + V3{0, 0, e}) - f(p + V3{0, 0, -e})});
  const V3 light = Unit({-0.55, -0.62, 0.56});
  double diffuse = std::max(0.0, Dot(n, light));
  V3 own = Rotate(p, axis, -ang);
  double grain = Noise(own * (6.0 / r.radius)) * 0.6 + Noise(own * (14.0 / r.radius)) * 0.4;
  double albedo = 0.72 + 0.45 * grain;
  V3 d = Unit(own);
  for (const Feature &c : r.craters)
    if (std::acos(std::clamp(Dot(d, c.dir), -1.0, 1.0)) < c.size * 0.85) albedo *= 0.82;
  return 0.06 + 0.9 * diffuse * albedo;
}

void DrawRock(Canvas &sheet, const Rock &r, int cell, int frame) {
  Canvas c(cell, cell);
  const V3 axis = Unit({1.0, 0.55, 0.45});
  const double ang = frame * kPi / 2, reach = cell / 2.0, mid = cell / 2.0;
  for (int py = 0; py < cell; ++py)
    for (int px = 0; px < cell; ++px) {
      V3 p;
      if (!Hit(r, axis, ang, px + 0.5 - mid, py + 0.5 - mid, reach, &p)) continue;
      double level = Brightness(r, axis, ang, p) * 4.4;
      int i = std::clamp(static_cast<int>(std::floor(level + 0.2 + Threshold(px, py) * 0.6)), 0, 5);
      c.set(px, py, kStone[static_cast<std::size_t>(i)]);
    }
  craft::Outline(c);
  craft::PasteCell(sheet, c, frame, 0);
}

}  // namespace

ART_SHEET(EN18) {
  const Rock r = MakeRock(1811u, 32, 10.5, 8, 4);
  for (int f = 0; f < 4; ++f) DrawRock(c, r, 32, f);
}

ART_SHEET(EN19) {
  const Rock r = MakeRock(1917u, 48, 17.0, 10, 8);
  for (int f = 0; f < 4; ++f) DrawRock(c, r, 48, f);
}

}  // namespace qel::art
