#include <algorithm>

#include "enemy/enemy.h"
#include "game.h"
#include "platform/random.h"
#include "stage/stage.h"
#include "stage/stage_rules.h"
#include "stage/tiles.h"

namespace qel {

namespace {

// "Below a, go to b" for one layer's row counter.
void Wrap(Stage &st, Layer layer, int a, int b) {
  if (st.LROW[layer] < a) st.LROW[layer] = b;
}

void ClampRow(Stage &st, Layer layer, int most) { st.LROW[layer] = std::min(st.LROW[layer], most); }

bool Within(int t, int lo, int hi) { return t >= lo && t <= hi; }

void WrapStage4(Stage &st, int t) {
  if (Within(t, 600, 2249)) Wrap(st, kFar, 46, 60);
  else if (Within(t, 2250, 2999)) Wrap(st, kFar, 31, 45);
  else Wrap(st, kFar, 0, 14);
  Wrap(st, kNear, 0, 14);
}

void WrapStage6(Stage &st, int t) {
  if (t <= 1004) {
    Wrap(st, kFar, 152, 166);
  } else if (t <= 2001) {
    ClampRow(st, kFar, 150);
    Wrap(st, kFar, 124, 125);
  } else {
    Wrap(st, kFar, 75, 89);
  }
  if (t <= 89) Wrap(st, kNear, 113, 115);
  else if (t <= 1299) Wrap(st, kNear, 92, 104);
  else if (t <= 2004) Wrap(st, kNear, 80, 81);
  else if (t <= 2499) ClampRow(st, kNear, 65), Wrap(st, kNear, 45, 59);
  else Wrap(st, kNear, 0, 0);
}

void WrapStage7(Stage &st, int t) {
  if (st.LROW[kFar] < 0) {
    st.LROW[kFar] = 57;
    if (st.LSPEED[kPicture] == 0) st.LSPEED[kFar] = st.LSPEED[kNear] = 0, st.LSPEED[kPicture] = 1;
  }
  if (t <= 799) Wrap(st, kNear, 120, 134);
  else if (t <= 1549) Wrap(st, kNear, 106, 119);
  else if (t == 1550) return;  // kept as it always was: no rule at this one moment
  else if (t <= 1609) Wrap(st, kNear, 91, 104);
  else if (t <= 2349) Wrap(st, kNear, 76, 77);
  else if (t <= 2409) Wrap(st, kNear, 60, 74);
  else if (t <= 4004) Wrap(st, kNear, 49, 58);
  else if (t <= 4012) Wrap(st, kNear, 20, 21);
  else Wrap(st, kNear, 0, 13);
}

// The stage's loops and clamps; both layers' rules run whichever layer moved.
void ApplyWrapRules(Stage &st, int stage) {
  int t = st.STAGETIME;
  switch (stage) {
    case 1:
      Wrap(st, kFar, 0, 14);
      if (st.LROW[kNear] < 0) st.LROW[kNear] = 14, st.LSPEED[kFar] = st.LSPEED[kNear] = 0;
      break;
    case 2:
      Wrap(st, kFar, 0, 14);
      Wrap(st, kNear, 0, 14);
      break;
    case 4: WrapStage4(st, t); break;
    case 5:
      Wrap(st, kFar, t > 2849 ? 20 : 0, t > 2849 ? 30 : 14);
      Wrap(st, kNear, t > 2799 ? 20 : 0, t > 2799 ? 30 : 14);
      break;
    case 6: WrapStage6(st, t); break;
    case 7: WrapStage7(st, t); break;
    case 8:
      Wrap(st, kFar, 31, 45);
      Wrap(st, kNear, 100, 114);
      break;
    case 9: Wrap(st, kNear, 0, 0); break;
    default: break;
  }
}

void PaintNewRow(Game &g, Layer layer, int stage, int y) {
  Stage &st = g.stage;
  const Grid &grid = layer == kFar ? st.MAPB : st.MAPA;
  for (int c = 0; c <= 14; ++c) {
    int code = GridAt(grid, c, st.LROW[layer]);
    const GroundMarker *marker = layer == kNear ? FindGroundMarker(stage, code) : nullptr;
    if (marker) SpawnEnemy(g, c, marker->enemyType);
    PaintTile(g, layer, marker ? marker->tile : code, 32 * c, y);
  }
}

void ShiftLayer(Surface &s, bool down) {
  if (down) BitBlt(s, 0, 32, 480, 480, s, 0, 0, Rop::Copy);
  else BitBlt(s, 0, 0, 480, 480, s, 0, 32, Rop::Copy);
}

void LayerStep(Game &g, Layer layer, int stage) {
  Stage &st = g.stage;
  int speed = st.LSPEED[layer];
  st.LSUB[layer] -= speed;
  bool wholeRow = (st.LSUB[layer] < 1 && speed > 0) || (speed < 0 && st.LSUB[layer] > 31);
  if (!wholeRow) return;
  bool down = speed >= 1;
  st.LSUB[layer] = down ? 32 : 0;
  ShiftLayer(g.surf.MASTER[layer == kFar ? 0 : 1], down);
  if (layer == kNear) ShiftLayer(g.surf.MASTER[2], down);
  st.LROW[layer] += down ? -1 : 1;
  ApplyWrapRules(st, stage);
  PaintNewRow(g, layer, stage, down ? 0 : 480);
}

void SetStarSpeedAt(Stage &st, std::initializer_list<std::pair<int, int>> schedule) {
  for (auto [time, speed] : schedule)
    if (st.STAGETIME == time) st.STARSPEED = speed;
}

void BeforeStep(Game &g, int stage) {
  Stage &st = g.stage;
  int t = st.STAGETIME;
  if (stage == 1 && t == 200) st.LSPEED[kNear] = 2;
  if (stage == 3 && t == 4150) st.LSPEED[kNear] = 0;
  if (stage == 9) SetStarSpeedAt(st, {{100, 4}, {200, 3}, {300, 2}, {400, 1}});
  if (stage == 10 && t == 0) st.LSPEED[kNear] = 16;
  if (stage == 10 && t == -50) st.LSPEED[kFar] = 8;
}

void AfterStepStage5(Stage &st) {
  int t = st.STAGETIME;
  if (t == 0) st.LSPEED[kFar] = 16;
  if (t == 50) st.LSPEED[kNear] = 32;
  SetStarSpeedAt(st, {{2900, 4}, {2920, 3}, {2940, 2}, {2960, 1}, {2980, 0}});
  if (st.LROW[kPicture] < 200 && t > 2849) {
    if (++st.LSPEED[kPicture] > 3) st.LSPEED[kPicture] = 0, ++st.LROW[kPicture];
  }
  if (t == 3000) st.LSPEED[kFar] = st.LSPEED[kNear] = 0;
}

void AfterStepStage6(Stage &st) {
  int t = st.STAGETIME;
  st.LROW[kPicture] += st.LSPEED[kPicture];
  if (t == 2280) st.LSPEED[kFar] = 16;
  if (t == 2350) st.LSPEED[kFar] = 1;
  if (t == 3000) st.LSPEED[kFar] = st.LSPEED[kNear] = 0;
  if (t == 2799) st.LSPEED[kPicture] = 2;
  if (st.LROW[kPicture] >= 0) {
    st.LROW[kPicture] = 0;
    st.LSPEED[kFar] = st.LSPEED[kNear] = st.LSPEED[kPicture] = 0;
  }
}

void AfterStep(Game &g, int stage) {
  Stage &st = g.stage;
  int t = st.STAGETIME;
  switch (stage) {
    case 2: st.LSPEED[kFar] = (g.shell.FRAMECNT & 1) ? 0 : 1; break;  // half speed
    case 3:
      // The picture sinks one pixel every 11 frames; the counter stops at its limit instead of
      // counting on for ever once the picture has come to rest.
      if (st.LSPEED[kPicture] < 32767) ++st.LSPEED[kPicture];
      if (st.LSPEED[kPicture] > 10 && st.LROW[kPicture] < 350) st.LSPEED[kPicture] = 0, ++st.LROW[kPicture];
      break;
    case 4:
      if (t == 300) st.LSPEED[kNear] = 2;
      if (t == 2250 || t == 3080) st.LSPEED[kFar] = 16;
      if (t == 2330 || t == 3200) st.LSPEED[kFar] = 1;
      break;
    case 5: AfterStepStage5(st); break;
    case 6: AfterStepStage6(st); break;
    case 7:
      if (t == 300 || t == 4100) st.LSPEED[kNear] = 16;
      if (t == 4010) st.LSPEED[kFar] = 1;
      if (t == 4015) st.LSPEED[kFar] = 2;
      break;
    default: break;
  }
}

}  // namespace

void ScrollBackground(Game &g, int stage) {
  if (stage < 1 || stage > 10) return;
  BeforeStep(g, stage);
  LayerStep(g, kFar, stage);
  LayerStep(g, kNear, stage);
  AfterStep(g, stage);
}

}  // namespace qel
