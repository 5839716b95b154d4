// Twenty-odd fixed headless runs — every stage, the shop, the menus, the ending, the demo — and
// what each ends with: the play state's hash, the picture, the sounds asked for and the state
// dump. A change that should not alter the game must leave every line of golden_runs.txt as it is.
// After a change that is meant to alter the game, write the file again with
//   QELVANE_UPDATE_GOLDEN=1 build/tests/qelvane_core_tests --gtest_filter=GoldenRuns.*
// and commit it with the change.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/app.h"
#include "autopilot/autopilot_host.h"
#include "enemy/debug_spawn.h"
#include "game.h"
#include "host/headless_host.h"
#include "replay/replay_test_support.h"
#include "replay/state.h"
#include "shell/shell.h"
#include "support/test_game.h"

namespace qel {
namespace {

const std::string kGoldenFile = std::string(QELVANE_SOURCE_DIR) + "/tests/replay/golden_runs.txt";

struct FixedRun {
  const char *name;
  std::uint64_t passes;
  int skill;           // the autopilot's skill, -1 for none
  const char *script;  // headless input script, may be empty
  std::function<void(GameConfig &)> configure;
};

std::vector<FixedRun> Runs() {
  auto stage = [](int n, int mission) {
    return [=](GameConfig &c) {
      c.startStage = n;
      c.startMission = mission;
    };
  };
  std::vector<FixedRun> runs;
  const int missions[10] = {0, 2, 3, 1, 4, 5, 6, 0, 0, 0};
  for (int n = 1; n <= 9; ++n) {
    static const char *const names[] = {"",       "stage1", "stage2",       "stage3",      "stage4",
                                        "stage5", "stage6", "stage7_extra", "stage8_boss", "stage9_first"};
    runs.push_back({names[n], 2500, 3, "", stage(n, missions[n])});
  }
  runs.push_back({"stage4_hard_mission5", 3000, 2, "",
                  [](GameConfig &c) { c.startStage = 4, c.startMission = 5, c.difficulty = 0; }});
  runs.push_back({"stage5_weakest_pilot", 3000, 0, "", stage(5, 4)});
  runs.push_back({"stage6_invincible", 4000, 1, "",
                  [](GameConfig &c) { c.startStage = 6, c.startMission = 6, c.invincible = true; }});
  runs.push_back({"stage2_spawned", 1500, 3, "", [](GameConfig &c) {
                    c.startStage = 2;
                    std::string error;
                    ParseSpawnList("3@0,3@1,21@4", &c.spawns, &error);
                  }});
  runs.push_back({"shop_stage1", 1500, 3, "", [](GameConfig &c) { c.shopStage = 1, c.shopTime = 1400; }});
  runs.push_back({"shop_free_extra", 1200, 3, "", [](GameConfig &c) { c.shopStage = 7, c.shopTime = -99; }});
  runs.push_back({"ending_met", 3000, -1, "", [](GameConfig &c) { c.ending = 1; }});
  runs.push_back({"ending_alone", 2000, -1, "", [](GameConfig &c) { c.ending = 2; }});
  runs.push_back({"from_title_story", 4000, 3, "", {}});
  runs.push_back({"title_idle_demo", 2600, -1, "", {}});
  runs.push_back({"options_screen",
                  700,
                  -1,
                  "60 down Z\n62 up Z\n"
                  "300 down DOWN\n302 up DOWN\n310 down DOWN\n312 up DOWN\n320 down DOWN\n322 up DOWN\n"
                  "330 down DOWN\n332 up DOWN\n340 down Z\n342 up Z\n"
                  "450 down RIGHT\n452 up RIGHT\n460 down DOWN\n462 up DOWN\n470 down RIGHT\n472 up RIGHT\n"
                  "480 down DOWN\n482 up DOWN\n490 down LEFT\n492 up LEFT\n",
                  {}});
  runs.push_back({"gallery", 300, -1, "100 down RIGHT\n103 up RIGHT\n200 down RIGHT\n203 up RIGHT\n",
                  [](GameConfig &c) { c.galleryPage = 2; }});
  runs.push_back({"stage3_shots_held", 1800, -1,
                  "150 down Z\n400 down LEFT\n600 up LEFT\n900 down X\n903 up X\n", stage(3, 1)});
  return runs;
}

std::string Hex(std::uint64_t v) {
  std::ostringstream s;
  s << std::hex << v;
  return s.str();
}

std::uint64_t Fnv(const void *data, std::size_t n, std::uint64_t h = 1469598103934665603ull) {
  const auto *p = static_cast<const unsigned char *>(data);
  for (std::size_t i = 0; i < n; ++i) h = (h ^ p[i]) * 1099511628211ull;
  return h;
}

// One line: name, the state hash, the picture's hash, the sounds' hash, the dump.
std::string Play(const FixedRun &run, const std::string &dataDir) {
  HeadlessHost host;
  std::vector<ScriptedEvent> events;
  std::string error;
  EXPECT_TRUE(ParseInputScript(run.script, &events, &error)) << run.name << ": " << error;
  host.AddScript(events);
  std::unique_ptr<AutopilotHost> pilot;
  Host *top = &host;
  if (run.skill >= 0) {
    pilot = std::make_unique<AutopilotHost>(host, run.skill);
    top = pilot.get();
  }
  GameConfig cfg;
  cfg.dataDir = dataDir;
  cfg.seed = 4242;
  cfg.seeded = true;
  cfg.writeSave = false;
  if (run.configure) run.configure(cfg);
  auto game = std::make_unique<Game>(*top, test::SharedSheets(), test::SharedText(), cfg);
  if (pilot) pilot->Attach(*game);
  game->shell.maxPasses = run.passes;
  Main(*game);
  std::uint64_t sounds = Fnv("", 0);
  for (const std::string &s : host.sounds)
    sounds = Fnv(s.data() + s.rfind('/') + 1, s.size() - s.rfind('/') - 1, sounds);
  const Surface &pic = game->surf.MSCREEN;
  std::ostringstream line;
  line << run.name << " state=" << Hex(PlayStateHash(*game))
       << " picture=" << Hex(Fnv(pic.px.data(), pic.px.size() * sizeof(Pixel))) << " sounds=" << Hex(sounds)
       << " " << DumpStateJson(*game);
  return line.str();
}

std::map<std::string, std::string> ReadGolden() {
  std::map<std::string, std::string> lines;
  std::ifstream in(kGoldenFile);
  for (std::string line; std::getline(in, line);)
    if (!line.empty() && line[0] != '#') lines[line.substr(0, line.find(' '))] = line;
  return lines;
}

// One test per run, so that each is short and they run side by side.
class GoldenRuns : public ::testing::TestWithParam<int> {};

TEST_P(GoldenRuns, EndsAsRecorded) {
  const std::vector<FixedRun> runs = Runs();
  ASSERT_GE(runs.size(), 20u);
  const FixedRun &run = runs[static_cast<std::size_t>(GetParam())];
  test::TempDir data;
  const std::string got = Play(run, test::CopyBuildData(data));
  std::map<std::string, std::string> golden = ReadGolden();
  if (std::getenv("QELVANE_UPDATE_GOLDEN") == nullptr) {
    EXPECT_EQ(got, golden[run.name]) << "the run " << run.name << " ends differently";
    return;
  }
  golden[run.name] = got;
  std::ofstream out(kGoldenFile);
  out << "# name state=HASH picture=HASH sounds=HASH dump (tests/replay/golden_runs_test.cpp)\n";
  for (const FixedRun &r : runs)
    if (golden.count(r.name)) out << golden[r.name] << "\n";
}

INSTANTIATE_TEST_SUITE_P(Fixed, GoldenRuns, ::testing::Range(0, static_cast<int>(Runs().size())),
                         [](const ::testing::TestParamInfo<int> &param) {
                           return std::string(Runs()[static_cast<std::size_t>(param.param)].name);
                         });

}  // namespace
}  // namespace qel
