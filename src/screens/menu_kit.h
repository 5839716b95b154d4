// What every menu and story screen draws and reads the same way.
#pragma once

#include <functional>
#include <string>

#include "platform/surface.h"

namespace qel {

struct Game;
struct Input;

// Text with its drop shadow: first in the shadow colour at (x + 2, y + 2), then in colour.
void DrawShadowed(Game &g, Surface &s, const std::string &text, int size, int x, int y, int shadowColour,
                  int colour, int italic);
// A heading cut into the screen: black at (x + 10, y + 10), red at (x + 5, y + 5), light red at (x, y).
void DrawEmbossed(Game &g, Surface &s, const std::string &text, int size, int x, int y, int italic);
// The menu pointer: the ship's first frame through its mask.
void DrawPointer(Game &g, Surface &s, int x, int y);
// The screens' scratch values: WORK(0..10) and PSTAT(0..lastStat) back to 0.
void ClearScratch(Game &g, int lastStat);
// Present: the whole DISPLAY onto MSCREEN.
void PresentDisplay(Game &g);

// One side of the menu page pair. Text and pictures go on both pages: in colour on MASTER(1),
// and black on MASTER(2), the mask, so that the pair composes over a moving background.
struct PageSide {
  Surface &page;
  bool mask;
  int colour(int c) const { return mask ? 0 : c; }
};
// Draws a page into both sides of the pair with the given drawing function.
void DrawPagePair(Game &g, const std::function<void(const PageSide &)> &draw);

// The cursor step of a vertical menu: +1 for a new DOWN, -1 for a new UP (UP wins when both are
// new), each marked as seen; 0 otherwise.
int VerticalStep(Input &in);
// The same for LEFT (-1) and RIGHT (+1, wins).
int HorizontalStep(Input &in);
// The step that keeps the cursor inside lo..hi: d, or 0 when cursor + d would leave it.
inline int StepWithin(int cursor, int d, int lo, int hi) {
  return cursor + d < lo || cursor + d > hi ? 0 : d;
}

}  // namespace qel
