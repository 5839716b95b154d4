// A whole story game, from the title to the fly-by, and the other ways a game ends.
#include <gtest/gtest.h>

#include <vector>

#include "screens_test_support.h"

namespace qel {
namespace {

class RoadTest : public test::ScreensTest {
 protected:
  struct Step {
    int scene, stage, mission;
    bool operator==(const Step &o) const {
      return scene == o.scene && stage == o.stage && mission == o.mission;
    }
  };
  // Runs passes, clearing every stage as soon as the ship is in play, and notes each scene
  // entered until `last` is reached.
  std::vector<Step> Drive(int last, int limit = 40000) {
    std::vector<Step> road;
    int seen = -1;
    for (int i = 0; i < limit; ++i) {
      test::ClearStageNow(g());
      // The first visit of the mission select waits for a choice: the first row.
      bool choosing = scene() == kSceneMissionSelect && phase() == 2;
      if (choosing) t.host.PressKey('Z');
      else t.host.ReleaseKey('Z');
      if (scene() != seen) {
        seen = scene();
        road.push_back({scene(), g().stage.STAGE, g().stage.MISSION});
        if (seen == last) break;
      }
      if (t.RunPasses(1) != -1) break;
    }
    return road;
  }
};

TEST_F(RoadTest, AStoryGameGoesFromThePrologueThroughEveryMissionAndTheEndingBackToTheTitle) {
  g().config.invincible = true;
  ToTitle();
  Tap('Z');
  std::vector<Step> road = Drive(kSceneTitle);
  ASSERT_FALSE(road.empty());
  std::vector<int> scenes;
  for (const Step &s : road) scenes.push_back(s.scene);
  std::vector<int> want = {kScenePrologue, kScenePlay};
  for (int m = 0; m < 6; ++m) want.push_back(kSceneMissionSelect), want.push_back(kScenePlay);
  want.push_back(kSceneEndingIntro);
  want.push_back(kSceneEnding);
  want.push_back(kSceneTitle);
  ASSERT_EQ(scenes, want);
  EXPECT_EQ(road[1].stage, 9);
  EXPECT_EQ(road[1].mission, 0);
  const auto &order = g().stage.MISSIONS;
  for (int m = 1; m <= 6; ++m) {
    const Step &play = road[static_cast<std::size_t>(1 + 2 * m)];
    EXPECT_EQ(play.mission, m);
    EXPECT_EQ(play.stage, order[static_cast<std::size_t>(m)]) << "mission " << m;
  }
  EXPECT_EQ(order[1], 1);  // the first row was chosen
  EXPECT_EQ(order[5], 5);
  EXPECT_EQ(order[6], 6);
  EXPECT_EQ(g().settings.OPTION[4], 1) << "the story is marked cleared on NORMAL";
}

TEST_F(RoadTest, ClearingExtraModeMarksItAndReturnsToTheTitle) {
  g().config.invincible = true;
  ToTitle();
  g().settings.OPTION[4] = 1;
  g().settings.DIFF = 0;
  ReenterTitle();
  ChooseTitleRow(1);
  std::vector<Step> road = Drive(kSceneTitle);
  ASSERT_EQ(road.back().scene, kSceneTitle);
  EXPECT_EQ(g().settings.OPTION[5], 2);  // cleared on HARD
}

TEST_F(RoadTest, LosingTheLastShipLeadsToGameOverAndTheTitle) {
  ToTitle();
  Tap('Z');
  PassUntilScene(kScenePlay);
  Player &p = g().player;
  p.CREDIT = 0;
  Pass(30);
  HitPlayer(g(), 1000, 0);
  std::vector<Step> road;
  int seen = scene();
  for (int i = 0; i < 2000 && seen != kSceneTitle; ++i) {
    Pass();
    if (scene() != seen) seen = scene(), road.push_back({seen, 0, 0});
  }
  ASSERT_EQ(road.size(), 2u);
  EXPECT_EQ(road[0].scene, kSceneGameOver);
  EXPECT_EQ(road[1].scene, kSceneTitle);
}

}  // namespace
}  // namespace qel
