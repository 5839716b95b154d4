// The fixed list of sprite sheets: sizes, frame cells and how each one is drawn.
#include <string>
#include <vector>

#include "platform/sheets.h"

namespace qel {

namespace {

// One sheet of a family: index, size, and the frame cell (0 = the whole sheet is one picture).
struct Row {
  int index, w, h, cellW, cellH;
};

// Enemies and bosses; there is no sheet 45.
const Row kEnemyRows[] = {
    {0, 32, 32, 0, 0},       {1, 64, 32, 32, 32},    {2, 64, 32, 32, 32},    {3, 64, 32, 32, 32},
    {4, 64, 32, 32, 32},     {5, 128, 32, 32, 32},   {6, 64, 32, 32, 32},    {7, 64, 64, 32, 32},
    {8, 64, 32, 32, 32},     {9, 256, 32, 32, 32},   {10, 96, 32, 32, 32},   {11, 162, 34, 0, 0},
    {12, 96, 32, 32, 32},    {13, 64, 32, 32, 32},   {14, 32, 32, 0, 0},     {15, 32, 32, 0, 0},
    {16, 64, 32, 32, 32},    {17, 64, 32, 32, 32},   {18, 128, 32, 32, 32},  {19, 192, 48, 48, 48},
    {20, 96, 192, 48, 48},   {21, 300, 60, 60, 60},  {22, 32, 32, 0, 0},     {23, 120, 50, 40, 50},
    {24, 46, 100, 0, 0},     {25, 80, 70, 40, 70},   {26, 64, 32, 32, 32},   {27, 64, 32, 32, 32},
    {28, 96, 96, 0, 0},      {29, 96, 64, 32, 64},   {30, 128, 96, 32, 96},  {31, 32, 128, 0, 0},
    {32, 160, 150, 80, 150}, {33, 180, 90, 60, 90},  {34, 40, 120, 0, 0},    {35, 64, 32, 32, 32},
    {36, 64, 96, 32, 96},    {37, 96, 64, 0, 0},     {38, 96, 100, 48, 100}, {39, 256, 150, 64, 150},
    {40, 50, 120, 0, 0},     {41, 192, 128, 64, 64}, {42, 48, 24, 24, 24},   {43, 240, 40, 80, 40},
    {44, 32, 16, 16, 16},    {46, 320, 64, 64, 64},
};

// Effects, shots, bullets and ornaments. Beams that are shown in part are one picture.
const Row kEffectRows[] = {
    {1, 128, 64, 64, 64},  {2, 20, 10, 10, 10},   {3, 384, 96, 96, 96},  {4, 384, 96, 96, 96},
    {5, 160, 20, 20, 20},  {6, 160, 7, 0, 0},     {7, 160, 16, 16, 16},  {8, 384, 96, 96, 96},
    {9, 480, 96, 96, 96},  {10, 64, 16, 16, 16},  {11, 7, 160, 0, 0},    {12, 8, 12, 0, 0},
    {13, 10, 10, 0, 0},    {14, 300, 65, 0, 0},   {15, 8, 24, 0, 0},     {16, 24, 40, 0, 0},
    {17, 144, 96, 48, 48}, {18, 64, 32, 32, 32},  {19, 32, 32, 0, 0},    {20, 10, 64, 5, 64},
    {21, 10, 32, 5, 32},   {22, 64, 5, 32, 5},    {23, 10, 32, 5, 32},   {24, 64, 5, 32, 5},
    {25, 32, 16, 16, 16},  {26, 32, 16, 16, 16},  {27, 48, 24, 24, 24},  {28, 96, 48, 48, 48},
    {29, 20, 10, 10, 10},  {30, 96, 32, 32, 32},  {31, 100, 25, 50, 25}, {32, 128, 5, 64, 5},
    {33, 50, 25, 25, 25},  {34, 16, 150, 0, 0},   {35, 64, 150, 0, 0},   {36, 230, 75, 0, 0},
    {37, 275, 215, 0, 0},  {38, 210, 270, 0, 0},  {39, 256, 9, 64, 9},   {40, 248, 13, 62, 13},
    {41, 85, 8, 17, 8},    {42, 64, 32, 32, 32},  {43, 96, 48, 48, 48},  {44, 16, 48, 16, 16},
    {45, 128, 64, 64, 64}, {46, 48, 40, 0, 0},    {47, 14, 160, 0, 0},   {48, 160, 14, 0, 0},
    {49, 192, 64, 64, 64}, {50, 32, 32, 0, 0},    {51, 14, 20, 0, 0},    {52, 40, 20, 20, 20},
    {53, 288, 96, 96, 96}, {54, 288, 96, 96, 96}, {55, 128, 64, 32, 32},
};

// The large pictures mix opaque sheets with colour/mask pairs of both conventions:
// (1, 2), (3, 11), (4, 10), (5, 6) are AND-XOR; 7 and 9 share the OR-AND mask 8.
struct LargeRow {
  Row row;
  SheetKind kind;
  MaskConv conv;
};
const LargeRow kLargeRows[] = {
    {{0, 320, 320, 32, 32}, SheetKind::Opaque, MaskConv::None},
    {{1, 289, 320, 32, 32}, SheetKind::Colour, MaskConv::AndXor},
    {{2, 289, 320, 32, 32}, SheetKind::Mask, MaskConv::AndXor},
    {{3, 300, 279, 0, 0}, SheetKind::Colour, MaskConv::AndXor},
    {{4, 200, 186, 0, 0}, SheetKind::Colour, MaskConv::AndXor},
    {{5, 456, 100, 0, 0}, SheetKind::Colour, MaskConv::AndXor},
    {{6, 456, 100, 0, 0}, SheetKind::Mask, MaskConv::AndXor},
    {{7, 480, 257, 0, 0}, SheetKind::Colour, MaskConv::OrAnd},
    {{8, 480, 257, 0, 0}, SheetKind::Mask, MaskConv::OrAnd},
    {{9, 480, 257, 0, 0}, SheetKind::Colour, MaskConv::OrAnd},
    {{10, 200, 186, 0, 0}, SheetKind::Mask, MaskConv::AndXor},
    {{11, 300, 279, 0, 0}, SheetKind::Mask, MaskConv::AndXor},
    {{12, 310, 65, 0, 0}, SheetKind::Opaque, MaskConv::None},
    {{13, 210, 270, 0, 0}, SheetKind::Opaque, MaskConv::None},
    {{14, 290, 260, 0, 0}, SheetKind::Opaque, MaskConv::None},
};

// Ending pictures: 0 opaque, (1, 2) and (3, 4) AND-XOR pairs.
const LargeRow kEndingRows[] = {
    {{0, 640, 480, 0, 0}, SheetKind::Opaque, MaskConv::None},
    {{1, 250, 480, 0, 0}, SheetKind::Colour, MaskConv::AndXor},
    {{2, 250, 480, 0, 0}, SheetKind::Mask, MaskConv::AndXor},
    {{3, 315, 480, 0, 0}, SheetKind::Colour, MaskConv::AndXor},
    {{4, 315, 480, 0, 0}, SheetKind::Mask, MaskConv::AndXor},
};

SheetSpec MakeSpec(Family f, const Row &r, SheetKind kind, MaskConv conv) {
  SheetSpec s{f, r.index, r.w, r.h, kind, conv, r.cellW, r.cellH};
  if (s.cellW == 0) {
    s.cellW = r.w;
    s.cellH = r.h;
  }
  return s;
}

template <std::size_t N>
void AddPair(std::vector<SheetSpec> &out, Family f, const Row (&rows)[N], SheetKind kind, MaskConv conv) {
  for (const Row &r : rows) out.push_back(MakeSpec(f, r, kind, conv));
}

template <std::size_t N>
void AddMixed(std::vector<SheetSpec> &out, Family f, const LargeRow (&rows)[N]) {
  for (const LargeRow &r : rows) out.push_back(MakeSpec(f, r.row, r.kind, r.conv));
}

void AddOpaqueRange(std::vector<SheetSpec> &out, Family f, int first, int last, int w, int h, int cellW,
                    int cellH) {
  for (int i = first; i <= last; ++i)
    out.push_back(MakeSpec(f, {i, w, h, cellW, cellH}, SheetKind::Opaque, MaskConv::None));
}

std::vector<SheetSpec> BuildCatalogue() {
  std::vector<SheetSpec> c;
  const Row player[] = {{0, 128, 32, 32, 32}};
  AddPair(c, Family::PL, player, SheetKind::Colour, MaskConv::OrAnd);
  AddPair(c, Family::PLM, player, SheetKind::Mask, MaskConv::OrAnd);
  AddPair(c, Family::EN, kEnemyRows, SheetKind::Colour, MaskConv::OrAnd);
  AddPair(c, Family::ENM, kEnemyRows, SheetKind::Mask, MaskConv::OrAnd);
  AddPair(c, Family::TOKU, kEffectRows, SheetKind::Colour, MaskConv::AndXor);
  const std::size_t firstMask = c.size();
  AddPair(c, Family::TOKUM, kEffectRows, SheetKind::Mask, MaskConv::AndXor);
  for (std::size_t i = firstMask; i < c.size(); ++i) {
    // The ending figures' mask has one extra row, which is never copied.
    if (c[i].index == 37) c[i].h = 216;
  }
  AddMixed(c, Family::HAI, kLargeRows);
  AddOpaqueRange(c, Family::IT, 0, 8, 64, 32, 32, 32);
  AddOpaqueRange(c, Family::IT, 9, 21, 32, 32, 32, 32);
  AddOpaqueRange(c, Family::IT, 22, 22, 200, 30, 200, 15);  // shield bar over bomb-gauge bar
  AddOpaqueRange(c, Family::IT, 23, 23, 200, 20, 200, 10);  // boss gauge, normal over damaged
  AddMixed(c, Family::BG, kEndingRows);
  AddOpaqueRange(c, Family::STHAI, 1, 4, 160, 80, 160, 80);
  return c;
}

}  // namespace

const char *FamilyName(Family f) {
  switch (f) {
    case Family::PL: return "PL";
    case Family::PLM: return "PLM";
    case Family::EN: return "EN";
    case Family::ENM: return "ENM";
    case Family::TOKU: return "TOKU";
    case Family::TOKUM: return "TOKUM";
    case Family::HAI: return "HAI";
    case Family::IT: return "IT";
    case Family::BG: return "BG";
    case Family::STHAI: return "STHAI";
  }
  return "?";
}

const std::vector<SheetSpec> &SheetCatalogue() {
  static const std::vector<SheetSpec> catalogue = BuildCatalogue();
  return catalogue;
}

const SheetSpec *FindSheet(Family f, int index) {
  for (const SheetSpec &s : SheetCatalogue()) {
    if (s.family == f && s.index == index) return &s;
  }
  return nullptr;
}

std::string SheetFileName(const SheetSpec &spec) {
  // The player ship is a single sheet, so it goes without an index.
  if (spec.family == Family::PL || spec.family == Family::PLM) {
    return std::string(FamilyName(spec.family)) + ".png";
  }
  return FamilyName(spec.family) + std::to_string(spec.index) + ".png";
}

std::string SheetName(const SheetSpec &spec) {
  if (spec.family == Family::PL || spec.family == Family::PLM) return FamilyName(spec.family);
  return FamilyName(spec.family) + ("(" + std::to_string(spec.index) + ")");
}

const SheetSpec *MaskFor(const SheetSpec &colour) {
  if (colour.kind != SheetKind::Colour) return nullptr;
  switch (colour.family) {
    case Family::PL: return FindSheet(Family::PLM, colour.index);
    case Family::EN: return FindSheet(Family::ENM, colour.index);
    case Family::TOKU: return FindSheet(Family::TOKUM, colour.index);
    case Family::BG: return FindSheet(Family::BG, colour.index + 1);
    case Family::HAI: {
      // Colour and mask share the family here; the intact and destroyed fortress share one mask.
      static const int kHaiMask[10] = {0, 2, 0, 11, 10, 6, 0, 8, 0, 8};
      return colour.index < 10 ? FindSheet(Family::HAI, kHaiMask[colour.index]) : nullptr;
    }
    default: return nullptr;
  }
}

}  // namespace qel
