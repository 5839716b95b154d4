#include <gtest/gtest.h>

#include "screens/screens.h"
#include "screens_test_support.h"

namespace qel {
namespace {

class EndingTest : public test::ScreensTest {
 protected:
  void Enter(int shopMeet) {
    t.StartUp();
    SetUpNewGame(g(), kNewGameStory);
    g().screens.SHOPMEET = shopMeet;
    sh().SCENE = kSceneEnding;
    sh().PHASE = 0;
    Pass();
  }
  int &work(int k) { return g().enemies.WORK[static_cast<std::size_t>(k)]; }
  // Passes while the ending stays in this phase; returns how many.
  int Through(int ph) {
    int n = 0;
    while (scene() == kSceneEnding && phase() == ph && n < 5000) Pass(), ++n;
    return n;
  }
};

TEST_F(EndingTest, EveryPhaseLastsItsTimeAndTheTitleFollows) {
  Enter(1);
  EXPECT_EQ(phase(), 1);
  EXPECT_FALSE(t.host.menuEnabled[static_cast<int>(MenuItem::Reset)]);
  EXPECT_EQ(Through(1), 320);
  EXPECT_EQ(Sounds(kSoundRumble), 60);  // one for every row the wreck sinks
  EXPECT_EQ(Through(10), 21);
  EXPECT_EQ(Through(30), 426);
  EXPECT_EQ(work(7), 200);  // both figures
  EXPECT_EQ(g().shop.CURSOR2, 160);
  EXPECT_EQ(Through(3), 601);
  EXPECT_EQ(g().audio.MUSICNO, kMusicWarmMelody);
  EXPECT_EQ(Through(4), 1982);
  EXPECT_EQ(Through(5), 1001);
  EXPECT_EQ(phase(), 50);
  Pass();
  EXPECT_EQ(scene(), kSceneTitle);
  EXPECT_EQ(g().audio.MUSICNO, 0);
}

TEST_F(EndingTest, TheWreckSinksWithItsBottomRowOnTheHorizon) {
  Enter(1);
  Pass(84);
  for (int i = 0; i < 50; ++i) {
    EXPECT_EQ(work(8) + work(9), 269 + 65) << "step " << i;
    EXPECT_EQ(work(10), work(8) % 2 != 0 ? 25 : 24);
    Pass(4);
  }
}

TEST_F(EndingTest, ShotDoesNothingBeforeTheStaffRollAndEndsItFromThere) {
  Enter(1);
  for (int ph : {1, 10, 30, 3}) {
    ASSERT_EQ(phase(), ph);
    t.host.PressKey('Z');
    Pass(3);
    t.host.ReleaseKey('Z');
    Pass();
    Through(ph);
  }
  ASSERT_EQ(phase(), 4);
  Pass(10);
  t.host.PressKey('Z');
  Pass();
  EXPECT_EQ(phase(), 50);
  Pass();
  EXPECT_EQ(scene(), kSceneTitle);
}

TEST_F(EndingTest, APilotWhoNeverMetTheKeeperStandsAloneAndHasTheCloseUpToHimself) {
  Enter(0);
  Through(1);
  Through(10);
  Pass(345 + 40);  // the close-up has slid in and holds
  // Where the keeper would stand there is only the doubled sky.
  const Surface &sky = g().sheet(Family::BG, 0);
  int pan = static_cast<int>(g().player.PSTAT[7]);
  for (int y = 0; y < 480; y += 37)
    for (int x = 160; x < 260; x += 13)
      ASSERT_EQ(t.host.lastFrame.at(x, y), sky.at(pan + x / 2, y / 2)) << x << "," << y;
  Through(30);
  EXPECT_EQ(work(7), 300);
}

TEST_F(EndingTest, TheClosingLinesComeOneByOneAndTheFifthOnPass402) {
  Enter(1);
  Through(1), Through(10), Through(30);
  const char *fifth = "今、人類は輝かしい時代を迎えようとしている・・・";
  Pass(401);
  EXPECT_FALSE(test::ShowsText(g(), t.host.lastFrame, fifth, 20, 15, 10, 200, 1));
  Pass();
  EXPECT_TRUE(test::ShowsText(g(), t.host.lastFrame, fifth, 20, 15, 10, 200, 1));
  EXPECT_TRUE(test::ShowsText(g(), t.host.lastFrame, "メシアは崩壊した・・・・", 20, 15, 10, 80, 1));
}

TEST_F(EndingTest, TheStaffPageRisesFromTheBottomUntilItHasLeftAtTheTop) {
  Enter(1);
  // The page pair: the heading in colour on the colour page.
  EXPECT_TRUE(test::ShowsText(g(), g().surf.MASTER[1], "ＱＥＬＶＡＮＥ　ＳＴＡＦＦ", 30, 11, 80, 0, 1));
  Through(1), Through(10), Through(30), Through(3);
  EXPECT_EQ(work(6), 480);
  Pass(200);
  EXPECT_EQ(work(6), 380);
  // The picture is drawn before the page moves on.
  EXPECT_TRUE(test::ShowsText(g(), t.host.lastFrame, "ＱＥＬＶＡＮＥ　ＳＴＡＦＦ", 30, 11, 80, 381, 1));
  Through(4);
  EXPECT_EQ(work(6), -511);
}

TEST_F(EndingTest, TheEndingStarterFliesByIntoTheEnding) {
  g().config.ending = 2;
  t.StartUp();
  EXPECT_EQ(scene(), kSceneEndingIntro);
  EXPECT_EQ(g().screens.SHOPMEET, 0);
  PassUntilScene(kSceneEnding);
  EXPECT_EQ(phase(), 1);
}

}  // namespace
}  // namespace qel
