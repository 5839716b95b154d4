// Messiah, the final fortress (HAI7 intact, HAI9 the burning wreck; both share the mask HAI8, so
// the wreck is painted over exactly the coverage of the intact picture), and the sight after its
// fall (HAI14). The fortress is symmetric about x = 252, where its riding parts sit: the core and
// hatch in a collar at (252, 62), two gun rails at y 101..125 and the launcher bay at y 176..216.
#include <algorithm>
#include <cmath>
#include <vector>

#include "art/paint_kit.h"
#include "art/registry.h"
#include "art/tile_paint.h"

namespace qel::art {
namespace {

constexpr int kAxis = 252;  // mirror axis of the fortress

using Poly = std::vector<double>;

Poly Mirror(const Poly &p) {
  Poly m(p);
  for (std::size_t i = 0; i < m.size(); i += 2) m[i] = 2 * kAxis - m[i];
  return m;
}

double Hash(int x, int y, int seed) { return Hash01(x, y, seed); }

// Smooth value noise in about [-1, 1] with features of roughly `cell` pixels, not periodic.
double Smooth(double x, double y, double cell, int seed) {
  double total = 0, amp = 0.55;
  for (int octave = 0; octave < 3; ++octave, cell /= 2, amp *= 0.5) {
    double fx = x / cell, fy = y / cell;
    int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
    double tx = fx - ix, ty = fy - iy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    auto h = [&](int a, int b) { return Hash(a, b, seed + octave * 31) * 2 - 1; };
    total += amp * ((h(ix, iy) * (1 - tx) + h(ix + 1, iy) * tx) * (1 - ty) +
                    (h(ix, iy + 1) * (1 - tx) + h(ix + 1, iy + 1) * tx) * ty);
  }
  return total;
}

// A three-shade material: dark, base, light.
struct Metal {
  Argb dark, base, light;
};
const Metal kHull{Rgb(42, 36, 58), Rgb(74, 64, 96), Rgb(122, 110, 148)};
const Metal kDeck{Rgb(34, 30, 46), Rgb(58, 52, 76), Rgb(98, 90, 122)};
const Metal kArmour{Rgb(58, 40, 28), Rgb(104, 74, 48), Rgb(150, 114, 74)};
const Metal kOlive{Rgb(52, 50, 32), Rgb(92, 86, 56), Rgb(134, 126, 86)};
const Metal kSteel{Rgb(38, 40, 48), Rgb(78, 82, 94), Rgb(140, 146, 160)};

// Fills a shape with a bevelled plate: bevel pixels wide, lit on its upper-left edges and dark on
// its lower-right ones, with a faint grain so that large areas do not look flat.
void Plate(Canvas &c, const Canvas &shape, const Metal &m, int bevel, int seed) {
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) {
      if (!shape.covered(x, y)) continue;
      bool lit = false, shadow = false;
      for (int k = 1; k <= bevel; ++k) {
        lit = lit || !shape.covered(x - k, y) || !shape.covered(x, y - k);
        shadow = shadow || !shape.covered(x + k, y) || !shape.covered(x, y + k);
      }
      Argb col = shadow ? m.dark : lit ? m.light : m.base;
      if (!lit && !shadow && Hash(x / 16, y / 8, seed) < 0.3) col = Mix(m.base, m.dark, 0.18);
      c.set(x, y, col);
    }
}

void PlatePoly(Canvas &c, const Poly &p, const Metal &m, int bevel, int seed, bool mirror = true) {
  Canvas shape(c.w, c.h);
  shape.fillPolygon(p, kInk);
  if (mirror) shape.fillPolygon(Mirror(p), kInk);
  Plate(c, shape, m, bevel, seed);
}

void PlateRect(Canvas &c, int x, int y, int w, int h, const Metal &m, int bevel, bool mirror = true) {
  PlatePoly(c,
            {double(x), double(y), double(x + w), double(y), double(x + w), double(y + h), double(x),
             double(y + h)},
            m, bevel, x * 7 + y, mirror);
}

// A recess: dark inside, its shadowed rim along the top-left and the lit lip bottom-right.
void Recess(Canvas &c, int x, int y, int w, int h, Argb inside, bool mirror = true) {
  auto one = [&](int x0) {
    c.fillRect(x0, y, w, h, inside);
    c.fillRect(x0, y, w, 1, kInk);
    c.fillRect(x0, y, 1, h, kInk);
    c.fillRect(x0, y + h - 1, w, 1, Rgb(128, 116, 150));
    c.fillRect(x0 + w - 1, y, 1, h, Rgb(128, 116, 150));
  };
  one(x);
  if (mirror) one(2 * kAxis - x - w);
}

void Rivet(Canvas &c, int x, int y, bool mirror = true) {
  auto one = [&](int x0) {
    c.set(x0, y, Rgb(160, 150, 180));
    c.set(x0 + 1, y + 1, Rgb(30, 26, 40));
  };
  one(x);
  if (mirror) one(2 * kAxis - x - 1);
}

// A small warning light: red or amber with a hot pixel.
void Light(Canvas &c, int x, int y, bool amber, bool mirror = true) {
  auto one = [&](int x0) {
    c.fillRect(x0 - 1, y - 1, 3, 3, kInk);
    c.fillRect(x0, y, 2, 2, amber ? Rgb(232, 150, 30) : Rgb(210, 30, 30));
    c.set(x0, y, amber ? Rgb(255, 230, 140) : Rgb(255, 150, 130));
  };
  one(x);
  if (mirror) one(2 * kAxis - x - 1);
}

void Vents(Canvas &c, int x, int y, int w, int n, bool mirror = true) {
  for (int i = 0; i < n; ++i) {
    c.fillRect(x, y + 3 * i, w, 1, kInk);
    if (mirror) c.fillRect(2 * kAxis - x - w, y + 3 * i, w, 1, kInk);
  }
}

// The outer silhouette: a central keep, swept wings with gun towers at their tips and armoured
// spurs pointing down at the player.
void Body(Canvas &c) {
  PlatePoly(
      c, {252, 0, 34, 0, 26, 20, 26, 128, 40, 150, 66, 150, 110, 176, 150, 178, 150, 246, 196, 256, 252, 256},
      kHull, 2, 11);
  // Wing armour, earthy plates on the purple hull.
  PlatePoly(c, {146, 22, 66, 14, 44, 30, 44, 118, 70, 136, 146, 150}, kArmour, 2, 12);
  PlatePoly(c, {54, 38, 132, 40, 132, 128, 74, 122, 54, 108}, kOlive, 1, 13);
  // The keep's deck.
  PlatePoly(c, {252, 0, 162, 0, 162, 236, 200, 250, 252, 250}, kDeck, 2, 14);
}

// Gun towers at the wing tips and the spurs that carry the tail lights.
void Towers(Canvas &c) {
  PlateRect(c, 28, 0, 22, 122, kSteel, 2);
  for (int y = 10; y < 118; y += 12) Rivet(c, 33, y);
  c.fillCircle(39, 132, 9, kInk);
  c.fillCircle(2 * kAxis - 40, 132, 9, kInk);
  Canvas dome(c.w, c.h);
  dome.fillCircle(39, 132, 8, kInk);
  dome.fillCircle(2 * kAxis - 40, 132, 8, kInk);
  Plate(c, dome, kSteel, 2, 15);
  Light(c, 38, 131, false);
  PlatePoly(c, {118, 176, 148, 178, 148, 226, 136, 226}, kArmour, 1, 16);
  Light(c, 140, 200, true);
}

// Panel seams, vents and rivets on the wings.
void WingDetail(Canvas &c) {
  for (int x = 70; x < 132; x += 16) {
    PlateRect(c, x, 42, 1, 80, Metal{kInk, Shade(kOlive.dark, 0.8), kInk}, 0);
    PlateRect(c, x + 1, 42, 1, 80, Metal{kInk, kOlive.light, kInk}, 0);
  }
  for (int x = 59; x < 130; x += 16) Vents(c, x, 60, 8, 4);
  for (int x = 59; x < 130; x += 16) Rivet(c, x + 3, 100);
  PlateRect(c, 55, 80, 77, 1, Metal{kInk, Shade(kOlive.dark, 0.8), kInk}, 0);
  for (int y = 20; y < 140; y += 12) Rivet(c, 50, y);
  // Seams across the purple hull.
  for (int y : {8, 144}) PlateRect(c, 66, y, 80, 1, Metal{kInk, kHull.dark, kInk}, 0);
  // Energy conduits from the wings into the keep.
  for (int i = 0; i < 2; ++i) {
    int y = 130 + 8 * i;
    c.fillRect(70, y, 92, 4, kInk);
    c.fillRect(71, y + 1, 90, 2, Rgb(150, 60, 190));
    c.fillRect(71, y + 1, 90, 1, Rgb(220, 150, 255));
    c.fillRect(2 * kAxis - 162, y, 92, 4, kInk);
    c.fillRect(2 * kAxis - 161, y + 1, 90, 2, Rgb(150, 60, 190));
    c.fillRect(2 * kAxis - 161, y + 1, 90, 1, Rgb(220, 150, 255));
  }
  Light(c, 72, 26, true);
  Light(c, 110, 28, false);
}

// The collar the core and its hatch sit in: a steel ring with bolts around a dark well.
void CoreCollar(Canvas &c) {
  const double cx = kAxis, cy = 62;
  PlateRect(c, 206, 16, 46, 92, kHull, 2, true);
  Canvas ring(c.w, c.h);
  ring.fillCircle(cx, cy, 40, kInk);
  c.fillCircle(cx, cy, 41, kInk);
  Plate(c, ring, kSteel, 3, 21);
  c.fillCircle(cx, cy, 35, kInk);
  c.fillCircle(cx, cy, 34, Rgb(200, 110, 255));  // the core's glow leaking round its hatch
  c.fillCircle(cx, cy, 33, Rgb(26, 20, 36));
  c.fillCircle(cx + 2, cy + 2, 30, Rgb(40, 30, 56));
  for (int i = 0; i < 12; ++i) {
    double a = i * 3.14159265358979 / 6;
    int x = static_cast<int>(std::lround(cx + 37 * std::cos(a))),
        y = static_cast<int>(std::lround(cy + 37 * std::sin(a)));
    c.set(x, y, Rgb(190, 180, 210));
    c.set(x + 1, y + 1, kInk);
  }
}

// The rails the two tracking guns slide along, and the launcher bay below.
void GunRails(Canvas &c) {
  PlateRect(c, 172, 94, 80, 38, kSteel, 2, true);
  Recess(c, 178, 99, 48, 28, Rgb(30, 26, 40));
  for (int y : {104, 121}) {
    c.fillRect(180, y, 44, 1, Rgb(96, 90, 110));
    c.fillRect(2 * kAxis - 224, y, 44, 1, Rgb(96, 90, 110));
  }
  Light(c, 174, 96, true);
  Light(c, 174, 128, true);
}

void LauncherBay(Canvas &c) {
  PlateRect(c, 200, 168, 52, 58, kArmour, 2, true);
  Recess(c, 206, 173, 92, 48, Rgb(24, 20, 32), false);
  for (int x = 214; x < 290; x += 8) c.fillRect(x, 218, 4, 2, Rgb(200, 130, 20));
  Vents(c, 182, 180, 12, 10);
  Light(c, 202, 232, false);
  Light(c, 230, 240, true);
}

// The keep between the parts: trenches, the spine and the prow.
void KeepDetail(Canvas &c) {
  for (int y = 140; y < 166; y += 4) {
    c.fillRect(178, y, 148, 1, kInk);
    c.fillRect(178, y + 1, 148, 1, kDeck.light);
  }
  PlateRect(c, 240, 108, 12, 60, kSteel, 1, true);
  c.fillRect(kAxis - 1, 110, 2, 56, Rgb(180, 90, 230));
  for (int y = 112; y < 166; y += 6) c.set(kAxis - 1, y, Rgb(240, 200, 255));
  PlatePoly(c, {214, 230, 252, 230, 252, 254, 222, 248}, kSteel, 1, 31);
  Light(c, 246, 238, false);
  for (int y = 24; y < 240; y += 16) Rivet(c, 168, y);
  Vents(c, 168, 44, 30, 12);
  // Purple port lights down the flanks of the keep.
  for (int y = 176; y < 232; y += 8) {
    Recess(c, 172, y, 6, 4, Rgb(150, 60, 190));
    c.set(173, y + 1, Rgb(230, 180, 255));
    c.set(2 * kAxis - 177, y + 1, Rgb(230, 180, 255));
  }
}

void DrawFortress(Canvas &c) {
  Body(c);
  Towers(c);
  WingDetail(c);
  KeepDetail(c);
  CoreCollar(c);
  GunRails(c);
  LauncherBay(c);
  c.outline(kInk);
}

// ---- the wreck: the same coverage, charred, cracked and burning ----

Argb Char(Argb col, int x, int y) {
  int r = (col >> 16) & 255, g = (col >> 8) & 255, b = col & 255;
  int grey = (r * 3 + g * 5 + b * 2) / 10;
  Argb dull = Mix(Rgb(r, g, b), Rgb(grey, grey * 9 / 10, grey * 8 / 10), 0.6);
  double soot = 0.5 + 0.5 * Smooth(x, y, 24, 77) + 0.1 * Dither(x, y);
  return Shade(dull, 0.45 + 0.35 * soot);
}

// Glowing rubble: embers through the dark, hottest at the middle of the burn.
Argb Ember(double heat, int x, int y) {
  double t = heat + 0.3 * Smooth(x, y, 8, 91) + 0.1 * Dither(x, y);
  if (t > 0.85) return Rgb(255, 240, 150);
  if (t > 0.65) return Rgb(255, 170, 40);
  if (t > 0.45) return Rgb(220, 80, 20);
  if (t > 0.25) return Rgb(120, 30, 16);
  return Rgb(30, 20, 20);
}

struct Burn {
  double x, y, r;
};
const Burn kBurns[] = {{252, 62, 38},  {96, 84, 26},  {404, 70, 22},  {250, 196, 30}, {196, 150, 16},
                       {330, 118, 14}, {60, 132, 12}, {440, 140, 12}, {170, 40, 12},  {360, 210, 14},
                       {40, 60, 10},   {300, 28, 12}, {206, 112, 9},  {296, 114, 8}};

void Burns(Canvas &c, const Canvas &hull) {
  for (const Burn &b : kBurns)
    for (int y = int(b.y - 1.5 * b.r); y <= int(b.y + 1.5 * b.r); ++y)
      for (int x = int(b.x - 1.5 * b.r); x <= int(b.x + 1.5 * b.r); ++x) {
        if (!hull.covered(x, y) || hull.get(x, y) == kInk) continue;
        double wob = 0.8 + 0.35 * Smooth(x, y, b.r * 0.6, int(b.x));
        double d = std::hypot(x - b.x, y - b.y) / (b.r * wob);
        if (d < 1.0) c.set(x, y, Ember(1.0 - d, x, y));
        else if (d < 1.18) c.set(x, y, Rgb(20, 14, 16));
      }
}

// Jagged cracks running from the burns, dark with a glowing seam.
void Cracks(Canvas &c, const Canvas &hull) {
  for (int i = 0; i < 22; ++i) {
    const Burn &b = kBurns[i % 14];
    double a = Hash(i, 1, 5) * 6.283, x = b.x, y = b.y;
    for (int s = 0; s < 26; ++s) {
      a += (Hash(i, s, 6) - 0.5) * 1.2;
      x += 2 * std::cos(a);
      y += 2 * std::sin(a);
      int ix = int(x), iy = int(y);
      if (!hull.covered(ix, iy) || hull.get(ix, iy) == kInk) break;
      c.set(ix, iy, s < 10 ? Rgb(240, 120, 30) : Rgb(140, 40, 20));
      if (hull.get(ix + 1, iy) != kInk && hull.covered(ix + 1, iy)) c.set(ix + 1, iy, Rgb(18, 12, 14));
    }
  }
}

void Ruin(Canvas &c) {
  const Canvas hull = c;
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x)
      if (hull.covered(x, y) && hull.get(x, y) != kInk) c.set(x, y, Char(hull.get(x, y), x, y));
  Cracks(c, hull);
  Burns(c, hull);
  // Twisted girders across the core's crater.
  c.line(222, 40, 276, 88, 2, Rgb(40, 34, 40));
  c.line(230, 92, 266, 36, 2, Rgb(52, 44, 48));
  c.line(222, 40, 276, 88, 1, Rgb(90, 70, 60));
}

}  // namespace

ART_SHEET(HAI7) { DrawFortress(c); }

ART_SHEET(HAI9) {
  DrawFortress(c);
  Ruin(c);
}

}  // namespace qel::art

namespace qel::art {
namespace {

// The fly-by sight: the sun rising over the curve of a clean blue Earth, seen from low orbit.
constexpr double kSunX = 176, kSunY = 122;
constexpr double kEarthX = 120, kEarthY = 760, kEarthR = 640;

Argb SpaceAt(int x, int y) {
  double d = std::hypot(x - kSunX, y - kSunY);
  double glow = std::clamp(1.0 - d / 170.0, 0.0, 1.0);
  Argb sky = Mix(Rgb(6, 8, 28), Rgb(24, 40, 96), y / 260.0);
  Argb col = Mix(sky, Rgb(255, 196, 120), std::pow(glow, 2.2) + 0.06 * Dither(x, y));
  // Long rays across the sky.
  double a = std::atan2(y - kSunY, x - kSunX);
  double ray = std::pow(std::fabs(std::cos(a * 4.0)), 40.0) * std::clamp(1.0 - d / 140.0, 0.0, 1.0);
  col = Mix(col, Rgb(255, 240, 200), std::clamp(ray, 0.0, 0.7));
  if (Hash(x, y, 141) > 0.996 && glow < 0.2) col = Rgb(200, 210, 240);  // a few stars
  return col;
}

Argb EarthSurface(int x, int y, double depth) {
  // Foreshortened towards the horizon: rows near it hold more of the ground.
  double v = std::sqrt(depth) * 14;
  double land = Smooth(x, v, 70, 151) + 0.1;
  double cloud = Smooth(x * 1.3, v * 1.6, 40, 153);
  Argb c = Rgb(22, 74, 170);
  if (land > 0.25) c = land > 0.45 ? Rgb(130, 140, 80) : Rgb(50, 130, 60);
  if (cloud > 0.25) c = Mix(c, Rgb(245, 245, 255), std::min(1.0, (cloud - 0.25) * 4));
  // Sunlight skims the surface near the sun and fades into the night side.
  double lit = std::clamp(1.1 - std::fabs(x - kSunX) / 220.0, 0.25, 1.0) - depth * 0.002;
  Argb out = Mix(Rgb(6, 14, 40), c, std::clamp(std::round((lit + 0.2 * Dither(x, y)) * 5) / 5, 0.2, 1.0));
  // Sun glint on the sea below the sun.
  double gx = (x - kSunX) / 18.0, gy = (y - 190) / 30.0;
  if (c == Rgb(22, 74, 170) && gx * gx + gy * gy < 1)
    out = Mix(out, Rgb(255, 230, 170), 0.7 * (1 - gx * gx - gy * gy));
  return out;
}

Argb SightAt(int x, int y) {
  double d = std::hypot(x - kEarthX, y - kEarthY) - kEarthR;  // < 0 on the Earth
  double sun = std::hypot(x - kSunX, y - kSunY);
  if (d < -6) return EarthSurface(x, y, -d);
  if (d < 0)
    return Mix(Rgb(130, 200, 255), Rgb(255, 210, 140), std::clamp(1 - std::fabs(x - kSunX) / 90, 0.0, 1.0));
  Argb col = SpaceAt(x, y);
  if (d < 14) col = Mix(col, Rgb(90, 160, 255), 0.85 * (1 - d / 14) + 0.1 * Dither(x, y));
  if (sun < 13) return Rgb(255, 255, 240);
  if (sun < 17) return Mix(Rgb(255, 250, 210), Rgb(255, 210, 120), (sun - 13) / 4);
  return col;
}

// A bevelled steel frame, so that the picture reads as a window on the tiled backdrop.
void Frame(Canvas &c) {
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) {
      int e = std::min(std::min(x, y), std::min(c.w - 1 - x, c.h - 1 - y));
      if (e == 0 || e == 5) c.set(x, y, kInk);
      else if (e < 5) {
        bool lit = (x < c.w - 1 - e) && (y < c.h - 1 - e) && (x == e || y == e);
        bool shadow = !lit && (x == c.w - 1 - e || y == c.h - 1 - e);
        c.set(x, y, lit ? Rgb(150, 160, 196) : shadow ? Rgb(30, 36, 70) : Rgb(74, 84, 126));
      }
    }
}

}  // namespace

ART_SHEET(HAI14) {
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) c.set(x, y, SightAt(x, y));
  Frame(c);
}

}  // namespace qel::art
