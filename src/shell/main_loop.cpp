#include <algorithm>
#include <cmath>
#include <limits>

#include "game.h"
#include "hud/hud.h"
#include "platform/sound.h"
#include "platform/transition.h"
#include "save/save.h"
#include "screens/gallery.h"
#include "screens/screens.h"
#include "shell/shell.h"
#include "shell/window.h"
#include "stage/render.h"
#include "stage/stage.h"
#include "stage/timeline.h"

namespace qel {

namespace {

// The handler of each scene. Scenes without one run only the housekeeping steps of a pass.
void RunScene(Game &g) {
  switch (g.shell.SCENE) {
    case kScenePlay:
      GameFrame(g);
      break;
    case kScenePause:
      RunPause(g);
      break;
    case kSceneGallery:
      RunGallery(g);
      break;
    case kSceneEndingIntro: RunEndingIntro(g); break;
    default:
      break;
  }
}

void ToggleCursor(Game &g) {
  g.settings.OPTION[8] = 1 - g.settings.OPTION[8];
  UpdateCursor(g);
}

void RunMenuCommand(Game &g) {
  MenuCommand cmd = g.shell.menuCommand;
  g.shell.menuCommand = MenuCommand::None;
  if (cmd == MenuCommand::FullScreen) SCRENNOPI_Click(g);
  if (cmd == MenuCommand::Reset && g.shell.resetEnabled) RSET_Click(g);
  if (cmd == MenuCommand::Quit) QUIT_Click(g);
}

std::int32_t Low32(std::uint64_t ms) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(ms)); }

// One row of the pause scene's equipment keys: group key U, E or A and a letter.
struct EquipmentRow {
  int group;   // KEYS(8): 21 system, 22 bomb
  int letter;  // KEYS(9)
  int value;   // the system or bomb number
};

constexpr EquipmentRow kEquipmentRows[] = {
    {21, 9, 10}, {21, 10, 11}, {21, 11, 12}, {21, 3, 13}, {22, 12, 0}, {22, 10, 1}, {22, 9, 2},
};

// Every row that fires plays the switch sound and costs half the score.
void AfterEquipmentChange(Game &g) {
  PlaySound(g, 10);
  g.player.SCORE /= 2;
  DrawHud(g);
}

void RunEquipmentKeys(Game &g) {
  Player &p = g.player;
  auto &keys = g.input.KEYS;
  int letter = keys[9];
  if (keys[8] == 20 && letter >= 1 && letter <= 8 && p.WEAPON[p.WSLOT] != letter) {
    p.WEAPON[p.WSLOT] = letter;
    p.WLEVEL[p.WSLOT] = 1;
    keys[8] = 0;  // fires once while the keys stay held
    AfterEquipmentChange(g);
  }
  for (const EquipmentRow &row : kEquipmentRows) {
    if (keys[8] != row.group || keys[9] != row.letter) continue;
    if (row.group == 21 && p.SYSTEM != row.value) {
      p.PSTAT[5] = ShieldRecoveryInterval(row.value);
      p.SYSTEM = row.value;
      AfterEquipmentChange(g);
    } else if (row.group == 22 && p.BOMBKIND != row.value) {
      p.PSTAT[12] = BombChargeInterval(row.value);
      p.BOMBKIND = row.value;
      AfterEquipmentChange(g);
    }
  }
}

}  // namespace

void RunPause(Game &g) {
  ReadInput(g);
  RenderGame(g, 0);
  Input &in = g.input;
  if (Pressed(in, kPadPause)) {
    in.PADOLD[kPadPause] = 1;
    g.shell.SCENE = kScenePlay;  // PHASE keeps its value: play goes on where it stopped
  }
  RunEquipmentKeys(g);
  in.PADOLD[kPadPause] = in.PAD[kPadPause];
}

void ReturnToTitle(Game &g) {
  g.shell.SCENE = kSceneTitle;
  PlayMusic(g, 0);
  g.audio.SNDLOCK = 0;
  Transition(g, 0);
  g.shell.SCENE = kSceneTitle;
  g.shell.PHASE = 0;
}

void ExitGame(Game &g) {
  CloseMidi(g);
  WriteSave(g);
  g.host.ShowCursor(true);
  throw ProgramEnd{0};
}

void RunCommands(Game &g) {
  auto &cmd = g.input.KEYS[10];
  if (cmd == kCmdTitle && (g.shell.SCENE == kScenePlay || g.shell.SCENE == kScenePause)) {
    cmd = 0;
    ReturnToTitle(g);
  }
  if (cmd == kCmdExit) {
    cmd = 0;
    ExitGame(g);
  }
  if (cmd == kCmdCursor) {
    cmd = 0;
    ToggleCursor(g);
  }
  if (cmd == kCmdScreenMode) {
    cmd = 0;
    g.settings.OPTION[7] = 1 - g.settings.OPTION[7];
    ApplyScreenMode(g, g.settings.OPTION[7]);
  }
  RunMenuCommand(g);
}

// A stage started from the command line, with a new story game's equipment.
void StartStageDirectly(Game &g) {
  SetUpNewGame(g, kNewGameStory);
  g.stage.STAGE = g.config.startStage;
  g.stage.MISSION = g.config.startMission;
  if (g.config.difficulty >= 0) g.settings.DIFF = g.config.difficulty;
  StartStage(g);
}

void StartUp(Game &g) {
  FormLoad(g);
  PlayMusic(g, 0);
  InitTables(g);
  if (g.config.screenMode >= 0) g.settings.OPTION[7] = g.config.screenMode;
  ApplyScreenMode(g, g.settings.OPTION[7]);
  EnableResetMenu(g, false);
  g.shell.lastMusicPoll = g.host.NowMs();
  g.shell.PHASE = 0;
  g.shell.SCENE = kSceneOpening;
  if (g.config.galleryPage > 0) {
    g.shell.SCENE = kSceneGallery;
    g.shell.PHASE = g.config.galleryPage;
  }
  if (g.config.startStage > 0) StartStageDirectly(g);
  if (g.config.shopStage > 0) StartShopDirectly(g);
}

void RunPass(Game &g) {
  Shell &sh = g.shell;
  g.host.BeginPass(sh.passes);
  sh.passStartMs = g.host.NowMs();
  sh.FRAMESTART = Low32(sh.passStartMs);
  RunScene(g);
  sh.FRAMECNT = (sh.FRAMECNT + 1) & 255;
  RunCommands(g);
  PumpEvents(g);
  std::uint64_t end = g.host.NowMs();
  sh.FRAMEEND = Low32(end);
  std::uint64_t took = end - sh.passStartMs;
  sh.FRAMETIME = static_cast<std::int32_t>(std::min<std::uint64_t>(took, std::numeric_limits<std::int32_t>::max()));
  if (sh.FRAMETIME < sh.WAITMS) WaitMs(g, sh.WAITMS - sh.FRAMETIME);
  ++sh.passes;
  if (sh.maxPasses != 0 && sh.passes >= sh.maxPasses) throw ProgramEnd{0};
}

int Main(Game &g) {
  try {
    StartUp(g);
    for (;;) RunPass(g);
  } catch (const ProgramEnd &end) {
    return end.exitCode;
  }
}

}  // namespace qel
