// The ending's close-ups, full height over the doubled sunset sky: the pilot (BG1, 250 x 480)
// and the shop keeper (BG3, 315 x 480). The game slides them in from the right and stops the
// keeper at x 155 and the pilot, in front of her, at x 260, so the keeper stands left of centre
// and the pilot's head sits in the right part of the screen; nothing of either touches the left
// edge of its picture, which the player sees.
//
// The keeper is her shop portrait's own design, drawn larger with her arms at her sides; both
// are lit by the low sun from the left: warm light and a gold rim on that side, the far side in
// the blue of the evening.
#include <algorithm>
#include <cmath>
#include <vector>

#include "art/keeper_kit.h"
#include "art/paint_kit.h"
#include "art/registry.h"

namespace qel::art {
namespace {

using keeper::Frame;
using keeper::Part;
using keeper::Path;

// ---- the evening light ---------------------------------------------------------------------

// Warms the side of a figure that faces the sun (the left) and cools the far side, then draws
// a gold rim one pixel wide along the outline where it faces the sun.
void EveningLight(Canvas &c, double warmFrom, double warmTo) {
  Canvas before = c;
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) {
      if (!before.covered(x, y)) continue;
      Argb px = before.get(x, y);
      double sun = std::clamp((warmTo - x) / (warmTo - warmFrom), 0.0, 1.0);
      px = Mix(px, Mix(Shade(px, 0.78), Rgb(70, 60, 130), 0.22), 0.6 * (1 - sun));  // evening blue
      px = Mix(Shade(px, 0.94), Rgb(255, 170, 104), 0.2 * sun);                     // sunlight
      if (!before.covered(x - 1, y) || (!before.covered(x - 1, y - 1) && !before.covered(x, y - 1)))
        if ((before.get(x, y) & 0xFFFFFF) != (kInk & 0xFFFFFF)) px = Mix(px, Rgb(255, 206, 128), 0.65);
      c.set(x, y, px);
    }
}

// ---- features ------------------------------------------------------------------------------

struct EyeInks {
  Argb lash, lid, white, whiteShade, irisDark, iris, irisLight, pupil;
};

// An eye of w x h pixels with its top left at (x, y); its outer corner is on the left unless
// mirrored. The highlights stay at the top left of the iris on both eyes, towards the light.
void Eye(Canvas &c, int x, int y, int w, int h, bool mirrored, const EyeInks &k) {
  auto U = [&](double u) { return mirrored ? w - u : u; };
  Canvas e(w, h);
  // The opening between the lids.
  Mask open(w, h);
  open.poly({U(0.06 * w), 0.42 * h, U(0.3 * w), 0.18 * h, U(0.58 * w), 0.12 * h, U(0.86 * w), 0.22 * h,
             U(0.97 * w), 0.4 * h, U(0.86 * w), 0.72 * h, U(0.58 * w), 0.9 * h, U(0.3 * w), 0.8 * h});
  FillMask(e, open, k.white);
  // The iris and the pupil, cut by the lids.
  Mask iris(w, h);
  iris.ellipse(U(0.56 * w), 0.54 * h, 0.27 * w, 0.44 * h).intersect(open);
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      if (!iris.at(i, j)) continue;
      double v = (j + 0.5) / h;
      Argb col = v < 0.34 ? k.irisDark : v > 0.66 ? k.irisLight : k.iris;
      bool rim = !iris.at(i - 1, j) || !iris.at(i + 1, j) || !iris.at(i, j + 1);
      e.set(i, j, rim ? k.irisDark : col);
    }
  Mask pupil(w, h);
  pupil.ellipse(U(0.56 * w), 0.52 * h, 0.08 * w, 0.2 * h).intersect(iris);
  FillMask(e, pupil, k.pupil);
  // The shadow of the upper lid on the white.
  for (int i = 0; i < w; ++i)
    for (int j = 0; j < h; ++j)
      if (open.at(i, j)) {
        if (!iris.at(i, j)) e.set(i, j, k.whiteShade);
        break;
      }
  // The upper lid and its lashes, heavier towards the outer corner, with a flick.
  Mask lash(w, h);
  const double top[][2] = {{0.0, 0.36}, {0.06, 0.38}, {0.3, 0.12}, {0.58, 0.05}, {0.86, 0.16}, {0.98, 0.36}};
  for (int s = 0; s + 1 < 6; ++s) {
    double thick = s < 2 ? 2.6 : s < 4 ? 2.2 : 1.6;
    lash.line(U(top[s][0] * w), top[s][1] * h, U(top[s + 1][0] * w), top[s + 1][1] * h, thick * h / 15.0);
  }
  lash.line(U(0.06 * w), 0.4 * h, U(-0.02 * w), 0.2 * h, 1.6);
  FillMask(e, lash, k.lash);
  // The lower lid: a short line under the middle.
  for (int i = static_cast<int>(0.3 * w); i < static_cast<int>(0.84 * w); ++i)
    e.set(mirrored ? w - 1 - i : i, static_cast<int>(0.95 * h), k.lid);
  // Highlights: a bright square at the iris's top left and a spark at its bottom right.
  const int hx = static_cast<int>(0.56 * w - 0.27 * w + 0.3 * w * 0.4), hy = static_cast<int>(0.3 * h);
  const int size = std::max(2, h / 5);
  const int ix = mirrored ? static_cast<int>(w - 0.56 * w - 0.27 * w + 0.12 * w) : hx;
  e.fillRect(ix, hy, size, size, Rgb(255, 255, 255));
  e.set(static_cast<int>(U(0.56 * w) + 0.15 * w), static_cast<int>(0.7 * h), Rgb(255, 255, 255));
  c.paste(e, x, y);
}

// A brow as a tapering arc from its inner to its outer end.
void Brow(Canvas &c, double x0, double y0, double x1, double y1, double lift, double thick, Argb dark,
          Argb light) {
  const int n = 16;
  for (int i = 0; i <= n; ++i) {
    double t = static_cast<double>(i) / n;
    double x = x0 + (x1 - x0) * t, y = y0 + (y1 - y0) * t - lift * 4 * t * (1 - t);
    double r = thick * (1 - 0.55 * t) / 2;
    c.fillCircle(x, y, std::max(0.6, r), dark);
    if (r > 1) c.set(static_cast<int>(x), static_cast<int>(y - r + 0.5), light);
  }
}

// ---- the keeper ----------------------------------------------------------------------------

const EyeInks kKeeperEyes = {Rgb(36, 14, 14), Rgb(138, 74, 60),  Rgb(253, 248, 244), Rgb(200, 192, 216),
                             Rgb(12, 74, 68), Rgb(22, 140, 114), Rgb(92, 208, 160),  Rgb(8, 36, 32)};

// Her portrait's design at 1.25 times its size: the face's centre line lands at x 117.
const keeper::Layout kKeeperLayout = {315, 480, Frame{1.25, -10, 46}, 348};

void KeeperFace(Canvas &c, const Frame &f) {
  // Her eyes where the shop's eye sheet puts them, at the new size: open, looking at us.
  const int ew = 25, eh = 15;
  Eye(c, static_cast<int>(f.x(85) - ew / 2.0), static_cast<int>(f.y(59) - eh / 2.0), ew, eh, false,
      kKeeperEyes);
  Eye(c, static_cast<int>(f.x(118) - ew / 2.0), static_cast<int>(f.y(59) - eh / 2.0), ew, eh, true,
      kKeeperEyes);
  // Brows raised a little: she is glad.
  Brow(c, f.x(95), f.y(48), f.x(76), f.y(48.5), 3.2, 2.4, keeper::kHair[0], keeper::kHair[1]);
  Brow(c, f.x(108), f.y(48), f.x(127), f.y(48.5), 3.2, 2.4, keeper::kHair[0], keeper::kHair[1]);
  // A soft smile.
  const double mx = f.x(101.5), my = f.y(82);
  for (int i = -7; i <= 7; ++i) {
    double y = my + 2.2 * (1 - (i / 7.0) * (i / 7.0));
    c.set(static_cast<int>(mx + i), static_cast<int>(std::lround(y)), Rgb(122, 40, 40));
  }
  for (int i = -3; i <= 3; ++i) c.set(static_cast<int>(mx + i), static_cast<int>(my + 4), Rgb(208, 128, 112));
}

// ---- the pilot -----------------------------------------------------------------------------

// The pilot of the ZOZE: a young man with dark blue-black hair in a flight suit of the player's
// colours, deep blue with silver-white armour and cyan trim. Six shades each, the outline first.
const Ramp kPilotHair = {Rgb(10, 10, 22), Rgb(24, 26, 46),  Rgb(38, 42, 70),
                         Rgb(56, 62, 98), Rgb(84, 94, 136), Rgb(128, 140, 184)};
const Ramp kPilotSkin = {Rgb(88, 40, 32),    Rgb(178, 106, 86),  Rgb(222, 148, 118),
                         Rgb(246, 196, 162), Rgb(255, 222, 196), Rgb(255, 240, 226)};
const Ramp kSuit = {Rgb(8, 12, 40),   Rgb(16, 30, 88),   Rgb(26, 52, 140),
                    Rgb(40, 82, 190), Rgb(84, 132, 232), Rgb(156, 196, 255)};
const Ramp kArmour = {Rgb(30, 36, 64),    Rgb(86, 100, 136),  Rgb(150, 162, 190),
                      Rgb(206, 214, 232), Rgb(238, 242, 252), Rgb(255, 255, 255)};
const Ramp kTrim = {Rgb(4, 24, 48),    Rgb(10, 60, 110),   Rgb(18, 120, 180),
                    Rgb(50, 190, 236), Rgb(150, 236, 255), Rgb(230, 255, 255)};

const EyeInks kPilotEyes = {Rgb(20, 14, 24), Rgb(150, 86, 70), Rgb(248, 246, 244), Rgb(190, 190, 214),
                            Rgb(16, 40, 90), Rgb(40, 96, 180), Rgb(110, 180, 240), Rgb(8, 16, 40)};

enum PilotLabel { kPNeck = 1, kPBody, kPArmour, kPCollar, kPFace, kPHair };

constexpr int kPW = 250, kPH = 480;

// He has turned to his right, towards her and the sun: the face in three-quarter view.
Part PilotFace() {
  Part p(kPW, kPH);
  p.fill(Path(114, 78)
             .bend(105, 86, 104, 94)
             .bend(101, 102, 101, 110)
             .bend(103, 114, 103, 117)
             .bend(100, 123, 98, 127)
             .bend(94, 132, 94, 135)
             .bend(95, 139, 99, 139)
             .to(100, 143)
             .bend(98, 145, 99, 147)
             .bend(102, 148, 102, 150)
             .bend(100, 152, 101, 154)
             .bend(103, 157, 104, 159)
             .bend(102, 163, 104, 166)
             .bend(106, 171, 112, 172)
             .bend(128, 175, 142, 168)
             .bend(156, 158, 160, 146)
             .to(170, 112)
             .bend(168, 80, 150, 72),
         kPilotSkin[3]);
  p.ellipse(165, 133, 8, 12, kPilotSkin[3]);  // the ear
  p.bevel(kPilotSkin, 1, 2);
  // The side of his head turned from the light, the shade under the cheekbone and the jaw.
  p.clip(Path(146, 112).bend(150, 140, 140, 168).bend(156, 158, 160, 146).to(176, 112), kPilotSkin[2]);
  p.clipEllipse(166, 134, 4, 7, kPilotSkin[2]);
  p.clipLine(163, 127, 163, 141, 1, kPilotSkin[1]);
  // The lit ridge of the nose and its shadow, the nostril, the mouth's small smile and the lip.
  p.clipStroke(103, 112, 101, 118, 99, 124, 96, 132, kPilotSkin[4]);
  p.clipStroke(105, 120, 105, 126, 104, 132, 101, 137, kPilotSkin[2]);
  p.dot(98, 138, kPilotSkin[1]);
  p.dot(99, 138, kPilotSkin[1]);
  p.clipStroke(101, 150, 104, 151, 107, 151, 111, 149, Rgb(128, 56, 48));
  p.dot(112, 148, Rgb(150, 74, 60));
  p.clipLine(103, 154, 107, 154, 1, kPilotSkin[2]);
  p.c.outline(kPilotSkin[0]);
  return p;
}

Part PilotNeck() {
  Part p(kPW, kPH);
  p.fill(Path(122, 166).to(118, 232).to(190, 232).to(178, 146), kPilotSkin[3]);
  p.bevel(kPilotSkin, 0, 2);
  p.clip(Path(148, 172).to(190, 232).to(178, 146), kPilotSkin[2]);
  p.c.outline(kPilotSkin[0]);
  return p;
}

// Short hair, its spikes blown back by the wind off the sea.
Part PilotHair() {
  Part p(kPW, kPH);
  p.fill(Path(108, 112)
             .to(111, 98)
             .to(95, 101)
             .to(104, 88)
             .to(88, 84)
             .to(101, 74)
             .bend(100, 58, 108, 50)
             .bend(130, 30, 162, 34)
             .bend(190, 36, 204, 56)
             .to(226, 62)
             .to(208, 76)
             .to(230, 90)
             .to(206, 100)
             .to(224, 118)
             .to(200, 122)
             .bend(202, 138, 198, 150)
             .to(208, 170)
             .to(188, 160)
             .to(180, 152)
             .bend(176, 130, 168, 124)
             .to(160, 150)
             .to(156, 128)
             .bend(150, 114, 146, 106)
             .to(140, 118)
             .to(134, 102)
             .to(124, 120)
             .to(120, 102),
         kPilotHair[3]);
  p.bevel(kPilotHair, 2, 2);
  // The back of the head and the lower spikes lie in shade.
  p.clip(Path(182, 40).bend(220, 62, 234, 96).to(234, 180).to(168, 180).bend(194, 110, 182, 40),
         kPilotHair[2]);
  // Each spike's parting runs along its middle from the clump it grows from.
  const double tips[][2] = {{95, 101}, {88, 84},  {124, 120}, {140, 118}, {160, 150},
                            {226, 62}, {230, 90}, {224, 118}, {208, 170}};
  for (const auto &t : tips) {
    double bx = 150 + (t[0] - 150) * 0.45, by = 72 + (t[1] - 72) * 0.45;
    p.clipStroke(bx, by, bx + (t[0] - bx) * 0.4, by + (t[1] - by) * 0.3, t[0] + (bx - t[0]) * 0.25,
                 t[1] + (by - t[1]) * 0.2, t[0], t[1], kPilotHair[1]);
  }
  // The shine where the light catches the crown: short streaks along the hair.
  for (int i = 0; i < 6; ++i) {
    double a = 3.14159265 * (1.05 + 0.5 * i / 5), x = 148 + 38 * std::cos(a), y = 86 + 36 * std::sin(a);
    double ux = std::cos(a + 1.45), uy = std::sin(a + 1.45);
    p.clipLine(x - 5 * ux, y - 5 * uy, x + 5 * ux, y + 5 * uy, 2, i % 2 ? kPilotHair[4] : kPilotHair[5]);
  }
  p.c.outline(kPilotHair[0]);
  return p;
}

// The flight suit: deep blue, turned with him, the near shoulder towards us.
Part PilotBody() {
  Part p(kPW, kPH);
  p.fill(Path(120, 222)
             .bend(86, 230, 50, 250)
             .bend(26, 266, 20, 320)
             .to(14, 480)
             .to(250, 480)
             .to(250, 236)
             .bend(224, 226, 190, 222),
         kSuit[3]);
  p.bevel(kSuit, 2, 3);
  p.gradient(kSuit, 70, 270, 220, 1, 4);
  // The arm parts from the body; a fold at the elbow's height.
  p.clipStroke(58, 300, 62, 360, 64, 420, 66, 480, kSuit[1], 2);
  p.clipStroke(30, 400, 38, 404, 46, 410, 52, 418, kSuit[2]);
  // The chest plate: silver with a cyan seam, and the zip running down from the collar.
  p.clip(Path(118, 240).bend(100, 290, 104, 360).to(190, 372).bend(200, 300, 196, 240), kArmour[3]);
  p.clipStroke(146, 236, 140, 290, 136, 330, 132, 372, kSuit[1], 2);
  p.clipStroke(118, 244, 102, 292, 104, 330, 104, 362, kTrim[3], 2);
  p.clipLine(104, 362, 190, 372, 2, kTrim[2]);
  // A harness strap across the chest with its buckle.
  p.clip(Path(66, 262).to(82, 254).to(230, 420).to(214, 430), kSuit[1]);
  p.clipLine(70, 260, 222, 424, 1, kSuit[4]);
  p.clip(Path(150, 340).to(166, 340).to(168, 358).to(152, 358), kArmour[4]);
  p.clip(Path(154, 344).to(162, 344).to(164, 354).to(156, 354), kArmour[1]);
  p.c.outline(kSuit[0]);
  return p;
}

// The armour over his near shoulder in two plates, with the cyan stripe of the ZOZE's livery.
Part PilotArmour() {
  Part p(kPW, kPH);
  p.fill(Path(120, 236)
             .bend(78, 236, 46, 256)
             .bend(32, 270, 28, 300)
             .to(50, 306)
             .bend(56, 282, 70, 272)
             .bend(96, 260, 122, 258),
         kArmour[3]);
  p.bevel(kArmour, 2, 3);
  p.gradient(kArmour, 60, 250, 70, 2, 5);
  p.clipStroke(120, 247, 88, 248, 58, 262, 40, 290, kTrim[3], 3);
  p.clipStroke(118, 251, 88, 252, 60, 266, 44, 292, kTrim[1], 1);
  // The seam between the two plates.
  p.clipStroke(76, 243, 66, 254, 60, 266, 58, 280, kArmour[1]);
  p.c.outline(kArmour[0]);
  return p;
}

// The suit's high white collar, open at the throat.
Part PilotCollar() {
  Part p(kPW, kPH);
  p.fill(Path(114, 194)
             .bend(150, 182, 190, 186)
             .to(198, 232)
             .bend(160, 246, 118, 240)
             .to(124, 224)
             .to(140, 212)
             .to(130, 198),
         kArmour[3]);
  p.cut(Path(121, 196).to(140, 204).to(127, 222));
  p.bevel(kArmour, 1, 2);
  p.clipStroke(116, 238, 140, 244, 170, 242, 198, 230, kTrim[3], 2);
  p.c.outline(kArmour[0]);
  return p;
}

// The squadron's patch on his chest plate: a blue shield with a cyan chevron, the ZOZE's nose.
void Patch(Canvas &c, int x, int y) {
  c.fillPolygon({x - 9.0, y - 10.0, x + 9.0, y - 10.0, x + 9.0, y + 3.0, x + 0.0, y + 11.0, x - 9.0, y + 3.0},
                kArmour[0]);
  c.fillPolygon({x - 8.0, y - 9.0, x + 8.0, y - 9.0, x + 8.0, y + 2.5, x + 0.0, y + 9.5, x - 8.0, y + 2.5},
                kSuit[3]);
  c.fillPolygon({x - 8.0, y - 9.0, x + 8.0, y - 9.0, x + 8.0, y - 7.0, x - 8.0, y - 7.0}, kSuit[4]);
  c.fillPolygon({x - 6.0, y + 3.0, x + 0.0, y - 6.0, x + 6.0, y + 3.0, x + 3.0, y + 3.0, x + 0.0, y - 1.5,
                 x - 3.0, y + 3.0},
                kTrim[4]);
  c.set(x, y - 5, Rgb(255, 255, 255));
}

keeper::Figure Pilot() {
  keeper::Figure f(kPW, kPH);
  f.paste(PilotNeck(), kPNeck);
  Part body = PilotBody();
  f.paste(body, kPBody);
  f.paste(PilotCollar(), kPCollar);
  f.paste(PilotArmour(), kPArmour);
  f.paste(PilotFace(), kPFace);
  f.paste(PilotHair(), kPHair);
  f.castShadow(kPFace, {kPHair}, 1, 1, 3, kPilotSkin);
  f.castShadow(kPNeck, {kPFace}, 0, 1, 12, kPilotSkin);
  f.castShadow(kPBody, {kPArmour, kPCollar}, 1, 1, 3, kSuit);
  f.castShadow(kPBody, {kPArmour, kPCollar}, 1, 1, 3, kArmour);
  Patch(f.c, 170, 292);
  return f;
}

// His eyes look out to the left, at her and the sun.
void PilotFeatures(Canvas &c) {
  Eye(c, 116, 112, 22, 13, true, kPilotEyes);
  Eye(c, 101, 113, 11, 12, false, kPilotEyes);
  Brow(c, 119, 106, 140, 104, 1.5, 3.6, kPilotHair[0], kPilotHair[2]);
  Brow(c, 110, 107, 102, 108, 0.8, 3.0, kPilotHair[0], kPilotHair[2]);
}

}  // namespace

ART_SHEET(BG1) {
  keeper::Figure pilot = Pilot();
  EveningLight(pilot.c, 60, 250);
  PilotFeatures(pilot.c);
  c.paste(pilot.c, 0, 0);
}

ART_SHEET(BG3) {
  keeper::Figure bust = keeper::Bust(kKeeperLayout, false);
  EveningLight(bust.c, 40, 240);
  KeeperFace(bust.c, kKeeperLayout.f);  // over the light, so that her eyes keep their shine
  c.paste(bust.c, 0, 0);
}

}  // namespace qel::art
