// The hit boxes over the picture (--hitboxes): the ship's, the enemies', the enemy bullets' and
// the player's shots', each a one-pixel outline in a colour of its own, drawn on the way to the
// screen. The game never sees them: its state and its own surfaces stay as they are.
#pragma once

#include <cstdint>

#include "host/host_decorator.h"
#include "platform/hit_box.h"
#include "platform/surface.h"

namespace qel {

namespace hitbox_colour {
constexpr Pixel kShip = 0x0000FF00;    // bright green
constexpr Pixel kEnemy = 0x00FF0000;   // red
constexpr Pixel kBullet = 0x00FF00FF;  // magenta: enemy bullets (many are yellow or orange)
constexpr Pixel kShot = 0x0000FFFF;    // cyan: the player's shots
}  // namespace hitbox_colour

// Outlines the pixels a box covers (see HitBox): its first and last column and row. A
// fractional edge takes in the pixel it cuts, so that the areas of two outlines overlap exactly
// when their boxes touch, as long as one of them has whole edges (as the enemies' and the
// ship's have). Whatever lies outside s is left out; a box that covers nothing draws nothing.
void DrawHitBoxOutline(Surface &s, const HitBox &box, Pixel colour);

// Every box the collision tests use at this moment: the shots, then the enemies and the
// bullets, and the ship on top while it is in play.
void DrawHitBoxes(const Game &g, Surface &s);

// Draws the boxes on its own copy of each picture of play it passes on. A picture counts as
// play when the scene is play and the scene's handler has run through in the pass in progress:
// the frame counter has moved since the pass began. Modal passes (a wipe's steps, the shop)
// never move it, and the first step of a wipe comes from inside the handler, so those, like the
// menus, show as they are. It has to sit where the game's passes reach it (a replay's host
// keeps them to itself).
class HitboxView : public HostDecorator {
 public:
  explicit HitboxView(Host &inner);

  void BeginPass(std::uint64_t pass, PassKind kind) override;
  void Present(const Surface &mscreen) override;

 private:
  bool ShowsPlay() const;

  Surface picture_;
  int frameAtPassStart_ = 0;  // FRAMECNT when the pass in progress began
};

}  // namespace qel
