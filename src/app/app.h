// The command line and the run of the program around the game.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "enemy/enemy.h"

namespace qel {

struct Game;
class Host;

struct AppOptions {
  std::string dataDir;    // empty: "d" beside the executable
  std::string sheetsDir;  // empty: "sheets" beside the executable
  std::uint64_t seed = 0;
  bool seeded = false;
  int scale = -1;        // -1: as the settings file says; 0: the largest that fits the desktop
  int musicVolume = -1;  // -1: as the settings file says
  int soundVolume = -1;
  std::string configFile;  // --config FILE instead of the usual settings file
  bool noConfig = false;   // --no-config: the defaults, no settings file read or written
  bool hitboxes = false;
  int screenMode = -1;  // -1 as saved, 0 full screen, 1 window
  bool headless = false;
  std::string scriptFile;
  std::uint64_t passes = 0;
  std::string screenshot;
  std::string dumpState;
  bool listSheets = false;
  int galleryPage = 0;
  int stage = 0;
  int mission = 0;
  int difficulty = -1;
  std::vector<DebugSpawn> spawns;
  bool invincible = false;
  int shopStage = 0;  // --shop STAGE:T
  int ending = 0;     // --ending: 1 met the shop keeper, 2 alone
  int shopTime = 0;
  bool autopilot = false;
  int autopilotSkill = 3;
  std::string report;           // --report FILE.json
  bool stopAtStageEnd = false;  // --stop-at-stage-end: the run ends when its first stage does
  bool stopAtGameEnd = false;   // --stop-at-game-end: the run ends at the game over or the ending
  std::string recordFile;       // --record FILE
  std::string replayFile;       // --replay FILE
  bool verifyReplay = false;    // --verify-replay FILE (replayFile holds FILE)
  std::string pacingLog;        // --pacing-log FILE: the time of each picture shown, for measuring
  bool help = false;
  bool version = false;
};

struct UserSettings;
// The settings file the run reads (none with --no-config), and the command line over it.
std::string SettingsPathFor(const AppOptions &opts);
void ApplyCommandLine(const AppOptions &opts, UserSettings *settings);

// Returns false with a message in *error for an unknown option or a bad value.
bool ParseCommandLine(const std::vector<std::string> &args, AppOptions *opts, std::string *error);
std::string UsageText();
std::string VersionText();

// The folder the running executable lies in.
std::string ExecutableDir();

// The main state of the game as a JSON object.
std::string DumpStateJson(const Game &g);

// Prints the sheet list (--list-sheets). Returns the exit code.
int ListSheets(const AppOptions &opts);

// Loads what the game needs, runs it on the host until it ends and writes the requested
// screenshot and state dump. Returns the process exit code.
int RunGame(const AppOptions &opts, Host &host);

}  // namespace qel
