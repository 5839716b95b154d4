#include "app/app.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

#include "app/data_paths.h"
#include "app/settings_file.h"
#include "autopilot/autopilot_host.h"
#include "autopilot/report.h"
#include "enemy/debug_spawn.h"
#include "game.h"
#include "host/headless_host.h"
#include "hud/hitbox_view.h"
#include "platform/file_io.h"
#include "platform/png_io.h"
#include "replay/playback.h"
#include "replay/recording_host.h"
#include "shell/version.h"

namespace qel {

namespace {

bool ParseNumber(const std::string &text, long long lo, long long hi, long long *out) {
  try {
    std::size_t used = 0;
    long long v = std::stoll(text, &used);
    if (used != text.size() || v < lo || v > hi) return false;
    *out = v;
    return true;
  } catch (...) {
    return false;
  }
}

// "STAGE:T", the stage 1..9 and the stage time of a supply ship.
bool ParseShop(const std::string &text, AppOptions *o) {
  std::size_t colon = text.find(':');
  long long stage = 0, t = 0;
  if (colon == std::string::npos || !ParseNumber(text.substr(0, colon), 1, 9, &stage) ||
      !ParseNumber(text.substr(colon + 1), -100, 9999, &t))
    return false;
  o->shopStage = static_cast<int>(stage);
  o->shopTime = static_cast<int>(t);
  return true;
}

std::string SheetsDir(const AppOptions &opts) {
  return opts.sheetsDir.empty() ? LocateData(ExecutableDir()).sheetsDir : opts.sheetsDir;
}

template <typename Table>
int CountLive(const Table &table) {
  int n = 0;
  for (const auto &rec : table) n += rec.FLAG != 0 ? 1 : 0;
  return n;
}

bool LoadScript(const std::string &path, Host &host, std::string *error) {
  auto *headless = dynamic_cast<HeadlessHost *>(&host);
  std::string text, why;
  if (ReadWholeFile(path, &text, &why) != ReadResult::Ok) {
    *error = "cannot read the input script " + why;
    return false;
  }
  std::vector<ScriptedEvent> events;
  if (!ParseInputScript(text, &events, error)) {
    *error = path + ": " + *error;
    return false;
  }
  if (!headless) {
    *error = "--script needs --headless";
    return false;
  }
  headless->AddScript(events);
  return true;
}

bool WriteTextFile(const std::string &path, const std::string &text) {
  std::ofstream f(path, std::ios::binary);
  f << text;
  return static_cast<bool>(f);
}

// The screenshot is the game's picture; with the hit boxes shown it is the picture as presented,
// outlines and all, which the headless host keeps.
void WriteOutputs(const AppOptions &opts, const Game &g, const Host *host = nullptr) {
  if (!opts.screenshot.empty()) {
    std::string error;
    const auto *headless = dynamic_cast<const HeadlessHost *>(host);
    const Surface &picture = opts.hitboxes && headless ? headless->lastFrame : g.surf.MSCREEN;
    if (!WritePng(opts.screenshot, picture, {}, &error))
      std::fprintf(stderr, "qelvane: cannot write the screenshot: %s\n", error.c_str());
  }
  if (!opts.dumpState.empty() && !WriteTextFile(opts.dumpState, DumpStateJson(g) + "\n"))
    std::fprintf(stderr, "qelvane: cannot write %s\n", opts.dumpState.c_str());
}

int RunReplay(const AppOptions &opts, Host &host, std::shared_ptr<const SheetSet> sheets,
              std::shared_ptr<TextRenderer> text, const std::string &dataDir) {
  Replay replay;
  std::string error;
  if (!ReadReplayFile(opts.replayFile, &replay, &error)) {
    std::fprintf(stderr, "qelvane: %s\n", error.c_str());
    return 1;
  }
  PlaybackOptions playback;
  playback.verify = opts.verifyReplay;
  playback.paced = !opts.headless && !opts.verifyReplay;
  playback.finished = [&](const Game &g) { WriteOutputs(opts, g); };
  if (playback.paced) host.SetCaption(std::string(kGameCaption) + " - replay " + replay.mode);
  PlaybackResult result = PlayReplay(replay, host, std::move(sheets), std::move(text), dataDir, playback);
  if (!result.message.empty()) {
    std::fprintf(stderr, "qelvane: %s: %s\n", opts.replayFile.c_str(), result.message.c_str());
    return 1;
  }
  if (opts.verifyReplay)
    std::printf("%s: verified, %llu passes, %zu state hashes match\n", opts.replayFile.c_str(),
                static_cast<unsigned long long>(replay.endPass - replay.startPass), replay.hashes.size());
  return result.exitCode;
}

}  // namespace

std::string ExecutableDir() {
  char buf[4096];
  ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return ".";
  std::string path(buf, static_cast<std::size_t>(n));
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

std::string UsageText() {
  return "usage: qelvane [--data DIR] [--seed N] [--scale N] [--window|--fullscreen] [--headless]\n"
         "               [--music-volume 0..100] [--sound-volume 0..100] [--config FILE|--no-config]\n"
         "               [--hitboxes]\n"
         "               [--script FILE] [--passes N] [--screenshot FILE.png]\n"
         "               [--dump-state FILE.json] [--list-sheets] [--gallery PAGE]\n"
         "               [--stage N [--mission M] [--difficulty hard|normal]] [--invincible]\n"
         "               [--shop STAGE:T] [--spawn TYPE[@POS][,TYPE[@POS]...]] [--ending met|alone]\n"
         "               [--autopilot [--autopilot-skill 0..3]] [--report FILE.json\n"
         "                   [--stop-at-stage-end|--stop-at-game-end]]\n"
         "               [--record FILE.qrp] [--replay FILE.qrp] [--verify-replay FILE.qrp]\n"
         "               [--pacing-log FILE]\n"
         "               [--help] [--version]\n";
}

std::string VersionText() { return std::string(kGameCaption) + "\n"; }

bool ParseCommandLine(const std::vector<std::string> &args, AppOptions *o, std::string *error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string &a = args[i];
    auto value = [&](std::string *out) {
      if (i + 1 >= args.size()) return false;
      *out = args[++i];
      return true;
    };
    std::string v;
    long long n = 0;
    bool ok = true;
    if (a == "--data") {
      ok = value(&o->dataDir);
    } else if (a == "--seed") {
      ok = value(&v) && ParseNumber(v, 0, INT64_MAX, &n);
      o->seed = static_cast<std::uint64_t>(n);
      o->seeded = true;
    } else if (a == "--scale") {
      ok = value(&v) && ParseNumber(v, 0, 8, &n);
      o->scale = static_cast<int>(n);
    } else if (a == "--music-volume" || a == "--sound-volume") {
      ok = value(&v) && ParseNumber(v, 0, 100, &n);
      (a == "--music-volume" ? o->musicVolume : o->soundVolume) = static_cast<int>(n);
    } else if (a == "--config") {
      ok = value(&o->configFile) && !o->configFile.empty();
    } else if (a == "--passes") {
      ok = value(&v) && ParseNumber(v, 1, INT64_MAX, &n);
      o->passes = static_cast<std::uint64_t>(n);
    } else if (a == "--stage") {
      ok = value(&v) && ParseNumber(v, 1, 9, &n);
      o->stage = static_cast<int>(n);
    } else if (a == "--shop") {
      ok = value(&v) && ParseShop(v, o);
    } else if (a == "--mission") {
      ok = value(&v) && ParseNumber(v, 0, 7, &n);
      o->mission = static_cast<int>(n);
    } else if (a == "--difficulty") {
      ok = value(&v) && (v == "hard" || v == "normal");
      o->difficulty = v == "hard" ? 0 : 1;
    } else if (a == "--spawn") {
      std::string spawnError;
      ok = value(&v) && ParseSpawnList(v, &o->spawns, &spawnError);
      if (!ok && !spawnError.empty()) {
        *error = "--spawn: " + spawnError;
        return false;
      }
    } else if (a == "--ending") {
      ok = value(&v) && (v == "met" || v == "alone");
      o->ending = v == "met" ? 1 : 2;
    } else if (a == "--gallery") {
      ok = value(&v) && ParseNumber(v, 1, 1000, &n);
      o->galleryPage = static_cast<int>(n);
    } else if (a == "--window" || a == "--fullscreen") {
      o->screenMode = a == "--window" ? 1 : 0;
    } else if (a == "--autopilot-skill") {
      ok = value(&v) && ParseNumber(v, 0, kPilotSkillMax, &n);
      o->autopilotSkill = static_cast<int>(n);
      o->autopilot = true;
    } else if (a == "--report") {
      ok = value(&o->report);
    } else if (a == "--record") {
      ok = value(&o->recordFile);
    } else if (a == "--replay" || a == "--verify-replay") {
      ok = value(&o->replayFile);
      o->verifyReplay = a == "--verify-replay";
      o->headless |= o->verifyReplay;
    } else if (a == "--pacing-log") {
      ok = value(&o->pacingLog);
    } else if (a == "--script") {
      ok = value(&o->scriptFile);
    } else if (a == "--screenshot") {
      ok = value(&o->screenshot);
    } else if (a == "--dump-state") {
      ok = value(&o->dumpState);
    } else if (a == "--headless" || a == "--list-sheets" || a == "--help" || a == "-h" || a == "--version" ||
               a == "--invincible" || a == "--autopilot" || a == "--stop-at-stage-end" ||
               a == "--stop-at-game-end" || a == "--no-config" || a == "--hitboxes") {
      o->noConfig |= a == "--no-config";
      o->hitboxes |= a == "--hitboxes";
      o->autopilot |= a == "--autopilot";
      o->stopAtStageEnd |= a == "--stop-at-stage-end";
      o->stopAtGameEnd |= a == "--stop-at-game-end";
      o->headless |= a == "--headless";
      o->invincible |= a == "--invincible";
      o->listSheets |= a == "--list-sheets";
      o->help |= a == "--help" || a == "-h";
      o->version |= a == "--version";
    } else {
      *error = "unknown option " + a;
      return false;
    }
    if (!ok) {
      *error = "option " + a + " needs a valid value";
      return false;
    }
  }
  if (o->noConfig && !o->configFile.empty()) {
    *error = "--config and --no-config cannot go together";
    return false;
  }
  if (!o->spawns.empty() && o->stage == 0) {
    *error = "--spawn needs --stage";
    return false;
  }
  return true;
}

std::string SettingsPathFor(const AppOptions &opts) {
  if (opts.noConfig) return "";
  return opts.configFile.empty() ? DefaultSettingsPath() : opts.configFile;
}

void ApplyCommandLine(const AppOptions &opts, UserSettings *settings) {
  if (opts.scale >= 0) settings->scale = opts.scale;
  if (opts.musicVolume >= 0) settings->musicVolume = opts.musicVolume;
  if (opts.soundVolume >= 0) settings->soundVolume = opts.soundVolume;
  settings->hitboxes |= opts.hitboxes;
}

std::string DumpStateJson(const Game &g) {
  const Player &p = g.player;
  std::ostringstream j;
  j << "{\"passes\": " << g.shell.passes << ", \"scene\": " << g.shell.SCENE
    << ", \"phase\": " << g.shell.PHASE << ", \"stage\": " << g.stage.STAGE
    << ", \"stagetime\": " << g.stage.STAGETIME << ", \"mission\": " << g.stage.MISSION
    << ", \"score\": " << p.SCORE << ", \"shield\": " << p.SHIELD << ", \"shieldmax\": " << p.SHIELDMAX
    << ", \"gauge\": " << p.GAUGE << ", \"credit\": " << p.CREDIT << ", \"pstate\": " << p.PSTATE
    << ", \"enemies\": " << CountLive(g.enemies.ENEMY) << ", \"bullets\": " << CountLive(g.enemies.ESHOT)
    << ", \"shots\": " << CountLive(p.PSHOT) << ", \"effects\": " << CountLive(g.effects.EFFECT) << "}";
  return j.str();
}

int ListSheets(const AppOptions &opts) {
  std::string error;
  auto sheets = SheetSet::Load(SheetsDir(opts), &error);
  if (!sheets) {
    std::fprintf(stderr, "qelvane: %s\n", error.c_str());
    return 1;
  }
  for (const SheetSpec &s : SheetCatalogue())
    std::printf("%s %d %dx%d %s\n", FamilyName(s.family), s.index, s.w, s.h,
                sheets->diagnostic(s.family, s.index) ? "diagnostic" : "art");
  return 0;
}

int RunGame(const AppOptions &opts, Host &host) {
  std::string error;
  auto sheets = SheetSet::Load(SheetsDir(opts), &error);
  auto text = sheets ? TextRenderer::Open(TextRenderer::DefaultFontPath(), &error) : nullptr;
  if (!sheets || !text || (!opts.scriptFile.empty() && !LoadScript(opts.scriptFile, host, &error))) {
    std::fprintf(stderr, "qelvane: %s\n", error.c_str());
    return 1;
  }
  const DataPaths found = LocateData(ExecutableDir());
  std::string dataDir = opts.dataDir.empty() ? found.dataDir : opts.dataDir;
  if (!opts.replayFile.empty()) return RunReplay(opts, host, sheets, text, dataDir);
  GameConfig cfg;
  cfg.dataDir = dataDir;
  // An installed game's data is the package's: the player's save lives in the player's folder.
  cfg.saveInUserDir = found.installed && opts.dataDir.empty();
  cfg.seed = opts.seed;
  cfg.seeded = opts.seeded;
  cfg.screenMode = opts.screenMode;
  cfg.galleryPage = opts.galleryPage;
  cfg.startStage = opts.stage;
  cfg.startMission = opts.mission;
  cfg.difficulty = opts.difficulty;
  cfg.spawns = opts.spawns;
  cfg.invincible = opts.invincible;
  cfg.shopStage = opts.shopStage;
  cfg.ending = opts.ending;
  cfg.shopTime = opts.shopTime;
  // The layers between the game and the host, innermost first.
  std::vector<std::unique_ptr<HostDecorator>> layers;
  Host *top = &host;
  auto addLayer = [&](std::unique_ptr<HostDecorator> layer) {
    top = layer.get();
    layers.push_back(std::move(layer));
  };
  if (opts.autopilot) addLayer(std::make_unique<AutopilotHost>(*top, opts.autopilotSkill));
  // It draws over the picture on its way to the screen and changes nothing the game reads.
  if (opts.hitboxes) addLayer(std::make_unique<HitboxView>(*top));
  ReportHost *reportHost = nullptr;
  if (!opts.report.empty()) {
    addLayer(std::make_unique<ReportHost>(*top));
    reportHost = static_cast<ReportHost *>(top);
    reportHost->stopWhenStageEnds = opts.stopAtStageEnd;
    reportHost->stopWhenGameEnds = opts.stopAtGameEnd;
  }
  // Every game played in the window is kept in the player's replay folder.
  RecordingOptions recording;
  recording.file = opts.recordFile;
  if (!opts.headless && !host.UserDataDir().empty()) recording.folder = host.UserDataDir() + "replays";
  RecordingHost *recorder = nullptr;
  if (!recording.file.empty() || !recording.folder.empty()) {
    addLayer(std::make_unique<RecordingHost>(*top, recording));
    recorder = static_cast<RecordingHost *>(top);
  }
  auto game = std::make_unique<Game>(*top, sheets, text, cfg);
  for (auto &layer : layers) layer->Attach(*game);
  game->shell.maxPasses = opts.passes;
  int code = Main(*game);
  if (recorder) recorder->Finish();
  WriteOutputs(opts, *game, &host);
  if (reportHost && !WriteTextFile(opts.report, reportHost->report.Json() + "\n")) {
    std::fprintf(stderr, "qelvane: cannot write %s\n", opts.report.c_str());
    if (code == 0) code = 1;
  }
  return code;
}

}  // namespace qel
