#include <algorithm>
#include <limits>

#include "game.h"
#include "platform/sound.h"
#include "save/save.h"
#include "screens/gallery.h"
#include "screens/screens.h"
#include "shell/scenes.h"
#include "shell/shell.h"
#include "shell/transition.h"
#include "shell/window.h"
#include "stage/stage.h"

namespace qel {

namespace {

void ToggleCursor(Game &g) {
  g.settings.OPTION[kOptCursorShown] = 1 - g.settings.OPTION[kOptCursorShown];
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

}  // namespace

void ReturnToTitle(Game &g) {
  g.shell.SCENE = kSceneTitle;
  PlayMusic(g, kMusicSilence);
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
    g.settings.OPTION[kOptWindowed] = 1 - g.settings.OPTION[kOptWindowed];
    ApplyScreenMode(g, g.settings.OPTION[kOptWindowed]);
  }
  RunMenuCommand(g);
  // Losing the window's focus or the pad pauses play as PAUSE would; anywhere else it changes nothing.
  if (g.shell.pauseRequested) {
    g.shell.pauseRequested = false;
    if (g.shell.SCENE == kScenePlay && g.player.PSTATE == kShipPlay) EnterPause(g);
  }
}

// A stage started from the command line, with the equipment of a new game of its mode.
void StartStageDirectly(Game &g) {
  SetUpNewGame(g, NewGameModeOfStage(g.config.startStage));
  g.stage.STAGE = g.config.startStage;
  g.stage.MISSION = g.config.startMission;
  if (g.config.difficulty >= 0) g.settings.DIFF = g.config.difficulty;
  StartStage(g);
}

// The end of a story game, for trying the ending: the fly-by, then the sunset.
void StartEndingDirectly(Game &g) {
  SetUpNewGame(g, kNewGameStory);
  g.screens.SHOPMEET = g.config.ending == 1 ? 2 : 0;
  g.stage.MISSION = 7;
  g.shell.SCENE = kSceneEndingIntro;
  g.shell.PHASE = 0;
}

void StartUp(Game &g) {
  FormLoad(g);
  PrepareMusic(g);
  PlayMusic(g, kMusicSilence);
  InitTables(g);
  if (g.config.screenMode >= 0) g.settings.OPTION[kOptWindowed] = g.config.screenMode;
  ApplyScreenMode(g, g.settings.OPTION[kOptWindowed]);
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
  if (g.config.ending > 0) StartEndingDirectly(g);
}

void BeginCountedPass(Game &g, PassKind kind) { g.host.BeginPass(g.shell.passes, kind); }

void EndCountedPass(Game &g) {
  Shell &sh = g.shell;
  ++sh.passes;
  if (sh.maxPasses != 0 && sh.passes >= sh.maxPasses) throw ProgramEnd{0};
}

void ModalWait(Game &g, int ms) {
  EndCountedPass(g);
  BeginCountedPass(g, PassKind::Modal);
  ++g.shell.modalDepth;
  WaitMs(g, ms);
  --g.shell.modalDepth;
}

void RunPass(Game &g) {
  Shell &sh = g.shell;
  BeginCountedPass(g, PassKind::Main);
  sh.passStartMs = g.host.NowMs();
  sh.FRAMESTART = Low32(sh.passStartMs);
  RunScene(g);
  sh.FRAMECNT = (sh.FRAMECNT + 1) & 255;
  RunCommands(g);
  PumpEvents(g);
  std::uint64_t end = g.host.NowMs();
  sh.FRAMEEND = Low32(end);
  std::uint64_t took = end - sh.passStartMs;
  sh.FRAMETIME =
      static_cast<std::int32_t>(std::min<std::uint64_t>(took, std::numeric_limits<std::int32_t>::max()));
  if (sh.FRAMETIME < sh.WAITMS) WaitMs(g, sh.WAITMS - sh.FRAMETIME);
  EndCountedPass(g);
}

int RunPasses(Game &g) {
  try {
    for (;;) RunPass(g);
  } catch (const ProgramEnd &end) {
    return end.exitCode;
  }
}

int Main(Game &g) {
  try {
    StartUp(g);
  } catch (const ProgramEnd &end) {
    return end.exitCode;
  }
  return RunPasses(g);
}

}  // namespace qel
