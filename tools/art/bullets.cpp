// Enemy bullets: hot colours with a white-hot core and a rim in the darkest shade of their own
// colour, so that they read over black space and over the lighter stage tiles alike. Bullets that
// stay after a hit (the large and huge balls) carry spikes, so that they look as dangerous as
// they are.
#include <algorithm>
#include <array>
#include <cmath>

#include "art/bullets_kit.h"
#include "art/registry.h"

namespace qel::art {
namespace {

using namespace bullet;

// A glowing ball lit from the top left: the hot spot sits up-left of the centre, the rim falls
// off to the darkest body shade at the bottom right. heat > 0 makes the whole ball hotter.
void GlowBall(Canvas &c, double cx, double cy, double r, const Ramp &ramp, double heat, double dither = 0) {
  const double hx = cx - 0.3 * r, hy = cy - 0.3 * r;
  const int x0 = static_cast<int>(std::floor(cx - r)), x1 = static_cast<int>(std::ceil(cx + r));
  const int y0 = static_cast<int>(std::floor(cy - r)), y1 = static_cast<int>(std::ceil(cy + r));
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      double px = x + 0.5, py = y + 0.5;
      if (std::hypot(px - cx, py - cy) > r) continue;
      double d = std::hypot(px - hx, py - hy) / (1.3 * r);
      c.set(x, y, Band(ramp, std::pow(std::max(0.0, 1.0 - d), 0.8) + heat, x, y, dither));
    }
}

// A spike: a triangle pointing away from (cx, cy) at angle a (radians), its base of half-width
// hw on the circle of radius r0 and its point at radius r1.
void Spike(Canvas &c, double cx, double cy, double a, double r0, double r1, double hw, Argb colour) {
  double ux = std::cos(a), uy = std::sin(a), vx = -uy, vy = ux;
  c.fillPolygon({cx + ux * r0 + vx * hw, cy + uy * r0 + vy * hw, cx + ux * r1, cy + uy * r1,
                 cx + ux * r0 - vx * hw, cy + uy * r0 - vy * hw},
                colour);
}

// Spikes lit like the ball: the ones facing up-left take the brighter shade.
void Spikes(Canvas &c, double cx, double cy, int n, double phase, double r0, double r1, double hw,
            const Ramp &ramp) {
  for (int i = 0; i < n; ++i) {
    double a = phase + 2 * kPi * i / n;
    double lit = -(std::cos(a) + std::sin(a)) / std::sqrt(2.0);  // 1 towards the top left
    Spike(c, cx, cy, a, r0, r1, hw, ramp[lit > 0.3 ? 4u : lit > -0.5 ? 3u : 2u]);
  }
}

// Draws one frame into its cell through a scratch canvas, so that the outline of one frame
// never leaks into the next.
template <typename Fn>
void Frame(Canvas &c, int x, int y, int w, int h, Argb outline, Fn draw) {
  Canvas cell(w, h);
  draw(cell);
  cell.outline(outline);
  c.paste(cell, x, y);
}

// A plain round bullet filling a cell of size d, its outline on the cell edge.
void RoundBullet(Canvas &c, int x, int d, const Ramp &ramp, double heat) {
  Frame(c, x, 0, d, d, ramp[0],
        [&](Canvas &cell) { GlowBall(cell, d / 2.0, d / 2.0, d / 2.0 - 1, ramp, heat); });
}

}  // namespace

// Style 0, the common small bullet: two 10 x 10 frames that blink.
ART_SHEET(TOKU2) {
  RoundBullet(c, 0, 10, kFire, 0.08);
  RoundBullet(c, 10, 10, kFire, 0.28);
}

// Style 1, the medium bullet: a red ball, blinking hotter.
ART_SHEET(TOKU26) {
  for (int f = 0; f < 2; ++f)
    Frame(c, f * 16, 0, 16, 16, kRed[0],
          [&](Canvas &cell) { GlowBall(cell, 8, 8, 6.5, kRed, f ? 0.25 : 0.05); });
}

// Style 2, the large persistent bullet: a magenta ball in a crown of short spikes.
ART_SHEET(TOKU27) {
  for (int f = 0; f < 2; ++f)
    Frame(c, f * 24, 0, 24, 24, kMagenta[0], [&](Canvas &cell) {
      Spikes(cell, 12, 12, 8, f ? kPi / 8 : 0, 7, 11, 2.2, kMagenta);
      GlowBall(cell, 12, 12, 8.5, kMagenta, f ? 0.18 : 0.0);
    });
}

// Style 3, the huge persistent bullet: a red-hot core in a ring of long spikes that turn between
// the two frames.
ART_SHEET(TOKU28) {
  for (int f = 0; f < 2; ++f)
    Frame(c, f * 48, 0, 48, 48, kRed[0], [&](Canvas &cell) {
      Spikes(cell, 24, 24, 12, f ? kPi / 12 : 0, 15, 22.5, 3.2, kRed);
      Spikes(cell, 24, 24, 12, f ? 0 : kPi / 12, 15, 19, 2.4, kFire);
      GlowBall(cell, 24, 24, 17.5, kRed, f ? 0.15 : 0.0, 0.5);
      GlowBall(cell, 21, 21, 8, kFire, f ? 0.45 : 0.3);
    });
}

// Style 4, the fused bullet: a small bomb whose lamp blinks until it bursts. It does no harm
// yet, so its shell stays dull and only the lamp is hot.
ART_SHEET(TOKU29) {
  for (int f = 0; f < 2; ++f)
    Frame(c, f * 10, 0, 10, 10, kGold[0], [&](Canvas &cell) {
      GlowBall(cell, 5, 5, 4, kGold, -0.25);
      for (int i = 1; i < 9; ++i) {  // the seam of the casing
        if (cell.covered(i, 5)) cell.set(i, 5, kGold[1]);
        if (cell.covered(5, i)) cell.set(5, i, kGold[1]);
      }
      if (f == 1) {
        cell.fillRect(3, 4, 4, 2, kRed[4]);
        cell.fillRect(4, 3, 2, 4, kRed[4]);
        cell.fillRect(4, 4, 2, 2, kRed[6]);
      } else {
        cell.fillRect(4, 4, 2, 2, kRed[2]);
      }
    });
}

// Mode 50, the blast: f2 the harmless glow before and after it, f0 and f1 the hurting blast in
// turn. f0 is also blown up to the whole screen as the white flash of the fly-by, so it is
// nearly all white.
ART_SHEET(TOKU30) {
  const Ramp white = {kGold[4], kGold[5], kGold[5], kGold[5], kGold[6], kGold[6], kGold[6]};
  Frame(c, 0, 0, 32, 32, kGold[3], [&](Canvas &cell) {
    Spikes(cell, 16, 16, 12, 0, 10, 14.5, 3.5, white);
    cell.fillCircle(16, 16, 12, kGold[5]);
    cell.fillCircle(16, 16, 10.5, kGold[6]);
  });
  Frame(c, 32, 0, 32, 32, kFire[0], [&](Canvas &cell) {
    Spikes(cell, 16, 16, 12, kPi / 12, 9, 14.5, 3.5, kFire);
    GlowBall(cell, 16, 16, 11.5, kFire, 0.15, 0.5);
    GlowBall(cell, 15, 15, 6, kGold, 0.5);
  });
  // f2: a thin broken ring marking where the blast will be, and a dim ember in the middle.
  Frame(c, 64, 0, 32, 32, kFire[0], [&](Canvas &cell) {
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        double dx = x + 0.5 - 16, dy = y + 0.5 - 16, d = std::hypot(dx, dy);
        double a = std::atan2(dy, dx) + kPi;
        if (d < 9.5 || d > 11 || std::fmod(a * 12 / kPi, 2.0) > 1.3) continue;
        cell.set(x, y, dx + dy < 0 ? kFire[3] : kFire[2]);
      }
    cell.fillCircle(16, 16, 3, kFire[2]);
    cell.fillRect(15, 15, 2, 2, kFire[4]);
  });
}

// Mode 18, the wide flat shot: a flat disc of fire falling down the screen, its leading (lower)
// edge smooth and hottest, flames licking back from its upper edge.
ART_SHEET(TOKU31) {
  for (int f = 0; f < 2; ++f)
    Frame(c, f * 50, 0, 50, 25, kFire[0], [&](Canvas &cell) {
      for (int x = 1; x < 49; ++x) {
        double dx = (x + 0.5 - 25) / 23.5;
        if (std::abs(dx) >= 1) continue;
        double arc = std::sqrt(1 - dx * dx);
        double flame = 3.0 * std::max(0.0, std::sin((x + 0.5) * 2 * kPi / 7.0 + f * kPi)) * arc;
        double top = 13 - 8 * arc - flame, bottom = 13 + 9.5 * arc;
        for (int y = 1; y < 24; ++y) {
          double py = y + 0.5;
          if (py < top || py > bottom) continue;
          double t = (py - top) / (bottom - top);  // 0 at the flames, 1 at the leading edge
          double v = (0.35 + 0.75 * t) * (1 - 0.45 * dx * dx) + (f ? 0.08 : 0);
          if (t > 0.92) v -= 0.35;  // the rim below the hot front
          cell.set(x, y, Band(kFire, v, x, y, 0.6));
        }
      }
    });
}

// Modes 16 and 17, the bouncing ball: a solid striped sphere whose bands roll between frames.
ART_SHEET(TOKU33) {
  for (int f = 0; f < 2; ++f)
    Frame(c, f * 25, 0, 25, 25, kFire[0], [&](Canvas &cell) {
      GlowBall(cell, 12.5, 12.5, 10.5, kGold, 0.05);
      for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 25; ++x) {
          double dx = (x + 0.5 - 12.5) / 10.5, dy = (y + 0.5 - 12.5) / 10.5;
          if (dx * dx + dy * dy > 1) continue;
          // Diagonal bands, bent by the sphere, shifted half a band on the second frame.
          double u = (dx - dy) / std::sqrt(2.0 - dx * dx - dy * dy + 0.01) + f * 0.5;
          if (std::fmod(u * 2.0 + 20.0, 2.0) < 0.8) cell.set(x, y, Mix(cell.get(x, y), kRed[2], 0.75));
        }
    });
}

}  // namespace qel::art
