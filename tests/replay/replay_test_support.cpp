#include "replay/replay_test_support.h"

#include <filesystem>

#include "app/app.h"
#include "replay/state.h"
#include "shell/shell.h"

namespace qel::test {

std::string CopyBuildData(const TempDir &dir) {
  namespace fs = std::filesystem;
  std::string out = dir.file("d");
  fs::copy(std::string(QELVANE_BUILD_DIR) + "/d", out, fs::copy_options::recursive);
  fs::remove(out + "/data.dat");
  return out;
}

RecordedRun RecordGame(Host &host, const std::string &dataDir, std::uint64_t passes,
                       const std::function<void(GameConfig &)> &configure) {
  TempDir out;
  RecordingOptions options;
  options.file = out.file("run.qrp");
  RecordingHost recorder(host, options);
  GameConfig cfg;
  cfg.dataDir = dataDir;
  cfg.seed = 77;
  cfg.seeded = true;
  if (configure) configure(cfg);
  auto game = std::make_unique<Game>(recorder, SharedSheets(), SharedText(), cfg);
  recorder.Attach(*game);
  game->shell.maxPasses = passes;
  Main(*game);
  recorder.Finish();
  RecordedRun run;
  run.games = static_cast<int>(recorder.written().size());
  std::string error;
  if (run.games > 0) {
    EXPECT_TRUE(ReadReplayFile(options.file, &run.replay, &error)) << error;
  }
  run.finalPicture = game->surf.MSCREEN;
  run.finalHash = PlayStateHash(*game);
  run.finalDump = DumpStateJson(*game);
  run.finalState = SavePlayState(*game, false);
  return run;
}

PlayedRun PlayGame(const Replay &r, const std::string &dataDir, bool verify) {
  HeadlessHost host;
  PlaybackOptions options;
  options.verify = verify;
  PlayedRun run;
  options.finished = [&](const Game &g) {
    run.finalPicture = g.surf.MSCREEN;
    run.finalHash = PlayStateHash(g);
    run.finalDump = DumpStateJson(g);
    run.finalState = SavePlayState(g, false);
  };
  run.result = PlayReplay(r, host, SharedSheets(), SharedText(), dataDir, options);
  return run;
}

std::vector<ScriptedEvent> Taps(int key, const std::vector<std::uint64_t> &passes, int hold) {
  std::vector<ScriptedEvent> events;
  for (std::uint64_t p : passes) {
    events.push_back({p, {HostEvent::Kind::KeyDown, key, MenuItem::FullScreen}});
    events.push_back(
        {p + static_cast<std::uint64_t>(hold), {HostEvent::Kind::KeyUp, key, MenuItem::FullScreen}});
  }
  return events;
}

}  // namespace qel::test
