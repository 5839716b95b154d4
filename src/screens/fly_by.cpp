// Scene 10: after the last stage of the story the fighter flies away into the picture, its
// flash fills the screen and the ending begins.
#include "effects/effects.h"
#include "game.h"
#include "screens/screens.h"
#include "shell/transition.h"
#include "shell/window.h"
#include "stage/render.h"
#include "stage/stage.h"

namespace qel {

namespace {

constexpr int kPhaseFlying = 1, kPhaseDone = 50;

void BeginFlyBy(Game &g) {
  for (Surface &m : g.surf.MASTER) Cls(m);
  g.enemies.WORK.fill(0);
  ClearObjectTables(g);  // nothing of the last fight shows in the fly-by
  EnableResetMenu(g, false);
  g.shell.PHASE = kPhaseFlying;
  g.shop.CURSOR = g.shop.CURSOR2 = 0;  // the menu cursors start afresh after the ending
  g.stage.STAGE = 10;
  g.player.PY = 500;  // the ship itself is out of sight: the picture shows it
  LoadStageMap(g, 10);
  SpawnEffect(g, 0, kEffectFlyAway);
  RenderGame(g, 1);
  Transition(g, 1);
}

void Fly(Game &g) {
  for (int i = 0; i <= 30; ++i)
    if (g.effects.EFFECT[static_cast<std::size_t>(i)].FLAG != 0) UpdateEffect(g, i);
  RenderGame(g, 0);
  if (g.enemies.WORK[10] == 1) g.shell.PHASE = kPhaseDone;  // the flash has filled the screen
}

void GoToEnding(Game &g) {
  g.input.PAD[kPadChange] = g.input.PAD[kPadShot] = 0;
  g.enemies.WORK.fill(0);
  g.shell.PHASE = 0;
  g.shell.SCENE = kSceneEnding;
}

}  // namespace

void RunEndingIntro(Game &g) {
  switch (g.shell.PHASE) {
    case 0: BeginFlyBy(g); break;
    case kPhaseFlying: Fly(g); break;
    case kPhaseDone: GoToEnding(g); break;
    default: break;
  }
}

}  // namespace qel
