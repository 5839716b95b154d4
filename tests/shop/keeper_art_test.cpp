// The keeper's portrait and the face features drawn over it.
#include <gtest/gtest.h>

#include "platform/sheets.h"
#include "support/test_game.h"

namespace qel {
namespace {

struct Feature {
  int sheet, cellW, cellH, cells, x, y;  // x, y: where the cells go on the portrait
};

constexpr Feature kFeatures[] = {{39, 64, 9, 4, 70, 44}, {40, 62, 13, 4, 71, 52}, {41, 17, 8, 5, 93, 79}};

bool Picture(const Surface &andXorMask, int x, int y) { return andXorMask.at(x, y) == 0; }

class KeeperArtTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int k : {38, 39, 40, 41})
      if (sheets->diagnostic(Family::TOKU, k)) GTEST_SKIP() << "no art for TOKU(" << k << ") yet";
  }
  std::shared_ptr<const SheetSet> sheets = test::SharedSheets();
};

// A new expression is drawn by copying the portrait again and then the new features, so every
// feature pixel must fall on the portrait, never on the room behind her.
TEST_F(KeeperArtTest, EveryFeaturePixelLiesOnThePortrait) {
  const Surface &portrait = sheets->get(Family::TOKUM, 38);
  for (const Feature &f : kFeatures) {
    const Surface &mask = sheets->get(Family::TOKUM, f.sheet);
    int off = 0;
    for (int cell = 0; cell < f.cells; ++cell)
      for (int y = 0; y < f.cellH; ++y)
        for (int x = 0; x < f.cellW; ++x)
          if (Picture(mask, cell * f.cellW + x, y) && !Picture(portrait, f.x + x, f.y + y)) ++off;
    EXPECT_EQ(off, 0) << "TOKU(" << f.sheet << ")";
  }
}

// Every cell an expression uses shows something, and no two cells of a sheet are the same, so
// each expression reads as its own. Mouth cell 1 is never asked for.
TEST_F(KeeperArtTest, EveryUsedFeatureCellIsDrawnAndDistinct) {
  for (const Feature &f : kFeatures) {
    const Surface &colour = sheets->get(Family::TOKU, f.sheet);
    std::vector<std::vector<Pixel>> cells;
    for (int cell = 0; cell < f.cells; ++cell) {
      if (f.sheet == 41 && cell == 1) continue;
      std::vector<Pixel> px;
      int drawn = 0;
      for (int y = 0; y < f.cellH; ++y)
        for (int x = 0; x < f.cellW; ++x) {
          px.push_back(colour.at(cell * f.cellW + x, y));
          drawn += px.back() != 0 ? 1 : 0;
        }
      EXPECT_GT(drawn, 8) << "TOKU(" << f.sheet << ") cell " << cell;
      for (const auto &other : cells) EXPECT_NE(px, other) << "TOKU(" << f.sheet << ") cell " << cell;
      cells.push_back(px);
    }
  }
}

TEST_F(KeeperArtTest, TheFeaturesSitOnHerFaceWhereTheShopDrawsThem) {
  // Skin under the eyes' and the mouth's cells: the portrait is opaque and flesh-coloured there.
  const Surface &portrait = sheets->get(Family::TOKU, 38);
  for (auto [x, y] : {std::pair{85, 58}, std::pair{118, 58}, std::pair{101, 82}}) {
    Pixel p = portrait.at(x, y);
    int r = static_cast<int>(p >> 16), g = static_cast<int>((p >> 8) & 255), b = static_cast<int>(p & 255);
    EXPECT_TRUE(r > 200 && g > 140 && b > 110 && r > b) << x << "," << y << " is not skin";
  }
}

}  // namespace
}  // namespace qel
