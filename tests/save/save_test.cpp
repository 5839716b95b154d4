#include "save/save.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_game.h"

namespace qel {
namespace {

std::string Le16(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
  }
  return s;
}

const std::string kDefaultsFile = Le16({1, 30, 0, 0, 0, 0, 0, 1, 0, 0, 1, 2, 3, 4, 0, 0});

class SaveTest : public ::testing::Test {
 protected:
  std::string savePath() { return t.data.file("data.dat"); }
  test::TestGame t;
};

TEST_F(SaveTest, NoFileMeansDefaults) {
  InitTables(t.g());
  EXPECT_EQ(t.g().settings.OPTION, DefaultOptions());
  EXPECT_EQ(t.g().shell.WAITMS, 30);
  EXPECT_EQ(t.g().settings.DIFF, 1);
}

TEST_F(SaveTest, DefaultsAreWrittenAsTheseExactBytes) {
  InitTables(t.g());
  ASSERT_TRUE(WriteSave(t.g()));
  EXPECT_EQ(test::ReadBytes(savePath()), kDefaultsFile);
}

TEST_F(SaveTest, RoundTripKeepsEveryValidValue) {
  test::WriteBytes(savePath(), Le16({0, 45, 1, 1, 2, 3, 1, 0, 1, 0, 5, 12, 7, 9, 0, 0}));
  InitTables(t.g());
  Settings &s = t.g().settings;
  EXPECT_EQ(s.DIFF, 0);
  EXPECT_EQ(t.g().shell.WAITMS, 45);
  EXPECT_EQ(s.OPTION[4], 2);
  EXPECT_EQ(s.OPTION[7], 0);
  EXPECT_EQ(t.g().input.JOYMASK[2], 2048);
  ASSERT_TRUE(WriteSave(t.g()));
  EXPECT_EQ(test::ReadBytes(savePath()), Le16({0, 45, 1, 1, 2, 3, 1, 0, 1, 0, 5, 12, 7, 9, 0, 0}));
}

TEST_F(SaveTest, SpeedAndDifficultyOnTheWayOutComeFromTheirLiveValues) {
  InitTables(t.g());
  t.g().shell.WAITMS = 45;
  t.g().settings.DIFF = 0;
  t.g().settings.OPTION[4] = 2;  // story cleared on HARD
  ASSERT_TRUE(WriteSave(t.g()));
  std::string bytes = test::ReadBytes(savePath());
  EXPECT_EQ(bytes.substr(0, 2), Le16({0}));
  EXPECT_EQ(bytes.substr(2, 2), Le16({45}));
  EXPECT_EQ(bytes.substr(8, 2), Le16({2}));
}

TEST_F(SaveTest, OutOfRangeValuesFallBackOneByOne) {
  // Each bad value is replaced by its own default; the good ones stay as loaded, including
  // an off-grid speed of 58 and the EASY difficulty no screen offers.
  test::WriteBytes(savePath(), Le16({2, 58, 7, -1, 9, 3, -2, 5, 2, 0, 40, 0, -5, 4, 0, 0}));
  InitTables(t.g());
  const auto &o = t.g().settings.OPTION;
  EXPECT_EQ(o[0], 2);
  EXPECT_EQ(o[1], 58);
  EXPECT_EQ(o[2], 0);
  EXPECT_EQ(o[3], 0);
  EXPECT_EQ(o[4], 0);
  EXPECT_EQ(o[5], 3);
  EXPECT_EQ(o[6], 0);
  EXPECT_EQ(o[7], 1);
  EXPECT_EQ(o[8], 0);
  EXPECT_EQ(o[10], 1);
  EXPECT_EQ(o[11], 2);  // 0 ("none") lasts only until the program ends
  EXPECT_EQ(o[12], 3);
  EXPECT_EQ(o[13], 4);
  EXPECT_EQ(t.g().input.JOYMASK[1], 1);
  for (int v : {-1, 61, 30000}) {
    std::array<int, 16> opts = DefaultOptions();
    opts[1] = v;
    ValidateOptions(opts);
    EXPECT_EQ(opts[1], 30) << v;
  }
}

TEST_F(SaveTest, AShortFileIsDamagedAndChangesNothing) {
  test::WriteBytes(savePath(), Le16({0, 0, 1, 1, 3, 3, 3, 0}));  // 16 of 32 bytes
  InitTables(t.g());
  EXPECT_EQ(t.g().settings.OPTION, DefaultOptions());
  EXPECT_EQ(t.g().shell.WAITMS, 30);
}

// The player's clear marks may be in what is left of a damaged save: it is kept beside the new
// one, each damaged file under a name of its own, and the message says where.
TEST_F(SaveTest, ADamagedSaveIsKeptBesideTheNewOne) {
  for (int size : {1, 31}) {
    const std::string damaged = Le16({0, 0, 1, 1, 3, 3, 3, 0, 0, 0, 1, 2, 3, 4, 0, 0}).substr(0, size);
    test::WriteBytes(savePath(), damaged);
    testing::internal::CaptureStderr();
    InitTables(t.g());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("is damaged (" + std::to_string(size) + " bytes"), std::string::npos) << said;
    EXPECT_EQ(t.g().settings.OPTION, DefaultOptions());
    ASSERT_TRUE(WriteSave(t.g()));
    EXPECT_EQ(test::ReadBytes(savePath()), kDefaultsFile);
  }
  EXPECT_EQ(test::ReadBytes(savePath() + ".damaged").size(), 1u);
  EXPECT_EQ(test::ReadBytes(savePath() + ".damaged.2").size(), 31u);
}

// A replay's start never touches the player's files, damaged or not.
TEST_F(SaveTest, AReplayLeavesADamagedSaveAlone) {
  test::WriteBytes(savePath(), "abc");
  t.g().config.writeSave = false;
  InitTables(t.g());
  EXPECT_FALSE(std::filesystem::exists(savePath() + ".damaged"));
}

// Something that is no file where the save should be: the defaults, a message naming it, and a
// save that says it failed and leaves it as it was.
TEST_F(SaveTest, AFolderInPlaceOfTheSaveKeepsTheDefaultsAndIsLeftAlone) {
  std::filesystem::create_directory(savePath());
  testing::internal::CaptureStderr();
  InitTables(t.g());
  EXPECT_NE(testing::internal::GetCapturedStderr().find("data.dat: is a folder"), std::string::npos);
  EXPECT_EQ(t.g().settings.OPTION, DefaultOptions());
  testing::internal::CaptureStderr();
  EXPECT_FALSE(WriteSave(t.g()));
  EXPECT_NE(testing::internal::GetCapturedStderr().find("could not be saved"), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_directory(savePath()));
  EXPECT_FALSE(std::filesystem::exists(savePath() + ".new"));
}

// A save that cannot be written (here the temporary name is taken by a folder, as a full disk or
// a read-only folder would refuse it) leaves the old save as it was.
TEST_F(SaveTest, AFailedSaveLeavesTheOldOneWhole) {
  const std::string old = Le16({0, 45, 1, 1, 3, 3, 3, 0, 0, 0, 1, 2, 3, 4, 0, 0});
  test::WriteBytes(savePath(), old);
  InitTables(t.g());
  std::filesystem::create_directory(savePath() + ".new");
  t.g().settings.OPTION[kOptMusicOff] = 0;
  testing::internal::CaptureStderr();
  EXPECT_FALSE(WriteSave(t.g()));
  EXPECT_NE(testing::internal::GetCapturedStderr().find("could not be saved"), std::string::npos);
  EXPECT_EQ(test::ReadBytes(savePath()), old);
}

TEST_F(SaveTest, WritingKeepsBytesBeyondTheSettingsAndLeavesNoTemporaryFile) {
  test::WriteBytes(savePath(), kDefaultsFile + "tail");
  InitTables(t.g());
  t.g().settings.OPTION[2] = 1;
  ASSERT_TRUE(WriteSave(t.g()));
  std::string bytes = test::ReadBytes(savePath());
  EXPECT_EQ(bytes.size(), 36u);
  EXPECT_EQ(bytes.substr(32), "tail");
  EXPECT_EQ(bytes.substr(4, 2), Le16({1}));
  EXPECT_FALSE(std::filesystem::exists(savePath() + ".new"));
}

TEST_F(SaveTest, ADataFolderThatCannotBeWrittenSavesToThePlayersFolder) {
  t.g().config.dataDir = t.data.file("not-there");
  InitTables(t.g());
  t.g().settings.OPTION[4] = 1;
  ASSERT_TRUE(WriteSave(t.g()));
  EXPECT_EQ(test::ReadBytes(t.userData.file("data.dat")).size(), 32u);
  InitTables(t.g());  // from now on the player's own copy is the one read
  EXPECT_EQ(t.g().settings.OPTION[4], 1);
}

TEST_F(SaveTest, AnInstalledGameSavesToThePlayersFolderEvenWhenItsDataCouldBeWritten) {
  t.g().config.saveInUserDir = true;
  const std::string shipped = Le16({1, 30, 0, 1, 0, 0, 0, 1, 0, 0, 1, 2, 3, 4, 0, 0});
  test::WriteBytes(savePath(), shipped);  // shipped with the data: read until the player saves
  InitTables(t.g());
  EXPECT_EQ(t.g().settings.OPTION[3], 1);
  t.g().settings.OPTION[4] = 1;
  ASSERT_TRUE(WriteSave(t.g()));
  EXPECT_EQ(test::ReadBytes(savePath()), shipped);  // the data folder is left alone
  EXPECT_EQ(test::ReadBytes(t.userData.file("data.dat")).size(), 32u);
  InitTables(t.g());
  EXPECT_EQ(t.g().settings.OPTION[4], 1);
}

TEST_F(SaveTest, ASaveThatCannotBeWrittenSaysSo) {
  t.g().config.dataDir = t.data.file("not-there");
  t.host.userDataDir = t.data.file("not-there-either");
  InitTables(t.g());
  testing::internal::CaptureStderr();
  EXPECT_FALSE(WriteSave(t.g()));
  EXPECT_NE(testing::internal::GetCapturedStderr().find("could not be saved"), std::string::npos);
}

TEST(StartValues, InitTablesSetsTheNewGameValues) {
  test::TestGame t;
  Game &g = t.g();
  g.player.SCORE = 999;
  g.player.WEAPON = {7, 7};
  InitTables(g);
  EXPECT_EQ(g.player.SCORE, 0);
  EXPECT_EQ(g.player.WEAPON[0], 1);
  EXPECT_EQ(g.player.WEAPON[1], 2);
  EXPECT_EQ(g.player.WLEVEL[0], 2);
  EXPECT_EQ(g.player.CREDIT, 2);
  EXPECT_EQ(g.stage.MISSIONS[7], 10);
  EXPECT_EQ(g.stage.STAGE, 6);
  EXPECT_EQ(g.player.FIREWAIT[4], 3);
  EXPECT_EQ(g.player.FIREWAIT[2], 15);
  EXPECT_EQ(g.shop.ITEMNAME[15], "ZOZE");
  EXPECT_EQ(g.shop.ITEMDESC[29 + 3], "攻撃力：■■□□□　連射力：■■□□□　貫通力：あり（爆風）");
  EXPECT_EQ(g.shop.ITEMDESC[29 + 9], "");
  EXPECT_EQ(g.screens.STAGENAME[1], "宇宙ステ－ション");
}

}  // namespace
}  // namespace qel
