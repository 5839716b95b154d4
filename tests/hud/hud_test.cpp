// The heads-up display, checked pixel by pixel against its layout.
#include "hud/hud.h"

#include <gtest/gtest.h>

#include "game.h"
#include "platform/text.h"
#include "screens/screens.h"
#include "stage/stage_test_support.h"

namespace qel {
namespace {

constexpr Pixel kGrey = 0x404040;  // a background that lets the black shadows show

class Hud : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteAllMaps(t);
    t.StartUp();
    SetUpNewGame(g(), kNewGameStory);
    g().shell.SCENE = kScenePlay;
    p().SHIELD = p().SHIELDMAX = 50;
    p().GAUGE = 60;
    p().PSTAT[4] = 0;
  }
  Game &g() { return t.g(); }
  Player &p() { return g().player; }
  const Surface &d() { return g().surf.DISPLAY; }
  const Surface &it(int n) { return g().sheet(Family::IT, n); }
  void Draw() {
    Fill(g().surf.DISPLAY, kGrey);
    DrawHud(g());
  }
  // The sheet's w x h block at (sx, sy) stands at (x, y) of the display.
  void ExpectCopied(const Surface &sheet, int sx, int sy, int x, int y, int w, int h) {
    for (int j = 0; j < h; ++j)
      for (int i = 0; i < w; ++i)
        ASSERT_EQ(d().at(x + i, y + j), sheet.at(sx + i, sy + j)) << "at " << x + i << ", " << y + j;
  }
  // The text with its shadow, drawn alone on the same background, matches the display in
  // the rectangle.
  void ExpectText(const char *text, int size, int x, int y, int x1, int y1, int x2, int y2) {
    Surface ref(480, 480, kGrey);
    Cls(ref);
    DrawText(g(), ref, text, size, 0, x + 2, y + 2, 1);
    DrawText(g(), ref, text, size, 15, x, y, 1);
    for (int j = y1; j <= y2; ++j)
      for (int i = x1; i <= x2; ++i)
        ASSERT_EQ(d().at(i, j), ref.at(i, j)) << text << " at " << i << ", " << j;
  }
  test::TestGame t;
};

TEST_F(Hud, ShieldAndBombBarsFillTheirBoxesInProportion) {
  p().SHIELDMAX = 100;
  p().SHIELD = 30;  // 60 pixels
  Draw();
  const Pixel white = QBColor(15);
  ExpectCopied(it(22), 1, 1, 131, 6, 58, 14);
  EXPECT_EQ(d().at(191, 8), kGrey);
  for (auto [x, y] : {std::pair{130, 12}, {330, 12}, {320, 5}, {140, 20}}) EXPECT_EQ(d().at(x, y), white);
  ExpectCopied(it(22), 2, 16, 372, 6, 57, 14);  // the gauge, 60 wide, right of the bomb picture
  EXPECT_EQ(d().at(431, 12), kGrey);
  for (auto [x, y] : {std::pair{372, 20}, {470, 12}, {450, 5}, {450, 20}}) EXPECT_EQ(d().at(x, y), white);
  ExpectCopied(it(19), 0, 0, 340, 5, 32, 32);  // the giga crash of a new game, over the box's left edge
}

TEST_F(Hud, AnEmptyShieldStillHasItsBoxAndAFullOneFillsIt) {
  p().SHIELD = 0;
  Draw();
  EXPECT_EQ(d().at(140, 10), kGrey);
  EXPECT_EQ(d().at(130, 10), QBColor(15));
  p().SHIELD = 50;
  Draw();
  ExpectCopied(it(22), 1, 1, 131, 6, 60, 14);
  ExpectCopied(it(22), 170, 1, 300, 6, 30, 14);  // right of the numbers, up to the box
}

TEST_F(Hud, TheShieldIsRedForAsManyPicturesAsTheHitAsked) {
  p().PSTAT[4] = 2;
  Draw();
  EXPECT_EQ(d().at(320, 5), QBColor(12));
  Draw();
  EXPECT_EQ(d().at(320, 5), QBColor(12));
  EXPECT_EQ(p().PSTAT[4], 0);
  Draw();
  EXPECT_EQ(d().at(320, 5), QBColor(15));
}

TEST_F(Hud, WeaponSlotsSystemAndKeepPackAlongTheBottom) {
  p().WEAPON = {4, 7};
  p().WLEVEL = {2, 1};
  p().WSLOT = 1;
  p().SYSTEM = 12;
  p().KEEP = -1;
  g().shell.SCENE = kScenePause;  // no frame around the active slot while paused
  Draw();
  ExpectCopied(it(4), 32, 0, 25, 440, 32, 32);
  ExpectCopied(it(7), 0, 0, 57, 440, 32, 32);
  ExpectCopied(it(12), 0, 0, 406, 440, 32, 32);
  ExpectCopied(it(16), 0, 0, 438, 440, 32, 32);
  Surface paused = d();
  g().shell.SCENE = kScenePlay;
  Draw();
  const Surface &mask = g().sheet(Family::TOKUM, 42), &frame = g().sheet(Family::TOKU, 42);
  for (int j = 0; j < 32; ++j)
    for (int i = 0; i < 32; ++i)
      ASSERT_EQ(d().at(57 + i, 440 + j), (paused.at(57 + i, 440 + j) & mask.at(i, j)) ^ frame.at(i, j));
  ExpectCopied(it(4), 32, 0, 25, 440, 32, 32);
  p().KEEP = 0;
  Draw();
  EXPECT_EQ(d().at(450, 455), kGrey);
}

TEST_F(Hud, ScoreCreditsAndShieldNumbersInTheirFormats) {
  p().SCORE = 1250;
  p().CREDIT = 2;
  Draw();
  ExpectText("Sc 01250", 20, 5, 3, 0, 0, 125, 30);
  ExpectText("CREDIT  2", 15, 190, 460, 150, 450, 380, 479);
  p().SCORE = 0;
  Draw();
  ExpectText("Sc 00000", 20, 5, 3, 0, 0, 125, 30);
}

TEST_F(Hud, TheBossGaugeShowsWhileABossFightsInItsPhaseColour) {
  auto &work = g().enemies.WORK;
  Enemy &boss = g().enemies.ENEMY[3];
  work[0] = 3, work[8] = 1, work[9] = 400;
  boss.HP = 100;  // a quarter: 50 pixels
  Draw();
  ExpectCopied(it(23), 1, 1, 131, 31, 48, 8);
  EXPECT_EQ(d().at(181, 35), kGrey);
  EXPECT_EQ(d().at(330, 35), QBColor(15));
  EXPECT_EQ(d().at(250, 40), QBColor(15));
  boss.CNT[13] = 1;
  Draw();
  ExpectCopied(it(23), 1, 11, 131, 31, 48, 8);
  boss.HP = -20;
  Draw();
  EXPECT_EQ(d().at(131, 35), kGrey);
  EXPECT_EQ(d().at(130, 35), QBColor(15));
  work[8] = 0;
  Draw();
  EXPECT_EQ(d().at(130, 35), kGrey);
}

// Pixels that differ between two pictures in the rectangle of the word "BOMB".
int BombDifference(const Surface &a, const Surface &b) {
  int n = 0;
  for (int y = 5; y < 22; ++y)
    for (int x = 395; x < 445; ++x) n += a.at(x, y) != b.at(x, y) ? 1 : 0;
  return n;
}

TEST_F(Hud, BombShowsOnlyWithAFullGaugeAndFlickers) {
  p().GAUGE = 99;
  Draw();
  Surface notReady = d();
  p().GAUGE = 100;
  Draw();
  Surface first = d();
  EXPECT_GT(BombDifference(first, notReady), 40);
  int flickers = 0;
  for (int round = 0; round < 10; ++round) {
    Draw();
    flickers += BombDifference(d(), first) > 0 ? 1 : 0;
  }
  EXPECT_GT(flickers, 0);
}

}  // namespace
}  // namespace qel
