#include "platform/input.h"

#include <gtest/gtest.h>

#include "support/test_game.h"

namespace qel {
namespace {

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override { t.StartUp(); }
  // Delivers the pending key events the way a pass does.
  void Pump() {
    HostEvent ev;
    while (t.host.WaitEvent(ev, 0)) {
      if (ev.kind == HostEvent::Kind::KeyDown) FormKeyDown(t.g(), ev.key);
      if (ev.kind == HostEvent::Kind::KeyUp) FormKeyUp(t.g(), ev.key);
    }
  }
  Input &in() { return t.g().input; }
  test::TestGame t;
};

TEST_F(InputTest, KeyEventsFillTheirElementAndAnyReleaseClearsIt) {
  t.host.PressKey(vk::F2);
  Pump();
  EXPECT_EQ(in().KEYS[10], 5);
  t.host.PressKey('U');
  t.host.PressKey('V');
  Pump();
  EXPECT_EQ(in().KEYS[8], 20);
  EXPECT_EQ(in().KEYS[9], 4);
  // Holding U, then pressing and releasing E leaves no group key although U is held.
  t.host.PressKey('E');
  t.host.ReleaseKey('E');
  Pump();
  EXPECT_EQ(in().KEYS[8], 0);
  t.host.PressKey('Q');  // not in the table
  Pump();
  EXPECT_EQ(in().KEYS[9], 4);
  t.host.ReleaseKey(vk::Space);  // releasing the unused Space still clears a held command
  Pump();
  EXPECT_EQ(in().KEYS[10], 0);
}

TEST_F(InputTest, ArrowKeysCancelEachOtherAndOverrideTheJoystickPerAxis) {
  t.host.PressKey(vk::Left);
  t.host.PressKey(vk::Right);
  ReadInput(t.g());
  EXPECT_EQ(in().PAD[kPadLeft], 0);
  EXPECT_EQ(in().PAD[kPadRight], 0);
  t.host.ReleaseKey(vk::Right);
  t.host.PressKey(vk::Up);
  ReadInput(t.g());
  EXPECT_EQ(in().PAD[kPadLeft], 1);
  EXPECT_EQ(in().PAD[kPadUp], 1);
  EXPECT_EQ(in().PAD[kPadDown], 0);
  for (int k : {0, 1, 3, 5, 7, 13, 14, 15}) EXPECT_EQ(in().PAD[k], 0);
}

TEST_F(InputTest, ButtonKeysSetTheirPadFlags) {
  t.host.PressKey('Z');
  t.host.PressKey(vk::Shift);
  ReadInput(t.g());
  EXPECT_EQ(in().PAD[kPadShot], 1);
  EXPECT_EQ(in().PAD[kPadPause], 1);
  EXPECT_EQ(in().PAD[kPadChange], 0);
  EXPECT_EQ(in().KEYHIT[1], 1);
  EXPECT_EQ(in().KEYHIT[4], 8);
  t.host.ReleaseKey('Z');
  t.host.PressKey('C');
  ReadInput(t.g());
  EXPECT_EQ(in().PAD[kPadShot], 0);
  EXPECT_EQ(in().PAD[kPadBomb], 1);
}

TEST_F(InputTest, EdgeRuleNeedsARelease) {
  Input &i = in();
  t.host.PressKey('Z');
  ReadInput(t.g());
  EXPECT_TRUE(Pressed(i, kPadShot));
  i.PADOLD[kPadShot] = 1;  // consumed
  ReadInput(t.g());
  EXPECT_FALSE(Pressed(i, kPadShot));
  t.host.ReleaseKey('Z');
  ReadInput(t.g());
  i.PADOLD[kPadShot] = i.PAD[kPadShot];
  t.host.PressKey('Z');
  ReadInput(t.g());
  EXPECT_TRUE(Pressed(i, kPadShot));
}

class JoystickTest : public InputTest {
 protected:
  void Connect(JoyPos pos) {
    t.host.joystick.present = true;
    t.host.joystick.pos = pos;
    InitJoystick(t.g(), 16384);
  }
};

TEST_F(JoystickTest, ThresholdsAtAQuarterOfTheRangeInsideEachEnd) {
  Connect({32767, 32767, 0});
  EXPECT_EQ(in().JOYID, 0);
  EXPECT_EQ(in().JOYXLO, 16384);
  EXPECT_EQ(in().JOYXHI, 65535 - 16384);
  t.host.joystick.pos = {65535, 0, 0};
  ReadInput(t.g());
  EXPECT_EQ(in().PAD[kPadRight], 1);
  EXPECT_EQ(in().PAD[kPadUp], 1);
  t.host.joystick.pos = {40000, 20000, 0};  // inside the dead zone
  ReadInput(t.g());
  EXPECT_EQ(in().PAD[kPadRight] + in().PAD[kPadUp], 0);
  // Another range keeps the same fraction.
  t.host.joystick.caps = {-100, 100, -100, 100, 4};
  InitJoystick(t.g(), 16384);
  EXPECT_EQ(in().JOYXLO, -100 + 50);
  EXPECT_EQ(in().JOYYHI, 100 - 50);
}

TEST_F(JoystickTest, KeyboardWinsOnAnAxis) {
  Connect({65535, 32767, 0});
  t.host.PressKey(vk::Left);
  ReadInput(t.g());
  EXPECT_EQ(in().PAD[kPadLeft], 1);
  EXPECT_EQ(in().PAD[kPadRight], 0);
}

TEST_F(JoystickTest, ButtonsFollowTheAssignedMasks) {
  Connect({32767, 32767, 4});  // button 3
  Settings &s = t.g().settings;
  s.OPTION[10] = 3;
  SetJoyButtons(t.g());
  ReadInput(t.g());
  EXPECT_EQ(in().PAD[kPadShot], 1);
  EXPECT_EQ(in().PAD[kPadBomb], 1);  // BOMB is button 3 by default too
  s.OPTION[10] = 0;
  SetJoyButtons(t.g());
  EXPECT_EQ(in().JOYMASK[1], 0);
  ReadInput(t.g());
  EXPECT_EQ(in().PAD[kPadShot], 0);  // only the Z key fires now
  s.OPTION[10] = 12;
  SetJoyButtons(t.g());
  EXPECT_EQ(in().JOYMASK[1], 2048);
  ReadInput(t.g());
  EXPECT_EQ(in().PAD[kPadShot], 0);  // a button the pad lacks never fires
  for (int bad : {13, 40, -3}) {
    s.OPTION[10] = bad;
    SetJoyButtons(t.g());
    EXPECT_EQ(in().JOYMASK[1], 0) << bad;
  }
}

TEST_F(JoystickTest, AFailedReadCountsAsCentredWithNoButtons) {
  Connect({0, 0, 1});
  t.host.joystick.readOk = false;
  ReadInput(t.g());
  EXPECT_EQ(in().JOYX, 0);
  EXPECT_EQ(in().JOYY, 0);
  EXPECT_EQ(in().PAD[kPadLeft] + in().PAD[kPadUp] + in().PAD[kPadShot], 0);
  t.host.PressKey(vk::Down);  // an arrow key still works
  ReadInput(t.g());
  EXPECT_EQ(in().PAD[kPadDown], 1);
}

TEST_F(JoystickTest, APadThatCannotBeReadAtStartIsNotUsed) {
  t.host.joystick.present = true;
  t.host.joystick.readOk = false;
  InitJoystick(t.g(), 16384);
  EXPECT_EQ(in().JOYID, -1);
  t.host.joystick.readOk = true;
  t.host.joystick.capsOk = false;
  InitJoystick(t.g(), 16384);
  EXPECT_EQ(in().JOYID, -1);
}

}  // namespace
}  // namespace qel
