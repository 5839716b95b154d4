#include "platform/surface.h"

#include <gtest/gtest.h>

#include <array>
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

}  // namespace
}  // namespace qel
