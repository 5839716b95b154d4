// Making enemy bullets: the look of each mode and style, and where and how fast it starts.
#include <cmath>

#include "enemy/enemy.h"
#include "game.h"
#include "platform/angles.h"
#include "platform/random.h"

namespace qel {

namespace {

struct BulletLook {
  int sheet, w, h, dmg, persist, hx1, hy1;
};

// Modes 1..13 take their look from the style.
constexpr int kFusedStyle = 4;
constexpr BulletLook kStyleLooks[6] = {
    {2, 10, 10, 3, 0, 2, 2},    // small
    {26, 16, 16, 3, 0, 2, 2},   // medium
    {27, 24, 24, 3, -1, 3, 3},  // large, stays after hitting
    {28, 48, 48, 3, -1, 6, 6},  // huge
    {29, 10, 10, 0, 0, 0, 0},   // fused: harmless until it becomes a blast
    {14, 48, 15, 3, -1, 5, 2},  // wide
};

struct ModeLook {
  int first, last;
  BulletLook look;
};

constexpr ModeLook kModeLooks[] = {
    {14, 15, {17, 48, 48, 1, -1, 10, 10}},                                      // mines
    {16, 17, {33, 25, 25, 5, 0, 5, 5}},                                         // bouncing balls
    {18, 18, {31, 50, 25, 3, -1, 5, 5}},                                        // wide flat shot
    {19, 19, {14, 64, 20, 3, -1, 5, 5}},   {20, 21, {21, 5, 32, 2, -1, 0, 0}},  // vertical needles
    {22, 24, {22, 32, 5, 2, -1, 0, 0}},                                         // horizontal needles
    {25, 26, {23, 5, 32, 3, -1, 0, 0}},   // zig-zag laser, starting vertically
    {27, 28, {24, 32, 5, 3, -1, 0, 0}},   // zig-zag laser, starting horizontally
    {30, 31, {20, 5, 64, 3, -1, 0, 0}},   // long vertical beams
    {32, 34, {32, 64, 5, 3, -1, 0, 0}},   // long horizontal beams
    {50, 50, {30, 32, 32, 2, -1, 5, 5}},  // blast
    {55, 55, {35, 64, 3, 3, -1, 5, 1}},   // wide growing beam
    {56, 56, {34, 16, 3, 3, -1, 3, 1}},   // narrow growing beam
};

// A mode or style without a look makes no bullet at all.
const BulletLook *LookFor(int mode, int style) {
  if (mode >= 1 && mode <= 13) return style >= 0 && style <= 5 ? &kStyleLooks[style] : nullptr;
  if (mode == 17 && (style < 0 || style > 3)) return nullptr;
  for (const ModeLook &m : kModeLooks)
    if (mode >= m.first && mode <= m.last) return &m.look;
  return nullptr;
}

// Bounded explicitly: bullets live only in the first 30 slots.
int FindFreeShot(const Game &g) {
  for (int k = 0; k < kEnemyShotsMade; ++k)
    if (g.enemies.ESHOT[k].FLAG == 0) return k;
  return -1;
}

void SetUp(EnemyShot &b, int mode, const BulletLook &l) {
  b.FLAG = 1;
  b.X = b.Y = 0;
  b.DX = b.DY = 0;
  b.SYOFF = 0;
  b.MODE = mode;
  b.FRAME = 0;
  b.NOHIT = 0;
  b.ROW = 0;
  b.ERASE = -1;
  b.CNT.fill(0);
  b.SHEET = l.sheet, b.W = l.w, b.H = l.h, b.DMG = l.dmg, b.PERSIST = l.persist;
  b.HX1 = l.hx1, b.HY1 = l.hy1, b.HX2 = l.w - l.hx1 - 1, b.HY2 = l.h - l.hy1 - 1;
}

void Centre(EnemyShot &b, const Enemy &e) {
  b.X = e.X + e.W / 2 - b.W / 2;
  b.Y = e.Y + e.H / 2 - b.H / 2;
}

double WrapOnce(double a) {
  if (a < -180) return a + 360;
  if (a > 180) return a - 360;
  return a;
}

void Head(EnemyShot &b, double speed) {
  b.DX = speed * CosDegrees(b.ANG);
  b.DY = speed * SinDegrees(b.ANG);
}

// Modes 1..12 fly at the ship, turned by (mode - 6) x 30 degrees, so that several modes in a
// row make a fan; the ship is aimed at a little above its centre. Mode 13 is thrown debris.
void FireAimed(Game &g, EnemyShot &b, const Enemy &e, int mode, int style) {
  if (style == kFusedStyle) b.NOHIT = -1, b.CNT[5] = 10;
  Centre(b, e);
  // These fire from their lower edge.
  if (e.MODE == 152) b.Y = e.Y + e.H - 15;
  if (e.MODE == 150 || e.MODE == 203) b.Y = e.Y + e.H - 30;
  if (mode == 13) {
    b.DX = RandomRange(g, -10, 10), b.DY = RandomRange(g, -20, -5);
    return;
  }
  const Player &p = g.player;
  double aim = e.CNT[kShotDown] == 1 ? 90 : AngleTo(b.X + b.W / 2, b.Y + b.H / 2, p.PX + 16, p.PY + 10);
  b.ANG = WrapOnce(aim + (mode - 6) * 30);
  Head(b, e.CNT[kShotSpeed]);
}

void FireMine(Game &g, EnemyShot &b, const Enemy &e, int mode) {
  b.ERASE = 0;
  if (mode == 14) b.ROW = 1;
  Centre(b, e);
  b.CNT[5] = RandomRange(g, 15, 25);
  b.NOHIT = -1;
  b.ANG = WrapOnce(AngleTo(e.X + e.W / 2, e.Y + e.H / 2, g.player.PX + 16, g.player.PY + 16));
  Head(b, b.CNT[5]);
  b.CNT[1] = RandomRange(g, 5, 15);
  b.CNT[2] = RandomRange(g, 30, 60);
}

void FireBouncer(Game &g, EnemyShot &b, const Enemy &e, int mode, int style) {
  Centre(b, e);
  if (mode == 16) {
    b.DX = g.player.PX + 16 < b.X + 12 ? -1 : 1;
    b.DY = g.player.PY + 16 < b.Y + 12 ? -1 : 1;
    b.CNT[5] = RandomRange(g, 5, 10), b.CNT[6] = RandomRange(g, 2, 5);
    return;
  }
  b.DX = style % 2 == 0 ? -1 : 1;
  b.DY = style < 2 ? -1 : 1;
  b.CNT[5] = e.CNT[5], b.CNT[6] = e.CNT[6];
  b.CNT[2] = 4;
}

// Where a vertical needle or beam starts across and along its enemy, by style.
void PlaceVertical(Game &g, EnemyShot &b, const Enemy &e, int style, bool beam) {
  Centre(b, e);
  b.Y = e.Y;
  double bottom = e.Y + e.H - e.CNT[kShotSpeed];
  if (style == 1) b.X = e.X;
  if (style == 2) b.X = e.X + e.W - b.W;
  if (style == 5) b.X = e.X + RandomRange(g, 0, e.W - b.W), b.Y = bottom;
  if (style == (beam ? 3 : 7)) b.Y = bottom;
}

void FireVertical(Game &g, EnemyShot &b, const Enemy &e, int mode, int style) {
  PlaceVertical(g, b, e, style, mode >= 30);
  b.DX = 0;
  b.DY = (mode == 20 || mode == 30) ? e.CNT[kShotSpeed] : -e.CNT[kShotSpeed];
}

void FireHorizontal(EnemyShot &b, const Enemy &e, int mode) {
  Centre(b, e);
  b.DY = 0;
  b.DX = (mode == 22 || mode == 32) ? -e.CNT[kShotSpeed] : e.CNT[kShotSpeed];
}

void FireWideShot(EnemyShot &b, const Enemy &e) {
  Centre(b, e);
  b.Y = e.Y + e.H - e.CNT[kShotSpeed];
  b.DX = 0;
  b.DY = e.CNT[kShotSpeed];
}

// The zig-zag laser: CNT(1) turns left, CNT(2) and CNT(3) its speed, CNT(0) its phase.
void FireZigzag(Game &g, EnemyShot &b, const Enemy &e, int mode, int style) {
  b.CNT[1] = e.CNT[kZigzagTurns];
  b.CNT[2] = b.CNT[3] = e.CNT[kShotSpeed];
  Centre(b, e);
  if (mode >= 27) {
    // It starts as a corner, so its first update turns it into a segment aimed at the ship.
    b.CNT[0] = 2;
    b.DY = 0;
    b.DX = mode == 27 ? -b.CNT[3] : b.CNT[3];
    return;
  }
  b.Y = e.Y;
  if (style == 11) b.Y += 40;
  if (style == 10) b.Y = e.Y + e.H - e.CNT[kShotSpeed];
  b.DX = 0;
  b.DY = mode == 25 ? b.CNT[2] : -b.CNT[2];
  if (style == 11) b.DY = g.player.PY + 16 > b.Y + 16 ? b.CNT[2] : -b.CNT[2];
}

void FireBlast(EnemyShot &b, const Enemy &e) {
  b.FRAME = 2;
  b.CNT[5] = 0;
  b.X = e.X, b.Y = e.Y;
}

// A growing beam starts 3 pixels long under its enemy and shows the tip of its picture.
void FireGrowingBeam(EnemyShot &b, const Enemy &e) {
  b.SYOFF = 150;
  b.ERASE = 0;
  Centre(b, e);
  b.Y = e.Y + e.H;
  b.DX = 0;
  b.DY = e.CNT[kShotSpeed];
}

void Place(Game &g, EnemyShot &b, const Enemy &e, int mode, int style) {
  if (mode <= 13) return FireAimed(g, b, e, mode, style);
  if (mode <= 15) return FireMine(g, b, e, mode);
  if (mode <= 17) return FireBouncer(g, b, e, mode, style);
  if (mode <= 19) return FireWideShot(b, e);
  if (mode <= 21 || mode == 30 || mode == 31) return FireVertical(g, b, e, mode, style);
  if (mode <= 24 || (mode >= 32 && mode <= 34)) return FireHorizontal(b, e, mode);
  if (mode <= 28) return FireZigzag(g, b, e, mode, style);
  if (mode == 50) return FireBlast(b, e);
  FireGrowingBeam(b, e);
}

}  // namespace

void FireEnemyShot(Game &g, int source, int mode, int style) {
  if (source < 0 || source >= kEnemySlots) return;
  const BulletLook *look = LookFor(mode, style);
  int k = look ? FindFreeShot(g) : -1;
  if (k < 0) return;
  EnemyShot &b = g.enemies.ESHOT[k];
  SetUp(b, mode, *look);
  Place(g, b, g.enemies.ENEMY[source], mode, style);
}

}  // namespace qel
