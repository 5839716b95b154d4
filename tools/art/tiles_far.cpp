// The far tile sheet (HAI0, opaque): deep space and dust (stages 1 and 2), the moon below the
// satellite base (4), the warp tunnel (5), sea and land of the Earth (6), the mother computer's
// deck (the extra stage), the fly-by sky and the mission-select pattern. Far tiles stay dark
// and low in contrast: stars, bullets and the near layer are drawn over them.
#include <algorithm>
#include <cmath>
#include <functional>

#include "art/registry.h"
#include "art/tile_paint.h"

namespace qel::art {
namespace {

using namespace tilepaint;
using tiles::Tile;

const Argb kSpace = Rgb(4, 5, 14);
// clang-format off
const Ramp kDustRamp{Rgb(4, 5, 14), Rgb(12, 10, 28), Rgb(22, 15, 42), Rgb(34, 22, 54), Rgb(48, 30, 66), Rgb(68, 42, 80)};
const Ramp kMoonRamp{Rgb(10, 12, 20), Rgb(26, 28, 40), Rgb(40, 42, 56), Rgb(56, 58, 72), Rgb(76, 78, 92), Rgb(102, 104, 116)};
const Ramp kSeaRamp{Rgb(8, 22, 64), Rgb(14, 34, 86), Rgb(20, 46, 104), Rgb(36, 70, 128), Rgb(80, 120, 170)};
const Ramp kLandRamp{Rgb(36, 46, 26), Rgb(52, 68, 34), Rgb(70, 88, 42), Rgb(96, 96, 52), Rgb(122, 110, 70)};
const Ramp kDeckRamp{Rgb(10, 10, 16), Rgb(24, 26, 36), Rgb(34, 36, 50), Rgb(46, 48, 64), Rgb(62, 64, 84), Rgb(86, 88, 110)};
// clang-format on

using Paint = std::function<void(int x, int y, Argb c)>;

Paint Painter(Canvas &sheet, int code) {
  return [&sheet, code](int x, int y, Argb c) {
    if (x >= 0 && y >= 0 && x < kTile && y < kTile) Put(sheet, code, x, y, c);
  };
}

// A few faint stars well inside the tile.
void Stars(const Paint &put, int seed, int count, int brightest) {
  for (int i = 0; i < count; ++i) {
    int x = 3 + static_cast<int>(Hash01(i, 0, seed) * 26), y = 3 + static_cast<int>(Hash01(i, 1, seed) * 26);
    int v = 30 + static_cast<int>(Hash01(i, 2, seed) * (brightest - 30));
    put(x, y, Rgb(v * 3 / 4, v * 3 / 4, v));
  }
}

// --- Families --------------------------------------------------------------------------------

Argb DustPixel(const Mask &m, const Padded<std::uint8_t> &depth, int x, int y) {
  double v = 0.25 + 0.15 * depth.at(x, y) + 0.25 * TileNoise(x + 0.5, y + 0.5, 91);
  v += 0.15 * Facing(m, x, y, 4) * (depth.at(x, y) < 4 ? 1 : 0);
  return kDustRamp.pick(std::clamp(v, 0.2, 1.0), x, y);
}

double PitShade(int x, int y, int seed, int count, double rmax) {
  for (int i = 0; i < count; ++i) {
    double cx = Hash01(i, 1, seed) * 32, cy = Hash01(i, 2, seed) * 32, r = 1.5 + Hash01(i, 3, seed) * rmax;
    double dx = std::remainder(x + 0.5 - cx, 32.0), dy = std::remainder(y + 0.5 - cy, 32.0);
    if (std::hypot(dx, dy) < r) return (dx + dy) / (r * 1.4);
  }
  return 0;
}

Argb MoonPixel(const Mask &m, const Padded<std::uint8_t> &depth, int x, int y) {
  const int d = depth.at(x, y);
  double f = Facing(m, x, y, 4), rim = d < 4 ? 1.0 - (d - 1) / 3.0 : 0.0;
  double v =
      0.5 + 0.12 * TileNoise(x + 0.5, y + 0.5, 131) + 0.35 * PitShade(x, y, 133, 5, 3) + 0.45 * f * rim;
  return kMoonRamp.pick(std::clamp(v, 0.05, 1.0), x, y);
}

Argb SeaPixel(int x, int y) {
  double n = TileNoise(x + 0.5, y * 2 + 0.5, 151);
  double crest = TileNoise(x * 2 + 0.5, y + 0.5, 157);
  if (crest > 0.55 && (x + y) % 3 == 0) return kSeaRamp[3];
  return kSeaRamp.pick(0.35 + 0.3 * n, x, y);
}

Argb LandPixel(const Mask &m, const Padded<std::uint8_t> &depth, int x, int y) {
  if (depth.at(x, y) == 1) return Rgb(150, 138, 96);  // beach
  double n = TileNoise(x + 0.5, y + 0.5, 171), f = Facing(m, x, y, 3) * (depth.at(x, y) < 4 ? 1 : 0);
  return kLandRamp.pick(std::clamp(0.45 + 0.45 * n + 0.15 * f, 0.0, 1.0), x, y);
}

void DrawFamilyTile(Canvas &sheet, const Tile &t) {
  const std::string material = t.family->material;
  Mask shape = FamilyCoverage(*t.family, t.corners);
  Mask ring = OuterRing(shape);
  Padded<std::uint8_t> depth = Depth(shape, 5);
  ForTile([&](int x, int y) {
    Argb c;
    if (material == "land") {
      c = shape.at(x, y)  ? LandPixel(shape, depth, x, y)
          : ring.at(x, y) ? Rgb(120, 160, 196)
                          : SeaPixel(x, y);
    } else if (shape.at(x, y)) {
      c = material == "dust" ? DustPixel(shape, depth, x, y) : MoonPixel(shape, depth, x, y);
    } else {
      c = ring.at(x, y) && material == "dust" && (x + y) % 2 == 0 ? kDustRamp[1] : kSpace;
    }
    Put(sheet, t.code, x, y, c);
  });
  if (t.family->base == std::string("space"))  // stars only where space shows
    Stars(
        [&](int x, int y, Argb c) {
          if (!shape.at(x, y) && !ring.at(x, y)) Put(sheet, t.code, x, y, c);
        },
        t.code * 13, 2, 70);
}

// --- Decorations ---------------------------------------------------------------------------

void Sphere(const Paint &put, double cx, double cy, double r, const Ramp &ramp, int seed) {
  for (int y = static_cast<int>(cy - r - 2); y <= cy + r + 2; ++y)
    for (int x = static_cast<int>(cx - r - 2); x <= cx + r + 2; ++x) {
      double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      double a = std::atan2(dy, dx),
             lump = 1 + 0.18 * std::sin(a * 3 + seed) + 0.08 * std::sin(a * 5 + seed * 2);
      double d = std::hypot(dx, dy) / (r * lump);
      if (d > 1) continue;
      double v =
          0.65 - 0.5 * (dx + dy) / (r * 1.5) - 0.2 * d + 0.1 * TileNoise(x * 2 + 0.5, y * 2 + 0.5, seed);
      put(x, y, ramp.pick(std::clamp(v, 0.05, 1.0), x, y, 0.7));
    }
}

void Crater(const Paint &put, double cx, double cy, double r) {
  for (int y = static_cast<int>(cy - r - 2); y <= cy + r + 2; ++y)
    for (int x = static_cast<int>(cx - r - 2); x <= cx + r + 2; ++x) {
      double dx = x + 0.5 - cx, dy = y + 0.5 - cy, d = std::hypot(dx, dy);
      if (d > r + 1.2) continue;
      double v = d > r ? 0.62 - 0.2 * (dx + dy) / (r * 1.4)    // the raised rim, lit outside
                       : 0.35 + 0.35 * (dx + dy) / (r * 1.4);  // the far wall catches the light
      put(x, y, kMoonRamp.pick(std::clamp(v, 0.05, 1.0), x, y, 0.8));
    }
}

void MoonDetail(const Tile &t, const Paint &put) {
  if (t.detail == "crater") Crater(put, 16, 16, 9);
  if (t.detail == "craters") Crater(put, 10, 11, 4), Crater(put, 22, 20, 5), Crater(put, 11, 24, 2.5);
  if (t.detail == "lights")
    for (int i = 0; i < 14; ++i) {
      int x = 6 + static_cast<int>(Hash01(i, 0, 7) * 20), y = 6 + static_cast<int>(Hash01(i, 1, 7) * 20);
      put(x, y, i % 3 ? Rgb(255, 200, 90) : Rgb(150, 220, 255));
    }
}

void DustDetail(const Tile &t, const Paint &put) {
  if (t.detail == "knot") {
    for (int y = 4; y < 28; ++y)
      for (int x = 4; x < 28; ++x) {
        double d = std::hypot(x + 0.5 - 16, y + 0.5 - 16) / 12;
        if (d < 1) put(x, y, kDustRamp.pick(std::min(1.0, 0.55 + 0.5 * (1 - d)), x, y));
      }
    put(16, 16, Rgb(220, 190, 230));
  }
  if (t.detail == "stars") Stars(put, 555, 6, 200);
  if (t.detail == "dark")
    for (int y = 5; y < 27; ++y)
      for (int x = 5; x < 27; ++x)
        if (TileNoise(x + 0.5, y + 0.5, 41) > 0.05 + 0.05 * std::hypot(x - 16, y - 16) / 4)
          put(x, y, kDustRamp[1]);
}

void LandDetail(const Tile &t, const Paint &put) {
  if (t.detail == "ruins")
    for (int i = 0; i < 7; ++i) {
      int x = 5 + static_cast<int>(Hash01(i, 0, 3) * 19), y = 5 + static_cast<int>(Hash01(i, 1, 3) * 19);
      int w = 3 + static_cast<int>(Hash01(i, 2, 3) * 4);
      for (int j = 0; j < w; ++j)
        for (int k = 0; k < w - 1; ++k)
          put(x + j, y + k, j == 0 || k == 0 ? Rgb(120, 116, 104) : Rgb(70, 66, 62));
      put(x + w, y + 1, Rgb(30, 34, 20));
    }
  if (t.detail == "forest")
    for (int i = 0; i < 18; ++i) {
      int x = 4 + static_cast<int>(Hash01(i, 0, 9) * 23), y = 4 + static_cast<int>(Hash01(i, 1, 9) * 23);
      put(x, y, Rgb(30, 62, 26)), put(x + 1, y, Rgb(38, 76, 30)), put(x, y + 1, Rgb(20, 40, 18));
    }
  if (t.detail == "fields")
    for (int y = 4; y < 28; ++y)
      for (int x = 4; x < 28; ++x)
        if ((x / 8 + y / 8) % 2 == 0 && (y % 3 == 0)) put(x, y, Rgb(104, 100, 54));
}

// --- Tiles drawn on their own ---------------------------------------------------------------

void Fill(Canvas &sheet, int code, const std::function<Argb(int, int)> &fn) {
  ForTile([&](int x, int y) { Put(sheet, code, x, y, fn(x, y)); });
}

// The tunnel: flowing bands of violet and blue whose sides are the same on every tunnel tile;
// pulses of light ride on them in the middle of each tile.
Argb WarpBase(int x) {
  double u = Wrap32(x) / 32.0;
  double v = 0.5 + 0.5 * std::sin(u * 2 * 3.14159265 * 2);
  return Mix(Rgb(10, 4, 34), Rgb(28, 20, 84), v);
}

void DrawWarp(Canvas &sheet, const Tile &t) {
  const int seed = t.code * 29;
  Fill(sheet, t.code, [&](int x, int y) {
    Argb c = WarpBase(x);
    double window = std::pow(std::sin(3.14159265 * (y + 0.5) / 32), 2);
    double pulse = 0;
    for (int i = 0; i < 4; ++i) {
      double lx = 2 + Hash01(i, 0, seed) * 28, ly = 6 + Hash01(i, 1, seed) * 20,
             len = 4 + Hash01(i, 2, seed) * 8;
      if (std::fabs(x + 0.5 - lx) < 1.2 && std::fabs(y + 0.5 - ly) < len)
        pulse = std::max(pulse, 1 - std::fabs(y + 0.5 - ly) / len);
    }
    double glow = 0.25 * (TileNoise(x + 0.5, y + 0.5, seed) + 1) * window;
    c = Mix(c, Rgb(64, 48, 160), glow);
    if (pulse > 0) c = Mix(c, Rgb(140, 150, 230), std::min(1.0, pulse * 1.1) * window);
    return c;
  });
}

// Where the tunnel opens: the bands fade into space towards the bottom.
void DrawWarpMouth(Canvas &sheet, int code) {
  Fill(sheet, code, [&](int x, int y) {
    double t = (y + 0.5) / 32 + 0.18 * Dither(x, y) * 2;
    return t < 0.25 ? WarpBase(x) : t > 0.9 ? kSpace : Mix(WarpBase(x), kSpace, (t - 0.25) / 0.65);
  });
}

void DrawSpace(Canvas &sheet, const Tile &t) {
  Fill(sheet, t.code, [](int, int) { return kSpace; });
  Paint put = Painter(sheet, t.code);
  Stars(put, t.code * 7 + 1, t.name == "space_stars" ? 7 : 3, t.name == "space_stars" ? 150 : 90);
  if (t.name == "space_stars")
    put(20, 12, Rgb(220, 220, 255)), put(19, 12, Rgb(90, 90, 130)), put(21, 12, Rgb(90, 90, 130)),
        put(20, 11, Rgb(90, 90, 130)), put(20, 13, Rgb(90, 90, 130));
  if (t.name == "space_galaxy")
    for (int i = 0; i < 60; ++i) {
      double a = i * 0.35, r = 1 + i * 0.12;
      int x = static_cast<int>(16 + std::cos(a) * r * 1.6), y = static_cast<int>(16 + std::sin(a) * r * 0.7);
      put(x, y, Mix(Rgb(110, 100, 140), kSpace, i / 70.0));
    }
  if (t.name == "space_glow")
    ForTile([&](int x, int y) {
      double d = std::hypot(x + 0.5 - 16, y + 0.5 - 16) / 13;
      if (d < 1 && Dither(x, y) + 0.5 < (1 - d) * 0.8) put(x, y, Rgb(34, 12, 22));
    });
  if (t.name.rfind("far_rock", 0) == 0) {
    const int i = t.code - 26;
    const Ramp rock{Rgb(14, 10, 10), Rgb(30, 24, 22), Rgb(46, 38, 34), Rgb(66, 56, 48), Rgb(90, 78, 66)};
    Sphere(put, 12 + 8 * Hash01(i, 0, 3), 12 + 8 * Hash01(i, 1, 3), 4 + i * 1.6, rock, i + 3);
  }
}

void DrawSky(Canvas &sheet, int code) {
  Fill(sheet, code, [](int x, int y) {
    double n = TileNoise(x + 0.5, y * 1.0 + 0.5, 201) * 0.5 + TileNoise(x * 2 + 0.5, y + 0.5, 203) * 0.25;
    Ramp sky{Rgb(22, 34, 84), Rgb(30, 48, 104), Rgb(40, 62, 122), Rgb(54, 80, 140)};
    return sky.pick(std::clamp(0.45 + n, 0.0, 1.0), x, y);
  });
}

// A dark lattice of diamonds: quiet enough for yellow text, tiled in both directions.
void DrawMenu(Canvas &sheet, int code) {
  Fill(sheet, code, [](int x, int y) {
    const int a = (x + y) % 16, b = ((x - y) % 16 + 16) % 16;
    if (a == 0 || b == 0) return Rgb(30, 36, 78);
    if (a == 1 || b == 1) return Rgb(6, 8, 22);
    return ((x / 8 + y / 8) % 2) ? Rgb(14, 18, 44) : Rgb(12, 16, 40);
  });
}

Argb DeckTexture(int x, int y) {
  const int xx = Wrap32(x) % 16, yy = Wrap32(y) % 16;
  if (xx == 0 || yy == 0) return kDeckRamp[0];
  if (xx == 1 || yy == 1) return kDeckRamp[4];
  if (xx == 15 || yy == 15) return kDeckRamp[1];
  if ((xx == 3 || xx == 12) && (yy == 3 || yy == 12)) return kDeckRamp[5];
  return kDeckRamp.pick(0.5 + 0.15 * TileNoise(x + 0.5, y + 0.5, 211), x, y, 0.5);
}

void DrawDeck(Canvas &sheet, const Tile &t) {
  Fill(sheet, t.code, DeckTexture);
  Paint put = Painter(sheet, t.code);
  if (t.name == "deck_vent")
    for (int y = 8; y < 24; y += 3)
      for (int x = 8; x < 24; ++x) put(x, y, kDeckRamp[0]), put(x, y + 1, kDeckRamp[3]);
  if (t.name == "deck_plate")
    for (int y = 5; y < 27; ++y)
      for (int x = 5; x < 27; ++x)
        put(x, y, x == 5 || y == 5 ? kDeckRamp[5] : x == 26 || y == 26 ? kDeckRamp[0] : kDeckRamp[3]);
  if (t.name == "deck_pad")
    ForTile([&](int x, int y) {
      double d =
          std::max(std::fabs(x + 0.5 - 16) * 0.87 + std::fabs(y + 0.5 - 16) * 0.5, std::fabs(y + 0.5 - 16));
      if (d < 13)
        put(x, y,
            d > 11.5 ? kDeckRamp[0]
            : d > 10 ? ((x + y) % 4 < 2 ? Rgb(230, 120, 20) : Rgb(40, 24, 10))
            : d > 9  ? kDeckRamp[5]
                     : kDeckRamp.pick(0.3 - 0.2 * (x + y - 32) / 20.0, x, y));
    });
  if (t.links) {
    const double hw = 2.5;
    ForTile([&](int x, int y) {
      bool v = (t.links & tiles::kLinkTop) && std::fabs(x + 0.5 - 16) < hw + 1;
      bool h = (t.links & tiles::kLinkLeft) && std::fabs(y + 0.5 - 16) < hw + 1;
      if (!v && !h) return;
      double across = v && h ? std::min(std::fabs(x + 0.5 - 16), std::fabs(y + 0.5 - 16))
                      : v    ? std::fabs(x + 0.5 - 16)
                             : std::fabs(y + 0.5 - 16);
      int along = v ? Wrap32(y) : Wrap32(x);
      Argb glow = along % 8 < 2 ? Rgb(255, 180, 120) : Rgb(200, 40, 24);
      put(x, y, across > hw ? kDeckRamp[0] : across > hw - 1 ? Rgb(110, 20, 14) : glow);
    });
  }
}

// The pit where the mother computer rests: rings of machinery around a glowing eye.
void DrawCore(Canvas &sheet) {
  StampCanvas s(3, 3);
  Canvas &p = s.pic;
  for (int y = 0; y < 96; ++y)
    for (int x = 0; x < 96; ++x) {
      double dx = x + 0.5 - 48, dy = y + 0.5 - 48, d = std::hypot(dx, dy),
             lit = -(dx + dy) / (d + 1e-9) / 1.414;
      Argb c = DeckTexture(x, y);
      if (d < 44) c = kDeckRamp.pick(0.35 - 0.25 * lit, x, y);  // the pit wall, lit on its far side
      if (d < 44 && d > 41) c = kDeckRamp[d > 43 ? 0 : 5];
      if (d < 36) c = kDeckRamp.pick(0.45 + 0.2 * std::sin(std::atan2(dy, dx) * 12) * 0.5, x, y);
      if (d < 36 && d > 34) c = Rgb(150, 24, 20);
      if (d < 26) c = kDeckRamp.pick(0.25 + 0.25 * (d / 26), x, y);
      if (d < 26 && (static_cast<int>(std::atan2(dy, dx) * 8 / 3.14159265 + 16) % 2 == 0) && d > 20)
        c = Rgb(90, 20, 18);
      if (d < 10) c = Mix(Rgb(255, 200, 120), Rgb(180, 20, 16), d / 10);
      p.set(x, y, c);
    }
  const int codes[9] = {57, 58, 59, 60, 61, 62, 64, 65, 66};
  for (int part = 0; part < 9; ++part)
    ForTile([&](int x, int y) {
      Put(sheet, codes[part], x, y, p.get((part % 3) * 32 + x, (part / 3) * 32 + y));
    });
}

void DrawBasin(Canvas &sheet) {
  StampCanvas s(2, 2);
  Canvas &p = s.pic;
  Mask full = FamilyCoverage(tiles::detail::FamilyNamed("moon"), 15);
  Padded<std::uint8_t> depth = Depth(full, 5);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) p.set(x, y, MoonPixel(full, depth, Wrap32(x), Wrap32(y)));
  Paint put = [&](int x, int y, Argb c) { p.set(x, y, c); };
  Crater(put, 32, 32, 22);
  Crater(put, 26, 36, 4);
  for (int part = 0; part < 4; ++part)
    ForTile(
        [&](int x, int y) { Put(sheet, 45 + part, x, y, p.get((part % 2) * 32 + x, (part / 2) * 32 + y)); });
}

void DrawSingle(Canvas &sheet, const Tile &t) {
  if (t.name == "sky") DrawSky(sheet, t.code);
  else if (t.name == "menu") DrawMenu(sheet, t.code);
  else if (t.name == "warp_mouth") DrawWarpMouth(sheet, t.code);
  else if (t.name.rfind("warp_", 0) == 0) DrawWarp(sheet, t);
  else if (t.name.rfind("deck", 0) == 0) DrawDeck(sheet, t);
  else if (t.name.rfind("sea", 0) == 0) {
    Fill(sheet, t.code, SeaPixel);
    Paint put = Painter(sheet, t.code);
    if (t.name == "sea_waves")
      for (int i = 0; i < 6; ++i) {
        int x = 4 + static_cast<int>(Hash01(i, 0, 61) * 22), y = 4 + static_cast<int>(Hash01(i, 1, 61) * 24);
        put(x, y, Rgb(150, 190, 220)), put(x + 1, y, Rgb(110, 150, 200)), put(x + 2, y, Rgb(150, 190, 220));
      }
    if (t.name == "sea_wake")
      for (int y = 4; y < 28; ++y)
        put(15 - (28 - y) / 5, y, Rgb(130, 170, 210)), put(17 + (28 - y) / 5, y, Rgb(130, 170, 210));
    if (t.name == "sea_wake") put(16, 4, Rgb(200, 200, 200)), put(16, 5, Rgb(90, 90, 96));
    if (t.name == "sea_isle")
      Sphere(put, 16, 16, 6, Ramp{kLandRamp[0], Rgb(150, 138, 96), kLandRamp[2], kLandRamp[3], kLandRamp[4]},
             5);
  } else {
    DrawSpace(sheet, t);
  }
}

}  // namespace

ART_SHEET(HAI0) {
  for (const Tile &t : tiles::Tiles()) {
    if (t.layer != tiles::Layer::Far) continue;
    if (t.family) {
      DrawFamilyTile(c, t);
      Paint put = Painter(c, t.code);
      MoonDetail(t, put);
      DustDetail(t, put);
      LandDetail(t, put);
    } else if (t.detail != "moon_basin" && t.detail != "core") {
      DrawSingle(c, t);
    }
  }
  DrawBasin(c);
  DrawCore(c);
}

}  // namespace qel::art
