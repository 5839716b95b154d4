// The behaviour of the ground vehicles, gunships, rocks, turrets and missiles, types 22..60.
#include <cmath>

#include "enemy/blocks.h"
#include "enemy/types.h"
#include "game.h"
#include "platform/random.h"
#include "platform/sound.h"

namespace qel {

namespace {

Enemy &Slot(Game &g, int i) { return g.enemies.ENEMY[i]; }

void Advance(Enemy &e) { e.X += e.DX, e.Y += e.DY; }

// Rides the ground layer: the layer's speed applies from the next frame.
void RideGround(Game &g, Enemy &e) {
  e.Y += e.DY;
  e.DY = g.stage.LSPEED[kNear];
}

// The needle pair of types 31 and 32, one from each side.
void FireNeedlePair(Game &g, int i) {
  PlaySound(g, kSoundNeedle);
  Fire(g, i, 20, 1);
  Fire(g, i, 20, 2);
}

// The wide shot of types 35 and 36, only while they are above y 400.
void FireWideShot(Game &g, int i) {
  if (ShotTimer(Slot(g, i), Slot(g, i).Y < 400)) Fire(g, i, 18, 0, kSoundCannon);
}

// The turret's barrel follows the ship in eight directions. Aims between -30 and 0 degrees
// keep the frame they had: the sheet has no barrel pointing right and up, as always.
int TurretFrame(double a, int frame) {
  struct Sector {
    double from, to;
    int frame;
  };
  static constexpr Sector kSectors[] = {{0, 30, 6},    {30, 60, 7},   {60, 120, 0},   {120, 150, 1},
                                        {150, 180, 2}, {-60, -30, 5}, {-120, -60, 4}, {-180, -120, 3}};
  for (const Sector &s : kSectors)
    if (a >= s.from && a < s.to) return s.frame;
  return frame;
}

}  // namespace

namespace behave {

// Types 22..25: ground vehicles driving up or down their column.
void ColumnVehicle(Game &g, int i) {
  Enemy &e = Slot(g, i);
  e.Y += e.DY;
  bool shot = ShotTimer(e);
  AnimateTwoFrames(g, e);
  if (shot) Fire(g, i, 6, 0);
  Leave(e);
}

// Crosses its band; the way it faces decides whether its needles go up or down.
void Type26(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (StartDelay(e)) return;
  e.X += e.DX;
  if (ShotTimer(e)) Fire(g, i, e.FRAME != 0 ? 21 : 20, 0, kSoundNeedle);
  Leave(e);
}

// Climbs in from a side and dives once it is above the ship or near the top.
void Type27(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (StartDelay(e)) return;
  Advance(e);
  if (e.DX != 0 && (std::fabs((e.X + 16) - (g.player.PX + 16)) < 16 || e.Y < 32))
    e.DX = 0, e.DY = e.CNT[5], e.FRAME = 1;
  if (ShotTimer(e, e.DX != 0)) Fire(g, i, 6, 0);
  Leave(e);
}

// Sweeps in from a top corner, drops down the middle and swings out to the opposite side.
void Type28(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (StartDelay(e)) return;
  Advance(e);
  bool shot = ShotTimer(e);
  if (e.CNT[kPhase] == 0) {
    if ((e.X > 160 && e.DX > 0) || (e.X < 288 && e.DX < 0)) e.DX = 0, e.DY = 10, e.CNT[kPhase] = 1;
  } else if (e.CNT[kPhase] == 1) {
    if (e.Y > 250) e.DX = e.CNT[6] != 0 ? -10 : 10, e.DY = 5, e.CNT[kPhase] = 2;
  }
  if (shot) Fire(g, i, 20, 0, kSoundNeedle);
  Leave(e);
}

void Type29(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (StartDelay(e)) return;
  Advance(e);
  if (ShotTimer(e)) Fire(g, i, 20, 0, kSoundNeedle);
  Leave(e);
}

// The barrier ship.
void Type30(Game &g, int i) {
  Enemy &e = Slot(g, i);
  e.Y += e.DY;
  if (ShotTimer(e, e.Y < 400)) Fire(g, i, 6, 1);
  Leave(e);
}

void Type31(Game &g, int i) {
  Enemy &e = Slot(g, i);
  Advance(e);
  if (ShotTimer(e)) FireNeedlePair(g, i);
  AnimateTwoFrames(g, e);
  Leave(e);
}

// Drops in fast, creeps down firing needle pairs for 60 frames, then speeds away.
void Type32(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (e.CNT[kPhase] == 0) {
    e.Y += e.DY;
    if (e.Y > 32) e.Y = 32, e.DY = 2, e.CNT[kPhase] = 1;
  } else if (e.CNT[kPhase] == 1) {
    e.Y += e.DY;
    ++e.CNT[3];
    if (ShotTimer(e)) FireNeedlePair(g, i);
    if (e.CNT[3] > 60) e.DY = 2, e.CNT[3] = 0, e.CNT[kPhase] = 2;
  } else {
    e.Y += e.DY;
    if (e.DY < 20) ++e.DY;
    Leave(e);
  }
  // Kept on the millisecond clock as it always was, so its flicker is irregular.
  if (g.shell.FRAMESTART % 2 == 0) e.FRAME = 1 - e.FRAME;
}

void Type33(Game &g, int i) {
  Enemy &e = Slot(g, i);
  e.Y += e.DY;
  if (ShotTimer(e, e.Y < 400)) Fire(g, i, RandomRange(g, 5, 7), 1);
  AnimateTwoFrames(g, e);
  Leave(e);
}

// Brakes by one every third frame until it climbs back out, throwing debris.
void Type34(Game &g, int i) {
  Enemy &e = Slot(g, i);
  e.Y += e.DY;
  bool shot = ShotTimer(e);
  if (++e.CNT[3] > 2) e.CNT[3] = 0, --e.DY;
  if (shot) Fire(g, i, 13, 1);
  AnimateTwoFrames(g, e);
  Leave(e);
}

void Type35(Game &g, int i) {
  Enemy &e = Slot(g, i);
  e.Y += e.DY;
  FireWideShot(g, i);
  AnimateTwoFrames(g, e);
  Leave(e);
}

void Type36(Game &g, int i) {
  Enemy &e = Slot(g, i);
  Weave(e, 200);
  Advance(e);
  FireWideShot(g, i);
  AnimateTwoFrames(g, e);
  Leave(e);
}

// Types 37 and 38 cross the field throwing bouncing balls.
void Crosser(Game &g, int i) {
  Enemy &e = Slot(g, i);
  Advance(e);
  if (ShotTimer(e)) Fire(g, i, 16, 0, kSoundBossFire);
  AnimateTwoFrames(g, e);
  Leave(e);
}

// Types 40..42: tumbling rocks bouncing between the side walls.
void Rock(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (StartDelay(e)) return;
  Advance(e);
  Bounce(e, 0, 432);
  AnimateFourFrames(g, e);
  Leave(e);
}

void Type50(Game &g, int i) {
  Enemy &e = Slot(g, i);
  RideGround(g, e);
  if (ShotTimer(e)) Fire(g, i, 6, 0);
  e.FRAME = TurretFrame(Aim(g, e), e.FRAME);
  if (e.Y > 480) e.FLAG = 0;
}

// The ground cannon fires needles in the four straight directions.
void Type51(Game &g, int i) {
  Enemy &e = Slot(g, i);
  RideGround(g, e);
  if (ShotTimer(e)) {
    PlaySound(g, kSoundNeedle);
    for (int mode = 20; mode <= 23; ++mode) Fire(g, i, mode, 0);
  }
  AnimateTwoFrames(g, e);
  if (e.Y > 480) e.FLAG = 0;
}

// Types 52..54 drive along the ground.
void GroundVehicle(Game &g, int i) {
  Enemy &e = Slot(g, i);
  RideGround(g, e);
  e.X += e.DX;
  if (ShotTimer(e)) Fire(g, i, 6, 0);
  AnimateTwoFrames(g, e);
  Leave(e);
}

// Types 55 and 56, launched by a boss part.
void LaunchedVehicle(Game &g, int i) {
  Enemy &e = Slot(g, i);
  e.Y += e.DY;
  if (ShotTimer(e)) Fire(g, i, 6, 0);
  AnimateTwoFrames(g, e);
  Leave(e);
}

// The homing missile steers for a while; then it bursts on HARD and flies on straight otherwise.
void Type60(Game &g, int i) {
  Enemy &e = Slot(g, i);
  if (e.CNT[7] > 0) {
    Steer(g, e, e.CNT[5], e.CNT[6]);
    --e.CNT[7];
  } else {
    if (g.settings.DIFF == 0) Burst(g, i);
    Leave(e);
  }
  Advance(e);
  AnimateTwoFrames(g, e);
}

}  // namespace behave

}  // namespace qel
