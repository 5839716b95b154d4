// The real machine: a window with our own menu bar, keyboard, joysticks, music and sound.
// Kept free of SDL headers so the program's entry point needs none.
#pragma once

#include <memory>
#include <string>

#include "host/host.h"

namespace qel {

class TextRenderer;

struct SdlHostOptions {
  int scale = 1;  // the window shows the picture this many times its size
  bool fullScreen = false;
  // Draws the menu bar's labels; when empty the default font is opened.
  std::shared_ptr<TextRenderer> text;
};

// Opens the window. Returns nullptr and one line in *error when no window can open
// (no display to show it on).
std::unique_ptr<Host> CreateSdlHost(const SdlHostOptions &options, std::string *error);

}  // namespace qel
