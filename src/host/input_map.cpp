#include "host/input_map.h"

#include <cstdlib>

namespace qel {

namespace {

int FixedKey(int usage) {
  switch (usage) {
    case usb::Digit0: return '0';
    case usb::Enter:
    case usb::KeypadEnter: return 13;
    case usb::Escape: return vk::Esc;
    case usb::Tab: return vk::Tab;
    case usb::Space: return vk::Space;
    case usb::Right: return vk::Right;
    case usb::Left: return vk::Left;
    case usb::Down: return vk::Down;
    case usb::Up: return vk::Up;
    case usb::LeftShift:
    case usb::RightShift: return vk::Shift;
    default: return 0;
  }
}

bool ValidUsage(int usage) { return usage > 0 && usage < usb::kCount; }

}  // namespace

int VirtualKeyFromUsage(int usage) {
  if (usage >= usb::A && usage <= usb::Z) return vk::A + (usage - usb::A);
  // The top row runs 1..9 then 0.
  if (usage >= usb::Digit1 && usage < usb::Digit0) return '1' + (usage - usb::Digit1);
  if (usage >= usb::F1 && usage <= usb::F12) return vk::F1 + (usage - usb::F1);
  return FixedKey(usage);
}

int OldJoyAxis(int reading, int padDirection) {
  constexpr int kQuarter = 16384;
  if (padDirection != 0 && std::abs(reading) < kQuarter) return padDirection < 0 ? 0 : 65535;
  return reading + 32768;
}

const char *GameKeyName(GameKey key) {
  static const char *const kNames[kGameKeys] = {"up",   "down",   "left", "right",
                                                "shot", "change", "bomb", "pause"};
  return kNames[static_cast<int>(key)];
}

int GameKeyCode(GameKey key) {
  switch (key) {
    case GameKey::Up: return vk::Up;
    case GameKey::Down: return vk::Down;
    case GameKey::Left: return vk::Left;
    case GameKey::Right: return vk::Right;
    default: return vk::kButtonKeys[static_cast<int>(key) - static_cast<int>(GameKey::Shot)];
  }
}

std::vector<int> DefaultGameKeyUsages(GameKey key) {
  std::vector<int> usages;
  const int code = GameKeyCode(key);
  for (int usage = 1; usage < usb::kCount; ++usage)
    if (VirtualKeyFromUsage(usage) == code) usages.push_back(usage);
  return usages;
}

KeyMap::KeyMap() {
  for (int usage = 1; usage < usb::kCount; ++usage)
    code_[static_cast<std::size_t>(usage)] = VirtualKeyFromUsage(usage);
}

void KeyMap::Bind(GameKey key, const std::vector<int> &usages) {
  bool any = false;
  for (int usage : usages) any |= ValidUsage(usage);
  if (!any) return;
  const int code = GameKeyCode(key);
  // The keys that sent this code by default, unless another binding took them already.
  for (int usage = 1; usage < usb::kCount; ++usage) {
    int &c = code_[static_cast<std::size_t>(usage)];
    if (c == code && VirtualKeyFromUsage(usage) == code) c = 0;
  }
  for (int usage : usages)
    if (ValidUsage(usage)) code_[static_cast<std::size_t>(usage)] = code;
}

int KeyMap::VirtualKey(int usage) const {
  return ValidUsage(usage) ? code_[static_cast<std::size_t>(usage)] : 0;
}

JoyPos JoyFromPad(const PadReading &pad) {
  auto stick = [](int v) { return std::abs(v) < kStickDeadZone ? 0 : v; };
  JoyPos pos;
  pos.x = OldJoyAxis(stick(pad.leftX), (pad.dpadRight ? 1 : 0) - (pad.dpadLeft ? 1 : 0));
  pos.y = OldJoyAxis(stick(pad.leftY), (pad.dpadDown ? 1 : 0) - (pad.dpadUp ? 1 : 0));
  pos.buttons = pad.buttons & ((std::uint32_t{1} << kPadLeftTrigger) - 1);
  if (pad.leftTrigger > kTriggerPressed) pos.buttons |= std::uint32_t{1} << kPadLeftTrigger;
  if (pad.rightTrigger > kTriggerPressed) pos.buttons |= std::uint32_t{1} << kPadRightTrigger;
  return pos;
}

}  // namespace qel
