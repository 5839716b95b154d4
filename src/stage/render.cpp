#include "stage/render.h"

#include <cmath>

#include "game.h"
#include "hud/hud.h"
#include "platform/rounding.h"
#include "stage/stage.h"

namespace qel {

namespace {

int Round(double v) { return RoundHalfEven(v); }

// A sprite through its mask: AND-XOR for the TOKU family, OR-AND for enemies and the ship.
void AndXor(Game &g, Family colour, Family mask, int index, int sx, int sy, int w, int h, int x, int y) {
  BitBlt2(g.surf.DISPLAY, x, y, w, h, g.sheet(mask, index), g.sheet(colour, index), sx, sy, Rop::And,
          Rop::Xor);
}

void OrAnd(Game &g, Family colour, Family mask, int index, int sx, int sy, int w, int h, int x, int y,
           bool silhouette) {
  if (silhouette) BitBlt(g.surf.DISPLAY, x, y, w, h, g.sheet(mask, index), sx, sy, Rop::Or);
  else
    BitBlt2(g.surf.DISPLAY, x, y, w, h, g.sheet(mask, index), g.sheet(colour, index), sx, sy, Rop::Or,
            Rop::And);
}

void DrawEnemies(Game &g) {
  Enemies &en = g.enemies;
  for (int k = 0; k <= en.ENMAX; ++k) {
    int slot = en.ENORDER[k];
    if (slot < 0 || slot > 30) continue;
    Enemy &e = en.ENEMY[slot];
    if (e.MODE == 0 || e.FLAG == 0) continue;
    // A hit enemy flashes white on even frames while its flash counter lasts.
    bool flash = e.CNT[15] >= 1 && (g.shell.FRAMECNT % 2) == 0;
    if (flash) e.CNT[15] = e.CNT[15] - 1 < 0 ? 0 : e.CNT[15] - 1;
    OrAnd(g, Family::EN, Family::ENM, e.SHEET, e.FRAME * e.W, e.ROW * e.H, e.W, e.H, Round(e.X), Round(e.Y),
          flash);
  }
}

void DrawEffects(Game &g) {
  for (Effect &e : g.effects.EFFECT) {
    if (e.FLAG < 1) continue;
    int x = Round(e.X), y = Round(e.Y);
    if (IsSheetEffect(e.KIND)) {
      AndXor(g, Family::TOKU, Family::TOKUM, e.SHEET, e.W * e.FRAME, 0, e.W, e.H, x, y);
    } else if (IsTextEffect(e.KIND)) {
      DrawText(g, g.surf.DISPLAY, e.TEXT, e.V[5], 0, x + 3, y + 3, e.V[7]);
      DrawText(g, g.surf.DISPLAY, e.TEXT, e.V[5], e.V[6], x, y, e.V[7]);
    } else if (IsStretchedEffect(e.KIND)) {
      Surface &d = g.surf.DISPLAY;
      StretchBlt(d, x, y, e.V[5], e.V[6], g.sheet(Family::TOKUM, e.SHEET), e.W * e.FRAME, 0, e.W, e.H,
                 Rop::And);
      StretchBlt(d, x, y, e.V[5], e.V[6], g.sheet(Family::TOKU, e.SHEET), e.W * e.FRAME, 0, e.W, e.H,
                 Rop::Xor);
    }
  }
}

void DrawBullets(Game &g) {
  for (const EnemyShot &s : g.enemies.ESHOT) {
    if (s.FLAG != 1) continue;
    AndXor(g, Family::TOKU, Family::TOKUM, s.SHEET, s.W * s.FRAME, s.ROW * s.H + s.SYOFF, s.W, s.H,
           Round(s.X), Round(s.Y));
  }
}

void DrawWhiteFlash(Game &g) {
  double &flash = g.player.PSTAT[kStatWhiteFlash];
  if (flash <= 0) return;
  Fill(g.surf.DISPLAY, QBColor(15));
  flash = flash - 1 < 0 ? 0 : flash - 1;
}

void DrawShots(Game &g) {
  for (const PlayerShot &s : g.player.PSHOT) {
    if (s.FLAG != 1) continue;
    AndXor(g, Family::TOKU, Family::TOKUM, s.SPR, s.W * s.AGE, 0, s.W, s.H, Round(s.X), Round(s.Y));
  }
}

void DrawShip(Game &g) {
  const Player &p = g.player;
  // While invulnerable in play the ship flickers white on every other count.
  bool blink = p.INVUL == -1 && (Round(p.PSTAT[kStatInvulnerable]) % 2) == 0 && p.PSTATE == kShipPlay;
  OrAnd(g, Family::PL, Family::PLM, 0, p.PBANK * 32, 0, 32, 32, Round(p.PX), Round(p.PY), blink);
}

void DrawPauseOverlay(Game &g) {
  Surface &d = g.surf.DISPLAY;
  DrawText(g, d, "PAUSE", 70, 3, 125, 205, 1);
  DrawText(g, d, "PAUSE", 70, 11, 120, 200, 1);
  DrawText(g, d, "[F1] PRESS TO TITLE", 20, 4, 122, 322, 1);
  DrawText(g, d, "[F1] PRESS TO TITLE", 20, 12, 120, 320, 1);
}

}  // namespace

void RenderGame(Game &g, int copy) {
  // The finished picture replaces all of MSCREEN when it is copied there; the wipe, which
  // takes it from DISPLAY instead, draws over a cleared one.
  if (copy != 0) Cls(g.surf.MSCREEN);
  ComposeBackground(g, g.stage.STAGE, true);
  DrawEnemies(g);
  DrawEffects(g);
  DrawBullets(g);
  DrawWhiteFlash(g);
  DrawShots(g);
  DrawShip(g);
  if (g.shell.SCENE != kSceneEndingIntro) DrawHud(g);
  if (g.shell.SCENE == kScenePause) DrawPauseOverlay(g);
  if (copy == 0) BitBlt(g.surf.MSCREEN, 0, 0, 480, 480, g.surf.DISPLAY, 0, 0, Rop::Copy);
}

}  // namespace qel
