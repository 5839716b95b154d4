// Shared colours and shading of the enemy bullets, needles, beams and mines.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>

#include "art/canvas.h"
#include "art/paint_kit.h"
#include "platform/angles.h"

namespace qel::art::bullet {

// Bullet ramps have seven shades: the outline (0), the body (1..4) and the white-hot core (6).
inline const Ramp kFire = {Rgb(60, 8, 0),     Rgb(128, 20, 0),    Rgb(200, 48, 0),   Rgb(248, 96, 16),
                           Rgb(255, 160, 48), Rgb(255, 224, 128), Rgb(255, 255, 240)};
inline const Ramp kRed = {Rgb(64, 0, 16),     Rgb(136, 0, 24),    Rgb(208, 24, 40),  Rgb(255, 72, 56),
                          Rgb(255, 144, 104), Rgb(255, 216, 176), Rgb(255, 255, 255)};
inline const Ramp kMagenta = {Rgb(52, 0, 40),     Rgb(120, 8, 88),    Rgb(192, 24, 144), Rgb(240, 72, 200),
                              Rgb(255, 144, 232), Rgb(255, 216, 248), Rgb(255, 255, 255)};
inline const Ramp kGold = {Rgb(64, 32, 0),    Rgb(140, 72, 0),    Rgb(204, 128, 0),  Rgb(252, 192, 32),
                           Rgb(255, 236, 96), Rgb(255, 248, 192), Rgb(255, 255, 255)};
// The purple-grey armour of the enemy craft, for the mines' shells.
inline const Ramp kHull = {Rgb(16, 12, 24),    Rgb(40, 32, 56),    Rgb(68, 58, 88),   Rgb(100, 90, 124),
                           Rgb(140, 132, 166), Rgb(192, 186, 216), Rgb(240, 236, 255)};

// The ramp colour for a brightness v (0 = rim, 1 = core), never the outline shade; band edges
// get the checkered seam of the ordered dither instead of a blur.
inline Argb Band(const Ramp &ramp, double v, int x, int y, double dither) {
  int i = static_cast<int>(std::floor(v * 6.0 + Dither(x, y) * dither));
  return ramp[static_cast<std::size_t>(std::clamp(i, 1, 6))];
}

}  // namespace qel::art::bullet
