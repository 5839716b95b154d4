// The shop keeper Ferna, a bust over her room: auburn hair in long side locks, a cream coat of the
// supply ship's crew with teal trim and a coral ribbon. Her eyebrows, eyes and mouth are left
// out (plain skin) and come from their own sheets, so the face under them must stay clean skin:
// brows at (70..133, 44..52), eyes at (71..132, 52..64), mouth at (93..109, 79..86).
#include <cmath>

#include "art/keeper_kit.h"
#include "art/registry.h"

namespace qel::art::keeper {
namespace {

constexpr int kW = 210, kH = 270;

enum Label { kBackHair = 1, kNeck, kBody, kInner, kCollar, kRibbon, kFace, kFrontHair, kTrinket };

}  // namespace

Layout ShopLayout() { return {kW, kH, Frame{}, 270}; }

namespace {

Part BackHair(const Layout &l) {
  Part p(l.w, l.h, l.f);
  p.fill(Path(101, 6)
             .curve(66, 4, 42, 26, 42, 62)
             .curve(40, 96, 34, 130, 30, 162)
             .to(44, 150)
             .to(50, 172)
             .to(62, 150)
             .to(141, 150)
             .to(153, 172)
             .to(159, 150)
             .to(173, 162)
             .curve(169, 130, 163, 96, 161, 62)
             .curve(161, 26, 137, 4, 101, 6),
         kHair[2]);
  for (double x : {58.0, 70.0, 133.0, 146.0})
    p.clipStroke(x, 40, x - (x < 101 ? 8 : -8), 80, x - (x < 101 ? 14 : -14), 120, x - (x < 101 ? 16 : -16),
                 170, kHair[1]);
  p.c.outline(kHair[0]);
  return p;
}

Part Neck(const Layout &l) {
  Part p(l.w, l.h, l.f);
  p.fill(Path(90, 84).to(113, 84).bend(114, 104, 117, 118).to(86, 118).bend(89, 104, 90, 84), kSkin[3]);
  p.c.outline(kSkin[0]);
  return p;
}

Path CoatOutline(double bottom) {
  return Path(86, 108)
      .bend(62, 116, 38, 128)
      .bend(20, 138, 17, 158)
      .to(14, 210)
      .to(12, bottom)
      .to(191, bottom)
      .to(189, 210)
      .to(186, 158)
      .bend(183, 138, 165, 128)
      .bend(141, 116, 117, 108);
}

Part Body(const Layout &l) {
  Part p(l.w, l.h, l.f);
  p.fill(CoatOutline(l.bottom), kCoat[3]);
  p.bevel(kCoat, 2, 3);
  p.gradient(kCoat, 70, 120, 190, 2, 4);
  // The sleeves part from the body; the right side of her turns from the light.
  const double b = l.bottom;
  p.clipStroke(38, 150, 42, 190, 43, 230, 44, 270, kCoat[1]);
  p.clipStroke(165, 150, 161, 190, 160, 230, 159, 270, kCoat[1]);
  if (b > 270) {  // the sleeves hang on below the shop's counter
    p.clipLine(44, 270, 45, b, 1, kCoat[1]);
    p.clipLine(159, 270, 158, b, 1, kCoat[1]);
  }
  p.clip(Path(166, 150).bend(161, 210, 160, 270).to(160, b).to(192, b).to(189, 210).to(186, 150), kCoat[2]);
  p.clip(Path(120, 112).bend(150, 150, 148, 270).to(148, b).to(158, b).to(158, 270).bend(160, 150, 128, 112),
         kCoat[2]);
  // Folds where the sleeves bend.
  p.clipStroke(22, 190, 28, 200, 30, 214, 30, 226, kCoat[2]);
  p.clipStroke(181, 190, 175, 200, 173, 214, 173, 226, kCoat[1]);
  // Teal bands over the shoulders.
  p.clipStroke(24, 140, 40, 128, 60, 120, 82, 113, kTeal[3], 3);
  p.clipStroke(179, 140, 163, 128, 143, 120, 121, 113, kTeal[2], 3);
  // The open front: lapels piped in teal down to where the coat closes, then the buttons.
  p.cut(Path(88, 110).to(115, 110).to(101.5, 176));
  p.clipStroke(87, 112, 91, 130, 96, 152, 101.5, 177, kTeal[3], 3);
  p.clipStroke(116, 112, 112, 130, 107, 152, 101.5, 177, kTeal[2], 3);
  p.clipStroke(101.5, 178, 101.5, 210, 101.5, 240, 101.5, b, kCoat[2]);
  p.c.outline(kCoat[0]);
  return p;
}

// Her forearms come forward to hold the shop's inventory pad in front of her.
Part Forearms(const Layout &l) {
  Part p(l.w, l.h, l.f);
  p.fill(Path(14, 196).to(44, 194).bend(62, 222, 90, 231).to(84, 257).bend(48, 246, 12, 224), kCoat[3]);
  p.fill(Path(189, 196).to(159, 194).bend(141, 222, 113, 231).to(119, 257).bend(155, 246, 191, 224),
         kCoat[3]);
  p.bevel(kCoat, 1, 2);
  p.gradient(kCoat, 40, 200, 120, 2, 4);
  p.clipStroke(30, 214, 46, 226, 62, 232, 74, 236, kCoat[2]);
  p.clipStroke(173, 214, 157, 226, 141, 232, 129, 236, kCoat[1]);
  p.clipLine(86, 231, 81, 256, 3, kTeal[3]);
  p.clipLine(117, 231, 122, 256, 3, kTeal[2]);
  p.c.outline(kCoat[0]);
  return p;
}

Part Pad(const Layout &l) {
  Part p(l.w, l.h, l.f);
  p.fill(Path(86, 222).to(118, 220).to(120, 266).to(84, 268), kCoat[1]);
  p.clip(Path(89, 226).to(115, 224).to(117, 262).to(87, 264), kTeal[2]);
  for (int row = 0; row < 5; ++row) {
    double y = 230 + 7 * row;
    p.clipLine(92, y, 104, y - 0.5, 1, kTeal[5]);
    p.clipLine(107, y - 0.5, 112, y - 0.8, 1, row == 1 ? kGold[4] : kTeal[4]);
  }
  p.clipLine(89, 226, 115, 224, 1, kTeal[4]);
  p.c.outline(kCoat[0]);
  return p;
}

Part Hands(const Layout &l) {
  Part p(l.w, l.h, l.f);
  for (bool right : {false, true}) {
    auto x = [&](double v) { return right ? 203 - v : v; };
    p.fill(Path(x(80), 234).bend(x(90), 232, x(94), 238).to(x(94), 252).bend(x(88), 258, x(80), 254),
           kSkin[3]);
    for (double y : {241.0, 246.0, 251.0}) p.clipLine(x(89), y, x(94), y, 1, kSkin[2]);
  }
  p.bevel(kSkin, 1, 1);
  p.c.outline(kSkin[0]);
  return p;
}

// The supply crew's badge on her chest: a gold star on a teal shield.
void Badge(Part &p) {
  Path shield(122, 186);
  shield.to(134, 186).to(134, 193).bend(134, 198, 128, 200).bend(122, 198, 122, 193);
  p.fill(shield, kTeal[3]);
  p.clip(Path(128, 188)
             .to(129.5, 191.5)
             .to(132.5, 191.5)
             .to(130, 193.5)
             .to(131, 197)
             .to(128, 195)
             .to(125, 197)
             .to(126, 193.5)
             .to(123.5, 191.5)
             .to(126.5, 191.5),
         kGold[4]);
  p.dot(122, 186, kTeal[5]);
  p.rect(121, 185, 15, 1, kGold[2]);
}

void Buttons(Part &p) {
  for (int y : {198, 232}) {
    p.ellipse(107, y, 3, 3, kGold[3]);
    p.dot(106, y - 2, kGold[5]);
    p.dot(108, y + 1, kGold[2]);
  }
}

// The teal top under the open coat.
Part Inner(const Layout &l) {
  Part p(l.w, l.h, l.f);
  p.fill(Path(86, 108).to(117, 108).to(101.5, 182), kTeal[3]);
  p.bevel(kTeal, 1, 2);
  p.clipStroke(92, 150, 96, 160, 99, 168, 101, 176, kTeal[2]);
  return p;
}

Part Collar(const Layout &l) {
  Part p(l.w, l.h, l.f);
  p.fill(Path(86, 104).bend(101, 110, 117, 104).to(120, 117).bend(101, 126, 83, 117), kCoat[3]);
  p.bevel(kCoat, 1, 2);
  p.clipStroke(84, 116, 92, 121, 110, 121, 119, 116, kTeal[3], 2);
  p.c.outline(kCoat[0]);
  return p;
}

Part Ribbon(const Layout &l) {
  Part p(l.w, l.h, l.f);
  p.fill(Path(101, 121).to(88, 114).to(86, 127).to(101, 123).to(116, 127).to(115, 114), kCoral[3]);
  p.fill(Path(99, 123).to(94, 140).to(99, 137).to(101, 142).to(103, 137).to(108, 140).to(103, 123),
         kCoral[2]);
  p.bevel(kCoral, 1, 1);
  p.ellipse(101.5, 122, 3, 3, kCoral[4]);
  p.dot(100, 121, kCoral[5]);
  p.c.outline(kCoral[0]);
  return p;
}

// The nose: a lit ridge and the shadow under its tip.
void Nose(Part &p) {
  p.dot(102, 70, kSkin[2]);
  p.dot(103, 71, kSkin[2]);
  p.dot(101, 72, kSkin[2]);
  p.dot(102, 72, kSkin[1]);
  p.dot(100, 69, kSkin[4]);
}

Part Face(const Layout &l) {
  Part p(l.w, l.h, l.f);
  p.fill(Path(66, 26)
             .to(65, 50)
             .to(66, 58)
             .bend(67, 73, 77, 85)
             .bend(88, 96, 101.5, 98.5)
             .bend(115, 96, 126, 85)
             .bend(136, 73, 137, 58)
             .to(138, 50)
             .to(137, 26),
         kSkin[3]);
  // The jaw and the cheek away from the light, and a soft blush under each eye.
  p.bevel(kSkin, 0, 2);
  const Frame &f = l.f;
  for (double bx : {84.0, 119.0}) {
    const double cx = f.x(bx), cy = f.y(68);
    const int reachX = static_cast<int>(std::lround(f.len(6))),
              reachY = static_cast<int>(std::lround(f.len(2)));
    for (int y = static_cast<int>(cy) - reachY; y <= static_cast<int>(cy) + reachY; ++y)
      for (int x = static_cast<int>(cx) - reachX; x <= static_cast<int>(cx) + reachX; ++x) {
        double dx = (x - cx) / f.len(6.5), dy = (y - cy) / f.len(2.5);
        if (dx * dx + dy * dy <= 1 && BayerRank(x, y) < 8 && p.c.covered(x, y))
          p.c.set(x, y, Rgb(248, 176, 164));
      }
  }
  Nose(p);
  p.c.outline(kSkin[0]);
  return p;
}

// The bangs' lower edge from her right temple (picture right) to her left one: notches and tips.
const double kBangs[][2] = {{138, 40}, {135, 56}, {130, 37},   {125, 42}, {119, 33},
                            {112, 42}, {106, 34}, {101.5, 49}, {97, 34},  {91, 42},
                            {84, 33},  {78, 42},  {73, 37},    {68, 56},  {65, 40}};

Path FrontHairOutline() {
  // Her right lock (picture left) in two strands, full round the ear, ending on her chest.
  Path p(65, 178);
  p.to(60, 152).to(52, 166);
  p.bend(50, 140, 50, 122).bend(46, 100, 46, 86).bend(42, 64, 48, 46).curve(50, 20, 72, 3, 101.5, 3);
  p.curve(131, 3, 153, 20, 155, 46).bend(161, 64, 157, 86).bend(157, 100, 153, 122).bend(153, 140, 151, 166);
  p.to(143, 152).to(138, 178);
  p.bend(139, 150, 133, 120).bend(127, 92, 132, 72).bend(136, 58, 138, 40);
  for (std::size_t i = 1; i < sizeof kBangs / sizeof kBangs[0]; ++i) {
    double x0 = kBangs[i - 1][0], x1 = kBangs[i][0], y1 = kBangs[i][1];
    bool tip = i % 2 == 1;
    // Each strand bows towards the face's centre line.
    double cx = (x0 + x1) / 2 + (x1 < 101.5 ? 1.5 : -1.5), cy = tip ? y1 - 3 : y1 + 4;
    p.bend(cx, cy, x1, y1);
  }
  p.bend(67, 58, 71, 72).bend(76, 92, 70, 120).bend(64, 150, 65, 178);
  return p;
}

void HairStrands(Part &p) {
  // Partings from the crown to the tips of the bangs and down the locks.
  for (std::size_t i = 2; i + 1 < sizeof kBangs / sizeof kBangs[0]; i += 2) {
    double x = kBangs[i][0], y = kBangs[i][1];
    p.clipStroke(101.5 + (x - 101.5) * 0.3, 10, 101.5 + (x - 101.5) * 0.7, 16, x, y - 14, x, y - 1, kHair[2]);
  }
  p.clipStroke(56, 40, 50, 80, 54, 120, 60, 152, kHair[2]);
  p.clipStroke(147, 40, 153, 80, 149, 120, 143, 152, kHair[1]);
  p.clipStroke(62, 64, 57, 100, 58, 130, 58, 150, kHair[4]);
  p.clipStroke(141, 64, 146, 100, 145, 130, 145, 150, kHair[2]);
  // The shine round the crown: short streaks that follow the strands.
  for (int i = 0; i <= 12; ++i) {
    double a = 3.14159265 * (1.12 + 0.76 * i / 12), x = 101.5 + 44 * std::cos(a), y = 46 + 26 * std::sin(a);
    double ux = (x - 101.5) / 60, uy = (y - 4) / 60, len = i % 3 == 1 ? 7 : 5;
    p.clipLine(x - ux * len, y - uy * len, x + ux * len * 0.4, y + uy * len * 0.4, 2,
               x < 108 ? kHair[5] : kHair[4]);
  }
  // The far side of the head and of the right lock turn from the light.
  p.clip(Path(130, 8).curve(150, 16, 158, 40, 158, 70).bend(158, 110, 142, 164).to(150, 164).to(165, 8),
         kHair[2]);
}

Part FrontHair(const Layout &l) {
  Part p(l.w, l.h, l.f);
  p.fill(FrontHairOutline(), kHair[3]);
  p.bevel(kHair, 2, 2);
  HairStrands(p);
  p.c.outline(kHair[0]);
  return p;
}

// A star clip in her hair and the crew's earpiece.
Part Trinkets(const Layout &l) {
  Part p(l.w, l.h, l.f);
  p.fill(
      Path(66, 24).to(69, 29).to(75, 29).to(70, 33).to(72, 39).to(66, 35).to(60, 39).to(62, 33).to(57, 29).to(
          63, 29),
      kGold[3]);
  p.bevel(kGold, 1, 1);
  p.dot(65, 29, kGold[5]);
  p.rect(150, 56, 6, 12, kCoat[3]);
  p.rect(151, 58, 4, 8, kTeal[3]);
  p.rect(151, 58, 1, 3, kTeal[5]);
  p.line(153, 56, 157, 44, 1, kCoat[2]);
  p.dot(157, 43, kCoral[4]);
  p.c.outline(kCoat[0]);
  return p;
}

}  // namespace

Figure Bust(const Layout &l, bool holdingPad) {
  Figure f(l.w, l.h);
  f.paste(BackHair(l), kBackHair);
  f.paste(Neck(l), kNeck);
  f.paste(Inner(l), kInner);
  Part body = Body(l);
  Buttons(body);
  Badge(body);
  f.paste(body, kBody);
  f.paste(Collar(l), kCollar);
  f.paste(Ribbon(l), kRibbon);
  if (holdingPad) {
    f.paste(Forearms(l), kBody);
    f.paste(Pad(l), kTrinket);
    f.paste(Hands(l), kTrinket);
  }
  f.paste(Face(l), kFace);
  f.paste(FrontHair(l), kFrontHair);
  f.castShadow(kFace, {kFrontHair}, 1, 1, 3, kSkin);
  f.castShadow(kNeck, {kFace}, 0, 1, 9, kSkin);
  f.castShadow(kNeck, {kFace}, 0, 1, 3, kSkin);
  f.castShadow(kBody, {kFrontHair}, 1, 1, 3, kCoat);
  f.castShadow(kInner, {kRibbon, kCollar, kBody}, 1, 1, 3, kTeal);
  f.paste(Trinkets(l), kTrinket);
  return f;
}

ART_SHEET(TOKU38) { c.paste(Bust(ShopLayout(), true).c, 0, 0); }

}  // namespace qel::art::keeper
