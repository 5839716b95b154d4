// The settings array OPTION and the 32-byte save file data.dat that holds it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qel {

struct Game;

// What each element of OPTION holds. The numbers are the save file's layout: two bytes each, in
// this order.
enum OptionIndex : int {
  kOptDifficulty = 0,  // 0 HARD, 1 NORMAL, 2 EASY
  kOptFrameTime = 1,   // the minimum pass time in ms
  kOptMusicOff = 2,
  kOptSoundOff = 3,
  kOptStoryClear = 4,  // clear marks: 1 NORMAL or EASY, 2 HARD, 3 both
  kOptExtraClear = 5,
  kOptBossClear = 6,
  kOptWindowed = 7,  // 1 window, 0 full screen
  kOptCursorShown = 8,
  kOptButtonShot = 10,  // joystick buttons 1..12 of SHOT, CHANGE, BOMB and PAUSE
  kOptButtonChange = 11,
  kOptButtonBomb = 12,
  kOptButtonPause = 13,
};

struct Settings {
  std::array<int, 16> OPTION{};
  std::array<std::int16_t, 16> SAVEBUF{};
  int DIFF = 1;                           // 0 HARD, 1 NORMAL, 2 EASY
  std::vector<std::uint8_t> loadedBytes;  // the save file's first bytes as start-up read them
};

constexpr int kSaveFileSize = 32;

// The documented defaults of OPTION.
std::array<int, 16> DefaultOptions();
// Replaces every value outside its documented range by its default; keeps the rest as loaded.
void ValidateOptions(std::array<int, 16> &option);
// The save file's bytes for these values (16 little-endian 16-bit numbers).
std::array<std::uint8_t, kSaveFileSize> EncodeSave(const std::array<std::int16_t, 16> &values);

// Where data.dat is read and written: the data folder when it can be written (and the game is not
// an installed one), else the player's own data folder.
std::string SavePath(Game &g);

void InitTables(Game &g);
void LoadSave(Game &g);
// Returns false (and says why on standard error) when the file could not be written.
bool WriteSave(Game &g);

}  // namespace qel
