// Scene 11: the fighter climbs past the rising logo, then the title.
#include "game.h"
#include "platform/sound.h"
#include "screens/menu_kit.h"
#include "screens/screens.h"

namespace qel {

namespace {

constexpr int kFlight = 1, kHold = 2, kLeave = 3;
constexpr int kLogoStopY = 210, kHoldPasses = 100;

void Begin(Game &g) {
  Screens &s = g.screens;
  PlayMusic(g, kMusicSilence);
  PlaySound(g, kSoundJet);
  s.openingShipY = 500;
  s.openingLogoY = 530;
  g.input.PADOLD[kPadChange] = 0;
  g.input.PADOLD[kPadShot] = 0;
  g.shell.PHASE = kFlight;
}

// The logo stops at y 210 after 32 frames; the ship leaves the top after 55.
void Fly(Game &g) {
  Screens &s = g.screens;
  Surface &m = g.surf.MSCREEN;
  Cls(m);
  DrawPointer(g, m, 224, s.openingShipY);
  BitBlt(m, 90, s.openingLogoY, 310, 65, g.sheet(Family::HAI, 12), 0, 0, Rop::Copy);
  s.openingShipY -= 10;
  if (s.openingLogoY > kLogoStopY) s.openingLogoY -= 10;
  if (s.openingShipY < -40) g.shell.PHASE = kHold;
}

void Hold(Game &g) {
  int &wait = g.enemies.WORK[1];
  wait += 1;
  if (wait > kHoldPasses) g.shell.PHASE = kLeave;
}

void Leave(Game &g) {
  g.enemies.WORK[1] = 0;
  g.screens.openingShipY = g.screens.openingLogoY = 0;
  g.shell.PHASE = 0;
  g.shell.SCENE = kSceneTitle;
}

}  // namespace

void RunOpening(Game &g) {
  switch (g.shell.PHASE) {
    case 0: Begin(g); break;
    case kFlight: Fly(g); break;
    case kHold: Hold(g); break;
    case kLeave: Leave(g); break;
    default: break;
  }
  Input &in = g.input;
  if (g.shell.PHASE == kFlight || g.shell.PHASE == kHold) ReadInput(g);
  if (TakePress(in, kPadShot)) g.shell.PHASE = kLeave;  // skipped: the title comes next pass
  in.PADOLD[kPadShot] = in.PAD[kPadShot];
}

}  // namespace qel
