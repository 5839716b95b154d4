// Scene 7: the last ship is lost.
#include "game.h"
#include "screens/menu_kit.h"
#include "screens/screens.h"
#include "shell/transition.h"
#include "stage/stage.h"

namespace qel {

namespace {

constexpr int kShow = 1, kLeave = 2;
// The loss sequence leaves its counter at 101; the screen stays until it passes 300.
constexpr int kTimerEnd = 300;

void Build(Game &g) {
  Surface &d = g.surf.DISPLAY;
  Cls(d);
  if (StoryStage(g.stage.STAGE)) BitBlt(d, 200, 150, 300, 279, g.sheet(Family::HAI, 3), 0, 0, Rop::Copy);
  DrawEmbossed(g, d, "GAME OVER", 70, 30, 170, 1);
  Transition(g, 1);
  g.shell.PHASE = kShow;
}

void Show(Game &g) {
  Input &in = g.input;
  double &timer = g.player.PSTAT[kStatSpin];  // the wreck's wait goes on as the timer
  ReadInput(g);
  timer += 1;
  if (timer > kTimerEnd) g.shell.PHASE = kLeave;
  if (TakePress(in, kPadShot)) g.shell.PHASE = kLeave;
  in.PADOLD[kPadShot] = in.PAD[kPadShot];
}

void Leave(Game &g) {
  Transition(g, 0);
  g.shell.SCENE = kSceneTitle;
  g.shell.PHASE = 0;
}

}  // namespace

void RunGameOver(Game &g) {
  switch (g.shell.PHASE) {
    case 0: Build(g); break;
    case kShow: Show(g); break;
    case kLeave: Leave(g); break;
    default: break;
  }
}

}  // namespace qel
