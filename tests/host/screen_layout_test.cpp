#include "host/screen_layout.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

TEST(WindowLayoutTest, MenuBarOnTopAndPictureBelowAtEachScale) {
  const WindowLayout one = LayoutWindow(1);
  EXPECT_EQ(one.width, 480);
  EXPECT_EQ(one.height, 500);
  EXPECT_EQ(one.menuBar, (PixelRect{0, 0, 480, 20}));
  EXPECT_EQ(one.picture, (PixelRect{0, 20, 480, 480}));

  const WindowLayout two = LayoutWindow(2);
  EXPECT_EQ(two.width, 960);
  EXPECT_EQ(two.height, 1000);
  EXPECT_EQ(two.menuBar, (PixelRect{0, 0, 960, 40}));
  EXPECT_EQ(two.picture, (PixelRect{0, 40, 960, 960}));
}

TEST(WindowLayoutTest, ScaleBelowOneMeansOne) {
  EXPECT_EQ(LayoutWindow(0).picture, LayoutWindow(1).picture);
  EXPECT_EQ(LayoutWindow(-3).height, 500);
}

struct FullScreenCase {
  int outW, outH;
  PixelRect canvas, picture;
};

TEST(FullScreenLayoutTest, CanvasFitsByWholeFactorOrShrinksAndPictureSitsAtItsMiddle) {
  const FullScreenCase cases[] = {
      {640, 480, {0, 0, 640, 480}, {80, 0, 480, 480}},
      {1280, 960, {0, 0, 1280, 960}, {160, 0, 960, 960}},
      {1920, 1080, {320, 60, 1280, 960}, {480, 60, 960, 960}},
      {1366, 768, {363, 144, 640, 480}, {443, 144, 480, 480}},
      {3840, 2160, {640, 120, 2560, 1920}, {960, 120, 1920, 1920}},
      // Smaller than the old screen: shrunk to fit, keeping its shape.
      {320, 240, {0, 0, 320, 240}, {40, 0, 240, 240}},
      {800, 400, {133, 0, 533, 400}, {199, 0, 400, 400}},
      {600, 900, {0, 225, 600, 450}, {75, 225, 450, 450}},
  };
  for (const FullScreenCase &c : cases) {
    const FullScreenLayout l = LayoutFullScreen(c.outW, c.outH);
    EXPECT_EQ(l.canvas, c.canvas) << c.outW << "x" << c.outH;
    EXPECT_EQ(l.picture, c.picture) << c.outW << "x" << c.outH;
  }
}

TEST(FullScreenLayoutTest, PictureStaysSquareInsideCanvasAndOutput) {
  for (int w = 100; w <= 4000; w += 37) {
    for (int h = 100; h <= 3000; h += 41) {
      const FullScreenLayout l = LayoutFullScreen(w, h);
      ASSERT_EQ(l.picture.w, l.picture.h) << w << "x" << h;
      ASSERT_EQ(l.picture.h, l.canvas.h) << w << "x" << h;
      ASSERT_GE(l.canvas.x, 0);
      ASSERT_GE(l.canvas.y, 0);
      ASSERT_LE(l.canvas.x + l.canvas.w, w) << w << "x" << h;
      ASSERT_LE(l.canvas.y + l.canvas.h, h) << w << "x" << h;
      ASSERT_GE(l.picture.x, l.canvas.x);
      ASSERT_LE(l.picture.x + l.picture.w, l.canvas.x + l.canvas.w);
      // 4:3, give or take the pixel lost to rounding.
      ASSERT_NEAR(l.canvas.w * 3, l.canvas.h * 4, 4) << w << "x" << h;
    }
  }
}

TEST(FullScreenLayoutTest, NothingToShowOnAnEmptyOutput) {
  const FullScreenLayout l = LayoutFullScreen(0, 0);
  EXPECT_EQ(l.picture.w, 0);
  EXPECT_EQ(l.picture.h, 0);
}

}  // namespace
}  // namespace qel
