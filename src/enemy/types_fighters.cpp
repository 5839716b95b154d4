// The behaviour of the small fighters, types 1..21.
#include <cmath>

#include "enemy/blocks.h"
#include "enemy/types.h"
#include "game.h"
#include "platform/random.h"
#include "platform/sound.h"

namespace qel {

namespace {

Enemy &Slot(Game &g, int i) { return g.enemies.ENEMY[i]; }

void HeadFor(Enemy &e, double degrees, double speed) {
  e.DX = speed * std::cos(degrees * kBehaviourRadians);
  e.DY = speed * std::sin(degrees * kBehaviourRadians);
}

}  // namespace

namespace behave {

// Descends in its lane and shoots only while it is still above the ship.
void Type1(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (StartDelay(e)) return;
  e.Y += e.DY;
  if (ShotTimer(e, e.Y < g.player.PY)) Fire(g, i, 6, 0);
  Leave(e);
}

// Rises from below; every shot has a new speed.
void Type2(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (StartDelay(e)) return;
  e.Y += e.DY;
  if (ShotTimer(e)) {
    e.CNT[kShotSpeed] = RandomRange(g, 5, 10);
    Fire(g, i, 6, 0);
  }
  Leave(e);
}

void Type3(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (StartDelay(e)) return;
  Weave(e, 30);
  e.X += 2 * e.DX;
  e.Y += e.DY;
  if (ShotTimer(e)) Fire(g, i, 20, 0, kSoundNeedle);
  AnimateTwoFrames(g, e);
  if (e.Y > 480) e.FLAG = 0;
}

// Zig-zags down to y 300 and back up.
void Type4(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (StartDelay(e)) return;
  e.X += e.CNT[5] * e.DX;
  e.Y += e.CNT[6] * e.DY;
  Bounce(e, 0, 448);
  if (e.Y > 300 && e.DY > 0) e.DY = -e.DY;
  if (ShotTimer(e)) Fire(g, i, 20, 0, kSoundNeedle);
  AnimateTwoFrames(g, e);
  if (e.Y < -32 && e.DY < 0) e.FLAG = 0;
}

// The homing mine bursts when its steering time is over or when it is close to the ship.
void Type5(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (e.CNT[7] > 0) {
    Steer(g, e, e.CNT[5], e.CNT[6]);
    --e.CNT[7];
  }
  e.X += e.DX;
  e.Y += e.DY;
  const Player &p = g.player;
  bool close = std::fabs((e.X + 16) - (p.PX + 16)) < 30 && std::fabs((e.Y + 16) - (p.PY + 16)) < 30;
  if (e.CNT[7] < 1 || close) Burst(g, i);
}

// Rises at a side edge, turns at the top band and crosses the field downwards.
void Type6(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (StartDelay(e)) return;
  e.X += e.DX;
  e.Y += e.DY;
  bool shot = ShotTimer(e);
  if (e.Y < 64 && e.DY < 0) e.DY = -e.DY, e.DX = e.CNT[3] * 10;
  AnimateTwoFrames(g, e);
  if (shot) Fire(g, i, 6, 0);
  Leave(e);
}

// Dives in diagonally and turns back upwards at y 350.
void Type7(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (StartDelay(e)) return;
  e.X += e.DX;
  e.Y += e.DY;
  bool shot = ShotTimer(e);
  if (e.Y > 350 && e.DY > 0) e.DY = -e.DY, e.DX = 0;
  AnimateTwoFrames(g, e);
  if (shot) Fire(g, i, 6, 0);
  Leave(e);
}

// Types 8 and 9 wobble along until level with the ship, then dash sideways at it.
void Dasher(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (StartDelay(e)) return;
  e.X += e.CNT[5] * e.DX;
  e.Y += e.DY;
  CountShotTimer(e);
  const Player &p = g.player;
  if (e.DY != 0) {
    Bounce(e, 0, 448);
    if (std::fabs((e.Y + 16) - (p.PY + 16)) < 15) {
      e.CNT[5] = 10 - g.enemies.RANK;
      e.DY = 0;
      e.DX = p.PX + 16 >= e.X + 16 ? 1 : -1;
      e.FRAME = e.DX > 0 ? 1 : 2;
    }
  }
  if (TakeShot(e, e.DY != 0)) Fire(g, i, 6, 0);
  if (e.DY == 0) Leave(e);
}

// Types 10..13 blink into view on their cell, then dash straight at the ship. They never fire.
void WarpIn(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (e.CNT[kStartDelay] > 0) {
    --e.CNT[kStartDelay];
    return;
  }
  if (e.CNT[kPhase] == 0) {
    ++e.CNT[2];
    if (e.CNT[2] == 1) PlaySound(g, kSoundWarp);
    if (e.CNT[2] % 2 == 0) e.ROW = 1 - e.ROW;
    if (e.CNT[3] < e.CNT[2]) {
      e.CNT[2] = 0, e.NOHIT = 0, e.NORAM = 0, e.ROW = 0;
      HeadFor(e, Aim(g, e), e.CNT[5]);
      e.CNT[kPhase] = 1;
    }
  } else if (e.CNT[kPhase] == 1) {
    e.X += e.DX;
    e.Y += e.DY;
    AnimateTwoFrames(g, e);
    Leave(e);
  }
}

// Descends slowly, then swerves down towards the ship and stops firing.
void Type14(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (StartDelay(e)) return;
  e.X += e.DX;
  e.Y += e.DY;
  if (e.CNT[kPhase] == 0 && e.Y > 32) {
    e.CNT[kPhase] = 1, e.FRAME = 1, e.DY = e.CNT[5];
    e.DX = e.CNT[5] * std::cos(Aim(g, e) * kBehaviourRadians);
  }
  if (ShotTimer(e, e.CNT[kPhase] == 0)) Fire(g, i, 6, 0);
  Leave(e);
}

// Crosses a band until it is above or below the ship, then turns to fly at it vertically.
void Type15(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (StartDelay(e)) return;
  e.X += e.DX;
  e.Y += e.DY;
  if (e.CNT[kPhase] == 0) {
    if (std::fabs((e.X + 16) - (g.player.PX + 16)) < 15) {
      e.DY = e.ROW == 1 ? -e.CNT[5] : e.CNT[5];
      e.DX = 0, e.FRAME = 1, e.CNT[kPhase] = 1;
    }
    if (e.CNT[kPhase] == 0 && ShotTimer(e)) Fire(g, i, 6, 0);
  }
  Leave(e);
}

// Dives and, past y 200, may veer to one side.
void Type16(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (StartDelay(e)) return;
  e.X += e.CNT[5] * e.DX;
  e.Y += e.DY;
  if (e.Y > 200 && e.CNT[kPhase] == 0) {
    e.CNT[kPhase] = 1;
    int r = RandomRange(g, 0, 2);
    if (r == 1) e.DX = 1;
    if (r == 2) e.DX = -1;
  }
  if (ShotTimer(e, e.CNT[kPhase] == 0 && e.Y < 400)) Fire(g, i, 6, 0);
  AnimateTwoFrames(g, e);
  Leave(e);
}

// Waits above the field, then flies straight at where the ship was when it set off.
void Type17(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (e.CNT[kStartDelay] > 0) {
    if (--e.CNT[kStartDelay] < 1) {
      e.CNT[kStartDelay] = 0, e.NOHIT = 0;
      HeadFor(e, Aim(g, e), e.CNT[5]);
    }
    return;
  }
  e.X += e.DX;
  e.Y += e.DY;
  if (ShotTimer(e, e.CNT[kPhase] == 0 && e.Y < 400 && g.enemies.RANK != 2)) Fire(g, i, 6, 0);
  AnimateTwoFrames(g, e);
  Leave(e);
}

// Dives to its depth, then pulls back, firing only while it retreats.
void Type18(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (StartDelay(e)) return;
  e.X += e.DX;
  e.Y += e.CNT[5] * e.DY;
  if (e.Y > e.CNT[6] && e.DY > 0) e.DY = -1, e.CNT[5] = 15;
  if (e.DY < 0 && ShotTimer(e, e.CNT[kPhase] == 0)) Fire(g, i, 6, 1);
  Leave(e);
}

// Dives to its depth, fires a ring of twelve and pulls back.
void Type19(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (StartDelay(e)) return;
  e.X += e.DX;
  e.Y += e.CNT[5] * e.DY;
  if (e.Y > e.CNT[6] && e.DY > 0) {
    e.DY = -1, e.CNT[5] = 15;
    for (int mode = 1; mode <= 12; ++mode) Fire(g, i, mode, 0);
  }
  Leave(e);
}

// Drops to the middle of the field, hovers there firing bursts, then climbs out fast.
void Type20(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (e.CNT[kPhase] == 0) {
    e.Y += e.DY;
    if (e.Y > 224) e.Y = 224, e.DY = 0, e.CNT[kPhase] = 1;
  } else if (e.CNT[kPhase] == 1) {
    if (ShotTimer(e)) {
      Fire(g, i, 6, 0);
      if (++e.CNT[3] > 12) e.CNT[3] = 1, --e.CNT[4];
    }
    if (e.CNT[3] == 7 && e.CNT[4] < 1) e.CNT[kPhase] = 2, e.DY = -20;
  } else {
    e.Y += e.DY;
    Leave(e);
  }
}

// Steps down one row at each wall, and drops on the ship once it is below y 100 and above it.
void Type21(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (StartDelay(e)) return;
  if (e.CNT[kPhase] == 0) {
    e.X += e.CNT[5] * e.DX;
    if ((e.X < 0 && e.DX < 0) || (e.X > 446 && e.DX > 0)) e.DX = -e.DX, e.Y += 16;
    if (e.Y > 100 && std::fabs((e.X + 16) - (g.player.PX + 16)) < 16) e.DX = 0, e.DY = 1, e.CNT[kPhase] = 1;
    if (ShotTimer(e)) Fire(g, i, 20, 0, kSoundNeedle);
  } else {
    e.Y += e.CNT[6] * e.DY;
    Leave(e);
  }
}

}  // namespace behave

}  // namespace qel
