// Loading the sheets folder into surfaces, and the blank set used by tests.
#include <cstdio>
#include <map>

#include "platform/png_io.h"
#include "platform/sheets.h"

namespace qel {

namespace {

constexpr Pixel kBlack = 0x000000;
constexpr Pixel kWhite = 0xFFFFFF;

std::string Describe(const SheetSpec &spec) {
  return "sheet " + SheetName(spec) + " (" + SheetFileName(spec) + ")";
}

std::string SizeText(int w, int h) { return std::to_string(w) + "x" + std::to_string(h); }

// Masks are combined bitwise with AND or OR, so any pixel that is not pure black or white
// would tint the picture behind the sprite. The sheet maker writes 1-bit masks (thresholding
// art), so such a pixel means a damaged or foreign file: it is refused, not repaired.
bool CheckMask(const Surface &s, std::string *why) {
  for (int y = 0; y < s.h; ++y) {
    const Pixel *row = s.row(y);
    for (int x = 0; x < s.w; ++x) {
      if (row[x] == kBlack || row[x] == kWhite) continue;
      char buf[96];
      std::snprintf(buf, sizeof buf, "mask pixel (%d, %d) is #%06X, not pure black or white", x, y,
                    static_cast<unsigned>(row[x]));
      *why = buf;
      return false;
    }
  }
  return true;
}

bool LoadOne(const std::string &dir, const SheetSpec &spec, Surface &out, bool *diagnostic,
             std::string *error) {
  std::map<std::string, std::string> text;
  std::string why;
  if (!ReadPng(dir + "/" + SheetFileName(spec), out, &text, &why)) {
    *error = Describe(spec) + ": " + why;
    return false;
  }
  if (out.w != spec.w || out.h != spec.h) {
    *error = Describe(spec) + ": expected " + SizeText(spec.w, spec.h) + ", found " + SizeText(out.w, out.h);
    return false;
  }
  if (spec.kind == SheetKind::Mask && !CheckMask(out, &why)) {
    *error = Describe(spec) + ": " + why;
    return false;
  }
  auto kind = text.find("Kind");
  *diagnostic = kind != text.end() && kind->second == "diagnostic";
  return true;
}

// The picture that, drawn with its partner, leaves the destination as it was: an empty sprite.
Pixel BlankColour(const SheetSpec &spec) {
  const bool andXor = spec.conv == MaskConv::AndXor;
  if (spec.kind == SheetKind::Mask) return andXor ? kWhite : kBlack;
  if (spec.kind == SheetKind::Colour) return andXor ? kBlack : kWhite;
  return kBlack;
}

}  // namespace

std::shared_ptr<const SheetSet> SheetSet::Load(const std::string &dir, std::string *error) {
  auto set = std::make_shared<SheetSet>();
  std::string first;
  int failures = 0;
  for (const SheetSpec &spec : SheetCatalogue()) {
    auto &family = set->families_[static_cast<int>(spec.family)];
    if (static_cast<int>(family.size()) <= spec.index) family.resize(spec.index + 1);
    Entry &e = family[spec.index];
    std::string why;
    if (!LoadOne(dir, spec, e.surface, &e.diagnostic, &why)) {
      if (failures++ == 0) first = why;
      e.surface = Surface();
    }
  }
  if (failures == 0) return set;
  if (error) {
    *error = first;
    if (failures > 1) *error += " (and " + std::to_string(failures - 1) + " more sheets failed)";
  }
  return nullptr;
}

std::shared_ptr<const SheetSet> SheetSet::Blank() {
  auto set = std::make_shared<SheetSet>();
  for (const SheetSpec &spec : SheetCatalogue()) {
    auto &family = set->families_[static_cast<int>(spec.family)];
    if (static_cast<int>(family.size()) <= spec.index) family.resize(spec.index + 1);
    family[spec.index].surface = Surface(spec.w, spec.h, BlankColour(spec));
  }
  return set;
}

const Surface &SheetSet::get(Family f, int index) const {
  const auto &family = families_[static_cast<int>(f)];
  if (index < 0 || index >= static_cast<int>(family.size())) return empty_;
  return family[index].surface;
}

bool SheetSet::diagnostic(Family f, int index) const {
  const auto &family = families_[static_cast<int>(f)];
  if (index < 0 || index >= static_cast<int>(family.size())) return false;
  return family[index].diagnostic;
}

int SheetSet::diagnosticCount() const {
  int n = 0;
  for (const auto &family : families_) {
    for (const Entry &e : family) n += e.diagnostic ? 1 : 0;
  }
  return n;
}

void DrawSheet(Surface &dst, int x, int y, int w, int h, const SheetSet &set, const SheetSpec &spec, int sx,
               int sy) {
  const Surface &colour = set.get(spec.family, spec.index);
  const SheetSpec *m = MaskFor(spec);
  if (!m) {
    BitBlt(dst, x, y, w, h, colour, sx, sy, Rop::Copy);
    return;
  }
  bool orAnd = spec.conv == MaskConv::OrAnd;
  BitBlt(dst, x, y, w, h, set.get(m->family, m->index), sx, sy, orAnd ? Rop::Or : Rop::And);
  BitBlt(dst, x, y, w, h, colour, sx, sy, orAnd ? Rop::And : Rop::Xor);
}

}  // namespace qel
