// make_art --src DIR --out DIR [--rsvg PATH]
// make_art --icons DIR --sizes 32,64,...
//
// Turns the editable art into finished sheet pairs. For each sheet of the catalogue the source
// is either DIR/NAME.svg (rendered by rsvg-convert at the sheet's exact size) or a generator of
// tools/art/ registered under NAME. Every pixel is then cut with a hard threshold: alpha >= 128
// is picture, the rest background. Colour sheets are written on the matte their convention needs
// (AND-XOR: picture on pure black; OR-AND: picture on pure white) and their mask beside them
// (AND-XOR: black on white; OR-AND: white on black), exact to the outline. Opaque sheets are the
// picture on black. The output is the art folder make_sheets reads.
//
// With --icons, writes the program's desktop icon instead, DIR/SIZE.png for each size: the
// player's fighter of the PL sheet, scaled pixel for pixel, on a transparent background.
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "art/app_icon.h"
#include "art/canvas.h"
#include "art/registry.h"
#include "art/rgba_png.h"
#include "platform/png_io.h"
#include "platform/sheets.h"

namespace qel {
namespace {

struct Options {
  std::string src, out, icons, sizes;
  std::string rsvg = "rsvg-convert";  // the SVG renderer the build found
};

std::string Stem(const SheetSpec &spec) {
  std::string file = SheetFileName(spec);
  return file.substr(0, file.size() - 4);  // without ".png"
}

bool RenderSvg(const std::string &rsvg, const std::string &svg, const SheetSpec &spec, const std::string &tmp,
               art::Canvas &out, std::string *error) {
  std::string cmd = "'" + rsvg + "' -w " + std::to_string(spec.w) + " -h " + std::to_string(spec.h) +
                    " -f png -o '" + tmp + "' '" + svg + "'";
  int status = std::system(cmd.c_str());
  if (status != 0) {
    *error = "rsvg-convert failed on " + svg;
    return false;
  }
  return art::ReadRgbaPng(tmp, out, error);
}

const art::Generator *FindGenerator(const std::string &name) {
  for (const art::Generator &g : art::Generators())
    if (g.sheet == name) return &g;
  return nullptr;
}

// The source picture of a sheet, or false when it has none yet.
bool MakePicture(const Options &o, const SheetSpec &spec, art::Canvas &pic, std::string *error) {
  std::string name = Stem(spec);
  std::string svg = o.src + "/" + name + ".svg";
  std::error_code ec;
  if (std::filesystem::exists(svg, ec)) {
    std::string tmp = o.out + "/" + name + ".rendered";
    bool ok = RenderSvg(o.rsvg, svg, spec, tmp, pic, error);
    std::filesystem::remove(tmp, ec);
    return ok;
  }
  if (const art::Generator *g = FindGenerator(name)) {
    pic = art::Canvas(spec.w, spec.h);
    g->draw(pic);
    return true;
  }
  return false;
}

// A picture pixel never has the matte's exact colour (it is nudged by one step), so that the
// colour sheet alone tells picture from background and the mask can be checked against it.
Pixel PictureColour(art::Argb c, Pixel matte) {
  Pixel p = c & 0xFFFFFF;
  if (p != matte) return p;
  return matte == 0 ? 0x010101 : 0xFEFEFE;
}

bool Write(const std::string &path, const Surface &s, std::string *error) {
  return WritePng(path, s, {{"Kind", "art"}}, error);
}

// Masks written so far; two colour sheets that share one (the intact and the destroyed
// fortress) must share its silhouette too, or the matte would show through.
using WrittenMasks = std::map<std::string, Surface>;

// Writes the colour (or opaque) sheet and, for a colour sheet, its mask.
bool WriteSheets(const Options &o, const SheetSpec &spec, const art::Canvas &pic, WrittenMasks &masks,
                 std::string *error) {
  const bool orAnd = spec.conv == MaskConv::OrAnd;
  const Pixel matte = orAnd ? 0xFFFFFF : 0x000000;
  Surface colour(spec.w, spec.h, matte), mask(spec.w, spec.h, orAnd ? 0x000000 : 0xFFFFFF);
  for (int y = 0; y < spec.h; ++y)
    for (int x = 0; x < spec.w; ++x) {
      if (!pic.covered(x, y)) continue;
      colour.row(y)[x] =
          spec.kind == SheetKind::Opaque ? (pic.get(x, y) & 0xFFFFFF) : PictureColour(pic.get(x, y), matte);
      mask.row(y)[x] = orAnd ? 0xFFFFFF : 0x000000;
    }
  if (!Write(o.out + "/" + SheetFileName(spec), colour, error)) return false;
  const SheetSpec *m = MaskFor(spec);
  if (!m) return true;
  Surface fullMask(m->w, m->h, mask.clearColour);  // TOKUM(37) is a row taller than its picture
  BitBlt(fullMask, 0, 0, spec.w, spec.h, mask, 0, 0, Rop::Copy);
  auto [it, fresh] = masks.emplace(Stem(*m), fullMask);
  if (!fresh && it->second.px != fullMask.px) {
    *error = Stem(spec) + " must have the same silhouette as the other picture of " + Stem(*m);
    return false;
  }
  return Write(o.out + "/" + SheetFileName(*m), fullMask, error);
}

int Run(const Options &o) {
  std::error_code ec;
  std::filesystem::remove_all(o.out, ec);  // nothing stale survives a removed source
  std::filesystem::create_directories(o.out, ec);
  WrittenMasks masks;
  int made = 0;
  std::string error;
  for (const SheetSpec &spec : SheetCatalogue()) {
    if (spec.kind == SheetKind::Mask) continue;
    art::Canvas pic;
    bool has = MakePicture(o, spec, pic, &error);
    if (!has && !error.empty()) break;
    if (!has) continue;
    if (pic.w != spec.w || pic.h != spec.h) {
      error = Stem(spec) + ": the picture is " + std::to_string(pic.w) + "x" + std::to_string(pic.h);
      break;
    }
    if (!WriteSheets(o, spec, pic, masks, &error)) break;
    ++made;
  }
  if (!error.empty()) {
    std::fprintf(stderr, "make_art: %s\n", error.c_str());
    return 1;
  }
  std::printf("make_art: %d sheets drawn\n", made);
  return 0;
}

int RunIcons(const Options &o) {
  std::string error;
  std::vector<int> sizes;
  std::stringstream list(o.sizes);
  for (std::string item; std::getline(list, item, ',');) sizes.push_back(std::atoi(item.c_str()));
  if (sizes.empty() || !art::WriteAppIcons(o.icons, sizes, &error)) {
    std::fprintf(stderr, "make_art: %s\n",
                 sizes.empty() ? "--sizes needs a list such as 32,64" : error.c_str());
    return 1;
  }
  std::printf("make_art: %zu icon sizes drawn\n", sizes.size());
  return 0;
}

}  // namespace
}  // namespace qel

int main(int argc, char **argv) {
  qel::Options o;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string key = argv[i];
    if (key == "--src") o.src = argv[i + 1];
    else if (key == "--out") o.out = argv[i + 1];
    else if (key == "--icons") o.icons = argv[i + 1];
    else if (key == "--sizes") o.sizes = argv[i + 1];
    else if (key == "--rsvg") o.rsvg = argv[i + 1];
  }
  if (!o.icons.empty() && o.src.empty() && o.out.empty()) return qel::RunIcons(o);
  if (o.src.empty() || o.out.empty() || !o.icons.empty()) {
    std::fprintf(stderr, "usage: make_art --src DIR --out DIR | make_art --icons DIR --sizes N,N...\n");
    return 2;
  }
  return qel::Run(o);
}
