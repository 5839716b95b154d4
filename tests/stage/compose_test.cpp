// The background drawn in as few passes as it can be must be the picture the steps draw one
// after another: clear, far layer, stars, near layer through its mask.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "game.h"
#include "stage/stage.h"
#include "support/test_game.h"

namespace qel {
namespace {

class ComposeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t.StartUp();
    std::mt19937 rng(7);
    for (Surface &layer : t.g().surf.MASTER)
      for (Pixel &p : layer.px) p = static_cast<Pixel>(rng()) & 0xFFFFFF;
    // Stars over the whole field and on its edges, some on top of each other.
    Stage &st = t.g().stage;
    for (int i = 0; i < kStarCount; ++i) {
      st.STAR[i].SX = i % 3 == 0 ? 479 : static_cast<int>(rng() % 480);
      st.STAR[i].SY = i % 5 == 0 ? 479 : static_cast<int>(rng() % 480);
      st.STAR[i].SV = 1, st.STAR[i].SC = 11 + i % 5;
    }
    st.STAR[1] = st.STAR[0];
    st.STAR[1].SC = 14;
    st.LSUB[kFar] = 20, st.LSUB[kNear] = 7;
    Fill(t.g().surf.DISPLAY, 0x555555);  // what the last frame left
  }

  // The steps one at a time, on a copy of the stars (the real ones move on).
  Surface OneStepAtATime(bool far, bool stars) {
    Game &g = t.g();
    Surface d = g.surf.DISPLAY;
    Cls(d);
    if (far) BitBlt(d, 0, 0, 480, 480, g.surf.MASTER[0], 0, g.stage.LSUB[kFar], Rop::Copy);
    for (int i = 0; stars && i < kStarCount; ++i) {
      const Star &s = g.stage.STAR[i];
      for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx) SetPixelV(d, s.SX + dx, s.SY + dy, QBColor(s.SC));
    }
    BitBlt(d, 0, 0, 480, 480, g.surf.MASTER[2], 0, g.stage.LSUB[kNear], Rop::And);
    BitBlt(d, 0, 0, 480, 480, g.surf.MASTER[1], 0, g.stage.LSUB[kNear], Rop::Xor);
    return d;
  }

  test::TestGame t;
};

TEST_F(ComposeTest, FarLayerStarsAndNearLayerInOnePassAreTheStepsInTurn) {
  const Surface expected = OneStepAtATime(true, true);
  ComposeBackground(t.g(), 1, true);
  EXPECT_EQ(t.g().surf.DISPLAY.px, expected.px);
}

TEST_F(ComposeTest, ClearStarsAndNearLayerInOnePassAreTheStepsInTurn) {
  t.g().stage.STAGETIME = 100;  // stage 7 before its far layer shows: stars over black
  const Surface expected = OneStepAtATime(false, true);
  ComposeBackground(t.g(), 7, true);
  EXPECT_EQ(t.g().surf.DISPLAY.px, expected.px);

  t.g().stage.STAGETIME = 1000;  // no stars: the near layer over black
  const Surface bare = OneStepAtATime(false, false);
  ComposeBackground(t.g(), 7, true);
  EXPECT_EQ(t.g().surf.DISPLAY.px, bare.px);
}

TEST_F(ComposeTest, LayersThatRunOffTheirSurfaceAreDrawnStepByStep) {
  t.g().stage.LSUB[kNear] = 80;  // the near layer's last rows are missing
  const Surface expected = OneStepAtATime(true, true);
  ComposeBackground(t.g(), 1, true);
  EXPECT_EQ(t.g().surf.DISPLAY.px, expected.px);
}

TEST_F(ComposeTest, TheStarsMoveOnOncePerFrame) {
  std::vector<int> before;
  for (const Star &s : t.g().stage.STAR) before.push_back(s.SY);
  ComposeBackground(t.g(), 1, true);
  for (int i = 0; i < kStarCount; ++i) {
    const int y = t.g().stage.STAR[i].SY;
    EXPECT_TRUE(y == before[static_cast<std::size_t>(i)] + 1 || y == 0) << i;
  }
}

}  // namespace
}  // namespace qel
