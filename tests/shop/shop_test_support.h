// A game standing in a shop, driven with keys step by step.
#pragma once

#include <string>

#include "game.h"
#include "platform/sound.h"
#include "shell/transition.h"
#include "shop/shop.h"
#include "support/test_game.h"

namespace qel::test {

class ShopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t.StartUp();
    SetUpNewGame(g(), kNewGameStory);
    g().screens.SHOPMEET = 2;  // the keeper was met already, unless a test says otherwise
  }

  Game &g() { return t.g(); }
  Player &p() { return g().player; }
  Shop &shop() { return g().shop; }
  int phase() { return g().shell.PHASE; }

  // One step of the shop. A shop that keeps waiting for input that never comes fails the test
  // instead of hanging it.
  void Step() {
    g().shell.maxPasses = g().shell.passes + 400;
    try {
      RunShop(g(), time);
    } catch (const ProgramEnd &) {
      ADD_FAILURE() << "the shop kept waiting for input";
    }
    g().shell.maxPasses = 0;
  }
  // Enters the shop of the supply ship that came at stage time shipTime.
  void Enter(int stage, int shipTime) {
    g().stage.STAGE = stage;
    time = shipTime;
    g().shell.PHASE = kShopEnter;
    Step();
  }
  // Runs a step up to its n-th wait and stops it there, leaving the screen as it is at that
  // wait (a message the step wipes later).
  void StopAtWait(int n) {
    g().shell.maxPasses = g().shell.passes + static_cast<std::uint64_t>(n);
    bool stopped = false;
    try {
      RunShop(g(), time);
    } catch (const ProgramEnd &) {
      stopped = true;
    }
    g().shell.maxPasses = 0;
    EXPECT_TRUE(stopped) << "the step has fewer than " << n << " waits";
  }
  // A step that sees every key released, then a step with the key pressed; the key is let go
  // afterwards, so the screen shows what that press did.
  void Tap(int vk) {
    Step();
    t.host.PressKey(vk);
    Step();
    t.host.ReleaseKey(vk);
  }
  // A key event delivered at the shop's n-th wait from now (inside a dialogue of one step).
  void Later(int n, bool down, int vk) {
    HostEvent ev{down ? HostEvent::Kind::KeyDown : HostEvent::Kind::KeyUp, vk, MenuItem::FullScreen};
    t.host.AddScript({{g().shell.passes + static_cast<std::uint64_t>(n), ev}});
  }
  // A press at the n-th wait from now, released at the next one.
  void PressLater(int n, int vk) {
    Later(n, true, vk);
    Later(n + 1, false, vk);
  }
  // Moves the grid cursor to (col, row) from the top-left cell.
  void GoTo(int col, int row) {
    for (int i = 0; i < row; ++i) Tap(vk::Down);
    for (int i = 0; i < col; ++i) Tap(vk::Right);
  }
  // SHOT on the cell under the cursor, released at the shop's first wait, so that a dialogue
  // opened by it can take a new SHOT press.
  void Shoot() {
    Step();
    t.host.PressKey(vk::Z);
    Later(1, false, vk::Z);
    Step();
  }
  // Buys the weapon under the cursor into a slot: SHOT opens the dialogue, RIGHT picks slot 1,
  // a second SHOT confirms.
  void BuyWeaponInto(int slot) {
    if (slot == 1) PressLater(1, vk::Right);
    PressLater(3, vk::Z);
    Shoot();
  }
  int SoundCount(int n) { return test::SoundCount(t.host, n); }
  std::array<int, 3> face() { return {shop().FACE[0], shop().FACE[1], shop().FACE[2]}; }
  // Whether every pixel of the text, drawn as DrawText would, shows in its colour at (x, y).
  bool Shows(const Surface &s, const std::string &text, int size, int colour, int x, int y, int italic) {
    return test::ShowsText(g(), s, text, size, colour, x, y, italic);
  }

  TestGame t;
  int time = 0;
};

}  // namespace qel::test
