#include <gtest/gtest.h>

#include "player/ship_test_support.h"
#include "shell/shell.h"

namespace qel {
namespace {

class FocusTest : public test::ShipTest {
 protected:
  void LoseFocus() { t.host.Inject({HostEvent::Kind::FocusLost, 0, MenuItem::FullScreen}); }
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
  EXPECT_FALSE(g().shell.focusLost);
}

TEST_F(FocusTest, ItChangesNothingOutsidePlay) {
  // The ship on its entry flight cannot pause either, as with PAUSE.
  p().PSTATE = kShipEntering;
  LoseFocus();
  Passes(2);
  EXPECT_EQ(g().shell.SCENE, kScenePlay);
  EXPECT_FALSE(g().shell.focusLost);

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

}  // namespace
}  // namespace qel
