// Lettering and frames: damage figures, weapon name tags, the title's clear marks and the
// selection frame. Letters are drawn from hand-made 8-pixel-wide bitmaps with 2-pixel strokes,
// which stay readable at 1x, then shaded and outlined like every other sprite.
#include <cstddef>
#include <string>

#include "art/paint_kit.h"
#include "art/registry.h"

namespace qel::art {
namespace {

constexpr int kGlyphW = 8;

// Digits 8 x 12, for the damage figure.
// clang-format off
const char *const kDigits[10][12] = {
    {".XXXXXX.", "XXXXXXXX", "XX....XX", "XX....XX", "XX....XX", "XX....XX", "XX....XX", "XX....XX", "XX....XX", "XX....XX", "XXXXXXXX", ".XXXXXX."},
    {"...XX...", "..XXX...", ".XXXX...", "XX.XX...", "...XX...", "...XX...", "...XX...", "...XX...", "...XX...", "...XX...", "XXXXXXXX", "XXXXXXXX"},
    {".XXXXXX.", "XXXXXXXX", "XX....XX", "......XX", "......XX", ".XXXXXXX", "XXXXXXX.", "XX......", "XX......", "XX......", "XXXXXXXX", "XXXXXXXX"},
    {".XXXXXX.", "XXXXXXXX", "XX....XX", "......XX", "......XX", "..XXXXX.", "..XXXXX.", "......XX", "......XX", "XX....XX", "XXXXXXXX", ".XXXXXX."},
    {".....XX.", "....XXX.", "...XXXX.", "..XX.XX.", ".XX..XX.", "XX...XX.", "XXXXXXXX", "XXXXXXXX", ".....XX.", ".....XX.", ".....XX.", ".....XX."},
    {"XXXXXXXX", "XXXXXXXX", "XX......", "XX......", "XXXXXXX.", "XXXXXXXX", "......XX", "......XX", "......XX", "XX....XX", "XXXXXXXX", ".XXXXXX."},
    {".XXXXXX.", "XXXXXXXX", "XX....XX", "XX......", "XX......", "XXXXXXX.", "XXXXXXXX", "XX....XX", "XX....XX", "XX....XX", "XXXXXXXX", ".XXXXXX."},
    {"XXXXXXXX", "XXXXXXXX", "XX....XX", ".....XX.", ".....XX.", "....XX..", "....XX..", "...XX...", "...XX...", "...XX...", "...XX...", "...XX..."},
    {".XXXXXX.", "XXXXXXXX", "XX....XX", "XX....XX", "XX....XX", ".XXXXXX.", "XXXXXXXX", "XX....XX", "XX....XX", "XX....XX", "XXXXXXXX", ".XXXXXX."},
    {".XXXXXX.", "XXXXXXXX", "XX....XX", "XX....XX", "XX....XX", "XXXXXXXX", ".XXXXXXX", "......XX", "......XX", "XX....XX", "XXXXXXXX", ".XXXXXX."},
};
// clang-format on

// Capitals 8 x 10, for the name tags and the clear marks.
struct Letter {
  char name;
  const char *rows[10];
};
// clang-format off
const Letter kLetters[] = {
    {'N', {"XX....XX", "XXX...XX", "XXXX..XX", "XXXX..XX", "XX.XX.XX", "XX.XX.XX", "XX..XXXX", "XX..XXXX", "XX...XXX", "XX....XX"}},
    {'L', {"XX......", "XX......", "XX......", "XX......", "XX......", "XX......", "XX......", "XX......", "XXXXXXXX", "XXXXXXXX"}},
    {'B', {"XXXXXXX.", "XXXXXXXX", "XX....XX", "XX....XX", "XXXXXXX.", "XXXXXXX.", "XX....XX", "XX....XX", "XXXXXXXX", "XXXXXXX."}},
    {'V', {"XX....XX", "XX....XX", "XX....XX", "XX....XX", ".XX..XX.", ".XX..XX.", ".XX..XX.", "..XXXX..", "..XXXX..", "...XX..."}},
    {'W', {"XX....XX", "XX....XX", "XX....XX", "XX.XX.XX", "XX.XX.XX", "XX.XX.XX", "XXXXXXXX", "XXX..XXX", "XX....XX", "X......X"}},
    {'F', {"XXXXXXXX", "XXXXXXXX", "XX......", "XX......", "XXXXXX..", "XXXXXX..", "XX......", "XX......", "XX......", "XX......"}},
    {'M', {"XX....XX", "XXX..XXX", "XXXXXXXX", "XX.XX.XX", "XX.XX.XX", "XX....XX", "XX....XX", "XX....XX", "XX....XX", "XX....XX"}},
    {'S', {".XXXXXX.", "XXXXXXXX", "XX......", "XX......", "XXXXXXX.", ".XXXXXXX", "......XX", "......XX", "XXXXXXXX", ".XXXXXX."}},
    {'H', {"XX....XX", "XX....XX", "XX....XX", "XX....XX", "XXXXXXXX", "XXXXXXXX", "XX....XX", "XX....XX", "XX....XX", "XX....XX"}},
};
// clang-format on

const char *const *LetterRows(char name) {
  for (const Letter &l : kLetters)
    if (l.name == name) return l.rows;
  return kLetters[0].rows;
}

// Colours for a glyph, picked per pixel: face by row, lighter on the upper-left stroke edges.
struct Tint {
  Argb top, bottom, light;
};

// Stamps a glyph of `rows` lines with its top-left at (x, y). The face runs from `top` to
// `bottom`; stroke pixels whose upper or left neighbour is empty catch the light.
void Stamp(Canvas &c, const char *const *rows, int lines, int x, int y, const Tint &tint) {
  auto ink = [&](int i, int j) { return i >= 0 && j >= 0 && i < kGlyphW && j < lines && rows[j][i] == 'X'; };
  for (int j = 0; j < lines; ++j)
    for (int i = 0; i < kGlyphW; ++i) {
      if (!ink(i, j)) continue;
      Argb face = Mix(tint.top, tint.bottom, lines > 1 ? static_cast<double>(j) / (lines - 1) : 0);
      c.set(x + i, y + j, (!ink(i - 1, j) || !ink(i, j - 1)) ? Mix(face, tint.light, 0.6) : face);
    }
}

// A glyph on a cell of its own, outlined there so neighbours never merge.
void OutlinedGlyph(Canvas &c, const char *const *rows, int lines, int x, int y, const Tint &tint, Argb edge) {
  Canvas g(kGlyphW + 2, lines + 2);
  Stamp(g, rows, lines, 1, 1, tint);
  g.outline(edge);
  c.paste(g, x - 1, y - 1);
}

// A plate with a bevel: light top and left edges, dark bottom and right, an outline round it.
void Plate(Canvas &c, int x, int y, int w, int h, Argb face, Argb light, Argb dark) {
  c.fillRect(x, y, w, h, kInk);
  c.fillRect(x + 1, y + 1, w - 2, h - 2, dark);
  c.fillRect(x + 1, y + 1, w - 3, h - 3, light);
  c.fillRect(x + 2, y + 2, w - 4, h - 4, face);
  c.set(x, y, kClear);  // clipped corners soften the box
  c.set(x + w - 1, y, kClear);
  c.set(x, y + h - 1, kClear);
  c.set(x + w - 1, y + h - 1, kClear);
}

// A round medal of diameter 18 in a 20 x 20 cell: rim, face and a letter.
void Medal(Canvas &c, int ox, char letter, Argb rim, Argb face, const Tint &tint) {
  Canvas m(20, 20);
  m.fillCircle(10, 10, 9, Shade(rim, 0.55));
  m.fillCircle(9.6, 9.6, 8.4, rim);
  m.fillCircle(10.2, 10.2, 7.2, Shade(face, 0.6));
  m.fillCircle(10, 10, 6.8, face);
  Stamp(m, LetterRows(letter), 10, 6, 5, tint);
  m.outline(kInk);
  c.paste(m, ox, 0);
}

}  // namespace

// Damage taken, rising from the ship: hot yellow to red figures, easy to read over anything.
ART_SHEET(TOKU7) {
  const Tint tint{Rgb(255, 250, 160), Rgb(240, 70, 30), Rgb(255, 255, 255)};
  for (int d = 0; d < 10; ++d) OutlinedGlyph(c, kDigits[d], 12, d * 16 + 4, 2, tint, Rgb(64, 8, 8));
}

// The weapon name tag under the ship after a change: the key letter of each weapon, 1..8.
ART_SHEET(TOKU5) {
  const std::string letters = "NLBVWFMS";
  const Tint tint{Rgb(255, 255, 255), Rgb(120, 220, 255), Rgb(255, 255, 255)};
  for (std::size_t i = 0; i < letters.size(); ++i) {
    int ox = static_cast<int>(i) * 20;
    Plate(c, ox + 1, 2, 18, 16, Rgb(14, 34, 96), Rgb(110, 190, 255), Rgb(20, 60, 150));
    Stamp(c, LetterRows(letters[i]), 10, ox + 6, 5, tint);
  }
}

// Title clear marks: a silver-blue medal for NORMAL, a gold-red one for HARD.
ART_SHEET(TOKU52) {
  Medal(c, 0, 'N', Rgb(200, 214, 236), Rgb(36, 96, 200),
        {Rgb(255, 255, 255), Rgb(170, 220, 255), Rgb(255, 255, 255)});
  Medal(c, 20, 'H', Rgb(255, 204, 64), Rgb(190, 30, 30),
        {Rgb(255, 255, 210), Rgb(255, 200, 80), Rgb(255, 255, 255)});
}

// The selection frame round a 32 x 32 icon: a bright bevelled ring with heavier corners, hollow
// so the icon shows through. Only the left cell is ever drawn.
ART_SHEET(TOKU42) {
  const Argb light = Rgb(200, 250, 255), mid = Rgb(60, 200, 255), dark = Rgb(20, 90, 170);
  c.fillRect(0, 0, 32, 32, kInk);
  c.fillRect(1, 1, 30, 30, dark);
  c.fillRect(1, 1, 29, 29, light);
  c.fillRect(2, 2, 28, 28, mid);
  c.fillRect(3, 3, 26, 26, dark);
  c.fillRect(4, 4, 24, 24, kClear);
  for (int k = 0; k < 4; ++k) {  // corner blocks
    int x = (k & 1) ? 24 : 4, y = (k & 2) ? 24 : 4;
    c.fillRect(x, y, 4, 4, mid);
    c.fillRect(x, y, 3, 1, light);
    c.fillRect(x, y, 1, 3, light);
  }
  c.outline(kInk);
  c.fillRect(32, 0, 32, 32, kClear);  // the right half is never shown
}

}  // namespace qel::art
