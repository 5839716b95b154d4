// Recording and playing games inside the test process, on the build's real data.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game.h"
#include "host/headless_host.h"
#include "replay/playback.h"
#include "replay/recording_host.h"
#include "support/test_game.h"

namespace qel::test {

// A copy of the build's data folder (maps, schedule, sounds), so that a test may save in it.
std::string CopyBuildData(const TempDir &dir);

struct RecordedRun {
  Replay replay;  // the last game recorded
  int games = 0;  // how many were written
  Surface finalPicture{480, 480, 0};
  std::uint64_t finalHash = 0;
  std::string finalDump;
  std::string finalState;
};

// Runs a game on host (a HeadlessHost or something around one) with a recorder around it.
// configure sets the command line's start; passes bounds the run.
RecordedRun RecordGame(Host &host, const std::string &dataDir, std::uint64_t passes,
                       const std::function<void(GameConfig &)> &configure = {});

struct PlayedRun {
  PlaybackResult result;
  Surface finalPicture{480, 480, 0};
  std::uint64_t finalHash = 0;
  std::string finalDump;
  std::string finalState;
};

PlayedRun PlayGame(const Replay &r, const std::string &dataDir, bool verify = true);

// Scripted taps of a key: down at each pass, up a few passes later.
std::vector<ScriptedEvent> Taps(int key, const std::vector<std::uint64_t> &passes, int hold = 4);

}  // namespace qel::test
