#include "platform/surface.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>

namespace qel {

std::uint64_t NewStamp() {
  static std::atomic<std::uint64_t> next{1};
  return next.fetch_add(1, std::memory_order_relaxed);
}

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

void Fill(Surface &s, Pixel colour) {
  s.Touch();
  if (s.px.empty()) return;
  std::uint8_t b = colour & 0xFF;
  if (colour == b * 0x01010101u) {  // black and white: the same byte four times
    std::memset(s.px.data(), b, s.px.size() * sizeof(Pixel));
  } else {
    Pixel *__restrict d = s.px.data();
    std::size_t n = s.px.size();
    for (std::size_t i = 0; i < n; ++i) d[i] = colour;
  }
}

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

template <Rop R>
inline Pixel Apply(Pixel s, Pixel d) {
  if constexpr (R == Rop::Copy) return s;
  if constexpr (R == Rop::And) return s & d;
  if constexpr (R == Rop::Or) return s | d;
  if constexpr (R == Rop::Xor) return s ^ d;
}

bool Overlap(const Pixel *a, const Pixel *b, int n) { return a < b + n && b < a + n; }

// One row through one operation. Rows of different places compile to vector loops; a row
// copied onto an overlapping part of itself goes pixel by pixel in the safe direction.
template <Rop R>
void CombineRow(Pixel *d, const Pixel *s, int n) {
  if (!Overlap(d, s, n)) {
    Pixel *__restrict dd = d;
    const Pixel *__restrict ss = s;
    for (int i = 0; i < n; ++i) dd[i] = Apply<R>(ss[i], dd[i]);
  } else if (d > s) {
    for (int i = n - 1; i >= 0; --i) d[i] = Apply<R>(s[i], d[i]);
  } else {
    for (int i = 0; i < n; ++i) d[i] = Apply<R>(s[i], d[i]);
  }
}

void BlitRow(Pixel *d, const Pixel *s, int n, Rop rop) {
  switch (rop) {
    case Rop::Copy: std::memmove(d, s, static_cast<std::size_t>(n) * sizeof(Pixel)); break;
    case Rop::And: CombineRow<Rop::And>(d, s, n); break;
    case Rop::Or: CombineRow<Rop::Or>(d, s, n); break;
    case Rop::Xor: CombineRow<Rop::Xor>(d, s, n); break;
  }
}

// One row through two sources in one pass: d = (d first m) second c. The caller has made sure
// that neither source is the destination.
template <Rop First, Rop Second>
void TwoSourceRow(Pixel *__restrict d, const Pixel *__restrict m, const Pixel *__restrict c, int n) {
  for (int i = 0; i < n; ++i) d[i] = Apply<Second>(c[i], Apply<First>(m[i], d[i]));
}

using TwoSourceKernel = void (*)(Pixel *, const Pixel *, const Pixel *, int);

template <Rop First>
TwoSourceKernel TwoSourceFor(Rop second) {
  switch (second) {
    case Rop::Copy: return TwoSourceRow<First, Rop::Copy>;
    case Rop::And: return TwoSourceRow<First, Rop::And>;
    case Rop::Or: return TwoSourceRow<First, Rop::Or>;
    case Rop::Xor: return TwoSourceRow<First, Rop::Xor>;
  }
  return TwoSourceRow<First, Rop::Copy>;
}

TwoSourceKernel TwoSourceFor(Rop first, Rop second) {
  switch (first) {
    case Rop::Copy: return TwoSourceFor<Rop::Copy>(second);
    case Rop::And: return TwoSourceFor<Rop::And>(second);
    case Rop::Or: return TwoSourceFor<Rop::Or>(second);
    case Rop::Xor: return TwoSourceFor<Rop::Xor>(second);
  }
  return TwoSourceFor<Rop::Copy>(second);
}

// The far layer, then the near one through its mask: d = (f & m) ^ c.
void LayersRow(Pixel *__restrict d, const Pixel *__restrict f, const Pixel *__restrict m,
               const Pixel *__restrict c, int n) {
  for (int i = 0; i < n; ++i) d[i] = (f[i] & m[i]) ^ c[i];
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

bool SameSize(const Surface &a, const Surface &b) { return a.w == b.w && a.h == b.h; }

}  // namespace

bool Covers(const Surface &src, int sx, int sy, const Surface &dst) {
  return sx >= 0 && sy >= 0 && sx + dst.w <= src.w && sy + dst.h <= src.h;
}

void BitBlt(Surface &dst, int x, int y, int w, int h, const Surface &src, int sx, int sy, Rop rop) {
  ClipSpan(x, sx, w, dst.w, src.w);
  ClipSpan(y, sy, h, dst.h, src.h);
  if (w <= 0 || h <= 0) return;
  dst.Touch();
  // A surface copied onto itself further down must be copied bottom-up.
  bool backwards = (&dst == &src) && y > sy;
  for (int r = 0; r < h; ++r) {
    int row = backwards ? h - 1 - r : r;
    BlitRow(dst.row(y + row) + x, src.row(sy + row) + sx, w, rop);
  }
}

void BitBlt2(Surface &dst, int x, int y, int w, int h, const Surface &first, const Surface &second, int sx,
             int sy, Rop firstRop, Rop secondRop) {
  if (&first == &dst || &second == &dst || !SameSize(first, second)) {
    BitBlt(dst, x, y, w, h, first, sx, sy, firstRop);
    BitBlt(dst, x, y, w, h, second, sx, sy, secondRop);
    return;
  }
  ClipSpan(x, sx, w, dst.w, first.w);
  ClipSpan(y, sy, h, dst.h, first.h);
  if (w <= 0 || h <= 0) return;
  dst.Touch();
  TwoSourceKernel kernel = TwoSourceFor(firstRop, secondRop);
  for (int r = 0; r < h; ++r) kernel(dst.row(y + r) + x, first.row(sy + r) + sx, second.row(sy + r) + sx, w);
}

void BlitLayers(Surface &dst, const Surface &far, int farY, const Surface &mask, const Surface &near,
                int nearY) {
  bool separate = &far == &dst || &mask == &dst || &near == &dst;
  if (separate || !Covers(far, 0, farY, dst) || !Covers(mask, 0, nearY, dst) ||
      !Covers(near, 0, nearY, dst)) {
    BitBlt(dst, 0, 0, dst.w, dst.h, far, 0, farY, Rop::Copy);
    BitBlt2(dst, 0, 0, dst.w, dst.h, mask, near, 0, nearY, Rop::And, Rop::Xor);
    return;
  }
  dst.Touch();
  for (int r = 0; r < dst.h; ++r)
    LayersRow(dst.row(r), far.row(farY + r), mask.row(nearY + r), near.row(nearY + r), dst.w);
}

void StretchBlt(Surface &dst, int x, int y, int w, int h, const Surface &src, int sx, int sy, int sw, int sh,
                Rop rop) {
  if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return;
  dst.Touch();
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
  if (!s.contains(x, y)) return;
  Pixel &p = s.row(y)[x];
  if (p != colour) p = colour, s.Touch();
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
  if (x1 > x2 || y1 > y2) return;  // wholly outside the surface
  s.Touch();
  for (int y = y1; y <= y2; ++y) std::fill(s.row(y) + x1, s.row(y) + x2 + 1, colour);
}

}  // namespace qel
