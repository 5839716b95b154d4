// Plays the scrolling of every stage, row counters only, to learn which map rows the player can
// see and which rows are ever shown one above the other. Boss fights stop the stage clock for
// as long as the boss lives, so at every such moment the layers may stand at any point of the
// loop they are running: the player tries them all.
#pragma once

#include <bitset>
#include <map>
#include <string>
#include <vector>

namespace qel::maps {

constexpr int kRows = 256;

// What the stages show of one map file.
struct Usage {
  std::vector<int> stages;          // the stages that load the file
  std::bitset<kRows> shown;         // rows seen on screen
  std::bitset<kRows> shownAtLoad;   // rows seen as painted by the load (markers not resolved)
  std::bitset<kRows> shownScrolled; // rows seen as painted while scrolling (markers resolved)
  // (upper, lower) -> the first stage that shows row `upper` right above row `lower`.
  std::map<std::pair<int, int>, int> joins;
  // Rows a wrap rule of some stage runs through more than once (markers there would repeat).
  std::bitset<kRows> looped;
};

// By file name ("st1a" ...), for every stage that has maps.
std::map<std::string, Usage> PlayAllStages();

// The stage whose markers a near file's codes 100..104 stand for (0: none), and the tile each
// resolved marker draws (0 when the code is no marker there).
int MarkerTile(int stage, int code);

}  // namespace qel::maps
