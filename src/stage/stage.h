// Stage state and procedures: the map grids, the scrolling layers and stars, the game frame,
// the play screen and the stage start.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace qel {

struct Game;

struct Star {
  int SX = 0, SY = 0, SV = 0, SC = 0;
};

constexpr int kGridSide = 256;
constexpr int kMapFileSize = kGridSide * kGridSide;
// A map grid: the byte for column c, row r sits at r * 256 + c.
using Grid = std::array<std::uint8_t, kMapFileSize>;

// Layers of the scroll state: 0 far, 1 near, 2 the stage's large picture.
enum Layer : int { kFar = 0, kNear = 1, kPicture = 2 };
// LSPEED(3) counts the bosses called so far in the boss rush.
constexpr int kBossRushCount = 3;

struct Stage {
  int STAGE = 6;
  int STAGETIME = 0;
  int MISSION = 6;
  std::array<int, 10> MISSIONS{};
  int MAPSET = 0;
  std::array<int, 4> LROW{}, LSUB{}, LSPEED{};
  std::array<Star, 100> STAR{};
  int STARSPEED = 2;
  Grid MAPA{}, MAPB{}, ENMAP{};
};

constexpr int kStarCount = 96;
constexpr int kStageTimeMax = 9999;

// The grid's code at (column, row); anything outside the grid reads as 0.
int GridAt(const Grid &grid, int col, int row);

void LoadStageMap(Game &g, int stage);
void ScrollBackground(Game &g, int stage);
// Draws the background of a stage (15: the menu page, 16: the prologue's page) onto DISPLAY,
// over what is there, or over a cleared picture with clearFirst.
void ComposeBackground(Game &g, int stage, bool clearFirst = false);
void DrawStars(Game &g);
void InitStars(Game &g);
void GameFrame(Game &g);
void StartStage(Game &g);
// Empties every slot of the enemy, bullet, effect and shot tables.
void ClearObjectTables(Game &g);
// Whether a stage belongs to the story (the extra stage is 7, the boss rush 8).
inline bool StoryStage(int stage) { return stage <= 6 || stage == 9; }
// StartStage, then its first picture revealed by the wipe.
void StartStageRevealed(Game &g);
void RunStageTimeline(Game &g, int stage);

}  // namespace qel
