// A game driven through its screens by held keys, one pass at a time.
#pragma once

#include <gtest/gtest.h>

#include "game.h"
#include "platform/sound.h"
#include "stage/stage_test_support.h"
#include "support/test_game.h"

namespace qel::test {

class ScreensTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteAllMaps(t); }
  Game &g() { return t.g(); }
  Shell &sh() { return t.g().shell; }
  int scene() { return t.g().shell.SCENE; }
  int phase() { return t.g().shell.PHASE; }
  int &cursor() { return t.g().shop.CURSOR; }

  void Pass(int n = 1) { ASSERT_EQ(t.RunPasses(n), -1) << "the program ended"; }
  // The key held for one pass, then let go for one.
  void Tap(int vk) {
    t.host.PressKey(vk);
    Pass();
    t.host.ReleaseKey(vk);
    Pass();
  }
  // Passes until the scene is entered and has built itself (its PHASE no longer 0).
  void PassUntilScene(int wanted, int limit = 3000) {
    for (int i = 0; i < limit && !(scene() == wanted && phase() != 0); ++i) Pass();
    ASSERT_EQ(scene(), wanted);
  }
  // From start-up through the skipped opening to the title's menu, ready for a press.
  void ToTitle() {
    t.StartUp();
    Pass();
    Tap('Z');
    PassUntilScene(kSceneTitle);
    Pass();
  }
  // The title entered afresh, as after a game: it reads the clear marks again.
  void ReenterTitle() {
    sh().SCENE = kSceneTitle;
    sh().PHASE = 0;
    Pass(2);
  }
  // Moves the title's cursor to a row and chooses it.
  void ChooseTitleRow(int row) {
    while (cursor() < row) Tap(vk::Down);
    Tap('Z');
  }
  int Sounds(int n) { return SoundCount(t.host, n); }

  TestGame t;
};

// The pilot's shortcut for scenario tests: the stage is cleared as soon as the ship is in play.
inline void ClearStageNow(Game &g) {
  Player &p = g.player;
  if (g.shell.SCENE != kScenePlay || p.PSTATE != kShipPlay) return;
  p.PSTATE = g.stage.STAGE == 6 ? kShipFinalStart : kShipFlyOutStart;
}

}  // namespace qel::test
