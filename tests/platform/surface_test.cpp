#include "platform/surface.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <utility>

namespace qel {
namespace {

constexpr Pixel kWhite = 0xFFFFFF, kBlack = 0, kRed = 0xFF0000, kGreen = 0x00FF00;

// A 2 x 1 sprite: left pixel is the picture, right pixel is background.
struct Sprite {
  Surface colour{2, 1}, mask{2, 1};
};

Sprite AndXorSprite() {  // picture on black, mask black where the picture is
  Sprite s;
  s.colour.px = {kRed, kBlack};
  s.mask.px = {kBlack, kWhite};
  return s;
}

Sprite OrAndSprite() {  // picture on white, mask white where the picture is
  Sprite s;
  s.colour.px = {kRed, kWhite};
  s.mask.px = {kWhite, kBlack};
  return s;
}

TEST(RasterOps, BothMaskConventionsShowThePictureAndKeepTheBackground) {
  Surface dst(2, 1);
  Sprite a = AndXorSprite();
  dst.px = {kGreen, kGreen};
  BitBlt(dst, 0, 0, 2, 1, a.mask, 0, 0, Rop::And);
  BitBlt(dst, 0, 0, 2, 1, a.colour, 0, 0, Rop::Xor);
  EXPECT_EQ(dst.px[0], kRed);
  EXPECT_EQ(dst.px[1], kGreen);

  Sprite o = OrAndSprite();
  dst.px = {kGreen, kGreen};
  BitBlt(dst, 0, 0, 2, 1, o.mask, 0, 0, Rop::Or);
  BitBlt(dst, 0, 0, 2, 1, o.colour, 0, 0, Rop::And);
  EXPECT_EQ(dst.px[0], kRed);
  EXPECT_EQ(dst.px[1], kGreen);
}

TEST(RasterOps, AMaskAloneLeavesASilhouette) {
  Surface dst(2, 1);
  dst.px = {kGreen, kGreen};
  BitBlt(dst, 0, 0, 2, 1, AndXorSprite().mask, 0, 0, Rop::And);
  EXPECT_EQ(dst.px[0], kBlack);
  dst.px = {kGreen, kGreen};
  BitBlt(dst, 0, 0, 2, 1, OrAndSprite().mask, 0, 0, Rop::Or);
  EXPECT_EQ(dst.px[0], kWhite);
  EXPECT_EQ(dst.px[1], kGreen);
}

TEST(RasterOps, EachOperationCombinesPerChannel) {
  Surface src(1, 1), dst(1, 1);
  src.px = {0x0F0F0F};
  for (auto [rop, expected] : {std::pair{Rop::Copy, 0x0F0F0Fu},
                               {Rop::And, 0x030303u},
                               {Rop::Or, 0x3F3F3Fu},
                               {Rop::Xor, 0x3C3C3Cu}}) {
    dst.px = {0x333333};
    BitBlt(dst, 0, 0, 1, 1, src, 0, 0, rop);
    EXPECT_EQ(dst.px[0], expected);
  }
}

// A 4 x 4 source numbered 1..16 copied so that it overhangs each edge of a 4 x 4 target.
Surface Numbered() {
  Surface s(4, 4);
  for (int i = 0; i < 16; ++i) s.px[i] = static_cast<Pixel>(i + 1);
  return s;
}

TEST(Clipping, DestinationOverhangOnEveryEdge) {
  Surface src = Numbered();
  struct Case {
    int x, y;
    Pixel topLeft;
    int cx, cy;
  };
  for (Case c : {Case{-1, 0, 2, 0, 0}, Case{0, -1, 5, 0, 0}, Case{3, 0, 1, 3, 0}, Case{0, 3, 1, 0, 3}}) {
    Surface dst(4, 4);
    BitBlt(dst, c.x, c.y, 4, 4, src, 0, 0, Rop::Copy);
    EXPECT_EQ(dst.at(c.cx, c.cy), c.topLeft) << c.x << "," << c.y;
  }
  Surface dst(4, 4);
  BitBlt(dst, 3, 3, 4, 4, src, 0, 0, Rop::Copy);
  EXPECT_EQ(dst.at(3, 3), 1u);
  EXPECT_EQ(dst.at(2, 2), 0u);
}

TEST(Clipping, SourceOverhangSkipsWhatIsNotThere) {
  Surface src = Numbered();
  Surface dst(4, 4, 0x77);
  Fill(dst, 0x77);
  BitBlt(dst, 0, 0, 4, 4, src, 2, 2, Rop::Copy);  // only a 2 x 2 part of the source exists
  EXPECT_EQ(dst.at(0, 0), 11u);
  EXPECT_EQ(dst.at(1, 1), 16u);
  EXPECT_EQ(dst.at(2, 0), 0x77u);
  EXPECT_EQ(dst.at(0, 2), 0x77u);
  Fill(dst, 0x77);
  BitBlt(dst, 1, 1, 2, 2, src, -1, -1, Rop::Copy);  // negative source origin
  EXPECT_EQ(dst.at(1, 1), 0x77u);
  EXPECT_EQ(dst.at(2, 2), 1u);
}

TEST(Clipping, EntirelyOutsideAndEmptySizesDrawNothing) {
  Surface src = Numbered();
  Surface dst(4, 4);
  for (auto [x, y, w, h] : {std::array{10, 0, 4, 4},
                            {0, 10, 4, 4},
                            {-4, 0, 4, 4},
                            {0, -4, 4, 4},
                            {0, 0, 0, 4},
                            {0, 0, 4, 0},
                            {0, 0, -3, 4},
                            {0, 0, 4, -1}}) {
    BitBlt(dst, x, y, w, h, src, 0, 0, Rop::Copy);
    StretchBlt(dst, x, y, w, h, src, 0, 0, 4, 4, Rop::Copy);
  }
  for (Pixel p : dst.px) EXPECT_EQ(p, 0u);
  Surface empty;
  BitBlt(dst, 0, 0, 4, 4, empty, 0, 0, Rop::Copy);  // a sheet the family lacks
  for (Pixel p : dst.px) EXPECT_EQ(p, 0u);
}

TEST(Clipping, CopyOntoItselfShiftsLikeAScroll) {
  Surface s = Numbered();
  BitBlt(s, 0, 1, 4, 3, s, 0, 0, Rop::Copy);  // down by one row
  EXPECT_EQ(s.at(0, 1), 1u);
  EXPECT_EQ(s.at(3, 3), 12u);
  Surface t = Numbered();
  BitBlt(t, 1, 0, 3, 4, t, 0, 0, Rop::Copy);  // right by one column
  EXPECT_EQ(t.at(1, 0), 1u);
  EXPECT_EQ(t.at(3, 0), 3u);
  Surface u = Numbered();
  BitBlt(u, 0, 0, 4, 3, u, 0, 1, Rop::Copy);  // up by one row
  EXPECT_EQ(u.at(0, 0), 5u);
  EXPECT_EQ(u.at(3, 2), 16u);
}

TEST(Stretch, NearestPixelBothWays) {
  Surface src = Numbered();
  Surface big(8, 8);
  StretchBlt(big, 0, 0, 8, 8, src, 0, 0, 4, 4, Rop::Copy);
  EXPECT_EQ(big.at(0, 0), 1u);
  EXPECT_EQ(big.at(1, 1), 1u);
  EXPECT_EQ(big.at(2, 0), 2u);
  EXPECT_EQ(big.at(7, 7), 16u);
  Surface small(2, 2);
  StretchBlt(small, 0, 0, 2, 2, src, 0, 0, 4, 4, Rop::Copy);
  EXPECT_EQ(small.at(0, 0), 1u);
  EXPECT_EQ(small.at(1, 1), 11u);
  Surface clipped(4, 4);
  StretchBlt(clipped, -4, -4, 8, 8, src, 0, 0, 4, 4, Rop::Copy);
  EXPECT_EQ(clipped.at(0, 0), 11u);  // the lower-right quarter of the enlarged picture
  EXPECT_EQ(clipped.at(3, 3), 16u);
}

TEST(Stretch, StretchedMaskStaysPureAndUsesTheRop) {
  Surface mask(1, 2);
  mask.px = {kWhite, kBlack};
  Surface dst(3, 4);
  Fill(dst, kGreen);
  StretchBlt(dst, 0, 0, 3, 4, mask, 0, 0, 1, 2, Rop::Or);
  EXPECT_EQ(dst.at(2, 1), kWhite);
  EXPECT_EQ(dst.at(2, 2), kGreen);
}

TEST(Shapes, LinesBoxesAndPixelsIncludeTheirEndsAndClip) {
  Surface s(10, 10);
  DrawLine(s, -5, 3, 20, 3, kRed);
  for (int x = 0; x < 10; ++x) EXPECT_EQ(s.at(x, 3), kRed);
  DrawLine(s, 2, 0, 2, 9, kGreen);
  EXPECT_EQ(s.at(2, 0), kGreen);
  EXPECT_EQ(s.at(2, 9), kGreen);
  DrawLine(s, 0, 0, 9, 9, kWhite);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(s.at(i, i), kWhite);

  Surface b(10, 10);
  DrawBox(b, 2, 2, 5, 6, kRed);
  EXPECT_EQ(b.at(2, 2), kRed);
  EXPECT_EQ(b.at(5, 6), kRed);
  EXPECT_EQ(b.at(3, 3), 0u);
  FillBox(b, 7, 7, 20, 20, kGreen);
  EXPECT_EQ(b.at(9, 9), kGreen);
  EXPECT_EQ(b.at(6, 6), 0u);
  // Boxes wholly outside, on any side, touch nothing (and write nothing beyond the pixels).
  const Surface before = b;
  FillBox(b, -30, 2, -5, 4, kWhite);
  FillBox(b, 12, 2, 40, 4, kWhite);
  FillBox(b, 2, -9, 4, -1, kWhite);
  FillBox(b, 2, 10, 4, 30, kWhite);
  DrawBox(b, 11, 11, 30, 30, kWhite);
  EXPECT_EQ(b.px, before.px);
  SetPixelV(b, -1, 0, kWhite);
  SetPixelV(b, 10, 10, kWhite);
  SetPixelV(b, 0, 0, kWhite);
  EXPECT_EQ(b.at(0, 0), kWhite);
}

TEST(Palette, ClassicSixteenColours) {
  EXPECT_EQ(QBColor(0), 0x000000u);
  EXPECT_EQ(QBColor(1), 0x000080u);
  EXPECT_EQ(QBColor(6), 0x808000u);
  EXPECT_EQ(QBColor(7), 0xC0C0C0u);
  EXPECT_EQ(QBColor(12), 0xFF0000u);
  EXPECT_EQ(QBColor(14), 0xFFFF00u);
  EXPECT_EQ(QBColor(15), 0xFFFFFFu);
}

TEST(Clear, EachSurfaceClearsToItsOwnColour) {
  Surface master2(544, 544, 0xFFFFFF), display(480, 480, 0);
  Fill(master2, kRed);
  Fill(display, kRed);
  Cls(master2);
  Cls(display);
  EXPECT_EQ(master2.at(543, 543), kWhite);
  EXPECT_EQ(display.at(479, 479), kBlack);
}

TEST(Clear, ColoursOfFourDifferentBytesFillEveryPixel) {
  Surface s(37, 5, 0x123456);
  Fill(s, kRed);
  Cls(s);
  for (Pixel p : s.px) ASSERT_EQ(p, 0x123456u);
  Fill(s, 0x00FEFEFE);
  for (Pixel p : s.px) ASSERT_EQ(p, 0x00FEFEFEu);
}

// What every operation must do, pixel by pixel: the result is as if the source rectangle had
// been read whole before anything was written, whatever overlaps or overhangs.
void ReferenceBlt(Surface &dst, int x, int y, int w, int h, const Surface &src, int sx, int sy, Rop rop) {
  const Surface before = src;
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      if (!dst.contains(x + i, y + j) || !before.contains(sx + i, sy + j)) continue;
      Pixel s = before.at(sx + i, sy + j), &d = dst.row(y + j)[x + i];
      d = rop == Rop::Copy ? s : rop == Rop::And ? (s & d) : rop == Rop::Or ? (s | d) : (s ^ d);
    }
}

struct Noise {
  std::mt19937 rng{20261209};
  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
  Surface Picture(int w, int h) {
    Surface s(w, h);
    for (Pixel &p : s.px) p = static_cast<Pixel>(rng()) & 0xFFFFFF;
    return s;
  }
  Rop AnyRop() { return static_cast<Rop>(Int(0, 3)); }
};

constexpr Rop kRops[] = {Rop::Copy, Rop::And, Rop::Or, Rop::Xor};

TEST(RasterOps, EveryOperationMatchesThePixelByPixelRuleOnRandomRectangles) {
  Noise n;
  for (int round = 0; round < 400; ++round) {
    Surface src = n.Picture(n.Int(1, 70), n.Int(1, 40)), dst = n.Picture(n.Int(1, 70), n.Int(1, 40));
    int x = n.Int(-20, 70), y = n.Int(-20, 40), w = n.Int(-2, 80), h = n.Int(-2, 45);
    int sx = n.Int(-20, 70), sy = n.Int(-20, 40);
    Rop rop = n.AnyRop();
    Surface expected = dst;
    ReferenceBlt(expected, x, y, w, h, src, sx, sy, rop);
    BitBlt(dst, x, y, w, h, src, sx, sy, rop);
    ASSERT_EQ(dst.px, expected.px) << "round " << round;
    // The same within one surface, where the rectangles overlap in either direction.
    Surface self = n.Picture(64, 24), selfExpected = self;
    x = n.Int(-4, 40), y = n.Int(-4, 20), sx = x + n.Int(-9, 9), sy = y + n.Int(-3, 3);
    ReferenceBlt(selfExpected, x, y, 33, 9, self, sx, sy, rop);
    BitBlt(self, x, y, 33, 9, self, sx, sy, rop);
    ASSERT_EQ(self.px, selfExpected.px) << "round " << round << " onto itself";
  }
}

TEST(RasterOps, TwoSourcesInOnePassEqualTwoOperations) {
  Noise n;
  for (Rop first : kRops)
    for (Rop second : kRops)
      for (int round = 0; round < 40; ++round) {
        // Sources of one size go in one pass; of different sizes, or one of them the target,
        // the two operations run as they would one after the other.
        int sw = n.Int(1, 60), sh = n.Int(1, 30);
        bool sameSize = round % 3 != 0;
        Surface a = n.Picture(sw, sh),
                b = sameSize ? n.Picture(sw, sh) : n.Picture(n.Int(1, 60), n.Int(1, 30));
        Surface dst = n.Picture(n.Int(1, 60), n.Int(1, 30));
        int x = n.Int(-10, 50), y = n.Int(-10, 25), w = n.Int(0, 64), h = n.Int(0, 32);
        int sx = n.Int(-10, 50), sy = n.Int(-10, 25);
        Surface expected = dst;
        BitBlt(expected, x, y, w, h, a, sx, sy, first);
        BitBlt(expected, x, y, w, h, b, sx, sy, second);
        BitBlt2(dst, x, y, w, h, a, b, sx, sy, first, second);
        ASSERT_EQ(dst.px, expected.px) << "round " << round;

        Surface self = n.Picture(40, 20), selfExpected = self;
        BitBlt(selfExpected, 3, 2, 30, 10, self, 5, 1, first);
        BitBlt(selfExpected, 3, 2, 30, 10, a, 5, 1, second);
        BitBlt2(self, 3, 2, 30, 10, self, a, 5, 1, first, second);
        ASSERT_EQ(self.px, selfExpected.px) << "round " << round << " with the target as a source";
      }
}

TEST(RasterOps, BothScrollLayersInOnePassEqualTheThreeOperations) {
  Noise n;
  Surface far = n.Picture(544, 544), mask = n.Picture(544, 544), near = n.Picture(544, 544);
  // Rows inside the layers, and rows that run off them, where the picture keeps what it had.
  for (auto [farY, nearY] : {std::pair{0, 0}, {16, 31}, {64, 1}, {70, 10}, {-3, 5}, {8, 100}}) {
    Surface dst = n.Picture(480, 480), expected = dst;
    BitBlt(expected, 0, 0, 480, 480, far, 0, farY, Rop::Copy);
    BitBlt(expected, 0, 0, 480, 480, mask, 0, nearY, Rop::And);
    BitBlt(expected, 0, 0, 480, 480, near, 0, nearY, Rop::Xor);
    BlitLayers(dst, far, farY, mask, near, nearY);
    ASSERT_EQ(dst.px, expected.px) << farY << " " << nearY;
  }
  EXPECT_TRUE(Covers(far, 0, 64, Surface(480, 480)));
  EXPECT_FALSE(Covers(far, 0, 65, Surface(480, 480)));
  EXPECT_FALSE(Covers(far, -1, 0, Surface(480, 480)));
}

TEST(Stamp, EveryDrawingRenewsItAndACopyKeepsIt) {
  Surface s(8, 8), src(8, 8);
  std::uint64_t last = s.stamp;
  auto renewed = [&] {
    bool fresh = s.stamp != last;
    last = s.stamp;
    return fresh;
  };
  Cls(s);
  EXPECT_TRUE(renewed());
  BitBlt(s, 0, 0, 4, 4, src, 0, 0, Rop::Xor);
  EXPECT_TRUE(renewed());
  BitBlt2(s, 0, 0, 4, 4, src, src, 0, 0, Rop::And, Rop::Or);
  EXPECT_TRUE(renewed());
  StretchBlt(s, 0, 0, 8, 8, src, 0, 0, 2, 2, Rop::Copy);
  EXPECT_TRUE(renewed());
  FillBox(s, 1, 1, 2, 2, kRed);
  EXPECT_TRUE(renewed());
  SetPixelV(s, 5, 5, kGreen);
  EXPECT_TRUE(renewed());
  // What changes nothing may keep it: a point of the colour it has, a rectangle off the surface.
  SetPixelV(s, 5, 5, kGreen);
  BitBlt(s, 9, 0, 4, 4, src, 0, 0, Rop::Copy);
  FillBox(s, -5, -5, -1, -1, kRed);
  EXPECT_FALSE(renewed());
  Surface copy = s;
  EXPECT_EQ(copy.stamp, s.stamp);
  Fill(copy, kWhite);
  EXPECT_NE(copy.stamp, s.stamp);
  EXPECT_NE(Surface(8, 8).stamp, Surface(8, 8).stamp);
}

}  // namespace
}  // namespace qel
