// Pads on SDL's virtual joysticks: a mapping string makes one a game controller, as a
// gamecontrollerdb.txt line or SDL_GAMECONTROLLERCONFIG would for a real pad.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "game.h"
#include "host/sdl_host.h"
#include "host/sdl_joystick.h"
#include "player/player.h"
#include "replay/replay_test_support.h"
#include "shell/shell.h"
#include "support/test_game.h"

namespace qel {
namespace {

// Buttons 0..10 and 11..14 the d-pad; axes 0, 1 the left stick, 4, 5 the triggers.
constexpr char kMapping[] =
    "a:b0,b:b1,x:b2,y:b3,back:b4,guide:b5,start:b6,leftstick:b7,rightstick:b8,leftshoulder:b9,"
    "rightshoulder:b10,dpup:b11,dpdown:b12,dpleft:b13,dpright:b14,leftx:a0,lefty:a1,rightx:a2,righty:a3,"
    "lefttrigger:a4,righttrigger:a5,";

int DeviceIndex(SDL_JoystickID instance) {
  for (int i = 0; i < SDL_NumJoysticks(); ++i)
    if (SDL_JoystickGetDeviceInstanceID(i) == instance) return i;
  return -1;
}

// A virtual device; with mapped, a game controller by our mapping string.
struct VirtualPad {
  explicit VirtualPad(bool mapped) {
    index = SDL_JoystickAttachVirtual(mapped ? SDL_JOYSTICK_TYPE_GAMECONTROLLER : SDL_JOYSTICK_TYPE_UNKNOWN,
                                      6, 15, 0);
    if (index < 0) return;
    if (mapped) {
      char guid[64];
      SDL_JoystickGetGUIDString(SDL_JoystickGetDeviceGUID(index), guid, sizeof guid);
      SDL_GameControllerAddMapping((std::string(guid) + ",Test Pad," + kMapping).c_str());
    }
    joy = SDL_JoystickOpen(index);
    instance = SDL_JoystickInstanceID(joy);
  }
  ~VirtualPad() { Detach(); }
  void Detach() {
    if (!joy) return;
    SDL_JoystickClose(joy);
    SDL_JoystickDetachVirtual(DeviceIndex(instance));
    joy = nullptr;
  }
  void Axis(int axis, int value) { SDL_JoystickSetVirtualAxis(joy, axis, static_cast<Sint16>(value)); }
  void Button(int button, bool down) { SDL_JoystickSetVirtualButton(joy, button, down ? 1 : 0); }

  int index = -1;
  SDL_Joystick *joy = nullptr;
  SDL_JoystickID instance = -1;
};

class SdlPadsTest : public ::testing::Test {
 protected:
  void SetUp() override { pads = std::make_unique<SdlJoysticks>(); }
  void TearDown() override { pads.reset(); }
  JoyPos Read() {
    JoyPos pos;
    EXPECT_TRUE(pads->Read(0, pos));
    return pos;
  }
  std::unique_ptr<SdlJoysticks> pads;
  std::vector<HostEvent::Kind> events;
};

using Kinds = std::vector<HostEvent::Kind>;
constexpr auto kAdded = HostEvent::Kind::PadAdded;
constexpr auto kRemoved = HostEvent::Kind::PadRemoved;

TEST_F(SdlPadsTest, AMappedPadReadsInTheDocumentedButtonOrder) {
  VirtualPad pad(true);
  ASSERT_GE(pad.index, 0) << SDL_GetError();
  pads->Added(pad.index, &events);
  EXPECT_EQ(events, Kinds{kAdded});
  ASSERT_TRUE(pads->UsingController());
  JoyCaps caps;
  ASSERT_TRUE(pads->GetCaps(0, caps));
  EXPECT_EQ(caps.buttons, 12);

  pad.Axis(0, 32767);
  pad.Button(9, true);  // left shoulder: button 5
  pad.Button(6, true);  // start: button 8
  pad.Axis(5, 32767);   // right trigger: button 12
  JoyPos pos = Read();
  EXPECT_GT(pos.x, 65535 - 16384);
  EXPECT_EQ(pos.buttons, (1u << 4) | (1u << 7) | (1u << 11));

  pad.Axis(0, 0);
  pad.Button(9, false);
  pad.Button(6, false);
  pad.Axis(5, -32768);
  pad.Button(13, true);  // d-pad left
  pos = Read();
  EXPECT_LT(pos.x, 16384);
  EXPECT_EQ(pos.buttons, 0u);
}

TEST_F(SdlPadsTest, AJoystickWithoutAMappingReadsRaw) {
  VirtualPad stick(false);
  ASSERT_GE(stick.index, 0) << SDL_GetError();
  pads->Added(stick.index, &events);
  ASSERT_FALSE(pads->UsingController());
  stick.Axis(1, -32768);
  stick.Button(14, true);
  const JoyPos pos = Read();
  EXPECT_EQ(pos.y, 0);
  EXPECT_EQ(pos.buttons, 1u << 14);
}

TEST_F(SdlPadsTest, TheFirstPadWinsUntilItIsPulledOut) {
  VirtualPad first(true), second(true);
  pads->Added(first.index, &events);
  pads->Added(second.index, &events);
  pads->Added(first.index, &events);  // reported twice: still one device
  EXPECT_EQ(events, Kinds{kAdded});
  EXPECT_EQ(pads->Count(), 2);
  second.Button(0, true);
  EXPECT_EQ(Read().buttons, 0u);  // the second one is not the one in use

  events.clear();
  pads->Removed(second.instance, &events);  // not the one in use: nothing to tell
  EXPECT_TRUE(events.empty());
  pads->Added(DeviceIndex(second.instance), &events);
  events.clear();
  const SDL_JoystickID firstId = first.instance;
  first.Detach();
  pads->Removed(firstId, &events);
  EXPECT_EQ(events, (Kinds{kRemoved, kAdded}));  // the second takes its place
  EXPECT_EQ(Read().buttons, 1u);

  events.clear();
  const SDL_JoystickID secondId = second.instance;
  second.Detach();
  pads->Removed(secondId, &events);
  EXPECT_EQ(events, Kinds{kRemoved});
  JoyPos pos;
  EXPECT_FALSE(pads->Read(0, pos));
  EXPECT_EQ(pads->Count(), 0);
}

// The whole way: the window's host (on SDL's offscreen driver), a virtual pad plugged in while a
// stage runs, the ship steered by its stick.
TEST(SdlHostPadTest, AVirtualPadPluggedInDuringPlayDrivesTheShip) {
  // Offscreen unless a display is asked for (SDL_VIDEODRIVER=x11 shows it on one).
  const bool ownDriver = std::getenv("SDL_VIDEODRIVER") == nullptr;
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  // SDL lets a pad through only to the window that has the keyboard; this one is never shown.
  setenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1", 1);
  SdlHostOptions options;
  options.text = test::SharedText();
  std::string error;
  std::unique_ptr<Host> host = CreateSdlHost(options, &error);
  ASSERT_TRUE(host) << error;
  test::TempDir data;
  GameConfig cfg;
  cfg.dataDir = test::CopyBuildData(data);
  cfg.seeded = true;
  cfg.startStage = 1;
  cfg.invincible = true;
  cfg.writeSave = false;
  auto game = std::make_unique<Game>(*host, test::SharedSheets(), test::SharedText(), cfg);
  game->shell.maxPasses = 150;
  Main(*game);  // the ship flies in
  ASSERT_EQ(game->player.PSTATE, kShipPlay);
  ASSERT_EQ(game->input.JOYID, -1);

  VirtualPad pad(true);
  ASSERT_GE(pad.index, 0) << SDL_GetError();
  game->shell.maxPasses += 5;
  RunPasses(*game);
  EXPECT_EQ(game->input.JOYID, 0);
  pad.Axis(0, -32768);
  const double x = game->player.PX;
  game->shell.maxPasses += 30;
  RunPasses(*game);
  EXPECT_LT(game->player.PX, x - 20);

  if (ownDriver) unsetenv("SDL_VIDEODRIVER");
}

}  // namespace
}  // namespace qel
