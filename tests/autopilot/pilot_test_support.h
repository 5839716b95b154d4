// A game flown by the autopilot on the headless host, watched by the balance report.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "autopilot/autopilot_host.h"
#include "autopilot/report.h"
#include "game.h"
#include "host/headless_host.h"
#include "support/test_game.h"

namespace qel::test {

// The stage maps the build made, or empty maps (nothing scrolls in, no wave comes) for a
// scenario built by hand.
enum class Maps { Real, Empty };

inline void PutMaps(const TempDir &data, Maps maps) {
  namespace fs = std::filesystem;
  if (maps == Maps::Real) {
    for (const auto &entry : fs::directory_iterator(std::string(QELVANE_BUILD_DIR) + "/d"))
      if (entry.path().extension() == ".map")
        fs::copy_file(entry.path(), fs::path(data.path()) / entry.path().filename());
    return;
  }
  std::string empty(kMapFileSize, '\0');
  for (const char *n : {"st1a", "st1b", "st2a", "st2b", "st3a", "st4a", "st4b", "st5a", "st5b", "st6a",
                        "st6b", "st7a", "st7b", "enemy"})
    WriteBytes(data.file(std::string(n) + ".map"), empty);
}

struct PilotGame {
  // startStage 0: from the opening, as the program starts.
  PilotGame(int skill, Maps maps, int startStage, std::uint64_t seed = 1, bool withPilot = true,
            int difficulty = 1)
      : pilot(host, skill), report(withPilot ? static_cast<Host &>(pilot) : static_cast<Host &>(host)) {
    PutMaps(data, maps);
    host.userDataDir = userData.path();
    GameConfig cfg;
    cfg.dataDir = data.path();
    cfg.seed = seed;
    cfg.seeded = true;
    cfg.startStage = startStage;
    cfg.difficulty = difficulty;
    game = std::make_unique<Game>(report, SharedSheets(), SharedText(), cfg);
    pilot.Attach(*game);
    report.Attach(*game);
  }
  void StartUp() { qel::StartUp(*game); }
  // Runs passes until done() holds or limit passes have run; false when the limit came first or
  // the program ended.
  bool RunUntil(const std::function<bool()> &done, int limit) {
    try {
      for (int i = 0; i < limit; ++i) {
        if (done()) return true;
        RunPass(*game);
      }
    } catch (const ProgramEnd &) {
      return false;
    }
    return done();
  }
  void Run(int n) {
    RunUntil([] { return false; }, n);
  }
  // In play with the ship under control (the entry flight over).
  bool Flying() const { return game->shell.SCENE == kScenePlay && game->player.PSTATE == kShipPlay; }

  Game &g() { return *game; }
  Player &p() { return game->player; }

  TempDir data;
  TempDir userData;
  HeadlessHost host;
  AutopilotHost pilot;
  ReportHost report;
  std::unique_ptr<Game> game;
};

}  // namespace qel::test
