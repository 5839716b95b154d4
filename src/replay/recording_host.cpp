#include "replay/recording_host.h"

#include <sys/stat.h>

#include <cstdio>
#include <ctime>

#include "game.h"
#include "replay/state.h"
#include "save/save.h"
#include "shell/version.h"

namespace qel {

namespace {

std::string Varints(std::initializer_list<std::int64_t> values) {
  std::string out;
  for (std::int64_t v : values) PutVarint(out, ZigZag(v));
  return out;
}

// Reads exactly n zig-zag varints; false if the value holds anything else.
bool ReadVarints(const std::string &value, std::size_t pos, std::int64_t *out, int n) {
  for (int i = 0; i < n; ++i) {
    std::uint64_t v = 0;
    if (!GetVarint(value, &pos, &v)) return false;
    out[i] = UnZigZag(v);
  }
  return pos == value.size();
}

std::string ModeName(const Game &g, ReplayStart start) {
  if (start == ReplayStart::Program) {
    if (g.config.shopStage > 0) return "shop" + std::to_string(g.config.shopStage);
    if (g.config.ending > 0) return "ending";
    return "stage" + std::to_string(g.config.startStage);
  }
  switch (g.stage.STAGE) {
    case 7: return "extra";
    case 8: return "boss";
    default: return "story";
  }
}

bool StartedByCommandLine(const GameConfig &c) { return c.startStage > 0 || c.shopStage > 0 || c.ending > 0; }

bool IsFile(const std::string &path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0;
}

}  // namespace

std::string EncodeEvent(bool got, const HostEvent &ev) {
  if (!got) return std::string(1, '\0');
  return std::string(1, '\1') + Varints({static_cast<int>(ev.kind), ev.key, static_cast<int>(ev.menu)});
}

bool DecodeEvent(const std::string &value, bool *result, HostEvent *ev) {
  if (value.size() == 1 && value[0] == '\0') return *result = false, true;
  std::int64_t v[3];
  if (value.empty() || value[0] != '\1' || !ReadVarints(value, 1, v, 3)) return false;
  if (v[0] < 0 || v[0] > static_cast<int>(HostEvent::kLastKind) || v[2] < 0 || v[2] >= kMenuItems)
    return false;
  ev->kind = static_cast<HostEvent::Kind>(v[0]);
  ev->key = static_cast<int>(v[1]);
  ev->menu = static_cast<MenuItem>(v[2]);
  return *result = true, true;
}

std::string EncodeJoyRead(bool ok, const JoyPos &pos) {
  return Varints({ok ? 1 : 0, pos.x, pos.y, static_cast<std::int64_t>(pos.buttons)});
}

bool DecodeJoyRead(const std::string &value, bool *result, JoyPos *pos) {
  std::int64_t v[4];
  if (!ReadVarints(value, 0, v, 4)) return false;
  *result = v[0] != 0;
  pos->x = static_cast<int>(v[1]), pos->y = static_cast<int>(v[2]);
  pos->buttons = static_cast<std::uint32_t>(v[3]);
  return true;
}

std::string EncodeJoyCaps(bool ok, const JoyCaps &caps) {
  return Varints({ok ? 1 : 0, caps.xmin, caps.xmax, caps.ymin, caps.ymax, caps.buttons});
}

bool DecodeJoyCaps(const std::string &value, bool *result, JoyCaps *caps) {
  std::int64_t v[6];
  if (!ReadVarints(value, 0, v, 6)) return false;
  *result = v[0] != 0;
  caps->xmin = static_cast<int>(v[1]), caps->xmax = static_cast<int>(v[2]);
  caps->ymin = static_cast<int>(v[3]), caps->ymax = static_cast<int>(v[4]);
  caps->buttons = static_cast<int>(v[5]);
  return true;
}

RecordingHost::RecordingHost(Host &inner, RecordingOptions options)
    : HostDecorator(inner), options_(std::move(options)) {}

void RecordingHost::Attach(const Game &game) {
  HostDecorator::Attach(game);
  gamesSeen_ = game.shell.gamesStarted;
  if (StartedByCommandLine(game.config)) {
    Start(ReplayStart::Program);
    ++gamesSeen_;  // start-up sets that game up: it is this recording's, not a new one
  }
}

void RecordingHost::Start(ReplayStart start) {
  const Game &g = *game_;
  replay_ = Replay{};
  replay_.gameVersion = kGameVersion;
  replay_.seed = g.config.seed;
  replay_.seeded = g.config.seeded;
  replay_.start = start;
  replay_.mode = ModeName(g, start);
  replay_.startPass = g.shell.passes;
  replay_.state = start == ReplayStart::Snapshot ? SavePlayState(g) : SaveStartConfig(g.config);
  if (start == ReplayStart::Snapshot) {
    // The settings as the save would hold them now (the state itself carries them exactly).
    std::array<std::int16_t, 16> values{};
    for (int i = 0; i < 16; ++i) values[i] = static_cast<std::int16_t>(g.settings.OPTION[i]);
    values[0] = static_cast<std::int16_t>(g.settings.DIFF);
    values[1] = static_cast<std::int16_t>(g.shell.WAITMS);
    replay_.settings = EncodeSave(values);
    replay_.settingsCount = kSaveFileSize;
    replay_.hashes.emplace_back(g.shell.passes, PlayStateHash(g));
  }
  lastClock_ = 0;
  recording_ = true;
}

void RecordingHost::Stop(ReplayEnd end) {
  if (!recording_) return;
  const Game &g = *game_;
  recording_ = false;
  if (replay_.start == ReplayStart::Program) {
    // Start-up read the save after the recording began: what it read is the start's settings.
    const auto &loaded = g.settings.loadedBytes;
    replay_.settingsCount = static_cast<std::uint8_t>(loaded.size());
    std::copy(loaded.begin(), loaded.end(), replay_.settings.begin());
  }
  replay_.end = end;
  replay_.endPass = g.shell.passes;
  if (replay_.hashes.empty() || replay_.hashes.back().first != replay_.endPass || end != ReplayEnd::Title)
    replay_.hashes.emplace_back(replay_.endPass, PlayStateHash(g));
  Write();
}

void RecordingHost::Write() {
  std::string error;
  std::vector<std::string> paths;
  if (!options_.file.empty()) paths.push_back(options_.file);
  if (!options_.folder.empty()) {
    mkdir(options_.folder.c_str(), 0755);
    char stamp[32];
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &local);
    std::string base = options_.folder + "/" + stamp + "_" + replay_.mode;
    std::string path = base + ".qrp";
    for (int n = 2; IsFile(path); ++n) path = base + "-" + std::to_string(n) + ".qrp";
    paths.push_back(path);
    paths.push_back(options_.folder + "/last.qrp");
  }
  for (const std::string &path : paths) {
    if (WriteReplayFile(path, replay_, &error)) {
      written_.push_back(path);
    } else {
      std::fprintf(stderr, "qelvane: the replay was not saved: %s\n", error.c_str());
    }
  }
}

void RecordingHost::BeginPass(std::uint64_t pass, PassKind kind) {
  HostDecorator::BeginPass(pass, kind);
  if (!game_) return;
  const Game &g = *game_;
  if (kind == PassKind::Main) {
    bool newGame = g.shell.gamesStarted != gamesSeen_;
    gamesSeen_ = g.shell.gamesStarted;
    if (newGame) {
      Stop(ReplayEnd::Title);
      Start(ReplayStart::Snapshot);
      return;
    }
    if (recording_ && (g.shell.SCENE == kSceneTitle || g.shell.SCENE == kSceneOpening)) {
      Stop(ReplayEnd::Title);
      return;
    }
  }
  if (recording_ && (pass - replay_.startPass) % replay_.hashInterval == 0)
    replay_.hashes.emplace_back(pass, PlayStateHash(g));
}

void RecordingHost::Finish() {
  if (!recording_ || !game_) return;
  const Shell &sh = game_->shell;
  Stop(sh.maxPasses != 0 && sh.passes >= sh.maxPasses ? ReplayEnd::PassLimit : ReplayEnd::Program);
}

void RecordingHost::Record(ReadKind kind, int arg, const std::string &value) {
  if (recording_) replay_.channels[{kind, arg}].Append(value);
}

std::uint64_t RecordingHost::NowMs() {
  std::uint64_t now = inner_.NowMs();
  if (recording_) {
    Record(ReadKind::Clock, 0, Varints({static_cast<std::int64_t>(now - lastClock_)}));
    lastClock_ = now;
  }
  return now;
}

bool RecordingHost::WaitEvent(HostEvent &ev, int timeoutMs) {
  bool got = inner_.WaitEvent(ev, timeoutMs);
  Record(ReadKind::Event, 0, EncodeEvent(got, ev));
  return got;
}

bool RecordingHost::KeyDown(int vkCode) {
  bool down = inner_.KeyDown(vkCode);
  Record(ReadKind::Key, vkCode, std::string(1, down ? '\1' : '\0'));
  return down;
}

int RecordingHost::JoyCount() {
  int n = inner_.JoyCount();
  Record(ReadKind::JoyCount, 0, Varints({n}));
  return n;
}

bool RecordingHost::JoyRead(int id, JoyPos &pos) {
  bool ok = inner_.JoyRead(id, pos);
  Record(ReadKind::JoyRead, id, EncodeJoyRead(ok, pos));
  return ok;
}

bool RecordingHost::JoyGetCaps(int id, JoyCaps &caps) {
  bool ok = inner_.JoyGetCaps(id, caps);
  Record(ReadKind::JoyCaps, id, EncodeJoyCaps(ok, caps));
  return ok;
}

}  // namespace qel
