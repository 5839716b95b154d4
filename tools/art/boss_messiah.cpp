// The fortress at the end of the final mission, built into the ground picture: its core behind
// an armoured hatch (EN46: hatch frames, then the core), two tracking guns (EN42), a missile
// launcher (EN43) and its homing missiles (EN44). Ground hardware, so earthier than the craft.
#include <cmath>

#include "art/boss_kit.h"
#include "art/registry.h"

namespace qel::art {
namespace {

using namespace kit;

// The core, 64 x 64: a heavy ring housing with a red reactor eye in its aperture.
void Core(Canvas &c) {
  Mask lugs(c.w, c.h);
  lugs.rect(26, 1, 12, 8).rect(26, 55, 12, 8).rect(1, 26, 8, 12).rect(55, 26, 8, 12);
  Fill(c, lugs, kDark, {Light::Vertical, 2.6, 1.4, 0.9});
  Mask housing(c.w, c.h);
  housing.ellipse(32, 32, 28.5, 28.5);
  Fill(c, housing, kEarth, {Light::Sphere, 2.6, 1.8, 1.0});
  Mask ring(c.w, c.h);
  ring.ellipse(32, 32, 22.5, 22.5);
  Fill(c, ring, kSteel, {Light::Sphere, 2.4, 1.6, -0.9, false, false});
  for (int k = 0; k < 12; ++k) {
    double a = k * 0.5235988;
    Rivet(c, static_cast<int>(31.5 + 25.5 * std::cos(a)), static_cast<int>(31.5 + 25.5 * std::sin(a)));
  }
  Mask well(c.w, c.h);
  well.ellipse(32, 32, 18.5, 18.5);
  Fill(c, well, kDark, {Light::Sphere, 1.2, 1.0, -0.8, false, false});
  Glow(c, 32, 32, 13, kRedGlow);
  Mask pupil(c.w, c.h);
  pupil.ellipse(32.5, 32.5, 3.5, 8.5);
  Fill(c, pupil, kDark, {Light::Flat, 0.6, 0, 0.3, false, false});
  c.fillRect(26, 24, 2, 3, kRedGlow[5]);
}

// The hatch plate, 64 x 64: four armour leaves meeting at a bolted hub, with hazard marks.
void HatchPlate(Canvas &c) {
  Mask band(c.w, c.h);
  band.ellipse(32, 32, 26.5, 26.5);
  Fill(c, band, kSteel, {Light::Sphere, 2.4, 1.6, 1.0});
  Mask plate(c.w, c.h);
  plate.ellipse(32, 32, 22.5, 22.5);
  Fill(c, plate, kRust, {Light::Sphere, 2.7, 1.8, 0.9, true, false});
  for (int k = 0; k < 16; ++k) {
    double a = k * 0.3926991 + 0.2;
    Rivet(c, static_cast<int>(31.5 + 24.5 * std::cos(a)), static_cast<int>(31.5 + 24.5 * std::sin(a)));
  }
  Mask hub(c.w, c.h);
  hub.ellipse(32, 32, 7.5, 7.5);
  Fill(c, hub, kDark, {Light::Sphere, 2.8, 1.8, 0.8});
  Groove(c, 32, 10, 32, 24);
  Groove(c, 32, 40, 32, 54);
  Groove(c, 10, 32, 24, 32);
  Groove(c, 40, 32, 54, 32);
  for (int k = 0; k < 4; ++k) {
    double a = 0.785398 + k * 1.570796;
    int x = static_cast<int>(31.5 + 13 * std::cos(a)), y = static_cast<int>(31.5 + 13 * std::sin(a));
    Rivet(c, x, y);
    for (int i = -2; i <= 2; i += 2)  // amber hazard dashes on each leaf
      c.fillRect(static_cast<int>(31.5 + 18.5 * std::cos(a + i * 0.13)),
                 static_cast<int>(31.5 + 18.5 * std::sin(a + i * 0.13)), 2, 2, kAmberGlow[2]);
  }
  Rivet(c, 30, 30);
  Rivet(c, 33, 33);
}

struct Break {
  double x, y, r;
};

// Where the plate breaks, in order: each more damaged frame adds the next few.
constexpr Break kBreaks[] = {{40, 22, 3.5}, {22, 40, 4},   {27, 24, 5}, {44, 42, 6},
                             {18, 18, 5},   {48, 26, 5},   {30, 48, 6}, {14, 32, 5.5},
                             {38, 34, 6.5}, {26, 33, 6.5}, {32, 12, 5}, {52, 36, 5}};

// The hatch at a stage of damage 0 (closed) to 3 (most broken).
void Hatch(Canvas &c, int damage) {
  HatchPlate(c);
  static const int count[4] = {0, 2, 6, 12};
  Rng rng(46);
  for (int k = 0; k < count[damage]; ++k) {
    const Break &b = kBreaks[k];
    for (int y = static_cast<int>(b.y - b.r - 3); y <= b.y + b.r + 3; ++y)
      for (int x = static_cast<int>(b.x - b.r - 3); x <= b.x + b.r + 3; ++x) {
        double d = std::hypot(x + 0.5 - b.x, y + 0.5 - b.y) + (rng.unit() - 0.5) * 2.0;
        if (d < b.r) c.set(x, y, kClear);
        else if (d < b.r + 2.5 && c.covered(x, y)) c.set(x, y, Shade(c.get(x, y), 0.5));
      }
  }
  if (damage >= 2) {
    Groove(c, 20, 26, 30, 20, 0.35);
    Groove(c, 36, 46, 44, 52, 0.35);
  }
  // Isolated specks would flicker: keep only pixels with two or more neighbours.
  Canvas copy = c;
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) {
      int n =
          copy.covered(x - 1, y) + copy.covered(x + 1, y) + copy.covered(x, y - 1) + copy.covered(x, y + 1);
      if (copy.covered(x, y) && n <= 1) c.set(x, y, kClear);
    }
}

// A tracking gun, 24 x 24, barrel down; frame 1 fires.
void TrackingGun(Canvas &c, bool firing) {
  Mask base(c.w, c.h);
  base.poly({6, 2, 18, 2, 22, 6, 22, 16, 18, 19, 6, 19, 2, 16, 2, 6});
  Fill(c, base, kEarth, {Light::Vertical, 2.6, 1.4, 1.0});
  Mask barrel(c.w, c.h);
  barrel.rect(10, firing ? 12 : 13, 4, 8);
  Fill(c, barrel, kDark, {Light::CylinderV, 2.8, 2.0, 0.6});
  Mask dome(c.w, c.h);
  dome.ellipse(12, 10, 6, 6);
  Fill(c, dome, kSteel, {Light::Sphere, 2.6, 1.8, 0.8});
  Glow(c, 12, 10, 1.6, firing ? kAmberGlow : kRedGlow);
  if (firing) {
    c.fillRect(9, 19, 6, 3, kAmberGlow[3]);
    c.fillRect(10, 20, 4, 3, kAmberGlow[5]);
    c.set(8, 21, kAmberGlow[2]);
    c.set(15, 21, kAmberGlow[2]);
  }
}

// The missile launcher, 80 x 40: doors 0 closed, 1 parting, 2 open with a missile showing.
void Launcher(Canvas &c, int open) {
  Mask box(c.w, c.h);
  box.poly({6, 3, 74, 3, 78, 8, 78, 33, 73, 37, 7, 37, 2, 33, 2, 8});
  Fill(c, box, kEarth, {Light::Vertical, 2.6, 1.4, 1.0});
  for (int x = 6; x < 20; x += 4) c.line(x, 32, x + 3, 35, 1.5, kAmberGlow[2]);  // hazard stripes
  for (int x = 62; x < 76; x += 4) c.line(x, 32, x + 3, 35, 1.5, kAmberGlow[2]);
  Vents(c, 8, 8, 5, 0, 4, 10, true);
  Vents(c, 62, 8, 5, 0, 4, 10, true);
  Mask bay(c.w, c.h);
  bay.rect(24, 6, 32, 28);
  Fill(c, bay, kDark, {Light::Flat, 1.0, 0, -0.6, false, false});
  if (open == 2) {
    Mask missile(c.w, c.h);
    missile.poly({37, 10, 43, 10, 43, 24, 40, 30, 37, 24});
    Fill(c, missile, kSteel, {Light::CylinderV, 2.8, 2.0, 0.6});
    c.fillRect(37, 20, 6, 2, kRedGlow[3]);
  }
  int gap = open == 0 ? 0 : open == 1 ? 5 : 13;
  Mask doors(c.w, c.h);
  doors.rect(24, 6, 16 - gap, 28).rect(40 + gap, 6, 16 - gap, 28);
  Fill(c, doors, kRust, {Light::Vertical, 2.6, 1.2, 1.0});
  if (16 - gap > 4) {
    Groove(c, 28, 12, 28, 28);
    Groove(c, 51, 12, 51, 28);
  }
  if (gap == 0) Groove(c, 39, 6, 39, 33, 0.4);
  bool warn = open > 0;
  Lamp(c, 21, 9, warn ? kRedGlow : kAmberGlow, warn);
  Lamp(c, 58, 9, warn ? kRedGlow : kAmberGlow, warn);
}

// The homing missile, 16 x 16, nose down; the frames flicker its exhaust.
void Missile(Canvas &c, int f) {
  int flame = f ? 3 : 1;
  c.fillRect(7, 4 - flame, 2, flame + 1, kAmberGlow[3]);
  c.set(7, 4 - flame, kAmberGlow[2]);
  c.fillRect(7, 3, 2, 2, kAmberGlow[5]);
  Mask fins(c.w, c.h);
  fins.poly({2, 5, 8, 7, 8, 10, 2, 9}).mirror(8);
  Fill(c, fins, kRust, {Light::Vertical, 2.8, 1.0, 0.8});
  Mask body(c.w, c.h);
  body.poly({5, 4, 11, 4, 11, 11, 8, 15, 5, 11});
  Fill(c, body, kSteel, {Light::CylinderV, 3.0, 2.0, 0.6});
  c.fillRect(5, 10, 6, 1, kRedGlow[3]);
  c.set(7, 12, kRedGlow[4]);
}

}  // namespace

ART_SHEET(EN42) {
  PlaceFrames(c, 24, 24, 2, [](Canvas &frame, int f) { TrackingGun(frame, f == 1); });
}

ART_SHEET(EN43) { PlaceFrames(c, 80, 40, 3, Launcher); }

ART_SHEET(EN44) { PlaceFrames(c, 16, 16, 2, Missile); }

ART_SHEET(EN46) {
  PlaceFrames(c, 64, 64, 4, Hatch);
  Canvas core(64, 64);
  Core(core);
  Place(c, core, 4, 0);
}

}  // namespace qel::art
