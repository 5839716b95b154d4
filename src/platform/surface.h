// Pixel surfaces and the raster operations every picture of the game is drawn with.
#pragma once

#include <cstdint>
#include <vector>

namespace qel {

// 0x00RRGGBB; the top byte is always zero so that AND, OR and XOR stay within 24-bit RGB.
using Pixel = std::uint32_t;

// A number no picture has had before in this process (thread-safe).
std::uint64_t NewStamp();

// The classic 16-colour palette (0 black .. 15 white).
Pixel QBColor(int colour);

enum class Rop { Copy, And, Or, Xor };

struct Surface {
  int w = 0;
  int h = 0;
  Pixel clearColour = 0;
  std::vector<Pixel> px;
  // Renewed whenever the pixels change, and copied with them: two pictures with one stamp are
  // the same picture, so a host can tell a changed one without comparing pixels. Every raster
  // operation renews it; code that writes px itself calls Touch().
  std::uint64_t stamp = NewStamp();

  Surface() = default;
  Surface(int width, int height, Pixel clear = 0);

  Pixel *row(int y) { return px.data() + static_cast<std::size_t>(y) * w; }
  const Pixel *row(int y) const { return px.data() + static_cast<std::size_t>(y) * w; }
  Pixel at(int x, int y) const { return px[static_cast<std::size_t>(y) * w + x]; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
  void Touch() { stamp = NewStamp(); }
};

// Fills the whole surface with its clear colour.
void Cls(Surface &s);
void Fill(Surface &s, Pixel colour);

// Copies the w x h rectangle at (sx, sy) of src to (x, y) of dst. Whatever lies
// outside either surface is skipped; a zero or negative size copies nothing.
void BitBlt(Surface &dst, int x, int y, int w, int h, const Surface &src, int sx, int sy, Rop rop);

// The same as a BitBlt of `first` with firstRop and then one of `second` with secondRop, over
// the same rectangle of both, in one pass where the two sources are of one size.
void BitBlt2(Surface &dst, int x, int y, int w, int h, const Surface &first, const Surface &second, int sx,
             int sy, Rop firstRop, Rop secondRop);

// The two scroll layers in one pass: the same as copying all of dst from row farY of far, then
// ANDing the mask and XORing the near layer from row nearY of theirs.
void BlitLayers(Surface &dst, const Surface &far, int farY, const Surface &mask, const Surface &near,
                int nearY);

// Whether the dst-sized rectangle at (sx, sy) of src lies wholly inside it, so that copying it
// replaces every pixel of dst.
bool Covers(const Surface &src, int sx, int sy, const Surface &dst);

// Nearest-pixel stretch of the sw x sh source rectangle onto the w x h destination one.
void StretchBlt(Surface &dst, int x, int y, int w, int h, const Surface &src, int sx, int sy, int sw, int sh,
                Rop rop);

void SetPixelV(Surface &s, int x, int y, Pixel colour);

// One-pixel line with both end points drawn.
void DrawLine(Surface &s, int x1, int y1, int x2, int y2, Pixel colour);
// Outline of the rectangle with these two corners (both included).
void DrawBox(Surface &s, int x1, int y1, int x2, int y2, Pixel colour);
void FillBox(Surface &s, int x1, int y1, int x2, int y2, Pixel colour);

}  // namespace qel
