#include <gtest/gtest.h>

#include "replay/replay_test_support.h"

namespace qel {
namespace {

// The replays kept in the repository still play exactly as they were recorded. When one fails
// after a change that was meant to change play, record them again (tools/record_replays.sh).
class KeptReplay : public ::testing::TestWithParam<const char *> {};

TEST_P(KeptReplay, VerifiesToItsRecordedEnd) {
  std::string path = std::string(QELVANE_SOURCE_DIR) + "/" + GetParam();
  Replay replay;
  std::string error;
  ASSERT_TRUE(ReadReplayFile(path, &replay, &error)) << error;
  EXPECT_GE(replay.hashes.size(), 2u);
  auto play = test::PlayGame(replay, std::string(QELVANE_BUILD_DIR) + "/d");
  EXPECT_EQ(play.result.exitCode, 0) << play.result.message;
  EXPECT_TRUE(play.result.reachedEnd) << play.result.message;
  EXPECT_EQ(play.result.mismatchPass, 0u);
  if (replay.mode == "story") {
    // From the title's choice, past the first stage (9) into a mission chosen on the mission select.
    EXPECT_EQ(replay.start, ReplayStart::Snapshot);
    EXPECT_EQ(play.finalDump.find("\"stage\": 9,"), std::string::npos) << play.finalDump;
    EXPECT_EQ(play.finalDump.find("\"mission\": 0,"), std::string::npos) << play.finalDump;
  }
}

INSTANTIATE_TEST_SUITE_P(Kept, KeptReplay,
                         ::testing::Values("tests/replays/story.qrp", "tests/replays/extra.qrp",
                                           "tests/replays/boss.qrp", "assets/replays/demo.qrp"));

}  // namespace
}  // namespace qel
