// "Teraza", the stage-1 boss: a square purple fortress craft (EN28) with engines at its rear
// corners, gun turrets at its front corners and a red core under a dome. Its escorts are the
// shuttles that settle at the top of the screen (EN26) and the rail crawlers that run round the
// edge of the field (EN27).
#include "art/boss_kit.h"
#include "art/registry.h"

namespace qel::art {
namespace {

using namespace kit;

void TerazaCorners(Canvas &c) {
  Mask rear(c.w, c.h);  // engine nacelles at the rear (top) corners
  rear.poly({6, 6, 10, 2, 24, 2, 28, 6, 28, 26, 22, 32, 10, 32, 6, 28}).mirror(48);
  Fill(c, rear, kPurple, {Light::CylinderV, 2.6, 1.8, 1.0});
  Mask mounts(c.w, c.h);  // gun turret mounts at the front corners
  mounts.poly({6, 66, 22, 64, 28, 70, 28, 84, 22, 90, 10, 90, 6, 86}).mirror(48);
  Fill(c, mounts, kPurple, {Light::CylinderV, 2.4, 1.8, 1.0});
  for (int s : {0, 1}) {
    double x = s ? 79 : 17;
    int ix = static_cast<int>(x);
    Nozzle(c, x, 3, 7, 3.5, kDark, kAmberGlow, 0);
    Vents(c, ix - 7, 15, 4, 0, 3, 14, true);
    Lamp(c, s ? 87 : 8, 22, kRedGlow);
    Mask turret(c.w, c.h);
    turret.ellipse(x, 76, 8, 8);
    Fill(c, turret, kSteel, {Light::Sphere, 2.6, 1.8, 0.8});
    Mask gun(c.w, c.h);
    gun.rect(ix - 2, 80, 4, 14);
    Fill(c, gun, kDark, {Light::CylinderV, 3.0, 2.0, 0.6});
    Groove(c, ix - 2, 87, ix + 1, 87);
    c.fillRect(ix - 1, 92, 2, 2, kRedGlow[4]);
    Glow(c, x - 3, 73, 1.2, kAmberGlow);
  }
}

void TerazaHull(Canvas &c) {
  Mask hull(c.w, c.h);
  hull.poly({22, 6, 48, 6, 48, 90, 30, 90, 14, 80, 4, 62, 4, 34, 12, 22});
  hull.mirror(48);
  Fill(c, hull, kPurple, {Light::Vertical, 2.3, 1.6, 1.0});
  Mask side(c.w, c.h);  // amber-striped side armour
  side.poly({3, 36, 14, 32, 14, 64, 3, 60}).mirror(48);
  Fill(c, side, kBrass, {Light::Vertical, 2.5, 1.4, 1.0});
  Mask plate(c.w, c.h);  // the raised octagon round the core
  plate.poly({38, 16, 48, 16, 48, 80, 38, 80, 22, 66, 22, 30}).mirror(48);
  Fill(c, plate, kPurple, {Light::Vertical, 3.0, 1.4, 1.0});
  Mask spar(c.w, c.h);  // the darker keel under the plate
  spar.rect(30, 70, 36, 12);
  Fill(c, spar, kDark, {Light::Vertical, 2.6, 1.2, 0.8});
  for (int s : {0, 1}) {
    auto X = [&](int x) { return s ? 95 - x : x; };
    for (int y = 38; y < 60; y += 4) Groove(c, X(5), y, X(12), y, 0.5);
    Groove(c, X(16), 30, X(16), 66);
    Groove(c, X(28), 10, X(36), 10);
    Rivet(c, X(26), 34);
    Rivet(c, X(26), 62);
    Rivet(c, X(19), 40);
    Rivet(c, X(19), 56);
    Lamp(c, X(32), 74, kAmberGlow);
  }
  Groove(c, 30, 48, 33, 48);
  Groove(c, 62, 48, 65, 48);
}

void TerazaCore(Canvas &c) {
  Mask socket(c.w, c.h);
  socket.ellipse(48, 47, 17, 17);
  Fill(c, socket, kDark, {Light::Sphere, 2.0, 1.6, 0.9});
  Mask ring(c.w, c.h);
  ring.ellipse(48, 47, 14, 14).ellipse(48, 47, 10.5, 10.5, false);
  Fill(c, ring, kSteel, {Light::Sphere, 2.6, 2.0, 0.5, false, false});
  for (int k = 0; k < 8; ++k) {
    static const int off[8][2] = {{0, -12}, {9, -9}, {12, 0}, {9, 9}, {0, 12}, {-9, 9}, {-12, 0}, {-9, -9}};
    Rivet(c, 48 + off[k][0], 47 + off[k][1]);
  }
  Glow(c, 48, 47, 9, kRedGlow);
  // The bullet ports under the core.
  Mask chin(c.w, c.h);
  chin.poly({39, 74, 57, 74, 55, 92, 41, 92});
  Fill(c, chin, kSteel, {Light::CylinderV, 2.6, 1.8, 0.8});
  for (int x : {42, 47, 52}) Hole(c, x, 82, 2, 7);
  c.fillRect(47, 87, 2, 2, kRedGlow[4]);
  Mask bridge(c.w, c.h);
  bridge.poly({40, 12, 56, 12, 54, 26, 42, 26});
  Canopy(c, bridge);
}

// The rail crawler: a four-wheeled bogie with a turret, seen from above (it runs in all four
// directions round the field). The frames turn its wheels and blink its lamp.
void RailCrawler(Canvas &c, int f) {
  Mask wheels(c.w, c.h);
  for (int x : {3, 22})
    for (int y : {3, 22}) wheels.rect(x, y, 7, 7);
  Fill(c, wheels, kDark, {Light::Flat, 2.4, 0, 1.0});
  for (int x : {3, 22})
    for (int y : {3, 22})
      for (int k = f; k < 7; k += 2) c.fillRect(x + 1, y + k, 5, 1, kDark[1]);
  Mask body(c.w, c.h);
  body.poly({8, 6, 24, 6, 26, 8, 26, 24, 24, 26, 8, 26, 6, 24, 6, 8});
  Fill(c, body, kEarth, {Light::Vertical, 2.8, 1.2, 1.0});
  Groove(c, 8, 11, 23, 11);
  Groove(c, 8, 21, 23, 21);
  Mask turret(c.w, c.h);
  turret.ellipse(16, 16, 6, 6);
  Fill(c, turret, kRust, {Light::Sphere, 2.8, 1.8, 0.8});
  Glow(c, 16, 16, 2, f ? kAmberGlow : kRedGlow);
  Lamp(c, 8, 8, kRedGlow);
  if (f) Lamp(c, 23, 23, kAmberGlow);
}

// The shuttle: a swept delta with twin engines; the frames flicker its exhaust and lamps.
void Shuttle(Canvas &c, int f) {
  Mask wing(c.w, c.h);
  wing.poly({1, 20, 10, 9, 16, 7, 16, 24, 8, 26, 2, 25}).mirror(16);
  Fill(c, wing, kPurple, {Light::Vertical, 2.6, 1.6, 1.0});
  Mask pods(c.w, c.h);
  pods.rect(7, 4, 5, 14).mirror(16);
  Fill(c, pods, kBrass, {Light::CylinderV, 2.6, 1.8, 0.9});
  Mask body(c.w, c.h);
  body.poly({13, 3, 16, 3, 16, 30, 12, 25, 11, 10}).mirror(16);
  Fill(c, body, kPurple, {Light::CylinderV, 2.9, 1.8, 1.0});
  for (int x : {9, 22}) {
    c.fillRect(x - 1, 4, 3, 2, f ? kAmberGlow[4] : kAmberGlow[2]);
    if (f) c.set(x, 4, kAmberGlow[5]);
  }
  Mask canopy(c.w, c.h);
  canopy.poly({14, 11, 18, 11, 18, 19, 16, 22, 14, 19});
  Canopy(c, canopy);
  for (int s : {0, 1}) {
    Lamp(c, s ? 28 : 3, 22, f ? kAmberGlow : kRedGlow);
    Groove(c, s ? 21 : 10, 19, s ? 26 : 5, 23);
  }
  c.fillRect(15, 26, 2, 3, kRedGlow[f ? 4 : 2]);
}

}  // namespace

ART_SHEET(EN26) { PlaceFrames(c, 32, 32, 2, Shuttle); }

ART_SHEET(EN27) { PlaceFrames(c, 32, 32, 2, RailCrawler); }

ART_SHEET(EN28) {
  TerazaHull(c);
  TerazaCorners(c);
  TerazaCore(c);
  c.outline(kInk);
}

}  // namespace qel::art
