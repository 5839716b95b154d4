// The player's shots and lasers: cool colours (white cores, cyan, blue) so they never read as
// enemy fire. Beams are drawn as a cross-section profile repeated along their length, because
// the game shows only the part of the sheet the beam has grown to.
#include <array>
#include <cmath>
#include <cstddef>

#include "art/paint_kit.h"
#include "art/registry.h"

namespace qel::art {
namespace {

constexpr double kPi = 3.14159265358979;

const Argb kWhite = Rgb(255, 255, 255), kPale = Rgb(190, 250, 255), kCyan = Rgb(70, 220, 255),
           kBlue = Rgb(40, 130, 255), kDeep = Rgb(30, 60, 200), kNavy = Rgb(12, 20, 90);

// ---- lasers --------------------------------------------------------------------------------

// Colour of the beam at `across` (0 = the lit edge) and `along` its length. Level 1 carries a
// bright bead every 12 pixels; level 2 a pale double helix winding round the white core.
Argb BeamColour(int across, int along, bool thick) {
  if (!thick) {
    static const std::array<Argb, 7> profile = {kNavy, kCyan, kPale, kWhite, kPale, kBlue, kNavy};
    Argb c = profile[static_cast<std::size_t>(across)];
    bool bead = along % 12 < 3 && across > 0 && across < 6;
    return bead ? Mix(c, kWhite, 0.6) : c;
  }
  static const std::array<Argb, 14> profile = {kNavy,  kDeep, kBlue, kBlue, kCyan, kPale, kWhite,
                                               kWhite, kPale, kCyan, kBlue, kBlue, kDeep, kNavy};
  Argb c = profile[static_cast<std::size_t>(across)];
  for (int strand = 0; strand < 2; ++strand) {
    double wave = 6.5 + 4.5 * std::sin((along + strand * 12) * 2 * kPi / 24);
    if (across > 0 && across < 13 && std::fabs(across - wave) < 0.8) return strand ? kCyan : kPale;
  }
  return c;
}

// A beam `width` thick along the whole sheet; vertical beams run down, horizontal ones right.
void Beam(Canvas &c, bool vertical, bool thick) {
  int length = vertical ? c.h : c.w, width = vertical ? c.w : c.h;
  for (int along = 0; along < length; ++along)
    for (int across = 0; across < width; ++across) {
      Argb col = BeamColour(across, along, thick);
      if (vertical) c.set(across, along, col);
      else c.set(along, across, col);
    }
}

// ---- bullets -------------------------------------------------------------------------------

// A glowing ball: navy rim, blue body, cyan and a white highlight towards the upper left.
void Ball(Canvas &c, double cx, double cy, double r) {
  c.fillCircle(cx, cy, r, kNavy);
  c.fillCircle(cx, cy, r - 1, kBlue);
  c.fillCircle(cx - r * 0.12, cy - r * 0.12, r - 2, kCyan);
  c.fillCircle(cx - r * 0.22, cy - r * 0.22, r * 0.48, kPale);
  c.fillCircle(cx - r * 0.3, cy - r * 0.3, r * 0.22, kWhite);
}

// The normal shot: a plasma bolt with a round white head and a tapering blue tail (it flies up).
void Bolt(Canvas &c) {
  Canvas b(16, 16);
  b.fillPolygon({3.5, 6, 12.5, 6, 8, 16}, kBlue);
  b.fillEllipse(8, 6, 4.5, 5, kBlue);
  b.fillPolygon({5, 7, 11, 7, 8, 14}, kCyan);
  b.fillEllipse(8, 6, 3.5, 4, kCyan);
  b.fillEllipse(7.5, 5.5, 2.5, 3, kPale);
  b.fillEllipse(7.5, 5, 1.5, 2, kWhite);
  c.paste(b, 0, 0);
}

// The vulcan tracer: a slim capsule, the same both ways since it also flies backwards.
void Tracer(Canvas &c) {
  c.fillRect(2, 2, 4, 8, kBlue);
  c.fillRect(3, 1, 2, 10, kBlue);
  c.fillRect(2, 3, 3, 6, kCyan);
  c.fillRect(3, 2, 1, 8, kPale);
  c.fillRect(3, 3, 1, 6, kWhite);
  c.fillRect(4, 4, 1, 4, kPale);
}

// The blast-bomb shell: a silver rocket with a blue band, fins and a cyan exhaust.
void Shell(Canvas &c) {
  const Argb silver = Rgb(200, 208, 224), lit = Rgb(250, 252, 255), dim = Rgb(120, 128, 150);
  Canvas hull(8, 24);
  hull.fillPolygon({2, 6, 4, 1, 6, 6}, silver);  // nose
  hull.fillRect(2, 6, 4, 11, silver);
  hull.fillPolygon({1, 13, 2, 12, 2, 18, 1, 18}, dim);  // fins
  hull.fillPolygon({6, 12, 7, 13, 7, 18, 6, 18}, dim);
  hull.fillRect(2, 9, 4, 2, kBlue);
  hull.fillRect(2, 4, 1, 13, lit);
  hull.fillRect(5, 6, 1, 11, dim);
  hull.set(3, 2, lit);
  hull.set(3, 3, lit);
  hull.fillRect(2, 9, 1, 2, kCyan);
  hull.fillRect(2, 17, 4, 1, Rgb(70, 76, 96));  // nozzle
  hull.outline(kInk);
  Canvas flame(8, 24);
  flame.fillPolygon({2, 19, 6, 19, 4, 24}, kCyan);
  flame.fillRect(3, 19, 2, 3, kWhite);
  flame.outline(kNavy);
  c.paste(flame, 0, 0);
  c.paste(hull, 0, 0);
}

// ---- the shadow shot, shaped like the word WISH ---------------------------------------------

const char *const kWish[8] = {
    "XX...XX.XX..XXXXX.XX..XX", "XX...XX.XX.XXXXXX.XX..XX", "XX...XX.XX.XX.....XX..XX",
    "XX.X.XX.XX.XXXXX..XXXXXX", "XX.X.XX.XX..XXXXX.XXXXXX", "XXXXXXX.XX.....XX.XX..XX",
    "XXX.XXX.XX.XXXXXX.XX..XX", "XX...XX.XX.XXXXX..XX..XX",
};

// Grows every covered pixel of `src` by one into `dst` in colour `col` (a glow ring).
void Grow(Canvas &dst, const Canvas &src, int dx, int dy, Argb col) {
  for (int y = 0; y < src.h; ++y)
    for (int x = 0; x < src.w; ++x)
      if (src.covered(x, y))
        for (int k = 0; k < 9; ++k) dst.set(x + dx + k % 3 - 1, y + dy + k / 3 - 1, col);
}

// A four-point twinkle.
void Twinkle(Canvas &c, int x, int y) {
  c.fillRect(x - 2, y, 5, 1, kCyan);
  c.fillRect(x, y - 2, 1, 5, kCyan);
  c.set(x, y, kWhite);
}

void Wish(Canvas &c) {
  Canvas word(32, 32);
  const int ox = 4, oy = 12;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; kWish[y][x] != 0; ++x)
      if (kWish[y][x] == 'X') word.set(ox + x, oy + y, y < 3 ? kWhite : kPale);
  Canvas shot(32, 32);
  Grow(shot, word, 1, 2, Rgb(60, 40, 150));  // the "shadow": a violet echo below right
  Grow(shot, word, 0, 0, kBlue);
  shot.paste(word, 0, 0);
  Twinkle(shot, 7, 8);
  Twinkle(shot, 25, 24);
  shot.outline(kNavy);
  c.paste(shot, 0, 0);
}

}  // namespace

ART_SHEET(TOKU11) { Beam(c, true, false); }  // laser level 1, vertical (top part shown)
ART_SHEET(TOKU6) { Beam(c, false, false); }  // laser level 1, horizontal (left part shown)
ART_SHEET(TOKU47) { Beam(c, true, true); }   // laser level 2, vertical
ART_SHEET(TOKU48) { Beam(c, false, true); }  // laser level 2, horizontal
ART_SHEET(TOKU10) { Bolt(c); }               // only the first cell is used
ART_SHEET(TOKU12) { Tracer(c); }
ART_SHEET(TOKU13) { Ball(c, 5, 5, 4.5); }
ART_SHEET(TOKU44) { Ball(c, 8, 8, 7.5); }  // only the top cell is used
ART_SHEET(TOKU15) { Shell(c); }
ART_SHEET(TOKU19) { Wish(c); }

}  // namespace qel::art
