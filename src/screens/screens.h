// State of the menu and story screens.
#pragma once

#include <array>
#include <string>

namespace qel {

struct Game;

struct Screens {
  std::array<std::string, 10> STAGENAME;
  int SHOPMEET = 0;  // how far the player has come to know the shop keeper
};

// The three new games of the title menu.
enum NewGameMode { kNewGameStory = 0, kNewGameExtra = 1, kNewGameBoss = 2 };
// A new game's equipment, score, credits and first stage.
void SetUpNewGame(Game &g, int mode);

// The mission names of the mission select.
void SetStageNames(Screens &s);

}  // namespace qel
