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

TEST(WindowLayoutTest, AResizedWindowKeepsTheBarOnTopAndTheLargestWholeScaleCentred) {
  struct Case {
    int w, h, barScale;
    PixelRect picture;
  };
  const Case cases[] = {
      {480, 500, 1, {0, 20, 480, 480}},
      {1100, 700, 1, {310, 120, 480, 480}},  // wider: centred across, bar at 1x
      {960, 980, 1, {0, 20, 960, 960}},      // room for the picture at 2x, not for both at 2x
      {1500, 1100, 2, {270, 90, 960, 960}},  // bar and picture at 2x
      {700, 900, 1, {110, 220, 480, 480}},   // taller: centred down
      {1920, 1080, 2, {480, 80, 960, 960}},
      {3840, 2160, 4, {960, 160, 1920, 1920}},
  };
  for (const Case &c : cases) {
    const WindowLayout l = LayoutResizedWindow(c.w, c.h, Scaling::Integer);
    EXPECT_EQ(l.barScale, c.barScale) << c.w << "x" << c.h;
    EXPECT_EQ(l.menuBar, (PixelRect{0, 0, 480 * c.barScale, 20 * c.barScale})) << c.w << "x" << c.h;
    EXPECT_EQ(l.picture, c.picture) << c.w << "x" << c.h;
  }
  // At the size it opens with, it is the window of that scale.
  for (int scale = 1; scale <= 4; ++scale) {
    const WindowLayout open = LayoutWindow(scale);
    const WindowLayout resized = LayoutResizedWindow(open.width, open.height, Scaling::Integer);
    EXPECT_EQ(resized.picture, open.picture);
    EXPECT_EQ(resized.menuBar, open.menuBar);
  }
}

TEST(WindowLayoutTest, FitFillsTheRoomBelowTheBar) {
  const WindowLayout l = LayoutResizedWindow(1100, 700, Scaling::Fit);
  EXPECT_EQ(l.picture, (PixelRect{210, 20, 680, 680}));
  const WindowLayout tall = LayoutResizedWindow(700, 1000, Scaling::Fit);
  EXPECT_EQ(tall.picture, (PixelRect{0, 160, 700, 700}));
  EXPECT_EQ(LayoutResizedWindow(0, 0, Scaling::Fit).picture, PixelRect{});
}

TEST(WindowLayoutTest, LargestScaleThatFitsTheDesktop) {
  EXPECT_EQ(LargestWindowScale(1920, 1080), 2);
  EXPECT_EQ(LargestWindowScale(3840, 2160), 4);
  EXPECT_EQ(LargestWindowScale(1920, 1000), 2);
  EXPECT_EQ(LargestWindowScale(1920, 999), 1);
  EXPECT_EQ(LargestWindowScale(800, 600), 1);
  EXPECT_EQ(LargestWindowScale(300, 200), 1);  // never below 1
}

TEST(FullScreenLayoutTest, FitScalesTheCanvasToTheOutput) {
  const FullScreenLayout l = LayoutFullScreen(1920, 1080, Scaling::Fit);
  EXPECT_EQ(l.canvas, (PixelRect{240, 0, 1440, 1080}));
  EXPECT_EQ(l.picture, (PixelRect{420, 0, 1080, 1080}));
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
