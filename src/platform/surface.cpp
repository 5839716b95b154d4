#include "platform/surface.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace qel {

Pixel QBColor(int colour) {
  static const Pixel kPalette[16] = {
      0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
      0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
  };
  return kPalette[colour & 15];
}

Surface::Surface(int width, int height, Pixel clear)
    : w(std::max(width, 0)),
      h(std::max(height, 0)),
      clearColour(clear),
      px(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), clear) {}

void Cls(Surface &s) { Fill(s, s.clearColour); }

void Fill(Surface &s, Pixel colour) { std::fill(s.px.begin(), s.px.end(), colour); }

namespace {

Pixel Combine(Pixel s, Pixel d, Rop rop) {
  switch (rop) {
    case Rop::Copy: return s;
    case Rop::And: return s & d;
    case Rop::Or: return s | d;
    case Rop::Xor: return s ^ d;
  }
  return s;
}

template <typename Op>
void CombineRow(Pixel *d, const Pixel *s, int n, Op op) {
  if (d > s && d < s + n) {  // overlapping copy within one surface row: go right to left
    for (int i = n - 1; i >= 0; --i) d[i] = op(s[i], d[i]);
  } else {
    for (int i = 0; i < n; ++i) d[i] = op(s[i], d[i]);
  }
}

void BlitRow(Pixel *d, const Pixel *s, int n, Rop rop) {
  switch (rop) {
    case Rop::Copy: std::memmove(d, s, static_cast<std::size_t>(n) * sizeof(Pixel)); break;
    case Rop::And: CombineRow(d, s, n, [](Pixel a, Pixel b) { return a & b; }); break;
    case Rop::Or: CombineRow(d, s, n, [](Pixel a, Pixel b) { return a | b; }); break;
    case Rop::Xor: CombineRow(d, s, n, [](Pixel a, Pixel b) { return a ^ b; }); break;
  }
}

// Shrinks a span [pos, pos + len) of one surface and its partner span in the other so that
// both lie inside their surfaces.
void ClipSpan(int &dpos, int &spos, int &len, int dlimit, int slimit) {
  int skip = std::max({0, -dpos, -spos});
  dpos += skip;
  spos += skip;
  len -= skip;
  len = std::min({len, dlimit - dpos, slimit - spos});
}

}  // namespace

void BitBlt(Surface &dst, int x, int y, int w, int h, const Surface &src, int sx, int sy, Rop rop) {
  ClipSpan(x, sx, w, dst.w, src.w);
  ClipSpan(y, sy, h, dst.h, src.h);
  if (w <= 0 || h <= 0) return;
  // A surface copied onto itself further down must be copied bottom-up.
  bool backwards = (&dst == &src) && y > sy;
  for (int r = 0; r < h; ++r) {
    int row = backwards ? h - 1 - r : r;
    BlitRow(dst.row(y + row) + x, src.row(sy + row) + sx, w, rop);
  }
}

void StretchBlt(Surface &dst, int x, int y, int w, int h, const Surface &src, int sx, int sy, int sw, int sh,
                Rop rop) {
  if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return;
  int y0 = std::max(0, -y), y1 = std::min(h, dst.h - y);
  int x0 = std::max(0, -x), x1 = std::min(w, dst.w - x);
  for (int j = y0; j < y1; ++j) {
    int srcY = sy + static_cast<int>(static_cast<long long>(j) * sh / h);
    if (srcY < 0 || srcY >= src.h) continue;
    Pixel *d = dst.row(y + j) + x;
    const Pixel *s = src.row(srcY);
    for (int i = x0; i < x1; ++i) {
      int srcX = sx + static_cast<int>(static_cast<long long>(i) * sw / w);
      if (srcX < 0 || srcX >= src.w) continue;
      d[i] = Combine(s[srcX], d[i], rop);
    }
  }
}

void SetPixelV(Surface &s, int x, int y, Pixel colour) {
  if (s.contains(x, y)) s.row(y)[x] = colour;
}

void DrawLine(Surface &s, int x1, int y1, int x2, int y2, Pixel colour) {
  if (y1 == y2) {
    FillBox(s, x1, y1, x2, y2, colour);
    return;
  }
  int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
  int stepX = x1 < x2 ? 1 : -1, stepY = y1 < y2 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    SetPixelV(s, x1, y1, colour);
    if (x1 == x2 && y1 == y2) break;
    int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x1 += stepX;
    }
    if (e2 <= dx) {
      err += dx;
      y1 += stepY;
    }
  }
}

void DrawBox(Surface &s, int x1, int y1, int x2, int y2, Pixel colour) {
  FillBox(s, x1, y1, x2, y1, colour);
  FillBox(s, x1, y2, x2, y2, colour);
  FillBox(s, x1, y1, x1, y2, colour);
  FillBox(s, x2, y1, x2, y2, colour);
}

void FillBox(Surface &s, int x1, int y1, int x2, int y2, Pixel colour) {
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  x1 = std::max(x1, 0);
  y1 = std::max(y1, 0);
  x2 = std::min(x2, s.w - 1);
  y2 = std::min(y2, s.h - 1);
  if (x1 > x2) return;  // wholly left or right of the surface
  for (int y = y1; y <= y2; ++y) std::fill(s.row(y) + x1, s.row(y) + x2 + 1, colour);
}

}  // namespace qel
