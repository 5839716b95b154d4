// Craft among the effects: the supply ship that carries the shop, and the player's fighter seen
// from behind as it flies off at the end. Parts are drawn as flat shapes, then shaded with light
// from the upper left and outlined, which gives the bevelled metal look of the other craft.
#include <cmath>
#include <vector>

#include "art/paint_kit.h"
#include "art/registry.h"

namespace qel::art {
namespace {

// Paints the covered pixels of `shape` onto `dst` in `base`: a light rim on edges facing the
// upper left, a dark rim on edges facing the lower right.
void Shaded(Canvas &dst, const Canvas &shape, Argb base) {
  for (int y = 0; y < shape.h; ++y)
    for (int x = 0; x < shape.w; ++x) {
      if (!shape.covered(x, y)) continue;
      Argb col = base;
      if (!shape.covered(x - 1, y) || !shape.covered(x, y - 1)) col = Mix(base, Rgb(255, 255, 255), 0.45);
      else if (!shape.covered(x + 1, y) || !shape.covered(x, y + 1)) col = Shade(base, 0.62);
      dst.set(x, y, col);
    }
}

// Paints `shape` as a lit cylinder standing upright: each row runs from a highlight on the left
// through the base colour to shadow on the right, in flat bands; the top edge catches light too.
void Rounded(Canvas &dst, const Canvas &shape, Argb base) {
  const Argb bands[5] = {Mix(base, Rgb(255, 255, 255), 0.5), Mix(base, Rgb(255, 255, 255), 0.2), base,
                         Shade(base, 0.8), Shade(base, 0.6)};
  for (int y = 0; y < shape.h; ++y)
    for (int x = 0; x < shape.w; ++x) {
      if (!shape.covered(x, y)) continue;
      int left = x, right = x;
      while (shape.covered(left - 1, y)) --left;
      while (shape.covered(right + 1, y)) ++right;
      double t = right > left ? static_cast<double>(x - left) / (right - left) : 0.5;
      int band = t < 0.12 ? 0 : t < 0.3 ? 1 : t < 0.68 ? 2 : t < 0.86 ? 3 : 4;
      if (!shape.covered(x, y - 1) && band > 1) band = 1;
      if (!shape.covered(x, y + 1)) band = 4;
      dst.set(x, y, bands[band]);
    }
}

// A flat shape built from polygons, for Shaded().
Canvas Poly(int w, int h, const std::vector<std::vector<double>> &parts) {
  Canvas s(w, h);
  for (const auto &p : parts) s.fillPolygon(p, Rgb(255, 255, 255));
  return s;
}

Canvas Rect(int w, int h, int x, int y, int rw, int rh) {
  Canvas s(w, h);
  s.fillRect(x, y, rw, rh, Rgb(255, 255, 255));
  return s;
}

// ---- the supply ship -----------------------------------------------------------------------

const Argb kHull = Rgb(226, 224, 214), kPod = Rgb(56, 168, 140), kStrut = Rgb(130, 136, 150),
           kTrim = Rgb(48, 96, 210), kGlass = Rgb(90, 210, 255), kLamp = Rgb(255, 214, 90);

// Tiny 3 x 5 capitals for the sign on the deck.
void SignText(Canvas &c, int x, int y, Argb col) {
  static const char *const kShop[5] = {"XXX.X.X.XXX.XXX", "X...X.X.X.X.X.X", "XXX.XXX.X.X.XXX",
                                       "..X.X.X.X.X.X..", "XXX.X.X.XXX.X.."};
  for (int j = 0; j < 5; ++j)
    for (int i = 0; kShop[j][i] != 0; ++i)
      if (kShop[j][i] == 'X') c.set(x + i, y + j, col);
}

void ShipEngines(Canvas &cell, bool longFlame) {
  Rounded(cell, Rect(64, 64, 20, 8, 24, 4), Rgb(96, 100, 116));
  for (int side = 0; side < 2; ++side) {
    double x = side ? 34 : 22;
    double top = longFlame ? 0.5 : 2.5;
    cell.fillPolygon({x + 0.5, 6, x + 7.5, 6, x + 4, top}, kGlass);
    cell.fillPolygon({x + 2, 6, x + 6, 6, x + 4, top + 2}, Rgb(255, 255, 255));
    Rounded(cell, Poly(64, 64, {{x, 5, x + 8, 5, x + 7, 9, x + 1, 9}}), Rgb(120, 124, 140));
  }
}

void ShipPods(Canvas &cell, bool lit) {
  Rounded(cell, Rect(64, 64, 14, 18, 36, 5), kStrut);
  Rounded(cell, Rect(64, 64, 14, 37, 36, 5), kStrut);
  for (int side = 0; side < 2; ++side) {
    double x = side ? 47 : 5;
    Rounded(cell, Poly(64, 64, {{x + 0,  16, x + 2,  13, x + 4, 12, x + 8, 12, x + 10, 13, x + 12, 16,
                                 x + 12, 47, x + 10, 50, x + 8, 51, x + 4, 51, x + 2,  50, x + 0,  47}}),
            kPod);
    int ix = static_cast<int>(x);
    for (int k = 0; k < 3; ++k)
      cell.fillRect(ix + 1, 21 + 8 * k, 11, 1, Shade(kPod, 0.55));  // container seams
    cell.fillRect(ix + 1, 43, 11, 2, Rgb(236, 236, 230));           // cargo stripe
    cell.fillRect(ix + 8, 43, 4, 2, Rgb(176, 176, 170));
    Argb nav = side ? Rgb(80, 255, 120) : Rgb(255, 70, 60);
    cell.fillRect(ix + 5, 48, 2, 2, lit ? nav : Shade(nav, 0.45));
  }
}

void ShipHull(Canvas &cell, bool lit) {
  Rounded(cell,
          Poly(64, 64, {{19, 14, 22, 10, 42, 10, 45, 14, 45, 44, 41, 54, 36, 59, 28, 59, 23, 54, 19, 44}}),
          kHull);
  cell.fillRect(21, 14, 1, 31, kTrim);  // blue trim down both flanks
  cell.fillRect(43, 14, 1, 31, kTrim);
  for (int k = 0; k < 4; ++k) {  // portholes
    cell.set(23, 34 + 2 * k, kGlass);
    cell.set(41, 34 + 2 * k, Shade(kGlass, 0.7));
  }
  Shaded(cell, Rect(64, 64, 24, 19, 17, 9), Rgb(24, 30, 70));  // the sign board
  SignText(cell, 25, 21, lit ? kLamp : Shade(kLamp, 0.7));
  cell.fillRect(25, 31, 15, 1, Shade(kHull, 0.72));  // deck hatch
  cell.fillRect(25, 31, 1, 8, Shade(kHull, 0.72));
  cell.fillRect(25, 38, 15, 1, Shade(kHull, 0.72));
  cell.fillRect(39, 31, 1, 8, Shade(kHull, 0.72));
  cell.fillRect(26, 14, 12, 1, Shade(kHull, 0.72));
  // The bridge at the bow: cyan glass, warm light inside where the keeper sits.
  Shaded(cell, Poly(64, 64, {{25, 44, 39, 44, 37, 51, 33, 54, 31, 54, 27, 51}}), kGlass);
  cell.fillRect(29, 46, 6, 4, kLamp);
  cell.fillRect(30, 47, 2, 2, Rgb(255, 250, 220));
  cell.fillRect(31, 56, 2, 2, lit ? Rgb(255, 255, 255) : Rgb(150, 160, 180));  // bow beacon
}

// Frame 0 and 1 alternate: the exhausts flicker and the lights blink.
void SupplyShip(Canvas &c) {
  for (int f = 0; f < 2; ++f) {
    Canvas cell(64, 64);
    ShipEngines(cell, f == 0);
    ShipPods(cell, f == 0);
    ShipHull(cell, f == 0);
    cell.outline(kInk);
    c.paste(cell, f * 64, 0);
  }
}

// ---- the fighter from behind ---------------------------------------------------------------

const Argb kSilver = Rgb(176, 184, 200), kDarkMetal = Rgb(70, 76, 96), kStripe = Rgb(40, 100, 230);

void FlyAway(Canvas &c) {
  Canvas s(32, 32);
  // Wing fins at the tips stand up and hang down, like the craft seen from above.
  Rounded(s, Poly(32, 32, {{2, 11, 5, 9, 5.5, 25, 2.5, 24}}), kDarkMetal);
  Rounded(s, Poly(32, 32, {{27, 9, 30, 11, 29.5, 24, 26.5, 25}}), kDarkMetal);
  Shaded(s, Poly(32, 32, {{4, 18, 12, 15, 20, 15, 28, 18, 28, 21, 20, 21, 12, 21, 4, 21}}), kSilver);
  s.fillRect(6, 19, 6, 1, kStripe);
  s.fillRect(20, 19, 6, 1, kStripe);
  Rounded(s, Poly(32, 32, {{11, 13, 13, 10, 19, 10, 21, 13, 21, 23, 18, 26, 14, 26, 11, 23}}), kSilver);
  Rounded(s, Poly(32, 32, {{12.5, 11, 14, 7, 18, 7, 19.5, 11}}), kGlass);  // canopy over the top
  s.set(15, 8, Rgb(230, 250, 255));
  // Two engines burning cyan-white, the strongest thing in the picture.
  for (int side = 0; side < 2; ++side) {
    double x = side ? 18.5 : 13.5;
    s.fillCircle(x, 20, 2.6, kDarkMetal);
    s.fillCircle(x, 20, 1.8, kGlass);
    s.fillCircle(x - 0.3, 19.7, 0.9, Rgb(255, 255, 255));
  }
  s.outline(kInk);
  c.paste(s, 0, 0);
}

}  // namespace

ART_SHEET(TOKU1) { SupplyShip(c); }
ART_SHEET(TOKU50) { FlyAway(c); }

}  // namespace qel::art
