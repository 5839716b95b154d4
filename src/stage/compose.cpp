#include "game.h"
#include "platform/random.h"
#include "stage/stage.h"

namespace qel {

namespace {

constexpr int kStarSpeedRange[6][2] = {{1, 3}, {2, 7}, {3, 10}, {5, 14}, {10, 15}, {15, 20}};

int StarSpeed(Game &g) {
  int s = g.stage.STARSPEED;
  if (s < 0 || s > 5) s = 0;
  return RandomRange(g, kStarSpeedRange[s][0], kStarSpeedRange[s][1]);
}

void Far(Game &g) {
  BitBlt(g.surf.DISPLAY, 0, 0, 480, 480, g.surf.MASTER[0], 0, g.stage.LSUB[kFar], Rop::Copy);
}

void Near(Game &g) {
  int sub = g.stage.LSUB[kNear];
  BitBlt(g.surf.DISPLAY, 0, 0, 480, 480, g.surf.MASTER[2], 0, sub, Rop::And);
  BitBlt(g.surf.DISPLAY, 0, 0, 480, 480, g.surf.MASTER[1], 0, sub, Rop::Xor);
}

// A large picture of the HAI family through its mask.
void Picture(Game &g, int mask, int colour, int w, int h, int x, Rop maskRop, Rop colourRop) {
  int y = g.stage.LROW[kPicture];
  BitBlt(g.surf.DISPLAY, x, y, w, h, g.sheet(Family::HAI, mask), 0, 0, maskRop);
  BitBlt(g.surf.DISPLAY, x, y, w, h, g.sheet(Family::HAI, colour), 0, 0, colourRop);
}

// The prepared menu page over the stars, at the given height.
void Page(Game &g, int y) {
  BitBlt(g.surf.DISPLAY, 0, y, 480, 480, g.surf.MASTER[2], 0, 0, Rop::And);
  BitBlt(g.surf.DISPLAY, 0, y, 480, 480, g.surf.MASTER[1], 0, 0, Rop::Xor);
}

}  // namespace

void ComposeBackground(Game &g, int stage) {
  int t = g.stage.STAGETIME;
  switch (stage) {
    case 1:
      Far(g);
      DrawStars(g);
      Near(g);
      break;
    case 2:
    case 8:
      Far(g);
      Near(g);
      break;
    case 3:
      DrawStars(g);
      Picture(g, 10, 4, 200, 186, 0, Rop::And, Rop::Xor);
      Near(g);
      break;
    case 4:
      Far(g);
      if (t < 550) DrawStars(g);
      Near(g);
      break;
    case 5:
      Far(g);
      if (t < 50 || t > 2849) DrawStars(g);
      if (t > 2849) Picture(g, 11, 3, 300, 279, 200, Rop::And, Rop::Xor);
      Near(g);
      break;
    case 6:
      Far(g);
      if (t > 2799) Picture(g, 8, t <= 2801 ? 7 : 9, 480, 257, 0, Rop::Or, Rop::And);
      Near(g);
      break;
    case 7:
      if (t > 3900) Far(g);
      if (t < 400) DrawStars(g);
      Near(g);
      break;
    case 9:
    case 11: DrawStars(g); break;
    case 10: Far(g); break;
    case 15:
      DrawStars(g);
      Page(g, 0);
      break;
    case 16:
      DrawStars(g);
      Page(g, g.stage.LROW[kNear]);
      break;
    default: break;
  }
}

void DrawStars(Game &g) {
  static constexpr int kNewStarColour[3] = {14, 15, 11};
  for (int i = 0; i < kStarCount; ++i) {
    Star &s = g.stage.STAR[i];
    Pixel c = QBColor(s.SC);
    Surface &d = g.surf.DISPLAY;
    SetPixelV(d, s.SX, s.SY, c);
    SetPixelV(d, s.SX, s.SY + 1, c);
    SetPixelV(d, s.SX + 1, s.SY, c);
    SetPixelV(d, s.SX + 1, s.SY + 1, c);
    s.SY += s.SV;
    if (s.SY > 480) {
      s.SY = 0;
      s.SX = RandomRange(g, 1, 479);
      s.SV = StarSpeed(g);
      s.SC = kNewStarColour[RandomRange(g, 0, 2)];
    }
  }
}

void InitStars(Game &g) {
  static constexpr int kStarColour[3] = {15, 14, 11};
  for (int i = 0; i < kStarCount; ++i) {
    Star &s = g.stage.STAR[i];
    s.SX = RandomRange(g, 1, 479);
    s.SY = RandomRange(g, 1, 479);
    s.SV = StarSpeed(g);
    s.SC = kStarColour[RandomRange(g, 0, 2)];
  }
}

}  // namespace qel
