// The pictures of the opening and the title keep to the places the screens give them.
#include <gtest/gtest.h>

#include "platform/sheets.h"
#include "support/test_game.h"

namespace qel {
namespace {

// The title page copies the logo to (10, 80) and then writes the version line, shadow at
// (372, 162) and text at (370, 160), 20 pixels high, into the logo's lower right: the logo
// must leave that corner to it.
TEST(TitleArt, TheLogoLeavesTheVersionLineClear) {
  auto sheets = test::SharedSheets();
  if (sheets->diagnostic(Family::HAI, 5)) GTEST_SKIP() << "no art for HAI(5) yet";
  const Surface &mask = sheets->get(Family::HAI, 6);  // AND-XOR: black where the logo is
  int clashes = 0;
  for (int y = 158 - 80; y < mask.h; ++y)
    for (int x = 366 - 10; x < mask.w; ++x) clashes += mask.at(x, y) == 0;
  EXPECT_EQ(clashes, 0);
}

// The opening card is copied opaque onto the black screen: its rim must be black, or the
// card would show as a box.
TEST(TitleArt, TheOpeningCardHasABlackRim) {
  auto sheets = test::SharedSheets();
  if (sheets->diagnostic(Family::HAI, 12)) GTEST_SKIP() << "no art for HAI(12) yet";
  const Surface &card = sheets->get(Family::HAI, 12);
  int lit = 0;
  for (int x = 0; x < card.w; ++x) lit += (card.at(x, 0) != 0) + (card.at(x, card.h - 1) != 0);
  for (int y = 0; y < card.h; ++y) lit += (card.at(0, y) != 0) + (card.at(card.w - 1, y) != 0);
  EXPECT_EQ(lit, 0);
}

}  // namespace
}  // namespace qel
