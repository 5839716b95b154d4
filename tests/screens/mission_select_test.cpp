#include <gtest/gtest.h>

#include <algorithm>

#include "screens/screens.h"
#include "screens_test_support.h"

namespace qel {
namespace {

TEST(MissionOrder, TheChosenStageFirstTheOneBeforeItLastThenWarpAndFinal) {
  using Order = std::array<int, 6>;
  EXPECT_EQ(MissionOrder(0, 0), (Order{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(MissionOrder(0, 1), (Order{1, 3, 2, 4, 5, 6}));
  EXPECT_EQ(MissionOrder(1, 0), (Order{2, 3, 4, 1, 5, 6}));
  EXPECT_EQ(MissionOrder(1, 1), (Order{2, 4, 3, 1, 5, 6}));
  EXPECT_EQ(MissionOrder(2, 0), (Order{3, 4, 1, 2, 5, 6}));
  EXPECT_EQ(MissionOrder(2, 1), (Order{3, 1, 4, 2, 5, 6}));
  EXPECT_EQ(MissionOrder(3, 0), (Order{4, 1, 2, 3, 5, 6}));
  EXPECT_EQ(MissionOrder(3, 1), (Order{4, 2, 1, 3, 5, 6}));
}

class MissionSelectTest : public test::ScreensTest {
 protected:
  // A story game just past its first stage, entering the mission select.
  void Enter(int mission = 0) {
    t.StartUp();
    SetUpNewGame(g(), kNewGameStory);
    g().stage.MISSION = mission;
    sh().SCENE = kSceneMissionSelect;
    sh().PHASE = 0;
    Pass();
  }
  int &row() { return g().shop.CURSOR2; }
  const Surface &screen() { return t.host.lastFrame; }
};

TEST_F(MissionSelectTest, TheFirstVisitShowsFourMissionsAndTheCursorWrapsAround) {
  Enter();
  EXPECT_EQ(g().stage.MISSION, 1);
  Pass();  // built and revealed
  EXPECT_EQ(phase(), 2);
  EXPECT_FALSE(t.host.menuEnabled[static_cast<int>(MenuItem::Reset)]);
  for (int i = 0; i < 4; ++i) {
    int y = 100 + 90 * i;
    EXPECT_EQ(screen().at(310 + 80, y + 40), g().sheet(Family::STHAI, i + 1).at(80, 40)) << "row " << i;
    EXPECT_TRUE(test::ShowsText(g(), g().surf.DISPLAY, g().screens.STAGENAME[static_cast<std::size_t>(i + 1)],
                                25, 14, 50, y + 25, 1));
  }
  Tap(vk::Up);
  EXPECT_EQ(row(), 3);
  EXPECT_EQ(Sounds(kSoundCursor), 1);
  EXPECT_EQ(screen().at(10, 100 + 90 * 3 + 40), QBColor(12));          // the highlight
  EXPECT_EQ(g().surf.DISPLAY.at(10, 100 + 90 * 3 + 40), QBColor(15));  // never part of DISPLAY
  Tap(vk::Down);
  EXPECT_EQ(row(), 0);
}

TEST_F(MissionSelectTest, ChoosingARowFixesTheOrderAndShowsTheFirstCard) {
  Enter();
  Pass();
  Tap(vk::Down);
  Tap(vk::Down);
  t.host.PressKey('Z');
  Pass();
  const Stage &st = g().stage;
  EXPECT_EQ(st.MISSIONS[1], 3);
  EXPECT_TRUE((st.MISSIONS[2] == 4 && st.MISSIONS[3] == 1) || (st.MISSIONS[2] == 1 && st.MISSIONS[3] == 4));
  EXPECT_EQ(st.MISSIONS[4], 2);
  EXPECT_EQ(st.MISSIONS[5], 5);
  EXPECT_EQ(st.MISSIONS[6], 6);
  EXPECT_EQ(st.STAGE, 3);
  EXPECT_EQ(st.MISSION, 1);
  Pass();  // the card, with SHOT still held
  EXPECT_EQ(phase(), 11);
  EXPECT_TRUE(test::ShowsText(g(), screen(), "MISSION  1", 60, 12, 90, 150, 0));
  EXPECT_TRUE(test::ShowsText(g(), screen(), "木星付近にいる主力部隊を壊滅せよ！", 25, 15, 25, 250, 1));
  Pass(3);
  EXPECT_EQ(phase(), 11) << "a SHOT held from the choice does not skip the card";
  t.host.ReleaseKey('Z');
  Pass();
  Tap('Z');
  EXPECT_EQ(scene(), kScenePlay);
  EXPECT_EQ(st.STAGE, 3);
}

TEST_F(MissionSelectTest, LaterVisitsShowOnlyTheCardForEightyOnePasses) {
  Enter(6);
  g().stage.MISSIONS[6] = 6;
  EXPECT_EQ(g().stage.STAGE, 6);
  EXPECT_EQ(phase(), 10);
  Pass();
  int x = std::min(30, 470 - g().text->Width("FINAL MISSION", 60, false));  // the whole word shows
  EXPECT_TRUE(test::ShowsText(g(), screen(), "FINAL MISSION", 60, 12, x, 150, 0));
  EXPECT_TRUE(test::ShowsText(g(), screen(), "メシアを破壊し、地球を取り戻せ！", 25, 15, 55, 250, 1));
  int shown = 0;
  while (phase() == 11) Pass(), ++shown;
  EXPECT_EQ(shown, 81);
  Pass();
  EXPECT_EQ(scene(), kScenePlay);
  EXPECT_EQ(g().stage.STAGE, 6);
}

TEST_F(MissionSelectTest, APositionPastTheLastMissionGoesToTheFlyByNeverToAStage) {
  for (int mission : {7, 8, 9}) {
    Enter(mission);
    EXPECT_EQ(scene(), kSceneEndingIntro) << mission;
    EXPECT_NE(g().stage.STAGE, 10);
  }
}

TEST_F(MissionSelectTest, ARowWithoutAMissionIsEmptyAndCannotBeChosen) {
  Enter();
  g().stage.MISSIONS[1] = 0;
  sh().PHASE = 1;
  Pass();
  EXPECT_EQ(g().surf.DISPLAY.at(390, 140), QBColor(0));
  Tap('Z');
  EXPECT_EQ(phase(), 2);
  EXPECT_EQ(Sounds(kSoundConfirm), 0);
}

}  // namespace
}  // namespace qel
