// Moving enemy bullets, their ends, and their hits on the ship.
#include <cmath>

#include "effects/effects.h"
#include "enemy/enemy.h"
#include "game.h"
#include "platform/rounding.h"
#include "platform/sound.h"

namespace qel {

namespace {

constexpr int kFusedSheet = 29;
constexpr int kFullBeam = 150;

int Sign(double v) { return (v > 0) - (v < 0); }
bool EvenFrame(const Game &g) { return g.shell.FRAMECNT % 2 == 0; }

void Move(EnemyShot &b) { b.X += b.DX, b.Y += b.DY; }

void Toggle(const Game &g, EnemyShot &b) {
  if (EvenFrame(g)) b.FRAME = 1 - b.FRAME;
}

// A bullet beyond an edge and still moving outwards is gone.
void LeaveTest(EnemyShot &b) {
  if ((b.Y > 480 && b.DY > 0) || (b.Y < -b.H && b.DY < 0) || (b.X > 480 && b.DX > 0) ||
      (b.X < -b.W && b.DX < 0))
    b.FLAG = 0, b.Y = 600;
}

void FullHitBox(EnemyShot &b) { b.HX1 = 0, b.HY1 = 0, b.HX2 = b.W - 1, b.HY2 = b.H - 1; }

// The fused bullet's fuse has burnt down: it becomes a blast where it is, its corner staying
// put, so the blast sits a little off the bullet as it always has.
void Detonate(Game &g, EnemyShot &b) {
  b.MODE = 50;
  b.SHEET = 30, b.W = 32, b.H = 32;
  PlaySound(g, kSoundPop);
  b.HX1 = b.HY1 = 5, b.HX2 = b.HY2 = 27;
  b.CNT[5] = 0;
  b.FRAME = 2;
  b.DMG = 2;
  b.PERSIST = -1;
}

void MoveAimed(Game &g, EnemyShot &b) {
  Move(b);
  bool blinks = b.SHEET == 2 || (b.SHEET >= 26 && b.SHEET <= kFusedSheet);
  if (g.shell.FRAMECNT % 3 == 0 && blinks) b.FRAME = 1 - b.FRAME;
  if (b.SHEET == kFusedSheet && --b.CNT[5] <= 0) Detonate(g, b);
  if (b.MODE <= 12) {
    if (b.X < -b.W || b.X > 480 || b.Y < -b.H || b.Y > 480) b.FLAG = 0;
  } else if (b.MODE == 13) {
    // Debris falls back and is lost below or at the sides, never at the top.
    if (b.DY < 15) b.DY += 2;
    if (b.X < -b.W || b.X > 480 || b.Y > 480) b.FLAG = 0;
  }
}

// While active, the mine moves the ship 4 pixels per axis: mode 14 away from it, mode 15
// towards it, past the ship's own limits if need be. The field is kept as it always was, the
// vertical distance counted with its sign, so it reaches nearly everything below the mine.
void PullOrPush(Game &g, const EnemyShot &b) {
  Player &p = g.player;
  double dx = (p.PX + 16) - (b.X + 24), dy = (p.PY + 16) - (b.Y + 24);
  if (std::fabs(dx) - (-dy) >= 400) return;
  int away = b.MODE == 14 ? 1 : -1;
  p.PX += 4 * away * Sign(dx);
  p.PY += 4 * away * Sign(dy);
}

void MoveMine(Game &g, EnemyShot &b, int k) {
  if (b.CNT[0] == 0) {
    Move(b);
    if ((b.X < 0 && b.DX < 0) || (b.X > 432 && b.DX > 0)) b.DX = -b.DX;
    if ((b.Y < 0 && b.DY < 0) || (b.Y > 432 && b.DY > 0)) b.DY = -b.DY;
    if (--b.CNT[1] <= 0) {
      b.CNT[1] = 0, b.CNT[0] = 1, b.DX = b.DY = 0;
      SpawnEffect(g, k, kEffectMineField);
      PlaySound(g, kSoundField);
    }
  } else if (b.CNT[0] == 1) {
    PullOrPush(g, b);
    if (--b.CNT[2] <= 0) b.FLAG = 0;
  }
  if (++b.CNT[3] > 2) b.CNT[3] = 0, b.FRAME = b.FRAME >= 2 ? 0 : b.FRAME + 1;
}

void MoveBall(EnemyShot &b) { b.X += b.CNT[5] * b.DX, b.Y += b.CNT[6] * b.DY; }

bool Outwards(double pos, double d, double lo, double hi) {
  return (pos < lo && d < 0) || (pos > hi && d > 0);
}

void MoveBouncingBall(Game &g, EnemyShot &b) {
  MoveBall(b);
  if (Outwards(b.X, b.DX, 0, 455)) b.DX = -b.DX;
  Toggle(g, b);
  LeaveTest(b);
}

// Mode 17 bounces off all four walls until its bounces are used up.
void MoveCornerBall(Game &g, EnemyShot &b) {
  MoveBall(b);
  if (b.CNT[2] > 0 && Outwards(b.X, b.DX, 0, 455)) b.DX = -b.DX, --b.CNT[2];
  if (b.CNT[2] > 0 && Outwards(b.Y, b.DY, 0, 455)) b.DY = -b.DY, --b.CNT[2];
  Toggle(g, b);
  if (b.CNT[2] <= 0) LeaveTest(b);
}

void MoveStraight(Game &g, EnemyShot &b, bool sideways) {
  if (sideways) Move(b);
  else b.Y += b.DY;
  Toggle(g, b);
  LeaveTest(b);
}

// A zig-zag corner: harmless for 5 frames while the laser turns.
void MakeCorner(EnemyShot &b) {
  b.SHEET = 25, b.W = 16, b.H = 16;
  b.FRAME = 0;
  b.CNT[5] = 5;
  b.CNT[0] = 2;
  b.NOHIT = -1;
}

void TurnFromCorner(const Game &g, EnemyShot &b) {
  const Player &p = g.player;
  b.CNT[5] = 0;
  --b.CNT[1];
  b.NOHIT = 0;
  b.FRAME = 0;
  if (b.CNT[4] == 0) {
    b.CNT[0] = 1, b.SHEET = 24, b.W = 32, b.H = 5, b.DY = 0, b.CNT[4] = 1;
    b.Y += 4;
    b.DX = b.X + 16 < p.PX + 16 ? b.CNT[3] : -b.CNT[3];
  } else {
    b.CNT[0] = 0, b.SHEET = 23, b.W = 5, b.H = 32, b.DX = 0, b.CNT[4] = 0;
    b.X += 4;
    b.DY = b.Y + 16 < p.PY + 16 ? b.CNT[2] : -b.CNT[2];
  }
  FullHitBox(b);
}

void MoveZigzag(Game &g, EnemyShot &b) {
  const Player &p = g.player;
  Move(b);
  Toggle(g, b);
  LeaveTest(b);
  if (b.FLAG == 0) return;
  if (b.CNT[0] == 0 && b.CNT[1] > 0 && std::fabs((b.Y + 16) - (p.PY + 16)) < 15) {
    MakeCorner(b);
    b.X -= 4, b.Y += b.DY, b.DY = 0;
  } else if (b.CNT[0] == 1 && b.CNT[1] > 0 && std::fabs((b.X + 16) - (p.PX + 16)) < 15) {
    MakeCorner(b);
    b.Y -= 4, b.X += b.DX, b.DX = 0;
  } else if (b.CNT[0] == 2 && --b.CNT[5] <= 0) {
    TurnFromCorner(g, b);
  }
}

// The blast flares up, hurts while it flickers between its two hot frames, and dies down.
void UpdateBlast(EnemyShot &b) {
  int count = b.CNT[0];
  if (count == 1) b.FRAME = 0, b.NOHIT = 0;
  if (count >= 2 && count <= 30 && ++b.CNT[1] > 1) b.CNT[1] = 0, b.FRAME = 1 - b.FRAME;
  if (count == 30) b.FRAME = 2, b.NOHIT = -1;
  if (count >= 31) b.FLAG = 0;
  ++b.CNT[0];
}

// A growing beam lengthens under its enemy until it is 150 pixels long, then travels down.
// While it grows its picture is read from 3 rows past the tip, as it always was (clipping hides
// them). Its full-length values are set as soon as it reaches the length, so that a step
// landing exactly on 150 does not leave its picture offset.
void GrowOrTravel(EnemyShot &b) {
  if (b.H >= kFullBeam) {
    b.Y += b.DY;
    LeaveTest(b);
    return;
  }
  int step = RoundHalfEven(b.DY);
  b.H += step;
  b.SYOFF -= step;
  b.HY1 = 1, b.HY2 = b.H - 2;
  if (b.H >= kFullBeam) b.H = kFullBeam, b.SYOFF = 0, b.HY1 = 5, b.HY2 = 144;
}

void MoveByMode(Game &g, EnemyShot &b, int k) {
  int m = b.MODE;
  if (m >= 1 && m <= 13) MoveAimed(g, b);
  else if (m == 14 || m == 15) MoveMine(g, b, k);
  else if (m == 16) MoveBouncingBall(g, b);
  else if (m == 17) MoveCornerBall(g, b);
  else if (m == 18 || m == 19) MoveStraight(g, b, false);
  // Mode 24 is set up like 23 and moves like it, instead of standing still for ever.
  else if ((m >= 20 && m <= 24) || (m >= 30 && m <= 34)) MoveStraight(g, b, true);
  else if (m >= 25 && m <= 28) MoveZigzag(g, b);
  else if (m == 50) UpdateBlast(b);
  else if (m == 55 || m == 56) GrowOrTravel(b);
}

void HitTest(Game &g, EnemyShot &b) {
  const Player &p = g.player;
  if (b.FLAG <= 0 || p.INVUL != 0 || b.NOHIT != 0) return;
  HitBox ship = ShipHitBox(p), bullet = EnemyShotHitBox(b);
  bool overlap = ship.left < bullet.right && ship.right > bullet.left && ship.top < bullet.bottom &&
                 ship.bottom > bullet.top;
  if (!overlap) return;
  HitPlayer(g, b.DMG, b.PERSIST);
  if (b.PERSIST == 0) b.FLAG = 0;
}

}  // namespace

void UpdateEnemyShot(Game &g, int k) {
  if (k < 0 || k >= static_cast<int>(g.enemies.ESHOT.size())) return;
  EnemyShot &b = g.enemies.ESHOT[k];
  MoveByMode(g, b, k);
  HitTest(g, b);
}

}  // namespace qel
