// The game's name in chrome: the title logo (HAI5, over the moving title background) and the
// opening title card (HAI12, on black, while the ZOZE flies up past it); and in the same letters
// the END of the ending (TOKU36), its chrome reflecting the sunset.
//
// The letters are a bold, slanted, square-cut face drawn from outlines in design units (cap
// height 100) and painted like the player's side of the game: a chrome face that reflects a
// white sky above a dark horizon and cyan below it, rims lit from the top left, dark blue sides
// extruded towards the bottom right, and round all of it an ink line, a blue glow band and a
// second ink line, so that the logo reads over black space as well as over light decks.
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "art/craft_kit.h"
#include "art/paint_kit.h"
#include "art/registry.h"
#include "art/tile_paint.h"

namespace qel::art {
namespace {

using craft::Pt;
using craft::Shape;

// The letters' outlines are inked a shade deeper and bluer than the sprites'.
constexpr Argb kLetterInk = Rgb(8, 10, 22);

craft::Xform Plain() {
  craft::Xform t;
  t.cx = 0;
  t.cy = 0;
  return t;
}

// --- Letters -------------------------------------------------------------------------------

constexpr double kStem = 26;  // stroke width
constexpr double kCut = 14;   // outer corner chamfer

struct Glyph {
  double width;
  std::vector<std::vector<Pt>> solid, holes;
  std::vector<std::vector<Pt>> tails;  // set off from the rest of the letter by a dark slit
};

// clang-format off
Glyph GlyphOf(char ch) {
  const double T = kStem, C = kCut;
  switch (ch) {
    case 'Q': {
      const double c = 9;
      return {100,
              {{{C, 0}, {100 - C, 0}, {100, C}, {100, 100 - C}, {100 - C, 100}, {C, 100}, {0, 100 - C}, {0, C}}},
              {{{T + c, T}, {100 - T - c, T}, {100 - T, T + c}, {100 - T, 100 - T - c}, {100 - T - c, 100 - T},
                {T + c, 100 - T}, {T, 100 - T - c}, {T, T + c}}},
              {{{70, 54}, {116, 100}, {116, 116}, {100, 116}, {54, 70}}}};
    }
    case 'E':
      return {78,
              {{{C, 0}, {78, 0}, {78, T}, {T, T}, {T, 37}, {64, 37}, {64, 63}, {T, 63}, {T, 100 - T}, {78, 100 - T},
                {78, 100}, {C, 100}, {0, 100 - C}, {0, C}}},
              {},
              {}};
    case 'L':
      return {72, {{{0, C}, {C, 0}, {T, 0}, {T, 100 - T}, {72, 100 - T}, {72, 100}, {C, 100}, {0, 100 - C}}}, {}, {}};
    case 'V':
      return {100, {{{0, 0}, {30, 0}, {50, 52.6}, {70, 0}, {100, 0}, {62, 100}, {38, 100}}}, {}, {}};
    case 'A':
      return {100,
              {{{38, 0}, {62, 0}, {100, 100}, {0, 100}}},
              {{{50, 36.8}, {57.3, 56}, {42.7, 56}}, {{35.1, 76}, {64.9, 76}, {74, 101}, {26, 101}}},
              {}};
    case 'N':
      return {92,
              {{{0, C}, {C, 0}, {T, 0}, {T, 100}, {0, 100}},
               {{92 - T, 0}, {92, 0}, {92, 100 - C}, {92 - C, 100}, {92 - T, 100}},
               {{22, 0}, {48, 0}, {70, 100}, {44, 100}}},
              {},
              {}};
    case 'D':
      return {92,
              {{{C, 0}, {64, 0}, {92, 28}, {92, 72}, {64, 100}, {C, 100}, {0, 100 - C}, {0, C}}},
              {{{T, T}, {53.2, T}, {92 - T, 38.8}, {92 - T, 61.2}, {53.2, 100 - T}, {T, 100 - T}}},
              {}};
    default: return {60, {}, {}, {}};
  }
}
// clang-format on

// Extra space between a pair of letters, in design units (negative: closer).
double Kern(char a, char b) {
  if (a == 'L' && b == 'V') return -24;
  if (a == 'V' && b == 'A') return -38;
  if (a == 'A' && b == 'N') return -4;
  if (a == 'Q' && b == 'E') return 4;
  return 0;
}

constexpr double kSpacing = 12;

struct Lettering {
  double x0 = 0, y0 = 0;  // where the top left of the first letter's cap box lands
  double scale = 1;       // pixels per design unit
  double slant = 0.2;     // the cap line leans right by this much of the height
  Pt at(double u, double v) const { return {x0 + u * scale + (100 - v) * scale * slant, y0 + v * scale}; }
};

double WordWidth(const char *word) {
  double u = 0;
  for (const char *p = word; *p; ++p) {
    u += GlyphOf(*p).width;
    if (p[1]) u += kSpacing + Kern(p[0], p[1]);
  }
  return u;
}

// slit: the width of the dark line between a tail and its letter, in pixels.
Shape Word(int w, int h, const char *word, const Lettering &l, int slit) {
  Shape out(w, h);
  double u = 0;
  auto place = [&](const std::vector<Pt> &pts) {
    std::vector<Pt> q;
    for (Pt p : pts) q.push_back(l.at(u + p.x, p.y));
    return q;
  };
  for (const char *p = word; *p; ++p) {
    Glyph g = GlyphOf(*p);
    Shape letter(w, h);
    for (const auto &s : g.solid) letter.poly(Plain(), place(s));
    for (const auto &s : g.holes) {
      Shape hole(w, h);
      hole.poly(Plain(), place(s));
      letter.cut(hole);
    }
    for (const auto &s : g.tails) {
      Shape tail(w, h);
      tail.poly(Plain(), place(s));
      Shape gap = tail;
      letter.cut(gap.grow(slit)).add(tail);
    }
    out.add(letter);
    u += g.width + (p[1] ? kSpacing + Kern(p[0], p[1]) : 0);
  }
  return out;
}

// --- Painting ------------------------------------------------------------------------------

// Where a pixel lies in its piece and which way its nearest rim faces.
struct Rim {
  double dist;    // to the nearest pixel outside the piece (large inside the face)
  double toward;  // +1: that rim faces the light (top left), -1: it faces away
};

Rim RimOf(const Shape &s, int x, int y, int radius) {
  double best = radius + 1, bx = 0, by = 0;
  for (int j = -radius; j <= radius; ++j)
    for (int i = -radius; i <= radius; ++i) {
      if (s.on(x + i, y + j)) continue;
      double d = std::hypot(i, j);
      if (d < best) best = d, bx = i, by = j;
    }
  if (best > radius) return {best, 0};
  return {best, -(bx + by) / (std::sqrt(2.0) * best)};
}

using FaceFn = std::function<Argb(int x, int y)>;

// What the chrome reflects and the colours round it. The title's is a white sky over a dark
// horizon and cyan water, ringed in blue; the ending's reflects the sunset.
struct Metal {
  Stop sky[3];                                      // the upper half of the face, t 0 .. 0.47
  Stop sea[5];                                      // the lower half, t 0.50 .. 1.3
  Argb rimLit, rimShade, rimSide;                   // the face's bevels
  Argb sideLitNear, sideLitFar, sideNear, sideFar;  // the extruded sides, below and right
  Argb bandIn, bandInLit, bandOut, bandOutLit;      // the glow band between the ink lines
  Argb glintInner, glintOuter, glintCorner;         // the rays of a glint
};

const Metal kBlueChrome = {
    {{0.0, Rgb(255, 255, 255)}, {0.22, Rgb(228, 236, 250)}, {0.47, Rgb(140, 158, 192)}},
    {{0.50, Rgb(26, 40, 92)},
     {0.60, Rgb(34, 78, 160)},
     {0.80, Rgb(64, 156, 226)},
     {1.0, Rgb(188, 240, 255)},
     {1.3, Rgb(230, 252, 255)}},
    Rgb(255, 255, 255),
    Rgb(12, 22, 64),
    Rgb(120, 150, 200),
    Rgb(46, 82, 168),
    Rgb(22, 38, 96),
    Rgb(30, 52, 120),
    Rgb(14, 24, 70),
    Rgb(40, 150, 240),
    Rgb(130, 220, 255),
    Rgb(16, 64, 176),
    Rgb(40, 120, 220),
    Rgb(210, 250, 255),
    Rgb(110, 210, 255),
    Rgb(170, 230, 255)};

const Metal kSunsetChrome = {
    {{0.0, Rgb(255, 255, 244)}, {0.22, Rgb(255, 232, 196)}, {0.47, Rgb(214, 150, 150)}},
    {{0.50, Rgb(52, 24, 72)},
     {0.60, Rgb(112, 40, 104)},
     {0.80, Rgb(226, 102, 84)},
     {1.0, Rgb(255, 196, 110)},
     {1.3, Rgb(255, 240, 200)}},
    Rgb(255, 255, 240),
    Rgb(40, 14, 48),
    Rgb(214, 150, 150),
    Rgb(120, 46, 96),
    Rgb(70, 24, 66),
    Rgb(84, 30, 76),
    Rgb(42, 14, 46),
    Rgb(240, 132, 52),
    Rgb(255, 214, 120),
    Rgb(176, 52, 40),
    Rgb(232, 112, 56),
    Rgb(255, 246, 210),
    Rgb(255, 190, 100),
    Rgb(255, 222, 150)};

// Chrome: t runs 0 (top of the letters) to 1 (their base line).
Argb ChromeAt(const Metal &m, double t, int x, int y) {
  double q = std::floor(t * 14 + 0.5 + Dither(x, y)) / 14;  // dithered bands
  if (t < 0.48) return Gradient(m.sky, 3, std::min(q, 0.47));
  return Gradient(m.sea, 5, std::max(q, 0.50));
}

// One piece of a logo: its shape, the colour of its face and how wide its rims are.
struct Piece {
  Shape shape;
  FaceFn face;
  int bevel;
};

struct Look {
  int extrude;  // depth of the sides shown below-right
  int glow;     // width of the glow band between the two ink lines
  const Metal *metal = &kBlueChrome;
};

void PaintFace(Canvas &c, const Piece &p, const Metal &m) {
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) {
      if (!p.shape.on(x, y)) continue;
      Argb face = p.face(x, y);
      Rim r = RimOf(p.shape, x, y, p.bevel);
      if (r.dist <= p.bevel) {
        double outer = r.dist <= 1.01 ? 1.0 : 0.6;
        if (r.toward > 0.3) face = Mix(face, m.rimLit, 0.85 * outer);
        else if (r.toward < -0.3) face = Mix(face, m.rimShade, 0.65 * outer);
        else face = Mix(face, m.rimSide, 0.35 * outer);
      }
      c.set(x, y, face);
    }
}

// Paints the pieces in order (later ones over earlier ones, with a small shadow on them), then
// the extruded sides and the outline round everything.
void PaintLogo(Canvas &c, const std::vector<Piece> &pieces, const Look &look) {
  const Metal &m = *look.metal;
  Shape all(c.w, c.h);
  for (const Piece &p : pieces) {
    Canvas before = c;
    PaintFace(c, p, m);
    // The piece's own shadow on what lies under it.
    for (int y = 0; y < c.h; ++y)
      for (int x = 0; x < c.w; ++x)
        if (!p.shape.on(x, y) && before.covered(x, y) &&
            (p.shape.on(x - 1, y - 1) || p.shape.on(x - 2, y - 2)))
          c.set(x, y, Shade(before.get(x, y), 0.45));
    all.add(p.shape);
  }
  // Sides: below a face they catch a little light, right of it they are in shade.
  Shape body = all;
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) {
      if (all.on(x, y)) continue;
      int k = 0;
      for (int s = 1; s <= look.extrude && !k; ++s)
        if (all.on(x - s, y - s)) k = s;
      if (!k) continue;
      bool under = false;
      for (int s = 1; s <= look.extrude + 1; ++s) under = under || all.on(x, y - s);
      double depth = look.extrude > 1 ? (k - 1.0) / (look.extrude - 1) : 0;
      Argb near = under ? m.sideLitNear : m.sideNear, far = under ? m.sideLitFar : m.sideFar;
      c.set(x, y, Mix(near, far, depth));
      body.pixel(x, y);
    }
  // Ink, the glow band, ink again.
  const int reach = look.glow + 3;
  Canvas done = c;
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) {
      if (body.on(x, y)) continue;
      double best = reach + 1, bx = 0, by = 0;
      for (int j = -reach; j <= reach; ++j)
        for (int i = -reach; i <= reach; ++i)
          if (body.on(x + i, y + j)) {
            double d = std::hypot(i, j);
            if (d < best) best = d, bx = i, by = j;
          }
      if (best <= 1.5) {
        done.set(x, y, kLetterInk);
      } else if (best <= 1.5 + look.glow) {
        // The band is brighter where it faces the light (the body lies below-right of it).
        double lit = (bx + by) / (std::sqrt(2.0) * best);
        double t = look.glow > 1 ? (best - 1.5) / look.glow : 0.5;
        Argb in = Mix(m.bandIn, m.bandInLit, std::max(0.0, lit) * 0.7);
        Argb out = Mix(m.bandOut, m.bandOutLit, std::max(0.0, lit) * 0.7);
        done.set(x, y, Mix(in, out, t));
      } else if (best <= 2.5 + look.glow) {
        done.set(x, y, kLetterInk);
      }
    }
  c = done;
}

// A four-pointed glint: a white core with rays in the chrome's light.
void Glint(Canvas &c, int x, int y, int arm, const Metal &m = kBlueChrome) {
  for (int i = 1; i <= arm; ++i) {
    Argb ray = i * 2 <= arm ? m.glintInner : m.glintOuter;
    c.set(x + i, y, ray);
    c.set(x - i, y, ray);
    c.set(x, y + i, ray);
    c.set(x, y - i, ray);
  }
  c.set(x + 1, y + 1, m.glintCorner);
  c.set(x - 1, y - 1, m.glintCorner);
  c.set(x + 1, y - 1, m.glintCorner);
  c.set(x - 1, y + 1, m.glintCorner);
  c.set(x, y, Rgb(255, 255, 255));
}

// A glass bar, bright cyan at the top and deep blue at the bottom, fading towards its left tip.
FaceFn GlassBar(double top, double height, double left, double right) {
  return [=](int x, int y) {
    double t = std::clamp((y + 0.5 - top) / height, 0.0, 1.0);
    double fade = std::clamp((x - left) / (right - left), 0.0, 1.0);
    double q = std::floor(t * 6 + 0.5 + Dither(x, y)) / 6;
    Argb c = q < 0.34 ? Mix(Rgb(220, 250, 255), Rgb(96, 200, 250), q / 0.34)
                      : Mix(Rgb(64, 160, 236), Rgb(20, 64, 170), (q - 0.34) / 0.66);
    double f = std::floor((0.45 + 0.55 * fade) * 8 + Dither(x + 1, y)) / 8;
    return Mix(Rgb(16, 36, 100), c, std::clamp(f, 0.0, 1.0));
  };
}

FaceFn ChromeFace(double top, double height, const Metal &m = kBlueChrome) {
  return [=, &m](int x, int y) { return ChromeAt(m, (y + 0.5 - top) / height, x, y); };
}

// --- The title card's emblem ---------------------------------------------------------------

// A face that runs from `hi` at `top` to `lo` at `top + height`, in dithered steps.
FaceFn Fade(double top, double height, Argb hi, Argb lo, int steps) {
  return [=](int x, int y) {
    double t = std::clamp((y + 0.5 - top) / height, 0.0, 1.0);
    return Mix(hi, lo, std::clamp(std::floor(t * steps + 0.5 + Dither(x, y)) / steps, 0.0, 1.0));
  };
}

// A round badge: a chrome ring round a night-blue disc crossed by a cyan orbit, and on it the
// ZOZE seen from above, nose up: silver wings with blue livery, gun rails at the wing tips, a
// cyan canopy and two engine glows.
std::vector<Piece> Emblem(int w, int h, double cx, double cy, double r) {
  const craft::Xform t = Plain();
  std::vector<Piece> pieces;
  Shape disc(w, h);
  disc.circle(t, {cx, cy}, r);
  pieces.push_back({disc,
                    [=](int x, int y) {
                      double px = x + 0.5 - cx, py = y + 0.5 - cy;
                      double v = std::hypot(px + r * 0.4, py + r * 0.4) / (r * 1.5);
                      double q = std::floor(std::clamp(1 - v, 0.0, 1.0) * 4 + Dither(x, y)) / 4;
                      Argb base = Mix(Rgb(6, 12, 40), Rgb(24, 50, 120), q);
                      // The orbit: a tilted ellipse, brighter on its lit upper-left half.
                      const double a = -0.45, ca = std::cos(a), sa = std::sin(a);
                      double ex = (px * ca + py * sa) / (r * 0.86), ey = (-px * sa + py * ca) / (r * 0.34);
                      double e = std::sqrt(ex * ex + ey * ey);
                      if (std::fabs(e - 1) * r * 0.34 < 0.55)
                        return ey < 0 ? Rgb(150, 230, 255) : Rgb(40, 130, 220);
                      if (Hash01(x, y, 517) > 0.975) return Rgb(170, 200, 255);
                      return base;
                    },
                    0});
  Shape ring(w, h);
  ring.circle(t, {cx, cy}, r);
  Shape inner(w, h);
  inner.circle(t, {cx, cy}, r - std::max(3.0, r * 0.17));
  ring.cut(inner);
  pieces.push_back({ring, ChromeFace(cy - r, 2 * r), 1});
  const double s = r / 26.0;
  auto P = [&](double x, double y) { return Pt{cx + x * s, cy + y * s}; };
  auto Sym = [&](std::vector<Pt> half) {
    std::vector<Pt> all;
    for (Pt p : half) all.push_back(P(p.x, p.y));
    for (auto it = half.rbegin(); it != half.rend(); ++it) all.push_back(P(-it->x, it->y));
    return all;
  };
  Shape flames(w, h), wings(w, h), livery(w, h), rails(w, h), body(w, h), canopy(w, h);
  flames.ellipse(t, P(2.5, 16), 1.6 * s, 3 * s).ellipse(t, P(-2.5, 16), 1.6 * s, 3 * s);
  wings.poly(t, Sym({{2, -7}, {13, 5}, {13, 11}, {9, 11}, {3, 9}}));
  livery.poly(t, {P(4, -1), P(11, 6), P(11, 8), P(4, 2)})
      .poly(t, {P(-4, -1), P(-11, 6), P(-11, 8), P(-4, 2)});
  rails.rect(t, cx + 12.5 * s, cy - 5 * s, 2.2 * s, 17 * s)
      .rect(t, cx - 14.7 * s, cy - 5 * s, 2.2 * s, 17 * s);
  body.poly(t, Sym({{0, -21}, {2, -15}, {3, -5}, {3.6, 10}, {2.6, 14}}));
  canopy.poly(t, Sym({{0, -15}, {1.5, -10}, {1, -6}}));
  // The whole fighter, one pixel larger, in ink: its outline on the disc.
  Shape ink = flames;
  ink.add(wings).add(rails).add(body).grow(1);
  pieces.push_back({ink, [](int, int) { return kLetterInk; }, 0});
  pieces.push_back({flames, Fade(cy + 13 * s, 6 * s, Rgb(230, 255, 255), Rgb(40, 140, 255), 3), 0});
  pieces.push_back({wings, Fade(cy - 7 * s, 18 * s, Rgb(250, 252, 255), Rgb(150, 164, 194), 4), 1});
  pieces.push_back({livery, [](int, int) { return Rgb(44, 96, 214); }, 0});
  pieces.push_back({rails, Fade(cy - 5 * s, 17 * s, Rgb(176, 184, 206), Rgb(54, 60, 80), 3), 1});
  pieces.push_back({body, Fade(cy - 21 * s, 35 * s, Rgb(255, 255, 255), Rgb(140, 154, 186), 5), 1});
  pieces.push_back({canopy, Fade(cy - 15 * s, 9 * s, Rgb(200, 250, 255), Rgb(20, 110, 190), 3), 0});
  return pieces;
}

}  // namespace

// The title logo, 456 x 100, over the title background. The lower right (from x 350 below
// y 74) stays clear for the version line the title page writes there.
ART_SHEET(HAI5) {
  const char *word = "QELVANE";
  Lettering l;
  l.scale = 0.62;
  const double width = (WordWidth(word) + 12 + 100 * l.slant) * l.scale;  // 12: about the Q's tail
  l.x0 = std::round((c.w - width) / 2) + 1;
  l.y0 = 6;
  std::vector<Piece> pieces;
  pieces.push_back({Word(c.w, c.h, word, l, 2), ChromeFace(l.y0, 100 * l.scale), 3});
  // A glass streak under the letters, pointing at the version line.
  Shape bar(c.w, c.h);
  const double top = 79, bottom = 86;
  bar.poly(Plain(),
           {{l.x0 + 4, bottom}, {l.x0 + 34, top}, {334, top}, {334 - (bottom - top) * l.slant, bottom}});
  pieces.push_back({bar, GlassBar(top, bottom - top, l.x0, 334), 1});
  PaintLogo(c, pieces, {3, 2});
  // Glints where the light strikes the outer corners: the Q's top left, the last E's top right
  // and the streak's point.
  const Pt q = l.at(kCut * 0.5, kCut * 0.5), e = l.at(WordWidth(word), 0);
  Glint(c, static_cast<int>(q.x) - 2, static_cast<int>(q.y) - 2, 6);
  Glint(c, static_cast<int>(e.x) + 1, static_cast<int>(e.y), 4);
  Glint(c, 334, static_cast<int>(top) - 1, 4);
}

// The opening title card, 310 x 65, on black: the emblem and the name beside it, centred, with
// a black margin all round so that the card sits seamlessly on the black screen.
ART_SHEET(HAI12) {
  const int left = 12;  // centres the card over the ZOZE's flight line
  std::vector<Piece> pieces = Emblem(c.w, c.h, left + 33, 32, 26);
  const char *word = "QELVANE";
  Lettering l;
  l.scale = 0.305;
  l.x0 = left + 78;
  l.y0 = 12;
  pieces.push_back({Word(c.w, c.h, word, l, 1), ChromeFace(l.y0, 100 * l.scale), 2});
  Shape bar(c.w, c.h);
  const double top = 49, bottom = 52;
  const double right = l.x0 + (WordWidth(word) + 100 * l.slant) * l.scale - 4;
  bar.poly(Plain(), {{l.x0 - 2, bottom}, {l.x0 + 10, top}, {right, top}, {right - 1, bottom}});
  pieces.push_back({bar, GlassBar(top, bottom - top, l.x0, right), 1});
  PaintLogo(c, pieces, {2, 1});
  Glint(c, left + 22, 14, 4);
}

// The ending's END, 230 x 75, over the sunset: the title's lettering at the title's size, its
// chrome reflecting the evening, ringed in gold.
ART_SHEET(TOKU36) {
  const char *word = "END";
  Lettering l;
  l.scale = 0.62;
  const double width = (WordWidth(word) + 100 * l.slant) * l.scale;
  l.x0 = std::round((c.w - width) / 2) - 1;
  l.y0 = std::round((c.h - 100 * l.scale) / 2) - 1;
  std::vector<Piece> pieces;
  pieces.push_back({Word(c.w, c.h, word, l, 2), ChromeFace(l.y0, 100 * l.scale, kSunsetChrome), 3});
  PaintLogo(c, pieces, {3, 2, &kSunsetChrome});
  const Pt e = l.at(kCut * 0.5, kCut * 0.5), d = l.at(WordWidth(word) - 28, 0);
  Glint(c, static_cast<int>(e.x) - 2, static_cast<int>(e.y) - 2, 6, kSunsetChrome);
  Glint(c, static_cast<int>(d.x) + 1, static_cast<int>(d.y), 4, kSunsetChrome);
}

}  // namespace qel::art
