#include "platform/file_io.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "save/save.h"
#include "support/test_game.h"

namespace qel {
namespace {

TEST(ReadWholeFile, SaysWhatIsWrongAndNamesTheFile) {
  test::TempDir dir;
  std::string bytes = "left over", error;
  EXPECT_EQ(ReadWholeFile(dir.file("none"), &bytes, &error), ReadResult::Missing);
  EXPECT_EQ(error, dir.file("none") + ": no such file");
  EXPECT_TRUE(bytes.empty());

  std::filesystem::create_directory(dir.file("folder"));
  EXPECT_EQ(ReadWholeFile(dir.file("folder"), &bytes, &error), ReadResult::NotAFile);
  EXPECT_EQ(error, dir.file("folder") + ": is a folder, not a file");

  EXPECT_EQ(ReadWholeFile("/dev/null", &bytes, &error), ReadResult::NotAFile);

  test::WriteBytes(dir.file("big"), std::string(100, 'x'));
  EXPECT_EQ(ReadWholeFile(dir.file("big"), &bytes, &error, 99), ReadResult::TooLarge);
  EXPECT_NE(error.find("larger than 99 bytes"), std::string::npos);
  EXPECT_TRUE(bytes.empty());
  ASSERT_EQ(ReadWholeFile(dir.file("big"), &bytes, &error, 100), ReadResult::Ok);
  EXPECT_EQ(bytes, std::string(100, 'x'));

  test::WriteBytes(dir.file("zeros"), std::string("a\0b", 3));
  ASSERT_EQ(ReadWholeFile(dir.file("zeros"), &bytes), ReadResult::Ok);
  EXPECT_EQ(bytes.size(), 3u);
  EXPECT_EQ(ReadWholeFile(dir.file("none") + "/below", &bytes), ReadResult::Missing);
}

TEST(ReadWholeFile, AFileItMayNotReadIsNamedAsSuch) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
  test::TempDir dir;
  test::WriteBytes(dir.file("locked"), "secret");
  chmod(dir.file("locked").c_str(), 0);
  std::string bytes, error;
  EXPECT_EQ(ReadWholeFile(dir.file("locked"), &bytes, &error), ReadResult::NoPermission);
  EXPECT_EQ(error, dir.file("locked") + ": no permission to read it");
}

TEST(WriteFileSafely, ReplacesTheFileOrLeavesTheOldOne) {
  test::TempDir dir;
  const std::string path = dir.file("keep");
  ASSERT_TRUE(WriteFileSafely(path, "first"));
  ASSERT_TRUE(WriteFileSafely(path, "second"));
  EXPECT_EQ(test::ReadBytes(path), "second");
  EXPECT_FALSE(std::filesystem::exists(path + ".new"));
  std::string error;
  EXPECT_FALSE(WriteFileSafely(dir.file("no-folder/keep"), "x", &error));
  EXPECT_NE(error.find("no-folder/keep: cannot write"), std::string::npos);
}

TEST(Excerpt, CutsLongTextAndHidesControlBytes) {
  EXPECT_EQ(Excerpt("short"), "short");
  EXPECT_EQ(Excerpt(std::string(10'000'000, 'a'), 8), "aaaaaaaa...");
  EXPECT_EQ(Excerpt(std::string("a\0b\x1b\n", 5)), "a?b??");
}

// The save is killed at random moments while it is written over and over; every time, the file
// is a whole save: the one before or the one after, never a mix or a short file.
TEST(SaveUnderKill, IsAlwaysTheOldOrTheNewSave) {
  test::TestGame t;
  InitTables(t.g());
  ASSERT_TRUE(WriteSave(t.g()));
  const std::string path = SavePath(t.g());
  const std::string a = test::ReadBytes(path);
  t.g().settings.OPTION[kOptMusicOff] = 1;
  ASSERT_TRUE(WriteSave(t.g()));
  const std::string b = test::ReadBytes(path);
  ASSERT_NE(a, b);
  ASSERT_EQ(a.size(), 32u);
  std::mt19937 random(7);
  for (int round = 0; round < 120; ++round) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int n = 0;; ++n) {
        t.g().settings.OPTION[kOptMusicOff] = n & 1;
        WriteSave(t.g());
      }
    }
    usleep(static_cast<useconds_t>(random() % 3000));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    const std::string now = test::ReadBytes(path);
    ASSERT_TRUE(now == a || now == b) << "round " << round << ": " << now.size() << " bytes";
  }
}

}  // namespace
}  // namespace qel
