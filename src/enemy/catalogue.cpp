#include "enemy/catalogue.h"

#include "game.h"
#include "platform/rounding.h"

namespace qel {

namespace {

// Birth flags that differ from the common initialisation.
enum LookFlag : unsigned {
  kNoHit = 1u << 0,      // NOHIT -1: no collision until its start delay runs out
  kNoRam = 1u << 1,      // NORAM -1
  kNoLock = 1u << 2,     // LOCK 0
  kNoDamage = 1u << 3,   // VULN 0
  kBossFlag = 1u << 4,   // BOSS 1
  kStageBoss = 1u << 5,  // BOSS 1, CORE -1, damaged-phase threshold, slot and gauge in WORK
  kNoGauge = 1u << 6,    // a stage boss whose gauge is shown only later by its own behaviour
  kPart = 1u << 7,       // a boss part: CNT(5) is its place on the boss
};

constexpr int kDerived = -1;  // far hit-box edge derived from the inset
constexpr int kAnyPos = 9999;

// The data of an entry: picture, hit box, toughness, worth and birth flags.
struct Look {
  int first, last;
  int sheet, w, h;
  int hx1, hy1, hx2, hy2;
  int hp, hardHp;  // hardHp 0: the same on HARD
  int pts;
  unsigned flags;
  int prio, frame, row;
  int maxPos;  // the highest position the entry places
};

constexpr unsigned kParkedStageBoss = kStageBoss | kNoDamage | kNoLock;
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
constexpr Look kLooks[] = {
  // Columns: types first..last; sheet; w, h; hit-box insets x1, y1 and far edges x2, y2
  // (D: derived); hit points, and on HARD (0: the same); points; flags; PRIO, FRAME, ROW; the
  // highest position the entry places (A: any).
  {  1,   1, 16,  32,  32,  5,  5, D,   D,    1,    0,  10, kNoHit,             10, 0, 0,  A},
  {  2,   2, 16,  32,  32,  5,  5, D,   D,    1,    0,  10, kNoHit,             10, 1, 0,  A},
  {  3,   4,  3,  32,  32,  5,  5, D,   D,    1,    0,  10, kNoHit,             10, 0, 0,  A},
  {  5,   5, 14,  32,  32,  5,  5, D,   D,   10,    0,  20, 0,                  10, 0, 0,  3},
  {  6,   7,  6,  32,  32,  5,  5, D,   D,    1,    0,  10, 0,                  10, 0, 0,  A},
  {  8,   9, 10,  32,  32,  5,  5, D,   D,    1,    0,  10, 0,                  10, 0, 0,  A},
  { 10,  12,  8,  32,  32,  5,  5, D,   D,    1,    0,  10, kHidden,            10, 0, 1,  7},
  { 13,  13,  8,  32,  32,  5,  5, D,   D,    1,    0,  10, kHidden,            10, 0, 1,  A},
  { 14,  15,  7,  32,  32,  5,  5, D,   D,    1,    0,  10, kNoHit,             10, 0, 0,  A},
  { 16,  17,  2,  32,  32,  5,  5, D,   D,    1,    0,  10, kNoHit,             10, 0, 0,  A},
  { 18,  18, 12,  32,  32,  5,  5, D,   D,    1,    0,  10, kNoHit,             10, 0, 0,  A},
  { 19,  19, 12,  32,  32,  5,  5, D,   D,   10,    0,  20, kNoHit,             10, 2, 0,  1},
  { 20,  20, 12,  32,  32,  5,  5, D,   D,   10,    0,  20, 0,                  10, 1, 0,  1},
  { 21,  21,  4,  32,  32,  5,  5, D,   D,    7,    0,  20, 0,                  10, 0, 0,  A},
  { 22,  25, 17,  32,  32,  4,  0, D,   D,    7,    0,  20, kNoRam,              1, 0, 0,  1},
  { 26,  26,  4,  32,  32,  5,  5, D,   D,    7,    0,  20, kNoHit,             10, 0, 0,  A},
  { 27,  27,  1,  32,  32,  5,  5, D,   D,    1,    0,  10, 0,                  10, 0, 0,  A},
  { 28,  29, 15,  32,  32,  5,  5, D,   D,    1,    0,  10, 0,                  10, 0, 0,  A},
  { 30,  30, 11, 162,  34,  1,  5, D,   D,   30,    0,  30, 0,                  30, 0, 0,  A},
  { 31,  31, 20,  48,  48,  2,  2, D,   D,   17,    0,  30, 0,                  10, 0, 0,  1},
  { 32,  32, 20,  48,  48,  2,  2, D,   D,   17,    0,  30, 0,                  10, 0, 0,  3},
  { 33,  34, 20,  48,  48,  2,  2, D,   D,   17,    0,  30, 0,                  10, 0, 1,  1},
  { 35,  35, 20,  48,  48,  2,  2, D,   D,   17,    0,  30, 0,                  10, 0, 2,  2},
  { 36,  36, 20,  48,  48,  2,  2, D,   D,   17,    0,  30, 0,                  10, 0, 2,  1},
  { 37,  38, 20,  48,  48,  2,  2, D,   D,   17,    0,  30, 0,                  10, 0, 3,  1},
  { 40,  40, 18,  32,  32,  5,  5, D,   D,   10,    0,  20, kNoHit,             10, 0, 0,  A},
  { 41,  41, 19,  48,  48,  5,  5, D,   D,   20,    0,  30, kNoHit,             10, 0, 0,  A},
  { 42,  42, 18,  32,  32,  5,  5, D,   D,   10,    0,  20, 0,                  10, 0, 0,  A},
  { 50,  50,  9,  32,  32,  4,  4, D,   D,    8,    0,  10, kNoRam,              1, 0, 0,  A},
  { 51,  51, 13,  32,  32,  4,  4, D,   D,   13,    0,  20, kNoRam,              1, 0, 0,  A},
  { 52,  54, 17,  32,  32,  4,  0, D,   D,    9,    0,  20, kNoRam,              1, 0, 0,  A},
  { 55,  56, 17,  32,  32,  4,  0, D,   D,    8,    0,   0, kNoRam,              1, 0, 0, 30},
  { 60,  60, 44,  16,  16,  2,  2, D,   D,    8,    0,  10, 0,                  10, 0, 0, 30},
  // Mid-bosses and special enemies.
  {100, 100, 21,  60,  60,  5,  5, D,   D,  350,    0, 100, kBossFlag,          10, 3, 0,  A},
  {101, 101, 21,  60,  60,  5,  5, D,   D,  500,    0, 100, kBossFlag,          10, 0, 0,  A},
  {102, 102, 21,  60,  60,  5,  5, D,   D,  600,    0, 100, kBossFlag,          10, 1, 0,  A},
  {103, 103, 21,  60,  60,  5,  5, D,   D,  400,    0, 100, kBossFlag | kNoHit, 10, 2, 1,  A},
  {105, 105, 22,  32,  32,  5,  5, D,   D,  200,  400, 100, 0,                  10, 0, 0,  1},
  {106, 106, 27,  32,  32,  5,  5, D,   D,  200,  400, 100, kHidden,             1, 0, 0,  A},
  {107, 107, 26,  32,  32,  5,  5, D,   D,  150,  300, 100, kParked,            10, 0, 0,  1},
  {108, 108, 35,  32,  32,  5,  5, D,   D,  200,  300, 100, 0,                  10, 0, 0,  5},
  {109, 109,  5,  32,  32,  5,  5, D,   D,  300,    0, 100, kHidden,             1, 0, 0,  7},
  {110, 110, 46,  64,  64,  1,  5, D,   D,   20,    0,   0, kShield,             3, 0, 0,  A},
  // Stage bosses.
  {150, 150, 24,  46, 100,  5,  5, D,   D,  500,    0, 300, kParkedStageBoss,   10, 0, 0,  A},
  {151, 151, 31,  32, 128,  5,  5, D,   D,  600,    0, 300, kParkedStageBoss,   10, 0, 0,  A},
  {152, 152, 34,  40, 120,  1,  5, D,   D,  800,    0, 300, kParkedStageBoss,   20, 0, 0,  A},
  {153, 153, 28,  96,  96,  5,  5, D,   D,  700,    0, 300, kParkedStageBoss,   10, 0, 0,  A},
  {154, 154, 37,  96,  64, 32,  5, D,   D,  800,    0, 500, kParkedStageBoss,   10, 0, 0,  A},
  {155, 155, 40,  50, 120,  1,  5, D,   D,  800,    0, 500, kParkedStageBoss,   10, 0, 0,  A},
  {156, 156, 40,  50, 120,  1,  5, D,   D, 1000,    0, 500, kParkedStageBoss,   10, 0, 0,  A},
  {157, 157, 46,  64,  64,  1,  5, D,   D,  400,    0,   0, kHiddenCore,         2, 4, 0,  A},
  // The mother computer shows its gauge only when its escorts are gone.
  {158, 158, 41,  64,  64,  5,  5, D,   D,  300,    0, 500, kEscortedBoss,      10, 0, 0,  A},
  {160, 160, 21,  60,  60,  5,  5, D,   D,  500,    0, 500, kStageBoss,         10, 4, 0,  A},
  // Boss parts.
  {200, 200, 25,  40,  70,  1,  1, D,   D,  300,  600, 200, kPart,              10, 0, 0,  A},
  {201, 201, 23,  40,  50,  1,  1, D,   D,  200,  400, 200, kPart,              10, 0, 0,  A},
  {202, 202, 29,  32,  64,  1,  5, D,   D,  300,  600, 100, kPart,              10, 0, 0,  5},
  {203, 203, 30,  32,  96,  1,  5, D,   D,  500, 1000, 200, kPart,              10, 0, 0,  A},
  {204, 204, 33,  60,  90,  1,  5, D,   D,  300,  600, 200, kPart,              25, 0, 0,  A},
  {205, 205, 32,  80, 150,  5, 70, D, 120,    6,    0,   0, kArmourPart,        30, 0, 0,  A},
  {206, 206, 36,  32,  96,  5,  5, D,   D,  300,  600, 200, kPart,              25, 0, 0,  A},
  {207, 207, 38,  48, 100,  1,  5, D,   D,  400,  800, 200, kPart,              10, 0, 0,  A},
  {208, 208, 39,  64, 150,  3, 20, D, 145,  300,  600, 300, kPart,              10, 0, 0,  A},
  {209, 209, 39,  64, 150,  1,  5, D,   D,    0,    0, 200, kPart,              10, 0, 0,  5},
  {210, 210, 43,  80,  40,  1,  5, D,   D,    0,    0,   0, kFixedPart,          1, 0, 0,  A},
  {211, 211, 42,  24,  24,  1,  5, D,   D,    0,    0,   0, kFixedPart,          1, 0, 0,  1},
};
// clang-format on

const Look *FindLook(int type) {
  for (const Look &l : kLooks)
    if (type >= l.first && type <= l.last) return &l;
  return nullptr;
}

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
  e.CNT[5] = pos;
}

int FarEdge(int size, double inset, int given) {
  return given != kDerived ? given : RoundHalfEven(size - (inset + 1));
}

// Every stage boss records its slot and full hit points for the gauge and its parts.
void SetUpStageBoss(Game &g, Enemy &e, int slot, const Look &l, int type) {
  e.CNT[12] = e.HP / 2;
  auto &work = g.enemies.WORK;
  work[0] = slot;
  if (!(l.flags & kNoGauge)) work[8] = 1;
  work[9] = e.HP;
  // In the boss rush the first four bosses are worth more.
  if (type >= 150 && type <= 153 && g.stage.STAGE == 8) e.PTS = 1000;
}

}  // namespace

bool HasCatalogueEntry(int type, int pos) {
  const Look *l = FindLook(type);
  if (!l || pos < 0 || pos > l->maxPos) return false;
  int col = 0, row = 0;
  bool celled = (type >= 10 && type <= 12) || type == 109;
  return !celled || FormationCell(type, pos, &col, &row);
}

void ApplyCatalogueEntry(Game &g, int slot, int pos, int type) {
  const Look *l = FindLook(type);
  if (!l) return;
  Enemy &e = g.enemies.ENEMY[slot];
  ApplyLook(g, e, *l);
  if (l->flags & kPart) PlaceOnBoss(g, e, pos);
  if (EntryStart start = type < 100 ? OrdinaryStart(type) : BossStart(type)) start(g, e, pos);
  e.HX2 = FarEdge(e.W, e.HX1, l->hx2);
  e.HY2 = FarEdge(e.H, e.HY1, l->hy2);
  if (l->flags & kStageBoss) SetUpStageBoss(g, e, slot, *l, type);
}

}  // namespace qel
