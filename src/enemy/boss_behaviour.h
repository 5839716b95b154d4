// What the behaviours of the bosses share: their curves.
#pragma once

#include "enemy/blocks.h"

namespace qel {

// Moves along an ellipse with half-axes a and b by adding the difference of two of its points
// (phase VAL(kCurvePhase), step as given); DX and DY are the move.
void EllipseStep(Enemy &e, double a, double b, double step);
// The horizontal half of the same, with sin: DX is the move.
void SwayStep(Enemy &e, double a, double step);

}  // namespace qel
