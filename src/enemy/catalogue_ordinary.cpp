// Where the ordinary enemies 1..60 appear, how they start moving and their counters.
#include <cmath>

#include "enemy/catalogue.h"
#include "enemy/start_kit.h"
#include "enemy/types.h"
#include "game.h"
#include "platform/angles.h"
#include "platform/random.h"

namespace qel {

namespace {

bool LeftSide(int pos) { return pos % 2 == 0; }

// One of seven 64-pixel lanes across the field.
double Lane(Game &g, int pos) { return 32.0 * RR(g, 2 * pos, 2 * pos + 1); }

double AngleToShip(const Game &g, const Enemy &e) {
  return AngleTo(e.X + 16, e.Y + 16, g.player.PX + 16, g.player.PY + 16);
}

// A flight of three pairs comes in staggered: the second pair after a, the third after b.
void Stagger(Enemy &e, int pos, int a, int b) {
  int delay = (pos == 2 || pos == 3) ? a : (pos == 4 || pos == 5) ? b : 0;
  if (delay > 0) e.CNT[kStartDelay] = delay, e.NOHIT = -1;
}

// Type 36 shares the weave of type 3; the step is the speed's share of a turn in 250 pixels.
double WeaveStep(double dy) { return dy * (2 * kTablePi) / 250; }

// Homing enemies start on a random heading, and turn at a random rate.
void StartHoming(Game &g, Enemy &e, int turnLo, int turnHi) {
  e.VAL[1] = AngleToShip(g, e);
  e.VAL[kHeading] = 360 * Rnd(g);
  e.VAL[kTurnRate] = RR(g, turnLo, turnHi);
  e.DX = e.CNT[5] * CosDegrees(e.VAL[kHeading]), e.DY = e.CNT[6] * SinDegrees(e.VAL[kHeading]);
}

// Types 15 and 26 fly across a band near the top (pos 0..2) or the bottom, from a random side;
// the lower band shows its second row (15) or frame (26).
void StartBandCrosser(Game &g, Enemy &e, int pos) {
  bool lower = pos >= 3;
  e.Y = lower ? 32.0 * RR(g, 11, 13) : 32.0 * RR(g, 1, 3);
  (e.MODE == 15 ? e.ROW : e.FRAME) = lower ? 1 : 0;
  int dir = RR(g, 0, 1) == 0 ? 1 : -1;
  e.X = dir == 1 ? -32 : 480;
  e.DX = dir * RR(g, 5, 10);
}

// Rocks: some fly at the ship, the others drift sideways at random.
void LaunchRock(Game &g, Enemy &e, bool aimed) {
  if (aimed) {
    double a = AngleToShip(g, e);
    e.DX = e.CNT[5] * CosDegrees(a), e.DY = e.CNT[5] * SinDegrees(a);
    return;
  }
  e.DX = e.CNT[5], e.DY = e.CNT[6];
  if (RR(g, 0, 1) == 0) e.DX = -e.DX;
}

// Ground objects appear on the map column that scrolled in, riding the near layer.
void PlaceOnGround(Game &g, Enemy &e, int pos) {
  int speed = g.stage.LSPEED[kNear];
  e.X = 32.0 * pos, e.Y = -(speed + 32);
  e.CNT[5] = speed;
}

}  // namespace

namespace start {

void Type1(Game &g, Enemy &e, int pos) {
  e.X = Lane(g, pos), e.Y = -32, e.DY = RR(g, 7, 15);
  e.CNT[kShotInterval] = 20 + 10 * Rank(g), e.CNT[kShotSpeed] = RR(g, 7, 10),
  e.CNT[kStartDelay] = RR(g, 1, 15), e.CNT[kShotCount] = RR(g, 0, 10);
}

void Type2(Game &g, Enemy &e, int pos) {
  int lo = 0, hi = 14;
  if (pos == 0 || pos == 1) hi = 3;
  if (pos == 2 || pos == 3) lo = 10;
  e.X = 32.0 * RR(g, lo, hi), e.Y = 480, e.DY = -RR(g, 10, 20);
  e.CNT[kShotInterval] = 15 + 5 * Rank(g), e.CNT[kShotSpeed] = 10, e.CNT[kStartDelay] = 3 * RR(g, 1, 6);
}

void Type3(Game &g, Enemy &e, int pos) {
  e.X = Lane(g, pos), e.Y = -32, e.DY = RR(g, 5, 9);
  e.VAL[kCurvePhase] = LeftSide(pos) ? 0 : kPi;
  e.VAL[kWeaveStep] = WeaveStep(e.DY);
  e.CNT[kShotInterval] = 15 + 5 * Rank(g), e.CNT[kShotSpeed] = 15, e.CNT[kStartDelay] = RR(g, 1, 15),
  e.CNT[kShotCount] = RR(g, 0, 7);
}

void Type4(Game &g, Enemy &e, int) {
  e.X = 32.0 * RR(g, 2, 12), e.Y = -32;
  e.DX = RR(g, 0, 1) == 1 ? 1 : -1, e.DY = 1;
  e.CNT[5] = RR(g, 3, 6), e.CNT[6] = RR(g, 3, 6);
  e.CNT[kShotInterval] = 15 + 5 * Rank(g), e.CNT[kShotSpeed] = 15, e.CNT[kStartDelay] = RR(g, 1, 15),
  e.CNT[kShotCount] = RR(g, 0, 7);
}

void Type5(Game &g, Enemy &e, int pos) {
  e.X = pos % 2 == 0 ? -40 : 480, e.Y = pos < 2 ? 32 : 448;
  e.CNT[5] = e.CNT[6] = 8 - 2 * Rank(g);
  StartHoming(g, e, 15, 20);
  e.CNT[7] = 100 + 10 * RR(g, 0, 5);
}

void Type6(Game &g, Enemy &e, int pos) {
  e.Y = 480, e.DY = -10;
  e.X = LeftSide(pos) ? 32 : 416, e.CNT[3] = LeftSide(pos) ? 1 : -1;
  Stagger(e, pos, 20, 0);
  e.CNT[kShotInterval] = 30 + 10 * Rank(g), e.CNT[kShotSpeed] = 10, e.CNT[kShotCount] = RR(g, 0, 20);
}

void Type7(Game &g, Enemy &e, int pos) {
  e.Y = -32, e.DY = 10;
  e.X = LeftSide(pos) ? 32 : 416, e.DX = LeftSide(pos) ? 10 : -10;
  Stagger(e, pos, 20, 0);
  e.CNT[kShotInterval] = 30 + 10 * Rank(g), e.CNT[kShotSpeed] = RR(g, 7, 10),
  e.CNT[kShotCount] = RR(g, 0, 20);
}

// Types 8 (from above) and 9 (from below).
void Dasher(Game &g, Enemy &e, int pos) {
  bool above = e.MODE == 8;
  e.Y = above ? -32 : 480, e.DY = above ? 10 : -10;
  e.X = LeftSide(pos) ? 192 : 256, e.DX = LeftSide(pos) ? -1 : 1;
  Stagger(e, pos, 20, 0);
  e.CNT[kShotInterval] = 30 + 10 * Rank(g), e.CNT[5] = 5, e.CNT[kShotSpeed] = RR(g, 7, 10),
  e.CNT[kShotCount] = RR(g, 0, 20);
}

// Types 10..13 warp in on a formation cell.
void WarpIn(Game &g, Enemy &e, int pos) {
  int col = 0, row = 0;
  if (e.MODE == 13) col = RR(g, 1, 13), row = RR(g, 1, 13);
  else FormationCell(e.MODE, pos, &col, &row);
  e.X = 32.0 * col, e.Y = 32.0 * row;
  e.CNT[kStartDelay] = e.MODE == 13 ? 5 * RR(g, 0, 10) : 0;
  e.CNT[3] = 15 + 10 * Rank(g), e.CNT[5] = 8 - 2 * Rank(g);
}

void Type14(Game &g, Enemy &e, int pos) {
  e.X = Lane(g, pos), e.Y = -32, e.DY = 2;
  e.CNT[kShotInterval] = 20 + 10 * Rank(g), e.CNT[kShotSpeed] = RR(g, 7, 10),
  e.CNT[kStartDelay] = 3 * RR(g, 1, 5);
  e.CNT[5] = 15 - 5 * Rank(g), e.CNT[kShotCount] = RR(g, 0, 10);
}

void Type15(Game &g, Enemy &e, int pos) {
  StartBandCrosser(g, e, pos);
  e.CNT[kShotInterval] = 30 + 10 * Rank(g), e.CNT[kShotSpeed] = RR(g, 7, 10),
  e.CNT[kStartDelay] = 3 * RR(g, 1, 5);
  e.CNT[5] = 13 - 3 * Rank(g), e.CNT[kShotCount] = RR(g, 0, 15);
}

void Type16(Game &g, Enemy &e, int pos) {
  e.X = Lane(g, pos), e.Y = -32, e.DY = RR(g, 7, 15);
  e.CNT[kShotInterval] = 20 + 10 * Rank(g), e.CNT[kShotSpeed] = RR(g, 7, 10),
  e.CNT[kStartDelay] = 3 * RR(g, 1, 5);
  e.CNT[5] = 8 - 3 * Rank(g), e.CNT[kShotCount] = RR(g, 0, 10);
}

void Type17(Game &g, Enemy &e, int pos) {
  e.X = Lane(g, pos), e.Y = -32;
  e.CNT[5] = Rank(g) == 2 ? 10 : 15 - 5 * Rank(g);
  double a = AngleToShip(g, e);
  e.DX = e.CNT[5] * CosDegrees(a), e.DY = e.CNT[5] * SinDegrees(a);
  e.CNT[kShotInterval] = 30 + 10 * Rank(g), e.CNT[kShotSpeed] = RR(g, 7, 10),
  e.CNT[kStartDelay] = 5 * RR(g, 1, 5), e.CNT[kShotCount] = RR(g, 0, 15);
}

void Type18(Game &g, Enemy &e, int pos) {
  e.X = Lane(g, pos), e.Y = -32, e.DY = 1;
  e.CNT[5] = RR(g, 5, 10), e.CNT[6] = 250 + 5 * RR(g, 0, 10), e.CNT[kShotInterval] = 8 + 5 * Rank(g);
  e.CNT[kShotSpeed] = RR(g, 10, 15), e.CNT[kStartDelay] = 5 * RR(g, 1, 8), e.CNT[kShotCount] = RR(g, 0, 5);
}

void Type19(Game &g, Enemy &e, int pos) {
  e.Y = -32, e.DY = 1;
  e.X = pos == 0 ? 32.0 * RR(g, 2, 6) : 32.0 * RR(g, 8, 12);
  int r = Rank(g);
  e.CNT[5] = RR(g, 7 - 2 * r, 13 - 2 * r), e.CNT[6] = 200 + 5 * RR(g, 0, 10);
  e.CNT[kShotSpeed] = 10, e.CNT[kShotDown] = 1, e.CNT[kStartDelay] = 5 * RR(g, 1, 8);
}

void Type20(Game &g, Enemy &e, int pos) {
  e.Y = -32, e.DY = 15;
  e.X = pos == 0 ? 32.0 * RR(g, 3, 6) : 32.0 * RR(g, 8, 11);
  e.CNT[kShotSpeed] = 15, e.CNT[kShotInterval] = e.CNT[kShotCount] = 1 + 2 * Rank(g), e.CNT[3] = 6,
  e.CNT[4] = 3 - Rank(g);
}

void Type21(Game &g, Enemy &e, int pos) {
  e.Y = 64;
  e.X = LeftSide(pos) ? -32 : 480, e.DX = LeftSide(pos) ? 1 : -1;
  Stagger(e, pos, 6, 12);
  e.CNT[kShotSpeed] = 15, e.CNT[kShotInterval] = 20 + 10 * Rank(g), e.CNT[5] = 13 - 3 * Rank(g);
  e.CNT[6] = 15 - 5 * Rank(g), e.CNT[kShotCount] = RR(g, 0, 5);
}

// Types 22..25: ground vehicles in two columns, rising (22, 23) or descending (24, 25).
void ColumnVehicle(Game &g, Enemy &e, int pos) {
  bool rising = e.MODE <= 23, outer = e.MODE == 22 || e.MODE == 24;
  e.Y = rising ? 480 : -40, e.DY = rising ? -4 : 4;
  e.X = outer ? (pos == 0 ? 32 : 416) : (pos == 0 ? 160 : 288);
  e.CNT[kShotInterval] = 40 + 20 * Rank(g), e.CNT[kShotSpeed] = RR(g, 7, 10),
  e.CNT[kShotCount] = RR(g, 0, 15);
}

void Type26(Game &g, Enemy &e, int pos) {
  StartBandCrosser(g, e, pos);
  e.CNT[kShotInterval] = 20 + 10 * Rank(g), e.CNT[kShotSpeed] = 15, e.CNT[kShotCount] = RR(g, 0, 8),
  e.CNT[kStartDelay] = 3 * RR(g, 1, 5);
}

void Type27(Game &g, Enemy &e, int pos) {
  e.Y = 288, e.DY = -10;
  e.X = LeftSide(pos) ? -32 : 480, e.DX = LeftSide(pos) ? 10 : -10;
  Stagger(e, pos, 6, 12);
  e.CNT[kShotSpeed] = RR(g, 6, 9), e.CNT[kShotInterval] = 20 + 10 * Rank(g), e.CNT[5] = 13 - 3 * Rank(g),
  e.CNT[kShotCount] = RR(g, 10, 15);
}

void Type28(Game &g, Enemy &e, int pos) {
  e.Y = 0, e.DY = 5;
  e.X = LeftSide(pos) ? -32 : 480, e.DX = LeftSide(pos) ? 10 : -10, e.CNT[6] = LeftSide(pos) ? 0 : 1;
  Stagger(e, pos, 6, 12);
  e.CNT[kShotSpeed] = 15, e.CNT[kShotInterval] = 20 + 10 * Rank(g), e.CNT[5] = 13 - 3 * Rank(g),
  e.CNT[kShotCount] = RR(g, 0, 10);
}

// The fastest of the corner swoopers. It fires like the others of its family: left without an
// interval, each of a wave of six would drop a needle every frame and fill the bullet table.
void Type29(Game &g, Enemy &e, int pos) {
  e.Y = 32, e.DY = 10;
  e.X = LeftSide(pos) ? -32 : 480, e.DX = LeftSide(pos) ? 20 : -20;
  Stagger(e, pos, 6, 12);
  e.CNT[kShotSpeed] = 15, e.CNT[kShotInterval] = 20 + 10 * Rank(g), e.CNT[kShotCount] = RR(g, 0, 10);
}

void Type30(Game &g, Enemy &e, int pos) {
  e.X = 160.0 * pos, e.Y = -34, e.DY = 3;
  e.CNT[kShotInterval] = 30 + 20 * Rank(g), e.CNT[kShotSpeed] = 10;
}

void Type31(Game &g, Enemy &e, int pos) {
  e.Y = 0, e.DY = 5;
  e.X = pos == 0 ? -48 : 480, e.DX = pos == 0 ? 5 : -5;
  e.CNT[kShotSpeed] = 15, e.CNT[kShotInterval] = 10 + 5 * Rank(g);
}

void Type32(Game &g, Enemy &e, int pos) {
  static constexpr int kX[4] = {64, 160, 288, 384};
  e.X = kX[pos] - 16, e.Y = -48, e.DY = 15;
  e.CNT[kShotSpeed] = 15, e.CNT[kShotInterval] = 4 + 3 * Rank(g);
}

void Type33(Game &g, Enemy &e, int pos) {
  e.X = (pos == 0 ? 32 : 416) - 16, e.Y = -48, e.DY = 3;
  e.CNT[kShotSpeed] = 10, e.CNT[kShotInterval] = 15 + 10 * Rank(g);
}

void Type34(Game &g, Enemy &e, int pos) {
  e.X = (pos == 0 ? 128 : 320) - 16, e.Y = -48, e.DY = 15;
  e.CNT[kShotSpeed] = 10, e.CNT[kShotInterval] = 5 + 3 * Rank(g);
}

void Type35(Game &g, Enemy &e, int pos) {
  static constexpr int kX[3] = {224, 352, 96};
  e.X = kX[pos] - 16, e.Y = -48, e.DY = 3;
  e.CNT[kShotSpeed] = 10, e.CNT[kShotInterval] = 15 + 10 * Rank(g);
}

// The pair starts on one spot in opposite phases, so they weave apart in mirror image.
void Type36(Game &g, Enemy &e, int pos) {
  e.X = 208, e.Y = -48, e.DY = 3;
  e.VAL[kCurvePhase] = pos == 0 ? kPi : 0;
  e.VAL[kWeaveStep] = WeaveStep(e.DY);
  e.CNT[kShotSpeed] = 10, e.CNT[kShotInterval] = 10 + 10 * Rank(g);
}

// 38 turned on its side, and it throws its balls at 38's pace: left without an interval, a pair
// would throw one each every frame, thirty on the field within a second.
void Type37(Game &g, Enemy &e, int pos) {
  e.X = pos == 0 ? 64 : 384, e.Y = pos == 0 ? 480 : -48, e.DY = pos == 0 ? -1 : 1;
  e.X -= 16, e.DY *= 4, e.DX = 0;
  e.CNT[kShotInterval] = 30 + 20 * Rank(g);
}

void Type38(Game &g, Enemy &e, int pos) {
  e.Y = pos == 0 ? 64 : 384, e.X = pos == 0 ? 480 : -48, e.DX = pos == 0 ? -1 : 1;
  e.X -= 16, e.DX *= 4, e.DY = 0;
  e.CNT[kShotInterval] = 30 + 20 * Rank(g);
}

void Type40(Game &g, Enemy &e, int pos) {
  e.X = Lane(g, pos), e.Y = -40;
  e.CNT[kStartDelay] = 5 * RR(g, 1, 10), e.CNT[5] = RR(g, 5, 10), e.CNT[6] = RR(g, 5, 15);
  LaunchRock(g, e, pos == 1 || pos == 3 || pos == 5 || pos == 7);
}

void Type41(Game &g, Enemy &e, int pos) {
  e.X = Lane(g, pos), e.Y = -50;
  e.CNT[5] = RR(g, 2, 5), e.CNT[6] = RR(g, 3, 8), e.CNT[kStartDelay] = 5 * RR(g, 1, 10);
  LaunchRock(g, e, pos == 1 || pos == 5);
}

void Type42(Game &g, Enemy &e, int pos) {
  e.CNT[5] = 0, e.CNT[kStartDelay] = 0, e.CNT[6] = RR(g, 5, 15);
  e.X = 32.0 * pos, e.Y = -40, e.DY = e.CNT[6];
}

void Type50(Game &g, Enemy &e, int pos) {
  PlaceOnGround(g, e, pos);
  e.CNT[kShotInterval] = 40 + 20 * Rank(g), e.CNT[kShotCount] = RR(g, 0, 20), e.CNT[kShotSpeed] = 10;
}

void Type51(Game &g, Enemy &e, int pos) {
  PlaceOnGround(g, e, pos);
  e.CNT[kShotInterval] = 30 + 10 * Rank(g), e.CNT[kShotCount] = RR(g, 0, 20), e.CNT[kShotSpeed] = 15;
}

// Types 52..54 drive along the ground: right, left or straight down with it.
void GroundVehicle(Game &g, Enemy &e, int pos) {
  PlaceOnGround(g, e, pos);
  e.DX = e.MODE == 52 ? 1 : e.MODE == 53 ? -1 : 0;
  e.CNT[kShotInterval] = 40 + 20 * Rank(g), e.CNT[kShotSpeed] = RR(g, 7, 10),
  e.CNT[kShotCount] = RR(g, 0, 15);
}

// Types 55 and 56 are launched by the enemy in slot pos; they drive towards the ship's height.
// They appear at the field's edges, not at their launcher, as they always have.
void LaunchedVehicle(Game &g, Enemy &e, int pos) {
  e.Y = g.enemies.ENEMY[pos].Y + 70;
  e.X = e.MODE == 55 ? 32 : 416;
  e.DY = g.player.PY + 16 > e.Y + 16 ? 3 : -3;
  e.CNT[kShotInterval] = 40 + 10 * Rank(g), e.CNT[kShotSpeed] = RR(g, 7, 10),
  e.CNT[kShotCount] = RR(g, 0, 15);
}

void Type60(Game &g, Enemy &e, int pos) {
  const Enemy &launcher = g.enemies.ENEMY[pos];
  e.X = launcher.X + 40, e.Y = launcher.Y + 20;
  e.CNT[5] = RR(g, 3, 6), e.CNT[6] = RR(g, 3, 6);
  StartHoming(g, e, 3, 10);
  e.CNT[7] = 200;
}

}  // namespace start

bool FormationCell(int type, int pos, int *col, int *row) {
  struct Cell {
    int col, row;
  };
  // The last cell of type 10 mirrors (2, 12), so that its eighth member has a place too.
  static constexpr Cell kCells[3][8] = {
      {{2, 2}, {2, 5}, {2, 9}, {2, 12}, {12, 2}, {12, 5}, {12, 9}, {12, 12}},
      {{2, 2}, {5, 2}, {9, 2}, {12, 2}, {2, 12}, {5, 12}, {9, 12}, {12, 12}},
      {{7, 1}, {3, 3}, {1, 7}, {3, 11}, {7, 13}, {11, 11}, {13, 7}, {11, 3}},
  };
  // The escorts of the mother computer stand on the ring of type 12.
  int table = type == 109 ? 2 : type - 10;
  if (table < 0 || table > 2 || pos < 0 || pos > 7) return false;
  *col = kCells[table][pos].col, *row = kCells[table][pos].row;
  return true;
}

}  // namespace qel
