#include "stage/stage_rules.h"

namespace qel {

namespace {

StageRules Loads(int stage, LayerStart far, LayerStart near, int starSpeed) {
  StageRules r;
  r.stage = stage;
  r.far = far;
  r.near = near;
  r.starSpeed = starSpeed;
  return r;
}

std::vector<StageRules> BuildTable() {
  const LayerStart none;
  std::vector<StageRules> t;
  // Cannons and turrets on the hulls.
  t.push_back(Loads(1, {"st1b.map", 118, 1}, {"st1a.map", 237, 0}, 0));
  t.back().markers = {{{100, 51, 68}, {101, 50, 69}}};
  t.push_back(Loads(2, {"st2b.map", 0, 0}, {"st2a.map", 15, 1}, 0));
  // The near layer climbs; it is painted from row 3 but counted from 17.
  t.push_back(Loads(3, none, {"st3a.map", 3, -1}, 0));
  t.back().nearCounter = 17;
  t.back().pictureRow = -150;
  // A turret and the cars on the ground.
  t.push_back(Loads(4, {"st4b.map", 75, 1}, {"st4a.map", 225, 0}, 0));
  t.back().markers = {{{100, 50, 41}, {102, 52, 15}, {103, 53, 15}, {104, 54, 15}}};
  t.push_back(Loads(5, {"st5b.map", 15, 0}, {"st5a.map", 15, 0}, 5));
  t.back().pictureRow = -300;
  t.push_back(Loads(6, {"st6b.map", 165, 1}, {"st6a.map", 118, 2}, kKeep));
  t.back().pictureRow = -300;
  t.push_back(Loads(7, {"st7b.map", 15, 0}, {"st7a.map", 142, 0}, 5));
  // The boss rush borrows the grids of stages 4 and 2.
  t.push_back(Loads(8, {"st4b.map", 31, 1}, {"st2a.map", 100, 2}, 0));
  t.back().bossRush = true;
  // Stage 9 loads no map and its near layer never moves, so its markers never come into view.
  t.push_back(Loads(9, none, none, 5));
  t.back().markers = {{{101, 51, 41}, {102, 50, 41}}};
  t.push_back(Loads(10, none, none, kKeep));
  t.back().endingBackdrop = true;
  t.push_back(Loads(11, none, none, 0));
  // The menu pages: 15 stands, 16 slides in from below.
  t.push_back(Loads(15, none, none, 0));
  t.back().pictureSpeed = 100;
  t.push_back(Loads(16, none, none, 5));
  t.back().nearCounter = 480;
  t.back().pictureSpeed = 100;
  return t;
}

}  // namespace

const std::vector<StageRules> &StageRulesTable() {
  static const std::vector<StageRules> table = BuildTable();
  return table;
}

const StageRules &RulesOfStage(int stage) {
  static const StageRules none;
  for (const StageRules &r : StageRulesTable())
    if (r.stage == stage) return r;
  return none;
}

const GroundMarker *FindGroundMarker(int stage, int code) {
  if (code == 0) return nullptr;
  for (const GroundMarker &m : RulesOfStage(stage).markers)
    if (m.code == code) return &m;
  return nullptr;
}

bool IsGroundMarker(int code) {
  for (const StageRules &r : StageRulesTable())
    if (FindGroundMarker(r.stage, code)) return true;
  return false;
}

}  // namespace qel
