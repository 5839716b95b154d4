// Where the mid-bosses, escorts, stage bosses and boss parts 100..211 appear, and their counters.
#include <cmath>

#include "enemy/catalogue.h"
#include "enemy/random.h"
#include "game.h"

namespace qel {

namespace {

constexpr double kPi = 3.14159265358979323846;

int RR(Game &g, int lo, int hi) {
  return RandomRange(g, lo, hi);
}
int Rank(const Game &g) {
  return g.enemies.RANK;
}
double Cos(double degrees) {
  return std::cos(degrees * kPi / 180);
}
double Sin(double degrees) {
  return std::sin(degrees * kPi / 180);
}
double Centred(const Enemy &e) {
  return 240 - e.W / 2;
}

// The swaying bosses start at either end of their swing.
double RandomHalfTurn(Game &g) {
  return RR(g, 0, 1) == 0 ? -kPi : kPi;
}

void StartType100(Game &g, Enemy &e, int) {
  e.X = Centred(e), e.Y = -70, e.DY = 10;
  e.CNT[1] = 7, e.CNT[7] = 2000, e.CNT[10] = RR(g, 5, 15);
  e.VAL[1] = kPi / 2, e.VAL[2] = 9.42477796076937 / 180;
}

void StartType101(Game &g, Enemy &e, int) {
  e.X = 210, e.Y = -60, e.DY = 10;
  e.CNT[1] = 5, e.CNT[7] = 2000, e.CNT[4] = 4, e.CNT[10] = 10;
  e.VAL[0] = 12.56637061435916 / 200, e.VAL[1] = RandomHalfTurn(g);
}

void StartType102(Game &, Enemy &e, int) {
  e.X = 210, e.Y = -60, e.DY = 10;
  e.CNT[1] = 3, e.CNT[4] = 4, e.CNT[5] = 4, e.CNT[7] = 2000, e.CNT[10] = 10;
  e.VAL[0] = 12.56637061435916 / 130, e.VAL[1] = kPi;
}

void StartType103(Game &g, Enemy &e, int) {
  e.X = 32.0 * RR(g, 2, 8), e.Y = 32.0 * RR(g, 2, 6);
  e.CNT[1] = 3, e.CNT[7] = 2500, e.CNT[5] = RR(g, 10, 15), e.CNT[6] = RR(g, 7, 12);
}

void StartType105(Game &g, Enemy &e, int pos) {
  e.Y = -32, e.DY = 1;
  e.X = pos == 0 ? 64 : 384, e.DX = pos == 0 ? -1 : 1;
  e.CNT[1] = 40 + 20 * Rank(g), e.CNT[10] = 15, e.CNT[5] = 2;
}

void StartType106(Game &g, Enemy &e, int pos) {
  e.X = 416, e.Y = 480, e.DY = -1;
  e.CNT[5] = 7, e.CNT[8] = 55 * pos + 10, e.CNT[1] = 25 + 15 * Rank(g), e.CNT[10] = 10;
}

void StartType107(Game &g, Enemy &e, int pos) {
  e.Y = -40, e.DY = 2;
  e.X = pos == 0 ? 128 : 320, e.CNT[6] = pos == 0 ? -1 : 1;
  e.CNT[1] = 80 + 20 * Rank(g), e.CNT[5] = 5 - 2 * Rank(g);
}

void StartType108(Game &, Enemy &e, int pos) {
  static constexpr int kX[6] = {32, 416, 64, 384, 96, 352};
  static constexpr int kStop[6] = {96, 96, 64, 64, 32, 32};
  static constexpr int kInterval[6] = {90, 90, 70, 70, 50, 50};
  e.Y = -32, e.DY = 5;
  e.X = kX[pos], e.CNT[5] = kStop[pos], e.CNT[1] = kInterval[pos];
  e.CNT[10] = 10, e.CNT[11] = 1;
}

// The escorts of the mother computer wait on a ring far above the field. WORK(5) counts the
// ones really created, so the boss waits for no escort that never came.
void StartType109(Game &g, Enemy &e, int pos) {
  int col = 0, row = 0;
  FormationCell(109, pos, &col, &row);
  e.X = 32.0 * col, e.Y = 32.0 * row - 512;
  e.CNT[7] = 0, e.CNT[1] = 40, e.CNT[8] = 800, e.CNT[10] = RR(g, 7, 15), e.CNT[2] = RR(g, 0, 15);
  e.VAL[2] = 360 * Rnd(g), e.VAL[3] = RR(g, 15, 20);
  e.DX = 6 * Cos(e.VAL[2]), e.DY = 6 * Sin(e.VAL[2]);
  ++g.enemies.WORK[5];
}

void StartType110(Game &, Enemy &e, int) {
  e.X = 220, e.Y = -270;
  e.CNT[1] = 70;
}

void StartType150(Game &g, Enemy &e, int) {
  e.X = Centred(e), e.Y = -100, e.DY = 5;
  e.CNT[1] = 30 + 20 * Rank(g), e.CNT[10] = 15, e.CNT[11] = 1, e.CNT[5] = RR(g, 5, 10),
  e.CNT[3] = 1;
  e.CNT[6] = 2 * RR(g, 5, 10), e.CNT[7] = RR(g, 3, 7), e.CNT[18] = 2500;
}

void StartType151(Game &g, Enemy &e, int) {
  e.X = Centred(e), e.Y = -150, e.DY = 4;
  e.CNT[1] = 10 + 10 * Rank(g), e.CNT[10] = 30, e.CNT[6] = 0, e.CNT[5] = 2, e.CNT[11] = 6;
  e.VAL[0] = 21.99114857512853 / 200, e.VAL[1] = kPi, e.CNT[18] = 2000;
}

void StartType152(Game &g, Enemy &e, int) {
  e.X = Centred(e), e.Y = -200, e.DY = 5;
  e.CNT[1] = 15 + 15 * Rank(g), e.CNT[10] = 10, e.CNT[11] = 1, e.CNT[9] = 1,
  e.CNT[4] = 30 * RR(g, 0, 10);
  e.CNT[3] = 10 + 10 * Rank(g), e.CNT[5] = 3, e.CNT[18] = 2000;
}

void StartType153(Game &g, Enemy &e, int) {
  e.X = Centred(e), e.Y = -100, e.DY = 3;
  e.CNT[5] = 3, e.CNT[10] = 10, e.CNT[3] = 6, e.CNT[4] = RR(g, 0, 1) == 0 ? -1 : 1;
  e.CNT[1] = 8 + 5 * Rank(g), e.CNT[6] = RR(g, 0, 2), e.CNT[18] = 2000;
}

void StartType154(Game &, Enemy &e, int) {
  e.X = Centred(e), e.Y = -100, e.DY = 5;
  e.VAL[0] = 15.70796326794895 / 180, e.VAL[1] = -kPi / 2;
  e.CNT[1] = 40, e.CNT[10] = 15, e.CNT[3] = 2, e.CNT[18] = 2000;
}

void StartType155(Game &, Enemy &e, int) {
  e.X = Centred(e), e.Y = -200, e.DY = 5;
  e.CNT[1] = 30, e.CNT[10] = 20, e.CNT[11] = 1, e.CNT[3] = 70, e.CNT[4] = 70;
  e.VAL[1] = kPi / 2, e.VAL[2] = 9.42477796076937 / 180, e.CNT[18] = 2000;
}

void StartType156(Game &g, Enemy &e, int) {
  e.X = Centred(e), e.Y = -200, e.DY = 5;
  e.CNT[1] = 70, e.CNT[2] = 70, e.CNT[10] = 10, e.CNT[3] = 10, e.CNT[5] = 7,
  e.CNT[6] = RR(g, 3, 10);
  e.CNT[18] = 2000;
}

void StartType157(Game &, Enemy &e, int) {
  e.X = 220, e.Y = -270;
  e.CNT[1] = 70, e.CNT[10] = 15, e.CNT[18] = 2000;
}

void StartType158(Game &g, Enemy &e, int) {
  e.X = Centred(e), e.Y = 240 - e.H / 2 - 512, e.DY = 5;
  e.CNT[1] = e.CNT[2] = 70, e.CNT[10] = 20, e.CNT[3] = e.CNT[4] = 70;
  e.CNT[7] = 0, e.CNT[11] = 0, e.CNT[18] = 2000;
  g.enemies.WORK[5] = 0;  // its escorts count themselves in as they are created
}

void StartType160(Game &g, Enemy &e, int) {
  e.X = 210, e.Y = -60, e.DY = 10;
  e.CNT[1] = 5, e.CNT[4] = 4, e.CNT[10] = 10;
  e.VAL[0] = 12.56637061435916 / 200, e.VAL[1] = RandomHalfTurn(g);
}

void StartType200(Game &g, Enemy &e, int) {
  e.CNT[1] = 20 + 10 * Rank(g), e.CNT[10] = 15;
}
void StartType201(Game &g, Enemy &e, int) {
  e.CNT[1] = 20 + 20 * Rank(g), e.CNT[10] = 15;
}

void StartType202(Game &g, Enemy &e, int pos) {
  e.CNT[1] = 30 + 10 * (pos / 2) + 10 * Rank(g);
  e.CNT[10] = 20, e.CNT[11] = 2 - Rank(g);
}

void StartType203(Game &g, Enemy &e, int pos) {
  e.FRAME = pos == 0 ? 0 : 1;
  e.CNT[1] = 30 + 15 * Rank(g), e.CNT[10] = 30;
}

void StartType204(Game &g, Enemy &e, int pos) {
  bool inner = pos == 0 || pos == 1;
  e.CNT[1] = inner ? 20 + 15 * Rank(g) : 30 + 25 * Rank(g);
  e.CNT[10] = inner ? 15 : 7;
}

void StartType205(Game &g, Enemy &e, int pos) {
  e.FRAME = pos == 0 ? 0 : 1;
  e.CNT[1] = 50 + 30 * Rank(g);
}

void StartType206(Game &, Enemy &e, int) {
  e.CNT[1] = 40, e.CNT[10] = 30;
}
void StartType207(Game &, Enemy &e, int) {
  e.CNT[1] = e.CNT[2] = 70, e.CNT[10] = 10, e.CNT[11] = 1;
}

void StartType208(Game &, Enemy &e, int pos) {
  e.FRAME = pos == 0 ? 0 : 1;
  e.CNT[1] = 40, e.CNT[10] = 30;
}

// The outer wings of boss 156 are the toughest and fire the slowest.
void StartType209(Game &g, Enemy &e, int pos) {
  static constexpr int kHp[3] = {600, 1200, 1600}, kHardHp[3] = {1000, 2000, 3000};
  static constexpr int kInterval[3] = {30, 20, 10};
  int pair = pos / 2;
  e.HP = g.settings.DIFF == 0 ? kHardHp[pair] : kHp[pair];
  e.FRAME = pos % 2 == 0 ? 0 : 1;
  e.CNT[10] = 20, e.CNT[1] = kInterval[pair];
  if (pair == 0) e.LOCK = 0;
}

void StartType210(Game &, Enemy &e, int) {
  e.X = 210, e.Y = -124;
  e.CNT[1] = 20;
}

void StartType211(Game &, Enemy &e, int pos) {
  e.X = pos == 0 ? 192 : 288, e.Y = -199;
  e.CNT[1] = 30, e.CNT[10] = 20;
}

}  // namespace

EntryStart BossStart(int type) {
  switch (type) {
    case 100:
      return StartType100;
    case 101:
      return StartType101;
    case 102:
      return StartType102;
    case 103:
      return StartType103;
    case 105:
      return StartType105;
    case 106:
      return StartType106;
    case 107:
      return StartType107;
    case 108:
      return StartType108;
    case 109:
      return StartType109;
    case 110:
      return StartType110;
    case 150:
      return StartType150;
    case 151:
      return StartType151;
    case 152:
      return StartType152;
    case 153:
      return StartType153;
    case 154:
      return StartType154;
    case 155:
      return StartType155;
    case 156:
      return StartType156;
    case 157:
      return StartType157;
    case 158:
      return StartType158;
    case 160:
      return StartType160;
    case 200:
      return StartType200;
    case 201:
      return StartType201;
    case 202:
      return StartType202;
    case 203:
      return StartType203;
    case 204:
      return StartType204;
    case 205:
      return StartType205;
    case 206:
      return StartType206;
    case 207:
      return StartType207;
    case 208:
      return StartType208;
    case 209:
      return StartType209;
    case 210:
      return StartType210;
    case 211:
      return StartType211;
    default:
      return nullptr;
  }
}

}  // namespace qel
