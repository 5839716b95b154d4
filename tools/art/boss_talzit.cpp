// "Talzit", the stage-4 boss: a tall steel body (EN34) with a ring emitter at its foot, four
// heavy gun wings (EN33) over its flanks and a hangar tower at each end (EN32, left and right)
// that launches tanks from its bay. All pieces share one spar height so the 420-px ship holds
// together.
#include <cmath>

#include "art/boss_kit.h"
#include "art/registry.h"

namespace qel::art {
namespace {

using namespace kit;

// The body, 40 x 120.
void TalzitBody(Canvas &c) {
  const double ax = 20;
  Mask hull(c.w, c.h);
  hull.poly({12, 2, 4, 10, 3, 96, 8, 108, 16, 116, 20, 116, 20, 2}).mirror(ax);
  Fill(c, hull, kSteel, {Light::CylinderV, 2.4, 1.8, 1.0});
  Mask plates(c.w, c.h);
  for (int y : {22, 46, 70}) plates.poly({3, static_cast<double>(y), 12, y - 4.0, 12, y + 18.0, 3, y + 20.0});
  plates.mirror(ax);
  Fill(c, plates, kRust, {Light::Vertical, 2.6, 1.2, 1.0});
  Mask engines(c.w, c.h);
  engines.rect(7, 3, 11, 16).mirror(ax);
  Fill(c, engines, kDark, {Light::CylinderV, 2.6, 1.8, 0.9});
  Nozzle(c, 12.5, 1, 5, 3, kSteel, kAmberGlow, 0);
  Nozzle(c, 27.5, 1, 5, 3, kSteel, kAmberGlow, 0);
  for (int y = 12; y < 18; y += 2) Groove(c, 8, y, 31, y, 0.6);
  Mask spine(c.w, c.h);
  spine.poly({15, 20, 14, 90, 20, 98, 20, 20}).mirror(ax);
  Fill(c, spine, kSteel, {Light::CylinderV, 3.0, 1.8, 1.0});
  Mask socket(c.w, c.h);
  socket.ellipse(ax, 56, 6, 11);
  Fill(c, socket, kDark, {Light::Sphere, 1.6, 1.2, -0.8, false, false});
  Glow(c, ax, 56, 4, kRedGlow);
  for (int y : {30, 38, 76, 84}) Lamp(c, 19, y, kAmberGlow);
  // The ring emitter at the foot: a brass collar set with a circle of red emitters.
  Mask ring(c.w, c.h);
  ring.ellipse(ax, 104, 11, 9);
  Fill(c, ring, kBrass, {Light::Sphere, 2.8, 2.0, 0.8});
  c.fillEllipse(ax + 0.3, 104.3, 7.5, 6, Rgb(14, 10, 14));
  for (int k = 0; k < 8; ++k) {
    double a = k * 0.785398;
    Lamp(c, static_cast<int>(19.6 + 5.2 * std::cos(a)), static_cast<int>(103.6 + 3.8 * std::sin(a)),
         kRedGlow);
  }
  c.fillRect(19, 103, 2, 2, kRedGlow[2]);
  for (int s : {0, 1}) {
    int x = s ? 36 : 3;
    for (int y : {28, 52, 76}) Rivet(c, x, y);
  }
}

// A gun wing, 60 x 90: a spar across the top and a twin-barrelled turret below.
void GunWing(Canvas &c) {
  const double ax = 30;
  Mask spar(c.w, c.h);
  spar.poly({1, 6, 8, 2, 30, 2, 30, 28, 1, 26}).mirror(ax);
  Fill(c, spar, kSteel, {Light::Vertical, 2.6, 1.6, 1.0});
  Mask armour(c.w, c.h);
  armour.poly({4, 8, 16, 6, 16, 22, 4, 22}).mirror(ax);
  Fill(c, armour, kRust, {Light::Vertical, 2.6, 1.2, 1.0});
  Mask body(c.w, c.h);
  body.poly({14, 14, 30, 12, 30, 72, 18, 72, 11, 60, 11, 20}).mirror(ax);
  Fill(c, body, kSteel, {Light::CylinderV, 2.5, 1.8, 1.0});
  Mask barrels(c.w, c.h);
  barrels.rect(20, 60, 7, 26).rect(33, 60, 7, 26);
  Fill(c, barrels, kDark, {Light::CylinderV, 2.8, 2.0, 0.8});
  Mask mantle(c.w, c.h);
  mantle.poly({18, 56, 42, 56, 40, 66, 20, 66});
  Fill(c, mantle, kRust, {Light::Vertical, 2.6, 1.4, 1.0});
  for (int x : {21, 34}) {
    Groove(c, x, 74, x + 5, 74);
    Groove(c, x, 80, x + 5, 80);
    c.fillRect(x + 2, 84, 3, 2, kRedGlow[3]);
  }
  Mask hatch(c.w, c.h);
  hatch.poly({22, 26, 38, 26, 40, 46, 20, 46});
  Fill(c, hatch, kDark, {Light::Vertical, 2.4, 1.2, 0.8});
  for (int y : {30, 35, 40}) Slit(c, 25, y, 10, 2, kRedGlow);
  for (int s : {0, 1}) {
    auto X = [&](int x) { return s ? 59 - x : x; };
    Groove(c, X(4), 14, X(15), 14);
    Rivet(c, X(8), 10);
    Rivet(c, X(8), 18);
    Lamp(c, X(22), 6, kAmberGlow);
    Vents(c, s ? 40 : 14, 26, 4, 0, 3, 6, true);
    Lamp(c, X(18), 46, kRedGlow);
  }
}

// The launch bay where the tanks come out: a framed dark opening with guide lights and a
// tank waiting on the ramp.
void HangarBay(Canvas &c, const Side &s) {
  Mask frame(c.w, c.h);
  frame.poly({14, 70, 66, 70, 66, 122, 14, 122});
  Fill(c, s(frame), kBrass, {Light::Vertical, 2.6, 1.2, 1.0});
  Mask bay(c.w, c.h);
  bay.rect(19, 75, 43, 43);
  Fill(c, s(bay), kDark, {Light::Vertical, 0.9, 0.8, -0.6, false, false});
  for (int y = 80; y < 116; y += 6) Ridge(c, s.px(20), y, s.px(60), y);
  Mask tank(c.w, c.h);
  tank.rect(31, 92, 19, 20);
  Fill(c, s(tank), kEarth, {Light::Vertical, 2.4, 1.4, 0.9});
  Mask tracks(c.w, c.h);
  tracks.rect(29, 90, 4, 24).rect(48, 90, 4, 24);
  Fill(c, s(tracks), kDark, {Light::Flat, 2.2, 0, 0.8});
  Mask turret(c.w, c.h);
  turret.ellipse(40.5, 102, 5, 5);
  Fill(c, s(turret), kEarth, {Light::Sphere, 3.0, 1.6, 0.8});
  c.fillRect(s.right ? 39 : 39, 106, 2, 8, kDark[3]);
  for (int y = 78; y < 118; y += 8) {
    Lamp(c, s.px(16), y, kAmberGlow);
    Lamp(c, s.px(63), y, kAmberGlow);
  }
  for (int x = 18; x < 62; x += 8) Groove(c, s.px(x), 120, s.px(x + 4), 120, 0.5);
}

// A hangar tower, 80 x 150, drawn for the left end (its spar on the inner, right side).
void HangarTower(Canvas &c, bool right) {
  Side s{right, c.w};
  Mask spar(c.w, c.h);
  spar.poly({40, 42, 79, 40, 79, 66, 40, 68});
  Fill(c, s(spar), kSteel, {Light::Vertical, 2.6, 1.6, 1.0});
  Mask fin(c.w, c.h);
  fin.poly({2, 40, 12, 24, 12, 128, 2, 140});
  Fill(c, s(fin), kRust, {Light::Vertical, 2.6, 1.4, 1.0});
  Mask tower(c.w, c.h);
  tower.poly({16, 6, 60, 6, 68, 16, 70, 124, 60, 140, 46, 148, 34, 148, 20, 140, 10, 124, 10, 16});
  Fill(c, s(tower), kSteel, {Light::CylinderV, 2.5, 1.8, 1.0});
  Mask engine(c.w, c.h);
  engine.poly({18, 3, 58, 3, 62, 10, 62, 34, 14, 34, 14, 10});
  Fill(c, s(engine), kDark, {Light::CylinderV, 2.6, 1.8, 0.9});
  Nozzle(c, s.cx(28), 2, 7, 3.5, kSteel, kAmberGlow, 0);
  Nozzle(c, s.cx(48), 2, 7, 3.5, kSteel, kAmberGlow, 0);
  for (int y = 16; y < 32; y += 3) Groove(c, s.px(16), y, s.px(60), y, 0.55);
  Mask armour(c.w, c.h);
  armour.poly({12, 38, 68, 38, 68, 66, 12, 66});
  Fill(c, s(armour), kRust, {Light::Vertical, 2.6, 1.2, 1.0});
  Groove(c, s.px(40), 40, s.px(40), 64);
  for (int x : {16, 30, 50, 64}) Rivet(c, s.px(x), 42);
  Glow(c, s.cx(26), 52, 4, kRedGlow);
  Glow(c, s.cx(54), 52, 4, kRedGlow);
  HangarBay(c, s);
}

}  // namespace

ART_SHEET(EN32) {
  for (int side = 0; side < 2; ++side) {
    Canvas f(80, 150);
    HangarTower(f, side == 1);
    Place(c, f, side, 0);
  }
}

ART_SHEET(EN33) {
  Canvas f(60, 90);
  GunWing(f);
  Place(c, f, 0, 0);
  Place(c, f, 1, 0);  // never shown: the same wing
  Place(c, Wreck(f, 33), 2, 0);
}

ART_SHEET(EN34) {
  TalzitBody(c);
  c.outline(kInk);
}

}  // namespace qel::art
