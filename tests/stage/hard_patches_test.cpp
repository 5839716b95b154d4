// The harder version's cells as the data folder holds them (stage/hard_patches.h), and what a
// load does with a damaged or missing file.
#include "stage/hard_patches.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "game.h"
#include "stage/stage.h"
#include "stage_test_support.h"

namespace qel {
namespace {

bool SameCells(const std::vector<PatchCell> &a, const std::vector<PatchCell> &b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].stage != b[i].stage || a[i].grid != b[i].grid || a[i].col != b[i].col || a[i].row != b[i].row ||
        a[i].code != b[i].code)
      return false;
  return true;
}

TEST(HardPatchFile, CellsComeBackInTheirOrder) {
  const std::vector<PatchCell> cells = {{4, PatchGrid::Near, 7, 188, 104},
                                        {1, PatchGrid::Schedule, 1, 18, 29},
                                        {255, PatchGrid::Near, 255, 0, 255},
                                        {4, PatchGrid::Near, 7, 45, 0}};
  std::string bytes, why;
  ASSERT_TRUE(EncodePatches(cells, &bytes, &why)) << why;
  EXPECT_EQ(bytes.size(), 4u + 5u * cells.size());
  std::vector<PatchCell> back;
  ASSERT_TRUE(DecodePatches(bytes, &back, &why)) << why;
  EXPECT_TRUE(SameCells(back, cells));
  ASSERT_TRUE(EncodePatches({}, &bytes, &why));
  ASSERT_TRUE(DecodePatches(bytes, &back, &why));
  EXPECT_TRUE(back.empty());
}

TEST(HardPatchFile, ValuesBeyondAByteAreNotWritten) {
  std::string bytes = "untouched", why;
  EXPECT_FALSE(EncodePatches({{1, PatchGrid::Near, 3, 256, 101}}, &bytes, &why));
  EXPECT_NE(why.find("cell 0"), std::string::npos) << why;
  EXPECT_FALSE(
      EncodePatches({{1, PatchGrid::Near, 3, 10, 101}, {-1, PatchGrid::Schedule, 1, 10, 2}}, &bytes, &why));
  EXPECT_NE(why.find("cell 1"), std::string::npos) << why;
  EXPECT_EQ(bytes, "untouched");
}

TEST(HardPatchFile, DamagedFilesAreRefusedWithTheReason) {
  std::string good, why;
  ASSERT_TRUE(
      EncodePatches({{1, PatchGrid::Near, 1, 22, 101}, {2, PatchGrid::Schedule, 2, 21, 42}}, &good, &why));
  std::vector<PatchCell> cells = {{9, PatchGrid::Near, 0, 0, 0}};
  struct Damage {
    std::string bytes, reason;
  };
  std::string badGrid = good;
  badGrid[4 + 5 + 1] = 2;
  for (const Damage &d :
       {Damage{"", "does not start with QPT1"}, Damage{"QPT", "does not start with QPT1"},
        Damage{"QPT2" + good.substr(4), "does not start with QPT1"},
        Damage{good.substr(0, good.size() - 1), "no whole number of cells"},
        Damage{good + "x", "no whole number of cells"}, Damage{badGrid, "names grid 2 in cell 1"}}) {
    why.clear();
    EXPECT_FALSE(DecodePatches(d.bytes, &cells, &why)) << d.reason;
    EXPECT_NE(why.find(d.reason), std::string::npos) << why;
    EXPECT_EQ(cells.size(), 1u) << "a refused file leaves the cells as they were";
  }
}

class HardPatchLoadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteAllMaps(t);
    t.StartUp();
  }
  // Loads the stage; the exit code when the program ended instead, -1 otherwise.
  int Load(int stage, int mapSet) {
    t.g().stage.MAPSET = mapSet;
    try {
      LoadStageMap(t.g(), stage);
    } catch (const ProgramEnd &end) {
      return end.exitCode;
    }
    return -1;
  }
  test::TestGame t;
};

// The cells only add to a stage: without a file that can be read the harder version plays as the
// easier one does, and standard error says why.
TEST_F(HardPatchLoadTest, ADamagedOrMissingFileLeavesTheStageAsTheEasierVersionAndSaysWhy) {
  const Stage &st = t.g().stage;
  ASSERT_EQ(Load(4, 2), -1);
  ASSERT_EQ(GridAt(st.MAPA, 7, 188), 104) << "the built cells are in place";
  struct Damage {
    std::string bytes, reason;
  };
  for (const Damage &d :
       {Damage{test::BuiltHardPatches() + "xy", "no whole number of cells"},
        Damage{"QPT0", "does not start with QPT1"}, Damage{"", "does not start with QPT1"}}) {
    test::WriteBytes(t.data.file(kHardPatchFile), d.bytes);
    testing::internal::CaptureStderr();
    EXPECT_EQ(Load(4, 2), -1) << d.reason;
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find(std::string(kHardPatchFile) + " "), std::string::npos) << err;
    EXPECT_NE(err.find(d.reason), std::string::npos) << err;
    EXPECT_NE(err.find("stage 4 plays without the harder version's cells"), std::string::npos) << err;
    EXPECT_EQ(GridAt(st.MAPA, 7, 188), 188 % 90) << d.reason;
    EXPECT_EQ(GridAt(st.ENMAP, 4, 27), 0) << d.reason;
  }
  std::remove(t.data.file(kHardPatchFile).c_str());
  testing::internal::CaptureStderr();
  EXPECT_EQ(Load(4, 2), -1);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("mapset2.map: no such file; stage 4 plays without"),
            std::string::npos);
  EXPECT_EQ(GridAt(st.MAPA, 7, 188), 188 % 90);
  EXPECT_TRUE(t.host.messageBoxes.empty());
  testing::internal::CaptureStderr();
  EXPECT_EQ(Load(4, 1), -1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "only the harder version reads the file";
}

TEST_F(HardPatchLoadTest, CellsOfOtherStagesAndAnEmptyFileChangeNothing) {
  std::string bytes, why;
  ASSERT_TRUE(EncodePatches({{2, PatchGrid::Near, 5, 40, 101},
                             {3, PatchGrid::Schedule, 3, 40, 9},
                             {1, PatchGrid::Schedule, 1, 40, 7},
                             {1, PatchGrid::Near, 14, 40, 100}},
                            &bytes, &why));
  test::WriteBytes(t.data.file(kHardPatchFile), bytes);
  ASSERT_EQ(Load(1, 2), -1);
  const Stage &st = t.g().stage;
  EXPECT_EQ(GridAt(st.ENMAP, 1, 40), 7);
  EXPECT_EQ(GridAt(st.ENMAP, 3, 40), 0);
  EXPECT_EQ(GridAt(st.MAPA, 14, 40), 100);
  EXPECT_EQ(GridAt(st.MAPA, 5, 40), 40);  // the test maps hold row mod 90
  ASSERT_TRUE(EncodePatches({}, &bytes, &why));
  test::WriteBytes(t.data.file(kHardPatchFile), bytes);
  ASSERT_EQ(Load(1, 2), -1);
  EXPECT_EQ(GridAt(st.ENMAP, 1, 40), 0);
  EXPECT_EQ(GridAt(st.MAPA, 14, 40), 40);
}

}  // namespace
}  // namespace qel
