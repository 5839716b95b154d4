// A small kit for drawing craft as shaded pixel art: shapes are built in model space (origin at
// the cell centre, y down, one unit per pixel), placed through a transform, and painted with a
// colour ramp whose shade follows a height profile lit from the top left. Because the light is
// applied after the transform, a mirrored, rotated or banked craft is lit correctly too.
#pragma once

#include <array>
#include <vector>

#include "art/canvas.h"
#include "art/paint_kit.h"

namespace qel::art::craft {

struct Pt {
  double x, y;
};

// Where model points land in the cell.
struct Xform {
  double cx = 16, cy = 16;  // the cell centre in canvas pixels
  double angle = 0;         // degrees, clockwise on screen
  bool flipX = false, flipY = false;
  double roll = 0;   // degrees of bank; positive rolls the top of the craft to the right
  double z = 0;      // height above the wing plane of the part being drawn (used by roll)
  double focal = 0;  // with roll: a perspective focal length, 0 for none

  Pt map(Pt p) const;
  Xform at(double zz) const {
    Xform t = *this;
    t.z = zz;
    return t;
  }
};

Xform CellXform(int w, int h);

// A mask of the paint kit built in model space: every outline goes through a transform.
class Shape {
 public:
  Shape() = default;
  Shape(int w, int h) : m_(w, h) {}
  explicit Shape(const Canvas &c) : m_(c.w, c.h) {}

  Shape &poly(const Xform &t, const std::vector<Pt> &pts);
  // A polygon mirrored about the model's x = 0: give the right half from top to bottom.
  Shape &sym(const Xform &t, const std::vector<Pt> &rightHalf);
  Shape &ellipse(const Xform &t, Pt c, double rx, double ry, double rotDeg = 0);
  Shape &circle(const Xform &t, Pt c, double r) { return ellipse(t, c, r, r); }
  Shape &rect(const Xform &t, double x, double y, double w, double h);
  Shape &capsule(const Xform &t, Pt a, Pt b, double thick);
  // A one-pixel, eight-connected line.
  Shape &line(const Xform &t, Pt a, Pt b);
  Shape &pixel(int x, int y);

  Shape &add(const Shape &o);
  Shape &cut(const Shape &o);
  Shape &clip(const Shape &o);
  // Grows (n > 0) or shrinks (n < 0) by n pixels, four-connected.
  Shape &grow(int n);

  bool on(int x, int y) const { return m_.at(x, y); }
  int w() const { return m_.w; }
  int h() const { return m_.h; }
  bool empty() const { return m_.empty(); }
  const Mask &mask() const { return m_; }

 private:
  void set(int x, int y, bool v) { m_.put(x, y, v); }
  Mask m_;
};

enum class Profile {
  Flat,   // paint and decals: one shade
  Bevel,  // flat plates whose rims catch the light
  Dome,   // rounded bodies: canopies, spheres, engine bells
  Glow,   // lights and flames: bright in the core, darker towards the rim
};

struct Finish {
  Profile profile = Profile::Bevel;
  double depth = 1;     // bevel width or dome radius cap, pixels
  double gain = 4;      // shade steps per unit of light
  double bias = 0;      // added to the shade index (a darker or brighter part)
  bool shadow = true;   // darken what lies just below-right of the part
  double gloss = 0;     // above 1 - gloss the light gives the specular shade
  double sheen = 0;     // shade steps from the top-left to the bottom-right corner of the part
  bool dither = false;  // blend shade bands with an ordered dither instead of hard steps
};

// The enemy family: olive, rust and violet-grey hulls, earthier ground units, red glass and
// amber or red lamps, orange exhaust. Craft ramps run from the darkest (0) to the specular shade
// (5); 2 is the colour of a flat surface facing the viewer.
namespace pal {
constexpr Ramp kOlive = {Rgb(30, 36, 16),   Rgb(60, 70, 32),    Rgb(102, 116, 58),
                         Rgb(148, 160, 82), Rgb(196, 204, 132), Rgb(238, 240, 200)};
constexpr Ramp kRust = {Rgb(42, 14, 8),    Rgb(94, 36, 18),    Rgb(154, 68, 34),
                        Rgb(200, 112, 58), Rgb(236, 164, 104), Rgb(253, 224, 192)};
constexpr Ramp kViolet = {Rgb(26, 20, 40),    Rgb(58, 50, 80),    Rgb(94, 86, 120),
                          Rgb(138, 130, 164), Rgb(188, 182, 208), Rgb(238, 234, 248)};
constexpr Ramp kSteel = {Rgb(18, 18, 22),    Rgb(42, 42, 50),    Rgb(70, 70, 80),
                         Rgb(104, 104, 116), Rgb(150, 150, 162), Rgb(210, 210, 218)};
constexpr Ramp kEarth = {Rgb(20, 18, 16),   Rgb(46, 42, 34),    Rgb(76, 70, 58),
                         Rgb(110, 102, 86), Rgb(154, 144, 122), Rgb(208, 200, 176)};
constexpr Ramp kKhaki = {Rgb(28, 24, 12),   Rgb(60, 52, 32),    Rgb(94, 82, 50),
                         Rgb(134, 118, 80), Rgb(180, 164, 122), Rgb(230, 220, 184)};
constexpr Ramp kRedGlass = {Rgb(48, 4, 4),    Rgb(122, 12, 12),   Rgb(196, 28, 28),
                            Rgb(255, 90, 60), Rgb(255, 180, 154), Rgb(255, 255, 255)};
constexpr Ramp kAmber = {Rgb(64, 32, 0),    Rgb(138, 74, 0),    Rgb(216, 138, 16),
                         Rgb(255, 192, 64), Rgb(255, 232, 160), Rgb(255, 255, 255)};
constexpr Ramp kExhaust = {Rgb(96, 16, 0),    Rgb(176, 44, 0),    Rgb(255, 106, 0),
                           Rgb(255, 176, 48), Rgb(255, 240, 160), Rgb(255, 255, 255)};
constexpr Argb kRedLamp = Rgb(255, 48, 32);
constexpr Argb kAmberLamp = Rgb(255, 176, 32);
}  // namespace pal

// Common finishes.
Finish Plate(double bias = 0, double sheen = 0, bool dither = false);
Finish Decal(double bias = 0);
Finish DomeOf(double radius, double gloss = 0, double gain = 4, double bias = 0);
Finish GlowOf(double gain, double bias = 0);

void Paint(Canvas &c, const Shape &s, const Ramp &r, const Finish &f = {});
// Multiplies the brightness of the covered pixels of c inside s (panel lines, grime).
void Tint(Canvas &c, const Shape &s, double factor);
// Fills s with one colour (only where c is covered when onlyCovered).
void Fill(Canvas &c, const Shape &s, Argb colour, bool onlyCovered = false);
// Orange exhaust leaving a tail at `at` towards -y: `half` wide at the nozzle, `len` long.
void Exhaust(Canvas &c, const Xform &t, Pt at, double half, double len);
// A little lamp: a bright pixel with a rim of the lamp's own colour.
void Lamp(Canvas &c, const Xform &t, Pt p, Argb colour, int size = 2);

// Draws one frame: a fresh cell of cw x ch, the model placed by base (centred on the cell),
// outlined and pasted at (col, row) of the sheet.
using DrawCraft = void (*)(Canvas &cell, const Xform &t, int variant);
void DrawCell(Canvas &sheet, int cw, int ch, int col, int row, DrawCraft draw, int variant, Xform base = {});

// Closes a cell: a dark outline round everything, ready to paste into the sheet.
void Outline(Canvas &cell);
void PasteCell(Canvas &sheet, const Canvas &cell, int col, int row);

}  // namespace qel::art::craft
