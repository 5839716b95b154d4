#include <gtest/gtest.h>

#include "screens_test_support.h"

namespace qel {
namespace {

class MusicRoomTest : public test::ScreensTest {
 protected:
  void Enter() {
    ToTitle();
    g().settings.OPTION[4] = 1, g().settings.OPTION[5] = 2, g().settings.OPTION[6] = 1;
    ReenterTitle();
    ChooseTitleRow(3);
    PassUntilScene(kSceneMusicRoom);
  }
  std::array<int, 3> face() { return {g().shop.FACE[0], g().shop.FACE[1], g().shop.FACE[2]}; }
  bool Comment(const std::string &text, int y) {
    return test::ShowsText(g(), g().surf.DISPLAY, text, 20, 15, 20, y, 1);
  }
  void Choose(int row) {
    while (cursor() < row) Tap(vk::Down);
    while (cursor() > row) Tap(vk::Up);
    Tap('Z');
  }
};

TEST_F(MusicRoomTest, TheRoomOpensOnlyWhenExtraAndBossModeAreBothCleared) {
  ToTitle();
  g().settings.OPTION[4] = 3, g().settings.OPTION[5] = 1;
  ReenterTitle();
  ChooseTitleRow(3);
  EXPECT_EQ(scene(), kSceneTitle);
  g().settings.OPTION[6] = 2;
  ReenterTitle();
  ChooseTitleRow(3);
  EXPECT_EQ(scene(), kSceneMusicRoom);
}

TEST_F(MusicRoomTest, TheKeeperGreetsInSilenceAndTheCursorStaysInTheList) {
  Enter();
  EXPECT_EQ(g().audio.MUSICNO, 0);
  EXPECT_EQ(face(), (std::array<int, 3>{0, 1, 4}));
  EXPECT_EQ(cursor(), 0);
  int sounds = Sounds(kSoundCursor);
  Tap(vk::Up);
  EXPECT_EQ(cursor(), 0);
  for (int i = 0; i < 10; ++i) Tap(vk::Down);
  EXPECT_EQ(cursor(), 8);
  EXPECT_EQ(Sounds(kSoundCursor), sounds + 8);
  EXPECT_EQ(t.host.lastFrame.at(10, 50 + 30 * 8 + 15), QBColor(12));  // the cursor's outline
}

TEST_F(MusicRoomTest, AChoicePlaysItsPieceWithTheKeepersCommentAndFace) {
  Enter();
  Choose(0);
  EXPECT_EQ(g().audio.MUSICNO, 1);
  EXPECT_TRUE(Comment("宇宙ステーションでながれますね。", 350));
  EXPECT_TRUE(Comment("テンポがいいのが魅力的です。", 380));
  EXPECT_EQ(face(), (std::array<int, 3>{2, 0, 2}));
  Choose(8);
  EXPECT_EQ(g().audio.MUSICNO, 9);
  EXPECT_EQ(g().audio.MUSICLOOP, 0);  // the ending's piece plays once
  EXPECT_FALSE(Comment("テンポがいいのが魅力的です。", 380)) << "the box is cleared before a comment";
  EXPECT_TRUE(Comment("この曲を聴くと、あの時の夕日を思い出します。", 380));
}

TEST_F(MusicRoomTest, MissionCompleteHasOneLineAndMusicOffStillChangesTheComment) {
  Enter();
  g().settings.OPTION[2] = 1;  // music off
  Choose(5);
  EXPECT_EQ(g().audio.MUSICNO, 0);
  EXPECT_EQ(Sounds(kSoundConfirm), 2);  // the title's choice and this one
  EXPECT_TRUE(Comment("ミッションクリア時にながれます。", 350));
  for (int x = 20; x < 460; x += 3) ASSERT_EQ(g().surf.DISPLAY.at(x, 390), QBColor(1)) << x;
}

TEST_F(MusicRoomTest, ChangeSaysGoodbyeAndGoesBackToTheTitle) {
  Enter();
  Choose(3);
  t.host.PressKey('X');
  Pass();
  EXPECT_EQ(scene(), kSceneTitle);
  EXPECT_EQ(g().audio.MUSICNO, kMusicMainTheme) << "the piece plays on until the title stops it";
  t.host.ReleaseKey('X');
  Pass();
  EXPECT_EQ(g().audio.MUSICNO, 0);
}

}  // namespace
}  // namespace qel
