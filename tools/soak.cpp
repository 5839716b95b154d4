// qelvane_soak: the real game, headless, run after run, each from a seed of its own: the seed picks
// where the run starts (the opening, the title with its locks closed or all open, a stage, a
// shop, the ending, the gallery), its save file and how its random player behaves, and drives
// the keys, the pad, the window's menu and focus and the close box for a number of passes.
//
// Every run is a child process, so a crash, an abort or a sanitizer's report ends only that run:
// the soak then names its seed, what ended it, where the game was and the last lines the run
// wrote, and stops with exit code 1. A run that stops moving, or takes far longer than it
// should, is stopped and reported as a hang. What the runs visited (scenes, shop visits, demos,
// bosses, stages) is counted and printed at the end, and written as JSON with --json.
//
// Each run plays on a fresh copy of the data folder, so no save is touched, and the same seed
// and pass count always play the same run.
#include <fcntl.h>
#include <poll.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/data_paths.h"
#include "autopilot/autopilot_host.h"
#include "enemy/debug_spawn.h"
#include "game.h"
#include "host/headless_host.h"
#include "host/host_decorator.h"
#include "hud/hitbox_view.h"
#include "platform/sheets.h"
#include "platform/text.h"
#include "replay/state.h"
#include "save/save.h"
#include "screens/gallery.h"
#include "screens/screens.h"
#include "shell/scenes.h"
#include "shell/shell.h"
#include "shop/shop.h"

namespace qel {
namespace {

namespace fs = std::filesystem;

// ---- Random numbers ----------------------------------------------------------------------------

// A small generator of our own, so that a seed plays the same run with any standard library.
class Dice {
 public:
  explicit Dice(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // 0 .. n-1
  int Below(int n) { return n <= 1 ? 0 : static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
  int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }
  double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
  bool Chance(double p) { return p > 0 && Unit() < p; }
  // An index drawn by weight.
  template <std::size_t N>
  int Weighted(const std::array<int, N> &weights) {
    int total = 0;
    for (int w : weights) total += w;
    int r = Below(total);
    for (std::size_t i = 0; i < N; ++i) {
      if (r < weights[i]) return static_cast<int>(i);
      r -= weights[i];
    }
    return 0;
  }

 private:
  std::uint64_t state_;
};

// The plan and the input of a run draw from separate streams of its seed.
constexpr std::uint64_t kPlanStream = 0x51A7E0F0C0FFEEull;
constexpr std::uint64_t kInputStream = 0x1F9A7B3D5C2E4A6Bull;

// ---- What a run counts -------------------------------------------------------------------------

constexpr int kSceneSlots = 128;  // scene numbers 0..126; anything else counts in the last slot
constexpr int kOtherScene = kSceneSlots - 1;
constexpr int kStageSlots = 10;

enum EventKind : int {
  kEvGameKey,
  kEvLetter,
  kEvF1,
  kEvF2,
  kEvTab,
  kEvSpace,
  kEvEsc,
  kEvMenuFullScreen,
  kEvMenuReset,
  kEvMenuQuit,
  kEvClose,
  kEvFocusLost,
  kEvPadAdded,
  kEvPadRemoved,
  kEvPadMove,
  kEvPadButtons,
  kEvPadReadFails,
  kEvMusicEnded,
  kEvDemoInterrupted,
  kEventKinds
};

constexpr const char *kEventNames[kEventKinds] = {"game key presses",
                                                  "letter presses",
                                                  "F1",
                                                  "F2",
                                                  "Tab",
                                                  "Space",
                                                  "Esc",
                                                  "menu full screen",
                                                  "menu reset",
                                                  "menu quit",
                                                  "close box",
                                                  "focus lost",
                                                  "pad plugged in",
                                                  "pad pulled out",
                                                  "pad moves",
                                                  "pad buttons",
                                                  "pad read failures",
                                                  "music ended",
                                                  "demo interrupted"};

// Written by the run (the child) into memory it shares with the soak, so that what a run counted
// and where it was survive the run's crash.
struct Tally {
  std::uint64_t passes = 0;
  std::uint64_t scenePasses[kSceneSlots] = {};
  std::uint64_t sceneEntries[kSceneSlots] = {};
  std::uint64_t stagePasses[kStageSlots] = {};
  std::uint64_t shopVisits = 0, shopPasses = 0;
  std::uint64_t demos = 0, demoPictures = 0;
  std::uint64_t bosses = 0;
  std::uint64_t games = 0;
  std::uint64_t messageBoxes = 0;
  std::uint64_t events[kEventKinds] = {};
  // Where the game is now.
  int scene = -1, phase = 0, stage = 0, stageTime = 0, mission = 0;
  bool inShop = false, inDemo = false;
  // How the run ended.
  bool finished = false;  // Main returned
  int exitCode = 0;       // what Main returned
  std::uint64_t finalHash = 0;
  char firstMessageBox[240] = {};
};

struct Shared {
  std::atomic<std::uint64_t> progress{0};  // moves with every pass and every picture
  Tally tally;
};

Tally *g_tally = nullptr;  // the run's, in the child
Shared *g_shared = nullptr;
volatile std::sig_atomic_t g_interrupted = 0;  // Ctrl-C or a TERM signal to the soak

void OnInterrupt(int) { g_interrupted = 1; }

int SceneSlot(int scene) { return scene >= 0 && scene < kOtherScene ? scene : kOtherScene; }

// The shop's own step, counted: a visit begins with the first step of the supply ship's loop.
void CountedShopStep(Game &g, int shipTime) {
  if (!g_tally->inShop) {
    g_tally->inShop = true;
    ++g_tally->shopVisits;
  }
  RunShop(g, shipTime);
  if (g.shell.PHASE == kShopLeft) g_tally->inShop = false;
}

// ---- The run's plan ----------------------------------------------------------------------------

enum class StartKind { Opening, TitleLocked, TitleOpen, Stage, Shop, Ending, Gallery };
constexpr int kStartKinds = 7;
constexpr const char *kStartNames[kStartKinds] = {"opening", "title (locked)", "title (all open)", "stage",
                                                  "shop",    "ending",         "gallery"};

enum class SaveKind { None, Settings, AllOpen, Damaged };

// How the random player behaves.
struct InputStyle {
  const char *name;
  double activity;    // how often the game keys are pressed
  double rare;        // how often F1, F2, Tab, the menu, focus and the pad come
  double endRate;     // the chance per pass of Esc, the close box or the menu's quit
  double quietStart;  // the chance per pass of a spell with nothing pressed
  int quietMax;       // its longest length in passes
  bool dodge;         // the arrows are used in play
  bool mayQuit;       // the title's END may be chosen
  bool pilot;         // the autopilot flies; the random player only adds the window and the pad
  double demoBreak;   // the chance per wait of the demo that something is pressed
};

constexpr InputStyle kStyles[] = {
    {"player", 1.0, 1.0, 1.0 / 40000, 1.0 / 3000, 300, true, false, false, 1.0 / 400},
    {"chaos", 3.0, 8.0, 1.0 / 4000, 1.0 / 2000, 200, true, true, false, 1.0 / 50},
    {"idle", 0.5, 0.5, 1.0 / 60000, 1.0 / 100, 2500, true, false, false, 1.0 / 8000},
    {"no dodging", 1.0, 0.5, 1.0 / 60000, 1.0 / 5000, 300, false, false, false, 1.0 / 300},
    {"autopilot", 0.0, 0.3, 1.0 / 80000, 0.0, 0, true, false, true, 1.0 / 300},
};
constexpr std::array<int, 5> kStyleWeights = {35, 15, 10, 20, 20};
constexpr int kStyleCount = static_cast<int>(std::size(kStyles));

struct RunPlan {
  std::uint64_t seed = 0;
  StartKind start = StartKind::Opening;
  GameConfig config;
  std::string spawnText;
  SaveKind save = SaveKind::None;
  std::vector<std::uint8_t> saveBytes;
  bool hitboxes = false;
  int style = 0;
  int pilotSkill = 3;
};

// The times at which the stages' supply ships come, and the free shop.
constexpr int kShipTimes[] = {1400, 2800, 1200, 850, 810, 2410, -99};

std::vector<std::uint8_t> SettingsSave(Dice &d, int storyMarks, int extraMarks, int bossMarks) {
  std::array<std::int16_t, 16> v{};
  auto set = [&](int i, int value) { v[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(value); };
  static constexpr int kFrameTimes[] = {30, 30, 30, 30, 0, 1, 16, 60};
  set(kOptDifficulty, d.Below(3));
  set(kOptFrameTime, kFrameTimes[d.Below(8)]);
  set(kOptMusicOff, d.Chance(0.2) ? 1 : 0);
  set(kOptSoundOff, d.Chance(0.2) ? 1 : 0);
  set(kOptStoryClear, storyMarks);
  set(kOptExtraClear, extraMarks);
  set(kOptBossClear, bossMarks);
  set(kOptWindowed, d.Chance(0.7) ? 1 : 0);
  set(kOptCursorShown, d.Below(2));
  set(kOptButtonShot, d.Chance(0.7) ? 1 : d.Between(1, 12));
  set(kOptButtonChange, d.Chance(0.7) ? 2 : d.Between(1, 12));
  set(kOptButtonBomb, d.Chance(0.7) ? 3 : d.Between(1, 12));
  set(kOptButtonPause, d.Chance(0.7) ? 4 : d.Between(1, 12));
  auto bytes = EncodeSave(v);
  return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

// A few enemies placed by the command line's --spawn, each one the catalogue knows.
std::string RandomSpawns(Dice &d) {
  std::string list;
  int wanted = d.Between(1, 4);
  for (int tries = 0; tries < 60 && wanted > 0; ++tries) {
    std::string one = std::to_string(d.Between(1, 120));
    if (d.Chance(0.5)) one += "@" + std::to_string(d.Below(10));
    std::vector<DebugSpawn> parsed;
    std::string error;
    if (!ParseSpawnList(one, &parsed, &error)) continue;
    list += (list.empty() ? "" : ",") + one;
    --wanted;
  }
  return list;
}

RunPlan PlanRun(std::uint64_t seed) {
  Dice d(seed ^ kPlanStream);
  RunPlan p;
  p.seed = seed;
  GameConfig &c = p.config;
  c.seed = seed;
  c.seeded = true;
  static constexpr std::array<int, kStartKinds> kStartWeights = {10, 12, 16, 36, 14, 10, 2};
  p.start = static_cast<StartKind>(d.Weighted(kStartWeights));
  switch (p.start) {
    case StartKind::Opening: break;
    case StartKind::TitleLocked: p.save = SaveKind::Settings; break;
    case StartKind::TitleOpen: p.save = SaveKind::AllOpen; break;
    case StartKind::Stage:
      c.startStage = d.Between(1, 9);
      c.startMission = d.Below(8);
      c.difficulty = d.Below(2);
      if (d.Chance(0.15)) p.spawnText = RandomSpawns(d);
      break;
    case StartKind::Shop:
      c.shopStage = d.Between(1, 9);
      c.shopTime = d.Chance(0.8) ? kShipTimes[d.Below(static_cast<int>(std::size(kShipTimes)))]
                                 : d.Between(-100, 9999);
      c.startMission = d.Below(8);
      c.difficulty = d.Below(2);
      break;
    case StartKind::Ending: c.ending = d.Between(1, 2); break;
    case StartKind::Gallery: c.galleryPage = d.Between(1, std::max(1, GalleryPages())); break;
  }
  if (!p.spawnText.empty()) {
    std::string error;
    ParseSpawnList(p.spawnText, &c.spawns, &error);
  }
  if (p.save == SaveKind::None) {
    static constexpr std::array<int, 3> kSaveWeights = {50, 35, 15};
    int kind = d.Weighted(kSaveWeights);
    p.save = kind == 0 ? SaveKind::None : kind == 1 ? SaveKind::Settings : SaveKind::Damaged;
  }
  switch (p.save) {
    case SaveKind::None: break;
    case SaveKind::Settings:
      p.saveBytes = p.start == StartKind::TitleLocked ? SettingsSave(d, 0, 0, 0)
                                                      : SettingsSave(d, d.Below(4), d.Below(4), d.Below(4));
      break;
    case SaveKind::AllOpen: p.saveBytes = SettingsSave(d, 3, 3, 3); break;
    case SaveKind::Damaged:
      p.saveBytes.resize(static_cast<std::size_t>(d.Between(0, 40)));
      for (auto &b : p.saveBytes) b = static_cast<std::uint8_t>(d.Below(256));
      break;
  }
  c.invincible = d.Chance(0.3);
  c.saveInUserDir = d.Chance(0.1);
  c.screenMode = d.Chance(0.1) ? d.Below(2) : -1;
  p.hitboxes = d.Chance(0.15);
  p.style = d.Weighted(kStyleWeights);
  p.pilotSkill = d.Below(kPilotSkillMax + 1);
  return p;
}

std::string Describe(const RunPlan &p) {
  const GameConfig &c = p.config;
  std::ostringstream s;
  s << kStartNames[static_cast<int>(p.start)];
  if (c.startStage > 0) s << " " << c.startStage << " mission " << c.startMission;
  if (c.shopStage > 0) s << " " << c.shopStage << ":" << c.shopTime << " mission " << c.startMission;
  if (c.difficulty >= 0) s << (c.difficulty == 0 ? " hard" : " normal");
  if (c.ending > 0) s << (c.ending == 1 ? " met" : " alone");
  if (c.galleryPage > 0) s << " page " << c.galleryPage;
  if (!p.spawnText.empty()) s << " spawn " << p.spawnText;
  if (c.invincible) s << ", invincible";
  static constexpr const char *kSaveNames[] = {"no save", "a save", "all marks", "a damaged save"};
  s << ", " << kSaveNames[static_cast<int>(p.save)];
  if (c.saveInUserDir) s << " in the user folder";
  if (c.screenMode >= 0) s << (c.screenMode == 0 ? ", full screen" : ", window");
  if (p.hitboxes) s << ", hit boxes";
  s << ", " << kStyles[p.style].name;
  if (kStyles[p.style].pilot) s << " " << p.pilotSkill;
  return s.str();
}

// ---- The random player -------------------------------------------------------------------------

struct KeyRule {
  int vk;
  double playPress, playRelease;  // chances per pass in play
  double menuPress, menuRelease;  // and on the other screens (the shop's too)
  bool arrow;
};

constexpr KeyRule kGameKeys[] = {
    {'Z', 0.25, 0.03, 0.02, 0.5, false},     {'X', 0.004, 0.5, 0.01, 0.5, false},
    {'C', 0.002, 0.5, 0.004, 0.5, false},    {vk::Shift, 0.0015, 0.5, 0.004, 0.5, false},
    {vk::Left, 0.06, 0.12, 0.03, 0.5, true}, {vk::Right, 0.06, 0.12, 0.03, 0.5, true},
    {vk::Up, 0.06, 0.12, 0.03, 0.5, true},   {vk::Down, 0.06, 0.12, 0.03, 0.5, true},
};
// The letters the game's secrets read (with PAUSE on the title, with U, E or A while paused),
// held like the game keys.
constexpr char kLetters[] = "RSUEANLBVWFMGHD";

class SoakHost : public HostDecorator {
 public:
  SoakHost(HeadlessHost &inner, const InputStyle &style, std::uint64_t seed)
      : HostDecorator(inner), headless_(inner), style_(style), dice_(seed ^ kInputStream) {}

  void BeginPass(std::uint64_t pass, PassKind kind) override {
    HostDecorator::BeginPass(pass, kind);
    picturesThisPass_ = 0;
    g_tally->inDemo = false;
    g_shared->progress.fetch_add(1, std::memory_order_relaxed);
    if (!game_) return;
    Observe();
    Act();
  }

  void Present(const Surface &mscreen) override {
    HostDecorator::Present(mscreen);
    g_shared->progress.fetch_add(1, std::memory_order_relaxed);
    // The demo is a game of its own inside one pass of the title: many pictures, no pass.
    if (++picturesThisPass_ == kDemoPictures && game_ && game_->shell.SCENE == kSceneTitle) {
      ++g_tally->demos;
      g_tally->inDemo = true;
    }
    if (g_tally->inDemo) ++g_tally->demoPictures;
  }

  bool WaitEvent(HostEvent &ev, int timeoutMs) override {
    if (g_tally->inDemo && dice_.Chance(style_.demoBreak)) {
      ++g_tally->events[kEvDemoInterrupted];
      if (dice_.Chance(0.8)) Press(kGameKeys[dice_.Below(static_cast<int>(std::size(kGameKeys)))].vk);
      else if (headless_.joystick.present) headless_.joystick.pos.buttons = 1u << dice_.Below(12);
      else Send({HostEvent::Kind::Menu, 0, MenuItem::FullScreen});
    }
    return HostDecorator::WaitEvent(ev, timeoutMs);
  }

  // Where the game is, and the message boxes it showed: at every pass and once more at the end.
  void NoteWhere() {
    const Game &g = *game_;
    Tally &t = *g_tally;
    t.scene = g.shell.SCENE;
    t.phase = g.shell.PHASE;
    t.stage = g.stage.STAGE;
    t.stageTime = g.stage.STAGETIME;
    t.mission = g.stage.MISSION;
    t.passes = g.shell.passes;
    t.games = g.shell.gamesStarted;
    if (!headless_.messageBoxes.empty()) {
      if (t.messageBoxes == 0)
        std::snprintf(t.firstMessageBox, sizeof t.firstMessageBox, "%s", headless_.messageBoxes[0].c_str());
      t.messageBoxes += headless_.messageBoxes.size();
      headless_.messageBoxes.clear();
    }
  }

 private:
  static constexpr int kDemoPictures = 25;

  void Send(const HostEvent &ev) { headless_.Inject(ev); }
  void Press(int key) {
    if (held_[static_cast<std::size_t>(key)]) return;
    held_[static_cast<std::size_t>(key)] = true;
    Send({HostEvent::Kind::KeyDown, key, MenuItem::FullScreen});
  }
  void Release(int key) {
    if (!held_[static_cast<std::size_t>(key)]) return;
    held_[static_cast<std::size_t>(key)] = false;
    Send({HostEvent::Kind::KeyUp, key, MenuItem::FullScreen});
  }
  void ReleaseAll() {
    for (int key = 0; key < 256; ++key) Release(key);
  }
  void Tap(int key, EventKind kind) {
    ++g_tally->events[kind];
    Send({HostEvent::Kind::KeyDown, key, MenuItem::FullScreen});
    Send({HostEvent::Kind::KeyUp, key, MenuItem::FullScreen});
  }
  void Menu(MenuItem item, EventKind kind) {
    ++g_tally->events[kind];
    Send({HostEvent::Kind::Menu, 0, item});
  }

  void Observe() {
    const Game &g = *game_;
    Tally &t = *g_tally;
    int scene = g.shell.SCENE;
    int slot = SceneSlot(scene);
    ++t.scenePasses[slot];
    if (scene != t.scene) ++t.sceneEntries[slot];
    NoteWhere();
    if (t.inShop) ++t.shopPasses;
    bool boss = false;
    if (scene == kScenePlay) {
      ++t.stagePasses[std::clamp(g.stage.STAGE, 0, kStageSlots - 1)];
      for (const Enemy &e : g.enemies.ENEMY) boss |= e.FLAG != 0 && e.BOSS != 0;
      if (boss && !bossSeen_) ++t.bosses;
    }
    bossSeen_ = boss;
    // The headless host keeps every sound and music call; a long run needs none of them.
    if (headless_.sounds.size() > 4096) headless_.sounds.clear();
    if (headless_.musicLog.size() > 4096) headless_.musicLog.clear();
  }

  void Act() {
    const Game &g = *game_;
    const double rare = style_.rare;
    FakeJoystick &pad = headless_.joystick;
    if (headless_.musicOpen && !headless_.musicStopped && dice_.Chance(1e-3)) {
      ++g_tally->events[kEvMusicEnded];
      headless_.musicStopped = true;
    }
    // Spells with nothing pressed and nothing happening: the title's demo, and a ship that lets
    // itself be hit.
    if (quiet_ > 0) {
      --quiet_;
      return;
    }
    if (dice_.Chance(style_.quietStart)) {
      quiet_ = dice_.Between(50, 50 + style_.quietMax);
      ReleaseAll();
      pad.pos = JoyPos{32767, 32767, 0};
      return;
    }
    // The pad comes and goes, moves and presses its buttons.
    if (!pad.present && dice_.Chance(5e-4 * rare)) {
      ++g_tally->events[kEvPadAdded];
      if (dice_.Chance(0.3)) pad.caps.buttons = dice_.Between(2, 16);
      pad.pos = JoyPos{32767, 32767, 0};
      Send({HostEvent::Kind::PadAdded, 0, MenuItem::FullScreen});
    } else if (pad.present && dice_.Chance(2e-4 * rare)) {
      ++g_tally->events[kEvPadRemoved];
      Send({HostEvent::Kind::PadRemoved, 0, MenuItem::FullScreen});
    }
    if (pad.present && dice_.Chance(0.03 * (style_.activity + 0.2))) {
      ++g_tally->events[kEvPadMove];
      static constexpr int kPlaces[] = {0, 16383, 32767, 32767, 49151, 65535};
      pad.pos.x = dice_.Chance(0.2) ? dice_.Between(0, 65535) : kPlaces[dice_.Below(6)];
      pad.pos.y = dice_.Chance(0.2) ? dice_.Between(0, 65535) : kPlaces[dice_.Below(6)];
    }
    if (pad.present && dice_.Chance(0.01 * (style_.activity + 0.2))) {
      ++g_tally->events[kEvPadButtons];
      pad.pos.buttons = dice_.Chance(0.4) ? 0u : static_cast<std::uint32_t>(1u << dice_.Below(12));
    }
    if (dice_.Chance(1e-4 * rare)) {
      ++g_tally->events[kEvPadReadFails];
      pad.readOk = !pad.readOk;
    }
    if (!pad.readOk && dice_.Chance(0.01)) pad.readOk = true;
    // The window: its menu, its keys, its focus and its close box.
    if (dice_.Chance(1e-4 * rare)) Tap(vk::F1, kEvF1);
    if (dice_.Chance(3e-4 * rare)) Tap(vk::F2, kEvF2);
    if (dice_.Chance(3e-4 * rare)) Tap(vk::Tab, kEvTab);
    if (dice_.Chance(5e-4 * rare)) Tap(vk::Space, kEvSpace);
    if (dice_.Chance(2e-4 * rare)) Menu(MenuItem::FullScreen, kEvMenuFullScreen);
    if (dice_.Chance(1e-4 * rare)) Menu(MenuItem::Reset, kEvMenuReset);
    if (dice_.Chance(3e-4 * rare)) {
      ++g_tally->events[kEvFocusLost];
      ReleaseAll();  // a window without the keyboard holds no keys
      Send({HostEvent::Kind::FocusLost, 0, MenuItem::FullScreen});
    }
    if (dice_.Chance(style_.endRate)) {
      int way = dice_.Below(4);
      if (way <= 1) Tap(vk::Esc, kEvEsc);
      if (way == 2) Menu(MenuItem::Quit, kEvMenuQuit);
      if (way == 3) {
        ++g_tally->events[kEvClose];
        Send({HostEvent::Kind::Close, 0, MenuItem::FullScreen});
      }
    }
    if (style_.pilot) return;

    bool play = g.shell.SCENE == kScenePlay && !g_tally->inShop;
    // The title's END ends the run; most runs leave it alone.
    bool endRow = g.shell.SCENE == kSceneTitle && g.shop.CURSOR == 5;
    for (const KeyRule &k : kGameKeys) {
      bool held = held_[static_cast<std::size_t>(k.vk)];
      double press = (play ? k.playPress : k.menuPress) * style_.activity;
      double release = play ? k.playRelease : k.menuRelease;
      if (play && k.arrow && !style_.dodge) press = 0, release = 1;
      // A pause is left sooner than a menu.
      if (g.shell.SCENE == kScenePause && k.vk == vk::Shift) press *= 5;
      if (endRow && !style_.mayQuit && k.vk == 'Z') press = 0, release = 1;
      if (!held && dice_.Chance(press)) {
        ++g_tally->events[kEvGameKey];
        Press(k.vk);
      } else if (held && dice_.Chance(release)) {
        Release(k.vk);
      }
    }
    if (endRow && !style_.mayQuit) pad.pos.buttons = 0;
    for (const char *c = kLetters; *c != 0; ++c) {
      int key = *c;
      if (held_[static_cast<std::size_t>(key)] && dice_.Chance(0.2)) Release(key);
    }
    if (dice_.Chance(2e-3 * style_.activity)) {
      ++g_tally->events[kEvLetter];
      Press(dice_.Chance(0.8) ? kLetters[dice_.Below(static_cast<int>(std::strlen(kLetters)))]
                              : vk::A + dice_.Below(26));
    }
  }

  HeadlessHost &headless_;
  const InputStyle &style_;
  Dice dice_;
  std::array<bool, 256> held_{};
  int quiet_ = 0;
  int picturesThisPass_ = 0;
  bool bossSeen_ = false;
};

// ---- One run, in the child ---------------------------------------------------------------------

struct Assets {
  std::shared_ptr<const SheetSet> sheets;
  std::shared_ptr<TextRenderer> text;
};

void PlayRun(const RunPlan &plan, const std::string &dataDir, const std::string &userDir,
             std::uint64_t passes, const Assets &assets) {
  const InputStyle &style = kStyles[plan.style];
  HeadlessHost headless;
  headless.userDataDir = userDir;
  headless.keepFrames = false;
  SoakHost soak(headless, style, plan.seed);
  std::vector<std::unique_ptr<HostDecorator>> layers;
  Host *top = &soak;
  if (style.pilot) {
    layers.push_back(std::make_unique<AutopilotHost>(*top, plan.pilotSkill));
    top = layers.back().get();
  }
  if (plan.hitboxes) {
    layers.push_back(std::make_unique<HitboxView>(*top));
    top = layers.back().get();
  }
  GameConfig config = plan.config;
  config.dataDir = dataDir;
  auto game = std::make_unique<Game>(*top, assets.sheets, assets.text, config);
  soak.Attach(*game);
  for (auto &layer : layers) layer->Attach(*game);
  game->effects.shopStep = &CountedShopStep;
  game->shell.maxPasses = passes;
  int code = Main(*game);
  soak.NoteWhere();
  g_tally->exitCode = code;
  g_tally->finalHash = PlayStateHash(*game);
  g_tally->finished = true;
}

// ---- The soak ----------------------------------------------------------------------------------

struct Options {
  std::uint64_t seed = 1;
  std::uint64_t runs = 0;  // 0: as many as --total-passes allows (100 without it)
  std::uint64_t passes = 20000;
  std::uint64_t totalPasses = 0;
  std::string dataDir;
  std::string jsonFile;
  bool quiet = false;
  bool noFork = false;  // the run in the soak's own process, for a debugger
  bool help = false;
  double runTimeout = 0;     // seconds; 0: 120 s and 10 ms a pass
  double stallTimeout = 60;  // seconds without a pass or a picture
};

const char *kUsage =
    "usage: qelvane_soak [--seed N] [--runs N] [--passes N] [--total-passes N] [--data DIR]\n"
    "                    [--json FILE] [--quiet] [--run-timeout SECONDS] [--stall-timeout SECONDS]\n"
    "                    [--no-fork] [--help]\n"
    "  --seed N            the first run's seed (1); the runs play N, N + 1, N + 2 ...\n"
    "  --runs N            the number of runs (100, or as many as --total-passes needs)\n"
    "  --passes N          the passes of each run at most (20000)\n"
    "  --total-passes N    stop once the runs have played this many passes in all\n"
    "  --data DIR          the data folder each run gets a fresh copy of (d beside the program);\n"
    "                      nothing is ever written into it\n"
    "  --json FILE         write the summary as JSON\n"
    "  --quiet             no line per run, only the summary and a failure\n"
    "  --run-timeout S     a run taking longer is a hang (120 s and 10 ms a pass)\n"
    "  --stall-timeout S   a run without a pass or a picture for this long is a hang (60 s)\n"
    "  --no-fork           play the runs in this process, for a debugger: a crash ends the soak\n";

bool ParseCount(const std::string &text, std::uint64_t lo, std::uint64_t *out) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 18)
    return false;
  std::uint64_t v = std::stoull(text);
  if (v < lo) return false;
  *out = v;
  return true;
}

bool ParseSeconds(const std::string &text, double *out) {
  char *end = nullptr;
  double v = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != 0 || !(v > 0)) return false;
  *out = v;
  return true;
}

bool ParseOptions(int argc, char **argv, Options *o, std::string *error) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    std::string v;
    auto value = [&]() {
      if (i + 1 >= argc) return false;
      v = argv[++i];
      return !v.empty();
    };
    bool ok = true;
    if (a == "--seed") {
      ok = value() && ParseCount(v, 0, &o->seed);
    } else if (a == "--runs") {
      ok = value() && ParseCount(v, 1, &o->runs);
    } else if (a == "--passes") {
      ok = value() && ParseCount(v, 1, &o->passes);
    } else if (a == "--total-passes") {
      ok = value() && ParseCount(v, 1, &o->totalPasses);
    } else if (a == "--data") {
      ok = value();
      o->dataDir = v;
    } else if (a == "--json") {
      ok = value();
      o->jsonFile = v;
    } else if (a == "--run-timeout") {
      ok = value() && ParseSeconds(v, &o->runTimeout);
    } else if (a == "--stall-timeout") {
      ok = value() && ParseSeconds(v, &o->stallTimeout);
    } else if (a == "--quiet") {
      o->quiet = true;
    } else if (a == "--no-fork") {
      o->noFork = true;
    } else if (a == "--help" || a == "-h") {
      o->help = true;
    } else {
      *error = "unknown option " + a;
      return false;
    }
    if (!ok) {
      *error = "option " + a + " needs a valid value";
      return false;
    }
  }
  if (o->runs == 0) o->runs = o->totalPasses > 0 ? UINT64_MAX : 100;
  return true;
}

struct Failure {
  std::string kind;  // "crash", "hang", "exit", "game"
  std::string what;
  std::uint64_t seed = 0, passes = 0;
  Tally tally;
  std::vector<std::string> lines;  // the run's last lines of output
  std::string plan;
};

struct RunResult {
  Tally tally;
  bool failed = false;
  bool interrupted = false;
  Failure failure;
  std::vector<std::string> warnings;  // the game's own complaints ("qelvane: ...")
  double seconds = 0;
};

std::string SignalName(int sig) {
  switch (sig) {
    case SIGSEGV: return "SIGSEGV";
    case SIGABRT: return "SIGABRT";
    case SIGFPE: return "SIGFPE";
    case SIGBUS: return "SIGBUS";
    case SIGILL: return "SIGILL";
    case SIGKILL: return "SIGKILL";
    case SIGTERM: return "SIGTERM";
    default: return "signal " + std::to_string(sig);
  }
}

// Keeps the last lines a run wrote.
class LineTail {
 public:
  // The run's temporary folder is written as RUN, so that what the runs said can be compared.
  LineTail(std::size_t keep, std::string root) : keep_(keep), root_(std::move(root)) {}
  void Add(const char *data, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
      if (data[i] != '\n') {
        if (partial_.size() < 2000) partial_ += data[i];
        continue;
      }
      Push(partial_);
      partial_.clear();
    }
  }
  std::vector<std::string> Finish() {
    if (!partial_.empty()) Push(partial_);
    partial_.clear();
    return std::vector<std::string>(lines_.begin(), lines_.end());
  }
  std::vector<std::string> warnings;

 private:
  void Push(std::string line) {
    for (std::size_t at; !root_.empty() && (at = line.find(root_)) != std::string::npos;)
      line.replace(at, root_.size(), "RUN");
    if (line.rfind("qelvane:", 0) == 0 && warnings.size() < 20) warnings.push_back(line);
    lines_.push_back(line);
    if (lines_.size() > keep_) lines_.pop_front();
  }
  std::size_t keep_;
  std::string root_;
  std::string partial_;
  std::deque<std::string> lines_;
};

bool MakeRunFolder(const RunPlan &plan, const std::string &sourceData, std::string *root,
                   std::string *error) {
  std::string pattern = (fs::temp_directory_path() / "qelvane-soak-XXXXXX").string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back(0);
  if (mkdtemp(name.data()) == nullptr) {
    *error = std::string("cannot make a temporary folder: ") + std::strerror(errno);
    return false;
  }
  *root = name.data();
  std::error_code ec;
  fs::copy(sourceData, *root + "/d", fs::copy_options::recursive, ec);
  if (!ec) fs::create_directory(*root + "/user", ec);
  if (ec) {
    *error = "cannot copy the data folder " + sourceData + ": " + ec.message();
    return false;
  }
  // A player's save in the data folder is not the run's: the run's save is its plan's.
  for (const char *file : {"/d/data.dat", "/d/data.dat.new"}) fs::remove(*root + file, ec);
  if (plan.save != SaveKind::None) {
    std::ofstream f(*root + "/d/data.dat", std::ios::binary);
    f.write(reinterpret_cast<const char *>(plan.saveBytes.data()),
            static_cast<std::streamsize>(plan.saveBytes.size()));
    if (!f) {
      *error = "cannot write the run's save";
      return false;
    }
  }
  return true;
}

std::string GameEndText(const Tally &t) {
  std::string text = "the game ended with exit code " + std::to_string(t.exitCode);
  if (t.messageBoxes > 0) text += std::string(" after the message \"") + t.firstMessageBox + "\"";
  return text;
}

RunResult PlayOneRun(const Options &opts, const RunPlan &plan, std::uint64_t passes,
                     const std::string &sourceData, const Assets &assets) {
  RunResult result;
  auto start = std::chrono::steady_clock::now();
  auto fail = [&](const std::string &kind, const std::string &what) {
    result.failed = true;
    result.failure.kind = kind;
    result.failure.what = what;
    result.failure.seed = plan.seed;
    result.failure.passes = passes;
    result.failure.plan = Describe(plan);
  };
  std::string root, error;
  std::error_code ec;
  int pipeFds[2] = {-1, -1};
  if (!MakeRunFolder(plan, sourceData, &root, &error) || pipe(pipeFds) != 0) {
    fail("setup", error.empty() ? std::string("cannot make a pipe: ") + std::strerror(errno) : error);
    if (!root.empty()) fs::remove_all(root, ec);
    return result;
  }
  new (g_shared) Shared();
  if (opts.noFork) {
    g_tally = &g_shared->tally;
    PlayRun(plan, root + "/d", root + "/user/", passes, assets);
    close(pipeFds[0]);
    close(pipeFds[1]);
    fs::remove_all(root, ec);
    result.tally = *g_tally;
    if (result.tally.exitCode != 0) fail("game", GameEndText(result.tally));
    result.failure.tally = result.tally;
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
  }
  std::fflush(nullptr);
  pid_t pid = fork();
  if (pid < 0) {
    fail("setup", std::string("cannot start a run: ") + std::strerror(errno));
    close(pipeFds[0]);
    close(pipeFds[1]);
    fs::remove_all(root, ec);
    return result;
  }
  if (pid == 0) {
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    close(pipeFds[0]);
    dup2(pipeFds[1], STDOUT_FILENO);
    dup2(pipeFds[1], STDERR_FILENO);
    close(pipeFds[1]);
    g_tally = &g_shared->tally;
    PlayRun(plan, root + "/d", root + "/user/", passes, assets);
    std::fflush(nullptr);
    std::exit(0);
  }
  close(pipeFds[1]);
  fcntl(pipeFds[0], F_SETFL, O_NONBLOCK);

  const double limit = opts.runTimeout > 0 ? opts.runTimeout : 120.0 + 0.010 * static_cast<double>(passes);
  LineTail tail(80, root);
  std::uint64_t lastProgress = 0;
  auto lastMove = start;
  bool open = true;
  std::string hang;
  while (open) {
    pollfd pfd{pipeFds[0], POLLIN, 0};
    poll(&pfd, 1, 250);
    char buf[4096];
    for (;;) {
      ssize_t n = read(pipeFds[0], buf, sizeof buf);
      if (n > 0) {
        tail.Add(buf, static_cast<std::size_t>(n));
        continue;
      }
      if (n == 0) open = false;
      break;
    }
    if (!open) break;
    if (g_interrupted) {
      result.interrupted = true;
      kill(pid, SIGKILL);
      break;
    }
    auto now = std::chrono::steady_clock::now();
    std::uint64_t progress = g_shared->progress.load(std::memory_order_relaxed);
    if (progress != lastProgress) lastProgress = progress, lastMove = now;
    double running = std::chrono::duration<double>(now - start).count();
    double still = std::chrono::duration<double>(now - lastMove).count();
    if (still > opts.stallTimeout) {
      hang = "no pass and no picture for " + std::to_string(static_cast<int>(still)) + " s";
    } else if (running > limit) {
      hang = "not done after " + std::to_string(static_cast<int>(running)) + " s";
    }
    if (!hang.empty()) {
      kill(pid, SIGKILL);
      break;
    }
  }
  close(pipeFds[0]);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  result.tally = g_shared->tally;
  result.failure.lines = tail.Finish();
  result.warnings = tail.warnings;
  const Tally &t = result.tally;
  const bool killedBySigint = WIFSIGNALED(status) && WTERMSIG(status) == SIGINT;
  if (result.interrupted || (g_interrupted && killedBySigint)) {
    result.interrupted = true;
  } else if (!hang.empty()) {
    fail("hang", hang);
  } else if (WIFSIGNALED(status)) {
    fail("crash", "killed by " + SignalName(WTERMSIG(status)));
  } else if (WIFEXITED(status) && WEXITSTATUS(status) != 0) {
    fail("exit", "the run exited with code " + std::to_string(WEXITSTATUS(status)));
  } else if (!t.finished) {
    fail("exit", "the run ended before the game did");
  } else if (t.exitCode != 0) {
    fail("game", GameEndText(t));
  }
  if (result.failed) result.failure.tally = t;
  fs::remove_all(root, ec);
  return result;
}

const char *SceneName(int scene) {
  const SceneEntry *e = FindScene(scene);
  return e ? e->name : "no handler";
}

std::string WhereText(const Tally &t) {
  std::ostringstream s;
  if (t.scene < 0) return "before the first pass";
  s << "pass " << t.passes << ", scene " << t.scene << " (" << SceneName(t.scene) << ")"
    << ", phase " << t.phase << ", stage " << t.stage << ", stage time " << t.stageTime << ", mission "
    << t.mission;
  if (t.inShop) s << ", in the shop";
  if (t.inDemo) s << ", in the demo";
  return s.str();
}

struct Totals {
  Tally sum;
  std::uint64_t runs = 0, runsToEnd = 0, runsEndedEarly = 0;
  std::uint64_t starts[kStartKinds] = {};
  std::uint64_t styles[kStyleCount] = {};
  struct Said {
    std::string key, first;
    std::uint64_t times;
  };
  std::vector<Said> said;  // what the game complained about on standard error
  void Add(const RunResult &r, const RunPlan &plan, std::uint64_t passes) {
    const Tally &t = r.tally;
    ++runs;
    ++starts[static_cast<int>(plan.start)];
    ++styles[plan.style];
    if (!r.interrupted) (t.passes >= passes ? runsToEnd : runsEndedEarly) += 1;
    sum.passes += t.passes;
    for (int i = 0; i < kSceneSlots; ++i) {
      sum.scenePasses[i] += t.scenePasses[i];
      sum.sceneEntries[i] += t.sceneEntries[i];
    }
    for (int i = 0; i < kStageSlots; ++i) sum.stagePasses[i] += t.stagePasses[i];
    for (int i = 0; i < kEventKinds; ++i) sum.events[i] += t.events[i];
    sum.shopVisits += t.shopVisits, sum.shopPasses += t.shopPasses;
    sum.demos += t.demos, sum.demoPictures += t.demoPictures;
    sum.bosses += t.bosses, sum.games += t.games, sum.messageBoxes += t.messageBoxes;
    if (sum.messageBoxes == t.messageBoxes && t.messageBoxes > 0)
      std::snprintf(sum.firstMessageBox, sizeof sum.firstMessageBox, "%s", t.firstMessageBox);
    for (const std::string &w : r.warnings) {
      // The same complaint with other numbers in it is counted as one.
      std::string key;
      for (char c : w) {
        bool digit = c >= '0' && c <= '9';
        if (!digit) key += c;
        else if (key.empty() || key.back() != '#') key += '#';
      }
      auto it = std::find_if(said.begin(), said.end(), [&](const Said &x) { return x.key == key; });
      if (it != said.end()) ++it->times;
      else if (said.size() < 20) said.push_back({key, w, 1});
    }
  }
};

// Every scene of the table, and any other number the runs were in.
std::vector<int> ScenesToShow(const Tally &t) {
  std::vector<int> scenes;
  for (int n = 0; n < kOtherScene; ++n)
    if (FindScene(n) != nullptr || t.scenePasses[n] > 0) scenes.push_back(n);
  if (t.scenePasses[kOtherScene] > 0) scenes.push_back(kOtherScene);
  return scenes;
}

std::string ReproduceCommand(const Options &opts, const Failure &f) {
  std::string cmd =
      "qelvane_soak --seed " + std::to_string(f.seed) + " --runs 1 --passes " + std::to_string(f.passes);
  if (!opts.dataDir.empty()) cmd += " --data " + opts.dataDir;
  return cmd;
}

void PrintSummary(const Options &opts, const Totals &tot, double seconds, const Failure *failure) {
  const Tally &t = tot.sum;
  std::printf("\nsoak: %llu passes in %llu runs (%llu to their last pass, %llu ended early), %.1f s\n",
              static_cast<unsigned long long>(t.passes), static_cast<unsigned long long>(tot.runs),
              static_cast<unsigned long long>(tot.runsToEnd),
              static_cast<unsigned long long>(tot.runsEndedEarly), seconds);
  std::printf("starts:");
  for (int i = 0; i < kStartKinds; ++i)
    std::printf(" %s %llu%s", kStartNames[i], static_cast<unsigned long long>(tot.starts[i]),
                i + 1 < kStartKinds ? "," : "\n");
  std::printf("players:");
  for (int i = 0; i < kStyleCount; ++i)
    std::printf(" %s %llu%s", kStyles[i].name, static_cast<unsigned long long>(tot.styles[i]),
                i + 1 < kStyleCount ? "," : "\n");
  std::printf("scenes visited (entries, passes):\n");
  std::string missing;
  for (int n : ScenesToShow(t)) {
    std::printf("  %3d %-16s %8llu %10llu%s\n", n, n == kOtherScene ? "other" : SceneName(n),
                static_cast<unsigned long long>(t.sceneEntries[n]),
                static_cast<unsigned long long>(t.scenePasses[n]),
                FindScene(n) == nullptr ? "   (no handler)" : "");
    if (t.scenePasses[n] == 0) missing += std::string(missing.empty() ? "" : ", ") + SceneName(n);
  }
  std::printf(
      "  shop visits %llu (%llu passes), demos %llu (%llu pictures), bosses met %llu, games started %llu\n",
      static_cast<unsigned long long>(t.shopVisits), static_cast<unsigned long long>(t.shopPasses),
      static_cast<unsigned long long>(t.demos), static_cast<unsigned long long>(t.demoPictures),
      static_cast<unsigned long long>(t.bosses), static_cast<unsigned long long>(t.games));
  std::printf("  play passes by stage:");
  for (int s = 1; s < kStageSlots; ++s)
    std::printf(" %d:%llu", s, static_cast<unsigned long long>(t.stagePasses[s]));
  std::printf("\n");
  if (!missing.empty()) std::printf("  not visited: %s\n", missing.c_str());
  std::printf("input:");
  for (int i = 0; i < kEventKinds; ++i)
    std::printf(" %s %llu%s", kEventNames[i], static_cast<unsigned long long>(t.events[i]),
                i + 1 < kEventKinds ? "," : "\n");
  if (t.messageBoxes > 0)
    std::printf("message boxes: %llu (first: %s)\n", static_cast<unsigned long long>(t.messageBoxes),
                t.firstMessageBox);
  for (const Totals::Said &w : tot.said)
    std::printf("said (x%llu): %s\n", static_cast<unsigned long long>(w.times), w.first.c_str());
  std::printf("failures: %d\n", failure ? 1 : 0);
  if (failure) {
    std::printf("FAILED (%s): seed %llu: %s\n", failure->kind.c_str(),
                static_cast<unsigned long long>(failure->seed), failure->what.c_str());
    std::printf("  run: %s\n", failure->plan.c_str());
    std::printf("  where: %s\n", WhereText(failure->tally).c_str());
    std::printf("  reproduce: %s\n", ReproduceCommand(opts, *failure).c_str());
    std::printf("  debug: gdb -batch -ex run -ex bt --args %s --no-fork\n",
                ReproduceCommand(opts, *failure).c_str());
    std::printf("  its last lines:%s\n", failure->lines.empty() ? " none" : "");
    for (const std::string &line : failure->lines) std::printf("    %s\n", line.c_str());
  }
  std::fflush(stdout);
}

std::string JsonString(const std::string &s) {
  std::string out = "\"";
  for (char c : s) {
    unsigned char u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') out += '\\', out += c;
    else if (u < 0x20) {
      char esc[8];
      std::snprintf(esc, sizeof esc, "\\u%04x", u);
      out += esc;
    } else out += c;
  }
  return out + "\"";
}

bool WriteJson(const Options &opts, const Totals &tot, double seconds, const Failure *failure) {
  const Tally &t = tot.sum;
  std::ostringstream j;
  j << "{\n  \"first_seed\": " << opts.seed << ",\n  \"runs\": " << tot.runs
    << ",\n  \"passes\": " << t.passes << ",\n  \"seconds\": " << seconds
    << ",\n  \"runs_to_last_pass\": " << tot.runsToEnd << ",\n  \"runs_ended_early\": " << tot.runsEndedEarly
    << ",\n  \"scenes\": [";
  bool first = true;
  for (int n : ScenesToShow(t)) {
    j << (first ? "\n" : ",\n") << "    {\"number\": " << n
      << ", \"name\": " << JsonString(n == kOtherScene ? "other" : SceneName(n))
      << ", \"entries\": " << t.sceneEntries[n] << ", \"passes\": " << t.scenePasses[n] << "}";
    first = false;
  }
  j << "\n  ],\n  \"shop_visits\": " << t.shopVisits << ",\n  \"shop_passes\": " << t.shopPasses
    << ",\n  \"demos\": " << t.demos << ",\n  \"bosses\": " << t.bosses << ",\n  \"games\": " << t.games
    << ",\n  \"stage_passes\": {";
  for (int s = 1; s < kStageSlots; ++s) j << (s > 1 ? ", " : "") << "\"" << s << "\": " << t.stagePasses[s];
  j << "},\n  \"starts\": {";
  for (int i = 0; i < kStartKinds; ++i)
    j << (i ? ", " : "") << JsonString(kStartNames[i]) << ": " << tot.starts[i];
  j << "},\n  \"input\": {";
  for (int i = 0; i < kEventKinds; ++i)
    j << (i ? ", " : "") << JsonString(kEventNames[i]) << ": " << t.events[i];
  j << "},\n  \"message_boxes\": " << t.messageBoxes << ",\n  \"said\": [";
  for (std::size_t i = 0; i < tot.said.size(); ++i)
    j << (i ? ", " : "") << "{\"times\": " << tot.said[i].times
      << ", \"first\": " << JsonString(tot.said[i].first) << "}";
  j << "],\n  \"failures\": " << (failure ? 1 : 0);
  if (failure) {
    j << ",\n  \"failure\": {\"kind\": " << JsonString(failure->kind)
      << ", \"what\": " << JsonString(failure->what) << ", \"seed\": " << failure->seed
      << ", \"passes\": " << failure->passes << ", \"run\": " << JsonString(failure->plan)
      << ", \"where\": " << JsonString(WhereText(failure->tally))
      << ", \"reproduce\": " << JsonString(ReproduceCommand(opts, *failure)) << ", \"last_lines\": [";
    for (std::size_t i = 0; i < failure->lines.size(); ++i)
      j << (i ? ", " : "") << JsonString(failure->lines[i]);
    j << "]}";
  }
  j << "\n}\n";
  std::ofstream f(opts.jsonFile, std::ios::binary);
  f << j.str();
  return static_cast<bool>(f);
}

int SoakMain(int argc, char **argv) {
  Options opts;
  std::string error;
  if (!ParseOptions(argc, argv, &opts, &error)) {
    std::fprintf(stderr, "qelvane_soak: %s\n%s", error.c_str(), kUsage);
    return 2;
  }
  if (opts.help) return std::printf("%s", kUsage) < 0;
  const DataPaths found = LocateData(ExecutableDir());
  const std::string sourceData = opts.dataDir.empty() ? found.dataDir : opts.dataDir;
  if (!fs::is_directory(sourceData)) {
    std::fprintf(stderr, "qelvane_soak: no data folder %s\n", sourceData.c_str());
    return 2;
  }
  // Loaded once: every run is a copy of this process and finds them ready.
  Assets assets;
  assets.sheets = SheetSet::Load(found.sheetsDir, &error);
  if (assets.sheets) assets.text = TextRenderer::Open(TextRenderer::DefaultFontPath(), &error);
  if (!assets.sheets || !assets.text) {
    std::fprintf(stderr, "qelvane_soak: %s\n", error.c_str());
    return 2;
  }
  void *memory = mmap(nullptr, sizeof(Shared), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  if (memory == MAP_FAILED) {
    std::fprintf(stderr, "qelvane_soak: cannot share memory with the runs: %s\n", std::strerror(errno));
    return 2;
  }
  g_shared = new (memory) Shared();
  struct sigaction onInterrupt {};
  onInterrupt.sa_handler = &OnInterrupt;
  sigemptyset(&onInterrupt.sa_mask);
  sigaction(SIGINT, &onInterrupt, nullptr);
  sigaction(SIGTERM, &onInterrupt, nullptr);

  auto start = std::chrono::steady_clock::now();
  Totals totals;
  std::unique_ptr<Failure> failure;
  for (std::uint64_t k = 0; k < opts.runs; ++k) {
    if (opts.totalPasses > 0 && totals.sum.passes >= opts.totalPasses) break;
    std::uint64_t passes = opts.passes;
    if (opts.totalPasses > 0) passes = std::min(passes, opts.totalPasses - totals.sum.passes);
    RunPlan plan = PlanRun(opts.seed + k);
    RunResult r = PlayOneRun(opts, plan, passes, sourceData, assets);
    totals.Add(r, plan, passes);
    if (!opts.quiet) {
      const Tally &t = r.tally;
      std::printf("run %llu seed %llu: %s: %llu passes%s, %.1f s, state %016llx\n",
                  static_cast<unsigned long long>(k + 1), static_cast<unsigned long long>(plan.seed),
                  Describe(plan).c_str(), static_cast<unsigned long long>(t.passes),
                  t.passes < passes ? " (ended early)" : "", r.seconds,
                  static_cast<unsigned long long>(t.finalHash));
      std::fflush(stdout);
    }
    if (r.failed) {
      failure = std::make_unique<Failure>(r.failure);
      break;
    }
    if (r.interrupted || g_interrupted) break;
  }
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  PrintSummary(opts, totals, seconds, failure.get());
  if (!opts.jsonFile.empty() && !WriteJson(opts, totals, seconds, failure.get())) {
    std::fprintf(stderr, "qelvane_soak: cannot write %s\n", opts.jsonFile.c_str());
    return 1;
  }
  if (failure) return 1;
  if (g_interrupted) {
    std::printf("interrupted\n");
    return 130;
  }
  return 0;
}

}  // namespace
}  // namespace qel

int main(int argc, char **argv) { return qel::SoakMain(argc, argv); }
