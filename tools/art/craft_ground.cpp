// Ground units: darker, earthier metal on armoured footings. They sit on the map under the
// craft, so they read as heavy plates with dark gun steel and red sensor lamps.
#include <cmath>

#include "art/craft_kit.h"
#include "art/registry.h"
#include "platform/angles.h"

namespace qel::art {
namespace {

using craft::DomeOf;
using craft::GlowOf;
using craft::Lamp;
using craft::Paint;
using craft::Plate;
using craft::Pt;
using craft::Shape;
using craft::Tint;
using craft::Xform;
namespace pal = craft::pal;

// An octagonal armoured footing of the given radius, bolted at the corners.
void Footing(Canvas &c, const Xform &t, double r) {
  std::vector<Pt> oct;
  for (int i = 0; i < 8; ++i) {
    double a = (i * 45 + 22.5) * kPi / 180;
    oct.push_back({r * std::cos(a), r * std::sin(a)});
  }
  Shape base(c);
  base.poly(t, oct);
  Paint(c, base, pal::kEarth, Plate(0, 1.4));
  Shape inner(c);
  inner.poly(t, oct);
  inner.grow(-2);
  Paint(c, inner, pal::kEarth, Plate(-0.4, 1));
  for (int i = 0; i < 8; ++i) {
    double a = (i * 45 + 22.5) * kPi / 180;
    Pt p = t.map({(r - 1.3) * std::cos(a), (r - 1.3) * std::sin(a)});
    Shape bolt(c);
    bolt.pixel(static_cast<int>(std::floor(p.x)), static_cast<int>(std::floor(p.y)));
    Tint(c, bolt, 1.6);
  }
}

// EN9: the ground turret; variant is the frame, whose barrel points along kTurretAim.
const double kTurretAim[8] = {90, 135, 165, 210, 270, 315, 15, 45};

void Turret(Canvas &c, const Xform &t, int frame) {
  Footing(c, t, 12.5);
  Xform gun = t;
  gun.angle = kTurretAim[frame] - 90;
  Shape barrels(c);
  barrels.rect(gun, -1.5, 2, 3, 10).rect(gun, -2, 11, 4, 3);
  Paint(c, barrels, pal::kSteel, Plate(0.6));
  Shape bore(c);
  bore.line(gun, {0, 6}, {0, 13.5});
  Tint(c, bore, 0.6);
  Shape dome(c);
  dome.circle(t, {0, 0}, 6);
  Paint(c, dome, pal::kRust, DomeOf(6, 0, 3.5));
  Shape hatch(c);
  hatch.rect(gun, -2, -5, 4, 3);
  Tint(c, hatch, 0.7);
  Shape sensor(c);
  sensor.circle(gun, {0, 3}, 1.6);
  Paint(c, sensor, pal::kRedGlass, GlowOf(1.5, 1));
}

// EN13: a square bunker with four cannons; frame 1 has them recoiled and the muzzles lit.
void Bunker(Canvas &c, const Xform &t, int frame) {
  const double len = frame ? 12.5 : 14.5;
  for (int i = 0; i < 4; ++i) {
    Xform arm = t;
    arm.angle = i * 90;
    Shape barrel(c);
    barrel.rect(arm, -1.5, 6, 3, len - 6);
    barrel.rect(arm, -2, len - 2, 4, 2);
    Paint(c, barrel, pal::kSteel, Plate(0.3));
    if (frame) Lamp(c, arm, {0, len - 1}, pal::kAmberLamp, 2);
  }
  Shape block(c);
  block.poly(t, {{-8, -10}, {8, -10}, {10, -8}, {10, 8}, {8, 10}, {-8, 10}, {-10, 8}, {-10, -8}});
  Paint(c, block, pal::kEarth, Plate(0, 1.4));
  Shape slab(c);
  slab.rect(t, -6, -6, 12, 12);
  Paint(c, slab, pal::kKhaki, Plate(-0.3, 1));
  Shape dome(c);
  dome.circle(t, {0, 0}, 5);
  Paint(c, dome, pal::kSteel, DomeOf(5, 0, 3.5, 0.4));
  Shape eye(c);
  eye.circle(t, {0, 0}, 2);
  Paint(c, eye, pal::kRedGlass, frame ? GlowOf(1.5, 1.5) : DomeOf(2, 0.1));
}

// EN17: a tank seen from above, turret aimed down; the frames roll the track treads.
void Tank(Canvas &c, const Xform &t, int frame) {
  Shape tracks(c);
  tracks.rect(t, 7, -14, 5, 28).rect(t, -12, -14, 5, 28);
  Paint(c, tracks, pal::kSteel, Plate(-0.3));
  for (int y = -13 + frame * 2; y < 14; y += 4) {
    Shape tread(c);
    tread.rect(t, 7.5, y, 4, 1).rect(t, -11.5, y, 4, 1);
    Tint(c, tread, 0.55);
  }
  Shape hull(c);
  hull.sym(t, {{5, -13}, {7.5, -11}, {7.5, 11}, {5, 13}});
  Paint(c, hull, pal::kKhaki, Plate(0, 1.5));
  Shape deck(c);
  deck.rect(t, -4, -11, 8, 5);
  Paint(c, deck, pal::kKhaki, Plate(-0.6));
  Shape grille(c);
  for (double y = -10; y < -6; y += 2) grille.line(t, {-3, y}, {2.9, y});
  Tint(c, grille, 0.6);
  Shape barrel(c);
  barrel.rect(t, -1, 3, 2, 12);
  Paint(c, barrel, pal::kSteel, Plate(0.4));
  Shape turret(c);
  turret.circle(t, {0, 1}, 5.5);
  Paint(c, turret, pal::kKhaki, DomeOf(5.5, 0, 3.5, 0.2));
  Shape hatch(c);
  hatch.circle(t, {-1.5, -0.5}, 1.8);
  Tint(c, hatch, 0.65);
  Lamp(c, t, {2, 3}, pal::kRedLamp, 1);
}

// EN5: the ground pod round the mother computer. Frame 0 closed, 1 and 2 opening, 3 open and
// armed: four armour petals slide out under the rim and uncover the gun inside.
const double kPetalOpen[4] = {0, 2, 4, 7};

void HatchPod(Canvas &c, const Xform &t, int frame) {
  Footing(c, t, 14);
  Shape pit(c);
  pit.circle(t, {0, 0}, 9.5);
  Paint(c, pit, pal::kRedGlass, GlowOf(0.35, 0));
  if (frame == 3) {
    for (int i = 0; i < 4; ++i) {
      Xform arm = t;
      arm.angle = i * 90 + 45;
      Shape barrel(c);
      barrel.rect(arm, -1.5, 3, 3, 7);
      Paint(c, barrel, pal::kSteel, Plate(0.5));
    }
    Shape gun(c);
    gun.circle(t, {0, 0}, 5.5);
    Paint(c, gun, pal::kSteel, DomeOf(5.5, 0, 3.5, 0.3));
    Shape eye(c);
    eye.circle(t, {0, 0}, 2);
    Paint(c, eye, pal::kRedGlass, GlowOf(1.5, 1.5));
  }
  const double o = kPetalOpen[frame];
  Shape petals(c);
  for (int sx = -1; sx <= 1; sx += 2)
    for (int sy = -1; sy <= 1; sy += 2) {
      Shape p(c);
      p.circle(t, {sx * o, sy * o}, 9.5);
      Shape quad(c);
      quad.poly(t, {{sx * (o + 0.01), sy * (o + 0.01)},
                    {sx * 20.0, sy * (o + 0.01)},
                    {sx * 20.0, sy * 20.0},
                    {sx * (o + 0.01), sy * 20.0}});
      petals.add(p.clip(quad));
    }
  petals.clip(Shape(c).circle(t, {0, 0}, 9.5));
  if (!petals.empty()) Paint(c, petals, pal::kKhaki, DomeOf(9.5, 0, 3, 0.2));
  if (frame == 0) {
    Shape seams(c);
    seams.line(t, {0.5, -9.5}, {0.5, 9.5}).line(t, {-9.5, 0.5}, {9.5, 0.5});
    Tint(c, seams, 0.45);
  }
  Shape rim(c);
  rim.circle(t, {0, 0}, 11);
  rim.cut(Shape(c).circle(t, {0, 0}, 9.5));
  Paint(c, rim, pal::kSteel, Plate(0.2));
}

}  // namespace

ART_SHEET(EN9) {
  for (int f = 0; f < 8; ++f) craft::DrawCell(c, 32, 32, f, 0, Turret, f);
}

ART_SHEET(EN13) {
  craft::DrawCell(c, 32, 32, 0, 0, Bunker, 0);
  craft::DrawCell(c, 32, 32, 1, 0, Bunker, 1);
}

ART_SHEET(EN17) {
  craft::DrawCell(c, 32, 32, 0, 0, Tank, 0);
  craft::DrawCell(c, 32, 32, 1, 0, Tank, 1);
}

ART_SHEET(EN5) {
  for (int f = 0; f < 4; ++f) craft::DrawCell(c, 32, 32, f, 0, HatchPod, f);
}

}  // namespace qel::art
