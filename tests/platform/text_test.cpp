#include "platform/text.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/test_game.h"

namespace qel {
namespace {

struct Ink {
  int top = 1 << 30, bottom = -1, left = 1 << 30, right = -1, count = 0;
};

Ink FindInk(const Surface &s, Pixel background) {
  Ink ink;
  for (int y = 0; y < s.h; ++y)
    for (int x = 0; x < s.w; ++x)
      if (s.at(x, y) != background) {
        ink.top = std::min(ink.top, y);
        ink.bottom = std::max(ink.bottom, y);
        ink.left = std::min(ink.left, x);
        ink.right = std::max(ink.right, x);
        ++ink.count;
      }
  return ink;
}

class TextTest : public ::testing::Test {
 protected:
  std::shared_ptr<TextRenderer> text = test::SharedText();
};

TEST_F(TextTest, GlyphHeightFollowsTheSizeInPixels) {
  for (int size : {15, 20, 50, 70}) {
    Surface s(400, 200);
    text->Draw(s, "漢字", size, 0xFFFFFF, 10, 50, false);
    Ink ink = FindInk(s, 0);
    int height = ink.bottom - ink.top + 1;
    EXPECT_GE(height, size * 8 / 10) << "size " << size;
    EXPECT_LE(height, size) << "size " << size;
    // The text cell starts at y: nothing is drawn above it or below its bottom.
    EXPECT_GE(ink.top, 50) << "size " << size;
    EXPECT_LE(ink.bottom, 50 + size) << "size " << size;
  }
}

TEST_F(TextTest, OnlyGlyphPixelsAreWrittenAndAllInTheOneColour) {
  Surface s(300, 60);
  Fill(s, 0x123456);
  text->Draw(s, "Sc 01250 ■□", 20, 0xFFFF00, 5, 5, false);
  int written = 0;
  for (Pixel p : s.px) {
    EXPECT_TRUE(p == 0x123456u || p == 0xFFFF00u);
    written += p == 0xFFFF00u;
  }
  EXPECT_GT(written, 100);
}

TEST_F(TextTest, EveryJapaneseTextOfTheGameHasGlyphs) {
  for (const char *t : {"全画面", "リセット", "終了", "エラ－", "ファイルがありません！終了します。",
                        "宇宙ステ－ション", "ＴＡＬＫ", "▽", "▼", "～", "「」"}) {
    Surface s(600, 40);
    text->Draw(s, t, 20, 0xFFFFFF, 0, 0, false);
    EXPECT_GT(FindInk(s, 0).count, 10) << t;
  }
}

TEST_F(TextTest, ProportionalAdvanceAndItalicLean) {
  EXPECT_LT(text->Width("iiii", 20, false), text->Width("WWWW", 20, false));
  EXPECT_EQ(text->Width("", 20, false), 0);
  Surface upright(200, 100), italic(200, 100);
  text->Draw(upright, "I", 70, 0xFFFFFF, 20, 10, false);
  text->Draw(italic, "I", 70, 0xFFFFFF, 20, 10, true);
  Ink a = FindInk(upright, 0), b = FindInk(italic, 0);
  EXPECT_GT(b.right - b.left, a.right - a.left + 5);  // the stroke leans
}

TEST_F(TextTest, ShadowedTextOnThePagePairComposesWithoutFringes) {
  // Colour on MASTER(1) (black elsewhere), black on MASTER(2) (white elsewhere), then the pair
  // over a background with AND and XOR: every pixel is the text colour or the background.
  Surface page(200, 40, 0), mask(200, 40, 0xFFFFFF), back(200, 40);
  Cls(mask);
  Fill(back, 0x2040A0);
  text->Draw(page, "宇宙を舞う鳥", 25, 0xFFFF00, 2, 2, true);
  text->Draw(mask, "宇宙を舞う鳥", 25, 0x000000, 2, 2, true);
  BitBlt(back, 0, 0, 200, 40, mask, 0, 0, Rop::And);
  BitBlt(back, 0, 0, 200, 40, page, 0, 0, Rop::Xor);
  for (Pixel p : back.px) EXPECT_TRUE(p == 0x2040A0u || p == 0xFFFF00u);
}

TEST_F(TextTest, MalformedUtf8IsDrawnNotCrashedOn) {
  Surface s(100, 30);
  text->Draw(s, std::string("A\xff\xc3", 3), 15, 0xFFFFFF, 0, 0, false);
  EXPECT_GT(FindInk(s, 0).count, 0);
  text->Draw(s, "clipped", 20, 0xFFFFFF, -50, -10, false);
  text->Draw(s, "clipped", 20, 0xFFFFFF, 90, 25, false);
}

TEST(TextOpen, AMissingFontIsAnErrorThatNamesTheFile) {
  std::string error;
  EXPECT_EQ(TextRenderer::Open("/nonexistent/font.ttf", &error), nullptr);
  EXPECT_NE(error.find("/nonexistent/font.ttf"), std::string::npos);
}

}  // namespace
}  // namespace qel
