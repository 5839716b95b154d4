#include <gtest/gtest.h>

#include "player/player.h"

namespace qel {
namespace {

TEST(VolleyTimer, SaturatesInsteadOfWrapping) {
  Player p;
  p.volleyTimer = kVolleyTimerMax - 2;
  for (int i = 0; i < 10; ++i) AdvanceVolleyTimer(p);
  EXPECT_EQ(p.volleyTimer, kVolleyTimerMax);
  EXPECT_GE(p.volleyTimer, 15);  // still past the longest volley interval: fire comes at once
}

}  // namespace
}  // namespace qel
