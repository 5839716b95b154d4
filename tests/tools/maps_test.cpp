// The map compiler: what it writes, and the faults it refuses with a file:line message.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "../../tools/art/tile_set.h"
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

class MapCompilerTest : public ::testing::Test {
 protected:
  void write(const std::string &name, const std::string &text) { test::WriteBytes(src_.file(name), text); }
  Result compile() { return RunMakeMaps(src_.path(), out_.path()); }
  bool written(const std::string &name) { return std::filesystem::exists(out_.file(name)); }

  test::TempDir src_, out_;
};

TEST(ShippedMaps, CompileIntoWholeGrids) {
  test::TempDir out;
  Result r = RunMakeMaps(std::string(QELVANE_SOURCE_DIR) + "/assets/maps", out.path(), false);
  ASSERT_EQ(r.status, 0) << r.output;
  for (const char *name : {"st1a", "st1b", "st2a", "st2b", "st3a", "st4a", "st4b", "st5a", "st5b", "st6a", "st6b",
                           "st7a", "st7b"}) {
    std::string bytes = test::ReadBytes(out.file(std::string(name) + ".map"));
    EXPECT_EQ(bytes.size(), 65536u) << name;
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
  EXPECT_NE(r.output.find("st2a.txt:3: code 93 is no near tile (the near sheet ends at 89)"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("st2a.txt:4: code 0 is \"empty\", not \"girder_v\""), std::string::npos) << r.output;
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
            std::string::npos) << r.output;
  EXPECT_NE(r.output.find("st4a.txt:" + std::to_string(LineOfRow(stage4, 230)) + ": marker 100 (ground_gun) in column 6: row 230 is painted when the stage loads"),
            std::string::npos) << r.output;
  EXPECT_NE(r.output.find("st4a.txt:" + std::to_string(LineOfRow(stage4, 5)) + ": marker 100 (ground_gun) in column 6: row 5 lies in a loop"),
            std::string::npos) << r.output;
  EXPECT_EQ(r.output.find("row 100 "), std::string::npos) << "a marker where it spawns once is fine\n" << r.output;
}

TEST_F(MapCompilerTest, LoopThatDoesNotCloseIsRefused) {
  // Row 14 starts dust that rows 15 and 16 finish, so every neighbour meets; but stage 2 loops
  // rows 0..14, which puts row 14's dusty bottom right above row 0's open space.
  std::string legend = "tile . 0\ntile ^ " + std::to_string(Code(tiles::Layer::Far, "dust_edge_top")) + "\ntile # " +
                       std::to_string(Code(tiles::Layer::Far, "dust_full")) + "\ntile _ " +
                       std::to_string(Code(tiles::Layer::Far, "dust_edge_bottom")) + "\n";
  std::array<char, 18> rows;
  rows.fill('.');
  rows[14] = '^', rows[15] = '#', rows[16] = '_';
  std::string text = Stage2Far(legend, rows);
  write("st2b.txt", text);
  Result r = compile();
  EXPECT_NE(r.status, 0);
  const std::string expected = "st2b.txt:" + std::to_string(LineOfRow(text, 14)) +
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
  EXPECT_NE(r.output.find("st2b.txt:" + std::to_string(LineOfRow(text, 4)) + ": row 4, columns 5 and 6: the right side of space"),
            std::string::npos) << r.output;
  EXPECT_NE(r.output.find("st2b.txt:1: row 9 is shown on screen but not written"), std::string::npos) << r.output;
}

}  // namespace
}  // namespace qel
