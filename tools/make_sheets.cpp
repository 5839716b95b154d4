// make_sheets --out DIR --art DIR
//
// Writes every sheet of the catalogue into the output folder. A sheet whose art exists in the
// art folder (same file name) is copied from it, its mask forced to pure black and white; every
// other sheet is made as a diagnostic sheet: a magenta and cyan checker in each frame cell,
// outlined and labelled with the sheet and the cell, with a mask that is true to the family's
// convention. Each PNG carries the text entry Kind = "art" or "diagnostic". The output depends
// on nothing but the art and the font, so repeated runs write the same bytes.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/png_io.h"
#include "platform/sheets.h"
#include "platform/surface.h"
#include "platform/text.h"

namespace qel {
namespace {

constexpr Pixel kBlack = 0x000000;
constexpr Pixel kWhite = 0xFFFFFF;
constexpr Pixel kMagenta = 0xFF00FF;
constexpr Pixel kCyan = 0x00FFFF;
constexpr Pixel kLeftover = 0x404040;  // opaque sheet area outside every full cell
constexpr int kMinTextSize = 7;
constexpr int kMaxTextSize = 32;

struct Rect {
  int x, y, w, h;
};

std::string Label(const SheetSpec &spec) {
  if (spec.family == Family::PL || spec.family == Family::PLM) return FamilyName(spec.family);
  return FamilyName(spec.family) + std::to_string(spec.index);
}

int Columns(const SheetSpec &spec) { return spec.w / spec.cellW; }
int Rows(const SheetSpec &spec) { return spec.h / spec.cellH; }

// The "picture" of a diagnostic cell is the cell inset by a pixel or two, so that the mask shows
// a gap between frames; opaque sheets have no mask and fill their cells.
int Inset(const SheetSpec &spec, int side) {
  if (spec.kind == SheetKind::Opaque) return 0;
  return side >= 24 ? 2 : side >= 4 ? 1 : 0;
}

Rect PictureRect(const SheetSpec &spec, int col, int row) {
  int ix = Inset(spec, spec.cellW), iy = Inset(spec, spec.cellH);
  return {col * spec.cellW + ix, row * spec.cellH + iy, spec.cellW - 2 * ix, spec.cellH - 2 * iy};
}

// What lies outside the pictures: black under AND-XOR colour, white under OR-AND colour; masks
// are the opposite, so that nothing is drawn there.
Pixel Background(const SheetSpec &spec) {
  const bool andXor = spec.conv == MaskConv::AndXor;
  switch (spec.kind) {
    case SheetKind::Colour: return andXor ? kBlack : kWhite;
    case SheetKind::Mask: return andXor ? kWhite : kBlack;
    case SheetKind::Opaque: break;
  }
  return kLeftover;
}

Pixel MaskPicture(const SheetSpec &spec) { return spec.conv == MaskConv::AndXor ? kBlack : kWhite; }

// An outline that stands out against the background around the picture.
Pixel Outline(const SheetSpec &spec) {
  return spec.kind == SheetKind::Colour && spec.conv == MaskConv::AndXor ? kWhite : kBlack;
}

void DrawChecker(Surface &s, const Rect &r, int square) {
  for (int y = 0; y < r.h; ++y) {
    Pixel *row = s.row(r.y + y) + r.x;
    for (int x = 0; x < r.w; ++x) row[x] = ((x / square + y / square) & 1) ? kCyan : kMagenta;
  }
}

std::string CellId(const SheetSpec &spec, int col, int row) {
  if (Rows(spec) == 1) return "f" + std::to_string(col);
  if (Columns(spec) == 1) return "r" + std::to_string(row);
  return std::to_string(col) + "," + std::to_string(row);
}

struct LabelChoice {
  std::vector<std::string> lines;
  int minSize;
};

// Label lines to try, most informative first.
std::vector<LabelChoice> LabelChoices(const SheetSpec &spec, int col, int row) {
  const std::string name = Label(spec);
  if (Columns(spec) == 1 && Rows(spec) == 1) {
    const std::string size = std::to_string(spec.w) + "x" + std::to_string(spec.h);
    return {{{name, size, "DIAGNOSTIC"}, 10},
            {{name, size}, kMinTextSize},
            {{name + " " + size}, kMinTextSize},
            {{name}, kMinTextSize}};
  }
  const std::string id = CellId(spec, col, row);
  return {{{name, id}, kMinTextSize}, {{name + " " + id}, kMinTextSize}, {{id}, kMinTextSize}};
}

int BoxWidth(TextRenderer &text, const std::string &line, int size) {
  return text.Width(line, size, false) + 3;  // a pixel each side and one for the bold smear
}

// The largest text size at which all lines fit inside r, each on its own box; 0 if none.
int FitSize(TextRenderer &text, const LabelChoice &c, const Rect &r) {
  const int lines = static_cast<int>(c.lines.size());
  for (int size = kMaxTextSize; size >= c.minSize; --size) {
    if (lines * (size + 2) > r.h - 2) continue;
    bool fits = true;
    for (const std::string &line : c.lines) fits = fits && BoxWidth(text, line, size) <= r.w - 2;
    if (fits) return size;
  }
  return 0;
}

// Black text on white boxes, centred in the picture. Each box is drawn on its own surface and
// copied in, so no glyph pixel can stray outside the picture (and outside the mask).
void DrawLabel(TextRenderer &text, Surface &s, const Rect &r, const LabelChoice &c, int size) {
  const int boxH = size + 2;
  int y = r.y + (r.h - boxH * static_cast<int>(c.lines.size())) / 2;
  for (const std::string &line : c.lines) {
    Surface box(BoxWidth(text, line, size), boxH, kWhite);
    text.Draw(box, line, size, kBlack, 1, 1, false);
    BitBlt(s, r.x + (r.w - box.w) / 2, y, box.w, box.h, box, 0, 0, Rop::Copy);
    y += boxH;
  }
}

void DrawCell(TextRenderer &text, Surface &s, const SheetSpec &spec, int col, int row) {
  const Rect r = PictureRect(spec, col, row);
  if (r.w <= 0 || r.h <= 0) return;
  if (spec.kind == SheetKind::Mask) {
    FillBox(s, r.x, r.y, r.x + r.w - 1, r.y + r.h - 1, MaskPicture(spec));
    return;
  }
  const int square = std::max(2, std::min(8, std::min(spec.cellW, spec.cellH) / 4));
  DrawChecker(s, r, square);
  DrawBox(s, r.x, r.y, r.x + r.w - 1, r.y + r.h - 1, Outline(spec));
  for (const LabelChoice &c : LabelChoices(spec, col, row)) {
    if (int size = FitSize(text, c, r)) {
      DrawLabel(text, s, r, c, size);
      return;
    }
  }
}

Surface MakeDiagnostic(TextRenderer &text, const SheetSpec &spec) {
  Surface s(spec.w, spec.h, Background(spec));
  for (int row = 0; row < Rows(spec); ++row) {
    for (int col = 0; col < Columns(spec); ++col) DrawCell(text, s, spec, col, row);
  }
  return s;
}

// Art masks may come anti-aliased or from a grey-scale export; masks are combined bitwise,
// so every pixel becomes pure black or white by its brightness.
void ThresholdMask(Surface &s) {
  for (Pixel &p : s.px) {
    const unsigned r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    p = (r * 299 + g * 587 + b * 114) >= 128000 ? kWhite : kBlack;
  }
}

bool LoadArt(const std::string &path, const SheetSpec &spec, Surface &out, std::string *error) {
  std::string why;
  if (!ReadPng(path, out, nullptr, &why)) {
    *error = why;
    return false;
  }
  if (out.w != spec.w || out.h != spec.h) {
    *error = path + ": expected " + std::to_string(spec.w) + "x" + std::to_string(spec.h) + ", found " +
             std::to_string(out.w) + "x" + std::to_string(out.h);
    return false;
  }
  if (spec.kind == SheetKind::Mask) ThresholdMask(out);
  return true;
}

struct Options {
  std::string out, art;
};

bool ParseArgs(int argc, char **argv, Options *o) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string key = argv[i];
    if (key == "--out") {
      o->out = argv[i + 1];
    } else if (key == "--art") {
      o->art = argv[i + 1];
    } else {
      return false;
    }
  }
  return argc % 2 == 1 && !o->out.empty();
}

int Run(const Options &o) {
  std::error_code ec;
  std::filesystem::create_directories(o.out, ec);
  std::string error;
  std::shared_ptr<TextRenderer> text = TextRenderer::Open(TextRenderer::DefaultFontPath(), &error);
  if (!text) {
    std::fprintf(stderr, "make_sheets: %s\n", error.c_str());
    return 1;
  }
  int sheets = 0, diagnostic = 0;
  for (const SheetSpec &spec : SheetCatalogue()) {
    const std::string art = o.art.empty() ? "" : o.art + "/" + SheetFileName(spec);
    const bool fromArt = !art.empty() && std::filesystem::exists(art, ec);
    Surface s;
    if (fromArt && !LoadArt(art, spec, s, &error)) {
      std::fprintf(stderr, "make_sheets: sheet %s: %s\n", SheetName(spec).c_str(), error.c_str());
      return 1;
    }
    if (!fromArt) s = MakeDiagnostic(*text, spec);
    const std::map<std::string, std::string> kind{{"Kind", fromArt ? "art" : "diagnostic"}};
    if (!WritePng(o.out + "/" + SheetFileName(spec), s, kind, &error)) {
      std::fprintf(stderr, "make_sheets: %s\n", error.c_str());
      return 1;
    }
    ++sheets;
    diagnostic += fromArt ? 0 : 1;
  }
  std::printf("make_sheets: %d sheets, %d diagnostic sheets remain\n", sheets, diagnostic);
  return 0;
}

}  // namespace
}  // namespace qel

int main(int argc, char **argv) {
  qel::Options options;
  if (!qel::ParseArgs(argc, argv, &options)) {
    std::fprintf(stderr, "usage: make_sheets --out DIR [--art DIR]\n");
    return 2;
  }
  return qel::Run(options);
}
