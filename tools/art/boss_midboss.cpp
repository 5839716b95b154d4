// The timed mid-bosses of the warp and the first stage's boss, one 60 x 60 frame each (EN21):
// 0 the swayer (beams), 1 the bobber (wide bullets), 2 the teleporter (four diagonal balls),
// 3 the circler (fused bullets), 4 the first stage's boss. Also the spare drone EN0.
#include <cmath>

#include "art/boss_kit.h"
#include "art/registry.h"

namespace qel::art {
namespace {

using namespace kit;

constexpr double kAx = 30;

// A manta of olive armour with a beam emitter under its belly.
void Swayer(Canvas &c) {
  Mask wings(c.w, c.h);
  wings.poly({30, 12, 14, 18, 3, 30, 2, 40, 10, 38, 20, 44, 30, 44}).mirror(kAx);
  Fill(c, wings, kOlive, {Light::Vertical, 2.6, 1.6, 1.0});
  Mask tips(c.w, c.h);
  tips.poly({2, 30, 8, 26, 9, 44, 3, 48}).mirror(kAx);
  Fill(c, tips, kDark, {Light::Vertical, 2.6, 1.4, 0.9});
  Mask body(c.w, c.h);
  body.poly({24, 4, 30, 4, 30, 54, 25, 50, 20, 36, 20, 12}).mirror(kAx);
  Fill(c, body, kOlive, {Light::CylinderV, 2.8, 1.8, 1.0});
  Nozzle(c, 25, 3, 3.5, 2, kDark, kAmberGlow, 0);
  Nozzle(c, 35, 3, 3.5, 2, kDark, kAmberGlow, 0);
  Mask emitter(c.w, c.h);
  emitter.poly({25, 40, 35, 40, 34, 57, 26, 57});
  Fill(c, emitter, kSteel, {Light::CylinderV, 2.6, 2.0, 0.8});
  for (int y : {44, 48}) Groove(c, 26, y, 33, y);
  c.fillRect(27, 52, 6, 4, kAmberGlow[2]);
  c.fillRect(28, 53, 4, 3, kAmberGlow[4]);
  Glow(c, kAx, 24, 5, kRedGlow);
  for (int s : {0, 1}) {
    auto X = [&](int x) { return s ? 59 - x : x; };
    Groove(c, X(10), 25, X(20), 20);
    Groove(c, X(12), 34, X(20), 32);
    Lamp(c, X(5), 34, kAmberGlow);
    Rivet(c, X(16), 28);
  }
}

// A heavy rust saucer with a ring of armour and three guns under its rim.
void Bobber(Canvas &c) {
  Mask guns(c.w, c.h);
  guns.rect(19, 40, 5, 17).rect(28, 44, 4, 15).rect(36, 40, 5, 17);
  Fill(c, guns, kDark, {Light::CylinderV, 2.8, 2.0, 0.7});
  Mask rim(c.w, c.h);
  rim.ellipse(kAx, 28, 27, 22);
  Fill(c, rim, kRust, {Light::Sphere, 2.6, 1.8, 1.0});
  Mask deck(c.w, c.h);
  deck.ellipse(kAx, 26, 19, 15);
  Fill(c, deck, kPurple, {Light::Sphere, 2.8, 1.6, 0.8});
  for (int k = 0; k < 10; ++k) {
    double a = k * 0.6283185;
    int x = static_cast<int>(29.5 + 23 * std::cos(a)), y = static_cast<int>(27.5 + 18.5 * std::sin(a));
    if (k % 2) Rivet(c, x, y);
    else Lamp(c, x, y, kAmberGlow);
  }
  Mask dome(c.w, c.h);
  dome.ellipse(kAx, 24, 9, 8);
  Fill(c, dome, kDark, {Light::Sphere, 2.2, 1.6, 0.8});
  Glow(c, kAx, 24, 5.5, kRedGlow);
  for (int x : {20, 29, 37}) c.fillRect(x + 1, x == 29 ? 56 : 54, 2, 2, kRedGlow[4]);
  Groove(c, 12, 38, 47, 38);
}

// A plum crystal star with four glowing emitters on its diagonals.
void Teleporter(Canvas &c) {
  Mask arms(c.w, c.h);
  arms.line(12, 12, 48, 48, 7).line(48, 12, 12, 48, 7);
  Fill(c, arms, kSteel, {Light::Vertical, 2.6, 1.6, 1.0});
  Mask body(c.w, c.h);
  body.poly({30, 6, 44, 30, 30, 54, 16, 30});
  Fill(c, body, kPlum, {Light::Vertical, 2.8, 1.8, 1.0});
  Mask crystal(c.w, c.h);
  crystal.poly({30, 16, 37, 30, 30, 44, 23, 30});
  Fill(c, crystal, kMagentaGlow, {Light::Vertical, 3.2, 2.4, 0.6});
  c.fillRect(28, 22, 2, 6, kMagentaGlow[5]);
  for (int k = 0; k < 4; ++k) {
    double x = k % 2 ? 49 : 11, y = k / 2 ? 49 : 11;
    Mask pod(c.w, c.h);
    pod.ellipse(x, y, 6, 6);
    Fill(c, pod, kDark, {Light::Sphere, 2.4, 1.6, 0.8});
    Glow(c, x, y, 3, kMagentaGlow);
  }
  Groove(c, 22, 14, 26, 10);
  Groove(c, 34, 10, 38, 14);
  Lamp(c, 29, 9, kAmberGlow);
  Lamp(c, 29, 49, kAmberGlow);
}

// A steel ring with four engine pods and an amber core on cross struts.
void Circler(Canvas &c) {
  Mask ring(c.w, c.h);
  ring.ellipse(kAx, kAx, 25, 25).ellipse(kAx, kAx, 17, 17, false);
  Fill(c, ring, kSteel, {Light::Sphere, 2.6, 1.8, 1.0});
  Mask struts(c.w, c.h);
  struts.rect(27, 8, 6, 44).rect(8, 27, 44, 6);
  Fill(c, struts, kDark, {Light::Vertical, 2.6, 1.2, 0.9});
  for (int k = 0; k < 4; ++k) {
    double a = 0.785398 + k * 1.570796;
    double x = kAx + 21 * std::cos(a), y = kAx + 21 * std::sin(a);
    Mask pod(c.w, c.h);
    pod.ellipse(x, y, 6.5, 6.5);
    Fill(c, pod, kRust, {Light::Sphere, 2.8, 1.8, 0.8});
    Glow(c, x, y, 2.5, kAmberGlow);
  }
  Mask hub(c.w, c.h);
  hub.ellipse(kAx, kAx, 10, 10);
  Fill(c, hub, kPurple, {Light::Sphere, 2.6, 1.8, 0.8});
  Glow(c, kAx, kAx, 6, kAmberGlow);
  for (int k = 0; k < 8; ++k) {
    double a = k * 0.785398 + 0.39;
    Rivet(c, static_cast<int>(29.5 + 21 * std::cos(a)), static_cast<int>(29.5 + 21 * std::sin(a)));
  }
}

// The first stage's boss: an arrowhead gunship with twin engines, wing guns and a red core.
void FirstBoss(Canvas &c) {
  Mask wings(c.w, c.h);
  wings.poly({30, 14, 16, 20, 3, 34, 3, 44, 10, 46, 18, 40, 30, 42}).mirror(kAx);
  Fill(c, wings, kPurple, {Light::Vertical, 2.5, 1.6, 1.0});
  Mask guns(c.w, c.h);
  guns.rect(7, 38, 4, 16).mirror(kAx);
  Fill(c, guns, kDark, {Light::CylinderV, 2.8, 2.0, 0.7});
  Mask nacelles(c.w, c.h);
  nacelles.poly({14, 4, 22, 4, 23, 28, 19, 34, 13, 28}).mirror(kAx);
  Fill(c, nacelles, kRust, {Light::CylinderV, 2.6, 1.8, 1.0});
  Mask body(c.w, c.h);
  body.poly({25, 8, 30, 8, 30, 57, 22, 42, 21, 20}).mirror(kAx);
  Fill(c, body, kPurple, {Light::CylinderV, 2.8, 1.8, 1.0});
  Nozzle(c, 18, 3, 4, 2.5, kDark, kAmberGlow, 0);
  Nozzle(c, 42, 3, 4, 2.5, kDark, kAmberGlow, 0);
  Mask socket(c.w, c.h);
  socket.ellipse(kAx, 30, 6.5, 8.5);
  Fill(c, socket, kDark, {Light::Sphere, 1.4, 1.2, -0.8, false, false});
  Glow(c, kAx, 30, 4.5, kRedGlow);
  Mask canopy(c.w, c.h);
  canopy.poly({27, 12, 33, 12, 32, 19, 28, 19});
  Canopy(c, canopy);
  c.fillRect(29, 50, 2, 5, kRedGlow[3]);
  for (int s : {0, 1}) {
    auto X = [&](int x) { return s ? 59 - x : x; };
    Groove(c, X(8), 33, X(18), 26);
    Lamp(c, X(5), 40, kRedGlow);
    c.fillRect(X(s ? 10 : 8), 52, 2, 2, kRedGlow[4]);
    for (int y = 10; y < 26; y += 4) Groove(c, X(15), y, X(21), y, 0.55);
  }
}

// A small spare drone: a purple pod with a red eye and two stub fins.
void Drone(Canvas &c) {
  Mask fins(c.w, c.h);
  fins.poly({3, 12, 12, 10, 12, 22, 5, 24}).mirror(16);
  Fill(c, fins, kRust, {Light::Vertical, 2.6, 1.4, 1.0});
  Mask body(c.w, c.h);
  body.ellipse(16, 15, 9, 11);
  Fill(c, body, kPurple, {Light::Sphere, 2.6, 1.8, 1.0});
  Glow(c, 16, 17, 3.5, kRedGlow);
  Nozzle(c, 16, 2, 3, 1.5, kDark, kAmberGlow, 0);
}

}  // namespace

ART_SHEET(EN21) {
  void (*const designs[5])(Canvas &) = {Swayer, Bobber, Teleporter, Circler, FirstBoss};
  for (int f = 0; f < 5; ++f) {
    Canvas frame(60, 60);
    designs[f](frame);
    Place(c, frame, f, 0);
  }
}

ART_SHEET(EN0) {
  Drone(c);
  c.outline(kInk);
}

}  // namespace qel::art
