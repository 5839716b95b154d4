#include <gtest/gtest.h>

#include "player/ship_test_support.h"
#include "shell/shell.h"

namespace qel {
namespace {

class FocusTest : public test::ShipTest {
 protected:
  void LoseFocus() { t.host.Inject({HostEvent::Kind::FocusLost, 0, MenuItem::FullScreen}); }
};

// A pad plugged in or pulled out while the game runs (the fake one of the headless host).
class PadHotPlugTest : public test::ShipTest {
 protected:
  void PushRight() { t.host.joystick.pos = JoyPos{65535, 32767, 0}; }
};

TEST_F(FocusTest, LosingTheWindowDuringPlayPausesAsPauseWould) {
  InPlay();
  Passes(2);
  int before = SoundsPlayed(15);
  LoseFocus();
  Passes(2);  // the event comes in at the end of a pass; the next pass's command step pauses
  EXPECT_EQ(g().shell.SCENE, kScenePause);
  EXPECT_EQ(SoundsPlayed(15), before + 1);
  // The pause stays: nothing is pressed, and the PAUSE press it stands for is marked as seen.
  Passes(30);
  EXPECT_EQ(g().shell.SCENE, kScenePause);
  EXPECT_FALSE(g().shell.pauseRequested);
}

TEST_F(FocusTest, ItChangesNothingOutsidePlay) {
  // The ship on its entry flight cannot pause either, as with PAUSE.
  p().PSTATE = kShipEntering;
  LoseFocus();
  Passes(2);
  EXPECT_EQ(g().shell.SCENE, kScenePlay);
  EXPECT_FALSE(g().shell.pauseRequested);

  // In a menu: the title stays the title.
  g().shell.SCENE = kSceneTitle;
  g().shell.PHASE = 0;
  Passes(2);
  LoseFocus();
  Passes(2);
  EXPECT_EQ(g().shell.SCENE, kSceneTitle);

  // During a wait that holds the game (the shop's loop, a wipe): nothing is kept for later.
  g().shell.SCENE = kScenePlay;
  InPlay();
  g().shell.modalDepth = 1;
  LoseFocus();
  Passes(1);
  g().shell.modalDepth = 0;
  Passes(2);
  EXPECT_EQ(g().shell.SCENE, kScenePlay);
}

TEST_F(PadHotPlugTest, APadPluggedInDuringPlayIsUsedFromTheNextPass) {
  InPlay();
  Passes(2);
  EXPECT_EQ(g().input.JOYID, -1);  // none when the game started
  PushRight();
  t.host.ConnectPad();
  Passes(1);
  EXPECT_EQ(g().input.JOYID, 0);
  const double x = p().PX;
  Passes(10);
  EXPECT_GT(p().PX, x);
  EXPECT_EQ(g().shell.SCENE, kScenePlay);
}

TEST_F(PadHotPlugTest, PullingItOutLetsEverythingGoAndPausesPlay) {
  PushRight();
  t.host.joystick.pos.buttons = 1;  // SHOT held on the pad
  t.host.ConnectPad();
  InPlay();
  Passes(5);
  ASSERT_EQ(g().input.PAD[kPadRight], 1);
  ASSERT_EQ(g().input.PAD[kPadShot], 1);
  t.host.DisconnectPad();
  Passes(2);
  EXPECT_EQ(g().input.JOYID, -1);
  EXPECT_EQ(g().shell.SCENE, kScenePause);
  EXPECT_EQ(g().input.PAD[kPadRight], 0);
  EXPECT_EQ(g().input.PAD[kPadShot], 0);
  EXPECT_EQ(g().input.PAD[kPadLeft] + g().input.PAD[kPadUp], 0);  // centred, not up and left

  // Plugged in again: it drives the game once more, the pause screen first.
  t.host.joystick.pos = JoyPos{32767, 65535, 0};
  t.host.ConnectPad();
  Passes(2);
  EXPECT_EQ(g().input.JOYID, 0);
  EXPECT_EQ(g().input.PAD[kPadDown], 1);
}

TEST_F(PadHotPlugTest, PullingItOutInAMenuOnlyLetsGo) {
  t.host.ConnectPad();
  Passes(1);
  g().shell.SCENE = kSceneTitle;
  g().shell.PHASE = 0;
  Passes(2);
  t.host.DisconnectPad();
  Passes(2);
  EXPECT_EQ(g().shell.SCENE, kSceneTitle);
  EXPECT_EQ(g().input.JOYID, -1);
  EXPECT_FALSE(g().shell.pauseRequested);
}

}  // namespace
}  // namespace qel
