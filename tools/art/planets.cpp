// The two planets the stages show behind their near layer: Jupiter (HAI4, stage 3, sinking at
// the top left) and the Earth coming into view at the end of the warp (HAI3, stage 5; the same
// picture is copied on black on the game-over screen). Both are lit from the top left, with a
// crisp limb so that the hard mask cut looks deliberate.
#include <algorithm>
#include <cmath>

#include "art/registry.h"
#include "art/tile_paint.h"
#include "platform/angles.h"

namespace qel::art {
namespace {

// Value noise on the plane (no wrapping), for bands and continents.
double PlaneNoise(double x, double y, int seed) {
  double total = 0, amp = 0.5;
  for (int octave = 0; octave < 4; ++octave) {
    const double f = 1 << octave;
    double fx = x * f, fy = y * f;
    int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
    double tx = fx - ix, ty = fy - iy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    auto h = [&](int a, int b) { return Hash01(a, b, seed + octave * 101); };
    double v = (h(ix, iy) * (1 - tx) + h(ix + 1, iy) * tx) * (1 - ty) +
               (h(ix, iy + 1) * (1 - tx) + h(ix + 1, iy + 1) * tx) * ty;
    total += amp * (v * 2 - 1);
    amp *= 0.5;
  }
  return total;
}

struct SpherePoint {
  bool in;
  double lat, lon, light, edge;  // edge: 0 at the centre, 1 at the limb
};

SpherePoint OnSphere(int x, int y, double cx, double cy, double r) {
  double dx = (x + 0.5 - cx) / r, dy = (y + 0.5 - cy) / r, d2 = dx * dx + dy * dy;
  if (d2 > 1) return {false, 0, 0, 0, 0};
  double dz = std::sqrt(1 - d2);
  double light = std::max(0.0, (-dx * 0.55 - dy * 0.5 + dz * 0.67));
  return {true, std::asin(dy), std::atan2(dx, dz), light, std::sqrt(d2)};
}

Argb Ordered(Argb a, Argb b, double t, int x, int y) {
  return Mix(a, b, std::clamp(std::round((t + Dither(x, y) * 0.25) * 4) / 4, 0.0, 1.0));
}

Argb JupiterAt(const SpherePoint &p, int x, int y) {
  double band = p.lat * 5.5 + 0.35 * PlaneNoise(p.lon * 2.0, p.lat * 7, 31);
  double stripe = 0.5 + 0.5 * std::sin(band * kPi);
  Argb light = Rgb(236, 214, 176), dark = Rgb(168, 104, 64);
  Argb c = Mix(dark, light, stripe);
  if (std::fabs(p.lat) > 1.0) c = Mix(c, Rgb(150, 130, 120), 0.5);  // greyer poles
  // The great red spot, in the southern belt.
  double sx = (p.lon + 0.35) / 0.28, sy = (p.lat - 0.38) / 0.12;
  double spot = sx * sx + sy * sy;
  if (spot < 1) c = Mix(Rgb(200, 80, 50), Rgb(230, 130, 90), spot);
  double shade = std::pow(p.light, 0.7);
  Argb lit = Ordered(Rgb(20, 12, 16), c, shade, x, y);
  if (p.edge > 0.965) lit = Mix(lit, Rgb(40, 24, 20), 0.5);
  return lit;
}

Argb EarthAt(const SpherePoint &p, int x, int y) {
  double land = PlaneNoise(p.lon * 1.6 + 3, p.lat * 1.9 + 1, 71) + 0.08;
  double cloud = PlaneNoise(p.lon * 3 + 10, p.lat * 5, 73);
  Argb c = Rgb(24, 70, 160);
  if (land > 0.08) c = land > 0.22 ? Rgb(150, 130, 80) : Rgb(60, 120, 50);
  if (std::fabs(p.lat) > 1.2) c = Rgb(230, 236, 244);  // ice caps
  if (cloud > 0.18) c = Mix(c, Rgb(250, 250, 255), std::min(1.0, (cloud - 0.18) * 5));
  double shade = std::pow(p.light, 0.6);
  Argb lit = Ordered(Rgb(4, 8, 30), c, shade, x, y);
  if (p.edge > 0.94) lit = Mix(lit, Rgb(110, 170, 255), (p.edge - 0.94) / 0.06 * 0.8);  // the air
  return lit;
}

}  // namespace

// Jupiter, 200 x 186: a banded disc with the red spot; the top of the picture enters first.
ART_SHEET(HAI4) {
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) {
      SpherePoint p = OnSphere(x, y, 100, 93, 90);
      if (p.in) c.set(x, y, JupiterAt(p, x, y));
    }
}

// The Earth, 300 x 279: kept within x 0..279, since the game clips the right-hand strip.
ART_SHEET(HAI3) {
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) {
      SpherePoint p = OnSphere(x, y, 140, 139, 132);
      if (p.in) c.set(x, y, EarthAt(p, x, y));
    }
}

}  // namespace qel::art
