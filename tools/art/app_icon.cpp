#include "art/app_icon.h"

#include <filesystem>

#include "art/registry.h"
#include "art/rgba_png.h"
#include "platform/sheets.h"

namespace qel::art {
namespace {

constexpr int kFrame = 32;  // a frame of the player's sheet

// The player's sheet as its generator draws it.
Canvas PlayerSheet() {
  const SheetSpec *spec = FindSheet(Family::PL, 0);
  for (const Generator &g : Generators())
    if (spec && g.sheet == "PL") {
      Canvas c(spec->w, spec->h);
      g.draw(c);
      return c;
    }
  return {};
}

}  // namespace

Canvas AppIcon(int size) {
  static const Canvas sheet = PlayerSheet();
  const int k = size / kFrame;
  Canvas icon(size, size);
  if (k < 1 || sheet.w < kFrame || sheet.h < kFrame) return icon;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const int sx = x / k, sy = y / k;  // frame 0: level
      if (sx < kFrame && sy < kFrame && sheet.covered(sx, sy))
        icon.set(x, y, 0xFF000000u | (sheet.get(sx, sy) & 0xFFFFFFu));
    }
  return icon;
}

bool WriteAppIcons(const std::string &dir, const std::vector<int> &sizes, std::string *error) {
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) {
    *error = "cannot make " + dir + ": " + ec.message();
    return false;
  }
  for (int size : sizes) {
    if (size < kFrame || size % kFrame != 0) {
      *error = "an icon size must be a multiple of 32, not " + std::to_string(size);
      return false;
    }
    Canvas icon = AppIcon(size);
    bool drawn = false;
    for (Argb p : icon.px) drawn |= (p >> 24) != 0;
    if (!drawn) {
      *error = "the player's sheet has no picture for the icon";
      return false;
    }
    if (!WriteRgbaPng(dir + "/" + std::to_string(size) + ".png", icon, error)) return false;
  }
  return true;
}

}  // namespace qel::art
