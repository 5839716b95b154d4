// The menu and story screens: their state and their scene handlers.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace qel {

struct Game;

struct Screens {
  std::array<std::string, 10> MENUTEXT;
  std::array<std::string, 10> STAGENAME;
  int SHOPMEET = 0;  // how far the player has come to know the shop keeper
  int openingShipY = 0, openingLogoY = 0;
  std::uint64_t titleIdleSince = 0;  // the clock when something was last pressed on the title
  bool demoUnavailable = false;      // the demo's replay could not be read: the title stays
};

// The three new games of the title menu.
enum NewGameMode { kNewGameStory = 0, kNewGameExtra = 1, kNewGameBoss = 2 };
// A new game's equipment, score, credits and first stage.
void SetUpNewGame(Game &g, int mode);
// The mode a stage belongs to: 7 the extra mode, 8 the boss mode, the rest the story.
inline int NewGameModeOfStage(int stage) {
  return stage == 7 ? kNewGameExtra : stage == 8 ? kNewGameBoss : kNewGameStory;
}

// The mission names of the mission select.
void SetStageNames(Screens &s);

// Scene handlers: each runs one pass of its screen.
void RunOpening(Game &g);        // scene 11
void RunTitle(Game &g);          // scene 1
void RunOptions(Game &g);        // scene 15
void RunMissionSelect(Game &g);  // scene 4
void RunGameOver(Game &g);       // scene 7
void RunPrologue(Game &g);       // scene 2
void RunPause(Game &g);          // scene 6
void RunEndingIntro(Game &g);    // scene 10: the fighter flies into the picture before the ending
void RunEnding(Game &g);         // scene 3
void RunMusicRoom(Game &g);      // scene 9

// The attract demo: plays the demo replay over the title until it ends or anything is pressed.
void RunDemo(Game &g);
constexpr std::uint64_t kDemoIdleMs = 30000;

// The sea of the sunset from row y, h rows high, shifted x pixels to the right (into DISPLAY).
void DrawSeaStrip(Game &g, int x, int y, int h);

// The mission order that follows from the first choice on the mission select (row 0..3) and one
// random draw r (0 or 1): MISSIONS(1..6).
std::array<int, 6> MissionOrder(int row, int r);

}  // namespace qel
