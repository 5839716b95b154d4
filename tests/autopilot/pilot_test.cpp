// The autopilot: dodging, determinism, skill, the screens between stages and the shop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app.h"
#include "autopilot/pilot.h"
#include "pilot_test_support.h"
#include "platform/angles.h"
#include "screens/screens_test_support.h"
#include "shop/shop.h"

namespace qel {
namespace {

using test::Maps;
using test::PilotGame;

// An enemy bullet of the small aimed kind, flying (dx, dy) from (x, y).
void PutBullet(Game &g, int slot, double x, double y, double dx, double dy) {
  EnemyShot &b = g.enemies.ESHOT[static_cast<std::size_t>(slot)];
  b = EnemyShot{};
  b.FLAG = 1, b.MODE = 6, b.SHEET = 2, b.W = 10, b.H = 10;
  b.HX1 = 2, b.HY1 = 2, b.HX2 = 7, b.HY2 = 7;
  b.DMG = 3, b.ERASE = -1;
  b.X = x, b.Y = y, b.DX = dx, b.DY = dy;
}

// The ship in play at a known place, with nothing else on the field.
void SettleShip(PilotGame &t, double x, double y) {
  ASSERT_TRUE(t.RunUntil([&] { return t.Flying(); }, 200));
  Player &p = t.p();
  p.PX = x, p.PY = y;
  p.INVUL = 0, p.PSTAT[10] = 0;
}

// Where a bullet aimed at the ship's hit box centre starts, `frames` frames away at `speed`.
struct Shot {
  double dx, dy;  // direction (normalised below)
  double speed;
  int frames;
};

TEST(PilotDodging, BulletsAimedAtTheShipMissIt) {
  // Straight down, fast and close, from the side, and a diagonal: each would hit a ship that
  // holds still (checked first), and none hits the pilot's.
  const std::vector<Shot> shots = {
      {0, 1, 14, 12}, {0, 1, 20, 8}, {1, 0, 12, 10}, {0.6, 0.8, 12, 12}, {-0.6, 0.8, 16, 9}};
  for (const Shot &s : shots) {
    for (bool withPilot : {false, true}) {
      PilotGame t(kPilotSkillMax, Maps::Empty, 9, 1, withPilot);
      t.StartUp();
      SettleShip(t, 208, 360);
      Player &p = t.p();
      double cx = p.PX + (p.HBX1 + p.HBX2) / 2.0, cy = p.PY + (p.HBY1 + p.HBY2) / 2.0;
      double len = std::hypot(s.dx, s.dy), vx = s.speed * s.dx / len, vy = s.speed * s.dy / len;
      PutBullet(t.g(), 0, cx - 5 - vx * s.frames, cy - 5 - vy * s.frames, vx, vy);
      int shield = p.SHIELD;
      t.Run(s.frames + 20);
      if (!withPilot) {
        ASSERT_LT(p.SHIELD, shield) << "the bullet " << s.dx << "," << s.dy << " must be aimed to hit";
      } else {
        EXPECT_EQ(p.SHIELD, shield) << "hit by the bullet " << s.dx << "," << s.dy << " at speed " << s.speed;
      }
    }
  }
}

TEST(PilotDodging, AFanAndARainOfBulletsAreCrossedUnhurt) {
  PilotGame t(kPilotSkillMax, Maps::Empty, 9);
  t.StartUp();
  SettleShip(t, 208, 360);
  Player &p = t.p();
  int shield = p.SHIELD;
  // A five-way fan from above the ship, then two waves of a rain with gaps.
  double cx = p.PX + 15, top = 120;
  for (int k = -2; k <= 2; ++k) PutBullet(t.g(), k + 2, cx, top, 3.0 * k, 10);
  t.Run(40);
  for (int wave = 0; wave < 2; ++wave) {
    for (int k = 0; k < 12; ++k) PutBullet(t.g(), k, 20 + 40 * k + 20 * wave, 60, 0, 9);
    t.Run(50);
  }
  EXPECT_EQ(p.SHIELD, shield);
}

TEST(PilotDodging, ALowerSkillMovesLaterAndIsHitWhereTheBestIsNot) {
  // A quick bullet straight at the ship: the best pilot steps aside at once, the weakest only
  // after its reaction time, too late.
  std::vector<int> firstMove;
  std::vector<int> damage;
  for (int skill : {kPilotSkillMax, 0}) {
    PilotGame t(skill, Maps::Empty, 9);
    t.StartUp();
    SettleShip(t, 224, 376);
    t.Run(12);  // at rest where it likes to wait
    ASSERT_EQ(t.pilot.held() & (kPilotLeft | kPilotRight | kPilotUp | kPilotDown), 0u);
    Player &p = t.p();
    PutBullet(t.g(), 0, p.PX + 15.5 - 5, p.PY + 9 - 5 - 16 * 6, 0, 16);
    int shield = p.SHIELD;
    int moved = -1;
    for (int pass = 0; pass < 30; ++pass) {
      t.Run(1);
      unsigned dirs = kPilotLeft | kPilotRight | kPilotUp | kPilotDown;
      if (moved < 0 && (t.pilot.held() & dirs) != 0) moved = pass;
    }
    firstMove.push_back(moved);
    damage.push_back(shield - p.SHIELD);
  }
  EXPECT_GE(firstMove[0], 0);
  EXPECT_GT(firstMove[1], firstMove[0]);
  EXPECT_EQ(damage[0], 0);
  EXPECT_GT(damage[1], 0);
}

TEST(PilotDodging, ItBombsWhenNoMoveEscapes) {
  PilotGame t(kPilotSkillMax, Maps::Empty, 9);
  t.StartUp();
  SettleShip(t, 208, 360);
  Player &p = t.p();
  ASSERT_EQ(p.GAUGE, 100);
  // A closing ring of bullets two frames away: no move gets out of it.
  double cx = p.PX + 15.5 - 5, cy = p.PY + 9 - 5;
  int slot = 0;
  for (int k = 0; k < 16; ++k) {
    double a = k * kPi / 8;
    PutBullet(t.g(), slot++, cx + 30 * std::cos(a), cy + 30 * std::sin(a), -15 * std::cos(a),
              -15 * std::sin(a));
  }
  t.Run(3);
  EXPECT_LT(p.GAUGE, 100) << "the bomb was not used";
  EXPECT_EQ(p.SHIELD, p.SHIELDMAX);
}

TEST(PilotPlay, TheSameGameFlownTwiceGivesTheSameKeysAndTheSameState) {
  std::vector<std::string> states;
  std::vector<std::vector<unsigned>> keys(2);
  for (int run = 0; run < 2; ++run) {
    PilotGame t(kPilotSkillMax, Maps::Real, 9, 7);
    t.StartUp();
    for (int pass = 0; pass < 2500; ++pass) {
      t.Run(1);
      keys[static_cast<std::size_t>(run)].push_back(t.pilot.held());
    }
    states.push_back(DumpStateJson(t.g()));
  }
  EXPECT_EQ(states[0], states[1]);
  EXPECT_TRUE(keys[0] == keys[1]);
  // And it did fly: it moved and it scored.
  EXPECT_NE(states[0].find("\"scene\": 0"), std::string::npos);
  EXPECT_EQ(states[0].find("\"score\": 0,"), std::string::npos) << states[0];
}

TEST(PilotPlay, TheBestPilotClearsTheFirstStageOnNormal) {
  for (std::uint64_t seed : {1u, 2u}) {
    PilotGame t(kPilotSkillMax, Maps::Real, 9, seed);
    t.StartUp();
    bool cleared =
        t.RunUntil([&] { return t.p().PSTATE == kShipFlyOutStart || t.p().PSTATE == kShipFlyingOut; }, 12000);
    t.Run(1);  // the report looks at the start of a pass
    ASSERT_FALSE(t.report.report.stages().empty());
    const StageReport &r = t.report.report.stages().front();
    EXPECT_TRUE(cleared) << "seed " << seed << ": " << t.report.report.Json();
    EXPECT_EQ(r.shipsLost, 0) << "seed " << seed;
    EXPECT_TRUE(r.cleared);
  }
}

TEST(PilotPlay, ItGoesForTheSupplyShipAndShops) {
  PilotGame t(kPilotSkillMax, Maps::Empty, 9);
  t.StartUp();
  SettleShip(t, 208, 376);
  Player &p = t.p();
  p.SCORE = 2000;
  p.SHIELD = 20;
  SpawnEffect(t.g(), 0, 30);  // a supply ship comes down one side
  bool visited = t.RunUntil([&] { return p.SCORE < 2000; }, 400);
  EXPECT_TRUE(visited) << "the shop was not reached";
  EXPECT_TRUE(t.RunUntil([&] { return t.Flying() && t.g().shell.PHASE == kShopLeft; }, 2000))
      << "the shop was not left";
}

TEST(PilotShop, ItRepairsAndArmsItselfThenLeaves) {
  PilotGame t(kPilotSkillMax, Maps::Empty, 9);
  t.StartUp();
  SettleShip(t, 208, 376);
  Player &p = t.p();
  p.SCORE = 2000;
  p.SHIELD = 10;
  t.g().shell.maxPasses = t.g().shell.passes + 3000;  // a pilot that never leaves fails instead of hanging
  try {
    VisitShop(t.g(), 1400);  // the first stage's shop: Fire, Vulcan, Multi, Wide, packs, shield refill
  } catch (const ProgramEnd &) {
    FAIL() << "the pilot did not leave the shop";
  }
  EXPECT_EQ(p.SHIELD, p.SHIELDMAX) << "no repair";
  EXPECT_EQ(p.WEAPON[0], 4) << "the Vulcan replaces the Normal";
  EXPECT_EQ(p.WEAPON[1], 2) << "the Laser stays";
  EXPECT_LT(p.SCORE, 2000 - 800);
  EXPECT_GE(p.SCORE, 0);
  EXPECT_EQ(t.g().shell.PHASE, kShopLeft);
}

TEST(PilotShop, InAFreeShopItTakesTheBestAndNothingTwice) {
  PilotGame t(kPilotSkillMax, Maps::Empty, 7);
  t.StartUp();  // the extra stage's first supply ship brings everything free
  SettleShip(t, 208, 376);
  Player &p = t.p();
  p.SCORE = 0;
  t.g().shell.maxPasses = t.g().shell.passes + 3000;
  try {
    VisitShop(t.g(), -99);
  } catch (const ProgramEnd &) {
    FAIL() << "the pilot did not leave the shop";
  }
  int w0 = p.WEAPON[0], w1 = p.WEAPON[1];
  EXPECT_NE(w0, w1);
  for (int w : {w0, w1}) EXPECT_TRUE(w == 3 || w == 4) << "took weapon " << w;
  EXPECT_EQ(p.SYSTEM, 13) << "the longer blink";
  EXPECT_EQ(p.SCORE, 0);
}

TEST(PilotScreens, FromTheOpeningIntoTheFirstStage) {
  PilotGame t(kPilotSkillMax, Maps::Empty, 0);
  t.StartUp();
  std::vector<int> scenes;
  ASSERT_TRUE(t.RunUntil(
      [&] {
        if (scenes.empty() || scenes.back() != t.g().shell.SCENE) scenes.push_back(t.g().shell.SCENE);
        return t.Flying();
      },
      3000));
  EXPECT_EQ(scenes, (std::vector<int>{kSceneOpening, kSceneTitle, kScenePrologue, kScenePlay}));
  EXPECT_EQ(t.g().stage.STAGE, 9);
}

TEST(PilotScreens, AfterAClearItPicksAMissionAndAfterTheLastShipItStartsAgain) {
  PilotGame t(kPilotSkillMax, Maps::Empty, 9);
  t.StartUp();
  ASSERT_TRUE(t.RunUntil([&] { return t.Flying(); }, 200));
  test::ClearStageNow(t.g());
  ASSERT_TRUE(t.RunUntil([&] { return t.Flying() && t.g().stage.MISSION == 1; }, 3000))
      << "no mission chosen";
  EXPECT_EQ(t.g().stage.STAGE, t.g().stage.MISSIONS[1]);
  // The last ship lost: game over, the title, and a new story game.
  t.p().CREDIT = 0;
  HitPlayer(t.g(), 1000, 0);
  bool sawGameOver = false;
  ASSERT_TRUE(t.RunUntil(
      [&] {
        sawGameOver |= t.g().shell.SCENE == kSceneGameOver;
        return sawGameOver && t.Flying();
      },
      4000));
  EXPECT_EQ(t.g().stage.STAGE, 9);
  EXPECT_EQ(t.g().stage.MISSION, 0);
}

TEST(PilotScreens, APausedGameIsResumed) {
  PilotGame t(kPilotSkillMax, Maps::Empty, 9);
  t.StartUp();
  ASSERT_TRUE(t.RunUntil([&] { return t.Flying(); }, 200));
  t.g().shell.SCENE = kScenePause;
  EXPECT_TRUE(t.RunUntil([&] { return t.g().shell.SCENE == kScenePlay; }, 40));
}

}  // namespace
}  // namespace qel
