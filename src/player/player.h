// The player's ship, its equipment and its shots.
#pragma once

#include <array>

namespace qel {

struct Game;

struct PlayerShot {
  double X = 0, Y = 0;
  int W = 0, H = 0;
  double HX1 = 0, HY1 = 0;
  int HX2 = 0, HY2 = 0;
  double DX = 0, DY = 0;
  int SPR = 0, FLAG = 0, KIND = 0, POW = 0;
  std::array<int, 11> V{};
  double T1 = 0, T2 = 0;
  int AGE = 0, PIERCE = 0;
};

struct Player {
  double PX = 234, PY = 400;
  int PBANK = 0;
  int PSTATE = 0;
  int INVUL = 0;
  int SHIELD = 50, SHIELDMAX = 50;
  int GAUGE = 0;
  int BOMBKIND = 1;
  int SYSTEM = 10;
  int KEEP = 0;
  int CREDIT = 2;
  std::array<int, 2> WEAPON{1, 2};
  int WSLOT = 0;
  std::array<int, 2> WLEVEL{2, 1};
  std::array<double, 21> PSTAT{};
  int HBX1 = 10, HBY1 = 3, HBX2 = 21, HBY2 = 15;
  // Frames since the last volley. It once shared PHASE with the scene; it saturates so that
  // a long pause in firing cannot wrap it around.
  int volleyTimer = 0;
  std::array<int, 9> FIREWAIT{};  // 1..8
  // The 16-bit score, capped at 30000.
  int SCORE = 0;

  std::array<PlayerShot, 51> PSHOT{};
};

constexpr int kVolleyTimerMax = 32767;
void AdvanceVolleyTimer(Player &p);

// One frame of the ship (movement, bombs, shield, loss and flights).
void UpdatePlayer(Game &g);
// The ship takes damage; persistent is the bullet's own flag (non-zero: it stays after hitting).
void HitPlayer(Game &g, int damage, int persistent);
// Fills the bomb gauge by n, up to 100.
void AddBombGauge(Game &g, int n);
// Records a clear mark in OPTION(k) for the difficulty level.
void MarkClear(Game &g, int k, int level);
// The lowest free shot slot, or a negative value when all are in use.
int FindFreePlayerShot(Game &g);
// One shot of a volley: kind is the weapon 1..8 or 20 (the thunder ball), sub the shot.
void FirePlayerShot(Game &g, int kind, int sub);
// Moves, expires and hits with every player shot.
void UpdatePlayerShots(Game &g);
// Frames per shield point and per bomb-gauge point for the fitted system and bomb.
int ShieldRecoveryInterval(int system);
int BombChargeInterval(int bombKind);

}  // namespace qel
