// The scripted flights: in from below, down into the final scene, out at the top after a
// cleared stage, the last flight of the story, and the clear marks they earn.
#include "game.h"
#include "platform/sound.h"
#include "player/player.h"
#include "shell/transition.h"

namespace qel {

namespace {

constexpr double kPlayY = 400;
constexpr double kFlySpeedMax = 15;

// The climb out gets faster every frame up to its top speed.
void SpeedUp(Player &p) {
  if (p.MY < kFlySpeedMax) p.MY += 1;
}

void LeaveForTitle(Game &g, int mark) {
  MarkClear(g, mark, g.settings.DIFF);
  Transition(g, 0);
  g.shell.PHASE = 0;
  g.shell.SCENE = kSceneTitle;
}

}  // namespace

void RunEntryFlight(Game &g) {
  Player &p = g.player;
  p.PY -= 8;
  if (p.PY > kPlayY) return;
  p.PY = kPlayY;
  p.PSTATE = kShipPlay;
}

void RunFinalDescent(Game &g) {
  Player &p = g.player;
  int t = g.stage.STAGETIME;
  if (t > -50) {
    p.PY += 5;
    if (p.PY > 240) p.PY = 240;
  }
  if (t > 200) p.PSTATE = kShipFlyOutStart;
}

void StartFlyOut(Game &g) {
  Player &p = g.player;
  p.PSTATE = kShipFlyingOut;
  p.MY = -10;
  p.INVUL = -1;
  PlaySound(g, kSoundJet);
}

// The ship first dips, then climbs ever faster until it has left at the top.
void RunFlyOut(Game &g) {
  Player &p = g.player;
  p.PY -= p.MY;
  SpeedUp(p);
  if (p.PY >= -100) return;
  p.PY = -100;
  p.PSTAT[kStatStageFlow] = 1;
  p.PSTATE = kShipGone;
}

void StartFinalFlyOut(Game &g) {
  Player &p = g.player;
  p.PSTATE = kShipFinalFlyOut;
  p.MY = -20;
  p.INVUL = -1;
}

// Up, then the ship turns and dives towards the viewer until it is far below.
void RunFinalFlyOut(Game &g) {
  Player &p = g.player;
  p.PY += p.MY;
  SpeedUp(p);
  if (p.MY > 0 && p.PBANK != 3) {
    p.PBANK = 3;
    PlaySound(g, kSoundJet);
  }
  if (p.PY <= 1500) return;
  g.shell.SCENE = kSceneEndingIntro;
  g.shell.PHASE = 0;
  Transition(g, 3);
  MarkClear(g, kOptStoryClear, g.settings.DIFF);
}

void RunWaitAfterFlyOut(Game &g) {
  Stage &st = g.stage;
  int &wait = g.enemies.WORK[10];
  wait += 1;
  if (wait <= 100) return;
  if (st.STAGE == 7 || st.STAGE == 8) {
    LeaveForTitle(g, st.STAGE == 7 ? kOptExtraClear : kOptBossClear);
    return;
  }
  // The story goes on with its next mission (never past the end of the mission list).
  if (st.MISSION != 0 && st.MISSION < 9) st.MISSION += 1;
  Transition(g, 0);
  g.shell.SCENE = kSceneMissionSelect;
  g.shell.PHASE = 0;
}

// Marks: 1 cleared on NORMAL or EASY, 2 cleared on HARD, 3 both. EASY after HARD leaves 2.
void MarkClear(Game &g, int k, int level) {
  if (k < 0 || k >= static_cast<int>(g.settings.OPTION.size())) return;
  int &mark = g.settings.OPTION[static_cast<std::size_t>(k)];
  if (mark == 0) mark = level == 0 ? 2 : 1;
  else if (mark == 1 && level == 0) mark = 3;
  else if (mark == 2 && level == 1) mark = 3;
}

}  // namespace qel
