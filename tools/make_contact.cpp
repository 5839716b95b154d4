// make_contact --sheets DIR --out FILE.png
//
// One labelled picture of every sheet at 2x for reviewing the art: each colour sheet composed
// through its mask over a checkerboard, its mask beside it, frame cells outlined; opaque sheets
// as they are. Diagnostic sheets are labelled as such.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/png_io.h"
#include "platform/sheets.h"
#include "platform/text.h"

namespace qel {
namespace {

constexpr int kZoom = 2, kGap = 12, kLabel = 18, kMaxWidth = 2400;
constexpr Pixel kBackground = 0x202028, kCellLine = 0xFFD000, kLabelColour = 0xFFFFFF;

struct Placed {
  const SheetSpec *spec;
  int x, y;
};

Pixel Checker(int x, int y) { return ((x / 8 + y / 8) & 1) ? 0x9090A0 : 0x606070; }

// The sheet as a player would see it: over the checkerboard through its mask.
Surface Composed(const SheetSet &set, const SheetSpec &spec) {
  Surface out(spec.w, spec.h);
  for (int y = 0; y < spec.h; ++y)
    for (int x = 0; x < spec.w; ++x) out.row(y)[x] = Checker(x * kZoom, y * kZoom);
  DrawSheet(out, 0, 0, spec.w, spec.h, set, spec, 0, 0);
  return out;
}

void OutlineCells(Surface &dst, const SheetSpec &spec, int x, int y) {
  if (spec.cellW <= 0 || spec.cellH <= 0) return;
  for (int cx = 0; cx + spec.cellW <= spec.w; cx += spec.cellW)
    for (int cy = 0; cy + spec.cellH <= spec.h; cy += spec.cellH)
      DrawBox(dst, x + cx * kZoom - 1, y + cy * kZoom - 1, x + (cx + spec.cellW) * kZoom,
              y + (cy + spec.cellH) * kZoom, kCellLine);
}

int BlockWidth(const SheetSpec &spec) { return spec.w * kZoom * (MaskFor(spec) ? 2 : 1) + kGap * 2; }
int BlockHeight(const SheetSpec &spec) { return spec.h * kZoom + kLabel + kGap; }

std::vector<Placed> Layout(int *width, int *height) {
  std::vector<Placed> placed;
  int x = kGap, y = kGap, rowH = 0;
  *width = 0;
  for (const SheetSpec &spec : SheetCatalogue()) {
    if (spec.kind == SheetKind::Mask) continue;
    if (x + BlockWidth(spec) > kMaxWidth && x > kGap) {
      x = kGap;
      y += rowH;
      rowH = 0;
    }
    placed.push_back({&spec, x, y});
    x += BlockWidth(spec);
    *width = std::max(*width, x);
    rowH = std::max(rowH, BlockHeight(spec));
  }
  *height = y + rowH;
  return placed;
}

void DrawBlock(Surface &dst, TextRenderer &text, const SheetSet &set, const Placed &p) {
  const SheetSpec &spec = *p.spec;
  std::string label = SheetName(spec) + "  " + std::to_string(spec.w) + "x" + std::to_string(spec.h);
  if (set.diagnostic(spec.family, spec.index)) label += "  DIAGNOSTIC";
  text.Draw(dst, label, 14, kLabelColour, p.x, p.y, false);
  int y = p.y + kLabel;
  Surface pic = Composed(set, spec);
  StretchBlt(dst, p.x, y, spec.w * kZoom, spec.h * kZoom, pic, 0, 0, spec.w, spec.h, Rop::Copy);
  OutlineCells(dst, spec, p.x, y);
  if (const SheetSpec *m = MaskFor(spec)) {
    int mx = p.x + spec.w * kZoom + kGap;
    StretchBlt(dst, mx, y, spec.w * kZoom, spec.h * kZoom, set.get(m->family, m->index), 0, 0, spec.w, spec.h,
               Rop::Copy);
    OutlineCells(dst, spec, mx, y);
  }
}

}  // namespace
}  // namespace qel

int main(int argc, char **argv) {
  using namespace qel;
  if (argc != 5 || std::string(argv[1]) != "--sheets" || std::string(argv[3]) != "--out") {
    std::fprintf(stderr, "usage: make_contact --sheets DIR --out FILE.png\n");
    return 2;
  }
  std::string error;
  auto set = SheetSet::Load(argv[2], &error);
  auto text = set ? TextRenderer::Open(TextRenderer::DefaultFontPath(), &error) : nullptr;
  if (!set || !text) {
    std::fprintf(stderr, "make_contact: %s\n", error.c_str());
    return 1;
  }
  int w = 0, h = 0;
  std::vector<Placed> placed = Layout(&w, &h);
  Surface sheet(w + kGap, h + kGap, kBackground);
  for (const Placed &p : placed) DrawBlock(sheet, *text, *set, p);
  if (!WritePng(argv[4], sheet, {}, &error)) {
    std::fprintf(stderr, "make_contact: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
