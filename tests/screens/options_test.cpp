#include <gtest/gtest.h>

#include "screens_test_support.h"

namespace qel {
namespace {

class OptionsTest : public test::ScreensTest {
 protected:
  void ToOptions() {
    ToTitle();
    ChooseTitleRow(4);
    PassUntilScene(kSceneOptions);
    Pass();
  }
  void ToRow(int row) {
    while (cursor() < row) Tap(vk::Down);
    while (cursor() > row) Tap(vk::Up);
  }
  int &speed() { return g().shell.WAITMS; }
  // The value of a row as the screen shows it.
  bool ShowsValue(int row, const std::string &text) {
    return test::ShowsText(g(), t.host.lastFrame, text, 20, 15, 250, 150 + 35 * row, 1);
  }
};

TEST_F(OptionsTest, LevelAndSpeedChangedHereAreSavedWhenTheGameEnds) {
  ToOptions();
  EXPECT_EQ(g().audio.MUSICNO, 0);
  EXPECT_TRUE(ShowsValue(1, "NORMAL"));
  EXPECT_TRUE(ShowsValue(2, " 30"));
  EXPECT_TRUE(ShowsValue(5, "BUTTON  1"));
  ToRow(1);
  Tap(vk::Right);
  EXPECT_EQ(g().settings.DIFF, 0);
  Pass();
  EXPECT_TRUE(ShowsValue(1, "HARD"));
  ToRow(2);
  Tap(vk::Right);
  EXPECT_EQ(speed(), 35);
  ToRow(0);
  Tap('Z');
  EXPECT_EQ(scene(), kSceneTitle);
  t.host.PressKey(vk::Esc);
  EXPECT_EQ(t.RunPasses(2), 0);
  std::string saved = test::ReadBytes(t.data.file("data.dat"));
  ASSERT_EQ(saved.size(), 32u);
  EXPECT_EQ(saved[0], 0);   // HARD
  EXPECT_EQ(saved[2], 35);  // SPEED
}

TEST_F(OptionsTest, SpeedStaysInsideItsRangeAndAnOffGridValueSnapsToTheTopSilently) {
  ToOptions();
  ToRow(2);
  speed() = 60;
  int sounds = Sounds(kSoundCursor);
  Tap(vk::Right);
  EXPECT_EQ(speed(), 60);
  EXPECT_EQ(Sounds(kSoundCursor), sounds);
  speed() = 0;
  Tap(vk::Left);
  EXPECT_EQ(speed(), 0);
  speed() = 58;
  Tap(vk::Right);
  EXPECT_EQ(speed(), 60);
  EXPECT_EQ(Sounds(kSoundCursor), sounds);
  speed() = 58;
  Tap(vk::Left);
  EXPECT_EQ(speed(), 53);
  Tap(vk::Left);
  EXPECT_EQ(speed(), 48);
  EXPECT_EQ(Sounds(kSoundCursor), sounds + 2);
}

TEST_F(OptionsTest, LevelMovesBetweenNormalAndHardAndALoadedEasyShowsHard) {
  ToOptions();
  ToRow(1);
  g().settings.DIFF = 2;
  Pass();
  EXPECT_TRUE(ShowsValue(1, "HARD"));
  Tap(vk::Right);
  EXPECT_EQ(g().settings.DIFF, 1);
  Tap(vk::Left);
  EXPECT_EQ(g().settings.DIFF, 1);  // NORMAL is the end on this side
  Tap(vk::Right);
  Tap(vk::Right);
  EXPECT_EQ(g().settings.DIFF, 0);
}

TEST_F(OptionsTest, SwitchesAndButtonsKeepTheirRanges) {
  ToOptions();
  auto &opt = g().settings.OPTION;
  ToRow(3);
  Tap(vk::Right);
  EXPECT_EQ(opt[2], 1);
  Pass();
  EXPECT_TRUE(ShowsValue(3, "OFF"));
  Tap(vk::Right);
  EXPECT_EQ(opt[2], 1);
  ToRow(4);
  Tap(vk::Right);
  EXPECT_EQ(opt[3], 1);
  ToRow(5);
  Tap(vk::Left);
  EXPECT_EQ(opt[10], 1);  // never 0 on this screen
  ToRow(8);
  opt[13] = 11;
  Tap(vk::Right);
  Tap(vk::Right);
  EXPECT_EQ(opt[13], 12);
  Tap(vk::Down);
  EXPECT_EQ(cursor(), 8);
}

TEST_F(OptionsTest, ShotOnlyLeavesFromExitAndTheNewButtonsApplyThen) {
  ToOptions();
  ToRow(5);
  Tap(vk::Right);
  Tap('Z');
  EXPECT_EQ(scene(), kSceneOptions);
  EXPECT_EQ(g().input.JOYMASK[1], 1) << "a button changes only when the screen is left";
  ToRow(0);
  Tap('Z');
  EXPECT_EQ(scene(), kSceneTitle);
  EXPECT_EQ(g().input.JOYMASK[1], 2);
}

}  // namespace
}  // namespace qel
