// The HUD gauges: the shield and bomb bars (IT22) and the boss gauge (IT23).
// The HUD copies each bar from its left edge at the width of the level it shows, so every column
// has to look finished on its own: shading runs along the rows, colour brightens towards the full
// end, and a notch every tenth tells how much is left at a glance.
#include <array>

#include "art/paint_kit.h"
#include "art/registry.h"

namespace qel::art {
namespace {

// Lighting across the rows of a tube, top lit: > 0 lifts towards white, < 0 darkens.
// The first and last rows sit under the HUD's box outline and the edge below it.
constexpr std::array<double, 15> kTall = {-0.65, 0.6,  0.4,   0.2,   0.05,  0,     0,    0,
                                          0,     -0.1, -0.18, -0.28, -0.38, -0.48, -0.65};
constexpr std::array<double, 10> kLow = {-0.65, 0.55, 0.3, 0.1, 0, 0, -0.15, -0.3, -0.45, -0.65};

Argb Light(Argb base, double lift) {
  return lift >= 0 ? Mix(base, Rgb(255, 255, 255), lift) : Shade(base, 1 + lift);
}

struct BarStyle {
  const Stop *stops;
  int stopCount;
  int length;   // the width that means "full"
  int notch;    // pixels per notch
  bool hazard;  // diagonal warning stripes
};

template <std::size_t N>
void DrawBar(Canvas &c, int top, const std::array<double, N> &rows, const BarStyle &s) {
  for (int x = 0; x < s.length; ++x) {
    double t = static_cast<double>(x) / (s.length - 1);
    Argb base = Gradient(s.stops, s.stopCount, t);  // brightening towards the full end
    bool notch = (x + 1) % s.notch == 0 && x + 1 < s.length;
    for (int r = 0; r < static_cast<int>(N); ++r) {
      Argb col = Light(base, rows[static_cast<std::size_t>(r)]);
      bool inner = r > 0 && r + 1 < static_cast<int>(N);
      if (inner && s.hazard && ((x + r) / 4) % 2 == 0) col = Shade(col, 0.72);
      if (inner && notch) col = Shade(col, 0.55);
      c.set(x, top + r, col);
    }
  }
}

constexpr Stop kShield[] = {{0, Rgb(16, 44, 160)}, {0.55, Rgb(24, 140, 240)}, {1, Rgb(120, 240, 255)}};
constexpr Stop kBomb[] = {{0, Rgb(176, 48, 8)}, {0.6, Rgb(248, 144, 24)}, {1, Rgb(255, 236, 96)}};
constexpr Stop kBoss[] = {{0, Rgb(88, 24, 136)}, {0.6, Rgb(184, 56, 208)}, {1, Rgb(255, 128, 232)}};
constexpr Stop kBossHurt[] = {{0, Rgb(128, 8, 8)}, {0.6, Rgb(224, 32, 24)}, {1, Rgb(255, 112, 80)}};

}  // namespace

// Rows 0..14: the shield bar, 200 px at full. Rows 15..29: the bomb gauge, 100 px at full.
ART_SHEET(IT22) {
  DrawBar(c, 0, kTall, {kShield, 3, 200, 20, false});
  DrawBar(c, 15, kTall, {kBomb, 3, 100, 10, false});
  c.fillRect(100, 15, c.w - 100, 15, Rgb(10, 20, 56));  // never shown: the gauge stops at 100
}

// Rows 0..9: the boss gauge; rows 10..19: the same in the boss's damaged phase.
ART_SHEET(IT23) {
  DrawBar(c, 0, kLow, {kBoss, 3, 200, 20, false});
  DrawBar(c, 10, kLow, {kBossHurt, 3, 200, 20, true});
}

}  // namespace qel::art
