#include "host/input_map.h"

#include <gtest/gtest.h>

#include "host/host.h"

namespace qel {
namespace {

TEST(VirtualKeyFromUsageTest, LettersAndDigitsFollowTheirNames) {
  EXPECT_EQ(VirtualKeyFromUsage(usb::A), vk::A);
  EXPECT_EQ(VirtualKeyFromUsage(usb::Z), vk::Z);
  EXPECT_EQ(VirtualKeyFromUsage(usb::A + 2), 'C');
  EXPECT_EQ(VirtualKeyFromUsage(usb::A + 23), 'X');
  EXPECT_EQ(VirtualKeyFromUsage(usb::Digit1), '1');
  EXPECT_EQ(VirtualKeyFromUsage(usb::Digit0 - 1), '9');
  EXPECT_EQ(VirtualKeyFromUsage(usb::Digit0), '0');
}

TEST(VirtualKeyFromUsageTest, GameKeysMapToTheOldCodes) {
  EXPECT_EQ(VirtualKeyFromUsage(usb::LeftShift), vk::Shift);
  EXPECT_EQ(VirtualKeyFromUsage(usb::RightShift), vk::Shift);
  EXPECT_EQ(VirtualKeyFromUsage(usb::Left), vk::Left);
  EXPECT_EQ(VirtualKeyFromUsage(usb::Up), vk::Up);
  EXPECT_EQ(VirtualKeyFromUsage(usb::Right), vk::Right);
  EXPECT_EQ(VirtualKeyFromUsage(usb::Down), vk::Down);
  EXPECT_EQ(VirtualKeyFromUsage(usb::F1), vk::F1);
  EXPECT_EQ(VirtualKeyFromUsage(usb::F1 + 1), vk::F2);
  EXPECT_EQ(VirtualKeyFromUsage(usb::Escape), vk::Esc);
  EXPECT_EQ(VirtualKeyFromUsage(usb::Tab), vk::Tab);
  EXPECT_EQ(VirtualKeyFromUsage(usb::Space), vk::Space);
  EXPECT_EQ(VirtualKeyFromUsage(usb::Enter), 13);
  EXPECT_EQ(VirtualKeyFromUsage(usb::KeypadEnter), 13);
}

TEST(VirtualKeyFromUsageTest, KeysTheGameNeverReadsGiveZero) {
  const int unread[] = {0, 3, 42 /* backspace */, 70 /* print screen */, 224 /* left ctrl */,
                        226 /* left alt */, 300};
  for (int usage : unread) EXPECT_EQ(VirtualKeyFromUsage(usage), 0) << usage;
}

TEST(OldJoyAxisTest, StickSpansTheOldRange) {
  EXPECT_EQ(OldJoyAxis(-32768, 0), 0);
  EXPECT_EQ(OldJoyAxis(0, 0), 32768);
  EXPECT_EQ(OldJoyAxis(32767, 0), 65535);
}

TEST(OldJoyAxisTest, PadCountsOnlyWhileTheStickRestsNearItsMiddle) {
  EXPECT_EQ(OldJoyAxis(0, -1), 0);
  EXPECT_EQ(OldJoyAxis(0, 1), 65535);
  EXPECT_EQ(OldJoyAxis(16383, -1), 0);
  EXPECT_EQ(OldJoyAxis(-16383, 1), 65535);
  // A deflected stick wins over the pad.
  EXPECT_EQ(OldJoyAxis(16384, -1), 49152);
  EXPECT_EQ(OldJoyAxis(-30000, 1), 2768);
}

}  // namespace
}  // namespace qel
