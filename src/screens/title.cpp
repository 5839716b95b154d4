// Scene 1: the title menu over the moving stars.
#include "game.h"
#include "platform/sound.h"
#include "screens/menu_kit.h"
#include "screens/screens.h"
#include "shell/transition.h"
#include "shell/window.h"
#include "stage/stage.h"

namespace qel {

namespace {

constexpr int kMenu = 1;
constexpr int kRows = 6;
enum TitleRow { kRowStory, kRowExtra, kRowBoss, kRowMusicRoom, kRowOptions, kRowEnd };
// Start modifiers, held with PAUSE on the title: R (letter 9) and S (letter 8).
constexpr int kModifierRugged = 1, kModifierDaring = 2;
constexpr int kLetterS = 8, kLetterR = 9;

const char *const kRowText[kRows] = {"STORY  MODE", "EXTRA  MODE", "BOSS   MODE",
                                     "MUSIC  ROOM", "OPTION",      "END"};
const char *const kLocked = "？？？？？？";
const char *const kCreditLine = "QELVANE";  // only 90 px fit at its place: the project's name alone
const char *const kVersion = "Ｖｅｒ １.３";

int RowY(int row) { return 220 + 35 * row; }

bool Locked(const Game &g, int row) { return g.player.PSTAT[static_cast<std::size_t>(row)] == 1; }

void Lock(Game &g, int row) {
  g.screens.MENUTEXT[static_cast<std::size_t>(row)] = kLocked;
  g.player.PSTAT[static_cast<std::size_t>(row)] = 1;
}

void SetMenuTexts(Game &g) {
  const auto &opt = g.settings.OPTION;
  for (int i = 0; i < kRows; ++i) g.screens.MENUTEXT[static_cast<std::size_t>(i)] = kRowText[i];
  if (opt[4] == 0) Lock(g, kRowExtra), Lock(g, kRowBoss);
  if (opt[5] == 0 || opt[6] == 0) Lock(g, kRowMusicRoom);
}

// The clear marks of a mode: NORMAL on the left of TOKU(52), HARD on its right.
void DrawMarks(Game &g, const PageSide &side, int row) {
  int mark = g.settings.OPTION[static_cast<std::size_t>(kOptStoryClear + row)];
  const Surface &sheet = g.sheet(side.mask ? Family::TOKUM : Family::TOKU, 52);
  int y = RowY(row) + 2;
  if (mark == 1 || mark == 3) BitBlt(side.page, 330, y, 20, 20, sheet, 0, 0, Rop::Copy);
  if (mark == 2 || mark == 3) BitBlt(side.page, 360, y, 20, 20, sheet, 20, 0, Rop::Copy);
}

void DrawMenuPage(Game &g, const PageSide &side) {
  for (int i = 0; i < kRows; ++i) {
    DrawShadowed(g, side.page, g.screens.MENUTEXT[static_cast<std::size_t>(i)], 20, 170, RowY(i),
                 side.colour(8), side.colour(15), 1);
    if (i <= kRowBoss) DrawMarks(g, side, i);
  }
  DrawText(g, side.page, kCreditLine, 15, side.colour(2), 391, 451, 1);  // its shadow is one pixel off
  DrawText(g, side.page, kCreditLine, 15, side.colour(10), 390, 450, 1);
  BitBlt(side.page, 10, 80, 456, 100, g.sheet(Family::HAI, side.mask ? 6 : 5), 0, 0, Rop::Copy);
  DrawShadowed(g, side.page, kVersion, 20, 370, 160, side.colour(6), side.colour(14), 1);
}

void Enter(Game &g) {
  PlayMusic(g, kMusicSilence);
  ClearScratch(g, 10);
  SetMenuTexts(g);
  Cls(g.surf.MSCREEN);
  Cls(g.surf.DISPLAY);
  EnableResetMenu(g, false);
  LoadStageMap(g, 15);
  DrawPagePair(g, [&](const PageSide &side) { DrawMenuPage(g, side); });
  g.shell.PHASE = kMenu;
  g.shop.CURSOR = 0;
  g.input.PADOLD.fill(0);
  g.input.PADOLD[kPadShot] = 1;  // a SHOT still held from the screen before does not choose
  g.screens.titleIdleSince = g.shell.passStartMs;
}

bool AnythingPressed(const Input &in) {
  for (int k : {kPadDown, kPadLeft, kPadRight, kPadUp, kPadChange, kPadShot, kPadPause, kPadBomb})
    if (in.PAD[static_cast<std::size_t>(k)] != 0) return true;
  return in.KEYS[8] != 0 || in.KEYS[9] != 0 || in.KEYS[10] != 0;
}

// Not in the old game: after a while with nothing pressed, the demo plays.
bool DemoDue(Game &g) {
  if (AnythingPressed(g.input)) g.screens.titleIdleSince = g.shell.passStartMs;
  return !g.screens.demoUnavailable && g.shell.passStartMs - g.screens.titleIdleSince >= kDemoIdleMs;
}

// Hidden: PAUSE with S makes a daring start, PAUSE with R a rugged one; the last one set stays.
void ReadModifiers(Game &g) {
  int &modifier = g.enemies.WORK[5];
  if (g.input.PAD[kPadPause] != 1) return;
  int letter = g.input.KEYS[9];
  if (letter == kLetterS && modifier != kModifierDaring) {
    PlaySound(g, kSoundBigBlast);
    modifier = kModifierDaring;
  }
  if (letter == kLetterR && modifier != kModifierRugged) {
    PlaySound(g, kSoundGigaCrash);
    modifier = kModifierRugged;
  }
}

void ApplyModifier(Game &g, int modifier) {
  Player &p = g.player;
  if (modifier == kModifierRugged) p.SHIELDMAX = 100, p.SHIELD = 100, p.CREDIT = 0;
  if (modifier == kModifierDaring) p.SHIELDMAX = 30, p.SHIELD = 30, p.SCORE = 10000;
}

void StartNewGame(Game &g, int row) {
  SetUpNewGame(g, row == kRowStory ? kNewGameStory : row == kRowExtra ? kNewGameExtra : kNewGameBoss);
  ApplyModifier(g, g.enemies.WORK[5]);
  ClearScratch(g, 10);
  if (row == kRowStory) {
    g.shell.SCENE = kScenePrologue;
    return;
  }
  StartStage(g);
}

void Choose(Game &g, int row) {
  PlaySound(g, kSoundConfirm);
  Transition(g, 0);
  g.input.PADOLD[kPadShot] = 1;
  switch (row) {
    case kRowStory:
    case kRowExtra:
    case kRowBoss: StartNewGame(g, row); break;
    case kRowMusicRoom: g.shell.PHASE = 0, g.shell.SCENE = kSceneMusicRoom; break;
    case kRowOptions: g.shell.PHASE = 0, g.shell.SCENE = kSceneOptions; break;
    case kRowEnd: ExitGame(g);
    default: break;
  }
}

void Menu(Game &g) {
  Input &in = g.input;
  int &cursor = g.shop.CURSOR;
  Cls(g.surf.MSCREEN);
  Cls(g.surf.DISPLAY);
  ReadInput(g);
  int d = StepWithin(cursor, VerticalStep(in), 0, kRows - 1);
  if (d != 0) PlaySound(g, kSoundCursor);
  cursor += d;  // locked rows can be pointed at, but not chosen
  ComposeBackground(g, 15);
  DrawPointer(g, g.surf.DISPLAY, 135, 215 + 35 * cursor);
  PresentDisplay(g);
  ReadModifiers(g);
  if (DemoDue(g)) {
    RunDemo(g);
    return;
  }
  in.PADOLD[kPadDown] = in.PAD[kPadDown];
  in.PADOLD[kPadUp] = in.PAD[kPadUp];
  if (!Locked(g, cursor) && Pressed(in, kPadShot)) Choose(g, cursor);
  in.PADOLD[kPadShot] = in.PAD[kPadShot];
}

}  // namespace

void RunTitle(Game &g) {
  if (g.shell.PHASE == 0) Enter(g);
  else if (g.shell.PHASE == kMenu) Menu(g);
}

}  // namespace qel
