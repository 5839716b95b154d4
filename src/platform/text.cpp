#include "platform/text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace qel {

// Glyphs are rendered 1-bit: a glyph pixel is either written in full colour or not at all,
// so text on the page pair (colour on MASTER(1), black on MASTER(2)) composes without fringes.
// Bold is the old desktop's synthetic bold: the glyph is smeared sideways by a pixel or more,
// which keeps small kanji legible where thickening the outline would fill them in.
struct TextRenderer::Glyph {
  int left = 0, top = 0, w = 0, h = 0, advance = 0;
  std::vector<std::uint8_t> bits;  // w * h, 0 or 1
};

struct TextRenderer::Face {
  FT_Library lib = nullptr;
  FT_Face face = nullptr;
  ~Face() {
    if (face) FT_Done_Face(face);
    if (lib) FT_Done_FreeType(lib);
  }
};

TextRenderer::~TextRenderer() = default;

std::string TextRenderer::DefaultFontPath() {
  if (const char *env = std::getenv("QELVANE_FONT"); env && *env) return env;
  return "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf";
}

std::shared_ptr<TextRenderer> TextRenderer::Open(const std::string &fontPath, std::string *error) {
  std::shared_ptr<TextRenderer> r(new TextRenderer());
  r->face_ = std::make_unique<Face>();
  if (FT_Init_FreeType(&r->face_->lib) != 0) {
    if (error) *error = "cannot start the font renderer";
    return nullptr;
  }
  if (FT_New_Face(r->face_->lib, fontPath.c_str(), 0, &r->face_->face) != 0) {
    if (error) *error = "cannot open the font " + fontPath;
    return nullptr;
  }
  return r;
}

namespace {

int BoldSmear(int size) { return std::max(1, size / 24); }

int AscentPixels(FT_Face face, int size) {
  long a = face->ascender;
  return static_cast<int>((a * size + face->units_per_EM / 2) / face->units_per_EM);
}

// Decodes one UTF-8 sequence at s[i], advancing i; malformed bytes come out as '?'.
char32_t NextCodepoint(const std::string &s, std::size_t &i) {
  auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  unsigned char c = byte(i++);
  int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
  if (extra < 0) return U'?';
  char32_t cp = extra == 0 ? c : (c & (0x3F >> extra));
  for (int k = 0; k < extra; ++k) {
    if (i >= s.size() || (byte(i) & 0xC0) != 0x80) return U'?';
    cp = (cp << 6) | (byte(i++) & 0x3F);
  }
  return cp;
}

}  // namespace

const TextRenderer::Glyph &TextRenderer::glyph(char32_t ch, int size, bool italic) {
  std::uint64_t key = static_cast<std::uint64_t>(ch) | (static_cast<std::uint64_t>(size) << 32) |
                      (static_cast<std::uint64_t>(italic) << 48);
  auto it = cache_.find(key);
  if (it != cache_.end()) return *it->second;

  auto g = std::make_unique<Glyph>();
  FT_Face face = face_->face;
  FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(size));
  FT_Matrix shear{0x10000, italic ? 0x4000 : 0, 0, 0x10000};  // lean right by a quarter
  FT_Set_Transform(face, &shear, nullptr);
  int smear = BoldSmear(size);
  if (FT_Load_Char(face, ch, FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_MONO) == 0 &&
      FT_Render_Glyph(face->glyph, FT_RENDER_MODE_MONO) == 0) {
    const FT_Bitmap &bm = face->glyph->bitmap;
    g->left = face->glyph->bitmap_left;
    g->top = face->glyph->bitmap_top;
    g->w = static_cast<int>(bm.width) + (bm.width ? smear : 0);
    g->h = static_cast<int>(bm.rows);
    g->advance = static_cast<int>((face->glyph->advance.x + 32) >> 6) + smear;
    g->bits.assign(static_cast<std::size_t>(g->w) * g->h, 0);
    for (int y = 0; y < g->h; ++y) {
      const unsigned char *src = bm.buffer + static_cast<std::ptrdiff_t>(y) * bm.pitch;
      for (int x = 0; x < static_cast<int>(bm.width); ++x) {
        if (!(src[x >> 3] & (0x80 >> (x & 7)))) continue;
        for (int k = 0; k <= smear; ++k) g->bits[static_cast<std::size_t>(y) * g->w + x + k] = 1;
      }
    }
  }
  FT_Set_Transform(face, nullptr, nullptr);
  return *(cache_[key] = std::move(g));
}

void TextRenderer::Draw(Surface &target, const std::string &utf8, int size, Pixel colour, int x, int y,
                        bool italic) {
  if (size <= 0) return;
  target.Touch();
  int baseline = y + AscentPixels(face_->face, size);
  int pen = x;
  for (std::size_t i = 0; i < utf8.size();) {
    const Glyph &gl = glyph(NextCodepoint(utf8, i), size, italic);
    int ox = pen + gl.left, oy = baseline - gl.top;
    for (int gy = 0; gy < gl.h; ++gy) {
      int ty = oy + gy;
      if (ty < 0 || ty >= target.h) continue;
      const std::uint8_t *bits = gl.bits.data() + static_cast<std::size_t>(gy) * gl.w;
      Pixel *row = target.row(ty);
      for (int gx = 0; gx < gl.w; ++gx) {
        int tx = ox + gx;
        if (bits[gx] && tx >= 0 && tx < target.w) row[tx] = colour;
      }
    }
    pen += gl.advance;
  }
}

int TextRenderer::Width(const std::string &utf8, int size, bool italic) {
  int w = 0;
  for (std::size_t i = 0; i < utf8.size();) w += glyph(NextCodepoint(utf8, i), size, italic).advance;
  return w;
}

}  // namespace qel
