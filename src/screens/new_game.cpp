#include "game.h"
#include "screens/screens.h"

namespace qel {

void SetUpNewGame(Game &g, int mode) {
  Player &p = g.player;
  Stage &st = g.stage;
  ++g.shell.gamesStarted;
  p.WSLOT = 0;
  p.WEAPON = {1, 2};
  p.SCORE = 0;
  g.shell.PHASE = 0;
  p.CREDIT = 2;
  p.SHIELDMAX = 50;
  p.SYSTEM = 10;
  p.SHIELD = p.SHIELDMAX;
  g.screens.SHOPMEET = 0;
  st.MISSION = 0;
  p.WLEVEL = {1, 1};
  p.BOMBKIND = 0;
  p.KEEP = 0;
  for (int i = 0; i <= 16; ++i) g.shop.BOUGHT[i] = 0;
  for (int i = 0; i <= 6; ++i) st.MISSIONS[i] = i;
  st.MISSIONS[0] = 9;
  st.MISSIONS[7] = 10;
  st.STAGE = 9;
  if (mode == kNewGameExtra || mode == kNewGameBoss) {
    p.CREDIT = 0;
    p.SHIELDMAX = 100;
    p.SHIELD = 100;
    p.SYSTEM = 11;
    g.screens.SHOPMEET = 5;
    st.STAGE = mode == kNewGameExtra ? 7 : 8;
  }
}

}  // namespace qel
