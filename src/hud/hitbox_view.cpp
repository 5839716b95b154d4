#include "hud/hitbox_view.h"

#include <algorithm>
#include <cmath>

#include "game.h"

namespace qel {

namespace {

// Far enough out that nothing on the picture changes, near enough for an int.
constexpr double kFar = 1e6;

int Floor(double edge) { return static_cast<int>(std::floor(std::clamp(edge, -kFar, kFar))); }
int Ceil(double edge) { return static_cast<int>(std::ceil(std::clamp(edge, -kFar, kFar))); }

void Row(Surface &s, int y, int x1, int x2, Pixel colour) {
  if (y < 0 || y >= s.h) return;
  x1 = std::max(x1, 0), x2 = std::min(x2, s.w - 1);
  if (x1 <= x2) std::fill(s.row(y) + x1, s.row(y) + x2 + 1, colour);
}

void Column(Surface &s, int x, int y1, int y2, Pixel colour) {
  if (x < 0 || x >= s.w) return;
  y1 = std::max(y1, 0), y2 = std::min(y2, s.h - 1);
  for (int y = y1; y <= y2; ++y) s.row(y)[x] = colour;
}

}  // namespace

void DrawHitBoxOutline(Surface &s, const HitBox &box, Pixel colour) {
  // Written so that NaN edges, like empty boxes, touch nothing.
  if (!(box.right > box.left && box.bottom > box.top)) return;
  int x1 = Floor(box.left), y1 = Floor(box.top), x2 = Ceil(box.right) - 1, y2 = Ceil(box.bottom) - 1;
  Row(s, y1, x1, x2, colour);
  Row(s, y2, x1, x2, colour);
  Column(s, x1, y1, y2, colour);
  Column(s, x2, y1, y2, colour);
}

// Each table is read under the same conditions as its collision test reads it.
void DrawHitBoxes(const Game &g, Surface &s) {
  s.Touch();
  for (const PlayerShot &shot : g.player.PSHOT)
    if (shot.FLAG == 1) DrawHitBoxOutline(s, PlayerShotHitBox(shot), hitbox_colour::kShot);
  const Enemies &en = g.enemies;
  for (int j = 0; j <= std::min(en.ENMAX, kEnemySlots - 1); ++j) {
    const Enemy &e = en.ENEMY[static_cast<std::size_t>(j)];
    if (e.FLAG != 0 && e.NOHIT == 0) DrawHitBoxOutline(s, EnemyHitBox(e), hitbox_colour::kEnemy);
  }
  for (const EnemyShot &b : en.ESHOT)
    if (b.FLAG > 0 && b.NOHIT == 0) DrawHitBoxOutline(s, EnemyShotHitBox(b), hitbox_colour::kBullet);
  if (g.player.PSTATE == kShipPlay) DrawHitBoxOutline(s, ShipHitBox(g.player), hitbox_colour::kShip);
}

HitboxView::HitboxView(Host &inner) : HostDecorator(inner), picture_(480, 480, 0) {}

void HitboxView::BeginPass(std::uint64_t pass, PassKind kind) {
  HostDecorator::BeginPass(pass, kind);
  frameAtPassStart_ = game_ != nullptr ? game_->shell.FRAMECNT : 0;
}

bool HitboxView::ShowsPlay() const {
  return game_ != nullptr && game_->shell.SCENE == kScenePlay && game_->shell.FRAMECNT != frameAtPassStart_;
}

void HitboxView::Present(const Surface &mscreen) {
  if (!ShowsPlay()) {
    inner_.Present(mscreen);
    return;
  }
  // The same size every time, so the copy reuses the pixels it already has.
  picture_.w = mscreen.w, picture_.h = mscreen.h;
  picture_.px.assign(mscreen.px.begin(), mscreen.px.end());
  DrawHitBoxes(*game_, picture_);
  inner_.Present(picture_);
}

}  // namespace qel
