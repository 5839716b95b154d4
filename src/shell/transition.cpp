#include "shell/transition.h"

#include "game.h"
#include "shell/shell.h"

namespace qel {

namespace {

void GridStep(Game &g, int step, Pixel colour, int horizontalEnd) {
  Surface &d = g.surf.DISPLAY;
  for (int i = 0; i <= 480; i += step) {
    DrawLine(d, 0, i, horizontalEnd, i, colour);
    DrawLine(d, i, 0, i, 480, colour);
  }
  BitBlt(g.surf.MSCREEN, 0, 0, 480, 480, d, 0, 0, Rop::Copy);
}

void RevealStep(Game &g, int step) {
  for (int i = 0; i <= 480; i += step) {
    BitBlt(g.surf.MSCREEN, 0, i, 640, 1, g.surf.DISPLAY, 0, i, Rop::Copy);
    BitBlt(g.surf.MSCREEN, i, 0, 1, 480, g.surf.DISPLAY, i, 0, Rop::Copy);
  }
}

}  // namespace

void Transition(Game &g, int kind) {
  if (kind != 0 && kind != 1 && kind != 3) return;
  for (int step = kWipeSteps; step >= 1; --step) {
    if (kind == 0) GridStep(g, step, QBColor(0), 640);
    if (kind == 3) GridStep(g, step, QBColor(15), 480);
    if (kind == 1) RevealStep(g, step);
    g.host.Present(g.surf.MSCREEN);
    ModalWait(g, kind == 1 ? 50 : 100);
  }
}

}  // namespace qel
