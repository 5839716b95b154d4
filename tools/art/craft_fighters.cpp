// The small enemy craft of 32 x 32 cells. Every model is drawn nose down (towards +y, where the
// player is); frames that face up are the same model mirrored, and re-lit from the top left.
#include <algorithm>
#include <cmath>

#include "art/craft_kit.h"
#include "art/registry.h"

namespace qel::art {
namespace {

using craft::Decal;
using craft::DomeOf;
using craft::Exhaust;
using craft::GlowOf;
using craft::Lamp;
using craft::Paint;
using craft::Plate;
using craft::Pt;
using craft::Shape;
using craft::Tint;
using craft::Xform;
namespace pal = craft::pal;

void Canopy(Canvas &c, const Xform &t, Pt at, double rx, double ry) {
  Shape g(c);
  g.ellipse(t, at, rx, ry);
  Paint(c, g, pal::kRedGlass, DomeOf(std::max(rx, 1.0), 0.08));
}

// EN16: the common fighter, olive, swept wings and a red canopy.
void Fighter(Canvas &c, const Xform &t, int) {
  Exhaust(c, t, {0, -9}, 2, 5.5);
  Shape wing(c);
  wing.sym(t, {{3, -6}, {11, -8}, {13.5, -7}, {13.5, -3}, {3, 7}});
  Paint(c, wing, pal::kOlive, Plate(0, 1.6, true));
  Shape panel(c);
  panel.sym(t, {{6, -4}, {11, -5.5}, {11, -4}, {6, 0}});
  Paint(c, panel, pal::kRust, Decal(-0.3));
  Shape guns(c);
  guns.rect(t, 4.5, -1, 1.5, 10).rect(t, -6, -1, 1.5, 10);
  Paint(c, guns, pal::kSteel, Plate());
  Shape body(c);
  body.sym(t, {{0, -11}, {2.5, -9}, {3.5, -2}, {3, 6}, {1.5, 11}, {0, 13}});
  Paint(c, body, pal::kOlive, DomeOf(2.5, 0, 3, 0.3));
  Canopy(c, t, {0, 2.5}, 1.6, 3.2);
  Lamp(c, t, {12.5, -5}, pal::kAmberLamp, 1);
  Lamp(c, t, {-12.5, -5}, pal::kAmberLamp, 1);
}

// EN2: a small forward-swept interceptor; the two frames flicker its exhaust and lamps.
void Interceptor(Canvas &c, const Xform &t, int frame) {
  Exhaust(c, t, {-2.5, -8}, 1.3, frame ? 4.5 : 6);
  Exhaust(c, t, {2.5, -8}, 1.3, frame ? 4.5 : 6);
  Shape wing(c);
  wing.sym(t, {{2, -6}, {8, -3}, {13, 4}, {13, 7}, {10, 6}, {3, 3}});
  Paint(c, wing, pal::kViolet, Plate(0, 1.6, false));
  Shape edge(c);
  edge.sym(t, {{9, 1}, {13, 5}, {13, 7}, {10, 6}, {8, 3}});
  Paint(c, edge, pal::kRust, Decal());
  Shape body(c);
  body.sym(t, {{0, -9}, {4, -8}, {4, 2}, {2, 9}, {0, 12}});
  Paint(c, body, pal::kViolet, DomeOf(2.5, 0, 3, 0.4));
  Canopy(c, t, {0, 3}, 1.5, 3);
  Lamp(c, t, {12, 5.5}, frame ? pal::kRedLamp : pal::kAmberLamp, 1);
  Lamp(c, t, {-12, 5.5}, frame ? pal::kAmberLamp : pal::kRedLamp, 1);
}

// EN1: a rust dart with long delta wings; frame 0 climbs (nose up), frame 1 dives.
void Dart(Canvas &c, const Xform &t, int) {
  Exhaust(c, t, {0, -8}, 2.2, 6);
  Shape wing(c);
  wing.sym(t, {{2, -3}, {12, -8}, {13, -6}, {4, 8}});
  Paint(c, wing, pal::kRust, Plate());
  Shape band(c);
  band.sym(t, {{5, -2.5}, {10, -5.5}, {10.5, -4.5}, {5, 0}});
  Paint(c, band, pal::kOlive, Decal(1));
  Shape body(c);
  body.sym(t, {{0, -10}, {2.5, -8}, {3, 2}, {1.5, 10}, {0, 14}});
  Paint(c, body, pal::kRust, DomeOf(2.5, 0, 3, 0.3));
  Canopy(c, t, {0, 1}, 1.4, 3);
  Lamp(c, t, {11.5, -6.5}, pal::kRedLamp, 1);
  Lamp(c, t, {-11.5, -6.5}, pal::kRedLamp, 1);
}

// EN3: a violet crescent weaver with twin needle guns; frames pulse its eye and exhaust.
void Weaver(Canvas &c, const Xform &t, int frame) {
  Exhaust(c, t, {0, -6}, 2.5, frame ? 5 : 7);
  Shape wing(c);
  wing.sym(t, {{0, -7}, {6, -6}, {11, -3}, {14, 2}, {14, 8}, {11, 5}, {6, 3}, {0, 4}});
  Paint(c, wing, pal::kViolet, Plate());
  Shape guns(c);
  guns.rect(t, 9.5, 1, 2, 10).rect(t, -11.5, 1, 2, 10);
  Paint(c, guns, pal::kSteel, Plate());
  Shape pod(c);
  pod.ellipse(t, {0, 0}, 5, 7);
  Paint(c, pod, pal::kRust, DomeOf(4, 0, 3, 0.3));
  Shape eye(c);
  eye.circle(t, {0, 2}, 2.5);
  Paint(c, eye, pal::kRedGlass, frame ? GlowOf(2, 1.5) : DomeOf(2.5, 0.08));
  Lamp(c, t, {13, 5}, pal::kAmberLamp, 1);
  Lamp(c, t, {-13, 5}, pal::kAmberLamp, 1);
}

// EN4: a heavy rust gunship with two long needle cannons; frame 1 faces up (mirrored).
void Lancer(Canvas &c, const Xform &t, int) {
  Exhaust(c, t, {-4, -9}, 1.6, 5);
  Exhaust(c, t, {4, -9}, 1.6, 5);
  Shape armour(c);
  armour.sym(t, {{4, -10}, {12, -6}, {13, 2}, {9, 6}, {5, 4}});
  Paint(c, armour, pal::kRust, Plate());
  Shape cannons(c);
  cannons.rect(t, 6, 0, 2.5, 14).rect(t, -8.5, 0, 2.5, 14);
  Paint(c, cannons, pal::kSteel, Plate());
  Shape tips(c);
  tips.rect(t, 6, 12, 2.5, 2).rect(t, -8.5, 12, 2.5, 2);
  Paint(c, tips, pal::kAmber, Plate(1));
  Shape body(c);
  body.sym(t, {{0, -11}, {5, -9}, {5.5, 3}, {3, 9}, {0, 10}});
  Paint(c, body, pal::kOlive, DomeOf(3, 0, 3, 0.2));
  Canopy(c, t, {0, 3}, 2, 3);
  Shape vent(c);
  vent.line(t, {-3, -6}, {3, -6}).line(t, {-3, -4}, {3, -4});
  Tint(c, vent, 0.55);
}

// EN6: a violet saucer; the two frames walk the lamps round its rim.
void Saucer(Canvas &c, const Xform &t, int frame) {
  Shape rim(c);
  rim.circle(t, {0, 0}, 13);
  Paint(c, rim, pal::kViolet, DomeOf(5, 0, 2.5, 0.2));
  Shape ring(c);
  ring.circle(t, {0, 0}, 9.5);
  ring.cut(Shape(c).circle(t, {0, 0}, 8.5));
  Tint(c, ring, 0.6);
  Shape dome(c);
  dome.circle(t, {0, 0}, 6);
  Paint(c, dome, pal::kOlive, DomeOf(6, 0, 3.5));
  Shape eye(c);
  eye.circle(t, {0, 0}, 2.5);
  Paint(c, eye, pal::kRedGlass, DomeOf(2.5, 0.1));
  for (int i = 0; i < 8; ++i) {
    double a = (i * 45 + (frame ? 22.5 : 0)) * 3.14159265358979 / 180;
    Lamp(c, t, {11 * std::cos(a), 11 * std::sin(a)}, i % 2 ? pal::kAmberLamp : pal::kRedLamp, 1);
  }
}

// EN7: an olive swing-wing; variant 0 has the wings spread, 1 swept back for the dive.
void SwingWing(Canvas &c, const Xform &t, int dive) {
  Exhaust(c, t, {0, -9}, 2.4, dive ? 7 : 5);
  Shape wing(c);
  if (dive) wing.sym(t, {{3, -2}, {9, -9}, {11, -10}, {10, -7}, {4, 4}});
  else wing.sym(t, {{3, -3}, {13, -2}, {14, 0}, {13, 2}, {4, 3}});
  Paint(c, wing, pal::kOlive, Plate(0, 1.2));
  Shape pivots(c);
  pivots.circle(t, {4, 0}, 2).circle(t, {-4, 0}, 2);
  Paint(c, pivots, pal::kRust, DomeOf(2));
  Shape tail(c);
  tail.sym(t, {{2, -9}, {6, -13}, {7, -12}, {3, -6}});
  Paint(c, tail, pal::kRust, Plate());
  Shape body(c);
  body.sym(t, {{0, -11}, {3, -9}, {3, 5}, {2, 10}, {0, 13}});
  Paint(c, body, pal::kOlive, DomeOf(2.5, 0, 3, 0.3));
  Canopy(c, t, {0, 4}, 1.5, 3);
  Lamp(c, t, dive ? Pt{9.5, -8} : Pt{13, 0}, pal::kRedLamp, 1);
  Lamp(c, t, dive ? Pt{-9.5, -8} : Pt{-13, 0}, pal::kRedLamp, 1);
}

// EN8: a violet warp dasher, a four-pointed star round a red eye; frames pulse the eye.
void Dasher(Canvas &c, const Xform &t, int frame) {
  Shape star(c);
  star.poly(t, {{0, -14},
                {2, -8},
                {5, -5},
                {8, -2},
                {14, 0},
                {8, 2},
                {5, 5},
                {2, 8},
                {0, 14},
                {-2, 8},
                {-5, 5},
                {-8, 2},
                {-14, 0},
                {-8, -2},
                {-5, -5},
                {-2, -8}});
  Paint(c, star, pal::kViolet, Plate(0, 1.5));
  Shape inner(c);
  inner.poly(t, {{0, -10}, {1.5, -4}, {10, 0}, {1.5, 4}, {0, 10}, {-1.5, 4}, {-10, 0}, {-1.5, -4}});
  Paint(c, inner, pal::kRust, Plate(0.3));
  Shape ring(c);
  ring.circle(t, {0, 0}, 5);
  Paint(c, ring, pal::kSteel, DomeOf(3, 0, 3, 0.5));
  Shape eye(c);
  eye.circle(t, {0, 0}, 3.2);
  Paint(c, eye, pal::kRedGlass, frame ? GlowOf(1.6, 1) : DomeOf(3, 0.1));
  for (Pt p : {Pt{0, -12}, Pt{12, 0}, Pt{0, 12}, Pt{-12, 0}})
    Lamp(c, t, p, frame ? pal::kRedLamp : pal::kAmberLamp, 1);
}

// EN10: a pod with two wing panels. Variant 0 flies vertically, wings square; 1 dashes right
// with the wings swept back and the exhaust trailing (variant 2 is the model mirrored).
void Pod(Canvas &c, const Xform &t, int dash) {
  Shape wings(c);
  if (dash) {
    wings.poly(t, {{2, -3}, {-2, -12}, {-6, -13}, {-4, -3}}).poly(t, {{2, 3}, {-2, 12}, {-6, 13}, {-4, 3}});
  } else {
    wings.rect(t, 6, -10, 3, 20).rect(t, -9, -10, 3, 20);
    wings.rect(t, 4, -1.5, 3, 3).rect(t, -7, -1.5, 3, 3);
  }
  Paint(c, wings, pal::kViolet, Plate(0, 1));
  if (dash) {
    Shape flame(c);
    flame.poly(t, {{-5, -2.5}, {-13, -1}, {-14, 0}, {-13, 1}, {-5, 2.5}});
    Paint(c, flame, pal::kExhaust, GlowOf(1.6, 0.5));
  }
  Shape core(c);
  core.circle(t, {0, 0}, 5.5);
  Paint(c, core, pal::kRust, DomeOf(5.5, 0, 3.5));
  Shape eye(c);
  if (dash) eye.ellipse(t, {2.5, 0}, 2, 2.5);
  else eye.circle(t, {0, 0}, 2.5);
  Paint(c, eye, pal::kRedGlass, DomeOf(2.5, 0.1));
}

// EN12: three designs. 0: a slim olive diver with two forward prongs. 1: a stubby violet
// gunship with heavy side guns. 2: a round rust heavy with ring ports for its bullet ring.
void Diver(Canvas &c, const Xform &t) {
  Exhaust(c, t, {0, -9}, 1.8, 5);
  Shape prongs(c);
  prongs.sym(t, {{3, -4}, {7, -6}, {7, 12}, {5.5, 13}, {4.5, 4}});
  Paint(c, prongs, pal::kOlive, Plate(0, 1));
  Shape body(c);
  body.sym(t, {{0, -11}, {2.5, -8}, {3.5, 2}, {1.5, 10}, {0, 11}});
  Paint(c, body, pal::kRust, DomeOf(2.5, 0, 3, 0.3));
  Canopy(c, t, {0, 2}, 1.5, 2.5);
  Lamp(c, t, {6.2, 11}, pal::kAmberLamp, 1);
  Lamp(c, t, {-6.2, 11}, pal::kAmberLamp, 1);
}

void Hoverer(Canvas &c, const Xform &t) {
  Exhaust(c, t, {-7, -8}, 1.5, 5);
  Exhaust(c, t, {7, -8}, 1.5, 5);
  Shape guns(c);
  guns.rect(t, 8, -9, 5, 19).rect(t, -13, -9, 5, 19);
  Paint(c, guns, pal::kSteel, Plate(0, 1));
  Shape muzzles(c);
  muzzles.rect(t, 9, 10, 3, 3).rect(t, -12, 10, 3, 3);
  Paint(c, muzzles, pal::kSteel, Plate(-0.5));
  Shape hull(c);
  hull.sym(t, {{0, -11}, {6, -10}, {8, -4}, {8, 4}, {5, 9}, {0, 10}});
  Paint(c, hull, pal::kViolet, DomeOf(4, 0, 2.5, 0.3));
  Shape plate(c);
  plate.sym(t, {{0, -7}, {4, -6}, {4, -2}, {0, -1}});
  Paint(c, plate, pal::kRust, Plate());
  Canopy(c, t, {0, 4}, 2.5, 3);
  Lamp(c, t, {10.5, 12}, pal::kRedLamp, 1);
  Lamp(c, t, {-10.5, 12}, pal::kRedLamp, 1);
}

void RingShip(Canvas &c, const Xform &t) {
  Exhaust(c, t, {0, -10}, 3, 4.5);
  Shape fins(c);
  fins.sym(t, {{6, -11}, {11, -13}, {12, -9}, {9, -6}});
  fins.sym(t, {{10, 4}, {14, 6}, {13, 10}, {9, 9}});
  Paint(c, fins, pal::kOlive, Plate());
  Shape disc(c);
  disc.circle(t, {0, 0}, 11);
  Paint(c, disc, pal::kRust, DomeOf(5, 0, 2.5, 0.2));
  Shape band(c);
  band.circle(t, {0, 0}, 9.5);
  band.cut(Shape(c).circle(t, {0, 0}, 7));
  Paint(c, band, pal::kSteel, Plate(0.3));
  for (int i = 0; i < 12; ++i) {
    double a = (i * 30 + 15) * 3.14159265358979 / 180;
    Lamp(c, t, {8.3 * std::cos(a), 8.3 * std::sin(a)}, pal::kAmberLamp, 1);
  }
  Shape hub(c);
  hub.circle(t, {0, 0}, 5);
  Paint(c, hub, pal::kSteel, DomeOf(5, 0, 3, 0.5));
  Shape eye(c);
  eye.circle(t, {0, 1}, 2.6);
  Paint(c, eye, pal::kRedGlass, DomeOf(2.6, 0.1));
}

void Trio(Canvas &c, const Xform &t, int design) {
  if (design == 0) Diver(c, t);
  else if (design == 1) Hoverer(c, t);
  else RingShip(c, t);
}

// EN14: a homing mine, a spiked violet sphere round a red core.
void Mine(Canvas &c, const Xform &t, int) {
  Shape spikes(c);
  for (int i = 0; i < 8; ++i) {
    double a = i * 45 * 3.14159265358979 / 180, ca = std::cos(a), sa = std::sin(a);
    spikes.poly(
        t,
        {{8 * ca - 2.2 * sa, 8 * sa + 2.2 * ca}, {14 * ca, 14 * sa}, {8 * ca + 2.2 * sa, 8 * sa - 2.2 * ca}});
  }
  Paint(c, spikes, pal::kSteel, Plate(0.5));
  Shape ball(c);
  ball.circle(t, {0, 0}, 9);
  Paint(c, ball, pal::kViolet, DomeOf(9, 0, 3.5));
  Shape band(c);
  band.ellipse(t, {0, 0}, 9, 2.5);
  band.cut(Shape(c).ellipse(t, {0, 0}, 9, 1.2));
  Tint(c, band, 0.6);
  Shape core(c);
  core.circle(t, {0, 0}, 3.5);
  Paint(c, core, pal::kRedGlass, GlowOf(1.4, 1));
}

// EN15: a violet manta swooper with red eyes and needle guns under its wing roots.
void Manta(Canvas &c, const Xform &t, int) {
  Shape wing(c);
  wing.sym(t, {{0, -8}, {6, -8}, {11, -5}, {14, 0}, {14, 6}, {11, 3}, {7, 4}, {4, 9}, {0, 10}});
  Paint(c, wing, pal::kViolet, Plate(0, 1.6, true));
  Shape ribs(c);
  ribs.line(t, {4, -5}, {12, 1}).line(t, {-4, -5}, {-12, 1});
  Tint(c, ribs, 0.6);
  Shape horns(c);
  horns.poly(t, {{1, 5}, {4, 7}, {3, 13}, {1.5, 9}}).poly(t, {{-1, 5}, {-4, 7}, {-3, 13}, {-1.5, 9}});
  Paint(c, horns, pal::kRust, Plate());
  Shape back(c);
  back.ellipse(t, {0, -1}, 4, 7);
  Paint(c, back, pal::kRust, DomeOf(4, 0, 3, 0.2));
  Lamp(c, t, {-2, 4}, pal::kRedLamp, 2);
  Lamp(c, t, {2, 4}, pal::kRedLamp, 2);
}

}  // namespace

ART_SHEET(EN16) {
  Xform up;
  up.flipY = true;
  craft::DrawCell(c, 32, 32, 0, 0, Fighter, 0);
  craft::DrawCell(c, 32, 32, 1, 0, Fighter, 0, up);
}

ART_SHEET(EN2) {
  craft::DrawCell(c, 32, 32, 0, 0, Interceptor, 0);
  craft::DrawCell(c, 32, 32, 1, 0, Interceptor, 1);
}

ART_SHEET(EN1) {
  Xform up;
  up.flipY = true;
  craft::DrawCell(c, 32, 32, 0, 0, Dart, 0, up);
  craft::DrawCell(c, 32, 32, 1, 0, Dart, 0);
}

ART_SHEET(EN3) {
  craft::DrawCell(c, 32, 32, 0, 0, Weaver, 0);
  craft::DrawCell(c, 32, 32, 1, 0, Weaver, 1);
}

ART_SHEET(EN4) {
  Xform up;
  up.flipY = true;
  craft::DrawCell(c, 32, 32, 0, 0, Lancer, 0);
  craft::DrawCell(c, 32, 32, 1, 0, Lancer, 0, up);
}

ART_SHEET(EN6) {
  craft::DrawCell(c, 32, 32, 0, 0, Saucer, 0);
  craft::DrawCell(c, 32, 32, 1, 0, Saucer, 1);
}

ART_SHEET(EN7) {
  Xform up;
  up.flipY = true;
  craft::DrawCell(c, 32, 32, 0, 0, SwingWing, 0);
  craft::DrawCell(c, 32, 32, 1, 0, SwingWing, 1);
  craft::DrawCell(c, 32, 32, 0, 1, SwingWing, 0, up);
  craft::DrawCell(c, 32, 32, 1, 1, SwingWing, 1, up);
}

// The warp-in blink is row 1, which lies outside the sheet: only row 0 is drawn.
ART_SHEET(EN8) {
  craft::DrawCell(c, 32, 32, 0, 0, Dasher, 0);
  craft::DrawCell(c, 32, 32, 1, 0, Dasher, 1);
}

ART_SHEET(EN10) {
  Xform left;
  left.flipX = true;
  craft::DrawCell(c, 32, 32, 0, 0, Pod, 0);
  craft::DrawCell(c, 32, 32, 1, 0, Pod, 1);
  craft::DrawCell(c, 32, 32, 2, 0, Pod, 1, left);
}

ART_SHEET(EN12) {
  for (int f = 0; f < 3; ++f) craft::DrawCell(c, 32, 32, f, 0, Trio, f);
}

ART_SHEET(EN14) { craft::DrawCell(c, 32, 32, 0, 0, Mine, 0); }

ART_SHEET(EN15) { craft::DrawCell(c, 32, 32, 0, 0, Manta, 0); }

}  // namespace qel::art
