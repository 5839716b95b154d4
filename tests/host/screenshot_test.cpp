#include "host/screenshot.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace qel {
namespace {

std::string TempFolder() {
  char name[] = "/tmp/qelvane_shots_XXXXXX";
  const char *dir = mkdtemp(name);
  return dir ? dir : "";
}

std::tm Moment() {
  std::tm t{};
  t.tm_year = 2026 - 1900, t.tm_mon = 11, t.tm_mday = 9, t.tm_hour = 7, t.tm_min = 5, t.tm_sec = 3;
  return t;
}

TEST(ScreenshotTest, NamesCarryTheDateAndTimeAndACountWithinTheSecond) {
  EXPECT_EQ(ScreenshotName(Moment(), 1), "qelvane_2026-12-09_07-05-03.png");
  EXPECT_EQ(ScreenshotName(Moment(), 2), "qelvane_2026-12-09_07-05-03_2.png");
  EXPECT_EQ(ScreenshotName(Moment(), 17), "qelvane_2026-12-09_07-05-03_17.png");
}

TEST(ScreenshotTest, ScreenshotsInOneSecondNeverOverwriteEachOther) {
  const std::string root = TempFolder();
  ASSERT_FALSE(root.empty());
  const std::string folder = root + "/Pictures/qelvane";  // made when missing
  std::tm local = Moment();
  const std::time_t when = mktime(&local);
  std::string error;
  const std::string first = ReserveScreenshotFile(folder, when, &error);
  ASSERT_EQ(first, folder + "/" + ScreenshotName(local, 1)) << error;
  std::ofstream(first) << "first";
  const std::string second = ReserveScreenshotFile(folder, when, &error);
  const std::string third = ReserveScreenshotFile(folder, when, &error);
  EXPECT_EQ(second, folder + "/" + ScreenshotName(local, 2));
  EXPECT_EQ(third, folder + "/" + ScreenshotName(local, 3));
  std::ifstream kept(first);
  std::string text;
  kept >> text;
  EXPECT_EQ(text, "first");
  for (const std::string &p : {first, second, third}) std::remove(p.c_str());
  rmdir(folder.c_str());
  rmdir((root + "/Pictures").c_str());
  rmdir(root.c_str());
}

TEST(ScreenshotTest, AFolderThatCannotBeMadeIsAnErrorNotAFile) {
  const std::string root = TempFolder();
  ASSERT_FALSE(root.empty());
  const std::string blocker = root + "/file";
  std::ofstream(blocker) << "x";
  std::string error;
  EXPECT_EQ(ReserveScreenshotFile(blocker + "/shots", std::time(nullptr), &error), "");
  EXPECT_NE(error.find("cannot make the folder"), std::string::npos) << error;
  std::remove(blocker.c_str());
  rmdir(root.c_str());
}

}  // namespace
}  // namespace qel
