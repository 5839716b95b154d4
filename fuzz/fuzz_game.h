// What the fuzz targets that play need: a Game on the headless host, with blank sheets (nothing
// of what they look for is in the pictures) and its own data folder.
#pragma once

#include <memory>
#include <string>

#include "game.h"
#include "host/headless_host.h"
#include "platform/sheets.h"
#include "platform/text.h"

namespace qel::fuzz {

// A folder of this process for the data a target writes; made once.
std::string DataFolder();

struct FuzzGame {
  explicit FuzzGame(GameConfig config);
  HeadlessHost host;
  std::unique_ptr<Game> game;
};

// Writes bytes to a file of the data folder.
void WriteData(const std::string &name, const std::string &bytes);

}  // namespace qel::fuzz
