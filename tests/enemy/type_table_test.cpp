// The catalogue as one table of types: every entry whole, found by its number, drawable from
// its sheet and placeable where the schedule calls it; and every type, created as the command
// line's --spawn creates it, alive and acting without upsetting the tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "enemy/catalogue.h"
#include "enemy/debug_spawn.h"
#include "enemy/enemy.h"
#include "game.h"
#include "platform/sheets.h"
#include "stage/timeline.h"
#include "support/test_game.h"

namespace qel {
namespace {

// The positions a test creates of a type: those its entry places, at most eight.
int LastTestedPosition(const EnemyType &t) { return std::min(t.look.maxPos, 7); }

TEST(EnemyTypes, EveryEntryIsWholeAndFoundByItsNumber) {
  std::set<int> types;
  for (const EnemyType &t : AllEnemyTypes()) {
    SCOPED_TRACE("type " + std::to_string(t.type));
    EXPECT_TRUE(types.insert(t.type).second);
    EXPECT_EQ(FindEnemyType(t.type), &t);
    EXPECT_NE(t.start, nullptr);
    EXPECT_NE(t.behaviour, nullptr);
    EXPECT_LT(t.type, kDyingBoss);
    EXPECT_TRUE(HasCatalogueEntry(t.type, 0));
    EXPECT_TRUE(HasCatalogueEntry(t.type, LastTestedPosition(t)));
    EXPECT_FALSE(HasCatalogueEntry(t.type, -1));
    if (t.look.maxPos < 30) {
      EXPECT_FALSE(HasCatalogueEntry(t.type, t.look.maxPos + 1));
    }
  }
  EXPECT_GE(types.size(), 60u);
  for (int n = -1; n <= 400; ++n) {
    if (types.count(n) != 0) continue;
    EXPECT_EQ(FindEnemyType(n), nullptr) << n;
    EXPECT_FALSE(HasCatalogueEntry(n, 0)) << n;
  }
}

// A picture cut from a sheet it does not fit would show pieces of its neighbours or nothing.
TEST(EnemyTypes, EveryLookFitsItsSheetAndItsHitBoxFitsThePicture) {
  for (const EnemyType &t : AllEnemyTypes()) {
    SCOPED_TRACE("type " + std::to_string(t.type));
    const Look &l = t.look;
    const SheetSpec *colour = FindSheet(Family::EN, l.sheet);
    ASSERT_NE(colour, nullptr);
    EXPECT_NE(FindSheet(Family::ENM, l.sheet), nullptr);
    EXPECT_LE(l.h, colour->h);
    EXPECT_LE((l.frame + 1) * l.w, colour->w);
    EXPECT_GE(l.hx1, 0);
    EXPECT_GE(l.hy1, 0);
    EXPECT_LT(l.hx1, l.w);
    EXPECT_LT(l.hy1, l.h);
    if (l.hx2 >= 0) {
      EXPECT_LE(l.hx2, l.w);
    }
    if (l.hy2 >= 0) {
      EXPECT_LE(l.hy2, l.h);
    }
  }
}

// A wave the schedule can call creates only types the catalogue holds, at every position.
TEST(EnemyTypes, EveryWaveCodeCallsARegisteredTypeAtEachPosition) {
  for (int code = 1; code <= 49; ++code) {
    for (int pos = 0; pos < WaveSize(code); ++pos)
      EXPECT_TRUE(HasCatalogueEntry(code, pos)) << "code " << code << " position " << pos;
  }
  EXPECT_EQ(WaveSize(39), 0);  // no enemy of type 39 exists
}

// A game with an empty table and the ship safe in the lower middle, as the enemy tests use.
struct Field {
  explicit Field(int difficulty) {
    Game &game = g();
    for (int i = 0; i < kEnemySlots; ++i) game.enemies.ENORDER[i] = i;
    game.player.PX = 224, game.player.PY = 400, game.player.INVUL = -1;
    game.settings.DIFF = difficulty;
    game.enemies.RANK = 1;
  }
  Game &g() { return t.g(); }
  test::TestGame t;
};

bool Finite(double v) { return std::isfinite(v); }

// What is wrong with the tables, or "" when nothing is.
std::string TableProblem(const Game &g) {
  const Enemies &en = g.enemies;
  std::vector<int> order(en.ENORDER.begin(), en.ENORDER.end());
  std::sort(order.begin(), order.end());
  for (int i = 0; i < kEnemySlots; ++i)
    if (order[i] != i) return "ENORDER is no longer an order of the slots";
  if (en.WORK[0] < 0 || en.WORK[0] >= kEnemySlots) return "WORK(0) names no slot";
  for (int i = 0; i < kEnemySlots; ++i) {
    const Enemy &e = en.ENEMY[i];
    std::string slot = "slot " + std::to_string(i) + ": ";
    if (e.FLAG != 0 && e.FLAG != 1) return slot + "FLAG " + std::to_string(e.FLAG);
    if (e.FLAG == 0) continue;
    bool dying = e.MODE >= kDyingBoss && e.MODE <= kDyingPart;
    if (!dying && FindEnemyType(e.MODE) == nullptr) return slot + "MODE " + std::to_string(e.MODE);
    if (!Finite(e.X) || !Finite(e.Y) || !Finite(e.DX) || !Finite(e.DY)) return slot + "place";
    for (double v : e.VAL)
      if (!Finite(v)) return slot + "VAL";
    if (e.W <= 0 || e.H <= 0 || e.HX1 > e.HX2 || e.HY1 > e.HY2) return slot + "size or hit box";
  }
  for (std::size_t k = 0; k < en.ESHOT.size(); ++k) {
    const EnemyShot &b = en.ESHOT[k];
    std::string shot = "bullet " + std::to_string(k) + ": ";
    if (b.FLAG != 0 && b.FLAG != 1) return shot + "FLAG " + std::to_string(b.FLAG);
    if (b.FLAG == 0) continue;
    if (static_cast<int>(k) >= kEnemyShotsMade) return shot + "beyond the bullets made";
    if (!Finite(b.X) || !Finite(b.Y) || !Finite(b.DX) || !Finite(b.DY)) return shot + "place";
  }
  return "";
}

// What a frame of behaviour can change of an enemy.
struct Trace {
  explicit Trace(const Enemy &e)
      : x(e.X), y(e.Y), flag(e.FLAG), frame(e.FRAME), row(e.ROW), cnt(e.CNT), val(e.VAL) {}
  bool operator==(const Trace &o) const {
    return x == o.x && y == o.y && flag == o.flag && frame == o.frame && row == o.row && cnt == o.cnt &&
           val == o.val;
  }
  double x, y;
  int flag, frame, row;
  std::array<int, 21> cnt;
  std::array<double, 21> val;
};

// The enemy steps of a game frame, in the order GameFrame takes them.
void EnemyFrame(Game &g) {
  Enemies &en = g.enemies;
  for (int i = 0; i <= en.ENMAX; ++i)
    if (en.ENEMY[i].MODE != 0 && en.ENEMY[i].FLAG != 0) UpdateEnemy(g, i, en.ENEMY[i].MODE);
  for (int k = 0; k < static_cast<int>(en.ESHOT.size()); ++k)
    if (en.ESHOT[k].FLAG != 0) UpdateEnemyShot(g, k);
  g.shell.FRAMECNT = (g.shell.FRAMECNT + 1) & 255;
  g.shell.FRAMESTART += 33;
}

void CheckTypeInPlay(const EnemyType &t, int difficulty) {
  std::string list;
  for (int pos = 0; pos <= LastTestedPosition(t); ++pos)
    list += (pos > 0 ? "," : "") + std::to_string(t.type) + "@" + std::to_string(pos);
  SCOPED_TRACE("--spawn " + list + (difficulty == 0 ? " on HARD" : ""));
  Field field(difficulty);
  Game &g = field.g();
  std::string error;
  ASSERT_TRUE(ParseSpawnList(list, &g.config.spawns, &error)) << error;
  g.config.startStage = 2;
  g.stage.STAGETIME = 0;
  SpawnDebugEnemies(g, -1);

  int created = LastTestedPosition(t) + 1;
  std::vector<Trace> before;
  for (int i = 0; i < created; ++i) {
    const Enemy &e = g.enemies.ENEMY[i];
    ASSERT_EQ(e.FLAG, 1) << "slot " << i;
    ASSERT_EQ(e.MODE, t.type) << "slot " << i;
    EXPECT_EQ(e.SHEET, t.look.sheet);
    EXPECT_EQ(e.W, t.look.w);
    EXPECT_EQ(e.H, t.look.h);
    before.emplace_back(e);
  }
  EXPECT_EQ(g.enemies.ENEMY[created].FLAG, 0);
  ASSERT_EQ(TableProblem(g), "");

  std::vector<bool> acted(before.size(), false);
  for (int frame = 1; frame <= 120; ++frame) {
    EnemyFrame(g);
    for (int i = 0; i < created; ++i)
      if (!(Trace(g.enemies.ENEMY[i]) == before[i])) acted[i] = true;
    std::string problem = TableProblem(g);
    ASSERT_EQ(problem, "") << "after frame " << frame;
  }
  for (int i = 0; i < created; ++i) EXPECT_TRUE(acted[i]) << "slot " << i << " never acted";
}

TEST(EnemyTypes, EveryTypeCreatedAsTheSpawnOptionCreatesItActsAndKeepsTheTablesSound) {
  for (int difficulty : {1, 0})
    for (const EnemyType &t : AllEnemyTypes()) CheckTypeInPlay(t, difficulty);
}

}  // namespace
}  // namespace qel
