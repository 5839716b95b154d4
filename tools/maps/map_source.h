// The text form of a stage map (see assets/maps/README.md): a header naming the map and its
// layer, a legend from characters to tile codes, and one line per grid row.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "art/tile_set.h"

namespace qel::maps {

constexpr int kColumns = 15;  // columns the game draws
constexpr int kGridBytes = 256 * 256;

struct MapSource {
  std::string path;  // as given, for messages
  std::string name;  // "st1a": the output is name + ".map"
  tiles::Layer layer = tiles::Layer::Far;
  int headerLine = 0;
  std::vector<std::uint8_t> grid =
      std::vector<std::uint8_t>(kGridBytes, 0);  // row r, column c at r * 256 + c
  std::array<int, 256> rowLine{};                // source line of each written row, 0 where none
  std::map<char, int> legend;

  int at(int row, int col) const { return grid[static_cast<std::size_t>(row * 256 + col)]; }
};

// Messages in the form "file:line: text", collected so that one run reports every fault.
struct Diagnostics {
  std::vector<std::string> errors;
  void add(const std::string &path, int line, const std::string &text) {
    errors.push_back(path + ":" + std::to_string(line) + ": " + text);
  }
};

// The name a marker code goes by in legends ("turret" ...), or null when it is no marker: a
// marker is a code some stage turns into a ground enemy (stage/stage_rules.h).
const char *MarkerName(int code);
bool IsMarker(int code);

// Reads one map source; false (with messages) when it cannot be read as a map.
bool ParseMapSource(const std::string &path, const std::string &text, MapSource &out, Diagnostics &diag);

}  // namespace qel::maps
