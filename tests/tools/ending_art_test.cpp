// The ending's pictures keep to the way the ending draws them.
#include <gtest/gtest.h>

#include "platform/sheets.h"
#include "support/test_game.h"

namespace qel {
namespace {

// AND-XOR masks are black where the picture is.
int CoveredInColumn(const Surface &mask, int x, int rows) {
  int n = 0;
  for (int y = 0; y < rows; ++y) n += mask.at(x, y) == 0;
  return n;
}

// Without the keeper met, only the left 150 columns of the two figures are drawn: nothing may
// straddle the cut, or the pilot alone would be clipped and a piece of the keeper would show.
TEST(EndingArt, TheFiguresPartBetweenColumns149And150) {
  auto sheets = test::SharedSheets();
  const Surface &mask = sheets->get(Family::TOKUM, 37);
  EXPECT_EQ(CoveredInColumn(mask, 149, 215), 0);
  EXPECT_EQ(CoveredInColumn(mask, 150, 215), 0);
  EXPECT_GT(CoveredInColumn(mask, 75, 215), 0);   // the pilot
  EXPECT_GT(CoveredInColumn(mask, 212, 215), 0);  // the keeper
}

// The close-ups stop at x 260 and 155, so their left edges are on screen: a picture touching
// them would end in a straight cut.
TEST(EndingArt, TheCloseUpsLeaveTheirLeftEdgeClear) {
  auto sheets = test::SharedSheets();
  for (int index : {2, 4}) {
    const Surface &mask = sheets->get(Family::BG, index);
    EXPECT_EQ(CoveredInColumn(mask, 0, mask.h), 0) << "BG" << index;
  }
}

// The wreck is cut from the bottom while it sinks with its lowest row at the horizon, so that
// row is the waterline, solid across most of the hull.
TEST(EndingArt, TheWreckStandsOnTheWaterline) {
  auto sheets = test::SharedSheets();
  const Surface &mask = sheets->get(Family::TOKUM, 14);
  int water = 0;
  for (int x = 0; x < mask.w; ++x) water += mask.at(x, mask.h - 1) == 0;
  EXPECT_GT(water, mask.w * 3 / 4);
}

// The beam is stretched more than sixteen times in height: a hole in its 14 x 20 would show
// as a gap across it, so every pixel is light.
TEST(EndingArt, TheBeamIsSolid) {
  auto sheets = test::SharedSheets();
  const Surface &mask = sheets->get(Family::TOKUM, 51);
  for (int x = 0; x < mask.w; ++x) EXPECT_EQ(CoveredInColumn(mask, x, mask.h), mask.h) << "column " << x;
}

}  // namespace
}  // namespace qel
