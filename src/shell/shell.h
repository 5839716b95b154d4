// The spine of the program: scenes, the pass counter, pacing and the queued window commands.
#pragma once

#include <cstdint>
#include <stdexcept>

#include "host/host.h"

namespace qel {

struct Game;

enum Scene : int {
  kScenePlay = 0,
  kSceneTitle = 1,
  kScenePrologue = 2,
  kSceneEnding = 3,
  kSceneMissionSelect = 4,
  kScenePause = 6,
  kSceneGameOver = 7,
  kSceneMusicRoom = 9,
  kSceneEndingIntro = 10,
  kSceneOpening = 11,
  kSceneOptions = 15,
};

// Window menu clicks wait here until the main loop carries them out, so that a click during
// a wipe cannot be overwritten by the code the wipe belongs to.
enum class MenuCommand { None, FullScreen, Reset, Quit };

struct Shell {
  int SCENE = 0;
  int PHASE = 0;
  int FRAMECNT = 0;
  std::int32_t FRAMESTART = 0;
  std::int32_t FRAMEEND = 0;
  std::int32_t FRAMETIME = 0;
  int WAITMS = 30;

  std::uint64_t passStartMs = 0;  // the full clock behind FRAMESTART
  std::uint64_t passes = 0;       // passes run since start-up
  std::uint64_t maxPasses = 0;    // 0 = no limit (--passes)
  MenuCommand menuCommand = MenuCommand::None;
  bool resetEnabled = false;  // the "リセット" menu item
  bool cursorVisible = true;
  std::uint64_t lastMusicPoll = 0;  // the one-second music timer
  int modalDepth = 0;               // modal waits in progress (a wipe, the shop's loop)
  // The window lost the keyboard, or the pad in use was pulled out, during play: pause at the next
  // command step.
  bool pauseRequested = false;
  std::uint64_t gamesStarted = 0;  // new games set up since start-up (a replay starts with one)
};

// Thrown to end the program from anywhere; Main catches it after the path's own steps ran.
struct ProgramEnd {
  int exitCode = 0;
};

// Start-up and the main loop. Returns the process exit code.
int Main(Game &g);
// Runs passes until the program ends; returns the exit code (Main after start-up).
int RunPasses(Game &g);
// Runs one pass of the main loop (the body of the loop in Main).
void RunPass(Game &g);
// Start-up steps before the first pass.
void StartUp(Game &g);

void ReturnToTitle(Game &g);
[[noreturn]] void ExitGame(Game &g);
// Step 4 of a pass: the queued key and menu commands.
void RunCommands(Game &g);

// What counts as a pass. Input scripts (--script) deliver their events by pass number and
// --passes ends the run after N passes; both count the same passes: every pass of the main
// loop, and every modal wait (a step of a wipe, of the shop's loop or of the music room's
// pauses), because a modal wait holds the main loop while the player still acts.
// A pass begins by handing the host its number and ends by counting it.
void BeginCountedPass(Game &g, PassKind kind);
// Counts the pass; ends the program when --passes is reached.
void EndCountedPass(Game &g);
// A wait that holds the main loop: it closes the pass in progress, opens the next one and
// waits ms milliseconds while the window's events flow.
void ModalWait(Game &g, int ms);

}  // namespace qel
