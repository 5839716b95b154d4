// The first bosses of the final mission share one gunmetal body (EN40). One flies with two
// zig-zag laser units at its sides (EN38) and two wing pylons beyond them (EN39); the other with
// six of the pylons in a row, so a pylon's inner spar also sits well over its neighbour's fin.
#include "art/boss_kit.h"
#include "art/registry.h"

namespace qel::art {
namespace {

using namespace kit;

void FinalBody(Canvas &c) {
  const double ax = 25;
  Mask hull(c.w, c.h);
  hull.poly({14, 2, 4, 12, 2, 30, 2, 92, 10, 108, 20, 118, 25, 118, 25, 2}).mirror(ax);
  Fill(c, hull, kDark, {Light::CylinderV, 2.6, 1.8, 1.0});
  Mask armour(c.w, c.h);
  armour.poly({2, 30, 14, 24, 14, 86, 2, 92}).mirror(ax);
  Fill(c, armour, kPurple, {Light::Vertical, 2.7, 1.4, 1.0});
  Mask spine(c.w, c.h);
  spine.poly({18, 14, 16, 96, 25, 108, 25, 14}).mirror(ax);
  Fill(c, spine, kPurple, {Light::CylinderV, 2.5, 1.8, 1.0});
  Nozzle(c, 13, 2, 5, 3, kSteel, kRedGlow, 0);
  Nozzle(c, 37, 2, 5, 3, kSteel, kRedGlow, 0);
  Nozzle(c, ax, 8, 4, 2.5, kSteel, kRedGlow, 0);
  for (int s : {0, 1}) {
    auto X = [&](int x) { return s ? 49 - x : x; };
    for (int y = 34; y < 84; y += 8) Groove(c, X(3), y + 2, X(13), y, 0.55);
    Lamp(c, X(6), 22, kRedGlow);
    Lamp(c, X(7), 96, kAmberGlow);
    Rivet(c, X(11), 28);
    Rivet(c, X(11), 88);
  }
  Mask socket(c.w, c.h);
  socket.poly({25, 40, 32, 48, 32, 74, 25, 82, 18, 74, 18, 48});
  Fill(c, socket, kDark, {Light::Flat, 1.4, 0, -0.8, false, false});
  Mask core(c.w, c.h);
  core.poly({25, 43, 30, 50, 30, 72, 25, 79, 20, 72, 20, 50});
  Fill(c, core, kRedGlow, {Light::CylinderV, 3.2, 2.4, 0.6, false, false});
  c.fillRect(22, 52, 2, 10, kRedGlow[5]);
  Mask canopy(c.w, c.h);
  canopy.poly({21, 18, 29, 18, 28, 32, 22, 32});
  Canopy(c, canopy);
  Mask guns(c.w, c.h);
  guns.rect(18, 96, 4, 14).rect(23, 100, 4, 16).rect(28, 96, 4, 14);
  Fill(c, guns, kSteel, {Light::CylinderV, 2.8, 2.0, 0.7});
  c.fillRect(24, 113, 2, 2, kRedGlow[4]);
}

// The zig-zag laser unit, 48 x 100: clamps on both sides, a coil glowing down its front and a
// forked emitter at the bottom.
void LaserUnit(Canvas &c) {
  const double ax = 24;
  Mask clamp(c.w, c.h);
  clamp.poly({1, 14, 10, 12, 10, 44, 1, 42}).poly({1, 58, 10, 56, 10, 80, 1, 78}).mirror(ax);
  Fill(c, clamp, kSteel, {Light::Vertical, 2.5, 1.4, 1.0});
  Mask body(c.w, c.h);
  body.poly({16, 2, 8, 10, 8, 80, 14, 90, 24, 90, 24, 2}).mirror(ax);
  Fill(c, body, kPurple, {Light::CylinderV, 2.5, 1.8, 1.0});
  Mask prongs(c.w, c.h);
  prongs.poly({12, 78, 19, 78, 19, 97, 15, 97, 12, 90}).mirror(ax);
  Fill(c, prongs, kDark, {Light::CylinderV, 2.8, 2.0, 0.8});
  Nozzle(c, ax, 1, 6, 3, kSteel, kRedGlow, 0);
  Mask channel(c.w, c.h);
  channel.rect(17, 16, 14, 58);
  Fill(c, channel, kDark, {Light::Flat, 1.2, 0, -0.7, false, false});
  for (int k = 0; k < 6; ++k) {  // the zig-zag coil
    int y = 19 + 9 * k;
    double x1 = k % 2 ? 28 : 20, x2 = k % 2 ? 20 : 28;
    c.line(x1, y, x2, y + 9, 2, kMagentaGlow[2]);
    c.line(x1, y, x2, y + 9, 1, kMagentaGlow[4]);
  }
  Glow(c, ax, 88, 3, kMagentaGlow);
  for (int s : {0, 1}) {
    auto X = [&](int x) { return s ? 47 - x : x; };
    for (int y : {18, 26, 34, 62, 70}) Rivet(c, X(4), y);
    Groove(c, X(13), 12, X(13), 76);
    Lamp(c, X(10), 84, kAmberGlow);
  }
}

// A wing pylon, 64 x 150, drawn for the left side: an inner spar, a swept outer fin, a tall
// nacelle and a wide beam bell at its foot. Its core sits in the middle of its hit box.
void Pylon(Canvas &c, bool right) {
  Side s{right, c.w};
  Mask spar(c.w, c.h);
  spar.poly({44, 28, 62, 22, 62, 62, 44, 70});
  Fill(c, s(spar), kPurple, {Light::Vertical, 2.6, 1.4, 1.0});
  Mask fin(c.w, c.h);  // a swept blade on the outer side
  fin.poly({18, 22, 2, 58, 2, 134, 8, 142, 18, 128});
  Fill(c, s(fin), kPurple, {Light::Vertical, 2.5, 1.6, 1.0});
  Mask edge(c.w, c.h);
  edge.poly({2, 58, 6, 52, 6, 136, 2, 134});
  Fill(c, s(edge), kDark, {Light::Vertical, 2.6, 1.2, 0.8});
  Mask nacelle(c.w, c.h);
  nacelle.poly({22, 4, 42, 4, 48, 14, 48, 122, 42, 130, 22, 130, 16, 122, 16, 14});
  Fill(c, s(nacelle), kDark, {Light::CylinderV, 2.6, 1.8, 1.0});
  Mask plates(c.w, c.h);
  plates.poly({16, 40, 48, 36, 48, 54, 16, 58}).poly({16, 94, 48, 90, 48, 106, 16, 110});
  Fill(c, s(plates), kPurple, {Light::Vertical, 2.6, 1.2, 1.0});
  Mask bell(c.w, c.h);
  bell.poly({18, 124, 46, 124, 52, 146, 12, 146});
  Fill(c, s(bell), kSteel, {Light::CylinderV, 2.6, 2.0, 0.9});
  c.fillRect(16, 141, 32, 4, kMagentaGlow[1]);
  c.fillRect(18, 142, 28, 2, kMagentaGlow[3]);
  c.fillRect(22, 143, 20, 1, kMagentaGlow[5]);
  Nozzle(c, s.cx(32), 2, 9, 4, kSteel, kRedGlow, 0);
  Mask socket(c.w, c.h);
  socket.ellipse(31, 76, 9, 12);
  Fill(c, s(socket), kSteel, {Light::Sphere, 2.2, 1.6, 0.8});
  Glow(c, s.cx(31), 76, 6, kRedGlow);
  for (int y = 18; y < 34; y += 4) Groove(c, s.px(16), y, s.px(46), y, 0.55);
  for (int y = 62; y < 90; y += 9) Rivet(c, s.px(19), y);
  for (int k = 0; k < 5; ++k) Lamp(c, s.px(9 - k), 70 + 12 * k, kRedGlow);
  for (int y = 112; y < 122; y += 3) Groove(c, s.px(16), y, s.px(46), y, 0.55);
  Groove(c, s.px(44), 60, s.px(44), 88);
  Lamp(c, s.px(58), 30, kRedGlow);
  for (int x = 44; x < 60; x += 5) Rivet(c, s.px(x), 58);
}

}  // namespace

ART_SHEET(EN38) {
  Canvas f(48, 100);
  LaserUnit(f);
  Place(c, f, 0, 0);
  Place(c, Wreck(f, 38), 1, 0);
}

ART_SHEET(EN39) { PlaceSidesAndWrecks(c, 64, 150, 39, Pylon); }

ART_SHEET(EN40) {
  FinalBody(c);
  c.outline(kInk);
}

}  // namespace qel::art
