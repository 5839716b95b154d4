#include "host/menu_bar.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text.h"

namespace qel {
namespace {

constexpr MenuItem kAll[kMenuItems] = {MenuItem::FullScreen, MenuItem::Reset, MenuItem::Quit};

int CentreX(const MenuBar &bar, MenuItem item) {
  const PixelRect &r = bar.ItemRect(item);
  return r.x + r.w / 2;
}
int CentreY(const MenuBar &bar, MenuItem item) {
  const PixelRect &r = bar.ItemRect(item);
  return r.y + r.h / 2;
}

std::optional<MenuItem> Click(MenuBar &bar, MenuItem down, MenuItem up) {
  bar.MouseDown(CentreX(bar, down), CentreY(bar, down));
  return bar.MouseUp(CentreX(bar, up), CentreY(bar, up));
}

TEST(MenuBarLayoutTest, ItemsRunLeftToRightInsideTheBar) {
  MenuBar bar(nullptr, 1);
  int right = 0;
  for (MenuItem item : kAll) {
    const PixelRect &r = bar.ItemRect(item);
    EXPECT_GE(r.x, right);
    EXPECT_GT(r.w, 0);
    EXPECT_GE(r.y, 0);
    EXPECT_LE(r.y + r.h, kMenuBarHeight);
    right = r.x + r.w;
  }
  EXPECT_LE(right, kPictureSide);
}

TEST(MenuBarLayoutTest, EverythingGrowsWithTheScale) {
  MenuBar one(nullptr, 1);
  MenuBar two(nullptr, 2);
  EXPECT_EQ(two.Picture().w, 2 * one.Picture().w);
  EXPECT_EQ(two.Picture().h, 2 * one.Picture().h);
  for (MenuItem item : kAll) {
    const PixelRect &a = one.ItemRect(item);
    EXPECT_EQ(two.ItemRect(item), (PixelRect{2 * a.x, 2 * a.y, 2 * a.w, 2 * a.h}));
  }
}

TEST(MenuBarClickTest, ReleaseOverThePressedEnabledItemChoosesIt) {
  MenuBar bar(nullptr, 1);
  for (MenuItem item : kAll) EXPECT_EQ(Click(bar, item, item), item);
}

TEST(MenuBarClickTest, DisabledItemsCannotBeChosenUntilEnabledAgain) {
  MenuBar bar(nullptr, 1);
  bar.SetEnabled(MenuItem::Reset, false);
  EXPECT_FALSE(bar.Enabled(MenuItem::Reset));
  EXPECT_EQ(Click(bar, MenuItem::Reset, MenuItem::Reset), std::nullopt);
  EXPECT_EQ(Click(bar, MenuItem::Quit, MenuItem::Quit), MenuItem::Quit);
  bar.SetEnabled(MenuItem::Reset, true);
  EXPECT_EQ(Click(bar, MenuItem::Reset, MenuItem::Reset), MenuItem::Reset);
}

TEST(MenuBarClickTest, PressAndReleaseMustBeOnTheSameItem) {
  MenuBar bar(nullptr, 1);
  EXPECT_EQ(Click(bar, MenuItem::FullScreen, MenuItem::Quit), std::nullopt);
  // Pressed outside the bar, released on an item.
  bar.MouseDown(-1, -1);
  EXPECT_EQ(bar.MouseUp(CentreX(bar, MenuItem::Quit), CentreY(bar, MenuItem::Quit)), std::nullopt);
  // Dragged off and back before the release still counts.
  bar.MouseDown(CentreX(bar, MenuItem::Quit), CentreY(bar, MenuItem::Quit));
  bar.MouseMove(400, 300);
  EXPECT_EQ(bar.MouseUp(CentreX(bar, MenuItem::Quit), CentreY(bar, MenuItem::Quit)), MenuItem::Quit);
  // A press forgotten (the bar went away) chooses nothing.
  bar.MouseDown(CentreX(bar, MenuItem::Quit), CentreY(bar, MenuItem::Quit));
  bar.ForgetMouse();
  EXPECT_EQ(bar.MouseUp(CentreX(bar, MenuItem::Quit), CentreY(bar, MenuItem::Quit)), std::nullopt);
}

TEST(MenuBarClickTest, LookChangesOnlyWhenTheMouseEntersAnotherItem) {
  MenuBar bar(nullptr, 1);
  bar.Picture();
  const PixelRect &r = bar.ItemRect(MenuItem::FullScreen);
  bar.MouseMove(r.x + 1, r.y + 1);
  EXPECT_TRUE(bar.Dirty());
  bar.Picture();
  bar.MouseMove(r.x + 2, r.y + 2);
  EXPECT_FALSE(bar.Dirty());
  bar.MouseLeave();
  EXPECT_TRUE(bar.Dirty());
}

// Drawing, with the game's own font.
class MenuBarDrawTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    text_ = TextRenderer::Open(TextRenderer::DefaultFontPath(), &error);
    ASSERT_TRUE(text_) << error;
  }
  static int Count(const Surface &s, const PixelRect &r, Pixel colour) {
    int n = 0;
    for (int y = r.y; y < r.y + r.h; ++y) {
      for (int x = r.x; x < r.x + r.w; ++x) n += s.at(x, y) == colour;
    }
    return n;
  }
  std::shared_ptr<TextRenderer> text_;
};

TEST_F(MenuBarDrawTest, EnabledLabelsAreBlackAndDisabledOnesGrey) {
  MenuBar bar(text_, 1);
  bar.SetEnabled(MenuItem::Reset, false);
  const Surface &s = bar.Picture();
  EXPECT_GT(Count(s, bar.ItemRect(MenuItem::FullScreen), 0x000000), 20);
  EXPECT_GT(Count(s, bar.ItemRect(MenuItem::Quit), 0x000000), 20);
  EXPECT_EQ(Count(s, bar.ItemRect(MenuItem::Reset), 0x000000), 0);
  EXPECT_GT(Count(s, bar.ItemRect(MenuItem::Reset), 0x808080), 20);
}

TEST_F(MenuBarDrawTest, HoveredItemIsRaisedAndPressedItemSunken) {
  MenuBar bar(text_, 1);
  const PixelRect r = bar.ItemRect(MenuItem::Quit);
  const int right = r.x + r.w - 1, bottom = r.y + r.h - 1;
  bar.MouseMove(r.x + 3, r.y + 3);
  const Surface &raised = bar.Picture();
  EXPECT_EQ(raised.at(r.x, r.y), 0xFFFFFFu);
  EXPECT_EQ(raised.at(right, bottom), 0x808080u);
  bar.MouseDown(r.x + 3, r.y + 3);
  const Surface &sunken = bar.Picture();
  EXPECT_EQ(sunken.at(r.x, r.y), 0x808080u);
  EXPECT_EQ(sunken.at(right, bottom), 0xFFFFFFu);
  // The other items stay flat.
  const PixelRect &other = bar.ItemRect(MenuItem::FullScreen);
  EXPECT_EQ(sunken.at(other.x, other.y), 0xD4D0C8u);
}

TEST_F(MenuBarDrawTest, LabelsKeepClearOfTheirItemsEdges) {
  for (int scale : {1, 2, 3}) {
    MenuBar bar(text_, scale);
    const Surface &s = bar.Picture();
    const int margin = 3 * scale;
    for (MenuItem item : kAll) {
      const PixelRect &r = bar.ItemRect(item);
      EXPECT_GT(Count(s, r, 0x000000), 0) << scale;
      EXPECT_EQ(Count(s, {r.x, 0, margin, s.h}, 0x000000), 0) << scale;
      EXPECT_EQ(Count(s, {r.x + r.w - margin, 0, margin, s.h}, 0x000000), 0) << scale;
    }
  }
}

}  // namespace
}  // namespace qel
