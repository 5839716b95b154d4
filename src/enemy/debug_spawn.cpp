#include "enemy/debug_spawn.h"

#include <sstream>

#include "enemy/catalogue.h"
#include "game.h"

namespace qel {

namespace {

bool ReadWhole(const std::string &text, int lo, int hi, int *out) {
  if (text.empty() || text.size() > 4 || text.find_first_not_of("0123456789") != std::string::npos)
    return false;
  int v = std::stoi(text);
  if (v < lo || v > hi) return false;
  *out = v;
  return true;
}

bool ReadItem(const std::string &item, DebugSpawn *spawn, std::string *error) {
  std::size_t at = item.find('@');
  std::string type = item.substr(0, at), pos = at == std::string::npos ? "0" : item.substr(at + 1);
  if (!ReadWhole(type, 1, 999, &spawn->type) || !ReadWhole(pos, 0, 999, &spawn->pos)) {
    *error = "cannot read the enemy \"" + item + "\" (TYPE or TYPE@POS)";
    return false;
  }
  if (!HasCatalogueEntry(spawn->type, spawn->pos)) {
    *error = "there is no enemy of type " + type + " at position " + pos;
    return false;
  }
  return true;
}

}  // namespace

bool ParseSpawnList(const std::string &text, std::vector<DebugSpawn> *out, std::string *error) {
  std::vector<DebugSpawn> spawns;
  std::istringstream items(text);
  std::string item;
  while (std::getline(items, item, ',')) {
    DebugSpawn spawn;
    if (!ReadItem(item, &spawn, error)) return false;
    spawns.push_back(spawn);
  }
  if (spawns.empty() || text.back() == ',') {
    *error = "--spawn needs a list of enemies";
    return false;
  }
  *out = spawns;
  return true;
}

void SpawnDebugEnemies(Game &g, int clockBefore) {
  if (g.config.startStage <= 0 || clockBefore >= 0 || g.stage.STAGETIME < 0) return;
  for (const DebugSpawn &s : g.config.spawns) SpawnEnemy(g, s.pos, s.type);
}

}  // namespace qel
