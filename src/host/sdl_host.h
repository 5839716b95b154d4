// The real machine: a window with our own menu bar, keyboard, pads, music and sound.
// Kept free of SDL headers so the program's entry point needs none.
#pragma once

#include <memory>
#include <string>

#include "host/host.h"
#include "host/input_map.h"
#include "host/screen_layout.h"

namespace qel {

class TextRenderer;

struct SdlHostOptions {
  int scale = 1;  // the window shows the picture this many times its size; 0: the largest that fits
  bool fullScreen = false;
  Scaling scaling = Scaling::Integer;  // how a larger window or the full screen is filled
  bool smooth = false;                 // blend the enlarged picture instead of sharp pixels
  bool pauseOnFocusLoss = true;        // tell the game when the window loses the keyboard
  int musicVolume = 100, soundVolume = 100;
  KeyMap keys;
  std::string controllerMappings;  // a gamecontrollerdb.txt to read when it exists
  std::string screenshotFolder;    // where F12 saves the picture; empty: F12 does nothing
  std::string pacingLog;           // when set, the monotonic time of each picture shown goes there
  // Draws the menu bar's labels; when empty the default font is opened.
  std::shared_ptr<TextRenderer> text;
};

// SDL's key names, which name a key by its place on a US keyboard whatever the layout.
KeyNames SdlKeyNames();

// Opens the window. Returns nullptr and one line in *error when no window can open
// (no display to show it on).
std::unique_ptr<Host> CreateSdlHost(const SdlHostOptions &options, std::string *error);

}  // namespace qel
