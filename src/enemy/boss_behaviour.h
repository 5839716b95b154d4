// The bosses, their escorts and parts, and the dying sequence of a boss.
#pragma once

#include "enemy/blocks.h"

namespace qel {

// The behaviours of the timed bosses 100..103 and the dying modes 300..302, of the stage
// bosses 150..160, of the escorts 105..110 and of the parts 200..211; nullptr for another mode.
Behaviour TimedBossBehaviour(int mode);
Behaviour StageBossBehaviour(int mode);
Behaviour EscortBehaviour(int mode);
Behaviour PartBehaviour(int mode);

// Moves along an ellipse with half-axes a and b by adding the difference of two of its points
// (phase VAL(1), step as given); DX and DY are the move.
void EllipseStep(Enemy &e, double a, double b, double step);
// The horizontal half of the same, with sin: DX is the move.
void SwayStep(Enemy &e, double a, double step);

}  // namespace qel
