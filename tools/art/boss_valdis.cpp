// "Valdis", the stage-2 boss: a tall rust spear of a hull (EN24) flanked on each side by a
// mortar nacelle (EN23, above) and a beam cannon (EN25, below), plus its box-bouncer escort (EN22).
// The side parts are used on both flanks, so they are symmetric with clamps on both sides.
#include "art/boss_kit.h"
#include "art/registry.h"

namespace qel::art {
namespace {

using namespace kit;

// The hull, 46 x 100, nose down; the flank parts clamp on at its edges.
void ValdisHull(Canvas &c) {
  const double ax = 23;  // axis
  Mask body(c.w, c.h);
  body.poly({12, 6, 4, 14, 1, 22, 1, 74, 6, 84, 14, 93, 23, 99, 23, 6});
  body.mirror(ax);
  Fill(c, body, kRust, {Light::CylinderV, 2.5, 1.6, 1.0});
  Mask inner(c.w, c.h);  // a recessed darker panel either side of the spine
  inner.poly({6, 24, 14, 20, 14, 78, 8, 72}).mirror(ax);
  Fill(c, inner, kRust, {Light::Vertical, 1.9, 0.8, -0.8, false, false});
  Mask flank(c.w, c.h);  // clamp plates where the side parts attach
  flank.rect(1, 2, 5, 10).rect(1, 24, 4, 11).rect(1, 52, 4, 13).mirror(ax);
  Fill(c, flank, kPurple, {Light::Vertical, 2.6, 1.0, 1.0});
  Mask engines(c.w, c.h);
  engines.rect(9, 2, 10, 16).mirror(ax);
  Fill(c, engines, kPurple, {Light::CylinderV, 2.4, 1.6, 1.0});
  Mask spine(c.w, c.h);
  spine.poly({16, 14, 15, 60, 18, 84, 23, 92, 23, 14});
  spine.mirror(ax);
  Fill(c, spine, kPurple, {Light::CylinderV, 2.7, 1.8, 1.0});
  Nozzle(c, 13.5, 1, 4, 2.5, kDark, kAmberGlow, 0);
  Nozzle(c, 32.5, 1, 4, 2.5, kDark, kAmberGlow, 0);
  for (int s : {0, 1}) {
    auto X = [&](double x) { return s ? 2 * ax - 1 - x : x; };
    Groove(c, X(2), 44, X(13), 44);
    Groove(c, X(5), 72, X(13), 72);
    for (int y : {28, 36, 48, 56, 64}) Rivet(c, static_cast<int>(X(11)), y);
    for (int y = 30; y < 70; y += 4) Groove(c, X(7), y, X(10), y, 0.5);
    Lamp(c, static_cast<int>(X(5)), 18, kAmberGlow);
    Lamp(c, static_cast<int>(X(4)), 78, kRedGlow);
    Groove(c, X(15), 8, X(15), 17);
  }
  // The core: a red eye in an armoured socket, where the hit box is thickest.
  Mask socket(c.w, c.h);
  socket.ellipse(ax, 47, 7, 10);
  Fill(c, socket, kDark, {Light::Sphere, 1.4, 1.2, -0.9, false, false});
  Glow(c, ax, 47, 5, kRedGlow);
  c.fillRect(22, 35, 2, 3, kRedGlow[2]);
  Mask canopy(c.w, c.h);
  canopy.poly({19, 19, 27, 19, 26, 31, 20, 31});
  Canopy(c, canopy);
  Mask barrel(c.w, c.h);
  barrel.rect(20, 72, 6, 22);
  Fill(c, barrel, kDark, {Light::CylinderV, 2.8, 2.0, 0.6});
  Groove(c, 20, 80, 25, 80);
  Groove(c, 20, 86, 25, 86);
  c.fillRect(21, 94, 4, 3, kRedGlow[1]);
  c.fillRect(22, 95, 2, 2, kRedGlow[4]);
}

// The mortar nacelle above each flank, 40 x 50: engine on top, launch tube in the middle.
// Frame 1 is the same nacelle with its tube charged white-hot just before a shot.
void MortarPod(Canvas &c, bool charged) {
  const double ax = 20;
  Mask clamp(c.w, c.h);
  clamp.rect(1, 39, 7, 10).mirror(ax);
  Fill(c, clamp, kPurple, {Light::Vertical, 2.4, 1.0, 1.0});
  Mask fin(c.w, c.h);
  fin.poly({2, 12, 8, 8, 8, 34, 2, 30}).mirror(ax);
  Fill(c, fin, kPurple, {Light::Vertical, 2.6, 1.2, 1.0});
  Mask pod(c.w, c.h);
  pod.poly({12, 4, 7, 10, 7, 44, 10, 48, 20, 48, 20, 4});
  pod.mirror(ax);
  Fill(c, pod, kRust, {Light::CylinderV, 2.6, 1.8, 1.0});
  Mask cap(c.w, c.h);
  cap.poly({12, 3, 8, 8, 8, 12, 20, 12, 20, 3}).mirror(ax);
  Fill(c, cap, kPurple, {Light::CylinderV, 2.6, 1.6, 0.8});
  Mask band(c.w, c.h);
  band.rect(7, 38, 13, 6).mirror(ax);
  Fill(c, band, kPurple, {Light::CylinderV, 2.5, 1.6, 0.8});
  Nozzle(c, ax, 1, 6, 3, kDark, kAmberGlow, 0);
  Mask tube(c.w, c.h);
  tube.ellipse(ax, 25, 8.5, 8.5);
  Fill(c, tube, kSteel, {Light::Sphere, 2.6, 2.0, 0.8});
  c.fillCircle(ax + 0.4, 25.4, 6, Rgb(14, 10, 14));
  const Ramp &g = charged ? kAmberGlow : kRedGlow;
  Glow(c, ax + 0.5, 25.5, charged ? 4.6 : 2.6, g);
  if (charged) {
    for (int s : {0, 1}) Lamp(c, s ? 33 : 5, 20, kRedGlow, true);
    c.fillRect(18, 14, 4, 2, kAmberGlow[4]);
  }
  for (int s : {0, 1}) {
    int x = s ? 29 : 10;
    Groove(c, x, 14, x, 36);
    Rivet(c, s ? 35 : 3, 42);
    Rivet(c, s ? 35 : 3, 45);
  }
  Vents(c, 13, 40, 2, 0, 2, 15, true);
}

// The beam cannon below each mortar, 40 x 70: armoured drum with a long barrel pointing down.
void BeamCannon(Canvas &c) {
  const double ax = 20;
  Mask clamp(c.w, c.h);
  clamp.rect(1, 14, 7, 11).rect(1, 42, 7, 13).mirror(ax);
  Fill(c, clamp, kPurple, {Light::Vertical, 2.4, 1.0, 1.0});
  Mask drum(c.w, c.h);
  drum.poly({10, 1, 6, 6, 6, 40, 12, 50, 20, 50, 20, 1});
  drum.mirror(ax);
  Fill(c, drum, kRust, {Light::CylinderV, 2.6, 1.8, 1.0});
  Mask collar(c.w, c.h);
  collar.poly({8, 30, 20, 30, 20, 46, 13, 46}).mirror(ax);
  Fill(c, collar, kPurple, {Light::CylinderV, 2.5, 1.6, 0.9});
  Mask barrel(c.w, c.h);
  barrel.rect(15, 44, 10, 18);
  Fill(c, barrel, kSteel, {Light::CylinderV, 2.6, 2.0, 0.8});
  Mask fins(c.w, c.h);
  for (int y : {47, 52, 57}) fins.rect(13, y, 14, 2);
  Fill(c, fins, kDark, {Light::CylinderV, 2.8, 1.8, 0.6});
  Mask muzzle(c.w, c.h);
  muzzle.poly({14, 60, 26, 60, 27, 67, 13, 67});
  Fill(c, muzzle, kDark, {Light::CylinderV, 2.8, 2.0, 0.8});
  c.fillRect(16, 64, 8, 3, kRedGlow[2]);
  c.fillRect(18, 65, 4, 2, kRedGlow[4]);
  Groove(c, 6, 9, 33, 9);
  for (int s : {0, 1}) {
    Groove(c, s ? 29 : 10, 9, s ? 29 : 10, 30);
    Lamp(c, s ? 30 : 8, 26, kAmberGlow);
    Rivet(c, s ? 35 : 3, 17);
    Rivet(c, s ? 35 : 3, 21);
    Rivet(c, s ? 35 : 3, 46);
    Rivet(c, s ? 35 : 3, 51);
  }
  Mask hood(c.w, c.h);
  hood.ellipse(ax, 19, 6, 7);
  Fill(c, hood, kDark, {Light::Sphere, 1.6, 1.2, -0.8, false, false});
  Glow(c, ax, 19, 3.5, kRedGlow);
  Vents(c, 15, 34, 3, 0, 3, 10, true);
}

// The escort, 32 x 32: an armoured box with a twin gun, bouncing round the top of the screen.
void BoxBouncer(Canvas &c) {
  const double ax = 16;
  Mask wing(c.w, c.h);
  wing.poly({3, 10, 8, 6, 8, 24, 3, 22}).mirror(ax);
  Fill(c, wing, kPurple, {Light::Vertical, 2.6, 1.2, 1.0});
  Mask box(c.w, c.h);
  box.poly({10, 3, 7, 6, 7, 24, 11, 28, 16, 28, 16, 3});
  box.mirror(ax);
  Fill(c, box, kRust, {Light::CylinderV, 2.6, 1.8, 1.0});
  Mask guns(c.w, c.h);
  guns.rect(11, 24, 3, 6).rect(18, 24, 3, 6);
  Fill(c, guns, kDark, {Light::CylinderV, 3.0, 2.0, 0.6});
  Mask dome(c.w, c.h);
  dome.ellipse(ax, 14, 5, 6);
  Fill(c, dome, kDark, {Light::Sphere, 2.0, 1.4, 0.6});
  Glow(c, ax, 14, 3, kRedGlow);
  Groove(c, 8, 22, 23, 22);
  Lamp(c, 4, 12, kAmberGlow);
  Lamp(c, 26, 12, kAmberGlow);
}

}  // namespace

ART_SHEET(EN22) {
  BoxBouncer(c);
  c.outline(kInk);
}

ART_SHEET(EN23) {
  Canvas f(40, 50);
  MortarPod(f, false);
  Place(c, f, 0, 0);
  Canvas warn(40, 50);
  MortarPod(warn, true);
  Place(c, warn, 1, 0);
  Place(c, Wreck(f, 23), 2, 0);
}

ART_SHEET(EN24) {
  ValdisHull(c);
  c.outline(kInk);
}

ART_SHEET(EN25) {
  Canvas f(40, 70);
  BeamCannon(f);
  Place(c, f, 0, 0);
  Place(c, Wreck(f, 25), 1, 0);
}

}  // namespace qel::art
