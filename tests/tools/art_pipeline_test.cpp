// What the art pipeline promises: masks exact to the picture with the right matte, in both
// conventions, for every sheet drawn from art; and the same sources always give the same bytes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/png_io.h"
#include "platform/sheets.h"
#include "support/test_game.h"

namespace qel {
namespace {

// For a colour sheet and its mask: every pixel is picture in both or background in both.
void ExpectExactMask(const SheetSpec &spec, const Surface &colour, const Surface &mask) {
  const bool orAnd = spec.conv == MaskConv::OrAnd;
  const Pixel matte = orAnd ? 0xFFFFFF : 0x000000;
  const Pixel maskPicture = orAnd ? 0xFFFFFF : 0x000000;
  int wrong = 0;
  for (int y = 0; y < spec.h; ++y)
    for (int x = 0; x < spec.w; ++x) {
      Pixel m = mask.at(x, y);
      ASSERT_TRUE(m == 0 || m == 0xFFFFFF) << SheetName(spec) << " mask is not 1-bit at " << x << "," << y;
      bool picture = m == maskPicture;
      wrong += picture != (colour.at(x, y) != matte);
    }
  EXPECT_EQ(wrong, 0) << SheetName(spec) << ": pixels where the mask and the picture disagree";
}

TEST(ArtPipeline, EveryArtMaskCoversExactlyItsPicture) {
  auto sheets = test::SharedSheets();
  int checked = 0;
  for (const SheetSpec &spec : SheetCatalogue()) {
    const SheetSpec *m = MaskFor(spec);
    if (!m || sheets->diagnostic(spec.family, spec.index)) continue;
    ExpectExactMask(spec, sheets->get(spec.family, spec.index), sheets->get(m->family, m->index));
    ++checked;
  }
  RecordProperty("checked", checked);
}

// Every sheet of the catalogue is drawn from a source; none is left to the diagnostic generator.
TEST(ArtPipeline, EverySheetHasArt) {
  auto sheets = test::SharedSheets();
  std::string missing;
  for (const SheetSpec &spec : SheetCatalogue())
    if (sheets->diagnostic(spec.family, spec.index)) missing += " " + SheetName(spec);
  EXPECT_EQ(sheets->diagnosticCount(), 0) << "sheets without art:" << missing;
}

TEST(ArtPipeline, AMaskRowBeyondThePictureIsTransparent) {
  auto sheets = test::SharedSheets();
  ASSERT_FALSE(sheets->diagnostic(Family::TOKU, 37));
  const Surface &mask = sheets->get(Family::TOKUM, 37);
  for (int x = 0; x < mask.w; ++x) EXPECT_EQ(mask.at(x, 215), 0xFFFFFFu);
}

int RunTool(const std::string &cmd) { return std::system((cmd + " >/dev/null 2>&1").c_str()); }

class MakeArtTest : public ::testing::Test {
 protected:
  std::string tool = std::string(QELVANE_BUILD_DIR) + "/make_art";
  test::TempDir src, out;
};

// A soft-edged, partly black picture comes out hard-edged, with a mask exact to it, on the
// matte of each convention.
TEST_F(MakeArtTest, CutsSoftEdgesAndKeepsBlackPicturePixelsApartFromTheMatte) {
  const char *svg =
      "<svg xmlns='http://www.w3.org/2000/svg' width='32' height='32'>"
      "<circle cx='16' cy='16' r='10' fill='#000000'/><circle cx='16' cy='16' r='4' fill='#ffffff'/>"
      "</svg>";
  test::WriteBytes(src.file("TOKU19.svg"), svg);  // AND-XOR
  test::WriteBytes(src.file("EN14.svg"), svg);    // OR-AND
  ASSERT_EQ(RunTool(tool + " --src " + src.path() + " --out " + out.path()), 0);
  for (auto [family, index, name, maskName] : {std::tuple{Family::TOKU, 19, "TOKU19.png", "TOKUM19.png"},
                                               {Family::EN, 14, "EN14.png", "ENM14.png"}}) {
    Surface colour, mask;
    ASSERT_TRUE(ReadPng(out.file(name), colour));
    ASSERT_TRUE(ReadPng(out.file(maskName), mask));
    const SheetSpec *spec = FindSheet(family, index);
    ExpectExactMask(*spec, colour, mask);
    const bool orAnd = spec->conv == MaskConv::OrAnd;
    EXPECT_EQ(colour.at(0, 0), orAnd ? 0xFFFFFFu : 0u);           // matte
    EXPECT_EQ(colour.at(16, 16), orAnd ? 0xFEFEFEu : 0xFFFFFFu);  // white core (nudged on white)
    EXPECT_EQ(colour.at(8, 16), orAnd ? 0u : 0x010101u);          // black body (nudged on black)
  }
}

TEST_F(MakeArtTest, ABrokenSvgFailsTheBuild) {
  test::WriteBytes(src.file("IT9.svg"), "<svg this is not");
  EXPECT_NE(RunTool(tool + " --src " + src.path() + " --out " + out.path()), 0);
}

TEST_F(MakeArtTest, TheSameSourcesGiveTheSameBytes) {
  test::TempDir again;
  std::string assets = std::string(QELVANE_SOURCE_DIR) + "/assets/sheets";
  ASSERT_EQ(RunTool(tool + " --src " + assets + " --out " + out.path()), 0);
  ASSERT_EQ(RunTool(tool + " --src " + assets + " --out " + again.path()), 0);
  int files = 0;
  for (const auto &entry : std::filesystem::directory_iterator(out.path())) {
    std::string name = entry.path().filename().string();
    EXPECT_EQ(test::ReadBytes(entry.path().string()), test::ReadBytes(again.file(name))) << name;
    ++files;
  }
  EXPECT_GT(files, 0);
}

}  // namespace
}  // namespace qel
