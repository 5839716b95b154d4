// The player's ship, its equipment and its shots.
#pragma once

#include <array>
#include <cstddef>

#include "platform/hit_box.h"

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

// What the elements of PSTAT hold in play. The scenes outside play use some of them for their
// own counters (the title's locks, the ending, the game-over timer).
enum PlayerStat : std::size_t {
  kStatChargeCount = 2,       // frames towards the next bomb-gauge point
  kStatMultiPhase = 3,        // the Multi's volley phase 0..5
  kStatRedShield = 4,         // frames the shield gauge is drawn red
  kStatRecoveryInterval = 5,  // frames per shield point recovered
  kStatRecoveryCount = 6,     // frames towards the next shield point
  kStatWhiteFlash = 7,        // pictures still drawn white
  kStatInvulnerable = 10,     // frames of safety left
  kStatChargeInterval = 12,   // frames per bomb-gauge point
  kStatFireSweep = 13,        // the Fire's sweep 0..11
  kStatSpin = 18,             // the falling wreck's spin, then the wait after it bursts
  kStatFalling = 19,          // frames the wreck has fallen
  kStatStageFlow = 20,        // 0: the clock runs; 1: it stops (a boss, a clear); 2..5: stage 5's loops
};

// Values of PSTATE.
enum ShipState : int {
  kShipPlay = 0,
  kShipEntering = 1,
  kShipFalling = 3,       // the wreck falls and spins
  kShipWrecked = 4,       // the wreck has burst; a wait before the restart or the game over
  kShipDescending = 7,    // into the final scene
  kShipFlyOutStart = 10,  // after a cleared stage
  kShipFlyingOut = 11,
  kShipFinalStart = 12,  // after the last stage of the story
  kShipFinalFlyOut = 13,
  kShipGone = 20,  // waiting for the next scene
};

// What a ship carries: the credits, the shield, the support system, the bomb, both weapon slots
// with their levels. Start-up gives the ship one set; a new game gives the set of its mode.
struct Equipment {
  int credit, shieldMax, system, bombKind;
  std::array<int, 2> weapon, wlevel;
};
// At start-up, before any game.
inline constexpr Equipment kStartUpEquipment{2, 50, 10, 1, {1, 2}, {2, 1}};
// A new story game; extra and boss mode give the stronger ship without spare ones.
inline constexpr Equipment kStoryEquipment{2, 50, 10, 0, {1, 2}, {1, 1}};
inline constexpr Equipment kExtraEquipment{0, 100, 11, 0, {1, 2}, {1, 1}};

struct Player {
  double PX = 234, PY = 400;
  // The input direction of this frame (-1, 0, +1); MY is also the vertical speed while the
  // ship falls or flies out.
  double MX = 0, MY = 0;
  int PBANK = 0;
  int PSTATE = 0;
  int INVUL = 0;
  int SHIELD = kStartUpEquipment.shieldMax, SHIELDMAX = kStartUpEquipment.shieldMax;
  int GAUGE = 0;
  int BOMBKIND = kStartUpEquipment.bombKind;
  int SYSTEM = kStartUpEquipment.system;
  int KEEP = 0;
  int CREDIT = kStartUpEquipment.credit;
  std::array<int, 2> WEAPON = kStartUpEquipment.weapon;
  int WSLOT = 0;
  std::array<int, 2> WLEVEL = kStartUpEquipment.wlevel;
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

// The active weapon slot (0 or 1) and what it holds.
inline int ActiveSlot(const Player &p) { return p.WSLOT == 1 ? 1 : 0; }
// Puts the equipment on the ship: its credits, a full shield of the given size, its system, bomb
// and weapons, the first slot active.
void Equip(Player &p, const Equipment &e);

inline int ActiveWeapon(const Player &p) { return p.WEAPON[ActiveSlot(p)]; }
inline int ActiveLevel(const Player &p) { return p.WLEVEL[ActiveSlot(p)]; }

// The box the ship is hit with, by enemy bullets and by enemies ramming it.
inline HitBox ShipHitBox(const Player &p) {
  return {p.PX + p.HBX1, p.PY + p.HBY1, p.PX + p.HBX2, p.PY + p.HBY2};
}
// The box a player shot hits enemies with.
inline HitBox PlayerShotHitBox(const PlayerShot &s) {
  return {s.X + s.HX1, s.Y + s.HY1, s.X + s.HX2, s.Y + s.HY2};
}

constexpr int kVolleyTimerMax = 32767;
void AdvanceVolleyTimer(Player &p);

// The pause as PAUSE starts it from play (also when the window loses the keyboard).
void EnterPause(Game &g);
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
// Frames between volleys of a weapon number (0 for a number that is no weapon).
int FireWait(const Player &p, int weapon);

// One volley of the weapon in the active slot, at its current level.
void FireVolley(Game &g);
// The bomb now fitted goes off (the gauge is the caller's business).
void ReleaseBomb(Game &g);

// The ship's states other than play, one frame each.
void RunEntryFlight(Game &g);      // 1
void RunFallingWreck(Game &g);     // 3
void RunWreckWait(Game &g);        // 4
void RunFinalDescent(Game &g);     // 7
void StartFlyOut(Game &g);         // 10
void RunFlyOut(Game &g);           // 11
void StartFinalFlyOut(Game &g);    // 12
void RunFinalFlyOut(Game &g);      // 13
void RunWaitAfterFlyOut(Game &g);  // 20

}  // namespace qel
