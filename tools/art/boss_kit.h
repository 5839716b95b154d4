// A small kit for the large enemy craft: shapes are built as masks of the paint kit, then
// painted with a colour ramp lit from the top left (bevelled edges, seams where a plate lies over
// another, cast shadows), and dressed with grooves, rivets and glowing lights. Wrecks are burnt
// copies of the working frame.
#pragma once

#include <cstdint>
#include <vector>

#include "art/canvas.h"
#include "art/paint_kit.h"

namespace qel::art::kit {

// Hull materials of the enemy family and the colours of their lights, six shades each from the
// darkest (0) to the brightest (5).
extern const Ramp kPurple, kOlive, kRust, kSteel, kDark, kEarth, kBrass, kPlum;
extern const Ramp kRedGlow, kAmberGlow, kMagentaGlow, kGlass;

// Draws one design as a left or a right unit: masks and coordinates are given for the left unit
// and mirrored for the right one, so that both are still lit from the top left.
struct Side {
  bool right = false;
  int w = 0;
  Mask operator()(const Mask &m) const { return right ? m.flipped() : m; }
  int px(int x) const { return right ? w - 1 - x : x; }    // a pixel column
  double cx(double x) const { return right ? w - x : x; }  // a continuous coordinate
};

// How a shape is lit before its edges are bevelled.
enum class Light { Flat, Vertical, CylinderV, CylinderH, Sphere };

struct Paint {
  Light light = Light::Flat;
  double base = 2.6;       // mean level
  double strength = 1.4;   // range of the lighting function
  double bevel = 1.1;      // added on lit edges, taken from shadowed ones
  bool seams = true;       // dark seam where the shape overlies other picture (bottom, right)
  bool castShadow = true;  // darkens the picture just below right of the shape
  bool dither = false;     // ordered dither between half-levels
};

// Paints the mask onto the canvas with the ramp.
void Fill(Canvas &c, const Mask &m, const Ramp &r, const Paint &p = {});

// Darkens covered pixels along a line and lightens their lower-right neighbours: a panel groove.
void Groove(Canvas &c, double x1, double y1, double x2, double y2, double dark = 0.55);
// A raised ridge: light line with a dark line beside it below right.
void Ridge(Canvas &c, double x1, double y1, double x2, double y2);
void Rivet(Canvas &c, int x, int y);
// A row of n vent slots, each of length len, starting at (x, y), stepping (sx, sy).
void Vents(Canvas &c, int x, int y, int n, int sx, int sy, int len, bool horizontal);
// A glowing light of radius r with a dark rim and a white core.
void Glow(Canvas &c, double cx, double cy, double r, const Ramp &g);
// A glass canopy over the mask: dark below, bright above, with a specular streak.
void Canopy(Canvas &c, const Mask &m);
// A glowing slot (a heat vent or a sensor strip).
void Slit(Canvas &c, int x, int y, int w, int h, const Ramp &g);
// A small one- or two-pixel lamp.
void Lamp(Canvas &c, int x, int y, const Ramp &g, bool big = false);
// A rectangular opening: dark inside, lit bottom lip.
void Hole(Canvas &c, int x, int y, int w, int h);
// An engine nozzle seen from behind (top of the craft) with its glow, and a flame going up.
void Nozzle(Canvas &c, double cx, double y, double rx, double ry, const Ramp &metal, const Ramp &flame,
            int flameLen);
// Outlines a copy of the frame and pastes it into the sheet cell (col, row).
void Place(Canvas &sheet, const Canvas &frame, int col, int row);

// The burnt-out wreck of a working frame: glows die, metal chars, chunks break off, cracks
// smoulder. Deterministic for a given seed.
Canvas Wreck(const Canvas &working, std::uint32_t seed, double damage = 1.0);

// The frames 0..count-1 of a w x h design, drawn by draw(frame, f), side by side in row 0.
template <typename Draw>
void PlaceFrames(Canvas &sheet, int w, int h, int count, Draw draw) {
  for (int f = 0; f < count; ++f) {
    Canvas frame(w, h);
    draw(frame, f);
    Place(sheet, frame, f, 0);
  }
}

// A part that serves both flanks: left and right in cells 0 and 1, their wrecks in 2 and 3.
template <typename Draw>
void PlaceSidesAndWrecks(Canvas &sheet, int w, int h, std::uint32_t seed, Draw draw) {
  for (int side = 0; side < 2; ++side) {
    Canvas frame(w, h);
    draw(frame, side == 1);
    Place(sheet, frame, side, 0);
    Place(sheet, Wreck(frame, seed + static_cast<std::uint32_t>(side)), side + 2, 0);
  }
}

// A seeded pseudo-random source for the scorch patterns.
struct Rng {
  std::uint32_t s;
  explicit Rng(std::uint32_t seed) : s(seed * 2654435761u + 12345u) {}
  std::uint32_t next() {
    s ^= s << 13;
    s ^= s >> 17;
    s ^= s << 5;
    return s;
  }
  double unit() { return (next() & 0xFFFFFF) / 16777216.0; }
  int range(int lo, int hi) {
    return lo + static_cast<int>(next() % static_cast<std::uint32_t>(hi - lo + 1));
  }
};

}  // namespace qel::art::kit
