#include <gtest/gtest.h>

#include "app/app.h"
#include "game.h"
#include "shell/transition.h"
#include "shop/shop.h"
#include "stage/stage_test_support.h"

namespace qel {
namespace {

// A game started with --shop STAGE:T.
class ShopStartTest : public ::testing::Test {
 protected:
  void SetUp() override { test::WriteAllMaps(t); }
  Game &Start(int stage, int shipTime) {
    t.game->config.shopStage = stage;
    t.game->config.shopTime = shipTime;
    return t.g();
  }
  // Key k pressed at pass n and let go two passes later.
  void Press(std::uint64_t n, int vk) {
    t.host.AddScript({{n, {HostEvent::Kind::KeyDown, vk, MenuItem::FullScreen}},
                      {n + 2, {HostEvent::Kind::KeyUp, vk, MenuItem::FullScreen}}});
  }
  test::TestGame t;
};

TEST_F(ShopStartTest, ScriptedKeysReachTheShopAndLeavingItReturnsToPlay) {
  Game &g = Start(9, 1400);
  std::uint64_t n = 2 * kWipeSteps + 4;  // the wipes into the shop count as passes
  Press(n, vk::Z);                       // ends the introduction
  for (int vk : {vk::Down, vk::Down, vk::Down, vk::Down, vk::Down, vk::Right, vk::Z}) Press(n += 4, vk);
  t.StartUp();
  EXPECT_EQ(g.shell.SCENE, kScenePlay);
  EXPECT_EQ(g.shell.PHASE, kShopLeft);
  EXPECT_EQ(g.stage.STAGE, 9);
  EXPECT_EQ(g.screens.SHOPMEET, 2);
  EXPECT_EQ(g.shop.CURSOR, 5);
  EXPECT_EQ(g.player.volleyTimer, 99);  // the first volley comes at once
  EXPECT_EQ(g.player.PSTAT[10], 30);
  EXPECT_EQ(g.player.INVUL, -1);
  EXPECT_TRUE(t.host.menuEnabled[static_cast<int>(MenuItem::Reset)]);
  EXPECT_GT(g.shell.passes, n);
  EXPECT_EQ(t.RunPasses(3), -1);  // play goes on
}

TEST_F(ShopStartTest, ARunLimitedInPassesEndsInsideTheShop) {
  Game &g = Start(7, -99);
  g.shell.maxPasses = 2 * kWipeSteps + 5;  // past the fade out of play and the shop's reveal
  EXPECT_EQ(Main(g), 0);
  EXPECT_EQ(g.shell.PHASE, kShopChoose);  // extra mode: no introduction
  EXPECT_EQ(g.player.CREDIT, 0);
  EXPECT_EQ(g.shop.PRICE[3], 0);
  EXPECT_EQ(g.surf.MSCREEN.at(260, 50), QBColor(15));  // the keeper's panel is on the screen
}

TEST_F(ShopStartTest, TheCommandLineTakesStageAndShipTime) {
  AppOptions o;
  std::string error;
  ASSERT_TRUE(ParseCommandLine({"--shop", "1:1400"}, &o, &error)) << error;
  EXPECT_EQ(o.shopStage, 1);
  EXPECT_EQ(o.shopTime, 1400);
  ASSERT_TRUE(ParseCommandLine({"--shop", "8:-99"}, &o, &error)) << error;
  EXPECT_EQ(o.shopStage, 8);
  EXPECT_EQ(o.shopTime, -99);
  for (const char *bad : {"0:1400", "10:5", "1", "1:", ":5", "1:x", "1:1400:2"})
    EXPECT_FALSE(ParseCommandLine({"--shop", bad}, &o, &error)) << bad;
}

}  // namespace
}  // namespace qel
