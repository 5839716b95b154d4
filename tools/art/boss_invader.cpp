// "Invader", the stage-3 boss: a long olive spine (EN31) carrying a wing of six beam modules
// (EN29, which tile edge to edge) and a tall wingtip unit at each end (EN30, left and right).
// The wing spar runs through the modules at one height so the whole reads as one ship.
#include "art/boss_kit.h"
#include "art/registry.h"

namespace qel::art {
namespace {

using namespace kit;

// The spine, 32 x 128: engines at the top, core low in the middle, an emitter at the nose.
void InvaderSpine(Canvas &c) {
  const double ax = 16;
  Mask hull(c.w, c.h);
  hull.poly({10, 2, 5, 10, 5, 40, 2, 48, 2, 104, 8, 118, 14, 126, 16, 126, 16, 2}).mirror(ax);
  Fill(c, hull, kOlive, {Light::CylinderV, 2.5, 1.8, 1.0});
  Mask keel(c.w, c.h);
  keel.poly({12, 12, 10, 40, 10, 110, 16, 120, 16, 12}).mirror(ax);
  Fill(c, keel, kOlive, {Light::CylinderV, 3.0, 1.8, 1.0});
  Nozzle(c, 10.5, 1, 4, 2.5, kDark, kAmberGlow, 0);
  Nozzle(c, 21.5, 1, 4, 2.5, kDark, kAmberGlow, 0);
  Mask collar(c.w, c.h);
  collar.rect(4, 40, 12, 8).rect(3, 100, 13, 6).mirror(ax);
  Fill(c, collar, kDark, {Light::CylinderV, 2.6, 1.8, 0.8});
  for (int y = 14; y < 38; y += 4) Groove(c, 11, y, 20, y, 0.5);
  Mask socket(c.w, c.h);
  socket.ellipse(ax, 76, 7, 12);
  Fill(c, socket, kDark, {Light::Sphere, 1.6, 1.2, -0.8, false, false});
  Glow(c, ax, 76, 5, kAmberGlow);
  Glow(c, ax, 60, 1.6, kRedGlow);
  Glow(c, ax, 92, 1.6, kRedGlow);
  for (int s : {0, 1}) {
    int x = s ? 28 : 3;
    for (int y : {54, 64, 88, 98}) Rivet(c, x, y);
    Lamp(c, s ? 26 : 5, 44, kRedGlow);
  }
  Mask nose(c.w, c.h);
  nose.poly({12, 108, 20, 108, 19, 124, 13, 124});
  Fill(c, nose, kSteel, {Light::CylinderV, 2.6, 1.8, 0.8});
  c.fillRect(14, 121, 4, 3, kAmberGlow[2]);
  c.fillRect(15, 122, 2, 2, kAmberGlow[5]);
}

// A wing module, 32 x 64: a spar across the top (continuous with its neighbours) and a beam
// emitter hanging below it.
void WingModule(Canvas &c) {
  const double ax = 16;
  Mask spar(c.w, c.h);
  spar.poly({1, 3, 16, 1, 16, 22, 1, 20}).mirror(ax);
  Fill(c, spar, kOlive, {Light::Vertical, 2.6, 1.6, 1.0});
  Mask pod(c.w, c.h);
  pod.poly({8, 12, 16, 12, 16, 61, 12, 58, 8, 50}).mirror(ax);
  Fill(c, pod, kOlive, {Light::CylinderV, 2.5, 1.8, 1.0});
  Mask band(c.w, c.h);
  band.rect(8, 30, 8, 6).mirror(ax);
  Fill(c, band, kDark, {Light::CylinderV, 2.6, 1.8, 0.8});
  Mask lens(c.w, c.h);
  lens.poly({11, 50, 21, 50, 20, 60, 12, 60});
  Fill(c, lens, kSteel, {Light::CylinderV, 2.6, 1.8, 0.8});
  c.fillRect(13, 56, 6, 4, kAmberGlow[2]);
  c.fillRect(14, 57, 4, 3, kAmberGlow[4]);
  c.set(15, 58, kAmberGlow[5]);
  Groove(c, 1, 10, 30, 10);
  for (int x : {4, 27}) {
    Rivet(c, x, 5);
    Rivet(c, x, 15);
  }
  Vents(c, 10, 40, 3, 0, 3, 12, true);
  Glow(c, ax, 22, 2.2, kRedGlow);
}

// A wingtip unit, 32 x 96, drawn for the left end; the right end is the same design mirrored.
void WingTip(Canvas &c, bool right) {
  Side s{right, c.w};
  Mask spar(c.w, c.h);
  spar.poly({14, 21, 31, 20, 31, 42, 14, 42});
  Fill(c, s(spar), kOlive, {Light::Vertical, 2.6, 1.6, 1.0});
  Mask fin(c.w, c.h);
  fin.poly({2, 30, 8, 18, 8, 74, 2, 86});
  Fill(c, s(fin), kOlive, {Light::Vertical, 2.4, 1.6, 1.0});
  Mask pod(c.w, c.h);
  pod.poly({10, 2, 22, 2, 26, 10, 26, 80, 20, 92, 12, 92, 6, 80, 6, 10});
  Fill(c, s(pod), kOlive, {Light::CylinderV, 2.6, 1.8, 1.0});
  Mask bands(c.w, c.h);
  bands.rect(6, 26, 21, 5).rect(6, 60, 21, 5);
  Fill(c, s(bands), kDark, {Light::CylinderV, 2.6, 1.8, 0.8});
  Nozzle(c, s.cx(16), 1, 6, 3, kDark, kAmberGlow, 0);
  Mask lens(c.w, c.h);
  lens.poly({12, 80, 20, 80, 19, 92, 13, 92});
  Fill(c, s(lens), kSteel, {Light::CylinderV, 2.6, 1.8, 0.8});
  c.fillRect(s.px(right ? 17 : 14), 88, 4, 3, kAmberGlow[3]);
  c.fillRect(s.px(right ? 16 : 15), 89, 2, 2, kAmberGlow[5]);
  for (int y = 12; y < 24; y += 3) Groove(c, s.px(9), y, s.px(22), y, 0.5);
  for (int y = 34; y < 58; y += 6) Rivet(c, s.px(9), y);
  Groove(c, s.px(20), 33, s.px(20), 58);
  Glow(c, s.cx(16), 46, 3, kRedGlow);
  Lamp(c, s.px(4), 40, kAmberGlow);
  Lamp(c, s.px(4), 64, kRedGlow);
  Vents(c, s.px(right ? 20 : 9), 68, 3, 0, 3, 12, true);
}

}  // namespace

ART_SHEET(EN29) {
  Canvas f(32, 64);
  WingModule(f);
  Place(c, f, 0, 0);
  Place(c, f, 1, 0);  // never shown: the same module
  Place(c, Wreck(f, 29), 2, 0);
}

ART_SHEET(EN30) { PlaceSidesAndWrecks(c, 32, 96, 30, WingTip); }

ART_SHEET(EN31) {
  InvaderSpine(c);
  c.outline(kInk);
}

}  // namespace qel::art
