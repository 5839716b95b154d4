// The mother computer (EN41), a ground installation at the centre of the field. Row 0: its
// armoured iris is shut while its escorts live, lamps pulsing round the rim (two frames).
// Row 1: the iris has drawn back and the brain core glows, a ring of lights chasing round it
// (three frames). Every frame keeps the same octagonal base and outline.
#include <cmath>

#include "art/boss_kit.h"
#include "art/registry.h"

namespace qel::art {
namespace {

using namespace kit;

constexpr double kCx = 32, kCy = 32;

void Base(Canvas &c) {
  Mask conduits(c.w, c.h);
  conduits.rect(27, 1, 10, 8).rect(27, 55, 10, 8).rect(1, 27, 8, 10).rect(55, 27, 8, 10);
  Fill(c, conduits, kDark, {Light::Vertical, 2.6, 1.4, 0.9});
  Mask base(c.w, c.h);
  base.poly({20, 4, 44, 4, 60, 20, 60, 44, 44, 60, 20, 60, 4, 44, 4, 20});
  Fill(c, base, kEarth, {Light::Vertical, 2.6, 1.6, 1.0});
  Mask trim(c.w, c.h);
  trim.ellipse(kCx, kCy, 25, 25);
  Fill(c, trim, kDark, {Light::Sphere, 2.4, 1.4, 0.9});
  for (int k = 0; k < 4; ++k) {
    int x = k % 2 ? 50 : 13, y = k / 2 ? 50 : 13;
    Rivet(c, x, y);
  }
  Groove(c, 20, 6, 44, 6);
  Groove(c, 6, 20, 6, 44);
  for (int y = 29; y < 36; y += 2) Groove(c, 2, y, 7, y, 0.5);
  for (int y = 29; y < 36; y += 2) Groove(c, 56, y, 61, y, 0.5);
}

// Lamps on the rim; `lit` picks which of them burn in this frame.
void RimLamps(Canvas &c, int count, int lit, int every, const Ramp &on) {
  for (int k = 0; k < count; ++k) {
    double a = k * 6.283185307 / count - 1.5708;
    int x = static_cast<int>(std::lround(kCx - 0.5 + 22.5 * std::cos(a)));
    int y = static_cast<int>(std::lround(kCy - 0.5 + 22.5 * std::sin(a)));
    bool burning = (k - lit) % every == 0;
    c.fillRect(x, y, 2, 2, burning ? on[3] : on[0]);
    if (burning) c.set(x, y, on[5]);
  }
}

void Shut(Canvas &c, int f) {
  Base(c);
  Mask iris(c.w, c.h);
  iris.ellipse(kCx, kCy, 20.5, 20.5);
  Fill(c, iris, kRust, {Light::Sphere, 2.6, 1.6, 0.8, false, false});
  Groove(c, 13, 13, 50, 50);
  Groove(c, 50, 13, 13, 50);
  Mask hub(c.w, c.h);
  hub.ellipse(kCx, kCy, 5.5, 5.5);
  Fill(c, hub, kDark, {Light::Sphere, 2.6, 1.6, 0.8});
  Glow(c, kCx, kCy, f ? 2.2 : 1.4, kAmberGlow);
  for (int k = 0; k < 4; ++k) {
    double a = 0.785398 + k * 1.570796;
    Rivet(c, static_cast<int>(kCx + 14 * std::cos(a + 0.4)), static_cast<int>(kCy + 14 * std::sin(a + 0.4)));
  }
  RimLamps(c, 12, f, 2, kRedGlow);
}

void Open(Canvas &c, int f) {
  Base(c);
  Mask well(c.w, c.h);
  well.ellipse(kCx, kCy, 20.5, 20.5);
  Fill(c, well, kDark, {Light::Sphere, 1.0, 1.0, -0.8, false, false});
  // The drawn-back iris leaves a toothed collar round the well.
  for (int k = 0; k < 8; ++k) {
    double a = k * 0.785398 + 0.39;
    Mask tooth(c.w, c.h);
    tooth.ellipse(kCx + 18.5 * std::cos(a), kCy + 18.5 * std::sin(a), 3, 3);
    Fill(c, tooth, kRust, {Light::Sphere, 2.8, 1.6, 0.6, false, false});
  }
  Mask brain(c.w, c.h);
  brain.ellipse(kCx, kCy, 13.5, 13.5);
  Fill(c, brain, kMagentaGlow, {Light::Sphere, 2.4 + 0.3 * f, 2.6, 0.4, false, false});
  // Circuit folds over the core.
  Groove(c, 22, 30, 30, 26, 0.6);
  Groove(c, 34, 38, 42, 34, 0.6);
  Groove(c, 24, 38, 29, 41, 0.6);
  Groove(c, 35, 23, 40, 26, 0.6);
  Glow(c, kCx, kCy, 4.5 + 0.5 * f, kRedGlow);
  RimLamps(c, 12, f, 3, kAmberGlow);
}

}  // namespace

ART_SHEET(EN41) {
  for (int f = 0; f < 3; ++f) {
    Canvas frame(64, 64);
    Shut(frame, f % 2);
    if (f < 2) Place(c, frame, f, 0);  // the third cell of row 0 is never shown
    Canvas open(64, 64);
    Open(open, f);
    Place(c, open, f, 1);
  }
}

}  // namespace qel::art
