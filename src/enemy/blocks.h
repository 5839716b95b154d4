// The building blocks enemy behaviours are made of.
#pragma once

#include "platform/angles.h"
#include "platform/sound.h"

namespace qel {

struct Game;
struct Enemy;

// Degrees to radians, as the behaviour code has always converted them.
constexpr double kBehaviourRadians = kTablePi / 180;

// One behaviour step of enemy slot i.
using Behaviour = void (*)(Game &g, int i);
// While CNT(kStartDelay) runs down the enemy does nothing else; when it runs out the enemy
// turns solid. Returns true in every frame of the delay.
bool StartDelay(Enemy &e);
// The shot timer: CNT(kShotCount) counts up (and stops at the top of its range) and the shot is
// due when it passes CNT(kShotInterval). A shot that is not allowed waits, and comes in the
// first frame that allows it.
void CountShotTimer(Enemy &e);
bool TakeShot(Enemy &e, bool allowed = true);
bool ShotTimer(Enemy &e, bool allowed = true);

void AnimateTwoFrames(const Game &g, Enemy &e);
void AnimateFourFrames(const Game &g, Enemy &e);
// Removes the enemy when it is outside the field and moving further out.
void Leave(Enemy &e);
void Bounce(Enemy &e, double lo, double hi);
// The direction from the enemy to the ship, both taken as 32 x 32 at their corners.
double Aim(const Game &g, const Enemy &e);
// A homing turn of VAL(kHeading) by at most VAL(kTurnRate) degrees towards the ship; fx and fy
// scale the new speeds, which are whole numbers.
void Steer(Game &g, Enemy &e, double fx, double fy);
// The turn from heading to target in -179..180, rounded as a whole.
int SteerDifference(double target, double heading);
// Follows a sine curve of this amplitude across the field (VAL(kCurvePhase), VAL(kWeaveStep)).
void Weave(Enemy &e, double amplitude);

// Fires with the sound first (no sound for 0).
void Fire(Game &g, int i, int mode, int style, SoundEffect sound = kSoundNone);
// The homing enemies' end: a blast where they were.
void Burst(Game &g, int i);

}  // namespace qel
