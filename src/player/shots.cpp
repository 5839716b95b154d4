// The life of every player shot: flight, expiry, leaving the screen and the hits on enemies.
#include <algorithm>
#include <cmath>

#include "enemy/enemy.h"
#include "game.h"
#include "platform/rounding.h"
#include "player/player.h"

namespace qel {

namespace {

constexpr int kBeamLength = 150;

// The shot is gone once it is past an edge in the direction it flies.
void TestScreenExit(PlayerShot &s) {
  bool out = (s.Y > 480 && s.DY > 0) || (s.Y < -s.H && s.DY < 0) || (s.X < -s.W && s.DX < 0) ||
             (s.X > 480 && s.DX > 0);
  if (!out) return;
  s.Y = 600;
  s.FLAG = 0;
}

// One axis of a laser beam: while shorter than 150 it stays on the ship and grows by 25, then
// it flies off on its own. ahead: the beam is in front of the ship on that axis (up or left).
void GrowBeam(double &pos, int &length, int &edge, double &speed, double ship, bool ahead) {
  if (length >= kBeamLength) return;
  pos = ahead ? ship - length : ship + 32;
  edge = length + 24;
  length += 25;
  if (length <= kBeamLength - 1) return;
  length = kBeamLength;
  edge = kBeamLength - 1;
  speed = ahead ? -25 : 25;
}

// The beams follow the ship sideways even after detaching (kept: it is how the laser plays).
void MoveLaser(const Player &p, PlayerShot &s) {
  int sub = s.V[5];
  if (sub == 0 || sub == 1) {
    s.X = p.PX + 16 - s.W / 2;
    GrowBeam(s.Y, s.H, s.HY2, s.DY, p.PY, sub == 0);
  } else {
    s.Y = p.PY + 16 - s.H / 2;
    GrowBeam(s.X, s.W, s.HX2, s.DX, p.PX, sub == 2);
  }
  TestScreenExit(s);
}

void TurnUp(PlayerShot &s) {
  s.V[5] = 2;
  s.DX = 0;
  s.DY = -20;
}

// A blast-bomb shell flies sideways until it is under a lock-on target, or five frames at most,
// then straight up.
void MoveBlastBomb(Game &g, PlayerShot &s) {
  const Enemies &en = g.enemies;
  if (s.V[5] == 1) {
    for (int j = 0; j <= std::min(en.ENMAX, 30); ++j) {
      const Enemy &e = en.ENEMY[static_cast<std::size_t>(j)];
      if (e.FLAG <= 0 || e.LOCK != -1) continue;
      if (std::abs(RoundHalfEven(e.X + e.W / 2) - (s.X + 4)) < 10) TurnUp(s);
    }
  }
  s.V[6] += 1;
  if (s.V[6] > 4 && s.V[5] != 2) TurnUp(s);
  TestScreenExit(s);
}

void MoveBlast(Game &g, PlayerShot &s) {
  s.V[0] += 1;
  if (s.V[0] > 8) s.FLAG = 0;
  if (g.shell.FRAMECNT % 2 == 0) s.AGE = 1 - s.AGE;
}

// Enemy bullets that can be erased and touch the ball are gone.
void EraseBullets(Game &g, const PlayerShot &ball) {
  int x1 = RoundHalfEven(ball.X + ball.HX1), y1 = RoundHalfEven(ball.Y + ball.HY1);
  int x2 = RoundHalfEven(ball.X + ball.HX2), y2 = RoundHalfEven(ball.Y + ball.HY2);
  for (int k = 0; k <= 30; ++k) {
    EnemyShot &b = g.enemies.ESHOT[static_cast<std::size_t>(k)];
    if (b.FLAG == 0 || b.ERASE != -1) continue;
    if (b.X < x2 && b.X + b.HX2 > x1 && b.Y < y2 && b.Y + b.HY2 > y1) {
      b.Y = 600;
      b.FLAG = 0;
    }
  }
}

// The thunder ball circles with radius 50 and drifts up 2 pixels a frame, on top of the move
// of step one, which applied the previous frame's speed.
void MoveThunderBall(Game &g, PlayerShot &s) {
  if (++s.V[1] > 2) {
    s.AGE = 1 - s.AGE;
    s.V[1] = 0;
  }
  double a = s.T1 + s.T2;
  s.DX = RoundHalfEven(50 * (std::cos(a) - std::cos(s.T1)));
  s.DY = RoundHalfEven(50 * (std::sin(a) - std::sin(s.T1)));
  s.T1 = a;
  s.X += s.DX;
  s.Y += s.DY - 2;
  EraseBullets(g, s);
  if (s.Y < -100) s.FLAG = 0;
}

void RunDown(PlayerShot &s) {
  s.V[5] -= 1;
  if (s.V[5] <= 0) s.FLAG = 0;
}

void MoveShot(Game &g, PlayerShot &s) {
  switch (s.KIND) {
    case 1:
      // The side shots of level 2 fly diagonally for five frames, then straight up.
      if (s.V[5] == 1 && s.V[4] > 0 && --s.V[4] == 0) s.DX = 0;
      TestScreenExit(s);
      break;
    case 2: MoveLaser(g.player, s); break;
    case 3: MoveBlastBomb(g, s); break;
    case 4:
    case 5:
    case 7: TestScreenExit(s); break;
    case 6: RunDown(s); break;  // the flame burns out wherever it is
    case 8:
      RunDown(s);
      TestScreenExit(s);
      break;
    case 10: MoveBlast(g, s); break;
    case 20: MoveThunderBall(g, s); break;
    default: break;
  }
}

// The blast takes the size of the active slot's level at the moment of the hit (kept as it
// always was, even when the bomb came from the other slot).
void BecomeBlast(const Player &p, PlayerShot &s) {
  bool big = ActiveLevel(p) == 2;
  s.KIND = 10;
  s.DX = s.DY = 0;
  s.X -= 13;
  s.Y -= 16;
  s.POW = 1;
  s.PIERCE = -1;
  s.V[0] = 0;
  s.W = s.H = big ? 48 : 32;
  s.SPR = big ? 43 : 18;
  s.HX1 = s.HY1 = 5;
  s.HX2 = s.HY2 = big ? 42 : 27;
}

bool Touches(const PlayerShot &s, const Enemy &e) {
  HitBox shot = PlayerShotHitBox(s), enemy = EnemyHitBox(e);
  return shot.left < enemy.right && shot.right > enemy.left && shot.top < enemy.bottom &&
         shot.bottom > enemy.top;
}

// Every enemy the shot touches is hit, in slot order, even after the shot itself has ended in
// this frame: one shot may damage several overlapping enemies at once, and a shell that bursts
// goes on testing with the blast's box (all kept as the game always played).
void HitEnemies(Game &g, PlayerShot &s) {
  Enemies &en = g.enemies;
  for (int j = 0; j <= std::min(en.ENMAX, 30); ++j) {
    const Enemy &e = en.ENEMY[static_cast<std::size_t>(j)];
    if (e.NOHIT != 0 || e.FLAG == 0 || !Touches(s, e)) continue;
    DamageEnemy(g, j, s.POW, s.V[9]);
    if (s.KIND == 3) BecomeBlast(g.player, s);
    else if (s.PIERCE == 0) s.FLAG = 0;
  }
}

}  // namespace

int FindFreePlayerShot(Game &g) {
  const auto &shots = g.player.PSHOT;
  for (std::size_t i = 0; i < shots.size(); ++i)
    if (shots[i].FLAG == 0) return static_cast<int>(i);
  return -1;
}

void UpdatePlayerShots(Game &g) {
  for (PlayerShot &s : g.player.PSHOT) {
    if (s.FLAG != 1) continue;
    s.Y += s.DY;
    s.X += s.DX;
    MoveShot(g, s);
    HitEnemies(g, s);
  }
}

}  // namespace qel
