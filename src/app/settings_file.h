// The player's settings file, settings.ini in the config folder: volumes, keys, window and
// screenshots. It is never required: without it, or with a bad line, the defaults hold. The save
// file keeps everything the game itself stores.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "host/input_map.h"
#include "host/screen_layout.h"

namespace qel {

enum class Filter { Nearest, Smooth };

struct UserSettings {
  int musicVolume = 100;  // 0..100
  int soundVolume = 100;
  // The keys of each game key (usage numbers); empty: its default keys.
  std::array<std::vector<int>, kGameKeys> keys;
  int scale = 1;  // 0: the largest that fits the desktop
  Scaling scaling = Scaling::Integer;
  Filter filter = Filter::Nearest;
  bool pauseOnFocusLoss = true;
  bool hitboxes = false;
  std::string screenshotFolder;  // empty: the pictures folder
};

// The file as first written: every setting at its default, each with a comment.
std::string DefaultSettingsText(const KeyNames &names);

// Reads the file's text over *settings. Each bad line (no "=", an unknown section or key, a
// value out of range, an unknown key name) leaves its setting as it was and adds one message
// "LINE: what is wrong" to *problems.
void ParseSettings(const std::string &text, const KeyNames &names, UserSettings *settings,
                   std::vector<std::string> *problems);

// $XDG_CONFIG_HOME/qelvane/settings.ini (~/.config when unset); empty without a home.
std::string DefaultSettingsPath();

// Reads the file at path into *settings, first writing it with its defaults when it does not
// exist. Problems (and a file that cannot be read) are reported on standard error, once each,
// naming the file.
void LoadSettingsFile(const std::string &path, const KeyNames &names, UserSettings *settings);

}  // namespace qel
