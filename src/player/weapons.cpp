// One shot of a volley: its look, where it starts and how it flies.
#include "game.h"
#include "platform/angles.h"
#include "player/player.h"

namespace qel {

namespace {

constexpr int kThunderBall = 20;

// Sprite, power and hit box of a shot kind. Level 2 of the weapon takes the second look.
struct ShotLook {
  int kind;
  bool sideways;  // the laser's left and right beams
  int w, h, spr;
  int w2, h2, spr2;
  int pow;
  int boxLo, boxHi;  // hit-box edges on both axes; boxHi 0: the whole sprite
  bool pierce;
  int life, life2;  // frames a fire or shadow shot lasts
};

constexpr ShotLook kLooks[] = {
    {1, false, 16, 16, 10, 16, 16, 10, 5, 0, 0, false, 0, 0},
    {2, false, 7, 1, 11, 14, 1, 47, 2, 0, 0, true, 0, 0},
    {2, true, 1, 7, 6, 1, 14, 48, 2, 0, 0, true, 0, 0},
    {3, false, 8, 24, 15, 8, 24, 15, 2, 0, 0, false, 0, 0},
    {4, false, 8, 12, 12, 8, 12, 12, 3, 0, 0, false, 0, 0},
    {5, false, 10, 10, 13, 16, 16, 44, 3, 0, 0, false, 0, 0},
    {6, false, 32, 32, 55, 32, 32, 55, 1, 7, 24, true, 15, 20},
    {7, false, 10, 10, 13, 16, 16, 44, 4, 0, 0, false, 0, 0},
    {8, false, 32, 32, 19, 32, 32, 19, 3, 5, 26, true, 15, 30},
    {kThunderBall, false, 64, 64, 45, 64, 64, 45, 4, 5, 58, true, 0, 0},
};

const ShotLook *FindLook(int kind, int sub) {
  bool sideways = kind == 2 && (sub == 2 || sub == 3);
  for (const ShotLook &look : kLooks)
    if (look.kind == kind && look.sideways == sideways) return &look;
  return nullptr;
}

void ApplyLook(PlayerShot &s, const ShotLook &look, int level) {
  bool two = level == 2;
  s.W = two ? look.w2 : look.w;
  s.H = two ? look.h2 : look.h;
  s.SPR = two ? look.spr2 : look.spr;
  s.POW = look.pow;
  s.HX1 = s.HY1 = look.boxLo;
  s.HX2 = look.boxHi != 0 ? look.boxHi : s.W - 1;
  s.HY2 = look.boxHi != 0 ? look.boxHi : s.H - 1;
  if (look.pierce) s.PIERCE = -1;
  if (look.life != 0) s.V[5] = two ? look.life2 : look.life;
}

// Centred on the ship across, and in the middle of it along.
double CentredX(const Player &p, const PlayerShot &s) { return p.PX + 16 - s.W / 2; }
double MiddleY(const Player &p, const PlayerShot &s) { return p.PY + 16 - s.H / 2; }

void AimNormal(const Player &p, PlayerShot &s, int sub) {
  s.X = CentredX(p, s), s.Y = p.PY + 8, s.DY = -20;
  if (sub == 1 || sub == 2) {
    s.DX = sub == 1 ? -20 : 20;
    s.V[4] = 5, s.V[5] = 1;  // sideways for five frames
  }
}

void AimBlastBomb(const Player &p, PlayerShot &s, int sub) {
  if (sub == 1 || sub == 2) {
    s.X = sub == 1 ? p.PX : p.PX + 24, s.Y = p.PY + 5;
    s.DX = sub == 1 ? -15 : 15;
  } else {
    s.X = CentredX(p, s), s.Y = p.PY + 8, s.DY = -20;
  }
  s.V[5] = 1, s.V[6] = 0;
}

void AimVulcan(const Player &p, PlayerShot &s, int sub) {
  s.Y = p.PY + 10;
  if (sub == 10 || sub == 15 || sub == 17) s.X = p.PX + 5;
  else if (sub == 11 || sub == 16 || sub == 18) s.X = p.PX + 19;
  else s.X = CentredX(p, s);
  s.DY = (sub == 12 || sub == 17 || sub == 18 || sub == 1) ? 20 : -20;
}

void AimWide(const Player &p, PlayerShot &s, int sub) {
  static constexpr int kDX[7] = {0, -5, 5, -10, 10, -15, 15};
  s.X = CentredX(p, s), s.Y = p.PY + 8, s.DY = -20;
  if (sub >= 0 && sub <= 6) s.DX = kDX[sub];
}

// The flame sweeps left and right over twelve volleys.
void AimFire(Player &p, PlayerShot &s) {
  static constexpr int kSweep[12] = {0, -1, -2, -4, -2, -1, 0, 1, 2, 4, 2, 1};
  s.X = p.PX, s.Y = p.PY - 16, s.DY = -16;
  int step = static_cast<int>(p.PSTAT[kStatFireSweep]);
  if (step >= 0 && step <= 11) s.DX = kSweep[step];
  p.PSTAT[kStatFireSweep] += 1;
  if (p.PSTAT[kStatFireSweep] > 11) p.PSTAT[kStatFireSweep] = 0;
}

// Three patterns of two volleys each: spread sideways, fanned, then flat to the sides.
void AimMulti(Player &p, PlayerShot &s, int sub) {
  s.X = CentredX(p, s), s.Y = p.PY + 8, s.DY = -20;
  int side = (sub == 11 || sub == 13) ? -1 : (sub == 12 || sub == 14) ? 1 : 0;
  bool back = sub == 13 || sub == 14;
  int phase = static_cast<int>(p.PSTAT[kStatMultiPhase]);
  if (side != 0 && (phase == 0 || phase == 1)) {
    s.X += side * s.W;
    s.DY = back ? 20 : -20;
  } else if (side != 0 && (phase == 2 || phase == 3)) {
    s.DX = 15 * side, s.DY = back ? 20 : -20;
  } else if (side != 0 && (phase == 4 || phase == 5)) {
    s.DX = 20 * side, s.DY = 0;
    s.Y += back ? -8 : 8;
  }
  if (sub != 14) return;
  p.PSTAT[kStatMultiPhase] += 1;
  if (p.PSTAT[kStatMultiPhase] > 5) p.PSTAT[kStatMultiPhase] = 0;
}

void AimShadow(const Player &p, PlayerShot &s, int sub) {
  static constexpr int kSpeed[8][2] = {{0, -20}, {20, -20}, {-20, -20}, {20, 0},
                                       {-20, 0}, {20, 20},  {-20, 20},  {0, 20}};
  s.X = CentredX(p, s), s.Y = p.PY + 8;
  if (sub >= 0 && sub <= 7) s.DX = kSpeed[sub][0], s.DY = kSpeed[sub][1];
}

void AimThunderBall(const Player &p, PlayerShot &s) {
  s.X = CentredX(p, s), s.Y = p.PY;
  s.V[9] = 1;  // its hits count as a bomb's
  s.T1 = kTablePi / 2;
  s.T2 = 30 * kTablePi / 180;
}

void Aim(Player &p, PlayerShot &s, int kind, int sub) {
  switch (kind) {
    case 1: AimNormal(p, s, sub); break;
    case 2:  // the beams start on the ship and grow from there
      s.X = CentredX(p, s), s.Y = MiddleY(p, s);
      s.V[5] = sub;
      break;
    case 3: AimBlastBomb(p, s, sub); break;
    case 4: AimVulcan(p, s, sub); break;
    case 5: AimWide(p, s, sub); break;
    case 6: AimFire(p, s); break;
    case 7: AimMulti(p, s, sub); break;
    case 8: AimShadow(p, s, sub); break;
    default: AimThunderBall(p, s); break;
  }
}

}  // namespace

void FirePlayerShot(Game &g, int kind, int sub) {
  const ShotLook *look = FindLook(kind, sub);
  int n = FindFreePlayerShot(g);
  if (look == nullptr || n < 0) return;
  Player &p = g.player;
  PlayerShot &s = p.PSHOT[static_cast<std::size_t>(n)];
  s.FLAG = 1;
  s.V.fill(0);
  s.AGE = 0;
  s.KIND = kind;
  s.PIERCE = 0;
  s.DX = s.DY = 0;
  ApplyLook(s, *look, ActiveLevel(p));
  Aim(p, s, kind, sub);
}

}  // namespace qel
