// The machine's keys and joystick readings in the terms the game was written against.
#pragma once

namespace qel {

// USB HID keyboard usage numbers: they name a key by its place, whatever the layout prints
// on it, and SDL's scancodes are defined to equal them.
namespace usb {
constexpr int A = 4, Z = 29;
constexpr int Digit1 = 30, Digit0 = 39;
constexpr int Enter = 40, Escape = 41, Tab = 43, Space = 44;
constexpr int F1 = 58, F12 = 69;
constexpr int Right = 79, Left = 80, Down = 81, Up = 82;
constexpr int KeypadEnter = 88;
constexpr int LeftShift = 225, RightShift = 229;
}  // namespace usb

// The virtual-key code of the key with this usage number; 0 for keys the game never reads.
int VirtualKeyFromUsage(int usage);

// One joystick axis in the old 0..65535 range, from a reading of -32768..32767. A d-pad
// press on the same axis (-1 or 1) counts while the stick rests in its middle half.
int OldJoyAxis(int reading, int padDirection);

}  // namespace qel
