#include "maps/map_source.h"

#include <cctype>
#include <sstream>

#include "stage/stage_rules.h"

namespace qel::maps {
namespace {

std::string Trim(const std::string &s) {
  std::size_t a = s.find_first_not_of(" \t\r"), b = s.find_last_not_of(" \t\r");
  return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

bool ParseInt(const std::string &s, int &out) {
  if (s.empty() || s.size() > 4) return false;
  for (char ch : s)
    if (!std::isdigit(static_cast<unsigned char>(ch))) return false;
  out = std::stoi(s);
  return true;
}

struct Parser {
  const std::string &path;
  MapSource &map;
  Diagnostics &diag;
  bool headerSeen = false;
  int line = 0;

  void error(const std::string &text) { diag.add(path, line, text); }

  void header(std::istringstream &words) {
    std::string name, layer;
    words >> name >> layer;
    if (headerSeen) return error("a second \"map\" line");
    if (name.empty() || (layer != "far" && layer != "near"))
      return error("expected \"map NAME far\" or \"map NAME near\"");
    headerSeen = true;
    map.name = name;
    map.layer = layer == "far" ? tiles::Layer::Far : tiles::Layer::Near;
    map.headerLine = line;
  }

  // "tile C CODE [NAME]": character C stands for CODE; the name, when given, must be the tile's.
  void legend(std::istringstream &words) {
    std::string ch, codeText, name;
    words >> ch >> codeText >> name;
    int code = 0;
    if (!headerSeen) return error("the legend must come after the \"map\" line");
    if (ch.size() != 1 || ch == "|" || !ParseInt(codeText, code))
      return error("expected \"tile CHARACTER CODE [NAME]\"");
    if (map.legend.count(ch[0])) return error(std::string("character '") + ch + "' is given twice");
    if (IsMarker(code) && map.layer == tiles::Layer::Near) {
      if (!name.empty() && name != MarkerName(code))
        return error("code " + codeText + " is the " + MarkerName(code) + " marker, not \"" + name + "\"");
    } else {
      const tiles::Tile *tile =
          code <= tiles::LastCode(map.layer) ? tiles::FindTile(map.layer, code) : nullptr;
      const char *layerName = map.layer == tiles::Layer::Far ? "far" : "near";
      if (!tile)
        return error(std::string("code ") + codeText + " is no " + layerName + " tile" +
                     (map.layer == tiles::Layer::Near && code >= 90 && code < 100
                          ? " (the near sheet ends at 89)"
                          : ""));
      if (!name.empty() && name != tile->name)
        return error("code " + codeText + " is \"" + tile->name + "\", not \"" + name + "\"");
    }
    map.legend[ch[0]] = code;
  }

  // "ROW |fifteen chars| comment"
  void row(const std::string &text) {
    std::size_t bar = text.find('|');
    int r = 0;
    if (bar == std::string::npos || !ParseInt(Trim(text.substr(0, bar)), r) || r > 255)
      return error("expected a row: \"NUMBER |...............|\" with a number from 0 to 255");
    if (!headerSeen) return error("rows must come after the \"map\" line");
    std::size_t end = text.find('|', bar + 1);
    if (end == std::string::npos || end - bar - 1 != kColumns)
      return error("row " + std::to_string(r) + " must hold exactly 15 characters between the bars");
    if (map.rowLine[static_cast<std::size_t>(r)])
      return error("row " + std::to_string(r) + " is written twice (first on line " +
                   std::to_string(map.rowLine[static_cast<std::size_t>(r)]) + ")");
    map.rowLine[static_cast<std::size_t>(r)] = line;
    for (int c = 0; c < kColumns; ++c) {
      char ch = text[bar + 1 + static_cast<std::size_t>(c)];
      auto it = map.legend.find(ch);
      if (it == map.legend.end()) {
        error(std::string("character '") + ch + "' in column " + std::to_string(c) + " is not in the legend");
        continue;
      }
      map.grid[static_cast<std::size_t>(r * 256 + c)] = static_cast<std::uint8_t>(it->second);
    }
  }

  void parse(const std::string &text) {
    std::istringstream in(text);
    std::string raw;
    while (std::getline(in, raw)) {
      ++line;
      std::string s = Trim(raw);
      if (s.empty() || s[0] == '#') continue;
      std::istringstream words(s);
      std::string first;
      words >> first;
      if (first == "map") header(words);
      else if (first == "tile") legend(words);
      else if (std::isdigit(static_cast<unsigned char>(s[0]))) row(s);
      else error("unknown line (expected \"map\", \"tile\", a row or a # comment)");
    }
    if (!headerSeen) diag.add(path, 1, "no \"map NAME far|near\" line");
  }
};

}  // namespace

const char *MarkerName(int code) {
  if (!IsGroundMarker(code)) return nullptr;
  switch (code) {
    case 100: return "ground_gun";  // the cannon of stage 1, the turret of stage 4
    case 101: return "turret";
    case 102: return "car_right";
    case 103: return "car_left";
    case 104: return "car_parked";
    default: return "ground_enemy";
  }
}

bool IsMarker(int code) { return IsGroundMarker(code); }

bool ParseMapSource(const std::string &path, const std::string &text, MapSource &out, Diagnostics &diag) {
  const std::size_t before = diag.errors.size();
  out.path = path;
  Parser p{path, out, diag};
  p.parse(text);
  return diag.errors.size() == before;
}

}  // namespace qel::maps
