// The attract demo: a replay of the autopilot's play, shown when the title has been left alone.
#include <cstdio>

#include "game.h"
#include "replay/playback.h"
#include "screens/menu_kit.h"
#include "screens/screens.h"
#include "shell/window.h"

namespace qel {

void RunDemo(Game &g) {
  std::string error;
  Replay demo;
  if (!ReadReplayFile(g.config.dataDir + "/demo.qrp", &demo, &error)) {
    std::fprintf(stderr, "qelvane: the demo cannot be shown: %s\n", error.c_str());
    g.screens.demoUnavailable = true;
    return;
  }
  PlaybackOptions options;
  options.paced = true;
  options.demo = true;
  options.overlay = [&g](Surface &picture) { DrawShadowed(g, picture, "DEMO", 24, 396, 40, 8, 14, 1); };
  PlaybackResult result = PlayReplay(demo, g.host, g.sheets, g.text, g.config.dataDir, options);
  if (!result.message.empty() && !result.reachedEnd && !result.stoppedByPlayer) {
    std::fprintf(stderr, "qelvane: the demo stopped: %s\n", result.message.c_str());
    g.screens.demoUnavailable = true;
  }
  if (result.closeRequested) Form_Unload(g);
  // A menu item chosen during the demo is the title's: queued as the window would queue it.
  if (result.menuChosen && result.menuItem == MenuItem::FullScreen)
    g.shell.menuCommand = MenuCommand::FullScreen;
  if (result.menuChosen && result.menuItem == MenuItem::Quit) g.shell.menuCommand = MenuCommand::Quit;
  // Back to the title as it was: its page drawn again, its music, a fresh wait.
  g.shell.PHASE = 0;
}

}  // namespace qel
