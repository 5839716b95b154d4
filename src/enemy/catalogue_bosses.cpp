// Where the mid-bosses, escorts, stage bosses and boss parts 100..211 appear, and their counters.
#include <cmath>

#include "enemy/catalogue.h"
#include "enemy/start_kit.h"
#include "enemy/types.h"
#include "game.h"
#include "platform/angles.h"
#include "platform/random.h"

namespace qel {

namespace {

double Centred(const Enemy &e) { return 240 - e.W / 2; }

// The swaying bosses start at either end of their swing.
double RandomHalfTurn(Game &g) { return RR(g, 0, 1) == 0 ? -kPi : kPi; }

// The ellipse bosses start at the top of their curve (y grows downwards), so the curve hangs
// below the line where they arrive and stays on screen. Started at the bottom, the circler was in
// sight a quarter of each lap and always left unbeaten, and 155 hid above the screen half the time.
constexpr double kTopOfCurve = -kPi / 2;

}  // namespace

namespace start {

void Type100(Game &g, Enemy &e, int) {
  e.X = Centred(e), e.Y = -70, e.DY = 10;
  e.CNT[kShotInterval] = 7, e.CNT[7] = 2000, e.CNT[kShotSpeed] = RR(g, 5, 15);
  e.VAL[kCurvePhase] = kTopOfCurve, e.VAL[2] = 3 * kTablePi / 180;
}

void Type101(Game &g, Enemy &e, int) {
  e.X = 210, e.Y = -60, e.DY = 10;
  e.CNT[kShotInterval] = 5, e.CNT[7] = 2000, e.CNT[4] = 4, e.CNT[kShotSpeed] = 10;
  e.VAL[0] = 4 * kTablePi / 200, e.VAL[kCurvePhase] = RandomHalfTurn(g);
}

void Type102(Game &, Enemy &e, int) {
  e.X = 210, e.Y = -60, e.DY = 10;
  e.CNT[kShotInterval] = 3, e.CNT[4] = 4, e.CNT[5] = 4, e.CNT[7] = 2000, e.CNT[kShotSpeed] = 10;
  e.VAL[0] = 4 * kTablePi / 130, e.VAL[kCurvePhase] = kPi;
}

void Type103(Game &g, Enemy &e, int) {
  e.X = 32.0 * RR(g, 2, 8), e.Y = 32.0 * RR(g, 2, 6);
  e.CNT[kShotInterval] = 3, e.CNT[7] = 2500, e.CNT[5] = RR(g, 10, 15), e.CNT[6] = RR(g, 7, 12);
}

void Type105(Game &g, Enemy &e, int pos) {
  e.Y = -32, e.DY = 1;
  e.X = pos == 0 ? 64 : 384, e.DX = pos == 0 ? -1 : 1;
  e.CNT[kShotInterval] = 40 + 20 * Rank(g), e.CNT[kShotSpeed] = 15, e.CNT[5] = 2;
}

void Type106(Game &g, Enemy &e, int pos) {
  e.X = 416, e.Y = 480, e.DY = -1;
  e.CNT[5] = 7, e.CNT[kStartDelay] = 55 * pos + 10, e.CNT[kShotInterval] = 25 + 15 * Rank(g),
  e.CNT[kShotSpeed] = 10;
}

void Type107(Game &g, Enemy &e, int pos) {
  e.Y = -40, e.DY = 2;
  e.X = pos == 0 ? 128 : 320, e.CNT[6] = pos == 0 ? -1 : 1;
  e.CNT[kShotInterval] = 80 + 20 * Rank(g), e.CNT[5] = 5 - 2 * Rank(g);
}

void Type108(Game &, Enemy &e, int pos) {
  static constexpr int kX[6] = {32, 416, 64, 384, 96, 352};
  static constexpr int kStop[6] = {96, 96, 64, 64, 32, 32};
  static constexpr int kInterval[6] = {90, 90, 70, 70, 50, 50};
  e.Y = -32, e.DY = 5;
  e.X = kX[pos], e.CNT[5] = kStop[pos], e.CNT[kShotInterval] = kInterval[pos];
  e.CNT[kShotSpeed] = 10, e.CNT[kZigzagTurns] = 1;
}

// The escorts of the mother computer wait on a ring far above the field. WORK(5) counts the
// ones really created, so the boss waits for no escort that never came.
void Type109(Game &g, Enemy &e, int pos) {
  int col = 0, row = 0;
  FormationCell(109, pos, &col, &row);
  e.X = 32.0 * col, e.Y = 32.0 * row - 512;
  e.CNT[7] = 0, e.CNT[kShotInterval] = 40, e.CNT[8] = 800, e.CNT[kShotSpeed] = RR(g, 7, 15),
  e.CNT[kShotCount] = RR(g, 0, 15);
  e.VAL[kHeading] = 360 * Rnd(g), e.VAL[kTurnRate] = RR(g, 15, 20);
  e.DX = 6 * CosDegrees(e.VAL[kHeading]), e.DY = 6 * SinDegrees(e.VAL[kHeading]);
  ++g.enemies.WORK[5];
}

void Type110(Game &, Enemy &e, int) {
  e.X = 220, e.Y = -270;
  e.CNT[1] = 70;
}

void Type150(Game &g, Enemy &e, int) {
  e.X = Centred(e), e.Y = -100, e.DY = 5;
  e.CNT[kShotInterval] = 30 + 20 * Rank(g), e.CNT[kShotSpeed] = 15, e.CNT[kShotDown] = 1,
  e.CNT[5] = RR(g, 5, 10), e.CNT[3] = 1;
  e.CNT[6] = 2 * RR(g, 5, 10), e.CNT[7] = RR(g, 3, 7), e.CNT[kTimeOut] = 2500;
}

void Type151(Game &g, Enemy &e, int) {
  e.X = Centred(e), e.Y = -150, e.DY = 4;
  e.CNT[kShotInterval] = 10 + 10 * Rank(g), e.CNT[kShotSpeed] = 30, e.CNT[6] = 0, e.CNT[5] = 2,
  e.CNT[kZigzagTurns] = 6;
  e.VAL[0] = 7 * kTablePi / 200, e.VAL[kCurvePhase] = kPi, e.CNT[kTimeOut] = 2000;
}

void Type152(Game &g, Enemy &e, int) {
  e.X = Centred(e), e.Y = -200, e.DY = 5;
  e.CNT[kShotInterval] = 15 + 15 * Rank(g), e.CNT[kShotSpeed] = 10, e.CNT[kShotDown] = 1, e.CNT[9] = 1,
  e.CNT[4] = 30 * RR(g, 0, 10);
  e.CNT[3] = 10 + 10 * Rank(g), e.CNT[5] = 3, e.CNT[kTimeOut] = 2000;
}

void Type153(Game &g, Enemy &e, int) {
  e.X = Centred(e), e.Y = -100, e.DY = 3;
  e.CNT[5] = 3, e.CNT[kShotSpeed] = 10, e.CNT[3] = 6, e.CNT[4] = RR(g, 0, 1) == 0 ? -1 : 1;
  e.CNT[kShotInterval] = 8 + 5 * Rank(g), e.CNT[6] = RR(g, 0, 2), e.CNT[kTimeOut] = 2000;
}

void Type154(Game &, Enemy &e, int) {
  e.X = Centred(e), e.Y = -100, e.DY = 5;
  e.VAL[0] = 5 * kTablePi / 180, e.VAL[kCurvePhase] = kTopOfCurve;
  e.CNT[kShotInterval] = 40, e.CNT[kShotSpeed] = 15, e.CNT[3] = 2, e.CNT[kTimeOut] = 2000;
}

void Type155(Game &, Enemy &e, int) {
  e.X = Centred(e), e.Y = -200, e.DY = 5;
  e.CNT[kShotInterval] = 30, e.CNT[kShotSpeed] = 20, e.CNT[kShotDown] = 1, e.CNT[3] = 70, e.CNT[4] = 70;
  e.VAL[kCurvePhase] = kTopOfCurve, e.VAL[2] = 3 * kTablePi / 180, e.CNT[kTimeOut] = 2000;
}

void Type156(Game &g, Enemy &e, int) {
  e.X = Centred(e), e.Y = -200, e.DY = 5;
  e.CNT[kShotInterval] = 70, e.CNT[kShotCount] = 70, e.CNT[kShotSpeed] = 10, e.CNT[3] = 10, e.CNT[5] = 7,
  e.CNT[6] = RR(g, 3, 10);
  e.CNT[kTimeOut] = 2000;
}

void Type157(Game &, Enemy &e, int) {
  e.X = 220, e.Y = -270;
  e.CNT[1] = 70, e.CNT[kShotSpeed] = 15, e.CNT[kTimeOut] = 2000;
}

void Type158(Game &g, Enemy &e, int) {
  e.X = Centred(e), e.Y = 240 - e.H / 2 - 512, e.DY = 5;
  e.CNT[1] = e.CNT[2] = 70, e.CNT[kShotSpeed] = 20, e.CNT[3] = e.CNT[4] = 70;
  e.CNT[7] = 0, e.CNT[kShotDown] = 0, e.CNT[kTimeOut] = 2000;
  g.enemies.WORK[5] = 0;  // its escorts count themselves in as they are created
}

void Type160(Game &g, Enemy &e, int) {
  e.X = 210, e.Y = -60, e.DY = 10;
  e.CNT[kShotInterval] = 5, e.CNT[4] = 4, e.CNT[kShotSpeed] = 10;
  e.VAL[0] = 4 * kTablePi / 200, e.VAL[kCurvePhase] = RandomHalfTurn(g);
}

void Type200(Game &g, Enemy &e, int) { e.CNT[kShotInterval] = 20 + 10 * Rank(g), e.CNT[kShotSpeed] = 15; }
void Type201(Game &g, Enemy &e, int) { e.CNT[kShotInterval] = 20 + 20 * Rank(g), e.CNT[kShotSpeed] = 15; }

void Type202(Game &g, Enemy &e, int pos) {
  e.CNT[kShotInterval] = 30 + 10 * (pos / 2) + 10 * Rank(g);
  e.CNT[kShotSpeed] = 20, e.CNT[11] = 2 - Rank(g);
}

void Type203(Game &g, Enemy &e, int pos) {
  e.FRAME = pos == 0 ? 0 : 1;
  e.CNT[kShotInterval] = 30 + 15 * Rank(g), e.CNT[kShotSpeed] = 30;
}

void Type204(Game &g, Enemy &e, int pos) {
  bool inner = pos == 0 || pos == 1;
  e.CNT[kShotInterval] = inner ? 20 + 15 * Rank(g) : 30 + 25 * Rank(g);
  e.CNT[kShotSpeed] = inner ? 15 : 7;
}

void Type205(Game &g, Enemy &e, int pos) {
  e.FRAME = pos == 0 ? 0 : 1;
  e.CNT[kShotInterval] = 50 + 30 * Rank(g);
}

void Type206(Game &, Enemy &e, int) { e.CNT[kShotInterval] = 40, e.CNT[kShotSpeed] = 30; }
void Type207(Game &, Enemy &e, int) {
  e.CNT[kShotInterval] = e.CNT[kShotCount] = 70, e.CNT[kShotSpeed] = 10, e.CNT[kZigzagTurns] = 1;
}

void Type208(Game &, Enemy &e, int pos) {
  e.FRAME = pos == 0 ? 0 : 1;
  e.CNT[kShotInterval] = 40, e.CNT[kShotSpeed] = 30;
}

// The outer wings of boss 156 are the toughest and fire the most often.
void Type209(Game &g, Enemy &e, int pos) {
  static constexpr int kHp[3] = {600, 1200, 1600}, kHardHp[3] = {1000, 2000, 3000};
  static constexpr int kInterval[3] = {30, 20, 10};
  int pair = pos / 2;
  e.HP = g.settings.DIFF == 0 ? kHardHp[pair] : kHp[pair];
  e.FRAME = pos % 2 == 0 ? 0 : 1;
  e.CNT[kShotSpeed] = 20, e.CNT[kShotInterval] = kInterval[pair];
  if (pair == 0) e.LOCK = 0;
}

void Type210(Game &, Enemy &e, int) {
  e.X = 210, e.Y = -124;
  e.CNT[kShotInterval] = 20;
}

void Type211(Game &, Enemy &e, int pos) {
  e.X = pos == 0 ? 192 : 288, e.Y = -199;
  e.CNT[kShotInterval] = 30, e.CNT[kShotSpeed] = 20;
}

}  // namespace start

}  // namespace qel
