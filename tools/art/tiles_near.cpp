// The near tile sheet (HAI1; its mask HAI2 follows the coverage): the scenery that passes over
// the far layer. Station decks and construction girders (stage 1), drifting rocks (2), the enemy
// fleet's armour (3 and the extra stage), the satellite base's aprons and buildings (4), warp
// streaks (5) and clouds over the Earth (6). Everything has a one-pixel dark rim so that it
// reads over black space as well as over the far tiles.
#include <algorithm>
#include <cmath>
#include <functional>

#include "art/registry.h"
#include "art/tile_paint.h"

namespace qel::art {
namespace {

using namespace tilepaint;
using tiles::Tile;

struct Look {
  Ramp ramp;  // ink, shadow, dark, base, light, highlight
  std::function<Argb(int x, int y)> texture;
};

const Ramp kHullRamp{
    kInk, Rgb(52, 50, 68), Rgb(78, 76, 98), Rgb(108, 106, 130), Rgb(146, 144, 170), Rgb(196, 194, 216)};
const Ramp kFleetRamp{Rgb(20, 16, 10),   Rgb(58, 54, 30),   Rgb(84, 80, 44),
                      Rgb(112, 108, 60), Rgb(146, 140, 82), Rgb(188, 180, 116)};
const Ramp kFloorRamp{Rgb(20, 16, 12),    Rgb(84, 74, 58),    Rgb(118, 106, 84),
                      Rgb(150, 138, 110), Rgb(182, 170, 138), Rgb(214, 204, 174)};
const Ramp kRockRamp{Rgb(22, 14, 10),  Rgb(58, 42, 32),   Rgb(84, 64, 48),
                     Rgb(112, 88, 66), Rgb(142, 116, 90), Rgb(178, 152, 122)};
const Ramp kCloudRamp{Rgb(64, 76, 112),   Rgb(110, 124, 158), Rgb(146, 158, 188),
                      Rgb(180, 190, 212), Rgb(206, 212, 228), Rgb(232, 236, 246)};
const Ramp kGirderRamp{Rgb(40, 20, 6),    Rgb(106, 60, 16),  Rgb(156, 96, 28),
                       Rgb(200, 134, 44), Rgb(236, 176, 72), Rgb(255, 222, 140)};

// Plates 16 pixels square with bevelled seams and rivets.
Argb HullTexture(int x, int y) {
  const int xx = Wrap32(x) % 16, yy = Wrap32(y) % 16;
  if (xx == 0 || yy == 0) return kHullRamp[1];
  if (xx == 1 || yy == 1) return kHullRamp[4];
  if ((xx == 4 || xx == 13) && (yy == 4 || yy == 13)) return kHullRamp[5];
  double n = TileNoise(x + 0.5, y + 0.5, 11);
  return n > 0.35 ? kHullRamp[2] : kHullRamp[3];
}

// Armour: ribs every eight pixels, seams every sixteen, rust where the noise says so.
Argb FleetTexture(int x, int y) {
  const int xx = Wrap32(x), yy = Wrap32(y);
  if ((xx + 8) % 16 == 0) return kFleetRamp[1];
  if ((xx + 8) % 16 == 1) return kFleetRamp[4];
  if (yy % 8 == 0) return kFleetRamp[2];
  if (yy % 8 == 1) return kFleetRamp[4];
  double n = TileNoise(x + 0.5, y + 0.5, 23);
  if (n > 0.42) return Rgb(122, 64, 34);
  return n > 0.2 ? kFleetRamp[2] : kFleetRamp[3];
}

// Base aprons: concrete slabs with expansion joints and a little grit.
Argb FloorTexture(int x, int y) {
  const int xx = Wrap32(x) % 16, yy = Wrap32(y) % 16;
  if (xx == 0 || yy == 0) return kFloorRamp[2];
  double n = TileNoise(x + 0.5, y + 0.5, 37) + 0.6 * (Hash01(Wrap32(x), Wrap32(y), 5) - 0.5);
  return n > 0.45 ? kFloorRamp[4] : n < -0.5 ? kFloorRamp[2] : kFloorRamp[3];
}

Look LookOf(const std::string &material) {
  if (material == "hull") return {kHullRamp, HullTexture};
  if (material == "fleet") return {kFleetRamp, FleetTexture};
  return {kFloorRamp, FloorTexture};
}

// Rim, bevel and texture of a blocky shape.
Argb BlockyPixel(const Look &look, const Mask &m, const Padded<std::uint8_t> &depth, int x, int y) {
  const int d = depth.at(x, y);
  const Ramp &c = look.ramp;
  if (d == 1) return c[0];
  if (d <= 3) {
    double f = Facing(m, x, y, 3);
    if (f > 0.3) return c[d == 2 ? 5 : 4];
    if (f < -0.3) return c[d == 2 ? 1 : 2];
  }
  return look.texture(x, y);
}

// Craters that repeat with the tile, so they run on across neighbours.
double CraterShade(int x, int y, int seed) {
  const int n = 4;
  for (int i = 0; i < n; ++i) {
    double cx = Hash01(i, 1, seed) * 32, cy = Hash01(i, 2, seed) * 32, r = 2 + Hash01(i, 3, seed) * 3;
    double dx = std::remainder(x + 0.5 - cx, 32.0), dy = std::remainder(y + 0.5 - cy, 32.0);
    double d = std::hypot(dx, dy);
    if (d < r) return (dx + dy) / (r * 1.4);  // lit on the far (lower right) wall
  }
  return 0;
}

// Dome shading of a round shape: bright where its rim faces the light.
Argb RoundPixel(const Ramp &ramp, const Mask &m, const Padded<std::uint8_t> &depth, int x, int y, int seed,
                bool craters) {
  const int d = depth.at(x, y);
  if (d == 1) return ramp[0];
  double f = Facing(m, x, y, 4);
  double rim = std::max(0.0, 1.0 - (d - 2) / 4.0);
  double v = 0.55 + 0.38 * f * rim + 0.14 * TileNoise(x + 0.5, y + 0.5, seed);
  if (craters) v += 0.3 * CraterShade(x, y, seed);
  return ramp.pick(std::clamp(v, 0.0, 1.0) * 0.8 + 0.2, x, y);
}

// Cloud tops: the noise is their height, lit from the top left.
Argb CloudPixel(const Mask &m, const Padded<std::uint8_t> &depth, int x, int y) {
  const int d = depth.at(x, y);
  if (d == 1) return kCloudRamp[0];
  double f = Facing(m, x, y, 4), rim = std::max(0.0, 1.0 - (d - 2) / 4.0);
  double h0 = TileNoise(x + 0.5, y + 0.5, 71);
  double slope = h0 - TileNoise(x - 1.5, y - 1.5, 71);
  double v = 0.62 + 0.3 * f * rim + 1.6 * slope;
  return kCloudRamp.pick(std::clamp(v, 0.0, 1.0) * 0.85 + 0.15, x, y);
}

// --- Girders -------------------------------------------------------------------------------

// A truss along the run: two rails and a zig-zag brace, repeating every 16 pixels.
bool TrussAt(double across, double along) {
  if (std::fabs(std::fabs(across) - 5) < 1.0) return true;
  double t = std::fmod(std::fmod(along, 16.0) + 16.0, 16.0);
  double brace = -5 + 10 * (t < 8 ? t / 8 : (16 - t) / 8);
  return std::fabs(across - brace) < 0.9 && std::fabs(across) < 5;
}

Mask GirderBody(int links) {
  Mask run = LinkCoverage(links, 6.5), body = TileMask();
  const bool node = links != (tiles::kLinkTop | tiles::kLinkBottom) &&
                    links != (tiles::kLinkLeft | tiles::kLinkRight) &&
                    __builtin_popcount(static_cast<unsigned>(links)) > 2;
  ForPadded([&](int x, int y) {
    if (!run.at(x, y)) return;
    const double px = x + 0.5 - 16, py = y + 0.5 - 16;
    bool vertical = (links & (tiles::kLinkTop | tiles::kLinkBottom)) && std::fabs(px) < 6.5;
    bool horizontal = (links & (tiles::kLinkLeft | tiles::kLinkRight)) && std::fabs(py) < 6.5;
    bool in = (vertical && TrussAt(px, y)) || (horizontal && TrussAt(py, x));
    if (node && std::fabs(px) < 7 && std::fabs(py) < 7) in = true;
    body.put(x, y, in);
  });
  return body;
}

Argb GirderPixel(const Mask &body, int x, int y) {
  double f = Facing(body, x, y, 1);
  const int xx = Wrap32(x), yy = Wrap32(y);
  if (std::fabs(xx + 0.5 - 16) < 7 && std::fabs(yy + 0.5 - 16) < 7 && body.at(x, y) &&
      (xx == 12 || xx == 19) && (yy == 12 || yy == 19))
    return kGirderRamp[1];  // the node plate's bolts
  return kGirderRamp[f > 0.2 ? 5 : f < -0.2 ? 2 : 3];
}

// --- Decorations on full tiles -------------------------------------------------------------

using Paint = std::function<void(int x, int y, Argb c)>;

void Disc(const Paint &put, double cx, double cy, double r, Argb c) {
  for (int y = static_cast<int>(cy - r - 1); y <= cy + r + 1; ++y)
    for (int x = static_cast<int>(cx - r - 1); x <= cx + r + 1; ++x)
      if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= r) put(x, y, c);
}

// A raised round plate lit from the top left, with a dark well in the middle.
void Mount(const Paint &put, const Ramp &r, double radius, double well, Argb wellColour) {
  Disc(put, 16, 16, radius + 1, r[0]);
  Disc(put, 15.5, 15.5, radius, r[4]);
  Disc(put, 16.5, 16.5, radius - 0.5, r[2]);
  Disc(put, 16, 16, radius - 1.5, r[3]);
  Disc(put, 16, 16, well + 1, r[0]);
  Disc(put, 16, 16, well, wellColour);
  for (int i = 0; i < 8; ++i) {
    double a = i * 3.14159265 / 4;
    put(static_cast<int>(16 + std::cos(a) * (radius - 3)), static_cast<int>(16 + std::sin(a) * (radius - 3)),
        r[5]);
  }
}

void Windows(const Paint &put, Argb lit, Argb frame, int rowY, int count) {
  for (int i = 0; i < count; ++i) {
    int x0 = 6 + i * 7;
    for (int y = rowY - 1; y <= rowY + 2; ++y)
      for (int x = x0 - 1; x <= x0 + 4; ++x) put(x, y, frame);
    for (int y = rowY; y <= rowY + 1; ++y)
      for (int x = x0; x <= x0 + 3; ++x) put(x, y, (i * 5 + rowY) % 3 == 0 ? Mix(lit, frame, 0.6) : lit);
  }
}

void Hatch(const Paint &put, const Ramp &r) {
  for (int y = 8; y < 24; ++y)
    for (int x = 8; x < 24; ++x) {
      Argb c = r[3];
      if (x == 8 || y == 8 || x == 23 || y == 23) c = r[0];
      else if (x == 9 || y == 9) c = r[1];
      else if (x == 22 || y == 22) c = r[5];
      else if (((x + y) / 3) % 2 == 0 && (x < 12 || x > 19 || y < 12 || y > 19)) c = Rgb(200, 160, 32);
      else if (x >= 12 && x <= 19 && y >= 12 && y <= 19) c = r[2];
      put(x, y, c);
    }
}

void Vents(const Paint &put, const Ramp &r) {
  for (int i = 0; i < 5; ++i)
    for (int x = 7; x < 25; ++x) {
      put(x, 7 + i * 4, r[0]);
      put(x, 8 + i * 4, r[5]);
    }
}

void FleetLights(const Paint &put) {
  for (int i = 0; i < 3; ++i) {
    int x = 8 + i * 8;
    Disc(put, x + 0.5, 16.5, 2.5, Rgb(40, 8, 8));
    Disc(put, x + 0.5, 16.5, 1.6, i == 1 ? Rgb(255, 176, 48) : Rgb(232, 40, 32));
    put(x, 15, Rgb(255, 230, 200));
  }
}

void Dome(const Paint &put, const Ramp &r, double radius) {
  Disc(put, 17.5, 17.5, radius + 1, r[0]);  // shadow side
  Disc(put, 16, 16, radius + 1, r[0]);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      double dx = x + 0.5 - 16, dy = y + 0.5 - 16, d = std::hypot(dx, dy);
      if (d > radius) continue;
      double v = 0.75 - 0.4 * (dx + dy) / (radius * 1.4) - 0.25 * (d / radius);
      put(x, y, r.pick(std::clamp(v, 0.05, 1.0), x, y, 0.6));
    }
}

void Mast(const Paint &put) {
  for (int i = 0; i < 14; ++i) put(17 + i / 2 + 1, 17 + i, Rgb(40, 38, 34));  // its shadow
  Disc(put, 16, 16, 4.5, kFloorRamp[0]);
  Disc(put, 16, 16, 3.5, kFloorRamp[4]);
  Disc(put, 16, 16, 1.5, Rgb(255, 64, 48));
  for (int i = 0; i < 3; ++i) put(16, 6 + i * 3, kFloorRamp[5]), put(16, 24 + i * 2, kFloorRamp[5]);
}

void RunwayLights(const Paint &put) {
  for (int i = 0; i < 4; ++i) {
    int y = 3 + i * 8;
    put(4, y, Rgb(96, 255, 128)), put(27, y, Rgb(96, 255, 128));
    put(4, y + 1, Rgb(24, 80, 40)), put(27, y + 1, Rgb(24, 80, 40));
  }
}

void Decorate(const Tile &t, const Paint &put) {
  const Ramp &r = t.family->material == std::string("fleet")   ? kFleetRamp
                  : t.family->material == std::string("floor") ? kFloorRamp
                                                               : kHullRamp;
  const std::string &d = t.detail;
  if (d == "lights" && t.family->material == std::string("hull")) {
    Windows(put, Rgb(255, 214, 110), r[0], 9, 3);
    Windows(put, Rgb(140, 220, 255), r[0], 20, 3);
  } else if (d == "lights" && t.family->material == std::string("fleet")) {
    FleetLights(put);
  } else if (d == "lights") {
    RunwayLights(put);
  } else if (d == "hatch") {
    Hatch(put, r);
  } else if (d == "vents") {
    Vents(put, r);
  } else if (d == "dome") {
    Dome(put, r, 9);
  } else if (d == "mast") {
    Mast(put);
  } else if (d == "cannon_mount") {
    Mount(put, r, 11, 5, Rgb(24, 20, 28));
  } else if (d == "turret_base") {
    Mount(put, r, 12, 7, Rgb(40, 36, 46));
  }
}

// --- Whole tiles ---------------------------------------------------------------------------

void DrawFamilyTile(Canvas &sheet, const Tile &t) {
  const tiles::Family &f = *t.family;
  Mask shape = FamilyCoverage(f, t.corners);
  Mask girder = t.links ? GirderBody(t.links) : TileMask();
  Mask girderRim = OuterRing(girder);
  Padded<std::uint8_t> depth = Depth(shape, 5);
  const std::string material = f.material;
  ForTile([&](int x, int y) {
    if (shape.at(x, y)) {
      Argb c = material == "rock"    ? RoundPixel(kRockRamp, shape, depth, x, y, 53, true)
               : material == "cloud" ? CloudPixel(shape, depth, x, y)
                                     : BlockyPixel(LookOf(material), shape, depth, x, y);
      Put(sheet, t.code, x, y, c);
    } else if (girder.at(x, y)) {
      Put(sheet, t.code, x, y, GirderPixel(girder, x, y));
    } else if (girderRim.at(x, y)) {
      Put(sheet, t.code, x, y, kGirderRamp[0]);
    }
  });
  if (!t.detail.empty())
    Decorate(t, [&](int x, int y, Argb c) {
      if (x >= 0 && y >= 0 && x < kTile && y < kTile) Put(sheet, t.code, x, y, c);
    });
}

// Streaks of the warp: bright dashes that never touch the tile's sides, so any row may follow
// any other at 32 pixels a frame.
void DrawStreaks(Canvas &sheet, const Tile &t) {
  const int seed = t.code * 17;
  for (int i = 0; i < 3; ++i) {
    int x = 3 + static_cast<int>(Hash01(i, 0, seed) * 25);
    int y0 = 3 + static_cast<int>(Hash01(i, 1, seed) * 10),
        len = 8 + static_cast<int>(Hash01(i, 2, seed) * 16);
    len = std::min(len, 28 - y0);
    for (int y = y0 - 1; y <= y0 + len; ++y) {
      Put(sheet, t.code, x - 1, y, Rgb(24, 40, 120));
      Put(sheet, t.code, x + 1, y, Rgb(24, 40, 120));
      double v = static_cast<double>(y - y0) / len;
      Put(sheet, t.code, x, y,
          v < 0.25  ? Rgb(120, 160, 255)
          : v < 0.7 ? Rgb(200, 232, 255)
                    : Rgb(255, 255, 255));
    }
  }
}

// A hangar with an arched roof and its doors facing down, drawn whole and cut into four.
void DrawHangar(Canvas &sheet) {
  StampCanvas s(2, 2);
  Canvas &p = s.pic;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) p.set(x, y, FloorTexture(x, y));
  p.fillRect(10, 12, 48, 46, Rgb(44, 42, 36));  // shadow, down and right
  for (int y = 8; y < 54; ++y)
    for (int x = 6; x < 54; ++x) {
      double u = (x - 6) / 47.0;  // across the arch
      double v = 0.8 - 0.9 * std::fabs(u - 0.35) - (u > 0.35 ? 0.25 : 0);
      Argb c = kHullRamp.pick(std::clamp(v, 0.1, 1.0), x, y, 0.8);
      if ((y - 8) % 6 == 0) c = kHullRamp[1];
      if (x == 6 || x == 53 || y == 8 || y == 53) c = kHullRamp[0];
      p.set(x, y, c);
    }
  p.fillRect(18, 46, 24, 8, Rgb(30, 30, 38));
  p.fillRect(19, 47, 22, 6, Rgb(250, 190, 60));
  for (int x = 19; x < 41; x += 4) p.fillRect(x, 47, 2, 6, Rgb(40, 36, 30));
  for (int part = 0; part < 4; ++part) {
    const int code = 24 + part, ox = (part % 2) * 32, oy = (part / 2) * 32;
    ForTile([&](int x, int y) { Put(sheet, code, x, y, p.get(ox + x, oy + y)); });
  }
}

}  // namespace

ART_SHEET(HAI1) {
  for (const Tile &t : tiles::Tiles()) {
    if (t.layer != tiles::Layer::Near || t.code == 0) continue;
    if (t.family) DrawFamilyTile(c, t);
    else if (t.name.rfind("streak", 0) == 0) DrawStreaks(c, t);
  }
  DrawHangar(c);
}

}  // namespace qel::art
