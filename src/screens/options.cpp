// Scene 15: difficulty, speed, music, sound and the joystick's buttons.
#include <string>

#include "game.h"
#include "platform/sound.h"
#include "screens/menu_kit.h"
#include "screens/screens.h"
#include "shell/transition.h"
#include "stage/stage.h"

namespace qel {

namespace {

constexpr int kEdit = 1;
constexpr int kRows = 9;
enum OptionRow { kRowExit, kRowLevel, kRowSpeed, kRowMusic, kRowSound, kRowFirstButton = 5 };

// The OPTION element a button row sets.
std::size_t ButtonOption(int row) { return static_cast<std::size_t>(kOptButtonShot + row - kRowFirstButton); }
constexpr int kSpeedMax = 60, kSpeedStep = 5;

const char *const kLabels[kRows] = {"EXIT", "LEVEL",  "SPEED", "MUSIC", "SOUND",
                                    "SHOT", "CHANGE", "BOMB",  "PAUSE"};

int RowY(int row) { return 150 + 35 * row; }

std::string ValueText(const Game &g, int row) {
  const auto &opt = g.settings.OPTION;
  switch (row) {
    case kRowLevel: return g.settings.DIFF == 1 ? "NORMAL" : "HARD";  // a loaded EASY shows HARD
    case kRowSpeed: return NumberText(g.shell.WAITMS);
    case kRowMusic: return opt[kOptMusicOff] != 1 ? "ON" : "OFF";
    case kRowSound: return opt[kOptSoundOff] != 1 ? "ON" : "OFF";
    default: return "BUTTON " + NumberText(opt[ButtonOption(row)]);
  }
}

void LabelColours(int row, int *text, int *shadow) {
  if (row == kRowExit) *text = 12, *shadow = 4;
  else if (row < kRowFirstButton) *text = 14, *shadow = 6;
  else *text = 11, *shadow = 2;
}

void DrawOptionsPage(Game &g, const PageSide &side) {
  DrawText(g, side.page, "OPTION", 70, side.colour(3), 115, 55, 1);
  DrawText(g, side.page, "OPTION", 70, side.colour(11), 110, 50, 1);
  for (int r = 0; r < kRows; ++r) {
    int text, shadow;
    LabelColours(r, &text, &shadow);
    DrawShadowed(g, side.page, g.screens.MENUTEXT[static_cast<std::size_t>(r)], 20, 150, RowY(r),
                 side.colour(shadow), side.colour(text), 1);
  }
}

void Enter(Game &g) {
  PlayMusic(g, kMusicSilence);
  ClearScratch(g, 10);
  for (int r = 0; r < kRows; ++r) g.screens.MENUTEXT[static_cast<std::size_t>(r)] = kLabels[r];
  LoadStageMap(g, 15);
  DrawPagePair(g, [&](const PageSide &side) { DrawOptionsPage(g, side); });
  g.shell.PHASE = kEdit;
  g.shop.CURSOR = 0;
  g.player.MX = g.player.MY = 0;
  g.input.PADOLD.fill(0);
}

void DrawScreen(Game &g) {
  Surface &d = g.surf.DISPLAY;
  Cls(g.surf.MSCREEN);
  Cls(d);
  ComposeBackground(g, 15);
  for (int r = 1; r < kRows; ++r) DrawShadowed(g, d, ValueText(g, r), 20, 250, RowY(r), 8, 15, 1);
  DrawPointer(g, d, 115, 145 + 35 * g.shop.CURSOR);
  PresentDisplay(g);
}

// Moves value by dx * unit inside lo..hi, with the move sound; returns the step taken (0 when
// it would have left the range).
int StepValue(Game &g, int &value, int dx, int unit, int lo, int hi) {
  if (value + dx * unit < lo || value + dx * unit > hi) dx = 0;
  if (dx != 0) PlaySound(g, kSoundCursor);
  value += dx * unit;
  return dx;
}

// Returns the left/right step that was taken.
int ChangeValue(Game &g, int row, int mx) {
  auto &opt = g.settings.OPTION;
  switch (row) {
    case kRowLevel: return -StepValue(g, g.settings.DIFF, -mx, 1, 0, 1);  // LEFT goes towards NORMAL
    case kRowSpeed:
      // A speed off the 5-grid (from the save file) snaps to the top on the way up, silently.
      if (g.shell.WAITMS + kSpeedStep * mx > kSpeedMax && mx != 0) g.shell.WAITMS = kSpeedMax;
      return StepValue(g, g.shell.WAITMS, mx, kSpeedStep, 0, kSpeedMax);
    case kRowMusic: return StepValue(g, opt[kOptMusicOff], mx, 1, 0, 1);
    case kRowSound: return StepValue(g, opt[kOptSoundOff], mx, 1, 0, 1);
    case kRowExit: return mx;
    default: return StepValue(g, opt[ButtonOption(row)], mx, 1, 1, 12);
  }
}

void Leave(Game &g) {
  SetJoyButtons(g);
  PlaySound(g, kSoundConfirm);
  Transition(g, 0);
  g.shell.PHASE = 0;
  g.shell.SCENE = kSceneTitle;
}

void Edit(Game &g) {
  Input &in = g.input;
  Player &p = g.player;
  int &cursor = g.shop.CURSOR;
  DrawScreen(g);
  ReadInput(g);  // acts on the next picture
  int my = VerticalStep(in), mx = HorizontalStep(in);
  my = StepWithin(cursor, my, 0, kRows - 1);
  if (my != 0) PlaySound(g, kSoundCursor);
  cursor += my;
  in.PADOLD[kPadUp] = in.PAD[kPadUp];
  in.PADOLD[kPadDown] = in.PAD[kPadDown];
  p.MX = ChangeValue(g, cursor, mx), p.MY = my;
  if (cursor == kRowExit && TakePress(in, kPadShot)) Leave(g);
  in.PADOLD[kPadLeft] = in.PAD[kPadLeft];
  in.PADOLD[kPadRight] = in.PAD[kPadRight];
  in.PADOLD[kPadShot] = in.PAD[kPadShot];
}

}  // namespace

void RunOptions(Game &g) {
  if (g.shell.PHASE == 0) Enter(g);
  else if (g.shell.PHASE == kEdit) Edit(g);
}

}  // namespace qel
