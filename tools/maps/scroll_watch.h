// Plays the scenery of every stage with the game's own loading and scrolling (LoadStageMap and
// ScrollBackground on a headless Game) to learn which map rows the player can see and which rows
// are ever shown one above the other. Boss fights hold the stage clock for as long as the boss
// lives, so at every such moment the layers may stand at any point of the loop they are running:
// the player tries them all.
#pragma once

#include <bitset>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace qel::maps {

constexpr int kRows = 256;

// What the stages show of one map file.
struct Usage {
  std::vector<int> stages;           // the stages that load the file
  std::bitset<kRows> shown;          // rows seen on screen
  std::bitset<kRows> shownAtLoad;    // rows seen as painted by the load (markers not resolved)
  std::bitset<kRows> shownScrolled;  // rows seen as painted while scrolling (markers resolved)
  // (upper, lower) -> the first stage that shows row `upper` right above row `lower`.
  std::map<std::pair<int, int>, int> joins;
  // Rows painted more than once while scrolling in one play of a stage (markers there would
  // repeat).
  std::bitset<kRows> looped;
};

// By map name ("st1a" ...), for every stage that loads one of `names` (all maps when empty).
// False, with the reason, when the game could not be set up to play.
bool PlayStages(const std::set<std::string> &names, std::map<std::string, Usage> &usage, std::string *error);

// The tile a resolved marker draws on this stage (0 when the code is no marker there).
int MarkerTile(int stage, int code);

}  // namespace qel::maps
