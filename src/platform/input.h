// Keyboard and joystick: the per-frame PAD flags and the key table filled by key events.
#pragma once

#include <array>
#include <cstdint>

namespace qel {

struct Game;

// PAD indices (numeric-keypad layout for the directions).
enum PadIndex : int {
  kPadDown = 2,
  kPadLeft = 4,
  kPadRight = 6,
  kPadUp = 8,
  kPadChange = 9,
  kPadShot = 10,
  kPadPause = 11,
  kPadBomb = 12,
};

// Command codes the key events put into KEYS(10); the shell carries them out.
enum Command : int {
  kCmdNone = 0,
  kCmdTitle = 2,       // F1
  kCmdExit = 3,        // Esc
  kCmdCursor = 4,      // Tab
  kCmdScreenMode = 5,  // F2
  kCmdSpace = 10,      // Space (read by nobody)
};

struct Input {
  std::array<int, 16> PAD{};
  std::array<int, 16> PADOLD{};
  // 0..3 button keys, 8 held group key, 9 held letter, 10 command.
  std::array<std::int32_t, 11> KEYS{};
  std::array<std::int32_t, 6> KEYHIT{};
  std::int32_t JOYID = -1;
  std::int32_t JOYXLO = 0, JOYXHI = 0, JOYYLO = 0, JOYYHI = 0;
  int JOYX = 0, JOYY = 0;
  std::int32_t JOYBTN = 0;
  std::array<std::int32_t, 6> JOYMASK{};
};

void ReadInput(Game &g);
void InitJoystick(Game &g, int margin);
void SetJoyButtons(Game &g);
// The window's key events.
void FormKeyDown(Game &g, int vkCode);
void FormKeyUp(Game &g, int vkCode);
// A press of input k: down now and not recorded as down by the screen.
inline bool Pressed(const Input &in, int k) { return in.PAD[k] == 1 && in.PADOLD[k] == 0; }
// A press of input k, which the screen then marks as seen (PADOLD(k) = 1).
inline bool TakePress(Input &in, int k) {
  if (!Pressed(in, k)) return false;
  in.PADOLD[k] = 1;
  return true;
}

}  // namespace qel
