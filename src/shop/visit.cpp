#include "game.h"
#include "shell/shell.h"
#include "shell/transition.h"
#include "shell/window.h"
#include "shop/shop.h"
#include "stage/render.h"

namespace qel {

void RunShopUntilLeft(Game &g, int t) {
  ShopStep step = g.effects.shopStep != nullptr ? g.effects.shopStep : &RunShop;
  g.shell.PHASE = kShopEnter;
  for (;;) {
    step(g, t);
    if (g.shell.PHASE == kShopLeft) break;
    ModalWait(g, 10);
  }
  // Kept as it always was: the volley counter reads the shop's last phase, so the ship fires
  // at once when play resumes.
  g.player.volleyTimer = kShopLeft;
}

void VisitShop(Game &g, int t) {
  Player &p = g.player;
  p.PSTAT[kStatRedShield] = 0;
  Transition(g, 0);
  EnableResetMenu(g, false);
  RunShopUntilLeft(g, t);
  RenderGame(g, 1);
  Transition(g, 1);
  p.PSTAT[kStatInvulnerable] = 30;  // frames of safety back in play
  p.INVUL = -1;
  EnableResetMenu(g, true);
}

void StartShopDirectly(Game &g) {
  int stage = g.config.shopStage;
  SetUpNewGame(g, NewGameModeOfStage(stage));
  g.stage.STAGE = stage;
  g.stage.MISSION = g.config.startMission;
  if (g.config.difficulty >= 0) g.settings.DIFF = g.config.difficulty;
  StartStage(g);
  VisitShop(g, g.config.shopTime);
}

}  // namespace qel
