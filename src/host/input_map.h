// The machine's keys and pads in the terms the game was written against.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "host/host.h"

namespace qel {

// USB HID keyboard usage numbers: they name a key by its place, whatever the layout prints
// on it, and SDL's scancodes are defined to equal them.
namespace usb {
constexpr int A = 4, Z = 29;
constexpr int C = 6, X = 27;
constexpr int Digit1 = 30, Digit0 = 39;
constexpr int Enter = 40, Escape = 41, Tab = 43, Space = 44;
constexpr int F1 = 58, F12 = 69;
constexpr int Right = 79, Left = 80, Down = 81, Up = 82;
constexpr int KeypadEnter = 88;
constexpr int LeftShift = 225, RightShift = 229;
constexpr int kCount = 512;
}  // namespace usb

// The virtual-key code of the key with this usage number; 0 for keys the game never reads.
int VirtualKeyFromUsage(int usage);

// One joystick axis in the old 0..65535 range, from a reading of -32768..32767. A d-pad
// press on the same axis (-1 or 1) counts while the stick rests in its middle half.
int OldJoyAxis(int reading, int padDirection);

// The eight keys that play the game. Each can be bound to other keys in the settings file.
enum class GameKey { Up, Down, Left, Right, Shot, Change, Bomb, Pause };
constexpr int kGameKeys = 8;
// "up", "down", "left", "right", "shot", "change", "bomb", "pause": the settings file's names.
const char *GameKeyName(GameKey key);
// The virtual-key code the game reads for it.
int GameKeyCode(GameKey key);
// The keys it has when the player binds nothing (usage numbers).
std::vector<int> DefaultGameKeyUsages(GameKey key);

// Key names both ways: a name to its usage number (0 when unknown) and back. The window's
// host uses SDL's names, which name a key by its place on a US keyboard.
struct KeyNames {
  std::function<int(const std::string &)> usage;
  std::function<std::string(int)> name;
};

// Usage numbers to virtual-key codes, with the player's bindings: a key bound to a game key
// sends that key's code and nothing else; a key that sends a game key's code by default but has
// been bound away sends nothing; every other key is as VirtualKeyFromUsage says.
class KeyMap {
 public:
  KeyMap();
  // Binds the game key to these keys instead of its defaults (an empty list keeps them).
  void Bind(GameKey key, const std::vector<int> &usages);
  int VirtualKey(int usage) const;

 private:
  std::array<int, usb::kCount> code_{};
};

// The buttons of a game controller, in the order the options screen numbers them from 1:
// A, B, X, Y, the shoulder buttons, Back, Start, the sticks' clicks, then the triggers.
enum PadButton : int {
  kPadA,
  kPadB,
  kPadX,
  kPadY,
  kPadLeftShoulder,
  kPadRightShoulder,
  kPadBack,
  kPadStart,
  kPadLeftStick,
  kPadRightStick,
  kPadLeftTrigger,
  kPadRightTrigger,
};
constexpr int kPadButtons = 12;

// One game controller's state, as read from the device.
struct PadReading {
  int leftX = 0, leftY = 0;  // -32768..32767, y down
  bool dpadUp = false, dpadDown = false, dpadLeft = false, dpadRight = false;
  int leftTrigger = 0, rightTrigger = 0;  // 0..32767
  std::uint32_t buttons = 0;              // bit PadButton for A..right stick
};

// The stick rests inside this much of its travel: it reads as centred.
constexpr int kStickDeadZone = 8000;
// A trigger counts as pressed beyond half its travel.
constexpr int kTriggerPressed = 16384;

// The pad as the old joystick reading: the stick (outside its dead zone) or the d-pad on each
// axis, in 0..65535 with the game's thresholds at half travel, and buttons 1..12 in PadButton order.
JoyPos JoyFromPad(const PadReading &pad);

}  // namespace qel
