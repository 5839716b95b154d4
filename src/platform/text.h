// Text on surfaces: the proportional Japanese Gothic face, always bold, rendered 1-bit.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "platform/surface.h"

namespace qel {

struct Game;

// Rasterises and caches glyphs. One renderer may serve several games and the host's menu bar.
class TextRenderer {
 public:
  ~TextRenderer();
  // Opens the font file; on failure returns nullptr and a message naming the file in *error.
  static std::shared_ptr<TextRenderer> Open(const std::string &fontPath, std::string *error);
  // The font used when nothing else is asked for (QELVANE_FONT overrides it).
  static std::string DefaultFontPath();

  // Draws text with its cell's top-left corner at (x, y), `size` pixels high; only glyph
  // pixels are written.
  void Draw(Surface &target, const std::string &utf8, int size, Pixel colour, int x, int y, bool italic);
  // Advance width of the text in pixels.
  int Width(const std::string &utf8, int size, bool italic);

  struct Glyph;

 private:
  struct Face;
  TextRenderer() = default;
  const Glyph &glyph(char32_t ch, int size, bool italic);
  std::unique_ptr<Face> face_;
  std::unordered_map<std::uint64_t, std::unique_ptr<Glyph>> cache_;
};

// A number as the game has always written it: a blank before a number that is not negative.
inline std::string NumberText(int n) { return (n >= 0 ? " " : "") + std::to_string(n); }

// The game's DrawText(target, text, size, colour, x, y, italic): colour is a palette number,
// italic is on when the last argument is 1.
void DrawText(Game &g, Surface &target, const std::string &text, int size, int colour, int x, int y,
              int italic);

}  // namespace qel
