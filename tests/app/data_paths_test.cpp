#include "app/data_paths.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_game.h"

namespace qel {
namespace {

namespace fs = std::filesystem;

TEST(LocateData, ABuildTreeKeepsEverythingBesideTheProgram) {
  test::TempDir tree;
  fs::create_directories(tree.file("sheets"));
  for (const std::string &exeDir : {tree.path(), tree.path() + "/", tree.path() + "/./"}) {
    DataPaths p = LocateData(exeDir);
    EXPECT_FALSE(p.installed) << exeDir;
    EXPECT_EQ(p.sheetsDir, tree.file("sheets")) << exeDir;
    EXPECT_EQ(p.dataDir, tree.file("d")) << exeDir;
  }
}

TEST(LocateData, AnInstalledProgramFindsShareBesideItsFolderWhereverThePrefixLies) {
  test::TempDir prefix;
  fs::create_directories(prefix.file("bin"));
  fs::create_directories(prefix.file("share/qelvane/sheets"));
  for (const std::string &exeDir : {prefix.file("bin"), prefix.file("bin/"), prefix.file("bin//")}) {
    DataPaths p = LocateData(exeDir);
    EXPECT_TRUE(p.installed) << exeDir;
    EXPECT_EQ(p.dataDir, prefix.file("share/qelvane/d")) << exeDir;
    EXPECT_EQ(p.sheetsDir, prefix.file("share/qelvane/sheets")) << exeDir;
  }
  // The same prefix moved elsewhere is found at its new place.
  test::TempDir elsewhere;
  fs::rename(prefix.file("bin"), elsewhere.file("bin"));
  DataPaths moved = LocateData(elsewhere.file("bin"));
  EXPECT_TRUE(moved.installed);
  EXPECT_EQ(moved.dataDir, elsewhere.file("share/qelvane/d"));
}

TEST(LocateData, OnlyASheetsFolderMeansTheBuildTree) {
  test::TempDir dir;
  fs::create_directories(dir.file("bin"));
  test::WriteBytes(dir.file("bin/sheets"), "not a folder");
  DataPaths p = LocateData(dir.file("bin"));
  EXPECT_TRUE(p.installed);
  EXPECT_EQ(p.sheetsDir, dir.file("share/qelvane/sheets"));
  // A folder that does not exist, or is not known at all, still gives the installed layout,
  // so the loader can name the folder it looked in.
  EXPECT_EQ(LocateData(dir.file("nowhere/bin")).dataDir, dir.file("nowhere/share/qelvane/d"));
  EXPECT_EQ(LocateData("/").sheetsDir, "/share/qelvane/sheets");
}

}  // namespace
}  // namespace qel
