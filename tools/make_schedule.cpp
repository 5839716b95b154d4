// make_schedule: compiles the readable enemy schedule into the game's enemy.map.
//
//   make_schedule --src enemy.txt --out enemy.map
//
// The source names, stage by stage, the wave each schedule row calls:
//
//   stage 9            # a stage's rows follow until the next "stage" line
//     2: 1             # row 2 (read at stage time 60) calls wave code 1
//     t120: 3          # the same by stage time: t120 is row 4
//
// Anything after '#' is a comment. A wave is refused when it could not play as written: a code
// without an enemy behind it, a row the stage never reads or wants quiet, ground vehicles where
// there is no ground, rocks outside the asteroid belt, a table too full for a boss that is about
// to come, or a loop of the warp that would pile up enemies as it repeats.
#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "stage/timeline.h"

namespace {

constexpr int kSide = 256;
constexpr int kRowFrames = 30;
constexpr int kTableSlots = 31;
// Slots kept for ground units that the maps bring in beside the schedule.
constexpr int kGroundReserve = 4;
// A wave still flies about eight rows after it was called.
constexpr int kWaveLifeFrames = 240;
// What one pass of a warp loop may call: it repeats every 121 frames while its boss stays.
constexpr int kLoopEnemiesMax = 12;

struct Quiet {
  int from, to;
  const char *why;
};

struct Loop {
  int from, to;
};

// The schedule's own rules of a stage: the last row it reads and the rows that must stay empty
// (the ones after the boss; the ones between the warning and the boss come from the script).
struct StageRules {
  int lastRow = -1;  // the last row the stage reads; -1: the stage has no schedule
  std::vector<Quiet> quiet;
  std::vector<qel::ScriptedBoss> bosses;
  std::vector<Loop> loops;
};

std::array<StageRules, 10> MakeRules() {
  std::array<StageRules, 10> r;
  // clang-format off
  for (int s = 1; s <= 4; ++s) r[s] = {146, {{141, 146, "after the boss: the stage is won"}}, {}, {}};
  r[5] = {113, {{107, 113, "after the boss: the stage is won"}}, {}, {}};
  r[6] = {100, {{94, 100, "while the fortress bursts and the ship flies away"}}, {}, {}};
  r[7] = {141, {{134, 141, "after the mother computer: the stage is won"}}, {}, {}};
  r[8] = {31, {{24, 31, "after the last boss: the rush is won"}}, {}, {}};
  r[9] = {73, {{59, 73, "after the boss: the story lines show"}}, {}, {}};
  // clang-format on
  // What the game's script calls: the boss calls, the rows from the warning to the first boss
  // after it, and the rows a warp loop repeats.
  for (int s = 1; s <= 9; ++s) {
    r[s].bosses = qel::ScriptedBossesOf(s);
    const int warning = qel::WarningTimeOf(s);
    for (const qel::ScriptedBoss &b : r[s].bosses)
      if (warning >= 0 && b.time > warning) {
        r[s].quiet.push_back({(warning + kRowFrames - 1) / kRowFrames, b.time / kRowFrames,
                              "between the warning and the boss"});
        break;
      }
  }
  for (const qel::ClockLoop &l : qel::WarpClockLoops())
    r[5].loops.push_back({l.back / kRowFrames, l.above / kRowFrames});
  return r;
}

// clang-format off
bool IsGroundVehicle(int code) { return code >= 22 && code <= 25; }
bool IsRock(int code) { return code >= 40 && code <= 42; }
bool HasGround(int stage) { return stage == 1 || stage == 4 || stage == 6 || stage == 7; }

// Enemies that stay long on the field: a warp loop calling them again and again fills the table.
bool Lingers(int code) {
  switch (code) {
    case 5: case 13: case 14: case 20: case 30: case 32: case 35: case 36: case 42: return true;
    default: return false;
  }
}
// clang-format on

struct Source {
  std::string path;
  int errors = 0;
  void Fail(int line, const std::string &what) {
    std::cerr << path << ":" << line << ": " << what << "\n";
    ++errors;
  }
};

struct Cell {
  int code = 0;
  int line = 0;
};

using Column = std::array<Cell, kSide>;

std::string StripComment(const std::string &s) {
  std::string t = s.substr(0, s.find('#'));
  std::size_t a = t.find_first_not_of(" \t\r"), b = t.find_last_not_of(" \t\r");
  return a == std::string::npos ? "" : t.substr(a, b - a + 1);
}

bool ParseInt(const std::string &s, int *v) {
  if (s.empty() || s.find_first_not_of("0123456789") != std::string::npos || s.size() > 6) return false;
  *v = std::stoi(s);
  return true;
}

bool Refuse(std::string *why, const std::string &what) {
  *why = what;
  return false;
}

// "row: code" or "tTIME: code"; returns false with a message for anything else.
bool ParseWave(const std::string &text, int *row, int *code, std::string *why) {
  std::size_t colon = text.find(':');
  if (colon == std::string::npos) return Refuse(why, "expected \"row: code\"");
  std::string left = StripComment(text.substr(0, colon)), right = StripComment(text.substr(colon + 1));
  bool byTime = !left.empty() && left[0] == 't';
  int n = 0;
  if (!ParseInt(byTime ? left.substr(1) : left, &n)) return Refuse(why, "bad row \"" + left + "\"");
  if (byTime && n % kRowFrames != 0)
    return Refuse(why, "time " + std::to_string(n) + " is not on a row (a multiple of 30)");
  *row = byTime ? n / kRowFrames : n;
  if (!ParseInt(right, code)) return Refuse(why, "bad wave code \"" + right + "\"");
  return true;
}

bool Read(Source &src, std::array<Column, 10> &cols) {
  std::ifstream in(src.path);
  if (!in) {
    std::cerr << "make_schedule: cannot read " << src.path << "\n";
    return false;
  }
  std::string raw;
  int stage = 0;
  for (int line = 1; std::getline(in, raw); ++line) {
    std::string text = StripComment(raw);
    if (text.empty()) continue;
    if (text.rfind("stage", 0) == 0) {
      if (!ParseInt(StripComment(text.substr(5)), &stage) || stage < 1 || stage > 9)
        src.Fail(line, "stages 1..9 have schedules"), stage = 0;
      continue;
    }
    int row = 0, code = 0;
    std::string why;
    if (stage == 0) src.Fail(line, "a wave before any \"stage\" line");
    else if (!ParseWave(text, &row, &code, &why)) src.Fail(line, why);
    else if (row >= kSide) src.Fail(line, "row " + std::to_string(row) + " is beyond the grid");
    else if (cols[stage][row].line != 0)
      src.Fail(line, "row " + std::to_string(row) + " already has a wave (line " +
                         std::to_string(cols[stage][row].line) + ")");
    else cols[stage][row] = {code, line};
  }
  return true;
}

void CheckCode(Source &src, int stage, int row, const Cell &c) {
  std::string at = "stage " + std::to_string(stage) + " row " + std::to_string(row) + ": ";
  if (c.code >= 50) src.Fail(c.line, at + "code " + std::to_string(c.code) + " is not a wave");
  else if (c.code > 0 && qel::WaveSize(c.code) == 0)
    src.Fail(c.line, at + "code " + std::to_string(c.code) + " has no enemy in the catalogue");
  else if (IsGroundVehicle(c.code) && !HasGround(stage))
    src.Fail(c.line, at + "ground vehicles need ground; this stage has none");
  else if (IsRock(c.code) && stage != 2) src.Fail(c.line, at + "rocks belong to the asteroid belt");
}

void CheckPlace(Source &src, const StageRules &rules, int stage, int row, const Cell &c) {
  std::string at = "stage " + std::to_string(stage) + " row " + std::to_string(row) + ": ";
  if (row > rules.lastRow) {
    src.Fail(c.line, at + "the stage never reads this row (last " + std::to_string(rules.lastRow) + ")");
    return;
  }
  for (const Quiet &q : rules.quiet)
    if (row >= q.from && row <= q.to)
      src.Fail(c.line,
               at + "rows " + std::to_string(q.from) + ".." + std::to_string(q.to) + " stay empty " + q.why);
}

// The waves still flying when a boss call comes, plus the call, must fit in the table.
void CheckRoom(Source &src, const Column &col, const qel::ScriptedBoss &b, int stage) {
  int alive = 0, lastLine = 0;
  for (int row = 0; row < kSide; ++row) {
    int t = row * kRowFrames;
    if (col[row].code == 0 || t > b.time || t <= b.time - kWaveLifeFrames) continue;
    if (t == b.time && b.size > 1)
      src.Fail(col[row].line, "stage " + std::to_string(stage) + " row " + std::to_string(row) +
                                  ": a wave read together with a boss group");
    alive += qel::WaveSize(col[row].code);
    lastLine = col[row].line;
  }
  int room = kTableSlots - kGroundReserve - b.size;
  if (alive > room)
    src.Fail(lastLine, "stage " + std::to_string(stage) + ": " + std::to_string(alive) +
                           " enemies called in the " + std::to_string(kWaveLifeFrames) +
                           " frames before the boss at " + std::to_string(b.time) +
                           " leave no room for it (at most " + std::to_string(room) + ")");
}

void CheckLoop(Source &src, const Column &col, const Loop &l, int stage) {
  int calls = 0, lastLine = 0;
  for (int row = l.from; row <= l.to; ++row) {
    const Cell &c = col[row];
    if (c.code == 0) continue;
    calls += qel::WaveSize(c.code);
    lastLine = c.line;
    if (Lingers(c.code))
      src.Fail(c.line, "stage " + std::to_string(stage) + " row " + std::to_string(row) + ": code " +
                           std::to_string(c.code) +
                           " lingers; a repeating loop row needs enemies that leave quickly");
  }
  if (calls > kLoopEnemiesMax)
    src.Fail(lastLine, "stage " + std::to_string(stage) + ": loop rows " + std::to_string(l.from) + ".." +
                           std::to_string(l.to) + " call " + std::to_string(calls) +
                           " enemies a pass (at most " + std::to_string(kLoopEnemiesMax) + ")");
}

void Check(Source &src, const std::array<Column, 10> &cols) {
  const std::array<StageRules, 10> rules = MakeRules();
  for (int s = 1; s <= 9; ++s) {
    for (int row = 0; row < kSide; ++row) {
      const Cell &c = cols[s][row];
      if (c.line == 0) continue;
      CheckCode(src, s, row, c);
      if (c.code != 0) CheckPlace(src, rules[s], s, row, c);
    }
    for (const qel::ScriptedBoss &b : rules[s].bosses) CheckRoom(src, cols[s], b, s);
    for (const Loop &l : rules[s].loops) CheckLoop(src, cols[s], l, s);
  }
}

bool Write(const std::string &path, const std::array<Column, 10> &cols) {
  std::string bytes(static_cast<std::size_t>(kSide) * kSide, '\0');
  for (int s = 1; s <= 9; ++s)
    for (int row = 0; row < kSide; ++row)
      bytes[static_cast<std::size_t>(row) * kSide + static_cast<std::size_t>(s)] =
          static_cast<char>(cols[s][row].code);
  std::string tmp = path + ".new";
  {
    std::ofstream out(tmp, std::ios::binary);
    out << bytes;
    if (!out) return false;
  }
  return std::rename(tmp.c_str(), path.c_str()) == 0;
}

void PrintSummary(const std::array<Column, 10> &cols) {
  std::ostringstream line;
  line << "make_schedule:";
  for (int s = 1; s <= 9; ++s) {
    int waves = 0, enemies = 0;
    for (const Cell &c : cols[s])
      if (c.code != 0) ++waves, enemies += qel::WaveSize(c.code);
    line << " " << s << ":" << waves << "/" << enemies;
  }
  std::cout << line.str() << " (stage:waves/enemies)\n";
}

}  // namespace

int main(int argc, char **argv) {
  std::string srcPath, outPath;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string a = argv[i];
    if (a == "--src") srcPath = argv[i + 1];
    else if (a == "--out") outPath = argv[i + 1];
  }
  if (srcPath.empty() || outPath.empty()) {
    std::cerr << "usage: make_schedule --src enemy.txt --out enemy.map\n";
    return 2;
  }
  Source src{srcPath};
  std::array<Column, 10> cols{};
  if (!Read(src, cols)) return 1;
  Check(src, cols);
  if (src.errors > 0) {
    std::cerr << "make_schedule: " << src.errors << " problem(s); " << outPath << " not written\n";
    return 1;
  }
  if (!Write(outPath, cols)) {
    std::cerr << "make_schedule: cannot write " << outPath << "\n";
    return 1;
  }
  PrintSummary(cols);
  return 0;
}
