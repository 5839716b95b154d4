#include "app/app.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "host/headless_host.h"
#include "hud/hitbox_view.h"
#include "platform/png_io.h"
#include "replay/replay_test_support.h"
#include "support/test_game.h"

namespace qel {
namespace {

TEST(CommandLine, ReadsEveryOption) {
  AppOptions o;
  std::string error;
  ASSERT_TRUE(ParseCommandLine(
      {"--data", "x", "--seed", "42", "--scale", "2", "--fullscreen", "--headless", "--script", "s.txt",
       "--passes", "10", "--screenshot", "a.png", "--dump-state", "a.json"},
      &o, &error))
      << error;
  EXPECT_EQ(o.dataDir, "x");
  EXPECT_TRUE(o.seeded);
  EXPECT_EQ(o.seed, 42u);
  EXPECT_EQ(o.scale, 2);
  EXPECT_EQ(o.screenMode, 0);
  EXPECT_TRUE(o.headless);
  EXPECT_EQ(o.passes, 10u);
  EXPECT_EQ(o.dumpState, "a.json");
}

TEST(CommandLine, RejectsUnknownOptionsAndBadValues) {
  std::string error;
  for (auto args : std::vector<std::vector<std::string>>{{"--bogus"},
                                                         {"--scale", "-1"},
                                                         {"--scale", "two"},
                                                         {"--passes"},
                                                         {"--passes", "-3"},
                                                         {"--seed", "1x"}}) {
    AppOptions o;
    EXPECT_FALSE(ParseCommandLine(args, &o, &error)) << args[0];
    EXPECT_NE(error.find(args[0]), std::string::npos);
  }
}

TEST(InputScript, ReadsEventsAndNamesTheBadLine) {
  std::vector<ScriptedEvent> events;
  std::string error;
  ASSERT_TRUE(ParseInputScript("# start\n\n3 down Z\n5 up z\n7 down SHIFT\n9 menu reset\n10 close\n", &events,
                               &error));
  ASSERT_EQ(events.size(), 5u);
  EXPECT_EQ(events[0].pass, 3u);
  EXPECT_EQ(events[0].event.key, 'Z');
  EXPECT_EQ(events[1].event.kind, HostEvent::Kind::KeyUp);
  EXPECT_EQ(events[2].event.key, vk::Shift);
  EXPECT_EQ(events[3].event.menu, MenuItem::Reset);
  EXPECT_EQ(events[4].event.kind, HostEvent::Kind::Close);
  for (const char *bad : {"1 down Z\nx down Z\n", "1 down Z\n2 press Z\n", "1 down Z\n2 down KEY\n",
                          "1 down Z\n2 down Z Z\n", "1 down Z\n-2 down Z\n"}) {
    events.clear();
    EXPECT_FALSE(ParseInputScript(bad, &events, &error)) << bad;
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;
  }
}

TEST(InputScript, EventsArriveBeforeTheirPass) {
  test::TestGame t;
  t.host.AddScript({{2, {HostEvent::Kind::KeyDown, vk::Tab, MenuItem::FullScreen}}});
  t.StartUp();
  t.RunPasses(2);
  EXPECT_TRUE(t.host.cursorVisible);
  t.RunPasses(1);  // pumped in pass 2, carried out in pass 3
  t.RunPasses(1);
  EXPECT_FALSE(t.host.cursorVisible);
}

TEST(StateDump, HasEveryKey) {
  test::TestGame t;
  t.StartUp();
  t.g().player.SCORE = 1250;
  t.g().enemies.ENEMY[3].FLAG = -1;
  std::string json = DumpStateJson(t.g());
  for (const char *key : {"passes", "scene", "phase", "stage", "stagetime", "mission", "score", "shield",
                          "shieldmax", "gauge", "credit", "pstate", "enemies", "bullets", "shots", "effects"})
    EXPECT_NE(json.find(std::string("\"") + key + "\": "), std::string::npos) << key;
  EXPECT_NE(json.find("\"score\": 1250"), std::string::npos);
  EXPECT_NE(json.find("\"enemies\": 1"), std::string::npos);
  EXPECT_EQ(json.front(), '{');
  EXPECT_EQ(json.back(), '}');
}

// The real program, run headless; what it says on standard error goes to *said when asked for.
int RunQelvane(const std::string &args, std::string *said = nullptr) {
  test::TempDir out;
  std::string cmd = std::string(QELVANE_BUILD_DIR) + "/qelvane " + args + " >/dev/null 2>" +
                    (said ? out.file("stderr") : std::string("/dev/null"));
  int status = std::system(cmd.c_str());
  if (said) *said = test::ReadBytes(out.file("stderr"));
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(HeadlessRun, WritesTheScreenAndTheStateAndKeepsTheSave) {
  test::TempDir dir;
  std::string script = dir.file("keys.txt");
  test::WriteBytes(script, "1 down ESC\n");
  ASSERT_EQ(
      RunQelvane("--headless --data " + dir.path() + " --passes 50 --screenshot " + dir.file("out.png") +
                 " --dump-state " + dir.file("state.json") + " --script " + script),
      0);
  Surface shot;
  ASSERT_TRUE(ReadPng(dir.file("out.png"), shot));
  EXPECT_EQ(shot.w, 480);
  EXPECT_EQ(shot.h, 480);
  EXPECT_NE(test::ReadBytes(dir.file("state.json")).find("\"scene\": 11"), std::string::npos);
  EXPECT_EQ(test::ReadBytes(dir.file("data.dat")).size(), 32u);  // Esc saved
}

// With --hitboxes the screenshot is the picture as presented, with the outlines; the game's own
// picture under them is the same as without.
TEST(HeadlessRun, TheScreenshotShowsTheHitBoxesWhenAskedFor) {
  test::TempDir dir;
  const std::string data = test::CopyBuildData(dir);
  auto shoot = [&](const std::string &name, const std::string &extra) {
    EXPECT_EQ(RunQelvane("--headless --data " + data + " --stage 2 --seed 3 --invincible --passes 300" +
                         " --screenshot " + dir.file(name) + extra),
              0);
    Surface shot;
    EXPECT_TRUE(ReadPng(dir.file(name), shot));
    return shot;
  };
  const Surface plain = shoot("plain.png", ""), outlined = shoot("outlined.png", " --hitboxes");
  auto count = [](const Surface &s, Pixel colour) { return std::count(s.px.begin(), s.px.end(), colour); };
  EXPECT_GT(count(outlined, hitbox_colour::kShip), 20);
  EXPECT_LT(count(plain, hitbox_colour::kShip), count(outlined, hitbox_colour::kShip));
  EXPECT_NE(outlined.px, plain.px);
}

// A map that is missing, a folder, cut short or too long ends the run with a message that
// names it, and the game's own message box on standard error; garbage of the right size plays.
TEST(HeadlessRun, ADamagedMapEndsTheRunWithAMessageNamingIt) {
  test::TempDir dir;
  const std::string data = test::CopyBuildData(dir);
  const std::string map = data + "/st1b.map";
  const std::string run = "--headless --data " + data + " --stage 1 --passes 100";
  std::string said;
  auto damage = [&](auto how) {
    std::filesystem::remove_all(map);
    how();
  };
  damage([&] { std::filesystem::create_directory(map); });
  EXPECT_EQ(RunQelvane(run, &said), 1);
  EXPECT_NE(said.find("st1b.map: is a folder, not a file"), std::string::npos) << said;
  EXPECT_NE(said.find("ファイルがありません"), std::string::npos) << said;
  damage([] {});
  EXPECT_EQ(RunQelvane(run, &said), 1);
  EXPECT_NE(said.find("st1b.map: no such file"), std::string::npos) << said;
  EXPECT_NE(said.find("ファイルがありません"), std::string::npos) << said;
  for (std::size_t size : {std::size_t{0}, std::size_t{65535}, std::size_t{65537}, std::size_t{1} << 22}) {
    damage([&] { test::WriteBytes(map, std::string(size, '\x07')); });
    EXPECT_EQ(RunQelvane(run, &said), 1) << size;
    EXPECT_NE(said.find("st1b.map"), std::string::npos) << size << ": " << said;
  }
  std::mt19937 random(3);
  std::string garbage(65536, '\0');
  for (char &c : garbage) c = static_cast<char>(random());
  damage([&] { test::WriteBytes(map, garbage); });
  EXPECT_EQ(RunQelvane(run, &said), 0) << said;
}

// Scripts with absurd values are refused with the line's number, and a long line is cut in the
// message; the run does not start.
TEST(HeadlessRun, AbsurdScriptLinesAreRefusedWithAShortMessage) {
  test::TempDir dir;
  for (const std::string &bad : {std::string("99999999999999999999999 down Z\n"), std::string("-5 down Z\n"),
                                 std::string("5 down Z\n\x01\x02\xff\n"), std::string("7 wobble Z\n"),
                                 "3 down " + std::string(10'000'000, 'Q') + "\n"}) {
    test::WriteBytes(dir.file("bad.txt"), bad);
    std::string said;
    EXPECT_EQ(
        RunQelvane("--headless --passes 5 --data " + dir.path() + " --script " + dir.file("bad.txt"), &said),
        1);
    EXPECT_NE(said.find("line "), std::string::npos) << said.substr(0, 200);
    EXPECT_LT(said.size(), 400u);
  }
  std::filesystem::create_directory(dir.file("folder"));
  std::string said;
  EXPECT_EQ(
      RunQelvane("--headless --passes 5 --data " + dir.path() + " --script " + dir.file("folder"), &said), 1);
  EXPECT_NE(said.find("is a folder"), std::string::npos) << said;
}

TEST(HeadlessRun, BadCommandLinesAndScriptsFailClearly) {
  test::TempDir dir;
  EXPECT_EQ(RunQelvane("--no-such-option"), 2);
  test::WriteBytes(dir.file("bad.txt"), "1 down Z\nnonsense\n");
  EXPECT_EQ(RunQelvane("--headless --passes 1 --data " + dir.path() + " --script " + dir.file("bad.txt")), 1);
  EXPECT_EQ(RunQelvane("--version"), 0);
}

}  // namespace
}  // namespace qel

namespace qel {
namespace {

TEST(HeadlessRun, RecordsAReplayThatVerifiesAndRefusesADamagedOne) {
  test::TempDir dir;
  std::string data = std::string(QELVANE_BUILD_DIR) + "/d";
  test::WriteBytes(dir.file("keys.txt"), "5 down Z\n300 down LEFT\n400 up LEFT\n");
  ASSERT_EQ(RunQelvane("--headless --data " + data + " --stage 9 --seed 8 --passes 700 --script " +
                       dir.file("keys.txt") + " --record " + dir.file("run.qrp") + " --dump-state " +
                       dir.file("a.json")),
            0);
  EXPECT_EQ(RunQelvane("--verify-replay " + dir.file("run.qrp") + " --data " + data + " --dump-state " +
                       dir.file("b.json")),
            0);
  EXPECT_EQ(test::ReadBytes(dir.file("a.json")), test::ReadBytes(dir.file("b.json")));
  std::string bytes = test::ReadBytes(dir.file("run.qrp"));
  bytes[bytes.size() / 2] = static_cast<char>(bytes[bytes.size() / 2] ^ 4);
  test::WriteBytes(dir.file("bad.qrp"), bytes);
  EXPECT_EQ(RunQelvane("--verify-replay " + dir.file("bad.qrp") + " --data " + data), 1);
  EXPECT_EQ(RunQelvane("--verify-replay " + dir.file("none.qrp")), 1);
}

}  // namespace
}  // namespace qel
