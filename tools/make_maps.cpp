// make_maps --src DIR --out DIR [--partial]
//
// Compiles the text stage maps of DIR (every *.txt) into the 65,536-byte grids the game reads
// (NAME.map: row r, column c at byte r * 256 + c), and the harder version's cells of
// DIR/mapset2.patch into mapset2.map (stage/hard_patches.h). The enemy schedule has its own
// compiler. Before anything is written each map is checked against the tiles and the scroll
// rules of the stages that show it, with and without the harder version's cells; faults are
// printed as "file:line: message" and nothing is written. --partial allows a folder that holds
// only some of the maps and perhaps no patch source (for tests).
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "maps/map_check.h"
#include "maps/map_source.h"
#include "maps/patch_source.h"
#include "maps/scroll_watch.h"
#include "stage/hard_patches.h"

namespace qel::maps {
namespace {

namespace fs = std::filesystem;

constexpr const char *kPatchSourceName = "mapset2.patch";

const char *const kRequired[] = {"st1a", "st1b", "st2a", "st2b", "st3a", "st4a", "st4b",
                                 "st5a", "st5b", "st6a", "st6b", "st7a", "st7b"};

struct Options {
  std::string src, out;
  bool partial = false;
};

std::vector<fs::path> Sources(const std::string &dir) {
  std::vector<fs::path> files;
  std::error_code ec;
  for (const auto &entry : fs::directory_iterator(dir, ec))
    if (entry.path().extension() == ".txt") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

bool ReadFile(const fs::path &p, std::string &text) {
  std::ifstream in(p, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  text = s.str();
  return true;
}

bool WriteBytes(const fs::path &p, const char *data, std::size_t size) {
  fs::path tmp = p;
  tmp += ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary);
    out.write(data, static_cast<std::streamsize>(size));
    if (!out) return false;
  }
  std::error_code ec;
  fs::rename(tmp, p, ec);
  return !ec;
}

bool WriteGrid(const fs::path &p, const std::vector<std::uint8_t> &grid) {
  return WriteBytes(p, reinterpret_cast<const char *>(grid.data()), grid.size());
}

// The harder version's cells; a missing source holds none (allowed with --partial only).
void ReadPatches(const Options &o, PatchSource &patches, bool &present, Diagnostics &diag) {
  const fs::path p = fs::path(o.src) / kPatchSourceName;
  std::string text;
  present = fs::exists(p);
  if (!present) {
    if (!o.partial) diag.add(p.string(), 0, "is missing: the harder version's cells are compiled from it");
    return;
  }
  if (!ReadFile(p, text)) diag.add(p.string(), 0, "cannot be read");
  else ParsePatchSource(p.string(), text, patches, diag);
}

std::vector<PatchCell> NearCells(const PatchSource &patches) {
  std::vector<PatchCell> near;
  for (const PatchCell &c : patches.cells)
    if (c.grid == PatchGrid::Near) near.push_back(c);
  return near;
}

void CheckNames(const Options &o, const std::vector<MapSource> &maps, Diagnostics &diag) {
  for (std::size_t i = 0; i < maps.size(); ++i)
    for (std::size_t j = 0; j < i; ++j)
      if (maps[i].name == maps[j].name)
        diag.add(maps[i].path, maps[i].headerLine,
                 "map " + maps[i].name + " is also made by " + maps[j].path);
  if (o.partial) return;
  for (const char *name : kRequired)
    if (std::none_of(maps.begin(), maps.end(), [&](const MapSource &m) { return m.name == name; }))
      diag.add(o.src, 0, std::string("no source makes ") + name + ".map");
}

int Run(const Options &o) {
  Diagnostics diag;
  std::vector<MapSource> maps;
  for (const fs::path &p : Sources(o.src)) {
    std::string text;
    MapSource m;
    if (!ReadFile(p, text)) diag.add(p.string(), 0, "cannot be read");
    else if (ParseMapSource(p.string(), text, m, diag)) maps.push_back(std::move(m));
  }
  CheckNames(o, maps, diag);
  PatchSource patches;
  bool patchesPresent = false;
  ReadPatches(o, patches, patchesPresent, diag);
  const std::vector<PatchCell> hard = NearCells(patches);
  std::set<std::string> names;
  for (const MapSource &m : maps) names.insert(m.name);
  std::map<std::string, Usage> usage;
  std::string playError;
  if (!names.empty() && !PlayStages(names, usage, &playError)) {
    std::fprintf(stderr, "make_maps: cannot play the stages: %s\n", playError.c_str());
    return 1;
  }
  for (const MapSource &m : maps) {
    auto it = usage.find(m.name);
    if (it == usage.end()) diag.add(m.path, m.headerLine, "no stage loads a map called " + m.name);
    else CheckMap(m, it->second, hard, diag);
  }
  std::string patchBytes, why;
  if (patchesPresent && diag.errors.empty() && !EncodePatches(patches.cells, &patchBytes, &why))
    diag.add(patches.path, 0, why);
  for (const std::string &e : diag.errors) std::fprintf(stderr, "%s\n", e.c_str());
  if (!diag.errors.empty()) {
    std::fprintf(stderr, "make_maps: %zu faults, nothing written\n", diag.errors.size());
    return 1;
  }
  std::error_code ec;
  fs::create_directories(o.out, ec);
  bool ok = true;
  for (const MapSource &m : maps) ok = WriteGrid(fs::path(o.out) / (m.name + ".map"), m.grid) && ok;
  if (patchesPresent)
    ok = WriteBytes(fs::path(o.out) / kHardPatchFile, patchBytes.data(), patchBytes.size()) && ok;
  if (!ok) {
    std::fprintf(stderr, "make_maps: cannot write into %s\n", o.out.c_str());
    return 1;
  }
  std::printf("make_maps: %zu maps written", maps.size());
  if (patchesPresent) std::printf(", %zu cells of the harder version", patches.cells.size());
  std::printf("\n");
  return 0;
}

}  // namespace
}  // namespace qel::maps

int main(int argc, char **argv) {
  qel::maps::Options o;
  for (int i = 1; i < argc; ++i) {
    std::string key = argv[i];
    if (key == "--partial") o.partial = true;
    else if (key == "--src" && i + 1 < argc) o.src = argv[++i];
    else if (key == "--out" && i + 1 < argc) o.out = argv[++i];
  }
  if (o.src.empty() || o.out.empty()) {
    std::fprintf(stderr, "usage: make_maps --src DIR --out DIR [--partial]\n");
    return 2;
  }
  return qel::maps::Run(o);
}
