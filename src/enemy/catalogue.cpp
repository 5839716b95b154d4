#include "enemy/catalogue.h"

#include <algorithm>

#include "enemy/enemy.h"
#include "enemy/types.h"
#include "game.h"
#include "platform/rounding.h"

namespace qel {

namespace {

// Birth flags that differ from the common initialisation, and what else the entry does.
enum LookFlag : unsigned {
  kNoHit = 1u << 0,      // NOHIT -1: no collision until its start delay runs out
  kNoRam = 1u << 1,      // NORAM -1
  kNoLock = 1u << 2,     // LOCK 0
  kNoDamage = 1u << 3,   // VULN 0
  kBossFlag = 1u << 4,   // BOSS 1
  kStageBoss = 1u << 5,  // BOSS 1, CORE -1, damaged-phase threshold, slot and gauge in WORK
  kNoGauge = 1u << 6,    // a stage boss whose gauge is shown only later by its own behaviour
  kPart = 1u << 7,       // a boss part: CNT(kPartPlace) is its place on the boss
  kOnCell = 1u << 8,     // placed on a formation cell: only positions with a cell are placed
  kRushBonus = 1u << 9,  // worth 1000 points in the boss rush
};

constexpr int kDerived = -1;  // far hit-box edge derived from the inset
constexpr int kAnyPos = 9999;
constexpr int kRushPoints = 1000;
constexpr int kBossRush = 8;

constexpr unsigned kParkedStageBoss = kStageBoss | kNoDamage | kNoLock;
constexpr unsigned kRushBoss = kParkedStageBoss | kRushBonus;
constexpr unsigned kHiddenCore = kStageBoss | kNoGauge | kNoHit | kNoRam | kNoLock;
constexpr unsigned kFixedPart = kPart | kNoHit | kNoRam | kNoLock;
constexpr unsigned kArmourPart = kPart | kNoDamage | kNoLock;
constexpr unsigned kShield = kNoRam | kNoLock | kNoDamage;
constexpr unsigned kParked = kNoDamage | kNoLock;
constexpr unsigned kHidden = kNoHit | kNoRam;
constexpr unsigned kEscortedBoss = kParkedStageBoss | kNoGauge;
constexpr int D = kDerived;
constexpr int A = kAnyPos;

// clang-format off
constexpr EnemyType kTypes[] = {
  // Columns: type; its look: sheet; w, h; hit-box insets x1, y1 and far edges x2, y2 (D:
  // derived); hit points, and on HARD (0: the same); points; flags; PRIO, FRAME, ROW; the highest
  // position the entry places (A: any). Below it, how it starts and how it behaves.
  {  1, {16,  32,  32,  5,  5, D,   D,    1,    0,  10, kNoHit,             10, 0, 0,  A},
         start::Type1,           behave::Type1},
  {  2, {16,  32,  32,  5,  5, D,   D,    1,    0,  10, kNoHit,             10, 1, 0,  A},
         start::Type2,           behave::Type2},
  {  3, { 3,  32,  32,  5,  5, D,   D,    1,    0,  10, kNoHit,             10, 0, 0,  A},
         start::Type3,           behave::Type3},
  {  4, { 3,  32,  32,  5,  5, D,   D,    1,    0,  10, kNoHit,             10, 0, 0,  A},
         start::Type4,           behave::Type4},
  {  5, {14,  32,  32,  5,  5, D,   D,   10,    0,  20, 0,                  10, 0, 0,  3},
         start::Type5,           behave::Type5},
  {  6, { 6,  32,  32,  5,  5, D,   D,    1,    0,  10, 0,                  10, 0, 0,  A},
         start::Type6,           behave::Type6},
  {  7, { 6,  32,  32,  5,  5, D,   D,    1,    0,  10, 0,                  10, 0, 0,  A},
         start::Type7,           behave::Type7},
  {  8, {10,  32,  32,  5,  5, D,   D,    1,    0,  10, 0,                  10, 0, 0,  A},
         start::Dasher,          behave::Dasher},
  {  9, {10,  32,  32,  5,  5, D,   D,    1,    0,  10, 0,                  10, 0, 0,  A},
         start::Dasher,          behave::Dasher},
  { 10, { 8,  32,  32,  5,  5, D,   D,    1,    0,  10, kHidden | kOnCell,  10, 0, 1,  7},
         start::WarpIn,          behave::WarpIn},
  { 11, { 8,  32,  32,  5,  5, D,   D,    1,    0,  10, kHidden | kOnCell,  10, 0, 1,  7},
         start::WarpIn,          behave::WarpIn},
  { 12, { 8,  32,  32,  5,  5, D,   D,    1,    0,  10, kHidden | kOnCell,  10, 0, 1,  7},
         start::WarpIn,          behave::WarpIn},
  { 13, { 8,  32,  32,  5,  5, D,   D,    1,    0,  10, kHidden,            10, 0, 1,  A},
         start::WarpIn,          behave::WarpIn},
  { 14, { 7,  32,  32,  5,  5, D,   D,    1,    0,  10, kNoHit,             10, 0, 0,  A},
         start::Type14,          behave::Type14},
  { 15, { 7,  32,  32,  5,  5, D,   D,    1,    0,  10, kNoHit,             10, 0, 0,  A},
         start::Type15,          behave::Type15},
  { 16, { 2,  32,  32,  5,  5, D,   D,    1,    0,  10, kNoHit,             10, 0, 0,  A},
         start::Type16,          behave::Type16},
  { 17, { 2,  32,  32,  5,  5, D,   D,    1,    0,  10, kNoHit,             10, 0, 0,  A},
         start::Type17,          behave::Type17},
  { 18, {12,  32,  32,  5,  5, D,   D,    1,    0,  10, kNoHit,             10, 0, 0,  A},
         start::Type18,          behave::Type18},
  { 19, {12,  32,  32,  5,  5, D,   D,   10,    0,  20, kNoHit,             10, 2, 0,  1},
         start::Type19,          behave::Type19},
  { 20, {12,  32,  32,  5,  5, D,   D,   10,    0,  20, 0,                  10, 1, 0,  1},
         start::Type20,          behave::Type20},
  { 21, { 4,  32,  32,  5,  5, D,   D,    7,    0,  20, 0,                  10, 0, 0,  A},
         start::Type21,          behave::Type21},
  { 22, {17,  32,  32,  4,  0, D,   D,    7,    0,  20, kNoRam,              1, 0, 0,  1},
         start::ColumnVehicle,   behave::ColumnVehicle},
  { 23, {17,  32,  32,  4,  0, D,   D,    7,    0,  20, kNoRam,              1, 0, 0,  1},
         start::ColumnVehicle,   behave::ColumnVehicle},
  { 24, {17,  32,  32,  4,  0, D,   D,    7,    0,  20, kNoRam,              1, 0, 0,  1},
         start::ColumnVehicle,   behave::ColumnVehicle},
  { 25, {17,  32,  32,  4,  0, D,   D,    7,    0,  20, kNoRam,              1, 0, 0,  1},
         start::ColumnVehicle,   behave::ColumnVehicle},
  { 26, { 4,  32,  32,  5,  5, D,   D,    7,    0,  20, kNoHit,             10, 0, 0,  A},
         start::Type26,          behave::Type26},
  { 27, { 1,  32,  32,  5,  5, D,   D,    1,    0,  10, 0,                  10, 0, 0,  A},
         start::Type27,          behave::Type27},
  { 28, {15,  32,  32,  5,  5, D,   D,    1,    0,  10, 0,                  10, 0, 0,  A},
         start::Type28,          behave::Type28},
  { 29, {15,  32,  32,  5,  5, D,   D,    1,    0,  10, 0,                  10, 0, 0,  A},
         start::Type29,          behave::Type29},
  { 30, {11, 162,  34,  1,  5, D,   D,   30,    0,  30, 0,                  30, 0, 0,  A},
         start::Type30,          behave::Type30},
  { 31, {20,  48,  48,  2,  2, D,   D,   17,    0,  30, 0,                  10, 0, 0,  1},
         start::Type31,          behave::Type31},
  { 32, {20,  48,  48,  2,  2, D,   D,   17,    0,  30, 0,                  10, 0, 0,  3},
         start::Type32,          behave::Type32},
  { 33, {20,  48,  48,  2,  2, D,   D,   17,    0,  30, 0,                  10, 0, 1,  1},
         start::Type33,          behave::Type33},
  { 34, {20,  48,  48,  2,  2, D,   D,   17,    0,  30, 0,                  10, 0, 1,  1},
         start::Type34,          behave::Type34},
  { 35, {20,  48,  48,  2,  2, D,   D,   17,    0,  30, 0,                  10, 0, 2,  2},
         start::Type35,          behave::Type35},
  { 36, {20,  48,  48,  2,  2, D,   D,   17,    0,  30, 0,                  10, 0, 2,  1},
         start::Type36,          behave::Type36},
  { 37, {20,  48,  48,  2,  2, D,   D,   17,    0,  30, 0,                  10, 0, 3,  1},
         start::Type37,          behave::Crosser},
  { 38, {20,  48,  48,  2,  2, D,   D,   17,    0,  30, 0,                  10, 0, 3,  1},
         start::Type38,          behave::Crosser},
  { 40, {18,  32,  32,  5,  5, D,   D,   10,    0,  20, kNoHit,             10, 0, 0,  A},
         start::Type40,          behave::Rock},
  { 41, {19,  48,  48,  5,  5, D,   D,   20,    0,  30, kNoHit,             10, 0, 0,  A},
         start::Type41,          behave::Rock},
  { 42, {18,  32,  32,  5,  5, D,   D,   10,    0,  20, 0,                  10, 0, 0,  A},
         start::Type42,          behave::Rock},
  { 50, { 9,  32,  32,  4,  4, D,   D,    8,    0,  10, kNoRam,              1, 0, 0,  A},
         start::Type50,          behave::Type50},
  { 51, {13,  32,  32,  4,  4, D,   D,   13,    0,  20, kNoRam,              1, 0, 0,  A},
         start::Type51,          behave::Type51},
  { 52, {17,  32,  32,  4,  0, D,   D,    9,    0,  20, kNoRam,              1, 0, 0,  A},
         start::GroundVehicle,   behave::GroundVehicle},
  { 53, {17,  32,  32,  4,  0, D,   D,    9,    0,  20, kNoRam,              1, 0, 0,  A},
         start::GroundVehicle,   behave::GroundVehicle},
  { 54, {17,  32,  32,  4,  0, D,   D,    9,    0,  20, kNoRam,              1, 0, 0,  A},
         start::GroundVehicle,   behave::GroundVehicle},
  { 55, {17,  32,  32,  4,  0, D,   D,    8,    0,   0, kNoRam,              1, 0, 0, 30},
         start::LaunchedVehicle, behave::LaunchedVehicle},
  { 56, {17,  32,  32,  4,  0, D,   D,    8,    0,   0, kNoRam,              1, 0, 0, 30},
         start::LaunchedVehicle, behave::LaunchedVehicle},
  { 60, {44,  16,  16,  2,  2, D,   D,    8,    0,  10, 0,                  10, 0, 0, 30},
         start::Type60,          behave::Type60},
  // Mid-bosses and special enemies.
  {100, {21,  60,  60,  5,  5, D,   D,  350,    0, 100, kBossFlag,          10, 3, 0,  A},
         start::Type100,         behave::Type100},
  {101, {21,  60,  60,  5,  5, D,   D,  500,    0, 100, kBossFlag,          10, 0, 0,  A},
         start::Type101,         behave::Type101},
  {102, {21,  60,  60,  5,  5, D,   D,  600,    0, 100, kBossFlag,          10, 1, 0,  A},
         start::Type102,         behave::Type102},
  {103, {21,  60,  60,  5,  5, D,   D,  400,    0, 100, kBossFlag | kNoHit, 10, 2, 1,  A},
         start::Type103,         behave::Type103},
  {105, {22,  32,  32,  5,  5, D,   D,  200,  400, 100, 0,                  10, 0, 0,  1},
         start::Type105,         behave::Type105},
  {106, {27,  32,  32,  5,  5, D,   D,  200,  400, 100, kHidden,             1, 0, 0,  A},
         start::Type106,         behave::Type106},
  {107, {26,  32,  32,  5,  5, D,   D,  150,  300, 100, kParked,            10, 0, 0,  1},
         start::Type107,         behave::Type107},
  {108, {35,  32,  32,  5,  5, D,   D,  200,  300, 100, 0,                  10, 0, 0,  5},
         start::Type108,         behave::Type108},
  {109, { 5,  32,  32,  5,  5, D,   D,  300,    0, 100, kHidden | kOnCell,   1, 0, 0,  7},
         start::Type109,         behave::Type109},
  {110, {46,  64,  64,  1,  5, D,   D,   20,    0,   0, kShield,             3, 0, 0,  A},
         start::Type110,         behave::Type110},
  // Stage bosses.
  {150, {24,  46, 100,  5,  5, D,   D,  500,    0, 300, kRushBoss,          10, 0, 0,  A},
         start::Type150,         behave::Type150},
  {151, {31,  32, 128,  5,  5, D,   D,  600,    0, 300, kRushBoss,          10, 0, 0,  A},
         start::Type151,         behave::Type151},
  {152, {34,  40, 120,  1,  5, D,   D,  800,    0, 300, kRushBoss,          20, 0, 0,  A},
         start::Type152,         behave::Type152},
  {153, {28,  96,  96,  5,  5, D,   D,  700,    0, 300, kRushBoss,          10, 0, 0,  A},
         start::Type153,         behave::Type153},
  {154, {37,  96,  64, 32,  5, D,   D,  800,    0, 500, kParkedStageBoss,   10, 0, 0,  A},
         start::Type154,         behave::Type154},
  {155, {40,  50, 120,  1,  5, D,   D,  800,    0, 500, kParkedStageBoss,   10, 0, 0,  A},
         start::Type155,         behave::Type155},
  {156, {40,  50, 120,  1,  5, D,   D, 1000,    0, 500, kParkedStageBoss,   10, 0, 0,  A},
         start::Type156,         behave::Type156},
  {157, {46,  64,  64,  1,  5, D,   D,  400,    0,   0, kHiddenCore,         2, 4, 0,  A},
         start::Type157,         behave::Type157},
  // The mother computer shows its gauge only when its escorts are gone.
  {158, {41,  64,  64,  5,  5, D,   D,  300,    0, 500, kEscortedBoss,      10, 0, 0,  A},
         start::Type158,         behave::Type158},
  {160, {21,  60,  60,  5,  5, D,   D,  500,    0, 500, kStageBoss,         10, 4, 0,  A},
         start::Type160,         behave::Type160},
  // Boss parts.
  {200, {25,  40,  70,  1,  1, D,   D,  300,  600, 200, kPart,              10, 0, 0,  A},
         start::Type200,         behave::FixedPart},
  {201, {23,  40,  50,  1,  1, D,   D,  200,  400, 200, kPart,              10, 0, 0,  A},
         start::Type201,         behave::FixedPart},
  {202, {29,  32,  64,  1,  5, D,   D,  300,  600, 100, kPart,              10, 0, 0,  5},
         start::Type202,         behave::FixedPart},
  {203, {30,  32,  96,  1,  5, D,   D,  500, 1000, 200, kPart,              10, 0, 0,  A},
         start::Type203,         behave::FixedPart},
  {204, {33,  60,  90,  1,  5, D,   D,  300,  600, 200, kPart,              25, 0, 0,  A},
         start::Type204,         behave::FixedPart},
  {205, {32,  80, 150,  5, 70, D, 120,    6,    0,   0, kArmourPart,        30, 0, 0,  A},
         start::Type205,         behave::FixedPart},
  {206, {36,  32,  96,  5,  5, D,   D,  300,  600, 200, kPart,              25, 0, 0,  A},
         start::Type206,         behave::FixedPart},
  {207, {38,  48, 100,  1,  5, D,   D,  400,  800, 200, kPart,              10, 0, 0,  A},
         start::Type207,         behave::FixedPart},
  {208, {39,  64, 150,  3, 20, D, 145,  300,  600, 300, kPart,              10, 0, 0,  A},
         start::Type208,         behave::FixedPart},
  {209, {39,  64, 150,  1,  5, D,   D,    0,    0, 200, kPart,              10, 0, 0,  5},
         start::Type209,         behave::FixedPart},
  {210, {43,  80,  40,  1,  5, D,   D,    0,    0,   0, kFixedPart,          1, 0, 0,  A},
         start::Type210,         behave::Type210},
  {211, {42,  24,  24,  1,  5, D,   D,    0,    0,   0, kFixedPart,          1, 0, 0,  1},
         start::Type211,         behave::Type211},
};
// clang-format on

// Every type has all it needs to be created and to act, once, in order, and none is a number
// a dying boss takes.
[[maybe_unused]] constexpr bool EveryTypeComplete() {
  int previous = 0;
  for (const EnemyType &t : kTypes) {
    const Look &l = t.look;
    if (t.type <= previous || t.type >= kDyingBoss) return false;
    if (t.start == nullptr || t.behaviour == nullptr) return false;
    if (l.w <= 0 || l.h <= 0 || l.maxPos < 0) return false;
    previous = t.type;
  }
  return true;
}
// Instrumented builds cannot compare function addresses while compiling; the normal build checks.
#ifndef QELVANE_INSTRUMENTED
static_assert(EveryTypeComplete(), "an enemy type lacks its start or behaviour, or comes twice");
#endif

void ApplyLook(Game &g, Enemy &e, const Look &l) {
  e.SHEET = l.sheet, e.W = l.w, e.H = l.h;
  e.HX1 = l.hx1, e.HY1 = l.hy1;
  e.HP = g.settings.DIFF == 0 && l.hardHp != 0 ? l.hardHp : l.hp;
  e.PTS = l.pts;
  e.PRIO = l.prio, e.FRAME = l.frame, e.ROW = l.row;
  if (l.flags & kNoHit) e.NOHIT = -1;
  if (l.flags & kNoRam) e.NORAM = -1;
  if (l.flags & kNoLock) e.LOCK = 0;
  if (l.flags & kNoDamage) e.VULN = 0;
  if (l.flags & (kBossFlag | kStageBoss)) e.BOSS = 1;
  if (l.flags & kStageBoss) e.CORE = -1;
}

// A part places itself on its boss at its first update; until then it sits on the boss's
// corner rather than wherever its slot's last enemy was.
void PlaceOnBoss(Game &g, Enemy &e, int pos) {
  int boss = g.enemies.WORK[0];
  if (boss >= 0 && boss < kEnemySlots) e.X = g.enemies.ENEMY[boss].X, e.Y = g.enemies.ENEMY[boss].Y;
  e.CNT[kPartPlace] = pos;
}

int FarEdge(int size, double inset, int given) {
  return given != kDerived ? given : RoundHalfEven(size - (inset + 1));
}

// Every stage boss records its slot and full hit points for the gauge and its parts.
void SetUpStageBoss(Game &g, Enemy &e, int slot, const Look &l) {
  e.CNT[kDamagedBelow] = e.HP / 2;
  auto &work = g.enemies.WORK;
  work[0] = slot;
  if (!(l.flags & kNoGauge)) work[8] = 1;
  work[9] = e.HP;
  if ((l.flags & kRushBonus) && g.stage.STAGE == kBossRush) e.PTS = kRushPoints;
}

}  // namespace

const EnemyType *FindEnemyType(int type) {
  const EnemyType *end = std::end(kTypes);
  const EnemyType *t =
      std::lower_bound(std::begin(kTypes), end, type, [](const EnemyType &a, int b) { return a.type < b; });
  return t != end && t->type == type ? t : nullptr;
}

EnemyTypeList AllEnemyTypes() { return {std::begin(kTypes), std::end(kTypes)}; }

bool HasCatalogueEntry(int type, int pos) {
  const EnemyType *t = FindEnemyType(type);
  if (!t || pos < 0 || pos > t->look.maxPos) return false;
  int col = 0, row = 0;
  return !(t->look.flags & kOnCell) || FormationCell(type, pos, &col, &row);
}

void ApplyCatalogueEntry(Game &g, int slot, int pos, int type) {
  const EnemyType *t = FindEnemyType(type);
  if (!t) return;
  const Look &l = t->look;
  Enemy &e = g.enemies.ENEMY[slot];
  ApplyLook(g, e, l);
  if (l.flags & kPart) PlaceOnBoss(g, e, pos);
  t->start(g, e, pos);
  e.HX2 = FarEdge(e.W, e.HX1, l.hx2);
  e.HY2 = FarEdge(e.H, e.HY1, l.hy2);
  if (l.flags & kStageBoss) SetUpStageBoss(g, e, slot, l);
}

}  // namespace qel
