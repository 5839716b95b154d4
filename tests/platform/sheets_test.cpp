#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/png_io.h"
#include "platform/sheets.h"
#include "platform/surface.h"

namespace qel {
namespace {

namespace fs = std::filesystem;

constexpr Pixel kBlack = 0x000000;
constexpr Pixel kWhite = 0xFFFFFF;

// ---- the catalogue ----

TEST(SheetCatalogue, EveryFamilyHasItsNumberOfSheets) {
  std::map<Family, int> count;
  for (const SheetSpec &s : SheetCatalogue()) ++count[s.family];
  EXPECT_EQ(count[Family::PL], 1);
  EXPECT_EQ(count[Family::PLM], 1);
  EXPECT_EQ(count[Family::EN], 46);
  EXPECT_EQ(count[Family::ENM], 46);
  EXPECT_EQ(count[Family::TOKU], 55);
  EXPECT_EQ(count[Family::TOKUM], 55);
  EXPECT_EQ(count[Family::HAI], 15);
  EXPECT_EQ(count[Family::IT], 24);
  EXPECT_EQ(count[Family::BG], 5);
  EXPECT_EQ(count[Family::STHAI], 4);
  EXPECT_EQ(SheetCatalogue().size(), 252u);
}

TEST(SheetCatalogue, SheetsHaveTheirFixedSizes) {
  struct Want {
    Family f;
    int index, w, h;
  };
  const Want wants[] = {
      {Family::PL, 0, 128, 32},      {Family::PLM, 0, 128, 32},    {Family::EN, 0, 32, 32},
      {Family::EN, 7, 64, 64},       {Family::ENM, 9, 256, 32},    {Family::EN, 11, 162, 34},
      {Family::ENM, 12, 96, 32},     {Family::EN, 20, 96, 192},    {Family::EN, 21, 300, 60},
      {Family::ENM, 24, 46, 100},    {Family::EN, 32, 160, 150},   {Family::EN, 39, 256, 150},
      {Family::EN, 44, 32, 16},      {Family::ENM, 46, 320, 64},   {Family::TOKU, 1, 128, 64},
      {Family::TOKU, 2, 20, 10},     {Family::TOKUM, 6, 160, 7},   {Family::TOKU, 11, 7, 160},
      {Family::TOKU, 14, 300, 65},   {Family::TOKUM, 22, 64, 5},   {Family::TOKU, 37, 275, 215},
      {Family::TOKUM, 37, 275, 216}, {Family::TOKU, 38, 210, 270}, {Family::TOKUM, 40, 248, 13},
      {Family::TOKU, 41, 85, 8},     {Family::TOKU, 55, 128, 64},  {Family::HAI, 0, 320, 320},
      {Family::HAI, 1, 289, 320},    {Family::HAI, 2, 289, 320},   {Family::HAI, 3, 300, 279},
      {Family::HAI, 6, 456, 100},    {Family::HAI, 8, 480, 257},   {Family::HAI, 10, 200, 186},
      {Family::HAI, 12, 310, 65},    {Family::HAI, 14, 290, 260},  {Family::IT, 0, 64, 32},
      {Family::IT, 8, 64, 32},       {Family::IT, 9, 32, 32},      {Family::IT, 21, 32, 32},
      {Family::IT, 22, 200, 30},     {Family::IT, 23, 200, 20},    {Family::BG, 0, 640, 480},
      {Family::BG, 2, 250, 480},     {Family::BG, 3, 315, 480},    {Family::STHAI, 1, 160, 80},
      {Family::STHAI, 4, 160, 80},
  };
  for (const Want &want : wants) {
    const SheetSpec *s = FindSheet(want.f, want.index);
    ASSERT_NE(s, nullptr) << FamilyName(want.f) << want.index;
    EXPECT_EQ(s->w, want.w) << FamilyName(want.f) << want.index;
    EXPECT_EQ(s->h, want.h) << FamilyName(want.f) << want.index;
  }
}

TEST(SheetCatalogue, IndicesOutsideAFamilyAreAbsent) {
  EXPECT_EQ(FindSheet(Family::EN, 45), nullptr);
  EXPECT_EQ(FindSheet(Family::ENM, 45), nullptr);
  EXPECT_EQ(FindSheet(Family::EN, 47), nullptr);
  EXPECT_EQ(FindSheet(Family::TOKU, 0), nullptr);
  EXPECT_EQ(FindSheet(Family::TOKU, 56), nullptr);
  EXPECT_EQ(FindSheet(Family::HAI, 15), nullptr);
  EXPECT_EQ(FindSheet(Family::IT, 24), nullptr);
  EXPECT_EQ(FindSheet(Family::BG, 5), nullptr);
  EXPECT_EQ(FindSheet(Family::STHAI, 0), nullptr);
  EXPECT_EQ(FindSheet(Family::PL, 1), nullptr);
}

TEST(SheetCatalogue, IsInFamilyAndIndexOrderWithUniqueFiles) {
  std::set<std::string> files;
  const auto &c = SheetCatalogue();
  for (std::size_t i = 0; i < c.size(); ++i) {
    EXPECT_TRUE(files.insert(SheetFileName(c[i])).second) << SheetFileName(c[i]);
    if (i == 0) continue;
    const bool ordered =
        c[i - 1].family < c[i].family || (c[i - 1].family == c[i].family && c[i - 1].index < c[i].index);
    EXPECT_TRUE(ordered) << SheetName(c[i]);
  }
  EXPECT_EQ(SheetFileName(*FindSheet(Family::EN, 12)), "EN12.png");
  EXPECT_EQ(SheetFileName(*FindSheet(Family::ENM, 12)), "ENM12.png");
  EXPECT_EQ(SheetFileName(*FindSheet(Family::PLM, 0)), "PLM.png");
  EXPECT_EQ(SheetName(*FindSheet(Family::TOKUM, 37)), "TOKUM(37)");
  EXPECT_EQ(SheetName(*FindSheet(Family::PL, 0)), "PL");
}

// Colour and mask families pair up index by index at the same size and convention.
TEST(SheetCatalogue, MaskFamiliesMatchTheirColourFamilies) {
  const std::pair<Family, Family> pairs[] = {
      {Family::PL, Family::PLM}, {Family::EN, Family::ENM}, {Family::TOKU, Family::TOKUM}};
  for (const auto &[colourFamily, maskFamily] : pairs) {
    for (const SheetSpec &colour : SheetCatalogue()) {
      if (colour.family != colourFamily) continue;
      const SheetSpec *mask = FindSheet(maskFamily, colour.index);
      ASSERT_NE(mask, nullptr) << SheetName(colour);
      EXPECT_EQ(colour.kind, SheetKind::Colour) << SheetName(colour);
      EXPECT_EQ(mask->kind, SheetKind::Mask) << SheetName(*mask);
      EXPECT_EQ(mask->conv, colour.conv) << SheetName(*mask);
      EXPECT_EQ(mask->w, colour.w) << SheetName(*mask);
      // The ending figures' mask alone is a row taller.
      const bool figures = colourFamily == Family::TOKU && colour.index == 37;
      EXPECT_EQ(mask->h, colour.h + (figures ? 1 : 0)) << SheetName(*mask);
      EXPECT_EQ(mask->cellW, colour.cellW) << SheetName(*mask);
      EXPECT_EQ(mask->cellH, colour.cellH) << SheetName(*mask);
    }
  }
  EXPECT_EQ(FindSheet(Family::EN, 3)->conv, MaskConv::OrAnd);
  EXPECT_EQ(FindSheet(Family::PLM, 0)->conv, MaskConv::OrAnd);
  EXPECT_EQ(FindSheet(Family::TOKUM, 3)->conv, MaskConv::AndXor);
}

TEST(SheetCatalogue, LargePicturesPairUpInTheirConventions) {
  struct Pair {
    Family f;
    int colour, mask;
    MaskConv conv;
  };
  const Pair pairs[] = {{Family::HAI, 1, 2, MaskConv::AndXor},  {Family::HAI, 3, 11, MaskConv::AndXor},
                        {Family::HAI, 4, 10, MaskConv::AndXor}, {Family::HAI, 5, 6, MaskConv::AndXor},
                        {Family::HAI, 7, 8, MaskConv::OrAnd},   {Family::HAI, 9, 8, MaskConv::OrAnd},
                        {Family::BG, 1, 2, MaskConv::AndXor},   {Family::BG, 3, 4, MaskConv::AndXor}};
  for (const Pair &p : pairs) {
    const SheetSpec *c = FindSheet(p.f, p.colour);
    const SheetSpec *m = FindSheet(p.f, p.mask);
    EXPECT_EQ(c->kind, SheetKind::Colour) << SheetName(*c);
    EXPECT_EQ(m->kind, SheetKind::Mask) << SheetName(*m);
    EXPECT_EQ(c->conv, p.conv) << SheetName(*c);
    EXPECT_EQ(m->conv, p.conv) << SheetName(*m);
    EXPECT_EQ(c->w, m->w) << SheetName(*c);
    EXPECT_EQ(c->h, m->h) << SheetName(*c);
  }
  for (int i : {0, 12, 13, 14}) EXPECT_EQ(FindSheet(Family::HAI, i)->kind, SheetKind::Opaque) << i;
  EXPECT_EQ(FindSheet(Family::BG, 0)->kind, SheetKind::Opaque);
  for (const SheetSpec &s : SheetCatalogue()) {
    if (s.family == Family::IT || s.family == Family::STHAI) {
      EXPECT_EQ(s.kind, SheetKind::Opaque) << SheetName(s);
      EXPECT_EQ(s.conv, MaskConv::None) << SheetName(s);
    }
  }
}

TEST(SheetCatalogue, FrameCellsFitTheirSheets) {
  for (const SheetSpec &s : SheetCatalogue()) {
    EXPECT_GT(s.cellW, 0) << SheetName(s);
    EXPECT_GT(s.cellH, 0) << SheetName(s);
    EXPECT_LE(s.cellW, s.w) << SheetName(s);
    EXPECT_LE(s.cellH, s.h) << SheetName(s);
  }
  struct Cell {
    Family f;
    int index, w, h;
  };
  const Cell cells[] = {{Family::PL, 0, 32, 32},    {Family::EN, 19, 48, 48},   {Family::EN, 20, 48, 48},
                        {Family::EN, 21, 60, 60},   {Family::EN, 41, 64, 64},   {Family::EN, 11, 162, 34},
                        {Family::TOKU, 20, 5, 64},  {Family::TOKU, 40, 62, 13}, {Family::TOKU, 41, 17, 8},
                        {Family::TOKU, 6, 160, 7},  {Family::HAI, 0, 32, 32},   {Family::HAI, 1, 32, 32},
                        {Family::HAI, 7, 480, 257}, {Family::IT, 22, 200, 15},  {Family::IT, 23, 200, 10}};
  for (const Cell &c : cells) {
    const SheetSpec *s = FindSheet(c.f, c.index);
    EXPECT_EQ(s->cellW, c.w) << SheetName(*s);
    EXPECT_EQ(s->cellH, c.h) << SheetName(*s);
  }
}

// ---- loading ----

std::shared_ptr<const SheetSet> LoadBuilt() {
  std::string error;
  auto set = SheetSet::Load(QELVANE_SHEETS_DIR, &error);
  EXPECT_NE(set, nullptr) << error;
  return set;
}

TEST(SheetSet, LoadsEveryBuiltSheetAtItsSize) {
  auto set = LoadBuilt();
  ASSERT_NE(set, nullptr);
  int diagnostic = 0;
  for (const SheetSpec &s : SheetCatalogue()) {
    const Surface &surface = set->get(s.family, s.index);
    EXPECT_EQ(surface.w, s.w) << SheetName(s);
    EXPECT_EQ(surface.h, s.h) << SheetName(s);
    EXPECT_EQ(surface.px.size(), static_cast<std::size_t>(s.w) * s.h) << SheetName(s);
    diagnostic += set->diagnostic(s.family, s.index) ? 1 : 0;
  }
  EXPECT_EQ(set->diagnosticCount(), diagnostic);
}

TEST(SheetSet, AnIndexTheFamilyLacksIsEmpty) {
  auto set = SheetSet::Blank();
  for (int index : {-1, 45, 47, 1000}) {
    EXPECT_EQ(set->get(Family::EN, index).w, 0) << index;
    EXPECT_EQ(set->get(Family::EN, index).h, 0) << index;
    EXPECT_FALSE(set->diagnostic(Family::EN, index));
  }
  EXPECT_EQ(set->get(Family::TOKU, 0).w, 0);
  EXPECT_EQ(set->get(Family::STHAI, 0).w, 0);
  EXPECT_EQ(set->get(Family::PL, 1).w, 0);
  // Drawing from it copies nothing and does not fail.
  Surface dst(8, 8, 0x123456);
  BitBlt(dst, 0, 0, 8, 8, set->get(Family::EN, 45), 0, 0, Rop::Copy);
  EXPECT_EQ(dst.px, std::vector<Pixel>(64, 0x123456));
}

// Every colour/mask pair of the catalogue, as (colour, mask).
std::vector<std::pair<const SheetSpec *, const SheetSpec *>> Pairs() {
  std::vector<std::pair<const SheetSpec *, const SheetSpec *>> out;
  const std::pair<Family, Family> families[] = {
      {Family::PL, Family::PLM}, {Family::EN, Family::ENM}, {Family::TOKU, Family::TOKUM}};
  for (const SheetSpec &s : SheetCatalogue()) {
    for (const auto &[colour, mask] : families) {
      if (s.family == colour) out.push_back({&s, FindSheet(mask, s.index)});
    }
  }
  const std::pair<int, int> hai[] = {{1, 2}, {3, 11}, {4, 10}, {5, 6}, {7, 8}, {9, 8}};
  for (const auto &[c, m] : hai) out.push_back({FindSheet(Family::HAI, c), FindSheet(Family::HAI, m)});
  for (int c : {1, 3}) out.push_back({FindSheet(Family::BG, c), FindSheet(Family::BG, c + 1)});
  return out;
}

// Something to draw over: no two neighbouring pixels alike, none black or white.
Surface Backdrop(int w, int h) {
  Surface s(w, h);
  for (std::size_t i = 0; i < s.px.size(); ++i)
    s.px[i] = static_cast<Pixel>(i * 0x9E3779u + 0x5A5A5Au) & 0xFFFFFF;
  return s;
}

// Draws the colour sheet over the backdrop with its mask, as sprites are drawn.
Surface DrawMasked(const Surface &colour, const Surface &mask, MaskConv conv) {
  Surface dst = Backdrop(colour.w, colour.h);
  const bool andXor = conv == MaskConv::AndXor;
  BitBlt(dst, 0, 0, colour.w, colour.h, mask, 0, 0, andXor ? Rop::And : Rop::Or);
  BitBlt(dst, 0, 0, colour.w, colour.h, colour, 0, 0, andXor ? Rop::Xor : Rop::And);
  return dst;
}

// Where the mask is transparent the colour sheet must hold its convention's background, or
// the sprite leaves coloured fringes on whatever lies behind it.
TEST(SheetSet, BuiltColourSheetsAreBackgroundWhereTheirMaskIsTransparent) {
  auto set = LoadBuilt();
  ASSERT_NE(set, nullptr);
  for (const auto &[c, m] : Pairs()) {
    const Surface &colour = set->get(c->family, c->index);
    const Surface &mask = set->get(m->family, m->index);
    const bool andXor = c->conv == MaskConv::AndXor;
    const Pixel clearMask = andXor ? kWhite : kBlack, clearColour = andXor ? kBlack : kWhite;
    int bad = 0;
    for (int y = 0; y < colour.h; ++y) {
      for (int x = 0; x < colour.w; ++x) {
        if (mask.at(x, y) == clearMask && colour.at(x, y) != clearColour) ++bad;
      }
    }
    EXPECT_EQ(bad, 0) << SheetName(*c) << " with " << SheetName(*m);
  }
}

TEST(SheetSet, DiagnosticMasksFollowTheirConvention) {
  auto set = LoadBuilt();
  ASSERT_NE(set, nullptr);
  struct Probe {
    Family f;
    int index, x, y;
    Pixel want;
  };
  const Probe probes[] = {
      // OR-AND masks: white on the picture, black round it.
      {Family::ENM, 12, 0, 0, kBlack},
      {Family::ENM, 12, 16, 16, kWhite},
      {Family::ENM, 12, 95, 31, kBlack},
      {Family::PLM, 0, 48, 16, kWhite},
      {Family::HAI, 8, 0, 0, kBlack},
      {Family::HAI, 8, 240, 128, kWhite},
      // AND-XOR masks: black on the picture, white round it.
      {Family::TOKUM, 4, 0, 0, kWhite},
      {Family::TOKUM, 4, 48, 48, kBlack},
      {Family::TOKUM, 4, 96, 48, kWhite},
      {Family::HAI, 2, 16, 16, kBlack},
      {Family::HAI, 2, 288, 16, kWhite},
      {Family::BG, 4, 150, 240, kBlack},
      {Family::TOKUM, 37, 100, 215, kWhite},  // the extra row is never part of the picture
      // Colour sheets lie on their convention's background.
      {Family::EN, 12, 0, 0, kWhite},
      {Family::TOKU, 4, 0, 0, kBlack},
      {Family::HAI, 1, 288, 100, kBlack},
  };
  for (const Probe &p : probes) {
    if (!set->diagnostic(p.f, p.index)) continue;  // art has its own shapes
    EXPECT_EQ(set->get(p.f, p.index).at(p.x, p.y), p.want)
        << FamilyName(p.f) << p.index << " at " << p.x << "," << p.y;
  }
}

TEST(SheetSet, DiagnosticSpritesShowInsideTheirCellsOnly) {
  auto set = LoadBuilt();
  ASSERT_NE(set, nullptr);
  for (const auto &[c, m] : Pairs()) {
    if (!set->diagnostic(c->family, c->index) || !set->diagnostic(m->family, m->index)) continue;
    const Surface &colour = set->get(c->family, c->index);
    const Surface before = Backdrop(colour.w, colour.h);
    const Surface after = DrawMasked(colour, set->get(m->family, m->index), c->conv);
    // The cell corner lies outside the picture and keeps the destination; the middle is covered.
    EXPECT_EQ(after.at(0, 0), before.at(0, 0)) << SheetName(*c);
    const int mx = c->cellW / 2, my = c->cellH / 2;
    if (c->cellW >= 4 && c->cellH >= 4) {
      EXPECT_NE(after.at(mx, my), before.at(mx, my)) << SheetName(*c);
    }
  }
}

TEST(SheetSet, BlankSheetsHaveTheirSizesAndDrawNothing) {
  auto set = SheetSet::Blank();
  for (const SheetSpec &s : SheetCatalogue()) {
    EXPECT_EQ(set->get(s.family, s.index).w, s.w) << SheetName(s);
    EXPECT_EQ(set->get(s.family, s.index).h, s.h) << SheetName(s);
  }
  EXPECT_EQ(set->diagnosticCount(), 0);
  for (const auto &[c, m] : Pairs()) {
    const Surface &colour = set->get(c->family, c->index);
    const Surface drawn = DrawMasked(colour, set->get(m->family, m->index), c->conv);
    EXPECT_EQ(drawn.px, Backdrop(colour.w, colour.h).px) << SheetName(*c);
  }
}

// ---- a damaged sheets folder ----

// A copy of the built sheets folder that a test may spoil.
class SheetFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() /
           ("qelvane_sheets_" + std::string(info->name()) + "_" + std::to_string(getpid()));
    fs::remove_all(dir_);
    fs::copy(QELVANE_SHEETS_DIR, dir_, fs::copy_options::recursive);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string file(const std::string &name) const { return (dir_ / name).string(); }
  std::shared_ptr<const SheetSet> load(std::string *error) const {
    return SheetSet::Load(dir_.string(), error);
  }

  fs::path dir_;
};

TEST_F(SheetFolder, AWrongSizedSheetIsNamedInTheError) {
  ASSERT_TRUE(WritePng(file("ENM12.png"), Surface(90, 32), {{"Kind", "diagnostic"}}));
  std::string error;
  EXPECT_EQ(load(&error), nullptr);
  EXPECT_NE(error.find("ENM(12)"), std::string::npos) << error;
  EXPECT_NE(error.find("ENM12.png"), std::string::npos) << error;
  EXPECT_NE(error.find("expected 96x32, found 90x32"), std::string::npos) << error;
}

TEST_F(SheetFolder, TheFigureMaskMustKeepItsExtraRow) {
  Surface mask(275, 215, kWhite);
  ASSERT_TRUE(WritePng(file("TOKUM37.png"), mask, {{"Kind", "art"}}));
  std::string error;
  EXPECT_EQ(load(&error), nullptr);
  EXPECT_NE(error.find("TOKUM37.png"), std::string::npos) << error;
  EXPECT_NE(error.find("expected 275x216"), std::string::npos) << error;
}

TEST_F(SheetFolder, MissingOrDamagedSheetsAreNamedInTheError) {
  fs::remove(file("HAI7.png"));
  std::string error;
  EXPECT_EQ(load(&error), nullptr);
  EXPECT_NE(error.find("HAI(7) (HAI7.png)"), std::string::npos) << error;

  fs::resize_file(file("PL.png"), 40);
  EXPECT_EQ(load(&error), nullptr);
  // The first failure is named, and the others are counted.
  EXPECT_NE(error.find("PL.png"), std::string::npos) << error;
  EXPECT_NE(error.find("1 more"), std::string::npos) << error;
}

TEST_F(SheetFolder, AGreyMaskPixelIsRefused) {
  Surface mask(384, 96, kWhite);
  mask.px[5 * 384 + 7] = 0x808080;
  ASSERT_TRUE(WritePng(file("TOKUM4.png"), mask, {{"Kind", "art"}}));
  std::string error;
  EXPECT_EQ(load(&error), nullptr);
  EXPECT_NE(error.find("TOKUM4.png"), std::string::npos) << error;
  EXPECT_NE(error.find("(7, 5)"), std::string::npos) << error;
}

TEST_F(SheetFolder, TheKindEntryTellsArtFromDiagnostic) {
  std::string error;
  auto before = load(&error);
  ASSERT_NE(before, nullptr) << error;
  ASSERT_TRUE(WritePng(file("EN12.png"), Surface(96, 32, kWhite), {{"Kind", "art"}}));
  ASSERT_TRUE(WritePng(file("IT3.png"), Surface(64, 32)));  // no entry at all: not diagnostic
  auto after = load(&error);
  ASSERT_NE(after, nullptr) << error;
  EXPECT_FALSE(after->diagnostic(Family::EN, 12));
  EXPECT_FALSE(after->diagnostic(Family::IT, 3));
  const int changed =
      (before->diagnostic(Family::EN, 12) ? 1 : 0) + (before->diagnostic(Family::IT, 3) ? 1 : 0);
  EXPECT_EQ(after->diagnosticCount(), before->diagnosticCount() - changed);
}

// ---- the sheet maker ----

// Runs the build's make_sheets in a scratch folder with an art folder the test fills.
class MakeSheets : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() /
           ("qelvane_make_" + std::string(info->name()) + "_" + std::to_string(getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "art");
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string art(const std::string &name) const { return (dir_ / "art" / name).string(); }
  std::string out(const std::string &name) const { return (dir_ / "out" / name).string(); }

  // Output and exit status of one run.
  int run(const std::string &outDir, std::string *output) const {
    const std::string cmd = std::string(QELVANE_BUILD_DIR) + "/make_sheets --out " +
                            (dir_ / outDir).string() + " --art " + (dir_ / "art").string() + " 2>&1";
    std::FILE *p = popen(cmd.c_str(), "r");
    if (!p) return -1;
    char buf[512];
    output->clear();
    while (std::fgets(buf, sizeof buf, p)) *output += buf;
    return pclose(p);
  }

  fs::path dir_;
};

TEST_F(MakeSheets, ArtReplacesItsDiagnosticSheetAndMasksBecomeOneBit) {
  Surface colour(96, 32, kWhite);
  colour.px[40] = 0x123456;
  Surface mask(96, 32, 0x101010);  // dark grey, as from an anti-aliased export
  mask.px[40] = 0xF0F0F0;
  ASSERT_TRUE(WritePng(art("EN12.png"), colour));
  ASSERT_TRUE(WritePng(art("ENM12.png"), mask));
  std::string output;
  ASSERT_EQ(run("out", &output), 0) << output;
  EXPECT_NE(output.find("make_sheets: 252 sheets, 250 diagnostic sheets remain"), std::string::npos)
      << output;

  std::string error;
  auto set = SheetSet::Load(out(""), &error);
  ASSERT_NE(set, nullptr) << error;
  EXPECT_FALSE(set->diagnostic(Family::EN, 12));
  EXPECT_FALSE(set->diagnostic(Family::ENM, 12));
  EXPECT_TRUE(set->diagnostic(Family::EN, 11));
  EXPECT_EQ(set->diagnosticCount(), 250);
  EXPECT_EQ(set->get(Family::EN, 12).px, colour.px);
  EXPECT_EQ(set->get(Family::ENM, 12).at(40, 0), kWhite);
  EXPECT_EQ(set->get(Family::ENM, 12).at(41, 0), kBlack);
}

TEST_F(MakeSheets, WrongSizedArtStopsTheBuildNamingTheSheet) {
  ASSERT_TRUE(WritePng(art("TOKUM37.png"), Surface(275, 215, kWhite)));
  std::string output;
  EXPECT_NE(run("out", &output), 0);
  EXPECT_NE(output.find("TOKUM(37)"), std::string::npos) << output;
  EXPECT_NE(output.find("expected 275x216, found 275x215"), std::string::npos) << output;
}

TEST_F(MakeSheets, RunsGiveTheSameBytes) {
  std::string output;
  ASSERT_EQ(run("one", &output), 0) << output;
  ASSERT_EQ(run("two", &output), 0) << output;
  int compared = 0;
  for (const SheetSpec &s : SheetCatalogue()) {
    std::ifstream a(dir_ / "one" / SheetFileName(s), std::ios::binary);
    std::ifstream b(dir_ / "two" / SheetFileName(s), std::ios::binary);
    const std::string bytesA{std::istreambuf_iterator<char>(a), {}};
    const std::string bytesB{std::istreambuf_iterator<char>(b), {}};
    EXPECT_FALSE(bytesA.empty()) << SheetFileName(s);
    EXPECT_EQ(bytesA, bytesB) << SheetFileName(s);
    ++compared;
  }
  EXPECT_EQ(compared, 252);
}

}  // namespace
}  // namespace qel
