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
  const int unread[] = {
      0, 3, 42 /* backspace */, 70 /* print screen */, 224 /* left ctrl */, 226 /* left alt */, 300};
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

TEST(KeyMapTest, WithoutBindingsEveryKeyIsAsBefore) {
  const KeyMap keys;
  for (int usage = 0; usage < 300; ++usage)
    EXPECT_EQ(keys.VirtualKey(usage), VirtualKeyFromUsage(usage)) << usage;
  EXPECT_EQ(keys.VirtualKey(-5), 0);
  EXPECT_EQ(keys.VirtualKey(100000), 0);
}

TEST(KeyMapTest, ABoundKeySendsItsGameKeyAndTheOldKeyGoesQuiet) {
  KeyMap keys;
  constexpr int J = usb::A + ('J' - 'A'), K = usb::A + ('K' - 'A');
  keys.Bind(GameKey::Shot, {J});
  keys.Bind(GameKey::Pause, {usb::Space});
  keys.Bind(GameKey::Up, {usb::A + ('W' - 'A')});
  EXPECT_EQ(keys.VirtualKey(J), 'Z');
  EXPECT_EQ(keys.VirtualKey(usb::Z), 0);
  EXPECT_EQ(keys.VirtualKey(usb::Space), vk::Shift);
  EXPECT_EQ(keys.VirtualKey(usb::LeftShift), 0);
  EXPECT_EQ(keys.VirtualKey(usb::RightShift), 0);
  EXPECT_EQ(keys.VirtualKey(usb::A + ('W' - 'A')), vk::Up);
  EXPECT_EQ(keys.VirtualKey(usb::Up), 0);
  // Keys not bound stay as they were.
  EXPECT_EQ(keys.VirtualKey(K), 'K');
  EXPECT_EQ(keys.VirtualKey(usb::X), 'X');
  EXPECT_EQ(keys.VirtualKey(usb::Down), vk::Down);
  EXPECT_EQ(keys.VirtualKey(usb::Escape), vk::Esc);
}

TEST(KeyMapTest, TwoGameKeysCanSwapTheirKeysInEitherOrder) {
  KeyMap a, b;
  a.Bind(GameKey::Shot, {usb::X});
  a.Bind(GameKey::Change, {usb::Z});
  b.Bind(GameKey::Change, {usb::Z});
  b.Bind(GameKey::Shot, {usb::X});
  for (const KeyMap *keys : {&a, &b}) {
    EXPECT_EQ(keys->VirtualKey(usb::X), 'Z');
    EXPECT_EQ(keys->VirtualKey(usb::Z), 'X');
    EXPECT_EQ(keys->VirtualKey(usb::C), 'C');
  }
  // Binding nothing, or only keys that do not exist, keeps the defaults.
  KeyMap c;
  c.Bind(GameKey::Bomb, {});
  c.Bind(GameKey::Bomb, {0, 9999});
  EXPECT_EQ(c.VirtualKey(usb::C), 'C');
}

TEST(KeyMapTest, DefaultKeysOfEachGameKey) {
  EXPECT_EQ(DefaultGameKeyUsages(GameKey::Shot), std::vector<int>{usb::Z});
  EXPECT_EQ(DefaultGameKeyUsages(GameKey::Pause), (std::vector<int>{usb::LeftShift, usb::RightShift}));
  EXPECT_EQ(DefaultGameKeyUsages(GameKey::Left), std::vector<int>{usb::Left});
  for (int k = 0; k < kGameKeys; ++k) {
    EXPECT_FALSE(DefaultGameKeyUsages(static_cast<GameKey>(k)).empty())
        << GameKeyName(static_cast<GameKey>(k));
  }
}

// The game's own thresholds for the old range: pushed beyond a quarter of it from either end.
constexpr int kLow = 16384, kHigh = 65535 - 16384;
int Dir(int axis) { return (axis > kHigh ? 1 : 0) - (axis < kLow ? 1 : 0); }

TEST(PadTest, ButtonsOneToTwelveFollowTheDocumentedOrder) {
  PadReading pad;
  for (int b = 0; b < kPadLeftTrigger; ++b) {
    pad.buttons = std::uint32_t{1} << b;
    EXPECT_EQ(JoyFromPad(pad).buttons, std::uint32_t{1} << b) << "button " << b + 1;
  }
  pad.buttons = 0;
  pad.leftTrigger = 32767;
  EXPECT_EQ(JoyFromPad(pad).buttons, std::uint32_t{1} << 10);  // button 11
  pad.leftTrigger = 0;
  pad.rightTrigger = 32767;
  EXPECT_EQ(JoyFromPad(pad).buttons, std::uint32_t{1} << 11);  // button 12
  // A trigger counts from half its travel; bits beyond the pad's buttons never come through.
  pad.rightTrigger = kTriggerPressed;
  EXPECT_EQ(JoyFromPad(pad).buttons, 0u);
  pad.rightTrigger = kTriggerPressed + 1;
  pad.buttons = 0xFFFFFFFFu;
  EXPECT_EQ(JoyFromPad(pad).buttons, 0xFFFu & ~(1u << 10));
}

TEST(PadTest, TheStickTurnsAtHalfTravelAndRestsInItsDeadZone) {
  PadReading pad;
  EXPECT_EQ(Dir(JoyFromPad(pad).x), 0);
  pad.leftX = kStickDeadZone - 1;
  EXPECT_EQ(JoyFromPad(pad).x, 32768);  // exactly centred inside the dead zone
  pad.leftX = 16383;
  EXPECT_EQ(Dir(JoyFromPad(pad).x), 0);
  pad.leftX = 16400;
  EXPECT_EQ(Dir(JoyFromPad(pad).x), 1);
  pad.leftX = -16400;
  EXPECT_EQ(Dir(JoyFromPad(pad).x), -1);
  pad.leftY = -32768;
  EXPECT_EQ(Dir(JoyFromPad(pad).y), -1);  // up
  // A stick that snaps from one end through the middle to the other: each reading stands alone.
  const int sweep[] = {32767, 20000, 4000, 0, -4000, -20000, -32768, 0};
  const int expect[] = {1, 1, 0, 0, 0, -1, -1, 0};
  for (int i = 0; i < 8; ++i) {
    pad.leftX = sweep[i];
    EXPECT_EQ(Dir(JoyFromPad(pad).x), expect[i]) << sweep[i];
  }
}

TEST(PadTest, TheDpadPushesWhileTheStickRests) {
  PadReading pad;
  pad.dpadLeft = true;
  pad.dpadDown = true;
  EXPECT_EQ(Dir(JoyFromPad(pad).x), -1);
  EXPECT_EQ(Dir(JoyFromPad(pad).y), 1);
  pad.dpadRight = true;  // both ways at once: neither
  EXPECT_EQ(Dir(JoyFromPad(pad).x), 0);
}

}  // namespace
}  // namespace qel
