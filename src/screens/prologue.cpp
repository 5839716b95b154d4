// Scene 2: the story so far scrolls up over the stars, then the first stage starts.
#include "game.h"
#include "platform/sound.h"
#include "screens/menu_kit.h"
#include "screens/screens.h"
#include "stage/stage.h"

namespace qel {

namespace {

constexpr int kScroll = 1, kStart = 2;
constexpr int kLastPageY = -260;  // the text has gone when the page passes this height

const char *const kLines[9] = {
    "２０ＸＸ年・・・・",
    "自我に目覚めたコンピュ－タ「メシア」の暴走により",
    "人類の大半は死滅し、残った人類は宇宙の果てへ",
    "逃走した。",
    "メシアは残った人類を抹消するため、数々の部隊を",
    "宇宙へ差し向けた。",
    "宇宙へ逃れた人類は、なす術もなくおびえていた。",
    "そんな中、１機の戦闘機がメシアの部隊へ向かって",
    "いった。",
};

void Begin(Game &g) {
  for (Surface &m : g.surf.MASTER) Cls(m);
  g.enemies.WORK.fill(0);
  PlayMusic(g, kMusicMainTheme);
  LoadStageMap(g, 16);
  DrawPagePair(g, [&](const PageSide &side) {
    for (int k = 0; k < 9; ++k) DrawText(g, side.page, kLines[k], 20, side.colour(15), 7, 2 + 30 * k, 1);
  });
  g.shell.PHASE = kScroll;
  g.shop.CURSOR = 0;
  g.input.PADOLD[kPadShot] = 1;  // SHOT held from the title does not skip the story
}

void Scroll(Game &g) {
  int &pageY = g.stage.LROW[kNear];
  Cls(g.surf.MSCREEN);
  Cls(g.surf.DISPLAY);
  ComposeBackground(g, 16);
  pageY -= 1;
  PresentDisplay(g);
  if (pageY < kLastPageY) g.shell.PHASE = kStart;
}

void Start(Game &g) {
  g.enemies.WORK.fill(0);
  g.shell.PHASE = 0;
  StartStage(g);  // the title chose the first stage of the story
  g.shell.SCENE = kScenePlay;
}

}  // namespace

void RunPrologue(Game &g) {
  switch (g.shell.PHASE) {
    case 0: Begin(g); break;
    case kScroll: Scroll(g); break;
    case kStart: Start(g); break;
    default: break;
  }
  Input &in = g.input;
  if (g.shell.PHASE == kScroll) {
    ReadInput(g);
    if (TakePress(in, kPadShot)) g.shell.PHASE = kStart;
  }
  in.PADOLD[kPadShot] = in.PAD[kPadShot];
}

}  // namespace qel
