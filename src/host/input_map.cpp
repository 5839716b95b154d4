#include "host/input_map.h"

#include <cstdlib>

#include "host/host.h"

namespace qel {

namespace {

int FixedKey(int usage) {
  switch (usage) {
    case usb::Digit0: return '0';
    case usb::Enter: case usb::KeypadEnter: return 13;
    case usb::Escape: return vk::Esc;
    case usb::Tab: return vk::Tab;
    case usb::Space: return vk::Space;
    case usb::Right: return vk::Right;
    case usb::Left: return vk::Left;
    case usb::Down: return vk::Down;
    case usb::Up: return vk::Up;
    case usb::LeftShift: case usb::RightShift: return vk::Shift;
    default: return 0;
  }
}

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

}  // namespace qel
