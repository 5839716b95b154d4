// Enemy needles, lasers and beams. The thin ones are five pixels across: a dark rim of their own
// colour, a body lit from the left (or from above when lying) and a white-hot core line, so that
// even a one-pixel core reads on any background. Horizontal pieces are the vertical ones turned,
// which keeps the two looks identical.
#include <algorithm>
#include <array>
#include <cmath>

#include "art/bullets_kit.h"
#include "art/registry.h"

namespace qel::art {
namespace {

using namespace bullet;

// How a rod ends: in a needle point, a rounded cap, or square (laser segments meet end to end).
enum class End { Point, Round, Square };

// The colours of one row of a five-pixel rod: lit side, core, shaded side.
struct RodRow {
  Argb lit, core, shade;
};

// A vertical rod five pixels wide and len long, one frame; row(y) gives its colours.
template <typename RowFn>
Canvas Rod(int len, End end, Argb outline, RowFn row) {
  Canvas rod(5, len);
  for (int y = 1; y < len - 1; ++y) {
    int fromEnd = std::min(y - 1, len - 2 - y);  // 0 on the last body row
    int half = 1;
    if (end == End::Point && fromEnd < 3) half = 0;
    if (end == End::Round && fromEnd < 1) half = 0;
    RodRow r = row(y);
    rod.set(2, y, r.core);
    if (half == 1) {
      rod.set(1, y, r.lit);
      rod.set(3, y, r.shade);
    }
  }
  if (end == End::Square) {  // square ends run to the cell edge so that segments join
    for (int y : {0, len - 1}) {
      RodRow r = row(y);
      rod.set(1, y, r.lit);
      rod.set(2, y, r.core);
      rod.set(3, y, r.shade);
    }
  }
  rod.outline(outline);
  if (end == End::Square)
    for (int y : {0, len - 1}) rod.set(0, y, outline), rod.set(4, y, outline);
  return rod;
}

Canvas Transposed(const Canvas &src) {
  Canvas t(src.h, src.w);
  for (int y = 0; y < src.h; ++y)
    for (int x = 0; x < src.w; ++x) t.set(y, x, src.get(x, y));
  return t;
}

// A short needle: gold, white-hot along its length; the second frame glows a shade redder.
Canvas Needle(int frame) {
  return Rod(32, End::Point, kGold[0], [&](int) {
    return frame ? RodRow{kGold[4], kGold[5], kGold[3]} : RodRow{kGold[5], kGold[6], kGold[4]};
  });
}

// A long needle-beam: red with white knots of energy that run along it between the frames.
Canvas LongBeam(int frame) {
  return Rod(64, End::Round, kRed[0], [&](int y) {
    bool knot = ((y + frame * 4) % 8) < 2;
    return knot ? RodRow{kRed[5], kRed[6], kRed[4]} : RodRow{kRed[4], kRed[5], kRed[3]};
  });
}

// A zig-zag laser segment: magenta, square ended, its core dashed so that it crawls.
Canvas ZigZag(int frame) {
  return Rod(32, End::Square, kMagenta[0], [&](int y) {
    bool dash = ((y + frame * 2) % 4) < 2;
    return RodRow{kMagenta[4], dash ? kMagenta[6] : kMagenta[5], kMagenta[3]};
  });
}

}  // namespace

// Modes 30 and 31, the long vertical needle-beams.
ART_SHEET(TOKU20) {
  for (int f = 0; f < 2; ++f) c.paste(LongBeam(f), f * 5, 0);
}

// Modes 20 and 21, the vertical needles.
ART_SHEET(TOKU21) {
  for (int f = 0; f < 2; ++f) c.paste(Needle(f), f * 5, 0);
}

// Modes 22 to 24, the horizontal needles.
ART_SHEET(TOKU22) {
  for (int f = 0; f < 2; ++f) c.paste(Transposed(Needle(f)), f * 32, 0);
}

// The zig-zag laser, vertical segment.
ART_SHEET(TOKU23) {
  for (int f = 0; f < 2; ++f) c.paste(ZigZag(f), f * 5, 0);
}

// The zig-zag laser, horizontal segment.
ART_SHEET(TOKU24) {
  for (int f = 0; f < 2; ++f) c.paste(Transposed(ZigZag(f)), f * 32, 0);
}

// The knot where the zig-zag laser turns: a hot bead with four points that twinkle (long, then
// short and hotter) between frames.
// The segments before and after it run through pixel (6, 6) of its cell, so it is centred there.
ART_SHEET(TOKU25) {
  const double k = 6.5;
  for (int f = 0; f < 2; ++f) {
    Canvas knot(16, 16);
    for (int i = 0; i < 4; ++i) {
      double a = i * kPi / 2, ux = std::cos(a), uy = std::sin(a);
      double reach = f ? 4.8 : 5.9, base = 2.0;
      knot.fillPolygon(
          {k - uy * base, k + ux * base, k + ux * reach, k + uy * reach, k + uy * base, k - ux * base},
          i == 2 || i == 3 ? kMagenta[4] : kMagenta[3]);
    }
    knot.fillCircle(k, k, 3.6, kMagenta[4]);
    knot.fillCircle(k - 0.5, k - 0.5, f ? 2.8 : 2.2, kMagenta[5]);
    if (f) knot.fillRect(6, 5, 1, 3, kMagenta[6]), knot.fillRect(5, 6, 3, 1, kMagenta[6]);
    else knot.fillRect(5, 5, 2, 2, kMagenta[6]);
    knot.outline(kMagenta[0]);
    c.paste(knot, f * 16, 0);
  }
}

// Modes 32 to 34, the long horizontal beams (nothing fires them, but they match the vertical).
ART_SHEET(TOKU32) {
  for (int f = 0; f < 2; ++f) c.paste(Transposed(LongBeam(f)), f * 64, 0);
}

namespace {

// A growing beam of width w: white core, yellow, orange, red rim, its edges rippling along the
// length. The bottom rows are its head (shown first while it grows out of the gun), swelling
// into a white-hot point; the top end narrows where it leaves the gun.
void GrowingBeam(Canvas &c, int w, double ripple) {
  const double half = w / 2.0 - 1.0, centre = w / 2.0;
  const Ramp hot = {kRed[0], kRed[1], kRed[2], kRed[3], kGold[3], kGold[5], kGold[6]};
  for (int y = 0; y < c.h; ++y) {
    double py = y + 0.5, toTop = py, toTip = c.h - py;
    double wave = 1.0 - ripple * (0.5 + 0.5 * std::sin(py * 2 * kPi / 12.0));
    double hw = half * wave * std::min(1.0, toTop / 4.0);
    double head = std::clamp(toTip / (half * 1.4), 0.0, 1.0);  // 0 at the point
    hw *= std::sqrt(head);
    for (int x = 0; x < w; ++x) {
      double dx = x + 0.5 - centre;
      if (hw <= 0 || std::abs(dx) > hw) continue;
      double u = std::abs(dx) / hw;
      double v = 1.02 - u - (dx > 0 ? 0.05 : 0) + (1 - head) * 0.7;
      v += 0.07 * std::sin(dx * 1.3 + 1.5 * std::sin(py / 9.0));  // streaks of energy along it
      c.set(x, y, Band(hot, v, x, y, 0.4));
    }
  }
  c.outline(kRed[0]);
}

}  // namespace

// Mode 56, the narrow growing beam: 16 wide, its tip at the bottom.
ART_SHEET(TOKU34) { GrowingBeam(c, 16, 0.12); }

// Mode 55, the wide growing beam: 64 wide, its tip at the bottom.
ART_SHEET(TOKU35) { GrowingBeam(c, 64, 0.08); }

}  // namespace qel::art
