#include "game.h"
#include "player/player.h"

namespace qel {

namespace {

// Which power levels a row of the volley table is for.
enum class Levels { Any, Two, NotTwo, ZeroOrOne };

// The sub-shots of one volley: every number from first to last.
struct VolleyRow {
  int weapon;
  Levels levels;
  int first, last;
};

// The first row that matches the weapon and level is the volley. The vulcan has no volley at
// a level other than 0, 1 or 2.
constexpr VolleyRow kVolleys[] = {
    {1, Levels::Two, 0, 2},         {1, Levels::NotTwo, 0, 0}, {2, Levels::Any, 0, 3}, {3, Levels::Any, 0, 2},
    {4, Levels::ZeroOrOne, 10, 11}, {4, Levels::Two, 15, 18},  {5, Levels::Any, 0, 4}, {6, Levels::Any, 0, 0},
    {7, Levels::Any, 10, 14},       {8, Levels::Any, 0, 7},
};

bool LevelMatches(Levels levels, int level) {
  switch (levels) {
    case Levels::Two: return level == 2;
    case Levels::NotTwo: return level != 2;
    case Levels::ZeroOrOne: return level == 0 || level == 1;
    default: return true;
  }
}

}  // namespace

void AdvanceVolleyTimer(Player &p) {
  if (p.volleyTimer < kVolleyTimerMax) ++p.volleyTimer;
}

void FireVolley(Game &g) {
  const Player &p = g.player;
  int weapon = ActiveWeapon(p), level = ActiveLevel(p);
  for (const VolleyRow &row : kVolleys) {
    if (row.weapon != weapon || !LevelMatches(row.levels, level)) continue;
    for (int sub = row.first; sub <= row.last; ++sub) FirePlayerShot(g, weapon, sub);
    return;
  }
}

}  // namespace qel
