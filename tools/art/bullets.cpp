// Enemy bullets: hot colours with a bright core, so that they read over every background.
#include "art/registry.h"

namespace qel::art {
namespace {

// A round bullet of diameter d in the cell at (x, y): dark red rim, orange body, white core.
void RoundBullet(Canvas &c, int x, int y, int d, bool bright) {
  double r = d / 2.0, cx = x + r, cy = y + r;
  c.fillCircle(cx, cy, r, Rgb(150, 20, 10));
  c.fillCircle(cx, cy, r - 1, bright ? Rgb(255, 140, 30) : Rgb(230, 70, 20));
  c.fillCircle(cx - r * 0.15, cy - r * 0.15, r * 0.45, Rgb(255, 240, 200));
}

}  // namespace

// Style 0, the common small bullet: two 10 x 10 frames that blink.
ART_SHEET(TOKU2) {
  RoundBullet(c, 0, 0, 10, false);
  RoundBullet(c, 10, 0, 10, true);
}

}  // namespace qel::art
