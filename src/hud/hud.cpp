#include "hud/hud.h"

#include <cmath>
#include <cstdio>

#include "game.h"
#include "platform/random.h"

namespace qel {

namespace {

// Whole percent, rounded down (also below zero, where a bar then has no width).
int Percent(int value, int full) {
  if (full == 0) return 0;
  return static_cast<int>(std::floor(value * 100.0 / full));
}

// Text with its black drop shadow.
void ShadowText(Game &g, const char *text, int size, int colour, int x, int y, int sx, int sy) {
  DrawText(g, g.surf.DISPLAY, text, size, 0, sx, sy, 1);
  DrawText(g, g.surf.DISPLAY, text, size, colour, x, y, 1);
}

void Copy(Game &g, Family f, int index, int sx, int sy, int w, int h, int x, int y) {
  BitBlt(g.surf.DISPLAY, x, y, w, h, g.sheet(f, index), sx, sy, Rop::Copy);
}

void DrawEquipment(Game &g) {
  const Player &p = g.player;
  ShadowText(g, "W", 20, 15, 0, 445, 2, 447);
  for (int i = 0; i < 2; ++i)
    Copy(g, Family::IT, p.WEAPON[i], (p.WLEVEL[i] - 1) * 32, 0, 32, 32, 25 + 32 * i, 440);
  if (g.shell.SCENE == kScenePlay) {
    int x = 25 + 32 * p.WSLOT;
    BitBlt(g.surf.DISPLAY, x, 440, 32, 32, g.sheet(Family::TOKUM, 42), 0, 0, Rop::And);
    BitBlt(g.surf.DISPLAY, x, 440, 32, 32, g.sheet(Family::TOKU, 42), 0, 0, Rop::Xor);
  }
  ShadowText(g, "S", 20, 15, 385, 445, 387, 447);
  Copy(g, Family::IT, p.SYSTEM, 0, 0, 32, 32, 406, 440);
  if (p.KEEP == -1) Copy(g, Family::IT, 16, 0, 0, 32, 32, 438, 440);
}

void DrawCounters(Game &g) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "Sc %05d", g.player.SCORE);
  ShadowText(g, buf, 20, 15, 5, 3, 7, 5);
  ShadowText(g, ("CREDIT " + NumberText(g.player.CREDIT)).c_str(), 15, 15, 190, 460, 192, 462);
}

void DrawShield(Game &g) {
  Player &p = g.player;
  int colour = 15;
  if (p.PSTAT[kStatRedShield] > 0) {
    colour = 12;
    p.PSTAT[kStatRedShield] -= 1;
    if (p.PSTAT[kStatRedShield] <= 0) p.PSTAT[kStatRedShield] = 0;
  }
  int percent = Percent(p.SHIELD, p.SHIELDMAX);
  Copy(g, Family::IT, 22, 0, 0, 2 * percent, 15, 130, 5);
  DrawBox(g.surf.DISPLAY, 130, 5, 330, 20, QBColor(colour));
  char buf[32];
  std::snprintf(buf, sizeof buf, "%03d/%03d", p.SHIELD, p.SHIELDMAX);
  ShadowText(g, buf, 20, colour, 195, 3, 196, 4);
}

void DrawBossGauge(Game &g) {
  const auto &work = g.enemies.WORK;
  if (work[8] != 1) return;
  int slot = work[0];
  if (slot < 0 || slot >= static_cast<int>(g.enemies.ENEMY.size())) return;
  const Enemy &boss = g.enemies.ENEMY[slot];
  // Not in 16 bits: bosses have up to 1000 hit points.
  int percent = Percent(boss.HP, work[9]);
  int row = boss.CNT[13] == 1 ? 1 : 0;
  ShadowText(g, "BOSS", 15, 15, 80, 28, 82, 30);
  Copy(g, Family::IT, 23, 0, 10 * row, 2 * percent, 10, 130, 30);
  DrawBox(g.surf.DISPLAY, 130, 30, 330, 40, QBColor(15));
}

void DrawBomb(Game &g) {
  const Player &p = g.player;
  Copy(g, Family::IT, 22, 0, 15, p.GAUGE, 15, 370, 5);
  DrawBox(g.surf.DISPLAY, 370, 5, 470, 20, QBColor(15));
  Copy(g, Family::IT, p.BOMBKIND + 19, 0, 0, 32, 32, 340, 5);
  // A full gauge's "BOMB" flickers in a colour drawn from the game's own random numbers, not a
  // generator of its own. Drawing the heads-up display one time more or less than the game does
  // therefore changes every later wave, shot and explosion, and no replay would match: it is
  // drawn where it always was (each rendered frame of play, the shop, the pause) and nowhere else.
  if (p.GAUGE == 100) ShadowText(g, "BOMB", 15, RandomRange(g, 9, 15), 395, 5, 396, 6);
}

}  // namespace

void DrawHud(Game &g) {
  DrawEquipment(g);
  DrawCounters(g);
  DrawShield(g);
  DrawBossGauge(g);
  DrawBomb(g);
}

}  // namespace qel
