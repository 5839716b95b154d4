// The boss at the warp exit (stage 5): a wide plum hull (EN37) whose armoured flanks are
// proof against fire and whose middle third is an open magenta reactor; two long cannons
// (EN36) clamp over its flanks, and six gun pods (EN35) hang round it.
#include "art/boss_kit.h"
#include "art/registry.h"

namespace qel::art {
namespace {

using namespace kit;

void WarpBossHull(Canvas &c) {
  const double ax = 48;
  Mask hull(c.w, c.h);
  hull.poly({22, 6, 48, 6, 48, 60, 18, 60, 6, 50, 2, 40, 2, 22});
  hull.mirror(ax);
  Fill(c, hull, kPlum, {Light::Vertical, 2.4, 1.6, 1.0});
  Mask wing(c.w, c.h);  // the armoured flanks, outside the vulnerable middle
  wing.poly({4, 24, 30, 12, 32, 12, 32, 56, 18, 56, 6, 46});
  wing.mirror(ax);
  Fill(c, wing, kSteel, {Light::Vertical, 2.4, 1.4, 1.0});
  Nozzle(c, 34, 2, 6, 3, kDark, kMagentaGlow, 0);
  Nozzle(c, 62, 2, 6, 3, kDark, kMagentaGlow, 0);
  for (int s : {0, 1}) {
    auto X = [&](int x) { return s ? 95 - x : x; };
    for (int k = 0; k < 4; ++k) Groove(c, X(8 + 5 * k), 24 - 2 * k, X(8 + 5 * k), 46, 0.55);
    Rivet(c, X(26), 50);
    Rivet(c, X(14), 48);
    Lamp(c, X(6), 34, kAmberGlow);
    Lamp(c, X(28), 18, kRedGlow);
  }
  // The reactor: an open ring of brass with the magenta core inside, spanning the middle third.
  Mask housing(c.w, c.h);
  housing.ellipse(ax, 30, 17, 17);
  Fill(c, housing, kDark, {Light::Sphere, 2.2, 1.8, 0.8});
  Mask ring(c.w, c.h);
  ring.ellipse(ax, 30, 14.5, 14.5).ellipse(ax, 30, 11, 11, false);
  Fill(c, ring, kBrass, {Light::Sphere, 2.8, 2.2, 0.5, false, false});
  for (int k = 0; k < 8; ++k) {
    static const int off[8][2] = {{0, -13}, {9, -9}, {13, 0}, {9, 9}, {0, 13}, {-9, 9}, {-13, 0}, {-9, -9}};
    c.set(48 + off[k][0], 30 + off[k][1], kMagentaGlow[4]);
  }
  Glow(c, ax, 30, 9.5, kMagentaGlow);
  // The fan of guns under the reactor.
  Mask guns(c.w, c.h);
  guns.rect(37, 48, 5, 14).rect(46, 50, 4, 13).rect(54, 48, 5, 14);
  Fill(c, guns, kSteel, {Light::CylinderV, 2.8, 2.0, 0.7});
  for (int x : {38, 47, 55}) c.fillRect(x + 1, x == 47 ? 61 : 59, 2, 2, kMagentaGlow[4]);
}

// A side cannon, 32 x 96: an engine cap, a clamp collar where it grips the hull's flank and a
// long barrel with a magenta emitter at the bottom.
void SideCannon(Canvas &c) {
  const double ax = 16;
  Mask collar(c.w, c.h);
  collar.poly({1, 22, 16, 20, 16, 50, 1, 48}).mirror(ax);
  Fill(c, collar, kSteel, {Light::Vertical, 2.6, 1.4, 1.0});
  Mask body(c.w, c.h);
  body.poly({10, 3, 6, 10, 6, 66, 11, 74, 16, 74, 16, 3}).mirror(ax);
  Fill(c, body, kPlum, {Light::CylinderV, 2.6, 1.8, 1.0});
  Mask barrel(c.w, c.h);
  barrel.rect(12, 66, 8, 22);
  Fill(c, barrel, kSteel, {Light::CylinderV, 2.7, 2.0, 0.8});
  Mask rings(c.w, c.h);
  for (int y : {70, 76}) rings.rect(10, y, 12, 3);
  rings.poly({9, 84, 23, 84, 22, 94, 10, 94});
  Fill(c, rings, kDark, {Light::CylinderV, 2.8, 2.0, 0.7});
  c.fillRect(12, 90, 8, 4, kMagentaGlow[2]);
  c.fillRect(14, 91, 4, 3, kMagentaGlow[4]);
  c.set(15, 92, kMagentaGlow[5]);
  Nozzle(c, ax, 1, 6, 3, kDark, kMagentaGlow, 0);
  Slit(c, 14, 30, 4, 14, kMagentaGlow);
  for (int s : {0, 1}) {
    int x = s ? 29 : 3;
    for (int y : {26, 34, 42}) Rivet(c, x, y);
    Groove(c, s ? 23 : 8, 12, s ? 23 : 8, 62);
    Lamp(c, s ? 22 : 9, 56, kAmberGlow);
  }
  Vents(c, 9, 14, 3, 0, 3, 14, true);
}

// A gun pod, 32 x 32: a diamond with a zig-zag laser emitter; the frames pulse the emitter.
void WarpGunPod(Canvas &c, int f) {
  Mask arms(c.w, c.h);
  arms.poly({2, 13, 16, 9, 16, 19, 4, 19}).mirror(16);
  Fill(c, arms, kSteel, {Light::Vertical, 2.6, 1.4, 1.0});
  Mask body(c.w, c.h);
  body.poly({16, 2, 26, 14, 16, 29, 6, 14});
  Fill(c, body, kPlum, {Light::Vertical, 2.8, 1.8, 1.0});
  Mask emitter(c.w, c.h);
  emitter.ellipse(16, 15, 5, 5);
  Fill(c, emitter, kDark, {Light::Sphere, 2.2, 1.6, 0.8});
  Glow(c, 16, 15, f ? 3.4 : 2.4, kMagentaGlow);
  c.fillRect(15, 24, 2, 4, f ? kMagentaGlow[4] : kMagentaGlow[2]);
  Lamp(c, 3, 14, f ? kAmberGlow : kRedGlow);
  Lamp(c, 27, 14, f ? kRedGlow : kAmberGlow);
}

}  // namespace

ART_SHEET(EN35) { PlaceFrames(c, 32, 32, 2, WarpGunPod); }

ART_SHEET(EN36) {
  Canvas f(32, 96);
  SideCannon(f);
  Place(c, f, 0, 0);
  Place(c, Wreck(f, 36), 1, 0);
}

ART_SHEET(EN37) {
  WarpBossHull(c);
  c.outline(kInk);
}

}  // namespace qel::art
