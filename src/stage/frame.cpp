#include "effects/effects.h"
#include "enemy/debug_spawn.h"
#include "enemy/enemy.h"
#include "game.h"
#include "player/player.h"
#include "stage/render.h"
#include "stage/stage.h"
#include "stage/timeline.h"

namespace qel {

void GameFrame(Game &g) {
  Stage &st = g.stage;
  Player &p = g.player;
  ReadInput(g);
  ScrollBackground(g, st.STAGE);
  UpdatePlayer(g);
  for (int i = 0; i <= g.enemies.ENMAX; ++i) {
    const Enemy &e = g.enemies.ENEMY[i];
    if (e.MODE != 0 && e.FLAG != 0) UpdateEnemy(g, i, e.MODE);
  }
  UpdatePlayerShots(g);
  for (int i = 0; i <= 60; ++i)
    if (g.enemies.ESHOT[i].FLAG != 0) UpdateEnemyShot(g, i);
  for (int i = 0; i <= 30; ++i)
    if (g.effects.EFFECT[i].FLAG != 0) UpdateEffect(g, i);
  if (g.shell.SCENE == kScenePlay || g.shell.SCENE == kScenePause) RenderGame(g, 0);
  int clockBefore = st.STAGETIME;
  if (p.PSTAT[20] != 1 && st.STAGETIME < kStageTimeMax) ++st.STAGETIME;
  SpawnDebugEnemies(g, clockBefore);
  if (st.STAGE == 5) LoopWarpClock(st, p.PSTAT[20]);
  RunStageTimeline(g, st.STAGE);
  if (g.audio.SNDLOCK > 0) --g.audio.SNDLOCK;
}

}  // namespace qel
