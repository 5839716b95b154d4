// The map compiler: what it writes, and the faults it refuses with a file:line message.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "../../tools/art/tile_set.h"
#include "stage/hard_patches.h"
#include "support/test_game.h"

namespace qel {
namespace {

struct Result {
  int status;
  std::string output;  // stdout and stderr together
};

Result RunMakeMaps(const std::string &src, const std::string &out, bool partial = true) {
  std::string cmd = std::string(QELVANE_BUILD_DIR) + "/make_maps --src '" + src + "' --out '" + out + "'" +
                    (partial ? " --partial" : "") + " 2>&1";
  Result r{-1, ""};
  FILE *p = popen(cmd.c_str(), "r");
  if (!p) return r;
  std::array<char, 4096> buf{};
  while (std::fgets(buf.data(), static_cast<int>(buf.size()), p)) r.output += buf.data();
  r.status = pclose(p);
  return r;
}

int Code(tiles::Layer layer, const std::string &name) {
  for (const tiles::Tile &t : tiles::Tiles())
    if (t.layer == layer && t.name == name) return t.code;
  ADD_FAILURE() << "no tile " << name;
  return 0;
}

std::string Row(int r, const std::string &cells) {
  char num[8];
  std::snprintf(num, sizeof num, "%3d", r);
  return std::string(num) + " |" + cells + "|\n";
}

// A far map for stage 2 (rows 0..17 are all it shows) whose rows are given by one character each.
std::string Stage2Far(const std::string &legend, const std::array<char, 18> &rows) {
  std::string text = "# test map\nmap st2b far\n" + legend;
  for (int r = 0; r < 18; ++r) text += Row(r, std::string(15, rows[static_cast<std::size_t>(r)]));
  return text;
}

// The line of a source text that starts with row r.
int LineOfRow(const std::string &text, int r) {
  std::istringstream in(text);
  std::string line, want = Row(r, "").substr(0, 5);
  for (int n = 1; std::getline(in, line); ++n)
    if (line.compare(0, 5, want) == 0) return n;
  return 0;
}

// A near map for stage 4 (rows 0..242 are all it shows) of floor everywhere.
std::string Stage4Floor() {
  std::string text = "map st4a near\ntile # " + std::to_string(Code(tiles::Layer::Near, "floor_full")) + "\n";
  for (int r = 0; r <= 242; ++r) text += Row(r, "###############");
  return text;
}

std::string Describe(const std::vector<PatchCell> &cells) {
  std::string s;
  for (const PatchCell &c : cells)
    s += std::to_string(c.stage) + (c.grid == PatchGrid::Near ? " near " : " schedule ") +
         std::to_string(c.col) + ":" + std::to_string(c.row) + "=" + std::to_string(c.code) + "\n";
  return s;
}

class MapCompilerTest : public ::testing::Test {
 protected:
  void write(const std::string &name, const std::string &text) { test::WriteBytes(src_.file(name), text); }
  Result compile() { return RunMakeMaps(src_.path(), out_.path()); }
  bool written(const std::string &name) { return std::filesystem::exists(out_.file(name)); }

  test::TempDir src_, out_;
};

TEST(ShippedMaps, CompileIntoWholeGridsAndTheHarderVersionsCells) {
  test::TempDir out;
  Result r = RunMakeMaps(std::string(QELVANE_SOURCE_DIR) + "/assets/maps", out.path(), false);
  ASSERT_EQ(r.status, 0) << r.output;
  for (const char *name : {"st1a", "st1b", "st2a", "st2b", "st3a", "st4a", "st4b", "st5a", "st5b", "st6a",
                           "st6b", "st7a", "st7b"}) {
    std::string bytes = test::ReadBytes(out.file(std::string(name) + ".map"));
    EXPECT_EQ(bytes.size(), 65536u) << name;
  }
  std::vector<PatchCell> cells;
  std::string why;
  ASSERT_TRUE(DecodePatches(test::ReadBytes(out.file(kHardPatchFile)), &cells, &why)) << why;
  EXPECT_FALSE(cells.empty());
  for (const PatchCell &c : cells) {
    if (c.grid != PatchGrid::Schedule) continue;
    EXPECT_EQ(c.col, c.stage) << "a stage's cells go into its own schedule column";
  }
}

TEST_F(MapCompilerTest, RowRColumnCLandsAtOffsetRTimes256PlusC) {
  const int stars = Code(tiles::Layer::Far, "space_stars");
  std::string text = "map st2b far\ntile . 0 space\ntile , " + std::to_string(stars) + "\n";
  for (int r = 0; r < 18; ++r) text += Row(r, r == 5 ? "...,..........," : "...............");
  write("st2b.txt", text);
  Result r = compile();
  ASSERT_EQ(r.status, 0) << r.output;
  std::string bytes = test::ReadBytes(out_.file("st2b.map"));
  ASSERT_EQ(bytes.size(), 65536u);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const bool star = i == 5 * 256 + 3 || i == 5 * 256 + 14;
    ASSERT_EQ(static_cast<int>(static_cast<unsigned char>(bytes[i])), star ? stars : 0) << "offset " << i;
  }
}

TEST_F(MapCompilerTest, CodesOutsideTheirLayerAreRefused) {
  write("st2b.txt", "map st2b far\ntile . 0\ntile x 100\n");
  write("st2a.txt", "map st2a near\ntile . 0\ntile y 93\ntile z 0 girder_v\n");
  Result r = compile();
  EXPECT_NE(r.status, 0);
  EXPECT_NE(r.output.find("st2b.txt:3: code 100 is no far tile"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("st2a.txt:3: code 93 is no near tile (the near sheet ends at 89)"),
            std::string::npos)
      << r.output;
  EXPECT_NE(r.output.find("st2a.txt:4: code 0 is \"empty\", not \"girder_v\""), std::string::npos)
      << r.output;
  EXPECT_FALSE(written("st2b.map"));
}

TEST_F(MapCompilerTest, MarkersOnlyWhereTheyTurnIntoEnemies) {
  // Stage 2 has no ground enemies; on stage 4 the first screen and the boss loop spawn none.
  std::string stage2 = "map st2a near\ntile . 0\ntile t 101 turret\n";
  for (int r = 0; r <= 32; ++r) stage2 += Row(r, r == 20 ? ".....t........." : "...............");
  std::string floor = std::to_string(Code(tiles::Layer::Near, "floor_full"));
  std::string stage4 = "map st4a near\ntile . 0\ntile # " + floor + "\ntile g 100\n";
  for (int r = 0; r <= 242; ++r) {
    bool marked = r == 5 || r == 230 || r == 100;
    stage4 += Row(r, marked ? "######g########" : "###############");
  }
  write("st2a.txt", stage2);
  write("st4a.txt", stage4);
  Result r = compile();
  EXPECT_NE(r.status, 0);
  EXPECT_NE(r.output.find("st2a.txt:" + std::to_string(LineOfRow(stage2, 20)) +
                          ": marker 101 (turret) in column 5: stage 2 does not turn it into an enemy"),
            std::string::npos)
      << r.output;
  EXPECT_NE(r.output.find("st4a.txt:" + std::to_string(LineOfRow(stage4, 230)) +
                          ": marker 100 (ground_gun) in column 6: row 230 is painted when the stage loads"),
            std::string::npos)
      << r.output;
  EXPECT_NE(r.output.find("st4a.txt:" + std::to_string(LineOfRow(stage4, 5)) +
                          ": marker 100 (ground_gun) in column 6: row 5 lies in a loop"),
            std::string::npos)
      << r.output;
  EXPECT_EQ(r.output.find("row 100 "), std::string::npos) << "a marker where it spawns once is fine\n"
                                                          << r.output;
}

TEST_F(MapCompilerTest, LoopThatDoesNotCloseIsRefused) {
  // Row 14 starts dust that rows 15 and 16 finish, so every neighbour meets; but stage 2 loops
  // rows 0..14, which puts row 14's dusty bottom right above row 0's open space.
  std::string legend = "tile . 0\ntile ^ " + std::to_string(Code(tiles::Layer::Far, "dust_edge_top")) +
                       "\ntile # " + std::to_string(Code(tiles::Layer::Far, "dust_full")) + "\ntile _ " +
                       std::to_string(Code(tiles::Layer::Far, "dust_edge_bottom")) + "\n";
  std::array<char, 18> rows;
  rows.fill('.');
  rows[14] = '^', rows[15] = '#', rows[16] = '_';
  std::string text = Stage2Far(legend, rows);
  write("st2b.txt", text);
  Result r = compile();
  EXPECT_NE(r.status, 0);
  const std::string expected =
      "st2b.txt:" + std::to_string(LineOfRow(text, 14)) +
      ": stage 2 shows row 14 right above row 0 (a wrap or jump of its scroll rules), column 0 "
      "(and 14 more): the bottom of dust_edge_top (dust|dust) does not meet the top of space (space|space)";
  EXPECT_NE(r.output.find(expected), std::string::npos) << r.output;
  EXPECT_EQ(r.output.find("row 14 above row 15"), std::string::npos) << r.output;
  EXPECT_FALSE(written("st2b.map"));
}

TEST_F(MapCompilerTest, NeighboursAndShownRowsAreChecked) {
  std::string legend = "tile . 0\ntile # " + std::to_string(Code(tiles::Layer::Far, "dust_full")) + "\n";
  std::string text = "map st2b far\n" + legend;
  for (int r = 0; r < 18; ++r)
    if (r != 9) text += Row(r, r == 4 ? "......#........" : "...............");
  write("st2b.txt", text);
  Result r = compile();
  EXPECT_NE(r.status, 0);
  EXPECT_NE(r.output.find("st2b.txt:" + std::to_string(LineOfRow(text, 4)) +
                          ": row 4, columns 5 and 6: the right side of space"),
            std::string::npos)
      << r.output;
  EXPECT_NE(r.output.find("st2b.txt:1: row 9 is shown on screen but not written"), std::string::npos)
      << r.output;
}

TEST_F(MapCompilerTest, TheHarderVersionsCellsAreWrittenInTheirOrder) {
  write("st4a.txt", Stage4Floor());
  write("mapset2.patch",
        "# test\n"
        "stage 4\n"
        "near 7 100,120=car_parked   # rows that scroll in once\n"
        "schedule 30=2 31=0\n"
        "near 2 140=100\n"
        "stage 1\n"
        "schedule 18=29\n");
  Result r = compile();
  ASSERT_EQ(r.status, 0) << r.output;
  std::vector<PatchCell> cells;
  std::string why;
  ASSERT_TRUE(DecodePatches(test::ReadBytes(out_.file(kHardPatchFile)), &cells, &why)) << why;
  EXPECT_EQ(Describe(cells),
            "4 near 7:100=104\n4 near 7:120=104\n4 schedule 4:30=2\n4 schedule 4:31=0\n"
            "4 near 2:140=100\n1 schedule 1:18=29\n");
}

TEST_F(MapCompilerTest, PatchSourcesThatCannotApplyAsMeantAreRefused) {
  write("st4a.txt", Stage4Floor());
  const std::string text =
      "near 3 5=1\n"          // 1
      "stage 0\n"             // 2
      "stage 4\n"             // 3
      "near 15 10=turret\n"   // 4
      "near 7 10=wheel\n"     // 5
      "near 7 11=95\n"        // 6
      "schedule 40=39\n"      // 7
      "schedule 41=2 41=3\n"  // 8
      "schedule 300=2\n"      // 9
      "wave 3\n"              // 10
      "stage 9\n"             // 11
      "near 1 5=turret\n";    // 12
  write("mapset2.patch", text);
  Result r = compile();
  EXPECT_NE(r.status, 0);
  const std::string file = src_.file("mapset2.patch") + ":";
  for (const std::string &expected :
       {file + "1: cells before any \"stage\" line",
        file + "2: expected \"stage NUMBER\" with a number from 1 to 255",
        file + "4: expected \"near COLUMN ROWS=CODE ...\" with a column from 0 to 14",
        file + "5: \"wheel\" is no code or marker name", file + "6: code 95 is no near tile and no marker",
        file + "7: wave code 39 calls no enemies",
        file + "8: stage 4 row 41 column 4 is given twice (first on line 8)",
        file + "9: \"300\" is no row (0..255)", file + "10: unknown line",
        file + "12: stage 9 loads no near map"})
    EXPECT_NE(r.output.find(expected), std::string::npos) << expected << "\n" << r.output;
  EXPECT_FALSE(written(kHardPatchFile));
  EXPECT_FALSE(written("st4a.map"));
}

TEST_F(MapCompilerTest, TheHarderVersionsMarkersAreCheckedWithTheMap) {
  const std::string map = Stage4Floor();
  write("st4a.txt", map);
  write("mapset2.patch", "stage 4\nnear 6 5=car_parked 230=car_parked 100=car_parked\n");
  Result r = compile();
  EXPECT_NE(r.status, 0);
  const std::string at =
      "st4a.txt:" + std::to_string(LineOfRow(map, 5)) + ": in the harder version (extra markers): ";
  EXPECT_NE(r.output.find(at + "marker 104 (car_parked) in column 6: row 5 lies in a loop"),
            std::string::npos)
      << r.output;
  EXPECT_NE(r.output.find("row 230 is painted when the stage loads"), std::string::npos) << r.output;
  EXPECT_EQ(r.output.find("row 100 "), std::string::npos) << r.output;
  EXPECT_FALSE(written(kHardPatchFile));
}

TEST_F(MapCompilerTest, AWholeFolderNeedsThePatchSource) {
  write("st2b.txt", "map st2b far\ntile . 0\n");
  Result r = RunMakeMaps(src_.path(), out_.path(), false);
  EXPECT_NE(r.status, 0);
  EXPECT_NE(r.output.find(src_.file("mapset2.patch") + ":0: is missing"), std::string::npos) << r.output;
}

}  // namespace
}  // namespace qel
