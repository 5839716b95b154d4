// Scene 4: between the stages of the story. The first time the player picks the first of the
// four outer missions, which fixes the order of all six; every time the card of the next
// mission is shown before its stage starts.
#include <algorithm>
#include <string>

#include "game.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "screens/menu_kit.h"
#include "screens/screens.h"
#include "shell/transition.h"
#include "shell/window.h"
#include "stage/render.h"
#include "stage/stage.h"

namespace qel {

namespace {

constexpr int kBuildSelection = 1, kChoose = 2, kStartStage = 3, kBuildCard = 10, kShowCard = 11;
constexpr int kRows = 4, kCardPasses = 80;
constexpr int kFlyByMission = 7;  // the position after the last mission

struct Objective {
  const char *text;
  int x;
};

// The objective on the card, by stage 1..6.
constexpr Objective kObjectives[7] = {
    {"", 0},
    {"宇宙ステーションの建設を阻止せよ！", 25},
    {"小惑星地帯に潜む偵察隊を壊滅せよ！", 25},
    {"木星付近にいる主力部隊を壊滅せよ！", 25},
    {"占拠された衛星基地を奪還せよ！", 55},
    {"地球へ向けワープせよ！", 110},
    {"メシアを破壊し、地球を取り戻せ！", 55},
};

int RowY(int row) { return 100 + 90 * row; }

int &Missions(Game &g, int i) { return g.stage.MISSIONS[static_cast<std::size_t>(i)]; }

void Enter(Game &g) {
  Stage &st = g.stage;
  EnableResetMenu(g, false);
  if (st.MISSION == 0) {
    st.MISSION = 1;
    g.shell.PHASE = kBuildSelection;
    return;
  }
  int stage = st.MISSION >= 0 && st.MISSION < kFlyByMission ? Missions(g, st.MISSION) : 10;
  if (stage == 10) {
    // After the last mission only the fly-by remains; it is never played as a stage.
    Transition(g, 0);
    g.shell.SCENE = kSceneEndingIntro;
    g.shell.PHASE = 0;
    return;
  }
  st.STAGE = stage;
  g.shell.PHASE = kBuildCard;
}

void DrawRow(Game &g, int i) {
  Surface &d = g.surf.DISPLAY;
  int y = RowY(i), stage = Missions(g, i + 1);
  Pixel white = QBColor(15);
  FillBox(d, 10, y, 470, y + 80, QBColor(0));
  DrawBox(d, 309, y, 470, y + 80, white);
  if (stage > 0) BitBlt(d, 310, y, 160, 80, g.sheet(Family::STHAI, stage), 0, 0, Rop::Copy);
  DrawBox(d, 10, y, 470, y + 80, white);
  if (stage > 0 && stage < static_cast<int>(g.screens.STAGENAME.size()))
    DrawShadowed(g, d, g.screens.STAGENAME[static_cast<std::size_t>(stage)], 25, 50, y + 25, 6, 14, 1);
}

void DrawSelection(Game &g) {
  Surface &d = g.surf.DISPLAY;
  Cls(d);
  Cls(g.surf.MSCREEN);
  for (int r = 0; r < 17; ++r)
    for (int c = 0; c < 17; ++c)
      BitBlt(d, 32 * c, 32 * r, 32, 32, g.sheet(Family::HAI, 0), 192, 96, Rop::Copy);
  DrawEmbossed(g, d, "MISSION SELECT", 50, 40, 20, 0);
  for (int i = 0; i < kRows; ++i) DrawRow(g, i);
}

void BuildSelection(Game &g) {
  DrawSelection(g);
  Transition(g, 1);
  PresentDisplay(g);
  g.shell.PHASE = kChoose;
  g.shop.CURSOR2 = 0;
  g.shop.CURSOR = 0;
  g.input.PADOLD.fill(0);
}

void ChooseFirstMission(Game &g, int row) {
  PlaySound(g, kSoundConfirm);
  g.input.PADOLD[kPadShot] = 1;
  Transition(g, 0);
  g.shell.PHASE = kBuildCard;
  std::array<int, 6> order = MissionOrder(row, RandomRange(g, 0, 1));
  for (int i = 0; i < 6; ++i) Missions(g, i + 1) = order[static_cast<std::size_t>(i)];
  g.stage.STAGE = Missions(g, 1);
  g.stage.MISSION = 1;
}

void Choose(Game &g) {
  Input &in = g.input;
  int &row = g.shop.CURSOR2;
  ReadInput(g);
  int d = VerticalStep(in);
  // This menu alone wraps around: UP on the first row goes to the last.
  if (row + d < 0) row = kRows;
  if (row + d > kRows - 1) row = -1;
  if (d != 0) PlaySound(g, kSoundCursor);
  row += d;
  in.PADOLD[kPadDown] = in.PAD[kPadDown];
  in.PADOLD[kPadUp] = in.PAD[kPadUp];
  PresentDisplay(g);
  DrawBox(g.surf.MSCREEN, 10, RowY(row), 470, RowY(row) + 80, QBColor(12));  // never part of DISPLAY
  if (Pressed(in, kPadShot) && Missions(g, row + 1) > 0) ChooseFirstMission(g, row);
  in.PADOLD[kPadShot] = in.PAD[kPadShot];
}

void DrawCard(Game &g) {
  Surface &d = g.surf.DISPLAY;
  int stage = g.stage.STAGE;
  Cls(d);
  Cls(g.surf.MSCREEN);
  if (stage == 6) {
    // Our face is a little wider than the old one: the heading moves left rather than lose its
    // last letter at the edge.
    const char *heading = "FINAL MISSION";
    int x = std::min(30, 470 - g.text->Width(heading, 60, false));
    DrawEmbossed(g, d, heading, 60, x, 150, 0);
  } else DrawEmbossed(g, d, "MISSION " + NumberText(g.stage.MISSION), 60, 90, 150, 0);
  if (stage < 1 || stage > 6) return;
  const Objective &o = kObjectives[stage];
  DrawShadowed(g, d, o.text, 25, o.x, 250, 8, 15, 1);
}

void BuildCard(Game &g) {
  CloseMidi(g);
  DrawCard(g);
  Transition(g, 1);
  g.shell.PHASE = kShowCard;
  g.enemies.WORK[1] = 0;
  g.input.PAD[kPadShot] = 0;  // SHOT held from the choice does not skip the card
  g.input.PAD[kPadChange] = 0;
}

void ShowCard(Game &g) {
  Input &in = g.input;
  int &shown = g.enemies.WORK[1];
  ReadInput(g);
  shown += 1;
  if (shown > kCardPasses || TakePress(in, kPadShot)) {
    g.shell.PHASE = kStartStage;
    shown = 0;
    in.PADOLD[kPadShot] = 1;
    Transition(g, 0);
  }
  in.PADOLD[kPadShot] = in.PAD[kPadShot];
}

}  // namespace

// The chosen stage first, the one before it in the cycle 1-2-3-4 last, the other two in the
// drawn order, then the warp and the final mission.
std::array<int, 6> MissionOrder(int row, int r) {
  if (row < 0 || row > 3) row = 0;
  auto cycle = [row](int k) { return (row + k) % 4 + 1; };
  int second = cycle(r == 0 ? 1 : 2), third = cycle(r == 0 ? 2 : 1);
  return {cycle(0), second, third, cycle(3), 5, 6};
}

void RunMissionSelect(Game &g) {
  switch (g.shell.PHASE) {
    case 0: Enter(g); break;
    case kBuildSelection: BuildSelection(g); break;
    case kChoose: Choose(g); break;
    case kBuildCard: BuildCard(g); break;
    case kShowCard: ShowCard(g); break;
    case kStartStage: StartStageRevealed(g); break;
    default: break;
  }
}

}  // namespace qel
