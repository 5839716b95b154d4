#include <gtest/gtest.h>

#include "host/host_decorator.h"
#include "replay/replay_test_support.h"
#include "screens/screens.h"
#include "shell/shell.h"

namespace qel {
namespace {

using test::Taps;

// A viewer who presses a key once the clock has reached a moment, and looks at each picture.
class ViewerHost : public HostDecorator {
 public:
  ViewerHost(HeadlessHost &inner, std::uint64_t at, int key) : HostDecorator(inner), at_(at), key_(key) {}
  bool WaitEvent(HostEvent &ev, int timeoutMs) override {
    if (!sent && inner_.NowMs() >= at_) {
      sent = true;
      sentAt = inner_.NowMs();
      ev = {HostEvent::Kind::KeyDown, key_, MenuItem::FullScreen};
      return true;
    }
    return inner_.WaitEvent(ev, timeoutMs);
  }
  void Present(const Surface &picture) override {
    inner_.Present(picture);
    if (looker && test::ShowsText(*looker, picture, "DEMO", 24, 14, 396, 40, 1)) ++demoPictures;
  }
  Game *looker = nullptr;
  bool sent = false;
  std::uint64_t sentAt = 0;
  int demoPictures = 0;

 private:
  std::uint64_t at_;
  int key_;
};

class DemoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A short demo: the first stage, firing, for 400 passes.
    HeadlessHost recordingHost;
    recordingHost.AddScript(Taps('Z', {5, 100, 200, 300}, 60));
    auto rec = test::RecordGame(recordingHost, data, 400, [](GameConfig &c) { c.startStage = 9; });
    std::string error;
    ASSERT_TRUE(WriteReplayFile(data + "/demo.qrp", rec.replay, &error)) << error;
  }

  // Runs the program from start-up with nobody at the keys until the title shows, and returns the
  // clock at that moment.
  std::uint64_t ToTitle(Host &host, std::unique_ptr<Game> &game) {
    GameConfig cfg;
    cfg.dataDir = data;
    cfg.seed = 5;
    cfg.seeded = true;
    game = std::make_unique<Game>(host, test::SharedSheets(), test::SharedText(), cfg);
    StartUp(*game);
    for (int i = 0; i < 3000 && !(game->shell.SCENE == kSceneTitle && game->shell.PHASE == 1); ++i)
      RunPass(*game);
    EXPECT_EQ(game->shell.SCENE, kSceneTitle);
    return game->shell.passStartMs;
  }

  test::TempDir dir;
  std::string data = test::CopyBuildData(dir);
};

TEST_F(DemoTest, StartsAfterThirtySecondsWithoutInputAndReturnsToTheTitleWhenItEnds) {
  HeadlessHost host;
  std::unique_ptr<Game> game;
  std::uint64_t titleAt = ToTitle(host, game);
  std::size_t musicBefore = host.musicLog.size();
  // Idle: the demo has not started before its time.
  while (host.NowMs() < titleAt + kDemoIdleMs - 200) RunPass(*game);
  std::uint64_t passesBeforeDemo = game->shell.passes;
  std::uint64_t clockBefore = host.NowMs();
  for (int i = 0; i < 20; ++i) RunPass(*game);
  // The demo ran inside those passes: 400 passes of the stage's picture at the recorded pace.
  EXPECT_GE(host.NowMs() - clockBefore, 400u * 30u);
  EXPECT_EQ(game->shell.SCENE, kSceneTitle);
  EXPECT_LT(game->shell.passes - passesBeforeDemo, 40u);
  bool stageMusic = false;
  for (std::size_t i = musicBefore; i < host.musicLog.size(); ++i)
    stageMusic |= host.musicLog[i].find("b01.mid") != std::string::npos;
  EXPECT_TRUE(stageMusic);
  // A fresh wait begins: the demo does not start again at once.
  std::uint64_t after = host.NowMs();
  for (int i = 0; i < 100; ++i) RunPass(*game);
  EXPECT_GT(game->screens.titleIdleSince, clockBefore);
  EXPECT_LT(host.NowMs() - after, 100u * 40u);
}

TEST_F(DemoTest, ShowsDemoInACornerAndAnyKeyEndsItAtOnce) {
  HeadlessHost inner;
  // The title shows at about 8 s of this clock; the viewer presses X five seconds into the demo.
  ViewerHost viewer(inner, 1000 + 60000, 'X');
  std::unique_ptr<Game> game;
  std::uint64_t titleAt = ToTitle(viewer, game);
  ASSERT_LT(titleAt + kDemoIdleMs, 1000u + 60000u);
  viewer.looker = game.get();
  while (!viewer.sent && inner.NowMs() < 1000 + 90000) RunPass(*game);
  ASSERT_TRUE(viewer.sent);
  EXPECT_GT(viewer.demoPictures, 20);
  // The key ended the demo at once: the title is back within a pass or two.
  RunPass(*game);
  EXPECT_LT(inner.NowMs() - viewer.sentAt, 200u);
  EXPECT_EQ(game->shell.SCENE, kSceneTitle);
  RunPass(*game);
  EXPECT_EQ(game->shell.PHASE, 1);
  EXPECT_FALSE(test::ShowsText(*game, inner.lastFrame, "DEMO", 24, 14, 396, 40, 1));
}

TEST_F(DemoTest, AMissingDemoLeavesTheTitleAsItIs) {
  std::remove((data + "/demo.qrp").c_str());
  HeadlessHost host;
  std::unique_ptr<Game> game;
  std::uint64_t titleAt = ToTitle(host, game);
  while (host.NowMs() < titleAt + kDemoIdleMs + 5000) RunPass(*game);
  EXPECT_TRUE(game->screens.demoUnavailable);
  EXPECT_EQ(game->shell.SCENE, kSceneTitle);
  EXPECT_EQ(game->shell.PHASE, 1);
}

}  // namespace
}  // namespace qel
