// The ZOZE, the player's fighter: silver-white metal, cyan glass, blue livery and cool engine
// glow. Drawn nose up, level and banked (the same model rolled, so both banks are lit from the
// top left), and once more seen from behind for the final dive. The cockpit sits inside the
// ship's hit box, (10,3)-(21,15) of the 32 x 32 frame.
#include "art/craft_kit.h"
#include "art/registry.h"

namespace qel::art {
namespace {

using craft::Decal;
using craft::DomeOf;
using craft::Finish;
using craft::GlowOf;
using craft::Plate;
using craft::Profile;
using craft::Pt;
using craft::Shape;
using craft::Xform;

const Ramp kSilver = {Rgb(30, 36, 64),    Rgb(86, 100, 136),  Rgb(164, 176, 200),
                      Rgb(212, 220, 236), Rgb(244, 247, 255), Rgb(255, 255, 255)};
const Ramp kLivery = {Rgb(12, 22, 80),   Rgb(24, 52, 148),   Rgb(44, 96, 214),
                      Rgb(92, 148, 244), Rgb(168, 204, 255), Rgb(228, 244, 255)};
const Ramp kGlass = {Rgb(6, 30, 60),    Rgb(10, 76, 128),   Rgb(22, 144, 200),
                     Rgb(64, 200, 240), Rgb(168, 240, 255), Rgb(255, 255, 255)};
const Ramp kGunmetal = {Rgb(14, 16, 24),    Rgb(38, 42, 56),    Rgb(68, 74, 92),
                        Rgb(106, 114, 136), Rgb(154, 162, 184), Rgb(208, 212, 224)};
const Ramp kFlame = {Rgb(16, 48, 160),   Rgb(32, 96, 224),   Rgb(64, 176, 255),
                     Rgb(144, 232, 255), Rgb(224, 255, 255), Rgb(255, 255, 255)};

void Wings(Canvas &c, const Xform &t, double wingBias) {
  Shape rails(c);
  rails.capsule(t.at(0), {12.5, -2}, {12.5, 9}, 3).capsule(t.at(0), {-12.5, -2}, {-12.5, 9}, 3);
  craft::Paint(c, rails, kGunmetal, DomeOf(1.5));
  Shape wing(c);
  wing.sym(t.at(0), {{3, -2}, {12, 6}, {12, 11}, {9, 11}, {6, 9}, {3, 9}});
  craft::Paint(c, wing, kSilver, Plate(wingBias));
  Shape stripe(c);
  stripe.sym(t.at(0), {{5, 1.5}, {11, 7}, {11, 9}, {5, 3.5}});
  craft::Paint(c, stripe, kLivery, Decal(wingBias));
  Shape tips(c);
  tips.rect(t.at(0), 12, -5, 1, 3).rect(t.at(0), -13, -5, 1, 3);
  craft::Paint(c, tips, kSilver, Decal(wingBias + 1.5));
  Shape canards(c);
  canards.sym(t.at(1), {{3, -9}, {6.5, -6}, {6.5, -4}, {3, -5}});
  craft::Paint(c, canards, kSilver, Plate(wingBias));
}

void Engines(Canvas &c, const Xform &t) {
  Shape flame(c);
  flame.sym(t.at(0.5), {{1, 11}, {4.5, 11}, {4, 14.4}, {2.5, 14.4}, {1.5, 13}});
  craft::Paint(c, flame, kFlame, GlowOf(1.5));
  Shape nacelles(c);
  nacelles.rect(t.at(0.5), 0.5, 4, 4.5, 9).rect(t.at(0.5), -5, 4, 4.5, 9);
  craft::Paint(c, nacelles, kGunmetal, DomeOf(2));
  Shape nozzles(c);
  nozzles.rect(t.at(0.5), 1.5, 12, 2.5, 1).rect(t.at(0.5), -4, 12, 2.5, 1);
  craft::Fill(c, nozzles, Rgb(150, 236, 255));
}

void Body(Canvas &c, const Xform &t) {
  Shape hull(c);
  hull.sym(t.at(1), {{0.5, -15}, {2, -12}, {3, -8}, {4, -3}, {4.5, 3}, {4, 8}, {2, 11}});
  Finish round = DomeOf(3);
  round.gain = 2.6;
  round.bias = 0.4;
  craft::Paint(c, hull, kSilver, round);
  Shape intakes(c);
  intakes.sym(t.at(1), {{4, -3}, {5.5, -1}, {5.5, 5}, {4.5, 6}});
  intakes.cut(Shape(c).rect(t.at(1), -4, -6, 8, 13));
  craft::Paint(c, intakes, kSilver, Plate(0.3));
  Shape mouths(c);
  mouths.sym(t.at(1), {{4, -2}, {5, -1}, {5, 0}, {4, 0}});
  mouths.cut(Shape(c).rect(t.at(1), -4, -6, 8, 13));
  craft::Fill(c, mouths, Rgb(20, 24, 40));
  Shape spine(c);
  spine.line(t.at(2), {0, 2}, {0, 8});
  craft::Paint(c, spine, kLivery, Decal());
  Shape seams(c);
  seams.line(t.at(1), {-3, 0.5}, {3, 0.5});
  craft::Tint(c, seams, 0.75);
  Shape fins(c);
  fins.sym(t.at(2.5), {{4.5, 4}, {6.5, 9}, {6.5, 12}, {5, 12}, {4.5, 9}});
  fins.cut(Shape(c).rect(t.at(2.5), -4.5, 3, 9, 10));
  craft::Paint(c, fins, kLivery, Plate(0.5));
}

void Cockpit(Canvas &c, const Xform &t) {
  Shape frame(c);
  frame.sym(t.at(2.5), {{0, -13}, {1.5, -11.5}, {3, -8}, {3, -3}, {2, -1}, {0, -0.5}});
  craft::Paint(c, frame, kGunmetal, Plate());
  Shape glass(c);
  glass.sym(t.at(2.5), {{0, -12}, {1, -10.5}, {2, -8}, {2, -4}, {1, -2}, {0, -1.5}});
  craft::Paint(c, glass, kGlass, DomeOf(2, 0.1));
  Shape glint(c);
  glint.line(t.at(2.5), {-1.2, -9.5}, {-1.2, -6.5});
  craft::Fill(c, glint, kGlass[4]);
  Shape bar(c);
  bar.line(t.at(2.5), {-1.5, -4.5}, {1.5, -4.5});
  craft::Tint(c, bar, 0.55);
}

void Zoze(Canvas &c, double roll, double wingBias) {
  Xform t = craft::CellXform(32, 32);
  t.roll = roll;
  t.focal = 60;
  Engines(c, t);
  Wings(c, t, wingBias);
  Body(c, t);
  Cockpit(c, t);
  craft::Lamp(c, t.at(0.5), {13, 11}, Rgb(120, 230, 255), 1);
  craft::Lamp(c, t.at(0.5), {-13, 11}, Rgb(120, 230, 255), 1);
  craft::Outline(c);
}

// Seen from behind as it turns to dive: wings spread level, the engines glowing at the viewer,
// the canopy on top inside the hit box.
void ZozeRear(Canvas &c) {
  Xform t = craft::CellXform(32, 32);
  Shape fins(c);
  fins.poly(t, {{2, -4}, {5.5, -11}, {7.5, -11}, {5, -4}})
      .poly(t, {{-2, -4}, {-5.5, -11}, {-7.5, -11}, {-5, -4}});
  fins.sym(t, {{1, 4}, {1, 10}});
  craft::Paint(c, fins, kLivery, Plate(0.4));
  Shape wing(c);
  wing.sym(t, {{0, -2.5}, {8, -0.5}, {13, 1}, {13, 4.5}, {8, 4}, {0, 4}});
  craft::Paint(c, wing, kSilver, Plate());
  Shape stripe(c);
  stripe.sym(t, {{6, 1}, {11, 2}, {11, 3}, {6, 2}});
  craft::Paint(c, stripe, kLivery, Decal());
  Shape pods(c);
  pods.circle(t, {12.5, 2.5}, 2.2).circle(t, {-12.5, 2.5}, 2.2);
  craft::Paint(c, pods, kGunmetal, DomeOf(2));
  Shape hull(c);
  hull.ellipse(t, {0, -0.5}, 6.5, 5.5);
  Finish round = DomeOf(4);
  round.gain = 3;
  round.bias = 0.5;
  craft::Paint(c, hull, kSilver, round);
  Shape canopy(c);
  canopy.ellipse(t, {0, -5.5}, 3.5, 4);
  canopy.cut(Shape(c).rect(t, -5, -4.5, 10, 6));
  craft::Paint(c, canopy, kGlass, DomeOf(2.5, 0.1));
  Shape bells(c);
  bells.circle(t, {-3, 1.5}, 3).circle(t, {3, 1.5}, 3);
  craft::Paint(c, bells, kGunmetal, DomeOf(1.5));
  Shape glow(c);
  glow.circle(t, {-3, 1.5}, 2.2).circle(t, {3, 1.5}, 2.2);
  craft::Paint(c, glow, kFlame, GlowOf(2, 1));
  craft::Lamp(c, t, {12.5, 2.5}, Rgb(120, 230, 255), 1);
  craft::Lamp(c, t, {-12.5, 2.5}, Rgb(120, 230, 255), 1);
  craft::Outline(c);
}

}  // namespace

// Frames: level, banking right, banking left, seen from behind.
ART_SHEET(PL) {
  Canvas cell(32, 32);
  Zoze(cell, 0, 0);
  craft::PasteCell(c, cell, 0, 0);
  cell = Canvas(32, 32);
  Zoze(cell, 38, -0.4);
  craft::PasteCell(c, cell, 1, 0);
  cell = Canvas(32, 32);
  Zoze(cell, -38, 0.4);
  craft::PasteCell(c, cell, 2, 0);
  cell = Canvas(32, 32);
  ZozeRear(cell);
  craft::PasteCell(c, cell, 3, 0);
}

}  // namespace qel::art
