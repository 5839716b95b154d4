// The one object that owns all state of a running game.
#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "effects/effects.h"
#include "enemy/enemy.h"
#include "host/host.h"
#include "platform/input.h"
#include "platform/sheets.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/text.h"
#include "player/player.h"
#include "save/save.h"
#include "screens/screens.h"
#include "shell/shell.h"
#include "shop/shop.h"
#include "stage/stage.h"

namespace qel {

// What the command line (or a test) decides before the game starts.
struct GameConfig {
  std::string dataDir = "d";  // maps, music, sounds and the save file
  std::uint64_t seed = 0;
  bool seeded = false;  // false: seed from the clock
  int screenMode = -1;  // -1 as saved, 0 full screen, 1 window
  int galleryPage = 0;  // > 0: start in the sheet gallery at this page
  int startStage = 0;   // > 0: start this stage at once with a new game's equipment
  int startMission = 0;
  int difficulty = -1;             // -1 as saved, 0 HARD, 1 NORMAL
  std::vector<DebugSpawn> spawns;  // created when the stage clock reaches 0
  bool invincible = false;         // debug: hits on the ship do nothing
  int shopStage = 0;               // > 0: open the shop of this stage on a new game, then play the stage
  int shopTime = 0;                // the stage time of that shop's supply ship
  int ending = 0;                  // > 0: start at the fly-by into the ending; 1 the keeper was met, 2 never
  // A replay brings the save file's bytes it started with, and never writes the save.
  bool useSaveBytes = false;
  std::vector<std::uint8_t> saveBytes;
  bool writeSave = true;
  // The save lives in the player's data folder even when the data folder could be written.
  bool saveInUserDir = false;
};

struct Surfaces {
  Surface MSCREEN{480, 480, 0};
  Surface DISPLAY{480, 480, 0};
  Surface MASTER[3] = {Surface{544, 544, 0}, Surface{544, 544, 0}, Surface{544, 544, 0x00FFFFFF}};
};

struct Game {
  Game(Host &host, std::shared_ptr<const SheetSet> sheets, std::shared_ptr<TextRenderer> text,
       GameConfig config = {});

  Host &host;
  GameConfig config;
  std::shared_ptr<const SheetSet> sheets;
  std::shared_ptr<TextRenderer> text;
  std::mt19937_64 rng;

  Shell shell;
  Input input;
  Audio audio;
  Settings settings;
  Surfaces surf;
  Stage stage;
  Player player;
  Enemies enemies;
  Effects effects;
  Shop shop;
  Screens screens;

  const Surface &sheet(Family f, int index) const { return sheets->get(f, index); }
};

// A uniform number in [0, 1) from the game's generator.
double Rnd(Game &g);

}  // namespace qel
