#include <gtest/gtest.h>

#include "game.h"
#include "stage/stage.h"
#include "stage/tiles.h"
#include "stage_test_support.h"

namespace qel {
namespace {

class MapsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteAllMaps(t);
    t.StartUp();
  }
  Stage &st() { return t.g().stage; }
  test::TestGame t;
};

bool SameBlock(const Surface &a, int ax, int ay, const Surface &b, int bx, int by) {
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (a.at(ax + x, ay + y) != b.at(bx + x, by + y)) return false;
  return true;
}

TEST_F(MapsTest, TileCodesAddressColumnByTensAndRowByUnits) {
  PaintTile(t.g(), kFar, 37, 64, 96);
  EXPECT_TRUE(SameBlock(t.g().surf.MASTER[0], 64, 96, t.g().sheet(Family::HAI, 0), 96, 224));
  PaintTile(t.g(), kNear, 37, 0, 0);
  EXPECT_TRUE(SameBlock(t.g().surf.MASTER[1], 0, 0, t.g().sheet(Family::HAI, 1), 96, 224));
  EXPECT_TRUE(SameBlock(t.g().surf.MASTER[2], 0, 0, t.g().sheet(Family::HAI, 2), 96, 224));
}

TEST_F(MapsTest, CodesWithoutAWholeTilePaintAnEmptyCell) {
  Fill(t.g().surf.MASTER[0], 0x123456);
  Fill(t.g().surf.MASTER[1], 0x123456);
  Fill(t.g().surf.MASTER[2], 0x123456);
  PaintTile(t.g(), kFar, 150, 0, 0);
  PaintTile(t.g(), kNear, 95, 0, 0);  // the 289-pixel sheet has no whole column 9
  EXPECT_EQ(t.g().surf.MASTER[0].at(31, 31), 0u);
  EXPECT_EQ(t.g().surf.MASTER[1].at(31, 31), 0u);
  EXPECT_EQ(t.g().surf.MASTER[2].at(31, 31), 0xFFFFFFu);  // see-through
  EXPECT_EQ(t.g().surf.MASTER[0].at(32, 0), 0x123456u);
}

TEST_F(MapsTest, GridsAreReadRowByRowAndOutsideReadsAsZero) {
  test::WriteMap(t, "st2b.map", [](int c, int r) { return (c * 7 + r) % 256; });
  st().STAGE = 2;
  LoadStageMap(t.g(), 2);
  EXPECT_EQ(GridAt(st().MAPB, 3, 5), 26);
  EXPECT_EQ(GridAt(st().MAPB, 255, 255), (255 * 7 + 255) % 256);
  EXPECT_EQ(GridAt(st().MAPB, 0, -1), 0);
  EXPECT_EQ(GridAt(st().MAPB, 0, 256), 0);
  EXPECT_EQ(GridAt(st().MAPB, -1, 0), 0);
}

TEST_F(MapsTest, LoadingSetsTheStartRowsAndSpeeds) {
  struct Want {
    int stage, farRow, farSpeed, nearRow, nearSpeed;
  };
  for (Want w : {Want{1, 118, 1, 237, 0},
                 {2, 0, 0, 15, 1},
                 {3, 0, 0, 17, -1},
                 {4, 75, 1, 225, 0},
                 {5, 15, 0, 15, 0},
                 {6, 165, 1, 118, 2},
                 {7, 15, 0, 142, 0},
                 {8, 31, 1, 100, 2}}) {
    LoadStageMap(t.g(), w.stage);
    EXPECT_EQ(st().LROW[kFar], w.farRow) << w.stage;
    EXPECT_EQ(st().LSPEED[kFar], w.farSpeed) << w.stage;
    EXPECT_EQ(st().LROW[kNear], w.nearRow) << w.stage;
    EXPECT_EQ(st().LSPEED[kNear], w.nearSpeed) << w.stage;
    EXPECT_EQ(st().LSUB[kFar], 32);
  }
  LoadStageMap(t.g(), 3);
  EXPECT_EQ(st().LROW[kPicture], -150);
  // Stage 3 paints from row 3 even though its counter then says 17.
  EXPECT_TRUE(SameBlock(t.g().surf.MASTER[1], 0, 0, t.g().sheet(Family::HAI, 1), 0, 3 * 32));
}

TEST_F(MapsTest, TheHarderPatchesApplyAndNeverPileUp) {
  st().MAPSET = 2;
  LoadStageMap(t.g(), 2);
  EXPECT_EQ(GridAt(st().ENMAP, 2, 21), 42);
  EXPECT_EQ(GridAt(st().ENMAP, 2, 114), 2);
  LoadStageMap(t.g(), 4);
  EXPECT_EQ(GridAt(st().ENMAP, 2, 21), 0);  // the stage 2 patch is gone with the new load
  EXPECT_EQ(GridAt(st().MAPA, 7, 188), 104);
  EXPECT_EQ(GridAt(st().ENMAP, 4, 27), 36);
  st().MAPSET = 0;
  LoadStageMap(t.g(), 4);
  EXPECT_EQ(GridAt(st().MAPA, 7, 188), 188 % 90);
  EXPECT_EQ(GridAt(st().ENMAP, 4, 27), 0);
  st().MAPSET = 2;
  LoadStageMap(t.g(), 1);
  EXPECT_EQ(GridAt(st().MAPA, 13, 115), 101);
  EXPECT_EQ(GridAt(st().ENMAP, 1, 116), 32);
}

TEST_F(MapsTest, TheBossRushDrawsTheFirstFourBossesInSomeOrder) {
  LoadStageMap(t.g(), 8);
  std::array<int, 10> m = st().MISSIONS;
  EXPECT_EQ(m[0], 0);
  EXPECT_EQ(m[5], 5);
  EXPECT_EQ(m[7], 7);
  std::array<int, 4> first{m[1], m[2], m[3], m[4]};
  std::sort(first.begin(), first.end());
  EXPECT_EQ(first, (std::array<int, 4>{1, 2, 3, 4}));
}

TEST_F(MapsTest, AMapOfTheWrongSizeEndsTheProgramLikeAMissingOne) {
  test::WriteBytes(t.data.file("st1a.map"), std::string(65535, '\0'));
  testing::internal::CaptureStderr();
  try {
    LoadStageMap(t.g(), 1);
    FAIL() << "the program should have ended";
  } catch (const ProgramEnd &end) {
    EXPECT_EQ(end.exitCode, 1);
  }
  EXPECT_NE(testing::internal::GetCapturedStderr().find("st1a.map has 65535 bytes"), std::string::npos);
  ASSERT_EQ(t.host.messageBoxes.size(), 1u);
}

TEST_F(MapsTest, AMissingMapEndsTheProgramWithTheMessage) {
  std::remove(t.data.file("st7b.map").c_str());
  EXPECT_THROW(LoadStageMap(t.g(), 7), ProgramEnd);
  EXPECT_EQ(t.host.messageBoxes.size(), 1u);
}

}  // namespace
}  // namespace qel
