// The mission cards of the mission select (STHAI1..4, 160 x 80, opaque): a glimpse of each
// stage as the player will fly it, put together from the stage's own pictures. Each card lays
// real tiles of the far sheet (HAI0) and the near sheet (HAI1) out like a small piece of map,
// in the stage's drawing order (far layer, stars, planet, near layer), with the ZOZE flying
// into it. A layout whose tiles do not meet the way a map's must stops the build.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "art/registry.h"
#include "art/tile_paint.h"
#include "art/tile_set.h"
#include "platform/sheets.h"

namespace qel::art {
namespace {

using tilepaint::kTile;

// A sheet as its generator draws it (transparent where the sheet shows no picture).
Canvas Render(const std::string &name) {
  for (const SheetSpec &spec : SheetCatalogue()) {
    std::string file = SheetFileName(spec);
    if (file != name + ".png") continue;
    for (const Generator &g : Generators())
      if (g.sheet == name) {
        Canvas c(spec.w, spec.h);
        g.draw(c);
        return c;
      }
  }
  std::fprintf(stderr, "mission cards: no picture named %s\n", name.c_str());
  std::exit(1);
}

// Copies the w x h rectangle at (sx, sy) of src to (x, y); only covered pixels unless opaque,
// in which case the rest is black as on an opaque sheet.
void Blit(Canvas &c, const Canvas &src, int sx, int sy, int w, int h, int x, int y, bool opaque) {
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      if (src.covered(sx + i, sy + j)) c.set(x + i, y + j, src.get(sx + i, sy + j) | 0xFF000000u);
      else if (opaque) c.set(x + i, y + j, Rgb(0, 0, 0));
    }
}

struct Legend {
  char key;
  int code;
};

// A piece of one layer: rows of legend keys, with the top left of the first tile at (x, y).
struct TileLayout {
  tiles::Layer layer;
  std::vector<std::string> rows;
  std::vector<Legend> legend;
  int x, y;
};

int CodeOf(const TileLayout &l, char key) {
  for (const Legend &e : l.legend)
    if (e.key == key) return e.code;
  std::fprintf(stderr, "mission cards: no tile for '%c'\n", key);
  std::exit(1);
}

const tiles::Tile &TileOf(const TileLayout &l, char key) {
  const tiles::Tile *t = tiles::FindTile(l.layer, CodeOf(l, key));
  if (!t) {
    std::fprintf(stderr, "mission cards: tile code %d does not exist\n", CodeOf(l, key));
    std::exit(1);
  }
  return *t;
}

// Neighbours must meet as they do on a map: the facing edge classes are equal.
void CheckJoins(const TileLayout &l, const char *card) {
  for (std::size_t r = 0; r < l.rows.size(); ++r)
    for (std::size_t k = 0; k < l.rows[r].size(); ++k) {
      const tiles::Tile &t = TileOf(l, l.rows[r][k]);
      const tiles::Tile *right = k + 1 < l.rows[r].size() ? &TileOf(l, l.rows[r][k + 1]) : nullptr;
      const tiles::Tile *below =
          r + 1 < l.rows.size() && k < l.rows[r + 1].size() ? &TileOf(l, l.rows[r + 1][k]) : nullptr;
      const char *bad = nullptr;
      if (right && t.edge[tiles::kRight] != right->edge[tiles::kLeft]) bad = right->name.c_str();
      if (below && t.edge[tiles::kBottom] != below->edge[tiles::kTop]) bad = below->name.c_str();
      if (bad) {
        std::fprintf(stderr, "mission cards: %s, row %zu column %zu: %s does not meet %s\n", card, r, k,
                     t.name.c_str(), bad);
        std::exit(1);
      }
    }
}

void PaintTiles(Canvas &c, const Canvas &sheet, const TileLayout &l, const char *card) {
  CheckJoins(l, card);
  const bool opaque = l.layer == tiles::Layer::Far;
  for (std::size_t r = 0; r < l.rows.size(); ++r)
    for (std::size_t k = 0; k < l.rows[r].size(); ++k) {
      const int code = CodeOf(l, l.rows[r][k]);
      if (!opaque && code == 0) continue;
      Blit(c, sheet, (code / 10) * kTile, (code % 10) * kTile, kTile, kTile,
           l.x + static_cast<int>(k) * kTile, l.y + static_cast<int>(r) * kTile, opaque);
    }
}

// The star field of the stages: single pixels, mostly dim, some white and a few cyan.
void Stars(Canvas &c, int seed, int count) {
  for (int i = 0; i < count; ++i) {
    int x = static_cast<int>(Hash01(i, 0, seed) * c.w), y = static_cast<int>(Hash01(i, 1, seed) * c.h);
    double kind = Hash01(i, 2, seed);
    Argb col = kind < 0.55 ? Rgb(96, 104, 150) : kind < 0.88 ? Rgb(214, 220, 255) : Rgb(110, 226, 255);
    c.set(x, y, col);
  }
}

// Halves a picture: a pixel is covered when at least two of its four are, and takes their mean.
Canvas Half(const Canvas &src) {
  Canvas out(src.w / 2, src.h / 2);
  for (int y = 0; y < out.h; ++y)
    for (int x = 0; x < out.w; ++x) {
      int n = 0, r = 0, g = 0, b = 0;
      for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 2; ++i) {
          if (!src.covered(2 * x + i, 2 * y + j)) continue;
          Argb p = src.get(2 * x + i, 2 * y + j);
          r += (p >> 16) & 255, g += (p >> 8) & 255, b += p & 255, ++n;
        }
      if (n >= 2) out.set(x, y, Rgb(r / n, g / n, b / n));
    }
  return out;
}

// The ZOZE in level flight (frame 0 of its sheet) with its top left at (x, y).
void Zoze(Canvas &c, int x, int y) {
  static const Canvas ship = Render("PL");
  Blit(c, ship, 0, 0, 32, 32, x, y, false);
}

const std::vector<Legend> kHull = {{'.', 0},  {'o', 8},  {'H', 9},  {'r', 50}, {'7', 51}, {'^', 52},
                                   {'L', 53}, {'[', 54}, {'1', 55}, {'J', 56}, {']', 57}, {'2', 58},
                                   {'_', 59}, {'3', 60}, {'4', 61}, {'#', 62}, {'I', 63}, {'=', 64},
                                   {'+', 65}, {'Y', 66}, {'T', 67}, {'g', 68}, {'t', 69}};
const std::vector<Legend> kDust = {{'.', 0},  {',', 2},  {'@', 3},  {'`', 4},  {'r', 10}, {'7', 11},
                                   {'^', 12}, {'L', 13}, {'[', 14}, {'1', 15}, {'J', 16}, {']', 17},
                                   {'2', 18}, {'_', 19}, {'3', 20}, {'4', 21}, {'#', 22}, {'*', 23},
                                   {':', 24}, {'%', 25}, {'o', 26}, {'O', 27}, {'0', 28}, {'Q', 29}};
const std::vector<Legend> kRock = {{'.', 0},  {'r', 34}, {'7', 35}, {'^', 36}, {'L', 37},
                                   {'[', 38}, {'1', 39}, {'J', 40}, {']', 42}, {'2', 43},
                                   {'_', 44}, {'3', 45}, {'4', 46}, {'#', 47}};
const std::vector<Legend> kFleet = {{'.', 0},  {'*', 5},  {'%', 6},  {'O', 7},  {'p', 70}, {'q', 71},
                                    {'n', 72}, {'b', 73}, {'{', 74}, {'u', 75}, {'d', 76}, {'}', 77},
                                    {'v', 78}, {'w', 79}, {'y', 80}, {'z', 81}, {'F', 82}};
const std::vector<Legend> kMoon = {{'.', 0},  {',', 2},  {'L', 33}, {'[', 34}, {'J', 36}, {']', 37},
                                   {'_', 39}, {'3', 40}, {'4', 41}, {'#', 42}, {'c', 43}, {'C', 44},
                                   {'w', 45}, {'e', 46}, {'s', 47}, {'d', 48}, {'l', 49}};
const std::vector<Legend> kFloor = {{'.', 0},  {'r', 10}, {'7', 11}, {'^', 12}, {'L', 13}, {'[', 14},
                                    {'#', 15}, {'1', 16}, {'J', 17}, {']', 18}, {'2', 19}, {'_', 20},
                                    {'3', 21}, {'4', 22}, {'h', 24}, {'i', 25}, {'j', 26}, {'k', 27},
                                    {'o', 28}, {'M', 29}, {':', 30}};

const Canvas &FarSheet() {
  static const Canvas sheet = Render("HAI0");
  return sheet;
}
const Canvas &NearSheet() {
  static const Canvas sheet = Render("HAI1");
  return sheet;
}

}  // namespace

// 1: the space station under construction. A deck module with its lights and a half-built one
// hung on a construction girder, dim dust behind, and the ZOZE flying up between them.
ART_SHEET(STHAI1) {
  PaintTiles(c, FarSheet(), {tiles::Layer::Far, {",..r^7", "..r1*]", "..L3:]", "...L_J"}, kDust, -6, -22},
             "STHAI1");
  Stars(c, 11, 34);
  PaintTiles(c, NearSheet(), {tiles::Layer::Near, {"#]..I.", "o].rY7", "_J.[t]"}, kHull, -16, -8}, "STHAI1");
  Zoze(c, 52, 44);
}

// 2: the asteroid belt. Rock masses over purple dust and far-off boulders, and tumbling
// asteroids coming at the ZOZE.
ART_SHEET(STHAI2) {
  PaintTiles(c, FarSheet(), {tiles::Layer::Far, {"o.r^^7", ".r1*:]", "QL3##]"}, kDust, -8, -16}, "STHAI2");
  PaintTiles(c, NearSheet(), {tiles::Layer::Near, {"#]....", "_J..r^", "...r1#"}, kRock, -16, -12}, "STHAI2");
  static const Canvas big = Render("EN19"), small = Render("EN18");
  Blit(c, big, 48, 0, 48, 48, 84, -4, false);
  Blit(c, small, 0, 0, 32, 32, 18, 40, false);
  Zoze(c, 58, 46);
}

// 3: Jupiter. The planet hangs in the stars at the top left while the hulls of the enemy's
// main fleet slide past it.
ART_SHEET(STHAI3) {
  Stars(c, 31, 40);
  static const Canvas jupiter = Half(Render("HAI4"));
  c.paste(jupiter, 2, -10);
  PaintTiles(c, NearSheet(), {tiles::Layer::Near, {"....pn", "....{O", "..pnuF"}, kFleet, -8, -8}, "STHAI3");
  Zoze(c, 70, 46);
}

// 4: the satellite base. Its hangars, dome and mast on the deck with a tank on patrol, the
// cratered moon beyond its edge.
ART_SHEET(STHAI4) {
  PaintTiles(c, FarSheet(), {tiles::Layer::Far, {"#cC#we", "C##csd", "#c#C##"}, kMoon, -10, -18}, "STHAI4");
  PaintTiles(c, NearSheet(), {tiles::Layer::Near, {"hi#M].", "jk:o].", "____J."}, kFloor, -12, -16},
             "STHAI4");
  static const Canvas tank = Render("EN17");
  Blit(c, tank, 0, 0, 32, 32, 50, 18, false);
  Zoze(c, 122, 40);
}

}  // namespace qel::art
