// TOKU37, 275 x 215: the pilot and the shop keeper standing on the rocks of the shore, seen from
// behind as they watch the sun go down (the game draws it at (200, 265) over the sunset, or only
// its left 150 columns, the pilot alone, at (300, 265)). So that the pilot alone is a whole
// picture, he and his rock lie wholly in columns 0..149 and she and hers in 150..274.
//
// The sun is low ahead of them and to the left: their backs are in the evening's shade, and a
// warm rim of light runs along the edges that face it.
#include <algorithm>
#include <cmath>
#include <vector>

#include "art/keeper_kit.h"
#include "art/paint_kit.h"
#include "art/registry.h"

namespace qel::art {
namespace {

using keeper::Part;
using keeper::Path;

constexpr int kW = 275, kH = 215;

// Dusk versions of the characters' colours (outline first): what their backs look like with the
// sun in front of them.
// clang-format off
const Ramp kHairDark = {Rgb(8, 8, 18), Rgb(18, 18, 34), Rgb(28, 30, 52), Rgb(40, 44, 72), Rgb(62, 66, 102), Rgb(96, 100, 140)};
const Ramp kSuit = {Rgb(6, 8, 28), Rgb(12, 20, 58), Rgb(20, 34, 92), Rgb(30, 52, 130), Rgb(60, 92, 178), Rgb(120, 150, 220)};
const Ramp kArmour = {Rgb(24, 26, 48), Rgb(62, 66, 100), Rgb(100, 104, 140), Rgb(140, 144, 176), Rgb(186, 188, 214), Rgb(236, 236, 250)};
const Ramp kTrim = {Rgb(4, 22, 40), Rgb(8, 50, 90), Rgb(14, 96, 150), Rgb(40, 160, 210), Rgb(130, 220, 250), Rgb(220, 250, 255)};
const Ramp kSkin = {Rgb(70, 30, 30), Rgb(140, 78, 70), Rgb(184, 112, 96), Rgb(214, 146, 124), Rgb(240, 184, 150), Rgb(255, 220, 190)};
const Ramp kAuburn = {Rgb(36, 10, 10), Rgb(76, 24, 20), Rgb(110, 40, 26), Rgb(146, 62, 36), Rgb(196, 98, 54), Rgb(240, 160, 96)};
const Ramp kCoat = {Rgb(22, 22, 42), Rgb(70, 70, 104), Rgb(112, 112, 146), Rgb(156, 154, 184), Rgb(204, 196, 214), Rgb(250, 236, 230)};
const Ramp kTeal = {Rgb(6, 32, 40), Rgb(10, 62, 74), Rgb(18, 96, 104), Rgb(30, 130, 136), Rgb(80, 180, 176), Rgb(150, 226, 210)};
const Ramp kCoral = {Rgb(40, 8, 14), Rgb(96, 22, 32), Rgb(146, 36, 48), Rgb(190, 60, 70), Rgb(224, 104, 100), Rgb(250, 164, 150)};
const Ramp kStone = {Rgb(8, 6, 16), Rgb(20, 14, 30), Rgb(32, 22, 44), Rgb(46, 30, 58), Rgb(70, 42, 70), Rgb(120, 70, 84)};
// clang-format on
const Argb kGold = Rgb(232, 184, 48), kGoldLight = Rgb(255, 236, 140);

// The warm rim: covered pixels of the part whose left or upper-left neighbour lies outside it.
void Rim(Part &p, double strength) {
  Canvas before = p.c;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      if (!before.covered(x, y)) continue;
      bool left = !before.covered(x - 1, y),
           upLeft = !before.covered(x - 1, y - 1) && !before.covered(x, y - 1);
      if (left || upLeft) p.c.set(x, y, Mix(before.get(x, y), Rgb(255, 190, 110), strength));
    }
}

// ---- the pilot, columns 0..149 -------------------------------------------------------------

Part PilotLegs() {
  Part p(kW, kH);
  // Standing easy, feet apart, in the suit's trousers and flight boots.
  p.fill(Path(60, 110)
             .to(96, 110)
             .bend(99, 150, 98, 170)
             .to(100, 192)
             .to(86, 193)
             .to(85, 170)
             .bend(80, 140, 78, 124)
             .bend(76, 140, 72, 170)
             .to(72, 193)
             .to(57, 192)
             .to(59, 170)
             .bend(57, 140, 60, 110),
         kSuit[3]);
  p.bevel(kSuit, 1, 2);
  p.clip(Path(56, 164).to(74, 164).to(74, 194).to(55, 194), kArmour[2]);  // boots
  p.clip(Path(84, 164).to(101, 164).to(102, 194).to(84, 194), kArmour[2]);
  p.clipLine(57, 165, 73, 165, 2, kTrim[2]);
  p.clipLine(85, 165, 100, 165, 2, kTrim[2]);
  p.clipLine(56, 192, 74, 192, 2, kArmour[1]);
  p.clipLine(84, 192, 102, 192, 2, kArmour[1]);
  p.clipLine(78, 126, 78, 160, 1, kSuit[1]);
  p.c.outline(kSuit[0]);
  return p;
}

Part PilotBody() {
  Part p(kW, kH);
  // Shoulders, the back of the suit tapering to the belt, and both arms.
  p.fill(Path(70, 48)
             .to(86, 48)
             .bend(104, 50, 108, 60)
             .bend(112, 74, 110, 92)
             .to(112, 118)
             .to(104, 120)
             .to(100, 98)
             .bend(98, 108, 97, 114)
             .to(59, 114)
             .bend(58, 108, 56, 98)
             .to(52, 120)
             .to(44, 118)
             .to(46, 92)
             .bend(44, 74, 48, 60)
             .bend(52, 50, 70, 48),
         kSuit[3]);
  p.bevel(kSuit, 1, 2);
  // The arms part from the back.
  p.clipStroke(56, 66, 57, 80, 57, 92, 57, 100, kSuit[1]);
  p.clipStroke(100, 66, 99, 80, 99, 92, 99, 100, kSuit[1]);
  // The silver back plate with the livery stripe down its middle, and the belt.
  p.clip(Path(62, 54).to(94, 54).to(92, 86).to(78, 92).to(64, 86), kArmour[2]);
  p.clipLine(78, 55, 78, 90, 2, kTrim[3]);
  p.clip(Path(58, 106).to(98, 106).to(98, 114).to(58, 114), kSuit[1]);
  p.c.outline(kSuit[0]);
  return p;
}

Part PilotShoulders() {
  Part p(kW, kH);
  for (bool right : {false, true}) {
    auto x = [&](double v) { return right ? 156 - v : v; };
    p.fill(Path(x(66), 50).bend(x(50), 50, x(45), 62).to(x(46), 72).bend(x(52), 66, x(64), 60), kArmour[3]);
  }
  p.bevel(kArmour, 1, 2);
  p.clipLine(47, 66, 62, 56, 1, kTrim[3]);
  p.clipLine(109, 66, 94, 56, 1, kTrim[3]);
  p.c.outline(kArmour[0]);
  return p;
}

Part PilotHands() {
  Part p(kW, kH);
  p.ellipse(48, 122, 4, 5, kSkin[2]);  // his left hand hangs free
  p.bevel(kSkin, 1, 1);
  p.c.outline(kSkin[0]);
  return p;
}

// The helmet he carries in his right hand, seen from behind: a white shell with the livery
// stripe over its crown, the edge of the cyan visor showing at its front.
Part Helmet() {
  Part p(kW, kH);
  p.fill(Path(106, 110)
             .bend(106, 100, 116, 100)
             .bend(128, 100, 128, 113)
             .bend(128, 124, 118, 126)
             .to(108, 126)
             .bend(104, 120, 106, 110),
         kArmour[3]);
  p.bevel(kArmour, 2, 2);
  p.clip(Path(124, 104).bend(130, 110, 128, 118).to(125, 118).bend(126, 110, 122, 105), kTrim[3]);
  p.clipLine(126, 108, 127, 113, 1, kTrim[5]);
  p.clipStroke(108, 104, 112, 101, 118, 101, 123, 104, kSuit[3], 2);
  p.clipLine(107, 122, 120, 122, 1, kArmour[1]);
  p.ellipse(106, 114, 3.5, 4, kSkin[2]);  // the hand holding it
  p.c.outline(kArmour[0]);
  return p;
}

Part PilotHead() {
  Part p(kW, kH);
  p.fill(Path(72, 40).to(84, 40).to(86, 50).to(70, 50), kSkin[2]);  // the neck
  p.ellipse(64, 30, 2.5, 4, kSkin[2]);                              // the ears
  p.ellipse(92, 30, 2.5, 4, kSkin[2]);
  p.fill(Path(68, 44).bend(78, 40, 88, 44).to(89, 52).bend(78, 49, 67, 52), kArmour[3]);  // the collar
  p.bevel(kSkin, 0, 1);
  p.c.outline(kSkin[0]);
  return p;
}

Part PilotHair() {
  Part p(kW, kH);
  // Short and spiky, stirred by the wind off the sea.
  p.fill(Path(78, 12)
             .bend(88, 11, 92, 18)
             .to(99, 16)
             .to(94, 24)
             .to(100, 28)
             .to(93, 32)
             .to(96, 40)
             .to(88, 38)
             .to(86, 45)
             .to(80, 40)
             .to(75, 46)
             .to(72, 39)
             .to(65, 43)
             .to(66, 35)
             .to(59, 33)
             .to(64, 27)
             .to(58, 21)
             .to(65, 19)
             .bend(68, 12, 78, 12),
         kHairDark[3]);
  p.bevel(kHairDark, 1, 2);
  for (double t : {64.0, 72.0, 80.0, 88.0})
    p.clipStroke(78, 16, t, 24, t + (t - 78) * 0.3, 32, t + (t - 78) * 0.4, 42, kHairDark[1]);
  p.c.outline(kHairDark[0]);
  return p;
}

// ---- the keeper, columns 150..274 ----------------------------------------------------------

Part KeeperLegs() {
  Part p(kW, kH);
  // Dark stockings and shoes under the coat, her weight on her right foot.
  p.fill(
      Path(201, 140).to(214, 140).bend(214, 160, 211, 176).to(211, 186).to(203, 186).bend(202, 170, 203, 160),
      kSuit[2]);
  p.fill(
      Path(216, 140).to(229, 140).bend(228, 160, 227, 176).to(228, 186).to(219, 186).bend(217, 170, 217, 160),
      kSuit[2]);
  p.bevel(kSuit, 1, 1);
  p.fill(Path(202, 185).to(212, 185).to(213, 193).to(200, 193), kCoral[1]);  // her shoes
  p.fill(Path(218, 185).to(228, 185).to(230, 193).to(217, 193), kCoral[1]);
  p.c.outline(kSuit[0]);
  return p;
}

// Her cream coat to the knees, its hem lifted by the wind, teal at the hem and the collar.
Part KeeperCoat() {
  Part p(kW, kH);
  p.fill(Path(206, 70)
             .to(222, 70)
             .bend(236, 72, 239, 84)
             .to(240, 108)
             .bend(246, 128, 252, 148)
             .to(240, 150)
             .to(228, 147)
             .to(215, 149)
             .to(203, 147)
             .to(192, 150)
             .to(181, 146)
             .bend(186, 126, 189, 108)
             .to(189, 84)
             .bend(192, 72, 206, 70),
         kCoat[3]);
  p.bevel(kCoat, 1, 2);
  p.clipStroke(195, 84, 196, 96, 196, 104, 197, 112, kCoat[1]);  // the sleeves
  p.clipStroke(233, 84, 233, 96, 233, 104, 232, 112, kCoat[1]);
  p.clipLine(215, 118, 215, 150, 1, kCoat[1]);  // the vent at the back
  p.clipStroke(181, 145, 204, 145, 226, 145, 252, 147, kTeal[3], 3);
  p.clipStroke(222, 120, 230, 132, 238, 140, 246, 146, kCoat[2]);  // the wind's fold in the hem
  p.c.outline(kCoat[0]);
  return p;
}

// Her hands clasped behind her back.
Part KeeperHands() {
  Part p(kW, kH);
  p.ellipse(208, 116, 4, 3.5, kSkin[3]);
  p.ellipse(220, 116, 4, 3.5, kSkin[3]);
  p.clipLine(214, 113, 214, 119, 1, kSkin[1]);
  p.bevel(kSkin, 1, 1);
  p.c.outline(kSkin[0]);
  return p;
}

Part KeeperHair() {
  Part p(kW, kH);
  // Long auburn hair down to her waist, drawn out to the right by the wind.
  p.fill(Path(214, 36)
             .bend(228, 36, 232, 50)
             .bend(236, 66, 238, 84)
             .bend(242, 100, 250, 114)
             .to(240, 112)
             .to(242, 122)
             .to(232, 114)
             .to(228, 126)
             .to(222, 116)
             .to(216, 124)
             .to(210, 114)
             .to(202, 120)
             .to(200, 110)
             .to(192, 112)
             .bend(194, 90, 194, 72)
             .bend(194, 54, 198, 46)
             .bend(202, 36, 214, 36),
         kAuburn[3]);
  p.bevel(kAuburn, 1, 2);
  for (double t : {200.0, 208.0, 216.0, 224.0, 232.0})
    p.clipStroke(214, 40, t, 60, t + (t - 214) * 0.1 + 1, 90, t + (t - 214) * 0.2 + 3, 114, kAuburn[2]);
  p.clipStroke(208, 42, 204, 60, 202, 80, 203, 104, kAuburn[4]);
  p.c.outline(kAuburn[0]);
  return p;
}

// The star clip on her right side and the earpiece on her left, as in the shop.
void KeeperTrinkets(Canvas &c) {
  const double sx = 231, sy = 46;
  std::vector<double> star;
  for (int i = 0; i < 10; ++i) {
    double a = -3.14159265 / 2 + i * 3.14159265 / 5, r = i % 2 ? 2.2 : 5.0;
    star.push_back(sx + r * std::cos(a));
    star.push_back(sy + r * std::sin(a));
  }
  c.fillPolygon(star, kGold);
  c.set(static_cast<int>(sx) - 1, static_cast<int>(sy) - 2, kGoldLight);
  c.fillRect(194, 56, 3, 5, kCoat[3]);
  c.set(195, 57, kTeal[4]);
}

// ---- the shore -----------------------------------------------------------------------------

// Boulders from x0 to x1 with their top at `top` under the feet, their sides running down into
// the sea: a rugged outline, the flat top lit by the last of the sun, cracks and ledges.
Part Rock(double x0, double x1, double top, int seed) {
  Part p(kW, kH);
  Path outline(x0, kH + 1.0);
  const int n = 28;
  for (int i = 0; i <= n; ++i) {
    double t = static_cast<double>(i) / n, x = x0 + (x1 - x0) * t;
    double dome = 1 - std::pow(2 * t - 1, 2);
    double rough = (Fbm(x, 0, 14, 1, 2, seed) - 0.5) * 7 + (Hash01(i, 0, seed) - 0.5) * 2;
    outline.to(x, kH - (kH - top) * std::pow(dome, 0.28) + rough * dome);
  }
  outline.to(x1, kH + 1.0);
  p.fill(outline, kStone[2]);
  // The lit top: the pixels within a few rows of the outline's upper edge.
  Canvas shape = p.c;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      if (!shape.covered(x, y)) continue;
      int depth = 0;
      while (depth < 4 && shape.covered(x, y - depth - 1)) ++depth;
      if (depth < 1) p.c.set(x, y, kStone[4]);
      else if (depth < 3 && Fbm(x, y, 6, 3, 1, seed + 5) > 0.4) p.c.set(x, y, kStone[3]);
      else if (Fbm(x, y, 10, 4, 2, seed + 9) < 0.32) p.c.set(x, y, kStone[1]);  // clefts in shade
    }
  for (int i = 0; i < 4; ++i) {
    double x = x0 + 14 + (x1 - x0 - 28) * Hash01(i, 1, seed), y = top + 7 + 12 * Hash01(i, 2, seed);
    p.clipStroke(x, y, x + 3, y + 5, x + 1, y + 10, x + 4, kH, kStone[0]);
  }
  p.c.outline(kStone[0]);
  return p;
}

}  // namespace

ART_SHEET(TOKU37) {
  keeper::Figure f(kW, kH);
  // The pilot's rock ends with its own edge before column 150, hers starts after it.
  Part pilotRock = Rock(4, 146, 190, 371), keeperRock = Rock(154, 272, 191, 372);
  Rim(pilotRock, 0.45);
  Rim(keeperRock, 0.45);
  f.paste(pilotRock, 1);
  f.paste(keeperRock, 1);
  std::vector<Part> pilot = {PilotLegs(), PilotBody(), PilotShoulders(), PilotHands(),
                             PilotHead(), PilotHair(), Helmet()};
  std::vector<Part> keeper = {KeeperLegs(), KeeperCoat(), KeeperHands(), KeeperHair()};
  for (Part &p : pilot) {
    Rim(p, 0.7);
    f.paste(p, 2);
  }
  for (Part &p : keeper) {
    Rim(p, 0.7);
    f.paste(p, 3);
  }
  KeeperTrinkets(f.c);
  c.paste(f.c, 0, 0);
}

}  // namespace qel::art
