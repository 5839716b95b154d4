#include "screens/menu_kit.h"

#include "game.h"

namespace qel {

void DrawShadowed(Game &g, Surface &s, const std::string &text, int size, int x, int y, int shadowColour,
                  int colour, int italic) {
  DrawText(g, s, text, size, shadowColour, x + 2, y + 2, italic);
  DrawText(g, s, text, size, colour, x, y, italic);
}

void DrawEmbossed(Game &g, Surface &s, const std::string &text, int size, int x, int y, int italic) {
  DrawText(g, s, text, size, 0, x + 10, y + 10, italic);
  DrawText(g, s, text, size, 4, x + 5, y + 5, italic);
  DrawText(g, s, text, size, 12, x, y, italic);
}

void DrawPointer(Game &g, Surface &s, int x, int y) {
  BitBlt(s, x, y, 32, 32, g.sheet(Family::PLM, 0), 0, 0, Rop::Or);
  BitBlt(s, x, y, 32, 32, g.sheet(Family::PL, 0), 0, 0, Rop::And);
}

void DrawPagePair(Game &g, const std::function<void(const PageSide &)> &draw) {
  draw(PageSide{g.surf.MASTER[1], false});
  draw(PageSide{g.surf.MASTER[2], true});
}

void ClearScratch(Game &g, int lastStat) {
  g.enemies.WORK.fill(0);
  for (int i = 0; i <= lastStat; ++i) g.player.PSTAT[static_cast<std::size_t>(i)] = 0;
}

void PresentDisplay(Game &g) { BitBlt(g.surf.MSCREEN, 0, 0, 480, 480, g.surf.DISPLAY, 0, 0, Rop::Copy); }

int VerticalStep(Input &in) {
  int d = 0;
  if (TakePress(in, kPadDown)) d = 1;
  if (TakePress(in, kPadUp)) d = -1;
  return d;
}

int HorizontalStep(Input &in) {
  int d = 0;
  if (TakePress(in, kPadLeft)) d = -1;
  if (TakePress(in, kPadRight)) d = 1;
  return d;
}

}  // namespace qel
