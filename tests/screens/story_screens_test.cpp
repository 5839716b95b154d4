#include <gtest/gtest.h>

#include "screens/screens.h"
#include "screens_test_support.h"

namespace qel {
namespace {

class StoryScreensTest : public test::ScreensTest {
 protected:
  void EnterGameOver(int stage) {
    t.StartUp();
    g().stage.STAGE = stage;
    g().player.PSTAT[18] = 101;  // where the loss sequence leaves it
    sh().SCENE = kSceneGameOver;
    sh().PHASE = 0;
    Pass();
  }
  void EnterPrologue() {
    t.StartUp();
    SetUpNewGame(g(), kNewGameStory);
    sh().SCENE = kScenePrologue;
    sh().PHASE = 0;
    Pass();
  }
};

TEST_F(StoryScreensTest, GameOverInTheStoryShowsTheEarthForTwoHundredPasses) {
  EnterGameOver(3);
  const Surface &d = g().surf.DISPLAY, &earth = g().sheet(Family::HAI, 3);
  EXPECT_EQ(d.at(200 + 150, 150 + 250), earth.at(150, 250));
  EXPECT_TRUE(test::ShowsText(g(), d, "GAME OVER", 70, 12, 30, 170, 1));
  int shown = 0;
  while (phase() == 1) Pass(), ++shown;
  EXPECT_EQ(shown, 200);
  Pass();
  EXPECT_EQ(scene(), kSceneTitle);
}

TEST_F(StoryScreensTest, GameOverInExtraOrBossModeIsTheTextOnBlack) {
  for (int stage : {7, 8}) {
    EnterGameOver(stage);
    // Nothing but black and the heading's three colours.
    for (Pixel p : g().surf.DISPLAY.px) ASSERT_TRUE(p == 0 || p == QBColor(4) || p == QBColor(12)) << stage;
  }
}

TEST_F(StoryScreensTest, ANewShotEndsTheGameOverAtOnceAndIsNotTakenByTheTitle) {
  EnterGameOver(9);
  Pass(5);
  t.host.PressKey('Z');
  Pass();
  EXPECT_EQ(phase(), 2);
  Pass();
  EXPECT_EQ(scene(), kSceneTitle);
  Pass(4);  // still held: the title ignores it
  EXPECT_EQ(scene(), kSceneTitle);
}

TEST_F(StoryScreensTest, ThePrologueScrollsForSevenHundredFortyOnePassesThenStageNine) {
  EnterPrologue();
  EXPECT_EQ(g().audio.MUSICNO, kMusicMainTheme);
  EXPECT_EQ(g().stage.LROW[kNear], 480);
  // The page pair: the first line in white on the colour page and black on the mask page.
  EXPECT_TRUE(test::ShowsText(g(), g().surf.MASTER[1], "２０ＸＸ年・・・・", 20, 15, 7, 2, 1));
  int scrolled = 0;
  while (phase() == 1) Pass(), ++scrolled;
  EXPECT_EQ(scrolled, 741);
  Pass();
  EXPECT_EQ(scene(), kScenePlay);
  EXPECT_EQ(g().stage.STAGE, 9);
  EXPECT_EQ(g().audio.MUSICNO, kMusicMainTheme) << "the theme goes on into the first stage";
}

TEST_F(StoryScreensTest, AShotHeldIntoThePrologueDoesNotSkipItButANewOneDoes) {
  t.host.PressKey('Z');
  EnterPrologue();
  Pass(20);
  EXPECT_EQ(scene(), kScenePrologue);
  EXPECT_EQ(g().stage.LROW[kNear], 460);
  t.host.ReleaseKey('Z');
  Pass();
  t.host.PressKey('Z');
  Pass();
  EXPECT_EQ(phase(), 2);
  Pass();
  EXPECT_EQ(scene(), kScenePlay);
}

}  // namespace
}  // namespace qel
