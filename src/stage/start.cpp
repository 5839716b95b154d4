#include "effects/effects.h"
#include "game.h"
#include "platform/sound.h"
#include "shell/transition.h"
#include "shell/window.h"
#include "stage/render.h"
#include "stage/stage.h"

namespace qel {

namespace {

void SetRankAndMapSet(Game &g) {
  Stage &st = g.stage;
  int &rank = g.enemies.RANK;
  if (st.STAGE == 7 || st.STAGE == 8) {
    rank = 0, st.MAPSET = 2;
    return;
  }
  static constexpr int kRank[5] = {2, 1, 1, 0, 0}, kMapSet[5] = {0, 0, 1, 1, 2};
  int m = st.MISSION < 0 ? 0 : (st.MISSION > 4 ? 4 : st.MISSION);
  rank = kRank[m], st.MAPSET = kMapSet[m];
}

int StageMusic(int stage) {
  switch (stage) {
    case 4: return 2;
    case 8: return 3;
    case 5:
    case 7:
    case 9: return 4;
    case 6: return 7;
    default: return stage;
  }
}

}  // namespace

void StartStage(Game &g) {
  Stage &st = g.stage;
  Player &p = g.player;
  SetRankAndMapSet(g);
  if (st.STAGE != 9) Cls(g.surf.MSCREEN), Cls(g.surf.DISPLAY);
  g.shell.SCENE = kScenePlay;
  g.shell.PHASE = 0;
  p.PBANK = 0;
  ClearObjectTables(g);
  p.PSTAT.fill(0);
  g.enemies.WORK.fill(0);
  p.PX = 224, p.PY = 480;
  p.PSTAT[kStatInvulnerable] = 6;
  p.PSTATE = kShipEntering;
  p.INVUL = -1;
  p.GAUGE = 100;
  p.SHIELD = p.SHIELDMAX;
  if (st.STAGE == 10) p.PY = -60, p.PSTATE = kShipDescending;
  p.PSTAT[kStatRecoveryInterval] = ShieldRecoveryInterval(p.SYSTEM);
  p.PSTAT[kStatChargeInterval] = BombChargeInterval(p.BOMBKIND);
  EnableResetMenu(g, true);
  g.shell.PHASE = 66;
  p.volleyTimer = 66;  // the first volley comes without waiting
  st.STAGETIME = -100;
  LoadStageMap(g, st.STAGE);
  if (g.audio.MUSICNO == 0) PlayMusic(g, StageMusic(st.STAGE));
}

// Every slot of every object table is emptied, not only the first 31, so that no shot of the
// previous game flies on into the new one.
void ClearObjectTables(Game &g) {
  for (Enemy &e : g.enemies.ENEMY) e.FLAG = 0;
  for (EnemyShot &s : g.enemies.ESHOT) s.FLAG = 0;
  for (Effect &e : g.effects.EFFECT) e.FLAG = 0;
  for (PlayerShot &s : g.player.PSHOT) s.FLAG = 0;
  for (int i = 0; i <= 30; ++i) g.enemies.ENORDER[i] = i;
}

void StartStageRevealed(Game &g) {
  g.shell.SCENE = kScenePlay;
  g.shell.PHASE = 0;
  StartStage(g);
  RenderGame(g, 1);
  Transition(g, 1);
}

}  // namespace qel
