#include "shell/transition.h"

#include <gtest/gtest.h>

#include "support/test_game.h"

namespace qel {
namespace {

class TransitionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t.StartUp();
    Fill(t.g().surf.DISPLAY, 0x336699);
    Fill(t.g().surf.MSCREEN, 0x336699);
  }
  bool All(const Surface &s, Pixel p) {
    for (Pixel q : s.px)
      if (q != p) return false;
    return true;
  }
  test::TestGame t;
};

TEST_F(TransitionTest, FadeToBlackCoversBothBuffersAndTakesHalfASecond) {
  std::uint64_t start = t.host.NowMs();
  Transition(t.g(), 0);
  EXPECT_TRUE(All(t.g().surf.DISPLAY, 0));
  EXPECT_TRUE(All(t.g().surf.MSCREEN, 0));
  EXPECT_EQ(t.host.NowMs() - start, 5u * 101u);
}

TEST_F(TransitionTest, FadeToWhite) {
  Transition(t.g(), 3);
  EXPECT_TRUE(All(t.g().surf.MSCREEN, 0xFFFFFF));
}

TEST_F(TransitionTest, RevealShowsTheBackBufferAndTakesAQuarterSecond) {
  Fill(t.g().surf.MSCREEN, 0);
  std::uint64_t start = t.host.NowMs();
  Transition(t.g(), 1);
  EXPECT_EQ(t.g().surf.MSCREEN.px, t.g().surf.DISPLAY.px);
  EXPECT_EQ(t.host.NowMs() - start, 5u * 51u);
}

TEST_F(TransitionTest, RevealAfterFadeShowsBlackAndOtherKindsDoNothing) {
  Transition(t.g(), 0);
  Transition(t.g(), 1);
  EXPECT_TRUE(All(t.g().surf.MSCREEN, 0));
  Fill(t.g().surf.MSCREEN, 0x336699);
  std::uint64_t start = t.host.NowMs();
  Transition(t.g(), 2);
  EXPECT_EQ(t.host.NowMs(), start);
  EXPECT_TRUE(All(t.g().surf.MSCREEN, 0x336699));
}

TEST_F(TransitionTest, KeysPressedDuringAWipeAreRecorded) {
  t.host.PressKey(vk::Esc);
  Transition(t.g(), 0);
  EXPECT_EQ(t.g().input.KEYS[10], kCmdExit);
}

}  // namespace
}  // namespace qel
