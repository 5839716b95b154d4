#include "maps/map_check.h"

#include <set>

#include "stage/stage_rules.h"

namespace qel::maps {
namespace {

using tiles::Tile;

struct Finding {
  int line;
  std::string text;
};

std::string Rows(int a, int b) {
  return a == b ? "row " + std::to_string(a) : "rows " + std::to_string(a) + ".." + std::to_string(b);
}

// Joins the rules make on purpose where no drawing could meet: at the end of the warp the far
// layer jumps from the tunnel to open space (row 30, or 29 when the near layer's step made the
// jump) while moving 16 pixels a frame; the tunnel simply ends there.
bool AcceptedCut(const std::string &map, int upper, int lower) {
  return map == "st5b" && (upper == 29 || upper == 30) && lower >= 0 && lower <= 14;
}

class Checker {
 public:
  Checker(const MapSource &map, const std::vector<std::uint8_t> &grid, const Usage &usage)
      : map_(map), grid_(grid), usage_(usage) {}

  std::vector<Finding> run() {
    markers();
    joins();
    neighbours();
    return std::move(found_);
  }

 private:
  int code(int row, int col) const { return grid_[static_cast<std::size_t>(row * 256 + col)]; }
  int lineOf(int row) const {
    int l = map_.rowLine[static_cast<std::size_t>(row)];
    return l ? l : map_.headerLine;
  }
  void error(int row, const std::string &text) { found_.push_back({lineOf(row), text}); }

  // The tile a cell shows on `stage` (markers replaced by their ground tile), or null.
  const Tile *tileAt(int row, int col, int stage) const {
    int c = code(row, col);
    if (IsMarker(c) && map_.layer == tiles::Layer::Near) c = MarkerTile(stage, c);
    if (c == 0 && IsMarker(code(row, col))) return nullptr;
    return tiles::FindTile(map_.layer, c);
  }

  static std::string describe(const Tile *t, int side) {
    return t ? t->name + " (" + t->edge[static_cast<std::size_t>(side)] + ")" : "?";
  }

  void markerAt(int row, int col, int c) {
    const std::string what =
        "marker " + std::to_string(c) + " (" + MarkerName(c) + ") in column " + std::to_string(col);
    for (int stage : usage_.stages)
      if (!MarkerTile(stage, c))
        return error(row, what + ": stage " + std::to_string(stage) +
                              " does not turn it into an enemy, it would draw nothing");
    if (!usage_.shown[static_cast<std::size_t>(row)])
      return error(row, what + ": " + Rows(row, row) + " is never shown");
    if (usage_.shownAtLoad[static_cast<std::size_t>(row)])
      return error(row, what + ": " + Rows(row, row) +
                            " is painted when the stage loads, where markers spawn nothing and leave a hole");
    if (usage_.looped[static_cast<std::size_t>(row)])
      return error(row,
                   what + ": " + Rows(row, row) +
                       " lies in a loop of the scroll rules, so the enemy would come back every time round");
  }

  void markers() {
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kColumns; ++c)
        if (IsMarker(code(r, c))) markerAt(r, c, code(r, c));
  }

  void joins() {
    for (const auto &[rows, stage] : usage_.joins) {
      const auto [upper, lower] = rows;
      if (AcceptedCut(map_.name, upper, lower)) continue;
      std::vector<int> bad;
      std::string first;
      for (int c = 0; c < kColumns; ++c) {
        const Tile *a = tileAt(upper, c, stage), *b = tileAt(lower, c, stage);
        if (!a || !b || a->edge[tiles::kBottom] == b->edge[tiles::kTop]) continue;
        if (bad.empty())
          first = "the bottom of " + describe(a, tiles::kBottom) + " does not meet the top of " +
                  describe(b, tiles::kTop);
        bad.push_back(c);
      }
      if (bad.empty()) continue;
      std::string where = "column " + std::to_string(bad.front()) +
                          (bad.size() > 1 ? " (and " + std::to_string(bad.size() - 1) + " more)" : "");
      std::string how = lower == upper + 1
                            ? "row " + std::to_string(upper) + " above row " + std::to_string(lower)
                            : "stage " + std::to_string(stage) + " shows row " + std::to_string(upper) +
                                  " right above row " + std::to_string(lower) +
                                  " (a wrap or jump of its scroll rules)";
      error(upper, how + ", " + where + ": " + first);
    }
  }

  void neighbours() {
    const int stage = usage_.stages.empty() ? 0 : usage_.stages.front();
    for (int r = 0; r < kRows; ++r) {
      if (!usage_.shown[static_cast<std::size_t>(r)]) continue;
      for (int c = 0; c + 1 < kColumns; ++c) {
        const Tile *a = tileAt(r, c, stage), *b = tileAt(r, c + 1, stage);
        if (!a || !b || a->edge[tiles::kRight] == b->edge[tiles::kLeft]) continue;
        error(r, "row " + std::to_string(r) + ", columns " + std::to_string(c) + " and " +
                     std::to_string(c + 1) + ": the right side of " + describe(a, tiles::kRight) +
                     " does not meet the left side of " + describe(b, tiles::kLeft));
      }
    }
  }

  const MapSource &map_;
  const std::vector<std::uint8_t> &grid_;
  const Usage &usage_;
  std::vector<Finding> found_;
};

void CheckWritten(const MapSource &map, const Usage &usage, Diagnostics &diag) {
  for (int r = 0; r < kRows;) {
    if (!usage.shown[static_cast<std::size_t>(r)] || map.rowLine[static_cast<std::size_t>(r)]) {
      ++r;
      continue;
    }
    int e = r;
    while (e + 1 < kRows && usage.shown[static_cast<std::size_t>(e + 1)] &&
           !map.rowLine[static_cast<std::size_t>(e + 1)])
      ++e;
    diag.add(map.path, map.headerLine,
             Rows(r, e) + (r == e ? " is" : " are") + " shown on screen but not written");
    r = e + 1;
  }
}

}  // namespace

void CheckMap(const MapSource &map, const Usage &usage, const std::vector<PatchCell> &hard,
              Diagnostics &diag) {
  CheckWritten(map, usage, diag);
  std::set<std::string> seen;
  for (const Finding &f : Checker(map, map.grid, usage).run()) {
    seen.insert(f.text);
    diag.add(map.path, f.line, f.text);
  }
  for (int stage : usage.stages) {
    const char *nearFile = RulesOfStage(stage).near.file;
    if (!nearFile || map.name + ".map" != nearFile) continue;
    std::vector<std::uint8_t> grid = map.grid;
    bool patched = false;
    for (const PatchCell &p : hard)
      if (p.stage == stage && p.grid == PatchGrid::Near) {
        grid[static_cast<std::size_t>(p.row * 256 + p.col)] = static_cast<std::uint8_t>(p.code);
        patched = true;
      }
    if (!patched) continue;
    for (const Finding &f : Checker(map, grid, usage).run())
      if (seen.insert(f.text).second)
        diag.add(map.path, f.line, "in the harder version (extra markers): " + f.text);
  }
}

}  // namespace qel::maps
