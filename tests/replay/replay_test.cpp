#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <random>

#include "host/host_decorator.h"
#include "replay/replay_test_support.h"
#include "replay/state.h"
#include "shell/version.h"

namespace qel {
namespace {

using test::PlayGame;
using test::RecordGame;
using test::Taps;

std::vector<ScriptedEvent> Sorted(std::vector<ScriptedEvent> events) {
  std::stable_sort(events.begin(), events.end(),
                   [](const ScriptedEvent &a, const ScriptedEvent &b) { return a.pass < b.pass; });
  return events;
}

std::vector<ScriptedEvent> Concat(std::vector<ScriptedEvent> a, const std::vector<ScriptedEvent> &b) {
  a.insert(a.end(), b.begin(), b.end());
  return Sorted(std::move(a));
}

std::vector<std::uint64_t> Every(std::uint64_t from, std::uint64_t to, std::uint64_t step) {
  std::vector<std::uint64_t> v;
  for (std::uint64_t p = from; p < to; p += step) v.push_back(p);
  return v;
}

// Play of a stage: firing in bursts, weaving left and right.
std::vector<ScriptedEvent> StagePlay(std::uint64_t until) {
  return Concat(Concat(Taps('Z', Every(5, until, 30), 20), Taps(vk::Left, Every(40, until, 160), 50)),
                Taps(vk::Right, Every(120, until, 160), 45));
}

bool SamePicture(const Surface &a, const Surface &b) { return a.px == b.px; }

TEST(ReplayFormat, RunLengthEncodingRoundTrips) {
  Channel c;
  for (const char *v : {"a", "a", "a", "b", "a", "a"}) c.Append(v);
  ASSERT_EQ(c.runs.size(), 3u);
  EXPECT_EQ(c.runs[0].count, 3u);
  EXPECT_EQ(c.Size(), 6u);
  ChannelCursor cursor(&c);
  std::string got, v;
  while (cursor.Next(&v)) got += v;
  EXPECT_EQ(got, "aaabaa");
  EXPECT_FALSE(cursor.Next(&v));

  Replay r;
  r.gameVersion = kGameVersion;
  r.seed = 0x123456789abcdefull;
  r.seeded = true;
  r.start = ReplayStart::Snapshot;
  r.mode = "story";
  r.settingsCount = 32;
  for (int i = 0; i < 32; ++i) r.settings[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 7);
  r.startPass = 40, r.endPass = 9000, r.end = ReplayEnd::Title;
  r.state = std::string("\0state\xff", 7);
  r.channels[{ReadKind::Key, vk::Left}] = c;
  r.channels[{ReadKind::JoyRead, -1}].Append(EncodeJoyRead(true, JoyPos{-5, 70000, 0x800}));
  r.hashes = {{40, 1}, {340, ~0ull}};
  Replay back;
  std::string error;
  ASSERT_TRUE(DecodeReplay(EncodeReplay(r), &back, &error)) << error;
  EXPECT_EQ(back.seed, r.seed);
  EXPECT_EQ(back.mode, "story");
  EXPECT_EQ(back.settings, r.settings);
  EXPECT_EQ(back.state, r.state);
  EXPECT_EQ(back.end, ReplayEnd::Title);
  EXPECT_EQ(back.hashes, r.hashes);
  ASSERT_EQ(back.channels.size(), 2u);
  EXPECT_EQ(back.channels[(ChannelKey{ReadKind::Key, vk::Left})].runs.size(), 3u);
  bool ok = false;
  JoyPos pos;
  ASSERT_TRUE(DecodeJoyRead(back.channels[(ChannelKey{ReadKind::JoyRead, -1})].runs[0].value, &ok, &pos));
  EXPECT_TRUE(ok);
  EXPECT_EQ(pos.x, -5);
  EXPECT_EQ(pos.y, 70000);
  EXPECT_EQ(pos.buttons, 0x800u);
}

TEST(ReplayFormat, RefusesForeignDamagedShortAndOtherVersionFiles) {
  Replay r;
  r.gameVersion = kGameVersion;
  r.mode = "stage9";
  r.state = "config";
  for (int i = 0; i < 50; ++i)
    r.channels[{ReadKind::Clock, 0}].Append(std::string(1, static_cast<char>(i % 7)));
  r.hashes = {{0, 5}};
  const std::string good = EncodeReplay(r);
  Replay out;
  std::string error;
  ASSERT_TRUE(DecodeReplay(good, &out, &error));

  EXPECT_FALSE(DecodeReplay("PK\3\4 not a replay at all", &out, &error));
  EXPECT_NE(error.find("not a QELVANE replay"), std::string::npos);
  for (std::size_t i = sizeof kReplayMagic; i < good.size(); ++i) {
    std::string bad = good;
    bad[i] = static_cast<char>(bad[i] ^ 0x10);
    EXPECT_FALSE(DecodeReplay(bad, &out, &error)) << "byte " << i;
  }
  for (std::size_t n : {std::size_t{0}, std::size_t{9}, good.size() / 2, good.size() - 1})
    EXPECT_FALSE(DecodeReplay(good.substr(0, n), &out, &error)) << n;

  Replay other = r;
  other.gameVersion = "0.9";
  EXPECT_FALSE(DecodeReplay(EncodeReplay(other), &out, &error));
  EXPECT_NE(error.find("made with QELVANE 0.9"), std::string::npos) << error;

  std::string newer = good;
  newer[8] = static_cast<char>(kReplayFormatVersion + 1);
  EXPECT_FALSE(DecodeReplay(newer, &out, &error));
  EXPECT_NE(error.find("newer"), std::string::npos) << error;

  test::TempDir dir;
  EXPECT_FALSE(ReadReplayFile(dir.path(), &out, &error));  // a folder
  EXPECT_FALSE(ReadReplayFile(dir.file("missing.qrp"), &out, &error));
}

TEST(PlayState, RestoresIntoAnotherGameAndRefusesBytesThatDoNotFit) {
  test::TestGame a, b;
  a.StartUp();
  a.RunPasses(20);
  a.g().player.PX = 123.25;
  a.g().enemies.ENEMY[4].VAL[3] = -2.5;
  a.g().effects.EFFECT[2].TEXT = "ＢＯＮＵＳ";
  a.g().rng.discard(17);
  std::string state = SavePlayState(a.g());
  std::string error;
  ASSERT_TRUE(LoadPlayState(b.g(), state, &error)) << error;
  EXPECT_EQ(PlayStateHash(b.g()), PlayStateHash(a.g()));
  EXPECT_EQ(b.g().rng(), a.g().rng());
  EXPECT_EQ(b.g().effects.EFFECT[2].TEXT, "ＢＯＮＵＳ");

  std::uint64_t before = PlayStateHash(b.g());
  EXPECT_FALSE(LoadPlayState(b.g(), state.substr(0, state.size() - 3), &error));
  EXPECT_FALSE(LoadPlayState(b.g(), state + "x", &error));
  EXPECT_EQ(PlayStateHash(b.g()), before);  // a refused state changes nothing
}

class ReplayRun : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::string data = test::CopyBuildData(dir);
};

// A host whose clock and event delivery wobble like a busy desktop's: events arrive some
// waits late, and the clock jumps a few milliseconds now and then.
class JitterHost : public HostDecorator {
 public:
  explicit JitterHost(Host &inner) : HostDecorator(inner) {}
  std::uint64_t NowMs() override {
    if (rng_() % 4 == 0) extra_ += rng_() % 9;
    return inner_.NowMs() + extra_;
  }
  bool WaitEvent(HostEvent &ev, int timeoutMs) override {
    HostEvent got;
    while (inner_.WaitEvent(got, 0)) held_.push_back(got);
    if (!held_.empty() && rng_() % 3 != 0) {
      ev = held_.front();
      held_.pop_front();
      return true;
    }
    if (inner_.WaitEvent(got, timeoutMs)) held_.push_back(got);
    return false;
  }

 private:
  std::mt19937 rng_{2024};
  std::uint64_t extra_ = 0;
  std::deque<HostEvent> held_;
};

TEST_F(ReplayRun, AStageFromTheCommandLineReplaysToTheSameHashesAndPicture) {
  for (bool jitter : {false, true}) {
    SCOPED_TRACE(jitter ? "jittered host" : "steady host");
    HeadlessHost host;
    host.AddScript(StagePlay(2400));
    JitterHost wobbly(host);
    Host &recorded = jitter ? static_cast<Host &>(wobbly) : host;
    auto rec = RecordGame(recorded, data, 2400, [](GameConfig &c) { c.startStage = 9; });
    ASSERT_EQ(rec.games, 1);
    EXPECT_EQ(rec.replay.start, ReplayStart::Program);
    EXPECT_EQ(rec.replay.end, ReplayEnd::PassLimit);
    EXPECT_EQ(rec.replay.mode, "stage9");
    EXPECT_EQ(rec.replay.hashes.size(), 2400u / kReplayHashInterval + 1);

    auto play = PlayGame(rec.replay, data);
    EXPECT_EQ(play.result.exitCode, 0) << play.result.message;
    EXPECT_TRUE(play.result.reachedEnd);
    EXPECT_EQ(play.result.mismatchPass, 0u);
    EXPECT_EQ(play.finalHash, rec.finalHash);
    EXPECT_EQ(play.finalDump, rec.finalDump);
    EXPECT_TRUE(SamePicture(play.finalPicture, rec.finalPicture));
  }
}

TEST_F(ReplayRun, TheSecondGameOfARunReplaysFromTheTitle) {
  // Through the opening and the title into a story game, back to the title with F1, and a
  // second game: only the second is left in the file, and it starts from its saved state.
  HeadlessHost host;
  auto shots = Taps('Z', Every(20, 3000, 40));
  host.AddScript(Concat(Concat(shots, Taps(vk::F1, {1500})), Taps(vk::Left, Every(1700, 3000, 200), 60)));
  JitterHost wobbly(host);
  auto rec = RecordGame(wobbly, data, 3000);
  ASSERT_EQ(rec.games, 2);
  EXPECT_EQ(rec.replay.start, ReplayStart::Snapshot);
  EXPECT_EQ(rec.replay.mode, "story");
  EXPECT_GT(rec.replay.startPass, 1500u);
  auto play = PlayGame(rec.replay, data);
  EXPECT_EQ(play.result.exitCode, 0) << play.result.message;
  EXPECT_TRUE(play.result.reachedEnd);
  EXPECT_EQ(play.finalDump, rec.finalDump);
  EXPECT_TRUE(SamePicture(play.finalPicture, rec.finalPicture));
}

TEST_F(ReplayRun, AGameThatReturnsToTheTitleEndsThere) {
  HeadlessHost host;
  host.AddScript(Concat(StagePlay(900), Taps(vk::F1, {900})));
  auto rec = RecordGame(host, data, 1200, [](GameConfig &c) { c.startStage = 9; });
  ASSERT_EQ(rec.games, 1);
  EXPECT_EQ(rec.replay.end, ReplayEnd::Title);
  EXPECT_LT(rec.replay.endPass, 1000u);
  auto play = PlayGame(rec.replay, data);
  EXPECT_EQ(play.result.exitCode, 0) << play.result.message;
  EXPECT_TRUE(play.result.reachedEnd);
  EXPECT_EQ(play.result.passes, rec.replay.endPass);
}

TEST_F(ReplayRun, AShopStartIsRecordedFromStartUpThroughTheShopsOwnLoop) {
  HeadlessHost host;
  host.AddScript(Concat(Taps(vk::Down, Every(20, 400, 25)), Taps('Z', Every(30, 1000, 25))));
  auto rec = RecordGame(host, data, 1000, [](GameConfig &c) { c.shopStage = 3, c.shopTime = 300; });
  ASSERT_EQ(rec.games, 1);
  EXPECT_EQ(rec.replay.mode, "shop3");
  auto play = PlayGame(rec.replay, data);
  EXPECT_EQ(play.result.exitCode, 0) << play.result.message;
  EXPECT_TRUE(play.result.reachedEnd);
  EXPECT_EQ(play.finalState, rec.finalState);
}

TEST_F(ReplayRun, VerifyingNamesThePassWhereTheGameLeavesTheRecording) {
  HeadlessHost host;
  host.AddScript(StagePlay(1500));
  auto rec = RecordGame(host, data, 1500, [](GameConfig &c) { c.startStage = 9; });

  Replay changedHash = rec.replay;
  changedHash.hashes[2].second ^= 1;
  auto play = PlayGame(changedHash, data);
  EXPECT_EQ(play.result.exitCode, 1);
  EXPECT_EQ(play.result.mismatchPass, changedHash.hashes[2].first);
  EXPECT_NE(play.result.message.find("pass " + std::to_string(changedHash.hashes[2].first)),
            std::string::npos);

  // Another key held from the start: the ship goes elsewhere, found by the first hash after.
  Replay changedInput = rec.replay;
  Channel &left = changedInput.channels[{ReadKind::Key, vk::Left}];
  left.runs.assign(1, qel::Run{std::string(1, '\1'), left.Size()});
  play = PlayGame(changedInput, data);
  EXPECT_EQ(play.result.exitCode, 1);
  EXPECT_EQ(play.result.mismatchPass, kReplayHashInterval);
}

TEST_F(ReplayRun, PlayingNeverWritesTheSave) {
  // The recorded game ends with Esc, which saves; its playback takes the same way out.
  HeadlessHost host;
  host.AddScript(Concat(StagePlay(600), Taps(vk::Esc, {600})));
  auto rec = RecordGame(host, data, 2000, [](GameConfig &c) { c.startStage = 9; });
  std::string save = data + "/data.dat";
  ASSERT_TRUE(std::filesystem::exists(save));
  EXPECT_EQ(rec.replay.end, ReplayEnd::Program);
  std::filesystem::remove(save);
  auto play = PlayGame(rec.replay, data);
  EXPECT_EQ(play.result.exitCode, 0) << play.result.message;
  EXPECT_TRUE(play.result.reachedEnd);
  EXPECT_FALSE(std::filesystem::exists(save));
  EXPECT_EQ(play.finalState, rec.finalState);
}

}  // namespace
}  // namespace qel
