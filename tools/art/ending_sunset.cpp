// The ending's sunset over the sea (BG0), the wreck of the fortress sinking on its horizon
// (TOKU14) and the pillar of light that stands over the setting sun (TOKU51).
//
// BG0 is 640 x 480. The sun sets at x 175 behind the wreck; the horizon is row 334 and the sea
// below it is redrawn by the game in strips of four rows shifted sideways by 1..5 pixels, so the
// sea is made of horizontal strokes only: shifted, they shimmer instead of tearing. The upper 240
// rows across x 0..585 are shown doubled behind the close-ups, so the sky is drawn in broad
// bands with narrow dithered seams and long lit clouds that still read at 2x.
#include <algorithm>
#include <cmath>
#include <vector>

#include "art/paint_kit.h"
#include "art/registry.h"

namespace qel::art {
namespace {

constexpr int kHorizon = 334;  // the line where sky meets sea
constexpr double kSunX = 175, kSunY = 316, kSunR = 30;

// The sky from the night above to the glow round the sun.
const Ramp kSky = {Rgb(16, 12, 46),   Rgb(26, 18, 64),    Rgb(38, 26, 84),    Rgb(54, 32, 102),
                   Rgb(76, 38, 116),  Rgb(102, 44, 124),  Rgb(130, 50, 126),  Rgb(158, 60, 122),
                   Rgb(186, 74, 112), Rgb(210, 92, 100),  Rgb(230, 116, 86),  Rgb(242, 144, 78),
                   Rgb(250, 172, 86), Rgb(254, 200, 110), Rgb(255, 224, 150), Rgb(255, 244, 204)};
// The sea reflecting it, a little deeper.
const Ramp kSea = {Rgb(12, 8, 32),    Rgb(20, 14, 48),   Rgb(30, 20, 64),   Rgb(42, 26, 80),
                   Rgb(58, 32, 96),   Rgb(80, 40, 108),  Rgb(106, 48, 112), Rgb(136, 60, 110),
                   Rgb(168, 78, 102), Rgb(204, 108, 92), Rgb(236, 156, 96), Rgb(255, 214, 146),
                   Rgb(255, 246, 214)};

double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

// Brightness of the open sky, 0 (top) .. 1 (the sun's rim).
double SkyLevel(double x, double y) {
  double v = 0.8 * std::pow(Clamp01(y / kHorizon), 1.35);
  double dx = (x - kSunX) * 0.55, dy = (y - kSunY) * 1.5, d = std::hypot(dx, dy);
  v += 0.3 * std::exp(-d / 120) + 0.12 * std::exp(-d / 36);
  v -= 0.05 * Clamp01((x - 300) / 340);  // the far side of the sky is a little cooler
  return Clamp01(v);
}

// ---- clouds --------------------------------------------------------------------------------

// Dusky cloud bodies, less saturated than the sky, up to the gold of their lit undersides.
const Ramp kCloud = {Rgb(30, 18, 58),    Rgb(50, 28, 80),    Rgb(74, 38, 102),   Rgb(102, 50, 120),
                     Rgb(134, 62, 134),  Rgb(166, 76, 138),  Rgb(196, 92, 134),  Rgb(222, 114, 124),
                     Rgb(240, 142, 112), Rgb(250, 174, 110), Rgb(255, 206, 132), Rgb(255, 234, 180)};

struct Bank {
  double y;       // the underside
  double heap;    // the tallest heap, in rows
  double x0, x1;  // where the bank runs
  double broken;  // 0 one long bank .. 1 a string of separate clouds
  int seed;
};

// Long banks with heaped tops, thin high streaks, and the low bars drawn across the sun.
const Bank kBanks[] = {
    {42, 5, -40, 430, 0.5, 11},    {70, 7, 250, 690, 0.5, 12},    {98, 14, 330, 720, 0.45, 23},
    {126, 30, -80, 330, 0.3, 13},  {156, 20, 300, 720, 0.35, 14}, {178, 12, -60, 150, 0.4, 24},
    {204, 34, 130, 600, 0.25, 15}, {230, 14, -60, 190, 0.45, 16}, {254, 10, 380, 720, 0.45, 17},
    {272, 8, 30, 340, 0.45, 18},   {292, 4, 80, 290, 0.4, 19},    {303, 2, 120, 250, 0.3, 20},
    {311, 2, 150, 230, 0.5, 21},   {289, 5, 430, 720, 0.5, 22},
};

// How tall a bank stands at every column: a row of rounded heaps on a flat underside, broken
// into separate clouds where the noise is low.
std::vector<double> BankHeights(const Bank &b, int w) {
  std::vector<double> h(static_cast<std::size_t>(w), 0.0);
  int k = 0;
  for (double cx = b.x0; cx < b.x1; ++k) {
    double ends = std::min(Clamp01((cx - b.x0) / 80), Clamp01((b.x1 - cx) / 80));
    double gap = Fbm(cx, 0, 120, 1, 2, b.seed);
    double env = ends * Clamp01((gap - 0.45 * b.broken) / (1 - 0.45 * b.broken) * 1.6);
    double r = b.heap * (0.35 + 0.65 * Hash01(k, 1, b.seed)) * std::sqrt(env);
    double reach = std::max(4.0, r * (1.4 + 0.8 * Hash01(k, 2, b.seed)));  // heaps are wider than tall
    if (r >= 1)
      for (int x = static_cast<int>(cx - reach); x <= cx + reach; ++x) {
        if (x < 0 || x >= w) continue;
        double u = (x + 0.5 - cx) / reach;
        if (std::fabs(u) < 1)
          h[static_cast<std::size_t>(x)] = std::max(h[static_cast<std::size_t>(x)], r * std::sqrt(1 - u * u));
      }
    cx += std::max(3.0, reach * (0.55 + 0.5 * Hash01(k, 3, b.seed)));
  }
  return h;
}

// For every pixel: how far above the underside of its cloud it lies (-1 for open sky), how far
// below the top, and how tall the cloud is there.
struct CloudMap {
  int w = 0, h = 0;
  std::vector<int> fromBottom, fromTop, height;
  std::size_t at_(int x, int y) const { return static_cast<std::size_t>(y * w + x); }
  int bottom(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h ? fromBottom[at_(x, y)] : -1; }
  int top(int x, int y) const { return fromTop[at_(x, y)]; }
  int tall(int x, int y) const { return height[at_(x, y)]; }
  bool at(int x, int y) const { return bottom(x, y) >= 0; }
};

CloudMap Clouds(int w, int h) {
  const std::size_t n = static_cast<std::size_t>(w * h);
  CloudMap m{w, h, std::vector<int>(n, -1), std::vector<int>(n, 0), std::vector<int>(n, 0)};
  for (const Bank &b : kBanks) {
    std::vector<double> heights = BankHeights(b, w);
    for (int x = 0; x < w; ++x) {
      double tall = heights[static_cast<std::size_t>(x)];
      if (tall < 1) continue;
      tall +=
          1.6 * (ValueNoise(x + 0.5, 3, 5, 1, b.seed + 60) - 0.5) * std::min(1.0, tall / 6);  // small lumps
      int under =
          static_cast<int>(std::lround(b.y + 1.4 * (ValueNoise(x + 0.5, 9, 70, 1, b.seed + 80) - 0.5)));
      int over = static_cast<int>(std::lround(under - tall));
      for (int y = std::max(0, over); y < std::min(h, under); ++y) {
        std::size_t i = m.at_(x, y);
        if (m.fromBottom[i] >= 0) continue;
        m.fromBottom[i] = under - 1 - y;
        m.fromTop[i] = y - over;
        m.height[i] = under - over;
      }
    }
  }
  return m;
}

// Clouds high up catch the sun from below and glow pink and gold over the dusk; low ones stand
// dark against the glow with a gold rim along their undersides.
Argb CloudColour(const CloudMap &m, int x, int y) {
  double high = 1 - Clamp01((y - 90) / 190.0);
  double near = std::exp(-std::hypot((x - kSunX) * 0.45, (y - kSunY) * 1.2) / 90);
  int below = m.bottom(x, y), above = m.top(x, y), tall = m.tall(x, y);
  double f = tall > 1 ? static_cast<double>(below) / (tall - 1) : 0;  // 0 underside .. 1 top
  double body = 2.2 + 3.0 * high + 1.5 * near;
  double level;
  if (below == 0) level = body + 3.6 + 1.6 * near;     // the rim lit by the sun below
  else if (f < 0.28) level = body + 2.2 + 0.8 * near;  // the lit underside
  else if (f < 0.62) level = body + 0.8;
  else level = body;
  if (above == 0 && tall > 3) level -= 1;  // the heaped tops, turned from the sun
  int i = static_cast<int>(std::lround(level + Dither(x, y) * 0.5));
  return kCloud[static_cast<std::size_t>(std::clamp(i, 0, 11))];
}

// ---- the sun -------------------------------------------------------------------------------

void Sun(Canvas &c, const CloudMap &clouds) {
  for (int y = static_cast<int>(kSunY - kSunR) - 1; y < kHorizon; ++y)
    for (int x = static_cast<int>(kSunX - kSunR) - 1; x <= kSunX + kSunR + 1; ++x) {
      double d = std::hypot(x + 0.5 - kSunX, y + 0.5 - kSunY);
      if (d > kSunR) continue;
      // The thin bars of cloud cross in front of the disc as dark-gold streaks.
      if (clouds.at(x, y)) {
        c.set(x, y, clouds.at(x, y + 1) ? Rgb(236, 124, 70) : Rgb(252, 176, 92));
        continue;
      }
      double rim = d / kSunR;
      Argb col = rim > 0.93 ? Rgb(255, 222, 140) : rim > 0.8 ? Rgb(255, 240, 186) : Rgb(255, 252, 232);
      // A warmer lower half where the sun sinks into the haze.
      if (y > kSunY + 6 && rim > 0.55) col = Mix(col, Rgb(255, 206, 120), 0.5);
      c.set(x, y, col);
    }
}

// A few first stars in the night above the sunset.
void Stars(Canvas &c) {
  for (int i = 0; i < 46; ++i) {
    int x = static_cast<int>(Hash01(i, 0, 331) * 640), y = static_cast<int>(Hash01(i, 1, 331) * 90);
    if (SkyLevel(x, y) > 0.16) continue;
    double b = Hash01(i, 2, 331);
    Argb col = b > 0.8 ? Rgb(232, 226, 255) : b > 0.45 ? Rgb(150, 140, 200) : Rgb(92, 80, 150);
    c.set(x, y, col);
    if (b > 0.93) {  // the brightest ones get a small cross
      for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
        c.set(x + dx, y + dy, Rgb(110, 98, 170));
    }
  }
}

// ---- the sea -------------------------------------------------------------------------------

// The sea is rows of wave crests, closer together towards the horizon; each crest is a broken
// line of strokes that lengthen towards the viewer.
struct Crest {
  int row;
  int line;
};

std::vector<Crest> Crests() {
  std::vector<Crest> out;
  double y = kHorizon + 1.5;
  for (int line = 0; y < 480; ++line) {
    out.push_back({static_cast<int>(y), line});
    y += 1.6 + (y - kHorizon) / 26;
  }
  return out;
}

// The colour of the water between the crests: it mirrors the sky, light near the horizon and
// darker towards the shore, warmest under the sun.
double WaterLevel(int x, int y) {
  double dy = y - kHorizon, depth = Clamp01(dy / 146);
  double v = 0.6 - 0.42 * std::pow(depth, 0.65);
  v += 0.14 * std::exp(-std::fabs(x + 0.5 - kSunX) / 200) * (1 - 0.5 * depth);
  double half = 10 + dy * 0.45;  // the sun's road widens towards the viewer
  v += 0.12 * std::exp(-std::pow((x + 0.5 - kSunX) / half, 2));
  return v;
}

void Sea(Canvas &c) {
  for (int x = 0; x < c.w; ++x) {
    double glow = std::exp(-std::fabs(x + 0.5 - kSunX) / 150);
    c.set(x, kHorizon, Mix(Rgb(196, 104, 110), Rgb(255, 226, 160), glow));
  }
  for (int y = kHorizon + 1; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) c.set(x, y, kSea.pick(Clamp01(WaterLevel(x, y)), x, y, 0.3));
  for (const Crest &k : Crests()) {
    const double dy = k.row - kHorizon;
    const double stroke = 4 + dy * 0.42, half = 8 + dy * 0.5;
    const int thick = dy > 95 ? 2 : 1;
    for (int x = 0; x < c.w; ++x) {
      double road = std::exp(-std::pow((x + 0.5 - kSunX) / half, 2));
      double n = ValueNoise(x + 0.5 + 37 * k.line, 0, stroke, 1, 300 + k.line);
      double wide = Fbm(x + 0.5, 0, 160, 1, 2, 500 + k.line);
      bool lit = n > 0.64 - 0.22 * road - 0.12 * wide;
      for (int t = 0; t < thick && k.row + t < c.h; ++t) {
        int y = k.row + t;
        double v = WaterLevel(x, y);
        if (lit) {
          v += 0.1 + 0.08 * wide;
          if (road > 0.2) v = std::max(v, 0.74 + 0.24 * road * (n > 0.72 ? 1 : 0.6));
          c.set(x, y, kSea.pick(Clamp01(v), x, y, 0));
        } else if (n < 0.3 && dy > 20) {
          c.set(x, y, kSea.pick(Clamp01(v - 0.08), x, y, 0));  // the trough behind a wave
        }
      }
    }
  }
}

// The wreck of the fortress on the horizon, 300 x 65, seen from the side against the sun: a long
// low hull at the waterline (the bottom row), the broken dome of the core in the middle with
// its spire, the stumps of the gun towers and a bent mast. The game shows its top rows only, a
// row fewer every step as it sinks, so the spire's tip is the last to go.
Mask WreckShape(int w, int h) {
  Mask m(w, h);
  // The hull, sloping down to the water at both ends, its deck broken in places.
  m.poly({0,  65,  6,  58,  20, 52,  60, 50,  64, 47,  92, 47,  96, 49,  150,
          48, 208, 49, 212, 46, 246, 46, 250, 50, 282, 52, 294, 57, 300, 65});
  m.poly({34, 52, 40, 44, 48, 44, 52, 50});      // a deck house
  m.poly({262, 52, 266, 41, 284, 41, 288, 52});  // the launcher bay
  m.rect(270, 37, 9, 4);
  // The core's citadel and its dome, torn open on the far side.
  m.poly({104, 49, 112, 36, 188, 36, 196, 49});
  m.ellipse(150, 37, 27, 16);
  m.poly({160, 20, 166, 27, 171, 24, 175, 31, 181, 29, 190, 36, 160, 36}, false);
  m.rect(110, 36, 80, 1);
  // The spire: a tapering mast over the core, its tip snapped and hanging left.
  m.poly({145, 22, 147, 6, 150, 3, 153, 6, 155, 22});
  m.line(150, 4, 143.5, 0.5, 2);
  m.rect(146, 12, 8, 2);
  m.rect(144, 18, 12, 2);
  // The gun towers: the left one stands with a sheared top, the right one is a stump.
  m.poly({54, 50, 56, 20, 60, 16, 66, 19, 68, 50});
  m.poly({56, 20, 60, 14, 64, 17, 61, 21}, false);
  m.poly({226, 47, 229, 29, 236, 24, 244, 31, 246, 47});
  m.poly({236, 24, 240, 26, 239, 30, 234, 27}, false);
  // Gun barrels still raised from the citadel, and a lattice mast bent over.
  m.line(119, 38, 96, 22, 3);
  m.line(184, 39, 203, 27, 3);
  m.line(206, 26, 209, 23, 2);
  m.line(26, 52, 24, 30, 1.5);
  m.line(24, 30, 14, 22, 1.5);
  m.line(20, 40, 28, 40, 1);
  m.line(276, 41, 277, 26, 1.5);
  m.line(272, 32, 281, 32, 1);
  return m;
}

}  // namespace

ART_SHEET(TOKU14) {
  const Mask m = WreckShape(c.w, c.h);
  const Argb dark = Rgb(22, 12, 30), plate = Rgb(34, 20, 42);
  // The sun stands behind the core, low: edges near it glow.
  const double sunX = 150, sunY = 47;
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) {
      if (!m.at(x, y)) continue;
      Argb col = (x / 6 + y / 3) % 5 == 0 && y > 40 ? plate : dark;  // dim plating on the hull
      bool edge = !m.at(x - 1, y) || !m.at(x + 1, y) || !m.at(x, y - 1);
      if (edge) {
        double near = std::exp(-std::hypot(x - sunX, (y - sunY) * 1.6) / 70);
        col = Mix(Rgb(70, 30, 58), Rgb(255, 178, 96), Clamp01(near * 1.2));
      }
      c.set(x, y, col);
    }
  // The last fires still burning in the wreck.
  const int embers[][2] = {{40, 49},  {71, 48},  {98, 48},  {124, 44}, {131, 46}, {169, 45}, {178, 42},
                           {201, 47}, {238, 40}, {252, 51}, {268, 47}, {280, 49}, {140, 40}, {58, 34}};
  for (const auto &e : embers) {
    if (!m.at(e[0], e[1]) || !m.at(e[0] + 1, e[1])) continue;
    c.set(e[0], e[1], Rgb(255, 150, 60));
    c.set(e[0] + 1, e[1], Rgb(200, 40, 24));
  }
}

ART_SHEET(BG0) {
  const CloudMap clouds = Clouds(c.w, kHorizon);
  for (int y = 0; y < kHorizon; ++y)
    for (int x = 0; x < c.w; ++x)
      c.set(x, y,
            clouds.at(x, y) ? CloudColour(clouds, x, y) : kSky.pick(SkyLevel(x + 0.5, y + 0.5), x, y, 0.45));
  Stars(c);
  Sun(c, clouds);
  Sea(c);
}

// The pillar of light over the sun, stretched by the game to 10 or 20 x 330 from the top of the
// screen. Each of its 20 rows stands for 16 or 17 screen rows, so it is shaded across only: its
// colours are the sky's own at that height, lightened towards a white core.
ART_SHEET(TOKU51) {
  static const double kProfile[14] = {0.22, 0.3, 0.42, 0.55, 0.68, 0.8, 0.92,
                                      0.92, 0.8, 0.68, 0.55, 0.42, 0.3, 0.22};
  for (int r = 0; r < c.h; ++r) {
    double y = (r + 0.5) * 330.0 / c.h;
    Argb sky = kSky.at(SkyLevel(kSunX, y) * 15);
    for (int x = 0; x < c.w; ++x) {
      double t = kProfile[x] * (0.55 + 0.45 * r / (c.h - 1.0));  // stronger towards the sun
      c.set(x, r, Mix(Mix(sky, Rgb(255, 196, 120), 0.35), Rgb(255, 250, 226), t));
    }
  }
}

}  // namespace qel::art
