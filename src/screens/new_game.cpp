#include "game.h"
#include "screens/screens.h"

namespace qel {

void SetUpNewGame(Game &g, int mode) {
  Player &p = g.player;
  Stage &st = g.stage;
  ++g.shell.gamesStarted;
  const bool extraShip = mode == kNewGameExtra || mode == kNewGameBoss;
  Equip(p, extraShip ? kExtraEquipment : kStoryEquipment);
  p.SCORE = 0;
  g.shell.PHASE = 0;
  g.screens.SHOPMEET = 0;
  st.MISSION = 0;
  p.KEEP = 0;
  for (int i = 0; i <= 16; ++i) g.shop.BOUGHT[i] = 0;
  for (int i = 0; i <= 6; ++i) st.MISSIONS[i] = i;
  st.MISSIONS[0] = 9;
  st.MISSIONS[7] = 10;
  st.STAGE = 9;
  if (extraShip) {
    g.screens.SHOPMEET = 5;
    st.STAGE = mode == kNewGameExtra ? 7 : 8;
  }
}

}  // namespace qel
