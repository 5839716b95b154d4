#include "app/settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/app.h"
#include "host/sdl_host.h"

namespace qel {
namespace {

const KeyNames &Names() {
  static const KeyNames names = SdlKeyNames();
  return names;
}

UserSettings Parse(const std::string &text, std::vector<std::string> *problems = nullptr) {
  UserSettings s;
  std::vector<std::string> ignored;
  ParseSettings(text, Names(), &s, problems ? problems : &ignored);
  return s;
}

bool SameSettings(const UserSettings &a, const UserSettings &b) {
  return a.musicVolume == b.musicVolume && a.soundVolume == b.soundVolume && a.keys == b.keys &&
         a.scale == b.scale && a.scaling == b.scaling && a.filter == b.filter &&
         a.pauseOnFocusLoss == b.pauseOnFocusLoss && a.hitboxes == b.hitboxes &&
         a.screenshotFolder == b.screenshotFolder;
}

TEST(SettingsFileTest, TheFirstFileReadsBackAsTheDefaultsWithEveryKeyCommented) {
  const std::string text = DefaultSettingsText(Names());
  std::vector<std::string> problems;
  UserSettings read = Parse(text, &problems);
  EXPECT_TRUE(problems.empty()) << problems.front();
  // The keys come back as the defaults they name.
  for (int k = 0; k < kGameKeys; ++k) {
    EXPECT_EQ(read.keys[k], DefaultGameKeyUsages(static_cast<GameKey>(k))) << k;
    read.keys[k].clear();
  }
  EXPECT_TRUE(SameSettings(read, UserSettings{}));
  EXPECT_NE(text.find("pause = Left Shift, Right Shift\n"), std::string::npos) << text;
  EXPECT_NE(text.find("# Music volume"), std::string::npos);
  // Every setting line has a comment or its section's comment above it.
  std::istringstream lines(text);
  std::string line, previous;
  while (std::getline(lines, line)) {
    if (line.find(" = ") != std::string::npos && previous.find(" = ") == std::string::npos) {
      EXPECT_EQ(previous[0], '#') << line;
    }
    previous = line;
  }
}

TEST(SettingsFileTest, EverySettingIsRead) {
  const UserSettings s = Parse(
      "[sound]\n music_volume = 40\nsound_volume=0\n"
      "[keys]\nshot = J\nchange = K, L\nbomb = Space\npause = Return\nup = W\ndown = S\nleft = A\nright = D\n"
      "[window]\nscale = 0\nscaling = fit\nfilter = Smooth\npause_on_focus_loss = false\nhitboxes = yes\n"
      "[files]\nscreenshot_folder = /tmp/shots\n");
  EXPECT_EQ(s.musicVolume, 40);
  EXPECT_EQ(s.soundVolume, 0);
  EXPECT_EQ(s.keys[static_cast<int>(GameKey::Shot)], std::vector<int>{usb::A + ('J' - 'A')});
  EXPECT_EQ(s.keys[static_cast<int>(GameKey::Change)],
            (std::vector<int>{usb::A + ('K' - 'A'), usb::A + ('L' - 'A')}));
  EXPECT_EQ(s.keys[static_cast<int>(GameKey::Bomb)], std::vector<int>{usb::Space});
  EXPECT_EQ(s.keys[static_cast<int>(GameKey::Pause)], std::vector<int>{usb::Enter});
  EXPECT_EQ(s.keys[static_cast<int>(GameKey::Right)], std::vector<int>{usb::A + ('D' - 'A')});
  EXPECT_EQ(s.scale, 0);
  EXPECT_EQ(s.scaling, Scaling::Fit);
  EXPECT_EQ(s.filter, Filter::Smooth);
  EXPECT_FALSE(s.pauseOnFocusLoss);
  EXPECT_TRUE(s.hitboxes);
  EXPECT_EQ(s.screenshotFolder, "/tmp/shots");
}

TEST(SettingsFileTest, EachBadLineIsReportedWithItsNumberAndLeavesItsSettingAlone) {
  std::vector<std::string> problems;
  const UserSettings s = Parse(
      "[sound]\n"                            // 1
      "music_volume = 101\n"                 // 2: out of range
      "sound_volume = loud\n"                // 3: not a number
      "volume = 3\n"                         // 4: unknown key
      "just words\n"                         // 5: no "="
      "[keys]\n"                             // 6
      "shot = NoSuchKey\n"                   // 7: unknown key name
      "bomb = C, , X\n"                      // 8: an empty name
      "[colours]\n"                          // 9: unknown section
      "red = 1\n"                            // 10: under it, not reported again
      "[window]\n"                           // 11
      "scaling = stretch\n"                  // 12
      "hitboxes = maybe\n"                   // 13
      "scale = 9\n"                          // 14
      "[files]\n"                            // 15
      "screenshot_folder = relative/path\n"  // 16
      "[sound]\n"                            // 17
      "sound_volume = 55\n",                 // 18: good lines still count
      &problems);
  const std::vector<std::string> lines = {"2", "3", "4", "5", "7", "8", "9", "12", "13", "14", "16"};
  ASSERT_EQ(problems.size(), lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i)
    EXPECT_EQ(problems[i].substr(0, problems[i].find(':')), lines[i]) << problems[i];
  EXPECT_NE(problems[4].find("NoSuchKey"), std::string::npos) << problems[4];
  UserSettings expected;
  expected.soundVolume = 55;
  EXPECT_TRUE(SameSettings(s, expected));
}

std::string TempFolder() {
  char name[] = "/tmp/qelvane_settings_XXXXXX";
  const char *dir = mkdtemp(name);
  return dir ? dir : "";
}

std::string ReadText(const std::string &path) {
  std::ifstream f(path);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

TEST(SettingsFileTest, TheFileIsWrittenOnTheFirstRunAndThenOnlyRead) {
  const std::string root = TempFolder();
  ASSERT_FALSE(root.empty());
  const std::string path = root + "/config/qelvane/settings.ini";
  UserSettings s;
  LoadSettingsFile(path, Names(), &s);
  EXPECT_EQ(ReadText(path), DefaultSettingsText(Names()));
  std::ofstream(path) << "[sound]\nmusic_volume = 7\nbad line\n";
  testing::internal::CaptureStderr();
  LoadSettingsFile(path, Names(), &s);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(s.musicVolume, 7);
  EXPECT_EQ(err, "qelvane: " + path + ":3: \"key = value\" expected (ignored)\n");
  EXPECT_EQ(ReadText(path), "[sound]\nmusic_volume = 7\nbad line\n");  // the player's file is never rewritten

  // A folder where the file should be: the defaults, a message, and nothing touched.
  const std::string folder = root + "/folder.ini";
  mkdir(folder.c_str(), 0755);
  UserSettings d;
  testing::internal::CaptureStderr();
  LoadSettingsFile(folder, Names(), &d);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("is a folder"), std::string::npos);
  EXPECT_TRUE(SameSettings(d, UserSettings{}));
  rmdir(folder.c_str());
  std::remove(path.c_str());
  rmdir((root + "/config/qelvane").c_str());
  rmdir((root + "/config").c_str());
  rmdir(root.c_str());
}

TEST(SettingsFileTest, TheCommandLineOverridesTheFileForThatRun) {
  AppOptions opts;
  std::string error;
  ASSERT_TRUE(ParseCommandLine({"--music-volume", "0", "--sound-volume", "35", "--scale", "0", "--hitboxes",
                                "--config", "/tmp/other.ini"},
                               &opts, &error))
      << error;
  UserSettings s = Parse("[sound]\nmusic_volume = 80\nsound_volume = 80\n[window]\nscale = 3\n");
  ApplyCommandLine(opts, &s);
  EXPECT_EQ(s.musicVolume, 0);
  EXPECT_EQ(s.soundVolume, 35);
  EXPECT_EQ(s.scale, 0);
  EXPECT_TRUE(s.hitboxes);
  EXPECT_EQ(SettingsPathFor(opts), "/tmp/other.ini");

  // Options not given leave the file's values.
  AppOptions none;
  UserSettings t = Parse("[window]\nscale = 3\nhitboxes = true\n");
  ApplyCommandLine(none, &t);
  EXPECT_EQ(t.scale, 3);
  EXPECT_TRUE(t.hitboxes);
  EXPECT_EQ(SettingsPathFor(none), DefaultSettingsPath());

  AppOptions off;
  ASSERT_TRUE(ParseCommandLine({"--no-config"}, &off, &error));
  EXPECT_EQ(SettingsPathFor(off), "");
  EXPECT_FALSE(ParseCommandLine({"--no-config", "--config", "x.ini"}, &off, &error));
  AppOptions bad;
  EXPECT_FALSE(ParseCommandLine({"--music-volume", "101"}, &bad, &error));
  EXPECT_FALSE(ParseCommandLine({"--sound-volume", "-1"}, &bad, &error));
  EXPECT_FALSE(ParseCommandLine({"--scale", "9"}, &bad, &error));
}

TEST(SettingsFileTest, TheConfigFolderFollowsXdgConfigHome) {
  const char *saved = std::getenv("XDG_CONFIG_HOME");
  const std::string keep = saved ? saved : "";
  setenv("XDG_CONFIG_HOME", "/somewhere/cfg", 1);
  EXPECT_EQ(DefaultSettingsPath(), "/somewhere/cfg/qelvane/settings.ini");
  setenv("XDG_CONFIG_HOME", "relative", 1);  // not absolute: ignored, as the base directory rules say
  const char *home = std::getenv("HOME");
  if (home && *home) {
    EXPECT_EQ(DefaultSettingsPath(), std::string(home) + "/.config/qelvane/settings.ini");
  }
  if (saved) setenv("XDG_CONFIG_HOME", keep.c_str(), 1);
  else unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace qel
