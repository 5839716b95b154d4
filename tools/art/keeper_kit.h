// A kit for the shop keeper's portrait and her room: smooth outlines traced from Bézier paths,
// parts painted on layers of their own and outlined in the darkest shade of their colour, shading
// and cast shadows lit from the top left, and features drawn from pixel grids.
#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "art/canvas.h"
#include "art/paint_kit.h"

namespace qel::art::keeper {

// The keeper's colours: auburn hair, fair skin, a cream coat with teal trim, a coral ribbon. Each
// ramp has six shades: outline (0), deep shadow (1), shadow (2), base (3), light (4), highlight (5).
constexpr Ramp kHair = {Rgb(42, 14, 10),  Rgb(96, 30, 20),   Rgb(140, 52, 26),
                        Rgb(184, 82, 42), Rgb(220, 122, 62), Rgb(248, 178, 110)};
constexpr Ramp kSkin = {Rgb(96, 44, 36),    Rgb(194, 116, 100), Rgb(234, 160, 134),
                        Rgb(252, 210, 182), Rgb(255, 230, 210), Rgb(255, 246, 236)};
constexpr Ramp kCoat = {Rgb(26, 28, 48),    Rgb(90, 96, 132),   Rgb(148, 156, 190),
                        Rgb(214, 220, 238), Rgb(240, 242, 250), Rgb(255, 255, 255)};
constexpr Ramp kTeal = {Rgb(8, 40, 48),    Rgb(14, 80, 90),   Rgb(24, 122, 128),
                        Rgb(40, 168, 168), Rgb(96, 208, 200), Rgb(168, 240, 224)};
constexpr Ramp kCoral = {Rgb(58, 8, 16),   Rgb(122, 20, 36),   Rgb(184, 40, 56),
                         Rgb(224, 72, 80), Rgb(248, 128, 120), Rgb(255, 192, 176)};
constexpr Ramp kGold = {Rgb(58, 36, 0),    Rgb(122, 80, 0),    Rgb(184, 128, 16),
                        Rgb(232, 184, 48), Rgb(248, 224, 112), Rgb(255, 252, 208)};

// A closed outline from straight and cubic Bézier segments, flattened to polygon points.
class Path {
 public:
  Path(double x, double y) : xy_{x, y} {}
  Path &to(double x, double y);
  Path &curve(double c1x, double c1y, double c2x, double c2y, double x, double y);
  // A quadratic segment through the control point (cx, cy).
  Path &bend(double cx, double cy, double x, double y);
  const std::vector<double> &pts() const { return xy_; }

 private:
  std::vector<double> xy_;
};

// Where the design's units land on the canvas. The shop portrait is drawn at scale 1; the same
// design drawn larger gives the keeper of the ending's close-up.
struct Frame {
  double s = 1, ox = 0, oy = 0;
  double x(double v) const { return ox + v * s; }
  double y(double v) const { return oy + v * s; }
  double len(double v) const { return v * s; }
  // A stroke width: hairlines stay one pixel wide at any scale.
  double thick(double v) const { return v <= 1 ? v : v * s; }
  std::vector<double> map(const std::vector<double> &xy) const;
};

// One part of a picture on a layer of its own. Coordinates given to a part are in design units
// and go through its frame.
struct Part {
  Canvas c;
  Frame f;
  Part(int w, int h, Frame frame = {}) : c(w, h), f(frame) {}
  void fill(const Path &p, Argb colour) { c.fillPolygon(f.map(p.pts()), colour); }
  // Paints only where the part is already covered.
  void clip(const Path &p, Argb colour);
  void clipEllipse(double cx, double cy, double rx, double ry, Argb colour);
  void clipLine(double x1, double y1, double x2, double y2, double thick, Argb colour);
  // A 1-pixel line along a cubic Bézier curve, painted only on the part.
  void clipStroke(double x0, double y0, double c1x, double c1y, double c2x, double c2y, double x1, double y1,
                  Argb colour, double thick = 1);
  // Removes the part's pixels inside the path.
  void cut(const Path &p);
  // Painting straight onto the part: a pixel, a rectangle, an ellipse, a line.
  void dot(double x, double y, Argb colour);
  void rect(double x, double y, double w, double h, Argb colour);
  void ellipse(double cx, double cy, double rx, double ry, Argb colour);
  void line(double x1, double y1, double x2, double y2, double thick, Argb colour);
  // Light on the edges facing the top left and shadow on those facing the bottom right, on the
  // pixels still in the ramp's base colour.
  void bevel(const Ramp &r, int lightDepth, int shadowDepth);
  // Round forms: pixels in the ramp's base colour take a dithered shade from `hi` near the lit
  // point (lx, ly) down to `lo` at `reach` (design units) from it.
  void gradient(const Ramp &r, double lx, double ly, double reach, int lo, int hi);
};

// The picture the parts are pasted on, with a label telling which part owns each pixel.
struct Figure {
  Canvas c;
  std::vector<int> label;
  Figure(int w, int h) : c(w, h), label(static_cast<std::size_t>(w) * h, 0) {}
  void paste(const Part &p, int lab);
  int at(int x, int y) const { return c.inside(x, y) ? label[static_cast<std::size_t>(y) * c.w + x] : 0; }
  // Darkens pixels of `receiver` by one step of its ramp where a pixel of a caster lies up to
  // `reach` steps away against the light (dx, dy per step).
  void castShadow(int receiver, std::initializer_list<int> casters, int dx, int dy, int reach, const Ramp &r);
};

// How the keeper's bust is laid out on a picture: its size, where the design lands, and where
// (in design units) her coat is cut off. The shop portrait is 210 x 270 at scale 1, cut at 270.
struct Layout {
  int w, h;
  Frame f;
  double bottom;
};
Layout ShopLayout();
// The keeper's bust, drawn from the portrait's design: holding the shop's inventory pad, or with
// her arms at her sides. Her eyebrows, eyes and mouth are left out (clean skin).
Figure Bust(const Layout &l, bool holdingPad);

// One step darker (or lighter) in the ramp, never into the outline; colours outside the ramp
// stay.
Argb Darker(const Ramp &r, Argb c);
Argb Lighter(const Ramp &r, Argb c);

// A small picture given as rows of characters; each character names a colour, '.' is clear.
struct Glyph {
  std::vector<std::string> rows;
};
struct Ink {
  char key;
  Argb colour;
};
// Draws the glyph with its top-left at (x, y), mirrored left to right when asked.
void Stamp(Canvas &c, const Glyph &g, int x, int y, const std::vector<Ink> &inks, bool mirror = false);

}  // namespace qel::art::keeper
