#include "maps/patch_source.h"

#include <cctype>
#include <map>
#include <sstream>
#include <tuple>

#include "stage/stage_rules.h"
#include "stage/timeline.h"

namespace qel::maps {
namespace {

constexpr int kScheduleStages = 9;  // the stages that read a column of the schedule

bool ParseNumber(const std::string &s, int &out) {
  if (s.empty() || s.size() > 3) return false;
  for (char ch : s)
    if (!std::isdigit(static_cast<unsigned char>(ch))) return false;
  out = std::stoi(s);
  return out <= 255;
}

struct Parser {
  Parser(const std::string &p, PatchSource &o, Diagnostics &d) : path(p), out(o), diag(d) {}

  const std::string &path;
  PatchSource &out;
  Diagnostics &diag;
  int line = 0;
  int stage = 0;
  std::map<std::tuple<int, int, int, int>, int> given;  // stage, grid, column, row -> line

  void error(const std::string &text) { diag.add(path, line, text); }

  void stageLine(std::istringstream &words) {
    std::string n, rest;
    words >> n >> rest;
    if (ParseNumber(n, stage) && stage >= 1 && rest.empty()) return;
    stage = -1;  // its cells are skipped
    error("expected \"stage NUMBER\" with a number from 1 to 255");
  }

  // The code of a cell: a number, or on the near grid a marker's name.
  bool code(PatchGrid grid, const std::string &text, int &value) {
    if (ParseNumber(text, value)) return true;
    if (grid == PatchGrid::Near)
      for (int c = 0; c <= 255; ++c)
        if (IsMarker(c) && text == MarkerName(c)) return value = c, true;
    error("\"" + text + "\" is no code" + (grid == PatchGrid::Near ? " or marker name" : ""));
    return false;
  }

  bool checkCode(PatchGrid grid, int value) {
    if (grid == PatchGrid::Schedule) {
      if (value == 0 || WaveSize(value) > 0) return true;
      error("wave code " + std::to_string(value) + " calls no enemies");
      return false;
    }
    if (IsMarker(value) ||
        (value <= tiles::LastCode(tiles::Layer::Near) && tiles::FindTile(tiles::Layer::Near, value)))
      return true;
    error("code " + std::to_string(value) + " is no near tile and no marker");
    return false;
  }

  void add(PatchGrid grid, int col, int row, int value) {
    auto key = std::make_tuple(stage, static_cast<int>(grid), col, row);
    auto [it, fresh] = given.emplace(key, line);
    if (!fresh)
      return error("stage " + std::to_string(stage) + " row " + std::to_string(row) + " column " +
                   std::to_string(col) + " is given twice (first on line " + std::to_string(it->second) +
                   ")");
    out.cells.push_back({stage, grid, col, row, value});
    out.lines.push_back(line);
  }

  // "ROW[,ROW...]=CODE"
  void cells(PatchGrid grid, int col, const std::string &item) {
    std::size_t eq = item.find('=');
    if (eq == std::string::npos) return error("expected ROWS=CODE, found \"" + item + "\"");
    int value = 0;
    if (!code(grid, item.substr(eq + 1), value) || !checkCode(grid, value)) return;
    std::istringstream rows(item.substr(0, eq));
    std::string r;
    while (std::getline(rows, r, ',')) {
      int row = 0;
      if (!ParseNumber(r, row)) return error("\"" + r + "\" is no row (0..255)");
      add(grid, col, row, value);
    }
  }

  void cellLine(const std::string &kind, std::istringstream &words) {
    if (stage < 0) return;
    if (stage == 0) return error("cells before any \"stage\" line");
    PatchGrid grid = kind == "near" ? PatchGrid::Near : PatchGrid::Schedule;
    int col = stage;
    if (grid == PatchGrid::Schedule && stage > kScheduleStages)
      return error("stage " + std::to_string(stage) + " reads no schedule");
    if (grid == PatchGrid::Near) {
      std::string c;
      words >> c;
      if (!ParseNumber(c, col) || col >= kColumns)
        return error("expected \"near COLUMN ROWS=CODE ...\" with a column from 0 to 14");
      if (!RulesOfStage(stage).near.file)
        return error("stage " + std::to_string(stage) + " loads no near map");
    }
    std::string item;
    bool any = false;
    while (words >> item) cells(grid, col, item), any = true;
    if (!any) error("a \"" + kind + "\" line without cells");
  }

  void parse(const std::string &text) {
    std::istringstream in(text);
    std::string raw;
    while (std::getline(in, raw)) {
      ++line;
      std::istringstream words(raw.substr(0, raw.find('#')));
      std::string first;
      if (!(words >> first)) continue;
      if (first == "stage") stageLine(words);
      else if (first == "schedule" || first == "near") cellLine(first, words);
      else error("unknown line (expected \"stage\", \"schedule\", \"near\" or a # comment)");
    }
  }
};

}  // namespace

bool ParsePatchSource(const std::string &path, const std::string &text, PatchSource &out, Diagnostics &diag) {
  const std::size_t before = diag.errors.size();
  out = PatchSource();
  out.path = path;
  Parser p(path, out, diag);
  p.parse(text);
  return diag.errors.size() == before;
}

}  // namespace qel::maps
