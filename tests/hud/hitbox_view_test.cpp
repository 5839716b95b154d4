// The hit-box view: its outlines enclose exactly where the game's collisions hit, it shows them
// only over play, and the game it watches plays exactly as without it.
#include "hud/hitbox_view.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>

#include "app/app.h"
#include "autopilot/autopilot_host.h"
#include "game.h"
#include "replay/replay_test_support.h"
#include "replay/state.h"
#include "shell/shell.h"
#include "stage/stage.h"

namespace qel {
namespace {

bool IsOutlineColour(Pixel p) {
  return p == hitbox_colour::kShip || p == hitbox_colour::kEnemy || p == hitbox_colour::kBullet ||
         p == hitbox_colour::kShot;
}

// Between the view and the host: compares every picture that reaches the host with the game's
// own, counting the pictures with outlines and any changed pixel that is no outline colour.
class FrameWatch : public HostDecorator {
 public:
  using HostDecorator::HostDecorator;
  void Present(const Surface &shown) override {
    const Surface &own = game_->surf.MSCREEN;
    bool drawn = false;
    for (std::size_t i = 0; i < own.px.size(); ++i) {
      if (shown.px[i] == own.px[i]) continue;
      drawn = true;
      if (!IsOutlineColour(shown.px[i])) ++foreignPixels;
    }
    presents += 1;
    outlined += drawn ? 1 : 0;
    HostDecorator::Present(shown);
  }
  int presents = 0, outlined = 0;
  long foreignPixels = 0;
};

// The four object kinds live at once on a stage in play, the ship under test control, with the
// view between the game and the host.
class HitboxViewTest : public ::testing::Test {
 protected:
  void Build(const std::function<void(GameConfig &)> &configure) {
    GameConfig cfg;
    cfg.dataDir = test::CopyBuildData(dir);
    cfg.seed = 31, cfg.seeded = true;
    configure(cfg);
    game = std::make_unique<Game>(view, test::SharedSheets(), test::SharedText(), cfg);
    watch.Attach(*game);
    view.Attach(*game);
  }
  void StartInPlay() {
    Build([](GameConfig &c) { c.startStage = 1; });
    StartUp(g());
    ClearObjectTables(g());
    Player &p = g().player;
    p.PSTATE = kShipPlay, p.PX = 200, p.PY = 300, p.INVUL = 0, p.PSTAT[10] = 0;
  }
  Game &g() { return *game; }
  void Pass() { RunPass(g()); }

  // A still enemy, enemy bullet and player shot at fractional places: the enemy's box is rounded
  // by its rule, the others' keep their fractions.
  void PlaceLiveObjects() {
    Enemy &e = g().enemies.ENEMY[0];
    e = Enemy{};
    e.X = 100.5, e.Y = 60.5, e.W = e.H = 32;  // edges at .5: the enemy's box is rounded
    e.HX1 = e.HY1 = 5, e.HX2 = e.HY2 = 27;
    e.FLAG = 1, e.HP = 1000, e.VULN = -1;
    EnemyShot &b = g().enemies.ESHOT[0];
    b = EnemyShot{};
    b.X = 300.25, b.Y = 100.75, b.W = b.H = 8;
    b.HX1 = b.HY1 = 1, b.HX2 = b.HY2 = 6;
    b.FLAG = 1, b.DMG = 1, b.PERSIST = -1;
    PlayerShot &s = g().player.PSHOT[0];
    s = PlayerShot{};
    s.X = 150.5, s.Y = 200.25, s.W = s.H = 8;
    s.HX1 = s.HY1 = 1.5, s.HX2 = s.HY2 = 5;
    s.FLAG = 1, s.POW = 1, s.PIERCE = -1;
  }

  // Runs probe on the game as it stands and puts the ship, the enemies and the effects back.
  bool Probe(const std::function<bool()> &probe) {
    Player player = g().player;
    Enemies enemies = g().enemies;
    Effects effects = g().effects;
    Audio audio = g().audio;
    bool hit = probe();
    g().player = player, g().enemies = enemies, g().effects = effects, g().audio = audio;
    return hit;
  }
  // A bullet one pixel square at (x, y) against the ship.
  bool BulletHitsShip(int x, int y) {
    return Probe([&] {
      EnemyShot &b = g().enemies.ESHOT[1];
      b = EnemyShot{};
      b.X = x, b.Y = y, b.W = b.H = 1, b.HX2 = b.HY2 = 1;
      b.FLAG = 1, b.DMG = 1;
      int shield = g().player.SHIELD;
      UpdateEnemyShot(g(), 1);
      return g().player.SHIELD < shield;
    });
  }
  // A ship one pixel square at (x, y) against bullet 0.
  bool ShipIsHitByBullet(int x, int y) {
    return Probe([&] {
      Player &p = g().player;
      p.HBX1 = p.HBY1 = 0, p.HBX2 = p.HBY2 = 1;
      p.PX = x, p.PY = y;
      int shield = p.SHIELD;
      UpdateEnemyShot(g(), 0);
      return p.SHIELD < shield;
    });
  }
  // A player shot one pixel square at (x, y) against enemy 0.
  bool ShotHitsEnemy(int x, int y) {
    return Probe([&] {
      PlayerShot &s = g().player.PSHOT[1];
      s = PlayerShot{};
      s.X = x, s.Y = y, s.W = s.H = 1, s.HX2 = s.HY2 = 1;
      s.FLAG = 1, s.POW = 1;
      UpdatePlayerShots(g());
      return g().enemies.ENEMY[0].HP < 1000;
    });
  }
  // An enemy one pixel square at (x, y) against the player shots.
  bool EnemyIsHitByShot(int x, int y) {
    return Probe([&] {
      Enemy &e = g().enemies.ENEMY[1];
      e = Enemy{};
      e.X = x, e.Y = y, e.W = e.H = 1, e.HX2 = e.HY2 = 1;
      e.FLAG = 1, e.HP = 1000, e.VULN = -1;
      UpdatePlayerShots(g());
      return e.HP < 1000;
    });
  }

  // The pixels of this colour that the view added to the game's picture must form one closed
  // one-pixel rectangle; gives its corners.
  struct Outline {
    int x1 = std::numeric_limits<int>::max(), y1 = x1, x2 = -1, y2 = -1;
    bool Encloses(int x, int y) const { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }
    bool OnBorder(int x, int y) const { return Encloses(x, y) && (x == x1 || x == x2 || y == y1 || y == y2); }
  };
  Outline FindOutline(Pixel colour) {
    const Surface &shown = host.lastFrame, &own = g().surf.MSCREEN;
    auto added = [&](int x, int y) { return shown.at(x, y) != own.at(x, y) && shown.at(x, y) == colour; };
    Outline o;
    for (int y = 0; y < shown.h; ++y)
      for (int x = 0; x < shown.w; ++x)
        if (added(x, y)) {
          o.x1 = std::min(o.x1, x), o.y1 = std::min(o.y1, y);
          o.x2 = std::max(o.x2, x), o.y2 = std::max(o.y2, y);
        }
    EXPECT_LE(o.x1, o.x2) << "no outline in colour " << std::hex << colour;
    for (int y = 0; y < shown.h; ++y)
      for (int x = 0; x < shown.w; ++x)
        if (added(x, y) != o.OnBorder(x, y)) {
          ADD_FAILURE() << "outline " << std::hex << colour << std::dec << " not a clean border at " << x
                        << ", " << y;
          return o;
        }
    return o;
  }
  // Around and inside the outline, a one-pixel probe hits exactly where the outline encloses it.
  void ExpectHitsExactlyWithin(const Outline &o, const std::function<bool(int, int)> &hitAt,
                               const char *what) {
    for (int y = o.y1 - 2; y <= o.y2 + 2; ++y)
      for (int x = o.x1 - 2; x <= o.x2 + 2; ++x)
        ASSERT_EQ(hitAt(x, y), o.Encloses(x, y)) << what << " at " << x << ", " << y;
  }

  test::TempDir dir;
  HeadlessHost host;
  FrameWatch watch{host};
  HitboxView view{watch};
  std::unique_ptr<Game> game;
};

TEST_F(HitboxViewTest, EachOutlineEnclosesExactlyWhereItsCollisionHits) {
  StartInPlay();
  PlaceLiveObjects();
  Pass();
  ASSERT_EQ(g().shell.SCENE, kScenePlay);
  ASSERT_EQ(g().player.PSTATE, kShipPlay);
  // The outlines were found as differences from the game's own picture: it has none of them.
  Outline ship = FindOutline(hitbox_colour::kShip);
  EXPECT_GE(ship.x1, 200);  // on the ship's 32 x 32 sprite
  EXPECT_LE(ship.x2, 231);
  EXPECT_GE(ship.y1, 300);
  EXPECT_LE(ship.y2, 331);
  ExpectHitsExactlyWithin(
      ship, [&](int x, int y) { return BulletHitsShip(x, y); }, "bullet on the ship");
  ExpectHitsExactlyWithin(
      FindOutline(hitbox_colour::kEnemy), [&](int x, int y) { return ShotHitsEnemy(x, y); },
      "shot on the enemy");
  ExpectHitsExactlyWithin(
      FindOutline(hitbox_colour::kBullet), [&](int x, int y) { return ShipIsHitByBullet(x, y); },
      "ship on the bullet");
  ExpectHitsExactlyWithin(
      FindOutline(hitbox_colour::kShot), [&](int x, int y) { return EnemyIsHitByShot(x, y); },
      "enemy on the shot");
  EXPECT_EQ(watch.foreignPixels, 0);
}

TEST_F(HitboxViewTest, WhatCannotCollideHasNoOutline) {
  StartInPlay();
  PlaceLiveObjects();
  g().enemies.ENEMY[0].NOHIT = -1;
  g().enemies.ESHOT[0].NOHIT = -1;
  g().player.PSHOT[0].FLAG = 0;
  Pass();
  Pixel none[] = {hitbox_colour::kEnemy, hitbox_colour::kBullet, hitbox_colour::kShot};
  const Surface &shown = host.lastFrame, &own = g().surf.MSCREEN;
  for (std::size_t i = 0; i < shown.px.size(); ++i)
    for (Pixel c : none) ASSERT_FALSE(shown.px[i] != own.px[i] && shown.px[i] == c) << "pixel " << i;
  // The ship has its box only while it is in play: not on its way in.
  g().player.PSTATE = kShipEntering;
  g().player.PY = 420;
  Pass();
  EXPECT_EQ(host.lastFrame.px, g().surf.MSCREEN.px);
}

// Live boxes in the tables, but the picture is a menu.
TEST_F(HitboxViewTest, NothingIsDrawnOnTheTitle) {
  Build([](GameConfig &) {});
  StartUp(g());
  Pass();
  host.PressKey('Z');  // skips the opening
  for (int i = 0; i < 3000 && !(g().shell.SCENE == kSceneTitle && g().shell.PHASE != 0); ++i) Pass();
  host.ReleaseKey('Z');
  ASSERT_EQ(g().shell.SCENE, kSceneTitle);
  PlaceLiveObjects();
  g().player.PSTATE = kShipPlay;
  int before = watch.presents;
  for (int i = 0; i < 5; ++i) Pass();
  ASSERT_GT(watch.presents, before);
  ASSERT_EQ(g().enemies.ESHOT[0].FLAG, 1);
  EXPECT_EQ(watch.outlined, 0);
}

// Live boxes and the scene is play, but the picture is the pause, a modal wait or a wipe.
TEST_F(HitboxViewTest, NothingIsDrawnWhilePlayIsHeld) {
  StartInPlay();
  PlaceLiveObjects();
  int presents = watch.presents, shown = watch.outlined;
  Pass();
  EXPECT_GT(watch.presents, presents);
  EXPECT_EQ(watch.outlined - shown, watch.presents - presents) << "every picture of an ordinary pass of play";
  shown = watch.outlined;
  EnterPause(g());
  Pass();
  ASSERT_EQ(g().shell.SCENE, kScenePause);
  EXPECT_EQ(watch.outlined, shown) << "in the pause";
  g().shell.SCENE = kScenePlay;
  // The shop holds play in modal waits like this one.
  presents = watch.presents;
  ModalWait(g(), 50);
  EXPECT_GT(watch.presents, presents);
  EXPECT_EQ(watch.outlined, shown) << "in a modal wait";
  // A wipe begun by the play scene's own handler: the stage is cleared and the mission select
  // follows. Its first step is presented before the handler has finished.
  Pass();
  EXPECT_GT(watch.outlined, shown);
  shown = watch.outlined;
  g().player.PSTATE = kShipGone;
  g().enemies.WORK[10] = 100;
  Pass();
  ASSERT_EQ(g().shell.SCENE, kSceneMissionSelect);
  EXPECT_EQ(watch.outlined, shown) << "in the wipe";
}

// Two runs of a busy stage flown by the autopilot, with and without the view: the same game to
// the last bit, while the view drew on the way.
TEST(HitboxViewGame, PlaysExactlyAsWithoutIt) {
  struct Run {
    std::uint64_t hash = 0;
    std::string state, dump;
    std::vector<Pixel> picture;
    std::vector<std::string> sounds;
    std::uint64_t presents = 0;
    int outlined = 0;
    long foreign = 0;
  };
  auto run = [](bool withView) {
    test::TempDir dir;
    HeadlessHost host;
    AutopilotHost pilot(host, 3);
    FrameWatch watch(pilot);
    HitboxView view(watch);
    Host &top = withView ? static_cast<Host &>(view) : watch;
    GameConfig cfg;
    cfg.dataDir = test::CopyBuildData(dir);
    cfg.seed = 4, cfg.seeded = true;
    cfg.startStage = 4;
    cfg.invincible = true;
    Game g(top, test::SharedSheets(), test::SharedText(), cfg);
    for (HostDecorator *layer : {static_cast<HostDecorator *>(&pilot), static_cast<HostDecorator *>(&watch),
                                 static_cast<HostDecorator *>(&view)})
      layer->Attach(g);
    g.shell.maxPasses = 1200;
    EXPECT_EQ(Main(g), 0);
    std::vector<std::string> sounds;  // by name: each run has a data folder of its own
    for (const std::string &path : host.sounds) sounds.push_back(path.substr(path.rfind('/') + 1));
    return Run{PlayStateHash(g), SavePlayState(g), DumpStateJson(g), g.surf.MSCREEN.px,
               sounds,           host.presents,    watch.outlined,   watch.foreignPixels};
  };
  Run plain = run(false), viewed = run(true);
  EXPECT_EQ(viewed.hash, plain.hash);
  EXPECT_EQ(viewed.state, plain.state);
  EXPECT_EQ(viewed.dump, plain.dump);
  EXPECT_EQ(viewed.picture, plain.picture);
  EXPECT_EQ(viewed.sounds, plain.sounds);
  EXPECT_EQ(viewed.presents, plain.presents);
  EXPECT_EQ(plain.outlined, 0);
  EXPECT_GT(viewed.outlined, 500);
  EXPECT_EQ(viewed.foreign, 0);
}

// Clipped to the picture: a box across an edge keeps only its sides inside, and boxes beyond
// it, boundless or empty draw nothing.
TEST(HitboxOutline, IsClippedToThePicture) {
  Surface s(8, 6, 0);
  DrawHitBoxOutline(s, {-3, 2, 5, 9}, 1);
  const char *expected[] = {
      "........", "........", "11111...", "....1...", "....1...", "....1...",
  };
  for (int y = 0; y < s.h; ++y)
    for (int x = 0; x < s.w; ++x) EXPECT_EQ(s.at(x, y), expected[y][x] == '1' ? 1u : 0u) << x << ", " << y;
  Surface blank(8, 6, 0), t = blank;
  double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
  for (HitBox b :
       {HitBox{9, 1, 12, 4}, HitBox{-9, 1, -2, 4}, HitBox{1, 7, 4, 9}, HitBox{-inf, -inf, inf, inf},
        HitBox{-1e300, -1e300, 1e300, 1e300}, HitBox{3, 3, 3, 5}, HitBox{4, 4, 2, 2}, HitBox{nan, 1, 4, 4}})
    DrawHitBoxOutline(t, b, 1);
  EXPECT_EQ(t.px, blank.px);
}

}  // namespace
}  // namespace qel
