// The mines and their fields. A mine is a dark armoured shell round a hot core: the pull mine
// magenta with claws curling inwards, the push mine orange with spikes pointing out. Both turn
// through their three frames so that the loop runs without a seam.
//
// The field sheets hold rings round the mine. Both sheets draw the same geometry, rings
// that shrink from frame 0 to frame 2: the pull field is played forwards, so its rings sweep in;
// the push field is played backwards, so the same rings sweep out.
#include <algorithm>
#include <array>
#include <cmath>

#include "art/bullets_kit.h"
#include "art/registry.h"

namespace qel::art {
namespace {

using namespace bullet;

constexpr double kCx = 24, kCy = 24;  // the mine's centre in its 48 x 48 cell

// How lit a surface facing angle a is: 1 towards the top left, -1 towards the bottom right.
double Lit(double a) { return -(std::cos(a) + std::sin(a)) / std::sqrt(2.0); }

Argb LitShade(const Ramp &ramp, double a) { return ramp[Lit(a) > 0.35 ? 4u : Lit(a) > -0.45 ? 3u : 2u]; }

// A shaded sphere: bands by distance from a highlight up-left of the centre.
void Sphere(Canvas &c, double cx, double cy, double r, const Ramp &ramp, double heat) {
  const double hx = cx - 0.35 * r, hy = cy - 0.35 * r;
  for (int y = static_cast<int>(cy - r) - 1; y <= static_cast<int>(cy + r) + 1; ++y)
    for (int x = static_cast<int>(cx - r) - 1; x <= static_cast<int>(cx + r) + 1; ++x) {
      double px = x + 0.5, py = y + 0.5;
      if (std::hypot(px - cx, py - cy) > r) continue;
      double v = 1.0 - std::hypot(px - hx, py - hy) / (1.35 * r) + heat;
      c.set(x, y, ramp[static_cast<std::size_t>(std::clamp(static_cast<int>(v * 6), 1, 6))]);
    }
}

// The armoured shell with its glowing window; pulse brightens the core (0..1).
void Shell(Canvas &c, const Ramp &glow, double pulse) {
  Sphere(c, kCx, kCy, 11.5, kHull, -0.05);
  c.fillCircle(kCx, kCy, 7, kHull[1]);  // the rim of the window
  Sphere(c, kCx, kCy, 6, glow, 0.1 + 0.3 * pulse);
  for (int i = 0; i < 4; ++i) {  // rivets on the shell
    double a = kPi / 4 + i * kPi / 2;
    c.set(static_cast<int>(kCx + std::cos(a) * 9.5), static_cast<int>(kCy + std::sin(a) * 9.5),
          Lit(a) > 0 ? kHull[6] : kHull[4]);
  }
}

// Three claws that curl inwards like a whirlpool, turned a third of their spacing per frame.
void PullMine(Canvas &c, int frame) {
  for (int arm = 0; arm < 3; ++arm) {
    double a0 = arm * 2 * kPi / 3 - frame * 2 * kPi / 9;  // turning so the arms sweep in
    for (int s = 0; s <= 24; ++s) {
      double t = s / 24.0, r = 21 - 10 * t, a = a0 + 1.4 * t;
      double thick = 1.8 + 2.6 * t;
      c.fillCircle(kCx + std::cos(a) * r, kCy + std::sin(a) * r, thick / 2,
                   t < 0.2 ? kMagenta[5] : LitShade(kMagenta, a));
    }
  }
  Shell(c, kMagenta, frame == 1 ? 1.0 : frame == 2 ? 0.5 : 0.0);
}

// Eight spikes pointing out, turned a third of their spacing per frame.
void PushMine(Canvas &c, int frame) {
  for (int i = 0; i < 8; ++i) {
    double a = i * kPi / 4 + frame * kPi / 12, ux = std::cos(a), uy = std::sin(a), vx = -uy, vy = ux;
    c.fillPolygon({kCx + ux * 9 + vx * 3.5, kCy + uy * 9 + vy * 3.5, kCx + ux * 21.5, kCy + uy * 21.5,
                   kCx + ux * 9 - vx * 3.5, kCy + uy * 9 - vy * 3.5},
                  LitShade(kFire, a));
    c.fillCircle(kCx + ux * 19, kCy + uy * 19, 1.0, kFire[5]);  // hot points
  }
  Shell(c, kFire, frame == 1 ? 1.0 : frame == 2 ? 0.5 : 0.0);
}

template <typename Fn>
void Cell(Canvas &c, int x, int y, int size, Argb outline, Fn draw) {
  Canvas cell(size, size);
  draw(cell);
  cell.outline(outline);
  c.paste(cell, x, y);
}

// One frame of a field: rings every 18 pixels, 6 pixels further in on each frame, the inner
// ones brighter. Dashes (when dashes > 0) twist along the radius, so the pull field swirls.
// A faint dotted echo trails each ring at the radius offset echo, behind its direction of travel.
void Field(Canvas &c, int frame, const Ramp &ramp, int dashes, double echo) {
  const double c0 = 48;
  for (int y = 0; y < 96; ++y)
    for (int x = 0; x < 96; ++x) {
      double dx = x + 0.5 - c0, dy = y + 0.5 - c0, d = std::hypot(dx, dy), a = std::atan2(dy, dx);
      for (double r = 44 - 6.0 * frame; r >= 12; r -= 18) {
        if (std::abs(d - r) > 1.0) continue;
        if (dashes > 0 && std::fmod(a * dashes / kPi + r * 0.08 + 40.0, 2.0) > 1.4) continue;
        int level = r > 34 ? 2 : r > 22 ? 3 : 4;
        if (Lit(a) > 0.5) ++level;
        c.set(x, y, ramp[static_cast<std::size_t>(level)]);
      }
    }
  c.outline(ramp[0]);
  for (int y = 0; y < 96; ++y)
    for (int x = (y & 1); x < 96; x += 2) {
      double d = std::hypot(x + 0.5 - c0, y + 0.5 - c0);
      for (double r = 44 - 6.0 * frame; r >= 12; r -= 18)
        if (r + echo < 45 && std::abs(d - r - echo) <= 0.6 && !c.covered(x, y)) c.set(x, y, ramp[2]);
    }
}

}  // namespace

// Modes 14 and 15, the mines: row 0 the pull mine, row 1 the push mine, three frames each.
ART_SHEET(TOKU17) {
  for (int f = 0; f < 3; ++f) {
    Cell(c, f * 48, 0, 48, kMagenta[0], [&](Canvas &cell) { PullMine(cell, f); });
    Cell(c, f * 48, 48, 48, kFire[0], [&](Canvas &cell) { PushMine(cell, f); });
  }
}

// The field round an active pull mine.
ART_SHEET(TOKU53) {
  for (int f = 0; f < 3; ++f) {
    Canvas cell(96, 96);
    Field(cell, f, kMagenta, 6, 3.5);
    c.paste(cell, f * 96, 0);
  }
}

// The field round an active push mine.
ART_SHEET(TOKU54) {
  for (int f = 0; f < 3; ++f) {
    Canvas cell(96, 96);
    Field(cell, f, kFire, 0, -3.5);
    c.paste(cell, f * 96, 0);
  }
}

}  // namespace qel::art
