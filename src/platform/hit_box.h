// The boxes the collision tests compare, in play-field pixels.
#pragma once

namespace qel {

// Two boxes touch when each one's left edge lies left of the other's right edge and each one's
// top above the other's bottom, all strictly: boxes that only meet along an edge do not touch.
// With whole-number edges a box so covers the pixels from left to right - 1 and from top to
// bottom - 1.
struct HitBox {
  double left = 0, top = 0, right = 0, bottom = 0;
};

}  // namespace qel
