// Scene 3: the sunset over the sea after the last battle: the wreck of the enemy sinks under a
// beam of light, the pilot (and the shop keeper, if he met her) in close-up, the closing lines,
// the staff roll and END.
#include <cmath>

#include "game.h"
#include "platform/sound.h"
#include "screens/menu_kit.h"
#include "screens/screens.h"
#include "shell/transition.h"
#include "shell/window.h"

namespace qel {

namespace {

// PHASE values, in the order they come.
constexpr int kSinking = 1, kCalm = 10, kCloseUp = 30, kClosingLines = 3, kStaffRoll = 4, kEnd = 5,
              kLeave = 50;

// The scratch values of the ending in WORK.
enum EndingWork {
  kCounter = 0,
  kRippleOffset = 2,
  kRippleStep = 3,
  kStripHeight = 4,
  kRippleWidth = 5,
  kPageY = 6,
  kFiguresX = 7,
  kWreckY = 8,
  kWreckHeight = 9,
  kWreckX = 10,
};
// ... and in PSTAT (doubles).
enum EndingStat { kHold = 4, kKeeperX = 5, kPilotX = 6, kSkyPan = 7 };

constexpr int kHorizon = 335, kSeaEnd = 484;

const char *const kClosingText[5] = {
    "メシアは崩壊した・・・・",
    "勇敢な若者の活躍によって",
    "地球は、再び人類の手に戻った！",
    "この後、彼は宇宙にいる人々をよびよせた",
    "今、人類は輝かしい時代を迎えようとしている・・・",
};

struct StaffEntry {
  const char *text;
  int size, x, y, colour;  // the shadow is 2 px right and down
};

const StaffEntry kStaffPage[] = {
    {"ＱＥＬＶＡＮＥ　ＳＴＡＦＦ", 30, 80, 0, 11},
    {"ＳＴＯＲＹ", 20, 200, 60, 11},
    {"ＱＥＬＶＡＮＥ　ＰＲＯＪＥＣＴ", 20, 185, 90, 15},
    {"ＰＲＯＧＲＡＭ", 20, 180, 120, 11},
    {"ＣＯＤＥ　ＴＥＡＭ", 20, 185, 150, 15},
    {"ＧＲＡＰＨＩＣ", 20, 185, 180, 11},
    {"ＡＲＴ　ＴＥＡＭ", 20, 185, 210, 15},
    {"ＳＯＵＮＤ", 20, 195, 240, 11},
    {"ＳＯＵＮＤ　ＥＦＦＥＣＴ　ＴＥＡＭ", 20, 120, 270, 15},
    {"ＭＵＳＩＣ", 20, 200, 300, 11},
    {"ＳＣＯＲＥ　ＴＥＡＭ", 20, 205, 330, 15},
    {"ＳＹＮＴＨＥＳＩＳ　ＴＥＡＭ", 20, 165, 360, 15},
    {"ＡＤＶＩＳＥＲ", 20, 185, 390, 11},
    {"ＰＬＡＹ　ＴＥＳＴ　ＴＥＡＭ", 20, 175, 420, 15},
    {"ＴＨＡＮＫ　ＹＯＵ　ＦＯＲ　ＰＬＡＹＩＮＧ　！！", 20, 75, 450, 14},
    {"ＱＥＬＶＡＮＥ　ＰＲＯＪＥＣＴ　２０２６", 20, 60, 480, 14},
};

int &Work(Game &g, int k) { return g.enemies.WORK[static_cast<std::size_t>(k)]; }
double &Stat(Game &g, int k) { return g.player.PSTAT[static_cast<std::size_t>(k)]; }

void AndXor(Surface &dst, int x, int y, int w, int h, const Surface &mask, const Surface &colour) {
  BitBlt(dst, x, y, w, h, mask, 0, 0, Rop::And);
  BitBlt(dst, x, y, w, h, colour, 0, 0, Rop::Xor);
}

void DrawStaffPage(Game &g) {
  DrawPagePair(g, [&](const PageSide &side) {
    for (const StaffEntry &e : kStaffPage) {
      DrawText(g, side.page, e.text, e.size, 0, e.x + 2, e.y + 2, 1);
      DrawText(g, side.page, e.text, e.size, side.colour(e.colour), e.x, e.y, 1);
    }
  });
}

// The beam, alternately 20 and 10 px wide, and what is left of the enemy on the horizon.
void DrawBeamAndWreck(Game &g) {
  Surface &d = g.surf.DISPLAY;
  if (Work(g, kWreckHeight) <= 0) return;
  if (Work(g, kCounter) < -10) {
    int w = Work(g, kCounter) % 2 == 0 ? 20 : 10;
    StretchBlt(d, 175 - w / 2, 0, w, 330, g.sheet(Family::TOKUM, 51), 0, 0, 14, 20, Rop::And);
    StretchBlt(d, 175 - w / 2, 0, w, 330, g.sheet(Family::TOKU, 51), 0, 0, 14, 20, Rop::Xor);
  }
  AndXor(d, Work(g, kWreckX), Work(g, kWreckY), 300, Work(g, kWreckHeight), g.sheet(Family::TOKUM, 14),
         g.sheet(Family::TOKU, 14));
}

// The sea below the horizon, redrawn strip by strip, each shifted a little further than the
// last and back: the offsets bounce between 1 and WORK(5) + 1 and the pattern moves each pass.
void DrawRipple(Game &g) {
  int &offset = Work(g, kRippleOffset), &step = Work(g, kRippleStep);
  int h = Work(g, kStripHeight), top = Work(g, kRippleWidth) + 1;
  offset += step;
  if (offset == 1 || offset == top) step = -step;
  int x = offset, d = step, y = kHorizon;
  for (; h > 0 && y + h <= kSeaEnd; y += h) {
    DrawSeaStrip(g, x, y, h);
    x += d;
    if (x == 1 || x == top) d = -d;
  }
  if (y < kSeaEnd) DrawSeaStrip(g, x, y, kSeaEnd - y);
}

void DrawScene(Game &g) {
  Surface &d = g.surf.DISPLAY;
  int phase = g.shell.PHASE;
  Cls(g.surf.MSCREEN);
  Cls(d);
  BitBlt(d, 0, 0, 480, 480, g.sheet(Family::BG, 0), g.shop.CURSOR2, 0, Rop::Copy);
  DrawBeamAndWreck(g);
  DrawRipple(g);
  if (phase == kClosingLines)
    for (int k = 0; k < 5; ++k)
      if (k == 0 || Work(g, kCounter) > 100 * k)
        DrawShadowed(g, d, kClosingText[k], 20, 10, 80 + 30 * k, 8, 15, 1);
  int figuresW = g.screens.SHOPMEET == 0 ? 150 : 275;  // the pilot alone if he never met her
  AndXor(d, Work(g, kFiguresX), 265, figuresW, 215, g.sheet(Family::TOKUM, 37), g.sheet(Family::TOKU, 37));
  if (phase == kStaffRoll) AndXor(d, 0, Work(g, kPageY), 480, 530, g.surf.MASTER[2], g.surf.MASTER[1]);
  if (phase == kEnd) AndXor(d, 125, 190, 230, 75, g.sheet(Family::TOKUM, 36), g.sheet(Family::TOKU, 36));
  PresentDisplay(g);
}

int Rounded(double v) { return static_cast<int>(std::lround(v)); }

// The sky doubled and slowly panned, with the two close-ups sliding in over it.
void DrawCloseUp(Game &g) {
  Surface &d = g.surf.DISPLAY;
  Cls(g.surf.MSCREEN);
  Cls(d);
  StretchBlt(d, 0, 0, 1280, 960, g.sheet(Family::BG, 0), Rounded(Stat(g, kSkyPan)), 0, 640, 480, Rop::Copy);
  if (g.screens.SHOPMEET != 0)
    AndXor(d, Rounded(Stat(g, kKeeperX)), 0, 315, 480, g.sheet(Family::BG, 4), g.sheet(Family::BG, 3));
  AndXor(d, Rounded(Stat(g, kPilotX)), 0, 250, 480, g.sheet(Family::BG, 2), g.sheet(Family::BG, 1));
  PresentDisplay(g);
}

void Begin(Game &g) {
  for (Surface &m : g.surf.MASTER) Cls(m);
  ClearScratch(g, 20);
  DrawStaffPage(g);
  EnableResetMenu(g, false);
  g.shell.PHASE = kSinking;
  g.shop.CURSOR = 0;
  g.shop.CURSOR2 = 0;
  Work(g, kRippleOffset) = 1, Work(g, kRippleStep) = 2, Work(g, kStripHeight) = 4, Work(g, kRippleWidth) = 4;
  Work(g, kPageY) = 480, Work(g, kFiguresX) = 700;  // the figures wait out of sight
  Work(g, kWreckY) = 269, Work(g, kWreckHeight) = 65, Work(g, kWreckX) = 25;
  Stat(g, kHold) = 0, Stat(g, kKeeperX) = 500, Stat(g, kPilotX) = 950, Stat(g, kSkyPan) = 0;
  Work(g, kCounter) = -80;
  g.input.PADOLD[kPadShot] = 0;
  BitBlt(g.surf.DISPLAY, 0, 0, 480, 480, g.sheet(Family::BG, 0), 0, 0, Rop::Copy);
  DrawBeamAndWreck(g);
}

// Every fourth pass the wreck sinks a row, its bottom staying on the horizon, and shakes.
void Sink(Game &g) {
  DrawScene(g);
  int &counter = Work(g, kCounter);
  if (++counter != 4) return;
  counter = 0;
  PlaySound(g, kSoundRumble);
  Work(g, kWreckY) += 1;
  Work(g, kWreckHeight) -= 1;
  Work(g, kWreckX) = Work(g, kWreckY) % 2 != 0 ? 25 : 24;
  if (Work(g, kWreckHeight) <= 5) g.shell.PHASE = kCalm, counter = 0, Work(g, kWreckHeight) = 0;
}

void Calm(Game &g) {
  DrawScene(g);
  if (++Work(g, kCounter) >= 21) Work(g, kCounter) = 0, g.shell.PHASE = kCloseUp;
}

void CloseUp(Game &g) {
  DrawCloseUp(g);
  if (Stat(g, kPilotX) > 260) {
    Stat(g, kPilotX) -= 2;
    Stat(g, kKeeperX) -= 1;
    Stat(g, kSkyPan) += 1;
    return;
  }
  Stat(g, kHold) += 1;
  if (Stat(g, kHold) <= 80) return;
  Work(g, kFiguresX) = g.screens.SHOPMEET > 0 ? 200 : 300;
  g.shell.PHASE = kClosingLines;
  g.shop.CURSOR2 = 160;  // the view moves to the right part of the sunset
}

void ClosingLines(Game &g) {
  DrawScene(g);
  if (++Work(g, kCounter) < 601) return;
  Work(g, kCounter) = 0;
  g.shell.PHASE = kStaffRoll;
  PlayMusic(g, kMusicWarmMelody);
}

// The page rises one row every second pass until it has left at the top.
void StaffRoll(Game &g) {
  DrawScene(g);
  if (++Work(g, kCounter) > 1) Work(g, kCounter) = 0, Work(g, kPageY) -= 1;
  if (Work(g, kPageY) < -510) Work(g, kCounter) = 0, g.shell.PHASE = kEnd;
}

void End(Game &g) {
  DrawScene(g);
  if (++Work(g, kCounter) > 1000) g.shell.PHASE = kLeave;
}

void Leave(Game &g) {
  PlayMusic(g, kMusicSilence);
  Transition(g, 0);
  g.input.PAD[kPadChange] = 0;
  g.input.PAD[kPadShot] = 0;
  ClearScratch(g, 20);
  g.shell.PHASE = 0;
  g.shell.SCENE = kSceneTitle;
}

}  // namespace

void DrawSeaStrip(Game &g, int x, int y, int h) {
  BitBlt(g.surf.DISPLAY, x, y, 984 - x, h, g.sheet(Family::BG, 0), g.shop.CURSOR2, y, Rop::Copy);
}

void RunEnding(Game &g) {
  switch (g.shell.PHASE) {
    case 0: Begin(g); break;
    case kSinking: Sink(g); break;
    case kCalm: Calm(g); break;
    case kCloseUp: CloseUp(g); break;
    case kClosingLines: ClosingLines(g); break;
    case kStaffRoll: StaffRoll(g); break;
    case kEnd: End(g); break;
    case kLeave: Leave(g); break;
    default: break;
  }
  Input &in = g.input;
  // SHOT is read only from the staff roll on: a new press goes straight back to the title.
  if (g.shell.PHASE == kStaffRoll || g.shell.PHASE == kEnd) {
    ReadInput(g);
    if (TakePress(in, kPadShot)) g.shell.PHASE = kLeave;
  }
  in.PADOLD[kPadShot] = in.PAD[kPadShot];
}

}  // namespace qel
