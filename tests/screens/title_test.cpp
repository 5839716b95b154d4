#include <gtest/gtest.h>

#include "screens/screens.h"
#include "screens_test_support.h"

namespace qel {
namespace {

using test::ScreensTest;

class TitleTest : public ScreensTest {};

TEST_F(TitleTest, TheOpeningFliesHoldsAndLeadsToTheTitle) {
  t.StartUp();
  EXPECT_EQ(scene(), kSceneOpening);
  Pass();
  EXPECT_EQ(t.g().audio.MUSICNO, 0);
  EXPECT_EQ(Sounds(kSoundJet), 1);
  int flight = 0;
  while (phase() == 1) Pass(), ++flight;
  EXPECT_EQ(flight, 55);  // the ship leaves the top after 55 frames
  EXPECT_EQ(g().screens.openingLogoY, 210);
  // The logo stays where it stopped: the opaque copy is at (90, 210).
  EXPECT_EQ(t.host.lastFrame.at(90 + 155, 210 + 32), g().sheet(Family::HAI, 12).at(155, 32));
  int hold = 0;
  while (phase() == 2) Pass(), ++hold;
  EXPECT_EQ(hold, 101);
  Pass();
  EXPECT_EQ(scene(), kSceneTitle);
  EXPECT_EQ(phase(), 0);
}

TEST_F(TitleTest, ShotDuringTheFlightSkipsToTheTitleOnTheNextPass) {
  t.StartUp();
  Pass(10);
  t.host.PressKey('Z');
  Pass();
  EXPECT_EQ(phase(), 3);
  Pass();
  EXPECT_EQ(scene(), kSceneTitle);
}

TEST_F(TitleTest, AFreshSaveLocksExtraBossAndMusicRoomAndTheyCannotBeChosen) {
  ToTitle();
  const auto &text = g().screens.MENUTEXT;
  EXPECT_EQ(text[0], "STORY  MODE");
  for (int row : {1, 2, 3}) EXPECT_EQ(text[static_cast<std::size_t>(row)], "？？？？？？");
  EXPECT_EQ(text[4], "OPTION");
  EXPECT_EQ(text[5], "END");
  for (int row : {1, 2, 3}) {
    while (cursor() < row) Tap(vk::Down);
    int confirms = Sounds(kSoundConfirm);
    Tap('Z');
    EXPECT_EQ(scene(), kSceneTitle);
    EXPECT_EQ(Sounds(kSoundConfirm), confirms) << "row " << row;
  }
}

TEST_F(TitleTest, ClearMarksOpenTheModesAndShowOnTheirRows) {
  auto &opt = g().settings.OPTION;
  ToTitle();
  opt[4] = 1;  // story cleared on NORMAL only
  ReenterTitle();
  EXPECT_EQ(g().screens.MENUTEXT[1], "EXTRA  MODE");
  EXPECT_EQ(g().screens.MENUTEXT[2], "BOSS   MODE");
  EXPECT_EQ(g().screens.MENUTEXT[3], "？？？？？？");
  const Surface &colour = g().surf.MASTER[1], &mark = g().sheet(Family::TOKU, 52);
  auto markShown = [&](int x, int y, int sx) {
    for (int dy = 0; dy < 20; ++dy)
      for (int dx = 0; dx < 20; ++dx)
        if (colour.at(x + dx, y + dy) != mark.at(sx + dx, dy)) return false;
    return true;
  };
  EXPECT_TRUE(markShown(330, 222, 0));
  EXPECT_FALSE(markShown(360, 222, 20));
  opt[4] = 3, opt[5] = 2, opt[6] = 1;
  ReenterTitle();
  EXPECT_EQ(g().screens.MENUTEXT[3], "MUSIC  ROOM");
  EXPECT_TRUE(markShown(330, 222, 0));
  EXPECT_TRUE(markShown(360, 222, 20));
  EXPECT_TRUE(markShown(360, 222 + 35, 20));  // extra mode on HARD
  EXPECT_FALSE(markShown(330, 222 + 35, 0));
  EXPECT_TRUE(markShown(330, 222 + 70, 0));  // boss mode on NORMAL
}

TEST_F(TitleTest, TheCursorStopsAtBothEndsWithoutASound) {
  ToTitle();
  Tap(vk::Up);
  EXPECT_EQ(cursor(), 0);
  EXPECT_EQ(Sounds(kSoundCursor), 0);
  for (int i = 0; i < 7; ++i) Tap(vk::Down);
  EXPECT_EQ(cursor(), 5);
  EXPECT_EQ(Sounds(kSoundCursor), 5);
}

TEST_F(TitleTest, AShotHeldIntoTheTitleDoesNotChoose) {
  t.StartUp();
  Pass();
  t.host.PressKey('Z');  // skips the opening and stays held
  PassUntilScene(kSceneTitle);
  Pass(5);
  EXPECT_EQ(scene(), kSceneTitle);
  t.host.ReleaseKey('Z');
  Pass();
  Tap('Z');
  EXPECT_EQ(scene(), kScenePrologue);
}

TEST_F(TitleTest, TheLastStartModifierHeldWithPauseStays) {
  ToTitle();
  t.host.PressKey(vk::Shift);
  t.host.PressKey('S');
  Pass(3);
  EXPECT_EQ(Sounds(kSoundBigBlast), 1);  // once, however long it is held
  t.host.ReleaseKey('S');
  t.host.PressKey('R');
  Pass(2);
  EXPECT_EQ(Sounds(kSoundGigaCrash), 1);
  t.host.ReleaseKey('R');
  t.host.ReleaseKey(vk::Shift);
  Pass();
  Tap('Z');
  EXPECT_EQ(scene(), kScenePrologue);
  const Player &p = g().player;
  EXPECT_EQ(p.SHIELDMAX, 100);
  EXPECT_EQ(p.SHIELD, 100);
  EXPECT_EQ(p.CREDIT, 0);
  EXPECT_EQ(p.SCORE, 0);
}

TEST_F(TitleTest, TheDaringStartGivesAWeakShieldAndAScore) {
  ToTitle();
  t.host.PressKey(vk::Shift);
  t.host.PressKey('S');
  Pass(2);  // the letter reaches the key table with the pass's events
  t.host.ReleaseKey('S');
  t.host.ReleaseKey(vk::Shift);
  Pass();
  Tap('Z');
  EXPECT_EQ(g().player.SHIELDMAX, 30);
  EXPECT_EQ(g().player.SCORE, 10000);
  EXPECT_EQ(g().player.CREDIT, 2);
}

TEST_F(TitleTest, ExtraAndBossModeStartTheirStagesAtOnce) {
  ToTitle();
  g().settings.OPTION[4] = 1;
  ReenterTitle();
  ChooseTitleRow(1);
  EXPECT_EQ(scene(), kScenePlay);
  EXPECT_EQ(g().stage.STAGE, 7);
  EXPECT_EQ(g().player.SHIELDMAX, 100);
  EXPECT_EQ(g().player.CREDIT, 0);
  EXPECT_EQ(g().player.SYSTEM, 11);
  EXPECT_EQ(g().screens.SHOPMEET, 5);
  EXPECT_TRUE(t.host.menuEnabled[static_cast<int>(MenuItem::Reset)]);
  t.host.PressKey(vk::F1);
  Pass();
  t.host.ReleaseKey(vk::F1);
  PassUntilScene(kSceneTitle);
  EXPECT_FALSE(t.host.menuEnabled[static_cast<int>(MenuItem::Reset)]);
  Pass();
  ChooseTitleRow(2);
  EXPECT_EQ(g().stage.STAGE, 8);
}

TEST_F(TitleTest, EndSavesAndQuits) {
  ToTitle();
  while (cursor() < 5) Tap(vk::Down);
  t.host.PressKey('Z');
  EXPECT_EQ(t.RunPasses(1), 0);
  EXPECT_EQ(test::ReadBytes(t.data.file("data.dat")).size(), 32u);
}

}  // namespace
}  // namespace qel
