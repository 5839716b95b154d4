#include "stage/render.h"

#include "game.h"
#include "hud/hud.h"

namespace qel {

namespace {

void DrawPauseOverlay(Game &g) {
  Surface &d = g.surf.DISPLAY;
  DrawText(g, d, "PAUSE", 70, 3, 125, 205, 1);
  DrawText(g, d, "PAUSE", 70, 11, 120, 200, 1);
  DrawText(g, d, "[F1] PRESS TO TITLE", 20, 4, 122, 322, 1);
  DrawText(g, d, "[F1] PRESS TO TITLE", 20, 12, 120, 320, 1);
}

}  // namespace

void RenderGame(Game &g, int copy) {
  Cls(g.surf.DISPLAY);
  Cls(g.surf.MSCREEN);
  if (g.shell.SCENE != kSceneEndingIntro) DrawHud(g);
  if (g.shell.SCENE == kScenePause) DrawPauseOverlay(g);
  if (copy == 0) BitBlt(g.surf.MSCREEN, 0, 0, 480, 480, g.surf.DISPLAY, 0, 0, Rop::Copy);
}

}  // namespace qel
