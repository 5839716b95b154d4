#include "save/save.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "game.h"
#include "platform/file_io.h"

namespace qel {

namespace {

// The range each setting may hold; anything else in a loaded file is replaced by the default.
struct OptionRange {
  int lo, hi, def;
  bool checked;  // unused elements are kept as they are
};

constexpr OptionRange kRanges[16] = {
    {0, 2, 1, true},                      // difficulty: HARD, NORMAL, EASY
    {0, 60, 30, true},                    // minimum pass time in ms
    {0, 1, 0, true},                      // music off
    {0, 1, 0, true},                      // sound off
    {0, 3, 0, true},                      // story clear marks
    {0, 3, 0, true},                      // extra clear marks
    {0, 3, 0, true},                      // boss clear marks
    {0, 1, 1, true},                      // 1 window, 0 full screen
    {0, 1, 0, true},                      // mouse cursor shown
    {0, 0, 0, false},  {1, 12, 1, true},  // joystick buttons: SHOT, CHANGE, BOMB, PAUSE
    {1, 12, 2, true},  {1, 12, 3, true}, {1, 12, 4, true}, {0, 0, 0, false}, {0, 0, 0, false},
};

bool DirWritable(const std::string &dir) { return access(dir.c_str(), W_OK | X_OK) == 0; }

bool FileExists(const std::string &path) { return access(path.c_str(), F_OK) == 0; }

// A save is 32 bytes; whatever follows them is kept as it is, up to this much.
constexpr std::size_t kMaxSaveBytes = 1 << 20;

// The save's bytes, or none when there is no readable file; a file that is there but cannot be
// read is reported.
std::vector<std::uint8_t> ReadSaveFile(const std::string &path) {
  std::string bytes, error;
  const ReadResult r = ReadWholeFile(path, &bytes, &error, kMaxSaveBytes);
  if (r != ReadResult::Ok && r != ReadResult::Missing)
    std::fprintf(stderr, "qelvane: %s; the settings start from their defaults\n", error.c_str());
  return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

// A damaged save (cut short by a write that never finished) is kept beside it before the next
// save replaces it, under the first free name of data.dat.damaged, data.dat.damaged.2 ...
void KeepDamagedSave(const std::string &path, const std::vector<std::uint8_t> &bytes) {
  std::string kept = path + ".damaged";
  for (int n = 2; FileExists(kept) && n < 100; ++n) kept = path + ".damaged." + std::to_string(n);
  std::string error;
  if (FileExists(kept) || !WriteFileSafely(kept, std::string(bytes.begin(), bytes.end()), &error)) {
    std::fprintf(stderr, "qelvane: %s is damaged (%zu bytes) and could not be kept: %s\n", path.c_str(),
                 bytes.size(), error.empty() ? "too many kept already" : error.c_str());
    return;
  }
  std::fprintf(stderr,
               "qelvane: %s is damaged (%zu bytes instead of %d); the settings start from their defaults "
               "and the damaged file is kept as %s\n",
               path.c_str(), bytes.size(), kSaveFileSize, kept.c_str());
}

std::string UserSavePath(Game &g) {
  std::string dir = g.host.UserDataDir();
  if (dir.empty()) return "";
  if (dir.back() != '/') dir += '/';
  return dir + "data.dat";
}

}  // namespace

std::array<int, 16> DefaultOptions() {
  std::array<int, 16> o{};
  for (int i = 0; i < 16; ++i) o[i] = kRanges[i].def;
  return o;
}

void ValidateOptions(std::array<int, 16> &option) {
  for (int i = 0; i < 16; ++i) {
    const OptionRange &r = kRanges[i];
    if (r.checked && (option[i] < r.lo || option[i] > r.hi)) option[i] = r.def;
  }
}

std::array<std::uint8_t, kSaveFileSize> EncodeSave(const std::array<std::int16_t, 16> &values) {
  std::array<std::uint8_t, kSaveFileSize> bytes{};
  for (int i = 0; i < 16; ++i) {
    auto v = static_cast<std::uint16_t>(values[i]);
    bytes[2 * i] = static_cast<std::uint8_t>(v & 0xFF);
    bytes[2 * i + 1] = static_cast<std::uint8_t>(v >> 8);
  }
  return bytes;
}

std::string SavePath(Game &g) {
  std::string local = g.config.dataDir + "/data.dat";
  if (DirWritable(g.config.dataDir) && !g.config.saveInUserDir) return local;
  std::string user = UserSavePath(g);
  return user.empty() ? local : user;
}

void LoadSave(Game &g) {
  std::string path = SavePath(g);
  // An installed game whose player has not saved yet may still ship a file in its data folder.
  if (!FileExists(path)) path = g.config.dataDir + "/data.dat";
  std::vector<std::uint8_t> bytes = g.config.useSaveBytes ? g.config.saveBytes : ReadSaveFile(path);
  g.settings.loadedBytes.assign(bytes.begin(),
                                bytes.begin() + std::min<std::size_t>(bytes.size(), kSaveFileSize));
  // A short file is a damaged one (a write that was cut off): keep every default, and the file.
  if (bytes.size() < static_cast<std::size_t>(kSaveFileSize)) {
    if (!bytes.empty() && !g.config.useSaveBytes && g.config.writeSave) KeepDamagedSave(path, bytes);
    return;
  }
  Settings &s = g.settings;
  for (int i = 0; i < 16; ++i) {
    s.SAVEBUF[i] = static_cast<std::int16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    s.OPTION[i] = s.SAVEBUF[i];
  }
  ValidateOptions(s.OPTION);
}

bool WriteSave(Game &g) {
  Settings &s = g.settings;
  s.OPTION[kOptDifficulty] = s.DIFF;
  s.OPTION[kOptFrameTime] = g.shell.WAITMS;
  for (int i = 0; i < 16; ++i) s.SAVEBUF[i] = static_cast<std::int16_t>(s.OPTION[i]);
  if (!g.config.writeSave) return true;  // a replay: the player's save stays as it is

  std::string path = SavePath(g);
  std::string bytes, error;
  ReadWholeFile(path, &bytes, nullptr, kMaxSaveBytes);  // bytes beyond the settings are kept
  if (bytes.size() < static_cast<std::size_t>(kSaveFileSize)) bytes.resize(kSaveFileSize);
  auto head = EncodeSave(s.SAVEBUF);
  std::copy(head.begin(), head.end(), bytes.begin());

  // A program killed in the middle of saving leaves the previous save intact.
  if (!WriteFileSafely(path, bytes, &error)) {
    std::fprintf(stderr, "qelvane: the settings could not be saved: %s\n", error.c_str());
    return false;
  }
  return true;
}

void InitTables(Game &g) {
  Player &p = g.player;
  Stage &st = g.stage;
  Settings &s = g.settings;
  for (int i = 0; i <= 10; ++i) p.PSTAT[i] = 0;
  s.OPTION = DefaultOptions();
  g.shop.BOUGHT.fill(0);
  SetCatalogueTexts(g.shop);
  LoadSave(g);
  // A joystick button set to "none" lasts only until the program ends (done by the validation).
  g.shell.WAITMS = s.OPTION[kOptFrameTime];
  g.enemies.RANK = 1;
  s.DIFF = s.OPTION[kOptDifficulty];
  SetJoyButtons(g);
  SetStageNames(g.screens);
  p.FIREWAIT = {0, 6, 15, 10, 3, 7, 2, 5, 13};

  st.LSUB[0] = 0;
  p.PBANK = 0;
  p.HBX1 = 10, p.HBY1 = 3, p.HBX2 = 21, p.HBY2 = 15;
  st.STARSPEED = 2;
  p.PX = 234, p.PY = 400;
  g.enemies.ENMAX = 30;
  p.PSTAT[kStatRecoveryInterval] = 60;
  Equip(p, kStartUpEquipment);
  for (int i = 1; i <= 6; ++i) st.MISSIONS[i] = i;
  st.MISSIONS[7] = 10;
  st.MISSION = 6;
  p.SCORE = 0;
  st.STAGE = 6;
}

}  // namespace qel
