// What each stage loads for its scenery: the map files of its two layers with their start rows
// and speeds, its large picture, its stars and the ground markers of its near grid. The game
// loads and scrolls from this table, and the map compiler checks the maps against it.
#pragma once

#include <array>
#include <vector>

namespace qel {

// One layer as a stage loads it; a layer without a file keeps no map.
struct LayerStart {
  const char *file = nullptr;  // "st1b.map"
  int row = 0;                 // the grid row at the top of the first picture
  int speed = 0;               // pixels a frame, downwards; negative scrolls up
};

// A near-grid code that stands for a ground enemy: the enemy appears where its row scrolls in,
// and the tile is painted in its place.
struct GroundMarker {
  int code = 0;  // 0: no marker
  int enemyType = 0;
  int tile = 0;
};

constexpr int kKeep = -32768;  // a counter the load leaves as it is

struct StageRules {
  int stage = 0;
  LayerStart far, near;
  int nearCounter = kKeep;  // the near row counter once the first picture is painted
  int starSpeed = kKeep;    // the stars are scattered anew at this speed
  int pictureRow = 0, pictureSpeed = 0;
  bool bossRush = false;        // the rush's counter starts at 0 and its order is drawn
  bool endingBackdrop = false;  // the fly-by's sky
  std::array<GroundMarker, 4> markers{};
};

// Every stage that loads anything, in order of number.
const std::vector<StageRules> &StageRulesTable();
// The rules of a stage; a number without an entry loads nothing (stage 0's empty rules).
const StageRules &RulesOfStage(int stage);
// The marker of this code on the stage, or null when the code is no marker there.
const GroundMarker *FindGroundMarker(int stage, int code);
// Whether any stage turns this code into a ground enemy.
bool IsGroundMarker(int code);

}  // namespace qel
