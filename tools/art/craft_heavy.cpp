// The larger ordinary enemies: the barrier ship (three of them close the screen side by side,
// so its ends are couplings) and the four 48 x 48 medium craft, each with a two-frame cycle.
#include <cmath>

#include "art/craft_kit.h"
#include "art/registry.h"
#include "platform/angles.h"

namespace qel::art {
namespace {

using craft::Decal;
using craft::DomeOf;
using craft::DrawCraft;
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

// --- EN11, the barrier ship: 162 x 34, one picture --------------------------------------------

void BarrierEngines(Canvas &c, const Xform &t) {
  for (double x : {-58.0, -22.0, 22.0, 58.0}) {
    Exhaust(c, t, {x - 3, -12}, 1.6, 4);
    Exhaust(c, t, {x + 3, -12}, 1.6, 4);
    Shape block(c);
    block.rect(t, x - 7, -13, 14, 6);
    Paint(c, block, pal::kSteel, Plate(0, 1));
  }
}

void BarrierGuns(Canvas &c, const Xform &t) {
  for (double x : {-40.0, 0.0, 40.0}) {
    Shape barrels(c);
    barrels.rect(t, x - 3.5, 6, 2, 10).rect(t, x + 1.5, 6, 2, 10);
    Paint(c, barrels, pal::kSteel, Plate(0.5));
    Shape dome(c);
    dome.circle(t, {x, 5}, 5.5);
    Paint(c, dome, pal::kRust, DomeOf(5.5, 0, 3.5));
    Lamp(c, t, {x, 6}, pal::kRedLamp, 2);
  }
}

void BarrierHull(Canvas &c, const Xform &t) {
  Shape keel(c);
  for (double x : {-60.0, -20.0, 20.0, 60.0})
    keel.poly(t, {{x - 6, 6}, {x + 6, 6}, {x + 3, 12}, {x - 3, 12}});
  Paint(c, keel, pal::kViolet, Plate(-0.4));
  Shape hull(c);
  hull.poly(t, {{-76, -9}, {76, -9}, {79, -5}, {79, 5}, {76, 9}, {-76, 9}, {-79, 5}, {-79, -5}});
  Paint(c, hull, pal::kViolet, DomeOf(5, 0, 2.5, 0.2));
  for (int i = 0; i < 8; ++i) {
    double x0 = -76 + i * 19;
    Shape plate(c);
    plate.poly(t, {{x0 + 3, -7}, {x0 + 16, -7}, {x0 + 17, -6}, {x0 + 17, 3}, {x0 + 15, 5}, {x0 + 3, 5}});
    Paint(c, plate, pal::kViolet, Plate(0.3, 1.2));
    Shape rib(c);
    rib.rect(t, x0 - 1, -8, 3, 16);
    Paint(c, rib, pal::kRust, Plate(0, 0.8));
  }
  Shape last(c);
  last.rect(t, 75, -8, 3, 16);
  Paint(c, last, pal::kRust, Plate(0, 0.8));
  Shape clamps(c);
  clamps.rect(t, -81, -4, 5, 8).rect(t, 76, -4, 5, 8);
  Paint(c, clamps, pal::kSteel, Plate(0.5));
  for (int i = 0; i < 8; ++i) Lamp(c, t, {-66.5 + i * 19, -1}, i % 2 ? pal::kAmberLamp : pal::kRedLamp, 1);
}

void BarrierBridge(Canvas &c, const Xform &t) {
  Shape bridge(c);
  bridge.poly(t, {{-13, -15}, {13, -15}, {17, -11}, {17, 1}, {13, 4}, {-13, 4}, {-17, 1}, {-17, -11}});
  Paint(c, bridge, pal::kRust, DomeOf(4, 0, 3, 0.2));
  Shape deck(c);
  deck.rect(t, -11, -12, 22, 7);
  Paint(c, deck, pal::kViolet, Plate(0.2, 1));
  Shape windows(c);
  windows.rect(t, -12, -3, 24, 3);
  Paint(c, windows, pal::kRedGlass, DomeOf(1.5, 0.1));
  Shape vents(c);
  for (double y = -11; y <= -7; y += 2) vents.line(t, {-9, y}, {8.9, y});
  Tint(c, vents, 0.6);
}

void Barrier(Canvas &c, const Xform &t, int) {
  BarrierEngines(c, t);
  BarrierHull(c, t);
  BarrierBridge(c, t);
  BarrierGuns(c, t);
}

// --- EN20, four medium craft of 48 x 48, two frames each -----------------------------------

// Row 0: an olive gunship with two pairs of needle cannons.
void Gunship(Canvas &c, const Xform &t, int frame) {
  Exhaust(c, t, {-5, -15}, 2.2, frame ? 6 : 8);
  Exhaust(c, t, {5, -15}, 2.2, frame ? 6 : 8);
  Shape wing(c);
  wing.sym(t, {{5, -14}, {14, -10}, {22, -2}, {22, 4}, {17, 6}, {8, 4}, {5, 8}});
  Paint(c, wing, pal::kOlive, Plate(0, 1.6, true));
  Shape band(c);
  band.sym(t, {{11, -7}, {20, -1}, {20, 2}, {11, -3}});
  Paint(c, band, pal::kRust, Decal());
  Shape cannons(c);
  for (double x : {9.0, 14.0, -11.0, -16.0}) cannons.rect(t, x, -4, 2, 20);
  Paint(c, cannons, pal::kSteel, Plate(0.5));
  for (double x : {10.0, 15.0, -10.0, -15.0}) Lamp(c, t, {x, 15}, frame ? pal::kAmberLamp : pal::kRedLamp, 2);
  Shape body(c);
  body.sym(t, {{0, -17}, {6, -15}, {7, -4}, {6, 8}, {3, 16}, {0, 19}});
  Paint(c, body, pal::kOlive, DomeOf(4, 0, 3, 0.3));
  Shape spine(c);
  spine.rect(t, -1, -14, 2, 10);
  Tint(c, spine, 0.7);
  Shape glass(c);
  glass.ellipse(t, {0, 5}, 2.5, 5);
  Paint(c, glass, pal::kRedGlass, DomeOf(2.5, 0.08));
}

// Row 1: a rust heavy diver, an armoured wedge with a three-way gun in its nose.
void HeavyDiver(Canvas &c, const Xform &t, int frame) {
  for (double x : {-9.0, 0.0, 9.0}) Exhaust(c, t, {x, -15}, 2.2, frame ? 5 : 7);
  Shape wedge(c);
  wedge.sym(t, {{0, -18}, {14, -17}, {21, -8}, {20, 0}, {10, 14}, {4, 21}, {0, 22}});
  Paint(c, wedge, pal::kRust, Plate(0, 1.5));
  Shape plates(c);
  plates.sym(t, {{8, -13}, {16, -12}, {17, -6}, {10, 4}, {7, 3}});
  Paint(c, plates, pal::kViolet, Plate(0, 1));
  Shape keel(c);
  keel.sym(t, {{0, -16}, {4, -14}, {4.5, 8}, {2, 14}, {0, 15}});
  Paint(c, keel, pal::kRust, DomeOf(3, 0, 3, 0.4));
  Shape guns(c);
  guns.capsule(t, {0, 12}, {0, 20}, 3).capsule(t, {-3, 11}, {-7, 18}, 2.5).capsule(t, {3, 11}, {7, 18}, 2.5);
  Paint(c, guns, pal::kSteel, Plate(0.5));
  Shape eye(c);
  eye.ellipse(t, {0, 3}, 3, 4);
  Paint(c, eye, pal::kRedGlass, frame ? GlowOf(1.4, 1) : DomeOf(3, 0.08));
  Lamp(c, t, {19, -6}, pal::kAmberLamp, 2);
  Lamp(c, t, {-19, -6}, pal::kAmberLamp, 2);
}

// Row 2: a slow violet gunship round a big glowing cannon orb, which pulses.
void OrbShip(Canvas &c, const Xform &t, int frame) {
  Exhaust(c, t, {-14, -12}, 2, frame ? 5 : 7);
  Exhaust(c, t, {14, -12}, 2, frame ? 5 : 7);
  Shape hull(c);
  hull.sym(t, {{0, -15}, {10, -15}, {20, -11}, {23, -4}, {22, 6}, {16, 12}, {8, 10}, {0, 12}});
  Paint(c, hull, pal::kViolet, Plate(0, 1.6, true));
  Shape pods(c);
  pods.ellipse(t, {15, -2}, 5, 9).ellipse(t, {-15, -2}, 5, 9);
  Paint(c, pods, pal::kOlive, DomeOf(4, 0, 3, 0.2));
  Shape cowl(c);
  cowl.circle(t, {0, 5}, 10);
  Paint(c, cowl, pal::kSteel, DomeOf(6, 0, 3, 0.4));
  Shape orb(c);
  orb.circle(t, {0, 6}, 6.5);
  Paint(c, orb, pal::kAmber, GlowOf(frame ? 0.9 : 0.6, frame ? 0.5 : 0));
  Shape ribs(c);
  ribs.line(t, {-6, -12}, {-6, -4}).line(t, {6, -12}, {6, -4}).line(t, {-3, -13}, {3, -13});
  Tint(c, ribs, 0.6);
  Lamp(c, t, {20, 4}, pal::kRedLamp, 2);
  Lamp(c, t, {-20, 4}, pal::kRedLamp, 2);
}

// Row 3: a crosser that flies up, down or sideways alike: a ring of four pods round a core.
// The second frame turns the ring an eighth of a turn.
void RingCrosser(Canvas &c, const Xform &t, int frame) {
  Shape ring(c);
  ring.circle(t, {0, 0}, 17);
  ring.cut(Shape(c).circle(t, {0, 0}, 12.5));
  Paint(c, ring, pal::kOlive, DomeOf(2.5, 0, 3, 0.2));
  Xform spun = t;
  spun.angle = frame ? 45 : 0;
  for (int i = 0; i < 4; ++i) {
    double a = (i * 90 + 45) * kPi / 180;
    Shape pod(c);
    pod.circle(spun, {15 * std::cos(a), 15 * std::sin(a)}, 5.5);
    Paint(c, pod, pal::kRust, DomeOf(5.5, 0, 3.5));
    Lamp(c, spun, {15 * std::cos(a), 15 * std::sin(a)}, pal::kAmberLamp, 2);
  }
  Shape spokes(c);
  spokes.capsule(spun, {-9, 0}, {9, 0}, 3).capsule(spun, {0, -9}, {0, 9}, 3);
  Paint(c, spokes, pal::kSteel, Plate(0.3));
  Shape core(c);
  core.circle(t, {0, 0}, 8);
  Paint(c, core, pal::kViolet, DomeOf(8, 0, 3.5, 0.2));
  Shape eye(c);
  eye.circle(t, {0, 0}, 3.5);
  Paint(c, eye, pal::kRedGlass, frame ? GlowOf(1.2, 1) : DomeOf(3.5, 0.1));
}

}  // namespace

ART_SHEET(EN11) { craft::DrawCell(c, 162, 34, 0, 0, Barrier, 0); }

ART_SHEET(EN20) {
  const DrawCraft rows[4] = {Gunship, HeavyDiver, OrbShip, RingCrosser};
  for (int r = 0; r < 4; ++r)
    for (int f = 0; f < 2; ++f) craft::DrawCell(c, 48, 48, f, r, rows[r], f);
}

}  // namespace qel::art
