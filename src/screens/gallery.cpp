#include "screens/gallery.h"

#include <algorithm>
#include <string>
#include <vector>

#include "game.h"

namespace qel {

namespace {

constexpr int kTop = 24, kGap = 6, kSide = 480;
constexpr Pixel kDarkHalf = 0x000000, kLightHalf = 0x5A6A7A;

struct Block {
  const SheetSpec *spec;
  int x, y;
};

int Cells(const SheetSpec &s) {
  if (s.cellW <= 0 || s.cellH <= 0) return 1;
  return std::max(1, (s.w / s.cellW) * (s.h / s.cellH));
}

// Each sheet, then (for animations) one more cell that plays its frames.
int BlockWidth(const SheetSpec &s) { return s.w + (Cells(s) > 1 ? s.cellW + kGap : 0); }

std::vector<std::vector<Block>> BuildPages() {
  std::vector<std::vector<Block>> pages(1);
  int x = kGap, y = kTop, rowH = 0;
  for (const SheetSpec &s : SheetCatalogue()) {
    if (s.kind == SheetKind::Mask) continue;
    int w = std::min(BlockWidth(s), kSide - 2 * kGap), h = std::min(s.h, kSide - kTop - kGap);
    if (x + w > kSide - kGap) x = kGap, y += rowH + kGap, rowH = 0;
    if (y + h > kSide - kGap && !pages.back().empty()) {
      pages.emplace_back();
      x = kGap, y = kTop, rowH = 0;
    }
    pages.back().push_back({&s, x, y});
    x += w + kGap;
    rowH = std::max(rowH, h);
  }
  return pages;
}

const std::vector<std::vector<Block>> &Pages() {
  static const std::vector<std::vector<Block>> pages = BuildPages();
  return pages;
}

void DrawSprite(Game &g, const SheetSpec &s, int sx, int sy, int w, int h, int x, int y) {
  DrawSheet(g.surf.DISPLAY, x, y, w, h, *g.sheets, s, sx, sy);
}

void DrawBlock(Game &g, const Block &b) {
  const SheetSpec &s = *b.spec;
  int w = BlockWidth(s);
  // Half dark, half light behind every sprite, so that a fringe shows on either kind of ground.
  FillBox(g.surf.DISPLAY, b.x, b.y, b.x + w / 2 - 1, b.y + s.h - 1, kDarkHalf);
  FillBox(g.surf.DISPLAY, b.x + w / 2, b.y, b.x + w - 1, b.y + s.h - 1, kLightHalf);
  DrawSprite(g, s, 0, 0, s.w, s.h, b.x, b.y);
  int cells = Cells(s);
  if (cells <= 1) return;
  int cols = s.w / s.cellW, frame = (g.shell.FRAMECNT / 4) % cells;
  DrawSprite(g, s, (frame % cols) * s.cellW, (frame / cols) * s.cellH, s.cellW, s.cellH, b.x + s.w + kGap,
             b.y);
}

}  // namespace

int GalleryPages() { return static_cast<int>(Pages().size()); }

void RunGallery(Game &g) {
  Input &in = g.input;
  ReadInput(g);
  int pages = GalleryPages();
  if (g.shell.PHASE < 1 || g.shell.PHASE > pages) g.shell.PHASE = 1;
  if (Pressed(in, kPadRight) && g.shell.PHASE < pages) ++g.shell.PHASE;
  if (Pressed(in, kPadLeft) && g.shell.PHASE > 1) --g.shell.PHASE;
  in.PADOLD = in.PAD;

  Cls(g.surf.DISPLAY);
  std::string title = "GALLERY " + std::to_string(g.shell.PHASE) + "/" + std::to_string(pages) +
                      "   \xE2\x86\x90 \xE2\x86\x92";
  DrawText(g, g.surf.DISPLAY, title, 15, 15, 6, 4, 0);
  for (const Block &b : Pages()[static_cast<std::size_t>(g.shell.PHASE - 1)]) DrawBlock(g, b);
  BitBlt(g.surf.MSCREEN, 0, 0, 480, 480, g.surf.DISPLAY, 0, 0, Rop::Copy);
}

}  // namespace qel
