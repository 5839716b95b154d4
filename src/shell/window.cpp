#include "shell/window.h"

#include <unistd.h>

#include <cstdio>

#include "game.h"
#include "platform/sound.h"
#include "save/save.h"
#include "shell/version.h"

namespace qel {

namespace {

const char *const kCaption = kGameCaption;

constexpr int kJoystickMargin = 16384;

// Asks the main loop to pause play as PAUSE would. Not while a wipe or the shop holds the game:
// those are not play.
void RequestPause(Game &g) {
  if (g.shell.modalDepth == 0 && g.shell.SCENE == kScenePlay) g.shell.pauseRequested = true;
}

void Dispatch(Game &g, const HostEvent &ev) {
  switch (ev.kind) {
    case HostEvent::Kind::KeyDown: FormKeyDown(g, ev.key); break;
    case HostEvent::Kind::KeyUp: FormKeyUp(g, ev.key); break;
    case HostEvent::Kind::Menu:
      // Carried out by the main loop, never in the middle of the code that is waiting here.
      if (ev.menu == MenuItem::FullScreen) g.shell.menuCommand = MenuCommand::FullScreen;
      if (ev.menu == MenuItem::Reset && g.shell.resetEnabled) g.shell.menuCommand = MenuCommand::Reset;
      if (ev.menu == MenuItem::Quit) g.shell.menuCommand = MenuCommand::Quit;
      break;
    case HostEvent::Kind::FocusLost: RequestPause(g); break;
    case HostEvent::Kind::PadAdded:
      // The new pad is used from the next read on.
      InitJoystick(g, kJoystickMargin);
      break;
    case HostEvent::Kind::PadRemoved:
      // Everything it held is let go at once; play stops so that the player can pick it up again.
      g.input.JOYID = -1;
      RequestPause(g);
      break;
    case HostEvent::Kind::Close: Form_Unload(g);
    case HostEvent::Kind::None: break;
  }
}

// The window's one-second timer.
void RunMusicTimer(Game &g) {
  std::uint64_t now = g.host.NowMs();
  if (now - g.shell.lastMusicPoll < 1000) return;
  g.shell.lastMusicPoll = now;
  LoopMusic(g);
}

}  // namespace

void FormLoad(Game &g) {
  g.rng.seed(g.config.seeded ? g.config.seed : g.host.NowMs());
  Cls(g.surf.MSCREEN);
  Cls(g.surf.DISPLAY);
  for (Surface &m : g.surf.MASTER) Cls(m);
  for (int k = 0; k < 4; ++k) g.input.KEYS[k] = vk::kButtonKeys[k];
  InitJoystick(g, kJoystickMargin);
}

// The host keeps the client area at exactly 480 x 480 (times the scale) whenever it shows the
// window, so the old resize-the-border step has nothing left to do here.
void ApplyScreenMode(Game &g, int mode) {
  if (mode == 0) {
    g.host.SetCaption("");
    g.host.SetFullScreen(true);
    g.settings.OPTION[kOptCursorShown] = 0;
  } else {
    g.host.SetFullScreen(false);
    g.host.SetCaption(kCaption);
    g.settings.OPTION[kOptCursorShown] = 1;
  }
  UpdateCursor(g);
}

void UpdateCursor(Game &g) {
  g.shell.cursorVisible = g.settings.OPTION[kOptCursorShown] != 0;
  g.host.ShowCursor(g.shell.cursorVisible);
}

void EnableResetMenu(Game &g, bool enabled) {
  g.shell.resetEnabled = enabled;
  g.host.SetMenuEnabled(MenuItem::Reset, enabled);
}

void SCRENNOPI_Click(Game &g) {
  g.settings.OPTION[kOptWindowed] = 1 - g.settings.OPTION[kOptWindowed];
  ApplyScreenMode(g, g.settings.OPTION[kOptWindowed]);
}

void RSET_Click(Game &g) { ReturnToTitle(g); }

void QUIT_Click(Game &g) {
  CloseMidi(g);
  WriteSave(g);
  // Kept as it always was: this way out neither shows the cursor nor anything else.
  throw ProgramEnd{0};
}

void Form_Unload(Game &g) {
  CloseMidi(g);
  g.host.ShowCursor(true);
  throw ProgramEnd{0};  // closing the window does not save
}

void CheckDataFiles(Game &g, const std::string &name) {
  const std::string path = g.config.dataDir + "/" + name;
  if (access(path.c_str(), F_OK) == 0) return;
  std::fprintf(stderr, "qelvane: %s: no such file\n", path.c_str());
  EndForDataFile(g);
}

void EndForDataFile(Game &g) {
  PlaySound(g, kSoundBigBlast);
  // The message must not hide behind a full-screen window.
  if (g.settings.OPTION[kOptWindowed] == 0) ApplyScreenMode(g, 1);
  g.host.MessageBox("エラ－", "ファイルがありません！終了します。");
  CloseMidi(g);
  g.host.ShowCursor(true);
  throw ProgramEnd{1};
}

void PumpEvents(Game &g) {
  HostEvent ev;
  while (g.host.WaitEvent(ev, 0)) Dispatch(g, ev);
  RunMusicTimer(g);
  g.host.Present(g.surf.MSCREEN);
}

void WaitMs(Game &g, int n) {
  std::uint64_t deadline = g.host.NowMs() + static_cast<std::uint64_t>(n < 0 ? 0 : n) + 1;
  for (;;) {
    PumpEvents(g);
    std::uint64_t now = g.host.NowMs();
    if (now >= deadline) return;
    HostEvent ev;
    if (g.host.WaitEvent(ev, static_cast<int>(deadline - now))) Dispatch(g, ev);
  }
}

}  // namespace qel
